// Import and export through the "Datei" menu: the question about unsaved
// data, the choice with refused lines, the state the import leaves, and an
// export that reads back. The rules of the file format are
// SpritmonitorTest's business.
#include "Laden3.h"
#include "Oberflaeche.h"
#include "Spritmonitor.h"

#include <QAction>
#include <QTemporaryDir>

#include <fstream>

using namespace Qt::Literals::StringLiterals;
using N = TMeldungsNr;

namespace {

const std::string Kopf = "Datum;Km-Stand;Teil-Km;Spritmenge;Kosten;Währung;Tankart;Reifen;Strecken;Fahrweise;"
                         "Kraftstoff;Bemerkung;Verbrauch\r\n";
const std::string ZweiZeilen = "02.01.2022;2000;500;40,00;50,00;EUR;1;;;;;Aral;\r\n"
                               "01.01.2022;1500;0;40,00;50,00;EUR;1;;;;;Jet;\r\n";

// One unsaved fill-up under a file name, as typing would leave it.
void AlteDaten()
{
    Fuellungen = {Eintrag(700, "01.01.2020", "Shell", "40,00", "30,00", "30,00")};
    DatenVorhanden = true;
    Gespeichert = false;
    DateiName = "/d/ALT.SPR";
}

std::string Kilometer()
{
    std::string s;
    for (const TTankFuellung &f : Fuellungen)
        s += std::to_string(f.KMStand) + " ";
    return s;
}

} // namespace

class AustauschTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestPlattform> m_plattform;
    std::unique_ptr<TForm1> m_form;
    QTemporaryDir m_ordner;

    std::string Datei(const char *name, const std::string &inhalt)
    {
        const std::string pfad = m_ordner.filePath(QString::fromUtf8(name)).toStdString();
        std::ofstream(pfad, std::ios::binary) << inhalt;
        return pfad;
    }

private slots:
    void init() { QVERIFY(HauptfensterStarten(m_plattform, m_form, AlteDaten)); }
    void cleanup() { QCOMPARE(HauptfensterBeenden(m_plattform, m_form), 0); }

    void importFragtNachUngespeichertenDatenUndFragtBeiFehlerhaftenZeilen_data()
    {
        QTest::addColumn<QString>("zeilen");
        QTest::addColumn<QList<int>>("antworten");
        QTest::addColumn<bool>("dateiDialog");
        QTest::addColumn<QList<TMeldungsNr>>("meldungen");
        QTest::addColumn<QString>("kilometer");
        QTest::newRow("erst speichern") << QString() << QList<int>{mrYes} << false
                                        << QList<TMeldungsNr>{N::UngespeichertImport} << u"700 "_s;
        QTest::newRow("alles gueltig") << QString() << QList<int>{mrNo, mrOk} << true
                                       << QList<TMeldungsNr>{N::UngespeichertImport, N::ImportFertig}
                                       << u"1500 2000 "_s;
        const QString usd = u"01.01.2021;100;;40,00;50,00;USD;1;;;;;;\r\n"_s;
        QTest::newRow("gueltige uebernehmen")
            << usd << QList<int>{mrNo, mrYes, mrOk} << true
            << QList<TMeldungsNr>{N::UngespeichertImport, N::ImportTeilweise, N::ImportFertig} << u"1500 2000 "_s;
        QTest::newRow("nichts uebernehmen") << usd << QList<int>{mrNo, mrNo} << true
                                            << QList<TMeldungsNr>{N::UngespeichertImport, N::ImportTeilweise}
                                            << u"700 "_s;
    }

    void importFragtNachUngespeichertenDatenUndFragtBeiFehlerhaftenZeilen()
    {
        QFETCH(QString, zeilen);
        QFETCH(QList<int>, antworten);
        QFETCH(bool, dateiDialog);
        QFETCH(QList<TMeldungsNr>, meldungen);
        QFETCH(QString, kilometer);
        const std::string pfad = Datei("ein.csv", Kopf + ZweiZeilen + zeilen.toStdString());
        for (int a : antworten)
            TQtPlattform::NaechsteAntwort(a);
        if (dateiDialog)
            NaechsteDateiAuswahl(pfad);

        m_form->MP_1_Import->trigger();

        QCOMPARE(GezeigteMeldungsNr(), meldungen);
        QCOMPARE(QString::fromStdString(Kilometer()), kilometer);
        const bool importiert = kilometer != u"700 "_s;
        // The imported log is unsaved and has no name, so saving asks for one.
        QCOMPARE(DateiName, importiert ? std::string() : std::string("/d/ALT.SPR"));
        QVERIFY(!Gespeichert);
        QVERIFY(m_form->MP_1_3->isEnabled());
        // The refused line is listed below the question.
        if (meldungen.contains(N::ImportTeilweise))
            QCOMPARE(TQtPlattform::GezeigteMeldungen()[1].Details,
                     std::string("Zeile 4: Währung „USD“: Sprilo rechnet nur in Euro; Tankfüllungen in anderer "
                                 "Währung werden nicht übernommen."));
        if (importiert) {
            QCOMPARE(Fuellungen.back().Tankstelle, std::string("Aral"));
            QVERIFY(m_form->IB_Label4->text().contains(u"nicht gespeichert"_s));
        }
    }

    void unbrauchbareDateiLaesstDieDatenUnveraendert()
    {
        Gespeichert = true;
        NaechsteDateiAuswahl(Datei("kaputt.csv", "Datum;Km-Stand\r\n01.01.2022;1000\r\n"));
        TQtPlattform::NaechsteAntwort(mrOk);
        m_form->MP_1_Import->trigger();
        QCOMPARE(GezeigteMeldungsNr(), QList<TMeldungsNr>{N::ImportUnmoeglich});
        QVERIFY(TQtPlattform::GezeigteMeldungen().back().Text.find("„Spritmenge“") != std::string::npos);
        QCOMPARE(Kilometer(), std::string("700 "));
    }

    void lueckenStehenImBericht()
    {
        Gespeichert = true;
        NaechsteDateiAuswahl(Datei("luecke.csv", Kopf + "02.01.2022;2000;900;40,00;50,00;EUR;1;;;;;;\r\n"
                                                        "01.01.2022;1500;0;40,00;50,00;EUR;1;;;;;;\r\n"));
        TQtPlattform::NaechsteAntwort(mrOk);
        m_form->MP_1_Import->trigger();
        const TMeldung &bericht = TQtPlattform::GezeigteMeldungen().back();
        QVERIFY(bericht.Text.find("Vor 1 Tankfüllung fehlt offenbar") != std::string::npos);
        QCOMPARE(bericht.Details, std::string("Zeile 2, KM-Stand 2.000: laut Datei 900 Km seit der vorigen "
                                              "Tankfüllung, nach den KM-Ständen 500 Km"));
    }

    void exportSchreibtEineDateiDieSichWiederImportierenLaesst()
    {
        const TTankListe vorher = Fuellungen;
        const std::string pfad = m_ordner.filePath(u"aus.csv"_s).toStdString();
        NaechsteDateiAuswahl(pfad);
        TQtPlattform::NaechsteAntwort(mrOk);
        QVERIFY(m_form->MP_1_Export->isEnabled());
        m_form->MP_1_Export->trigger();
        QCOMPARE(GezeigteMeldungsNr(), QList<TMeldungsNr>{N::ExportFertig});
        const TImportErgebnis e = SpritmonitorDateiLesen(pfad);
        QVERIFY(e.Lesbar && e.Abgelehnt.empty());
        QCOMPARE(e.Fuellungen.size(), size_t(1));
        QCOMPARE(e.Fuellungen[0].KMStand, vorher[0].KMStand);
        QCOMPARE(e.Fuellungen[0].Tankstelle, vorher[0].Tankstelle);
        QCOMPARE(double(e.Fuellungen[0].Betrag), double(vorher[0].Betrag));
        // Exporting changes nothing of the data.
        QVERIFY(!Gespeichert);
        QCOMPARE(DateiName, std::string("/d/ALT.SPR"));
    }
};

QTEST_MAIN(AustauschTest)
#include "AustauschTest.moc"
