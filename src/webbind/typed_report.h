// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/platform/word_processor.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kavro {

// A report as the calls that typed it, kept as JSON text: the calculator's
// module types every paper, and the module that writes Word documents types
// it again without the form or the order that made it. Each call is an
// array, its name first and its arguments after ("setCellText", 1, 2, 1,
// "Артикул"); a picture carries its bytes in base64.
class TypedReportLauncher : public WordProcessorLauncher {
public:
    std::unique_ptr<WordProcessor> launch() override;

    // The last report handed over; reset by the owner before each action.
    std::optional<std::string> typing;
};

// Types `typing` again into `word`, handing it over at its end. A template
// that `word` cannot open gives a blank document, as the typing itself
// would have chosen. Throws WordProcessorError when the typing is not one
// this module wrote.
void retypeReport(std::string_view typing, WordProcessor& word);

} // namespace kavro
