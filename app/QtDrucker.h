// A print job on a real printer or into a PDF file. The reports draw into a
// buffer of pages measured with the device's own fonts and resolution;
// only a job that ran to its end is painted onto the device. So a cancelled
// job sends nothing to the printer and leaves no file behind.
#pragma once

#include "print/Druckseite.h"

#include <QFont>

#include <functional>
#include <memory>
#include <vector>

class QPagedPaintDevice;

class TQtDrucker : public TDruckflaeche {
public:
    // geraet is the printer (a QPrinter, for PDF too) or a QPdfWriter; it is
    // only measured until Ausgeben paints on it.
    explicit TQtDrucker(QPagedPaintDevice *geraet);
    ~TQtDrucker() override;

    int Breite() const override;
    int Hoehe() const override;
    int PunkteProZoll() const override;
    int PunkteProZollSenkrecht() const override;
    int BreiteMM() const override;
    int AnzahlFarben() const override;
    void NeueSeite() override;

    using TZeichenflaeche::PinselSetzen;
    using TZeichenflaeche::StiftSetzen;
    void StiftSetzen(uint32_t farbe, int breite = 1, TStiftArt art = TStiftArt::Durchgehend) override;
    TStift Stift() const override { return m_stift; }
    void PinselSetzen(uint32_t farbe, TPinselArt art = TPinselArt::Voll) override;
    TPinsel Pinsel() const override { return m_pinsel; }
    void SchriftSetzen(const TSchrift &schrift) override;
    TSchrift Schrift() const override { return m_schrift; }

    void Linie(int x1, int y1, int x2, int y2) override;
    void Rechteck(int x1, int y1, int x2, int y2) override;
    void FlaecheFuellen(int x1, int y1, int x2, int y2) override;
    void Text(int x, int y, const std::string &text) override;
    void TextImRechteck(int x1, int y1, int x2, int y2, int x, int y, const std::string &text) override;
    int TextBreite(const std::string &text) override;
    int TextHoehe(const std::string &text) override;

    // Pages drawn so far (at least 1).
    int Seiten() const { return static_cast<int>(m_seiten.size()); }

    // Paints every page onto the device; seite is told the page being
    // painted (1-based) and the number of pages. False when the device
    // could not be opened (a PDF in a directory without write access, a
    // printer that refuses the job), or when AbbruchPruefen said so before
    // a page: a PDF is then to be thrown away.
    bool Ausgeben(const std::function<void(int seite, int seiten)> &seite = {});
    // Asked before each page Ausgeben paints; true stops the output.
    std::function<bool()> AbbruchPruefen;
    // Ausgeben stopped because AbbruchPruefen said so.
    bool Abgebrochen() const { return m_abgebrochen; }

private:
    using TSchritt = std::function<void(TZeichenflaeche &)>;
    void Merken(TSchritt schritt);

    QPagedPaintDevice *m_geraet;
    std::vector<std::vector<TSchritt>> m_seiten;
    TStift m_stift;
    TPinsel m_pinsel;
    TSchrift m_schrift;
    QFont m_font;
    bool m_abgebrochen = false;
};

// Sets DruckZeitstempel for a job starting now: today's date and the time
// in the system's long time format (without a time zone).
void DruckZeitstempelSetzen();
