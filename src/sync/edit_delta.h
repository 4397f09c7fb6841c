// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "merge/order_merge.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kavro::sync {

// Fields as one edit left them; nullopt: the field was taken away.
using FieldChanges = std::map<std::string, std::optional<std::string>>;

// An opening put after another; an empty `after`: first in the list.
struct OpeningPlace {
    std::string id;
    std::string after;

    bool operator==(const OpeningPlace&) const = default;
};

// One local edit of an order, as what it changed rather than the whole
// order, so that it can be replayed on whatever the server sends since.
struct EditDelta {
    FieldChanges order;
    std::map<std::string, FieldChanges> openings;
    // Openings made here, whole.
    std::map<std::string, merge::Fields> added;
    std::set<std::string> deleted;
    // Openings added or moved, in the order they stand in after the edit:
    // put one after the other, each lands where the user left it.
    std::vector<OpeningPlace> places;

    bool operator==(const EditDelta&) const = default;
    bool empty() const;
    // The delta changes fields of one record only, or makes that opening:
    // the record ("" the order itself); none otherwise.
    std::optional<std::string> soleRecord() const;
    // Takes `later`, a change of the same sole record, into this one, so
    // that keystrokes in a field make one edit.
    bool absorb(const EditDelta& later);
};

// The changes that turn `before` into `after`.
FieldChanges fieldChanges(const merge::Fields& before, const merge::Fields& after);
void applyChanges(merge::Fields& fields, const FieldChanges& changes);

// Replays `delta` on `state`. Changes of an opening `state` no longer has
// (deleted elsewhere) cannot be replayed: their ids are returned, and the
// rest of the delta is applied.
std::vector<std::string> applyDelta(merge::OrderState& state, const EditDelta& delta);

} // namespace kavro::sync
