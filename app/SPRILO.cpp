#include "SPRILO.h"

#include "Einzelinstanz.h"
#include "Hilfe.h"
#include "Intro.h"
#include "Konfiguration.h"
#include "Laden3.h"
#include "Sprilo_1.h"
#include "Sprilo_Dek.h"
#include "Sprilo_V.h"
#include "Sprilo_Z.h"
#include "Zusatz1.h"
#include "Zustand.h"

#include <QApplication>

using namespace Qt::Literals::StringLiterals;

int SpriloAusfuehren()
{
    WarnTonAn = true;

    auto *intro = new TIntroForm;
    intro->show();
    intro->Neuzeichnen();

    THilfe::Instanz().DateiSetzen(QCoreApplication::applicationDirPath() + u"/SPRILO.HLP"_s);
    intro->Fortschritt(u"Hilfedatei geladen."_s);

    GlobalenZustandZuruecksetzen();
    intro->Fortschritt(u"Variablen initialisiert."_s);

    KonfigOrte = StandardKonfigOrte();
    StartAnzeige.Zeile = [intro](const std::string &zeile) { intro->Fortschritt(QString::fromStdString(zeile)); };
    StartAnzeige.Neuzeichnen = [intro] { intro->Neuzeichnen(); };
    KonfigurationSuchen();

    // A second start only brings the running one to the front.
    TEinzelinstanz instanz;
    if (instanz.Pruefen() == TEinzelinstanz::TErgebnis::Zweite) {
        StartAnzeige = {};
        delete intro;
        return 0;
    }

    QApplication::setApplicationDisplayName(u"Sprilo - Programm"_s);
    THilfe::Instanz().F1Einrichten();

    TForm1 form1;
    QObject::connect(&instanz, &TEinzelinstanz::Aktivieren, &form1, &TForm1::Aktivieren);
    form1.FormCreate();
    ZusatzForm = new TZusatzForm(&form1);
    LadeSelfMade = new TLadeSelfMade(&form1);
    Form5 = new TForm5(&form1);

    StartAnzeige = {};
    intro->hide();
    delete intro;

    form1.show();
    const int ergebnis = QApplication::exec();

    ListeLoeschen(Fuellungen);
    THilfe::Instanz().Beenden();
    return ergebnis;
}
