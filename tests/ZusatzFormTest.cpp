// The settings dialog (licence plate, fixed consumption, tank capacity) and
// the main window's settings commands. Modal dialogs are acted on from a timer.
#include "Oberflaeche.h"
#include "Drucker.h"
#include "Feldpruefung.h"
#include "Hilfe.h"
#include "QtPlattform.h"
#include "Sprilo_1.h"
#include "Sprilo_Z.h"
#include "Zusatz1.h"
#include "print/Sprilo_4.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
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

// Types like a user, '<' moving the cursor left; QTest::keyClicks knows
// only ASCII, the plate may hold umlauts.
void Tippen(QWidget *w, const QString &text)
{
    for (const QChar c : text) {
        if (c == u'<')
            QTest::keyClick(w, Qt::Key_Left);
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
}

// The messages shown, each as "number text".
QStringList Meldungen()
{
    QStringList texte;
    for (const TMeldung &m : TQtPlattform::GezeigteMeldungen())
        texte << QString::number(int(m.Nr)) + u' ' + QString::fromStdString(m.Text);
    return texte;
}

QString Meldung(TMeldungsNr nr, std::initializer_list<std::string> teile = {})
{
    return QString::number(int(nr)) + u' ' + QString::fromStdString(MeldungBauen(nr, teile).Text);
}

// Per mode: the help topic of the Help button and the context of F1.
const QString Hilfe[] = {u"FZ_Kennz 7010"_s, u"FZ_FestVB 7020"_s, u"FZ_Tank0 7030"_s, u"FZ_Tank0 7031"_s};

} // namespace

class ZusatzFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestPlattform> m_plattform;
    std::unique_ptr<TForm1> m_form;
    QTimer *m_uhr = nullptr;
    bool m_gelaufen = false;

    // Runs schritte on the modal dialog as soon as it shows, then cancels
    // whatever is left open so that a failed check cannot hang the test.
    template <typename T> void ImDialog(std::function<void(T &)> schritte)
    {
        m_gelaufen = false;
        TQtPlattform::FensterErwarten();
        m_uhr = new QTimer(this);
        connect(m_uhr, &QTimer::timeout, this, [this, schritte] {
            if (auto *d = qobject_cast<T *>(QApplication::activeModalWidget()); d && d->isVisible()) {
                m_uhr->stop();
                m_gelaufen = true;
                schritte(*d);
                if (d->isVisible())
                    d->reject();
            }
        });
        m_uhr->start(5);
    }

    // 0 plate, 1 consumption, 2 tank (the main window's commands, on saved
    // data), 3 tank of at least one litre (the dialog itself).
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
        else
            TZusatzForm(m_form.get()).TankinhaltEingeben(wert, true);
        return art == 1 ? Festverbrauch : art == 2 ? Tankinhalt : wert;
    }

private slots:
    void init()
    {
        QVERIFY(HauptfensterStarten(m_plattform, m_form));
        WarnTonAn = false;
    }

    void cleanup()
    {
        delete m_uhr;
        m_uhr = nullptr;
        QCOMPARE(HauptfensterBeenden(m_plattform, m_form), 0);
        QVERIFY(!ZusatzForm);
    }

    void eingeben_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("tippen");
        QTest::addColumn<int>("taste");   // 0: the close box
        QTest::addColumn<int>("fehlerNr");
        QTest::addColumn<QString>("ergebnis");
        const int ret = Qt::Key_Return, esc = Qt::Key_Escape;
        QTest::newRow("Kennzeichen klein") << 0 << u" hh-äöüß"_s << ret << 0 << u"OL 12 HH-ÄÖÜß"_s;
        QTest::newRow("Kennzeichen Schreibmarke") << 0 << u"<<<ab"_s << ret << 0 << u"OLAB 12"_s;
        QTest::newRow("Kennzeichen 21 Zeichen") << 0 << u"abcdefghijklmnop"_s << ret << 0 << u"OL 12ABCDEFGHIJKLMNO"_s;
        QTest::newRow("Kennzeichen unverändert") << 0 << QString() << ret << 0 << u"OL 12"_s;
        QTest::newRow("Kennzeichen Esc") << 0 << u"neu"_s << esc << 0 << u"OL 12"_s;
        QTest::newRow("Kennzeichen Schließfeld") << 0 << u"neu"_s << 0 << 0 << u"OL 12"_s;
        QTest::newRow("Tank 0 schaltet die Strecke ab") << 2 << u"0"_s << ret << 0 << u"0"_s;
        QTest::newRow("Tank 0 unter einem Liter") << 3 << u"0"_s << ret << 23 << u"55.3"_s;
        QTest::newRow("Tank keine Zahl") << 2 << u"abc"_s << ret << 20 << u"55.3"_s;
        QTest::newRow("Tank unverändert") << 2 << QString() << ret << 0 << u"55.3"_s;
        QTest::newRow("Tank Esc") << 2 << u"60"_s << esc << 0 << u"55.3"_s;
        QTest::newRow("Verbrauch 1000") << 1 << u"1000"_s << ret << 0 << u"1000"_s;
        QTest::newRow("Verbrauch 1,234") << 1 << u"1,234"_s << ret << 16 << u"55.3"_s;
        QTest::newRow("Verbrauch unverändert") << 1 << QString() << ret << 0 << u"55.3"_s;
    }

    // Each mode has its help, a fixed size with nothing cut off. A refused
    // value keeps the dialog open with the whole text selected; Esc then
    // returns the value from before. Only a change makes the data unsaved;
    // only the plate clears the work area first.
    void eingeben()
    {
        QFETCH(int, art);
        QFETCH(QString, tippen);
        QFETCH(int, taste);
        QFETCH(int, fehlerNr);
        QFETCH(QString, ergebnis);
        Kennzeichen = "OL 12";
        m_form->FehlerBox1->show();
        if (fehlerNr)
            TQtPlattform::NaechsteAntwort(mrOk);
        ImDialog<TZusatzForm>([&](TZusatzForm &d) {
            QCOMPARE(d.HilfeSchluessel() + u' ' + QString::number(HilfeKontext(d.KB_Edit1)), Hilfe[art]);
            // The plate is amended (cursor at the end), a number replaced (selected).
            QCOMPARE(d.KB_Edit1->text() + u'|' + d.KB_Edit1->selectedText(), art ? u"55,30|55,30"_s : u"OL 12|"_s);
            QCOMPARE(d.KB_Edit1->cursorPosition(), 5);
            QCOMPARE(d.focusWidget(), d.KB_Edit1);
            QCOMPARE(d.minimumSize(), d.maximumSize());
            // The design size; mode 1 without its remark line is lower.
            QVERIFY(d.width() >= 257 && (art == 1 || d.height() >= 141));
            for (QWidget *w : d.findChildren<QWidget *>())
                QVERIFY2(!w->isVisible()
                             || (d.rect().contains(w->geometry()) && w->width() >= w->minimumSizeHint().width()
                                 && w->height() >= (w->hasHeightForWidth() ? w->heightForWidth(w->width())
                                                                           : w->minimumSizeHint().height())),
                         qPrintable(w->objectName()));
            Tippen(d.KB_Edit1, tippen);
            taste ? QTest::keyClick(d.KB_Edit1, Qt::Key(taste)) : (void)d.close();
            QCOMPARE(d.isVisible(), fehlerNr != 0);
            if (fehlerNr) {
                QCOMPARE(d.focusWidget(), d.KB_Edit1);
                QCOMPARE(d.KB_Edit1->selectedText(), tippen.toUpper());
                QTest::keyClick(d.KB_Edit1, Qt::Key_Escape);
                QVERIFY(!d.isVisible());
            }
        });
        const long double alt = TextInZahl("55,3").Wert;
        const long double wert = Aufrufen(art, alt);
        QVERIFY(m_gelaufen);
        QCOMPARE(art == 0 ? QString::fromStdString(Kennzeichen) : QString::number(double(wert)), ergebnis);
        if (art != 3)
            QCOMPARE(Gespeichert, art == 0 ? ergebnis == u"OL 12"_s : wert == alt);
        QCOMPARE(m_form->SpeedButton5->isEnabled(), !Gespeichert);
        QCOMPARE(m_form->FehlerBox1->isVisible(), art != 0);
        const auto nr = art == 1 ? TMeldungsNr::FestverbrauchUngueltig : TMeldungsNr::TankinhaltUngueltig;
        QCOMPARE(Meldungen(), fehlerNr ? QStringList{Meldung(nr, {FehlerText(fehlerNr)})} : QStringList());
    }

    // Mode 1 shows no remark under the edit: the dialog is lower by that
    // line instead of leaving a gap where it would be.
    void festverbrauchOhneLueckeUnterDemFeld()
    {
        int luecke[2] = {}, hoehe[2] = {};
        for (int art : {0, 1}) {
            ImDialog<TZusatzForm>([&](TZusatzForm &d) {
                QCOMPARE(d.KB_Label2->isVisible(), art == 0);
                const QWidget *darueber = art == 0 ? static_cast<QWidget *>(d.KB_Label2) : d.KB_Edit1;
                luecke[art] = d.KB_Ok->y() - darueber->geometry().bottom();
                hoehe[art] = d.height();
            });
            Aufrufen(art, 5);
            QVERIFY(m_gelaufen);
        }
        QCOMPARE(luecke[1], luecke[0]);
        QVERIFY2(hoehe[1] < hoehe[0], qPrintable(QString::number(hoehe[1])));
    }

    // The plate goes into the data file: characters code page 1252 lacks
    // are left out where they are typed, and a line in the dialog says so.
    void kennzeichenNurMitSpeicherbarenZeichen()
    {
        WarnTonAn = true;
        Kennzeichen = "OL 12";
        ImDialog<TZusatzForm>([&](TZusatzForm &d) {
            QVERIFY(!d.KB_Label3->isVisible());
            const QRect vorher = d.geometry();
            QApplication::clipboard()->setText(u"Łódź ✓"_s);
            QTest::keyClick(d.KB_Edit1, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(d.KB_Edit1->text(), u"OL 12óD "_s);
            QCOMPARE(d.KB_Edit1->cursorPosition(), 8);
            QVERIFY(d.KB_Label3->isVisible());
            QCOMPARE(d.KB_Label3->text(), QString::fromStdString(AbgelehnteZeichenText("Łź✓")));
            QVERIFY(d.rect().contains(d.KB_Label3->geometry()));
            QVERIFY(d.KB_Label3->geometry().bottom() < d.KB_Ok->y());
            QCOMPARE(d.geometry().topLeft(), vorher.topLeft());
            QCOMPARE(m_plattform->Toene, std::vector<int>{1});
            // A tab or line break pasted in is no part of a plate either.
            QApplication::clipboard()->setText(u"\tX\n"_s);
            QTest::keyClick(d.KB_Edit1, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(d.KB_Edit1->text(), u"OL 12óD X"_s);
            QCOMPARE(d.KB_Label3->text(), QString::fromStdString(AbgelehnteZeichenText("\t\n")));
            QCOMPARE(m_plattform->Toene, (std::vector<int>{1, 1}));
            QTest::keyClick(d.KB_Edit1, Qt::Key_Return);
        });
        Aufrufen(0, 0);
        QCOMPARE(Kennzeichen, std::string("OL 12óD X"));
        // Opened again, the dialog has forgotten the remark.
        ImDialog<TZusatzForm>([](TZusatzForm &d) { QVERIFY(!d.KB_Label3->isVisible()); });
        Aufrufen(0, 0);
        QVERIFY(m_gelaufen);
    }

    void schalterUndDrucker()
    {
        // Sounds by button, then by menu: switching on beeps once, not
        // forced; switching off is silent. The switches follow.
        for (int i = 0; i < 4; ++i) {
            i < 2 ? m_form->SpeedButton11->click() : m_form->MP_2_7->trigger();
            QCOMPARE(WarnTonAn, i % 2 == 0);
            QCOMPARE(m_plattform->Toene, std::vector<int>(i / 2 + 1, 1));
            QCOMPARE(m_form->MP_2_7->isChecked(), WarnTonAn);
        }
        Gespeichert = true;   // the fixed consumption switch is a setting, not data
        m_form->MP_2_5->trigger();
        QVERIFY(!FestverbrauchAn && !m_form->MP_2_5->isChecked() && Gespeichert);
        // Printing inconsistent data is refused; the printer set-up is the system's.
        ImDialog<TForm4>([](TForm4 &d) { QCOMPARE(d.windowTitle(), u"Daten ausdrucken"_s); });
        m_form->DruckAufbau();
        QVERIFY(m_gelaufen);
        QVERIFY(Meldungen().isEmpty());
        DatenLogisch = false;
        TQtPlattform::NaechsteAntwort(mrOk);
        m_form->DruckAufbau();
        QCOMPARE(Meldungen(), QStringList{Meldung(TMeldungsNr::LogischeFehlerDruck)});
        // It only sets up: its confirm button is "OK", not "Drucken".
        ImDialog<QPrintDialog>([](QPrintDialog &d) {
            QCOMPARE(d.printer(), &Drucker());
            QStringList texte;
            for (const QDialogButtonBox *knoepfe : d.findChildren<QDialogButtonBox *>())
                for (const QAbstractButton *k : knoepfe->buttons())
                    if (knoepfe->buttonRole(const_cast<QAbstractButton *>(k)) == QDialogButtonBox::AcceptRole)
                        texte << k->text();
            QCOMPARE(texte, QStringList{u"OK"_s});
        });
        m_form->SpeedButton14->click();
        QVERIFY(m_gelaufen);
    }
};

QTEST_MAIN(ZusatzFormTest)
#include "ZusatzFormTest.moc"
