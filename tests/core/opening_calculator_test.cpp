// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/order/opening_calculator.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kavro {
namespace {

struct ProblemCase {
    const char* name;
    std::function<void(Opening&)> edit;
    std::vector<std::string> problems;
};

const std::string kNotOffered = " не подходит для этого проёма и не входит в список рекомендуемых";

// Every way an opening can ask for what the window does not offer or take is
// reported in words, and the results are still there.
TEST(OpeningCalculator, ReportsWhatTheWindowDoesNotTake) {
    const std::vector<ProblemCase> cases = {
        {"CountOneAndNineHundredNinetyNineAreCounts", [](Opening& o) { o.count = 999; }, {}},
        {"CountZeroIsNoCount",
         [](Opening& o) { o.count = 0; },
         {"Количество проёмов 0 вне пределов 1–999"}},
        {"CountAThousandIsTooMany",
         [](Opening& o) { o.count = 1000; },
         {"Количество проёмов 1000 вне пределов 1–999"}},
        {"ANarrowDriveOnAWideCurtain",
         [](Opening& o) { o.drive = "4100045"; },
         {"Привод 4100045 «MR 40 Ebro S»" + kNotOffered}},
        {"ADriveTheCatalogueLacks",
         [](Opening& o) { o.drive = "KV-1"; },
         {"Привод KV-1" + kNotOffered}},
        {"AProfileTypeOfAnotherMaker",
         [](Opening& o) {
             o.inputs.profile = "Alutech";
             o.inputs.profileType = "RH39";
         },
         {"Тип профиля «RH39» не входит в список типов профиля Alutech"}},
        {"AProfileMakerNotListed",
         [](Opening& o) { o.inputs.profile = "Кросс"; },
         {"Профиль «Кросс» не входит в список профилей"}},
        {"RadioChoicesOutOfRange",
         [](Opening& o) {
             o.inputs.mounting = 2;
             o.inputs.control = -1;
             o.inputs.fixing = 3;
         },
         {"Монтаж: нет варианта с номером 2", "Управление: нет варианта с номером -1",
          "Крепление: нет варианта с номером 3"}},
        {"FastlinkOnlyOnTheSixtyShaft",
         [](Opening& o) {
             o.inputs.shaft = "70";
             o.inputs.fixing = 2;
         },
         {"Крепление «Ригель Kavro Fastlink» недоступно при диаметре вала 70 мм"}},
        {"NoCrankOnTheFortyShaft",
         [](Opening& o) { o.inputs.crank = true; },
         {"Аварийный подъем NHK недоступен при диаметре вала 40 мм"}},
        {"AnEmptyHeightIsPutBack",
         [](Opening& o) { o.inputs.height = ""; },
         {"Высота полотна: окно показывает «1000» вместо «»"}},
        {"ATypeSetsItsOwnThickness",
         [](Opening& o) {
             o.inputs.profile = "Alutech";
             o.inputs.profileType = "AR/40";
             o.inputs.specificWeight = "3,35";
         },
         {"Толщина профиля: окно показывает «9» вместо «2»"}},
        {"AHeightThatIsNoNumber",
         [](Opening& o) { o.inputs.height = "abc"; },
         {"Расчёт остановлен ошибкой: 'abc' is not a valid floating point value."}},
        {"AnOfferedAccessoryAndUnwantedOnes",
         [](Opening& o) {
             o.accessories = {{"4200001", 999}, {"4200009", 0}, {"", 0}};
         },
         {}},
        {"AnAccessoryNotOffered",
         [](Opening& o) {
             o.accessories = {{"4200009", 1}};
         },
         {"Аксессуар 4200009 «Крепление для приводов KX 50,60 с пластиной 100х100 (крышка "
          "роллеты более 250 мм)» не подходит к приводу 4100042 «MR 40 Ebro» и не входит в "
          "список аксессуаров"}},
        {"AnAccessoryQuantityOverTheLimit",
         [](Opening& o) {
             o.accessories = {{"4200002", 1000}};
         },
         {"Количество аксессуара 4200002 (1000) вне пределов 0–999"}},
        {"AnAccessoryWithoutADrive",
         [](Opening& o) {
             o.inputs.width = "399";
             o.accessories = {{"4200001", 1}};
         },
         {"Аксессуар 4200001 «Адаптер для 8-гранного вала SW40х0,6 мм» не подходит к приводу "
          "проёма и не входит в список аксессуаров"}},
    };
    for (const ProblemCase& c : cases) {
        SCOPED_TRACE(c.name);
        Opening opening;
        c.edit(opening);
        const OpeningResults results = OpeningCalculator::compute(opening);
        EXPECT_EQ(results.problems, c.problems);
        EXPECT_FALSE(results.mass.empty());
    }
}

// No drive chosen, or one not offered: the drive in effect is the window's
// own first one; a chosen one further down takes effect with its speed and
// accessories; a curtain under 400 mm has no drive in effect at all.
TEST(OpeningCalculator, TheDriveInEffect) {
    Opening opening;
    opening.inputs.shaft = "70";
    opening.inputs.width = "1500";
    const OpeningResults own = OpeningCalculator::compute(opening);
    ASSERT_GE(own.drives.size(), 2u);
    EXPECT_EQ(own.driveRow, 0);
    opening.drive = "4100045";
    EXPECT_EQ(OpeningCalculator::compute(opening).driveArticle, own.drives[0][0]);

    const auto& last = own.drives.back();
    opening.drive = last[0];
    const OpeningResults chosen = OpeningCalculator::compute(opening);
    EXPECT_EQ(chosen.driveRow, static_cast<int>(own.drives.size()) - 1);
    EXPECT_EQ(chosen.driveName, last[1]);
    EXPECT_EQ(chosen.speed, last[4]);
    EXPECT_NE(chosen.accessories, own.accessories); // adapter 13 is for 50 mm motors only

    opening.inputs.width = "399";
    const OpeningResults none = OpeningCalculator::compute(opening);
    EXPECT_TRUE(none.narrow);
    EXPECT_EQ(none.driveRow, -1);
    EXPECT_TRUE(none.drives.empty() && none.accessories.empty() && none.driveArticle.empty());
}

} // namespace
} // namespace kavro
