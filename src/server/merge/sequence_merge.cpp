// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sequence_merge.h"

#include <algorithm>
#include <set>

namespace kavro::merge {

namespace {

using Ids = std::vector<std::string>;

// `ids` without those that `other` lacks.
Ids common(const Ids& ids, const Ids& other) {
    const std::set<std::string> kept(other.begin(), other.end());
    Ids result;
    std::copy_if(ids.begin(), ids.end(), std::back_inserter(result),
                 [&](const std::string& id) { return kept.count(id) != 0; });
    return result;
}

// Whether `side` lists the openings it shares with `base` in another order.
bool reordered(const Ids& base, const Ids& side) {
    return common(base, side) != common(side, base);
}

std::string joined(const Ids& ids) {
    std::string text;
    for (const std::string& id : ids)
        text += (text.empty() ? "" : ",") + id;
    return text;
}

// Puts an opening the chosen order lacks after the opening it follows in
// `from`, or first when it follows none that is kept.
void insertMissing(Ids& result, const Ids& from, const std::map<std::string, Fields>& merged) {
    for (auto it = from.begin(); it != from.end(); ++it) {
        if (!merged.count(*it) || std::find(result.begin(), result.end(), *it) != result.end())
            continue;
        auto place = result.begin();
        for (auto before = std::make_reverse_iterator(it); before != from.rend(); ++before) {
            const auto found = std::find(result.begin(), result.end(), *before);
            if (found != result.end()) {
                place = found + 1;
                break;
            }
        }
        result.insert(place, *it);
    }
}

} // namespace

std::vector<std::string> mergeSequence(const Ids& base, const Ids& current, const Ids& edit,
                                       const std::map<std::string, Fields>& merged,
                                       std::vector<Conflict>& conflicts) {
    const bool editMoved = reordered(base, edit);
    const bool currentMoved = reordered(base, current);
    const Ids& chosen = editMoved && !currentMoved ? edit : current;
    if (editMoved && currentMoved && reordered(common(current, edit), common(edit, current)))
        conflicts.push_back(
            {{}, Conflict::kSequence, joined(current), joined(edit), std::nullopt, std::nullopt});
    Ids result;
    std::copy_if(chosen.begin(), chosen.end(), std::back_inserter(result),
                 [&](const std::string& id) { return merged.count(id) != 0; });
    insertMissing(result, edit, merged);
    insertMissing(result, current, merged);
    // An opening kept only through a conflict's resolution never lacks a place.
    for (const auto& [id, fields] : merged)
        if (std::find(result.begin(), result.end(), id) == result.end())
            result.push_back(id);
    return result;
}

} // namespace kavro::merge
