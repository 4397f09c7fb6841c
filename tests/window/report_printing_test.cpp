// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report_printing.h"
#include "window_fixture.h"

#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace kavro::window {
namespace {

using ReportPrintingTest = WindowFixture;

// The preview runs its own modal loop, closed by a timer: it can never wait
// for a person. The report is typed without touching the window.
TEST_F(ReportPrintingTest, PreviewShowsTheReportAndLeavesTheWindowAsItWas) {
    const nlohmann::ordered_json before = shownState();
    int pages = -1;
    ReportPrinting printing(&window(), form(),
                            {.runPreview = [&pages](QPrintPreviewDialog& dialog) {
                                QTimer::singleShot(0, &dialog, &QDialog::reject);
                                dialog.exec();
                                pages = dialog.findChild<QPrintPreviewWidget*>()->pageCount();
                            }});
    printing.preview();
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(shownState(), before);
    EXPECT_EQ(form().services().wordProcessor, &wordProcessor_);
    EXPECT_EQ(wordProcessor_.launches, 0);
}

struct ExportCase {
    const char* name;
    QString answer;  // in the test's folder; empty: the user cancels
    QString written; // the file that must hold the PDF; empty: none
    QString told;    // the message box text; empty: none
};

class ExportTest : public WindowFixture, public testing::WithParamInterface<ExportCase> {};

TEST_P(ExportTest, WritesWhereTheUserSaidOrTellsWhy) {
    QTemporaryDir folder;
    const ExportCase& c = GetParam();
    QString offered;
    ReportPrinting printing(&window(), form(),
                            {.askFileName = [&](QWidget*, const QString& suggested) {
                                offered = suggested;
                                return c.answer.isEmpty() ? QString() : folder.filePath(c.answer);
                            }});
    if (!c.told.isEmpty())
        expectMessageBoxes(1);
    printing.exportPdf();

    EXPECT_TRUE(QFileInfo(offered).fileName().startsWith(QStringLiteral("Подбор привода 20")));
    EXPECT_TRUE(offered.endsWith(QStringLiteral(".pdf")));
    if (!c.written.isEmpty()) {
        QFile file(folder.filePath(c.written));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().startsWith("%PDF-"));
    }
    if (!c.told.isEmpty()) {
        ASSERT_EQ(shownBoxes_.size(), 1u);
        EXPECT_EQ(shownBoxes_[0].text, QStringLiteral("Не удалось записать отчёт в файл «") +
                                           folder.filePath(c.answer) + c.told);
    }
    EXPECT_EQ(wordProcessor_.launches, 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, ExportTest,
                         testing::Values(ExportCase{"NamedPdf",
                                                    QStringLiteral("отчёт.pdf"),
                                                    QStringLiteral("отчёт.pdf"),
                                                    {}},
                                         ExportCase{"NameWithoutExtensionGetsPdf",
                                                    QStringLiteral("отчёт"),
                                                    QStringLiteral("отчёт.pdf"),
                                                    {}},
                                         ExportCase{"Cancelled", {}, {}, {}},
                                         ExportCase{"MissingFolder",
                                                    QStringLiteral("нет/отчёт.pdf"),
                                                    {},
                                                    QStringLiteral("»: такой папки нет.")}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kavro::window
