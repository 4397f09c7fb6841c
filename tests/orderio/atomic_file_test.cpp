// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/platform/atomic_file.h"
#include "orderio/order_file.h"
#include "report/temp_folder.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/resource.h>

namespace kavro {
namespace {

using test::fileText;

// While it lives, no file of this process may grow past `bytes`: a write
// beyond fails half-way with EFBIG, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

TEST(AtomicFile, ReplacesTheWholeContent) {
    const test::TempFolder folder;
    ASSERT_FALSE(writeFileAtomically(folder / "a.csv", "a long old content"));
    ASSERT_FALSE(writeFileAtomically(folder / "a.csv", "new"));
    EXPECT_EQ(fileText(folder / "a.csv"), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(AtomicFile, InterruptedWriteLeavesTheOldFileWholeAndNoTemporaryFile) {
    const test::TempFolder folder;
    const std::string old(100, 'o');
    ASSERT_FALSE(writeFileAtomically(folder / "order.kavro", old));
    std::error_code error;
    {
        const FileSizeLimit limit(1000);
        error = writeFileAtomically(folder / "order.kavro", std::string(5000, 'n'));
    }
    EXPECT_EQ(error, std::errc::file_too_large);
    EXPECT_EQ(fileText(folder / "order.kavro"), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(AtomicFile, InterruptedOrderSaveReportsAndKeepsTheOldOrder) {
    const test::TempFolder folder;
    const Order small{.title = "Дом", .openings = {Opening{}}};
    OrderFile::save(small, folder / "order.kavro");
    const std::string before = fileText(folder / "order.kavro");
    const Order large{.title = "Дом", .openings = std::vector<Opening>(100)};
    {
        const FileSizeLimit limit(before.size() + 10);
        EXPECT_THROW(OrderFile::save(large, folder / "order.kavro"), OrderFileError);
    }
    EXPECT_EQ(fileText(folder / "order.kavro"), before);
    EXPECT_EQ(OrderFile::read(folder / "order.kavro"), small);
}

TEST(AtomicFile, KeepsPermissionsAndWritesThroughALink) {
    const test::TempFolder folder;
    ASSERT_FALSE(writeFileAtomically(folder / "private.kavro", "old"));
    std::filesystem::permissions(folder / "private.kavro", std::filesystem::perms::owner_read |
                                                               std::filesystem::perms::owner_write);
    std::filesystem::create_symlink("private.kavro", folder / "link.kavro");
    ASSERT_FALSE(writeFileAtomically(folder / "link.kavro", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.kavro"));
    EXPECT_EQ(fileText(folder / "private.kavro"), "new");
    EXPECT_EQ(std::filesystem::status(folder / "private.kavro").permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST(AtomicFile, MissingFolderIsReportedNotCreated) {
    const test::TempFolder folder;
    EXPECT_EQ(writeFileAtomically(folder / "no" / "a.csv", "x"),
              std::errc::no_such_file_or_directory);
    EXPECT_FALSE(std::filesystem::exists(folder / "no"));
}

} // namespace
} // namespace kavro
