// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_fixture.h"

#include <sstream>

namespace kavro {
namespace {

// "Wirina=0 Tolwina=0" as (field, text) pairs.
std::vector<std::pair<Field, std::string>> texts(const char* list) {
    std::vector<std::pair<Field, std::string>> pairs;
    std::istringstream in(list);
    for (std::string item; in >> item;) {
        const std::size_t equals = item.find('=');
        pairs.push_back({*fieldByName(item.substr(0, equals)), item.substr(equals + 1)});
    }
    return pairs;
}

// The hardest inputs an installer's clipboard can hold. Each must end at
// once (their times are in the benchmarks) with figures that belong to the
// fields, or with the error message.
TEST(WorstInputs, EndWithFiguresThatBelongToTheFields) {
    const std::string commas = "1" + std::string(UserInput::kMaxTextLength - 1, ',');
    const std::string letters(UserInput::kMaxTextLength, 'x');
    const char* endless = "Wirina=0 Diametr=0 Tolwina=0";
    const struct {
        const char *name, *setup;
        Field field;
        std::string pasted;
        bool fails;
        const char* shows;
    } rows[] = {
        {"huge height of a massless curtain", "Wirina=0", Field::Visota, "1E300", false,
         "Oboroti=0 MaxDiametr=0"},
        {"endless winding", endless, Field::Visota, "5", false, "Oboroti=0 MaxDiametr=0"},
        {"negative thickness", "Wirina=0", Field::Tolwina, "-3", false, "Oboroti=0 MaxDiametr=0"},
        {"tiny thickness", "", Field::Tolwina, "1E-300", false, "Oboroti=9,36 MaxDiametr=68"},
        {"zero shaft with strap", "", Field::Diametr, "0", false, "Moment=0,15"},
        // Each comma the normaliser takes back reruns the chain: the turn
        // count must not be redone each time.
        {"commas after an endless height", "Wirina=0 Diametr=0 Tolwina=0 Visota=1E15", Field::Massa,
         commas, false, "Massa=1, Oboroti=0"},
        {"longest letters", "", Field::Wirina, letters, true, "FullMassa=2,5"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        testing::StartedWindow w;
        for (const auto& [field, text] : texts(row.setup))
            ASSERT_EQ(w.input.replace(field, text).kind, ActionResult::Kind::Done);
        EXPECT_EQ(w.input.replace(row.field, row.pasted).kind,
                  row.fails ? ActionResult::Kind::Failed : ActionResult::Kind::Done);
        for (const auto& [field, text] : texts(row.shows))
            EXPECT_EQ(static_cast<const EditField&>(w.form.control(field)).text(), text)
                << fieldName(field);
    }
}

} // namespace
} // namespace kavro
