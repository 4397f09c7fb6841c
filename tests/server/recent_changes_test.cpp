// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The changes kept in memory answer exactly as the database does, for
// followers anywhere in the list: ahead, behind what is kept, or at its end.

#include "api/recent_changes.h"
#include "storage/open_storage.h"
#include "storage/random_id.h"
#include "test_database.h"

#include <random>

namespace kavro::server::test {
namespace {

TEST(RecentChanges, AnswerAsTheDatabaseDoesWhereverTheFollowerStands) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("kavro-recent-test-" + randomHex(8));
    {
        auto storage = openStorage({}, folder);
        const std::string firms[] = {storage->addFirm("A"), storage->addFirm("B")};
        constexpr std::size_t kKept = 60;
        RecentChanges recent(*storage, kKept);
        std::mt19937 random(7);
        std::uint64_t generation = 0;
        // More changes than are kept, two firms interleaved, so that each
        // firm's sequence has gaps and its oldest changes fall out.
        for (std::size_t step = 0; step < 3 * kKept; ++step) {
            const std::string& firm = firms[random() % 3 == 0 ? 1 : 0];
            storage->setFirmDocument(firm, FirmDocument::prices, std::to_string(step), "t", 1);
            ++generation;
            if (step % 10 != 0)
                continue;
            const std::int64_t last = storage->lastChange(firms[0]);
            for (const std::int64_t since : {std::int64_t{0}, last / 2, last - 3, last, last + 5}) {
                const int limit = since == 0 ? 7 : 500;
                EXPECT_EQ(recent.after(firms[0], since, limit, generation),
                          storage->changes(firms[0], since, limit))
                    << "step " << step << ", since " << since;
            }
        }
    }
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace kavro::server::test
