// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "field.h"

#include <functional>

namespace kavro {

// A handler wired to a control's event (change, click, exit, ...).
using Handler = std::function<void()>;

// Where the window state reports that a control changed, so that a view can
// follow; the window binding listens here, the driver does not.
struct ChangeSink {
    std::function<void(Field)> listener;
    void notify(Field field) const {
        if (listener)
            listener(field);
    }
};

// Common base of every control: its name and the sink it reports to.
class Control {
public:
    Control(Field id, const ChangeSink& sink) : id_(id), sink_(&sink) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Field id() const { return id_; }

protected:
    void notify() const { sink_->notify(id_); }

private:
    Field id_;
    const ChangeSink* sink_;
};

// Runs a wired handler, if any.
inline void run(const Handler& handler) {
    if (handler)
        handler();
}

} // namespace kavro
