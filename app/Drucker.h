// The program's one printer. The set-up dialog changes it, and every print
// job prints on it, so a choice made in the set-up holds for the whole run.
#pragma once

class QPrinter;
class QWidget;

// Created on first use with the system's default printer (or printing to a
// PDF file where there is no printer); lives until the application ends.
QPrinter &Drucker();

// The platform's printer set-up dialog on Drucker(): printer, paper and
// orientation. True when the user confirmed; on cancel the printer keeps its
// settings.
bool DruckerEinrichten(QWidget *eltern);
