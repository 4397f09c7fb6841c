// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <memory>

namespace kavro::server {

// Who works on a data folder: a running server holds `server.lock` in it
// shared (several may), a restore holds it alone. The lock is the kernel's
// (flock), so it goes with its process however that ends, and a killed
// server never leaves a stale one behind.
class DataFolderLock {
public:
    enum class Kind { shared, exclusive };
    // Null when another process holds the lock in a way that excludes this.
    static std::unique_ptr<DataFolderLock> take(const std::filesystem::path& folder, Kind kind);
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

private:
    explicit DataFolderLock(int fd) : fd_(fd) {}
    int fd_;
};

} // namespace kavro::server
