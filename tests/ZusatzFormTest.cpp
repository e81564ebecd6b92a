// The settings dialog (licence plate, fixed consumption, tank capacity) and
// the main window's settings commands, driven by keyboard on the offscreen
// platform. The dialog is modal, so each test acts on it from a timer.
#include "Drucker.h"
#include "Feldpruefung.h"
#include "Hilfe.h"
#include "QtPlattform.h"
#include "Sprilo_1.h"
#include "Sprilo_Z.h"
#include "Zusatz1.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

class TTestPlattform : public TQtPlattform {
public:
    std::vector<int> Toene;
    void Ton(int art) override { Toene.push_back(art); }
    void HilfeZeigen(int) override {}
};

// Types like a user; QTest::keyClicks knows only ASCII, the plate may hold
// umlauts.
void Tippen(QWidget *w, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

} // namespace

class ZusatzFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestPlattform> m_plattform;
    std::unique_ptr<TForm1> m_form;
    QTimer *m_uhr = nullptr;
    bool m_gelaufen = false;

    // Runs schritte on the dialog as soon as it is shown; whatever they leave
    // open is cancelled so that a failed check cannot hang the test.
    void ImDialog(std::function<void(TZusatzForm &)> schritte)
    {
        m_gelaufen = false;
        m_uhr = new QTimer(this);
        connect(m_uhr, &QTimer::timeout, this, [this, schritte] {
            if (TZusatzForm *d = ZusatzForm; d && d->isVisible()) {
                m_uhr->stop();
                m_gelaufen = true;
                schritte(*d);
                if (d->isVisible())
                    d->reject();
            }
        });
        m_uhr->start(5);
    }

    // 0 licence plate, 1 fixed consumption, 2 tank capacity (commands of the
    // main window, data saved before), 3 tank capacity of at least one litre.
    long double Aufrufen(int art, long double wert)
    {
        Gespeichert = true;
        Festverbrauch = Tankinhalt = wert;
        if (art == 0)
            m_form->MP_2_1Click();
        else if (art == 1)
            m_form->MP_2_3Click();
        else if (art == 2)
            m_form->MP_2_2Click();
        if (art < 3)
            return art == 1 ? Festverbrauch : Tankinhalt;
        if (!ZusatzForm)
            ZusatzForm = new TZusatzForm(m_form.get());
        ZusatzForm->TankinhaltEingeben(wert, true);
        return wert;
    }

    // Exactly one box was shown, with OK and Help. Sounds are off in every
    // test, so its sound proves that it is forced.
    void KastenPruefen(const std::string &text, int hilfe, TKastenArt art, int ton)
    {
        const auto &m = TQtPlattform::GezeigteMeldungen();
        QCOMPARE(m.size(), size_t(1));
        QCOMPARE(QString::fromStdString(m[0].Text), QString::fromStdString(text));
        QCOMPARE(m[0].Hilfe, hilfe);
        QCOMPARE(static_cast<int>(m[0].Art), static_cast<int>(art));
        QCOMPARE(m[0].Knoepfe, unsigned(KnopfOK | KnopfHilfe));
        QCOMPARE(m_plattform->Toene, std::vector<int>{ton});
    }

private slots:
    void init()
    {
        TQtPlattform::TestZustandLoeschen();
        m_plattform = std::make_unique<TTestPlattform>();
        PlattformSetzen(m_plattform.get());
        GlobalenZustandZuruecksetzen();
        KonfigVerzeichnis.clear();
        m_form = std::make_unique<TForm1>();
        m_form->StatusAnzeigen();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        WarnTonAn = false;
    }

    void cleanup()
    {
        delete m_uhr;
        m_uhr = nullptr;
        m_form.reset();
        QVERIFY(!ZusatzForm);
        QCOMPARE(TQtPlattform::AusstehendeAntworten(), 0);
        PlattformSetzen(nullptr);
        m_plattform.reset();
        GlobalenZustandZuruecksetzen();
    }

    void jederModusHatSeineTexte_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("kontext");
        // caption, KB_Label1, KB_Label2 (empty: hidden), edit hint, OK hint, start text, help key
        QTest::addColumn<QStringList>("texte");
        QTest::newRow("0 Kennzeichen") << 0 << 7010 << QStringList{
            u"Kennzeichen eingeben"_s, u"Bitte geben Sie das KFZ-Kennzeichen an."_s, u"maximal 20 Zeichen"_s,
            u"KFZ-Kennzeichen"_s, u"Kennzeichen übernehmen"_s, u"B-XY 123"_s, u"FZ_Kennz"_s};
        QTest::newRow("1 Festverbrauch") << 1 << 7020 << QStringList{
            u"Festverbrauch eingeben"_s, u"Bitte geben Sie den Festverbrauch an."_s, QString(),
            u"Festverbrauch"_s, u"Festverbrauch übernehmen"_s, u"1234,57"_s, u"FZ_FestVB"_s};
        QTest::newRow("2 Tankinhalt") << 2 << 7030 << QStringList{
            u"Tankinhalt eingeben"_s, u"Bitte geben Sie den Tankinhalt an."_s,
            u"0 => Streckenberechnung deaktiviert"_s, u"Tankinhalt"_s, u"Tankinhalt übernehmen"_s, u"7,50"_s,
            u"FZ_Tank0"_s};
        QTest::newRow("2 Tankinhalt, ein Liter") << 3 << 7031 << QStringList{
            u"Tankinhalt eingeben"_s, u"Bitte geben Sie den Tankinhalt an."_s, u"Mindestgröße : ein Liter"_s,
            u"Tankinhalt"_s, u"Tankinhalt übernehmen"_s, u"7,50"_s, u"FZ_Tank0"_s};
    }

    void jederModusHatSeineTexte()
    {
        QFETCH(int, art);
        QFETCH(int, kontext);
        QFETCH(QStringList, texte);
        Kennzeichen = "B-XY 123";
        ImDialog([&](TZusatzForm &d) {
            QCOMPARE((QStringList{d.windowTitle(), d.KB_Label1->text(), d.KB_Label2->text(), d.KB_Edit1->toolTip(),
                                  d.KB_Ok->toolTip(), d.KB_Edit1->text(), d.HilfeSchluessel()}),
                     texte);
            QCOMPARE(d.KB_Label2->isVisible(), !texte[2].isEmpty());
            QCOMPARE(HilfeKontext(d.KB_Edit1), kontext);
            // Modes 1 and 2 select the start text, so that typing replaces it.
            QCOMPARE(d.KB_Edit1->selectedText(), art == 0 ? QString() : texte[5]);
            QCOMPARE(d.focusWidget(), static_cast<QWidget *>(d.KB_Edit1));
            QCOMPARE(d.KB_Edit1->maxLength(), 20);
            QVERIFY(d.KB_Ok->isDefault());
            QCOMPARE((QStringList{d.KB_Ok->text(), d.KB_Abbr->text(), d.KB_Abbr->toolTip(), d.BitBtn1->text(),
                                  d.BitBtn1->toolTip()}),
                     (QStringList{u"&Ok"_s, u"Abbruch"_s, u"Abbrechen"_s, u"&Hilfe"_s, u"Hilfe"_s}));
            // Fixed size, at least the design size, and nothing cut off.
            QCOMPARE(d.minimumSize(), d.maximumSize());
            QVERIFY(d.width() >= 257 && d.height() >= 141);
            for (QWidget *w : d.findChildren<QWidget *>())
                QVERIFY2(!w->isVisible() || d.rect().contains(w->geometry()), qPrintable(w->objectName()));
            QVERIFY(d.KB_Label2->width() >= d.KB_Label2->fontMetrics().horizontalAdvance(texte[2]));
            QVERIFY(d.KB_Label1->height() >= d.KB_Label1->heightForWidth(d.KB_Label1->width()));
        });
        Aufrufen(art, art == 1 ? 1234.567L : 7.5L);
        QVERIFY(m_gelaufen);
        QCOMPARE(ZusatzForm->parent(), static_cast<QObject *>(m_form.get()));
    }

    void zahlenwerte_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("eingabe");   // empty: OK without change
        QTest::addColumn<int>("fehlerNr");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("Tank 0 schaltet die Strecke ab") << 2 << u"0"_s << 0 << u"0"_s;
        QTest::newRow("Tank 0 unter einem Liter") << 3 << u"0"_s << 23 << u"55,3"_s;
        QTest::newRow("Tank 1 Liter") << 3 << u"1"_s << 0 << u"1"_s;
        QTest::newRow("Tank 3000") << 2 << u"3000"_s << 0 << u"3000"_s;
        QTest::newRow("Tank 3000,01") << 2 << u"3000,01"_s << 22 << u"55,3"_s;
        QTest::newRow("Tank keine Zahl") << 2 << u"abc"_s << 20 << u"55,3"_s;
        QTest::newRow("Tank unverändert") << 2 << QString() << 0 << u"55,3"_s;
        QTest::newRow("Verbrauch 1000") << 1 << u"1000"_s << 0 << u"1000"_s;
        QTest::newRow("Verbrauch 0") << 1 << u"0"_s << 12 << u"55,3"_s;
        QTest::newRow("Verbrauch 1,234") << 1 << u"1,234"_s << 16 << u"55,3"_s;
        QTest::newRow("Verbrauch unverändert") << 1 << QString() << 0 << u"55,3"_s;
    }

    // A refused value keeps the dialog open with the focus in the edit;
    // cancelling then returns the value from before. Only a new value makes
    // the data unsaved.
    void zahlenwerte()
    {
        QFETCH(int, art);
        QFETCH(QString, eingabe);
        QFETCH(int, fehlerNr);
        QFETCH(QString, ergebnis);
        if (fehlerNr)
            TQtPlattform::NaechsteAntwort(mrOk);
        ImDialog([&](TZusatzForm &d) {
            Tippen(d.KB_Edit1, eingabe);
            QTest::keyClick(d.KB_Edit1, Qt::Key_Return);
            QCOMPARE(d.isVisible(), fehlerNr != 0);
            if (!fehlerNr)
                return;
            QCOMPARE(d.focusWidget(), static_cast<QWidget *>(d.KB_Edit1));
            QCOMPARE(d.KB_Edit1->text(), eingabe.toUpper());
            QTest::keyClick(d.KB_Edit1, Qt::Key_Escape);
            QVERIFY(!d.isVisible());
        });
        const long double alt = TextInZahl("55,3").Wert;
        const long double wert = Aufrufen(art, alt);
        QVERIFY(m_gelaufen);
        QCOMPARE(double(wert), double(TextInZahl(ergebnis.toStdString()).Wert));
        if (art != 3)
            QCOMPARE(Gespeichert, wert == alt);
        if (fehlerNr)
            KastenPruefen(FehlerText(fehlerNr), art == 1 ? 8204 : 8212, TKastenArt::Information, 2);
        else
            QVERIFY(TQtPlattform::GezeigteMeldungen().empty() && m_plattform->Toene.empty());
    }

    void kennzeichen_data()
    {
        QTest::addColumn<int>("marke");   // cursor position to type at; -1: all selected
        QTest::addColumn<QString>("tippen");
        QTest::addColumn<int>("taste");   // 0: the close box
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("klein getippt") << -1 << u"hh-äöüß 12"_s << int(Qt::Key_Return) << u"HH-ÄÖÜß 12"_s;
        QTest::newRow("Schreibmarke bleibt") << 2 << u"ab"_s << int(Qt::Key_Return) << u"OLAB 12"_s;
        QTest::newRow("das 21. Zeichen geht nicht")
            << -1 << u"b-xy 123 abcdefghijkl"_s << int(Qt::Key_Return) << u"B-XY 123 ABCDEFGHIJK"_s;
        QTest::newRow("unverändert") << 5 << QString() << int(Qt::Key_Return) << u"OL 12"_s;
        QTest::newRow("abgebrochen") << -1 << u"neu"_s << int(Qt::Key_Escape) << u"OL 12"_s;
        QTest::newRow("Schließfeld") << -1 << u"neu"_s << 0 << u"OL 12"_s;
    }

    void kennzeichen()
    {
        QFETCH(int, marke);
        QFETCH(QString, tippen);
        QFETCH(int, taste);
        QFETCH(QString, ergebnis);
        Kennzeichen = "OL 12";
        m_form->FehlerBox1->show();
        ImDialog([&](TZusatzForm &d) {
            if (marke < 0)
                d.KB_Edit1->selectAll();
            else
                d.KB_Edit1->setCursorPosition(marke);
            Tippen(d.KB_Edit1, tippen);
            if (marke >= 0)
                QCOMPARE(d.KB_Edit1->cursorPosition(), marke + tippen.size());
            if (taste)
                QTest::keyClick(d.KB_Edit1, Qt::Key(taste));
            else
                d.close();
            QVERIFY(!d.isVisible());
        });
        Aufrufen(0, 0);
        QVERIFY(m_gelaufen);
        QCOMPARE(QString::fromStdString(Kennzeichen), ergebnis);
        QCOMPARE(Gespeichert, ergebnis == u"OL 12"_s);
        QCOMPARE(m_form->SpeedButton5->isEnabled(), !Gespeichert);
        // The licence plate clears the work area first.
        QVERIFY(m_form->FehlerBox1->isHidden());
    }

    void systemtoeneSchalten_data()
    {
        QTest::addColumn<bool>("menue");
        QTest::addColumn<bool>("vorher");
        for (bool menue : {false, true}) {
            for (bool vorher : {false, true})
                QTest::addRow("%s, %s", menue ? "Menü" : "Knopf", vorher ? "aus" : "an") << menue << vorher;
        }
    }

    void systemtoeneSchalten()
    {
        QFETCH(bool, menue);
        QFETCH(bool, vorher);
        WarnTonAn = vorher;
        m_form->StatusAnzeigen();
        menue ? m_form->MP_2_7->trigger() : m_form->SpeedButton11->click();
        QCOMPARE(WarnTonAn, !vorher);
        // Switching on beeps once; switching off is silent.
        QCOMPARE(m_plattform->Toene, vorher ? std::vector<int>{} : std::vector<int>{1});
        QCOMPARE(m_form->SpeedButton11->isChecked(), vorher);
        QCOMPARE(m_form->SpeedButton11->toolTip(), vorher ? u"Systemtöne aktivieren"_s : u"Systemtöne deaktivieren"_s);
        QCOMPARE(m_form->MP_2_7->isChecked(), !vorher);
    }

    void festverbrauchSchaltenLaesstDieDatenGespeichert()
    {
        Gespeichert = true;
        for (bool erwartet : {!FestverbrauchAn, FestverbrauchAn}) {
            m_form->MP_2_5->trigger();
            QCOMPARE(FestverbrauchAn, erwartet);
            QCOMPARE(m_form->MP_2_5->isChecked(), erwartet);
        }
        QVERIFY(Gespeichert);
    }

    void druckenBeiLogischenFehlernVerweigert()
    {
        DatenLogisch = true;
        m_form->DruckAufbau();
        QVERIFY(TQtPlattform::GezeigteMeldungen().empty());

        DatenLogisch = false;
        TQtPlattform::NaechsteAntwort(mrOk);
        m_form->DruckAufbau();
        KastenPruefen("Ihre Daten enthalten einen (oder mehrere) logische Fehler.\rDie Daten können nicht "
                      "ausgedruckt werden.\r\rÄndern Sie vorher die entsprechenden Datensätze.\r\rCode : 8003",
                      8003, TKastenArt::Fehler, 5);
    }

    void druckereinrichtungOeffnetDenSystemdialog()
    {
        QString titel;
        QTimer uhr;
        connect(&uhr, &QTimer::timeout, this, [&] {
            if (auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget())) {
                titel = dialog->windowTitle();
                QCOMPARE(dialog->printer(), &Drucker());
                dialog->reject();
            }
        });
        uhr.start(10);
        m_form->SpeedButton14->click();
        QCOMPARE(titel, u"Druckereinrichtung"_s);
        QCOMPARE(&Drucker(), &Drucker());
    }
};

QTEST_MAIN(ZusatzFormTest)
#include "ZusatzFormTest.moc"
