// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/report/quotation_report.h"
#include "core/report/report_date.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace kavro {
namespace {

// SOURCE_DATE_EPOCH for the test's span, unset again after it.
class SourceDateEpoch {
public:
    explicit SourceDateEpoch(const char* value) { setenv("SOURCE_DATE_EPOCH", value, 1); }
    ~SourceDateEpoch() { unsetenv("SOURCE_DATE_EPOCH"); }
    SourceDateEpoch(const SourceDateEpoch&) = delete;
    SourceDateEpoch& operator=(const SourceDateEpoch&) = delete;
};

// A fixed moment dates every paper in UTC, whatever the machine's zone:
// the last second of a day must not spill into the next.
TEST(ReportDate, SourceDateEpochFixesTheDateAndNumberInUtc) {
    const char* zone = std::getenv("TZ");
    setenv("TZ", "Asia/Vladivostok", 1);
    tzset();
    {
        const SourceDateEpoch fixed("1765238399"); // 08.12.2025 23:59:59 UTC
        EXPECT_EQ(reportTime(), 1765238399);
        EXPECT_EQ(todaysReportDate(), "08.12.2025");
        EXPECT_EQ(quotationNumberNow(), quotationNumber(2025, 12, 8, 23, 59));
    }
    zone ? setenv("TZ", zone, 1) : unsetenv("TZ");
    tzset();
}

// A value that is no count of seconds is no date: the papers take the clock.
TEST(ReportDate, AnythingButWholeSecondsIsIgnored) {
    for (const char* value : {"", "-1", "12x", " 5", "1e9", "99999999999999999999"}) {
        SCOPED_TRACE(value);
        const SourceDateEpoch ignored(value);
        const std::time_t before = std::time(nullptr);
        const std::time_t taken = reportTime();
        EXPECT_GE(taken, before);
        EXPECT_LE(taken, std::time(nullptr));
    }
}

} // namespace
} // namespace kavro
