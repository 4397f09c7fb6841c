// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data_folder_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <system_error>
#include <unistd.h>

namespace kavro::server {

std::unique_ptr<DataFolderLock> DataFolderLock::take(const std::filesystem::path& folder,
                                                     Kind kind) {
    const auto file = folder / "server.lock";
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        throw std::system_error(errno, std::generic_category(), file.string());
    if (::flock(fd, (kind == Kind::shared ? LOCK_SH : LOCK_EX) | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return nullptr;
        throw std::system_error(error, std::generic_category(), file.string());
    }
    return std::unique_ptr<DataFolderLock>(new DataFolderLock(fd));
}

DataFolderLock::~DataFolderLock() {
    ::close(fd_);
}

} // namespace kavro::server
