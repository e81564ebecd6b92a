// The entry panel, typed into like a user does: Tab from field to field,
// Enter to take a fill-up over, Esc to cancel. The stored fill-ups and the
// station list are set directly.
#include "Feldpruefung.h"
#include "PanelEingabe.h"
#include "QtPlattform.h"
#include "Sprilo_1.h"
#include "Sprilo_Dek.h"
#include "Zusatz1.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

class TTestPlattform : public TQtPlattform {
public:
    std::vector<int> Toene;
    void Ton(int art) override { Toene.push_back(art); }
    void HilfeZeigen(int) override {}
};

TTankFuellung Fuellung(int km, uint8_t tag, uint8_t monat, uint16_t jahr)
{
    TTankFuellung f;
    f.KMStand = km;
    f.Datum = {tag, monat, jahr};
    f.Tankstelle = "Aral";
    f.Betrag = 50;
    f.Liter = 40;
    return f;
}

void DatenSetzen(const std::vector<TTankFuellung> &fuellungen)
{
    Fuellungen = fuellungen;
    DatenVorhanden = !fuellungen.empty();
}

QList<int> KMStaende()
{
    QList<int> km;
    for (const TTankFuellung &f : Fuellungen)
        km << f.KMStand;
    return km;
}

// Every value of a stored fill-up in one line.
QString Zeile(const TTankFuellung &f)
{
    QStringList teile{QString::number(f.KMStand), QString::fromStdString(DatumText(f.Datum)),
                      QString::fromStdString(f.Tankstelle), QString::number(f.TankstellenNr),
                      QString::number(f.AlteWaehrung)};
    for (long double wert : {f.Betrag, f.Liter, static_cast<long double>(f.Vollgetankt), f.LiterNachAbschaltung,
                             f.BetragNachAbschaltung})
        teile << QString::number(static_cast<double>(wert), 'g', 15);
    return teile.join(u' ') + u" / "_s + QString::number(f.LiterPreis);
}

// The focused control; the station combo counts as itself, not its editor.
QWidget *Fokus()
{
    QWidget *w = QApplication::focusWidget();
    return w && qobject_cast<QComboBox *>(w->parentWidget()) ? w->parentWidget() : w;
}

void Tippen(const QString &text) { QTest::keyClicks(QApplication::focusWidget(), text); }
void Taste(Qt::Key taste, Qt::KeyboardModifiers mod = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), taste, mod);
}

void MeldungPruefen(int code, const QString &text, TKastenArt art, unsigned knoepfe)
{
    QCOMPARE(TQtPlattform::GezeigteMeldungen().size(), size_t(1));
    const TMeldung &m = TQtPlattform::GezeigteMeldungen().front();
    QCOMPARE(m.Code, code);
    QCOMPARE(QString::fromStdString(m.Text), text);
    QCOMPARE(static_cast<int>(m.Art), static_cast<int>(art));
    QCOMPARE(m.Knoepfe, knoepfe);
    QCOMPARE(m.Hilfe, code);
}

} // namespace

class PanelEingabeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestPlattform> m_plattform;
    std::unique_ptr<TForm1> m_form;

    TPanelEingabe &P() { return *m_form->PanelEingabe; }
    QString Fehlertext() const { return m_form->FehlerBox1->isVisible() ? m_form->FehlerLabel1->text() : QString(); }
    QString Anzahltext() const { return m_form->IB_Label1->text(); }

    // Tab to the next control that checks the field left: the currency and
    // the radio buttons check nothing.
    void Verlassen()
    {
        do
            Taste(Qt::Key_Tab);
        while (Fokus() == P().PE_CB2 || Fokus() == P().PE_RB1);
    }

    // Types a fill-up field by field from the odometer on and stays in the
    // last field typed. A null text leaves the field as it is.
    void Eingeben(const QStringList &felder)
    {
        QCOMPARE(Fokus(), P().PE_Edit1);
        for (int i = 0; i < felder.size(); ++i) {
            if (i > 0)
                Verlassen();
            if (!felder[i].isNull())
                Tippen(felder[i]);
        }
    }

private slots:
    void init()
    {
        TQtPlattform::TestZustandLoeschen();
        m_plattform = std::make_unique<TTestPlattform>();
        PlattformSetzen(m_plattform.get());
        GlobalenZustandZuruecksetzen();
        for (const char *name : {"Aral", "Jet", "Shell"})
            Tankstellen[AnzahlTankstellen++] = name;
        m_form = std::make_unique<TForm1>();
        m_form->StatusAnzeigen();
        m_form->show();
        QApplication::setActiveWindow(m_form.get());
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }

    void cleanup()
    {
        m_form.reset();
        QCOMPARE(TQtPlattform::AusstehendeAntworten(), 0);
        PlattformSetzen(nullptr);
        m_plattform.reset();
        GlobalenZustandZuruecksetzen();
    }

    void feldeigenschaftenUndTabfolge()
    {
        m_form->DatenNeuClick();
        TPanelEingabe &p = P();
        QCOMPARE(p.PE_Label1->text(), u"Eingabe der 1. Tankfüllung"_s);
        QCOMPARE(p.PE_CB1->currentText(), u"Tankstelle angeben"_s);
        QCOMPARE(p.PE_CB1->itemText(2), u"Shell"_s);
        QCOMPARE(p.PE_CB1->lineEdit()->maxLength(), 40);
        QCOMPARE(p.PE_CB2->count(), 1);
        QCOMPARE(p.PE_CB2->currentText(), u"EUR"_s);
        QVERIFY(p.PE_RB1->isChecked());
        QVERIFY(m_form->MP_5_1b_3->isVisible());

        const struct {
            QLineEdit *Feld;
            int Laenge;
            const char *Label, *Hinweis;
        } felder[] = {{p.PE_Edit1, 8, "KM-&Stand :", "Eingabe des KM-Stades"},
                      {p.PE_Edit2, 10, "&Datum :", "Datum der Tankfüllung"},
                      {p.PE_Edit3, 8, "Bezahlter &Betrag :", "Gezahlter Betrag in Euro"},
                      {p.PE_Edit4, 8, "Getankte &Literzahl :", "Getankte Literzahl"},
                      {p.PE_Edit5, 8, "&Vollgetankt bei Liter :", "Wann hat die Säule abgeschalten ?"}};
        for (const auto &f : felder) {
            QCOMPARE(f.Feld->maxLength(), f.Laenge);
            QCOMPARE(f.Feld->toolTip(), QString::fromUtf8(f.Hinweis));
            QStringList labels;
            for (QLabel *l : p.findChildren<QLabel *>())
                if (l->buddy() == f.Feld)
                    labels << l->text();
            QCOMPARE(labels, QStringList{QString::fromUtf8(f.Label)});
        }
        // Nothing of the form is cut off in the work area.
        QApplication::processEvents();
        QVERIFY(p.width() >= p.minimumSizeHint().width());
        QVERIFY(p.height() >= p.minimumSizeHint().height());
        for (QWidget *w : p.findChildren<QWidget *>(QRegularExpression(u"^PE_"_s)))
            QVERIFY2(p.rect().contains(w->geometry()), qPrintable(w->objectName()));

        QStringList folge{Fokus()->objectName()};
        for (int i = 0; i < 10; ++i) {
            Taste(Qt::Key_Tab);
            folge << Fokus()->objectName();
        }
        QCOMPARE(folge, (QStringList{u"PE_Edit1"_s, u"PE_Edit2"_s, u"PE_CB1"_s, u"PE_Edit3"_s, u"PE_CB2"_s,
                                     u"PE_Edit4"_s, u"PE_RB1"_s, u"PE_Edit5"_s, u"PE_Button1"_s,
                                     u"PE_Button3"_s, u"PE_Button2"_s}));
        // Enter on the cancel button cancels.
        Taste(Qt::Key_Return);
        QVERIFY(!p.isVisible());
        // Choosing the currency leaves its own hint at the amount.
        p.PE_CB2->activated(0);
        QCOMPARE(p.PE_Edit3->toolTip(), u"Gezahlter Betrag in EUR"_s);
    }

    void eineReiheVonTankfuellungen()
    {
        m_form->DatenNeuClick();
        Eingeben({u"10000"_s, u"01.03.2005"_s, u"Jet"_s, u"50,00"_s, u"40,5"_s, u"38"_s});
        Taste(Qt::Key_Return);
        QCOMPARE(Zeile(Fuellungen[0]), u"10000 01.03.2005 Jet 1 0 50 40.5 1 2.5 3.08641975308642 / 1235"_s);
        QVERIFY(DatenVorhanden && !Gespeichert && DatenLogisch);
        QCOMPARE(Anzahltext(), u"Es befinden sich zur Zeit 1 Tankfüllung im Speicher."_s);
        QCOMPARE(Fehlertext(), QString());
        // Ready for the next one, with the entry state reset.
        QVERIFY(!KMStandOk && !DatumOk && !TankstelleBesucht && !BetragOk && !LiterOk && !VollBeiOk);
        QCOMPARE(P().PE_Label1->text(), u"Eingabe der 2. Tankfüllung"_s);
        QCOMPARE(P().PE_CB1->currentText(), u"Tankstelle angeben"_s);

        // A station in another letter case is none of the list.
        Eingeben({u"10650"_s, u"15.03.2005"_s, u"jet"_s, u"61,25"_s, u"49"_s, u"47,5"_s});
        Taste(Qt::Key_Enter);
        // The shut-off field starts with the litres; the hint text left in
        // the station field means an unknown station.
        Eingeben({u"11200"_s, u"29.03.2005"_s, QString(), u"30"_s, u"24"_s, QString()});
        QCOMPARE(P().PE_Edit5->text(), u"24"_s);
        Taste(Qt::Key_Tab);
        Taste(Qt::Key_Tab);
        QCOMPARE(Fokus(), P().PE_Button3);
        Taste(Qt::Key_Return);

        QCOMPARE(Zeile(Fuellungen[1]), u"10650 15.03.2005 jet -1 0 61.25 49 1 1.5 1.875 / 1250"_s);
        QCOMPARE(Zeile(Fuellungen[2]), u"11200 29.03.2005 Tankstelle unbekannt -1 0 30 24 1 0 0 / 1250"_s);
        // "übernehmen & Ende" closes the panel.
        QVERIFY(!P().isVisible());
        QVERIFY(!m_form->MP_5_1b_3->isVisible());
        QCOMPARE(Anzahltext(), u"Es befinden sich zur Zeit 3 Tankfüllungen im Speicher."_s);
        QCOMPARE(m_form->IB_LabelD2->text(), u"29.03.2005 bei KM 11.200"_s);
        QVERIFY(m_plattform->Toene.empty());
    }

    void fehlerErscheinenImRotenKasten_data()
    {
        QTest::addColumn<QStringList>("felder");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("richtig");
        const QString km = u"10600"_s, tag = u"02.02.2005"_s, st = u"Shell"_s;
        const QString keineZahl = u"\nDer KM-Stand ist ungültig.\nDie eingegebene Zeichenkette stellt keine Zahl dar. "_s;
        QTest::newRow("KM abc") << QStringList{u"abc"_s} << keineZahl << u"PE_Edit1"_s << km;
        QTest::newRow("KM 10.250") << QStringList{u"10.250"_s}
            << u"\nDer KM-Stand darf keine Nachkommastellen haben."_s << u"PE_Edit1"_s << km;
        QTest::newRow("KM 0") << QStringList{u"0"_s}
            << u"\nFür den KM-Stand dürfen nur positive Zahlen\ngrößer 0 angegeben werden."_s << u"PE_Edit1"_s << km;
        QTest::newRow("KM vorhanden") << QStringList{u"10500"_s}
            << u"\nDer angegebene KM-Stand wurde schon einmal verwendet.\nBitte geben Sie einen neuen KM-Stand an."_s
            << u"PE_Edit1"_s << km;
        QTest::newRow("31. April") << QStringList{km, u"31.04.2005"_s}
            << u"\nDer eingegebene Tag existiert im eingegebenen Monat nicht."_s << u"PE_Edit2"_s << tag;
        QTest::newRow("Datum xx") << QStringList{km, u"xx"_s}
            << u"\nDie eigegebene Zeichenkette stellt kein Datum dar."_s << u"PE_Edit2"_s << tag;
        QTest::newRow("Betrag 4000,01") << QStringList{km, tag, st, u"4000,01"_s}
            << u"\nDer Betrag muß im Bereich von  'EUR 1.-' bis  'EUR 4.000.-'  angegeben werden."_s
            << u"PE_Edit3"_s << u"4000"_s;
        QTest::newRow("Abschaltung 50 bei 45,3 L") << QStringList{km, tag, st, u"60"_s, u"45,3"_s, u"50"_s}
            << u"\nDie Literzahl ist ungültig.\nWenn nur 45,30L getankt wurden, kann die Säule nicht bei 50,00L "
               "abschalten."_s
            << u"PE_Edit5"_s << u"45,30"_s;
    }

    void fehlerErscheinenImRotenKasten()
    {
        QFETCH(QStringList, felder);
        QFETCH(QString, feld);
        QFETCH(QString, richtig);
        DatenSetzen({Fuellung(10000, 1, 1, 2005), Fuellung(10500, 15, 1, 2005)});
        m_form->StatusAnzeigen();
        m_form->ErweitereDaten();
        Eingeben(felder);
        Verlassen();

        const bool &ok = feld == u"PE_Edit1"_s ? KMStandOk
                         : feld == u"PE_Edit2"_s ? DatumOk
                         : feld == u"PE_Edit3"_s ? BetragOk
                                                 : VollBeiOk;
        QTEST(Fehlertext(), "text");
        QTEST(Fokus()->objectName(), "feld");
        QVERIFY(!ok);
        QCOMPARE(m_plattform->Toene, std::vector<int>{1});
        // Enter does not take a faulty fill-up over; the error stays.
        Taste(Qt::Key_Return);
        QCOMPARE(KMStaende(), (QList<int>{10000, 10500}));
        QCOMPARE(Anzahltext(), u"Es befinden sich zur Zeit 2 Tankfüllungen im Speicher."_s);
        QTEST(Fehlertext(), "text");
        QTEST(Fokus()->objectName(), "feld");

        // Corrected and left again, the box disappears.
        Taste(Qt::Key_A, Qt::ControlModifier);
        Tippen(richtig);
        Verlassen();
        QCOMPARE(Fehlertext(), QString());
        QVERIFY(Fokus()->objectName() != feld);
        QVERIFY(ok);
    }

    void reihenfolgeUndLogischePruefung()
    {
        DatenSetzen({Fuellung(10000, 1, 1, 2005), Fuellung(10500, 15, 1, 2005)});
        m_form->ErweitereDaten();
        // Lower than all stored readings and earlier: goes first, consistent.
        Eingeben({u"9500"_s, u"20.12.2004"_s, u"Aral"_s, u"40"_s, u"30"_s, QString()});
        Taste(Qt::Key_Return);
        QCOMPARE(KMStaende(), (QList<int>{9500, 10000, 10500}));
        QVERIFY(DatenLogisch);
        QVERIFY(!m_form->FehlerLabel2->isVisible());
        QCOMPARE(m_form->IB_LabelD1->text(), u"20.12.2004 bei KM 9.500"_s);

        // First again, but dated after the old first: inconsistent. It is
        // taken over all the same and the status light turns red.
        Eingeben({u"9000"_s, u"01.02.2005"_s, u"Aral"_s, u"40"_s, u"30"_s, QString()});
        Taste(Qt::Key_Return);
        QCOMPARE(KMStaende(), (QList<int>{9000, 9500, 10000, 10500}));
        QVERIFY(!DatenLogisch);
        QCOMPARE(FehlerNr1, 1);
        QCOMPARE(FehlerNr2, 2);
        QVERIFY(m_form->FehlerLabel2->isVisible());
        QCOMPARE(m_form->IB_Label7b->palette().color(QPalette::Window).rgb() & 0xFFFFFFu, 0xFF0000u);
        QCOMPARE(Anzahltext(), u"Es befinden sich zur Zeit 4 Tankfüllungen im Speicher."_s);
    }

    void enterFuehrtZumUnbesuchtenFeld()
    {
        m_form->DatenNeuClick();
        Eingeben({u"10000"_s, u"01.03.2005"_s});
        // The station field is skipped with the mouse.
        QTest::mouseClick(P().PE_Edit3, Qt::LeftButton);
        Tippen(u"50"_s);
        Verlassen();
        Tippen(u"40"_s);
        Verlassen();
        QCOMPARE(Fokus(), P().PE_Edit5);
        QVERIFY(!TankstelleBesucht);

        Taste(Qt::Key_Return);
        QCOMPARE(AnzahlFuellungen(), 0);
        QCOMPARE(Fokus(), P().PE_CB1);
        QCOMPARE(Fehlertext(), QString());
        // A field emptied again is no longer valid.
        Taste(Qt::Key_Backtab);
        Taste(Qt::Key_A, Qt::ControlModifier);
        Taste(Qt::Key_Backspace);
        Taste(Qt::Key_Return);
        QCOMPARE(AnzahlFuellungen(), 0);
        QCOMPARE(Fokus(), P().PE_Edit2);
        Tippen(u"02.03.2005"_s);
        Taste(Qt::Key_Return);
        QCOMPARE(AnzahlFuellungen(), 1);
        QVERIFY(Fuellungen[0].Datum == (TDatum{2, 3, 2005}));
        QCOMPARE(Fuellungen[0].Tankstelle, std::string("Tankstelle unbekannt"));
    }

    void neinVerstecktDieAbschaltung()
    {
        m_form->DatenNeuClick();
        Eingeben({u"10000"_s, u"01.03.2005"_s, u"Jet"_s, u"50"_s, u"40"_s});
        Taste(Qt::Key_Tab);
        QCOMPARE(Fokus(), P().PE_RB1);
        Taste(Qt::Key_Right);
        QVERIFY(P().PE_RB2->isChecked());
        QVERIFY(!P().PE_Edit5->isVisible());
        QVERIFY(P().PE_Label_VollBei->isVisible());
        QVERIFY(VollBeiOk);
        Taste(Qt::Key_Return);

        QCOMPARE(Zeile(Fuellungen.at(0)), u"10000 01.03.2005 Jet 1 0 50 40 0 0 0 / 1250"_s);
        // The next entry starts with "Ja" again.
        QVERIFY(P().PE_RB1->isChecked());
        QVERIFY(P().PE_Edit5->isVisible());
    }

    void escVerwirftDieEingabe()
    {
        DatenSetzen({Fuellung(10000, 1, 1, 2005)});
        m_form->ErweitereDaten();
        Eingeben({u"abc"_s, u"02.02.2005"_s});
        QVERIFY(m_form->FehlerBox1->isVisible());
        Taste(Qt::Key_Escape);
        QVERIFY(!P().isVisible());
        QVERIFY(!m_form->FehlerBox1->isVisible());
        QVERIFY(!m_form->MP_5_1b_3->isVisible());
        QCOMPARE(KMStaende(), QList<int>{10000});
        QVERIFY(Gespeichert);

        m_form->ErweitereDaten();
        QCOMPARE(P().PE_Edit1->text() + P().PE_Edit2->text(), QString());
    }

    void neuMitUngespeichertenDaten_data()
    {
        QTest::addColumn<int>("antwort");
        QTest::newRow("Ja: nichts ändert sich") << mrYes;
        QTest::newRow("Nein: alles wird geleert") << mrNo;
    }

    void neuMitUngespeichertenDaten()
    {
        QFETCH(int, antwort);
        DatenSetzen({Fuellung(10000, 1, 1, 2005), Fuellung(10500, 15, 1, 2005)});
        Gespeichert = false;
        WarnTonAn = false;
        Kennzeichen = "SI-AB 123";
        Tankinhalt = 50;
        Festverbrauch = 7;
        DateiName = "/daten/AUTO.SPR";
        m_form->StatusAnzeigen();
        TQtPlattform::NaechsteAntwort(antwort);
        m_form->SpeedButton2->click();

        MeldungPruefen(8107,
                       u"Die im Arbeitsspeicher befindlichen Daten sind noch nicht gespeichert.\r"
                       "Durch das Eingeben neuer Daten werden die 'alten' automatisch gelöscht.\r\r"
                       "Möchten Sie die Daten vorher speichern?"_s,
                       TKastenArt::Warnung, KnopfJa | KnopfNein | KnopfHilfe);
        QCOMPARE(m_plattform->Toene, std::vector<int>{3});   // although sounds are off
        QCOMPARE(DialogErgebnis, antwort);
        const bool nein = antwort == mrNo;
        QCOMPARE(AnzahlFuellungen(), nein ? 0 : 2);
        QCOMPARE(DatenVorhanden, !nein);
        QCOMPARE(Gespeichert, nein);
        QCOMPARE(Kennzeichen, nein ? std::string() : std::string("SI-AB 123"));
        QCOMPARE(double(Tankinhalt), nein ? 0.0 : 50.0);
        QCOMPARE(double(Festverbrauch), nein ? 0.0 : 7.0);
        QCOMPARE(DateiName, nein ? std::string() : std::string("/daten/AUTO.SPR"));
        QCOMPARE(P().isVisible(), nein);
        if (nein) {
            QCOMPARE(m_form->IB_Label3->text(), u"Es wurden noch keine Daten eingegeben."_s);
            QCOMPARE(P().PE_Label1->text(), u"Eingabe der 1. Tankfüllung"_s);
            QCOMPARE(Fokus(), P().PE_Edit1);
        }
    }

    void hoechstens6000Tankfuellungen()
    {
        std::vector<TTankFuellung> viele;
        for (int i = 0; i < 5999; ++i)
            viele.push_back(Fuellung(1000 + 10 * i, 1, 1, 2005));
        DatenSetzen(viele);
        m_form->StatusAnzeigen();
        m_form->SpeedButton3->click();
        QCOMPARE(P().PE_Label1->text(), u"Eingabe der 6.000. Tankfüllung"_s);

        WarnTonAn = false;
        TQtPlattform::NaechsteAntwort(mrOk);
        Eingeben({u"99000"_s, u"02.01.2005"_s, QString(), u"50"_s, u"40"_s, QString()});
        Taste(Qt::Key_Return);

        QCOMPARE(AnzahlFuellungen(), 6000);
        QCOMPARE(Fuellungen.back().KMStand, 99000);
        QVERIFY(!P().isVisible());
        MeldungPruefen(8203,
                       u"Es wurde die maximale Anzahl von Tankfüllungen (6.000) eingegeben.\r\r"
                       "Die Daten können nicht mehr erweitert werden.\r\rCode : 8203"_s,
                       TKastenArt::Information, KnopfOK | KnopfHilfe);
        QCOMPARE(m_plattform->Toene, std::vector<int>{2});
        QCOMPARE(Anzahltext(), u"Es befinden sich zur Zeit 6.000 Tankfüllungen im Speicher."_s);
    }
};

QTEST_MAIN(PanelEingabeTest)
#include "PanelEingabeTest.moc"
