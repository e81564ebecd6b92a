// The petrol-station list panel, driven through the main window with mouse
// and keyboard; the station list and the fill-ups are set directly.
#include "Konfiguration.h"
#include "PanelTankList.h"
#include "QtPlattform.h"
#include "Sprilo_1.h"
#include "Sprilo_Dek.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

class TTestPlattform : public TQtPlattform {
public:
    std::vector<int> Toene;
    void Ton(int art) override { Toene.push_back(art); }
    void HilfeZeigen(int) override {}
};

// Station lists are written "a|b|c" throughout; the empty text is the
// empty list.
void StationenSetzen(const QString &namen)
{
    const QStringList liste = namen.isEmpty() ? QStringList() : namen.split(u'|');
    for (std::string &t : Tankstellen)
        t.clear();
    for (int i = 0; i < liste.size(); ++i)
        Tankstellen[i] = liste[i].toStdString();
    AnzahlTankstellen = static_cast<uint8_t>(liste.size());
}

QString Stationen()
{
    QStringList namen;
    for (int i = 0; i < AnzahlTankstellen; ++i)
        namen << QString::fromStdString(Tankstellen[i]);
    return namen.join(u'|');
}

// Saved fill-ups at these stations, numbered by the current station list.
void FuellungenSetzen(const QString &stationen)
{
    ListeLoeschen(Fuellungen);
    for (const QString &name : stationen.isEmpty() ? QStringList() : stationen.split(u'|')) {
        TTankFuellung f;
        f.KMStand = 10000 + 500 * AnzahlFuellungen();
        f.Datum = {1, 1, 2020};
        f.Tankstelle = name.toStdString();
        f.TankstellenNr = static_cast<int8_t>(TankstellenIndex(f.Tankstelle));
        Fuellungen.push_back(f);
    }
    DatenVorhanden = !Fuellungen.empty();
    Gespeichert = true;
}

QString Nummern()
{
    QStringList nummern;
    for (const TTankFuellung &f : Fuellungen)
        nummern << QString::number(f.TankstellenNr);
    return nummern.join(u'|');
}

} // namespace

class PanelTankListTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestPlattform> m_plattform;
    std::unique_ptr<TForm1> m_form;
    TPanelTankList *p = nullptr;

    // The working copy and its selected row: "a|b|c @row".
    QString Stand() const
    {
        QStringList texte;
        for (int i = 0; i < p->PT_Liste->count(); ++i)
            texte << p->PT_Liste->item(i)->text();
        return texte.join(u'|') + u" @"_s + QString::number(p->Auswahl());
    }

    void Klick(QPushButton *knopf) { QTest::mouseClick(knopf, Qt::LeftButton); }

    void Zeile(int i)
    {
        QTest::mouseClick(p->PT_Liste->viewport(), Qt::LeftButton, {},
                          p->PT_Liste->visualItemRect(p->PT_Liste->item(i)).center());
    }

    void Eintippen(const QString &name)
    {
        QTest::mouseClick(p->PT_Edit1, Qt::LeftButton);
        QTest::keyClicks(p->PT_Edit1, name);
        QTest::keyClick(p->PT_Edit1, Qt::Key_Return);
    }

    // Alt + mnemonic; the button answers after its short press animation.
    void Kuerzel(char taste, QPushButton *knopf)
    {
        QTest::keyClick(QApplication::focusWidget(), taste, Qt::AltModifier);
        QTRY_VERIFY(!knopf->isDown());
    }

private slots:
    void init()
    {
        TQtPlattform::TestZustandLoeschen();
        m_plattform = std::make_unique<TTestPlattform>();
        PlattformSetzen(m_plattform.get());
        GlobalenZustandZuruecksetzen();
        AuswahlTankstelleNr = -1;
        m_form = std::make_unique<TForm1>();
        m_form->StatusAnzeigen();
        m_form->show();
        QApplication::setActiveWindow(m_form.get());
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        p = m_form->PanelTankList;
    }

    void cleanup()
    {
        m_form.reset();
        QCOMPARE(TQtPlattform::AusstehendeAntworten(), 0);
        PlattformSetzen(nullptr);
        m_plattform.reset();
        GlobalenZustandZuruecksetzen();
    }

    void panelZeigtDieListeUndPasstInDieArbeitsflaeche()
    {
        const QList<std::pair<QWidget *, QString>> beschriftung = {
            {p->PT_Label1, u"Gespeicherte Tankstellen"_s}, {p->PT_Button1, u"Nach &oben"_s},
            {p->PT_Button2, u"Nach &unten"_s},             {p->PT_Button3, u"&Löschen"_s},
            {p->PT_Button4, u"&Einfügen"_s},               {p->PT_Button5, u"Liste ü&bernehmen"_s},
            {p->PT_Button6, u"&Abbrechen"_s}};
        for (const auto &[w, text] : beschriftung)
            QCOMPARE(w->property("text").toString(), text);
        QCOMPARE(p->PT_Edit1->maxLength(), 40);

        m_form->MP_2_6->trigger();   // no stations yet
        QCOMPARE(Stand(), u" @-1"_s);

        StationenSetzen(u"Aral|Shell"_s);
        QTest::keyClicks(p->PT_Edit1, u"Reste"_s);
        m_form->MP_2_6->trigger();
        QVERIFY(p->isVisible());
        QVERIFY(m_form->MP_5_1b_4->isVisible());
        QCOMPARE(Stand(), u"Aral|Shell @0"_s);
        QCOMPARE(p->PT_Edit1->text(), QString());
        QCOMPARE(QApplication::focusWidget(), p->PT_Edit1);

        QTest::keyClicks(p->PT_Edit1, QString(45, u'x'));
        QCOMPARE(p->PT_Edit1->text(), QString(40, u'x'));

        QStringList reihenfolge;
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reihenfolge << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(reihenfolge, (QStringList{u"PT_Button4"_s, u"PT_Liste"_s, u"PT_Button1"_s, u"PT_Button2"_s,
                                          u"PT_Button3"_s, u"PT_Button5"_s, u"PT_Button6"_s}));

        // Nothing cut off: every control gets at least the room it asks for.
        QVERIFY(p->geometry().bottom() <= m_form->Arbeitsflaeche->height());
        QVERIFY(p->geometry().right() <= m_form->Arbeitsflaeche->width());
        for (QWidget *w : p->findChildren<QWidget *>()) {
            if (w->parentWidget() != p)
                continue;
            QVERIFY2(w->width() >= w->minimumSizeHint().width(), qPrintable(w->objectName()));
            QVERIFY2(w->height() >= w->minimumSizeHint().height(), qPrintable(w->objectName()));
            QVERIFY2(p->rect().contains(w->geometry()), qPrintable(w->objectName()));
        }
    }

    // Lists are written "a|b|c"; steps are sel:N, up, down, del, ins:Name;
    // the panel is closed with PT_Button5 (accept) or PT_Button6 (cancel).
    void endeNummeriertDieFuellungenUm_data()
    {
        for (const char *spalte : {"stationen", "fuellungen", "auswahl", "schritte", "knopf", "erwStationen",
                                   "erwNummern", "erwAuswahl", "erwGespeichert"})
            QTest::addColumn<QString>(spalte);
        auto zeile = [](const char *name, std::initializer_list<const char *> werte) {
            QTestData &z = QTest::newRow(name);
            for (const char *w : werte)
                z << QString::fromUtf8(w);
        };
        const char *ast = "Aral|Shell|Jet", *aste = "Aral|Shell|Jet|Esso", *abcde = "A|B|C|D|E";
        zeile("geloeschte Station wird sonstige", {ast, ast, "-1", "sel:1|del", "5", "Aral|Jet", "0|-1|1", "-1", "0"});
        zeile("nach oben tauscht die Nummern", {ast, aste, "-1", "sel:2|up", "5", "Aral|Jet|Shell", "0|2|1|-1", "-1", "0"});
        zeile("nach unten tauscht die Nummern", {ast, "Shell|Aral", "-1", "sel:0|down", "5", "Shell|Aral|Jet", "0|1", "-1", "0"});
        zeile("unveraendert bleibt gespeichert", {ast, aste, "1", "", "5", ast, "0|1|2|-1", "1", "1"});
        zeile("hin und zurueck bleibt gespeichert", {ast, ast, "-1", "sel:0|down|up", "5", ast, "0|1|2", "-1", "1"});
        zeile("doppelt: der zweite zaehlt", {ast, ast, "-1", "ins:Aral", "5", "Aral|Shell|Jet|Aral", "3|1|2", "-1", "0"});
        zeile("sonstige werden aufgenommen", {"Aral", "Esso|Aral|Esso", "-1", "ins:Esso", "5", "Aral|Esso", "1|0|1", "-1", "0"});
        zeile("nicht getrimmt", {"Aral", "Esso", "-1", "ins: Esso ", "5", "Aral| Esso ", "-1", "-1", "1"});
        zeile("Auswahl 3 bei 3 Eintraegen: sonstige", {abcde, "", "3", "sel:4|del|sel:3|del", "5", "A|B|C", "", "-1", "1"});
        zeile("Auswahl 2 bei 3 Eintraegen bleibt", {abcde, "", "2", "sel:4|del|sel:3|del", "5", "A|B|C", "", "2", "1"});
        zeile("verschoben behaelt die Auswahl", {abcde, "", "3", "sel:3|up|sel:0|down", "5", "B|A|D|C|E", "", "3", "1"});
        zeile("leere Liste", {"Aral", "Aral", "0", "sel:0|del", "5", "", "-1", "-1", "0"});
        zeile("Abbrechen nach Aenderungen",
              {ast, aste, "2", "sel:0|del|ins:Esso|sel:1|up|sel:0|del", "6", ast, "0|1|2|-1", "2", "1"});
        const QByteArray lang = QString(45, u'Ä').toUtf8(), gekuerzt = QString(40, u'Ä').toUtf8();
        zeile("auf 40 Zeichen gekuerzt", {lang.constData(), "", "-1", "", "5", gekuerzt.constData(), "", "-1", "1"});
    }

    void endeNummeriertDieFuellungenUm()
    {
        QFETCH(QString, stationen);
        QFETCH(QString, fuellungen);
        QFETCH(QString, auswahl);
        QFETCH(QString, schritte);
        QFETCH(QString, knopf);
        QFETCH(QString, erwStationen);
        QFETCH(QString, erwNummern);
        QFETCH(QString, erwAuswahl);
        QFETCH(QString, erwGespeichert);

        StationenSetzen(stationen);
        FuellungenSetzen(fuellungen);
        AuswahlTankstelleNr = static_cast<int8_t>(auswahl.toInt());
        m_form->MP_2_6->trigger();
        for (const QString &schritt : schritte.split(u'|', Qt::SkipEmptyParts)) {
            if (schritt.startsWith(u"sel:"_s))
                Zeile(schritt.mid(4).toInt());
            else if (schritt.startsWith(u"ins:"_s))
                Eintippen(schritt.mid(4));
            else
                Klick(schritt == u"up"_s ? p->PT_Button1 : schritt == u"down"_s ? p->PT_Button2 : p->PT_Button3);
        }
        Klick(knopf == u"5"_s ? p->PT_Button5 : p->PT_Button6);

        QCOMPARE(Stationen(), erwStationen);
        for (int i = AnzahlTankstellen; i < MaxTankstellen; ++i)
            QCOMPARE(Tankstellen[i], std::string());
        QCOMPARE(Nummern(), erwNummern);
        QCOMPARE(int(AuswahlTankstelleNr), erwAuswahl.toInt());
        QCOMPARE(Gespeichert, erwGespeichert == u"1"_s);
        QVERIFY(!p->isVisible());
        QVERIFY(!m_form->MP_5_1b_4->isVisible());
        // The status box was rewritten.
        QCOMPARE(m_form->IB_Label4->text(), DatenVorhanden && !Gespeichert
                                                ? u"Änderungen im Datenstamm wurden noch nicht gespeichert."_s
                                                : QString());
    }

    void elfteTankstelleWirdAbgewiesen()
    {
        StationenSetzen(u"T1|T2|T3|T4|T5|T6|T7|T8|T9"_s);
        m_form->MP_2_6->trigger();
        Klick(p->PT_Button4);   // empty field: nothing to insert
        QCOMPARE(Stand(), u"T1|T2|T3|T4|T5|T6|T7|T8|T9 @0"_s);
        Eintippen(u"Zehn"_s);
        QCOMPARE(Stand(), u"T1|T2|T3|T4|T5|T6|T7|T8|T9|Zehn @9"_s);
        QCOMPARE(p->PT_Edit1->text(), QString());

        TQtPlattform::NaechsteAntwort(mrOk);
        Eintippen(u"Elf"_s);
        QCOMPARE(Stand(), u"T1|T2|T3|T4|T5|T6|T7|T8|T9|Zehn @9"_s);
        QCOMPARE(p->PT_Edit1->text(), u"Elf"_s);
        QCOMPARE(TQtPlattform::GezeigteMeldungen().size(), size_t(1));
        const TMeldung &m = TQtPlattform::GezeigteMeldungen().back();
        QCOMPARE(m.Text, std::string("Es können nur 10 Tankstellen fest vorgegeben werden.\r\rCode : 8201"));
        QCOMPARE(m.Hilfe, 8201);
        QCOMPARE(m.Knoepfe, unsigned(KnopfOK | KnopfHilfe));
        QVERIFY(m.Art == TKastenArt::Information);
        QCOMPARE(m_plattform->Toene, std::vector<int>{1});

        WarnTonAn = false;   // the plain beep is not forced
        TQtPlattform::NaechsteAntwort(mrOk);
        Klick(p->PT_Button4);
        QCOMPARE(TQtPlattform::GezeigteMeldungen().size(), size_t(2));
        QCOMPARE(m_plattform->Toene.size(), size_t(1));

        // Deleting makes room; the refused name is still in the field.
        Zeile(0);
        Klick(p->PT_Button3);
        Klick(p->PT_Button4);
        QCOMPARE(Stand(), u"T2|T3|T4|T5|T6|T7|T8|T9|Zehn|Elf @9"_s);
        QCOMPARE(p->PT_Edit1->text(), QString());
    }

    void sortierenUndLoeschenMitDerTastatur()
    {
        StationenSetzen(u"A|B|C"_s);
        m_form->MP_2_6->trigger();
        QTest::keyClick(p->PT_Edit1, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), p->PT_Liste);

        Kuerzel('o', p->PT_Button1);   // already at the top
        QCOMPARE(Stand(), u"A|B|C @0"_s);
        QTest::keyClick(p->PT_Liste, Qt::Key_End);
        Kuerzel('u', p->PT_Button2);   // already at the bottom
        QCOMPARE(Stand(), u"A|B|C @2"_s);
        Kuerzel('o', p->PT_Button1);
        QCOMPARE(Stand(), u"A|C|B @1"_s);
        Kuerzel('l', p->PT_Button3);
        QCOMPARE(Stand(), u"A|B @-1"_s);
        // Without a selection nothing moves and nothing goes.
        Kuerzel('o', p->PT_Button1);
        Kuerzel('u', p->PT_Button2);
        Kuerzel('l', p->PT_Button3);
        QCOMPARE(Stand(), u"A|B @-1"_s);
        QCOMPARE(Stationen(), u"A|B|C"_s);

        // Tab to "Liste übernehmen" and press Enter.
        for (int i = 0; i < 4 && QApplication::focusWidget() != p->PT_Button5; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), p->PT_Button5);
        QTest::keyClick(p->PT_Button5, Qt::Key_Return);
        QCOMPARE(Stationen(), u"A|B"_s);
        QVERIFY(!p->isVisible());
    }

    void anderesPanelVerwirftDieArbeitskopie()
    {
        StationenSetzen(u"Aral|Shell"_s);
        m_form->MP_2_6->trigger();
        Zeile(1);
        Klick(p->PT_Button1);
        Eintippen(u"Jet"_s);
        m_form->PanelsSchliessen();
        QCOMPARE(Stationen(), u"Aral|Shell"_s);
        m_form->MP_2_6->trigger();
        QCOMPARE(Stand(), u"Aral|Shell @0"_s);
    }
};

QTEST_MAIN(PanelTankListTest)
#include "PanelTankListTest.moc"
