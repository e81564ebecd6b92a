#include "Verzeichnisliste.h"

#include "Konfiguration.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>
#include <QStyledItemDelegate>

using namespace Qt::Literals::StringLiterals;

namespace {

// Indents each entry of the directory list by its step, as the classic
// directory list box draws the path as a little tree.
class TEinzugDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *maler, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem eingerueckt = option;
        eingerueckt.rect.setLeft(option.rect.left() + Einzug(option) * Stufe(index));
        QStyledItemDelegate::paint(maler, eingerueckt, index);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize groesse = QStyledItemDelegate::sizeHint(option, index);
        groesse.rwidth() += Einzug(option) * Stufe(index);
        return groesse;
    }

private:
    static int Einzug(const QStyleOptionViewItem &option) { return option.fontMetrics.averageCharWidth() * 2; }
    static int Stufe(const QModelIndex &index) { return index.data(TVerzeichnisListe::StufeRolle).toInt(); }
};

} // namespace

QString OhneSchraegstrich(const QString &pfad)
{
    QString ergebnis = pfad;
    while (ergebnis.size() > 1 && ergebnis.endsWith(u'/'))
        ergebnis.chop(1);
    return ergebnis;
}

QString MitSchraegstrich(const QString &pfad)
{
    return pfad.endsWith(u'/') ? pfad : pfad + u'/';
}

QString VorhandenesVerzeichnis(const QString &verzeichnis)
{
    QString pfad = QDir::cleanPath(QDir(verzeichnis).absolutePath());
    while (!QFileInfo(pfad).isDir() && pfad != u"/"_s)
        pfad = QFileInfo(pfad).path();
    return pfad;
}

void LaufwerkeFuellen(QComboBox *laufwerke)
{
    const QSignalBlocker sperre(laufwerke);
    laufwerke->clear();
    const QIcon bild = laufwerke->style()->standardIcon(QStyle::SP_DriveHDIcon);
    QStringList liste;
    for (const std::string &laufwerk : EingehaengteLaufwerke())
        liste << QString::fromStdString(laufwerk);
    // The root always belongs in the list, even if the mount table is unreadable.
    if (!liste.contains(u"/"_s))
        liste.prepend(u"/"_s);
    for (const QString &laufwerk : liste)
        laufwerke->addItem(bild, laufwerk, laufwerk);
}

QString LaufwerkVon(const QComboBox *laufwerke, const QString &pfad)
{
    QString bestes = u"/"_s;
    for (int i = 0; i < laufwerke->count(); ++i) {
        const QString laufwerk = laufwerke->itemData(i).toString();
        const bool passt = laufwerk == u"/"_s || pfad == laufwerk || pfad.startsWith(MitSchraegstrich(laufwerk));
        if (passt && laufwerk.size() > bestes.size())
            bestes = laufwerk;
    }
    return bestes;
}

void LaufwerkAnzeigen(QComboBox *laufwerke, const QString &pfad)
{
    const QSignalBlocker sperre(laufwerke);
    laufwerke->setCurrentIndex(laufwerke->findData(LaufwerkVon(laufwerke, pfad)));
}

TVerzeichnisListe::TVerzeichnisListe(QWidget *parent)
    : QListWidget(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new TEinzugDelegate(this));
    connect(this, &QListWidget::itemDoubleClicked, this, &TVerzeichnisListe::Oeffnen);
}

void TVerzeichnisListe::Fuellen(const QString &verzeichnis, const QString &laufwerk)
{
    clear();
    const QIcon offen = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon zu = style()->standardIcon(QStyle::SP_DirClosedIcon);

    QStringList pfade{laufwerk};
    QString pfad = laufwerk;
    for (const QString &teil : verzeichnis.mid(laufwerk.size()).split(u'/', Qt::SkipEmptyParts)) {
        pfad = MitSchraegstrich(pfad) + teil;
        pfade << pfad;
    }

    auto eintragen = [this](const QIcon &bild, const QString &text, const QString &ziel, int stufe) {
        auto *eintrag = new QListWidgetItem(bild, text, this);
        eintrag->setData(PfadRolle, ziel);
        eintrag->setData(StufeRolle, stufe);
        return eintrag;
    };

    QListWidgetItem *aktuellerEintrag = nullptr;
    for (int stufe = 0; stufe < pfade.size(); ++stufe) {
        const QString text = stufe == 0 ? laufwerk : QFileInfo(pfade[stufe]).fileName();
        aktuellerEintrag = eintragen(offen, text, pfade[stufe], stufe);
    }
    const QStringList unter = QDir(verzeichnis).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : unter)
        eintragen(zu, name, MitSchraegstrich(verzeichnis) + name, int(pfade.size()));

    setCurrentItem(aktuellerEintrag);
    scrollToItem(aktuellerEintrag);
}

void TVerzeichnisListe::Oeffnen(QListWidgetItem *eintrag)
{
    if (eintrag)
        emit Geoeffnet(eintrag->data(PfadRolle).toString());
}

void TVerzeichnisListe::focusInEvent(QFocusEvent *ereignis)
{
    if (m_standardKnopf)
        m_standardKnopf->setDefault(false);
    QListWidget::focusInEvent(ereignis);
}

void TVerzeichnisListe::focusOutEvent(QFocusEvent *ereignis)
{
    if (m_standardKnopf)
        m_standardKnopf->setDefault(true);
    QListWidget::focusOutEvent(ereignis);
}

void TVerzeichnisListe::keyPressEvent(QKeyEvent *ereignis)
{
    if (ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) {
        Oeffnen(currentItem());
        return;
    }
    QListWidget::keyPressEvent(ereignis);
}
