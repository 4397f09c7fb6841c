// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/order/opening_calculator.h"

#include <functional>
#include <gtest/gtest.h>

namespace kavro {
namespace {

const std::string kNotOffered = " не подходит для этого проёма и не входит в список рекомендуемых";

// Everything the window does not offer or take is said in words; the
// results are still there.
TEST(OpeningCalculator, ReportsWhatTheWindowDoesNotTake) {
    using Edit = std::function<void(Opening&, OpeningInputs&)>;
    const std::vector<std::tuple<const char*, Edit, std::vector<std::string>>> cases = {
        {"Count0",
         [](Opening& o, auto&) { o.count = 0; },
         {"Количество проёмов 0 вне пределов 1–999"}},
        {"Count1000",
         [](Opening& o, auto&) { o.count = 1000; },
         {"Количество проёмов 1000 вне пределов 1–999"}},
        {"NarrowDriveOnAWideCurtain",
         [](Opening& o, auto&) { o.drive = "4100045"; },
         {"Привод 4100045 «MR 40 Ebro S»" + kNotOffered}},
        {"TypeOfAnotherMaker",
         [](auto&, OpeningInputs& in) { in.profile = "Alutech", in.profileType = "RH39"; },
         {"Тип профиля «RH39» не входит в список типов профиля Alutech"}},
        {"RadioChoicesOutOfRange",
         [](auto&, OpeningInputs& in) { in.mounting = 2, in.control = -1, in.fixing = 3; },
         {"Монтаж: нет варианта с номером 2", "Управление: нет варианта с номером -1",
          "Крепление: нет варианта с номером 3"}},
        {"FastlinkOffTheSixtyShaft",
         [](auto&, OpeningInputs& in) { in.shaft = "70", in.fixing = 2; },
         {"Крепление «Ригель Kavro Fastlink» недоступно при диаметре вала 70 мм"}},
        {"TypeSetsItsThickness",
         [](auto&, OpeningInputs& in) {
             in.profile = "Alutech", in.profileType = "AR/40", in.specificWeight = "3,35";
         },
         {"Толщина профиля: окно показывает «9» вместо «2»"}},
        {"HeightNoNumber",
         [](auto&, OpeningInputs& in) { in.height = "abc"; },
         {"Расчёт остановлен ошибкой: 'abc' is not a valid floating point value."}},
        {"QuantityZeroWantsNothing",
         [](Opening& o, auto&) {
             o.accessories = {{"4200001", 999}, {"4200009", 0}};
         },
         {}},
        {"AccessoryNotOffered",
         [](Opening& o, auto&) {
             o.accessories = {{"4200003", 1}, {"4200009", 1}};
         },
         {"Аксессуар 4200009 «Крепление для приводов KX 50,60 с пластиной 100х100 (крышка "
          "роллеты более 250 мм)» не подходит к приводу 4100042 «MR 40 Ebro» и не входит в "
          "список аксессуаров"}},
    };
    for (const auto& [name, edit, problems] : cases) {
        SCOPED_TRACE(name);
        Opening opening;
        edit(opening, opening.inputs);
        const OpeningResults results = OpeningCalculator::compute(opening);
        EXPECT_EQ(results.problems, problems);
        EXPECT_FALSE(results.mass.empty());
    }
}

// A drive not offered leaves the window's own first one in effect; a chosen
// one further down takes effect with its speed and accessories.
TEST(OpeningCalculator, TheDriveInEffect) {
    Opening opening;
    opening.inputs.shaft = "70";
    opening.inputs.width = "1500";
    opening.drive = "4100045";
    const OpeningResults own = OpeningCalculator::compute(opening);
    ASSERT_GE(own.drives.size(), 2u);
    EXPECT_EQ(own.driveArticle, own.drives[0][0]);

    const auto& last = own.drives.back();
    opening.drive = last[0];
    const OpeningResults chosen = OpeningCalculator::compute(opening);
    EXPECT_EQ(chosen.driveRow, static_cast<int>(own.drives.size()) - 1);
    EXPECT_EQ(chosen.speed, last[4]);
    EXPECT_NE(chosen.accessories, own.accessories); // adapter 13 is for 50 mm motors only
}

} // namespace
} // namespace kavro
