// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_fixture.h"

#include <ostream>

namespace kavro {
namespace {

// The hardest inputs an installer's clipboard can hold. Each must end at
// once (their times are in the benchmarks) with figures that belong to the
// fields, or with the error message.
struct WorstCase {
    const char* name;
    std::vector<std::pair<Field, std::string>> setup;
    Field field;
    std::string pasted;
    ActionResult::Kind outcome;
    std::vector<std::pair<Field, std::string>> shows;
};

std::ostream& operator<<(std::ostream& out, const WorstCase& c) {
    return out << c.name;
}

const std::vector<std::pair<Field, std::string>> kEndlessWinding = {
    {Field::Wirina, "0"}, {Field::Diametr, "0"}, {Field::Tolwina, "0"}};

class WorstInputs : public testing::FormTest, public ::testing::WithParamInterface<WorstCase> {};

TEST_P(WorstInputs, EndWithFiguresThatBelongToTheFields) {
    const WorstCase& c = GetParam();
    startUp();
    for (const auto& [field, text] : c.setup)
        ok(input.replace(field, text));
    EXPECT_EQ(input.replace(c.field, c.pasted).kind, c.outcome);
    for (const auto& [field, text] : c.shows) {
        const Control& control = form.control(field);
        const std::string& shown = field == Field::Diametr
                                       ? form.Diametr.text()
                                       : static_cast<const EditField&>(control).text();
        EXPECT_EQ(shown, text) << fieldName(field);
    }
}

const std::string kCommas = "1" + std::string(UserInput::kMaxTextLength - 1, ',');

INSTANTIATE_TEST_SUITE_P(
    Clipboard, WorstInputs,
    ::testing::Values(WorstCase{"HugeHeightOverflowsTheMass",
                                {},
                                Field::Visota,
                                "1E300",
                                ActionResult::Kind::Failed,
                                {{Field::FullMassa, "2,5"}, {Field::Moment, "1"}}},
                      WorstCase{"HugeHeightOfANarrowlessCurtain",
                                {{Field::Wirina, "0"}},
                                Field::Visota,
                                "1E300",
                                ActionResult::Kind::Done,
                                {{Field::Oboroti, "0"}, {Field::MaxDiametr, "0"}}},
                      WorstCase{"EndlessWinding",
                                kEndlessWinding,
                                Field::Visota,
                                "5",
                                ActionResult::Kind::Done,
                                {{Field::Oboroti, "0"}, {Field::MaxDiametr, "0"}}},
                      WorstCase{"NegativeThickness",
                                {{Field::Wirina, "0"}},
                                Field::Tolwina,
                                "-3",
                                ActionResult::Kind::Done,
                                {{Field::Oboroti, "0"}, {Field::MaxDiametr, "0"}}},
                      WorstCase{"TinyThickness",
                                {},
                                Field::Tolwina,
                                "1E-300",
                                ActionResult::Kind::Done,
                                {{Field::Oboroti, "9,36"}, {Field::MaxDiametr, "68"}}},
                      WorstCase{"ZeroShaftWithStrap",
                                {},
                                Field::Diametr,
                                "0",
                                ActionResult::Kind::Done,
                                {{Field::Moment, "0,15"}}},
                      WorstCase{"CommasAfterEndlessHeight",
                                {{Field::Wirina, "0"},
                                 {Field::Diametr, "0"},
                                 {Field::Tolwina, "0"},
                                 {Field::Visota, "1E15"}},
                                Field::Massa,
                                kCommas,
                                ActionResult::Kind::Done,
                                {{Field::Massa, "1,"}, {Field::Oboroti, "0"}}},
                      WorstCase{"LongestLetters",
                                {},
                                Field::Wirina,
                                std::string(UserInput::kMaxTextLength, 'x'),
                                ActionResult::Kind::Failed,
                                {{Field::FullMassa, "2,5"}}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kavro
