// Loading and saving data files: the fixtures of an independent
// implementation, every repair and message of the loader, the backup copy
// and each way saving can fail.
#include "Datendatei.h"
#include "Datensatz.h"
#include "FakeDateisystem.h"
#include "Format.h"
#include "Fixtures.h"
#include "Konfiguration.h"
#include "Zusatz1.h"
#include "consumption/Verbrauchswerte.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class Datendatei : public ::testing::Test {
protected:
    void SetUp() override
    {
        MonatsTageSetzen();
        GlobalenZustandZuruecksetzen();
        m_ordner = fs::temp_directory_path() / ("sprilo-datei-" + std::to_string(::getpid()) + "-"
                                                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_ordner);
        fs::create_directories(m_ordner);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(m_ordner, fs::perms::owner_all, ec);
        fs::remove_all(m_ordner, ec);
    }
    std::string Pfad(const std::string &name) const { return (m_ordner / name).string(); }

    fs::path m_ordner;
};

TLadeErgebnis FixturLaden(const std::string &ordner)
{
    GlobalenZustandZuruecksetzen();
    TankstellenlisteLesen(FixturPfad(ordner, "SPRILO.INI"));
    return DatenLaden(FixturPfad(ordner, ordner + ".SPR"));
}

std::string Kopf(int32_t anzahl, const std::string &kennzeichen, long double fest, uint8_t euro, long double tank)
{
    TDateiKopf k;
    k.Anzahl = anzahl;
    k.Kennzeichen = kennzeichen;
    k.Festverbrauch = fest;
    k.EuroDaten = euro;
    k.Tankinhalt = tank;
    std::string s(SatzGroesse, '\0');
    KopfKodieren(k, reinterpret_cast<uint8_t *>(s.data()));
    return s;
}

std::string Satz(const TTankFuellung &f)
{
    std::string s(SatzGroesse, '\0');
    FuellungKodieren(f, reinterpret_cast<uint8_t *>(s.data()));
    return s;
}

TTankFuellung Fuellung(int tag, int monat, int jahr, int32_t km, long double betrag, long double liter,
                       bool voll = true)
{
    TTankFuellung f;
    f.Datum = TDatum{static_cast<uint8_t>(tag), static_cast<uint8_t>(monat), static_cast<uint16_t>(jahr)};
    f.KMStand = km;
    f.Tankstelle = "Aral";
    f.TankstellenNr = -1;
    f.AlteWaehrung = 0;
    f.Betrag = betrag;
    f.Liter = liter;
    f.Vollgetankt = voll ? 1 : 0;
    f.LiterPreis = LiterPreisBerechnen(betrag, liter);
    return f;
}

std::string AlterSatz(const TTankFuellung &f)
{
    TAlteFuellung a;
    a.Datum = f.Datum;
    a.KMStand = f.KMStand;
    a.TankstellenNr = f.TankstellenNr;
    a.Tankstelle = f.Tankstelle;
    a.Betrag = static_cast<uint16_t>(f.Betrag);
    a.Liter = f.Liter;
    a.Vollgetankt = f.Vollgetankt;
    a.LiterNachAbschaltung = f.LiterNachAbschaltung;
    a.LiterPreis = f.LiterPreis;
    std::string s(AltSatzGroesse, '\0');
    AlteFuellungKodieren(a, reinterpret_cast<uint8_t *>(s.data()));
    return s;
}

std::string AlterKopf(int32_t anzahl, const std::string &kennzeichen, long double fest)
{
    TAlterKopf k;
    k.Anzahl = anzahl;
    k.Kennzeichen = kennzeichen;
    k.Festverbrauch = fest;
    std::string s(AltSatzGroesse, '\0');
    AltenKopfKodieren(k, reinterpret_cast<uint8_t *>(s.data()));
    return s;
}

} // namespace

// ---- the fixtures ------------------------------------------------------------

TEST_F(Datendatei, grunddatenLadenOhneMeldung)
{
    const TLadeErgebnis e = FixturLaden("grund");
    EXPECT_EQ(e.Status, TLadeStatus::Geladen);
    EXPECT_EQ(e.Meldung.Code, 0);
    EXPECT_TRUE(DatenVorhanden);
    EXPECT_TRUE(Gespeichert);
    EXPECT_TRUE(DatenLogisch);
    EXPECT_EQ(Kennzeichen, "MR-AB 123");
    EXPECT_EQ(Festverbrauch, 6.8L);
    EXPECT_EQ(Tankinhalt, 50.0L);
    EXPECT_EQ(DateiName, FixturPfad("grund", "grund.SPR"));
    EXPECT_EQ(DatenVerzeichnis, FixturPfad("grund"));
    const TFixtur fx = FixturLesen("grund");
    ASSERT_EQ(Fuellungen.size(), fx.Fuellungen.size());
    for (size_t i = 0; i < Fuellungen.size(); ++i) {
        EXPECT_EQ(Fuellungen[i].KMStand, fx.Fuellungen[i].KMStand);
        EXPECT_EQ(Fuellungen[i].Betrag, fx.Fuellungen[i].Betrag);
        EXPECT_EQ(Fuellungen[i].LiterPreis, fx.Fuellungen[i].LiterPreis);
    }
}

TEST_F(Datendatei, dmBetraegeWerdenInEuroUmgerechnet)
{
    const TLadeErgebnis e = FixturLaden("dm");
    EXPECT_EQ(e.Meldung.Code, 8214);
    EXPECT_EQ(e.Meldung.Text,
              "Die gespeicherten Daten wurden angepasst.\r\rDie Daten lagen im Format einer alten Version des "
              "Programmes vor\rund wurden an die aktuelle Version angepasst.\r\rCode : 8214");
    EXPECT_EQ(e.Meldung.Art, TKastenArt::Information);
    EXPECT_EQ(e.Meldung.TonArt, 2);
    EXPECT_FALSE(e.Meldung.TonImmer);
    EXPECT_EQ(e.Meldung.Hilfe, 8214);
    EXPECT_FALSE(Gespeichert);
    ASSERT_EQ(AnzahlFuellungen(), 3);
    EXPECT_EQ(Fuellungen[0].Betrag, 100.0L * (1.0L / 1.95583L));
    EXPECT_EQ(Format("%2.2n", {Fuellungen[0].Betrag}), "51,13");
    EXPECT_EQ(Fuellungen[0].LiterPreis, 1278);
    // Only the amount and the litre price change.
    EXPECT_EQ(Fuellungen[1].LiterNachAbschaltung, 1.0L);
    EXPECT_EQ(Fuellungen[1].BetragNachAbschaltung, 85.5L * 1.0L / 35.0L);
}

TEST_F(Datendatei, altesFormatWirdUmgewandelt)
{
    const TLadeErgebnis e = FixturLaden("alt");
    EXPECT_EQ(e.Status, TLadeStatus::Geladen);
    EXPECT_TRUE(e.AltesFormat);
    EXPECT_EQ(e.Meldung.Code, 8214);
    EXPECT_FALSE(Gespeichert);
    EXPECT_EQ(Kennzeichen, "ALT-1");
    EXPECT_EQ(Tankinhalt, 0.0L);
    EXPECT_EQ(Festverbrauch, 7.5L);
    ASSERT_EQ(AnzahlFuellungen(), 4);
    EXPECT_EQ(Fuellungen[0].Betrag, 60.0L);
    EXPECT_EQ(Fuellungen[0].BetragNachAbschaltung, 60.0L * 1.5L / 40.5L);
    EXPECT_EQ(Fuellungen[0].AlteWaehrung, 1);
    EXPECT_EQ(Fuellungen[1].TankstellenNr, 1);
    EXPECT_EQ(Fuellungen[3].TankstellenNr, -1);
    EXPECT_EQ(Fuellungen[2].Vollgetankt, 0);
}

TEST_F(Datendatei, alteWaehrungWirdGeloeschtUndGemeldet)
{
    const TLadeErgebnis e = FixturLaden("altewaehrung");
    EXPECT_EQ(e.Meldung.Code, 8218);
    EXPECT_EQ(e.Meldung.Text, "Die gespeicherten Daten wurden angepasst.\r\rEinige Daten waren noch in alter "
                              "Währung angegeben.\r\rCode : 8218");
    for (const auto &f : Fuellungen)
        EXPECT_EQ(f.AlteWaehrung, 0);
    EXPECT_EQ(Fuellungen[1].Betrag, 40.25L);
}

TEST_F(Datendatei, tankstellenWerdenNachDerListeNummeriert)
{
    const TLadeErgebnis e = FixturLaden("stationen");
    EXPECT_EQ(e.Meldung.Code, 0);
    EXPECT_TRUE(Gespeichert);
    EXPECT_EQ(Kennzeichen, "LDK-XY 9999 Zweitwag");
    EXPECT_EQ(Fuellungen[0].TankstellenNr, 3);   // the last of two equal entries
    EXPECT_EQ(Fuellungen[1].TankstellenNr, -1);  // "shell" is not "SHELL"
    EXPECT_EQ(Fuellungen[6].Tankstelle, "Tank€Shop Würzburg");
    EXPECT_EQ(Fuellungen[5].Tankstelle, "Freie Tankstelle an der Bundesstraße 49a");
}

TEST_F(Datendatei, tankstellenlisteOhneDenNamenGibtMeldung8202)
{
    GlobalenZustandZuruecksetzen();
    AnzahlTankstellen = 0;
    const TLadeErgebnis e = DatenLaden(FixturPfad("grund", "grund.SPR"));
    EXPECT_EQ(e.Meldung.Code, 8202);
    EXPECT_EQ(e.Meldung.Text,
              "Die gespeicherten Daten wurden angepasst.\r\rUrsache : Veränderung in der Tankstellenliste.\r\rCode : 8202");
    EXPECT_EQ(Fuellungen[0].TankstellenNr, -1);
    EXPECT_FALSE(Gespeichert);
}

TEST_F(Datendatei, muellAmEndeWirdIgnoriertUndAnzahlSteuertDieAnzeige)
{
    GlobalenZustandZuruecksetzen();
    TankstellenlisteLesen(FixturPfad("muell", "SPRILO.INI"));   // defective: default list
    EXPECT_EQ(AnzahlTankstellen, 1);
    EXPECT_EQ(Tankstellen[0], "SHELL , Velmbach");
    std::string text;
    int64_t maximum = 0, letzte = 0;
    int enden = 0;
    TFortschritt f;
    f.Beginnen = [&](const std::string &t, int64_t m) { text = t; maximum = m; };
    f.Schritt = [&](int64_t p) { letzte = p; };
    f.Ende = [&] { ++enden; };
    const TLadeErgebnis e = DatenLaden(FixturPfad("muell", "muell.SPR"), f);
    EXPECT_EQ(e.Meldung.Code, 0);
    EXPECT_EQ(AnzahlFuellungen(), 3);
    EXPECT_EQ(text, "Es werden 99 Datensätze geladen.");
    EXPECT_EQ(maximum, 99);
    EXPECT_EQ(letzte, 3);
    EXPECT_EQ(enden, 1);
}

TEST_F(Datendatei, schreiberErzeugtDieFixturenBytegenau)
{
    for (const char *ordner : {"grund", "dm", "altewaehrung", "stationen", "muell"}) {
        SCOPED_TRACE(ordner);
        const TFixtur fx = FixturLesen(ordner);
        GlobalenZustandZuruecksetzen();
        for (const auto &f : fx.Fuellungen)
            FuellungAnhaengen(f);
        Kennzeichen = fx.Kopf.at("kennzeichen");
        Festverbrauch = KopfZahl(fx, "festverbrauch");
        Tankinhalt = KopfZahl(fx, "tankinhalt");
        const std::string ziel = Pfad(std::string(ordner) + ".SPR");
        const TSpeicherErgebnis s = DatenSpeichern(ziel);
        ASSERT_TRUE(s.Geschrieben);
        EXPECT_EQ(s.Fehlerbits, 0);

        std::string erwartet = DateiInhalt(FixturPfad(ordner, std::string(ordner) + ".SPR"));
        // What the saver decides itself: EUR amounts, the true count, no tail.
        erwartet[72] = 1;
        erwartet.replace(4, 4, Kopf(static_cast<int32_t>(fx.Fuellungen.size()), "", 0, 1, 0).substr(4, 4));
        erwartet.resize((fx.Fuellungen.size() + 1) * SatzGroesse);
        std::string geschrieben = DateiInhalt(ziel);
        // The plate is cut to 20 characters by the program only on loading.
        EXPECT_EQ(geschrieben, erwartet);
    }
}

TEST_F(Datendatei, ladenUndSpeichernGibtDieselbeDatei)
{
    FixturLaden("grund");
    const std::string ziel = Pfad("grund.SPR");
    ASSERT_TRUE(DatenSpeichern(ziel).Geschrieben);
    EXPECT_EQ(DateiInhalt(ziel), DateiInhalt(FixturPfad("grund", "grund.SPR")));
}

// ---- repairs and damaged files ---------------------------------------------

TEST_F(Datendatei, festverbrauchNullWirdAusDenLetztenWertenBerechnet)
{
    const TFixtur fx = FixturLesen("grund");
    std::string datei = Kopf(3, "X", 0, 1, 50);
    for (auto f : fx.Fuellungen) {
        f.TankstellenNr = -1;
        datei += Satz(f);
    }
    DateiSchreiben(Pfad("a.SPR"), datei);
    const TLadeErgebnis e = DatenLaden(Pfad("a.SPR"));
    EXPECT_EQ(e.Meldung.Code, 8202);
    EXPECT_EQ(e.Meldung.Text, "Die gespeicherten Daten wurden angepasst.\r\rUrsache : Veränderung im eingestellten "
                              "Festverbrauch.\r\rCode : 8202");
    EXPECT_EQ(Festverbrauch, 6.5L);
    EXPECT_FALSE(Gespeichert);
}

TEST_F(Datendatei, festverbrauchNullMitEinerFuellungBleibtOhneMeldung)
{
    DateiSchreiben(Pfad("a.SPR"), Kopf(1, "X", 0, 1, 50) + Satz(Fuellung(1, 2, 2003, 1000, 50, 40)));
    const TLadeErgebnis e = DatenLaden(Pfad("a.SPR"));
    EXPECT_EQ(e.Meldung.Code, 0);
    EXPECT_EQ(Festverbrauch, 0.0L);
    EXPECT_TRUE(Gespeichert);
}

TEST_F(Datendatei, nichtZugreifbareDateiLaesstDieListeUnberuehrt)
{
    FuellungAnhaengen(Fuellung(1, 2, 2003, 1000, 50, 40));
    DatenVorhanden = true;
    Gespeichert = false;
    const std::string f = Pfad("fehlt.SPR");
    const TLadeErgebnis e = DatenLaden(f);
    EXPECT_EQ(e.Status, TLadeStatus::NichtGeoeffnet);
    EXPECT_EQ(e.Meldung.Text, "Auf die Datendatei '" + f + "' kann nicht zugegriffen werden.\rWahrscheinlich ist sie "
                              "schreibgeschützt.\r\rCode : 8106");
    EXPECT_EQ(e.Meldung.Art, TKastenArt::Warnung);
    EXPECT_EQ(e.Meldung.TonArt, 4);
    EXPECT_TRUE(e.Meldung.TonImmer);
    EXPECT_EQ(AnzahlFuellungen(), 1);
    EXPECT_FALSE(Gespeichert);
    EXPECT_EQ(DateiName, "");
}

TEST_F(Datendatei, kaputteDateiNenntDieSicherungskopie)
{
    const std::string f = Pfad("auto.SPR");
    DateiSchreiben(f, std::string(100, 'x'));
    TLadeErgebnis e = DatenLaden(f);
    EXPECT_EQ(e.Status, TLadeStatus::Unbrauchbar);
    EXPECT_EQ(e.Meldung.Text, "Die Datendatei '" + f + "' war fehlerhaft.\rDie Daten können nicht benutzt werden."
                                                         "\r\rCode : 8002");
    EXPECT_EQ(e.Meldung.Art, TKastenArt::Fehler);
    EXPECT_EQ(e.Meldung.TonArt, 5);
    EXPECT_TRUE(e.Meldung.TonImmer);
    EXPECT_EQ(e.Meldung.Hilfe, 8002);
    EXPECT_FALSE(DatenVorhanden);
    EXPECT_TRUE(Gespeichert);
    EXPECT_EQ(DateiName, f);
    EXPECT_EQ(AnzahlFuellungen(), 0);

    DateiSchreiben(Pfad("auto.SPK"), "");
    e = DatenLaden(f);
    EXPECT_EQ(e.Meldung.Text, "Die Datendatei '" + f + "' war fehlerhaft.\rDie Daten können nicht benutzt werden."
                                                         "\r\rVersuchen Sie die Sicherheitskopie '"
                                  + Pfad("auto.SPK") + "' zu öffnen.\r\rCode : 8002");
}

TEST_F(Datendatei, leereDateiIstUnbrauchbar)
{
    DateiSchreiben(Pfad("leer.SPR"), "");
    EXPECT_EQ(DatenLaden(Pfad("leer.SPR")).Meldung.Code, 8002);
}

TEST_F(Datendatei, einBeschaedigtesDatumMachtDieDateiUnbrauchbar)
{
    // Without checking dates in the old format too, this file would come
    // back as old-format garbage.
    const TFixtur fx = FixturLesen("grund");
    std::string datei = Kopf(3, "X", 6, 1, 50);
    for (auto f : fx.Fuellungen)
        datei += Satz(f);
    datei[2 * SatzGroesse] = 31;      // 31.02.2003
    DateiSchreiben(Pfad("a.SPR"), datei);
    const TLadeErgebnis e = DatenLaden(Pfad("a.SPR"));
    EXPECT_EQ(e.Status, TLadeStatus::Unbrauchbar);
    EXPECT_EQ(AnzahlFuellungen(), 0);
    EXPECT_EQ(Kennzeichen, "");
}

TEST_F(Datendatei, einJahrMitEinerZifferIstKeinGueltigesDatum)
{
    // Read back as text, year 5 would pass as 2005.
    DateiSchreiben(Pfad("a.SPR"), Kopf(1, "X", 6, 1, 50) + Satz(Fuellung(1, 2, 5, 1000, 50, 40)));
    EXPECT_EQ(DatenLaden(Pfad("a.SPR")).Status, TLadeStatus::Unbrauchbar);
}

TEST_F(Datendatei, nichtEndlicheBetraegeMachenDieDateiUnbrauchbar)
{
    auto f = Fuellung(1, 2, 2003, 1000, 50, 40);
    f.Liter = std::numeric_limits<long double>::quiet_NaN();
    DateiSchreiben(Pfad("a.SPR"), Kopf(1, "X", 6, 1, 50) + Satz(f));
    EXPECT_EQ(DatenLaden(Pfad("a.SPR")).Status, TLadeStatus::Unbrauchbar);
}

TEST_F(Datendatei, altesFormatMitEinerFuellungGehtNichtVerloren)
{
    // 152 bytes: read as 96-byte records the fill-up would vanish.
    auto f = Fuellung(3, 3, 1999, 1000, 60, 40.5L);
    DateiSchreiben(Pfad("a.SPR"), AlterKopf(1, "ALT", 7) + AlterSatz(f));
    const TLadeErgebnis e = DatenLaden(Pfad("a.SPR"));
    EXPECT_EQ(e.Status, TLadeStatus::Geladen);
    EXPECT_TRUE(e.AltesFormat);
    EXPECT_EQ(e.Meldung.Code, 8214);
    ASSERT_EQ(AnzahlFuellungen(), 1);
    EXPECT_EQ(Fuellungen[0].KMStand, 1000);
}

TEST_F(Datendatei, altesFormatMitFalscherKennungIstUnbrauchbar)
{
    std::string datei = AlterKopf(1, "ALT", 7) + AlterSatz(Fuellung(3, 3, 1999, 1000, 60, 40));
    datei[1] = 1;
    DateiSchreiben(Pfad("a.SPR"), datei);
    EXPECT_EQ(DatenLaden(Pfad("a.SPR")).Meldung.Code, 8002);
}

TEST_F(Datendatei, alteDateiDieAuchZuNeuenSaetzenPasstMeldet8214)
{
    // 24 records of 76 bytes are 19 of 96: the 96-byte pass runs first and
    // fails; what it saw (old currency, stations) must not decide the message.
    std::string datei = AlterKopf(23, "ALT", 7);
    for (int i = 0; i < 23; ++i)
        datei += AlterSatz(Fuellung(1 + i, 3, 1999, 1000 + 500 * i, 60, 40));
    ASSERT_EQ(datei.size() % SatzGroesse, 0u);
    DateiSchreiben(Pfad("a.SPR"), datei);
    const TLadeErgebnis e = DatenLaden(Pfad("a.SPR"));
    EXPECT_EQ(e.Status, TLadeStatus::Geladen);
    EXPECT_EQ(e.Meldung.Code, 8214);
    EXPECT_EQ(AnzahlFuellungen(), 23);
}

TEST_F(Datendatei, fuellungOhneLiterStuerztNichtAb)
{
    auto f = Fuellung(1, 2, 2003, 1000, 50, 0);
    auto g = Fuellung(1, 3, 2003, 1500, 50, 0);
    DateiSchreiben(Pfad("a.SPR"), Kopf(2, "X", 0, 0, 50) + Satz(f) + Satz(g));
    const TLadeErgebnis e = DatenLaden(Pfad("a.SPR"));
    EXPECT_EQ(e.Status, TLadeStatus::Geladen);
    EXPECT_EQ(Fuellungen[0].LiterPreis, 0);
    EXPECT_EQ(Festverbrauch, 0.0L);
    DateiSchreiben(Pfad("b.SPR"), AlterKopf(1, "X", 0) + AlterSatz(f));
    EXPECT_EQ(DatenLaden(Pfad("b.SPR")).Status, TLadeStatus::Geladen);
    EXPECT_EQ(Fuellungen[0].BetragNachAbschaltung, 0.0L);
}

TEST_F(Datendatei, unsortierteDateiWirdGeordnetUndGeprueft)
{
    DateiSchreiben(Pfad("a.SPR"), Kopf(3, "X", 6, 1, 50) + Satz(Fuellung(5, 5, 2003, 3000, 50, 40))
                                     + Satz(Fuellung(1, 1, 2003, 1000, 50, 40))
                                     + Satz(Fuellung(1, 6, 2003, 2000, 50, 40)));
    DatenLaden(Pfad("a.SPR"));
    EXPECT_EQ(Fuellungen[0].KMStand, 1000);
    EXPECT_EQ(Fuellungen[2].KMStand, 3000);
    EXPECT_FALSE(DatenLogisch);
    EXPECT_EQ(FehlerNr1, 2);
    EXPECT_EQ(FehlerNr2, 3);
}

// ---- a file without fill-ups -----------------------------------------------

TEST_F(Datendatei, leereListeWirdAlsKopfGespeichertUndAlsKeineDatenGeladen)
{
    Kennzeichen = "MR-X 1";
    Tankinhalt = 55;
    const std::string f = Pfad("leer.SPR");
    ASSERT_TRUE(DatenSpeichern(f).Geschrieben);
    EXPECT_EQ(fs::file_size(f), 96u);
    GlobalenZustandZuruecksetzen();
    const TLadeErgebnis e = DatenLaden(f);
    EXPECT_EQ(e.Status, TLadeStatus::KeineDaten);
    EXPECT_EQ(e.Meldung.Code, 0);
    EXPECT_FALSE(DatenVorhanden);
    EXPECT_TRUE(Gespeichert);
    EXPECT_EQ(Kennzeichen, "MR-X 1");
    EXPECT_EQ(Tankinhalt, 55.0L);
    EXPECT_EQ(DateiName, f);
}

// ---- saving -------------------------------------------------------------------

TEST(Dateinamen, endungUndVerzeichnis)
{
    EXPECT_EQ(DateiOhneEndung("/daten/AUTO.SPR"), "/daten/AUTO");
    EXPECT_EQ(DateiOhneEndung("AUTO.ALT.SPR"), "AUTO");
    EXPECT_EQ(DateiOhneEndung("/daten.neu/AUTO.SPR"), "/daten.neu/AUTO");
    EXPECT_EQ(DateiOhneEndung("AUTO"), "AUTO");
    EXPECT_EQ(Sicherungsname("/home/x/Daten.neu/Auto.alt.spr"), "/home/x/Daten.neu/Auto.SPK");
    EXPECT_EQ(Verzeichnisteil("/home/x/auto.SPR"), "/home/x");
    EXPECT_EQ(Verzeichnisteil("/auto.SPR"), "/");
    EXPECT_EQ(Verzeichnisteil("auto.SPR"), "");
}

TEST_F(Datendatei, eineFuellungErgibt192Bytes)
{
    FuellungAnhaengen(Fuellung(1, 2, 2003, 1000, 50, 40));
    Gespeichert = false;
    std::string text;
    int64_t position = 0;
    TFortschritt f;
    f.Beginnen = [&](const std::string &t, int64_t) { text = t; };
    f.Schritt = [&](int64_t p) { position = p; };
    const TSpeicherErgebnis s = DatenSpeichern(Pfad("a.SPR"), f);
    EXPECT_TRUE(s.Geschrieben);
    EXPECT_EQ(s.Meldung.Text, "");
    EXPECT_EQ(fs::file_size(Pfad("a.SPR")), 192u);
    EXPECT_EQ(text, "Es werden 1 Datensätze gespeichert.");
    EXPECT_EQ(position, 1);
    EXPECT_TRUE(Gespeichert);
    EXPECT_EQ(DateiName, Pfad("a.SPR"));
    EXPECT_EQ(DatenVerzeichnis, m_ordner.string());
}

TEST_F(Datendatei, vorherigerInhaltWirdZurSicherungskopie)
{
    FuellungAnhaengen(Fuellung(1, 2, 2003, 1000, 50, 40));
    const std::string f = Pfad("Auto.spr");
    ASSERT_TRUE(DatenSpeichern(f).Geschrieben);
    const std::string erster = DateiInhalt(f);
    FuellungAnhaengen(Fuellung(1, 3, 2003, 1500, 50, 40));
    ASSERT_TRUE(DatenSpeichern(f).Geschrieben);
    EXPECT_EQ(DateiInhalt(Pfad("Auto.SPK")), erster);
    EXPECT_EQ(fs::file_size(f), 3u * 96u);
}

TEST_F(Datendatei, verzeichnisAnStelleDerSicherungGibtSatz3)
{
    const std::string f = Pfad("Auto.SPR");
    DateiSchreiben(f, "alt");
    fs::create_directory(Pfad("Auto.SPK"));
    FuellungAnhaengen(Fuellung(1, 2, 2003, 1000, 50, 40));
    const TSpeicherErgebnis s = DatenSpeichern(f);
    EXPECT_EQ(s.Fehlerbits, 3);
    EXPECT_TRUE(s.Geschrieben);
    EXPECT_EQ(s.Meldung.Hilfe, 8105);
    EXPECT_EQ(fs::file_size(f), 192u);
    EXPECT_TRUE(Gespeichert);
}

TEST_F(Datendatei, fehlendesVerzeichnisGibtSatz4)
{
    const std::string f = Pfad("gibtsnicht/Auto.SPR");
    FuellungAnhaengen(Fuellung(1, 2, 2003, 1000, 50, 40));
    Gespeichert = false;
    DateiName = "vorher";
    const TSpeicherErgebnis s = DatenSpeichern(f);
    EXPECT_EQ(s.Fehlerbits, 4);
    EXPECT_FALSE(s.Geschrieben);
    EXPECT_EQ(s.Meldung.Text, "Die Datendatei '" + f + "' konnte nicht angelegt werden.\r\rWahrscheinlich ist der "
                                                         "Datenträger gegen beschreiben gesichert.");
    EXPECT_FALSE(Gespeichert);
    EXPECT_EQ(DateiName, "vorher");
}

struct TFehlerFall {
    bool SicherungDa, DateiDa, Loeschen, Umbenennen, Erzeugen;
    int Bits;
    const char *Text;
};

class Sicherungsfehler : public ::testing::TestWithParam<TFehlerFall> {};

TEST_P(Sicherungsfehler, jederFehlersatzHatSeineMeldung)
{
    const TFehlerFall fall = GetParam();
    TFakeDateisystem dateien;
    const std::string F = "/d/AUTO.SPR", B = "/d/AUTO.SPK";
    if (fall.SicherungDa)
        dateien.Dateien[B] = "sicherung";
    if (fall.DateiDa)
        dateien.Dateien[F] = "daten";
    dateien.LoeschenScheitert = fall.Loeschen;
    dateien.UmbenennenScheitert = fall.Umbenennen;
    dateien.ErzeugenScheitert = fall.Erzeugen;
    GlobalenZustandZuruecksetzen();
    FuellungAnhaengen(Fuellung(1, 2, 2003, 1000, 50, 40));
    Gespeichert = false;

    const TSpeicherErgebnis s = DatenSpeichern(F);
    EXPECT_EQ(s.Fehlerbits, fall.Bits);
    std::string text = fall.Text;
    for (size_t p; (p = text.find("{F}")) != std::string::npos;)
        text.replace(p, 3, F);
    for (size_t p; (p = text.find("{B}")) != std::string::npos;)
        text.replace(p, 3, B);
    EXPECT_EQ(s.Meldung.Text, text);
    const bool angelegt = fall.Bits < 4;
    EXPECT_EQ(s.Geschrieben, angelegt);
    EXPECT_EQ(Gespeichert, angelegt);
    EXPECT_EQ(s.Meldung.Hilfe, angelegt ? 8105 : 8001);
    EXPECT_EQ(s.Meldung.Art, angelegt ? TKastenArt::Warnung : TKastenArt::Fehler);
    EXPECT_EQ(s.Meldung.TonArt, angelegt ? 4 : 5);
    EXPECT_EQ(s.Meldung.TonImmer, !angelegt);
    EXPECT_EQ(s.Meldung.Knoepfe, unsigned(KnopfOK | KnopfHilfe));
    if (angelegt) {
        EXPECT_EQ(dateien.Dateien[F].size(), 192u);
    }
    if (fall.Bits == 6 || fall.Bits == 7) {
        EXPECT_EQ(dateien.Dateien[F], "daten");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Saetze, Sicherungsfehler,
    ::testing::Values(
        TFehlerFall{true, false, true, false, false, 1,
                    "Die alte Sicherungskopie '{B}' konnte nicht gelöscht werden.\r\rWahrscheinlich ist die Datei "
                    "schreibgeschützt."},
        TFehlerFall{false, true, false, true, false, 2,
                    "Von der vorhandenen Datenndatei '{F}' konnte keine Sicherungskopie angelegt werden,da die Datei "
                    "nicht umbenannt werden konnte.\r\rDie alte Datendatei wurde mit den neuen Werten überschrieben."},
        TFehlerFall{true, true, true, true, false, 3,
                    "Von der vorhandenen Datendatei '{F}' konnte keine Sicherungskopie angelegt werden, da die "
                    "Sicherungskopie '{B}' nicht gelöscht wurde.\r\rWahrscheinlich ist die Sicherungsdatei "
                    "schreibgeschützt.\rDie alte Datendatei wurde mit den neuen Werten überschrieben."},
        TFehlerFall{false, false, false, false, true, 4,
                    "Die Datendatei '{F}' konnte nicht angelegt werden.\r\rWahrscheinlich ist der Datenträger gegen "
                    "beschreiben gesichert."},
        TFehlerFall{true, false, true, false, true, 5,
                    "Die Datendatei '{F}' konnte nicht angelegt werden. Desweitern konnte die alte Sicherungskopie "
                    "'{B}' nicht gelöscht werden.\r\rWahrscheinlich ist der Datenträger gegen beschreiben gesichert."},
        TFehlerFall{false, true, false, true, true, 6,
                    "Von der vorhandenen Datenndatei '{F}' konnte keine Sicherungskopie angelegt werden, da die Datei "
                    "nicht umbenannt werden konnte.\rDie Datei konnte auch nicht überschrieben werden.\r\r"
                    "Wahrscheinlich ist der Datenträger gegen beschreiben gesichert."},
        TFehlerFall{true, true, true, true, true, 7,
                    "Die alte Datendatei '{F}' konnte nicht umbenannt werden, da die Sicherungsdatei '{B}' nicht "
                    "gelöscht wurde.\rAußerdem konnte die Datendatei nicht überschrieben werden.\r\rEntweder sind die "
                    "Dateien '{F}' und '{B}' schreibgeschützt oder der komplette Datenträger ist gegen überschreiben "
                    "gesichert."}));

TEST(Speichern, schreibfehlerWirdNieAlsErfolgGemeldet)
{
    for (const long nach : {0L, 50L, 96L, 150L, 191L}) {
        SCOPED_TRACE(nach);
        TFakeDateisystem dateien;
        dateien.Dateien["/d/AUTO.SPR"] = "vorher";
        dateien.SchreibenScheitertNach = nach;
        GlobalenZustandZuruecksetzen();
        FuellungAnhaengen(Fuellung(1, 2, 2003, 1000, 50, 40));
        Gespeichert = false;
        DateiName = "/d/AUTO.SPR";
        DatenVerzeichnis = "/x";
        const TSpeicherErgebnis s = DatenSpeichern("/d/AUTO.SPR");
        EXPECT_FALSE(s.Geschrieben);
        EXPECT_FALSE(Gespeichert);
        EXPECT_EQ(DatenVerzeichnis, "/x");
        EXPECT_EQ(s.Meldung.Hilfe, 8001);
        EXPECT_EQ(s.Meldung.Art, TKastenArt::Fehler);
        EXPECT_EQ(s.Meldung.Text,
                  "Die Datendatei '/d/AUTO.SPR' konnte nicht vollständig geschrieben werden.\r\rWahrscheinlich ist "
                  "der Datenträger voll.\rDie Daten sind noch nicht gespeichert.\rDer vorherige Stand liegt in der "
                  "Sicherungskopie '/d/AUTO.SPK'.");
        EXPECT_EQ(dateien.Dateien["/d/AUTO.SPK"], "vorher");
    }
}

TEST(Speichern, fehlerBeimSchliessenIstEinSchreibfehler)
{
    TFakeDateisystem dateien;
    dateien.SchliessenScheitert = true;
    GlobalenZustandZuruecksetzen();
    FuellungAnhaengen(Fuellung(1, 2, 2003, 1000, 50, 40));
    Gespeichert = false;
    const TSpeicherErgebnis s = DatenSpeichern("/d/NEU.SPR");
    EXPECT_FALSE(s.Geschrieben);
    EXPECT_FALSE(Gespeichert);
    EXPECT_EQ(s.Meldung.Text.find("Sicherungskopie"), std::string::npos);
}

// ---- untrusted files ---------------------------------------------------------

TEST(Zufallsdateien, ladenStuerztNieAbUndLaedtNurGueltigeDaten)
{
    MonatsTageSetzen();
    std::vector<std::string> vorlagen;
    for (const char *o : {"grund", "dm", "alt", "altewaehrung", "stationen", "muell"})
        vorlagen.push_back(DateiInhalt(FixturPfad(o, std::string(o) + ".SPR")));
    std::mt19937 zufall(4711);
    TFakeDateisystem dateien;
    for (int runde = 0; runde < 20000; ++runde) {
        std::string b;
        if (runde % 4 == 0) {
            b.resize(zufall() % 700);
            for (char &c : b)
                c = static_cast<char>(zufall());
        } else {
            b = vorlagen[zufall() % vorlagen.size()];
            const int aenderungen = 1 + zufall() % 8;
            for (int k = 0; k < aenderungen && !b.empty(); ++k)
                b[zufall() % b.size()] = static_cast<char>(zufall());
            if (zufall() % 5 == 0)
                b.resize(zufall() % (b.size() + 1));
        }
        dateien.Dateien["/f.SPR"] = b;
        GlobalenZustandZuruecksetzen();
        AnzahlTankstellen = static_cast<uint8_t>(zufall() % 3);
        const TLadeErgebnis e = DatenLaden("/f.SPR");
        if (e.Status == TLadeStatus::Geladen) {
            ASSERT_TRUE(DatenVorhanden);
            for (size_t i = 0; i < Fuellungen.size(); ++i) {
                ASSERT_EQ(DatumPruefen(Fuellungen[i].Datum.Tag, Fuellungen[i].Datum.Monat,
                                       Fuellungen[i].Datum.Jahr), 0);
                if (i > 0) {
                    ASSERT_LE(Fuellungen[i - 1].KMStand, Fuellungen[i].KMStand);
                }
            }
            // Everything shown from such data must be computable.
            ErmittleLetzteVerbrauchswerte();
            BerechneGesamtverbrauch();
            SortiereVerbrauchswerte(1 + runde % 5, runde % 2);
        } else if (e.Status == TLadeStatus::Unbrauchbar) {
            ASSERT_FALSE(DatenVorhanden);
            ASSERT_EQ(AnzahlFuellungen(), 0);
        }
    }
}
