// The Qt platform: message boxes, answers queued by tests, system colours.
#include "QtPlattform.h"
#include "SPRILO.h"
#include "Zusatz1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QScreen>
#include <QMessageBox>
#include <QPalette>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <algorithm>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

class TProtokollPlattform : public TQtPlattform {
public:
    std::vector<int> HilfeKontexte;
    void HilfeZeigen(int kontext) override { HilfeKontexte.push_back(kontext); }
};

TMeldung UngespeichertFrage()
{
    TMeldung m;
    m.Code = 8108;
    m.Text = "Die im Arbeitsspeicher befindlichen Daten sind noch nicht gespeichert.\r"
             "Durch das Beenden des Programmes werden die Daten gelöscht.\r\r"
             "Möchten Sie die Daten vorher speichern?";
    m.TonArt = 3;
    m.TonImmer = true;
    m.Art = TKastenArt::Warnung;
    m.Knoepfe = KnopfJa | KnopfNein | KnopfAbbruch | KnopfHilfe;
    m.Hilfe = 8108;
    return m;
}

QMessageBox *OffenerKasten()
{
    const auto fenster = QApplication::topLevelWidgets();
    for (QWidget *w : fenster) {
        if (auto *kasten = qobject_cast<QMessageBox *>(w); kasten && kasten->isVisible())
            return kasten;
    }
    return nullptr;
}

} // namespace

class QtPlattformTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        TQtPlattform::TestZustandLoeschen();
        TQtPlattform::TestModusSetzen(true);
        PlattformSetzen(nullptr);
    }

    void cleanup()
    {
        TQtPlattform::TestFehlerEmpfaenger(nullptr);
        QCOMPARE(TQtPlattform::ErwarteteFenster(), 0);
    }

    void vorgemerkteAntwortenBeantwortenKaestenDerReiheNach()
    {
        TQtPlattform plattform;
        PlattformSetzen(&plattform);
        TQtPlattform::NaechsteAntwort(mrAbort);
        TQtPlattform::NaechsteAntwort(mrYes);

        TMeldung frage;
        frage.Text = "Das Programm wird beendet.\rIst das beabsichtigt ?";
        frage.Art = TKastenArt::Bestaetigen;
        frage.Knoepfe = KnopfJa | KnopfNein;

        QCOMPARE(Plattform().MeldungZeigen(UngespeichertFrage()), mrAbort);
        QCOMPARE(Plattform().MeldungZeigen(frage), mrYes);
        QCOMPARE(TQtPlattform::AusstehendeAntworten(), 0);
        QVERIFY(OffenerKasten() == nullptr);

        const auto &gezeigt = TQtPlattform::GezeigteMeldungen();
        QCOMPARE(gezeigt.size(), size_t(2));
        QCOMPARE(gezeigt[0].Code, 8108);
        QCOMPARE(gezeigt[0].Hilfe, 8108);
        QCOMPARE(QString::fromStdString(gezeigt[1].Text),
                 u"Das Programm wird beendet.\rIst das beabsichtigt ?"_s);
        QCOMPARE(static_cast<int>(gezeigt[1].Art), static_cast<int>(TKastenArt::Bestaetigen));
        PlattformSetzen(nullptr);
    }

    void kastenHatKnoepfeInFesterReihenfolgeUndHilfeSchliesstNicht()
    {
        TProtokollPlattform plattform;
        QString titel, text;
        QStringList knopfTexte;
        bool offenNachHilfe = false;

        TQtPlattform::FensterErwarten();
        QTimer::singleShot(0, this, [&] {
            QMessageBox *kasten = OffenerKasten();
            QVERIFY(kasten != nullptr);
            titel = kasten->windowTitle();
            text = kasten->text();
            auto knoepfe = kasten->buttons();
            std::sort(knoepfe.begin(), knoepfe.end(), [](QAbstractButton *a, QAbstractButton *b) {
                return a->x() < b->x();
            });
            for (QAbstractButton *b : knoepfe)
                knopfTexte << b->text();
            const auto knopf = [&](const QString &t) {
                auto it = std::find_if(knoepfe.begin(), knoepfe.end(),
                                       [&](QAbstractButton *b) { return b->text() == t; });
                return it == knoepfe.end() ? nullptr : *it;
            };
            if (QAbstractButton *hilfe = knopf(u"&Hilfe"_s))
                hilfe->click();
            offenNachHilfe = kasten->isVisible();
            if (QAbstractButton *nein = knopf(u"&Nein"_s))
                nein->click();
            else
                kasten->reject();
        });
        const int antwort = plattform.MeldungZeigen(UngespeichertFrage());

        QCOMPARE(antwort, mrNo);
        QCOMPARE(titel, u"Warnung"_s);
        QCOMPARE(text, u"Die im Arbeitsspeicher befindlichen Daten sind noch nicht gespeichert.\n"
                       u"Durch das Beenden des Programmes werden die Daten gelöscht.\n\n"
                       u"Möchten Sie die Daten vorher speichern?"_s);
        QCOMPARE(knopfTexte, (QStringList{u"&Ja"_s, u"&Nein"_s, u"&Abbrechen"_s, u"&Hilfe"_s}));
        QVERIFY(offenNachHilfe);
        QCOMPARE(plattform.HilfeKontexte, std::vector<int>{8108});
    }

    // Nobody answers a box in a test: one without a queued answer is
    // reported with its text and answered Cancel at once, never shown.
    void testmodusMeldetUnbeantworteteKaestenSofort()
    {
        QStringList gemeldet;
        TQtPlattform::TestFehlerEmpfaenger([&](const QString &text) { gemeldet << text; });
        TQtPlattform plattform;

        QCOMPARE(plattform.MeldungZeigen(UngespeichertFrage()), mrCancel);
        QVERIFY(OffenerKasten() == nullptr);
        QCOMPARE(gemeldet, QStringList{u"Message box without a queued answer: \"Warnung\": Die im Arbeitsspeicher "
                                       u"befindlichen Daten sind noch nicht gespeichert.\nDurch das Beenden des "
                                       u"Programmes werden die Daten gelöscht.\n\nMöchten Sie die Daten vorher "
                                       u"speichern?"_s});
        QCOMPARE(TQtPlattform::GezeigteMeldungen().size(), size_t(1));
    }

    // A modal dialog opens only when announced, or when the test queued its
    // closing before it opened; any other is reported and rejected, so that
    // exec() returns instead of waiting.
    void testmodusSchliesstUnangekuendigteDialoge()
    {
        QStringList gemeldet;
        TQtPlattform::TestFehlerEmpfaenger([&](const QString &text) { gemeldet << text; });
        QDialog dialog;
        dialog.setWindowTitle(u"Kennzeichen eingeben"_s);

        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(gemeldet, QStringList{u"Modal dialog the test neither announced nor closed: "
                                       u"\"Kennzeichen eingeben\" (QDialog)"_s});

        gemeldet.clear();
        QTimer::singleShot(0, &dialog, &QDialog::accept);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        TQtPlattform::FensterErwarten();
        QTimer::singleShot(20, &dialog, &QDialog::accept);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(gemeldet, QStringList());
        QCOMPARE(TQtPlattform::ErwarteteFenster(), 0);
        TQtPlattform::TestModusSetzen(false);
        QTimer::singleShot(20, &dialog, &QDialog::accept);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(gemeldet, QStringList());
        TQtPlattform::TestModusSetzen(true);
    }

    // Qt appends the application's display name, once one is set, to the
    // title of every window ("Warnung — Sprilo - Programm"); the boxes and
    // dialogs must show their own titles only, so the program sets none:
    // the display name still follows the plain application name.
    void titelOhneAnhang()
    {
        const QString name = QCoreApplication::applicationName();
        AnwendungEinrichten();
        QCOMPARE(QCoreApplication::applicationName(), u"Sprilo"_s);
        QCoreApplication::setApplicationName(u"Probe"_s);
        QCOMPARE(QGuiApplication::applicationDisplayName(), u"Probe"_s);
        QCoreApplication::setApplicationName(name);

        TQtPlattform plattform;
        QString titel;
        TQtPlattform::FensterErwarten();
        QTimer::singleShot(0, this, [&] {
            QMessageBox *kasten = OffenerKasten();
            QVERIFY(kasten);
            titel = kasten->windowHandle()->title();
            kasten->buttons().constFirst()->click();
        });
        TMeldung frage;
        frage.Art = TKastenArt::Bestaetigen;
        frage.Knoepfe = KnopfJa | KnopfNein;
        plattform.MeldungZeigen(frage);
        QCOMPARE(titel, u"Bestätigen"_s);
    }

    // A box is as wide as its longest line, so no line breaks with a word
    // left alone; only a paragraph longer than about 110 characters wraps,
    // and the box stays on the screen.
    void kastenIstSoBreitWieSeineLaengsteZeile()
    {
        TQtPlattform plattform;
        for (const TMeldung &meldung : {MeldungBauen(TMeldungsNr::KeinKennzeichen),
                                        MeldungBauen(TMeldungsNr::Softwarehinweis, {"3.2"})}) {
            QStringList zeilen;
            int breite = 0, hoehe = 0;
            QRect kastenRahmen;
            TQtPlattform::FensterErwarten();
            QTimer::singleShot(0, this, [&] {
                QMessageBox *kasten = OffenerKasten();
                QVERIFY(kasten);
                const auto *label = kasten->findChild<QLabel *>(u"qt_msgbox_label"_s);
                QVERIFY(label);
                zeilen = label->text().split(u'\n');
                breite = label->contentsRect().width();
                hoehe = label->height();
                kastenRahmen = kasten->geometry();
                kasten->buttons().constFirst()->click();
            });
            plattform.MeldungZeigen(meldung);
            const QFontMetrics m(QApplication::font());
            int laengste = 0;
            for (const QString &zeile : zeilen)
                laengste = std::max(laengste, m.boundingRect(QRect(), Qt::TextExpandTabs, zeile).width());
            if (meldung.Nr == TMeldungsNr::KeinKennzeichen) {
                QVERIFY2(breite >= laengste, qPrintable(u"%1 < %2"_s.arg(breite).arg(laengste)));
                QCOMPARE(hoehe, int(zeilen.size()) * m.height() + (int(zeilen.size()) - 1) * m.leading());
            } else {
                QVERIFY2(breite < laengste && breite <= 110 * m.averageCharWidth(), qPrintable(QString::number(breite)));
                QVERIFY(QApplication::primaryScreen()->availableGeometry().contains(kastenRahmen));
            }
        }
    }

    void systemFarbenFolgenDerPalette()
    {
        const QPalette vorher = QApplication::palette();
        QPalette palette = vorher;
        palette.setColor(QPalette::Window, QColor(0x65, 0x43, 0x21));
        palette.setColor(QPalette::Base, QColor(0x12, 0x34, 0x56));
        palette.setColor(QPalette::Highlight, QColor(0xAB, 0xCD, 0xEF));
        QApplication::setPalette(palette);

        TQtPlattform plattform;
        PlattformSetzen(&plattform);
        QCOMPARE(plattform.SystemFarbe(5), 0x123456u);
        QCOMPARE(plattform.SystemFarbe(13), 0xABCDEFu);
        QCOMPARE(plattform.SystemFarbe(0), 0u);
        QCOMPARE(plattform.SystemFarbe(25), 0u);
        // The chart colours 16..39 reach the system colours through FarbeNr.
        QCOMPARE(FarbeNr(20), 0x123456u);
        QCOMPARE(FarbeNr(28), 0xABCDEFu);

        PlattformSetzen(nullptr);
        QApplication::setPalette(vorher);
    }
};

QTEST_MAIN(QtPlattformTest)
#include "QtPlattformTest.moc"
