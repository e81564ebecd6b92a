// Program entry: the Qt application with the program's platform, then the
// run of Sprilo.
#include "QtPlattform.h"
#include "SPRILO.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Sprilo"_s);

    // The layouts were drawn for Arial and Courier New; Liberation has the
    // same metrics, so texts keep their widths.
    QFont::insertSubstitution(u"Arial"_s, u"Liberation Sans"_s);
    QFont::insertSubstitution(u"Courier New"_s, u"Liberation Mono"_s);

    // Qt's own texts (shortcut names "Strg+S", standard dialogs) in German.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(), u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);

    TQtPlattform plattform;
    PlattformSetzen(&plattform);
    const int ergebnis = SpriloAusfuehren();
    PlattformSetzen(nullptr);
    return ergebnis;
}
