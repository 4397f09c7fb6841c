// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report_date.h"

#include "quotation_report.h"

#include <charconv>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace kavro {

namespace {

// SOURCE_DATE_EPOCH when it holds a plain count of seconds; a text that is
// none is left alone rather than dating papers 1970.
std::optional<std::time_t> sourceDateEpoch() {
    const char* set = std::getenv("SOURCE_DATE_EPOCH");
    if (!set)
        return std::nullopt;
    const std::string_view text(set);
    long long seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || seconds < 0)
        return std::nullopt;
    return static_cast<std::time_t>(seconds);
}

std::tm reportCalendarTime() {
    const std::optional<std::time_t> fixed = sourceDateEpoch();
    const std::time_t when = fixed ? *fixed : std::time(nullptr);
    std::tm calendar{};
    if (fixed)
        gmtime_r(&when, &calendar);
    else
        localtime_r(&when, &calendar);
    return calendar;
}

} // namespace

std::time_t reportTime() {
    return sourceDateEpoch().value_or(std::time(nullptr));
}

std::string todaysReportDate() {
    const std::tm calendar = reportCalendarTime();
    char text[16];
    std::strftime(text, sizeof text, "%d.%m.%Y", &calendar);
    return text;
}

std::string quotationNumberNow() {
    const std::tm calendar = reportCalendarTime();
    return quotationNumber(calendar.tm_year + 1900, calendar.tm_mon + 1, calendar.tm_mday,
                           calendar.tm_hour, calendar.tm_min);
}

} // namespace kavro
