// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace kavro::cli {

// The text of --help: usage, commands, options and exit statuses, plain
// enough for help2man to make the manual page of.
std::string helpText();

// The text of --version.
std::string versionText();

} // namespace kavro::cli
