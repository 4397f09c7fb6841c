// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace kavro {

// How a user's action ended: carried out, refused before anything changed
// (with a short reason), or ended by an error that the user is shown (with
// the message box text).
struct ActionResult {
    enum class Kind { Done, Refused, Failed };
    Kind kind = Kind::Done;
    std::string text;

    static ActionResult done() { return {}; }
    static ActionResult refused(std::string reason) { return {Kind::Refused, std::move(reason)}; }
    static ActionResult failed(std::string message) { return {Kind::Failed, std::move(message)}; }
};

} // namespace kavro
