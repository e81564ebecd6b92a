// The platform of the program: sounds, system colours, today's date and the
// message boxes, all through Qt. Tests answer boxes and file dialogs in
// advance (NaechsteAntwort, NaechsteDatei) instead of clicking them.
#pragma once

#include "Plattform.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

class TQtPlattform : public TPlattform {
public:
    TQtPlattform() = default;
    ~TQtPlattform() override = default;

    // Linux knows no separate message sounds: every kind beeps the same.
    void Ton(int art) override;
    // Windows system colour 1..24 from the nearest role of the application
    // palette; 0 outside 1..24.
    uint32_t SystemFarbe(int index) override;
    // The system date, unless a test has fixed the day (HeuteFestlegen).
    TDatum Heute() override;
    // Modal box with title, icon and buttons of the message; returns mrYes,
    // mrNo, mrOk, mrCancel or mrAbort. Plays no sound: callers call Signal.
    int MeldungZeigen(const TMeldung &meldung) override;

    // Called by the box's "&Hilfe" button, which leaves the box open.
    virtual void HilfeZeigen(int kontext);

    // ---- for tests ---------------------------------------------------------
    // Queues the answer for the next message box; while answers are queued,
    // boxes are not shown but answered from the queue in order.
    static void NaechsteAntwort(int antwort);
    static int AusstehendeAntworten();
    // Queues the name the next file dialog returns at once, without showing
    // itself ("" = cancelled); DateiAuswahl takes it with VorgemerkteDatei.
    static void NaechsteDatei(const std::string &name);
    static int AusstehendeDateien();
    static bool VorgemerkteDatei(std::string &name);
    // Every message that went through MeldungZeigen, oldest first.
    static const std::vector<TMeldung> &GezeigteMeldungen();
    // Forgets queued answers and file names, announced windows, recorded
    // messages and a fixed day; the test mode stays as it is.
    static void TestZustandLoeschen();
    // Fixes the day Heute() reports; a zero date returns to the system date.
    static void HeuteFestlegen(const TDatum &tag);

    // Test mode: nobody sits in front of the screen, so no window may wait
    // for an answer. A message box without a queued answer, a file dialog
    // without a queued name and a modal dialog that the test did not
    // announce are reported at once (with the window's text) and closed: the
    // box answers Cancel, the file dialog chooses nothing, the dialog is
    // rejected. An unannounced dialog may still be closed by work the test
    // queued before it opened (QTimer::singleShot(0, ...)); only when that is
    // done and the dialog is still open is it reported.
    static void TestModusSetzen(bool an);
    static bool TestModus();
    // Lets the next n modal windows open for real in test mode (a message
    // box, the file dialog or any dialog); the test closes them itself.
    static void FensterErwarten(int anzahl = 1);
    static int ErwarteteFenster();
    // Where test mode reports; without a receiver it aborts with qFatal.
    static void TestFehlerEmpfaenger(std::function<void(const QString &)> empfaenger);
    // Whether a window may open now: always outside test mode, in test mode
    // only when announced; otherwise reports was and returns false.
    static bool FensterErlaubt(const QString &was);
};
