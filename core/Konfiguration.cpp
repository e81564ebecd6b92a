#include "Konfiguration.h"

#include "Cp1252.h"
#include "Dateisystem.h"
#include "Datensatz.h"
#include "Meldungen.h"
#include "Zusatz1.h"
#include "consumption/Verbrauchswerte.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <unistd.h>

// ---- the settings with the values they have before the file is read -------
// The years and dates follow today and are set by KonfigurationVorbelegen.

uint8_t TankstellenAuswahl = 1;
uint8_t JahresAuswahl = 1;
uint8_t FuellungsSortierung = 1;
int8_t AuswahlTankstelleNr = -1;
std::string AuswahlWort = "SHELL";
uint16_t AuswahlJahr = 0;
TDatum AuswahlVon;
TDatum AuswahlBis;
bool FuellungenUmgekehrt = false;

bool TabellenAnsicht = true;
uint8_t Sortierung = 1;
bool UmgekehrtSortiert = false;

bool DruckMitAbschaltwerten = true;
bool DruckMitZusammenfassung = true;
bool DruckFestverbrauchMarkieren = true;
uint8_t DruckVerbrauchsArt = 2;
bool DruckInFarbe = true;
bool DruckTankfuellungen = true;
uint8_t DruckTF_Auswahl = 1;
uint16_t DruckTF_Jahr = 0;
TDatum DruckTF_Von;
TDatum DruckTF_Bis;
bool DruckVerbrauch = true;
uint8_t DruckVB_Auswahl = 1;
uint8_t DruckVB_Ansicht = 1;
uint16_t DruckVB_Jahr = 0;
TDatum DruckVB_Von;
TDatum DruckVB_Bis;
bool DruckTankstellenliste = true;
uint8_t DruckTS_Auswahl = 1;
uint16_t DruckTS_Jahr = 0;
uint16_t DruckTS_VonJahr = 0;
uint16_t DruckTS_BisJahr = 0;
bool DruckTS_Einzeln = true;
bool DruckTS_Summe = false;

uint8_t LP_Zeitraumwahl = 1;
uint8_t LP_Ansicht = 1;
TDatum LP_Von;
TDatum LP_Bis;
uint8_t LP_Diagrammart = 0;
bool LP_DruckBalken = true;
uint8_t RW_Zeitraumwahl = 1;
uint8_t RW_Ansicht = 1;
TDatum RW_Von;
TDatum RW_Bis;
uint8_t RW_Diagrammart = 0;
bool RW_DruckBalken = true;

const std::array<uint8_t, 16> StandardFarben = {2, 14, 4, 6, 2, 1, 5, 13, 11, 6, 6, 1, 0, 0, 0, 0};
std::array<uint8_t, 16> Farben = StandardFarben;

TKonfigOrte KonfigOrte;
TStartAnzeige StartAnzeige;

namespace {

// ---- the record layout ------------------------------------------------------

enum class TFeldArt : uint8_t { Schalter, U8, I8, U16, Datum, Text };

// What the defaults put into a field.
enum class TVorgabe : uint8_t {
    Keine,          // left alone (the data directory)
    Wert,           // Zahl or Text
    Monatsanfang,   // today/1
    Monatsende,     // today/32
    Jahr,           // the current year
};

// What reading demands of a field.
enum class TRegel : uint8_t {
    Keine,
    Bereich,        // outside Min..Max spoils the whole group
    Monatsanfang,   // day 1 of a month 1..12 of a year 1900..2100, else today/1
    Monatsende,     // day 32 of such a month, else today/32
    Reparatur,      // outside Min..Max is put back to the default
};

struct TEinstellung {
    int Offset = 0;
    TFeldArt Art = TFeldArt::U8;
    void *Wert = nullptr;
    int Gruppe = 0;                 // 0..5; -1 for fields outside any group
    TVorgabe Vorgabe = TVorgabe::Wert;
    int Zahl = 0;
    const char *Text = "";
    int Kapazitaet = 0;             // strings only
    TRegel Regel = TRegel::Keine;
    int Min = 0;
    int Max = 0;
};

TEinstellung Schalter(int offset, bool *wert, int gruppe, bool vorgabe)
{
    return {offset, TFeldArt::Schalter, wert, gruppe, TVorgabe::Wert, vorgabe ? 1 : 0};
}

TEinstellung Zahl(int offset, uint8_t *wert, int gruppe, int vorgabe, int min, int max)
{
    return {offset, TFeldArt::U8, wert, gruppe, TVorgabe::Wert, vorgabe, "", 0, TRegel::Bereich, min, max};
}

TEinstellung Zahl(int offset, int8_t *wert, int gruppe, int vorgabe)
{
    return {offset, TFeldArt::I8, wert, gruppe, TVorgabe::Wert, vorgabe};
}

// A choice the windows use as an index: repaired rather than spoiling its
// group.
TEinstellung Wahl(int offset, uint8_t *wert, int gruppe, int vorgabe, int min, int max)
{
    return {offset, TFeldArt::U8, wert, gruppe, TVorgabe::Wert, vorgabe, "", 0, TRegel::Reparatur, min, max};
}

// Years outside those a date may have are repaired to the current year.
TEinstellung Jahr(int offset, uint16_t *wert, int gruppe)
{
    return {offset, TFeldArt::U16, wert, gruppe, TVorgabe::Jahr, 0, "", 0, TRegel::Reparatur, 1900, 2100};
}

TEinstellung Monatsanfang(int offset, TDatum *wert, int gruppe)
{
    return {offset, TFeldArt::Datum, wert, gruppe, TVorgabe::Monatsanfang, 0, "", 0, TRegel::Monatsanfang};
}

TEinstellung Monatsende(int offset, TDatum *wert, int gruppe)
{
    return {offset, TFeldArt::Datum, wert, gruppe, TVorgabe::Monatsende, 0, "", 0, TRegel::Monatsende};
}

TEinstellung Text(int offset, std::string *wert, int kapazitaet, int gruppe, const char *vorgabe)
{
    return {offset, TFeldArt::Text, wert, gruppe, TVorgabe::Wert, 0, vorgabe, kapazitaet};
}

TEinstellung Farbe(int nr)
{
    return {810 + nr, TFeldArt::U8, &Farben[nr], 5, TVorgabe::Wert, StandardFarben[nr], "", 0, TRegel::Reparatur, 0, 15};
}

constexpr int OffsetDatenVerzeichnis = 1;
constexpr int OffsetAnzahlTankstellen = 257;
constexpr int OffsetTankstellen = 258;
constexpr int EndeTankstellen = 668;        // the station list ends here in both versions

// The old record lacks the two reserved bytes at 668; its later fields sit
// two bytes lower and stop before 786.
constexpr int AlteVerschiebung = 2;
constexpr int ErstesNeuesFeld = 786;

// Reserved areas that hold something other than zeros: 8 dates at 3052.
constexpr int OffsetReserveDaten = 3052;
constexpr int AnzahlReserveDaten = 8;
constexpr TDatum ReserveDatum{15, 7, 2000};

// Every setting of the file, in the order of the record. The groups decide
// which defaults a failed check brings back: 0 sounds and station list,
// 1 fill-up selection, 2 consumption selection and overview, 3 print
// options, 4 development charts, 5 colours.
const std::vector<TEinstellung> &Einstellungen()
{
    static const std::vector<TEinstellung> tabelle = [] {
        std::vector<TEinstellung> t;
        t.push_back(Schalter(0, &WarnTonAn, 0, true));
        t.push_back({OffsetDatenVerzeichnis, TFeldArt::Text, &DatenVerzeichnis, -1, TVorgabe::Keine, 0, "", 255});
        t.push_back(Zahl(OffsetAnzahlTankstellen, &AnzahlTankstellen, 0, 1, 0, MaxTankstellen));
        for (int i = 0; i < MaxTankstellen; ++i)
            t.push_back(Text(OffsetTankstellen + i * (KapazitaetTankstelle + 1), &Tankstellen[i],
                             KapazitaetTankstelle, 0, i == 0 ? "SHELL , Velmbach" : ""));

        t.push_back(Zahl(670, &TankstellenAuswahl, 1, 1, 1, 3));
        t.push_back(Zahl(671, &JahresAuswahl, 1, 1, 1, 4));
        t.push_back(Zahl(672, &FuellungsSortierung, 1, 1, 1, 4));
        t.push_back(Zahl(673, &AuswahlTankstelleNr, 1, -1));
        t.push_back(Text(674, &AuswahlWort, 40, 1, "SHELL"));
        t.push_back(Jahr(716, &AuswahlJahr, 1));
        t.push_back(Monatsanfang(718, &AuswahlVon, 1));
        t.push_back(Monatsende(722, &AuswahlBis, 1));
        t.push_back(Schalter(726, &FuellungenUmgekehrt, 1, false));

        t.push_back(Zahl(727, &VerbrauchsAuswahl, 2, 1, 1, 4));
        t.push_back(Wahl(728, &VerbrauchsAnsicht, 2, 1, 1, 4));
        t.push_back(Jahr(730, &GewaehltesJahr, 2));
        t.push_back(Monatsanfang(732, &ZeitraumVon, 2));
        t.push_back(Monatsende(736, &ZeitraumBis, 2));
        t.push_back(Schalter(740, &TabellenAnsicht, 2, true));
        t.push_back(Schalter(741, &FestverbrauchAn, 2, true));
        t.push_back(Zahl(742, &Sortierung, 2, 1, 1, 5));
        t.push_back(Schalter(743, &UmgekehrtSortiert, 2, false));

        t.push_back(Schalter(744, &DruckMitAbschaltwerten, 3, true));
        t.push_back(Schalter(745, &DruckMitZusammenfassung, 3, true));
        t.push_back(Schalter(746, &DruckFestverbrauchMarkieren, 3, true));
        t.push_back(Zahl(747, &DruckVerbrauchsArt, 3, 2, 1, 3));
        t.push_back(Schalter(748, &DruckInFarbe, 3, true));
        t.push_back(Schalter(749, &DruckTankfuellungen, 3, true));
        t.push_back(Zahl(750, &DruckTF_Auswahl, 3, 1, 1, 3));
        t.push_back(Jahr(752, &DruckTF_Jahr, 3));
        t.push_back(Monatsanfang(754, &DruckTF_Von, 3));
        t.push_back(Monatsende(758, &DruckTF_Bis, 3));
        t.push_back(Schalter(762, &DruckVerbrauch, 3, true));
        t.push_back(Zahl(763, &DruckVB_Auswahl, 3, 1, 1, 2));
        t.push_back(Zahl(764, &DruckVB_Ansicht, 3, 1, 1, 4));
        t.push_back(Jahr(766, &DruckVB_Jahr, 3));
        t.push_back(Monatsanfang(768, &DruckVB_Von, 3));
        t.push_back(Monatsende(772, &DruckVB_Bis, 3));
        t.push_back(Schalter(776, &DruckTankstellenliste, 3, true));
        t.push_back(Zahl(777, &DruckTS_Auswahl, 3, 1, 1, 2));
        t.push_back(Jahr(778, &DruckTS_Jahr, 3));
        t.push_back(Jahr(780, &DruckTS_VonJahr, 3));
        t.push_back(Jahr(782, &DruckTS_BisJahr, 3));
        t.push_back(Schalter(784, &DruckTS_Einzeln, 3, true));
        t.push_back(Schalter(785, &DruckTS_Summe, 3, false));

        t.push_back(Zahl(786, &LP_Zeitraumwahl, 4, 1, 1, 2));
        t.push_back(Zahl(787, &LP_Ansicht, 4, 1, 1, 4));
        t.push_back(Monatsanfang(788, &LP_Von, 4));
        t.push_back(Monatsende(792, &LP_Bis, 4));
        t.push_back(Zahl(796, &LP_Diagrammart, 4, 0, 0, 2));
        t.push_back(Schalter(797, &LP_DruckBalken, 4, true));
        t.push_back(Zahl(798, &RW_Zeitraumwahl, 4, 1, 1, 2));
        t.push_back(Zahl(799, &RW_Ansicht, 4, 1, 1, 4));
        t.push_back(Monatsanfang(800, &RW_Von, 4));
        t.push_back(Monatsende(804, &RW_Bis, 4));
        t.push_back(Zahl(808, &RW_Diagrammart, 4, 0, 0, 2));
        t.push_back(Schalter(809, &RW_DruckBalken, 4, true));

        for (int i = 0; i < 16; ++i)
            t.push_back(Farbe(i));
        // 826..3083 reserved: zeros, except the dates at OffsetReserveDaten
        // (the 8 extended at 924 are zeros as well, and so are the 8 empty
        // strings at 1004).
        return t;
    }();
    return tabelle;
}

// ---- one field ---------------------------------------------------------------

uint16_t U16(const uint8_t *p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

void U16Schreiben(uint16_t v, uint8_t *p)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

TDatum DatumAus(const uint8_t *p) { return TDatum{p[0], p[1], U16(p + 2)}; }

void DatumSchreiben(const TDatum &d, uint8_t *p)
{
    p[0] = d.Tag;
    p[1] = d.Monat;
    U16Schreiben(d.Jahr, p + 2);
}

// Numbers and switches as int, for defaults and checks.
int ZahlWert(const TEinstellung &e)
{
    switch (e.Art) {
    case TFeldArt::Schalter: return *static_cast<bool *>(e.Wert) ? 1 : 0;
    case TFeldArt::U8: return *static_cast<uint8_t *>(e.Wert);
    case TFeldArt::I8: return *static_cast<int8_t *>(e.Wert);
    case TFeldArt::U16: return *static_cast<uint16_t *>(e.Wert);
    default: return 0;
    }
}

void ZahlSetzen(const TEinstellung &e, int wert)
{
    switch (e.Art) {
    case TFeldArt::Schalter: *static_cast<bool *>(e.Wert) = wert != 0; break;
    case TFeldArt::U8: *static_cast<uint8_t *>(e.Wert) = static_cast<uint8_t>(wert); break;
    case TFeldArt::I8: *static_cast<int8_t *>(e.Wert) = static_cast<int8_t>(wert); break;
    case TFeldArt::U16: *static_cast<uint16_t *>(e.Wert) = static_cast<uint16_t>(wert); break;
    default: break;
    }
}

void FeldKodieren(const TEinstellung &e, uint8_t *satz)
{
    uint8_t *p = satz + e.Offset;
    switch (e.Art) {
    case TFeldArt::Schalter: *p = *static_cast<bool *>(e.Wert) ? 1 : 0; break;
    case TFeldArt::U8: *p = *static_cast<uint8_t *>(e.Wert); break;
    case TFeldArt::I8: *p = static_cast<uint8_t>(*static_cast<int8_t *>(e.Wert)); break;
    case TFeldArt::U16: U16Schreiben(*static_cast<uint16_t *>(e.Wert), p); break;
    case TFeldArt::Datum: DatumSchreiben(*static_cast<TDatum *>(e.Wert), p); break;
    case TFeldArt::Text: TextfeldSchreiben(*static_cast<std::string *>(e.Wert), e.Kapazitaet, p); break;
    }
}

void FeldDekodieren(const TEinstellung &e, const uint8_t *satz)
{
    const uint8_t *p = satz + e.Offset;
    switch (e.Art) {
    case TFeldArt::Schalter: *static_cast<bool *>(e.Wert) = *p != 0; break;
    case TFeldArt::U8: *static_cast<uint8_t *>(e.Wert) = *p; break;
    case TFeldArt::I8: *static_cast<int8_t *>(e.Wert) = static_cast<int8_t>(*p); break;
    case TFeldArt::U16: *static_cast<uint16_t *>(e.Wert) = U16(p); break;
    case TFeldArt::Datum: *static_cast<TDatum *>(e.Wert) = DatumAus(p); break;
    case TFeldArt::Text: *static_cast<std::string *>(e.Wert) = TextfeldLesen(p, e.Kapazitaet); break;
    }
}

TDatum Monatsanfang(const TDatum &heute) { return TDatum{1, heute.Monat, heute.Jahr}; }
TDatum Monatsende(const TDatum &heute) { return TDatum{32, heute.Monat, heute.Jahr}; }

void FeldVorbelegen(const TEinstellung &e, const TDatum &heute)
{
    switch (e.Vorgabe) {
    case TVorgabe::Keine: break;
    case TVorgabe::Wert:
        if (e.Art == TFeldArt::Text)
            *static_cast<std::string *>(e.Wert) = e.Text;
        else
            ZahlSetzen(e, e.Zahl);
        break;
    case TVorgabe::Monatsanfang: *static_cast<TDatum *>(e.Wert) = Monatsanfang(heute); break;
    case TVorgabe::Monatsende: *static_cast<TDatum *>(e.Wert) = Monatsende(heute); break;
    case TVorgabe::Jahr: ZahlSetzen(e, heute.Jahr); break;
    }
}

// Applies the field's rule: a value out of range clears ok, a repair sets
// angepasst.
void RegelAnwenden(const TEinstellung &e, const TDatum &heute, bool &ok, bool &angepasst)
{
    switch (e.Regel) {
    case TRegel::Keine: break;
    case TRegel::Bereich: {
        const int w = ZahlWert(e);
        if (w < e.Min || w > e.Max)
            ok = false;
        break;
    }
    case TRegel::Monatsanfang:
    case TRegel::Monatsende: {
        // The month lists of the panels are built from these dates.
        auto &d = *static_cast<TDatum *>(e.Wert);
        const bool anfang = e.Regel == TRegel::Monatsanfang;
        if (d.Tag != (anfang ? 1 : 32) || d.Monat < 1 || d.Monat > 12 || d.Jahr < 1900 || d.Jahr > 2100) {
            d = anfang ? Monatsanfang(heute) : Monatsende(heute);
            angepasst = true;
        }
        break;
    }
    case TRegel::Reparatur: {
        const int w = ZahlWert(e);
        if (w < e.Min || w > e.Max) {
            FeldVorbelegen(e, heute);
            angepasst = true;
        }
        break;
    }
    }
}

// The rules that tie two settings together.
void GruppeAbgleichen(int gruppe, bool &angepasst)
{
    switch (gruppe) {
    case 1:
        if (AuswahlTankstelleNr < -1 || AuswahlTankstelleNr > int(AnzahlTankstellen) - 1) {
            AuswahlTankstelleNr = -1;
            angepasst = true;
        }
        break;
    case 2:
        // Only the table can be sorted by anything but the date.
        if (Sortierung > 1 && !TabellenAnsicht) {
            TabellenAnsicht = true;
            angepasst = true;
        }
        break;
    case 3:
        // The station list prints at least one of its two parts.
        if (!DruckTS_Einzeln && !DruckTS_Summe) {
            DruckTS_Einzeln = true;
            angepasst = true;
        }
        break;
    default:
        break;
    }
}

bool IstTankstellenfeld(const TEinstellung &e)
{
    return e.Offset >= OffsetAnzahlTankstellen && e.Offset < EndeTankstellen;
}

std::string OhneSchraegstrich(std::string pfad)
{
    while (pfad.size() > 1 && pfad.back() == '/')
        pfad.pop_back();
    return pfad;
}

std::string MitSchraegstrich(const std::string &pfad)
{
    return pfad.empty() || pfad.back() == '/' ? pfad : pfad + '/';
}

// Data files belong beside the user's files, never into a hidden
// configuration folder: DATEN when it exists, else the home directory.
std::string DatenVerzeichnisVorgabe()
{
    if (!KonfigOrte.DatenOrdner.empty() && Dateisystem().IstVerzeichnis(KonfigOrte.DatenOrdner))
        return OhneSchraegstrich(KonfigOrte.DatenOrdner);
    return OhneSchraegstrich(KonfigOrte.Heimverzeichnis);
}

// The path is used as it is: cutting it to a fixed length would open a
// different file.
std::string KonfigDatei()
{
    return KonfigVerzeichnis + KonfigDateiname;
}

// Reads up to one new record; the number of bytes read, 0 when the file
// cannot be opened or read.
size_t SatzLesen(const std::string &pfad, std::vector<uint8_t> &satz)
{
    satz.assign(KonfigGroesse, 0);
    std::unique_ptr<TEingabe> ein = Dateisystem().Oeffnen(pfad);
    if (!ein)
        return 0;
    const size_t gelesen = ein->Lesen(satz.data(), satz.size());
    return ein->Fehler() ? 0 : gelesen;
}

void Neuzeichnen()
{
    if (StartAnzeige.Neuzeichnen)
        StartAnzeige.Neuzeichnen();
}

} // namespace

// ---- the record --------------------------------------------------------------

std::vector<uint8_t> KonfigurationKodieren()
{
    // Zeros everywhere first: reserved areas, the two bytes at 890 and the
    // bytes behind each string's length.
    std::vector<uint8_t> satz(KonfigGroesse, 0);
    for (const auto &e : Einstellungen())
        FeldKodieren(e, satz.data());
    for (int i = 0; i < AnzahlReserveDaten; ++i)
        DatumSchreiben(ReserveDatum, satz.data() + OffsetReserveDaten + 4 * i);
    return satz;
}

void KonfigurationDekodieren(const uint8_t *satz, bool altesFormat, const TDatum &heute)
{
    std::vector<uint8_t> neu(KonfigGroesse, 0);
    if (altesFormat) {
        std::copy(satz, satz + EndeTankstellen, neu.begin());
        std::copy(satz + EndeTankstellen, satz + AlteKonfigGroesse, neu.begin() + EndeTankstellen + AlteVerschiebung);
    } else {
        std::copy(satz, satz + KonfigGroesse, neu.begin());
    }
    for (const auto &e : Einstellungen()) {
        if (altesFormat && e.Offset >= ErstesNeuesFeld)
            FeldVorbelegen(e, heute);
        else
            FeldDekodieren(e, neu.data());
    }
    DatenVerzeichnis = OhneSchraegstrich(DatenVerzeichnis);
}

// ---- the operations ------------------------------------------------------------

std::string InVerzeichnis(const std::string &verzeichnis, const std::string &name)
{
    return MitSchraegstrich(verzeichnis) + name;
}

void KonfigurationSuchen()
{
    if (StartAnzeige.Zeile)
        StartAnzeige.Zeile("Suchern der Konfiguration ...");
    Neuzeichnen();
    KonfigVerzeichnis.clear();

    std::vector<std::string> kandidaten = {KonfigOrte.DatenOrdner, KonfigOrte.KonfigOrdner, KonfigOrte.ProgrammOrdner};
    kandidaten.insert(kandidaten.end(), KonfigOrte.Laufwerke.begin(), KonfigOrte.Laufwerke.end());
    for (size_t i = 0; i < kandidaten.size(); ++i) {
        const std::string &ort = kandidaten[i];
        if (ort.empty())
            continue;
        // The configuration folder is ours; it may not exist yet.
        if (i == 1 && !Dateisystem().IstVerzeichnis(ort))
            Dateisystem().VerzeichnisAnlegen(ort);
        if (Beschreibbar(InVerzeichnis(ort, TestDateiname))) {
            KonfigVerzeichnis = MitSchraegstrich(ort);
            break;
        }
    }
    KonfigSchreibbar = !KonfigVerzeichnis.empty();
    DatenVerzeichnis = DatenVerzeichnisVorgabe();
}

void KonfigurationLesen(bool erzwingen)
{
    const TDatum heute = HeutigesDatum();
    for (auto &t : Tankstellen)
        t.clear();

    if (!KonfigSchreibbar && !erzwingen) {
        KonfigurationVorbelegen(0, heute);
        Melden(TMeldungsNr::KonfigNichtSchreibbar);
        Neuzeichnen();
        return;
    }

    std::vector<uint8_t> satz;
    const size_t gelesen = SatzLesen(KonfigDatei(), satz);
    // A file too short for the new record but long enough for the old one
    // was written by the older version.
    if (gelesen < static_cast<size_t>(AlteKonfigGroesse)) {
        KonfigurationVorbelegen(0, heute);
        Melden(TMeldungsNr::KonfigNeuInitialisiert);
        Neuzeichnen();
        return;
    }
    const bool altesFormat = gelesen < static_cast<size_t>(KonfigGroesse);
    KonfigurationDekodieren(satz.data(), altesFormat, heute);
    AktuellesJahr = heute.Jahr;
    KonfigurationPruefen(heute, altesFormat);
}

void KonfigurationPruefen(const TDatum &heute, bool altesFormat)
{
    if (!Dateisystem().IstVerzeichnis(DatenVerzeichnis))
        DatenVerzeichnis = DatenVerzeichnisVorgabe();

    bool ok = true;
    bool angepasst = false;
    int stufe = 0;
    // Group 0 can only fail (too many stations); the colours can only be
    // repaired. A failed group stops the examination: its defaults and
    // those of all later groups come back anyway.
    for (int gruppe = 0; gruppe <= 5 && ok; ++gruppe) {
        for (const auto &e : Einstellungen())
            if (e.Gruppe == gruppe)
                RegelAnwenden(e, heute, ok, angepasst);
        GruppeAbgleichen(gruppe, angepasst);
        if (!ok)
            stufe = gruppe;
    }

    TMeldungsNr meldung = TMeldungsNr::Keine;
    if (angepasst)
        meldung = TMeldungsNr::KonfigAngepasst;
    if (!ok) {
        KonfigurationVorbelegen(stufe, heute);
        meldung = TMeldungsNr::KonfigFehlerhaft;
    }
    if (meldung != TMeldungsNr::Keine)
        Melden(meldung);
    else if (altesFormat)
        Melden(TMeldungsNr::KonfigAltesFormat);
    Neuzeichnen();
}

void KonfigurationVorbelegen(int stufe, const TDatum &heute)
{
    stufe = std::clamp(stufe, 0, 5);
    for (const auto &e : Einstellungen())
        if (e.Gruppe >= stufe)
            FeldVorbelegen(e, heute);
    AktuellesJahr = heute.Jahr;
    KonfigurationSchreiben();
}

bool KonfigurationSchreiben()
{
    if (!KonfigSchreibbar)
        return false;
    // Written beside the file and then renamed onto it: a full disk leaves
    // the previous settings, never half a record.
    TDateisystem &fs = Dateisystem();
    const std::string datei = KonfigDatei();
    std::string neu;
    std::unique_ptr<TAusgabe> aus = fs.Zwischendatei(datei, neu);
    if (!aus)
        return false;
    const std::vector<uint8_t> satz = KonfigurationKodieren();
    bool ok = aus->Schreiben(satz.data(), satz.size());
    ok = aus->Schliessen() && ok;
    aus.reset();
    if (!ok || !fs.Umbenennen(neu, datei)) {
        fs.Loeschen(neu);
        return false;
    }
    fs.VerzeichnisSichern(KonfigVerzeichnis);
    return true;
}

int KonfigVerzeichnisZustand(const std::string &verzeichnis)
{
    if (verzeichnis.empty())
        return 0;
    int zustand = Beschreibbar(InVerzeichnis(verzeichnis, TestDateiname)) ? 1 : 0;
    const std::string datei = InVerzeichnis(verzeichnis, KonfigDateiname);
    if (Dateisystem().Existiert(datei) && !Dateisystem().IstVerzeichnis(datei))
        zustand += 2;
    return zustand;
}

// ---- the places on this system ----------------------------------------------------

namespace {

// Mount points and devices in the mounts file escape blanks, tabs, new
// lines and backslashes as three octal digits.
std::string MountNameEntschluesseln(const std::string &s)
{
    std::string ergebnis;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size()) {
            const char a = s[i + 1], b = s[i + 2], c = s[i + 3];
            if (a >= '0' && a <= '3' && b >= '0' && b <= '7' && c >= '0' && c <= '7') {
                ergebnis += static_cast<char>((a - '0') * 64 + (b - '0') * 8 + (c - '0'));
                i += 3;
                continue;
            }
        }
        ergebnis += s[i];
    }
    return ergebnis;
}

bool IstPseudoDateisystem(const std::string &typ)
{
    static const char *const pseudo[] = {
        "proc", "sysfs", "devtmpfs", "devpts", "tmpfs", "securityfs", "pstore", "bpf", "debugfs",
        "tracefs", "mqueue", "hugetlbfs", "configfs", "fusectl", "autofs", "binfmt_misc", "nsfs",
        "ramfs", "efivarfs", "rpc_pipefs", "squashfs", "overlay", "selinuxfs", "rootfs", "nfsd",
        "devfs", "usbfs", "sockfs", "pipefs", "anon_inodefs", "fuse.lxcfs", "fuse.gvfsd-fuse",
        "fuse.portal", "fuse.snapfuse", "aufs",
    };
    if (typ.rfind("cgroup", 0) == 0)
        return true;
    return std::find(std::begin(pseudo), std::end(pseudo), typ) != std::end(pseudo);
}

bool UnterSystemordner(const std::string &pfad)
{
    // Removable media are mounted below /run/media on many systems.
    if (pfad.rfind("/run/media/", 0) == 0)
        return false;
    for (const char *ordner : {"/proc", "/sys", "/dev", "/run", "/snap"}) {
        const std::string o = ordner;
        if (pfad == o || pfad.rfind(o + "/", 0) == 0)
            return true;
    }
    return false;
}

} // namespace

std::vector<std::string> LaufwerkeAusMounts(const std::string &inhalt)
{
    std::vector<std::string> weitere;
    std::istringstream zeilen(inhalt);
    std::string zeile;
    while (std::getline(zeilen, zeile)) {
        std::istringstream felder(zeile);
        std::string geraet, ort, typ;
        if (!(felder >> geraet >> ort >> typ))
            continue;
        ort = MountNameEntschluesseln(ort);
        if (ort.empty() || ort.front() != '/' || ort == "/")
            continue;   // the root is always there, see below
        if (IstPseudoDateisystem(typ) || UnterSystemordner(ort))
            continue;
        weitere.push_back(OhneSchraegstrich(ort));
    }
    std::sort(weitere.begin(), weitere.end());
    weitere.erase(std::unique(weitere.begin(), weitere.end()), weitere.end());
    std::vector<std::string> laufwerke = {"/"};
    laufwerke.insert(laufwerke.end(), weitere.begin(), weitere.end());
    return laufwerke;
}

std::vector<std::string> EingehaengteLaufwerke()
{
    std::ifstream ein("/proc/self/mounts");
    std::ostringstream inhalt;
    inhalt << ein.rdbuf();
    return LaufwerkeAusMounts(inhalt.str());
}

TKonfigOrte StandardKonfigOrte()
{
    std::string heim;
    if (const char *h = std::getenv("HOME"); h && *h)
        heim = h;
    else if (const passwd *pw = ::getpwuid(::getuid()); pw && pw->pw_dir)
        heim = pw->pw_dir;
    heim = OhneSchraegstrich(heim);

    TKonfigOrte orte;
    if (!heim.empty()) {
        orte.Heimverzeichnis = heim;
        orte.DatenOrdner = InVerzeichnis(heim, "DATEN");
        orte.KonfigOrdner = InVerzeichnis(heim, ".config/sprilo");
    }
    char pfad[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", pfad, sizeof pfad - 1);
    if (n > 0) {
        const std::string programm(pfad, static_cast<size_t>(n));
        const size_t schnitt = programm.find_last_of('/');
        if (schnitt != std::string::npos)
            orte.ProgrammOrdner = schnitt == 0 ? "/" : programm.substr(0, schnitt);
    }
    orte.Laufwerke = EingehaengteLaufwerke();
    return orte;
}

// ---- the station list alone ----------------------------------------------------------

void TankstellenlisteVorbelegen()
{
    for (const auto &e : Einstellungen())
        if (IstTankstellenfeld(e))
            FeldVorbelegen(e, TDatum{});
}

bool TankstellenlisteLesen(const std::string &pfad)
{
    std::vector<uint8_t> satz;
    // A whole record of either version; the station list sits at the same
    // place in both.
    if (SatzLesen(pfad, satz) < static_cast<size_t>(AlteKonfigGroesse)
        || satz[OffsetAnzahlTankstellen] > MaxTankstellen) {
        TankstellenlisteVorbelegen();
        return false;
    }
    for (const auto &e : Einstellungen())
        if (IstTankstellenfeld(e))
            FeldDekodieren(e, satz.data());
    return true;
}

bool EinstellungenLesen(const std::string &pfad)
{
    const TDatum heute = HeutigesDatum();
    std::vector<uint8_t> satz;
    const size_t gelesen = SatzLesen(pfad, satz);
    if (gelesen < static_cast<size_t>(AlteKonfigGroesse)) {
        TankstellenlisteVorbelegen();
        return false;
    }
    const bool altesFormat = gelesen < static_cast<size_t>(KonfigGroesse);
    KonfigurationDekodieren(satz.data(), altesFormat, heute);
    AktuellesJahr = heute.Jahr;
    KonfigurationPruefen(heute, altesFormat);
    return true;
}

// ---- the station list after editing ------------------------------------------

bool TankstellenlisteUebernehmen(const std::vector<std::string> &namen)
{
    for (std::string &name : Tankstellen)
        name.clear();
    const size_t anzahl = std::min<size_t>(namen.size(), MaxTankstellen);
    for (size_t i = 0; i < anzahl; ++i)
        Tankstellen[i] = Zeichenweise(namen[i], KapazitaetTankstelle);
    AnzahlTankstellen = static_cast<uint8_t>(anzahl);

    // The selection keeps its number as long as the list is long enough for
    // it; otherwise it falls back to the "other stations".
    if (AuswahlTankstelleNr >= AnzahlTankstellen)
        AuswahlTankstelleNr = -1;

    // The fill-ups keep their names; only their numbers follow the list.
    return DatenVorhanden && TankstellenNeuZuordnen(Fuellungen);
}

void EinstellungenZuruecksetzen()
{
    const TDatum heute = HeutigesDatum();
    for (const auto &e : Einstellungen())
        if (e.Gruppe >= 1)
            FeldVorbelegen(e, heute);
    AktuellesJahr = heute.Jahr;
    KonfigOrte = TKonfigOrte{};
    StartAnzeige = TStartAnzeige{};
}
