// Program entry: installs the Qt platform, prepares the shared services and
// runs the main window.
#include "QtPlattform.h"
#include "Sprilo_1.h"
#include "Zusatz1.h"

#include <QApplication>
#include <QFont>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Sprilo"_s);

    // The layouts were drawn for Arial and Courier New; Liberation has the
    // same metrics, so texts keep their widths.
    QFont::insertSubstitution(u"Arial"_s, u"Liberation Sans"_s);
    QFont::insertSubstitution(u"Courier New"_s, u"Liberation Mono"_s);

    TQtPlattform plattform;
    PlattformSetzen(&plattform);

    MonatsTageSetzen();
    WarnTonAn = true;

    TForm1 form1;
    form1.show();
    const int ergebnis = QApplication::exec();

    PlattformSetzen(nullptr);
    return ergebnis;
}
