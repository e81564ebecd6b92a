#include "Entwicklung.h"

TEntwicklungsListe EntwicklungsListe;
uint8_t EntwicklungsArt = 1;
long double EW_Minimum = 0;
long double EW_Maximum = 0;
uint16_t DurchschnittsLiterpreis = 0;
long double DurchschnittsVerbrauchRW = 0;
int32_t EW_Schritt = 1;
int32_t EW_Unten = 0;

void EntwicklungsListeLoeschen() {}
void ReichweitenNeuBerechnen() {}
long double DurchschnittsReichweite() { return 0; }
void ErmittleLiterpreisEntwicklung() {}
void ErmittleReichweitenEntwicklung() {}
void FasseEntwicklungZusammen(bool) {}
void BerechneEntwicklungsStatistik() {}
void EntwicklungsZustandZuruecksetzen() {}
long double EntwicklungsGroesse(const TEntwicklungsWert &) { return 0; }
long double EntwicklungsDurchschnitt() { return 0; }
bool VeraenderungProzent(long double, long double, long double &prozent) { prozent = 0; return false; }
std::string VeraenderungText(long double) { return {}; }
std::string VeraenderungZumDurchschnitt(uint32_t) { return {}; }
std::string VeraenderungZumVorgaenger(uint32_t) { return {}; }
