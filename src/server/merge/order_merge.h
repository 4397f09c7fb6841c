// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kavro::merge {

// A record as the merge sees it: each field's value as its JSON text, so
// that two values are the same exactly when their texts are.
using Fields = std::map<std::string, std::string>;

// An order at one revision: its own fields (title, discount), the ids of its
// openings in their listed order, and each opening's fields by id.
struct OrderState {
    Fields fields;
    std::vector<std::string> sequence;
    std::map<std::string, Fields> openings;

    bool operator==(const OrderState&) const = default;
};

// Where both sides changed the same thing. `opening` is empty for the
// order's own fields; `field` is empty when one side deleted the opening the
// other changed, and is kSequence for the order of the openings. The values
// are the current one (kept in the merged state) and the edit's; nullopt is
// "deleted" for an opening and "absent" for a field.
struct Conflict {
    static constexpr const char* kSequence = "sequence";

    std::string opening;
    std::string field;
    std::optional<std::string> current;
    std::optional<std::string> edit;
    // For a deleted-against-changed opening: its fields on each side.
    std::optional<Fields> currentOpening;
    std::optional<Fields> editOpening;

    bool operator==(const Conflict&) const = default;
};

struct MergeResult {
    OrderState merged;
    std::vector<Conflict> conflicts;
};

// Merges an edit made on `base` with `current`, what the server holds now.
// A field changed on one side only is taken from that side; a field both
// sides changed alike is taken; both changed differently, or one deleted an
// opening the other changed, keeps the current value and reports both.
// Nothing either side wrote is lost: it is in `merged` or in a conflict.
MergeResult mergeOrder(const OrderState& base, const OrderState& current, const OrderState& edit);

} // namespace kavro::merge
