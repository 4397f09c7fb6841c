// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "change_listener.h"

#include "postgres_db.h"

#include <chrono>
#include <libpq-fe.h>
#include <poll.h>

namespace kavro::server {

ChangeListener::ChangeListener(std::string uri, std::function<void()> heard)
    : uri_(std::move(uri)), heard_(std::move(heard)), thread_([this] { run(); }) {}

ChangeListener::~ChangeListener() {
    stopping_ = true;
    thread_.join();
}

void ChangeListener::run() {
    while (!stopping_) {
        try {
            listen();
        } catch (const StorageError&) {
            // The database is away; waiters still look again on their own
            // meanwhile. Try once more after a pause.
            for (int i = 0; i < 5 && !stopping_; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(kPollMilliseconds));
        }
    }
}

void ChangeListener::listen() {
    PostgresDb db(uri_);
    db.exec("LISTEN " + std::string(PostgresDb::kChannel));
    heard_();
    while (!stopping_) {
        pollfd socket{PQsocket(db.handle()), POLLIN, 0};
        poll(&socket, 1, kPollMilliseconds);
        if (PQconsumeInput(db.handle()) == 0)
            throw StorageError(std::string("PostgreSQL: ") + PQerrorMessage(db.handle()));
        bool any = false;
        while (PGnotify* notification = PQnotifies(db.handle())) {
            PQfreemem(notification);
            any = true;
        }
        if (any)
            heard_();
    }
}

} // namespace kavro::server
