// Shared pieces of the window tests: a platform that records beeps instead
// of playing them, the main window on fresh state in test mode (a box or
// dialog nobody answers fails the test instead of waiting), fill-ups made
// in one line, and steps run in a modal window.
#pragma once

#include "Feldpruefung.h"
#include "Konfiguration.h"
#include "QtPlattform.h"
#include "Sprilo_1.h"
#include "Sprilo_Dek.h"
#include "Sprilo_Z.h"
#include "Zusatz1.h"
#include "Zustand.h"
#include "consumption/Verbrauchswerte.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TTestPlattform : public TQtPlattform {
public:
    std::vector<int> Toene;
    void Ton(int art) override { Toene.push_back(art); }
    void HilfeZeigen(int) override {}
};

inline TTankFuellung Fuellung(int km, int tag, int monat, int jahr, const std::string &tankstelle = "Jet")
{
    TTankFuellung f;
    f.KMStand = km;
    f.Datum.Tag = static_cast<uint8_t>(tag);
    f.Datum.Monat = static_cast<uint8_t>(monat);
    f.Datum.Jahr = static_cast<uint16_t>(jahr);
    f.Tankstelle = tankstelle;
    f.Betrag = 50;
    f.Liter = 40;
    return f;
}

// A fill-up as the entry panel would have made it from these texts, with
// every derived value in place; vollBei nullptr: not full.
inline TTankFuellung Eintrag(int km, const char *datum, const char *station, const char *betrag,
                             const char *liter, const char *vollBei = nullptr)
{
    TFuellungsEingabe e;
    e.KMStand = std::to_string(km);
    e.Datum = datum;
    e.Tankstelle = station;
    e.Betrag = betrag;
    e.Liter = liter;
    e.Vollgetankt = vollBei != nullptr;
    e.VollBei = vollBei ? vollBei : "";
    return FuellungBilden(e);
}

// Fresh global state, the recording platform installed and the main window
// shown and active (focus events need that offscreen). vorbereiten runs
// before the window is made.
inline bool HauptfensterStarten(std::unique_ptr<TTestPlattform> &plattform, std::unique_ptr<TForm1> &form,
                                const std::function<void()> &vorbereiten = {})
{
    TQtPlattform::TestZustandLoeschen();
    TQtPlattform::TestModusSetzen(true);
    plattform = std::make_unique<TTestPlattform>();
    PlattformSetzen(plattform.get());
    GlobalenZustandZuruecksetzen();
    AuswahlTankstelleNr = -1;
    if (vorbereiten)
        vorbereiten();
    form = std::make_unique<TForm1>();
    form->StatusAnzeigen();
    form->show();
    QApplication::setActiveWindow(form.get());
    return QTest::qWaitForWindowActive(form.get());
}

// HauptfensterStarten on the day heute, which makes its year "this year".
inline bool HauptfensterStartenAm(const TDatum &heute, std::unique_ptr<TTestPlattform> &plattform,
                                  std::unique_ptr<TForm1> &form)
{
    return HauptfensterStarten(plattform, form, [heute] {
        TQtPlattform::HeuteFestlegen(heute);
        AktuellesJahr = HeutigesDatum().Jahr;
    });
}

// What a test queued or announced and nothing used: box answers, file
// names and windows.
inline int UnbenutzteVormerkungen()
{
    return TQtPlattform::AusstehendeAntworten() + TQtPlattform::AusstehendeDateien()
           + TQtPlattform::ErwarteteFenster();
}

// Closes everything again; returns what the test queued but nothing used
// (UnbenutzteVormerkungen).
inline int HauptfensterBeenden(std::unique_ptr<TTestPlattform> &plattform, std::unique_ptr<TForm1> &form)
{
    form.reset();
    const int uebrig = UnbenutzteVormerkungen();
    TQtPlattform::TestZustandLoeschen();
    PlattformSetzen(nullptr);
    plattform.reset();
    GlobalenZustandZuruecksetzen();
    return uebrig;
}

// The messages shown so far, by number: which message, not its wording
// (that is the table's business, tested in MeldungenTest).
inline QList<TMeldungsNr> GezeigteMeldungsNr()
{
    QList<TMeldungsNr> nr;
    for (const TMeldung &m : TQtPlattform::GezeigteMeldungen())
        nr << m.Nr;
    return nr;
}

// Clicks a radio button or check box on its mark, as a user would: the
// button answers only to clicks on its mark and its text, and a layout may
// make it much wider than those.
inline void AufMarkeKlicken(QAbstractButton *knopf)
{
    QStyleOptionButton option;
    option.initFrom(knopf);
    const auto marke =
        qobject_cast<QCheckBox *>(knopf) ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator;
    QTest::mouseClick(knopf, Qt::LeftButton, {}, knopf->style()->subElementRect(marke, &option, knopf).center());
}

// Runs schritte on the modal window of type T as soon as it shows and is
// active, then closes it if the steps left it open, so that a failed check
// cannot hang. gelaufen tells whether the steps ran.
template <typename T> void ImModalenFenster(QObject *besitzer, bool &gelaufen, std::function<void(T &)> schritte)
{
    gelaufen = false;
    TQtPlattform::FensterErwarten();
    auto *uhr = new QTimer(besitzer);
    QObject::connect(uhr, &QTimer::timeout, besitzer, [uhr, &gelaufen, schritte] {
        auto *f = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!f || !f->isVisible())
            return;
        uhr->stop();
        uhr->deleteLater();
        QApplication::setActiveWindow(f);
        if (QTest::qWaitForWindowActive(f)) {
            gelaufen = true;
            schritte(*f);
        }
        if (f->isVisible())
            static_cast<QDialog *>(f)->done(QDialog::Rejected);
    });
    uhr->start(5);
}

// Every cell of row zeile (from 1) of a window's table, '|' between them.
template <typename F> QString Zeile(const F &f, int zeile)
{
    QStringList zellen;
    for (int s = 0; s < f.Modell->columnCount(); ++s)
        zellen << f.Modell->index(zeile - 1, s).data().toString();
    return zellen.join(u'|');
}

// Marks row zeile (from 1) of a window's table, as a click would.
template <typename F> void ZeileWaehlen(F &f, int zeile)
{
    f.Tabelle1->selectionModel()->setCurrentIndex(f.Modell->index(zeile - 1, 0),
                                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// A colour of a widget's palette as 0xRRGGBB.
inline uint Farbe(const QWidget *w, QPalette::ColorRole rolle = QPalette::Window)
{
    return w->palette().color(rolle).rgb() & 0xFFFFFFu;
}

// The entries of a drop-down list, '|' between them.
inline QString Eintraege(const QComboBox *liste)
{
    QStringList texte;
    for (int i = 0; i < liste->count(); ++i)
        texte << liste->itemText(i);
    return texte.join(u'|');
}

// A date as "T.M.JJJJ", unpadded (day 32: the end of the month).
inline QString Datum(const TDatum &d)
{
    return QStringLiteral("%1.%2.%3").arg(d.Tag).arg(d.Monat).arg(d.Jahr);
}

// Chooses an entry of a drop-down list with the keyboard, as a user would.
inline void Waehlen(QComboBox *liste, const QString &text)
{
    const int ziel = liste->findText(text);
    QVERIFY2(ziel >= 0, qPrintable(text));
    liste->setFocus();
    QTest::keyClick(liste, Qt::Key_Home);
    for (int i = 0; i < ziel; ++i)
        QTest::keyClick(liste, Qt::Key_Down);
    QCOMPARE(liste->currentText(), text);
}

// The rows of a test that runs with the platform's font and with a large
// one: "punkte", the font's size in points (0: as it is).
inline void SchriftgroessenDaten()
{
    QTest::addColumn<int>("punkte");
    QTest::newRow("Standardschrift") << 0;
    QTest::newRow("grosse Schrift") << 14;
}

// The first control below flaeche, shown and named by the program, that
// sticks out of its parent or gets less room than it asks for, with its
// size, place and need; empty when every one has its room. Qt's own parts
// (named "qt_...") and what they hold do not count.
inline QString Abgeschnitten(const QWidget *flaeche)
{
    for (const QWidget *w : flaeche->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->objectName().isEmpty() || w->objectName().startsWith(u"qt_")
            || w->parentWidget()->objectName().startsWith(u"qt_"))
            continue;
        const QRect inEltern = w->parentWidget()->rect();
        const QSize noetig = w->minimumSizeHint();
        if (inEltern.contains(w->geometry()) && w->width() >= noetig.width() && w->height() >= noetig.height())
            continue;
        return QStringLiteral("%1 %2x%3 in %4x%5 at %6,%7 needs %8x%9")
            .arg(w->objectName())
            .arg(w->width())
            .arg(w->height())
            .arg(inEltern.width())
            .arg(inEltern.height())
            .arg(w->x())
            .arg(w->y())
            .arg(noetig.width())
            .arg(noetig.height());
    }
    return QString();
}

// For a test with the rows of SchriftgroessenDaten, in init() before the
// main window is made: the font of the row about to run, the platform's
// font for every other.
inline void SchriftDerZeileSetzen()
{
    static const QFont standard = QApplication::font();
    QFont schrift = standard;
    if (qstrcmp(QTest::currentDataTag(), "grosse Schrift") == 0)
        schrift.setPointSize(14);
    QApplication::setFont(schrift);
}

// Runs oeffnen, which brings up the tank capacity dialog, and answers it
// with text and Enter; false when no dialog showed.
inline bool TankinhaltEingeben(QObject *besitzer, const QString &text, const std::function<void()> &oeffnen)
{
    static bool gelaufen = false;
    ImModalenFenster<TZusatzForm>(besitzer, gelaufen, [text](TZusatzForm &d) {
        d.KB_Edit1->selectAll();
        QTest::keyClicks(d.KB_Edit1, text);
        QTest::keyClick(d.KB_Edit1, Qt::Key_Return);
    });
    oeffnen();
    return gelaufen;
}
