// The file dialog driven like a user: names, directories, extensions, messages.
#include "Laden3.h"
#include "Oberflaeche.h"
#include "Zusatz1.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

const std::string Filter = "Tankstellendaten  (*.SPR)|*.SPR|Sicherheitskopie   (*.SPK)|*.SPK";
const std::string Zeichenfehler =
    "Es wurde kein Dateiname angegeben oder der Dateiname enthält ein ungültige Zeichen.\r\r"
    "Folgende Zeichen sind nicht erlaubt : \r"
    "' ' <- Leerzeichen '*' '?' 'Ä' 'Ü' 'Ö' 'ß' '+' '#' ',' ';' '(' ')' '{' '}' '[' ']'";

void Anlegen(const QString &pfad)
{
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::WriteOnly));
}

// Types into the name field and confirms with Enter (the default button).
void Eingeben(TLadeSelfMade &d, const QString &text)
{
    d.Edit1->setFocus();
    d.Edit1->selectAll();
    QTest::keyClicks(d.Edit1, text);
    QTest::keyClick(d.Edit1, Qt::Key_Return);
}

const TMeldung &Letzte() { return TQtPlattform::GezeigteMeldungen().back(); }

// The dialog's notes all sound always and have no help page.
void PruefeHinweis(const std::string &text, TKastenArt art, unsigned knoepfe)
{
    QCOMPARE(Letzte().Text, text);
    QCOMPARE(int(Letzte().Art), int(art));
    QCOMPARE(Letzte().Knoepfe, knoepfe);
    QCOMPARE(Letzte().Hilfe, 0);
    QVERIFY(Letzte().TonImmer);
}

} // namespace

class Laden3Test : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestPlattform> m_plattform;
    std::unique_ptr<QTemporaryDir> m_ordner;
    QString m_dir;   // ends in "/"

    // Runs the dialog; schritte runs while it is shown, and whatever stays
    // open afterwards is cancelled.
    std::string Auswahl(bool modus, const std::string &name, const std::function<void(TLadeSelfMade &)> &schritte,
                        const std::string &verzeichnis = {})
    {
        TQtPlattform::FensterErwarten();
        QTimer::singleShot(0, [&] {
            TLadeSelfMade &d = *LadeSelfMade;
            QApplication::setActiveWindow(&d);
            QVERIFY(QTest::qWaitForWindowActive(&d));
            schritte(d);
            if (d.isVisible())
                d.AbbruchClick();
        });
        std::string ergebnis = name;
        const bool gewaehlt = DateiAuswahl(modus, verzeichnis.empty() ? m_dir.toStdString() : verzeichnis, Filter,
                                           ergebnis);
        if (gewaehlt == ergebnis.empty())
            return "<Ergebnis passt nicht zum Namen>";
        return ergebnis;
    }

    std::string Pfad(const QString &name) const { return (m_dir + name).toStdString(); }

private slots:
    void init()
    {
        TQtPlattform::TestZustandLoeschen();
        TQtPlattform::TestModusSetzen(true);
        m_plattform = std::make_unique<TTestPlattform>();
        PlattformSetzen(m_plattform.get());
        m_ordner = std::make_unique<QTemporaryDir>();
        m_dir = m_ordner->path() + u'/';
    }

    void cleanup()
    {
        TQtPlattform::TestFehlerEmpfaenger(nullptr);
        QCOMPARE(UnbenutzteVormerkungen(), 0);
        PlattformSetzen(nullptr);
    }

    void leererNameUndEndungWirdAngehaengt()
    {
        const std::string ergebnis = Auswahl(false, "", [](TLadeSelfMade &d) {
            QCOMPARE(d.windowTitle(), u"Speichern unter"_s);
            QCOMPARE(d.Lade->text(), u"&Speichern"_s);
            QCOMPARE(d.Edit1->text(), u".SPR"_s);
            QCOMPARE(d.Edit1->selectedText(), u".SPR"_s);
            // Unchanged it is an empty name.
            TQtPlattform::NaechsteAntwort(mrOk);
            d.Lade->click();
            QVERIFY(d.isVisible());
            PruefeHinweis(Zeichenfehler, TKastenArt::Fehler, KnopfOK);
            Eingeben(d, u"AUTO"_s);
        });
        QCOMPARE(ergebnis, Pfad(u"AUTO.SPR"_s));
    }

    void getippteEndungWirdErsetzt()
    {
        QVERIFY(QDir(m_dir).mkdir(u"unter"_s));
        // A bare directory name is a file name in the current directory.
        for (const auto &[ein, aus] : {std::pair{u"auto.txt"_s, u"auto.SPR"_s}, {u"AUTO.TXT"_s, u"AUTO.SPR"_s},
                                       {u"unter"_s, u"unter.SPR"_s}}) {
            const QString e = ein;
            QCOMPARE(Auswahl(false, "", [&](TLadeSelfMade &d) { Eingeben(d, e); }), Pfad(aus));
        }
        // Entering the type list keeps the typed name; a new type rebuilds it.
        QCOMPARE(Auswahl(true, "", [](TLadeSelfMade &d) {
            QTest::keyClicks(d.Edit1, u"WAGEN.SPR"_s);
            d.FilterCB1->setFocus();
            d.FilterCB1->setCurrentIndex(1);
            QCOMPARE(d.Edit1->text(), u"WAGEN.SPK"_s);
        }), std::string());
    }

    // Choosing in the type or drive list, by click or key, takes the name
    // field's text first, also when the list has the focus already: after
    // a failed open (which leaves the bare file name) a new type keeps it.
    void wahlInDerListeUebernimmtDenNamen()
    {
        const std::string ergebnis = Auswahl(true, "", [](TLadeSelfMade &d) {
            QTest::keyClicks(d.Edit1, u"nichtda/FEHLT"_s);
            QTest::keyClick(d.Edit1, Qt::Key_Tab);
            QTest::keyClick(d.FileLB1, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), d.FilterCB1);
            TQtPlattform::NaechsteAntwort(mrOk);
            QTest::keyClick(d.FilterCB1, Qt::Key_Return);   // "Öffnen", the default button
            QCOMPARE(d.Edit1->text(), u"FEHLT.SPR"_s);
            QCOMPARE(QApplication::focusWidget(), d.FilterCB1);
            QTest::keyClick(d.FilterCB1, Qt::Key_Down);
            QCOMPARE(d.Edit1->text(), u"FEHLT.SPK"_s);

            // With the mouse, in the drive list: its root is another
            // directory, which rebuilds the name.
            QTest::keyClick(d.FilterCB1, Qt::Key_N, Qt::AltModifier);   // "Datei&name"
            QCOMPARE(QApplication::focusWidget(), d.Edit1);
            QTest::keyClicks(d.Edit1, u"nichtda/ANDERS"_s);
            QTest::mouseClick(d.DriveCB1, Qt::LeftButton);
            QTest::keyClick(d.DriveCB1->view(), Qt::Key_Escape);
            QTRY_VERIFY(!QApplication::activePopupWidget());
            TQtPlattform::NaechsteAntwort(mrOk);
            QTest::keyClick(d.DriveCB1, Qt::Key_Return);
            QCOMPARE(d.Edit1->text(), u"ANDERS.SPK"_s);
            QTest::mouseClick(d.DriveCB1, Qt::LeftButton);
            QTest::keyClick(d.DriveCB1->view(), Qt::Key_Home);
            QTest::keyClick(d.DriveCB1->view(), Qt::Key_Return);
            QTRY_VERIFY(!QApplication::activePopupWidget());   // after the chosen entry flashed
            QCOMPARE(d.Verzeichnis(), u"/"_s);
            QCOMPARE(d.Edit1->text(), u"ANDERS.SPK"_s);
        });
        QCOMPARE(ergebnis, std::string());
    }

    void verzeichnispfadWechseltOhneMeldung()
    {
        QVERIFY(QDir(m_dir).mkdir(u"unter"_s));
        const std::string ergebnis = Auswahl(false, "", [this](TLadeSelfMade &d) {
            Eingeben(d, m_dir + u"unter"_s);
            QVERIFY(d.isVisible());
            QCOMPARE(d.Verzeichnis(), m_dir + u"unter/"_s);
            QCOMPARE(d.Edit1->text(), QString());
            QVERIFY(TQtPlattform::GezeigteMeldungen().empty());
            Eingeben(d, u"AUTO"_s);
        });
        QCOMPARE(ergebnis, Pfad(u"unter/AUTO.SPR"_s));
    }

    void leerzeichenWirdAbgelehnt()
    {
        QVERIFY(QDir(m_dir).mkdir(u"mit blank"_s));
        for (const QString &verzeichnis : {m_dir, m_dir + u"mit blank"_s}) {
            const QString name = verzeichnis == m_dir ? u"MEIN AUTO"_s : u"AUTO"_s;
            TQtPlattform::TestZustandLoeschen();
            m_plattform->Toene.clear();
            const std::string ergebnis = Auswahl(
                false, "",
                [&](TLadeSelfMade &d) {
                    TQtPlattform::NaechsteAntwort(mrOk);
                    Eingeben(d, name);
                    QVERIFY(d.isVisible());
                    QCOMPARE(TQtPlattform::GezeigteMeldungen().size(), size_t(1));
                    QCOMPARE(Letzte().Text, Zeichenfehler);
                    QCOMPARE(m_plattform->Toene, std::vector<int>{1});
                },
                verzeichnis.toStdString());
            QCOMPARE(ergebnis, std::string());
        }
    }

    void fehlendeDateiBleibtOffen()
    {
        const std::string ergebnis = Auswahl(true, "", [this](TLadeSelfMade &d) {
            QCOMPARE(d.windowTitle(), u"Öffnen"_s);
            QCOMPARE(d.Lade->text(), u"Ö&ffnen"_s);
            TQtPlattform::NaechsteAntwort(mrOk);
            Eingeben(d, u"FEHLT"_s);
            QVERIFY(d.isVisible());
            QCOMPARE(d.Edit1->text(), u"FEHLT.SPR"_s);
            PruefeHinweis("Die Datei '" + Pfad(u"FEHLT.SPR"_s) +
                              "'\rexistiert nicht und kann desshalb auch nicht geladen werden.",
                          TKastenArt::Information, KnopfOK);
        });
        QCOMPARE(ergebnis, std::string());
    }

    void ueberschreibenNurBeiAnderemNamen()
    {
        Anlegen(m_dir + u"AUTO.SPR"_s);
        Anlegen(m_dir + u"ANDERS.SPR"_s);
        QCOMPARE(Auswahl(false, Pfad(u"AUTO.SPR"_s), [](TLadeSelfMade &d) { d.Lade->click(); }), Pfad(u"AUTO.SPR"_s));
        QVERIFY(TQtPlattform::GezeigteMeldungen().empty());

        const std::string ergebnis = Auswahl(false, Pfad(u"AUTO.SPR"_s), [this](TLadeSelfMade &d) {
            TQtPlattform::NaechsteAntwort(mrNo);
            Eingeben(d, u"ANDERS"_s);
            QVERIFY(d.isVisible());
            PruefeHinweis("Die Datei '" + Pfad(u"ANDERS.SPR"_s) +
                              "' existiert bereits.\r\rMöchten Sie sie überschreiben ?",
                          TKastenArt::Bestaetigen, KnopfJa | KnopfNein);
            TQtPlattform::NaechsteAntwort(mrYes);
            d.Lade->click();
        });
        QCOMPARE(ergebnis, Pfad(u"ANDERS.SPR"_s));
    }

    void schliessfeldNachBestaetigungGibtNichts()
    {
        Anlegen(m_dir + u"AUTO.SPR"_s);
        QCOMPARE(Auswahl(true, Pfad(u"AUTO.SPR"_s), [](TLadeSelfMade &d) { d.Lade->click(); }), Pfad(u"AUTO.SPR"_s));
        QCOMPARE(Auswahl(true, Pfad(u"AUTO.SPR"_s), [](TLadeSelfMade &d) { d.close(); }), std::string());
        QCOMPARE(Auswahl(true, Pfad(u"AUTO.SPR"_s), [](TLadeSelfMade &d) { QTest::keyClick(&d, Qt::Key_Escape); }),
                 std::string());
    }

    void kleinschreibungWirdGefunden()
    {
        Anlegen(m_dir + u"auto.spr"_s);
        Anlegen(m_dir + u"alt.spk"_s);
        const std::string ergebnis = Auswahl(true, "", [](TLadeSelfMade &d) {
            QCOMPARE(d.FileLB1->count(), 1);
            QCOMPARE(d.FileLB1->item(0)->text(), u"auto.spr"_s);
            d.FilterCB1->setCurrentIndex(1);
            QCOMPARE(d.FileLB1->item(0)->text(), u"alt.spk"_s);
            d.FilterCB1->setCurrentIndex(0);
            d.FileLB1->setCurrentRow(0);
            QCOMPARE(d.Edit1->text(), u"auto.spr"_s);
            Eingeben(d, u"AUTO"_s);
        });
        QCOMPARE(ergebnis, Pfad(u"auto.spr"_s));
    }

    void enterImVerzeichnisOeffnetEs()
    {
        QVERIFY(QDir(m_dir).mkdir(u"unter"_s));
        Auswahl(true, "", [this](TLadeSelfMade &d) {
            d.DirLB1->setFocus();
            QVERIFY(!d.Lade->isDefault());
            const auto treffer = d.DirLB1->findItems(u"unter"_s, Qt::MatchExactly);
            QCOMPARE(treffer.size(), 1);
            d.DirLB1->setCurrentItem(treffer.first());
            QTest::keyClick(d.DirLB1, Qt::Key_Return);
            QVERIFY(d.isVisible());
            QCOMPARE(d.Verzeichnis(), m_dir + u"unter/"_s);
        });
    }

    void groesseFolgtFensterfaktor()
    {
        delete LadeSelfMade;
        Fensterfaktor = 2;
        Auswahl(false, "", [](TLadeSelfMade &d) {
            QCOMPARE(d.size(), QSize(860, 600));
            for (QWidget *w : d.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                QVERIFY(d.rect().contains(w->geometry()));
        });
        Fensterfaktor = 1;
        delete LadeSelfMade;
    }

    // Queued names answer without a window; with none queued the test mode
    // reports the dialog and it chooses nothing, never waiting for a user.
    void naechsteAntwortOhneFenster()
    {
        NaechsteDateiAuswahl("/x/A.SPR");
        NaechsteDateiAuswahl("");
        QCOMPARE(TQtPlattform::AusstehendeDateien(), 2);
        std::string name = "alt";
        QVERIFY(DateiAuswahl(true, "/", Filter, name));
        QCOMPARE(name, std::string("/x/A.SPR"));
        QVERIFY(!DateiAuswahl(false, "/", Filter, name));
        QCOMPARE(name, std::string());

        QStringList gemeldet;
        TQtPlattform::TestFehlerEmpfaenger([&](const QString &text) { gemeldet << text; });
        name = "/x/AUTO.SPR";
        QVERIFY(!DateiAuswahl(true, "/", Filter, name));
        QCOMPARE(name, std::string());
        QVERIFY(!LadeSelfMade || !LadeSelfMade->isVisible());
        QCOMPARE(gemeldet, QStringList{u"File dialog without a queued name: \"Öffnen\", name \"/x/AUTO.SPR\""_s});

        // Leftovers are counted, and forgotten with the test state.
        NaechsteDateiAuswahl("/x/B.SPR");
        QCOMPARE(UnbenutzteVormerkungen(), 1);
        TQtPlattform::TestZustandLoeschen();
        QCOMPARE(UnbenutzteVormerkungen(), 0);
    }
};

QTEST_MAIN(Laden3Test)
#include "Laden3Test.moc"
