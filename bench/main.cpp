// Benchmark of the data file, the fill-up selection and the consumption
// values for large fuel logs.
//
// For every size it writes a log in odometer order and the same records
// shuffled, then times loading (with sort and logical check), selecting
// every fill-up with its summary, re-sorting the selection by the slowest
// key, the last consumption values, all values of the whole period merged
// by month and saving. The files are written, and every run measured, in a child process
// of its own, so that its peak resident memory belongs to that run alone.
//
//   sprilo-bench            10.000, 100.000 and 1.000.000 fill-ups
//   sprilo-bench 10000 ...  only the sizes given

#include "core/Datendatei.h"
#include "core/Format.h"
#include "core/Sprilo_Dek.h"
#include "core/Zusatz1.h"
#include "core/Zustand.h"
#include "Tankbuch.h"
#include "browse/Auswahl.h"
#include "charts/Entwicklung.h"
#include "core/Konfiguration.h"
#include "consumption/Verbrauchswerte.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

// Fewer fill-ups need not reach a single consumption value.
constexpr int32_t KleinsteAnzahl = 100;
// 2.000.000 steps of at most 900 km still fit into the i32 odometer.
constexpr int32_t GroessteAnzahl = 2000000;
constexpr int64_t SatzBytes = 96;


enum class TVariante { Geordnet, Ungeordnet };

const char *VariantenName(TVariante v)
{
    return v == TVariante::Geordnet ? "geordnet" : "ungeordnet";
}

// What a child reports back through its pipe; plain bytes, no pointers.
struct TMessung {
    int32_t Ok = 0;
    double Laden = 0;            // seconds, best of all runs
    double Auswahl = 0;          // selection of every fill-up and its summary
    double Sortieren = 0;        // the slowest of the four keys and the reversed order
    double Entwicklung = 0;      // the slower of the litre-price and range series, single
    double Letzte = 0;
    double Alle = 0;
    double Speichern = 0;
    int64_t SpitzeKB = 0;        // ru_maxrss
    int64_t Dateigroesse = 0;    // bytes
    int32_t Monatswerte = 0;     // values of the whole period merged by month
    double Durchschnitt = 0;     // their total average, L/100Km
    int32_t Strecke = 0;
    char Fehler[512] = {};
};

void FehlerSetzen(TMessung &m, const std::string &text)
{
    m.Ok = 0;
    std::snprintf(m.Fehler, sizeof m.Fehler, "%s", text.c_str());
}

int64_t Dateigroesse(const std::string &pfad)
{
    struct stat st {};
    return ::stat(pfad.c_str(), &st) == 0 ? static_cast<int64_t>(st.st_size) : -1;
}

std::string MessPfad(const std::string &verzeichnis, const char *art, int32_t n, TVariante v)
{
    return verzeichnis + "/" + art + std::to_string(n) + (v == TVariante::Geordnet ? "G" : "U") + ".SPR";
}

// Child: writes both files of one size with the program's own saver.
TMessung DateienSchreiben(const std::string &verzeichnis, int32_t n)
{
    TMessung m;
    GlobalenZustandZuruecksetzen();
    StationslisteSetzen();
    FahrzeugSetzen();
    FuellungenErzeugen(n);
    DatenVorhanden = true;
    for (TVariante v : {TVariante::Geordnet, TVariante::Ungeordnet}) {
        if (v == TVariante::Ungeordnet)
            Mischen(Fuellungen, Startwert ^ static_cast<uint64_t>(n));
        const std::string pfad = MessPfad(verzeichnis, "LOG", n, v);
        const TSpeicherErgebnis s = DatenSpeichern(pfad);
        if (!s.Geschrieben) {
            FehlerSetzen(m, "Die Datei '" + pfad + "' konnte nicht geschrieben werden.");
            return m;
        }
    }
    m.Ok = 1;
    return m;
}

using TUhr = std::chrono::steady_clock;

double Sekunden(TUhr::time_point anfang)
{
    return std::chrono::duration<double>(TUhr::now() - anfang).count();
}

// Every run is a process of its own and the table shows the fastest: the
// others only add noise of a machine that other work shares.
int Wiederholungen(int32_t n)
{
    return n <= 100000 ? 5 : 3;
}

// Child: one run over one file. Each step runs once, in a fresh process, so
// that every size meets the allocator in the same state: repeated in one
// process, a small list would reuse the heap of its predecessor while a big
// one gets new pages from the system every time.
TMessung LaufMessen(const std::string &verzeichnis, int32_t n, TVariante v, int lauf)
{
    TMessung m;
    const std::string datei = MessPfad(verzeichnis, "LOG", n, v);
    m.Dateigroesse = Dateigroesse(datei);

    GlobalenZustandZuruecksetzen();
    StationslisteSetzen();
    TUhr::time_point t = TUhr::now();
    const TLadeErgebnis e = DatenLaden(datei);
    m.Laden = Sekunden(t);
    if (e.Status != TLadeStatus::Geladen || AnzahlFuellungen() != n) {
        FehlerSetzen(m, "Die Datei '" + datei + "' ergab " + ZahlMitPunkten(AnzahlFuellungen(), 1) + " statt "
                            + ZahlMitPunkten(n, 1) + " Füllungen.");
        return m;
    }
    const bool geordnet =
        std::is_sorted(Fuellungen.begin(), Fuellungen.end(),
                       [](const TTankFuellung &a, const TTankFuellung &b) { return a.KMStand < b.KMStand; });
    if (!geordnet || !DatenLogisch) {
        FehlerSetzen(m, "Die Datei '" + datei + "' ist nach dem Laden nicht richtig geordnet.");
        return m;
    }

    // Every fill-up of every station and year: the largest selection.
    TankstellenAuswahl = 1;
    JahresAuswahl = 4;
    FuellungsSortierung = 1;
    FuellungenUmgekehrt = false;
    t = TUhr::now();
    AuswahlBilden();
    AuswahlSortieren();
    const TAuswahlZusammenfassung zusammenfassung = AuswahlZusammenfassen(AuswahlListe);
    m.Auswahl = Sekunden(t);
    if (AuswahlAnzahl() != n || zusammenfassung.Gefunden.empty()) {
        FehlerSetzen(m, "Die Auswahl aus '" + datei + "' ergab " + ZahlMitPunkten(AuswahlAnzahl(), 1) + " statt "
                            + ZahlMitPunkten(n, 1) + " Füllungen.");
        return m;
    }
    // As the list window re-sorts: each key from the order the previous
    // one left.
    for (const auto &[sortierung, umgekehrt] : {std::pair<uint8_t, bool>{2, false}, {3, false}, {4, false},
                                               {4, true}, {1, true}}) {
        t = TUhr::now();
        AuswahlSortieren(AuswahlListe, sortierung, umgekehrt);
        m.Sortieren = std::max(m.Sortieren, Sekunden(t));
    }
    ListeLoeschen(AuswahlListe);

    t = TUhr::now();
    ErmittleLetzteVerbrauchswerte();
    BerechneGesamtverbrauch();
    m.Letzte = Sekunden(t);
    if (AnzahlVerbrauchswerte() == 0) {
        FehlerSetzen(m, "Aus '" + datei + "' ergaben sich keine letzten Verbrauchswerte.");
        return m;
    }

    VerbrauchsAuswahl = 4;
    VerbrauchsAnsicht = 2;
    ZeitraumVon = TDatum{1, Fuellungen.front().Datum.Monat, Fuellungen.front().Datum.Jahr};
    ZeitraumBis = TDatum{32, Fuellungen.back().Datum.Monat, Fuellungen.back().Datum.Jahr};
    t = TUhr::now();
    ErmittleVerbrauchswerte();
    BerechneGesamtverbrauch();
    m.Alle = Sekunden(t);
    if (AnzahlVerbrauchswerte() == 0) {
        FehlerSetzen(m, "Aus '" + datei + "' ergaben sich keine Verbrauchswerte für den ganzen Zeitraum.");
        return m;
    }
    m.Monatswerte = AnzahlVerbrauchswerte();
    m.Durchschnitt = static_cast<double>(GesamtVerbrauch.Durchschnitt);
    m.Strecke = GesamtVerbrauch.Strecke;

    // Both development series over every fill-up, single points: the most
    // points either can have.
    LP_Zeitraumwahl = RW_Zeitraumwahl = 1;
    LP_Ansicht = RW_Ansicht = 1;
    Tankinhalt = 60;
    for (const bool reichweite : {false, true}) {
        t = TUhr::now();
        if (reichweite)
            ErmittleReichweitenEntwicklung();
        else
            ErmittleLiterpreisEntwicklung();
        m.Entwicklung = std::max(m.Entwicklung, Sekunden(t));
        if (AnzahlEntwicklungswerte() == 0) {
            FehlerSetzen(m, "Aus '" + datei + "' ergab sich keine Entwicklung.");
            return m;
        }
    }
    EntwicklungsListeLoeschen();

    // A fresh name: no backup copy to make, only the writing.
    const std::string neu = MessPfad(verzeichnis, ("NEU" + std::to_string(lauf) + "X").c_str(), n, v);
    t = TUhr::now();
    const TSpeicherErgebnis s = DatenSpeichern(neu);
    m.Speichern = Sekunden(t);
    const int64_t erwartet = (static_cast<int64_t>(n) + 1) * SatzBytes;
    const bool vollstaendig = s.Geschrieben && s.Fehlerbits == 0 && Dateigroesse(neu) == erwartet;
    ::unlink(neu.c_str());
    if (!vollstaendig) {
        FehlerSetzen(m, "Die Datei '" + neu + "' wurde nicht vollständig gespeichert.");
        return m;
    }

    struct rusage nutzung {};
    ::getrusage(RUSAGE_SELF, &nutzung);
    m.SpitzeKB = nutzung.ru_maxrss;
    m.Ok = 1;
    return m;
}

// Runs arbeit in a forked child and returns its report. The parent holds no
// fill-ups, so the child starts from the small parent and its ru_maxrss is
// its own work.
TMessung ImKindprozess(const std::function<TMessung()> &arbeit)
{
    TMessung m;
    int rohr[2];
    if (::pipe(rohr) != 0) {
        FehlerSetzen(m, "Es konnte keine Verbindung zum Messprozess angelegt werden.");
        return m;
    }
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t kind = ::fork();
    if (kind < 0) {
        ::close(rohr[0]);
        ::close(rohr[1]);
        FehlerSetzen(m, "Der Messprozess konnte nicht gestartet werden.");
        return m;
    }
    if (kind == 0) {
        ::close(rohr[0]);
        // The child must never return into main: it would remove the
        // parent's files on its way out.
        TMessung ergebnis;
        try {
            ergebnis = arbeit();
        } catch (const std::exception &e) {
            FehlerSetzen(ergebnis, std::string("Der Messprozess ist gescheitert: ") + e.what());
        } catch (...) {
            FehlerSetzen(ergebnis, "Der Messprozess ist gescheitert.");
        }
        const char *p = reinterpret_cast<const char *>(&ergebnis);
        size_t rest = sizeof ergebnis;
        while (rest > 0) {
            const ssize_t w = ::write(rohr[1], p, rest);
            if (w <= 0)
                ::_exit(2);
            p += w;
            rest -= static_cast<size_t>(w);
        }
        ::_exit(0);
    }

    ::close(rohr[1]);
    char *p = reinterpret_cast<char *>(&m);
    size_t gelesen = 0;
    while (gelesen < sizeof m) {
        const ssize_t r = ::read(rohr[0], p + gelesen, sizeof m - gelesen);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            break;
        gelesen += static_cast<size_t>(r);
    }
    ::close(rohr[0]);
    int status = 0;
    while (::waitpid(kind, &status, 0) < 0 && errno == EINTR) {
    }
    if (gelesen != sizeof m || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        m = TMessung();
        if (WIFSIGNALED(status))
            FehlerSetzen(m, "Der Messprozess wurde durch Signal " + std::to_string(WTERMSIG(status)) + " beendet.");
        else
            FehlerSetzen(m, "Der Messprozess hat kein Ergebnis geliefert.");
    }
    return m;
}

// ---- output ------------------------------------------------------------------

std::string Zahl(double wert, int nachkomma)
{
    return Format("%." + std::to_string(nachkomma) + "n", {static_cast<long double>(wert)});
}

std::string ZeitText(double sekunden)
{
    if (sekunden < 0.001)
        return Zahl(sekunden * 1e6, 0) + " µs";
    if (sekunden < 1.0)
        return Zahl(sekunden * 1e3, 1) + " ms";
    return Zahl(sekunden, 3) + " s";
}

std::string MBText(double bytes)
{
    if (bytes < 1024.0 * 1024.0)
        return Zahl(bytes / 1024.0, 1) + " KB";
    return Zahl(bytes / (1024.0 * 1024.0), 1) + " MB";
}

// Width on the terminal: UTF-8 continuation bytes take no column.
size_t Spalten(const std::string &s)
{
    return static_cast<size_t>(std::count_if(s.begin(), s.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// links[i]: column i is text (left-aligned), otherwise a number.
void TabelleDrucken(const std::vector<std::string> &kopf, const std::vector<bool> &links,
                    const std::vector<std::vector<std::string>> &zeilen)
{
    std::vector<size_t> breite(kopf.size());
    for (size_t i = 0; i < kopf.size(); ++i)
        breite[i] = Spalten(kopf[i]);
    for (const auto &z : zeilen)
        for (size_t i = 0; i < z.size(); ++i)
            breite[i] = std::max(breite[i], Spalten(z[i]));

    auto zeile = [&](const std::vector<std::string> &felder, bool ueberschrift) {
        std::string s;
        for (size_t i = 0; i < felder.size(); ++i) {
            if (i > 0)
                s += " | ";
            const std::string fuell(breite[i] - Spalten(felder[i]), ' ');
            s += (links[i] || ueberschrift) ? felder[i] + fuell : fuell + felder[i];
        }
        while (!s.empty() && s.back() == ' ')
            s.pop_back();
        std::printf("%s\n", s.c_str());
    };
    zeile(kopf, true);
    std::string linie;
    for (size_t i = 0; i < kopf.size(); ++i) {
        if (i > 0)
            linie += "-+-";
        linie += std::string(breite[i], '-');
    }
    std::printf("%s\n", linie.c_str());
    for (const auto &z : zeilen)
        zeile(z, false);
}

void AufrufZeigen(FILE *ziel)
{
    std::fprintf(ziel,
                 "Aufruf: sprilo-bench [Anzahl ...]\n"
                 "Misst Laden, Verbrauchswerte und Speichern mit 10.000, 100.000 und 1.000.000 Füllungen;\n"
                 "mit Anzahlen (%d bis %s) nur diese Größen.\n",
                 KleinsteAnzahl, ZahlMitPunkten(GroessteAnzahl, 1).c_str());
}

// Removes the temporary directory on every way out.
struct TAufraeumen {
    std::string Verzeichnis;
    ~TAufraeumen()
    {
        if (Verzeichnis.empty())
            return;
        std::error_code fehler;
        std::filesystem::remove_all(Verzeichnis, fehler);
    }
};

struct TSchritt {
    const char *Name;
    double TMessung::*Zeit;
    double Ziel;        // seconds
};

const std::array<TSchritt, 7> Schritte = {{
    {"Laden", &TMessung::Laden, 1.0},
    {"Auswahl mit Zusammenfassung", &TMessung::Auswahl, 0.3},
    {"Sortieren", &TMessung::Sortieren, 1.0},
    {"Letzte Werte", &TMessung::Letzte, 0.5},
    {"Alle Werte (Monate)", &TMessung::Alle, 0.5},
    {"Entwicklung", &TMessung::Entwicklung, 1.0},
    {"Speichern", &TMessung::Speichern, 1.0},
}};

constexpr int32_t ZielAnzahl = 1000000;
constexpr int32_t VergleichsAnzahl = 100000;
// Best-of runs still scatter by a few per cent on a machine that other work
// shares; more than a tenth above n log n is real growth.
constexpr double Toleranz = 1.10;

} // namespace

int main(int argc, char **argv)
{
    std::vector<int32_t> anzahlen;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-h" || arg == "--hilfe" || arg == "--help") {
            AufrufZeigen(stdout);
            return 0;
        }
        char *ende = nullptr;
        const long wert = std::strtol(arg.c_str(), &ende, 10);
        if (arg.empty() || *ende != '\0' || wert < KleinsteAnzahl || wert > GroessteAnzahl) {
            std::fprintf(stderr, "Fehler: '%s' ist keine gültige Anzahl von Füllungen.\n", arg.c_str());
            AufrufZeigen(stderr);
            return 1;
        }
        anzahlen.push_back(static_cast<int32_t>(wert));
    }
    if (anzahlen.empty())
        anzahlen = {10000, 100000, 1000000};
    std::sort(anzahlen.begin(), anzahlen.end());
    anzahlen.erase(std::unique(anzahlen.begin(), anzahlen.end()), anzahlen.end());

    const char *tmp = std::getenv("TMPDIR");
    std::string muster = std::string(tmp && *tmp ? tmp : "/tmp") + "/sprilo-bench-XXXXXX";
    std::vector<char> puffer(muster.begin(), muster.end());
    puffer.push_back('\0');
    if (!::mkdtemp(puffer.data())) {
        std::fprintf(stderr, "Fehler: Das Verzeichnis für die Messdateien konnte nicht angelegt werden.\n");
        return 1;
    }
    TAufraeumen aufraeumen{puffer.data()};
    const std::string verzeichnis = aufraeumen.Verzeichnis;

    const TMessung grund = ImKindprozess([] {
        TMessung m;
        struct rusage nutzung {};
        ::getrusage(RUSAGE_SELF, &nutzung);
        m.SpitzeKB = nutzung.ru_maxrss;
        m.Ok = 1;
        return m;
    });

    std::map<std::pair<int32_t, TVariante>, TMessung> ergebnisse;
    for (int32_t n : anzahlen) {
        std::printf("%s Füllungen: Dateien schreiben ...\n", ZahlMitPunkten(n, 1).c_str());
        const TMessung geschrieben = ImKindprozess([&] { return DateienSchreiben(verzeichnis, n); });
        if (!geschrieben.Ok) {
            std::fprintf(stderr, "Fehler: %s\n", geschrieben.Fehler);
            return 1;
        }
        for (TVariante v : {TVariante::Geordnet, TVariante::Ungeordnet}) {
            std::printf("%s Füllungen, %s: messen ...\n", ZahlMitPunkten(n, 1).c_str(), VariantenName(v));
            TMessung beste;
            for (int lauf = 0; lauf < Wiederholungen(n); ++lauf) {
                const TMessung m = ImKindprozess([&] { return LaufMessen(verzeichnis, n, v, lauf); });
                if (!m.Ok) {
                    std::fprintf(stderr, "Fehler: %s\n", m.Fehler);
                    return 1;
                }
                if (lauf == 0) {
                    beste = m;
                    continue;
                }
                beste.Laden = std::min(beste.Laden, m.Laden);
                beste.Auswahl = std::min(beste.Auswahl, m.Auswahl);
                beste.Sortieren = std::min(beste.Sortieren, m.Sortieren);
                beste.Entwicklung = std::min(beste.Entwicklung, m.Entwicklung);
                beste.Letzte = std::min(beste.Letzte, m.Letzte);
                beste.Alle = std::min(beste.Alle, m.Alle);
                beste.Speichern = std::min(beste.Speichern, m.Speichern);
                beste.SpitzeKB = std::max(beste.SpitzeKB, m.SpitzeKB);
            }
            ergebnisse[{n, v}] = beste;
            ::unlink(MessPfad(verzeichnis, "LOG", n, v).c_str());
            ::unlink(Sicherungsname(MessPfad(verzeichnis, "LOG", n, v)).c_str());
        }
        // Shuffling must not change a single consumption figure.
        const TMessung &g = ergebnisse[{n, TVariante::Geordnet}];
        const TMessung &u = ergebnisse[{n, TVariante::Ungeordnet}];
        if (g.Monatswerte != u.Monatswerte || g.Durchschnitt != u.Durchschnitt || g.Strecke != u.Strecke) {
            std::fprintf(stderr,
                         "Fehler: Die ungeordnete Datei mit %s Füllungen ergibt andere Verbrauchswerte als die "
                         "geordnete.\n",
                         ZahlMitPunkten(n, 1).c_str());
            return 1;
        }
    }

    std::printf("\n");
    std::vector<std::vector<std::string>> zeilen;
    for (int32_t n : anzahlen) {
        for (TVariante v : {TVariante::Geordnet, TVariante::Ungeordnet}) {
            const TMessung &m = ergebnisse[{n, v}];
            zeilen.push_back({ZahlMitPunkten(n, 1), VariantenName(v), MBText(static_cast<double>(m.Dateigroesse)),
                              ZeitText(m.Laden), ZeitText(m.Auswahl), ZeitText(m.Sortieren), ZeitText(m.Letzte), ZeitText(m.Alle), ZeitText(m.Entwicklung), ZeitText(m.Speichern),
                              MBText(static_cast<double>(m.SpitzeKB) * 1024.0)});
        }
    }
    TabelleDrucken({"Füllungen", "Variante", "Dateigröße", "Laden", "Auswahl", "Sortieren", "Letzte Werte",
                    "Alle Werte (Monate)", "Entwicklung", "Speichern", "Spitze Speicher"},
                   {false, true, false, false, false, false, false, false, false, false, false}, zeilen);
    std::printf("\nZeiten: der schnellste von %d Läufen (%d ab 100.001 Füllungen), jeder Lauf ein eigener Prozess.\n"
                "Laden mit Ordnen und logischer Prüfung; Auswahl aller Füllungen mit Zusammenfassung;\n"
                "Sortieren: der langsamste Schlüssel (Betrag, Liter, Literpreis, umgekehrt);\n"
                "Entwicklung: die langsamere der beiden Reihen (Literpreis, Reichweite), einzeln;\n"
                "Speichern in eine neue Datei, mit fsync.\n"
                "Spitze Speicher: höchstes ru_maxrss der Läufe; ein leerer Prozess belegt %s.\n",
                Wiederholungen(1), Wiederholungen(GroessteAnzahl),
                MBText(static_cast<double>(grund.SpitzeKB) * 1024.0).c_str());
    std::printf("Kontrolle (geordnet und ungeordnet gleich):\n");
    for (int32_t n : anzahlen) {
        const TMessung &g = ergebnisse[{n, TVariante::Geordnet}];
        std::printf("  %s Füllungen: %s Monatswerte, %s km, Durchschnitt %s L/100Km\n",
                    ZahlMitPunkten(n, 1).c_str(), ZahlMitPunkten(g.Monatswerte, 1).c_str(),
                    ZahlMitPunkten(g.Strecke, 1).c_str(), Zahl(g.Durchschnitt, 2).c_str());
    }

    const bool zielGemessen = ergebnisse.count({ZielAnzahl, TVariante::Geordnet}) != 0;
    const bool vergleichGemessen = ergebnisse.count({VergleichsAnzahl, TVariante::Geordnet}) != 0;
    const double vorhersage = (static_cast<double>(ZielAnzahl) * std::log(static_cast<double>(ZielAnzahl)))
        / (static_cast<double>(VergleichsAnzahl) * std::log(static_cast<double>(VergleichsAnzahl)));

    std::printf("\nZiele für 1.000.000 Füllungen auf dieser Maschine mit %ld Kernen:\n"
                "Laden < 1 s, Speichern < 1 s, Auswahl mit Zusammenfassung < 0,3 s, Sortieren < 1 s,\n"
                "Verbrauchswerte < 0,5 s, Entwicklung < 1 s; Wachstum von 100.000 auf 1.000.000 "
                "nicht schneller als n log n\n"
                "(Vorhersage %sx; wegen Messrauschen gilt bis %sx als erreicht).\n\n",
                ::sysconf(_SC_NPROCESSORS_ONLN), Zahl(vorhersage, 1).c_str(),
                Zahl(vorhersage * Toleranz, 1).c_str());
    if (!zielGemessen) {
        std::printf("Nicht bewertet: 1.000.000 Füllungen wurden nicht gemessen.\n");
        return 0;
    }
    std::vector<std::vector<std::string>> ziele;
    for (const TSchritt &s : Schritte) {
        for (TVariante v : {TVariante::Geordnet, TVariante::Ungeordnet}) {
            const double zeit = ergebnisse[{ZielAnzahl, v}].*s.Zeit;
            std::string faktor = "nicht gemessen";
            std::string wachstum = "-";
            if (vergleichGemessen) {
                const double vorher = ergebnisse[{VergleichsAnzahl, v}].*s.Zeit;
                const double f = vorher > 0 ? zeit / vorher : 0;
                faktor = Zahl(f, 1) + "x";
                wachstum = f <= vorhersage * Toleranz ? "erreicht" : "verfehlt";
            }
            ziele.push_back({s.Name, VariantenName(v), ZeitText(zeit), "< " + Zahl(s.Ziel, s.Ziel < 1 ? 1 : 0) + " s",
                             zeit < s.Ziel ? "erreicht" : "verfehlt", faktor, wachstum});
        }
    }
    TabelleDrucken({"Schritt", "Variante", "Zeit", "Ziel", "Zeitziel", "Faktor 100.000 → 1.000.000", "Wachstum"},
                   {true, true, false, false, true, false, true}, ziele);
    return 0;
}
