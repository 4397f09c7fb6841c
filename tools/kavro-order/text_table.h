// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

namespace kavro::cli {

// A table for a terminal: columns padded to their widest cell, counted in
// characters so that Cyrillic text lines up, separated by two spaces.
// The first row is the heading.
std::string textTable(const std::vector<std::vector<std::string>>& rows);

} // namespace kavro::cli
