// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_fixture.h"

namespace kavro {
namespace {

using Names = std::vector<std::string>;

class ProfileChoice : public testing::FormTest {
protected:
    void SetUp() override { startUp(); }
};

TEST_F(ProfileChoice, AMakerFillsTheTypesAndGreysTheValuesWithoutRecalculating) {
    EXPECT_EQ(traceOf([&] { ok(input.pick(Field::Profil, 0)); }), Names{"ProfilChange"});
    const auto& items = form.TipProfilya.items();
    ASSERT_EQ(items.size(), 22u);
    EXPECT_EQ(items.front() + " " + items.back(), "AR/377 AER84");
    EXPECT_TRUE(form.TipProfilya.enabled());
    EXPECT_EQ(form.TipProfilya.itemIndex(), -1);
    EXPECT_FALSE(form.Tolwina.enabled());
    EXPECT_FALSE(form.Massa.enabled());
    EXPECT_EQ(form.Tolwina.text() + " " + form.Massa.text(), "2 1");
}

TEST_F(ProfileChoice, ATypeCopiesItsValuesAndAnotherMakerKeepsThem) {
    ok(input.pick(Field::Profil, 0));
    const Names trace = traceOf([&] { ok(input.pick(Field::TipProfilya, 2)); }); // AR/40
    EXPECT_EQ(form.Tolwina.text() + " " + form.Massa.text(), "9 3,35");
    EXPECT_EQ(Names(trace.begin(), trace.begin() + 2),
              (Names{"TipProfilyaChange", "TolwinaChange"}));
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "PodborPrivoda"), 3);
    EXPECT_EQ(form.FullMassa.text(), "7,2");

    ok(input.pick(Field::Profil, 1));
    EXPECT_EQ(form.TipProfilya.items().front() + " " + form.TipProfilya.items().back(),
              "RHS22 RHE84M");
    EXPECT_EQ(form.TipProfilya.itemIndex(), -1);
    ok(input.pick(Field::Profil, 2)); // Другой
    EXPECT_FALSE(form.TipProfilya.enabled());
    EXPECT_TRUE(form.TipProfilya.items().empty());
    EXPECT_TRUE(form.Tolwina.enabled());
    EXPECT_TRUE(form.Massa.enabled());
    EXPECT_EQ(form.Tolwina.text() + " " + form.Massa.text(), "9 3,35");
}

// A type whose values are already shown, or a text that names no type,
// changes no value: only the selection runs.
TEST_F(ProfileChoice, ATypeThatChangesNoValueOnlySelects) {
    const Names selectionOnly = {"TipProfilyaChange", "PodborPrivoda", "PodborAcc"};
    ok(input.pick(Field::Profil, 1));
    ok(input.pick(Field::TipProfilya, 3)); // RH41N 8,6 / 2,19
    EXPECT_EQ(traceOf([&] { ok(input.pick(Field::TipProfilya, 3)); }), selectionOnly);
    ok(input.pick(Field::Profil, 0));
    form.TipProfilya.setText("AR/3"); // the first letters of a type
    EXPECT_EQ(traceOf([&] { form.TipProfilyaChange(); }), selectionOnly);
    EXPECT_EQ(form.Tolwina.text(), "8,6");
}

} // namespace
} // namespace kavro
