// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/input/user_input.h"
#include "core/platform/recording_services.h"
#include "fuzz_session.h"
#include "invariants.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace kavro {
namespace {

std::string contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The example sessions, the golden sessions and every input the fuzzer once
// broke the program with keep every invariant.
TEST(FuzzSessions, KnownSessionsKeepEveryInvariant) {
    int sessions = 0;
    for (const char* dir : {KAVRO_SOURCE_DIR "/examples", KAVRO_SOURCE_DIR "/tests/scripts",
                            KAVRO_SOURCE_DIR "/tests/fuzz/regressions"}) {
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            if (entry.path().extension() != ".txt" || entry.path().filename() == "CMakeLists.txt")
                continue;
            const auto broken = runFuzzSession(contents(entry.path()));
            EXPECT_TRUE(broken.empty()) << entry.path() << ": " << broken.front();
            ++sessions;
        }
    }
    EXPECT_GE(sessions, 8);
}

class Invariants : public ::testing::Test {
protected:
    RecordingServices recorders;
    TForm1 form{recorders.services()};
    UserInput input{form};
    void SetUp() override { input.start(); }
};

TEST_F(Invariants, HoldAfterTheStartUp) {
    EXPECT_TRUE(brokenInvariants(form, true).empty());
}

TEST_F(Invariants, CatchAListThatDoesNotFitTheInputs) {
    form.Moment.setText("5"); // stronger than the listed MR 40 Ebro, without a new selection
    EXPECT_TRUE(brokenInvariants(form, false).empty());
    EXPECT_FALSE(brokenInvariants(form, true).empty());
}

TEST_F(Invariants, CatchDamageToTheLists) {
    form.Spisok.setCell(0, 1, "4100999");
    EXPECT_FALSE(brokenInvariants(form, false).empty());
    form.Spisok.setCell(0, 1, "4100042");
    form.SpisokAcc.setCell(1, 2, "Переходник");
    EXPECT_FALSE(brokenInvariants(form, false).empty());
}

TEST_F(Invariants, CatchResultsThatAreNoNumbers) {
    form.Vremya.setText("1 мин 60 сек");
    EXPECT_FALSE(brokenInvariants(form, false).empty());
    form.Vremya.setText("");
    form.Oboroti.setText("INF");
    EXPECT_FALSE(brokenInvariants(form, false).empty());
}

TEST_F(Invariants, CatchAChosenRowThatDoesNotExist) {
    form.VybrannayaStroka = 2;
    EXPECT_FALSE(brokenInvariants(form, false).empty());
}

} // namespace
} // namespace kavro
