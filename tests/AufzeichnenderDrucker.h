// A printer for the report tests: the recording surface with pages and the
// device values of a real printer, and a progress that records what the
// print dialog would show and can cancel after a given number of checks.
#pragma once

#include "AufzeichnendeFlaeche.h"
#include "print/Druckseite.h"

#include <string>
#include <vector>

class TAufzeichnenderDrucker : public TDruckflaeche {
public:
    // A4 portrait at 600 dpi by default: 4760 x 6779 printable pixels,
    // about 201 mm wide.
    explicit TAufzeichnenderDrucker(int breite = 4760, int hoehe = 6779, int dpi = 600, int breiteMM = 201)
        : Flaeche(breite, hoehe, dpi), m_breiteMM(breiteMM) {}

    // Everything drawn, all pages in order.
    TAufzeichnendeFlaeche Flaeche;
    // A printer whose resolution down differs from the one across (0: the same).
    int DpiSenkrecht = 0;
    // The index in Flaeche.Aufrufe at which each page after the first begins.
    std::vector<size_t> Seitenanfaenge;

    int Seiten() const { return static_cast<int>(Seitenanfaenge.size()) + 1; }
    // The 1-based page of a record.
    int SeiteVon(const TAufzeichnung *a) const
    {
        const size_t i = static_cast<size_t>(a - Flaeche.Aufrufe.data());
        int seite = 1;
        for (size_t anfang : Seitenanfaenge)
            if (i >= anfang)
                ++seite;
        return seite;
    }

    int BreiteMM() const override { return m_breiteMM; }
    int AnzahlFarben() const override { return 256; }
    void NeueSeite() override { Seitenanfaenge.push_back(Flaeche.Aufrufe.size()); }

    int Breite() const override { return Flaeche.Breite(); }
    int Hoehe() const override { return Flaeche.Hoehe(); }
    int PunkteProZoll() const override { return Flaeche.PunkteProZoll(); }
    int PunkteProZollSenkrecht() const override { return DpiSenkrecht ? DpiSenkrecht : Flaeche.PunkteProZollSenkrecht(); }
    using TZeichenflaeche::PinselSetzen;
    using TZeichenflaeche::StiftSetzen;
    void StiftSetzen(uint32_t farbe, int breite, TStiftArt art) override { Flaeche.StiftSetzen(farbe, breite, art); }
    TStift Stift() const override { return Flaeche.Stift(); }
    void PinselSetzen(uint32_t farbe, TPinselArt art) override { Flaeche.PinselSetzen(farbe, art); }
    TPinsel Pinsel() const override { return Flaeche.Pinsel(); }
    void SchriftSetzen(const TSchrift &schrift) override { Flaeche.SchriftSetzen(schrift); }
    TSchrift Schrift() const override { return Flaeche.Schrift(); }
    void Linie(int x1, int y1, int x2, int y2) override { Flaeche.Linie(x1, y1, x2, y2); }
    void Rechteck(int x1, int y1, int x2, int y2) override { Flaeche.Rechteck(x1, y1, x2, y2); }
    void FlaecheFuellen(int x1, int y1, int x2, int y2) override { Flaeche.FlaecheFuellen(x1, y1, x2, y2); }
    void Text(int x, int y, const std::string &text) override { Flaeche.Text(x, y, text); }
    void TextImRechteck(int x1, int y1, int x2, int y2, int x, int y, const std::string &t) override
    { Flaeche.TextImRechteck(x1, y1, x2, y2, x, y, t); }
    int TextBreite(const std::string &text) override { return Flaeche.TextBreite(text); }
    int TextHoehe(const std::string &text) override { return Flaeche.TextHoehe(text); }

private:
    int m_breiteMM;
};

class TAufzeichnenderFortschritt : public TDruckFortschritt {
public:
    // Cancels at the n-th check (0 = never).
    int AbbruchBei = 0;
    int Pruefungen = 0;
    std::vector<std::string> Phasen;
    std::vector<int> Maxima;
    std::vector<int> Positionen;
    std::vector<std::string> SeitenTexte;

    void Phase(const std::string &text, int maximum) override
    {
        Phasen.push_back(text);
        Maxima.push_back(maximum);
    }
    void Position(int wert) override { Positionen.push_back(wert); }
    void SeitenText(const std::string &text) override { SeitenTexte.push_back(text); }
    bool Abgebrochen() override { return AbbruchBei > 0 && ++Pruefungen >= AbbruchBei; }
};
