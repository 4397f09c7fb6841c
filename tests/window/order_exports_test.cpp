// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The order's spreadsheets and report from the Файл menu: an import with a
// fault takes nothing; the exports carry what the order's own computation
// gives for each opening, also for the opening the form shows.

#include "core/order/opening_calculator.h"
#include "order_window_fixture.h"
#include "orderio/openings_export.h"
#include "orderio/order_file.h"
#include "qt_text.h"

#include <QFile>

namespace kavro::window {
namespace {

class OrderExportsTest : public OrderWindowFixture {
protected:
    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readFile(const QString& name) {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        return file.readAll();
    }
};

const QByteArray kHeader = "Проём;Количество;Ширина полотна, мм\n";

TEST_F(OrderExportsTest, AnImportWithAFaultTakesNothingAndSaysWhere) {
    typeInto(Field::Wirina, QStringLiteral("1300"));
    const Order before = window().document().order();
    writeFile(QStringLiteral("bad.csv"), kHeader + "Кухня;1;1200\nГараж;1000;2400\n");
    chooseFile(path(QStringLiteral("bad.csv")));
    expectErrors(1);
    trigger("actionImportCsv");
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_TRUE(errors_[0].contains(QStringLiteral("bad.csv")));
    EXPECT_TRUE(errors_[0].contains(QStringLiteral("Количество"))) << errors_[0].toStdString();
    EXPECT_EQ(window().document().order(), before);
}

TEST_F(OrderExportsTest, ImportedOpeningsReplaceOnlyALoneBlankOne) {
    writeFile(QStringLiteral("two.csv"), kHeader + "Кухня;1;1200\nГараж;2;2400\n");
    chooseFile(path(QStringLiteral("two.csv")));
    trigger("actionImportCsv");
    ASSERT_EQ(window().document().size(), 2u) << "the blank opening gave way";
    EXPECT_EQ(window().document().opening(1).location, "Гараж");
    EXPECT_EQ(window().document().current(), 0u);
    expectListAndFormInStep();

    chooseFile(path(QStringLiteral("two.csv")));
    trigger("actionImportCsv");
    ASSERT_EQ(window().document().size(), 4u);
    EXPECT_EQ(window().document().current(), 2u) << "the first imported";
    expectListAndFormInStep();
}

TEST_F(OrderExportsTest, ExportsCarryWhatTheOrdersOwnComputationGives) {
    // The current opening's results come from the form; the others' are
    // computed. A drive pressed in the form must reach the spreadsheet.
    typeInto(Field::Diametr, QStringLiteral("60"));
    typeInto(Field::Wirina, QStringLiteral("1800"));
    clickDriveRow(2);
    trigger("actionAddOpening");
    typeInto(Field::Wirina, QStringLiteral("700"));
    chooseOpening(0);

    chooseFile(path(QStringLiteral("openings.csv")));
    trigger("actionExportCsv");
    std::vector<OpeningResults> computed;
    for (const Opening& opening : window().document().order().openings)
        computed.push_back(OpeningCalculator::compute(opening));
    const std::string expected = exportOpenings(window().document().order(), computed);
    EXPECT_EQ(readFile(QStringLiteral("openings.csv")).toStdString(), expected);

    chooseFile(path(QStringLiteral("parts.csv")));
    trigger("actionExportPartsCsv");
    EXPECT_TRUE(readFile(QStringLiteral("parts.csv"))
                    .contains(QByteArray::fromStdString(computed[0].driveArticle)));

    chooseFile(path(QStringLiteral("report.docx")));
    trigger("actionOrderReport");
    EXPECT_TRUE(readFile(QStringLiteral("report.docx")).startsWith("PK")) << "a Word document";

    chooseFile(path(QStringLiteral("no-folder/openings.csv")));
    expectErrors(1);
    trigger("actionExportCsv");
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_TRUE(errors_[0].contains(QStringLiteral("openings.csv")));
}

} // namespace
} // namespace kavro::window
