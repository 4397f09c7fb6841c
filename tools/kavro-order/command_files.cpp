// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_files.h"

#include "core/platform/atomic_file.h"
#include "order_results.h"
#include "orderio/file_messages.h"
#include "orderio/firm_file.h"
#include "orderio/opening_places.h"
#include "orderio/order_file.h"
#include "orderio/price_list.h"
#include "sheets/price_list_table.h"

#include <array>
#include <cerrno>
#include <fstream>

namespace kavro::cli {

std::optional<OrderInFile> readOrder(const std::filesystem::path& file, Diagnostics& diagnostics) {
    const std::optional<std::string> text = readInput(file, OrderFile::kMaxBytes, diagnostics);
    if (!text)
        return std::nullopt;
    try {
        OrderInFile loaded{OrderFile::parse(*text), {}};
        for (const TextPlace& place : openingPlaces(*text))
            loaded.openingLines.push_back(place.line);
        return loaded;
    } catch (const OrderFileError& error) {
        if (error.line() > 0)
            diagnostics.error(file, error.reason(), error.line(), error.column());
        else
            diagnostics.error(file, error.what());
    }
    return std::nullopt;
}

std::optional<std::string> readInput(const std::filesystem::path& file, std::size_t maxBytes,
                                     Diagnostics& diagnostics) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        diagnostics.error(file, "не удалось открыть файл: " +
                                    std::error_code(errno, std::generic_category()).message());
        return std::nullopt;
    }
    std::string text;
    std::array<char, 1 << 16> buffer;
    while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0) {
        text.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
        if (text.size() > maxBytes) {
            diagnostics.error(file, tooLargeMessage(maxBytes));
            return std::nullopt;
        }
    }
    if (in.bad()) {
        diagnostics.error(file, "не удалось прочитать файл");
        return std::nullopt;
    }
    return text;
}

bool readFirm(const std::optional<std::filesystem::path>& named, Diagnostics& diagnostics,
              std::optional<FirmDetails>& details) {
    const std::filesystem::path file = firmFileToRead(named);
    if (file.empty())
        return true;
    try {
        details = FirmFile::read(file);
        return true;
    } catch (const FirmFileError& error) {
        if (error.line() > 0)
            diagnostics.error(file, error.reason(), error.line(), error.column());
        else
            diagnostics.error(file, error.what());
        return false;
    }
}

bool readPrices(const std::optional<std::filesystem::path>& named, Diagnostics& diagnostics,
                Prices& prices, std::filesystem::path& file) {
    file = named ? *named : userPriceListPath();
    std::error_code ignored;
    if (!named && (file.empty() || !std::filesystem::exists(file, ignored))) {
        file.clear();
        return true;
    }
    const std::optional<std::string> bytes = readInput(file, OrderFile::kMaxBytes, diagnostics);
    if (!bytes)
        return false;
    PriceList list = importPriceListTable(*bytes);
    for (const CsvCellError& error : list.errors) {
        if (list.cellAddresses) {
            diagnostics.error(file, describeCell(error));
            continue;
        }
        CsvCellError placeless = error;
        placeless.row = 0;
        diagnostics.error(file, describe(placeless), error.row);
    }
    if (!list.errors.empty())
        return false;
    prices = std::move(list.articles);
    return true;
}

bool writeOutput(const std::filesystem::path& file, std::string_view bytes,
                 Diagnostics& diagnostics) {
    if (const std::error_code error = writeFileAtomically(file, bytes)) {
        diagnostics.error(file, writeFailureMessage(error));
        return false;
    }
    return true;
}

int reportProblems(const std::filesystem::path& file, const OrderInFile& order,
                   const std::vector<OpeningResults>& results, Diagnostics& diagnostics) {
    int problems = 0;
    for (std::size_t i = 0; i < results.size(); ++i) {
        const int line = i < order.openingLines.size() ? order.openingLines[i] : 0;
        for (const std::string& problem : results[i].problems) {
            diagnostics.warning(file, openingLabel(order.order, i) + ": " + problem, line);
            ++problems;
        }
    }
    return problems;
}

} // namespace kavro::cli
