// Pictures of the tool bar, drawn by the program itself so that they look
// the same on every desktop, themed or not.
#pragma once

#include <QIcon>
#include <QPixmap>

enum class TSymbol {
    Beenden,            // SpeedButton1
    Neu,                // SpeedButton2
    Erweitern,          // SpeedButton3
    Laden,              // SpeedButton4
    Speichern,          // SpeedButton5
    SpeichernUnter,     // SpeedButton6
    Aendern,            // SpeedButton7
    Loeschen,           // SpeedButton8
    Tankfuellungen,     // SpeedButton9
    Verbrauch,          // SpeedButton10
    Literpreis,         // SpeedButton15
    Reichweite,         // SpeedButton16
    Drucken,            // SpeedButton12
    DruckerEinrichten,  // SpeedButton14
    Systemtoene,        // SpeedButton11: speaker, crossed out when checked (sounds off)
    Hilfe,              // SpeedButton13
};

// The icon in normal, disabled and (for Systemtoene) checked state.
QIcon SymbolIcon(TSymbol symbol);

// The picture of the intro window: a petrol pump.
QPixmap IntroBild(int breite, int hoehe);
