#include "Sprilo_1.h"

#include <QScreen>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

// Client area of the main window as it was designed.
constexpr int DesignBreite = 688;
constexpr int DesignHoehe = 382;

} // namespace

TForm1::TForm1(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Sprilo - Programm"_s);

    auto *arbeitsflaeche = new QWidget(this);
    arbeitsflaeche->setObjectName(u"Arbeitsflaeche"_s);
    setCentralWidget(arbeitsflaeche);

    resize(DesignBreite, DesignHoehe);
    if (const QScreen *bildschirm = screen())
        move(bildschirm->availableGeometry().center() - rect().center());
}

TForm1::~TForm1() = default;
