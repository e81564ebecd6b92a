// Loading and saving from the main window: round trips through the real
// file system, older versions' fixtures, damaged files, save failures
// (fake file system) and the close query. Which text each failure gets is
// DatendateiTest's business; here: which message, and the state after it.
#include "Datendatei.h"
#include "FakeDateisystem.h"
#include "Fixtures.h"
#include "Laden3.h"
#include "Oberflaeche.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QToolButton>

#include <cmath>
#include <memory>
#include <tuple>

using namespace Qt::Literals::StringLiterals;
using N = TMeldungsNr;

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

void GleicheFuellungen(const std::vector<TTankFuellung> &erwartet)
{
    // extended goes through the file bit for bit
    const auto felder = [](const TTankFuellung &a) {
        return std::make_tuple(a.Datum.Tag, a.Datum.Monat, a.Datum.Jahr, a.KMStand, a.TankstellenNr, a.Tankstelle,
                               a.AlteWaehrung, a.Betrag, a.Liter, a.Vollgetankt, a.BetragNachAbschaltung,
                               a.LiterNachAbschaltung, a.LiterPreis);
    };
    QCOMPARE(Fuellungen.size(), erwartet.size());
    for (size_t i = 0; i < erwartet.size(); ++i)
        QVERIFY2(felder(Fuellungen[i]) == felder(erwartet[i]), qPrintable(QString::number(i)));
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

    // Many records, so that the display must follow them without a step for
    // each.
    void speichernLadenUndSicherheitskopie()
    {
        TForm1 &f = *m_form;
        DatenEingeben();
        for (int i = 3; i < 2510; ++i)
            Fuellungen.push_back(Voll(12000 + 100 * i, 1 + i % 28, 3 + (i / 28) % 10, "Jet", 40, 30, 0));
        const auto eingegeben = Fuellungen;
        const std::string datei = Pfad("Auto.SPR"), anders = Pfad("Zweit.SPR"), dritt = Pfad("Dritt.SPR");
        NaechsteDateiAuswahl(datei);
        QVERIFY(f.SpeichernClick(f.MP_1_3));   // no file yet: asks
        QVERIFY(Gespeichert);
        QCOMPARE(DateiName, datei);
        QCOMPARE(DateiInhalt(datei).size(), size_t(2511 * 96));
        QCOMPARE(f.LB_Label1->text(), u"Es werden 2.510 Datensätze gespeichert."_s);
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
        QList<int> werte;
        connect(f.LB_Proz1, &QProgressBar::valueChanged, this, [&](int w) { werte << w; });
        f.LadenClick();
        QCOMPARE(GezeigteMeldungsNr(), (QList<N>{N::UngespeichertLaden, N::UngespeichertNeu}));
        GleicheFuellungen(eingegeben);
        QCOMPARE(Kennzeichen, std::string("GI-S 123"));
        QVERIFY(Tankinhalt == 55.5L && Festverbrauch == 7.25L && Gespeichert && DatenVorhanden);
        QCOMPARE(DateiName, datei);
        QCOMPARE(DatenVerzeichnis, m_ordner->path().toStdString());
        QCOMPARE(f.LB_Label1->text(), u"Es werden 2.510 Datensätze geladen."_s);
        QCOMPARE(f.LB_Proz1->maximum(), 2510);
        QVERIFY2(werte.size() <= 102, qPrintable(QString::number(werte.size())));
        QCOMPARE(werte.last(), 2510);
        AnzeigeZu();

        // "Speichern" with a file asks nothing and keeps the old state as backup.
        const std::string vorher = DateiInhalt(datei);
        Fuellungen.back().KMStand = 11200;
        Gespeichert = false;
        NaechsteDateiAuswahl(anders);
        QVERIFY(f.SpeichernClick(f.SpeedButton5));
        QCOMPARE(DateiInhalt(Pfad("Auto.SPK")), vorher);
        const std::string nachher = DateiInhalt(datei);
        QVERIFY(nachher.size() == vorher.size() && nachher != vorher);
        QVERIFY(!QFile::exists(QString::fromStdString(anders)));

        // "Speichern unter" always asks, button and menu.
        QVERIFY(f.SpeichernClick(f.SpeedButton6));
        QCOMPARE(DateiName, anders);
        QCOMPARE(DateiInhalt(anders), nachher);
        NaechsteDateiAuswahl(dritt);
        QVERIFY(f.SpeichernClick(f.MP_1_4));
        QCOMPARE(DateiName, dritt);
        QCOMPARE(DateiInhalt(dritt), nachher);
        QCOMPARE(TQtPlattform::GezeigteMeldungen().size(), size_t(2));
    }

    // Without plate and tank capacity saving asks for them first; Yes opens
    // the plate dialog, and neither a No nor a cancelled dialog stops saving.
    void festeFragenKommenVorDemDialog()
    {
        DatenEingeben();
        Kennzeichen.clear();
        Tankinhalt = 0;
        TQtPlattform::NaechsteAntwort(mrYes);
        TQtPlattform::NaechsteAntwort(mrNo);
        NaechsteDateiAuswahl(Pfad("Auto.SPR"));
        bool dialogGesehen = false;
        QTimer::singleShot(0, this, [&] {
            if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                dialogGesehen = true;
                d->reject();
            }
        });
        QVERIFY(m_form->SpeichernClick(m_form->MP_1_3));
        QVERIFY(dialogGesehen);
        QCOMPARE(GezeigteMeldungsNr(), (QList<N>{N::KeinKennzeichen, N::KeinTankinhalt}));
        QVERIFY(Gespeichert);
        QCOMPARE(DateiName, Pfad("Auto.SPR"));
        QCOMPARE(DateiInhalt(DateiName).size(), size_t(4 * 96));
    }

    // Loading a file that needs a message, over three unsaved fill-ups: the
    // messages in order (an incomplete file is said first, what loading
    // adapted follows), what is loaded and whether it counts as saved.
    void ladenMitMeldungen_data()
    {
        QTest::addColumn<QString>("ordner");   // fixture, "kaputt" or "fehlt"
        QTest::addColumn<int>("abgeschnitten");   // bytes cut off the end
        QTest::addColumn<QList<N>>("nummern");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<bool>("gespeichert");
        QTest::newRow("altes Format") << u"alt"_s << 0 << QList<N>{N::AngepasstFormat} << 4 << false;
        QTest::newRow("DM-Beträge") << u"dm"_s << 0 << QList<N>{N::AngepasstFormat} << 3 << false;
        QTest::newRow("alte Währung") << u"altewaehrung"_s << 0 << QList<N>{N::AngepasstWaehrung} << 4 << false;
        // Cut inside the last record: one less and a piece of it.
        QTest::newRow("unvollständig") << u"grund"_s << 50 << QList<N>{N::DatenUnvollstaendig} << 2 << true;
        QTest::newRow("unvollständig, dann Anpassung")
            << u"dm"_s << 50 << QList<N>{N::DatenUnvollstaendig, N::AngepasstFormat} << 2 << false;
        QTest::newRow("kaputt: Daten weg") << u"kaputt"_s << 0 << QList<N>{N::DatenUnbrauchbar} << 0 << true;
        QTest::newRow("fehlt: Daten bleiben") << u"fehlt"_s << 0 << QList<N>{N::DatenNichtZugreifbar} << 3 << false;
    }

    void ladenMitMeldungen()
    {
        QFETCH(QString, ordner);
        QFETCH(int, abgeschnitten);
        QFETCH(QList<N>, nummern);
        const std::string name = ordner.toStdString(), datei = Pfad("Auto.SPR");
        const auto eingegeben = DatenEingeben();
        if (name == "kaputt") {
            DateiSchreiben(datei, std::string(4 * 96, '\xFF'));
        } else if (name != "fehlt") {
            const std::string ganz = DateiInhalt(FixturPfad(name, name + ".SPR"));
            DateiSchreiben(datei, ganz.substr(0, ganz.size() - abgeschnitten));
            TankstellenlisteLesen(FixturPfad(name, "SPRILO.INI"));
        }
        TQtPlattform::NaechsteAntwort(mrNo);   // unsaved data: load all the same
        for (int i = 0; i < nummern.size(); ++i)
            TQtPlattform::NaechsteAntwort(mrOk);
        NaechsteDateiAuswahl(datei);
        m_form->LadenClick();
        AnzeigeZu();
        QCOMPARE(GezeigteMeldungsNr(), QList<N>{N::UngespeichertLaden} + nummern);
        QTEST(AnzahlFuellungen(), "anzahl");
        QTEST(Gespeichert, "gespeichert");
        QCOMPARE(DatenVorhanden, AnzahlFuellungen() > 0);
        if (name == "fehlt")
            return GleicheFuellungen(eingegeben);
        QCOMPARE(DateiName, datei);
        if (name == "dm")
            QVERIFY(std::fabs(static_cast<double>(Fuellungen[0].Betrag) - 51.13) < 0.005);
    }

    // A file named from outside (command line, second start) loads as
    // "Laden" does, without the dialog. It waits while a modal window is
    // open; a newer one replaces a waiting one.
    void dateiVonAussenWieLaden()
    {
        const std::string datei = Pfad("Auto.SPR");
        DateiSchreiben(datei, DateiInhalt(FixturPfad("grund", "grund.SPR")));
        TankstellenlisteLesen(FixturPfad("grund", "SPRILO.INI"));
        const auto eingegeben = DatenEingeben();
        TQtPlattform::NaechsteAntwort(mrCancel);   // Abbrechen keeps everything
        m_form->DateiOeffnen(QString::fromStdString(datei));
        QTRY_COMPARE(GezeigteMeldungsNr(), QList<N>{N::UngespeichertLaden});
        GleicheFuellungen(eingegeben);
        QVERIFY(!Gespeichert && DateiName.empty());

        QDialog modal(m_form.get());
        modal.setModal(true);
        TQtPlattform::FensterErwarten();
        modal.show();
        m_form->DateiOeffnen(QString::fromStdString(Pfad("fehlt.SPR")));
        m_form->DateiOeffnen(QString::fromStdString(datei));
        QTest::qWait(600);   // long enough for a wrongly loading timer to fire
        QCOMPARE(GezeigteMeldungsNr().size(), 1);
        TQtPlattform::NaechsteAntwort(mrNo);
        modal.close();
        QTRY_COMPARE(DateiName, datei);
        QCOMPARE(GezeigteMeldungsNr(), (QList<N>{N::UngespeichertLaden, N::UngespeichertLaden}));
        QVERIFY(Gespeichert && AnzahlFuellungen() == 3);
        AnzeigeZu();

        // A missing file gets Laden's message, and the data stay.
        TQtPlattform::NaechsteAntwort(mrOk);
        m_form->DateiOeffnen(QString::fromStdString(Pfad("fehlt.SPR")));
        QTRY_COMPARE(GezeigteMeldungsNr().size(), 3);
        QCOMPARE(GezeigteMeldungsNr().last(), N::DatenNichtZugreifbar);
        QVERIFY(Gespeichert && AnzahlFuellungen() == 3 && DateiName == datei);

        // An open menu gives way.
        QVERIFY(QFile::copy(QString::fromStdString(datei), QString::fromStdString(Pfad("Zweit.SPR"))));
        m_form->MP_1->popup(m_form->mapToGlobal(QPoint(10, 10)));
        QTRY_VERIFY(QApplication::activePopupWidget() == m_form->MP_1);
        m_form->DateiOeffnen(QString::fromStdString(Pfad("Zweit.SPR")));
        QTRY_COMPARE(DateiName, Pfad("Zweit.SPR"));
        QVERIFY(!m_form->MP_1->isVisible());
    }

    void speicherfehlerWerdenGemeldet_data()
    {
        QTest::addColumn<int>("fall");
        QTest::addColumn<int>("nr");
        // Sets 1..3 wrote the new file (warning), 4..7 could not create it.
        for (int fall = 1; fall <= 7; ++fall)
            QTest::addRow("Fehlersatz %d", fall) << fall << int(N::Sicherung1) + fall - 1;
        QTest::newRow("Schreibfehler") << 8 << int(N::SchreibfehlerNeu);
        QTest::newRow("Verzeichnis unter dem Namen") << 9 << int(N::KeineDatei);
    }

    void speicherfehlerWerdenGemeldet()
    {
        QFETCH(int, fall);
        QFETCH(int, nr);
        const bool geschrieben = fall < 4;
        const int bits = fall < 8 ? fall : 0;
        TFakeDateisystem fs;
        const std::string F = "/daten/Auto.SPR";
        fs.Dateien["/daten/Auto.SPK"] = "alt";
        if (bits & 2)
            fs.Dateien[F] = "bisher";   // only an existing file can fail to be renamed
        if (fall == 9)
            fs.Andere = {F};
        fs.LoeschenScheitert = bits & 1;
        fs.UmbenennenScheitert = bits & 2;
        fs.ErsetzenScheitert = bits & 4;   // written, but it cannot take the file's name
        fs.SchreibenScheitertNach = fall == 8 ? 150 : -1;
        DatenEingeben();
        DateiName = F;
        TQtPlattform::NaechsteAntwort(mrOk);

        QCOMPARE(m_form->SpeichernClick(m_form->MP_1_3), geschrieben);
        QCOMPARE(GezeigteMeldungsNr(), QList<N>{N(nr)});
        QCOMPARE(Gespeichert, geschrieben);
        QCOMPARE(DateiName, F);
        QVERIFY(!QApplication::overrideCursor());
    }

    // Closing with unsaved data asks; Yes saves first, and a failed save
    // keeps the window open (closing would lose the data). "Beenden" asks
    // for itself only when the data are saved. Closing writes the
    // configuration first, whatever the answer.
    void schliessenFragtNachUngespeichertenDaten_data()
    {
        QTest::addColumn<bool>("beenden");   // by the command, not by closing the window
        QTest::addColumn<bool>("gespeichert");
        QTest::addColumn<int>("antwort");
        QTest::addColumn<QString>("datei");   // chosen in the dialog after Yes; "" cancels it
        QTest::addColumn<bool>("erzeugenScheitert");
        QTest::addColumn<bool>("geschlossen");
        const QString F = u"/daten/Auto.SPR"_s;
        QTest::newRow("gespeichert: ohne Frage") << false << true << 0 << F << false << true;
        QTest::newRow("Nein: schließt") << false << false << mrNo << F << false << true;
        QTest::newRow("Abbrechen: bleibt offen") << false << false << mrAbort << F << false << false;
        QTest::newRow("Ja: speichert und schließt") << false << false << mrYes << F << false << true;
        QTest::newRow("Ja, Dialog abgebrochen: schließt") << false << false << mrYes << QString() << false << true;
        QTest::newRow("Ja, Speichern scheitert: bleibt offen") << false << false << mrYes << F << true << false;
        QTest::newRow("Beenden, gespeichert, Ja") << true << true << mrYes << F << false << true;
        QTest::newRow("Beenden, gespeichert, Nein") << true << true << mrNo << F << false << false;
        QTest::newRow("Beenden, ungespeichert: gleich die Schließfrage")
            << true << false << mrAbort << F << false << false;
    }

    void schliessenFragtNachUngespeichertenDaten()
    {
        QFETCH(bool, beenden);
        QFETCH(bool, gespeichert);
        QFETCH(int, antwort);
        QFETCH(QString, datei);
        QFETCH(bool, erzeugenScheitert);
        QFETCH(bool, geschlossen);
        TFakeDateisystem fs;
        fs.ErzeugenScheitert = erzeugenScheitert;
        KonfigSchreibbar = true;
        DatenEingeben();
        Gespeichert = gespeichert;
        if (antwort)
            TQtPlattform::NaechsteAntwort(antwort);
        QList<N> nummern;
        if (beenden && gespeichert)
            nummern << N::BeendenBestaetigen;
        if (!gespeichert)
            nummern << N::UngespeichertBeenden;
        if (antwort == mrYes && !gespeichert)
            NaechsteDateiAuswahl(datei.toStdString());
        if (erzeugenScheitert) {
            TQtPlattform::NaechsteAntwort(mrOk);
            nummern << N::Sicherung4;   // the new file could not be created
        }

        if (beenden)
            m_form->MP_EndeClick();
        else
            QCOMPARE(m_form->close(), geschlossen);
        QCOMPARE(m_form->isVisible(), !geschlossen);
        QCOMPARE(GezeigteMeldungsNr(), nummern);
        const bool konfig = !erzeugenScheitert && !(beenden && gespeichert && antwort == mrNo);
        QCOMPARE(fs.Dateien[KonfigVerzeichnis + "SPRILO.INI"].size(), konfig ? size_t(KonfigGroesse) : 0);
        const bool gesichert = !gespeichert && antwort == mrYes && !datei.isEmpty() && !erzeugenScheitert;
        QCOMPARE(fs.Dateien[datei.toStdString()].size(), gesichert ? size_t(4 * 96) : 0);
        QCOMPARE(Gespeichert, gespeichert || gesichert);
        QCOMPARE(AnzahlFuellungen(), 3);
    }
};

QTEST_MAIN(DateienTest)
#include "DateienTest.moc"
