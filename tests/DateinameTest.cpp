// File name rules and the path pieces of the file dialog.
#include "Dateiname.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TFall {
    const char *Pfad;
    bool Gueltig;
};

class DateinameGueltigTest : public testing::TestWithParam<TFall> {};

TEST_P(DateinameGueltigTest, Regel)
{
    EXPECT_EQ(DateinameGueltig(GetParam().Pfad), GetParam().Gueltig) << GetParam().Pfad;
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, DateinameGueltigTest,
    testing::Values(TFall{"/daten/AUTO.SPR", true}, TFall{"/daten/auto.spr", true}, TFall{"AUTO", true},
                    TFall{"/daten.neu/AUTO.SPR", true}, TFall{"/home/ich/Mein_Auto-2.SPR", true},
                    TFall{"/daten/A*.SPR", false}, TFall{"/daten/A?.SPR", false}, TFall{"/daten/Straße.SPR", false},
                    TFall{"/daten/bär.SPR", false}, TFall{"/daten/für.SPR", false}, TFall{"/daten/böse.SPR", false},
                    TFall{"/daten/ÄRGER.SPR", false}, TFall{"/daten/ÜBER.SPR", false},
                    TFall{"/daten/ÖL.SPR", false}, TFall{"/daten/MEIN AUTO.SPR", false},
                    TFall{"/daten/A+B.SPR", false}, TFall{"/daten/A#B.SPR", false},
                    TFall{"/daten/A,B.SPR", false}, TFall{"/daten/A;B.SPR", false},
                    TFall{"/daten/A(B.SPR", false}, TFall{"/daten/A)B.SPR", false},
                    TFall{"/daten/A{B.SPR", false}, TFall{"/daten/A}B.SPR", false},
                    TFall{"/daten/A[B.SPR", false}, TFall{"/daten/A]B.SPR", false},
                    // Directories count too.
                    TFall{"/meine daten/AUTO.SPR", false}, TFall{"/daten(alt)/AUTO.SPR", false},
                    // No name before the extension.
                    TFall{"", false}, TFall{".SPR", false}, TFall{"/daten/.SPR", false},
                    TFall{"/daten/", false}, TFall{"/daten.neu/", false}));

TEST(Dateiname, Pfadteile)
{
    EXPECT_EQ(Pfadteil("/daten/AUTO.SPR"), "/daten/");
    EXPECT_EQ(Pfadteil("AUTO.SPR"), "");
    EXPECT_EQ(Pfadteil("/AUTO"), "/");
    EXPECT_EQ(Dateiteil("/daten/AUTO.SPR"), "AUTO.SPR");
    EXPECT_EQ(Dateiteil("AUTO"), "AUTO");
    EXPECT_EQ(Endung("/daten/AUTO.ALT.SPR"), ".SPR");
    EXPECT_EQ(Endung("/daten.neu/AUTO"), "");
    EXPECT_EQ(Endung("*.*"), ".*");
}

TEST(Dateiname, EndungWirdErsetzt)
{
    EXPECT_EQ(NameMitEndung("AUTO", ".SPR"), "AUTO.SPR");
    EXPECT_EQ(NameMitEndung("auto.txt", ".SPR"), "auto.SPR");
    EXPECT_EQ(NameMitEndung("/daten.neu/AUTO.ALT.TXT", ".SPR"), "/daten.neu/AUTO.SPR");
    EXPECT_EQ(NameMitEndung("", ".SPR"), ".SPR");
    EXPECT_EQ(NameMitEndung("auto.txt", ".*"), "auto.txt");
}

TEST(Dateiname, FilterUndTypwahl)
{
    const auto typen = FilterZerlegen("Tankstellendaten  (*.SPR)|*.SPR|Sicherheitskopie   (*.SPK)|*.SPK");
    ASSERT_EQ(typen.size(), 2u);
    EXPECT_EQ(typen[0].Text, "Tankstellendaten  (*.SPR)");
    EXPECT_EQ(typen[0].Maske, "*.SPR");
    EXPECT_EQ(typen[1].Text, "Sicherheitskopie   (*.SPK)");
    EXPECT_EQ(typen[1].Maske, "*.SPK");
    EXPECT_EQ(DateitypWaehlen(typen, "/d/AUTO.SPK"), 1);
    EXPECT_EQ(DateitypWaehlen(typen, "/d/auto.spk"), 1);
    EXPECT_EQ(DateitypWaehlen(typen, "/d/AUTO.SPR"), 0);
    EXPECT_EQ(DateitypWaehlen(typen, "/d/AUTO.TXT"), 0);
    EXPECT_EQ(DateitypWaehlen(typen, ""), 0);
    // The last matching entry wins.
    EXPECT_EQ(DateitypWaehlen(FilterZerlegen("A|*.SPR|B|*.SPR|C|*.*"), "X.SPR"), 1);
    EXPECT_TRUE(FilterZerlegen("").empty());
    EXPECT_EQ(FilterZerlegen("Alle|*.*|Rest").size(), 1u);
}

} // namespace
