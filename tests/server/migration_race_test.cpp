// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/open_storage.h"
#include "storage/random_id.h"
#include "test_database.h"

#include <gtest/gtest.h>
#include <thread>

namespace kavro::server::test {
namespace {

class MigrationRace : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override { KAVRO_SKIP_WITHOUT(GetParam()); }
};

// Servers started together on a new database: each finds the schema made
// once, by whichever came first, and none fails on tables another made.
TEST_P(MigrationRace, ServersStartingTogetherMakeTheSchemaOnce) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kavro-migration-" + randomHex(8));
    const std::string database = GetParam() == Backend::postgres ? newPostgresDatabase() : "";
    constexpr int kServers = 4;
    std::vector<std::unique_ptr<Storage>> opened(kServers);
    std::vector<std::string> failures(kServers);
    std::vector<std::thread> starting;
    for (int i = 0; i < kServers; ++i)
        starting.emplace_back([&, i] {
            try {
                opened[i] = openStorage(database, folder);
            } catch (const std::exception& error) {
                failures[i] = error.what();
            }
        });
    for (std::thread& thread : starting)
        thread.join();
    for (const std::string& failure : failures)
        EXPECT_EQ(failure, "");
    ASSERT_TRUE(opened[0] && opened[kServers - 1]);
    const std::string firm = opened[0]->addFirm("Фирма");
    EXPECT_EQ(opened[kServers - 1]->firmByName("Фирма"), firm);
    opened.clear();
    std::filesystem::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Databases, MigrationRace,
                         ::testing::Values(Backend::sqlite, Backend::postgres),
                         [](const auto& info) { return backendName(info.param); });

} // namespace
} // namespace kavro::server::test
