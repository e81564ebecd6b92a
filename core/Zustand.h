// The one reset of everything the program keeps in globals: the fill-up
// list and vehicle data, the settings, the consumption values, the entry
// state and the fill-up selection. Each unit resets its own part; this calls them all.
#pragma once

void GlobalenZustandZuruecksetzen();
