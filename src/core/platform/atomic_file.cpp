// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace kavro {

namespace {

// How many temporary names are tried before giving up: a name is taken only
// when another save into the same folder runs at the same moment, or a
// crashed one left its file.
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

// Writes and flushes a new file with the permissions `mode` (those of the
// file it replaces, so that a private file stays private); on failure
// nothing of it stays.
std::error_code writeNew(const std::filesystem::path& file, std::string_view bytes,
                         std::optional<mode_t> mode) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return lastError();
    std::error_code error;
    if (mode && ::fchmod(fd, *mode) != 0)
        error = lastError();
    if (!error)
        error = writeAll(fd, bytes);
    if (!error && ::fsync(fd) != 0)
        error = lastError();
    if (::close(fd) != 0 && !error)
        error = lastError();
    if (error)
        ::unlink(file.c_str());
    return error;
}

// Makes the rename itself durable; a folder that cannot be synced (some
// network file systems) does not make the save fail, the file is in place.
void syncFolder(const std::filesystem::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// The file a save must replace: the target of a symbolic link rather than
// the link, which renaming over would turn into a file of its own and leave
// the linked file old.
std::filesystem::path replacedFile(const std::filesystem::path& file) {
    std::error_code ignored;
    if (!std::filesystem::is_symlink(file, ignored))
        return file;
    const std::filesystem::path target = std::filesystem::weakly_canonical(file, ignored);
    return ignored ? file : target;
}

std::optional<mode_t> permissionsOf(const std::filesystem::path& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return status.st_mode & 07777;
}

} // namespace

std::error_code writeFileAtomically(const std::filesystem::path& requested,
                                    std::string_view bytes) {
    const std::filesystem::path file = replacedFile(requested);
    const std::optional<mode_t> mode = permissionsOf(file);
    std::error_code error = std::make_error_code(std::errc::file_exists);
    for (int n = 0; n < kTemporaryNames && error == std::errc::file_exists; ++n) {
        std::filesystem::path temporary = file;
        temporary.replace_filename("." + file.filename().string() + "." +
                                   std::to_string(::getpid()) + "-" + std::to_string(n) + ".tmp");
        error = writeNew(temporary, bytes, mode);
        if (error)
            continue;
        if (::rename(temporary.c_str(), file.c_str()) != 0) {
            error = lastError();
            ::unlink(temporary.c_str());
            return error;
        }
        syncFolder(file.parent_path());
    }
    return error;
}

std::error_code writeNewFile(const std::filesystem::path& file, std::string_view bytes) {
    return writeNew(file, bytes, std::nullopt);
}

std::string writeFailureMessage(const std::error_code& error) {
    return "не удалось записать файл: " + error.message();
}

} // namespace kavro
