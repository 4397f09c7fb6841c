// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>

namespace kavro {

// The one error the user must see: a failed number conversion, an invalid
// floating-point operation, or a report that could not be handed over. It
// ends the user's action, nested handlers included, and is caught once at the
// top of that action, where the platform's message box shows it.
class CalcError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text that the message box shows for an error: its message with a full
// stop added when it does not already end in one.
std::string messageBoxText(const std::string& message);

} // namespace kavro
