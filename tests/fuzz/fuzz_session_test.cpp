// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/input/user_input.h"
#include "core/platform/recording_services.h"
#include "fuzz_session.h"
#include "invariants.h"

#include <filesystem>
#include <fstream>
#include <functional>
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

// The checker must see each kind of damage: a run of it on a window broken
// by hand reports something.
TEST(Invariants, HoldAfterTheStartUpAndCatchEachKindOfDamage) {
    const struct {
        const char* name;
        bool settled; // checked as after a finished selection
        std::function<void(TForm1&)> damage;
    } rows[] = {
        {"none", true, [](TForm1&) {}},
        // Stronger than the listed MR 40 Ebro, without a new selection.
        {"list not fitting the torque", true, [](TForm1& f) { f.Moment.setText("5"); }},
        {"unknown drive", false, [](TForm1& f) { f.Spisok.setCell(0, 1, "4100999"); }},
        {"accessory name", false, [](TForm1& f) { f.SpisokAcc.setCell(1, 2, "Переходник"); }},
        {"60 seconds", false, [](TForm1& f) { f.Vremya.setText("1 мин 60 сек"); }},
        {"turns no number", false, [](TForm1& f) { f.Oboroti.setText("INF"); }},
        {"chosen row missing", false, [](TForm1& f) { f.VybrannayaStroka = 2; }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RecordingServices recorders;
        TForm1 form(recorders.services());
        UserInput input(form);
        input.start();
        row.damage(form);
        EXPECT_EQ(brokenInvariants(form, row.settled).empty(), std::string(row.name) == "none");
        if (row.settled) {
            EXPECT_TRUE(brokenInvariants(form, false).empty());
        }
    }
}

} // namespace
} // namespace kavro
