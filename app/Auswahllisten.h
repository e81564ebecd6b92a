// The drop-down lists of the selection panels: twelve lines when open, the
// years and months from the first to the last fill-up, and the chosen
// entries read back for the settings.
#pragma once

#include "core/Sprilo_Dek.h"

#include <cstdint>

class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QString;
class QWidget;

// Opens with twelve lines whatever the style does, has room for "12/2004"
// and keeps its room in the layout while hidden.
void AuswahllisteEinrichten(QComboBox *liste);
// Such a list with its control name and hint.
QComboBox *Auswahlliste(QWidget *eltern, const char *name, const QString &hinweis);
// The caption of a list: its mnemonic goes to the list, and it keeps its
// room in the layout while hidden, as the list does.
QLabel *ListenBeschriftung(QWidget *eltern, const char *name, const QString &text, QWidget *liste);

// The four grouping radios "&Einzeln", "&Monatsweise", "&Quartalsweise",
// "&Jahresweise" with their hints, named namen[0..3] and stacked in gruppe
// with the panels' spacing; ziel[0..3] get them.
void Gruppierungsradios(QGroupBox *gruppe, const char *const namen[4], QRadioButton *ziel[4]);

// Every year from the first to the last fill-up, ascending; selects jahr,
// else the first entry. Empty without fill-ups.
void JahreFuellen(QComboBox *liste, uint16_t jahr);

// Both lists get every month from the first to the last fill-up ("MM/JJJJ");
// von selects the month of zeitraumVon, else its first entry, bis the month
// of zeitraumBis, else its last. Empty without fill-ups.
void MonateFuellen(QComboBox *von, QComboBox *bis, const TDatum &zeitraumVon, const TDatum &zeitraumBis);

// The selected year; false (jahr untouched) when nothing is selected.
bool JahrLesen(const QComboBox *liste, uint16_t &jahr);

// The two selected months as a period: the earlier one first with day 1, the
// later one with day 32. The lists themselves stay as chosen. False (the
// dates untouched) when a list has nothing selected.
bool ZeitraumLesen(const QComboBox *von, const QComboBox *bis, TDatum &zeitraumVon, TDatum &zeitraumBis);
