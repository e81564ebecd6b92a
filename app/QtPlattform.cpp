#include "QtPlattform.h"

#include "Hilfe.h"

#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QDialogButtonBox>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <deque>

using namespace Qt::Literals::StringLiterals;

namespace {

std::deque<int> vorgemerkteAntworten;
std::deque<std::string> vorgemerkteDateien;
std::vector<TMeldung> gezeigteMeldungen;
TDatum festerTag;
bool testModus = false;
int erwarteteFenster = 0;
std::function<void(const QString &)> testFehlerEmpfaenger;

void TestFehler(const QString &text)
{
    if (testFehlerEmpfaenger)
        testFehlerEmpfaenger(text);
    else
        qFatal("%s", qUtf8Printable(text));
}

QString Beschreibung(const QDialog *dialog)
{
    QString text = u"\""_s + dialog->windowTitle() + u"\" ("_s
                   + QString::fromLatin1(dialog->metaObject()->className()) + u')';
    if (const auto *kasten = qobject_cast<const QMessageBox *>(dialog))
        text += u": "_s + kasten->text();
    return text;
}

// Watches every modal dialog that shows in test mode. An announced one
// opens; any other gets a check queued behind everything already waiting,
// so that a test which queued its closing beforehand still closes it.
class TFensterWaechter : public QObject {
public:
    using QObject::QObject;

    static TFensterWaechter &Instanz()
    {
        static QPointer<TFensterWaechter> waechter;
        if (!waechter) {
            waechter = new TFensterWaechter(qApp);
            qApp->installEventFilter(waechter);
        }
        return *waechter;
    }

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override
    {
        if (ereignis->type() != QEvent::Show || !testModus)
            return false;
        auto *dialog = qobject_cast<QDialog *>(objekt);
        if (!dialog || !dialog->isWindow() || !dialog->isModal())
            return false;
        if (erwarteteFenster > 0) {
            --erwarteteFenster;
            return false;
        }
        QCoreApplication::postEvent(this, new TPruefung(dialog), Qt::LowEventPriority);
        return false;
    }

    void customEvent(QEvent *ereignis) override
    {
        if (ereignis->type() != TPruefung::Art)
            return;
        QDialog *dialog = static_cast<TPruefung *>(ereignis)->Dialog;
        if (!dialog || !dialog->isVisible())
            return;
        const QString text = u"Modal dialog the test neither announced nor closed: "_s + Beschreibung(dialog);
        dialog->reject();
        // A dialog that refuses to close (a refused value) goes all the same.
        if (dialog->isVisible())
            dialog->hide();
        TestFehler(text);
    }

private:
    struct TPruefung : QEvent {
        static constexpr QEvent::Type Art = static_cast<QEvent::Type>(QEvent::User + 1252);
        explicit TPruefung(QDialog *dialog)
            : QEvent(Art)
            , Dialog(dialog)
        {
        }
        QPointer<QDialog> Dialog;
    };
};

struct TRolle {
    QPalette::ColorGroup Gruppe;
    QPalette::ColorRole Rolle;
};

// Windows numbering 1..24; there is no desktop and no caption bar in a Qt
// palette, so those take the roles that look most alike.
constexpr TRolle SystemRollen[24] = {
    {QPalette::Active, QPalette::Dark},              //  1 desktop background
    {QPalette::Active, QPalette::Highlight},         //  2 active caption
    {QPalette::Inactive, QPalette::Highlight},       //  3 inactive caption
    {QPalette::Active, QPalette::Window},            //  4 menu
    {QPalette::Active, QPalette::Base},              //  5 window
    {QPalette::Active, QPalette::Shadow},            //  6 window frame
    {QPalette::Active, QPalette::WindowText},        //  7 menu text
    {QPalette::Active, QPalette::Text},              //  8 window text
    {QPalette::Active, QPalette::HighlightedText},   //  9 caption text
    {QPalette::Active, QPalette::Window},            // 10 active border
    {QPalette::Inactive, QPalette::Window},          // 11 inactive border
    {QPalette::Active, QPalette::Mid},               // 12 app workspace
    {QPalette::Active, QPalette::Highlight},         // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},   // 14 highlight text
    {QPalette::Active, QPalette::Button},            // 15 button face
    {QPalette::Active, QPalette::Dark},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text},            // 17 grey text
    {QPalette::Active, QPalette::ButtonText},        // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText}, // 19 inactive caption text
    {QPalette::Active, QPalette::Light},             // 20 button highlight
    {QPalette::Active, QPalette::Shadow},            // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight},          // 22 3D light
    {QPalette::Active, QPalette::ToolTipText},       // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},       // 24 tooltip background
};

QString Titel(TKastenArt art)
{
    switch (art) {
    case TKastenArt::Warnung:
        return u"Warnung"_s;
    case TKastenArt::Fehler:
        return u"Fehler"_s;
    case TKastenArt::Information:
        return u"Information"_s;
    case TKastenArt::Bestaetigen:
        return u"Bestätigen"_s;
    }
    return {};
}

// Qt wraps every text wider than 500 pixels, which often leaves the last
// word of a line on a line of its own. The box is made as wide as its
// longest line instead, up to about 110 characters; only longer lines wrap.
// Beyond Qt's own limit for the screen it would break lines anywhere, even
// inside words, so the box stays below that.
void BreiteFuerZeilen(QMessageBox &kasten, const QString &text)
{
    auto *raster = qobject_cast<QGridLayout *>(kasten.layout());
    const auto *label = kasten.findChild<QLabel *>(u"qt_msgbox_label"_s);
    if (!raster || !label)
        return;
    const QFontMetrics m = label->fontMetrics();
    int laengste = 0;
    for (const QString &zeile : text.split(u'\n'))
        laengste = std::max(laengste, m.boundingRect(QRect(), Qt::TextExpandTabs, zeile).width());
    int grenze = 110 * m.averageCharWidth();
    if (const QScreen *schirm = kasten.screen()) {
        const int schirmBreite = schirm->availableGeometry().width();
        const int qtGrenze = schirmBreite <= 1024 ? schirmBreite : std::min(schirmBreite - 480, 1000);
        const QMargins rand = raster->contentsMargins();
        const int symbol = kasten.iconPixmap().width() + 2 * raster->horizontalSpacing();
        grenze = std::min(grenze, qtGrenze - rand.left() - rand.right() - symbol - m.averageCharWidth());
    }
    const int breite = std::min(laengste + m.averageCharWidth(), grenze);
    int zeile = 0, spalte = 0, hoehe = 0, weite = 0;
    raster->getItemPosition(raster->indexOf(label), &zeile, &spalte, &hoehe, &weite);
    raster->addItem(new QSpacerItem(breite, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), raster->rowCount(), spalte);
}

// A long list in a read-only field between the text and the buttons, where
// it scrolls instead of pushing the box off the screen.
void DetailsEinfuegen(QMessageBox &kasten, const std::string &details)
{
    auto *raster = qobject_cast<QGridLayout *>(kasten.layout());
    auto *knoepfe = kasten.findChild<QDialogButtonBox *>();
    if (!raster || !knoepfe)
        return;
    QString text = QString::fromStdString(details);
    text.replace(u'\r', u'\n');
    auto *feld = new QPlainTextEdit(&kasten);
    feld->setObjectName(u"Details"_s);
    feld->setReadOnly(true);
    feld->setPlainText(text);
    const QFontMetrics m = feld->fontMetrics();
    feld->setMinimumSize(60 * m.averageCharWidth(), 10 * m.lineSpacing());
    raster->removeWidget(knoepfe);
    const int zeile = raster->rowCount();
    raster->addWidget(feld, zeile, 1, 1, std::max(1, raster->columnCount() - 1));
    raster->addWidget(knoepfe, zeile + 1, 0, 1, raster->columnCount());
}

QMessageBox::Icon Symbol(TKastenArt art)
{
    switch (art) {
    case TKastenArt::Warnung:
        return QMessageBox::Warning;
    case TKastenArt::Fehler:
        return QMessageBox::Critical;
    case TKastenArt::Information:
        return QMessageBox::Information;
    case TKastenArt::Bestaetigen:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void TQtPlattform::Ton(int)
{
    QApplication::beep();
}

uint32_t TQtPlattform::SystemFarbe(int index)
{
    if (index < 1 || index > 24)
        return 0;
    const TRolle &r = SystemRollen[index - 1];
    return QApplication::palette().color(r.Gruppe, r.Rolle).rgb() & 0xFFFFFFu;
}

TDatum TQtPlattform::Heute()
{
    if (festerTag.Jahr != 0)
        return festerTag;
    const QDate heute = QDate::currentDate();
    TDatum d;
    d.Tag = static_cast<uint8_t>(heute.day());
    d.Monat = static_cast<uint8_t>(heute.month());
    d.Jahr = static_cast<uint16_t>(heute.year());
    return d;
}

int TQtPlattform::MeldungZeigen(const TMeldung &meldung)
{
    gezeigteMeldungen.push_back(meldung);
    if (!vorgemerkteAntworten.empty()) {
        const int antwort = vorgemerkteAntworten.front();
        vorgemerkteAntworten.pop_front();
        return antwort;
    }

    QString text = QString::fromStdString(meldung.Text);
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    if (!FensterErlaubt(u"Message box without a queued answer: \""_s + Titel(meldung.Art) + u"\": "_s + text))
        return mrCancel;

    QMessageBox kasten(Symbol(meldung.Art), Titel(meldung.Art), text, QMessageBox::NoButton,
                       QApplication::activeWindow());
    kasten.setTextFormat(Qt::PlainText);
    BreiteFuerZeilen(kasten, text);
    // F1 in the box opens the topic of its code, like its Help button.
    HilfeKontextSetzen(&kasten, meldung.Hilfe);

    // All buttons share one role so that the button box keeps them in the
    // order they are added, whatever the desktop's button layout prefers.
    struct TKnopfAntwort {
        unsigned Knopf;
        QString Text;
        int Antwort;
    };
    const TKnopfAntwort knoepfe[] = {
        {KnopfJa, u"&Ja"_s, mrYes},
        {KnopfNein, u"&Nein"_s, mrNo},
        {KnopfOK, u"OK"_s, mrOk},
        {KnopfAbbrechen, u"Abbrechen"_s, mrCancel},
        {KnopfAbbruch, u"&Abbrechen"_s, mrAbort},
    };
    std::vector<std::pair<QPushButton *, int>> antworten;
    QPushButton *abbrechen = nullptr;
    QPushButton *ok = nullptr;
    for (const auto &k : knoepfe) {
        if (!(meldung.Knoepfe & k.Knopf))
            continue;
        QPushButton *b = kasten.addButton(k.Text, QMessageBox::ActionRole);
        antworten.emplace_back(b, k.Antwort);
        if (k.Antwort == mrCancel)
            abbrechen = b;
        if (k.Antwort == mrOk)
            ok = b;
    }
    if (meldung.Knoepfe & KnopfHilfe) {
        QPushButton *hilfe = kasten.addButton(u"&Hilfe"_s, QMessageBox::ActionRole);
        // The button box would close the box on every click; help must not.
        QObject::disconnect(hilfe, &QAbstractButton::clicked, nullptr, nullptr);
        const int kontext = meldung.Hilfe;
        QObject::connect(hilfe, &QAbstractButton::clicked, &kasten,
                         [this, kontext] { HilfeZeigen(kontext); });
    }
    if (antworten.empty()) {
        // A box without an answer could never close again.
        QPushButton *b = kasten.addButton(u"OK"_s, QMessageBox::ActionRole);
        antworten.emplace_back(b, mrOk);
        ok = b;
    }
    if (!meldung.Details.empty())
        DetailsEinfuegen(kasten, meldung.Details);
    kasten.setDefaultButton(antworten.front().first);
    // Escape answers like the system's boxes: Cancel, or OK where that is
    // the only way out; Yes/No questions need a real choice.
    if (abbrechen)
        kasten.setEscapeButton(abbrechen);
    else if (ok && antworten.size() == 1)
        kasten.setEscapeButton(ok);

    kasten.exec();

    const QAbstractButton *gedrueckt = kasten.clickedButton();
    for (const auto &[knopf, antwort] : antworten) {
        if (knopf == gedrueckt)
            return antwort;
    }
    return mrCancel;
}

void TQtPlattform::HilfeZeigen(int kontext)
{
    THilfe::Instanz().KontextZeigen(kontext);
}

void TQtPlattform::NaechsteAntwort(int antwort)
{
    vorgemerkteAntworten.push_back(antwort);
}

int TQtPlattform::AusstehendeAntworten()
{
    return static_cast<int>(vorgemerkteAntworten.size());
}

void TQtPlattform::NaechsteDatei(const std::string &name)
{
    vorgemerkteDateien.push_back(name);
}

int TQtPlattform::AusstehendeDateien()
{
    return static_cast<int>(vorgemerkteDateien.size());
}

bool TQtPlattform::VorgemerkteDatei(std::string &name)
{
    if (vorgemerkteDateien.empty())
        return false;
    name = vorgemerkteDateien.front();
    vorgemerkteDateien.pop_front();
    return true;
}

const std::vector<TMeldung> &TQtPlattform::GezeigteMeldungen()
{
    return gezeigteMeldungen;
}

void TQtPlattform::TestZustandLoeschen()
{
    vorgemerkteAntworten.clear();
    vorgemerkteDateien.clear();
    erwarteteFenster = 0;
    gezeigteMeldungen.clear();
    festerTag = TDatum{};
}

void TQtPlattform::HeuteFestlegen(const TDatum &tag)
{
    festerTag = tag;
}

void TQtPlattform::TestModusSetzen(bool an)
{
    testModus = an;
    if (an)
        TFensterWaechter::Instanz();
}

bool TQtPlattform::TestModus()
{
    return testModus;
}

void TQtPlattform::FensterErwarten(int anzahl)
{
    erwarteteFenster += anzahl;
}

int TQtPlattform::ErwarteteFenster()
{
    return erwarteteFenster;
}

void TQtPlattform::TestFehlerEmpfaenger(std::function<void(const QString &)> empfaenger)
{
    testFehlerEmpfaenger = std::move(empfaenger);
}

bool TQtPlattform::FensterErlaubt(const QString &was)
{
    if (!testModus || erwarteteFenster > 0)
        return true;
    TestFehler(was);
    return false;
}
