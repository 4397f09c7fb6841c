// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/firm/firm_details.h"

#include <string>

namespace kavro {

// The firm's details in the page: what the dialog Реквизиты организации
// typed or the browser kept, checked by the window's own rules, heading
// every paper from then on. Answers are JSON texts: {"result": "done", ...}
// or {"result": "failed", "error": the user's words}; a refused change
// keeps the details as they were.
class PageFirm {
public:
    // The details the papers take: empty (no letterhead) until set.
    const FirmDetails& details() const { return firm_; }

    // The dialog's fields (a FirmEntry as JSON: name, address, phone, email,
    // website, inn, kpp, logo, installationPrice, vatRate, noVat) and the
    // chosen logo's bytes. Done: {"firm": the firm.json text to keep}.
    std::string enter(const std::string& entry, const std::string& logoBytes);
    // A firm.json (`name` for the messages) with the logo it names: kept
    // details coming back, or the desktop's file imported.
    std::string load(const std::string& name, const std::string& json,
                     const std::string& logoBytes);
    // The details as the dialog shows them (a FirmEntry as JSON).
    std::string entry() const;
    // Why the logo file `name` is refused, "" when it is not; `decoded`:
    // whether the browser could draw it.
    static std::string logoFault(const std::string& name, const std::string& bytes, bool decoded);

private:
    FirmDetails firm_;
};

} // namespace kavro
