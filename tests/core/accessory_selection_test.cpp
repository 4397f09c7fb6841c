// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_fixture.h"

namespace kavro {
namespace {

// The accessory numbers NN of the articles 42000NN listed, in grid order.
std::string accessoryNumbers(const std::vector<std::string>& articles) {
    std::string numbers;
    for (const std::string& article : articles) {
        const bool ours = article.size() == 7 && article.starts_with("42000");
        numbers += (numbers.empty() ? "" : " ") +
                   (ours ? std::to_string(std::stoi(article.substr(5))) : article);
    }
    return numbers;
}

class AccessorySelection : public testing::FormTest {};

// The shaft, fixing and crank as chosen, then the required torque and the
// chosen drive exactly as given.
TEST_F(AccessorySelection, ListsTheRulesAccessoriesInOrder) {
    const struct {
        const char *name, *diametr;
        int kreplenie;
        const char *moment, *wirina, *motorSize, *driveTorque;
        bool nhk;
        const char* expected;
    } rows[] = {
        {"shaft 40", "40", 0, "1", "1000", "40", "4", false, "1 2 3"},
        {"Fastlink at exactly 35", "60", 2, "35", "1000", "50", "40", false, "4 5 6 7 8"},
        {"heavy and 799 wide", "60", 0, "35,01", "799", "50", "40", false, "4 5 9 10"},
        {"800 wide without kit", "60", 0, "35,01", "800", "50", "40", false, "4 5 9"},
        {"400 wide with kit", "60", 0, "35,01", "400", "50", "40", false, "4 5 9 10"},
        {"shaft 70 size 50", "70", 0, "12", "1000", "50", "10", false, "11 12 13 8"},
        {"shaft 70 rated 120", "70", 0, "40", "1000", "60", "120", false, "11 12 9 14"},
        {"shaft 70 rated 100", "70", 0, "40", "1000", "60", "100", false, "11 12 9 14"},
        {"shaft 70 rated 55", "70", 0, "40", "1000", "60", "55", false, "11 12 9"},
        {"shaft 102 at 85", "102", 0, "85", "1000", "60", "100", false, "15 16 9"},
        {"shaft 102 above 85", "102", 0, "85,01", "1000", "60", "100", false, "15 16 9 14"},
        {"crank on 60", "60", 0, "20", "1000", "50", "25", true, "4 5 8 17 18 19 20 21 22 23 24"},
        {"crank on unknown shaft", "50", 0, "20", "1000", "50", "25", true,
         "17 18 19 20 21 22 23 24"},
        {"no drive chosen", "60", 0, "20", "1000", "", "", true, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        testing::StartedWindow w;
        ok(w.input.replace(Field::Diametr, row.diametr));
        ok(w.input.click(Field::Kreplenie, row.kreplenie));
        if (row.nhk)
            ok(w.input.check(Field::NHK));
        ok(w.input.replace(Field::Wirina, row.wirina));
        w.form.Moment.setText(row.moment);
        w.form.DiametrPrivoda = row.motorSize;
        w.form.MomentPrivoda = row.driveTorque;
        w.form.PodborAcc();
        EXPECT_EQ(accessoryNumbers(column(w.form.SpisokAcc, 0)), row.expected);
    }
}

} // namespace
} // namespace kavro
