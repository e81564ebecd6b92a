// What the windows that list fill-ups or consumption values share: a table
// of whole rows as high as each other, the room its columns need, its rows
// counted from 1, and the window's own size, place and menu bar.
#pragma once

#include <QString>

#include <cstdint>

class QAction;
class QDialog;
class QMenu;
class QMenuBar;
class QTableView;
class QVBoxLayout;
class QWidget;

// Whole rows chosen one at a time, nothing edited in place, Tab leaves the
// table. Every row as high as the next (the font and zeilenAbstand pixels),
// so that however many rows there are, only those on screen cost anything;
// no row numbers, column heads that do not react to the mouse, the last
// column as wide as it is set.
void ListentabelleEinrichten(QTableView *tabelle, int zeilenAbstand);
// The width a column needs for the widest text it shows (muster) and for
// its head.
int SpalteNoetig(const QTableView *tabelle, const QString &muster, const QString &kopf);
// The table at least as wide as its columns (together spalten wide), its
// frame and its scroll bar.
void TabellenbreiteMindestens(QTableView *tabelle, int spalten);

// Makes row zeile (from 1) the marked one; outside the rows none is marked.
void ZeileMarkieren(QTableView *tabelle, int32_t zeile);
// The marked row, from 1; 0 when there is none.
int32_t MarkierteZeile(const QTableView *tabelle);
// The row shown at the top, from 1.
int32_t ErsteSichtbareZeile(const QTableView *tabelle);
// The row counter: "nr / anzahl", with thousands points.
QString ZeilenZaehler(int64_t nr, int64_t anzahl);

// A window of its own, with a task bar entry: the main window is hidden
// while it is open, and minimising must not lose the program. Being the
// only window on screen, its close box must close it, not end the program.
// Returns the window's layout, top to bottom.
QVBoxLayout *EigenesFensterEinrichten(QDialog *fenster, const QString &titel);
// The design size times Fensterfaktor, within the screen, but never less
// than the contents need; fixed, and laid out at once though hidden.
void FenstergroesseFestlegen(QWidget *fenster, int designBreite, int designHoehe);
// Moves the window to the middle of its screen.
void Zentrieren(QWidget *fenster);

// The menu bar ("MainMenu1") on top of the window's layout.
QMenuBar *Menueleiste(QWidget *fenster, QVBoxLayout *haupt);
// A menu of the bar; it and the action that opens it bear its control name.
QMenu *Menue(QMenuBar *leiste, const char *name, const QString &text);
// An entry of a menu or of the bar itself, with its control name.
QAction *Menueeintrag(QMenu *menue, const char *name, const QString &text);
QAction *Menueeintrag(QMenuBar *leiste, const char *name, const QString &text);
