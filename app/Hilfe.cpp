#include "Hilfe.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

const char *const KontextEigenschaft = "hilfeKontext";

// The number set on exactly this object, without looking at its parents.
int EigenerKontext(const QObject *objekt)
{
    if (!objekt)
        return 0;
    const QVariant wert = objekt->property(KontextEigenschaft);
    return wert.isValid() ? wert.toInt() : 0;
}

QString Html(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

// ---- the window ---------------------------------------------------------------

// One page as the window shows it; Schluessel is empty for notices.
struct THilfeSeite {
    QString Schluessel;
    QString Titel;
    QString Html;
};

class THilfeFenster : public QWidget {
public:
    THilfeFenster()
        : QWidget(nullptr, Qt::Window)
    {
        setWindowTitle(u"Sprilo - Hilfe"_s);
        setObjectName(u"Hilfefenster"_s);
        // An open help window must not keep the program alive after the
        // main window was closed.
        setAttribute(Qt::WA_QuitOnClose, false);
        resize(620, 540);

        m_inhalt = new QPushButton(u"&Inhalt"_s, this);
        m_zurueck = new QPushButton(u"&Zurück"_s, this);
        m_vor = new QPushButton(u"&Vor"_s, this);
        m_schliessen = new QPushButton(u"&Schließen"_s, this);
        for (QPushButton *b : {m_inhalt, m_zurueck, m_vor, m_schliessen})
            b->setAutoDefault(false);

        m_text = new QTextBrowser(this);
        m_text->setObjectName(u"Hilfetext"_s);
        // Links are followed by hand: only "#Schluessel" leads anywhere, the
        // help never opens a browser or a file.
        m_text->setOpenLinks(false);
        m_text->setOpenExternalLinks(false);

        auto *knoepfe = new QHBoxLayout;
        knoepfe->addWidget(m_inhalt);
        knoepfe->addWidget(m_zurueck);
        knoepfe->addWidget(m_vor);
        knoepfe->addStretch(1);
        knoepfe->addWidget(m_schliessen);
        auto *spalte = new QVBoxLayout(this);
        spalte->addLayout(knoepfe);
        spalte->addWidget(m_text, 1);

        connect(m_inhalt, &QPushButton::clicked, this, [] { THilfe::Instanz().ThemaZeigen(u"Inhalt"_s); });
        connect(m_zurueck, &QPushButton::clicked, this, [this] { Blaettern(-1); });
        connect(m_vor, &QPushButton::clicked, this, [this] { Blaettern(+1); });
        connect(m_schliessen, &QPushButton::clicked, this, &QWidget::close);
        connect(m_text, &QTextBrowser::anchorClicked, this, [](const QUrl &ziel) {
            if (ziel.scheme().isEmpty() && ziel.path().isEmpty() && ziel.hasFragment()
                && !ziel.fragment().isEmpty())
                THilfe::Instanz().ThemaZeigen(ziel.fragment(QUrl::FullyDecoded));
        });
        auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        connect(esc, &QShortcut::activated, this, &QWidget::close);

        KnoepfeSetzen();
    }

    // Shows a page and makes it the newest entry of the history; pages after
    // the current one are dropped, as in a browser.
    void Oeffnen(const THilfeSeite &seite)
    {
        if (m_position + 1 < static_cast<int>(m_verlauf.size()))
            m_verlauf.resize(static_cast<size_t>(m_position + 1));
        m_verlauf.push_back(seite);
        m_position = static_cast<int>(m_verlauf.size()) - 1;
        Darstellen();
    }

    QString Schluessel() const
    {
        return m_position >= 0 ? m_verlauf[static_cast<size_t>(m_position)].Schluessel : QString();
    }
    QString Text() const { return m_text->toPlainText(); }

private:
    void Blaettern(int schritt)
    {
        const int ziel = m_position + schritt;
        if (ziel < 0 || ziel >= static_cast<int>(m_verlauf.size()))
            return;
        m_position = ziel;
        Darstellen();
    }

    void Darstellen()
    {
        const THilfeSeite &seite = m_verlauf[static_cast<size_t>(m_position)];
        m_text->setHtml(u"<h2>"_s + seite.Titel.toHtmlEscaped() + u"</h2>\n"_s + seite.Html);
        KnoepfeSetzen();
    }

    void KnoepfeSetzen()
    {
        m_zurueck->setEnabled(m_position > 0);
        m_vor->setEnabled(m_position + 1 < static_cast<int>(m_verlauf.size()));
    }

    QTextBrowser *m_text = nullptr;
    QPushButton *m_inhalt = nullptr;
    QPushButton *m_zurueck = nullptr;
    QPushButton *m_vor = nullptr;
    QPushButton *m_schliessen = nullptr;
    std::vector<THilfeSeite> m_verlauf;
    int m_position = -1;
};

// ---- the help -------------------------------------------------------------------

THilfe &THilfe::Instanz()
{
    // Never destroyed: the help may still be asked for while the program
    // shuts down, after static objects would be gone.
    static THilfe *hilfe = new THilfe;
    return *hilfe;
}

void THilfe::DateiSetzen(const QString &pfad)
{
    m_datei = pfad;
}

QString THilfe::Datei() const
{
    if (!m_datei.isEmpty())
        return m_datei;
    return QCoreApplication::applicationDirPath() + u"/SPRILO.HLP"_s;
}

bool THilfe::DateiLesen(QString &fehler)
{
    const QString pfad = Datei();
    const QFileInfo info(pfad);
    if (!info.isFile()) {
        m_geladen = false;
        fehler = u"Die Hilfedatei „"_s + pfad + u"“ wurde nicht gefunden."_s;
        return false;
    }
    // Size as well as time: a file rewritten within the clock's resolution
    // must still be read again.
    if (m_geladen && pfad == m_geladenerPfad && info.lastModified() == m_geladenGeaendert
        && info.size() == m_geladenGroesse)
        return true;

    m_geladen = m_inhalt.Laden(QFile::encodeName(pfad).toStdString());
    if (!m_geladen) {
        fehler = QString::fromStdString(m_inhalt.Fehler());
        return false;
    }
    m_geladenerPfad = pfad;
    m_geladenGeaendert = info.lastModified();
    m_geladenGroesse = info.size();
    return true;
}

void THilfe::ThemaZeigen(const QString &schluessel)
{
    QString fehler;
    if (!DateiLesen(fehler)) {
        Zeigen({}, u"Hilfedatei nicht verfügbar"_s, u"<p>"_s + fehler.toHtmlEscaped() + u"</p>"_s);
        return;
    }
    if (const THilfeThema *thema = m_inhalt.Thema(schluessel.toStdString())) {
        Zeigen(QString::fromStdString(thema->Schluessel), QString::fromStdString(thema->Titel),
               Html(thema->Text));
        return;
    }
    Zeigen({}, u"Hilfethema nicht gefunden"_s,
           u"<p>Das Hilfethema „"_s + schluessel.toHtmlEscaped()
               + u"“ ist in der Hilfedatei nicht vorhanden.</p>\n"
                 u"<p><a href=\"#Inhalt\">Zum Inhalt der Hilfe</a></p>"_s);
}

void THilfe::KontextZeigen(int kontext)
{
    if (kontext == 0) {
        ThemaZeigen(u"Inhalt"_s);
        return;
    }
    QString fehler;
    if (!DateiLesen(fehler)) {
        Zeigen({}, u"Hilfedatei nicht verfügbar"_s, u"<p>"_s + fehler.toHtmlEscaped() + u"</p>"_s);
        return;
    }
    if (const THilfeThema *thema = m_inhalt.ThemaZuKontext(kontext)) {
        Zeigen(QString::fromStdString(thema->Schluessel), QString::fromStdString(thema->Titel),
               Html(thema->Text));
        return;
    }
    Zeigen({}, u"Hilfethema nicht gefunden"_s,
           u"<p>Zur Hilfekontextnummer "_s + QString::number(kontext)
               + u" gibt es in der Hilfedatei kein Thema.</p>\n"
                 u"<p><a href=\"#Inhalt\">Zum Inhalt der Hilfe</a></p>"_s);
}

void THilfe::Zeigen(const QString &schluessel, const QString &titel, const QString &html)
{
    THilfeFenster *fenster = FensterHolen();
    fenster->Oeffnen({schluessel, titel, html});

    // Help asked for from a modal window (the Help button of a message box)
    // would be blocked by that window; then the help must be modal itself,
    // on top. Without one it stays an ordinary window beside the program.
    bool andererModal = false;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w != fenster && w->isVisible() && w->isModal()) {
            andererModal = true;
            break;
        }
    }
    const Qt::WindowModality soll = andererModal ? Qt::ApplicationModal : Qt::NonModal;
    if (fenster->windowModality() != soll) {
        // Modality only takes effect when the window is shown anew.
        if (fenster->isVisible())
            fenster->hide();
        fenster->setWindowModality(soll);
    }
    if (fenster->isMinimized())
        fenster->showNormal();
    else
        fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

void THilfe::Beenden()
{
    if (m_fenster) {
        m_fenster->close();
        delete m_fenster.data();
    }
}

void THilfe::F1Einrichten()
{
    if (m_f1Eingerichtet || !qApp)
        return;
    qApp->installEventFilter(this);
    m_f1Eingerichtet = true;
}

bool THilfe::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (ereignis->type() != QEvent::KeyPress)
        return QObject::eventFilter(objekt, ereignis);
    const auto *taste = static_cast<QKeyEvent *>(ereignis);
    if (taste->key() != Qt::Key_F1 || taste->modifiers() != Qt::NoModifier)
        return QObject::eventFilter(objekt, ereignis);

    int kontext = 0;
    if (auto *menue = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
        // In an open menu the marked item counts, not the focus: the item's
        // own number, that of its submenu, else the menu's.
        if (QAction *eintrag = menue->activeAction()) {
            kontext = EigenerKontext(eintrag);
            if (kontext == 0)
                kontext = EigenerKontext(QMenu::menuInAction(eintrag));
        }
        if (kontext == 0)
            kontext = HilfeKontext(menue);
    } else {
        // Key events reach the window before its focus widget; both lead to
        // the same element.
        QObject *ziel = objekt->isWidgetType() ? objekt : nullptr;
        if (!ziel)
            ziel = QApplication::focusWidget();
        if (!ziel)
            ziel = QApplication::activeWindow();
        kontext = HilfeKontext(ziel);
    }
    KontextZeigen(kontext);
    return true;
}

THilfeFenster *THilfe::FensterHolen()
{
    if (!m_fenster)
        m_fenster = new THilfeFenster;
    return m_fenster;
}

QWidget *THilfe::Fenster() const
{
    return m_fenster.data();
}

QString THilfe::AktuellesThema() const
{
    return m_fenster ? m_fenster->Schluessel() : QString();
}

QString THilfe::AngezeigterText() const
{
    return m_fenster ? m_fenster->Text() : QString();
}

// ---- help context numbers ----------------------------------------------------------

void HilfeKontextSetzen(QObject *objekt, int kontext)
{
    if (objekt)
        objekt->setProperty(KontextEigenschaft, kontext);
}

int HilfeKontext(const QObject *objekt)
{
    for (const QObject *o = objekt; o; o = o->parent()) {
        const int kontext = EigenerKontext(o);
        if (kontext != 0)
            return kontext;
    }
    return 0;
}
