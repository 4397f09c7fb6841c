// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report_printing.h"
#include "window_fixture.h"

#include <QDialog>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace kavro::window {
namespace {

using ReportPrintingTest = WindowFixture;

// The preview runs its own modal loop, closed by a timer so that it never
// waits for a person. The report is typed without touching the window.
TEST_F(ReportPrintingTest, PreviewShowsTheReportAndLeavesTheWindowAsItWas) {
    const nlohmann::ordered_json before = shownState();
    int pages = -1;
    ReportPrinting printing(&window(), form(), {.runPreview = [&pages](QPrintPreviewDialog& d) {
        QTimer::singleShot(0, &d, &QDialog::reject);
        d.exec();
        pages = d.findChild<QPrintPreviewWidget*>()->pageCount();
    }});
    printing.preview();
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(shownState(), before);
    EXPECT_EQ(form().services().wordProcessor, &wordProcessor_);
}

// The user's answer to the file dialog (empty: cancelled), the file that
// then holds the PDF, and the end of the message box text, if any.
TEST_F(ReportPrintingTest, ExportWritesWhereTheUserSaidOrTellsWhy) {
    const std::vector<std::tuple<QString, QString, QString>> cases = {
        {QStringLiteral("отчёт.pdf"), QStringLiteral("отчёт.pdf"), {}},
        {QStringLiteral("отчёт"), QStringLiteral("отчёт.pdf"), {}},
        {{}, {}, {}},
        {QStringLiteral("нет/отчёт.pdf"), {}, QStringLiteral("»: такой папки нет.")},
    };
    for (const auto& row : cases) {
        // Named copies: a lambda cannot capture a structured binding in clang 14.
        const auto& [answer, written, told] = row;
        const QString reply = answer;
        SCOPED_TRACE(answer.toStdString());
        QTemporaryDir folder;
        QString offered;
        ReportPrinting printing(&window(), form(), {.askFileName = [&](QWidget*, const QString& s) {
            offered = s;
            return reply.isEmpty() ? reply : folder.filePath(reply);
        }});
        const std::size_t boxes = shownBoxes_.size();
        expectMessageBoxes(told.isEmpty() ? 0 : 1);
        printing.exportPdf();
        EXPECT_TRUE(offered.endsWith(QStringLiteral(".pdf")) &&
                    offered.contains(QStringLiteral("/Подбор привода 20")));
        QFile file(folder.filePath(written));
        EXPECT_EQ(!written.isEmpty() && file.open(QIODevice::ReadOnly) &&
                      file.readAll().startsWith("%PDF-"),
                  !written.isEmpty());
        EXPECT_EQ(shownBoxes_.size() > boxes ? shownBoxes_.back().text : QString(),
                  told.isEmpty() ? QString()
                                 : QStringLiteral("Не удалось записать отчёт в файл «") +
                                       folder.filePath(answer) + told);
    }
}

} // namespace
} // namespace kavro::window
