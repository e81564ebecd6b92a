// The program's run from the intro window to the end: shared services, the
// configuration search, the single instance, the windows, the message loop
// and the clean-up.
#pragma once

// Settings of the QApplication before any window: name, fonts, Qt's own
// texts in German. Sets no display name: Qt would append it to the title
// of every window and box ("Warnung — Sprilo - Programm").
void AnwendungEinrichten();

// Runs Sprilo inside an existing QApplication; returns the exit code.
int SpriloAusfuehren();
