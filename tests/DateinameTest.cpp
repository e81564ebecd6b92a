// File name rules and the path pieces of the file dialog.
#include "Dateiname.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Dateiname, gueltigOhneVerboteneZeichenUndMitNamen)
{
    for (const char *pfad :
         {"/daten/AUTO.SPR", "/daten/auto.spr", "AUTO", "/daten.neu/AUTO.SPR", "/home/ich/Mein_Auto-2.SPR"})
        EXPECT_TRUE(DateinameGueltig(pfad)) << pfad;
    // Each forbidden character, in the name and in a directory.
    for (const std::string z : {"*", "?", "ß", "ä", "ü", "ö", "Ä", "Ü", "Ö", " ", "+", "#", ",", ";", "(", ")", "{", "}",
                                "[", "]"})
        EXPECT_FALSE(DateinameGueltig("/daten/A" + z + "B.SPR") || DateinameGueltig("/d" + z + "/AUTO.SPR")) << z;
    // No name before the extension.
    for (const char *pfad : {"", ".SPR", "/daten/.SPR", "/daten/", "/daten.neu/"})
        EXPECT_FALSE(DateinameGueltig(pfad)) << pfad;
}

TEST(Dateiname, PfadteileUndEndung)
{
    EXPECT_EQ(Pfadteil("/daten/AUTO.SPR") + "|" + Pfadteil("AUTO.SPR") + "|" + Pfadteil("/AUTO"), "/daten/||/");
    EXPECT_EQ(Dateiteil("/daten/AUTO.SPR") + "|" + Dateiteil("AUTO"), "AUTO.SPR|AUTO");
    EXPECT_EQ(Endung("/daten/AUTO.ALT.SPR") + "|" + Endung("/daten.neu/AUTO") + "|" + Endung("*.*"), ".SPR||.*");
    EXPECT_EQ(NameMitEndung("AUTO", ".SPR") + "|" + NameMitEndung("auto.txt", ".SPR") + "|"
                  + NameMitEndung("/daten.neu/AUTO.ALT.TXT", ".SPR") + "|" + NameMitEndung("", ".SPR") + "|"
                  + NameMitEndung("auto.txt", ".*"),
              "AUTO.SPR|auto.SPR|/daten.neu/AUTO.SPR|.SPR|auto.txt");
}

TEST(Dateiname, FilterUndTypwahl)
{
    const auto typen = FilterZerlegen("Tankstellendaten  (*.SPR)|*.SPR|Sicherheitskopie   (*.SPK)|*.SPK");
    ASSERT_EQ(typen.size(), 2u);
    EXPECT_EQ(typen[0].Text + "|" + typen[0].Maske + "|" + typen[1].Text + "|" + typen[1].Maske,
              "Tankstellendaten  (*.SPR)|*.SPR|Sicherheitskopie   (*.SPK)|*.SPK");
    std::string typ;
    for (const char *name : {"/d/AUTO.SPK", "/d/auto.spk", "/d/AUTO.SPR", "/d/AUTO.TXT", ""})
        typ += std::to_string(DateitypWaehlen(typen, name));
    EXPECT_EQ(typ, "11000");
    // The last matching entry wins.
    EXPECT_EQ(DateitypWaehlen(FilterZerlegen("A|*.SPR|B|*.SPR|C|*.*"), "X.SPR"), 1);
    EXPECT_TRUE(FilterZerlegen("").empty());
    EXPECT_EQ(FilterZerlegen("Alle|*.*|Rest").size(), 1u);
}

} // namespace
