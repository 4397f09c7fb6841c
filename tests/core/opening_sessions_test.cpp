// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Property tests over random user sessions: an opening captured from any
// window reopens to the same screen, and an opening applied to a window in
// any state gives the screen it gives on a fresh one. The screens are
// compared as the driver's state dump prints them.
#include "core/input/user_input.h"
#include "core/order/opening_calculator.h"
#include "core/platform/recording_services.h"
#include "state_dump.h"

#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>

namespace kavro {
namespace {

struct Window {
    RecordingServices recorders;
    TForm1 form{recorders.services()};
    UserInput input{form};
    Window() { input.start(); }
};

// KAVRO_OPENING_SESSIONS raises the number of sessions for a longer search.
int sessionCount() {
    const char* wanted = std::getenv("KAVRO_OPENING_SESSIONS");
    return wanted ? std::atoi(wanted) : 400;
}

// Random user actions, mostly sensible, now and then with a text that the
// window cannot compute with.
class RandomUser {
public:
    explicit RandomUser(unsigned seed) : rng_(seed) {}

    // Returns whether no action ended in an error.
    bool session(Window& w) {
        bool clean = true;
        for (int i = below(40); i > 0; --i)
            clean = act(w.input, w.form).kind != ActionResult::Kind::Failed && clean;
        // The user ends on the drive list, pressing the chosen drive's article.
        w.input.switchTab(0);
        return w.input.pressCell(Field::Spisok, 0, w.form.VybrannayaStroka).kind !=
                   ActionResult::Kind::Failed &&
               clean;
    }

    // What some session left, now and then with a drive or choices that the
    // window does not offer.
    Opening opening() {
        Window w;
        session(w);
        Opening o;
        o.inputs = OpeningCalculator::capture(w.form);
        if (w.form.VybrannayaStroka > 1 || below(2))
            o.drive = w.form.Spisok.cell(0, w.form.VybrannayaStroka);
        if (below(4) == 0) // choices the window lacks, a drive it does not offer
            o.inputs.mounting = 7, o.inputs.fixing = below(4), o.drive = "4100045";
        return o;
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    template <class A> typename A::value_type pick(const A& a) { return a[below(int(a.size()))]; }

    const char* number() {
        if (below(60) == 0)
            return "abc";
        return pick(std::array{"0", "1", "2", "8,4", "0,5", "1000", "2000", "399", "400", "799",
                               "800", "2700", "2701", "35", "6000", ",", "1,2,", "12,5", "1500"});
    }

    ActionResult act(UserInput& in, const TForm1& form) {
        const Field number = pick(std::array{Field::Tolwina, Field::Visota, Field::Wirina,
                                             Field::Massa, Field::NizhniyProfil});
        const Field radio = pick(std::array{Field::Montazh, Field::Upravlenie, Field::Kreplenie});
        switch (below(6)) {
        case 0:
            return below(3) ? in.pick(Field::Profil, below(3))
                            : in.pick(Field::TipProfilya, below(23));
        case 1:
            return below(3) ? in.replace(number, this->number())
                            : in.type(number, pick(std::array{"5", ",", "\b", "0"}));
        case 2:
            return below(15) ? in.pick(Field::Diametr, below(4))
                             : in.replace(Field::Diametr, pick(std::array{"50", "6", "", "70,0"}));
        case 3:
            return below(4) ? in.click(radio, below(3)) : in.check(Field::NHK);
        case 4:
            return in.pressCell(Field::Spisok, below(7), below(form.Spisok.rowCount()));
        default:
            return below(2) ? in.switchTab(below(2)) : in.focus(number);
        }
    }

    std::mt19937 rng_;
};

// After a session without errors, the captured inputs and the chosen drive
// reopen on a fresh window to the whole screen: every text, choice, enabled
// flag, both lists and the chosen drive, the shown tab and current cell. (What an error leaves
// standing depends on the fields' history, not on their texts.)
TEST(OpeningSessions, CapturedInputsReopenToTheSameScreen) {
    RandomUser user(20261207);
    int clean = 0;
    for (int s = 0; s < sessionCount(); ++s) {
        Window session;
        if (!user.session(session))
            continue;
        ++clean;
        Opening opening;
        opening.inputs = OpeningCalculator::capture(session.form);
        opening.drive = session.form.Spisok.cell(0, session.form.VybrannayaStroka);
        Window fresh;
        ASSERT_EQ(OpeningCalculator::apply(fresh.form, fresh.input, opening),
                  std::vector<std::string>{})
            << "session " << s;
        ASSERT_EQ(dumpState(fresh.form, ""), dumpState(session.form, "")) << "session " << s;
    }
    EXPECT_GT(clean, sessionCount() * 3 / 4);
}

// An opening that the window computes without an error gives on a window
// that a random session left the whole screen, view state included, and the
// problems that it gives on a fresh window.
TEST(OpeningSessions, AnEarlierStateLeavesNoTrace) {
    RandomUser user(7);
    int compared = 0;
    for (int s = 0; s < sessionCount(); ++s) {
        const Opening opening = user.opening();
        Window fresh;
        const auto freshProblems = OpeningCalculator::apply(fresh.form, fresh.input, opening);
        if (std::any_of(freshProblems.begin(), freshProblems.end(),
                        [](const std::string& p) { return p.starts_with("Расчёт остановлен"); }))
            continue;
        ++compared;
        Window used;
        user.session(used);
        ASSERT_EQ(OpeningCalculator::apply(used.form, used.input, opening), freshProblems) << s;
        ASSERT_EQ(dumpState(used.form, ""), dumpState(fresh.form, "")) << "session " << s;
    }
    EXPECT_GT(compared, sessionCount() * 3 / 4);
}

} // namespace
} // namespace kavro
