// Loading and saving data files: the fixtures of an independent implementation,
// every repair and message of the loader, the backup copy and each way saving can fail.
#include "Datendatei.h"
#include "Datensatz.h"
#include "FakeDateisystem.h"
#include "Fixtures.h"
#include "Konfiguration.h"
#include "Zusatz1.h"
#include "consumption/Verbrauchswerte.h"
#include "Zustand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

namespace {

using S = TLadeStatus;

class Datei : public ::testing::Test {
protected:
    void SetUp() override { GlobalenZustandZuruecksetzen(); }
};

template <typename T>
std::string Bytes(const T &x, void (*kodieren)(const T &, uint8_t *), int groesse)
{
    std::string s(groesse, '\0');
    kodieren(x, reinterpret_cast<uint8_t *>(s.data()));
    return s;
}

std::string Kopf(int32_t anzahl, long double fest, uint8_t euro = 1, std::string zeichen = "X", long double tank = 50)
{
    return Bytes(TDateiKopf{{0, 0, 0, 0}, anzahl, zeichen, fest, euro, tank}, KopfKodieren, SatzGroesse);
}

std::string Satz(const TTankFuellung &f) { return Bytes(f, FuellungKodieren, SatzGroesse); }

TTankFuellung Fuellung(int tag, int monat, int jahr, int32_t km, long double liter = 40)
{
    return {TDatum{uint8_t(tag), uint8_t(monat), uint16_t(jahr)}, km, -1, "Aral", 0, 50, liter, 1, 0, 0,
            LiterPreisBerechnen(50, liter)};
}

// An old-format file of n fill-ups in March 1999, every 500 km from 1000.
std::string AlteDatei(int32_t n, long double liter = 40)
{
    std::string s = Bytes(TAlterKopf{{0, 0, 0, 0}, n, "ALT", 7}, AltenKopfKodieren, AltSatzGroesse);
    for (int i = 0; i < n; ++i) {
        const TTankFuellung f = Fuellung(1 + i, 3, 1999, 1000 + 500 * i, liter);
        s += Bytes(TAlteFuellung{f.Datum, f.KMStand, -1, "Aral", 50, liter, 1}, AlteFuellungKodieren, AltSatzGroesse);
    }
    return s;
}

// Every field of the fill-ups, exactly.
std::vector<std::string> Texte(const std::vector<TTankFuellung> &liste)
{
    std::vector<std::string> t;
    char s[400];
    for (const auto &f : liste)
        t.emplace_back(s, std::snprintf(s, sizeof s, "%s %d #%d %s W%d %.21Lg EUR %.21Lg L V%d %.21Lg EUR %.21Lg L %u",
                                        DatumText(f.Datum).c_str(), f.KMStand, f.TankstellenNr, f.Tankstelle.c_str(),
                                        f.AlteWaehrung, f.Betrag, f.Liter, f.Vollgetankt, f.BetragNachAbschaltung,
                                        f.LiterNachAbschaltung, f.LiterPreis));
    return t;
}

// The whole box: kind, sound, code/help context, buttons and text; "" for none.
std::string Kasten(const TMeldung &m)
{
    const char *arten[] = {"Warnung", "Fehler", "Information", "Bestaetigen"};
    if (m.Code == 0)
        return "";
    return arten[static_cast<int>(m.Art)] + (" " + std::to_string(m.TonArt)) + (m.TonImmer ? "!" : "") + " "
        + std::to_string(m.Code) + "/" + std::to_string(m.Hilfe)
        + (m.Knoepfe == (KnopfOK | KnopfHilfe) ? "" : " Knöpfe " + std::to_string(m.Knoepfe)) + ": " + m.Text;
}

// Plate, fixed consumption, tank, the flags (with the failing pair) and the readings.
std::string Zustand()
{
    char s[200];
    std::snprintf(s, sizeof s, "%s %Lg %Lg %d%d%d", Kennzeichen.c_str(), Festverbrauch, Tankinhalt, DatenVorhanden,
                  Gespeichert, DatenLogisch);
    std::string z = s + (DatenLogisch ? "" : " " + std::to_string(FehlerNr1) + "-" + std::to_string(FehlerNr2)) + ":";
    for (const auto &f : Fuellungen)
        z += " " + std::to_string(f.KMStand);
    return z;
}

std::string Gesetzt(std::string s, size_t stelle) { return s.replace(stelle, 1, "\1"); }

const std::string Angepasst = "Information 2 8202/8202: Die gespeicherten Daten wurden angepasst.\r\r";
const std::string Info8214 = "Information 2 8214/8214: Die gespeicherten Daten wurden angepasst.\r\rDie Daten lagen im "
                             "Format einer alten Version des Programmes vor\rund wurden an die aktuelle Version "
                             "angepasst.\r\rCode : 8214";
const std::string Kaputt = "Fehler 5! 8002/8002: Die Datendatei '/a.SPR' war fehlerhaft.\rDie Daten können nicht "
                           "benutzt werden.\r\rCode : 8002";
const auto F1 = Fuellung(2, 1, 2003, 1000), F2 = Fuellung(3, 2, 2003, 1500, 30), F3 = Fuellung(4, 3, 2003, 2000, 35);

struct TFixturFall { const char *Ordner; bool OhneListe; std::string Meldung; };   // OhneListe: no station list

void PrintTo(const TFixturFall &f, std::ostream *aus) { *aus << f.Ordner; }

class Fixturen : public Datei, public ::testing::WithParamInterface<TFixturFall> {};

TEST_P(Fixturen, ladenWieBeschriebenMitMeldungUndFortschritt)
{
    const std::string o = GetParam().Ordner, datei = FixturPfad(o, o + ".SPR");
    const TFixtur fx = FixturLesen(o);
    TankstellenlisteLesen(FixturPfad(o, "SPRILO.INI"));
    if (GetParam().OhneListe)
        AnzahlTankstellen = 0;
    std::string fortschritt;
    const TLadeErgebnis e =
        DatenLaden(datei, {[&](const std::string &t, int64_t m) { fortschritt += t + " " + std::to_string(m); },
                           [&](int64_t p) { fortschritt += p == AnzahlFuellungen() ? "." : "?"; },
                           [&] { fortschritt += " Ende"; }});
    EXPECT_EQ(e.Status, S::Geladen);
    EXPECT_EQ(Kasten(e.Meldung), GetParam().Meldung);
    // Only the file cut short warns: its header announces more than it holds.
    EXPECT_EQ(e.Warnung.Code, o == "muell" ? 8219 : 0);
    EXPECT_EQ(std::make_tuple(Kennzeichen, Festverbrauch, Tankinhalt, DateiName, DatenVerzeichnis, e.AltesFormat,
                              Gespeichert, DatenVorhanden, DatenLogisch),
              std::make_tuple(fx.Kopf.at("kennzeichen").substr(0, 20), KopfZahl(fx, "festverbrauch"),
                              KopfZahl(fx, "tankinhalt"), datei, FixturPfad(o), fx.Kopf.count("format") > 0,
                              GetParam().Meldung.empty(), true, true));
    // The header's count only scales the gauge; the records decide.
    const std::string anzahl = fx.Kopf.count("anzahl") ? fx.Kopf.at("anzahl") : std::to_string(fx.Fuellungen.size());
    EXPECT_EQ(fortschritt, "Es werden " + anzahl + " Datensätze geladen. " + anzahl
                               + std::string(fx.Fuellungen.size(), '.') + " Ende");

    std::vector<TTankFuellung> soll = fx.Fuellungen;
    for (auto &s : soll) {   // DM amounts are converted; nothing else changes
        s.Betrag *= fx.Kopf.count("euro") ? 1.0L / 1.95583L : 1.0L;
        s.LiterPreis = LiterPreisBerechnen(s.Betrag, s.Liter);
        s.AlteWaehrung = e.AltesFormat;
        s.TankstellenNr = static_cast<int8_t>(TankstellenIndex(s.Tankstelle));
    }
    EXPECT_EQ(Texte(Fuellungen), Texte(soll));
}

INSTANTIATE_TEST_SUITE_P(
    Ordner, Fixturen,
    ::testing::Values(
        TFixturFall{"grund", false, ""},
        TFixturFall{"grund", true, Angepasst + "Ursache : Veränderung in der Tankstellenliste.\r\rCode : 8202"},
        TFixturFall{"dm", false, Info8214}, TFixturFall{"alt", false, Info8214},
        TFixturFall{"altewaehrung", false,
                    "Information 2 8218/8218: Die gespeicherten Daten wurden angepasst.\r\rEinige Daten waren noch in "
                    "alter Währung angegeben.\r\rCode : 8218"},
        // Two equal entries in the list: the last counts; "shell" is not "SHELL".
        TFixturFall{"stationen", false, ""},
        // A defective station list and garbage behind the last record.
        TFixturFall{"muell", false, ""}),
    [](const auto &info) { return std::string(info.param.Ordner) + (info.param.OhneListe ? "OhneListe" : ""); });

TEST_F(Datei, schreiberErzeugtDieFixturenBytegenau)
{
    TFakeDateisystem dateien;
    for (const std::string o : {"grund", "dm", "altewaehrung", "stationen", "muell"}) {
        SCOPED_TRACE(o);
        const TFixtur fx = FixturLesen(o);
        Fuellungen = fx.Fuellungen;
        std::tie(Kennzeichen, Festverbrauch, Tankinhalt) =
            std::make_tuple(fx.Kopf.at("kennzeichen"), KopfZahl(fx, "festverbrauch"), KopfZahl(fx, "tankinhalt"));
        EXPECT_EQ(DatenSpeichern("/" + o).Fehlerbits, 0);
        // What the saver decides itself: EUR amounts, the true count, no tail.
        std::string soll = DateiInhalt(FixturPfad(o, o + ".SPR"));
        soll[72] = 1;
        soll.replace(4, 4, std::string{char(fx.Fuellungen.size()), 0, 0, 0});
        soll.resize((fx.Fuellungen.size() + 1) * SatzGroesse);
        EXPECT_EQ(dateien.Dateien["/" + o], soll);
        // What the program writes itself is never incomplete.
        EXPECT_TRUE(DatenLaden("/" + o).Warnung.Leer());
    }
}

struct TDateiFall { const char *Name; std::string Bytes, Meldung, Zustand, Warnung = ""; };

void PrintTo(const TDateiFall &f, std::ostream *aus) { *aus << f.Name; }

class Dateien : public Datei, public ::testing::WithParamInterface<TDateiFall> {};

TEST_P(Dateien, ladenRepariertOderVerwirft)
{
    TFakeDateisystem dateien;
    dateien.Dateien["/a.SPR"] = GetParam().Bytes;
    const TLadeErgebnis e = DatenLaden("/a.SPR");
    EXPECT_EQ(e.Status, GetParam().Meldung == Kaputt ? S::Unbrauchbar
                        : Fuellungen.empty()         ? S::KeineDaten
                                                     : S::Geladen);
    EXPECT_EQ(Kasten(e.Meldung), GetParam().Meldung);
    EXPECT_EQ(Kasten(e.Warnung), GetParam().Warnung);
    EXPECT_EQ(Zustand(), GetParam().Zustand);
    EXPECT_EQ(DateiName + DatenVerzeichnis, "/a.SPR/");
    for (const auto &f : Fuellungen)   // no litres: nothing divided by them
        EXPECT_TRUE(f.Liter != 0 || (f.LiterPreis == 0 && f.BetragNachAbschaltung == 0));
}

const std::string Leer = " 0 0 011:";

std::string Unvollstaendig(const std::string &gelesen, const std::string &erwartet)
{
    return "Warnung 2! 8219/8219: Die Datendatei '/a.SPR' ist offenbar unvollständig.\rEs konnten nur " + gelesen
        + " von " + erwartet + " Tankfüllungen gelesen werden.\r\rCode : 8219";
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Dateien,
    ::testing::Values(
        // Without a fixed consumption it comes from the last values.
        TDateiFall{"festverbrauchNull", Kopf(3, 0) + Satz(F1) + Satz(F2) + Satz(F3),
                   Angepasst + "Ursache : Veränderung im eingestellten Festverbrauch.\r\rCode : 8202",
                   "X 6.5 50 101: 1000 1500 2000"},
        TDateiFall{"festverbrauchNullEineFuellung", Kopf(1, 0) + Satz(F1), "", "X 0 50 111: 1000"},
        TDateiFall{"unsortiert", Kopf(3, 6) + Satz(F3) + Satz(F1) + Satz(Fuellung(1, 6, 2003, 1500)), "",
                   "X 6 50 110 2-3: 1000 1500 2000"},
        TDateiFall{"nurKopf", Kopf(0, 6), "", "X 6 50 011:"}, TDateiFall{"leer", "", Kaputt, Leer},
        TDateiFall{"muell", std::string(100, 'x'), Kaputt, Leer},
        // Without checking dates in the old format too, this would come back as old-format garbage.
        TDateiFall{"kaputtesDatum", Kopf(3, 6) + Satz(F1) + Satz(Fuellung(31, 2, 2003, 1500)) + Satz(F3), Kaputt, Leer},
        // Read back as text, year 5 would pass as 2005.
        TDateiFall{"einstelligesJahr", Kopf(1, 6) + Satz(Fuellung(1, 2, 5, 1000)), Kaputt, Leer},
        TDateiFall{"nichtEndlich", Kopf(1, 6) + Satz(Fuellung(1, 2, 2003, 1000, HUGE_VALL)), Kaputt, Leer},
        TDateiFall{"nurKopfMitKennung", Gesetzt(Kopf(0, 6), 0), Kaputt, Leer},
        TDateiFall{"ohneLiterInDM",
                   Kopf(2, 0, 0) + Satz(Fuellung(1, 2, 2003, 1000, 0)) + Satz(Fuellung(1, 3, 2003, 1500, 0)), Info8214,
                   "X 0 50 101: 1000 1500"},
        // 152 bytes: read as 96-byte records the fill-up would vanish.
        TDateiFall{"altMitEinerFuellung", AlteDatei(1), Info8214, "ALT 7 0 101: 1000"},
        TDateiFall{"altOhneLiter", AlteDatei(1, 0), Info8214, "ALT 7 0 101: 1000"},
        // An old header alone still holds plate and fixed consumption: converted data, to be saved.
        TDateiFall{"altNurKopf", AlteDatei(0) + "xxxx", Info8214, "ALT 7 0 001:"},
        TDateiFall{"altNurKopfOhneRest", AlteDatei(0), Info8214, "ALT 7 0 001:"},
        // Cut short: the header counts more, or a piece of a record trails. The rest loads as
        // before and the warning leaves Gespeichert alone.
        TDateiFall{"abgeschnitten", Kopf(3, 6) + Satz(F1) + Satz(F2), "", "X 6 50 111: 1000 1500", Unvollstaendig("2", "3")},
        TDateiFall{"angefangenerSatz", Kopf(2, 6) + Satz(F1) + Satz(F2) + Satz(F3).substr(0, 50), "",
                   "X 6 50 111: 1000 1500", Unvollstaendig("2", "3")},
        TDateiFall{"abgeschnittenUndAngefangen", Kopf(5, 6) + Satz(F1) + Satz(F2).substr(0, 95), "", "X 6 50 111: 1000",
                   Unvollstaendig("1", "5")},
        TDateiFall{"abgeschnittenInDM", Kopf(3, 6, 0) + Satz(F1) + Satz(F2), Info8214, "X 6 50 101: 1000 1500",
                   Unvollstaendig("2", "3")},
        TDateiFall{"nurKopfMitAnzahl", Kopf(1234, 6), "", "X 6 50 011:", Unvollstaendig("0", "1.234")},
        // More records than announced, or a damaged file, is no incomplete one.
        TDateiFall{"mehrAlsAngekuendigt", Kopf(1, 6) + Satz(F1) + Satz(F2), "", "X 6 50 111: 1000 1500"},
        TDateiFall{"kaputtUndAbgeschnitten", Kopf(3, 6) + Satz(Fuellung(31, 2, 2003, 1500)), Kaputt, Leer},
        TDateiFall{"altMitKennung", Gesetzt(AlteDatei(1), 1), Kaputt, Leer},
        // 24 records of 76 bytes are 19 of 96: the failed 96-byte pass must not decide the message.
        TDateiFall{"altPasstAuchZuNeuenSaetzen", AlteDatei(23), Info8214,
                   "ALT 7 0 101: 1000 1500 2000 2500 3000 3500 4000 4500 5000 5500 6000 6500 7000 7500 8000 8500 9000 "
                   "9500 10000 10500 11000 11500 12000"}),
    [](const auto &info) { return std::string(info.param.Name); });

TEST_F(Datei, meldungenDerUnbrauchbarenUndDerFehlendenDatei)
{
    // The hint names an existing backup copy, but not the broken file itself.
    TFakeDateisystem dateien;
    dateien.Dateien = {{"/a.SPR", "x"}, {"/a.SPK", "y"}};
    EXPECT_EQ(Kasten(DatenLaden("/a.SPR").Meldung), Kaputt.substr(0, Kaputt.size() - 11)
                                                        + "Versuchen Sie die Sicherheitskopie '/a.SPK' zu öffnen.\r\r"
                                                          "Code : 8002");
    EXPECT_EQ(DatenLaden("/a.SPK").Meldung.Text,
              "Die Datendatei '/a.SPK' war fehlerhaft.\rDie Daten können nicht benutzt werden.\r\rCode : 8002");

    // An incomplete file points to its backup copy when there is one.
    dateien.Dateien["/a.SPR"] = dateien.Dateien["/a.SPK"] = Kopf(2, 6) + Satz(F1);
    EXPECT_EQ(DatenLaden("/a.SPR").Warnung.Text,
              "Die Datendatei '/a.SPR' ist offenbar unvollständig.\rEs konnten nur 1 von 2 Tankfüllungen gelesen "
              "werden.\r\rBitte prüfen Sie, ob die Sicherheitskopie '/a.SPK' vollständig ist.\r\rCode : 8219");
    EXPECT_EQ(DatenLaden("/a.SPK").Warnung.Text,
              "Die Datendatei '/a.SPK' ist offenbar unvollständig.\rEs konnten nur 1 von 2 Tankfüllungen gelesen "
              "werden.\r\rCode : 8219");

    // A file that cannot be opened leaves everything as it was.
    GlobalenZustandZuruecksetzen();
    Fuellungen = {F1};
    DatenVorhanden = true;
    Gespeichert = false;
    const TLadeErgebnis e = DatenLaden("/fehlt.SPR");
    EXPECT_EQ(e.Status, S::NichtGeoeffnet);
    EXPECT_EQ(Kasten(e.Meldung), "Warnung 4! 8106/8106: Auf die Datendatei '/fehlt.SPR' kann nicht zugegriffen werden."
                                 "\rWahrscheinlich ist sie schreibgeschützt.\r\rCode : 8106");
    EXPECT_EQ(Zustand() + DateiName + DatenVerzeichnis, " 0 0 101: 1000");
}

TEST(Dateinamen, endungUndVerzeichnis)
{
    EXPECT_EQ(std::vector<std::string>({DateiOhneEndung("/daten/AUTO.SPR"), DateiOhneEndung("AUTO"),
                                        Sicherungsname("/home/x/Daten.neu/Auto.alt.spr"), Verzeichnisteil("/x/a.SPR"),
                                        Verzeichnisteil("/a.SPR"), Verzeichnisteil("a.SPR")}),
              std::vector<std::string>({"/daten/AUTO", "AUTO", "/home/x/Daten.neu/Auto.SPK", "/x", "/", ""}));
}

TEST_F(Datei, speichernLegtDieSicherungskopieAn)
{
    // An empty list is written as the header alone (which loads as no data).
    TFakeDateisystem dateien;
    Kennzeichen = "MR-X 1";
    Tankinhalt = 55;
    ASSERT_TRUE(DatenSpeichern("/d/leer.SPR").Geschrieben);
    EXPECT_EQ(dateien.Dateien["/d/leer.SPR"], Kopf(0, 0, 1, "MR-X 1", 55));
    Fuellungen = {F1};
    Gespeichert = false;
    std::string fortschritt;
    const TSpeicherErgebnis s = DatenSpeichern(
        "/e/Auto.spr", {[&](const std::string &t, int64_t m) { fortschritt += t + std::to_string(m); },
                        [&](int64_t p) { fortschritt += " " + std::to_string(p); }, {}});
    EXPECT_TRUE(s.Geschrieben && Gespeichert);
    EXPECT_EQ(Kasten(s.Meldung) + DateiName + " " + DatenVerzeichnis, "/e/Auto.spr /e");
    EXPECT_EQ(fortschritt, "Es werden 1 Datensätze gespeichert.1 1");
    const std::string erster = Kopf(1, 0, 1, "MR-X 1", 55) + Satz(F1);
    EXPECT_EQ(dateien.Dateien["/e/Auto.spr"], erster);
    Fuellungen.push_back(F2);
    ASSERT_TRUE(DatenSpeichern("/e/Auto.spr").Geschrieben);
    EXPECT_EQ(dateien.Dateien["/e/Auto.SPK"], erster);
    EXPECT_EQ(dateien.Dateien["/e/Auto.spr"], Kopf(2, 0, 1, "MR-X 1", 55) + Satz(F1) + Satz(F2));
}

TEST_F(Datei, vieleFuellungenUeberDieBlockgrenzen)
{
    TFakeDateisystem dateien;
    for (int i = 0; i < 9000; ++i)
        Fuellungen.push_back(Fuellung(1 + i % 28, 1 + i / 28 % 12, 1990 + i / 336, 1000 + 10 * i, 30 + i % 7));
    const std::vector<std::string> soll = Texte(Fuellungen);
    ASSERT_TRUE(DatenSpeichern("/gross.SPR").Geschrieben);
    EXPECT_EQ(dateien.Dateien["/gross.SPR"].size(), 9001u * 96);
    const TLadeErgebnis e = DatenLaden("/gross.SPR");
    EXPECT_EQ(e.Status, S::Geladen);
    EXPECT_TRUE(e.Warnung.Leer());
    EXPECT_EQ(Texte(Fuellungen), soll);
}

// A directory of its own, removed with all it holds.
struct TOrdner {
    std::string Pfad;
    TOrdner()
    {
        char muster[] = "/tmp/sprilo-dateiXXXXXX";
        if (mkdtemp(muster))
            Pfad = muster;
    }
    ~TOrdner() { std::filesystem::remove_all(Pfad); }
    std::vector<std::string> Namen() const
    {
        std::vector<std::string> n;
        for (const auto &e : std::filesystem::directory_iterator(Pfad))
            n.push_back(e.path().filename().string());
        std::sort(n.begin(), n.end());
        return n;
    }
};

// Runs f in a child process that can neither hang the test nor take the
// machine's memory: after 20 s it is ended, and a runaway allocation
// fails. Returns f's result (99 for an exception), or minus the signal that
// ended the child.
int ImKindprozess(const std::function<int()> &f)
{
    const pid_t kind = ::fork();
    if (kind == 0) {
        ::alarm(20);
#if !defined(__SANITIZE_ADDRESS__)
        const rlimit speicher{rlim_t(1) << 30, rlim_t(1) << 30};
        ::setrlimit(RLIMIT_AS, &speicher);
#endif
        int ergebnis = 99;
        try {
            ergebnis = f();
        } catch (...) {
        }
        // No return into the test program: the child must not run on.
        ::_exit(ergebnis);
    }
    int status = 0;
    if (kind < 0 || ::waitpid(kind, &status, 0) != kind)
        return -1000;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

TEST_F(Datei, echteDateifehlerGebenIhreBits)
{
    // A directory where the backup should go is neither deleted nor replaced.
    TOrdner o;
    const std::string &d = o.Pfad;
    DateiSchreiben(d + "/Auto.SPR", "alt");
    std::filesystem::create_directory(d + "/Auto.SPK");
    Fuellungen = {F1};
    EXPECT_EQ(DatenSpeichern(d + "/Auto.SPR").Fehlerbits, 3);
    EXPECT_EQ(DateiInhalt(d + "/Auto.SPR").size(), 192u);
    EXPECT_EQ(DatenSpeichern(d + "/fehlt/Auto.SPR").Fehlerbits, 4);
    EXPECT_EQ(o.Namen(), (std::vector<std::string>{"Auto.SPK", "Auto.SPR"}));
}

TEST_F(Datei, speichernSchreibtErstDieNeueDateiDannKommtDieSicherung)
{
    TFakeDateisystem dateien;
    dateien.Dateien = {{"/d/A.SPR", "daten"}, {"/d/A.SPK", "sicherung"}};
    Fuellungen = {F1};
    ASSERT_TRUE(DatenSpeichern("/d/A.SPR").Geschrieben);
    EXPECT_EQ(dateien.Protokoll,
              (std::vector<std::string>{"anlegen /d/.neu1", "schliessen /d/.neu1", "loeschen /d/A.SPK",
                                        "umbenennen /d/A.SPR /d/A.SPK", "umbenennen /d/.neu1 /d/A.SPR", "sichern /d"}));
    EXPECT_EQ(dateien.Dateien, (std::map<std::string, std::string>{{"/d/A.SPK", "daten"},
                                                                   {"/d/A.SPR", Kopf(1, 0, 1, "", 0) + Satz(F1)}}));
}

TEST_F(Datei, zwischendateiLiegtVerstecktNebenDerDateiUndErbtIhreRechte)
{
    TOrdner o;
    const std::string F = o.Pfad + "/Auto.SPR";
    DateiSchreiben(F, "alt");
    ::chmod(F.c_str(), 0640);
    std::string n1, n2;
    auto a1 = Dateisystem().Zwischendatei(F, n1);
    auto a2 = Dateisystem().Zwischendatei(F, n2);
    ASSERT_TRUE(a1 && a2);
    EXPECT_NE(n1, n2);
    for (const std::string &n : {n1, n2}) {
        // Hidden, beside F, and of no file type that a dialog lists.
        EXPECT_EQ(n.rfind(o.Pfad + "/.Auto.SPR.sprilo-", 0), 0u) << n;
        std::string endung = n.substr(n.rfind('.'));
        for (char &c : endung)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_TRUE(endung != ".SPR" && endung != ".SPK") << n;
        struct stat st {};
        ASSERT_EQ(::stat(n.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0640u);
    }
    EXPECT_TRUE(a1->Schliessen() && a2->Schliessen());
    Dateisystem().Loeschen(n1);
    Dateisystem().Loeschen(n2);

    // A real save leaves nothing else behind and keeps the rights.
    Fuellungen = {F1};
    ASSERT_TRUE(DatenSpeichern(F).Geschrieben);
    EXPECT_EQ(o.Namen(), (std::vector<std::string>{"Auto.SPK", "Auto.SPR"}));
    struct stat st {};
    ASSERT_EQ(::stat(F.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(DateiInhalt(o.Pfad + "/Auto.SPK"), "alt");
}

// By failure set: 1 the old backup copy cannot be deleted, 2 the data file cannot be renamed, 4 not created.
const char *const Fehlertexte[] = {
    "",
    "Die alte Sicherungskopie '/d/A.SPK' konnte nicht gelöscht werden.\r\rWahrscheinlich ist die Datei "
    "schreibgeschützt.",
    "Von der vorhandenen Datenndatei '/d/A.SPR' konnte keine Sicherungskopie angelegt werden,da die Datei nicht "
    "umbenannt werden konnte.\r\rDie alte Datendatei wurde mit den neuen Werten überschrieben.",
    "Von der vorhandenen Datendatei '/d/A.SPR' konnte keine Sicherungskopie angelegt werden, da die Sicherungskopie "
    "'/d/A.SPK' nicht gelöscht wurde.\r\rWahrscheinlich ist die Sicherungsdatei schreibgeschützt.\rDie alte "
    "Datendatei wurde mit den neuen Werten überschrieben.",
    "Die Datendatei '/d/A.SPR' konnte nicht angelegt werden.\r\rWahrscheinlich ist der Datenträger gegen beschreiben "
    "gesichert.",
    "Die Datendatei '/d/A.SPR' konnte nicht angelegt werden. Desweitern konnte die alte Sicherungskopie '/d/A.SPK' "
    "nicht gelöscht werden.\r\rWahrscheinlich ist der Datenträger gegen beschreiben gesichert.",
    "Von der vorhandenen Datenndatei '/d/A.SPR' konnte keine Sicherungskopie angelegt werden, da die Datei nicht "
    "umbenannt werden konnte.\rDie Datei konnte auch nicht überschrieben werden.\r\rWahrscheinlich ist der "
    "Datenträger gegen beschreiben gesichert.",
    "Die alte Datendatei '/d/A.SPR' konnte nicht umbenannt werden, da die Sicherungsdatei '/d/A.SPK' nicht gelöscht "
    "wurde.\rAußerdem konnte die Datendatei nicht überschrieben werden.\r\rEntweder sind die Dateien '/d/A.SPR' und "
    "'/d/A.SPK' schreibgeschützt oder der komplette Datenträger ist gegen überschreiben gesichert.",
};

// What is there before (B backup, F data file), what fails, and what is on the disk afterwards: "neu" the
// new file, "daten" and "sicherung" the previous contents, "-" nothing.
struct TSicherungsFall {
    const char *Name;
    bool SicherungDa, DateiDa;
    bool Loeschen, Umbenennen, Ersetzen, Erzeugen;
    int Bits;
    const char *F, *B;
    int UmbenennenErlaubt = -1;
    std::string Zusatz = "";
};

void PrintTo(const TSicherungsFall &f, std::ostream *aus) { *aus << f.Name; }

class Sicherungsfehler : public Datei, public ::testing::WithParamInterface<TSicherungsFall> {};

TEST_P(Sicherungsfehler, jederFehlersatzSagtWasAufDemDatentraegerIst)
{
    const TSicherungsFall &p = GetParam();
    TFakeDateisystem dateien;
    const std::string F = "/d/A.SPR", B = "/d/A.SPK";
    if (p.SicherungDa)
        dateien.Dateien[B] = "sicherung";
    if (p.DateiDa)
        dateien.Dateien[F] = "daten";
    dateien.LoeschenScheitert = p.Loeschen;
    dateien.UmbenennenScheitert = p.Umbenennen;
    dateien.UmbenennenErlaubt = p.UmbenennenErlaubt;
    dateien.ErsetzenScheitert = p.Ersetzen;
    dateien.ErzeugenScheitert = p.Erzeugen;
    Fuellungen = {F1};
    Gespeichert = false;
    DateiName = DatenVerzeichnis = "vorher";

    const TSpeicherErgebnis s = DatenSpeichern(F);
    const bool angelegt = p.Bits < 4;
    EXPECT_EQ(s.Fehlerbits, p.Bits);
    EXPECT_EQ(Kasten(s.Meldung), (angelegt ? "Warnung 4 8105/8105: " : "Fehler 5! 8001/8001: ")
                                     + std::string(Fehlertexte[p.Bits]) + p.Zusatz);
    EXPECT_EQ(s.Geschrieben, angelegt);
    EXPECT_EQ(Gespeichert, angelegt);
    EXPECT_EQ(DateiName + DatenVerzeichnis, angelegt ? F + "/d" : "vorhervorher");
    // Only the two names are left: no new file stays behind.
    std::map<std::string, std::string> soll;
    for (const auto &[name, inhalt] : {std::pair(F, std::string(p.F)), std::pair(B, std::string(p.B))})
        if (inhalt != "-")
            soll[name] = inhalt == "neu" ? Kopf(1, 0, 1, "", 0) + Satz(F1) : inhalt;
    EXPECT_EQ(dateien.Dateien, soll);
}

INSTANTIATE_TEST_SUITE_P(
    Saetze, Sicherungsfehler,
    ::testing::Values(
        TSicherungsFall{"sicherungBleibt", true, false, true, false, false, false, 1, "neu", "sicherung"},
        TSicherungsFall{"dateiNichtUmbenannt", false, true, false, true, false, false, 2, "neu", "-"},
        TSicherungsFall{"dateiNichtUmbenanntSicherungGeloescht", true, true, false, true, false, false, 2, "neu", "-"},
        // Renamed onto the backup that stays, the data file would replace it after all.
        TSicherungsFall{"sicherungBleibtDateiWirdUeberschrieben", true, true, true, false, false, false, 3, "neu",
                        "sicherung"},
        // The new file cannot even be made: nothing is touched.
        TSicherungsFall{"nichtsAngelegt", true, true, false, false, false, true, 4, "daten", "sicherung"},
        // The new file cannot take the name: the data file goes back to its name.
        TSicherungsFall{"nichtErsetzt", true, true, false, false, true, false, 4, "daten", "-"},
        TSicherungsFall{"nichtErsetztOhneDatei", false, false, false, false, true, false, 4, "-", "-"},
        TSicherungsFall{"nichtErsetztSicherungBleibt", true, false, true, false, true, false, 5, "-", "sicherung"},
        TSicherungsFall{"nichtErsetztNichtUmbenannt", false, true, false, true, true, false, 6, "daten", "-"},
        TSicherungsFall{"nichtsGeht", true, true, true, false, true, false, 7, "daten", "sicherung"},
        // Only when the data file cannot go back does the message send the user to the backup.
        TSicherungsFall{"nichtZurueck", true, true, false, false, true, false, 4, "-", "daten", 1,
                        "\r\rDer bisherige Inhalt der Datendatei steht jetzt in der Sicherungskopie '/d/A.SPK'."}),
    [](const auto &info) { return std::string(info.param.Name); });

TEST_F(Datei, schreibfehlerLassenDateiUndSicherungWieSieWaren)
{
    const std::string Anfang = "Fehler 5! 8001/8001: Die Datendatei '/d/A.SPR' konnte nicht vollständig geschrieben "
                               "werden.\rWahrscheinlich ist der Datenträger voll.\r\r";
    const std::map<std::string, std::string> vorher[] = {
        {{"/d/A.SPR", "daten"}, {"/d/A.SPK", "sicherung"}}, {{"/d/A.SPR", "daten"}}, {{"/d/A.SPK", "sicherung"}}, {}};
    const std::string texte[] = {
        "Die vorhandene Datei '/d/A.SPR' ist unverändert geblieben.\rIhre Sicherungskopie '/d/A.SPK' ist ebenfalls "
        "unverändert.\rDie Daten wurden nicht gespeichert.",
        "Die vorhandene Datei '/d/A.SPR' ist unverändert geblieben.\rDie Daten wurden nicht gespeichert.",
        "Es wurde keine Datei angelegt.\rDie Daten wurden nicht gespeichert.",
        "Es wurde keine Datei angelegt.\rDie Daten wurden nicht gespeichert."};
    // Bytes written before the disk is full; -1: closing (the flush) fails.
    for (size_t fall = 0; fall < std::size(vorher); ++fall)
        for (const long nach : {0L, 50L, 96L, 150L, 191L, -1L}) {
            SCOPED_TRACE(std::to_string(fall) + " " + std::to_string(nach));
            TFakeDateisystem dateien;
            dateien.Dateien = vorher[fall];
            dateien.SchreibenScheitertNach = nach;
            dateien.SchliessenScheitert = nach < 0;
            Fuellungen = {F1};
            Gespeichert = false;
            DateiName = DatenVerzeichnis = "vorher";
            const TSpeicherErgebnis s = DatenSpeichern("/d/A.SPR");
            EXPECT_FALSE(s.Geschrieben || Gespeichert);
            EXPECT_EQ(s.Fehlerbits, 0);
            EXPECT_EQ(DateiName + DatenVerzeichnis, "vorhervorher");
            EXPECT_EQ(Kasten(s.Meldung), Anfang + texte[fall]);
            EXPECT_EQ(dateien.Dateien, vorher[fall]);
        }
}

TEST_F(Datei, wiederholtesSpeichernAufVollemDatentraegerBehaeltDenAltenStand)
{
    TFakeDateisystem dateien;
    Festverbrauch = 6;   // nothing to repair on loading
    Fuellungen = {F1};
    ASSERT_TRUE(DatenSpeichern("/d/A.SPR").Geschrieben);
    Fuellungen = {F1, F2};
    ASSERT_TRUE(DatenSpeichern("/d/A.SPR").Geschrieben);
    const auto soll = dateien.Dateien;
    Fuellungen = {F1, F2, F3};
    dateien.SchreibenScheitertNach = 150;
    for (int versuch = 0; versuch < 4; ++versuch)
        EXPECT_EQ(DatenSpeichern("/d/A.SPR").Meldung.Nr, TMeldungsNr::SchreibfehlerUnveraendert);
    EXPECT_EQ(dateien.Dateien, soll);
    // The data file holds the last saved state, the backup the one before.
    const std::pair<const char *, std::vector<TTankFuellung>> staende[] = {{"/d/A.SPR", {F1, F2}}, {"/d/A.SPK", {F1}}};
    for (const auto &[datei, stand] : staende) {
        const TLadeErgebnis e = DatenLaden(datei);
        EXPECT_TRUE(e.Status == S::Geladen && e.Warnung.Leer() && e.Meldung.Leer());
        EXPECT_EQ(Texte(Fuellungen), Texte(stand));
    }
}

TEST_F(Datei, wiederholtesSpeichernMitDateigroessenGrenzeImEchtenVerzeichnis)
{
    TOrdner o;
    const std::string F = o.Pfad + "/Auto.SPR", B = o.Pfad + "/Auto.SPK";
    Fuellungen = {F1};
    ASSERT_TRUE(DatenSpeichern(F).Geschrieben);
    Fuellungen = {F1, F2};
    ASSERT_TRUE(DatenSpeichern(F).Geschrieben);
    const std::string altF = DateiInhalt(F), altB = DateiInhalt(B);
    for (int i = 0; i < 60; ++i)
        Fuellungen.push_back(Fuellung(1 + i % 28, 4 + i / 28, 2003, 2500 + 100 * i));

    // The limit ends every write after 1000 bytes (EFBIG), as a full disk would.
    const int ergebnis = ImKindprozess([&] {
        const rlimit grenze{1000, 1000};
        if (::setrlimit(RLIMIT_FSIZE, &grenze) != 0)
            return 10;
        for (int versuch = 0; versuch < 3; ++versuch) {
            const TSpeicherErgebnis s = DatenSpeichern(F);
            if (s.Geschrieben || s.Meldung.Nr != TMeldungsNr::SchreibfehlerUnveraendert)
                return 1 + versuch;
        }
        return 0;
    });
    EXPECT_EQ(ergebnis, 0);
    EXPECT_EQ(DateiInhalt(F), altF);
    EXPECT_EQ(DateiInhalt(B), altB);
    EXPECT_EQ(o.Namen(), (std::vector<std::string>{"Auto.SPK", "Auto.SPR"}));
    EXPECT_EQ(DatenLaden(F).Status, S::Geladen);
    EXPECT_EQ(Texte(Fuellungen), Texte({F1, F2}));
    EXPECT_EQ(DatenLaden(B).Status, S::Geladen);
    EXPECT_EQ(Texte(Fuellungen), Texte({F1}));
}

TEST_F(Datei, sicherheitskopieWirdOhneSicherungsschrittGespeichert)
{
    // "A.SPK" is its own backup name: deleting the backup first would delete the file.
    TFakeDateisystem dateien;
    dateien.Dateien["/d/A.SPK"] = "alt";
    Fuellungen = {F1};
    dateien.SchreibenScheitertNach = 50;
    const TSpeicherErgebnis fehler = DatenSpeichern("/d/A.SPK");
    EXPECT_EQ(fehler.Meldung.Text, "Die Datendatei '/d/A.SPK' konnte nicht vollständig geschrieben werden.\r"
                                   "Wahrscheinlich ist der Datenträger voll.\r\rDie vorhandene Datei '/d/A.SPK' ist "
                                   "unverändert geblieben.\rDie Daten wurden nicht gespeichert.");
    EXPECT_EQ(dateien.Dateien, (std::map<std::string, std::string>{{"/d/A.SPK", "alt"}}));

    dateien.SchreibenScheitertNach = -1;
    dateien.Protokoll.clear();
    const TSpeicherErgebnis s = DatenSpeichern("/d/A.SPK");
    EXPECT_TRUE(s.Geschrieben && s.Meldung.Leer());
    EXPECT_EQ(s.Fehlerbits, 0);
    EXPECT_EQ(dateien.Protokoll, (std::vector<std::string>{"anlegen /d/.neu2", "schliessen /d/.neu2",
                                                           "umbenennen /d/.neu2 /d/A.SPK", "sichern /d"}));
    EXPECT_EQ(dateien.Dateien, (std::map<std::string, std::string>{{"/d/A.SPK", Kopf(1, 0, 1, "", 0) + Satz(F1)}}));
}

TEST_F(Datei, keineDateiUnterDemNamenBleibtUnberuehrt)
{
    const auto text = [](const std::string &F) {
        return "Fehler 5! 8001/8001: Unter dem Namen '" + F + "' gibt es schon ein Verzeichnis oder etwas anderes als "
               "eine Datei.\rDie Daten wurden nicht gespeichert.\r\rBitte wählen Sie mit \"Speichern unter\" einen "
               "anderen Namen.";
    };
    Fuellungen = {F1};
    Gespeichert = false;
    {
        TFakeDateisystem dateien;
        dateien.Andere = {"/d/A.SPR"};
        dateien.Dateien["/d/A.SPK"] = "sicherung";
        const TSpeicherErgebnis s = DatenSpeichern("/d/A.SPR");
        EXPECT_EQ(Kasten(s.Meldung), text("/d/A.SPR"));
        EXPECT_FALSE(s.Geschrieben || Gespeichert);
        EXPECT_EQ(s.Fehlerbits, 0);
        EXPECT_TRUE(dateien.Protokoll.empty());
        EXPECT_EQ(dateien.Dateien["/d/A.SPK"], "sicherung");
    }
    // A real directory and a FIFO.
    TOrdner o;
    const std::string verzeichnis = o.Pfad + "/Daten.SPR", rohr = o.Pfad + "/Rohr.SPR";
    std::filesystem::create_directory(verzeichnis);
    ASSERT_EQ(::mkfifo(rohr.c_str(), 0600), 0);
    for (const std::string &F : {verzeichnis, rohr}) {
        EXPECT_EQ(Kasten(DatenSpeichern(F).Meldung), text(F));
        EXPECT_EQ(DateiName, "");
    }
    EXPECT_TRUE(std::filesystem::is_directory(verzeichnis));
    EXPECT_TRUE(std::filesystem::is_fifo(rohr));
    EXPECT_EQ(o.Namen(), (std::vector<std::string>{"Daten.SPR", "Rohr.SPR"}));
}

TEST_F(Datei, ladenLiestNurBisZumErstenUnbrauchbarenSatz)
{
    // 64 MiB of zeros or of noise: refused after the first block of each format, not read to the end.
    const std::function<char(int64_t)> inhalte[] = {
        [](int64_t) { return char(0); },
        [](int64_t i) { return char((uint64_t(i) * 0x9E3779B97F4A7C15u) >> 56); }};
    for (const auto &byte : inhalte) {
        TFakeDateisystem dateien;
        dateien.Virtuell["/gross.SPR"] = {int64_t(64) << 20, byte};
        EXPECT_EQ(DatenLaden("/gross.SPR").Status, S::Unbrauchbar);
        EXPECT_GT(dateien.Gelesen, 0);
        EXPECT_LT(dateien.Gelesen, 1 << 20);
    }
}

TEST_F(Datei, sonderdateienWerdenNichtGeoeffnet)
{
    // A FIFO would block the open, /dev/zero never ends: both count as "cannot be opened", and the data in
    // memory stay.
    TOrdner o;
    const std::string rohr = o.Pfad + "/Rohr.SPR";
    ASSERT_EQ(::mkfifo(rohr.c_str(), 0600), 0);
    const int ergebnis = ImKindprozess([&] {
        int nr = 0;
        for (const std::string &datei : {rohr, std::string("/dev/zero"), o.Pfad}) {
            ++nr;
            Fuellungen = {F1};
            const TLadeErgebnis e = DatenLaden(datei);
            if (e.Status != S::NichtGeoeffnet || e.Meldung.Code != 8106 || Fuellungen.size() != 1)
                return nr;
        }
        return 0;
    });
    EXPECT_EQ(ergebnis, 0);
}

TEST_F(Datei, duennBesetzteRiesendateiWirdOhneSpeicherVerworfen)
{
    TOrdner o;
    const std::string datei = o.Pfad + "/Riese.SPR";
    const int fd = ::open(datei.c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    const bool angelegt = ::ftruncate(fd, off_t(8) << 40) == 0;
    ::close(fd);
    if (!angelegt)
        GTEST_SKIP() << "Das Dateisystem legt keine 8 TiB große Datei an.";
    const int ergebnis = ImKindprozess([&] { return DatenLaden(datei).Status == S::Unbrauchbar ? 0 : 1; });
    EXPECT_EQ(ergebnis, 0);
}

TEST_F(Datei, zufallsdateienStuerzenNieAbUndLadenNurGueltigeDaten)
{
    std::vector<std::string> vorlagen;
    for (const std::string o : {"grund", "dm", "alt", "altewaehrung", "stationen", "muell"})
        vorlagen.push_back(DateiInhalt(FixturPfad(o, o + ".SPR")));
    std::mt19937 zufall(4711);
    TFakeDateisystem dateien;
    int geladen = 0;
    for (int runde = 0; runde < 20000; ++runde) {
        // Random bytes, or a fixture with up to 8 bytes changed and maybe cut.
        std::string &b = dateien.Dateien["/f.SPR"];
        b = runde % 4 == 0 ? std::string(zufall() % 700, '\0') : vorlagen[zufall() % vorlagen.size()];
        for (int k = runde % 4 == 0 ? int(b.size()) : 1 + zufall() % 8; k > 0; --k)
            b[runde % 4 == 0 ? k - 1 : zufall() % b.size()] = static_cast<char>(zufall());
        if (runde % 4 != 0 && zufall() % 5 == 0)
            b.resize(zufall() % (b.size() + 1));
        GlobalenZustandZuruecksetzen();
        AnzahlTankstellen = static_cast<uint8_t>(zufall() % 3);
        const TLadeErgebnis e = DatenLaden("/f.SPR");
        ASSERT_EQ(DatenVorhanden, e.Status == S::Geladen);
        ASSERT_EQ(AnzahlFuellungen() > 0, e.Status == S::Geladen);
        for (size_t i = 0; i < Fuellungen.size(); ++i) {
            const TDatum &d = Fuellungen[i].Datum;
            ASSERT_EQ(DatumPruefen(d.Tag, d.Monat, d.Jahr), 0);
            ASSERT_TRUE(i == 0 || Fuellungen[i - 1].KMStand <= Fuellungen[i].KMStand);
        }
        // Everything shown from such data must be computable.
        geladen += e.Status == S::Geladen;
        ErmittleLetzteVerbrauchswerte();
        BerechneGesamtverbrauch();
        SortiereVerbrauchswerte(1 + runde % 5, runde % 2);
    }
    EXPECT_GT(geladen, 1000);
}

} // namespace
