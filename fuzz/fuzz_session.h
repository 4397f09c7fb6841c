// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kavro {

// Runs arbitrary bytes as kavro-script action lines against a fresh window
// and checks the window's invariants after every action. Returns what broke,
// naming the line; nothing when every invariant held throughout.
std::vector<std::string> runFuzzSession(std::string_view input);

} // namespace kavro
