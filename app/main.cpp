// Program entry: the Qt application with the program's platform, then the
// run of Sprilo.
#include "QtPlattform.h"
#include "SPRILO.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    AnwendungEinrichten();

    TQtPlattform plattform;
    PlattformSetzen(&plattform);
    const int ergebnis = SpriloAusfuehren();
    PlattformSetzen(nullptr);
    return ergebnis;
}
