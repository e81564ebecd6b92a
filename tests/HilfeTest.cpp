// The help window: topics by key and by number, notices for what the file
// lacks, links and history, F1 and the Help button of message boxes.
#include "Hilfe.h"
#include "QtPlattform.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

const char *const TestHilfe =
    "@@ Hilfe für die Tests\n"
    "@thema Inhalt\n"
    "@titel Inhalt der Testhilfe\n"
    "<p>Themen: <a href=\"#F5_All\">Konfiguration laden</a>,\n"
    "<a href=\"#Grafik\">Grafik</a>, <a href=\"https://example.com/\">Webseite</a>.</p>\n"
    "@thema F5_All 600 7000\n"
    "@titel Konfiguration laden\n"
    "<p>Wählen Sie einen Ordner für SPRILO.INI.</p>\n"
    "<p><a href=\"#Inhalt\">Zurück zum Inhalt</a></p>\n"
    "@thema Grafik 410\n"
    "@titel Verbrauchsgrafik\n"
    "<p>Balken über und unter dem Festverbrauch.</p>\n"
    "@thema FM_8108 8108\n"
    "@titel Daten vor dem Beenden speichern?\n"
    "<p>Ja, Nein oder Abbrechen.</p>\n";

QMessageBox *OffenerKasten()
{
    const auto fenster = QApplication::topLevelWidgets();
    for (QWidget *w : fenster) {
        if (auto *kasten = qobject_cast<QMessageBox *>(w); kasten && kasten->isVisible())
            return kasten;
    }
    return nullptr;
}

QAbstractButton *Knopf(QWidget *fenster, const QString &text)
{
    const auto knoepfe = fenster->findChildren<QAbstractButton *>();
    for (QAbstractButton *b : knoepfe) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

// Runs pruefen once the message box is open (the box runs its own loop).
void WennKastenOffen(QObject *kontext, std::function<void(QMessageBox *)> pruefen)
{
    auto *uhr = new QTimer(kontext);
    uhr->setInterval(10);
    QObject::connect(uhr, &QTimer::timeout, kontext, [uhr, pruefen] {
        if (QMessageBox *kasten = OffenerKasten()) {
            uhr->stop();
            uhr->deleteLater();
            pruefen(kasten);
        }
    });
    uhr->start();
}

} // namespace

class HilfeTest : public QObject {
    Q_OBJECT

private:
    THilfe &hilfe = THilfe::Instanz();
    std::unique_ptr<QTemporaryDir> ordner;
    QString datei;

    void Schreiben(const QString &pfad, const QByteArray &inhalt)
    {
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(inhalt), inhalt.size());
    }

    QTextBrowser *Browser() const
    {
        return hilfe.Fenster() ? hilfe.Fenster()->findChild<QTextBrowser *>() : nullptr;
    }

    // Clicks the link with this text in the help window like the user does.
    void VerweisKlicken(const QString &text)
    {
        QTextBrowser *browser = Browser();
        QVERIFY(browser);
        const QTextCursor fund = browser->document()->find(text);
        QVERIFY2(!fund.isNull(), qPrintable(text));
        QTextCursor mitte(browser->document());
        mitte.setPosition((fund.selectionStart() + fund.selectionEnd()) / 2);
        const QPoint punkt = browser->cursorRect(mitte).center();
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, punkt);
    }

private slots:
    void initTestCase()
    {
        hilfe.F1Einrichten();
    }

    void init()
    {
        ordner = std::make_unique<QTemporaryDir>();
        QVERIFY(ordner->isValid());
        datei = ordner->filePath(u"SPRILO.HLP"_s);
        Schreiben(datei, TestHilfe);
        hilfe.DateiSetzen(datei);
    }

    void cleanup()
    {
        hilfe.Beenden();
        ordner.reset();
    }

    void themaNachSchluesselZeigtTitelUndText()
    {
        QVERIFY(hilfe.Fenster() == nullptr);
        hilfe.ThemaZeigen(u"f5_all"_s);
        QWidget *fenster = hilfe.Fenster();
        QVERIFY(fenster);
        QVERIFY(fenster->isVisible());
        QVERIFY(fenster->isWindow());
        QCOMPARE(fenster->windowTitle(), u"Sprilo - Hilfe"_s);
        QCOMPARE(fenster->windowModality(), Qt::NonModal);
        QCOMPARE(hilfe.AktuellesThema(), u"F5_All"_s);
        QCOMPARE(hilfe.AngezeigterText(),
                 u"Konfiguration laden\nWählen Sie einen Ordner für SPRILO.INI.\nZurück zum Inhalt"_s);
        for (const QString &k : {u"&Inhalt"_s, u"&Zurück"_s, u"&Vor"_s, u"&Schließen"_s})
            QVERIFY2(Knopf(fenster, k), qPrintable(k));
    }

    void themaNachNummer()
    {
        hilfe.KontextZeigen(600);
        QCOMPARE(hilfe.AktuellesThema(), u"F5_All"_s);
        hilfe.KontextZeigen(410);
        QCOMPARE(hilfe.AktuellesThema(), u"Grafik"_s);
        QVERIFY(hilfe.AngezeigterText().startsWith(u"Verbrauchsgrafik\n"_s));
        hilfe.KontextZeigen(0);
        QCOMPARE(hilfe.AktuellesThema(), u"Inhalt"_s);
    }

    void fehlenderSchluesselWirdImFensterGemeldet()
    {
        hilfe.ThemaZeigen(u"Inhalt"_s);
        hilfe.ThemaZeigen(u"F9_Gibts<nicht>"_s);
        QCOMPARE(hilfe.AktuellesThema(), QString());
        QVERIFY(hilfe.Fenster()->isVisible());
        QCOMPARE(hilfe.AngezeigterText(),
                 u"Hilfethema nicht gefunden\n"
                 u"Das Hilfethema „F9_Gibts<nicht>“ ist in der Hilfedatei nicht vorhanden.\n"
                 u"Zum Inhalt der Hilfe"_s);
        // The notice leads back to the contents.
        VerweisKlicken(u"Zum Inhalt der Hilfe"_s);
        QCOMPARE(hilfe.AktuellesThema(), u"Inhalt"_s);
    }

    void fehlendeNummerWirdImFensterGemeldet()
    {
        hilfe.KontextZeigen(123);
        QCOMPARE(hilfe.AktuellesThema(), QString());
        QCOMPARE(hilfe.AngezeigterText(),
                 u"Hilfethema nicht gefunden\n"
                 u"Zur Hilfekontextnummer 123 gibt es in der Hilfedatei kein Thema.\n"
                 u"Zum Inhalt der Hilfe"_s);
    }

    void fehlendeDateiWirdGemeldet()
    {
        const QString fehlt = ordner->filePath(u"FEHLT.HLP"_s);
        hilfe.DateiSetzen(fehlt);
        QCOMPARE(hilfe.Datei(), fehlt);
        hilfe.ThemaZeigen(u"Inhalt"_s);
        QCOMPARE(hilfe.AktuellesThema(), QString());
        QCOMPARE(hilfe.AngezeigterText(), u"Hilfedatei nicht verfügbar\nDie Hilfedatei „"_s + fehlt
                                              + u"“ wurde nicht gefunden."_s);
        hilfe.KontextZeigen(600);
        QCOMPARE(hilfe.AktuellesThema(), QString());
        QVERIFY(hilfe.AngezeigterText().contains(u"wurde nicht gefunden."_s));
    }

    void fehlerhafteDateiWirdMitZeileGemeldet()
    {
        Schreiben(datei, "@thema Inhalt\n<p>ohne Titel</p>\n");
        hilfe.ThemaZeigen(u"Inhalt"_s);
        QCOMPARE(hilfe.AktuellesThema(), QString());
        QCOMPARE(hilfe.AngezeigterText(),
                 u"Hilfedatei nicht verfügbar\nDie Hilfedatei „"_s + datei
                     + u"“ ist fehlerhaft. Zeile 2: Hier fehlt die Zeile „@titel“ zum Thema „Inhalt“."_s);
    }

    void geaenderteDateiWirdNeuGelesen()
    {
        hilfe.ThemaZeigen(u"Grafik"_s);
        QVERIFY(hilfe.AngezeigterText().contains(u"Balken über"_s));

        // Same length, only a later time: the change must still be seen.
        QByteArray neu = TestHilfe;
        neu.replace("Balken über und unter", "Balken unter und über");
        QCOMPARE(neu.size(), QByteArray(TestHilfe).size());
        const QDateTime vorher = QFileInfo(datei).lastModified();
        Schreiben(datei, neu);
        {
            QFile f(datei);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(vorher.addSecs(10), QFileDevice::FileModificationTime));
        }
        hilfe.ThemaZeigen(u"Grafik"_s);
        QVERIFY(hilfe.AngezeigterText().contains(u"Balken unter und über"_s));
    }

    void verweisOeffnetThemaUndVerlaufBlaettert()
    {
        hilfe.ThemaZeigen(u"Inhalt"_s);
        QWidget *fenster = hilfe.Fenster();
        QAbstractButton *zurueck = Knopf(fenster, u"&Zurück"_s);
        QAbstractButton *vor = Knopf(fenster, u"&Vor"_s);
        QVERIFY(zurueck && vor);
        QVERIFY(!zurueck->isEnabled());
        QVERIFY(!vor->isEnabled());

        VerweisKlicken(u"Konfiguration laden"_s);
        QCOMPARE(hilfe.AktuellesThema(), u"F5_All"_s);
        QVERIFY(zurueck->isEnabled());

        zurueck->click();
        QCOMPARE(hilfe.AktuellesThema(), u"Inhalt"_s);
        QVERIFY(hilfe.AngezeigterText().startsWith(u"Inhalt der Testhilfe\n"_s));
        QVERIFY(vor->isEnabled());
        QVERIFY(!zurueck->isEnabled());

        vor->click();
        QCOMPARE(hilfe.AktuellesThema(), u"F5_All"_s);

        // A new link from an earlier page drops the pages after it.
        zurueck->click();
        VerweisKlicken(u"Grafik"_s);
        QCOMPARE(hilfe.AktuellesThema(), u"Grafik"_s);
        QVERIFY(!vor->isEnabled());

        Knopf(fenster, u"&Inhalt"_s)->click();
        QCOMPARE(hilfe.AktuellesThema(), u"Inhalt"_s);
    }

    void externerVerweisWirdNichtVerfolgt()
    {
        hilfe.ThemaZeigen(u"Inhalt"_s);
        const QString vorher = hilfe.AngezeigterText();
        VerweisKlicken(u"Webseite"_s);
        QCOMPARE(hilfe.AktuellesThema(), u"Inhalt"_s);
        QCOMPARE(hilfe.AngezeigterText(), vorher);
        QVERIFY(!Knopf(hilfe.Fenster(), u"&Zurück"_s)->isEnabled());
    }

    void schliessenVerstecktUndBeendenLoescht()
    {
        hilfe.ThemaZeigen(u"Inhalt"_s);
        QPointer<QWidget> fenster = hilfe.Fenster();
        Knopf(fenster, u"&Schließen"_s)->click();
        QVERIFY(fenster);
        QVERIFY(!fenster->isVisible());
        // Opening again reuses the window and shows it.
        hilfe.KontextZeigen(600);
        QCOMPARE(hilfe.Fenster(), fenster.data());
        QVERIFY(fenster->isVisible());
        hilfe.Beenden();
        QVERIFY(fenster.isNull());
        QVERIFY(hilfe.Fenster() == nullptr);
        QCOMPARE(hilfe.AktuellesThema(), QString());
    }

    void hilfeKontextSuchtBeiDenEltern()
    {
        QWidget fenster;
        auto *gruppe = new QWidget(&fenster);
        auto *feld = new QLineEdit(gruppe);
        QCOMPARE(HilfeKontext(feld), 0);
        HilfeKontextSetzen(&fenster, 100);
        QCOMPARE(HilfeKontext(feld), 100);
        HilfeKontextSetzen(gruppe, 170);
        QCOMPARE(HilfeKontext(feld), 170);
        QCOMPARE(HilfeKontext(&fenster), 100);
        QCOMPARE(feld->property("hilfeKontext"), QVariant());
        QCOMPARE(gruppe->property("hilfeKontext"), QVariant(170));
        QCOMPARE(HilfeKontext(nullptr), 0);
    }

    void f1OeffnetDasThemaDesFokussiertenElements()
    {
        QWidget fenster;
        auto *spalte = new QVBoxLayout(&fenster);
        auto *mitKontext = new QLineEdit(&fenster);
        auto *ohneKontext = new QLineEdit(&fenster);
        spalte->addWidget(mitKontext);
        spalte->addWidget(ohneKontext);
        auto *gruppe = new QWidget(&fenster);
        auto *imGruppe = new QLineEdit(gruppe);
        spalte->addWidget(gruppe);
        HilfeKontextSetzen(mitKontext, 600);
        HilfeKontextSetzen(gruppe, 410);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));

        mitKontext->setFocus();
        QTest::keyClick(mitKontext, Qt::Key_F1);
        QCOMPARE(hilfe.AktuellesThema(), u"F5_All"_s);
        QVERIFY(hilfe.Fenster()->isVisible());

        imGruppe->setFocus();
        QTest::keyClick(imGruppe, Qt::Key_F1);
        QCOMPARE(hilfe.AktuellesThema(), u"Grafik"_s);

        ohneKontext->setFocus();
        QTest::keyClick(ohneKontext, Qt::Key_F1);
        QCOMPARE(hilfe.AktuellesThema(), u"Inhalt"_s);

        // F1 is consumed: the field must not receive it as input.
        QCOMPARE(ohneKontext->text(), QString());

        // Other keys pass untouched.
        QTest::keyClick(ohneKontext, Qt::Key_A);
        QCOMPARE(ohneKontext->text(), u"a"_s);
        QTest::keyClick(ohneKontext, Qt::Key_F1, Qt::ShiftModifier);
        QCOMPARE(hilfe.AktuellesThema(), u"Inhalt"_s);
    }

    void f1ImMenueOeffnetDasThemaDesMarkiertenEintrags()
    {
        QWidget fenster;
        HilfeKontextSetzen(&fenster, 100);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));

        QMenu menue(&fenster);
        HilfeKontextSetzen(&menue, 8108);
        QAction *mitKontext = menue.addAction(u"Konfiguration &nachladen ..."_s);
        QAction *ohneKontext = menue.addAction(u"&Beenden"_s);
        HilfeKontextSetzen(mitKontext, 600);
        // The help window coming up closes the menu, as any other window
        // would; each case opens it anew.
        const auto f1Auf = [&](QAction *eintrag) {
            menue.popup(fenster.mapToGlobal(QPoint(10, 10)));
            QVERIFY(QTest::qWaitForWindowExposed(&menue));
            QCOMPARE(QApplication::activePopupWidget(), &menue);
            menue.setActiveAction(eintrag);
            QTest::keyClick(&menue, Qt::Key_F1);
            menue.close();
        };
        f1Auf(mitKontext);
        QCOMPARE(hilfe.AktuellesThema(), u"F5_All"_s);
        f1Auf(ohneKontext);
        QCOMPARE(hilfe.AktuellesThema(), u"FM_8108"_s);
    }

    void hilfeKnopfEinesMeldungskastensOeffnetSeinThema()
    {
        TQtPlattform::TestZustandLoeschen();
        TQtPlattform plattform;
        TMeldung meldung;
        meldung.Code = 8108;
        meldung.Text = "Die im Arbeitsspeicher befindlichen Daten sind noch nicht gespeichert.";
        meldung.Art = TKastenArt::Warnung;
        meldung.Knoepfe = KnopfJa | KnopfNein | KnopfAbbruch | KnopfHilfe;
        meldung.Hilfe = 8108;

        QString thema, themaNachF1;
        bool sichtbar = false, kastenOffen = false;
        Qt::WindowModality modalitaet = Qt::NonModal;
        QWidget *obersterModal = nullptr;
        WennKastenOffen(this, [&](QMessageBox *kasten) {
            Knopf(kasten, u"&Hilfe"_s)->click();
            thema = hilfe.AktuellesThema();
            QWidget *fenster = hilfe.Fenster();
            sichtbar = fenster && fenster->isVisible();
            modalitaet = fenster ? fenster->windowModality() : Qt::NonModal;
            obersterModal = QApplication::activeModalWidget();
            kastenOffen = kasten->isVisible();
            fenster->close();

            // F1 in the box opens the same topic.
            hilfe.ThemaZeigen(u"Inhalt"_s);
            hilfe.Fenster()->close();
            QTest::keyClick(Knopf(kasten, u"&Nein"_s), Qt::Key_F1);
            themaNachF1 = hilfe.AktuellesThema();
            hilfe.Fenster()->close();

            Knopf(kasten, u"&Nein"_s)->click();
        });
        const int antwort = plattform.MeldungZeigen(meldung);

        QCOMPARE(antwort, mrNo);
        QCOMPARE(thema, u"FM_8108"_s);
        QVERIFY(sichtbar);
        QVERIFY(kastenOffen);
        // Application-modal on top of the box, so that the box does not
        // block it.
        QCOMPARE(modalitaet, Qt::ApplicationModal);
        QCOMPARE(obersterModal, hilfe.Fenster());
        QCOMPARE(themaNachF1, u"FM_8108"_s);

        // Without a modal window the help is an ordinary window again.
        hilfe.ThemaZeigen(u"Inhalt"_s);
        QCOMPARE(hilfe.Fenster()->windowModality(), Qt::NonModal);
        QVERIFY(hilfe.Fenster()->isVisible());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void mitgelieferteHilfedateiOeffnetInhaltUndThemen()
    {
        hilfe.DateiSetzen(QString::fromUtf8(SPRILO_HILFEDATEI));
        hilfe.ThemaZeigen(u"Inhalt"_s);
        QCOMPARE(hilfe.AktuellesThema(), u"Inhalt"_s);
        QVERIFY(hilfe.AngezeigterText().startsWith(u"Inhalt der Hilfe zum Sprilo - Programm\n"_s));
        VerweisKlicken(u"Konfiguration laden"_s);
        QCOMPARE(hilfe.AktuellesThema(), u"F5_All"_s);

        struct TPaar {
            int Kontext;
            QString Schluessel;
        };
        const TPaar paare[] = {{100, u"F1_All"_s},       {112, u"Menue_Datei"_s}, {127, u"Menue_Einstellungen"_s},
                               {133, u"Menue_Bearbeiten"_s}, {144, u"Menue_Analysen"_s}, {152, u"Menue_Hilfen"_s},
                               {600, u"F5_All"_s},       {8003, u"FM_8003"_s},    {8101, u"FM_8101"_s}};
        for (const TPaar &p : paare) {
            hilfe.KontextZeigen(p.Kontext);
            QCOMPARE(hilfe.AktuellesThema(), p.Schluessel);
        }
        QVERIFY(hilfe.AngezeigterText().contains(u"~/.config/sprilo"_s));
    }
};

QTEST_MAIN(HilfeTest)
#include "HilfeTest.moc"
