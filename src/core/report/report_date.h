// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace kavro {

// Today's date, local time, as the order report is dated: "07.12.2026".
std::string todaysReportDate();
// The number a quotation written now gets (quotationNumber of the local time).
std::string quotationNumberNow();

} // namespace kavro
