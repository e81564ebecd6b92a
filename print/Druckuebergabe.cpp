#include "Druckuebergabe.h"

std::string DruckUeberschrift;
std::string DruckHinweis1;
const TTankListe *DruckListe = nullptr;

void DruckuebergabeZuruecksetzen()
{
    DruckUeberschrift.clear();
    DruckHinweis1.clear();
    DruckListe = nullptr;
}
