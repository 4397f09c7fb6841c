// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: arbitrary bytes as an openings spreadsheet. An import
// either reports errors and brings in nothing, or brings in openings that
// are saved as an order file and read back the same, and that an export
// brings back the same through a second import.
#include "core/order/order.h"
#include "finding.h"
#include "imported_openings.h"
#include "orderio/openings_export.h"
#include "orderio/openings_import.h"
#include "orderio/order_file.h"

#include <cstdint>

using namespace kavro;
using kavro::fuzz::finding;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const OpeningsImport imported = importOpenings(bytes);
    fuzz::checkImportedOpenings(imported);
    if (!imported.errors.empty())
        return 0;
    const Order order{.title = "", .openings = imported.openings};

    // Without results the drive in effect is empty, and so is the drive that
    // comes back.
    Order expected = order;
    for (Opening& opening : expected.openings)
        opening.drive.clear();
    const OpeningsImport again =
        importOpenings(exportOpenings(order, std::vector<OpeningResults>(order.openings.size())));
    if (!again.errors.empty() || !(again.openings == expected.openings))
        finding("an export does not import back as the same openings");
    return 0;
}
