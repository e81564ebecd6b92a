// The one reset of everything the program keeps in globals: the fill-up
// list and vehicle data, the settings, the consumption values, the entry
// state, the fill-up selection and the print hand-over. Each unit resets its
// own part; this calls them all.
#pragma once

void GlobalenZustandZuruecksetzen();
