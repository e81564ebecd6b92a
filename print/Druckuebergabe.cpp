#include "Druckuebergabe.h"

std::string DruckUeberschrift;
std::string DruckHinweis1;
std::string DruckHinweis2;
const TTankListe *DruckListe = nullptr;
const TVerbrauchsListe *DruckVerbrauchsListe = nullptr;
int32_t DruckAnzahlVerbrauchswerte = 0;

void DruckuebergabeZuruecksetzen()
{
    DruckUeberschrift.clear();
    DruckHinweis1.clear();
    DruckHinweis2.clear();
    DruckListe = nullptr;
    DruckVerbrauchsListe = nullptr;
    DruckAnzahlVerbrauchswerte = 0;
}
