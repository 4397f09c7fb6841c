// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace kavro::server {

// A connection of its own that LISTENs for the changes any process
// announces, and a thread that calls `heard` for each batch of them. A lost
// connection is made again; `heard` is called then too, since a change may
// have come meanwhile.
class ChangeListener {
public:
    ChangeListener(std::string uri, std::function<void()> heard);
    ~ChangeListener();
    ChangeListener(const ChangeListener&) = delete;
    ChangeListener& operator=(const ChangeListener&) = delete;

    // How long the thread sleeps at most before it looks at `stopping_`.
    static constexpr int kPollMilliseconds = 200;

private:
    void run();
    void listen();

    std::string uri_;
    std::function<void()> heard_;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

} // namespace kavro::server
