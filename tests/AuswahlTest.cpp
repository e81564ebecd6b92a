// The fill-up selection and the list window's work on the main list:
// choosing by station and time, sorting, describing and summarising the
// selection, the month and year pickers, checking a changed fill-up,
// replacing and deleting fill-ups. The command-line fixtures pin the texts
// of whole selections; these tests hold the edges.
#include "Feldpruefung.h"
#include "Konfiguration.h"
#include "Monate.h"
#include "Sprilo_Dek.h"
#include "Zusatz1.h"
#include "Zustand.h"
#include "browse/Auswahl.h"
#include "browse/Fuellungsliste.h"
#include "consumption/Verbrauchswerte.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <random>
#include <tuple>

namespace {

TDatum D(int tag, int monat, int jahr) { return TDatum{uint8_t(tag), uint8_t(monat), uint16_t(jahr)}; }

TTankFuellung F(int32_t km, TDatum datum, const std::string &station = "Aral", long double betrag = 50,
                long double liter = 40)
{
    TTankFuellung f;
    std::tie(f.KMStand, f.Datum, f.Tankstelle, f.Betrag, f.Liter) = std::tie(km, datum, station, betrag, liter);
    f.AlteWaehrung = 0;
    f.LiterPreis = LiterPreisBerechnen(betrag, liter);
    TankstellenNrAbgleichen(f);
    return f;
}

// The odometer readings of a list, "1000 2000 ...".
std::string KmFolge(const TTankListe &liste)
{
    std::string s;
    for (const TTankFuellung &f : liste)
        s += (s.empty() ? "" : " ") + std::to_string(f.KMStand);
    return s;
}

void StationenSetzen(const std::vector<std::string> &namen)
{
    std::copy(namen.begin(), namen.end(), Tankstellen);
    AnzahlTankstellen = static_cast<uint8_t>(namen.size());
}

class Auswahl : public ::testing::Test {
protected:
    void SetUp() override { GlobalenZustandZuruecksetzen(); }
    void TearDown() override { GlobalenZustandZuruecksetzen(); }
};

// ---- building the selection ----------------------------------------------

TEST_F(Auswahl, tankstellenEintragSonstigeUndWort)
{
    StationenSetzen({"Aral Hauptstraße", "Jet", "Esso Südring"});
    // Numbers as loading gives them: the entry of the list, or -1.
    Fuellungen = {F(1000, D(1, 1, 2004), "Aral Hauptstraße"), F(2000, D(2, 1, 2004), "Jet"),
                  F(3000, D(3, 1, 2004), TankstelleUnbekannt), F(4000, D(4, 1, 2004), "Tankhof NORD"),
                  F(5000, D(5, 1, 2004), "Esso SÜDRING"), F(6000, D(6, 1, 2004), "Esso Südring"),
                  F(7000, D(7, 1, 2004), "Jet")};
    ASSERT_EQ(Fuellungen[4].TankstellenNr, -1);   // another letter case is another station
    JahresAuswahl = 4;
    struct TFall { uint8_t Modus; int8_t Nr; const char *Wort; const char *Km; };
    const TFall faelle[] = {
        {1, 1, "Jet", "1000 2000 3000 4000 5000 6000 7000"},
        {2, 0, "", "1000"},
        {2, 1, "", "2000 7000"},
        {2, 2, "", "6000"},
        // Typed without a station, and stations the list does not hold.
        {2, -1, "", "3000 4000 5000"},
        {3, 0, "sÜdRiNg", "5000 6000"},
        {3, 0, "jet", "2000 7000"},
        {3, 0, "straße", "1000"},
        {3, 0, "unbekannt", "3000"},
        {3, 0, "", ""},
        {3, 0, "xyz", ""},
    };
    for (const TFall &f : faelle) {
        std::tie(TankstellenAuswahl, AuswahlTankstelleNr, AuswahlWort) = std::make_tuple(f.Modus, f.Nr, f.Wort);
        AuswahlBilden();
        EXPECT_EQ(KmFolge(AuswahlListe), f.Km) << int(f.Modus) << " " << int(f.Nr) << " " << f.Wort;
    }
}

TEST_F(Auswahl, zeitDiesesJahrEinJahrZeitraumUndAlleJahre)
{
    Fuellungen = {F(1000, D(31, 12, 2003)), F(2000, D(1, 1, 2004)),  F(3000, D(31, 1, 2004)),
                  F(4000, D(1, 2, 2004)),   F(5000, D(29, 2, 2004)), F(6000, D(31, 5, 2004)),
                  F(7000, D(1, 6, 2004)),   F(8000, D(15, 3, 2005))};
    TankstellenAuswahl = 1;
    auto km = [](uint8_t modus) {
        JahresAuswahl = modus;
        AuswahlBilden();
        return KmFolge(AuswahlListe);
    };
    // "This year" is the year of the running program, not AuswahlJahr.
    AuswahlJahr = 2004;
    AktuellesJahr = 2005;
    EXPECT_EQ(km(1), "8000");
    AktuellesJahr = 2003;
    EXPECT_EQ(km(1), "1000");
    AktuellesJahr = 2006;
    EXPECT_EQ(km(1), "");
    EXPECT_EQ(km(2), "2000 3000 4000 5000 6000 7000");
    AuswahlJahr = 2005;
    EXPECT_EQ(km(2), "8000");

    // 05/2004 to 02/2004, as the month lists give them, is turned round;
    // the end month takes in its 31st and stops before June.
    AuswahlVon = MonatsEintragLesen("05/2004");
    AuswahlBis = MonatsEintragLesen("02/2004");
    ZeitraumOrdnen(AuswahlVon, AuswahlBis);
    EXPECT_EQ(km(3), "4000 5000 6000");
    // A period of one month.
    AuswahlVon = AuswahlBis = MonatsEintragLesen("12/2003");
    ZeitraumOrdnen(AuswahlVon, AuswahlBis);
    EXPECT_EQ(km(3), "1000");
    EXPECT_EQ(km(4), "1000 2000 3000 4000 5000 6000 7000 8000");
}

TEST_F(Auswahl, beideTestsMuessenGeltenUndDieAuswahlBeginntNeu)
{
    StationenSetzen({"Jet"});
    Fuellungen = {F(1000, D(1, 1, 2003), "Jet"), F(2000, D(1, 1, 2004), "Jet"), F(3000, D(2, 1, 2004), "Aral"),
                  F(4000, D(1, 1, 2005), "Jet")};
    std::tie(TankstellenAuswahl, AuswahlTankstelleNr, JahresAuswahl, AuswahlJahr) = std::make_tuple(2, 0, 2, 2004);
    AuswahlBilden();
    AuswahlBilden();   // a second build replaces the first
    EXPECT_EQ(KmFolge(AuswahlListe), "2000");
    // Copies: sorting or changing the selection leaves the main list alone.
    AuswahlListe[0].KMStand = 9;
    EXPECT_EQ(Fuellungen[1].KMStand, 2000);
    // The unit's reset empties the selection.
    AuswahlZustandZuruecksetzen();
    EXPECT_EQ(AuswahlAnzahl(), 0);
}

// ---- sorting ---------------------------------------------------------------

TEST_F(Auswahl, ohneArgumenteSortiertDieAuswahlNachDenEinstellungen)
{
    AuswahlListe = {F(3000, D(3, 1, 2004), "C", 60, 48), F(1000, D(1, 1, 2004), "A", 50, 40),
                    F(2000, D(2, 1, 2004), "B", 30, 20)};
    std::tie(FuellungsSortierung, FuellungenUmgekehrt) = std::make_tuple(4, false);
    AuswahlSortieren();
    EXPECT_EQ(KmFolge(AuswahlListe), "1000 3000 2000");
    std::tie(FuellungsSortierung, FuellungenUmgekehrt) = std::make_tuple(1, true);
    AuswahlSortieren();
    EXPECT_EQ(KmFolge(AuswahlListe), "3000 2000 1000");
}

// Exchanges neighbours, pass after pass from head to tail, until a pass
// exchanges nothing; the rule of each key as the list window applies it.
void Blasensortierung(TTankListe &liste, uint8_t sortierung, bool umgekehrt)
{
    auto tauschen = [&](const TTankFuellung &a, const TTankFuellung &b) {
        if (sortierung == 1)
            return umgekehrt ? !(a.KMStand > b.KMStand) : a.KMStand > b.KMStand;
        long double ka = 0, kb = 0;
        if (sortierung == 2)
            ka = a.Betrag, kb = b.Betrag;
        else if (sortierung == 3)
            ka = a.Liter, kb = b.Liter;
        else
            ka = static_cast<uint16_t>(a.LiterPreis), kb = static_cast<uint16_t>(b.LiterPreis);
        if (!umgekehrt)
            return kb < ka || (kb == ka && a.KMStand > b.KMStand);
        return kb > ka || (kb == ka && a.KMStand < b.KMStand);
    };
    for (bool getauscht = true; getauscht;) {
        getauscht = false;
        for (size_t i = 0; i + 1 < liste.size(); ++i)
            if (tauschen(liste[i], liste[i + 1]))
                std::swap(liste[i], liste[i + 1]), getauscht = true;
    }
}

TEST_F(Auswahl, jederSchluesselWieDasTauschenBenachbarterSaetze)
{
    // Few distinct values, so that most keys are shared; litre prices above
    // 32767 must count as the large unsigned numbers they are.
    const long double betraege[] = {10, 20.5L, 20.5L, 36, 99.99L};
    const long double liter[] = {5, 30, 30, 40.01L};
    const uint16_t preise[] = {0, 999, 1250, 32767, 32768, 40000, 65535};
    std::mt19937 zufall(4711);
    for (int runde = 0; runde < 200; ++runde) {
        const int n = static_cast<int>(zufall() % 40);
        std::vector<int32_t> km(size_t(n) * 3);
        std::iota(km.begin(), km.end(), 1);
        std::shuffle(km.begin(), km.end(), zufall);
        TTankListe liste;
        for (int i = 0; i < n; ++i) {
            TTankFuellung f;
            f.KMStand = km[size_t(i)] * 100;
            f.Betrag = betraege[zufall() % std::size(betraege)];
            f.Liter = liter[zufall() % std::size(liter)];
            f.LiterPreis = preise[zufall() % std::size(preise)];
            liste.push_back(f);
        }
        for (uint8_t schluessel = 1; schluessel <= 4; ++schluessel) {
            for (bool umgekehrt : {false, true}) {
                TTankListe ist = liste, soll = liste;
                AuswahlSortieren(ist, schluessel, umgekehrt);
                Blasensortierung(soll, schluessel, umgekehrt);
                ASSERT_EQ(KmFolge(ist), KmFolge(soll)) << runde << " " << int(schluessel) << " " << umgekehrt;
                // Reversed is exactly the forward order backwards.
                TTankListe vorwaerts = liste;
                AuswahlSortieren(vorwaerts, schluessel, !umgekehrt);
                std::reverse(vorwaerts.begin(), vorwaerts.end());
                ASSERT_EQ(KmFolge(ist), KmFolge(vorwaerts)) << runde << " " << int(schluessel);
            }
        }
    }
}

// ---- texts -------------------------------------------------------------------

TEST_F(Auswahl, textFuerJedeTankstellenUndZeitauswahl)
{
    StationenSetzen({"Aral Hauptstraße", "Jet", "Esso Südring"});
    struct TFall { uint8_t Station; int8_t Nr; const char *Wort; uint8_t Zeit; const char *Text; };
    AuswahlJahr = 2004;
    AktuellesJahr = 2010;
    AuswahlVon = D(1, 2, 2004);
    AuswahlBis = D(32, 11, 2005);
    const TFall faelle[] = {
        {2, 0, "", 2, "Nur die Tankstelle 'Aral Hauptstraße' aus dem Jahr 2004."},
        {2, 2, "", 3, "Nur die Tankstelle 'Esso Südring' aus dem Zeitraum von 02/2004 bis 11/2005."},
        // A number the list no longer holds.
        {2, 3, "", 4, "Nur die sonstigen Tankstellen aus allen Jahren."},
        {3, 0, "", 1, "Nur Tankstellen, die das Wort '' enthalten aus diesem Jahr."},
    };
    for (const TFall &f : faelle) {
        std::tie(TankstellenAuswahl, AuswahlTankstelleNr, AuswahlWort, JahresAuswahl) =
            std::make_tuple(f.Station, f.Nr, f.Wort, f.Zeit);
        EXPECT_EQ(AuswahlText(), f.Text);
    }
    AnzahlTankstellen = 2;
    std::tie(TankstellenAuswahl, AuswahlTankstelleNr, JahresAuswahl) = std::make_tuple(2, 2, 4);
    EXPECT_EQ(AuswahlText(), "Nur die sonstigen Tankstellen aus allen Jahren.");
}

// ---- summary -----------------------------------------------------------------

TEST_F(Auswahl, zusammenfassungLeerUndMitTausenderpunkt)
{
    const TAuswahlZusammenfassung leer = AuswahlZusammenfassen({});
    EXPECT_EQ(leer.Gefunden + leer.Gesamtbetrag + leer.GeringsterBetrag + leer.DurchschnittLiterpreis, "");
    EXPECT_EQ(AuswahlZusammenfassen(TTankListe(1234, F(1, D(1, 1, 2004)))).Gefunden,
              "Es wurden 1.234 Tankfüllungen gefunden.");
}

// ---- month and year pickers ------------------------------------------------

TEST_F(Auswahl, monatsUndJahreslisten)
{
    using L = std::vector<std::string>;
    EXPECT_EQ(MonatsListe(D(15, 11, 2003), D(3, 2, 2004)), (L{"11/2003", "12/2003", "01/2004", "02/2004"}));
    EXPECT_EQ(MonatsListe(D(5, 5, 2004), D(20, 5, 2004)), L{"05/2004"});
    EXPECT_EQ(MonatsListe(D(1, 12, 2002), D(1, 1, 2005)).size(), 26u);
    EXPECT_EQ(MonatsListe(D(1, 6, 2004), D(1, 5, 2004)), L{});
    EXPECT_EQ(JahresListe(D(5, 5, 2004), D(20, 5, 2004)), std::vector<uint16_t>{2004});
    EXPECT_EQ(JahresListe(D(31, 12, 2003), D(1, 1, 2005)), (std::vector<uint16_t>{2003, 2004, 2005}));

    EXPECT_EQ(MonatsText(D(32, 5, 2004)) + " " + MonatsText(D(1, 12, 2004)), "05/2004 12/2004");
    EXPECT_EQ(MonatsEintragLesen("05/2004"), D(1, 5, 2004));
    EXPECT_EQ(MonatsEintragLesen("13/2004"), TDatum{});
    EXPECT_EQ(MonatsEintragLesen(""), TDatum{});

    // The earlier month comes first whichever way round; the end has day 32.
    const std::tuple<TDatum, TDatum, TDatum, TDatum> zeitraeume[] = {
        {D(1, 5, 2004), D(1, 2, 2004), D(1, 2, 2004), D(32, 5, 2004)},
        {D(1, 2, 2004), D(1, 5, 2004), D(1, 2, 2004), D(32, 5, 2004)},
        {D(1, 1, 2005), D(1, 12, 2004), D(1, 12, 2004), D(32, 1, 2005)},
        {D(1, 5, 2004), D(1, 5, 2004), D(1, 5, 2004), D(32, 5, 2004)},
    };
    for (auto [von, bis, sollVon, sollBis] : zeitraeume) {
        ZeitraumOrdnen(von, bis);
        EXPECT_EQ(std::make_pair(von, bis), std::make_pair(sollVon, sollBis)) << MonatsText(sollVon);
    }
    const L liste = MonatsListe(D(15, 11, 2003), D(3, 2, 2004));
    EXPECT_EQ(MonatsIndex(liste, D(32, 1, 2004)), 2);
    EXPECT_EQ(MonatsIndex(liste, D(1, 3, 2004)), -1);
}

// ---- the change panel ------------------------------------------------------

TEST_F(Auswahl, aenderungDasObersteFehlerhafteFeldGewinnt)
{
    Fuellungen = {F(1000, D(1, 1, 2004)), F(2000, D(1, 2, 2004)), F(3000, D(1, 3, 2004))};
    const TFuellungsEingabe gut{"2500", "15.02.2004", "Jet", "50,00", "40,00", true, "38,00"};
    struct TFall {
        const char *Name;
        std::function<void(TFuellungsEingabe &)> Aendern;
        uint8_t Fehler;
    };
    const TFall faelle[] = {
        {"gut", [](TFuellungsEingabe &) {}, 0},
        {"KM und Liter", [](TFuellungsEingabe &e) { e.KMStand = "abc", e.Liter = "x"; }, 1},
        {"KM und Datum", [](TFuellungsEingabe &e) { e.KMStand = "0", e.Datum = "32.01.2004"; }, 3},
        {"Datum und Betrag", [](TFuellungsEingabe &e) { e.Datum = "31.02.2004", e.Betrag = "0"; }, 6},
        {"Betrag und Liter", [](TFuellungsEingabe &e) { e.Betrag = "12,345", e.Liter = "0"; }, 10},
        {"Liter und Voll bei", [](TFuellungsEingabe &e) { e.Liter = "1,234", e.VollBei = "1"; }, 16},
        {"alles", [](TFuellungsEingabe &e) { e = {"x", "x", "", "x", "x", true, "x"}; }, 1},
        // The fill-up's own old reading is allowed, another one is not.
        {"eigener KM", [](TFuellungsEingabe &e) { e.KMStand = "2000"; }, 0},
        {"fremder KM", [](TFuellungsEingabe &e) { e.KMStand = "3000"; }, 4},
        {"fremder KM und Datum", [](TFuellungsEingabe &e) { e.KMStand = "1000", e.Datum = "x"; }, 4},
        // Shut-off above the litres: 18 only with readable litres.
        {"Voll bei zu gross", [](TFuellungsEingabe &e) { e.VollBei = "40,01"; }, 18},
        {"Voll bei gleich", [](TFuellungsEingabe &e) { e.VollBei = "40"; }, 0},
        {"Liter unlesbar", [](TFuellungsEingabe &e) { e.Liter = "x", e.VollBei = "50"; }, 14},
        {"Liter null", [](TFuellungsEingabe &e) { e.Liter = "0", e.VollBei = "50"; }, 12},
        {"Voll bei zu gross und Betrag", [](TFuellungsEingabe &e) { e.VollBei = "50", e.Betrag = "x"; }, 9},
        {"Voll bei unlesbar", [](TFuellungsEingabe &e) { e.VollBei = "x"; }, 15},
        // Not full: the full-at field does not count.
        {"nicht voll", [](TFuellungsEingabe &e) { e.Vollgetankt = false, e.VollBei = "x"; }, 0},
        {"nicht voll, zu gross", [](TFuellungsEingabe &e) { e.Vollgetankt = false, e.VollBei = "50"; }, 0},
    };
    for (const TFall &f : faelle) {
        TAenderungsEingabe e;
        e.Felder = gut;
        f.Aendern(e.Felder);
        EXPECT_EQ(AenderungPruefen(e, 2000).FehlerNr, f.Fehler) << f.Name;
    }

    // An empty field is refused; the error names that field.
    const std::pair<std::string TFuellungsEingabe::*, int> felder[] = {
        {&TFuellungsEingabe::KMStand, 1}, {&TFuellungsEingabe::Datum, 2}, {&TFuellungsEingabe::Betrag, 4},
        {&TFuellungsEingabe::Liter, 5},   {&TFuellungsEingabe::VollBei, 7}};
    for (const auto &[feld, nr] : felder) {
        TAenderungsEingabe e;
        e.Felder = gut;
        e.Felder.*feld = "";
        const uint8_t fehler = AenderungPruefen(e, 2000).FehlerNr;
        EXPECT_NE(fehler, 0) << nr;
        EXPECT_EQ(FehlerFeld(fehler), nr);
    }

    // Error 18 hands back both values for its notice.
    TAenderungsEingabe e;
    e.Felder = gut;
    e.Felder.VollBei = "45,5";
    const TAenderungsErgebnis r = AenderungPruefen(e, 2000);
    EXPECT_EQ(std::make_tuple(r.FehlerNr, r.Liter, r.VollBei), std::make_tuple(uint8_t(18), 40.0L, 45.5L));
}

TEST_F(Auswahl, aenderungBautDenNeuenDatensatz)
{
    StationenSetzen({"Jet", "Aral", "Jet"});
    Fuellungen = {F(1000, D(1, 1, 2004))};
    TAenderungsEingabe e;
    e.Felder = {"2500", "15.02.2004", "Jet", "50,00", "40,00", true, "38,00"};
    e.GewaehlterEintrag = 0;
    TAenderungsErgebnis r = AenderungPruefen(e, 1000);
    ASSERT_EQ(r.FehlerNr, 0);
    EXPECT_EQ(std::make_tuple(r.Neu.KMStand, r.Neu.Datum, r.Neu.Tankstelle, r.Neu.TankstellenNr, r.Neu.AlteWaehrung),
              std::make_tuple(2500, D(15, 2, 2004), "Jet", int8_t(0), uint8_t(0)));
    EXPECT_EQ(std::make_tuple(r.Neu.Betrag, r.Neu.Liter, r.Neu.Vollgetankt, r.Neu.LiterNachAbschaltung,
                              r.Neu.LiterPreis),
              std::make_tuple(50.0L, 40.0L, uint8_t(1), 2.0L, uint16_t(1250)));
    EXPECT_EQ(r.Neu.BetragNachAbschaltung, 2.5L);
    // Typed, the name is looked up (the last equal entry); unknown names and
    // an empty field have no number.
    e.GewaehlterEintrag = -1;
    EXPECT_EQ(AenderungPruefen(e, 1000).Neu.TankstellenNr, 2);
    e.Felder.Tankstelle = "Fremd";
    e.GewaehlterEintrag = 1;
    EXPECT_EQ(AenderungPruefen(e, 1000).Neu.TankstellenNr, -1);
    e.Felder.Tankstelle = "";
    r = AenderungPruefen(e, 1000);
    EXPECT_EQ(std::make_tuple(r.Neu.Tankstelle, r.Neu.TankstellenNr), std::make_tuple(TankstelleUnbekannt, int8_t(-1)));
    e.Felder.Vollgetankt = false;
    r = AenderungPruefen(e, 1000);
    EXPECT_EQ(std::make_tuple(r.Neu.Vollgetankt, r.Neu.LiterNachAbschaltung, r.Neu.BetragNachAbschaltung),
              std::make_tuple(uint8_t(0), 0.0L, 0.0L));
}

TEST_F(Auswahl, datensatzVerschiedenErkenntJedesFeld)
{
    TTankFuellung a = F(1000, D(1, 1, 2004), "Jet", 50, 40);
    a.Vollgetankt = 1;
    a.LiterNachAbschaltung = 2;
    a.BetragNachAbschaltung = 2.5L;
    EXPECT_FALSE(DatensatzVerschieden(a, a));
    const std::vector<std::pair<const char *, std::function<void(TTankFuellung &)>>> aenderungen = {
        {"Tag", [](TTankFuellung &f) { f.Datum.Tag = 2; }},
        {"Monat", [](TTankFuellung &f) { f.Datum.Monat = 2; }},
        {"Jahr", [](TTankFuellung &f) { f.Datum.Jahr = 2005; }},
        {"KMStand", [](TTankFuellung &f) { f.KMStand = 1001; }},
        {"TankstellenNr", [](TTankFuellung &f) { f.TankstellenNr = 3; }},
        {"Tankstelle", [](TTankFuellung &f) { f.Tankstelle = "jet"; }},
        {"AlteWaehrung", [](TTankFuellung &f) { f.AlteWaehrung = 1; }},
        {"Betrag", [](TTankFuellung &f) { f.Betrag = 50.01L; }},
        {"Liter", [](TTankFuellung &f) { f.Liter = 40.01L; }},
        {"Vollgetankt", [](TTankFuellung &f) { f.Vollgetankt = 0; }},
        {"BetragNachAbschaltung", [](TTankFuellung &f) { f.BetragNachAbschaltung = 2.51L; }},
        {"LiterNachAbschaltung", [](TTankFuellung &f) { f.LiterNachAbschaltung = 2.01L; }},
        {"LiterPreis", [](TTankFuellung &f) { f.LiterPreis = 1251; }},
    };
    for (const auto &[name, aendern] : aenderungen) {
        TTankFuellung b = a;
        aendern(b);
        EXPECT_TRUE(DatensatzVerschieden(a, b)) << name;
        EXPECT_TRUE(DatensatzVerschieden(b, a)) << name;
    }
}

// ---- replacing and deleting ------------------------------------------------

TEST_F(Auswahl, loeschenRueckeDieSpaeterenAufUndMarkiertUngespeichert)
{
    for (int i = 1; i <= 10; ++i)
        Fuellungen.push_back(F(i * 100, D(i, 1, 2004)));
    Gespeichert = true;
    DatenVorhanden = true;
    EXPECT_FALSE(FuellungLoeschen(0));
    EXPECT_FALSE(FuellungLoeschen(11));
    EXPECT_EQ(std::make_tuple(AnzahlFuellungen(), Gespeichert), std::make_tuple(10, true));

    EXPECT_FALSE(FuellungLoeschen(5));
    // The old 6..10 are now 5..9.
    EXPECT_EQ(KmFolge(Fuellungen), "100 200 300 400 600 700 800 900 1000");
    EXPECT_EQ(std::make_tuple(Gespeichert, DatenVorhanden), std::make_tuple(false, true));

    // Deleting the later date of the one bad pair makes the data consistent.
    Fuellungen = {F(100, D(1, 1, 2004)), F(200, D(1, 3, 2004)), F(300, D(1, 2, 2004)), F(400, D(1, 4, 2004))};
    ListeOrdnen(Fuellungen, DatenLogisch);
    ASSERT_FALSE(DatenLogisch);
    EXPECT_FALSE(FuellungLoeschen(2));
    EXPECT_EQ(KmFolge(Fuellungen), "100 300 400");
    EXPECT_TRUE(DatenLogisch);

    // The only fill-up takes the vehicle's data with it: nothing left to save.
    Fuellungen = {F(100, D(1, 1, 2004))};
    std::tie(Kennzeichen, Gespeichert, DatenVorhanden) = std::make_tuple("MR-X 1", false, true);
    EXPECT_TRUE(FuellungLoeschen(1));
    EXPECT_EQ(std::make_tuple(AnzahlFuellungen(), Kennzeichen, DatenVorhanden, Gespeichert),
              std::make_tuple(0, "", false, true));
}

TEST_F(Auswahl, ersetzenGibtDieNeueStelleNachDemOrdnen)
{
    Fuellungen = {F(1000, D(1, 1, 2004)), F(2000, D(1, 2, 2004)), F(3000, D(1, 3, 2004)), F(4000, D(1, 4, 2004))};
    Gespeichert = true;
    bool logisch = false;
    ListeOrdnen(Fuellungen, logisch);
    DatenLogisch = logisch;
    // Fill-up 1 with two digits swapped moves to place 3.
    EXPECT_EQ(FuellungErsetzen(1, F(3100, D(15, 3, 2004), "Jet")), 3);
    EXPECT_EQ(KmFolge(Fuellungen), "2000 3000 3100 4000");
    EXPECT_EQ(Fuellungen[2].Tankstelle, "Jet");
    EXPECT_FALSE(Gespeichert);
    EXPECT_TRUE(DatenLogisch);
    // Staying in place.
    EXPECT_EQ(FuellungErsetzen(4, F(4500, D(1, 5, 2004))), 4);
    // A change that puts a date out of order is taken; the check says so.
    EXPECT_EQ(FuellungErsetzen(1, F(3500, D(1, 1, 2004))), 3);
    EXPECT_EQ(KmFolge(Fuellungen), "3000 3100 3500 4500");
    EXPECT_FALSE(DatenLogisch);
    EXPECT_EQ(FuellungErsetzen(0, F(1, D(1, 1, 2004))) + FuellungErsetzen(5, F(1, D(1, 1, 2004))), 0);
}

} // namespace
