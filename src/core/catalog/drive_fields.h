// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kavro {

// The fields of a drive record, by number: name, motor size ("40", "50",
// "60"), rated torque (Nm), speed (rpm), control ("1" radio, "0" wired),
// emergency crank ("True"/"False"), article.
enum DriveField { kName = 1, kMotorSize, kTorque, kSpeed, kControl, kCrank, kArticle };

} // namespace kavro
