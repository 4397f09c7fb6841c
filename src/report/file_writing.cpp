// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "file_writing.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace kavro {

namespace {

// How many names replaceFile tries for its temporary file beside the target.
constexpr int kTemporaryNames = 100;

std::error_code lastError() {
    return {errno, std::generic_category()};
}

std::error_code writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return lastError();
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

} // namespace

std::error_code writeNewFile(const std::filesystem::path& file, std::string_view bytes) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return lastError();
    std::error_code error = writeAll(fd, bytes);
    if (::close(fd) != 0 && !error)
        error = lastError();
    if (error)
        ::unlink(file.c_str());
    return error;
}

std::error_code replaceFile(const std::filesystem::path& file, std::string_view bytes) {
    std::error_code error;
    for (int n = 0; n < kTemporaryNames; ++n) {
        std::filesystem::path temporary = file;
        temporary.replace_filename("." + file.filename().string() + "." + std::to_string(n) +
                                   ".tmp");
        error = writeNewFile(temporary, bytes);
        if (error == std::errc::file_exists)
            continue;
        if (error)
            return error;
        if (::rename(temporary.c_str(), file.c_str()) != 0) {
            error = lastError();
            ::unlink(temporary.c_str());
        }
        return error;
    }
    return error;
}

} // namespace kavro
