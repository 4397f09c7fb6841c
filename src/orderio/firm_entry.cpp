// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "firm_entry.h"

#include "firm_file.h"

namespace kavro {

namespace {

std::string trimmed(const std::string& text) {
    constexpr const char* kSpaces = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(kSpaces);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kSpaces) - first + 1);
}

} // namespace

std::variant<FirmDetails, std::string> firmFromEntry(const FirmEntry& entry) {
    FirmDetails firm;
    firm.name = trimmed(entry.name);
    firm.address = trimmed(entry.address);
    firm.phone = trimmed(entry.phone);
    firm.email = trimmed(entry.email);
    firm.website = trimmed(entry.website);
    firm.inn = trimmed(entry.inn);
    firm.kpp = trimmed(entry.kpp);
    firm.logo = entry.logo;
    if (const std::string price = trimmed(entry.installationPrice); !price.empty()) {
        auto parsed = parsePrice(price);
        if (auto* reason = std::get_if<std::string>(&parsed))
            return "Монтаж: " + *reason;
        firm.installationPrice = std::get<Money>(parsed);
    }
    if (!entry.noVat) {
        auto rate = parsePercent(entry.vatRate);
        if (auto* reason = std::get_if<std::string>(&rate))
            return "НДС: " + *reason;
        firm.vat = std::get<Percent>(rate);
    }
    try {
        (void)FirmFile::serialize(firm); // the rules of the file, checked now
    } catch (const FirmFileError& error) {
        return std::string(error.what());
    }
    return firm;
}

} // namespace kavro
