// Shared pieces of the window tests: a platform that records beeps instead
// of playing them, the main window on fresh state in test mode (a box or
// dialog nobody answers fails the test instead of waiting), and fill-ups
// made in one line.
#pragma once

#include "Konfiguration.h"
#include "QtPlattform.h"
#include "Sprilo_1.h"
#include "Sprilo_Dek.h"
#include "Zustand.h"

#include <QApplication>
#include <QCheckBox>
#include <QStyleOptionButton>
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
