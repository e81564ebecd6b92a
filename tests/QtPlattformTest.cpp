// The Qt platform: message boxes, the test mode, system colours. Answers
// queued by tests are used, in order, by the dialog tests.
#include "QtPlattform.h"
#include "SPRILO.h"
#include "Zusatz1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QScreen>
#include <QMessageBox>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

class TProtokollPlattform : public TQtPlattform {
public:
    std::vector<int> HilfeKontexte;
    void HilfeZeigen(int kontext) override { HilfeKontexte.push_back(kontext); }
};

TMeldung Frage(TKastenArt art, unsigned knoepfe)
{
    TMeldung m;
    m.Code = m.Hilfe = 8108;
    m.Text = "Die Daten sind nicht gespeichert.\r\rVorher speichern?";
    m.Art = art;
    m.Knoepfe = knoepfe;
    return m;
}

QMessageBox *OffenerKasten()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *kasten = qobject_cast<QMessageBox *>(w); kasten && kasten->isVisible())
            return kasten;
    return nullptr;
}

// Shows the box and runs schritte in it; the first button closes what they
// leave open, also after a failed check.
int ImKasten(TQtPlattform &plattform, const TMeldung &meldung, const std::function<void(QMessageBox &)> &schritte)
{
    TQtPlattform::FensterErwarten();
    QTimer::singleShot(0, [&] {
        QMessageBox *kasten = OffenerKasten();
        QVERIFY(kasten);
        schritte(*kasten);
        if (kasten->isVisible())
            kasten->buttons().constFirst()->click();
    });
    return plattform.MeldungZeigen(meldung);
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

    // The buttons in a fixed order whatever the desktop prefers; Help
    // opens the box's topic and leaves it open. Lines break at "\r".
    void kastenHatKnoepfeInFesterReihenfolgeUndHilfeSchliesstNicht()
    {
        TProtokollPlattform plattform;
        QStringList knoepfe;
        const unsigned alle = KnopfJa | KnopfNein | KnopfOK | KnopfAbbrechen | KnopfAbbruch | KnopfHilfe;
        QCOMPARE(ImKasten(plattform, Frage(TKastenArt::Warnung, alle), [&](QMessageBox &kasten) {
            QCOMPARE(kasten.windowTitle() + u'|' + kasten.text(),
                     u"Warnung|Die Daten sind nicht gespeichert.\n\nVorher speichern?"_s);
            auto liste = kasten.buttons();
            std::sort(liste.begin(), liste.end(), [](auto *a, auto *b) { return a->x() < b->x(); });
            for (QAbstractButton *b : liste)
                knoepfe << b->text();
            liste.last()->click();   // "&Hilfe"
            QVERIFY(kasten.isVisible());
            liste[1]->click();       // "&Nein"
        }), mrNo);
        QCOMPARE(knoepfe, (QStringList{u"&Ja"_s, u"&Nein"_s, u"OK"_s, u"Abbrechen"_s, u"&Abbrechen"_s, u"&Hilfe"_s}));
        QCOMPARE(plattform.HilfeKontexte, std::vector<int>{8108});
    }

    // Nobody answers a box in a test: one without a queued answer is
    // reported with its text and answered Cancel at once, never shown.
    void testmodusMeldetUnbeantworteteKaestenSofort()
    {
        QStringList gemeldet;
        TQtPlattform::TestFehlerEmpfaenger([&](const QString &text) { gemeldet << text; });
        TQtPlattform plattform;
        QCOMPARE(plattform.MeldungZeigen(Frage(TKastenArt::Warnung, KnopfJa | KnopfNein)), mrCancel);
        QVERIFY(OffenerKasten() == nullptr);
        QCOMPARE(gemeldet, QStringList{u"Message box without a queued answer: \"Warnung\": Die Daten sind nicht "
                                       u"gespeichert.\n\nVorher speichern?"_s});
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
        ImKasten(plattform, Frage(TKastenArt::Bestaetigen, KnopfJa | KnopfNein),
                 [](QMessageBox &k) { QCOMPARE(k.windowHandle()->title(), u"Bestätigen"_s); });
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
            QRect rahmen;
            ImKasten(plattform, meldung, [&](QMessageBox &kasten) {
                const auto *label = kasten.findChild<QLabel *>(u"qt_msgbox_label"_s);
                QVERIFY(label);
                zeilen = label->text().split(u'\n');
                breite = label->contentsRect().width();
                hoehe = label->height();
                rahmen = kasten.geometry();
            });
            const QFontMetrics m(QApplication::font());
            int laengste = 0;
            for (const QString &zeile : zeilen)
                laengste = std::max(laengste, m.boundingRect(QRect(), Qt::TextExpandTabs, zeile).width());
            if (meldung.Nr == TMeldungsNr::KeinKennzeichen) {
                QVERIFY2(breite >= laengste, qPrintable(u"%1 < %2"_s.arg(breite).arg(laengste)));
                QCOMPARE(hoehe, int(zeilen.size()) * m.height() + (int(zeilen.size()) - 1) * m.leading());
            } else {
                QVERIFY2(breite < laengste && breite <= 110 * m.averageCharWidth(), qPrintable(QString::number(breite)));
                QVERIFY(QApplication::primaryScreen()->availableGeometry().contains(rahmen));
            }
        }
    }

    // A long list goes into a read-only field between the text and the
    // buttons, where it scrolls.
    void detailsInEinemFeldUnterDemText()
    {
        TQtPlattform plattform;
        TMeldung meldung = Frage(TKastenArt::Bestaetigen, KnopfJa | KnopfNein);
        for (int i = 1; i <= 200; ++i)
            meldung.Details += "Zeile " + std::to_string(i) + (i < 200 ? "\r" : "");
        ImKasten(plattform, meldung, [](QMessageBox &kasten) {
            const auto *feld = kasten.findChild<QPlainTextEdit *>(u"Details"_s);
            QVERIFY(feld && feld->isVisible() && feld->isReadOnly());
            QCOMPARE(feld->toPlainText().split(u'\n').size(), 200);
            QCOMPARE(feld->toPlainText().split(u'\n').last(), u"Zeile 200"_s);
            const auto *text = kasten.findChild<QLabel *>(u"qt_msgbox_label"_s);
            const auto *knoepfe = kasten.findChild<QDialogButtonBox *>();
            QVERIFY(text->geometry().bottom() < feld->geometry().top());
            QVERIFY(feld->geometry().bottom() < knoepfe->geometry().top());
            QVERIFY(feld->verticalScrollBar()->maximum() > 0);
            QVERIFY(QApplication::primaryScreen()->availableGeometry().contains(kasten.geometry()));
        });
    }

    // Windows numbers 5 (window) and 13 (highlight), also as chart colours
    // 20 and 28; out of range is black.
    void systemFarbenFolgenDerPalette()
    {
        const QPalette vorher = QApplication::palette();
        QPalette palette = vorher;
        palette.setColor(QPalette::Base, QColor(0x12, 0x34, 0x56));
        palette.setColor(QPalette::Highlight, QColor(0xAB, 0xCD, 0xEF));
        QApplication::setPalette(palette);
        TQtPlattform plattform;
        PlattformSetzen(&plattform);
        QCOMPARE((std::vector{plattform.SystemFarbe(5), plattform.SystemFarbe(13), plattform.SystemFarbe(0),
                              plattform.SystemFarbe(25), FarbeNr(20), FarbeNr(28)}),
                 (std::vector<uint32_t>{0x123456, 0xABCDEF, 0, 0, 0x123456, 0xABCDEF}));
        PlattformSetzen(nullptr);
        QApplication::setPalette(vorher);
    }
};

QTEST_MAIN(QtPlattformTest)
#include "QtPlattformTest.moc"
