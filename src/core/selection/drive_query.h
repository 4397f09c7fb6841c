// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kavro {

// What one drive selection asks of a catalogue drive: the crank and the
// control wanted, and a rated torque above the required one. The field texts
// do not change during a selection, so they are read once per run; the
// required torque is converted when the first margin needs it, as a
// conversion error must surface exactly there.
class DriveQuery {
public:
    DriveQuery(bool crankWanted, int control, const std::string& requiredTorque);

    // Crank, control and motor size, each compared as exact text.
    bool fits(std::string_view record, std::string_view motorSize) const;
    // The drive's rated torque less the required torque (Nm).
    double margin(std::string_view record);

private:
    std::string_view crank_;
    std::string control_;
    const std::string& requiredTorqueText_;
    std::optional<double> requiredTorque_;
};

} // namespace kavro
