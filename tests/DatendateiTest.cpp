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

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <random>
#include <strings.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

namespace {

using S = TLadeStatus;
using N = TMeldungsNr;

class Datei : public ::testing::Test {
protected:
    void SetUp() override { GlobalenZustandZuruecksetzen(); }
};

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

// Every field of the fill-ups, exactly (21 digits hold any long double).
std::vector<std::string> Feldtexte(const std::vector<TTankFuellung> &liste)
{
    std::vector<std::string> t;
    char s[400];
    for (const auto &f : liste)
        t.emplace_back(s, std::snprintf(s, sizeof s,
                                        "%u.%u.%u %d #%d %s W%d %.21Lg EUR %.21Lg L V%d %.21Lg EUR %.21Lg L %u",
                                        f.Datum.Tag, f.Datum.Monat, f.Datum.Jahr, f.KMStand, f.TankstellenNr,
                                        f.Tankstelle.c_str(), f.AlteWaehrung, f.Betrag, f.Liter, f.Vollgetankt,
                                        f.BetragNachAbschaltung, f.LiterNachAbschaltung, f.LiterPreis));
    return t;
}

// Which message with which pieces; its kind, sound and buttons follow from the number (MeldungenTest).
std::string Kasten(const TMeldung &m) { return m.Leer() ? "" : std::to_string(int(m.Nr)) + " " + m.Text; }
std::string M(N nr, std::initializer_list<std::string> teile = {}) { return Kasten(MeldungBauen(nr, teile)); }

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

const auto F1 = Fuellung(2, 1, 2003, 1000), F2 = Fuellung(3, 2, 2003, 1500, 30), F3 = Fuellung(4, 3, 2003, 2000, 35);

struct TFixturFall { const char *Ordner; bool OhneListe; N Meldung; };   // OhneListe: no station list

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
    EXPECT_EQ(e.Meldung.Nr, GetParam().Meldung);
    // Only the file cut short warns: its header announces more than it holds.
    EXPECT_EQ(e.Warnung.Nr, o == "muell" ? N::DatenUnvollstaendig : N::Keine);
    EXPECT_EQ(std::make_tuple(Kennzeichen, Festverbrauch, Tankinhalt, DateiName, DatenVerzeichnis, e.AltesFormat,
                              Gespeichert, DatenVorhanden, DatenLogisch),
              std::make_tuple(fx.Kopf.at("kennzeichen").substr(0, 20), KopfZahl(fx, "festverbrauch"),
                              KopfZahl(fx, "tankinhalt"), datei, FixturPfad(o), fx.Kopf.count("format") > 0,
                              GetParam().Meldung == N::Keine, true, true));
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
    EXPECT_EQ(Feldtexte(Fuellungen), Feldtexte(soll));
}

// "stationen": two equal entries in the list, the last counts, and "shell" is not "SHELL";
// "muell": a defective station list and garbage behind the last record.
INSTANTIATE_TEST_SUITE_P(
    Ordner, Fixturen,
    ::testing::Values(TFixturFall{"grund", false, N::Keine}, TFixturFall{"grund", true, N::AngepasstTankstellen},
                      TFixturFall{"dm", false, N::AngepasstFormat}, TFixturFall{"alt", false, N::AngepasstFormat},
                      TFixturFall{"altewaehrung", false, N::AngepasstWaehrung},
                      TFixturFall{"stationen", false, N::Keine}, TFixturFall{"muell", false, N::Keine}),
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

const std::string Kaputt = M(N::DatenUnbrauchbar, {"/a.SPR", ""}), Leer = " 0 0 011:",
                  AltFormat = M(N::AngepasstFormat);

std::string Unvollstaendig(const std::string &gelesen, const std::string &erwartet)
{
    return M(N::DatenUnvollstaendig, {"/a.SPR", gelesen, erwartet, ""});
}

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

INSTANTIATE_TEST_SUITE_P(
    Faelle, Dateien,
    ::testing::Values(
        // Without a fixed consumption it comes from the last values.
        TDateiFall{"festverbrauchNull", Kopf(3, 0) + Satz(F1) + Satz(F2) + Satz(F3), M(N::AngepasstFestverbrauch),
                   "X 6.5 50 101: 1000 1500 2000"},
        TDateiFall{"festverbrauchNullEineFuellung", Kopf(1, 0) + Satz(F1), "", "X 0 50 111: 1000"},
        TDateiFall{"unsortiert", Kopf(3, 6) + Satz(F3) + Satz(F1) + Satz(Fuellung(1, 6, 2003, 1500)), "",
                   "X 6 50 110 2-3: 1000 1500 2000"},
        TDateiFall{"nurKopf", Kopf(0, 6), "", "X 6 50 011:"}, TDateiFall{"leer", "", Kaputt, Leer},
        // Without checking dates in the old format too, this would come back as old-format garbage.
        TDateiFall{"kaputtesDatum", Kopf(3, 6) + Satz(F1) + Satz(Fuellung(31, 2, 2003, 1500)) + Satz(F3), Kaputt, Leer},
        // Read back as text, year 5 would pass as 2005.
        TDateiFall{"einstelligesJahr", Kopf(1, 6) + Satz(Fuellung(1, 2, 5, 1000)), Kaputt, Leer},
        TDateiFall{"nichtEndlich", Kopf(1, 6) + Satz(Fuellung(1, 2, 2003, 1000, HUGE_VALL)), Kaputt, Leer},
        TDateiFall{"nurKopfMitKennung", Gesetzt(Kopf(0, 6), 0), Kaputt, Leer},
        TDateiFall{"ohneLiterInDM",
                   Kopf(2, 0, 0) + Satz(Fuellung(1, 2, 2003, 1000, 0)) + Satz(Fuellung(1, 3, 2003, 1500, 0)), AltFormat,
                   "X 0 50 101: 1000 1500"},
        // 152 bytes: read as 96-byte records the fill-up would vanish.
        TDateiFall{"altMitEinerFuellung", AlteDatei(1), AltFormat, "ALT 7 0 101: 1000"},
        TDateiFall{"altOhneLiter", AlteDatei(1, 0), AltFormat, "ALT 7 0 101: 1000"},
        // An old header alone still holds plate and fixed consumption: converted data, to be saved.
        TDateiFall{"altNurKopf", AlteDatei(0) + "xxxx", AltFormat, "ALT 7 0 001:"},
        TDateiFall{"altNurKopfOhneRest", AlteDatei(0), AltFormat, "ALT 7 0 001:"},
        // Cut short: the header counts more, or a piece of a record trails. The rest loads as
        // before and the warning leaves Gespeichert alone.
        TDateiFall{"abgeschnitten", Kopf(3, 6) + Satz(F1) + Satz(F2), "", "X 6 50 111: 1000 1500",
                   Unvollstaendig("2", "3")},
        TDateiFall{"angefangenerSatz", Kopf(2, 6) + Satz(F1) + Satz(F2) + Satz(F3).substr(0, 50), "",
                   "X 6 50 111: 1000 1500", Unvollstaendig("2", "3")},
        TDateiFall{"abgeschnittenUndAngefangen", Kopf(5, 6) + Satz(F1) + Satz(F2).substr(0, 95), "", "X 6 50 111: 1000",
                   Unvollstaendig("1", "5")},
        TDateiFall{"abgeschnittenInDM", Kopf(3, 6, 0) + Satz(F1) + Satz(F2), AltFormat, "X 6 50 101: 1000 1500",
                   Unvollstaendig("2", "3")},
        TDateiFall{"nurKopfMitAnzahl", Kopf(1234, 6), "", "X 6 50 011:", Unvollstaendig("0", "1.234")},
        // More records than announced, or a damaged file, is no incomplete one.
        TDateiFall{"mehrAlsAngekuendigt", Kopf(1, 6) + Satz(F1) + Satz(F2), "", "X 6 50 111: 1000 1500"},
        TDateiFall{"kaputtUndAbgeschnitten", Kopf(3, 6) + Satz(Fuellung(31, 2, 2003, 1500)), Kaputt, Leer},
        TDateiFall{"altMitKennung", Gesetzt(AlteDatei(1), 1), Kaputt, Leer},
        // 24 records of 76 bytes are 19 of 96: the failed 96-byte pass must not decide the message.
        TDateiFall{"altPasstAuchZuNeuenSaetzen", AlteDatei(23), AltFormat,
                   "ALT 7 0 101: 1000 1500 2000 2500 3000 3500 4000 4500 5000 5500 6000 6500 7000 7500 8000 8500 9000 "
                   "9500 10000 10500 11000 11500 12000"}),
    [](const auto &info) { return std::string(info.param.Name); });

TEST_F(Datei, meldungenNennenDieSicherheitskopie)
{
    // The hints name an existing backup copy, but not the file itself when it is the backup.
    TFakeDateisystem dateien;
    dateien.Dateien = {{"/a.SPR", "x"}, {"/a.SPK", "y"}};
    EXPECT_EQ(Kasten(DatenLaden("/a.SPR").Meldung),
              M(N::DatenUnbrauchbar, {"/a.SPR", Baustein(TBaustein::SicherheitskopieOeffnen, {"/a.SPK"})}));
    EXPECT_EQ(Kasten(DatenLaden("/a.SPK").Meldung), M(N::DatenUnbrauchbar, {"/a.SPK", ""}));
    dateien.Dateien["/a.SPR"] = dateien.Dateien["/a.SPK"] = Kopf(2, 6) + Satz(F1);
    EXPECT_EQ(Kasten(DatenLaden("/a.SPR").Warnung),
              M(N::DatenUnvollstaendig,
                {"/a.SPR", "1", "2", Baustein(TBaustein::SicherheitskopiePruefen, {"/a.SPK"})}));
    EXPECT_EQ(Kasten(DatenLaden("/a.SPK").Warnung), M(N::DatenUnvollstaendig, {"/a.SPK", "1", "2", ""}));
}

TEST(Dateinamen, endungUndVerzeichnis)
{
    EXPECT_EQ(std::vector<std::string>({DateiOhneEndung("/daten/AUTO.SPR"), DateiOhneEndung("AUTO"),
                                        Sicherungsname("/home/x/Daten.neu/Auto.alt.spr"), Verzeichnisteil("/x/a.SPR"),
                                        Verzeichnisteil("/a.SPR"), Verzeichnisteil("a.SPR")}),
              std::vector<std::string>({"/daten/AUTO", "AUTO", "/home/x/Daten.neu/Auto.SPK", "/x", "/", ""}));
}

TEST_F(Datei, speichernSchreibtErstDieNeueDateiDannKommtDieSicherung)
{
    TFakeDateisystem dateien;
    Kennzeichen = "MR-X 1";
    Tankinhalt = 55;
    // An empty list is written as the header alone (which loads as no data).
    ASSERT_TRUE(DatenSpeichern("/d/A.spr").Geschrieben);
    const std::string leer = Kopf(0, 0, 1, "MR-X 1", 55);
    EXPECT_EQ(dateien.Dateien["/d/A.spr"], leer);
    dateien.Dateien["/d/A.SPK"] = "sicherung";
    dateien.Protokoll.clear();
    Fuellungen = {F1};
    Gespeichert = false;
    std::string fortschritt;
    const TSpeicherErgebnis s = DatenSpeichern(
        "/d/A.spr", {[&](const std::string &t, int64_t m) { fortschritt += t + std::to_string(m); },
                     [&](int64_t p) { fortschritt += " " + std::to_string(p); }, {}});
    EXPECT_TRUE(s.Geschrieben && Gespeichert && s.Meldung.Leer());
    EXPECT_EQ(DateiName + " " + DatenVerzeichnis, "/d/A.spr /d");
    EXPECT_EQ(fortschritt, "Es werden 1 Datensätze gespeichert.1 1");
    EXPECT_EQ(dateien.Protokoll,
              (std::vector<std::string>{"anlegen /d/.neu2", "schliessen /d/.neu2", "loeschen /d/A.SPK",
                                        "umbenennen /d/A.spr /d/A.SPK", "umbenennen /d/.neu2 /d/A.spr", "sichern /d"}));
    EXPECT_EQ(dateien.Dateien, (std::map<std::string, std::string>{
                                   {"/d/A.SPK", leer}, {"/d/A.spr", Kopf(1, 0, 1, "MR-X 1", 55) + Satz(F1)}}));
}

TEST_F(Datei, vieleFuellungenUeberDieBlockgrenzen)
{
    TFakeDateisystem dateien;
    for (int i = 0; i < 9000; ++i)
        Fuellungen.push_back(Fuellung(1 + i % 28, 1 + i / 28 % 12, 1990 + i / 336, 1000 + 10 * i, 30 + i % 7));
    const std::vector<std::string> soll = Feldtexte(Fuellungen);
    ASSERT_TRUE(DatenSpeichern("/gross.SPR").Geschrieben);
    EXPECT_EQ(dateien.Dateien["/gross.SPR"].size(), 9001u * 96);
    const TLadeErgebnis e = DatenLaden("/gross.SPR");
    EXPECT_TRUE(e.Status == S::Geladen && e.Warnung.Leer());
    EXPECT_EQ(Feldtexte(Fuellungen), soll);
}

// Runs f in a child process that can neither hang the test nor take the machine's memory: after 20 s
// it is ended, and a runaway allocation fails. Returns f's result (99 for an exception), or minus the
// signal that ended the child.
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
        ::_exit(ergebnis);   // no return into the test program: the child must not run on
    }
    int status = 0;
    if (kind < 0 || ::waitpid(kind, &status, 0) != kind)
        return -1000;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

TEST_F(Datei, speichernImEchtenVerzeichnis)
{
    TOrdner o;
    const std::string datei = o / "Auto.SPR";
    DateiSchreiben(datei, "alt");
    ::chmod(datei.c_str(), 0640);
    const auto rechte = [](const std::string &pfad) {
        struct stat st {};
        return ::stat(pfad.c_str(), &st) == 0 ? st.st_mode & 0777 : 0u;
    };
    // The new file is hidden beside the data file, of no file type that a dialog lists, and takes its rights.
    std::string n1, n2;
    auto a1 = Dateisystem().Zwischendatei(datei, n1);
    auto a2 = Dateisystem().Zwischendatei(datei, n2);
    ASSERT_TRUE(a1 && a2);
    EXPECT_NE(n1, n2);
    for (const std::string &n : {n1, n2}) {
        EXPECT_EQ(n.rfind(o / ".Auto.SPR.sprilo-", 0), 0u) << n;
        const char *endung = n.c_str() + n.rfind('.');
        EXPECT_TRUE(::strcasecmp(endung, ".SPR") != 0 && ::strcasecmp(endung, ".SPK") != 0) << n;
        EXPECT_EQ(rechte(n), 0640u);
    }
    EXPECT_TRUE(a1->Schliessen() && a2->Schliessen() && Dateisystem().Loeschen(n1) && Dateisystem().Loeschen(n2));

    // A real save keeps the rights (and, as all below, leaves no other file behind).
    Fuellungen = {F1};
    ASSERT_TRUE(DatenSpeichern(datei).Geschrieben);
    EXPECT_EQ(rechte(datei), 0640u);
    EXPECT_EQ(DateiInhalt(o / "Auto.SPK"), "alt");
    // A directory where the backup should go is neither deleted nor replaced: the file is overwritten.
    ASSERT_TRUE(Dateisystem().Loeschen(o / "Auto.SPK"));
    std::filesystem::create_directory(o / "Auto.SPK");
    Fuellungen = {F1, F2};
    EXPECT_EQ(DatenSpeichern(datei).Fehlerbits, 3);
    EXPECT_EQ(DateiInhalt(datei).size(), 3u * 96);
    EXPECT_EQ(DatenSpeichern(o / "fehlt/Auto.SPR").Fehlerbits, 4);
    // A directory or a FIFO under the name itself is refused.
    std::filesystem::create_directory(o / "Daten.SPR");
    ASSERT_EQ(::mkfifo((o / "Rohr.SPR").c_str(), 0600), 0);
    for (const std::string &d : {o / "Daten.SPR", o / "Rohr.SPR"})
        EXPECT_EQ(Kasten(DatenSpeichern(d).Meldung), M(N::KeineDatei, {d}));
    EXPECT_TRUE(std::filesystem::is_directory(o / "Auto.SPK") && std::filesystem::is_directory(o / "Daten.SPR")
                && std::filesystem::is_fifo(o / "Rohr.SPR"));
    EXPECT_EQ(o.Namen(), (std::vector<std::string>{"Auto.SPK", "Auto.SPR", "Daten.SPR", "Rohr.SPR"}));
}

const std::string Pfad = "/d/A.SPR", Kopie = "/d/A.SPK";

std::string Sm(N nr, const std::string &zweites = Kopie) { return M(nr, {Pfad, zweites}); }

// One save of F1 to Pfad: what is there before (F the data file, B its backup, D a directory under
// Pfad), what fails (L deleting, U renaming, E replacing, Z creating, S closing the new file; a number:
// writing stops after so many bytes), the failure bits, the message and what is on the disk afterwards
// under Pfad and Kopie: "neu" the new content, "daten" and "sicherung" the previous ones, "-" nothing.
struct TSpeicherFall {
    const char *Name, *Vorher, *Fehler;
    int Bits;
    std::string Meldung;
    const char *F, *B;
    int UmbenennenErlaubt = -1;
};

void PrintTo(const TSpeicherFall &f, std::ostream *aus) { *aus << f.Name; }

class Speicherfehler : public Datei, public ::testing::WithParamInterface<TSpeicherFall> {};

TEST_P(Speicherfehler, jederFehlersatzSagtWasAufDemDatentraegerIst)
{
    const TSpeicherFall &p = GetParam();
    const auto hat = [](const char *s, char c) { return std::strchr(s, c) != nullptr; };
    TFakeDateisystem dateien;
    for (const auto &[c, name, inhalt] : {std::tuple('B', Kopie, "sicherung"), std::tuple('F', Pfad, "daten")})
        if (hat(p.Vorher, c))
            dateien.Dateien[name] = inhalt;
    if (hat(p.Vorher, 'D'))
        dateien.Andere = {Pfad};
    dateien.LoeschenScheitert = hat(p.Fehler, 'L');
    dateien.UmbenennenScheitert = hat(p.Fehler, 'U');
    dateien.UmbenennenErlaubt = p.UmbenennenErlaubt;
    dateien.ErsetzenScheitert = hat(p.Fehler, 'E');
    dateien.ErzeugenScheitert = hat(p.Fehler, 'Z');
    dateien.SchliessenScheitert = hat(p.Fehler, 'S');
    dateien.SchreibenScheitertNach = std::isdigit(static_cast<unsigned char>(*p.Fehler)) ? std::atol(p.Fehler) : -1;
    Fuellungen = {F1};
    Gespeichert = false;
    DateiName = DatenVerzeichnis = "vorher";

    const TSpeicherErgebnis s = DatenSpeichern(Pfad);
    const bool geschrieben = p.F == std::string("neu");
    EXPECT_EQ(s.Fehlerbits, p.Bits);
    EXPECT_EQ(Kasten(s.Meldung), p.Meldung);
    EXPECT_EQ(s.Geschrieben, geschrieben);
    EXPECT_EQ(Gespeichert, geschrieben);
    EXPECT_EQ(DateiName + DatenVerzeichnis, geschrieben ? Pfad + "/d" : "vorhervorher");
    // Only the two names are left: no new file stays behind.
    std::map<std::string, std::string> soll;
    for (const auto &[name, inhalt] : {std::pair(Pfad, std::string(p.F)), std::pair(Kopie, std::string(p.B))})
        if (inhalt != "-")
            soll[name] = inhalt == "neu" ? Kopf(1, 0, 1, "", 0) + Satz(F1) : inhalt;
    EXPECT_EQ(dateien.Dateien, soll);
    // Refused before the new file is made, the save touches nothing at all.
    EXPECT_EQ(dateien.Protokoll.empty(), hat(p.Fehler, 'Z') || hat(p.Vorher, 'D'));
}

INSTANTIATE_TEST_SUITE_P(
    Saetze, Speicherfehler,
    ::testing::Values(
        TSpeicherFall{"sicherungBleibt", "B", "L", 1, Sm(N::Sicherung1), "neu", "sicherung"},
        TSpeicherFall{"dateiNichtUmbenannt", "F", "U", 2, Sm(N::Sicherung2), "neu", "-"},
        TSpeicherFall{"dateiNichtUmbenanntSicherungGeloescht", "FB", "U", 2, Sm(N::Sicherung2), "neu", "-"},
        // Renamed onto the backup that stays, the data file would replace it after all.
        TSpeicherFall{"sicherungBleibtDateiWirdUeberschrieben", "FB", "L", 3, Sm(N::Sicherung3), "neu", "sicherung"},
        TSpeicherFall{"nichtsAngelegt", "FB", "Z", 4, Sm(N::Sicherung4), "daten", "sicherung"},
        // The new file cannot take the name: the data file goes back to its name.
        TSpeicherFall{"nichtErsetzt", "FB", "E", 4, Sm(N::Sicherung4), "daten", "-"},
        TSpeicherFall{"nichtErsetztOhneDatei", "", "E", 4, Sm(N::Sicherung4), "-", "-"},
        TSpeicherFall{"nichtErsetztSicherungBleibt", "B", "LE", 5, Sm(N::Sicherung5), "-", "sicherung"},
        TSpeicherFall{"nichtErsetztNichtUmbenannt", "F", "UE", 6, Sm(N::Sicherung6), "daten", "-"},
        TSpeicherFall{"nichtsGeht", "FB", "LE", 7, Sm(N::Sicherung7), "daten", "sicherung"},
        // Only when the data file cannot go back does the message send the user to the backup.
        TSpeicherFall{"nichtZurueck", "FB", "E", 4, Sm(N::Sicherung4) + Baustein(TBaustein::InhaltInSicherung, {Kopie}),
                      "-", "daten", 1},
        // A write fails in a record, in the header, at the last byte or when closing flushes the file:
        // both files stay as they were and the message says which are there.
        TSpeicherFall{"schreibfehler", "FB", "150", 0,
                      Sm(N::SchreibfehlerUnveraendert, Baustein(TBaustein::SicherungUnveraendert, {Kopie})), "daten",
                      "sicherung"},
        TSpeicherFall{"schreibfehlerImKopf", "F", "0", 0, Sm(N::SchreibfehlerUnveraendert, ""), "daten", "-"},
        TSpeicherFall{"schreibfehlerAmEnde", "B", "191", 0, Sm(N::SchreibfehlerNeu), "-", "sicherung"},
        TSpeicherFall{"schliessfehler", "", "S", 0, Sm(N::SchreibfehlerNeu), "-", "-"},
        TSpeicherFall{"keineDatei", "DB", "", 0, Sm(N::KeineDatei), "-", "sicherung"}),
    [](const auto &info) { return std::string(info.param.Name); });

TEST_F(Datei, wiederholtesSpeichernAufVollemDatentraegerBehaeltDenAltenStand)
{
    // Once in memory, once in a real directory where a file-size limit ends every write after 1000
    // bytes (EFBIG), as a full disk would.
    const auto zweiStaende = [](const std::string &datei) {
        Festverbrauch = 6;   // nothing to repair on loading
        Fuellungen = {F1};
        const bool erster = DatenSpeichern(datei).Geschrieben;
        Fuellungen = {F1, F2};
        const bool zweiter = DatenSpeichern(datei).Geschrieben;
        for (int i = 0; i < 60; ++i)
            Fuellungen.push_back(Fuellung(1 + i % 28, 4 + i / 28, 2003, 2500 + 100 * i));
        return erster && zweiter;
    };
    const auto scheitern = [](const std::string &datei) {   // 0: every try failed as it should
        for (int versuch = 0; versuch < 3; ++versuch) {
            const TSpeicherErgebnis s = DatenSpeichern(datei);
            if (s.Geschrieben || s.Meldung.Nr != N::SchreibfehlerUnveraendert)
                return 1 + versuch;
        }
        return 0;
    };
    // The data file holds the last saved state, the backup the one before.
    const auto staende = [](const std::string &datei, const std::string &kopie) {
        for (const auto &[d, stand] : {std::pair(datei, std::vector{F1, F2}), std::pair(kopie, std::vector{F1})}) {
            const TLadeErgebnis e = DatenLaden(d);
            EXPECT_TRUE(e.Status == S::Geladen && e.Warnung.Leer() && e.Meldung.Leer());
            EXPECT_EQ(Feldtexte(Fuellungen), Feldtexte(stand));
        }
    };
    {
        TFakeDateisystem dateien;
        ASSERT_TRUE(zweiStaende(Pfad));
        const auto vorher = dateien.Dateien;
        dateien.SchreibenScheitertNach = 150;
        EXPECT_EQ(scheitern(Pfad), 0);
        EXPECT_EQ(dateien.Dateien, vorher);
        staende(Pfad, Kopie);
    }
    TOrdner o;
    const std::string datei = o / "Auto.SPR", kopie = o / "Auto.SPK";
    ASSERT_TRUE(zweiStaende(datei));
    const std::string altF = DateiInhalt(datei), altB = DateiInhalt(kopie);
    EXPECT_EQ(ImKindprozess([&] {
                  const rlimit grenze{1000, 1000};
                  return ::setrlimit(RLIMIT_FSIZE, &grenze) != 0 ? 10 : scheitern(datei);
              }),
              0);
    EXPECT_EQ(DateiInhalt(datei), altF);
    EXPECT_EQ(DateiInhalt(kopie), altB);
    EXPECT_EQ(o.Namen(), (std::vector<std::string>{"Auto.SPK", "Auto.SPR"}));
    staende(datei, kopie);
}

TEST_F(Datei, sicherheitskopieWirdOhneSicherungsschrittGespeichert)
{
    // "A.SPK" is its own backup name: deleting the backup first would delete the file.
    TFakeDateisystem dateien;
    dateien.Dateien[Kopie] = "alt";
    Fuellungen = {F1};
    dateien.SchreibenScheitertNach = 50;
    EXPECT_EQ(Kasten(DatenSpeichern(Kopie).Meldung), M(N::SchreibfehlerUnveraendert, {Kopie, ""}));
    EXPECT_EQ(dateien.Dateien, (std::map<std::string, std::string>{{Kopie, "alt"}}));

    dateien.SchreibenScheitertNach = -1;
    dateien.Protokoll.clear();
    const TSpeicherErgebnis s = DatenSpeichern(Kopie);
    EXPECT_TRUE(s.Geschrieben && s.Meldung.Leer() && s.Fehlerbits == 0);
    EXPECT_EQ(dateien.Protokoll, (std::vector<std::string>{"anlegen /d/.neu2", "schliessen /d/.neu2",
                                                           "umbenennen /d/.neu2 /d/A.SPK", "sichern /d"}));
    EXPECT_EQ(dateien.Dateien, (std::map<std::string, std::string>{{Kopie, Kopf(1, 0, 1, "", 0) + Satz(F1)}}));
}

TEST_F(Datei, ladenLiestNurBisZumErstenUnbrauchbarenSatz)
{
    // 64 MiB of zeros or of noise: refused after the first block of each format, not read to the end.
    const std::function<char(int64_t)> inhalte[] = {
        [](int64_t) { return char(0); }, [](int64_t i) { return char((uint64_t(i) * 0x9E3779B97F4A7C15u) >> 56); }};
    for (const auto &byte : inhalte) {
        TFakeDateisystem dateien;
        dateien.Virtuell["/gross.SPR"] = {int64_t(64) << 20, byte};
        EXPECT_EQ(DatenLaden("/gross.SPR").Status, S::Unbrauchbar);
        EXPECT_GT(dateien.Gelesen, 0);
        EXPECT_LT(dateien.Gelesen, 1 << 20);
    }
}

TEST_F(Datei, sonderdateienUndRiesendateienKostenWederZeitNochSpeicher)
{
    // A FIFO would block the open, /dev/zero never ends: like a directory or a missing file they cannot
    // be opened, and everything in memory stays. A sparse file of 8 TiB is refused without filling the memory.
    TOrdner o;
    const std::string rohr = o / "Rohr.SPR", riese = o / "Riese.SPR";
    ASSERT_EQ(::mkfifo(rohr.c_str(), 0600), 0);
    const int fd = ::open(riese.c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    const bool riesig = ::ftruncate(fd, off_t(8) << 40) == 0;
    ::close(fd);
    EXPECT_EQ(ImKindprozess([&] {
                  int nr = 0;
                  Fuellungen = {F1};
                  DatenVorhanden = true;
                  Gespeichert = false;
                  for (const std::string &datei : {rohr, std::string("/dev/zero"), o.Pfad, o / "fehlt.SPR"}) {
                      const TLadeErgebnis e = DatenLaden(datei);
                      ++nr;
                      if (e.Status != S::NichtGeoeffnet || Kasten(e.Meldung) != M(N::DatenNichtZugreifbar, {datei})
                          || Zustand() + DateiName + DatenVerzeichnis != " 0 0 101: 1000")
                          return nr;
                  }
                  return DatenLaden(riese).Status == S::Unbrauchbar ? 0 : 9;
              }),
              0);
    if (!riesig)
        GTEST_SKIP() << "Das Dateisystem legt keine 8 TiB große Datei an.";
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
