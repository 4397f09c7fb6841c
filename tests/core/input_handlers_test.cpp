// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_fixture.h"

namespace kavro {
namespace {

using Names = std::vector<std::string>;

// The chain that a number field's change runs when the field is not empty.
const Names kChain = {"RaschetFullMassa", "RaschetOborotov", "RaschetMomenta", "PodborPrivoda",
                      "PodborAcc"};

class InputHandlers : public testing::FormTest {
protected:
    void SetUp() override { startUp(); }
};

TEST_F(InputHandlers, KeyFilterLetsOnlyDigitsAndOneCommaThrough) {
    const struct {
        const char* typed;
        const char* text;
    } cases[] = {
        {"a", "1000"},  {"-", "1000"},  {".", "1000"},   {" ", "1000"},
        {"5", "10005"}, {",", "1000,"}, {",,", "1000,"}, {"\t", "1000"},
    };
    for (const auto& c : cases) {
        ok(input.replace(Field::Wirina, "1000"));
        ok(input.type(Field::Wirina, c.typed));
        EXPECT_EQ(form.Wirina.text(), c.text) << "typed '" << c.typed << "'";
    }
}

TEST_F(InputHandlers, ASecondTypedCommaIsDiscardedWithoutRunningAnything) {
    ok(input.replace(Field::Massa, "0,35"));
    ok(input.placeCaret(Field::Massa, 1));
    EXPECT_TRUE(traceOf([&] { ok(input.type(Field::Massa, ",")); }).empty());
    EXPECT_EQ(form.Massa.text(), "0,35");
    // A comma replacing the selected comma is no second comma.
    ok(input.select(Field::Massa, 1, 1));
    ok(input.type(Field::Massa, ","));
    EXPECT_EQ(form.Massa.text(), "0,35");
}

TEST_F(InputHandlers, APastedSecondCommaIsTakenBackOneCharacterPerLevel) {
    // A comma pasted at the end: taken back at once, the chain runs twice.
    ok(input.replace(Field::Massa, "0,3"));
    Names once = {"MassaChange", "MassaChange"};
    for (int i = 0; i < 2; ++i)
        once.insert(once.end(), kChain.begin(), kChain.end());
    EXPECT_EQ(traceOf([&] { ok(input.paste(Field::Massa, ",")); }), once);
    EXPECT_EQ(form.Massa.text(), "0,3");
    EXPECT_EQ(form.Massa.caret(), 3u);

    // A comma pasted after the leading zero of 0,35: the 5, the 3 and the
    // second comma go, and the chain runs four times.
    ok(input.replace(Field::Massa, "0,35"));
    ok(input.placeCaret(Field::Massa, 1));
    const Names trace = traceOf([&] { ok(input.paste(Field::Massa, ",")); });
    EXPECT_EQ(form.Massa.text(), "0,");
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "MassaChange"), 4);
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "PodborPrivoda"), 4);
    EXPECT_EQ(form.FullMassa.text(), "0,5"); // a trailing comma reads as 0 kg/m2
}

TEST_F(InputHandlers, EmptyingAFieldZeroesTheResultsUntilItIsLeft) {
    ok(input.selectAll(Field::Visota));
    ok(input.backspace(Field::Visota));
    for (const EditField* f : {&form.Moment, &form.Oboroti, &form.MaxDiametr, &form.FullMassa})
        EXPECT_EQ(f->text(), "0") << fieldName(f->id());
    EXPECT_EQ(form.Vremya.text(), "0 мин 0 сек");
    EXPECT_EQ(form.Spisok.cell(1, 1), "MR 40 Ebro"); // the list stays

    const Names exit = traceOf([&] { ok(input.focus(Field::Wirina)); });
    EXPECT_EQ(exit.front(), "VisotaExit");
    EXPECT_EQ(form.Visota.text(), "1000");
    EXPECT_EQ(form.FullMassa.text(), "1,5");
}

TEST_F(InputHandlers, EmptyingTheWeightKeepsTheMass) {
    ok(input.selectAll(Field::Massa));
    ok(input.backspace(Field::Massa));
    EXPECT_EQ(form.Moment.text(), "0");
    EXPECT_EQ(form.FullMassa.text(), "2,5");
    ok(input.focus(Field::Visota));
    EXPECT_EQ(form.Massa.text(), "0,3");
}

TEST_F(InputHandlers, EveryFieldPutsBackItsOwnDefault) {
    const struct {
        Field field;
        const char* putBack;
    } cases[] = {{Field::Visota, "1000"},
                 {Field::Wirina, "1000"},
                 {Field::Tolwina, "1"},
                 {Field::Massa, "0,3"},
                 {Field::NizhniyProfil, "0,5"}};
    for (const auto& c : cases) {
        ok(input.selectAll(c.field));
        ok(input.backspace(c.field));
        ok(input.focus(Field::Profil));
        EXPECT_EQ(static_cast<EditField&>(form.control(c.field)).text(), c.putBack);
    }
}

TEST_F(InputHandlers, LeavingAFilledFieldChangesNothing) {
    ok(input.focus(Field::Visota));
    EXPECT_EQ(traceOf([&] { ok(input.focus(Field::Wirina)); }), Names{"VisotaExit"});
}

TEST_F(InputHandlers, TheShaftDecidesCrankAndFastlink) {
    ok(input.pick(Field::Diametr, 1)); // 60
    EXPECT_TRUE(form.NHK.enabled());
    EXPECT_TRUE(form.Kreplenie.itemEnabled(2));
    ok(input.check(Field::NHK));
    ok(input.pick(Field::Diametr, 0)); // 40: unchecked, then disabled
    EXPECT_FALSE(form.NHK.checked());
    EXPECT_FALSE(form.NHK.enabled());
    EXPECT_FALSE(form.Kreplenie.itemEnabled(2));
    ok(input.pick(Field::Diametr, 3)); // 102: enabled again, still unchecked
    EXPECT_TRUE(form.NHK.enabled());
    EXPECT_FALSE(form.NHK.checked());
}

TEST_F(InputHandlers, LeavingFastlinkFallsBackToTheStrapFirst) {
    ok(input.pick(Field::Diametr, 1));
    ok(input.click(Field::Kreplenie, 2));
    const Names trace = traceOf([&] { ok(input.pick(Field::Diametr, 3)); });
    const Names expected = {"DiametrChange",   "KreplenieClick",  "RaschetFullMassa",
                            "RaschetOborotov", "SpeedChange",     "RaschetMomenta",
                            "PodborPrivoda",   "SpeedChange",     "PodborAcc",
                            "RaschetMomenta",  "RaschetOborotov", "PodborPrivoda",
                            "PodborAcc",       "PodborAcc"};
    EXPECT_EQ(trace, expected);
    EXPECT_EQ(form.Kreplenie.itemIndex(), 0);
}

TEST_F(InputHandlers, EachTypedShaftCharacterRunsTheShaftHandler) {
    ok(input.selectAll(Field::Diametr));
    // The empty text is no number: the shaft handler fails.
    EXPECT_EQ(input.backspace(Field::Diametr).kind, ActionResult::Kind::Failed);
    recorders.messageBox.shown.clear();
    const Names trace = traceOf([&] { ok(input.type(Field::Diametr, "60")); });
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "DiametrChange"), 2);
    EXPECT_EQ(form.Diametr.itemIndex(), 1);
    EXPECT_TRUE(form.Kreplenie.itemEnabled(2));
}

TEST_F(InputHandlers, OptionHandlersRunTheirChains) {
    EXPECT_EQ(traceOf([&] { ok(input.click(Field::Upravlenie, 1)); }),
              (Names{"UpravlenieClick", "PodborPrivoda", "PodborAcc"}));
    EXPECT_EQ(traceOf([&] { ok(input.click(Field::Montazh, 1)); }),
              (Names{"MontazhClick", "RaschetMomenta", "PodborPrivoda", "PodborAcc"}));
    EXPECT_TRUE(traceOf([&] { ok(input.click(Field::Montazh, 1)); }).empty());
}

} // namespace
} // namespace kavro
