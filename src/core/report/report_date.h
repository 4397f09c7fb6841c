// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <ctime>
#include <string>

namespace kavro {

// The moment a paper is dated, the one clock of every paper: now, or, when
// the environment sets SOURCE_DATE_EPOCH (whole seconds since 1970 UTC), that
// moment, so that the same order gives the same papers on every run and
// every platform (the tests compare the desktop's with the browser's).
std::time_t reportTime();
// Today's date, local time (UTC under SOURCE_DATE_EPOCH, which names no
// zone), as the order report is dated: "07.12.2026".
std::string todaysReportDate();
// The number a quotation written now gets (quotationNumber of that time).
std::string quotationNumberNow();

} // namespace kavro
