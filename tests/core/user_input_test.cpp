// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_fixture.h"

namespace kavro {
namespace {

using Kind = ActionResult::Kind;

class UserActions : public testing::FormTest {
protected:
    void SetUp() override { startUp(); }
};

// A disabled control is refused before the action's kind or arguments are
// looked at; the focus stays where it was.
TEST_F(UserActions, DisabledAndUnsuitableControlsRefuseWithoutMovingTheFocus) {
    const struct {
        ActionResult result;
        const char* reason;
    } rows[] = {
        {input.type(Field::FullMassa, "5"), "FullMassa is disabled"},
        {input.pick(Field::TipProfilya, 0), "TipProfilya is disabled"},
        {input.type(Field::Profil, "x"), "Profil is pick-only"},
        {input.placeCaret(Field::Profil, 0), "Profil is pick-only"},
        {input.check(Field::NHK), "NHK is disabled"},
        {input.click(Field::Kreplenie, 2), "Kreplenie is disabled"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.result.kind, Kind::Refused) << row.reason;
        EXPECT_EQ(row.result.text, row.reason);
    }
    EXPECT_EQ(form.focus(), Field::Profil);
}

TEST_F(UserActions, AFailingExitHandlerCancelsTheActionAndKeepsTheFocus) {
    EXPECT_EQ(input.paste(Field::NizhniyProfil, "x").kind, Kind::Failed);
    ok(input.replace(Field::Visota, ""));
    // Leaving Visota puts 1000 back, whose chain stumbles on the pasted text.
    const ActionResult r = input.click(Field::Montazh, 1);
    EXPECT_EQ(r.text, "'0,5x' is not a valid floating point value.");
    EXPECT_EQ(form.focus(), Field::Visota);
    EXPECT_EQ(form.Visota.text(), "1000");
    EXPECT_EQ(form.Montazh.itemIndex(), 0);
}

TEST_F(UserActions, StartUpRunsOnlyOnce) {
    EXPECT_TRUE(traceOf([&] { ok(input.start()); }).empty());
}

TEST_F(UserActions, EditsWorkOnTheCaretAndTheSelectionInCharacters) {
    ok(input.placeCaret(Field::Wirina, 1));
    ok(input.type(Field::Wirina, "5"));
    EXPECT_EQ(form.Wirina.text(), "15000");
    ok(input.select(Field::Wirina, 1, 3));
    ok(input.backspace(Field::Wirina));
    EXPECT_EQ(form.Wirina.text(), "10");
    EXPECT_EQ(input.replace(Field::Diametr, "ф60").kind, Kind::Failed);
    ok(input.placeCaret(Field::Diametr, 1));
    ok(input.backspace(Field::Diametr, 3)); // only one character stands before the caret
    EXPECT_EQ(form.Diametr.text(), "60");
    EXPECT_EQ(form.Diametr.itemIndex(), 1);
    // An error drops the rest of the typed text.
    EXPECT_EQ(input.type(Field::Diametr, "x5").kind, Kind::Failed);
    EXPECT_EQ(form.Diametr.text(), "x60");
}

// Without a limit a long paste nests one change handler per character.
TEST_F(UserActions, TextsStopAtTheLengthLimit) {
    ok(input.replace(Field::Diametr, std::string(1000, '7')));
    EXPECT_EQ(form.Diametr.length(), 255u);
    ok(input.type(Field::Diametr, "8"));
    EXPECT_EQ(form.Diametr.text(), std::string(255, '7'));
    EXPECT_EQ(form.MaxDiametr.text(), "7,77777777777778E254"); // one turn of a huge shaft
}

TEST_F(UserActions, ControlCharactersDoNotEnterTheShaftText) {
    ok(input.type(Field::Diametr, "\t\x7f"));
    EXPECT_EQ(form.Diametr.text(), "40");
    ok(input.type(Field::Diametr, "\b"));
    EXPECT_EQ(form.Diametr.text(), "4");
}

// Delete at the text's end and over a selection; the keypad's point is a
// comma that passes the key filter, so a second one changes nothing.
TEST_F(UserActions, DeleteAndTheKeypadsPointEditAsTheKeysWould) {
    ok(input.replace(Field::Wirina, "1,5"));
    ok(input.deleteForward(Field::Wirina)); // the caret stands at the end
    ok(input.typeDecimalSeparator(Field::Wirina));
    EXPECT_EQ(form.Wirina.text(), "1,5");
    ok(input.select(Field::Wirina, 1, 1));
    ok(input.deleteForward(Field::Wirina));
    EXPECT_EQ(form.Wirina.text(), "15");
    ok(input.placeCaret(Field::Wirina, 1));
    ok(input.typeDecimalSeparator(Field::Wirina));
    EXPECT_EQ(form.Wirina.text(), "1,5");
    EXPECT_EQ(input.deleteForward(Field::Profil).text, "Profil is pick-only");
}

// The next key skips what cannot take the focus (the crank and the results
// at start) and goes round from the last control to the first.
TEST_F(UserActions, TheNextKeyFollowsTheFocusOrder) {
    for (const auto& [from, to] : {std::pair{Field::Wirina, Field::Massa},
                                   {Field::Kreplenie, Field::Button1},
                                   {Field::TabControl1, Field::Profil}}) {
        ok(input.focusNext(from));
        EXPECT_EQ(form.focus(), to) << fieldName(from);
    }
}

} // namespace
} // namespace kavro
