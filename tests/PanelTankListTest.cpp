// The petrol-station list panel, driven through the main window with mouse
// and keyboard. Station lists are written "a|b|c"; the empty text is the
// empty list.
#include "Oberflaeche.h"
#include "PanelTankList.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

void StationenSetzen(const QString &namen)
{
    const QStringList liste = namen.split(u'|', Qt::SkipEmptyParts);
    for (int i = 0; i < MaxTankstellen; ++i)
        Tankstellen[i] = i < liste.size() ? liste[i].toStdString() : std::string();
    AnzahlTankstellen = static_cast<uint8_t>(liste.size());
}

// The stored list; every entry beyond the count must be empty.
QString Stationen()
{
    QStringList namen;
    for (int i = 0; i < MaxTankstellen; ++i)
        if (i < AnzahlTankstellen || !Tankstellen[i].empty())
            namen << QString::fromStdString(Tankstellen[i]);
    return namen.join(u'|');
}

// Saved fill-ups at these stations, numbered by the current station list.
void FuellungenSetzen(const QString &stationen)
{
    for (const QString &name : stationen.split(u'|', Qt::SkipEmptyParts)) {
        TTankFuellung f;
        f.KMStand = 10000 + 500 * AnzahlFuellungen();
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
        QListWidget *l = p->PT_Liste;
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(i)).center());
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
        QVERIFY(HauptfensterStarten(m_plattform, m_form));
        p = m_form->PanelTankList;
    }

    void cleanup() { QCOMPARE(HauptfensterBeenden(m_plattform, m_form), 0); }

    // Steps: sel:N, up, down, del, ins:Name; then "ok" (Liste übernehmen),
    // "abbr" (Abbrechen) or Esc in a control, which cancels like "abbr".
    // Numbers are the fill-ups' station numbers.
    void endeNummeriertDieFuellungenUm_data()
    {
        for (const char *spalte : {"stationen", "fuellungen", "auswahl", "schritte", "erwStationen", "erwNummern",
                                   "erwAuswahl", "erwGespeichert"})
            QTest::addColumn<QString>(spalte);
        auto zeile = [](const char *name, std::initializer_list<const char *> werte) {
            QTestData &z = QTest::newRow(name);
            for (const char *w : werte)
                z << QString::fromUtf8(w);
        };
        const char *ast = "Aral|Shell|Jet", *aste = "Aral|Shell|Jet|Esso", *abcde = "A|B|C|D|E";
        zeile("nach oben tauscht", {ast, aste, "-1", "sel:2|up|ok", "Aral|Jet|Shell", "0|2|1|-1", "-1", "0"});
        zeile("nach unten tauscht", {ast, "Shell|Aral", "-1", "sel:0|down|ok", "Shell|Aral|Jet", "0|1", "-1", "0"});
        zeile("hin und zurueck gespeichert", {ast, ast, "-1", "sel:0|down|up|ok", ast, "0|1|2", "-1", "1"});
        zeile("am Rand bleibt alles", {ast, ast, "-1", "sel:0|up|sel:2|down|ok", ast, "0|1|2", "-1", "1"});
        zeile("ohne Auswahl bleibt alles", {ast, "", "-1", "sel:0|del|up|down|del|ok", "Shell|Jet", "", "-1", "1"});
        zeile("nicht getrimmt", {"Aral", "Esso", "-1", "ins: Esso |ok", "Aral| Esso ", "-1", "-1", "1"});
        zeile("Auswahl 3 bei 3: sonstige", {abcde, "", "3", "sel:4|del|sel:3|del|ok", "A|B|C", "", "-1", "1"});
        zeile("verschoben: Auswahl bleibt", {abcde, "", "3", "sel:3|up|sel:0|down|ok", "B|A|D|C|E", "", "3", "1"});
        zeile("Abbrechen nach Aenderungen",
              {ast, aste, "2", "sel:0|del|ins:Esso|sel:1|up|sel:0|del|abbr", ast, "0|1|2|-1", "2", "1"});
        for (const auto &[name, schritte] : {std::pair{"Esc im Feld", "ins:C|sel:0|del|esc:feld"},
                                             {"Esc in der Liste", "ins:C|sel:0|del|esc:liste"},
                                             {"Esc auf einem Knopf", "ins:C|sel:0|del|esc:knopf"}})
            zeile(name, {"A|B", "A|B", "-1", schritte, "A|B", "0|1", "-1", "1"});
        const QByteArray lang = QString(45, u'Ä').toUtf8(), gekuerzt = QString(40, u'Ä').toUtf8();
        zeile("auf 40 Zeichen gekuerzt", {lang.constData(), "", "-1", "ok", gekuerzt.constData(), "", "-1", "1"});
    }

    void endeNummeriertDieFuellungenUm()
    {
        QFETCH(QString, stationen);
        QFETCH(QString, fuellungen);
        QFETCH(QString, auswahl);
        QFETCH(QString, schritte);
        StationenSetzen(stationen);
        FuellungenSetzen(fuellungen);
        AuswahlTankstelleNr = static_cast<int8_t>(auswahl.toInt());
        m_form->MP_2_6->trigger();
        const QMap<QString, QPushButton *> knoepfe{{u"up"_s, p->PT_Button1}, {u"down"_s, p->PT_Button2},
                                                  {u"del"_s, p->PT_Button3}, {u"ok"_s, p->PT_Button5},
                                                  {u"abbr"_s, p->PT_Button6}};
        const QMap<QString, QWidget *> esc{{u"esc:feld"_s, p->PT_Edit1}, {u"esc:liste"_s, p->PT_Liste},
                                           {u"esc:knopf"_s, p->PT_Button2}};
        for (const QString &schritt : schritte.split(u'|')) {
            if (schritt.startsWith(u"sel:"_s)) {
                Zeile(schritt.mid(4).toInt());
            } else if (schritt.startsWith(u"ins:"_s)) {
                Eintippen(schritt.mid(4));
            } else if (QWidget *wo = esc.value(schritt)) {
                wo->setFocus();
                QTest::keyClick(wo, Qt::Key_Escape);
            } else {
                Klick(knoepfe.value(schritt));
            }
        }
        QTEST(Stationen(), "erwStationen");
        QTEST(Nummern(), "erwNummern");
        QTEST(QString::number(AuswahlTankstelleNr), "erwAuswahl");
        QTEST(QString::number(Gespeichert), "erwGespeichert");
        QVERIFY(!p->isVisible() && !m_form->MP_5_1b_4->isVisible());
        QCOMPARE(m_form->IB_Label4->text(),   // the status box was rewritten
                 DatenVorhanden && !Gespeichert ? u"Änderungen im Datenstamm wurden noch nicht gespeichert."_s
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

        // Refused with a plain beep, not forced; the name stays in the field.
        for (bool ton : {true, false}) {
            WarnTonAn = ton;
            TQtPlattform::NaechsteAntwort(mrOk);
            ton ? Eintippen(u"Elf"_s) : Klick(p->PT_Button4);
            QCOMPARE(Stand(), u"T1|T2|T3|T4|T5|T6|T7|T8|T9|Zehn @9"_s);
            QCOMPARE(p->PT_Edit1->text(), u"Elf"_s);
            QCOMPARE(m_plattform->Toene, std::vector<int>{1});
        }
        QCOMPARE(GezeigteMeldungsNr(), QList<TMeldungsNr>(2, TMeldungsNr::TankstellenlisteVoll));
        QCOMPARE(TQtPlattform::GezeigteMeldungen()[0].Text,
                 MeldungBauen(TMeldungsNr::TankstellenlisteVoll, {"10"}).Text);   // the maximum put in

        // Deleting makes room again.
        Zeile(0);
        Klick(p->PT_Button3);
        Klick(p->PT_Button4);
        QCOMPARE(Stand(), u"T2|T3|T4|T5|T6|T7|T8|T9|Zehn|Elf @9"_s);
        QCOMPARE(p->PT_Edit1->text(), QString());
    }

    // Stations go into the configuration file: characters code page 1252
    // lacks are left out where they are typed, and the red box says so.
    void nurSpeicherbareZeichen()
    {
        m_form->MP_2_6->trigger();
        QApplication::clipboard()->setText(u"Łódź ✓"_s);
        QTest::keyClick(p->PT_Edit1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(p->PT_Edit1->text(), u"ód "_s);
        QVERIFY(m_form->FehlerBox1->isVisible());
        QCOMPARE(m_form->FehlerLabel1->text(), u"\nDie Zeichen 'Ł', 'ź' und '✓' können nicht gespeichert werden "
                                               u"und wurden weggelassen."_s);
        QCOMPARE(m_plattform->Toene, std::vector<int>{1});
        QTest::keyClick(p->PT_Edit1, Qt::Key_Return);
        QCOMPARE(Stand(), u"ód  @0"_s);
        QVERIFY(!m_form->FehlerBox1->isVisible());
        Klick(p->PT_Button5);
        QCOMPARE(Stationen(), u"ód "_s);
    }

    void oeffnenSortierenUndLoeschen()
    {
        m_form->MP_2_6->trigger();   // no stations yet
        QCOMPARE(Stand(), u" @-1"_s);
        StationenSetzen(u"A|B|C"_s);
        QTest::keyClicks(p->PT_Edit1, u"Reste"_s);
        m_form->MP_2_6->trigger();
        QVERIFY(p->isVisible() && m_form->MP_5_1b_4->isVisible());
        QCOMPARE(Stand(), u"A|B|C @0"_s);
        QCOMPARE(p->PT_Edit1->text(), QString());
        QCOMPARE(QApplication::focusWidget(), p->PT_Edit1);
        QTest::keyClicks(p->PT_Edit1, QString(45, u'x'));
        QCOMPARE(p->PT_Edit1->text(), QString(40, u'x'));
        // Nothing cut off: every control gets at least the room it asks for.
        QVERIFY(m_form->Arbeitsflaeche->rect().contains(p->geometry()));
        for (QWidget *w : p->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QVERIFY2(p->rect().contains(w->geometry()) && w->width() >= w->minimumSizeHint().width()
                         && w->height() >= w->minimumSizeHint().height(),
                     qPrintable(w->objectName()));

        // Tab past "Einfügen" to the list, then the buttons' mnemonics.
        QTest::keyClick(p->PT_Edit1, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), p->PT_Liste);
        QTest::keyClick(p->PT_Liste, Qt::Key_End);
        Kuerzel('o', p->PT_Button1);
        QCOMPARE(Stand(), u"A|C|B @1"_s);
        Kuerzel('u', p->PT_Button2);
        QCOMPARE(Stand(), u"A|B|C @2"_s);
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

        // Another panel in the work area drops the working copy.
        m_form->MP_2_6->trigger();
        Eintippen(u"Jet"_s);
        m_form->PanelsSchliessen();
        QCOMPARE(Stationen(), u"A|B"_s);
        m_form->MP_2_6->trigger();
        QCOMPARE(Stand(), u"A|B @0"_s);
    }
};

QTEST_MAIN(PanelTankListTest)
#include "PanelTankListTest.moc"
