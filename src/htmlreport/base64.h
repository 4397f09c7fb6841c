// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace kavro {

// The bytes in base64 (RFC 4648, with padding), as a data: URL carries them.
std::string base64(std::string_view bytes);

// The bytes that base64 text stands for; what is no base64 digit is
// skipped, so damaged text gives other bytes, never a fault.
std::string unbase64(std::string_view text);

} // namespace kavro
