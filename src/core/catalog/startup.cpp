// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "../tform1.h"

namespace kavro {

// Runs once, when the window first becomes active. The option groups have no
// choice yet, so setting each to its first choice runs its click handler; the
// tables are still empty then, so the list the user sees comes from the last
// step.
void TForm1::FormActivate() {
    traced("FormActivate");
    Kreplenie.setItemEnabled(2, false); // Fastlink: only for a 60 mm shaft
    Montazh.setItemIndex(0);
    Upravlenie.setItemIndex(0);
    Kreplenie.setItemIndex(0);
    Diametr.setItemIndex(0);
    DiametrPrivoda = "40";
    MomentPrivoda = "4";
    VybrannayaStroka = 1;
    fillProfileTables(tables_);
    fillDriveTables(tables_);
    PodborPrivoda();
}

} // namespace kavro
