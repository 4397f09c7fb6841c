// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

namespace kavro {

// What the window shows for one opening's inputs, copied from the window
// state after the inputs were applied, plus what went wrong on the way.
struct OpeningResults {
    // Result field texts exactly as shown.
    std::string mass;    // FullMassa
    std::string torque;  // Moment
    std::string maxRoll; // MaxDiametr
    std::string turns;   // Oboroti
    std::string time;    // Vremya
    std::string speed;   // Speed
    bool narrow = false; // Label27 shown: the narrow-construction warning
    // Data rows of Spisok (without its header row), every column.
    std::vector<std::vector<std::string>> drives;
    // The drive in effect: its row in `drives`, -1 when none fits.
    int driveRow = -1;
    std::string driveArticle;
    std::string driveName;
    // Data rows of SpisokAcc for the drive in effect (article, name);
    // empty when the grid holds only its blank row.
    std::vector<std::vector<std::string>> accessories;
    // The opening's problems in words a user understands: an input the
    // window refused, a chosen drive or accessory that is not offered. An
    // opening with problems still has its results; the problem entries are
    // kept in the opening, never dropped.
    std::vector<std::string> problems;

    bool operator==(const OpeningResults&) const = default;
};

} // namespace kavro
