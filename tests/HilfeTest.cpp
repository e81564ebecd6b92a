#include "Hilfe.h"
#include "QtPlattform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTextBrowser>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

const QByteArray TestHilfe = "@@ Hilfe für die Tests\n"
                             "@thema Inhalt\n@titel Inhalt der Testhilfe\n"
                             "<p>Themen: <a href=\"#F5_All\">Konfiguration laden</a>,\n"
                             "<a href=\"#Grafik\">Grafik</a>, <a href=\"https://example.com/\">Webseite</a>.</p>\n"
                             "@thema F5_All 600 7000\n@titel Konfiguration laden\n"
                             "<p>Wählen Sie einen Ordner für SPRILO.INI.</p>\n"
                             "@thema Grafik 410\n@titel Verbrauchsgrafik\n"
                             "<p>Balken über und unter dem Festverbrauch.</p>\n"
                             "@thema FM_8108 8108\n@titel Daten vor dem Beenden speichern?\n<p>Ja oder Nein.</p>\n";

static QAbstractButton *Knopf(QWidget *fenster, const QString &text)
{
    for (QAbstractButton *b : fenster->findChildren<QAbstractButton *>())
        if (b->text() == text)
            return b;
    return nullptr;
}

class HilfeTest : public QObject {
    Q_OBJECT

    THilfe &hilfe = THilfe::Instanz();
    QTemporaryDir ordner;
    QString datei;

    void Schreiben(const QByteArray &inhalt)
    {
        QFile f(datei);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(inhalt) == inhalt.size());
    }

    // Clicks the link with this text like the user does.
    void VerweisKlicken(const QString &text)
    {
        auto *browser = hilfe.Fenster()->findChild<QTextBrowser *>();
        const QTextCursor fund = browser->document()->find(text);
        QVERIFY2(!fund.isNull(), qPrintable(text));
        QTextCursor mitte(browser->document());
        mitte.setPosition((fund.selectionStart() + fund.selectionEnd()) / 2);
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(mitte).center());
    }

private slots:
    void initTestCase() { TQtPlattform::TestModusSetzen(true); }

    void init()
    {
        hilfe.F1Einrichten();
        datei = ordner.filePath(u"SPRILO.HLP"_s);
        Schreiben(TestHilfe);
        hilfe.DateiSetzen(datei);
    }

    void cleanup() { hilfe.Beenden(); }

    void themaNachSchluesselUndNummer()
    {
        hilfe.ThemaZeigen(u"f5_all"_s);
        QVERIFY(hilfe.Fenster() && hilfe.Fenster()->isVisible());
        QCOMPARE(hilfe.AktuellesThema(), u"F5_All"_s);
        QCOMPARE(hilfe.AngezeigterText(), u"Konfiguration laden\nWählen Sie einen Ordner für SPRILO.INI."_s);
        hilfe.KontextZeigen(410);
        QCOMPARE(hilfe.AktuellesThema(), u"Grafik"_s);
        hilfe.KontextZeigen(0);
        QCOMPARE(hilfe.AktuellesThema(), u"Inhalt"_s);
    }

    void meldungenImFenster()
    {
        const auto meldung = [this](const QString &text) {
            QCOMPARE(hilfe.AktuellesThema(), QString());
            QVERIFY(hilfe.Fenster()->isVisible());
            QCOMPARE(hilfe.AngezeigterText(), text);
        };
        const QString nichtGefunden = u"Hilfethema nicht gefunden\n"_s, zumInhalt = u"\nZum Inhalt der Hilfe"_s;
        hilfe.ThemaZeigen(u"Inhalt"_s);
        hilfe.ThemaZeigen(u"F9_Gibts<nicht>"_s);
        meldung(nichtGefunden + u"Das Hilfethema „F9_Gibts<nicht>“ ist in der Hilfedatei nicht vorhanden."_s + zumInhalt);
        VerweisKlicken(u"Zum Inhalt der Hilfe"_s);
        QCOMPARE(hilfe.AktuellesThema(), u"Inhalt"_s);
        hilfe.KontextZeigen(123);
        meldung(nichtGefunden + u"Zur Hilfekontextnummer 123 gibt es in der Hilfedatei kein Thema."_s + zumInhalt);
        Schreiben("@thema Inhalt\n<p>ohne Titel</p>\n");
        hilfe.ThemaZeigen(u"Inhalt"_s);
        meldung(u"Hilfedatei nicht verfügbar\nDie Hilfedatei „"_s + datei
                + u"“ ist fehlerhaft. Zeile 2: Hier fehlt die Zeile „@titel“ zum Thema „Inhalt“."_s);
        hilfe.DateiSetzen(datei = ordner.filePath(u"FEHLT.HLP"_s));
        const QString fehlt = u"Hilfedatei nicht verfügbar\nDie Hilfedatei „"_s + datei + u"“ wurde nicht gefunden."_s;
        hilfe.ThemaZeigen(u"Inhalt"_s);
        meldung(fehlt);
        hilfe.KontextZeigen(600);
        meldung(fehlt);
    }

    void geaenderteDateiWirdNeuGelesen()
    {
        hilfe.ThemaZeigen(u"Grafik"_s);
        QVERIFY(hilfe.AngezeigterText().contains(u"Balken über und unter"_s));
        // Same length, only a later time: the change must still be seen.
        const QDateTime vorher = QFileInfo(datei).lastModified();
        Schreiben(QByteArray(TestHilfe).replace("Balken über und unter", "Balken unter und über"));
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadWrite) && f.setFileTime(vorher.addSecs(10), QFileDevice::FileModificationTime));
        hilfe.ThemaZeigen(u"Grafik"_s);
        QVERIFY(hilfe.AngezeigterText().contains(u"Balken unter und über"_s));
    }

    void verweiseUndVerlauf()
    {
        hilfe.ThemaZeigen(u"Inhalt"_s);
        QAbstractButton *zurueck = Knopf(hilfe.Fenster(), u"&Zurück"_s), *vor = Knopf(hilfe.Fenster(), u"&Vor"_s);
        QVERIFY(zurueck && vor && !zurueck->isEnabled() && !vor->isEnabled());
        const QString inhalt = hilfe.AngezeigterText();
        VerweisKlicken(u"Webseite"_s);   // only "#Schluessel" leads anywhere
        QCOMPARE(hilfe.AngezeigterText(), inhalt);
        VerweisKlicken(u"Konfiguration laden"_s);
        QCOMPARE(hilfe.AktuellesThema(), u"F5_All"_s);
        zurueck->click();
        QCOMPARE(hilfe.AngezeigterText(), inhalt);
        QVERIFY(vor->isEnabled() && !zurueck->isEnabled());
        vor->click();
        QCOMPARE(hilfe.AktuellesThema(), u"F5_All"_s);
        // A new link from an earlier page drops the pages after it.
        zurueck->click();
        VerweisKlicken(u"Grafik"_s);
        QVERIFY(!vor->isEnabled());
        Knopf(hilfe.Fenster(), u"&Inhalt"_s)->click();
        QCOMPARE(hilfe.AktuellesThema(), u"Inhalt"_s);
        zurueck->click();
        zurueck->click();
        QCOMPARE(hilfe.AngezeigterText(), inhalt);
    }

    void f1OeffnetDasThemaDesFokussiertenElementsOderMenueeintrags()
    {
        QWidget fenster;
        auto *gruppe = new QWidget(&fenster);
        auto *mitKontext = new QLineEdit(&fenster), *ohneKontext = new QLineEdit(&fenster);
        auto *inGruppe = new QLineEdit(gruppe);
        HilfeKontextSetzen(mitKontext, 600);
        HilfeKontextSetzen(gruppe, 410);   // found through the parent
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        for (auto [feld, thema] : {std::pair{mitKontext, u"F5_All"_s}, std::pair{inGruppe, u"Grafik"_s},
                                   std::pair{ohneKontext, u"Inhalt"_s}}) {
            feld->setFocus();
            QTest::keyClick(feld, Qt::Key_F1);
            QCOMPARE(hilfe.AktuellesThema(), thema);
            QVERIFY(hilfe.Fenster()->isVisible());
            hilfe.Fenster()->close();
        }
        QTest::keyClick(ohneKontext, Qt::Key_A);
        QCOMPARE(ohneKontext->text(), u"a"_s);   // F1 was consumed, other keys pass

        // In an open menu the marked item counts, else the menu's number.
        QMenu menue(&fenster);
        HilfeKontextSetzen(&menue, 8108);
        QAction *mitNummer = menue.addAction(u"Konfiguration &nachladen ..."_s);
        HilfeKontextSetzen(mitNummer, 600);
        for (auto [eintrag, thema] : {std::pair{mitNummer, u"F5_All"_s},
                                      std::pair{menue.addAction(u"&Beenden"_s), u"FM_8108"_s}}) {
            menue.popup(fenster.mapToGlobal(QPoint(10, 10)));
            QVERIFY(QTest::qWaitForWindowExposed(&menue));
            QCOMPARE(QApplication::activePopupWidget(), &menue);
            menue.setActiveAction(eintrag);
            QTest::keyClick(&menue, Qt::Key_F1);
            menue.close();   // the help window coming up closed it already
            QCOMPARE(hilfe.AktuellesThema(), thema);
        }
    }

    void hilfeKnopfEinesMeldungskastensOeffnetSeinThema()
    {
        TQtPlattform plattform;
        bool geprueft = false;
        TQtPlattform::FensterErwarten();
        QTimer::singleShot(0, this, [&] {   // runs inside the box's own loop
            auto *kasten = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(kasten);
            const auto zu = qScopeGuard([&] { Knopf(kasten, u"&Nein"_s)->click(); });
            Knopf(kasten, u"&Hilfe"_s)->click();
            QCOMPARE(hilfe.AktuellesThema(), u"FM_8108"_s);
            QVERIFY(hilfe.Fenster()->isVisible() && kasten->isVisible());
            // Application-modal on top of the box, or the box would block it.
            QCOMPARE(hilfe.Fenster()->windowModality(), Qt::ApplicationModal);
            QCOMPARE(QApplication::activeModalWidget(), hilfe.Fenster());
            hilfe.ThemaZeigen(u"Inhalt"_s);
            hilfe.Fenster()->close();
            QTest::keyClick(Knopf(kasten, u"&Nein"_s), Qt::Key_F1);
            QCOMPARE(hilfe.AktuellesThema(), u"FM_8108"_s);
            hilfe.Fenster()->close();
            geprueft = true;
        });
        QCOMPARE(plattform.MeldungZeigen(MeldungBauen(TMeldungsNr::UngespeichertBeenden)), mrNo);
        QVERIFY(geprueft);
        hilfe.ThemaZeigen(u"Inhalt"_s);
        QCOMPARE(hilfe.Fenster()->windowModality(), Qt::NonModal);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

QTEST_MAIN(HilfeTest)
#include "HilfeTest.moc"
