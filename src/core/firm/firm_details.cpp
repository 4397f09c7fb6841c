// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "firm_details.h"

namespace kavro {

namespace {

// "A, B, C" of the non-empty parts.
std::string joined(std::initializer_list<std::string> parts) {
    std::string text;
    for (const std::string& part : parts) {
        if (part.empty())
            continue;
        if (!text.empty())
            text += ", ";
        text += part;
    }
    return text;
}

std::string labelled(const char* label, const std::string& value) {
    return value.empty() ? std::string() : label + value;
}

} // namespace

std::vector<std::string> letterheadLines(const FirmDetails& firm) {
    const std::string candidates[] = {
        firm.name,
        firm.address,
        joined({labelled("тел. ", firm.phone), labelled("e-mail: ", firm.email), firm.website}),
        joined({labelled("ИНН ", firm.inn), labelled("КПП ", firm.kpp)}),
    };
    std::vector<std::string> lines;
    for (const std::string& line : candidates)
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

} // namespace kavro
