// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_merge.h"

#include "sequence_merge.h"

#include <set>

namespace kavro::merge {

namespace {

std::optional<std::string> valueOf(const Fields& fields, const std::string& key) {
    const auto it = fields.find(key);
    return it == fields.end() ? std::nullopt : std::optional(it->second);
}

void setValue(Fields& fields, const std::string& key, const std::optional<std::string>& value) {
    if (value)
        fields[key] = *value;
    else
        fields.erase(key);
}

// Field by field over every key any side has; conflicts are named after
// `opening`.
Fields mergeFields(const Fields& base, const Fields& current, const Fields& edit,
                   const std::string& opening, std::vector<Conflict>& conflicts) {
    std::set<std::string> keys;
    for (const Fields* side : {&base, &current, &edit})
        for (const auto& [key, value] : *side)
            keys.insert(key);
    Fields merged = current;
    for (const std::string& key : keys) {
        const auto b = valueOf(base, key), c = valueOf(current, key), e = valueOf(edit, key);
        if (e == b || c == e)
            continue; // the current value stands
        if (c == b)
            setValue(merged, key, e);
        else
            conflicts.push_back({opening, key, c, e, std::nullopt, std::nullopt});
    }
    return merged;
}

const Fields* find(const OrderState& state, const std::string& id) {
    const auto it = state.openings.find(id);
    return it == state.openings.end() ? nullptr : &it->second;
}

std::optional<Fields> maybe(const Fields* fields) {
    return fields ? std::optional(*fields) : std::nullopt;
}

// One opening's fate; nullopt when it ends deleted.
std::optional<Fields> mergeOpening(const std::string& id, const Fields* base, const Fields* current,
                                   const Fields* edit, std::vector<Conflict>& conflicts) {
    static const Fields kNone;
    if (current && edit)
        return mergeFields(base ? *base : kNone, *current, *edit, id, conflicts);
    if (!current && !edit)
        return std::nullopt;
    if (!base) // made on one side only
        return maybe(current ? current : edit);
    // One side deleted it: the deletion stands unless the other changed it.
    const Fields* kept = current ? current : edit;
    if (*kept == *base)
        return std::nullopt;
    conflicts.push_back({id, {}, std::nullopt, std::nullopt, maybe(current), maybe(edit)});
    return maybe(current);
}

} // namespace

MergeResult mergeOrder(const OrderState& base, const OrderState& current, const OrderState& edit) {
    MergeResult result;
    result.merged.fields =
        mergeFields(base.fields, current.fields, edit.fields, {}, result.conflicts);
    std::set<std::string> ids;
    for (const OrderState* side : {&base, &current, &edit})
        for (const auto& [id, fields] : side->openings)
            ids.insert(id);
    for (const std::string& id : ids) {
        if (auto fields = mergeOpening(id, find(base, id), find(current, id), find(edit, id),
                                       result.conflicts))
            result.merged.openings.emplace(id, std::move(*fields));
    }
    result.merged.sequence = mergeSequence(base.sequence, current.sequence, edit.sequence,
                                           result.merged.openings, result.conflicts);
    return result;
}

} // namespace kavro::merge
