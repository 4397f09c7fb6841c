// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_fixture.h"

namespace kavro {
namespace {

using Texts = std::vector<std::pair<Field, std::string>>;

// The hardest inputs an installer's clipboard can hold. Each must end at
// once (their times are in the benchmarks) with figures that belong to the
// fields, or with the error message.
TEST(WorstInputs, EndWithFiguresThatBelongToTheFields) {
    const Texts endless = {{Field::Wirina, "0"}, {Field::Diametr, "0"}, {Field::Tolwina, "0"}};
    Texts endlessHeight = endless;
    endlessHeight.push_back({Field::Visota, "1E15"});
    const std::string commas = "1" + std::string(UserInput::kMaxTextLength - 1, ',');
    const std::string letters(UserInput::kMaxTextLength, 'x');
    const struct {
        const char* name;
        Texts setup;
        Field field;
        std::string pasted;
        ActionResult::Kind outcome;
        Texts shows;
    } rows[] = {
        {"huge height of a massless curtain",
         {{Field::Wirina, "0"}},
         Field::Visota,
         "1E300",
         ActionResult::Kind::Done,
         {{Field::Oboroti, "0"}, {Field::MaxDiametr, "0"}}},
        {"endless winding",
         endless,
         Field::Visota,
         "5",
         ActionResult::Kind::Done,
         {{Field::Oboroti, "0"}, {Field::MaxDiametr, "0"}}},
        {"negative thickness",
         {{Field::Wirina, "0"}},
         Field::Tolwina,
         "-3",
         ActionResult::Kind::Done,
         {{Field::Oboroti, "0"}, {Field::MaxDiametr, "0"}}},
        {"tiny thickness",
         {},
         Field::Tolwina,
         "1E-300",
         ActionResult::Kind::Done,
         {{Field::Oboroti, "9,36"}, {Field::MaxDiametr, "68"}}},
        {"zero shaft with strap",
         {},
         Field::Diametr,
         "0",
         ActionResult::Kind::Done,
         {{Field::Moment, "0,15"}}},
        // Each comma the normaliser takes back reruns the chain: the turn
        // count must not be redone each time.
        {"commas after an endless height",
         endlessHeight,
         Field::Massa,
         commas,
         ActionResult::Kind::Done,
         {{Field::Massa, "1,"}, {Field::Oboroti, "0"}}},
        {"longest letters",
         {},
         Field::Wirina,
         letters,
         ActionResult::Kind::Failed,
         {{Field::FullMassa, "2,5"}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RecordingServices services;
        TForm1 form(services.services());
        UserInput input(form);
        ASSERT_EQ(input.start().kind, ActionResult::Kind::Done);
        for (const auto& [field, text] : row.setup)
            ASSERT_EQ(input.replace(field, text).kind, ActionResult::Kind::Done);
        EXPECT_EQ(input.replace(row.field, row.pasted).kind, row.outcome);
        for (const auto& [field, text] : row.shows)
            EXPECT_EQ(static_cast<const EditField&>(form.control(field)).text(), text)
                << fieldName(field);
    }
}

} // namespace
} // namespace kavro
