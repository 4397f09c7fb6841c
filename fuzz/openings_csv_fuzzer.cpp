// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: arbitrary bytes as an openings spreadsheet. An import
// either reports errors and brings in nothing, or brings in openings that
// are saved as an order file and read back the same, and that an export
// brings back the same through a second import.
#include "core/order/order.h"
#include "orderio/openings_export.h"
#include "orderio/openings_import.h"
#include "orderio/order_file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace kavro;

[[noreturn]] void finding(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const OpeningsImport imported = importOpenings(bytes);
    if (!imported.errors.empty()) {
        if (!imported.openings.empty() || !imported.rows.empty())
            finding("an import with errors brought openings in");
        return 0;
    }
    if (imported.rows.size() != imported.openings.size())
        finding("an opening without its row");
    const Order order{.title = "", .openings = imported.openings};
    if (!(OrderFile::parse(OrderFile::serialize(order)) == order))
        finding("imported openings do not reopen the same from an order file");

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
