// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "edit_delta.h"

#include <algorithm>

namespace kavro::sync {

namespace {

// Puts `id` after `after` in `sequence`; an anchor gone meanwhile (deleted
// elsewhere) puts it last rather than dropping it.
void place(std::vector<std::string>& sequence, const OpeningPlace& place) {
    std::erase(sequence, place.id);
    auto at = sequence.begin();
    if (!place.after.empty()) {
        const auto anchor = std::find(sequence.begin(), sequence.end(), place.after);
        at = anchor == sequence.end() ? sequence.end() : anchor + 1;
    }
    sequence.insert(at, place.id);
}

} // namespace

bool EditDelta::empty() const {
    return order.empty() && openings.empty() && added.empty() && deleted.empty() && places.empty();
}

std::optional<std::string> EditDelta::soleRecord() const {
    if (!deleted.empty())
        return std::nullopt;
    if (added.size() == 1 && openings.empty() && order.empty() && places.size() == 1 &&
        places.front().id == added.begin()->first)
        return added.begin()->first;
    if (!added.empty() || !places.empty())
        return std::nullopt;
    if (openings.empty() && !order.empty())
        return std::string();
    if (openings.size() == 1 && order.empty())
        return openings.begin()->first;
    return std::nullopt;
}

bool EditDelta::absorb(const EditDelta& later) {
    const auto mine = soleRecord(), theirs = later.soleRecord();
    if (!mine || !theirs || *mine != *theirs || !later.added.empty())
        return false;
    if (mine->empty()) {
        for (const auto& [key, value] : later.order)
            order[key] = value;
        return true;
    }
    const FieldChanges& changes = later.openings.begin()->second;
    if (const auto made = added.find(*mine); made != added.end()) {
        applyChanges(made->second, changes);
        return true;
    }
    for (const auto& [key, value] : changes)
        openings[*mine][key] = value;
    return true;
}

FieldChanges fieldChanges(const merge::Fields& before, const merge::Fields& after) {
    FieldChanges changes;
    for (const auto& [key, value] : before)
        if (!after.count(key))
            changes.emplace(key, std::nullopt);
    for (const auto& [key, value] : after) {
        const auto old = before.find(key);
        if (old == before.end() || old->second != value)
            changes.emplace(key, value);
    }
    return changes;
}

void applyChanges(merge::Fields& fields, const FieldChanges& changes) {
    for (const auto& [key, value] : changes) {
        if (value)
            fields[key] = *value;
        else
            fields.erase(key);
    }
}

std::vector<std::string> applyDelta(merge::OrderState& state, const EditDelta& delta) {
    std::vector<std::string> orphans;
    applyChanges(state.fields, delta.order);
    for (const std::string& id : delta.deleted) {
        state.openings.erase(id);
        std::erase(state.sequence, id);
    }
    for (const auto& [id, fields] : delta.added)
        state.openings[id] = fields;
    for (const auto& [id, changes] : delta.openings) {
        const auto opening = state.openings.find(id);
        if (opening == state.openings.end())
            orphans.push_back(id);
        else
            applyChanges(opening->second, changes);
    }
    for (const OpeningPlace& where : delta.places)
        if (state.openings.count(where.id))
            place(state.sequence, where);
    for (const auto& [id, fields] : delta.added)
        if (std::find(state.sequence.begin(), state.sequence.end(), id) == state.sequence.end())
            state.sequence.push_back(id);
    return orphans;
}

} // namespace kavro::sync
