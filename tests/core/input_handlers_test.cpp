// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_fixture.h"

namespace kavro {
namespace {

class InputHandlers : public testing::FormTest {
protected:
    void SetUp() override { startUp(); }
};

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

TEST_F(InputHandlers, EmptyingTheHeightZeroesTheResultsUntilItIsLeft) {
    ok(input.selectAll(Field::Visota));
    ok(input.backspace(Field::Visota));
    for (const EditField* f : {&form.Moment, &form.Oboroti, &form.MaxDiametr, &form.FullMassa})
        EXPECT_EQ(f->text(), "0") << fieldName(f->id());
    EXPECT_EQ(form.Vremya.text(), "0 мин 0 сек");
    EXPECT_EQ(form.Spisok.cell(1, 1), "MR 40 Ebro"); // the list stays
    EXPECT_EQ(traceOf([&] { ok(input.focus(Field::Wirina)); }).front(), "VisotaExit");
    EXPECT_EQ(form.Visota.text(), "1000");
    EXPECT_EQ(form.FullMassa.text(), "1,5");
}

// An emptied field shows "0" as its torque until it is left, and leaving it
// puts back its own default.
TEST_F(InputHandlers, EveryEmptiedFieldGetsItsOwnDefaultBackOnLeaving) {
    const struct {
        Field field;
        const char *massWhileEmpty, *putBack;
    } rows[] = {{Field::Visota, "0", "1000"},
                {Field::Wirina, "0", "1000"},
                {Field::Tolwina, "2,5", "1"},
                {Field::Massa, "2,5", "0,3"}, // the weight keeps the mass
                {Field::NizhniyProfil, "2,5", "0,5"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(fieldName(row.field));
        testing::StartedWindow w;
        ok(w.input.selectAll(row.field));
        ok(w.input.backspace(row.field));
        EXPECT_EQ(w.form.Moment.text(), "0");
        EXPECT_EQ(w.form.FullMassa.text(), row.massWhileEmpty);
        ok(w.input.focus(Field::Profil));
        EXPECT_EQ(static_cast<EditField&>(w.form.control(row.field)).text(), row.putBack);
    }
}

} // namespace
} // namespace kavro
