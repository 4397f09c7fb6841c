// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: arbitrary bytes as an openings workbook (.xlsx). A
// refused workbook brings in nothing; every message is valid UTF-8 however
// the file was made; openings brought in are saved as an order file and read
// back the same. The zip archive's limits keep a bomb's memory bounded.
#include "core/text/utf8.h"
#include "finding.h"
#include "imported_openings.h"
#include "sheets/openings_workbook.h"

#include <cstdint>

using namespace kavro;
using kavro::fuzz::finding;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const OpeningsImport imported = importOpeningsWorkbook(bytes);
    for (const CsvCellError& error : imported.errors) {
        const std::string message = describeFault(imported, error);
        if (utf8::sanitize(message) != message)
            finding("a message that is not valid UTF-8");
    }
    fuzz::checkImportedOpenings(imported);
    return 0;
}
