#include "Datendatei.h"

#include "Cp1252.h"
#include "Datensatz.h"
#include "Dateisystem.h"
#include "Zusatz1.h"
#include "consumption/Verbrauchswerte.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// 1 / 1.95583, the fixed rate of DM to EUR, rounded to extended precision.
const long double DMFaktor = 1.0L / 1.95583L;

// Reads whole records in blocks; a trailing piece that fills no record is
// the end of the file. It holds one block at a time whatever size the file
// has, so a huge or endless file costs one block until the pass gives up.
class TSatzLeser {
public:
    TSatzLeser(TEingabe &eingabe, int satzGroesse)
        : m_eingabe(eingabe), m_groesse(static_cast<size_t>(satzGroesse)), m_puffer(BlockSaetze * m_groesse)
    {
    }

    // Pointer to the next record, nullptr at the end or after a read error.
    const uint8_t *Naechster()
    {
        if (m_pos + m_groesse > m_ende) {
            if (m_amEnde)
                return nullptr;
            const size_t rest = m_ende - m_pos;
            std::copy(m_puffer.begin() + m_pos, m_puffer.begin() + m_ende, m_puffer.begin());
            const size_t n = m_eingabe.Lesen(m_puffer.data() + rest, m_puffer.size() - rest);
            m_amEnde = n < m_puffer.size() - rest;
            m_pos = 0;
            m_ende = rest + n;
            if (m_ende < m_groesse)
                return nullptr;
        }
        const uint8_t *satz = m_puffer.data() + m_pos;
        m_pos += m_groesse;
        return satz;
    }
    bool Fehler() const { return m_eingabe.Fehler(); }
    // Bytes after the last whole record, once Naechster has reached the end.
    size_t Rest() const { return m_ende - m_pos; }

private:
    static constexpr size_t BlockSaetze = 4096;
    TEingabe &m_eingabe;
    size_t m_groesse;
    std::vector<uint8_t> m_puffer;
    size_t m_pos = 0;
    size_t m_ende = 0;
    bool m_amEnde = false;
};

// What one reading pass found out.
struct TLesung {
    bool Fehler = false;              // the file cannot be used in this format
    bool Umgerechnet = false;         // amounts or format of an older version
    bool Waehrung = false;            // records marked with the old currency
    bool TankstellenGeaendert = false;
    // Read as 96-byte records: what the header announces, and whether a
    // piece of a record trails the last whole one.
    int32_t Angekuendigt = 0;
    bool Angefangen = false;
};

// A stored date must be one the user could have typed: written out and read
// back it gives the same day, month and year.
bool DatumGueltig(const TDatum &d)
{
    return DatumPruefen(d.Tag, d.Monat, d.Jahr) == 0;
}

bool Endlich(long double v)
{
    return std::isfinite(v);
}

std::string LadeText(int32_t n)
{
    return "Es werden " + ZahlMitPunkten(n, 1) + " Datensätze geladen.";
}

// Shows the loading box. The header's count only scales the gauge, and the
// list grows with what is read: room made from the file size or the count
// would let a damaged or sparse file exhaust the memory.
void LesenBeginnen(int32_t anzahl, const TFortschritt &fortschritt)
{
    if (fortschritt.Beginnen)
        fortschritt.Beginnen(LadeText(anzahl), anzahl);
}

void ListeLeeren()
{
    ListeLoeschen(Fuellungen);
    DatenVorhanden = true;
    DatenLogisch = true;
    Gespeichert = true;
}

void SatzAnhaengen(TTankFuellung &&f, const TFortschritt &fortschritt)
{
    Fuellungen.push_back(std::move(f));
    if (fortschritt.Schritt)
        fortschritt.Schritt(AnzahlFuellungen());
}

TLesung NeuesFormatLesen(TEingabe &eingabe, const TFortschritt &fortschritt)
{
    TLesung l;
    ListeLeeren();
    TSatzLeser leser(eingabe, SatzGroesse);
    const uint8_t *satz = leser.Naechster();
    if (!satz) {
        l.Fehler = true;
        return l;
    }
    const TDateiKopf kopf = KopfDekodieren(satz);
    Kennzeichen = Zeichenweise(kopf.Kennzeichen, KapazitaetKennzeichen);
    Festverbrauch = Endlich(kopf.Festverbrauch) ? kopf.Festverbrauch : 0;
    Tankinhalt = Endlich(kopf.Tankinhalt) ? kopf.Tankinhalt : 0;
    const bool euroDaten = kopf.EuroDaten != 0;

    LesenBeginnen(kopf.Anzahl, fortschritt);
    l.Angekuendigt = kopf.Anzahl;

    // The first record that makes the file unusable ends the pass: nothing
    // after it can save the file in this format.
    while (!l.Fehler && (satz = leser.Naechster()) != nullptr) {
        TTankFuellung f = FuellungDekodieren(satz);
        if (TankstellenNrAbgleichen(f))
            l.TankstellenGeaendert = true;
        if (!euroDaten) {
            f.Betrag = f.Betrag * DMFaktor;
            f.LiterPreis = LiterPreisBerechnen(f.Betrag, f.Liter);
            l.Umgerechnet = true;
        }
        if (f.AlteWaehrung != 0) {
            f.AlteWaehrung = 0;
            l.Waehrung = true;
        }
        if (!DatumGueltig(f.Datum) || !Endlich(f.Betrag) || !Endlich(f.Liter)
            || !Endlich(f.BetragNachAbschaltung) || !Endlich(f.LiterNachAbschaltung))
            l.Fehler = true;
        SatzAnhaengen(std::move(f), fortschritt);
    }
    if (leser.Fehler())
        l.Fehler = true;
    l.Angefangen = leser.Rest() > 0;
    // Without a single fill-up only the header speaks for the file: it must
    // start as the program writes it.
    if (Fuellungen.empty() && (kopf.Kennung[0] || kopf.Kennung[1] || kopf.Kennung[2] || kopf.Kennung[3]))
        l.Fehler = true;
    return l;
}

TLesung AltesFormatLesen(TEingabe &eingabe, const TFortschritt &fortschritt)
{
    TLesung l;
    ListeLeeren();
    Tankinhalt = 0;
    TSatzLeser leser(eingabe, AltSatzGroesse);
    const uint8_t *satz = leser.Naechster();
    if (!satz) {
        l.Fehler = true;
        return l;
    }
    const TAlterKopf kopf = AltenKopfDekodieren(satz);
    Kennzeichen = Zeichenweise(kopf.Kennzeichen, KapazitaetKennzeichen);
    Festverbrauch = Endlich(kopf.Festverbrauch) ? kopf.Festverbrauch : 0;
    if (kopf.Kennung[0] || kopf.Kennung[1] || kopf.Kennung[2] || kopf.Kennung[3]) {
        l.Fehler = true;
        return l;
    }

    LesenBeginnen(kopf.Anzahl, fortschritt);

    while (!l.Fehler && (satz = leser.Naechster()) != nullptr) {
        const TAlteFuellung alt = AlteFuellungDekodieren(satz);
        TTankFuellung f;
        f.Datum = alt.Datum;
        f.KMStand = alt.KMStand;
        f.Tankstelle = alt.Tankstelle;
        f.TankstellenNr = alt.TankstellenNr;
        if (TankstellenNrAbgleichen(f))
            l.TankstellenGeaendert = true;
        f.AlteWaehrung = 1;
        f.Betrag = alt.Betrag;
        f.Liter = alt.Liter;
        f.Vollgetankt = alt.Vollgetankt;
        f.LiterNachAbschaltung = alt.LiterNachAbschaltung;
        f.LiterPreis = alt.LiterPreis;
        f.BetragNachAbschaltung = BetragNachAbschaltungBerechnen(f.Betrag, f.LiterNachAbschaltung, f.Liter);
        if (!DatumGueltig(f.Datum) || !Endlich(f.Liter) || !Endlich(f.LiterNachAbschaltung)
            || !Endlich(f.BetragNachAbschaltung))
            l.Fehler = true;
        SatzAnhaengen(std::move(f), fortschritt);
    }
    if (leser.Fehler())
        l.Fehler = true;
    l.Umgerechnet = true;
    return l;
}

TMeldung AnpassungsMeldung(const TLesung &l, bool festverbrauchRepariert)
{
    if (l.Waehrung)
        return MeldungBauen(TMeldungsNr::AngepasstWaehrung);
    if (l.Umgerechnet)
        return MeldungBauen(TMeldungsNr::AngepasstFormat);
    return MeldungBauen(festverbrauchRepariert ? TMeldungsNr::AngepasstFestverbrauch
                                               : TMeldungsNr::AngepasstTankstellen);
}

// The hint that names the backup copy of datei, when there is one beside it.
std::string Sicherungshinweis(const std::string &datei, TBaustein hinweis)
{
    const std::string sicherung = Sicherungsname(datei);
    const bool mitSicherung = sicherung != datei && Dateisystem().Existiert(sicherung);
    return mitSicherung ? Baustein(hinweis, {sicherung}) : "";
}

TMeldung UnbrauchbarMeldung(const std::string &datei)
{
    return MeldungBauen(TMeldungsNr::DatenUnbrauchbar,
                        {datei, Sicherungshinweis(datei, TBaustein::SicherheitskopieOeffnen)});
}

// A file cut short (a crash or a full disk while an older version wrote
// it, an incomplete copy) reads as valid records up to the cut; only the
// header's count or a piece of a record at the end tells.
TMeldung UnvollstaendigWarnung(const std::string &datei, const TLesung &l, int32_t gelesen)
{
    const int64_t erwartet = std::max<int64_t>(l.Angekuendigt, int64_t(gelesen) + (l.Angefangen ? 1 : 0));
    if (erwartet <= gelesen)
        return {};
    return MeldungBauen(TMeldungsNr::DatenUnvollstaendig,
                        {datei, ZahlMitPunkten(gelesen, 1), ZahlMitPunkten(erwartet, 1),
                         Sicherungshinweis(datei, TBaustein::SicherheitskopiePruefen)});
}

} // namespace

std::string DateiOhneEndung(const std::string &name)
{
    const size_t schraegstrich = name.rfind('/');
    const size_t anfang = schraegstrich == std::string::npos ? 0 : schraegstrich + 1;
    const size_t punkt = name.find('.', anfang);
    return punkt == std::string::npos ? name : name.substr(0, punkt);
}

std::string Verzeichnisteil(const std::string &pfad)
{
    const size_t schraegstrich = pfad.rfind('/');
    if (schraegstrich == std::string::npos)
        return {};
    if (schraegstrich == 0)
        return "/";
    return pfad.substr(0, schraegstrich);
}

std::string Sicherungsname(const std::string &datei)
{
    return DateiOhneEndung(datei) + ".SPK";
}

TLadeErgebnis DatenLaden(const std::string &datei, const TFortschritt &fortschritt)
{
    TLadeErgebnis e;
    std::unique_ptr<TEingabe> eingabe = Dateisystem().Oeffnen(datei);
    if (!eingabe) {
        e.Status = TLadeStatus::NichtGeoeffnet;
        e.Meldung = MeldungBauen(TMeldungsNr::DatenNichtZugreifbar, {datei});
        return e;
    }
    DatenVerzeichnis = Verzeichnisteil(datei);

    // A file whose length fits only the old records is an old file: read as
    // 96-byte records its first fill-up would vanish into the header.
    const int64_t groesse = eingabe->Groesse();
    const bool altZuerst = groesse > 0 && groesse % SatzGroesse != 0 && groesse % AltSatzGroesse == 0;

    TLesung l;
    bool alt = altZuerst;
    for (int versuch = 0; versuch < 2; ++versuch) {
        if (versuch > 0 && !eingabe->Zuruecksetzen())
            break;
        // What a failed pass found is void: the other format decides alone.
        l = alt ? AltesFormatLesen(*eingabe, fortschritt) : NeuesFormatLesen(*eingabe, fortschritt);
        if (!l.Fehler)
            break;
        alt = !alt;
    }
    eingabe.reset();
    e.AltesFormat = !l.Fehler && alt;

    if (fortschritt.Ende)
        fortschritt.Ende();
    if (l.Fehler) {
        // Nothing of a damaged file stays, not even its header; its name
        // does, so that the user sees which file failed.
        NeueDaten();
        DateiName = datei;
        e.Status = TLadeStatus::Unbrauchbar;
        e.Meldung = UnbrauchbarMeldung(datei);
        return e;
    }

    DateiName = datei;
    if (!e.AltesFormat)
        e.Warnung = UnvollstaendigWarnung(datei, l, AnzahlFuellungen());
    ListeOrdnen(Fuellungen, DatenLogisch);

    if (AnzahlFuellungen() == 0) {
        // A file with the header alone is what saving writes for an empty
        // list: no data. An old file's header still holds the plate and the
        // fixed consumption of an older version: converted data to be saved.
        DatenVorhanden = false;
        DatenLogisch = true;
        Gespeichert = !l.Umgerechnet;
        if (!Gespeichert)
            e.Meldung = AnpassungsMeldung(l, false);
        e.Status = TLadeStatus::KeineDaten;
        return e;
    }

    bool festverbrauchRepariert = false;
    if (Festverbrauch == 0 && AnzahlFuellungen() > 1) {
        ErmittleLetzteVerbrauchswerte();
        BerechneGesamtverbrauch();
        Festverbrauch = GesamtVerbrauch.Durchschnitt;
        festverbrauchRepariert = true;
    }

    Gespeichert = !(l.TankstellenGeaendert || l.Umgerechnet || l.Waehrung || festverbrauchRepariert);
    if (!Gespeichert)
        e.Meldung = AnpassungsMeldung(l, festverbrauchRepariert);
    e.Status = TLadeStatus::Geladen;
    return e;
}

// ---- saving ----------------------------------------------------------------

TMeldung Sicherungsmeldung(int fehlerbits, const std::string &F, const std::string &B)
{
    static constexpr TMeldungsNr saetze[] = {TMeldungsNr::Sicherung1, TMeldungsNr::Sicherung2,
                                             TMeldungsNr::Sicherung3, TMeldungsNr::Sicherung4,
                                             TMeldungsNr::Sicherung5, TMeldungsNr::Sicherung6,
                                             TMeldungsNr::Sicherung7};
    if (fehlerbits <= 0 || fehlerbits > 7)
        return {};
    return MeldungBauen(saetze[fehlerbits - 1], {F, B});
}

namespace {

// Header and fill-ups in the format of the loader; true only when every
// byte is written, flushed to the disk and the file closed.
bool DatenSchreiben(TAusgabe &aus, const TFortschritt &fortschritt)
{
    const int32_t n = AnzahlFuellungen();
    if (fortschritt.Beginnen)
        fortschritt.Beginnen("Es werden " + ZahlMitPunkten(n, 1) + " Datensätze gespeichert.", n);

    TDateiKopf kopf;
    kopf.Anzahl = n;
    kopf.Kennzeichen = Kennzeichen;
    kopf.Festverbrauch = Festverbrauch;
    kopf.EuroDaten = 1;
    kopf.Tankinhalt = Tankinhalt;

    // Records go out in blocks; the output buffers and checks every write.
    constexpr size_t BlockSaetze = 1024;
    std::vector<uint8_t> block(BlockSaetze * SatzGroesse);
    KopfKodieren(kopf, block.data());
    bool ok = aus.Schreiben(block.data(), SatzGroesse);
    for (int32_t i = 0; ok && i < n;) {
        const int32_t bis = std::min<int32_t>(n, i + static_cast<int32_t>(BlockSaetze));
        for (int32_t k = i; k < bis; ++k)
            FuellungKodieren(Fuellungen[k], block.data() + (k - i) * SatzGroesse);
        ok = aus.Schreiben(block.data(), static_cast<size_t>(bis - i) * SatzGroesse);
        i = bis;
        if (fortschritt.Schritt)
            fortschritt.Schritt(i);
    }
    ok = aus.Schliessen() && ok;
    if (fortschritt.Ende)
        fortschritt.Ende();
    return ok;
}

} // namespace

// The new content goes into a file of its own beside F first. Only when it
// is completely on the disk does the old file give way: the old backup is
// deleted, F becomes the backup and the new file takes F's name. A save
// that fails at any point, and any number of retries, leaves a complete
// copy of the previous data under F or B.
TSpeicherErgebnis DatenSpeichern(const std::string &F, const TFortschritt &fortschritt)
{
    TSpeicherErgebnis e;
    TDateisystem &fs = Dateisystem();
    const std::string B = Sicherungsname(F);
    // A file opened as backup copy is its own backup name: it is replaced
    // without a backup step, which would delete it first.
    const bool mitSicherung = B != F;
    const bool dateiDa = fs.Existiert(F);

    // A directory, FIFO or device under that name is neither renamed to the
    // backup nor replaced.
    if (dateiDa && !fs.IstDatei(F)) {
        e.Meldung = MeldungBauen(TMeldungsNr::KeineDatei, {F});
        return e;
    }

    std::string neu;
    std::unique_ptr<TAusgabe> aus = fs.Zwischendatei(F, neu);
    if (!aus) {
        e.Fehlerbits = DateiNichtAngelegt;
        e.Meldung = Sicherungsmeldung(e.Fehlerbits, F, B);
        return e;
    }
    const bool ok = DatenSchreiben(*aus, fortschritt);
    aus.reset();
    if (!ok) {
        // Never report success for a file that is not completely written.
        fs.Loeschen(neu);
        const bool sicherungDa = mitSicherung && fs.Existiert(B);
        e.Meldung = dateiDa ? MeldungBauen(TMeldungsNr::SchreibfehlerUnveraendert,
                                           {F, sicherungDa ? Baustein(TBaustein::SicherungUnveraendert, {B}) : ""})
                            : MeldungBauen(TMeldungsNr::SchreibfehlerNeu, {F});
        return e;
    }

    bool umbenannt = false;   // F's previous content is now under B
    if (mitSicherung) {
        if (fs.Existiert(B) && !fs.Loeschen(B))
            e.Fehlerbits |= SicherungNichtGeloescht;
        // Renamed onto a backup that could not be deleted, F would replace
        // it after all; so F stays and is replaced in place.
        if (dateiDa) {
            if (!(e.Fehlerbits & SicherungNichtGeloescht) && fs.Umbenennen(F, B))
                umbenannt = true;
            else
                e.Fehlerbits |= DateiNichtUmbenannt;
        }
    }
    if (!fs.Umbenennen(neu, F)) {
        e.Fehlerbits |= DateiNichtAngelegt;
        // The data file goes back to its name.
        const bool zurueck = !umbenannt || fs.Umbenennen(B, F);
        fs.Loeschen(neu);
        e.Meldung = Sicherungsmeldung(e.Fehlerbits, F, B);
        if (!zurueck)
            e.Meldung.Text += Baustein(TBaustein::InhaltInSicherung, {B});
        return e;
    }
    // The renames must survive a power cut like the content. A directory
    // that cannot be flushed does not undo the save: the new file is in place.
    fs.VerzeichnisSichern(Verzeichnisteil(F));

    e.Geschrieben = true;
    Gespeichert = true;
    DateiName = F;
    DatenVerzeichnis = Verzeichnisteil(F);
    e.Meldung = Sicherungsmeldung(e.Fehlerbits, F, B);
    return e;
}
