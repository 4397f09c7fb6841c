// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: arbitrary bytes as the firm's details, as a logo and as
// a price. The details must be read or refused with FirmFileError, and
// details that are read must be written again and read back the same. The
// logo check and the price reader must answer without a crash; a price
// that is read must be written and read back as the same kopecks.
#include "core/money/money.h"
#include "finding.h"
#include "orderio/firm_file.h"
#include "orderio/logo_check.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace kavro;
using kavro::fuzz::finding;

void checkDetails(std::string_view bytes) {
    FirmDetails firm;
    try {
        firm = FirmFile::parse(bytes, "/firm");
    } catch (const FirmFileError&) {
        return;
    }
    if (!(FirmFile::parse(FirmFile::serialize(firm), "/elsewhere") == firm))
        finding("details read back from their own file differ");
}

void checkPrice(std::string_view bytes) {
    const auto price = parsePrice(bytes);
    if (const Money* money = std::get_if<Money>(&price)) {
        if (money->kopecks < 0)
            finding("a negative price was read");
        const auto again = parsePrice(moneyText(*money));
        if (!std::holds_alternative<Money>(again) || std::get<Money>(again) != *money)
            finding("a price does not read back from its own text");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkDetails(bytes);
    (void)logoFault(bytes);
    checkPrice(bytes);
    return 0;
}
