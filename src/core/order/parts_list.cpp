// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "parts_list.h"

#include "../selection/accessory_catalog.h"

#include <limits>
#include <string_view>
#include <unordered_map>

namespace kavro {

namespace {

// Lines in the order of their first use, found again by article.
class Tally {
public:
    void add(const std::string& article, std::string_view name, std::int64_t quantity,
             int opening) {
        auto [slot, added] = index_.try_emplace(article, lines_.size());
        if (added)
            lines_.push_back(PartsListLine{article, std::string(name), 0, {}});
        PartsListLine& line = lines_[slot->second];
        // Quantities within their limits sum far below the largest int64;
        // out-of-limit ones (reported with the opening) must not wrap.
        if (__builtin_add_overflow(line.quantity, quantity, &line.quantity))
            line.quantity = std::numeric_limits<std::int64_t>::max();
        if (line.openings.empty() || line.openings.back() != opening)
            line.openings.push_back(opening);
    }

    std::vector<PartsListLine>& lines() { return lines_; }

private:
    std::vector<PartsListLine> lines_;
    std::unordered_map<std::string, std::size_t> index_;
};

// The accessory's name as the opening's list gives it; for one not offered,
// as the catalogue does.
std::string_view accessoryName(const OpeningResults* results, const std::string& article) {
    if (results)
        for (const auto& row : results->accessories)
            if (row.size() >= 2 && row[0] == article)
                return row[1];
    return accessoryDescription(article);
}

} // namespace

std::vector<PartsListLine> makePartsList(const Order& order,
                                         const std::vector<OpeningResults>& results) {
    Tally drives;
    Tally accessories;
    for (std::size_t i = 0; i < order.openings.size(); ++i) {
        const Opening& opening = order.openings[i];
        const OpeningResults* result = i < results.size() ? &results[i] : nullptr;
        const int number = static_cast<int>(i) + 1;
        const std::int64_t count = opening.count;
        if (count <= 0)
            continue; // nothing to fit; the opening reports its count
        if (result && !result->driveArticle.empty())
            drives.add(result->driveArticle, result->driveName, count, number);
        for (const AccessoryQuantity& a : opening.accessories)
            if (a.quantity > 0)
                accessories.add(a.article, accessoryName(result, a.article), a.quantity * count,
                                number);
    }
    std::vector<PartsListLine> lines = std::move(drives.lines());
    for (PartsListLine& line : accessories.lines())
        lines.push_back(std::move(line));
    return lines;
}

std::string openingNumbers(const std::vector<int>& openings) {
    std::string text;
    for (std::size_t i = 0; i < openings.size();) {
        std::size_t end = i + 1; // one past the run that starts at i
        while (end < openings.size() && openings[end] == openings[end - 1] + 1)
            ++end;
        if (!text.empty())
            text += ", ";
        if (end - i >= 3) {
            text += std::to_string(openings[i]) + "–" + std::to_string(openings[end - 1]);
        } else {
            text += std::to_string(openings[i]);
            end = i + 1; // a pair is written as two numbers
        }
        i = end;
    }
    return text;
}

} // namespace kavro
