// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/input/user_input.h"
#include "core/platform/recording_services.h"
#include "core/platform/recording_word_processor.h"
#include "core/tform1.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace kavro {
namespace {

using Calls = std::vector<std::string>;

// A started window whose report button types into a recording word
// processor.
class ReportTyping : public testing::Test {
protected:
    ReportTyping() : form(servicesWithWord()), input(form) { input.start(); }

    Services servicesWithWord() {
        Services services = recorders.services("kavro");
        services.wordProcessor = &word;
        return services;
    }

    Calls report() {
        word.calls.clear();
        EXPECT_EQ(input.clickButton(Field::Button1).kind, ActionResult::Kind::Done);
        return word.calls;
    }

    // The calls that write into the cells and rows of `table`, without the
    // table number ("addRow", "setCellText: 2 1 4100042").
    static Calls tableCalls(const Calls& calls, int table) {
        Calls found;
        const std::string number = std::to_string(table);
        for (const std::string& call : calls) {
            for (const char* operation :
                 {"setTableStyle", "addRow", "setCellText", "setCellBold", "setCellAlignment"}) {
                const std::string head = std::string(operation) + ": " + number;
                if (call == head)
                    found.push_back(operation);
                else if (call.starts_with(head + " "))
                    found.push_back(std::string(operation) + ": " + call.substr(head.size() + 1));
            }
        }
        return found;
    }

    static Calls typed(const Calls& calls) {
        Calls found;
        for (const std::string& call : calls)
            if (call.starts_with("typeText: "))
                found.push_back(call.substr(10));
        return found;
    }

    RecordingServices recorders;
    RecordingWordProcessorLauncher word;
    TForm1 form;
    UserInput input;
};

TEST_F(ReportTyping, TypesTheWholeReportInOrderWithItsFormatting) {
    const Calls expected = {
        "openTemplate",
        "setAlignment: Center",
        "setBold: true",
        "setFontSize: 14",
        "typeText: Программный продукт \"KAVRO Подбор привода v.1.1\"",
        "typeText: \r\n ",
        "setFontSize: 12",
        "setBold: true",
        "typeText: \r\nНачальные данные",
        "setAlignment: Left",
        "setLineUnitAfter: 0.01",
        "setLineUnitBefore: 0.01",
        "setLineSpacing: 11",
        "setFontSize: 12",
        "setBold: false",
        "typeText: \r\nПрофиль:  Другой     Тип профиля:  ",
        "typeText: \r\nМонтаж:  Уличный",
        "typeText: \r\nДиаметр вала:  40 мм",
        "typeText: \r\nТолщина профиля:  2 мм",
        "typeText: \r\nВысота полотна:  2000 мм",
        "typeText: \r\nШирина полотна:  1000 мм",
        "typeText: \r\nУдельный вес:  1 кг/м2",
        "typeText: \r\nПрофиль концевой:  0,5 кг",
        "typeText: \r\nУправление:  Проводное PX",
        "typeText: \r\nСпособ крепления профиля к валу:  С ригелем",
        "typeText: \r\nАварийный подъем NHK:  Нет",
        "typeText: \r\n ",
        "setBold: true",
        "typeText: \r\nДанные расчета",
        "setBold: false",
        "typeText: \r\nОбщая масса:  2,5 кг",
        "typeText: \r\nВращающий момент:  1 Нм",
        "typeText: \r\nМаксимальный диаметр вала со свернутым полотном:  98 мм",
        "typeText: \r\nКоличество оборотов:  7,8",
        "typeText: \r\nСкорость вращения:  14",
        "typeText: \r\nВремя работы:  0 мин 33 сек",
        "typeText: \r\n ",
        "setBold: true",
        "typeText: \r\nРекомендуемый к установке привод",
        "setBold: false",
        "typeText: \r\n ",
        "addTable: 1 3",
        "setTableStyle: 1 Сетка таблицы",
        "setPreferredWidth: 1 1 100",
        "setPreferredWidth: 1 2 345",
        "setPreferredWidth: 1 3 80",
        "setCellBold: 1 1 1 false",
        "setCellText: 1 1 1 Артикул",
        "setCellAlignment: 1 1 1 Center",
        "setCellBold: 1 1 2 false",
        "setCellText: 1 1 2 Наименование",
        "setCellAlignment: 1 1 2 Center",
        "setCellBold: 1 1 3 false",
        "setCellText: 1 1 3 Количество",
        "setCellAlignment: 1 1 3 Center",
        "addRow: 1",
        "setCellAlignment: 1 2 1 Center",
        "setCellText: 1 2 1 4100042",
        "setCellAlignment: 1 2 2 Left",
        "setCellText: 1 2 2 MR 40 Ebro",
        "moveToEnd",
        "setAlignment: Left",
        "typeText: \r\n ",
        "setBold: true",
        "typeText: \r\nАксессуары",
        "setBold: false",
        "typeText: \r\n ",
        "addTable: 1 3",
        "setTableStyle: 2 Сетка таблицы",
        "setPreferredWidth: 2 1 100",
        "setPreferredWidth: 2 2 345",
        "setPreferredWidth: 2 3 80",
        "setCellBold: 2 1 1 false",
        "setCellText: 2 1 1 Артикул",
        "setCellAlignment: 2 1 1 Center",
        "setCellBold: 2 1 2 false",
        "setCellText: 2 1 2 Наименование",
        "setCellAlignment: 2 1 2 Center",
        "setCellBold: 2 1 3 false",
        "setCellText: 2 1 3 Количество",
        "setCellAlignment: 2 1 3 Center",
        "addRow: 2",
        "setCellAlignment: 2 2 1 Center",
        "setCellText: 2 2 1 4200001",
        "setCellAlignment: 2 2 2 Left",
        "setCellText: 2 2 2 Адаптер для 8-гранного вала SW40х0,6 мм",
        "addRow: 2",
        "setCellAlignment: 2 3 1 Center",
        "setCellText: 2 3 1 4200002",
        "setCellAlignment: 2 3 2 Left",
        "setCellText: 2 3 2 Переходник для 8-гранного вала SW40х0,6 мм",
        "addRow: 2",
        "setCellAlignment: 2 4 1 Center",
        "setCellText: 2 4 1 4200003",
        "setCellAlignment: 2 4 2 Left",
        "setCellText: 2 4 2 Комплект креплений для роллет из трёх деталей",
        "handOver",
    };
    EXPECT_EQ(report(), expected);
}

TEST_F(ReportTyping, TheCheckedCrankReadsYes) {
    input.pick(Field::Diametr, 1);
    input.check(Field::NHK);
    const Calls lines = typed(report());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "\r\nАварийный подъем NHK:  Есть"),
              lines.end());
}

TEST_F(ReportTyping, TheChosenThirdDriveFillsTheDriveTable) {
    input.pick(Field::Diametr, 1);
    ASSERT_GE(form.Spisok.rowCount(), 4);
    input.pressCell(Field::Spisok, 0, 3);
    ASSERT_EQ(form.VybrannayaStroka, 3);
    const Calls expected = {
        "setTableStyle: Сетка таблицы",
        "setCellBold: 1 1 false",
        "setCellText: 1 1 Артикул",
        "setCellAlignment: 1 1 Center",
        "setCellBold: 1 2 false",
        "setCellText: 1 2 Наименование",
        "setCellAlignment: 1 2 Center",
        "setCellBold: 1 3 false",
        "setCellText: 1 3 Количество",
        "setCellAlignment: 1 3 Center",
        "addRow",
        "setCellAlignment: 2 1 Center",
        "setCellText: 2 1 " + form.Spisok.cell(0, 3),
        "setCellAlignment: 2 2 Left",
        "setCellText: 2 2 " + form.Spisok.cell(1, 3),
    };
    EXPECT_EQ(tableCalls(report(), 1), expected);
    EXPECT_EQ(form.Spisok.cell(1, 3), "nirla 50 PX 6/17");
}

TEST_F(ReportTyping, WithoutADriveBothTablesGetOneEmptyRow) {
    input.replace(Field::Wirina, "300");
    ASSERT_TRUE(form.DiametrPrivoda.empty());
    const Calls calls = report();
    for (int table : {1, 2}) {
        const Calls written = tableCalls(calls, table);
        EXPECT_EQ(std::count(written.begin(), written.end(), "addRow"), 1) << table;
        EXPECT_NE(std::find(written.begin(), written.end(), "setCellText: 2 1 "), written.end());
        EXPECT_NE(std::find(written.begin(), written.end(), "setCellText: 2 2 "), written.end());
        EXPECT_EQ(
            std::count_if(written.begin(), written.end(),
                          [](const std::string& c) { return c.starts_with("setCellText: 2 3"); }),
            0);
    }
}

TEST_F(ReportTyping, ListsEveryAccessoryRowInGridOrderAndLeavesTheQuantityEmpty) {
    input.pick(Field::Diametr, 1);
    input.click(Field::Kreplenie, 2);
    input.check(Field::NHK);
    const int accessories = form.SpisokAcc.rowCount() - 1;
    ASSERT_EQ(accessories, 13); // 4, 5, Fastlink 6, 7, bracket 8, crank 17 to 24

    Calls expectedTexts = {"setCellText: 1 1 Артикул", "setCellText: 1 2 Наименование",
                           "setCellText: 1 3 Количество"};
    for (int row = 1; row <= accessories; ++row) {
        const std::string cell = "setCellText: " + std::to_string(row + 1) + " ";
        expectedTexts.push_back(cell + "1 " + form.SpisokAcc.cell(0, row));
        expectedTexts.push_back(cell + "2 " + form.SpisokAcc.cell(1, row));
    }
    Calls texts;
    for (const std::string& call : tableCalls(report(), 2))
        if (call.starts_with("setCellText"))
            texts.push_back(call);
    EXPECT_EQ(texts, expectedTexts);
    EXPECT_EQ(form.SpisokAcc.cell(0, 3), "4200006");
    EXPECT_EQ(form.SpisokAcc.cell(0, 13), "4200024");
}

TEST_F(ReportTyping, AMissingTemplateGivesABlankDocument) {
    word.refuse = {"openTemplate"};
    const Calls calls = report();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0], "openTemplate");
    EXPECT_EQ(calls[1], "addDocument");
    EXPECT_EQ(calls[2], "setAlignment: Center");
    EXPECT_EQ(calls.back(), "handOver");
    EXPECT_TRUE(recorders.messageBox.shown.empty());
}

// A snapshot of everything the report may read, to show that it wrote none.
std::vector<std::string> snapshot(const TForm1& form) {
    std::vector<std::string> s;
    for (const EditField* f : {&form.Tolwina, &form.Visota, &form.Wirina, &form.Massa,
                               &form.NizhniyProfil, &form.FullMassa, &form.Moment, &form.MaxDiametr,
                               &form.Oboroti, &form.Vremya, &form.Speed})
        s.push_back(f->text());
    for (const DropDown* d : {&form.Profil, &form.TipProfilya, &form.Diametr})
        s.push_back(d->text() + "#" + std::to_string(d->itemIndex()));
    for (const RadioGroup* g : {&form.Montazh, &form.Upravlenie, &form.Kreplenie})
        s.push_back(std::to_string(g->itemIndex()));
    s.push_back(form.NHK.checked() ? "NHK" : "-");
    for (const TextGrid* grid : {&form.Spisok, &form.SpisokAcc})
        for (const auto& row : grid->rows())
            for (const std::string& cell : row)
                s.push_back(cell);
    s.push_back(std::to_string(form.VybrannayaStroka) + form.DiametrPrivoda + form.MomentPrivoda);
    s.insert(s.end(), form.TabControl1.tabs().begin(), form.TabControl1.tabs().end());
    return s;
}

struct FailureCase {
    const char* name;
    bool available;
    std::vector<std::string> refuse;
    std::size_t calls; // how many calls were made
};
std::ostream& operator<<(std::ostream& out, const FailureCase& c) {
    return out << c.name;
}

class ReportFailure : public ReportTyping, public testing::WithParamInterface<FailureCase> {};

TEST_P(ReportFailure, EndsTheReportSilentlyAndChangesNothing) {
    input.pick(Field::Diametr, 1);
    input.pressCell(Field::Spisok, 1, 2);
    const std::vector<std::string> before = snapshot(form);
    word.available = GetParam().available;
    word.refuse = GetParam().refuse;
    const Calls calls = report();
    EXPECT_EQ(calls.size(), GetParam().calls);
    EXPECT_TRUE(std::find(calls.begin(), calls.end(), "handOver") == calls.end());
    EXPECT_TRUE(recorders.messageBox.shown.empty());
    EXPECT_EQ(snapshot(form), before);
    EXPECT_EQ(form.focus(), Field::Button1);
}

INSTANTIATE_TEST_SUITE_P(
    Word, ReportFailure,
    testing::Values(FailureCase{"NotInstalled", false, {}, 0},
                    FailureCase{"NoBlankDocumentEither", true, {"openTemplate", "addDocument"}, 2},
                    FailureCase{"UnknownTableStyle", true, {"setTableStyle"}, 43},
                    FailureCase{"RefusedCell", true, {"setCellText: 2 3 2"}, 91}),
    [](const auto& info) { return info.param.name; });

TEST_F(ReportTyping, AReportThatCannotBeHandedOverIsShownAndChangesNothing) {
    const std::vector<std::string> before = snapshot(form);
    word.notDelivered = "Не удалось записать отчёт";
    const ActionResult result = input.clickButton(Field::Button1);
    EXPECT_EQ(result.kind, ActionResult::Kind::Failed);
    EXPECT_EQ(result.text, "Не удалось записать отчёт.");
    ASSERT_EQ(recorders.messageBox.shown.size(), 1u);
    EXPECT_EQ(recorders.messageBox.shown[0].title, "kavro");
    EXPECT_EQ(recorders.messageBox.shown[0].text, "Не удалось записать отчёт.");
    EXPECT_EQ(snapshot(form), before);
}

TEST_F(ReportTyping, WithoutAWordProcessorTheButtonDoesNothing) {
    TForm1 bare(recorders.services("kavro"));
    UserInput bareInput(bare);
    bareInput.start();
    EXPECT_EQ(bareInput.clickButton(Field::Button1).kind, ActionResult::Kind::Done);
    EXPECT_EQ(bare.focus(), Field::Button1);
    EXPECT_TRUE(recorders.messageBox.shown.empty());
}

TEST_F(ReportTyping, TheClickLeavesTheFieldFirstSoTheReportShowsItsPutBackText) {
    input.replace(Field::Visota, "");
    std::vector<std::string_view> trace;
    form.setTrace(&trace);
    const Calls lines = typed(report());
    form.setTrace(nullptr);
    EXPECT_EQ(trace.front(), "VisotaExit");
    EXPECT_NE(std::find(trace.begin(), trace.end(), "Button1Click"), trace.end());
    EXPECT_EQ(trace.back(), "Button1Click");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "\r\nВысота полотна:  1000 мм"), lines.end());
    EXPECT_EQ(word.launches, 1);
}

} // namespace
} // namespace kavro
