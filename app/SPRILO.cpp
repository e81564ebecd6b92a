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
#include "consumption/Sprilo_3.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

void AnwendungEinrichten()
{
    QApplication::setApplicationName(u"Sprilo"_s);

    // The layouts were drawn for Arial and Courier New; Liberation has the
    // same metrics, so texts keep their widths.
    QFont::insertSubstitution(u"Arial"_s, u"Liberation Sans"_s);
    QFont::insertSubstitution(u"Courier New"_s, u"Liberation Mono"_s);

    // Qt's own texts (shortcut names "Strg+S", standard dialogs) in German.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto *qtTexte = new QTranslator(qApp);
    if (qtTexte->load(QLocale(), u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTexte);
    else
        delete qtTexte;
}

namespace {

// Beside the program (in the build directory), or where "make install"
// puts it: PREFIX/share/sprilo beside PREFIX/bin. Found nowhere, the
// name beside the program goes into the messages.
QString HilfedateiPfad()
{
    const QString programm = QCoreApplication::applicationDirPath();
    const QString daneben = programm + u"/SPRILO.HLP"_s;
    const QString installiert = QDir::cleanPath(programm + u"/../share/sprilo/SPRILO.HLP"_s);
    return QFileInfo::exists(daneben) || !QFileInfo::exists(installiert) ? daneben : installiert;
}

} // namespace

int SpriloAusfuehren()
{
    WarnTonAn = true;

    auto *intro = new TIntroForm;
    intro->show();
    intro->Neuzeichnen();

    THilfe::Instanz().DateiSetzen(HilfedateiPfad());
    intro->Fortschritt(u"Hilfedatei geladen."_s);

    GlobalenZustandZuruecksetzen();
    intro->Fortschritt(u"Variablen initialisiert."_s);

    KonfigOrte = StandardKonfigOrte();
    StartAnzeige.Zeile = [intro](const std::string &zeile) { intro->Fortschritt(QString::fromStdString(zeile)); };
    StartAnzeige.Neuzeichnen = [intro] { intro->Neuzeichnen(); };
    KonfigurationSuchen();

    // A second start only brings the running one to the front and hands
    // it the file to load.
    const QString startDatei = StartDatei(QCoreApplication::arguments());
    TEinzelinstanz instanz;
    if (instanz.Pruefen(startDatei) == TEinzelinstanz::TErgebnis::Zweite) {
        StartAnzeige = {};
        delete intro;
        return 0;
    }

    THilfe::Instanz().F1Einrichten();

    TForm1 form1;
    QObject::connect(&instanz, &TEinzelinstanz::Aktivieren, &form1, &TForm1::Aktivieren);
    QObject::connect(&instanz, &TEinzelinstanz::Oeffnen, &form1, &TForm1::DateiOeffnen);
    form1.FormCreate();
    // The consumption window sets Grafikfaktor, which every graph and chart
    // needs, when it is made.
    Form3Holen(&form1);
    ZusatzForm = new TZusatzForm(&form1);
    LadeSelfMade = new TLadeSelfMade(&form1);
    Form5 = new TForm5(&form1);

    StartAnzeige = {};
    intro->hide();
    delete intro;

    form1.show();
    // The file named on the command line loads once the window is up.
    if (!startDatei.isEmpty())
        form1.DateiOeffnen(startDatei);
    const int ergebnis = QApplication::exec();

    ListeLoeschen(Fuellungen);
    THilfe::Instanz().Beenden();
    return ergebnis;
}
