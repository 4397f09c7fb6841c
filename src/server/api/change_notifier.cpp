// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "change_notifier.h"

namespace kavro::server {

ChangeNotifier::ChangeNotifier(Storage& storage) : storage_(storage) {
    storage_.listenForChanges([this] { notify(); });
}

ChangeNotifier::~ChangeNotifier() {
    storage_.listenForChanges({});
}

void ChangeNotifier::notify() {
    {
        const std::lock_guard lock(mutex_);
        ++generation_;
    }
    changed_.notify_all();
}

void ChangeNotifier::waitBeyond(std::uint64_t seen) {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, kRecheck, [&] { return generation_ != seen; });
}

std::uint64_t ChangeNotifier::generation() {
    const std::lock_guard lock(mutex_);
    return generation_;
}

} // namespace kavro::server
