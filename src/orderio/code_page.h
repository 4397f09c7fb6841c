// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace kavro {

// A text in Windows-1251, the code page a Russian Windows saves "CSV" in, as
// UTF-8. The one byte the code page leaves undefined (0x98) becomes U+FFFD,
// so that the result is always valid UTF-8.
//
// A single-byte code page is a fixed table of 128 characters above ASCII;
// it is held here rather than asked of iconv so that the same code runs
// where there is no iconv (the browser build). A test compares the table
// with glibc's iconv byte for byte.
std::string windows1251ToUtf8(std::string_view bytes);

} // namespace kavro
