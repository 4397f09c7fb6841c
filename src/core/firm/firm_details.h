// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "../money/money.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kavro {

// The installing firm's details (Реквизиты организации): they head every
// paper the program writes for the firm's customer and price its work.
struct FirmDetails {
    std::string name;
    std::string address;
    std::string phone;
    std::string email;
    std::string website;
    std::string inn; // 10 or 12 digits, or empty
    std::string kpp; // 9 digits, or empty
    // The logo image, empty for none.
    std::filesystem::path logo;
    // The logo's bytes when they are held rather than in the file (the
    // browser keeps no files); the papers then take these.
    std::string logoBytes;
    // The price of installing one opening, unless the order sets its own.
    Money installationPrice;
    // The VAT rate that the prices include; none: the firm works without VAT.
    std::optional<Percent> vat;

    bool operator==(const FirmDetails&) const = default;
};

// The letterhead's lines, top to bottom, the empty ones left out; none at
// all when nothing but prices is set, so that a firm that has entered no
// name and no contact gets the papers it had before.
std::vector<std::string> letterheadLines(const FirmDetails& firm);

} // namespace kavro
