// The program's run from the intro window to the end: shared services, the
// configuration search, the single instance, the windows, the message loop
// and the clean-up.
#pragma once

// Runs Sprilo inside an existing QApplication; returns the exit code.
int SpriloAusfuehren();
