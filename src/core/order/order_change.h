// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kavro {

// One thing that happened to an order, told by the opening's id. The places
// are those in the list as it stands after the change (a removed opening's:
// where it stood), for the views that show the openings as rows.
struct OrderChange {
    enum class Kind {
        OpeningAdded,
        OpeningRemoved,
        OpeningMoved,   // from `from` to `index`
        OpeningChanged, // what the opening holds, and so its results
        Title,
        Prices,   // the discount, or an opening's installation price
        Replaced, // a whole other order (New, Open, a restore)
        Saved,    // whether a file holds the order as it stands
    };
    Kind kind;
    std::string opening; // empty for the order's own changes
    std::size_t index = 0;
    std::size_t from = 0;

    bool operator==(const OrderChange&) const = default;
    // Openings came, went or moved: a list shows its rows anew.
    bool reordersRows() const {
        return kind == Kind::OpeningAdded || kind == Kind::OpeningRemoved ||
               kind == Kind::OpeningMoved || kind == Kind::Replaced;
    }
};

// Whoever shows an order, or carries its changes elsewhere. The changes one
// edit made come together, once the order is whole again: a listener may
// read anything of it.
class OrderListener {
public:
    virtual void orderChanged(const std::vector<OrderChange>& changes) = 0;

protected:
    ~OrderListener() = default;
};

} // namespace kavro
