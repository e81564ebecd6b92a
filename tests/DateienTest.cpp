// Loading and saving from the main window: round trips through the real
// file system, older versions' fixtures, damaged files, save failures
// (fake file system) and the close query.
#include "Datendatei.h"
#include "FakeDateisystem.h"
#include "Fixtures.h"
#include "Laden3.h"
#include "Oberflaeche.h"
#include "Zusatz1.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <cmath>
#include <memory>
#include <tuple>

using namespace Qt::Literals::StringLiterals;

namespace {

TTankFuellung Voll(int km, int tag, int monat, const std::string &station, long double betrag, long double liter,
                   long double nachAbschaltung)
{
    TTankFuellung f = Fuellung(km, tag, monat, 2003, station);
    f.TankstellenNr = static_cast<int8_t>(TankstellenIndex(station));
    f.AlteWaehrung = 0;
    f.Betrag = betrag, f.Liter = liter;
    f.Vollgetankt = nachAbschaltung > 0 ? 1 : 0;
    f.LiterNachAbschaltung = nachAbschaltung;
    f.BetragNachAbschaltung = betrag * nachAbschaltung / liter;
    f.LiterPreis = LiterPreisBerechnen(betrag, liter);
    return f;
}

// Three unsaved fill-ups as the entry panel would leave them.
std::vector<TTankFuellung> DatenEingeben()
{
    Tankstellen[0] = "Aral", Tankstellen[1] = "Jet", AnzahlTankstellen = 2;
    Kennzeichen = "GI-S 123", Tankinhalt = 55.5L, Festverbrauch = 7.25L;
    ListeLoeschen(Fuellungen);
    Fuellungen.push_back(Voll(10000, 3, 1, "Aral", 51.37L, 40.12L, 1.5L));
    Fuellungen.push_back(Voll(10612, 21, 1, "Jet", 47.09L, 38.4L, 0));
    Fuellungen.push_back(Voll(11180, 9, 2, "Shell Südring", 44.8L, 36.75L, 2.25L));
    DatenVorhanden = DatenLogisch = true;
    Gespeichert = false;
    return Fuellungen;
}

auto Felder(const TTankFuellung &a)
{
    // extended goes through the file bit for bit
    return std::make_tuple(a.Datum.Tag, a.Datum.Monat, a.Datum.Jahr, a.KMStand, a.TankstellenNr, a.Tankstelle,
                           a.AlteWaehrung, a.Betrag, a.Liter, a.Vollgetankt, a.BetragNachAbschaltung,
                           a.LiterNachAbschaltung, a.LiterPreis);
}

void GleicheFuellungen(const std::vector<TTankFuellung> &erwartet)
{
    QCOMPARE(Fuellungen.size(), erwartet.size());
    for (size_t i = 0; i < erwartet.size(); ++i)
        QVERIFY2(Felder(Fuellungen[i]) == Felder(erwartet[i]), qPrintable(QString::number(i)));
}

const TMeldung &Letzte() { return TQtPlattform::GezeigteMeldungen().back(); }

QList<int> Codes()
{
    QList<int> c;
    for (const TMeldung &m : TQtPlattform::GezeigteMeldungen())
        c << m.Code;
    return c;
}

void PruefeMeldung(const TMeldung &m, int code, int ton, bool immer, TKastenArt art)
{
    QCOMPARE(m.Code, code);
    QCOMPARE(m.Hilfe, code);
    QCOMPARE(m.TonArt, ton);
    QCOMPARE(m.TonImmer, immer);
    QCOMPARE(int(m.Art), int(art));
}

} // namespace

class DateienTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestPlattform> m_plattform;
    std::unique_ptr<TForm1> m_form;
    std::unique_ptr<QTemporaryDir> m_ordner;

    std::string Pfad(const char *name) const { return m_ordner->filePath(QString::fromUtf8(name)).toStdString(); }

    // The box is gone and the hourglass back to normal.
    void AnzeigeZu()
    {
        QVERIFY(!m_form->LadeBox1->isVisible());
        QVERIFY(!QApplication::overrideCursor());
    }

private slots:
    void init()
    {
        m_ordner = std::make_unique<QTemporaryDir>();
        QVERIFY(m_ordner->isValid());
        QVERIFY(HauptfensterStarten(m_plattform, m_form));
        KonfigVerzeichnis = m_ordner->path().toStdString() + "/";
        WarnTonAn = false;
    }

    void cleanup()
    {
        QCOMPARE(HauptfensterBeenden(m_plattform, m_form), 0);
        m_ordner.reset();
    }

    void speichernLadenUndSicherheitskopie()
    {
        TForm1 &f = *m_form;
        const auto eingegeben = DatenEingeben();
        const std::string datei = Pfad("Auto.SPR"), anders = Pfad("Zweit.SPR"), dritt = Pfad("Dritt.SPR");
        NaechsteDateiAuswahl(datei);
        QVERIFY(f.SpeichernClick(f.MP_1_3));   // no file yet: asks
        QVERIFY(Gespeichert);
        QCOMPARE(DateiName, datei);
        QCOMPARE(DateiInhalt(datei).size(), size_t(4 * 96));
        QCOMPARE(f.LB_Label1->text(), u"Es werden 3 Datensätze gespeichert."_s);
        AnzeigeZu();

        // Yes to the load question means "save by hand first": nothing loads.
        Gespeichert = false;
        Fuellungen.back().KMStand = 11111;
        TQtPlattform::NaechsteAntwort(mrYes);
        NaechsteDateiAuswahl(datei);   // left for the load after "Neu"
        f.LadenClick();
        QCOMPARE(Fuellungen.back().KMStand, 11111);
        Fuellungen.back().KMStand = eingegeben.back().KMStand;
        TQtPlattform::NaechsteAntwort(mrNo);
        f.DatenNeuClick();
        QCOMPARE(AnzahlFuellungen(), 0);
        QCOMPARE(Kennzeichen, std::string());
        f.LadenClick();
        QCOMPARE(Codes(), (QList<int>{8107, 8107}));
        GleicheFuellungen(eingegeben);
        QCOMPARE(Kennzeichen, std::string("GI-S 123"));
        QVERIFY(Tankinhalt == 55.5L && Festverbrauch == 7.25L);
        QVERIFY(Gespeichert && DatenVorhanden);
        QCOMPARE(DateiName, datei);
        QCOMPARE(DatenVerzeichnis, m_ordner->path().toStdString());
        QCOMPARE(f.LB_Label1->text(), u"Es werden 3 Datensätze geladen."_s);
        QCOMPARE(f.LB_Proz1->maximum(), 3);
        QCOMPARE(f.LB_Proz1->value(), 3);
        AnzeigeZu();

        // "Speichern" with a file asks nothing and keeps the old state as backup.
        const std::string vorher = DateiInhalt(datei);
        Fuellungen.back().KMStand = 11200;
        Gespeichert = false;
        NaechsteDateiAuswahl(anders);
        QVERIFY(f.SpeichernClick(f.SpeedButton5));
        QCOMPARE(DateiInhalt(Pfad("Auto.SPK")), vorher);
        const std::string nachher = DateiInhalt(datei);
        QCOMPARE(nachher.size(), vorher.size());
        QVERIFY(nachher != vorher);
        QVERIFY(!QFile::exists(QString::fromStdString(anders)));

        // "Speichern unter" always asks, button and menu.
        QVERIFY(f.SpeichernClick(f.SpeedButton6));
        QCOMPARE(DateiName, anders);
        QCOMPARE(DateiInhalt(anders), nachher);
        NaechsteDateiAuswahl(dritt);
        QVERIFY(f.SpeichernClick(f.MP_1_4));
        QCOMPARE(DateiName, dritt);
        QCOMPARE(DateiInhalt(dritt), nachher);
        QCOMPARE(Codes(), (QList<int>{8107, 8107}));
    }

    void anzeigeFolgtDenSaetzenOhneJedenEinzeln()
    {
        TForm1 &f = *m_form;
        DatenEingeben();
        Fuellungen.clear();
        for (int i = 0; i < 2510; ++i)
            Fuellungen.push_back(Voll(1000 + 100 * i, 1 + i % 28, 1 + (i / 28) % 12, "Jet", 40, 30, 0));
        const std::string datei = Pfad("Lang.SPR");
        NaechsteDateiAuswahl(datei);
        QVERIFY(f.SpeichernClick(f.MP_1_3));
        QCOMPARE(f.LB_Label1->text(), u"Es werden 2.510 Datensätze gespeichert."_s);

        QList<int> werte;
        connect(f.LB_Proz1, &QProgressBar::valueChanged, this, [&](int w) { werte << w; });
        NaechsteDateiAuswahl(datei);
        f.LadenClick();
        QCOMPARE(AnzahlFuellungen(), 2510);
        QCOMPARE(f.LB_Label1->text(), u"Es werden 2.510 Datensätze geladen."_s);
        QVERIFY2(werte.size() <= 102, qPrintable(QString::number(werte.size())));
        QCOMPARE(werte.last(), 2510);
    }

    void festeFragenKommenVorDemDialog()
    {
        TForm1 &f = *m_form;
        DatenEingeben();
        Kennzeichen.clear();
        Tankinhalt = 0;
        WarnTonAn = true;
        TQtPlattform::NaechsteAntwort(mrNo);
        TQtPlattform::NaechsteAntwort(mrNo);
        NaechsteDateiAuswahl("");
        QVERIFY(f.SpeichernClick(f.MP_1_3));   // a cancelled dialog is no failure
        QCOMPARE(Codes(), (QList<int>{8211, 8213}));
        for (const TMeldung &m : TQtPlattform::GezeigteMeldungen()) {
            PruefeMeldung(m, m.Code, 1, false, TKastenArt::Bestaetigen);
            QCOMPARE(m.Knoepfe, unsigned(KnopfJa | KnopfNein | KnopfHilfe));
        }
        QVERIFY(TQtPlattform::GezeigteMeldungen()[0].Text.find("KFZ-Kennzeichen ändern\" eingegeben")
                != std::string::npos);
        QCOMPARE(m_plattform->Toene, (std::vector<int>{1, 1}));
        QVERIFY(!Gespeichert);
        QCOMPARE(DateiName, std::string());

        // Yes opens the plate dialog, then saving goes on.
        TQtPlattform::TestZustandLoeschen();
        Tankinhalt = 50;
        DateiName = Pfad("Auto.SPR");
        TQtPlattform::NaechsteAntwort(mrYes);
        bool dialogGesehen = false;
        QTimer::singleShot(0, this, [&] {
            if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                dialogGesehen = true;
                d->reject();
            }
        });
        QVERIFY(f.SpeichernClick(f.MP_1_3));
        QVERIFY(dialogGesehen);
        QCOMPARE(Codes(), QList<int>{8211});
        QCOMPARE(DateiInhalt(DateiName).size(), size_t(4 * 96));
    }

    void alteVersionenWerdenAngepasst_data()
    {
        QTest::addColumn<QString>("ordner");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("anzahl");
        QTest::newRow("altes Format") << u"alt"_s << 8214 << 4;
        QTest::newRow("DM-Beträge") << u"dm"_s << 8214 << 3;
        QTest::newRow("alte Währung") << u"altewaehrung"_s << 8218 << -1;
    }

    void alteVersionenWerdenAngepasst()
    {
        QFETCH(QString, ordner);
        QFETCH(int, code);
        QFETCH(int, anzahl);
        const std::string name = ordner.toStdString(), datei = FixturPfad(name, name + ".SPR");
        NaechsteDateiAuswahl(datei);
        TQtPlattform::NaechsteAntwort(mrOk);
        m_form->LadenClick();
        QCOMPARE(Codes(), QList<int>{code});
        PruefeMeldung(Letzte(), code, 2, false, TKastenArt::Information);
        QVERIFY(Letzte().Text.rfind("Die gespeicherten Daten wurden angepasst.\r\r", 0) == 0);
        QVERIFY(m_plattform->Toene.empty());   // sounds are off
        QVERIFY(!Gespeichert);
        QCOMPARE(DateiName, datei);
        QCOMPARE(AnzahlFuellungen(), anzahl < 0 ? int(FixturLesen(name).Fuellungen.size()) : anzahl);
        if (name == "dm")
            QVERIFY(std::fabs(static_cast<double>(Fuellungen[0].Betrag) - 51.13) < 0.005);
    }

    void ladenScheitert_data()
    {
        QTest::addColumn<int>("fall");
        QTest::newRow("kaputt, mit Sicherheitskopie") << 0;
        QTest::newRow("kaputt, ohne Sicherheitskopie") << 1;
        QTest::newRow("fehlt: Daten bleiben") << 2;
    }

    void ladenScheitert()
    {
        QFETCH(int, fall);
        const std::string datei = Pfad(fall == 2 ? "Fehlt.SPR" : "Kaputt.SPR"), kopie = Pfad("Kaputt.SPK");
        if (fall < 2)
            DateiSchreiben(datei, std::string(4 * 96, '\xFF'));
        if (fall == 0)
            DateiSchreiben(kopie, DateiInhalt(FixturPfad("grund", "grund.SPR")));
        const auto eingegeben = DatenEingeben();
        Gespeichert = true;
        NaechsteDateiAuswahl(datei);
        TQtPlattform::NaechsteAntwort(mrOk);
        m_form->LadenClick();
        AnzeigeZu();
        if (fall == 2) {
            QCOMPARE(Codes(), QList<int>{8106});
            QCOMPARE(m_plattform->Toene, std::vector<int>{4});
            return GleicheFuellungen(eingegeben);
        }
        QCOMPARE(Codes(), QList<int>{8002});
        std::string erwartet = "Die Datendatei '" + datei + "' war fehlerhaft.\rDie Daten können nicht benutzt werden.";
        if (fall == 0)
            erwartet += "\r\rVersuchen Sie die Sicherheitskopie '" + kopie + "' zu öffnen.";
        QCOMPARE(Letzte().Text, erwartet + "\r\rCode : 8002");
        QCOMPARE(Letzte().Hilfe, 8002);
        QCOMPARE(int(Letzte().Art), int(TKastenArt::Fehler));
        QCOMPARE(m_plattform->Toene, std::vector<int>{5});
        QCOMPARE(AnzahlFuellungen(), 0);
        QVERIFY(!DatenVorhanden);
        QCOMPARE(DateiName, datei);
    }

    void speicherfehlerWerdenGemeldet_data()
    {
        QTest::addColumn<int>("fall");
        // Sets 1..3 wrote the new file (warning), 4..7 could not create it;
        // 8 is a write error.
        for (int fall = 1; fall <= 8; ++fall)
            QTest::addRow("Fehlersatz %d", fall) << fall;
    }

    void speicherfehlerWerdenGemeldet()
    {
        QFETCH(int, fall);
        const bool geschrieben = fall < 4;
        const int bits = fall < 8 ? fall : 0, code = geschrieben ? 8105 : 8001, ton = geschrieben ? 4 : 5;
        TFakeDateisystem fs;
        const std::string F = "/daten/Auto.SPR", B = "/daten/Auto.SPK";
        fs.Dateien[B] = "alt";
        if (bits & 2)
            fs.Dateien[F] = "bisher";   // only an existing file can fail to be renamed
        fs.LoeschenScheitert = bits & 1;
        fs.UmbenennenScheitert = bits & 2;
        fs.ErsetzenScheitert = bits & 4;   // written, but it cannot take the file's name
        fs.SchreibenScheitertNach = fall == 8 ? 150 : -1;
        DatenEingeben();
        DateiName = F;
        WarnTonAn = true;
        TQtPlattform::NaechsteAntwort(mrOk);

        QCOMPARE(m_form->SpeichernClick(m_form->MP_1_3), geschrieben);
        QCOMPARE(Codes(), QList<int>{code});
        PruefeMeldung(Letzte(), code, ton, !geschrieben, geschrieben ? TKastenArt::Warnung : TKastenArt::Fehler);
        QCOMPARE(Letzte().Knoepfe, unsigned(KnopfOK | KnopfHilfe));
        QCOMPARE(m_plattform->Toene, std::vector<int>{ton});
        QCOMPARE(Gespeichert, geschrieben);
        QCOMPARE(DateiName, F);
        if (bits)
            QCOMPARE(Letzte().Text, Sicherungsmeldung(bits, F, B).Text);
        QVERIFY(!QApplication::overrideCursor());
    }

    void unvollstaendigeDateiWarntVorDerMeldung_data()
    {
        QTest::addColumn<QString>("ordner");
        QTest::addColumn<bool>("mitKopie");
        QTest::addColumn<QList<int>>("codes");
        QTest::newRow("nur die Warnung") << u"grund"_s << false << QList<int>{8219};
        QTest::newRow("mit Sicherheitskopie") << u"grund"_s << true << QList<int>{8219};
        QTest::newRow("Warnung, dann Anpassung") << u"dm"_s << false << QList<int>{8219, 8214};
    }

    void unvollstaendigeDateiWarntVorDerMeldung()
    {
        QFETCH(QString, ordner);
        QFETCH(bool, mitKopie);
        QFETCH(QList<int>, codes);
        // The fixture with the last 50 bytes cut off: one record less and a piece of it.
        const std::string name = ordner.toStdString(), datei = Pfad("Kurz.SPR"), kopie = Pfad("Kurz.SPK");
        const std::string ganz = DateiInhalt(FixturPfad(name, name + ".SPR"));
        DateiSchreiben(datei, ganz.substr(0, ganz.size() - 50));
        if (mitKopie)
            DateiSchreiben(kopie, ganz);
        const int n = int(ganz.size() / 96 - 1);
        TankstellenlisteLesen(FixturPfad(name, "SPRILO.INI"));
        NaechsteDateiAuswahl(datei);
        for (int i = 0; i < codes.size(); ++i)
            TQtPlattform::NaechsteAntwort(mrOk);
        m_form->LadenClick();
        AnzeigeZu();
        QCOMPARE(Codes(), codes);
        const TMeldung &w = TQtPlattform::GezeigteMeldungen().front();
        PruefeMeldung(w, 8219, 2, true, TKastenArt::Warnung);
        QCOMPARE(w.Text, "Die Datendatei '" + datei + "' ist offenbar unvollständig.\rEs konnten nur "
                             + std::to_string(n - 1) + " von " + std::to_string(n) + " Tankfüllungen gelesen werden."
                             + (mitKopie ? "\r\rBitte prüfen Sie, ob die Sicherheitskopie '" + kopie
                                               + "' vollständig ist." : std::string())
                             + "\r\rCode : 8219");
        // What is there is loaded; the warning itself leaves the data saved.
        QCOMPARE(AnzahlFuellungen(), n - 1);
        QCOMPARE(Gespeichert, codes.size() == 1);
        QCOMPARE(DateiName, datei);
    }

    void speichernInEinVerzeichnisAendertNichts()
    {
        const std::string ordner = Pfad("Ordner.SPR");
        QVERIFY(QDir().mkdir(QString::fromStdString(ordner)));
        DatenEingeben();
        DateiName = ordner;
        TQtPlattform::NaechsteAntwort(mrOk);
        QVERIFY(!m_form->SpeichernClick(m_form->MP_1_3));
        QCOMPARE(Codes(), QList<int>{8001});
        PruefeMeldung(Letzte(), 8001, 5, true, TKastenArt::Fehler);
        QCOMPARE(Letzte().Text, "Unter dem Namen '" + ordner + "' gibt es schon ein Verzeichnis oder etwas anderes "
                                "als eine Datei.\rDie Daten wurden nicht gespeichert.\r\rBitte wählen Sie mit "
                                "\"Speichern unter\" einen anderen Namen.");
        QVERIFY(!Gespeichert);
        QVERIFY(QFileInfo(QString::fromStdString(ordner)).isDir());
        QCOMPARE(QDir(m_ordner->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{u"Ordner.SPR"_s});
        AnzeigeZu();
    }

    void schliessenMitJaSpeichert_data()
    {
        QTest::addColumn<bool>("erzeugenScheitert");
        QTest::addColumn<bool>("abbrechen");
        QTest::newRow("Speichern scheitert: bleibt offen") << true << false;
        QTest::newRow("Dialog abgebrochen: schließt") << false << true;
        QTest::newRow("gespeichert: schließt") << false << false;
    }

    void schliessenMitJaSpeichert()
    {
        QFETCH(bool, erzeugenScheitert);
        QFETCH(bool, abbrechen);
        TFakeDateisystem fs;
        fs.ErzeugenScheitert = erzeugenScheitert;
        DatenEingeben();
        TQtPlattform::NaechsteAntwort(mrYes);
        if (erzeugenScheitert)
            TQtPlattform::NaechsteAntwort(mrOk);
        if (abbrechen)
            NaechsteDateiAuswahl("");
        else
            DateiName = "/daten/Auto.SPR";

        QCOMPARE(m_form->close(), !erzeugenScheitert);
        QCOMPARE(m_form->isVisible(), erzeugenScheitert);
        QCOMPARE(AnzahlFuellungen(), 3);
        QCOMPARE(Codes().first(), 8108);
        QCOMPARE(fs.Dateien.count("/daten/Auto.SPR") > 0, !erzeugenScheitert && !abbrechen);
        QCOMPARE(Gespeichert, !erzeugenScheitert && !abbrechen);
    }
};

QTEST_MAIN(DateienTest)
#include "DateienTest.moc"
