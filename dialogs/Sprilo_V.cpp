#include "Sprilo_V.h"

#include "Hilfe.h"
#include "Konfiguration.h"
#include "Sprilo_Dek.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

TForm5 *Form5 = nullptr;

namespace {

constexpr int DesignBreite = 474;
constexpr int DesignHoehe = 251;

// Classic clRed and clGreen: the green is dark enough to read on grey.
const QColor Rot(0xFF, 0x00, 0x00);
const QColor Gruen(0x00, 0x80, 0x00);

const QString TextNichtSchreibbar = u"In das Verzeichnis kann nicht geschrieben werden."_s;
const QString TextSchreibbar = u"Dieses Verzeichnis kann für die Konfigurationsdatei genutzt werden."_s;
const QString TextKeineDatei = u"In dem Verzeichnis ist keine Konfigurationsdatei vorhanden."_s;
const QString TextDateiDa = u"Eine Konfigurationsdatei ist vorhanden und kann geladen werden."_s;

const QString HinweisAktion1 = u"Konfigurationsdatei bei Programmende in dieses Verzeichnis speichern"_s;
const QString HinweisAktion2 = u"Konfigurationsdatei laden"_s;
const QString HinweisAktion3 = u"Konfigurationsdatei laden und bei Programmende in dieses Verzeichnis speichern"_s;

void Faerben(QLabel *label, const QColor &farbe)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, farbe);
    label->setPalette(palette);
}

// Shows a path shortened in the middle when it is wider than the label, so
// a deep directory neither widens the dialog nor loses its last part.
class TPfadLabel : public QLabel {
public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }
    QSize sizeHint() const override { return {0, QLabel::sizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter maler(this);
        const QRect flaeche = contentsRect();
        const QString gekuerzt = fontMetrics().elidedText(text(), Qt::ElideMiddle, flaeche.width());
        style()->drawItemText(&maler, flaeche, int(alignment()), palette(), isEnabled(), gekuerzt,
                              foregroundRole());
    }
};

} // namespace

TForm5::TForm5(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"Form5"_s);
    setWindowTitle(u"Konfiguration laden"_s);
    setModal(true);
    setWindowFlags(windowFlags() | Qt::MSWindowsFixedSizeDialogHint);
    HilfeKontextSetzen(this, 600);

    Label1 = new QLabel(u"Wählen Sie ein Verzeichnis aus, in dem die Konfiguration gespeichert werden soll."_s, this);
    Label1->setObjectName(u"Label1"_s);
    Label1->setWordWrap(true);

    Drive_CB1 = new QComboBox(this);
    Drive_CB1->setObjectName(u"Drive_CB1"_s);
    Drive_CB1->setToolTip(u"Mögliche Laufwerke"_s);
    // A long mount point must not widen the dialog; it is shortened instead.
    Drive_CB1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Drive_CB1->setMinimumContentsLength(8);

    Dir_LB1 = new TVerzeichnisListe(this);
    Dir_LB1->setObjectName(u"Dir_LB1"_s);
    Dir_LB1->setToolTip(u"Mögliche Verzeichnisse"_s);
    // Room for a few steps of a path, whatever the font.
    Dir_LB1->setMinimumWidth(Dir_LB1->fontMetrics().averageCharWidth() * 26);

    InfoBox1 = new QGroupBox(u" Verzeichnis - Informationen "_s, this);
    InfoBox1->setObjectName(u"InfoBox1"_s);
    Label2 = new QLabel(u"Aktuelles Verzeichnis:"_s, InfoBox1);
    Label2->setObjectName(u"Label2"_s);
    Label3 = new TPfadLabel(InfoBox1);
    Label3->setObjectName(u"Label3"_s);
    Label4 = new QLabel(InfoBox1);
    Label4->setObjectName(u"Label4"_s);
    Label4->setWordWrap(true);
    Label5 = new QLabel(InfoBox1);
    Label5->setObjectName(u"Label5"_s);
    Label5->setWordWrap(true);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(u"ComboBox1"_s);
    ComboBox1->setEnabled(false);

    Label6 = new QLabel(u"Aktion auswählen und mit OK bestätigen"_s, this);
    Label6->setObjectName(u"Label6"_s);
    Label6->setWordWrap(true);
    // Keeps its place while hidden, so the dialog does not jump between states.
    QSizePolicy politik = Label6->sizePolicy();
    politik.setRetainSizeWhenHidden(true);
    Label6->setSizePolicy(politik);
    Label6->hide();

    Button1 = new QPushButton(u"&OK"_s, this);
    Button1->setObjectName(u"Button1"_s);
    Button1->setDefault(true);
    Dir_LB1->StandardKnopfSetzen(Button1);
    Button2 = new QPushButton(u"&Abbruch"_s, this);
    Button2->setObjectName(u"Button2"_s);
    Button3 = new QPushButton(u"&Hilfe"_s, this);
    Button3->setObjectName(u"Button3"_s);

    auto *infoLayout = new QVBoxLayout(InfoBox1);
    infoLayout->addWidget(Label2);
    infoLayout->addWidget(Label3);
    infoLayout->addSpacing(4);
    infoLayout->addWidget(Label4);
    infoLayout->addWidget(Label5);
    infoLayout->addStretch(1);

    auto *links = new QVBoxLayout;
    links->addWidget(Drive_CB1);
    links->addWidget(Dir_LB1, 1);

    auto *rechts = new QVBoxLayout;
    rechts->addWidget(InfoBox1, 1);
    rechts->addWidget(Label6);
    rechts->addWidget(ComboBox1);

    auto *mitte = new QHBoxLayout;
    mitte->addLayout(links, 4);
    mitte->addLayout(rechts, 5);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(Button1);
    knoepfe->addWidget(Button2);
    knoepfe->addWidget(Button3);

    auto *haupt = new QVBoxLayout(this);
    haupt->addWidget(Label1);
    haupt->addLayout(mitte, 1);
    haupt->addLayout(knoepfe);

    setTabOrder(Drive_CB1, Dir_LB1);
    setTabOrder(Dir_LB1, ComboBox1);
    setTabOrder(ComboBox1, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);

    connect(Drive_CB1, &QComboBox::activated, this, [this](int index) {
        VerzeichnisSetzen(Drive_CB1->itemData(index).toString());
    });
    connect(Dir_LB1, &TVerzeichnisListe::Geoeffnet, this, &TForm5::VerzeichnisSetzen);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TForm5::AktionWaehlen);
    connect(Button1, &QPushButton::clicked, this, &TForm5::OkClick);
    connect(Button2, &QPushButton::clicked, this, &TForm5::reject);
    connect(Button3, &QPushButton::clicked, this, [] { THilfe::Instanz().ThemaZeigen(u"F5_All"_s); });

    LaufwerkeFuellen(Drive_CB1);
    GroesseFestlegen();
}

TForm5::~TForm5()
{
    if (Form5 == this)
        Form5 = nullptr;
}

// The design size scaled for the screen's font, enlarged where the texts of
// any state need more room; the dialog keeps that size.
void TForm5::GroesseFestlegen()
{
    // The action list must show its longest entry.
    ComboBox1->addItems({u"Datei laden und Verzeichnis setzen"_s, u"nur Verzeichnis auswählen"_s,
                         u"nur Konfiguration laden"_s});
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ComboBox1->setMinimumWidth(ComboBox1->sizeHint().width());
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox1->clear();

    const QString texte[][2] = {
        {TextNichtSchreibbar, TextKeineDatei},
        {TextSchreibbar, TextKeineDatei},
        {TextNichtSchreibbar, TextDateiDa},
        {TextSchreibbar, TextDateiDa},
    };
    QLayout *haupt = layout();
    haupt->activate();
    const int breite = std::max(int(qRound(double(DesignBreite * Fensterfaktor))), haupt->totalMinimumSize().width());
    int hoehe = int(qRound(double(DesignHoehe * Fensterfaktor)));
    for (const auto &paar : texte) {
        Label4->setText(paar[0]);
        Label5->setText(paar[1]);
        // The widgets are not shown yet, so their layouts do not learn of the
        // new texts by themselves.
        InfoBox1->layout()->invalidate();
        InfoBox1->updateGeometry();
        haupt->invalidate();
        haupt->activate();
        const int noetig = haupt->hasHeightForWidth() ? haupt->totalHeightForWidth(breite)
                                                      : haupt->totalSizeHint().height();
        hoehe = std::max({hoehe, noetig, haupt->totalMinimumSize().height()});
    }
    Label4->clear();
    Label5->clear();
    setFixedSize(breite, hoehe);
}

QString TForm5::Verzeichnis() const
{
    return m_verzeichnis;
}

void TForm5::VerzeichnisSetzen(const QString &verzeichnis)
{
    // A directory that vanished meanwhile: show the nearest one that is left.
    const QString pfad = VorhandenesVerzeichnis(verzeichnis);
    m_verzeichnis = MitSchraegstrich(pfad);
    Label3->setText(pfad);
    Label3->setToolTip(pfad);
    LaufwerkAnzeigen(Drive_CB1, pfad);
    Dir_LB1->Fuellen(pfad, LaufwerkVon(Drive_CB1, pfad));
    AktInfo();
}

void TForm5::HinweisSetzen(const QString &hinweis)
{
    Button1->setToolTip(hinweis);
    ComboBox1->setToolTip(hinweis);
}

void TForm5::AktInfo()
{
    m_zustand = KonfigVerzeichnisZustand(m_verzeichnis.toStdString());

    Button1->setEnabled(true);
    Label6->hide();
    const QSignalBlocker sperre(ComboBox1);
    ComboBox1->setEnabled(false);
    ComboBox1->clear();

    const bool schreibbar = (m_zustand & 1) != 0;
    const bool dateiDa = (m_zustand & 2) != 0;
    Label4->setText(schreibbar ? TextSchreibbar : TextNichtSchreibbar);
    Faerben(Label4, schreibbar ? Gruen : Rot);
    Label5->setText(dateiDa ? TextDateiDa : TextKeineDatei);
    Faerben(Label5, dateiDa ? Gruen : Rot);

    switch (m_zustand) {
    case 1:
        ComboBox1->addItem(u"Verzeichnis auswählen"_s);
        m_aktion = 1;
        HinweisSetzen(HinweisAktion1);
        break;
    case 2:
        ComboBox1->addItem(u"Konfiguration laden"_s);
        m_aktion = 2;
        HinweisSetzen(HinweisAktion2);
        break;
    case 3:
        ComboBox1->addItem(u"Datei laden und Verzeichnis setzen"_s);
        ComboBox1->addItem(u"nur Verzeichnis auswählen"_s);
        ComboBox1->addItem(u"nur Konfiguration laden"_s);
        ComboBox1->setEnabled(true);
        Label6->show();
        m_aktion = 3;
        HinweisSetzen(HinweisAktion3);
        break;
    default:
        m_aktion = 0;
        HinweisSetzen(QString());
        Button1->setEnabled(false);
        break;
    }
    ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
}

// Only the three choices of a directory that is writable and holds a file
// mean something; the single entries of the other states are fixed.
void TForm5::AktionWaehlen(int index)
{
    if (m_zustand != 3)
        return;
    switch (index) {
    case 0:
        m_aktion = 3;
        HinweisSetzen(HinweisAktion3);
        break;
    case 1:
        m_aktion = 1;
        HinweisSetzen(HinweisAktion1);
        break;
    case 2:
        m_aktion = 2;
        HinweisSetzen(HinweisAktion2);
        break;
    default:
        break;
    }
}

void TForm5::OkClick()
{
    // Nothing can be done with a directory that is neither writable nor
    // holds a file (OK is disabled then).
    if (m_aktion < 1 || m_aktion > 3)
        return;
    KonfigVerzeichnis = m_verzeichnis.toStdString();
    switch (m_aktion) {
    case 1:
        KonfigSchreibbar = true;
        break;
    case 2:
        KonfigurationLesen(true);
        // Loaded only: nothing is to be written back there.
        KonfigVerzeichnis.clear();
        break;
    case 3:
        KonfigSchreibbar = true;
        KonfigurationLesen(true);
        break;
    }
    accept();
}

void TForm5::showEvent(QShowEvent *ereignis)
{
    QDialog::showEvent(ereignis);
    if (ereignis->spontaneous())
        return;

    if (const QScreen *bildschirm = screen())
        move(bildschirm->availableGeometry().center() - rect().center());

    // Volumes may have come and gone since the last time.
    LaufwerkeFuellen(Drive_CB1);
    QString start;
    const QString konfig = QString::fromStdString(KonfigVerzeichnis);
    const QString daten = QString::fromStdString(DatenVerzeichnis);
    if (!konfig.isEmpty() && QFileInfo(konfig).isDir())
        start = konfig;
    else if (!daten.isEmpty() && QFileInfo(daten).isDir())
        start = daten;
    else
        start = QDir::homePath();
    VerzeichnisSetzen(start);
}
