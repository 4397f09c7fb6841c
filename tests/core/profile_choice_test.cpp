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

// The types' lists and the values they copy are in the Alutech example's
// dump; here the order of the handlers and what another maker keeps.
TEST_F(ProfileChoice, AMakerFillsTheTypesWithoutRecalculatingAndKeepsTheValues) {
    EXPECT_EQ(traceOf([&] { ok(input.pick(Field::Profil, 0)); }), Names{"ProfilChange"});
    EXPECT_EQ(form.TipProfilya.itemIndex(), -1);
    const Names trace = traceOf([&] { ok(input.pick(Field::TipProfilya, 2)); }); // AR/40
    EXPECT_EQ(Names(trace.begin(), trace.begin() + 2),
              (Names{"TipProfilyaChange", "TolwinaChange"}));
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "PodborPrivoda"), 3);

    ok(input.pick(Field::Profil, 1));
    EXPECT_EQ(form.TipProfilya.items().front() + " " + form.TipProfilya.items().back(),
              "RHS22 RHE84M");
    EXPECT_EQ(form.TipProfilya.itemIndex(), -1);
    EXPECT_FALSE(form.Tolwina.enabled());
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
