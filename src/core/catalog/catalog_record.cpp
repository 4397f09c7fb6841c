// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalog_record.h"

#include <cstring>

namespace kavro {

// A plain pointer walk: every drive selection reads four fields of every
// catalogue record, and the browser's build does not inline string_view's
// members.
std::string_view PoluchitSvoystvo(std::string_view record, int n) {
    const char* rest = record.data();
    const char* const end = rest + record.size();
    std::string_view result;
    for (int i = 0; i < n; ++i) {
        const void* bar = rest == end ? nullptr : std::memchr(rest, '|', end - rest);
        if (!bar)
            return {};
        const char* const close = static_cast<const char*>(bar);
        result = std::string_view(rest, static_cast<std::size_t>(close - rest));
        rest = close + 1;
    }
    return result;
}

} // namespace kavro
