// The message table: every message the program names is in it, pieces go
// in where they belong and only there, and the code line follows the code.
#include "Meldungen.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(Meldungen, jedeMeldungStehtMitTextUndPassenderHilfeInDerTabelle)
{
    std::set<std::string> texte;
    for (int i = static_cast<int>(TMeldungsNr::Keine) + 1; i <= static_cast<int>(TMeldungsNr::Info); ++i) {
        const auto nr = static_cast<TMeldungsNr>(i);
        const TMeldung m = MeldungBauen(nr, {"A", "B", "C", "D"});
        SCOPED_TRACE(i);
        EXPECT_EQ(m.Nr, nr);
        EXPECT_TRUE(!m.Text.empty() && m.Knoepfe != 0 && m.TonArt >= 0 && m.TonArt <= 5);
        // A Help button always opens the topic of its own number.
        EXPECT_EQ(m.Hilfe != 0, (m.Knoepfe & KnopfHilfe) != 0);
        if (m.Hilfe != 0) {
            EXPECT_EQ(m.Hilfe, m.Code);
        }
        // Each text is written once.
        if (nr != TMeldungsNr::FestverbrauchUngueltig && nr != TMeldungsNr::TankinhaltUngueltig) {
            EXPECT_TRUE(texte.insert(m.Text).second) << m.Text;
        }
        EXPECT_EQ(m.Text.find('%'), std::string::npos) << m.Text;
    }
}

TEST(Meldungen, teileKommenAnIhrenPlatzUndCodeZeileAnsEnde)
{
    const std::string datei = "/d/AUTO.SPR";
    EXPECT_EQ(MeldungBauen(TMeldungsNr::DatenUnbrauchbar,
                           {datei, Baustein(TBaustein::SicherheitskopieOeffnen, {"/d/AUTO.SPK"})})
                  .Text,
              "Die Datendatei '/d/AUTO.SPR' war fehlerhaft.\rDie Daten können nicht benutzt werden.\r\r"
              "Versuchen Sie die Sicherheitskopie '/d/AUTO.SPK' zu öffnen.\r\rCode : 8002");
    EXPECT_EQ(MeldungBauen(TMeldungsNr::DatenUnbrauchbar, {datei, ""}).Text,
              "Die Datendatei '/d/AUTO.SPR' war fehlerhaft.\rDie Daten können nicht benutzt werden.\r\rCode : 8002");
    // A piece is put in as it is, even when it looks like a placeholder.
    EXPECT_EQ(MeldungBauen(TMeldungsNr::Sicherung7, {"/d/%2.SPR", "/d/%1.SPK"}).Text,
              "Die alte Datendatei '/d/%2.SPR' konnte nicht umbenannt werden, da die Sicherungsdatei "
              "'/d/%1.SPK' nicht gelöscht wurde.\rAußerdem konnte die Datendatei nicht überschrieben werden.\r\r"
              "Entweder sind die Dateien '/d/%2.SPR' und '/d/%1.SPK' schreibgeschützt oder der komplette "
              "Datenträger ist gegen überschreiben gesichert.");
    // The commands are in the menu "Einstellungen".
    EXPECT_NE(MeldungBauen(TMeldungsNr::KeinKennzeichen).Text.find("\"Einstellungen | KFZ-Kennzeichen ändern\""),
              std::string::npos);
    EXPECT_NE(MeldungBauen(TMeldungsNr::KeinTankinhalt).Text.find("\"Einstellungen | Tankinhalt einstellen\""),
              std::string::npos);
}

} // namespace
