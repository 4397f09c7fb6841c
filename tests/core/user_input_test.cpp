// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_fixture.h"

namespace kavro {
namespace {

using Kind = ActionResult::Kind;

class UserActions : public testing::FormTest {};

TEST_F(UserActions, DisabledAndUnsuitableControlsRefuseWithoutMovingTheFocus) {
    startUp();
    const struct {
        const char* name;
        ActionResult result;
        const char* reason;
    } cases[] = {
        {"result field", input.type(Field::FullMassa, "5"), "FullMassa is disabled"},
        {"disabled list", input.pick(Field::TipProfilya, 0), "TipProfilya is disabled"},
        {"pick-only typing", input.type(Field::Profil, "x"), "Profil is pick-only"},
        {"pick-only caret", input.placeCaret(Field::Profil, 0), "Profil is pick-only"},
        {"disabled crank", input.check(Field::NHK), "NHK is disabled"},
        {"disabled radio item", input.click(Field::Kreplenie, 2), "Kreplenie is disabled"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.result.kind, Kind::Refused) << c.name;
        EXPECT_EQ(c.result.text, c.reason) << c.name;
    }
    for (const ActionResult& r :
         {input.pick(Field::Diametr, 4), input.click(Field::Montazh, -1),
          input.pressCell(Field::Spisok, 7, 1), input.pressCell(Field::Spisok, -1, 0),
          input.placeCaret(Field::Visota, 5), input.switchTab(2),
          input.backspace(Field::Wirina, -1), input.type(Field::Label27, "x"),
          input.focus(Field::Label30)})
        EXPECT_EQ(r.kind, Kind::Refused) << r.text;
    EXPECT_EQ(form.focus(), Field::Profil);
}

TEST_F(UserActions, AFailingExitHandlerCancelsTheActionAndKeepsTheFocus) {
    startUp();
    EXPECT_EQ(input.paste(Field::NizhniyProfil, "x").kind, Kind::Failed);
    ok(input.selectAll(Field::Visota));
    ok(input.backspace(Field::Visota));
    // Leaving Visota puts 1000 back, whose chain stumbles on the pasted text.
    const ActionResult r = input.click(Field::Montazh, 1);
    EXPECT_EQ(r.kind, Kind::Failed);
    EXPECT_EQ(r.text, "'0,5x' is not a valid floating point value.");
    EXPECT_EQ(form.focus(), Field::Visota);
    EXPECT_EQ(form.Visota.text(), "1000");
    EXPECT_EQ(form.Montazh.itemIndex(), 0);
}

TEST_F(UserActions, StartUpRunsOnlyOnce) {
    EXPECT_EQ(traceOf([&] { ok(input.start()); }).front(), "FormActivate");
    EXPECT_TRUE(traceOf([&] { ok(input.start()); }).empty());
}

TEST_F(UserActions, EditsWorkOnTheCaretAndTheSelectionInCharacters) {
    startUp();
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
}

TEST_F(UserActions, AnErrorDropsTheRestOfTheTypedText) {
    startUp();
    EXPECT_EQ(input.type(Field::Diametr, "x5").kind, Kind::Failed);
    EXPECT_EQ(form.Diametr.text(), "40x");
}

TEST_F(UserActions, TextsStopAtTheLengthLimit) {
    startUp();
    const std::string longText(1000, '7');
    ok(input.replace(Field::Diametr, longText));
    EXPECT_EQ(form.Diametr.length(), UserInput::kMaxTextLength);
    ok(input.type(Field::Diametr, "8"));
    EXPECT_EQ(form.Diametr.length(), UserInput::kMaxTextLength);
    EXPECT_EQ(form.Diametr.text().back(), '7');
    EXPECT_EQ(form.MaxDiametr.text(), "7,77777777777778E254"); // one turn of a huge shaft
}

TEST_F(UserActions, ControlCharactersDoNotEnterTheShaftText) {
    startUp();
    ok(input.type(Field::Diametr, "\t\x7f"));
    EXPECT_EQ(form.Diametr.text(), "40");
    ok(input.type(Field::Diametr, "\b"));
    EXPECT_EQ(form.Diametr.text(), "4");
}

TEST_F(UserActions, LinksOpenTheirAddressAndChangeNothing) {
    startUp();
    ok(input.focus(Field::Wirina));
    ok(input.clickLink(Field::Label30));
    ok(input.clickLink(Field::Label31));
    ASSERT_EQ(recorders.urlOpener.opened.size(), 2u);
    EXPECT_TRUE(recorders.urlOpener.opened[0].ends_with(".example/"));
    EXPECT_NE(recorders.urlOpener.opened[0], recorders.urlOpener.opened[1]);
    EXPECT_EQ(form.focus(), Field::Wirina);
}

} // namespace
} // namespace kavro
