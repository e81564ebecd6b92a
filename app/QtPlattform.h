// The platform of the program: sounds, system colours, today's date and the
// message boxes, all through Qt. Tests answer boxes in advance with
// NaechsteAntwort instead of clicking them.
#pragma once

#include "Plattform.h"

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
    // Every message that went through MeldungZeigen, oldest first.
    static const std::vector<TMeldung> &GezeigteMeldungen();
    // Forgets queued answers, recorded messages and a fixed day.
    static void TestZustandLoeschen();
    // Fixes the day Heute() reports; a zero date returns to the system date.
    static void HeuteFestlegen(const TDatum &tag);
};
