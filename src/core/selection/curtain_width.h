// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kavro {

// Curtain widths (mm) that decide the drives and accessories: from 400 to
// below 800 only the narrow-construction drives fit and the narrow-opening
// kit is needed; below 400 no drive fits.
inline constexpr double kNarrowFrom = 400;
inline constexpr double kWideFrom = 800;

} // namespace kavro
