// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/platform/word_processor.h"
#include "report/docx_launcher.h"
#include "report/file_destination.h"
#include "report/report_file_name.h"
#include "report/temp_folder_destination.h"
#include "temp_folder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace kavro {
namespace {

std::string contentOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::tm decemberSixth() {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 6;
    t.tm_hour = 15;
    t.tm_min = 30;
    t.tm_sec = 5;
    return t;
}

class RecordingOpener : public DocumentOpener {
public:
    bool open(const std::filesystem::path& file) override {
        opened.push_back(file);
        return opens;
    }
    bool opens = true;
    std::vector<std::filesystem::path> opened;
};

// The message of a failed delivery; empty when the report was delivered.
std::string failureOf(ReportDestination& destination) {
    try {
        destination.deliver("docx");
    } catch (const ReportNotDelivered& e) {
        return e.what();
    }
    return {};
}

class TempFolderDelivery : public testing::Test {
protected:
    TempFolderDelivery() : destination(folder.path(), opener, decemberSixth) {}

    test::TempFolder folder;
    RecordingOpener opener;
    TempFolderDestination destination;
};

// A fresh file per report, opened; a name that is taken, the user's own
// file included, is never overwritten.
TEST_F(TempFolderDelivery, WritesAFreshFileAndOpensIt) {
    const auto taken = folder / "Подбор привода 2026-12-06 15-30-05.docx";
    std::ofstream(taken) << "the user's own";
    destination.deliver("first");
    destination.deliver("second");
    const auto first = folder / "Подбор привода 2026-12-06 15-30-05 (2).docx";
    EXPECT_EQ(contentOf(taken), "the user's own");
    EXPECT_EQ(contentOf(first), "first");
    EXPECT_EQ(contentOf(folder / "Подбор привода 2026-12-06 15-30-05 (3).docx"), "second");
    EXPECT_EQ(opener.opened.front(), first);
    EXPECT_EQ(opener.opened.size(), 2u);
    EXPECT_EQ(destination.lastFile(), folder / "Подбор привода 2026-12-06 15-30-05 (3).docx");
}

TEST_F(TempFolderDelivery, AFileNoApplicationOpensIsReportedWithWhereItIs) {
    opener.opens = false;
    const auto file = folder / "Подбор привода 2026-12-06 15-30-05.docx";
    EXPECT_EQ(failureOf(destination),
              "Отчёт записан в файл «" + file.string() +
                  "», но ни одна программа не открыла его. Откройте файл вручную");
    EXPECT_EQ(contentOf(file), "docx");
}

TEST_F(TempFolderDelivery, AFolderThatIsGoneIsReportedAndNothingIsOpened) {
    TempFolderDestination gone(folder / "gone", opener, decemberSixth);
    const auto file = folder / "gone" / "Подбор привода 2026-12-06 15-30-05.docx";
    EXPECT_EQ(failureOf(gone),
              "Не удалось записать отчёт в файл «" + file.string() + "»: такой папки нет");
    EXPECT_TRUE(opener.opened.empty());
    EXPECT_FALSE(std::filesystem::exists(folder / "gone"));
}

TEST_F(TempFolderDelivery, GivesUpWhenEveryNameOfTheSecondIsTaken) {
    for (int n = 1; n <= 100; ++n)
        std::ofstream(folder / reportFileName(decemberSixth(), n)) << n;
    EXPECT_EQ(failureOf(destination), "Не удалось записать отчёт: в папке «" +
                                          folder.path().string() +
                                          "» нет свободного имени для файла");
    EXPECT_EQ(contentOf(folder / reportFileName(decemberSixth(), 1)), "1");
}

TEST(FileDelivery, ReplacesTheNamedFileWhole) {
    test::TempFolder folder;
    const auto file = folder / "отчёт с пробелами.docx";
    std::ofstream(file) << "an older and much longer report";
    FileDestination(file).deliver("new");
    EXPECT_EQ(contentOf(file), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(FileDelivery, AFailureLeavesWhatWasThereAndNoTemporaryFile) {
    test::TempFolder folder;
    const auto taken = folder / "report.docx";
    std::filesystem::create_directory(taken);
    std::ofstream(taken / "inside") << "kept";
    FileDestination destination(taken);
    EXPECT_EQ(failureOf(destination),
              "Не удалось записать отчёт в файл «" + taken.string() + "»: это папка");
    EXPECT_EQ(contentOf(taken / "inside"), "kept");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(ReportTemplatePath, PrefersTheTemplateBesideTheProgramOverTheInstalledOne) {
    test::TempFolder program, data;
    // Without any template: a file beside the program that is not there.
    std::filesystem::create_directory(data / "KavroBlank.docx");
    EXPECT_EQ(reportTemplatePath(program.path(), data.path()), program / "KavroBlank.docx");
    EXPECT_EQ(reportTemplatePath({}, {}), std::filesystem::path());
    std::filesystem::remove(data / "KavroBlank.docx");

    std::ofstream(data / "KavroBlank.docx") << "installed";
    EXPECT_EQ(reportTemplatePath(program.path(), data.path()), data / "KavroBlank.docx");
    EXPECT_EQ(reportTemplatePath({}, data.path()), data / "KavroBlank.docx");
    std::ofstream(program / "KavroBlank.docx") << "beside";
    EXPECT_EQ(reportTemplatePath(program.path(), data.path()), program / "KavroBlank.docx");
}

} // namespace
} // namespace kavro
