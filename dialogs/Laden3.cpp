#include "Laden3.h"

#include "Dateiname.h"
#include "Datendatei.h"
#include "Eingabefelder.h"
#include "Konfiguration.h"
#include "Meldungen.h"
#include "QtPlattform.h"
#include "Sprilo_Dek.h"
#include "Widgethilfen.h"
#include "Zusatz1.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

TLadeSelfMade *LadeSelfMade = nullptr;

namespace {

constexpr int DesignBreite = 430;
constexpr int DesignHoehe = 300;

std::string S(const QString &text)
{
    return text.toStdString();
}

bool IstVerzeichnis(const QString &pfad)
{
    return !pfad.isEmpty() && QFileInfo(pfad).isDir();
}

bool IstDatei(const QString &pfad)
{
    const QFileInfo info(pfad);
    return info.exists() && !info.isDir();
}

// Linux tells AUTO.SPR from auto.spr; a user who typed the one means the
// other when only that exists.
QString WirklicherName(const QString &pfad)
{
    if (IstDatei(pfad))
        return pfad;
    const QString name = Q(Dateiteil(S(pfad)));
    const QDir verzeichnis(Q(Pfadteil(S(pfad))));
    for (const QString &eintrag : verzeichnis.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name))
        if (eintrag.compare(name, Qt::CaseInsensitive) == 0)
            return verzeichnis.filePath(eintrag);
    return pfad;
}

} // namespace

TLadeSelfMade::TLadeSelfMade(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"LadeSelfMade"_s);
    setWindowTitle(u"Öffnen"_s);
    setModal(true);
    setWindowFlags(windowFlags() | Qt::MSWindowsFixedSizeDialogHint);

    Label5 = new QLabel(u"Datei&name"_s, this);
    Edit1 = new QLineEdit(u"*.*"_s, this);
    Edit1->setObjectName(u"Edit1"_s);
    Label5->setBuddy(Edit1);
    GanzenTextBeimBetretenWaehlen(Edit1);

    Label4 = new QLabel(u"&Dateien"_s, this);
    FileLB1 = new QListWidget(this);
    FileLB1->setObjectName(u"FileLB1"_s);
    FileLB1->setSelectionMode(QAbstractItemView::SingleSelection);
    Label4->setBuddy(FileLB1);

    Label3 = new QLabel(u"Datei&typ"_s, this);
    FilterCB1 = new QComboBox(this);
    FilterCB1->setObjectName(u"FilterCB1"_s);
    FilterCB1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    FilterCB1->setMinimumContentsLength(18);
    Label3->setBuddy(FilterCB1);
    FilterCB1->installEventFilter(this);

    Label1 = new QLabel(u"&Verzeichnis"_s, this);
    DirLB1 = new TVerzeichnisListe(this);
    DirLB1->setObjectName(u"DirLB1"_s);
    DirLB1->setMinimumWidth(DirLB1->fontMetrics().averageCharWidth() * 24);
    Label1->setBuddy(DirLB1);
    DirLB1->installEventFilter(this);
    DirLB1->viewport()->installEventFilter(this);

    Label2 = new QLabel(u"&Laufwerk"_s, this);
    DriveCB1 = new QComboBox(this);
    DriveCB1->setObjectName(u"DriveCB1"_s);
    // A long mount point must not widen the dialog; it is shortened instead.
    DriveCB1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    DriveCB1->setMinimumContentsLength(12);
    Label2->setBuddy(DriveCB1);
    DriveCB1->installEventFilter(this);

    Lade = new QPushButton(u"Ö&ffnen"_s, this);
    Lade->setObjectName(u"Lade"_s);
    Lade->setDefault(true);
    DirLB1->StandardKnopfSetzen(Lade);
    Button2 = new QPushButton(u"&Abbruch"_s, this);
    Button2->setObjectName(u"Button2"_s);
    // Room for the longer of the two captions.
    Lade->setMinimumWidth(std::max(Lade->sizeHint().width(),
                                   Lade->fontMetrics().horizontalAdvance(u"Speichern"_s) + 24));

    auto *raster = new QGridLayout;
    raster->addWidget(Label5, 0, 0);
    raster->addWidget(Edit1, 1, 0);
    raster->addWidget(Label4, 2, 0);
    raster->addWidget(FileLB1, 3, 0);
    raster->addWidget(Label3, 4, 0);
    raster->addWidget(FilterCB1, 5, 0);
    raster->addWidget(Label1, 0, 1);
    raster->addWidget(DirLB1, 1, 1, 3, 1);
    raster->addWidget(Label2, 4, 1);
    raster->addWidget(DriveCB1, 5, 1);
    raster->setRowStretch(3, 1);
    raster->setColumnStretch(0, 1);
    raster->setColumnStretch(1, 1);

    auto *knoepfe = new QVBoxLayout;
    knoepfe->addSpacing(Label5->sizeHint().height());
    knoepfe->addWidget(Lade);
    knoepfe->addWidget(Button2);
    knoepfe->addStretch(1);

    auto *haupt = new QHBoxLayout(this);
    haupt->addLayout(raster, 1);
    haupt->addLayout(knoepfe);

    setTabOrder(Edit1, FileLB1);
    setTabOrder(FileLB1, FilterCB1);
    setTabOrder(FilterCB1, DirLB1);
    setTabOrder(DirLB1, DriveCB1);
    setTabOrder(DriveCB1, Lade);
    setTabOrder(Lade, Button2);

    connect(Lade, &QPushButton::clicked, this, &TLadeSelfMade::LadeClick);
    connect(Button2, &QPushButton::clicked, this, &TLadeSelfMade::AbbruchClick);
    connect(FileLB1, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> gewaehlt = FileLB1->selectedItems();
        if (!gewaehlt.isEmpty())
            Edit1->setText(gewaehlt.first()->text());
    });
    connect(FileLB1, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *) { LadeClick(); });
    connect(DirLB1, &TVerzeichnisListe::Geoeffnet, this, &TLadeSelfMade::VerzeichnisSetzen);
    connect(DriveCB1, &QComboBox::activated, this, [this](int index) {
        VerzeichnisSetzen(DriveCB1->itemData(index).toString());
    });
    connect(FilterCB1, &QComboBox::currentIndexChanged, this, [this] {
        DateilisteFuellen();
        NameNeuAufbauen();
    });

    LaufwerkeFuellen(DriveCB1);
    VerzeichnisSetzen(QDir::currentPath());
    Edit1->setText(u"*.*"_s);
    GroesseFestlegen();
}

TLadeSelfMade::~TLadeSelfMade()
{
    if (LadeSelfMade == this)
        LadeSelfMade = nullptr;
}

// The design size scaled for the screen's font, never smaller than the
// layout needs; the dialog keeps that size.
void TLadeSelfMade::GroesseFestlegen()
{
    layout()->activate();
    const QSize noetig = layout()->totalMinimumSize();
    const int breite = std::max(static_cast<int>(std::lround(DesignBreite * Fensterfaktor)), noetig.width());
    const int hoehe = std::max(static_cast<int>(std::lround(DesignHoehe * Fensterfaktor)), noetig.height());
    setFixedSize(breite, hoehe);
}

QString TLadeSelfMade::Verzeichnis() const
{
    return m_verzeichnis;
}

// Sets drive and directory; a real change refills the lists and rebuilds
// the name field, as the change events of the three lists do.
void TLadeSelfMade::VerzeichnisSetzen(const QString &verzeichnis)
{
    // A directory that vanished meanwhile: show the nearest one that is left.
    const QString pfad = VorhandenesVerzeichnis(verzeichnis);
    const QString neu = MitSchraegstrich(pfad);
    const bool geaendert = neu != m_verzeichnis;
    m_verzeichnis = neu;
    LaufwerkAnzeigen(DriveCB1, pfad);
    DirLB1->Fuellen(pfad, LaufwerkVon(DriveCB1, pfad));
    DateilisteFuellen();
    if (geaendert)
        NameNeuAufbauen();
}

// Files of the directory that match the type's mask, letter case ignored.
void TLadeSelfMade::DateilisteFuellen()
{
    const QSignalBlocker sperre(FileLB1);
    FileLB1->clear();
    const QString maske = FilterCB1->currentData().toString();
    if (maske.isEmpty())
        return;
    QDir verzeichnis(m_verzeichnis);
    verzeichnis.setNameFilters({maske});
    FileLB1->addItems(verzeichnis.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

QString TLadeSelfMade::Maskenendung() const
{
    return Q(Endung(S(FilterCB1->currentData().toString())));
}

void TLadeSelfMade::NameNeuAufbauen()
{
    Edit1->setText(Q(NameMitEndung(S(AktuellerName), S(Maskenendung()))));
}

void TLadeSelfMade::Vorbereiten(bool modus, const QString &verzeichnis, const QString &filter, const QString &name)
{
    setWindowTitle(modus ? u"Öffnen"_s : u"Speichern unter"_s);
    Lade->setText(modus ? u"Ö&ffnen"_s : u"&Speichern"_s);
    DialogModus = modus;
    Bestaetigt = false;

    LaufwerkeFuellen(DriveCB1);
    if (IstVerzeichnis(verzeichnis))
        VerzeichnisSetzen(verzeichnis);
    else
        VerzeichnisSetzen(m_verzeichnis);

    UrsprungsName = AktuellerName = name;

    {
        const QSignalBlocker sperre(FilterCB1);
        FilterCB1->clear();
        const std::vector<TDateityp> typen = FilterZerlegen(S(filter));
        for (const TDateityp &typ : typen)
            FilterCB1->addItem(Q(typ.Text), Q(typ.Maske));
        FilterCB1->setCurrentIndex(typen.empty() ? -1 : DateitypWaehlen(typen, S(name)));
    }
    DateilisteFuellen();

    Edit1->setText(Q(Dateiteil(S(name))));
}

void TLadeSelfMade::showEvent(QShowEvent *ereignis)
{
    QDialog::showEvent(ereignis);
    Lade->setDefault(true);
    DateilisteFuellen();
    NameNeuAufbauen();
    Edit1->setFocus(Qt::OtherFocusReason);
    Edit1->selectAll();
}

void TLadeSelfMade::LadeClick()
{
    const QString x = Maskenendung();
    const QString d = MitSchraegstrich(m_verzeichnis);
    const QString e = Edit1->text();
    // A relative path is meant from the directory shown.
    auto absolut = [&d](const QString &pfad) { return pfad.startsWith(u'/') ? pfad : d + pfad; };

    bool gewechselt = false;
    QString n;
    const QString pfadteil = Q(Pfadteil(S(e)));
    if (!pfadteil.isEmpty() && IstVerzeichnis(absolut(pfadteil))) {
        QString text = absolut(e);
        QString p;
        if (text.endsWith(u'/')) {
            p = text;
        } else if (IstVerzeichnis(text)) {
            text += u'/';
            p = text;
        } else {
            p = Q(Pfadteil(S(text)));
        }
        Edit1->setText(text);
        if (QDir::cleanPath(p) != QDir::cleanPath(d)) {
            AktuellerName = Edit1->text();
            VerzeichnisSetzen(p);
            gewechselt = true;
        }
        n = Q(NameMitEndung(S(Edit1->text()), S(x)));
    } else {
        n = absolut(Q(NameMitEndung(S(e), S(x))));
    }

    if (DateinameGueltig(S(n))) {
        if (DialogModus) {
            n = WirklicherName(n);
            if (IstDatei(n)) {
                Edit1->setText(n);
                Bestaetigt = true;
                accept();
            } else {
                Edit1->setText(Q(Dateiteil(S(n))));
                Melden(TMeldungsNr::DateiFehlt, {S(n)});
            }
        } else {
            if (IstDatei(n) && n != UrsprungsName) {
                if (Melden(TMeldungsNr::DateiUeberschreiben, {S(n)}) != mrYes)
                    return;
            }
            Edit1->setText(n);
            Bestaetigt = true;
            accept();
        }
        return;
    }

    if (gewechselt && DateiOhneEndung(Dateiteil(S(n))).empty()) {
        // Only a directory was typed: it is shown now.
        Edit1->clear();
        return;
    }
    Melden(TMeldungsNr::DateinameUngueltig);
}

void TLadeSelfMade::AbbruchClick()
{
    Edit1->clear();
    Bestaetigt = false;
    QDialog::reject();
}

// Escape and the close box: nothing chosen unless a confirmation closed it.
void TLadeSelfMade::reject()
{
    if (!Bestaetigt)
        Edit1->clear();
    Edit1->setFocus(Qt::OtherFocusReason);
    QDialog::reject();
}

bool TLadeSelfMade::eventFilter(QObject *objekt, QEvent *ereignis)
{
    // Entering or using one of the three lists takes the typed name first,
    // so that the change it may cause rebuilds the name from it. Entering
    // alone is not enough: the list may have the focus already while the
    // name changed (a failed confirmation leaves the bare file name).
    const bool liste =
        objekt == DirLB1 || objekt == DirLB1->viewport() || objekt == DriveCB1 || objekt == FilterCB1;
    switch (ereignis->type()) {
    case QEvent::FocusIn:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        if (liste)
            AktuellerName = Edit1->text();
        break;
    default:
        break;
    }
    return QDialog::eventFilter(objekt, ereignis);
}

bool DateiAuswahl(bool modus, const std::string &verzeichnis, const std::string &filter, std::string &name)
{
    if (TQtPlattform::VorgemerkteDatei(name))
        return !name.empty();
    if (!TQtPlattform::FensterErlaubt(u"File dialog without a queued name: "_s
                                      + (modus ? u"\"Öffnen\""_s : u"\"Speichern unter\""_s) + u", name \""_s
                                      + Q(name) + u'"')) {
        name.clear();
        return false;
    }
    if (!LadeSelfMade)
        LadeSelfMade = new TLadeSelfMade(QApplication::activeWindow());
    LadeSelfMade->Vorbereiten(modus, Q(verzeichnis), Q(filter), Q(name));
    LadeSelfMade->exec();
    name = S(LadeSelfMade->Edit1->text());
    return !name.empty();
}

void NaechsteDateiAuswahl(const std::string &name)
{
    TQtPlattform::NaechsteDatei(name);
}
