// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/firm/firm_details.h"

#include <string>
#include <variant>

namespace kavro {

// The firm's details as typed into the dialog (Реквизиты организации), each
// field's text as it stands; the window and the page fill it alike.
struct FirmEntry {
    std::string name;
    std::string address;
    std::string phone;
    std::string email;
    std::string website;
    std::string inn;
    std::string kpp;
    std::string logo;              // the chosen logo, already checked; empty for none
    std::string installationPrice; // empty for none
    std::string vatRate;
    bool noVat = false;
};

// The details the entry makes, its texts trimmed; or what is wrong with it,
// in the user's words, when a price, a rate or a rule of the firm file (a
// line break, an INN of the wrong length) refuses it.
std::variant<FirmDetails, std::string> firmFromEntry(const FirmEntry& entry);

} // namespace kavro
