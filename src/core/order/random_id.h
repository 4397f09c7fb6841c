// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace kavro {

// A fresh id for an order or an opening: 128 random bits as 32 lower-case
// hexadecimal digits. Every device makes its own, with no server to ask, so
// they are random rather than counted.
std::string randomId();

} // namespace kavro
