#include "Intro.h"

#include "Sprilo_Dek.h"
#include "Symbole.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QVBoxLayout>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int EntwurfBreite = 420;
constexpr int EntwurfHoehe = 260;
constexpr int BildBreite = 250;
constexpr int BildHoehe = 142;

int Skaliert(int wert, double faktor)
{
    return static_cast<int>(std::lround(wert * faktor));
}

}  // namespace

TIntroForm::TIntroForm(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(u"IntroForm"_s);
    setWindowTitle(u"Sprilo - Programm"_s);

    // Larger screen fonts enlarge the window like all the others.
    const double faktor = Fensterfaktor > 1 ? static_cast<double>(Fensterfaktor) : 1.0;

    QPalette hell = palette();
    hell.setColor(QPalette::Window, Qt::white);
    hell.setColor(QPalette::WindowText, Qt::black);
    setPalette(hell);
    setAutoFillBackground(true);

    auto *aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(0, 0, 0, 0);
    auto *rahmen = new QFrame(this);
    rahmen->setObjectName(u"Rahmen"_s);
    rahmen->setFrameStyle(QFrame::Box | QFrame::Plain);
    rahmen->setLineWidth(1);
    aussen->addWidget(rahmen);

    auto *spalte = new QVBoxLayout(rahmen);
    spalte->setContentsMargins(Skaliert(16, faktor), Skaliert(10, faktor), Skaliert(16, faktor),
                               Skaliert(10, faktor));
    spalte->setSpacing(Skaliert(4, faktor));

    Label1 = new QLabel(u"Sprilo - Programm"_s, rahmen);
    Label1->setObjectName(u"Label1"_s);
    QFont titel(u"Arial"_s, 20);
    titel.setBold(true);
    titel.setUnderline(true);
    Label1->setFont(titel);
    QPalette rot = Label1->palette();
    rot.setColor(QPalette::WindowText, QColor(0xff, 0x00, 0x00));
    Label1->setPalette(rot);
    Label1->setAlignment(Qt::AlignCenter);

    Label2 = new QLabel(rahmen);
    Label2->setObjectName(u"Label2"_s);
    Label2->setText(u"Version "_s + QString::fromLatin1(ProgrammVersion));
    Label2->setAlignment(Qt::AlignCenter);

    Image1 = new QLabel(rahmen);
    Image1->setObjectName(u"Image1"_s);
    Image1->setPixmap(IntroBild(Skaliert(BildBreite, faktor), Skaliert(BildHoehe, faktor)));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);

    Label3 = new QLabel(rahmen);
    Label3->setObjectName(u"Label3"_s);
    Label3->setText(u"Programm wird geladen ..."_s);
    Label3->setAlignment(Qt::AlignCenter);

    spalte->addWidget(Label1);
    spalte->addWidget(Label2);
    spalte->addWidget(Image1, 1);
    spalte->addWidget(Label3);

    const QSize entwurf(Skaliert(EntwurfBreite, faktor), Skaliert(EntwurfHoehe, faktor));
    resize(entwurf.expandedTo(minimumSizeHint()));

    QScreen *bildschirm = QGuiApplication::primaryScreen();
    if (bildschirm) {
        QRect flaeche = bildschirm->availableGeometry();
        QRect lage(QPoint(0, 0), size());
        lage.moveCenter(flaeche.center());
        move(lage.topLeft());
    }
}

void TIntroForm::Fortschritt(const QString &zeile)
{
    Label3->setText(zeile);
    Label3->repaint();
    // Start-up runs before the event loop: without this the X server would
    // not see the new line until everything is loaded.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TIntroForm::Neuzeichnen()
{
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
