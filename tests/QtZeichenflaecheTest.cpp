// The drawing surface over a QPainter, drawn into a QImage: which pixels a
// rectangle, a line and a text cover.
#include "QtDrucker.h"
#include "QtZeichenflaeche.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr QRgb Weiss = 0xFFFFFFFF;

// The bounding box of all pixels that are not white; empty when none.
QRect Gemalt(const QImage &bild)
{
    QRect r;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixel(x, y) != Weiss)
                r = r.united(QRect(x, y, 1, 1));
    return r;
}

// The pixels of colour c, as a bounding box and a count.
QRect Bereich(const QImage &bild, QRgb c, int *anzahl = nullptr)
{
    QRect r;
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixel(x, y) == c) {
                r = r.united(QRect(x, y, 1, 1));
                ++n;
            }
    if (anzahl)
        *anzahl = n;
    return r;
}

struct TBild {
    explicit TBild(int breite = 60, int hoehe = 40) : Bild(breite, hoehe, QImage::Format_RGB32)
    {
        Bild.fill(Qt::white);
        Maler = std::make_unique<QPainter>(&Bild);
        Flaeche = std::make_unique<TQtZeichenflaeche>(Maler.get(), &Bild);
    }
    const QImage &Fertig()
    {
        Flaeche.reset();
        Maler.reset();
        return Bild;
    }
    QImage Bild;
    std::unique_ptr<QPainter> Maler;
    std::unique_ptr<TQtZeichenflaeche> Flaeche;
};

}   // namespace

class QtZeichenflaecheTest : public QObject {
    Q_OBJECT

private slots:
    void gefuelltesRechteckDecktGenauSeineFlaeche()
    {
        TBild b;
        b.Flaeche->StiftSetzen(0xFF0000);
        b.Flaeche->PinselSetzen(0xFF0000);
        b.Flaeche->Rechteck(15, 20, 5, 6);   // corners in any order
        int anzahl = 0;
        QCOMPARE(Bereich(b.Fertig(), 0xFFFF0000, &anzahl), QRect(QPoint(5, 6), QPoint(14, 19)));
        QCOMPARE(anzahl, 10 * 14);
        QCOMPARE(Gemalt(b.Bild), QRect(QPoint(5, 6), QPoint(14, 19)));
    }

    void rechteckHatSeinenRandInnen()
    {
        TBild b;
        b.Flaeche->StiftSetzen(0x000000);
        b.Flaeche->PinselSetzen(0x00FF00);
        b.Flaeche->Rechteck(5, 6, 15, 20);
        const QImage &bild = b.Fertig();
        QCOMPARE(Bereich(bild, 0xFF000000), QRect(QPoint(5, 6), QPoint(14, 19)));
        QCOMPARE(Bereich(bild, 0xFF00FF00), QRect(QPoint(6, 7), QPoint(13, 18)));
    }

    void leererPinselZeichnetNurDenRand()
    {
        TBild b;
        b.Flaeche->PinselSetzen(0x00FF00, TPinselArt::Leer);
        b.Flaeche->Rechteck(5, 6, 15, 20);
        const QImage &bild = b.Fertig();
        int anzahl = 0;
        Bereich(bild, 0xFF00FF00, &anzahl);
        QCOMPARE(anzahl, 0);
        QCOMPARE(bild.pixel(10, 10), Weiss);
        QCOMPARE(bild.pixel(5, 10), 0xFF000000);
    }

    void flaecheOhneRand()
    {
        TBild b;
        b.Flaeche->StiftSetzen(0x000000);
        b.Flaeche->PinselSetzen(0x0000FF);
        b.Flaeche->FlaecheFuellen(0, 0, 3, 2);
        int anzahl = 0;
        QCOMPARE(Bereich(b.Fertig(), 0xFF0000FF, &anzahl), QRect(0, 0, 3, 2));
        QCOMPARE(anzahl, 6);
        QCOMPARE(Gemalt(b.Bild), QRect(0, 0, 3, 2));
    }

    void linieOhneEndpunkt_data()
    {
        QTest::addColumn<QLine>("linie");
        QTest::addColumn<QRect>("gemalt");
        QTest::newRow("nach rechts") << QLine(2, 3, 10, 3) << QRect(QPoint(2, 3), QPoint(9, 3));
        QTest::newRow("nach links") << QLine(10, 3, 2, 3) << QRect(QPoint(3, 3), QPoint(10, 3));
        QTest::newRow("nach unten") << QLine(20, 5, 20, 30) << QRect(QPoint(20, 5), QPoint(20, 29));
        QTest::newRow("nach oben") << QLine(20, 30, 20, 5) << QRect(QPoint(20, 6), QPoint(20, 30));
        QTest::newRow("schraeg nach links unten") << QLine(30, 10, 25, 15) << QRect(QPoint(26, 10), QPoint(30, 14));
        QTest::newRow("schraeg nach rechts oben") << QLine(25, 15, 30, 10) << QRect(QPoint(25, 11), QPoint(29, 15));
        QTest::newRow("flach nach links oben") << QLine(40, 20, 10, 10) << QRect(QPoint(11, 10), QPoint(40, 20));
        QTest::newRow("ein Punkt") << QLine(7, 7, 7, 7) << QRect();
    }

    void linieOhneEndpunkt()
    {
        QFETCH(QLine, linie);
        QFETCH(QRect, gemalt);
        TBild b(50, 40);
        b.Flaeche->Linie(linie.x1(), linie.y1(), linie.x2(), linie.y2());
        const QImage &bild = b.Fertig();
        QCOMPARE(Gemalt(bild), gemalt);
        if (!gemalt.isEmpty()) {
            QCOMPARE(bild.pixel(linie.p1()), 0xFF000000u);
            QCOMPARE(bild.pixel(linie.p2()), Weiss);
        }
    }

    void linienSchliessenEinenRahmen()
    {
        TBild b;
        b.Flaeche->Linie(5, 5, 30, 5);
        b.Flaeche->Linie(30, 5, 30, 20);
        b.Flaeche->Linie(30, 20, 5, 20);
        b.Flaeche->Linie(5, 20, 5, 5);
        const QImage &bild = b.Fertig();
        int anzahl = 0;
        QCOMPARE(Bereich(bild, 0xFF000000, &anzahl), QRect(QPoint(5, 5), QPoint(30, 20)));
        QCOMPARE(anzahl, 2 * 25 + 2 * 15);
    }

    void gestrichelteUndGepunkteteLinien()
    {
        TBild b;
        b.Flaeche->StiftSetzen(0x000000, 1, TStiftArt::Gestrichelt);
        b.Flaeche->Linie(0, 2, 48, 2);
        b.Flaeche->StiftSetzen(0x000000, 1, TStiftArt::Gepunktet);
        b.Flaeche->Linie(0, 5, 12, 5);
        const QImage &bild = b.Fertig();
        QString strich, punkt;
        for (int x = 0; x < 48; ++x)
            strich += bild.pixel(x, 2) == Weiss ? u'.' : u'#';
        for (int x = 0; x < 12; ++x)
            punkt += bild.pixel(x, 5) == Weiss ? u'.' : u'#';
        QCOMPARE(strich, QStringLiteral("##################......##################......"));
        QCOMPARE(punkt, QStringLiteral("###...###..."));
    }

    void breiterStift()
    {
        TBild b;
        b.Flaeche->StiftSetzen(0x000000, 3);
        b.Flaeche->Linie(5, 10, 25, 10);
        QCOMPARE(Gemalt(b.Fertig()), QRect(QPoint(5, 9), QPoint(24, 11)));
    }

    void textLiegtUnterUndRechtsVonSeinemPunkt()
    {
        TBild b(120, 50);
        const int breite = b.Flaeche->TextBreite("Hgjl");
        const int hoehe = b.Flaeche->TextHoehe("Hgjl");
        b.Flaeche->PinselSetzen(0xFFFFFF, TPinselArt::Leer);
        b.Flaeche->Text(20, 15, "Hgjl");
        const QRect gemalt = Gemalt(b.Fertig());
        QVERIFY(!gemalt.isEmpty());
        QVERIFY2(gemalt.left() >= 20 && gemalt.top() >= 15, qPrintable(QString::number(gemalt.left())));
        QVERIFY(gemalt.right() < 20 + breite + 1);
        QVERIFY(gemalt.bottom() < 15 + hoehe);
        // Capitals start near the top of the cell, not above it or far down.
        QVERIFY(gemalt.top() <= 15 + hoehe / 3);
    }

    void vollerPinselLiegtUnterDemText()
    {
        TBild b(120, 50);
        b.Flaeche->PinselSetzen(0xFFFF00);
        const int breite = b.Flaeche->TextBreite("Abc");
        const int hoehe = b.Flaeche->TextHoehe("Abc");
        b.Flaeche->Text(10, 5, "Abc");
        const QImage &bild = b.Fertig();
        QCOMPARE(Gemalt(bild), QRect(10, 5, breite, hoehe));
        QCOMPARE(bild.pixel(10, 5), 0xFFFFFF00);
    }

    void textImRechteckWirdAbgeschnitten()
    {
        TBild b(200, 50);
        b.Flaeche->PinselSetzen(0xFFFFFF, TPinselArt::Leer);
        b.Flaeche->TextImRechteck(10, 5, 40, 30, 12, 8, "Ein langer Text, der nicht passt");
        const QRect gemalt = Gemalt(b.Fertig());
        QVERIFY(!gemalt.isEmpty());
        QVERIFY(QRect(QPoint(10, 5), QPoint(39, 29)).contains(gemalt));
        QCOMPARE(gemalt.right(), 39);
    }

    void schriftNachDerAufloesungDesGeraets()
    {
        QImage bild(10, 10, QImage::Format_RGB32);
        bild.setDotsPerMeterX(3780);
        bild.setDotsPerMeterY(3780);   // 96 dpi
        QCOMPARE(TQtZeichenflaeche::QtSchrift(TSchrift(), &bild).pixelSize(), 11);
        bild.setDotsPerMeterY(23622);   // 600 dpi
        const QFont gross = TQtZeichenflaeche::QtSchrift({"Courier New", 10, true, false, true, 0}, &bild);
        QCOMPARE(gross.pixelSize(), 83);
        QCOMPARE(gross.families().first(), QStringLiteral("Liberation Mono"));
        QVERIFY(gross.bold());
        QVERIFY(gross.underline());

        // Heights are measured on the device: the printer's cell is larger.
        QPainter maler(&bild);
        TQtZeichenflaeche flaeche(&maler);
        flaeche.SchriftSetzen(TSchrift());
        QCOMPARE(flaeche.TextHoehe("Hg"), QFontMetrics(TQtZeichenflaeche::QtSchrift(TSchrift(), &bild), &bild).height());
        QVERIFY(flaeche.TextHoehe("Hg") > 50);
        QCOMPARE(flaeche.PunkteProZollSenkrecht(), 600);
        QCOMPARE(flaeche.PunkteProZoll(), 96);
    }

    void zustandWirdGemerkt()
    {
        TBild b;
        b.Flaeche->StiftSetzen(0x123456, 5, TStiftArt::Gepunktet);
        b.Flaeche->PinselSetzen(0x654321, TPinselArt::Leer);
        TSchrift s;
        s.Groesse = 12;
        s.Farbe = 0xABCDEF;
        b.Flaeche->SchriftSetzen(s);
        QCOMPARE(b.Flaeche->Stift().Farbe, 0x123456u);
        QCOMPARE(b.Flaeche->Stift().Breite, 5);
        QVERIFY(b.Flaeche->Stift().Art == TStiftArt::Gepunktet);
        QCOMPARE(b.Flaeche->Pinsel().Farbe, 0x654321u);
        QVERIFY(b.Flaeche->Pinsel().Art == TPinselArt::Leer);
        QCOMPARE(b.Flaeche->Schrift().Groesse, 12);
        QCOMPARE(b.Flaeche->Schrift().Farbe, 0xABCDEFu);
        QCOMPARE(b.Flaeche->Breite(), 60);
        QCOMPARE(b.Flaeche->Hoehe(), 40);
    }

    // The printer buffers its pages, measures with the device and paints
    // only on Ausgeben; a stop before a page ends the output there.
    void druckerGibtSeinePufferAus()
    {
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("seiten.pdf"));
        QPdfWriter pdf(datei);
        pdf.setResolution(300);
        TQtDrucker drucker(&pdf);
        QCOMPARE(drucker.BreiteMM(), pdf.widthMM());
        QCOMPARE(drucker.TextBreite("Seite"),
                 QFontMetrics(TQtZeichenflaeche::QtSchrift(TSchrift{}, &pdf), &pdf).horizontalAdvance(QStringLiteral("Seite")));
        for (int seite = 1; seite <= 3; ++seite) {
            if (seite > 1)
                drucker.NeueSeite();
            drucker.Text(100, 100, "Seite " + std::to_string(seite));
        }
        QCOMPARE(drucker.Seiten(), 3);
        QVERIFY(!QFile::exists(datei));

        std::vector<int> gemalt;
        int pruefungen = 0;
        drucker.AbbruchPruefen = [&pruefungen] { return ++pruefungen == 3; };
        QVERIFY(!drucker.Ausgeben([&gemalt](int seite, int) { gemalt.push_back(seite); }));
        QVERIFY(drucker.Abgebrochen());
        QCOMPARE(gemalt, (std::vector<int>{1, 2}));

        drucker.AbbruchPruefen = nullptr;
        QVERIFY(drucker.Ausgeben());
        QVERIFY(!drucker.Abgebrochen());
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {datei, QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        QCOMPARE(QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\f'), Qt::SkipEmptyParts)
                     .replaceInStrings(QStringLiteral("\n"), QString()),
                 (QStringList{QStringLiteral("Seite 1"), QStringLiteral("Seite 2"), QStringLiteral("Seite 3")}));
    }
};

QTEST_MAIN(QtZeichenflaecheTest)
#include "QtZeichenflaecheTest.moc"
