// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalog_record.h"

namespace kavro {

std::string_view PoluchitSvoystvo(std::string_view record, int n) {
    std::string_view rest = record;
    std::string_view result;
    for (int i = 0; i < n; ++i) {
        const std::size_t bar = rest.find('|');
        if (bar == std::string_view::npos) {
            result = {};
        } else {
            result = rest.substr(0, bar);
            rest.remove_prefix(bar + 1);
        }
    }
    return result;
}

} // namespace kavro
