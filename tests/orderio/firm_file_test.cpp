// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/picture_bytes.h"
#include "orderio/firm_file.h"
#include "orderio/logo_check.h"
#include "report/temp_folder.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace kavro {
namespace {

constexpr std::string_view kHead = "{\"format\": \"kavro-firm\", \"version\": 1";

FirmDetails parsed(const std::string& rest) {
    return FirmFile::parse(std::string(kHead) + rest + "}", "/firm");
}

TEST(FirmFile, RefusesWhatItCannotHoldAtItsPlace) {
    const struct {
        const char* text;
        int line;
        int column;
        const char* message;
    } rows[] = {
        {"{\"format\": \"kavro-firm\", \"version\": 1,\n \"name\": 5}", 2, 2,
         "поле «name»: ожидается текст в кавычках"},
        {"{\"format\": \"kavro-firm\", \"version\": 1,\n\n   \"inn\": \"123456789\"}", 3, 4,
         "поле «inn»: ИНН — 10 или 12 цифр"},
        {"{\"format\": \"kavro-firm\", \"version\": 1, \"kpp\": \"12345678a\"}", 1, 40,
         "КПП — 9 цифр"},
        {"{\"format\": \"kavro-firm\", \"version\": 1, \"vat\": \"120\"}", 1, 40, "больше 100"},
        {"{\"format\": \"kavro-firm\", \"version\": 1, \"installationPrice\": \"-1\"}", 1, 40,
         "отрицательное число"},
        {"{\"format\": \"kavro-firm\", \"version\": 1, \"nmae\": \"\"}", 1, 40,
         "поле «nmae»: неизвестное поле"},
        {"{\"format\": \"kavro-firm\", \"version\": 1,\n \"name\": \"a\\nb\"}", 2, 2,
         "поле «name»"},
        {"{\"format\": \"kavro-firm\",\n \"version\": 1 \"name\": \"\"}", 2, 20, "файл повреждён"},
        {"{\"format\": \"kavro-firm\", \"version\": 2}", 0, 0, "новой версии 2"},
        {"{\"format\": \"kavro-order\", \"version\": 1}", 0, 0, "это не файл реквизитов"},
        {"{\"format\": \"kavro-firm\", \"version\": 1, \"name\": \"a\", \"name\": \"b\"}", 0, 0,
         "повторяется"},
        {"{\"format\": \"kavro-firm\", \"version\": 1, \"name\": [\"a\"]}", 0, 0, "вложенность"},
    };
    for (const auto& row : rows) {
        try {
            FirmFile::parse(row.text, "/firm");
            ADD_FAILURE() << "accepted: " << row.text;
        } catch (const FirmFileError& error) {
            EXPECT_EQ(error.line(), row.line) << row.text;
            EXPECT_EQ(error.column(), row.column) << row.text;
            EXPECT_NE(std::string(error.what()).find(row.message), std::string::npos)
                << error.what();
        }
    }
}

TEST(FirmFile, KeepsEveryDetailThroughASave) {
    const test::TempFolder folder;
    FirmDetails firm;
    firm.name = "ООО «Ставни»";
    firm.address = "г. Тверь, ул. Лесная, 5";
    firm.phone = "+7 900 000-00-00";
    firm.email = "info@stavni.example";
    firm.website = "stavni.example";
    firm.inn = "690000000012";
    firm.kpp = "690001001";
    firm.logo = folder / "logo.png";
    firm.installationPrice = Money{150050};
    firm.vat = Percent{2250};
    const auto path = folder / "nested" / "kavro" / "firm.json";
    FirmFile::save(firm, path);
    EXPECT_EQ(FirmFile::read(path), firm);
    firm.vat.reset();
    FirmFile::save(firm, path);
    EXPECT_EQ(FirmFile::read(path), firm);
}

TEST(FirmFile, TakesARelativeLogoFromItsOwnFolderAndNoVatWhenUnsaid) {
    EXPECT_EQ(parsed(", \"logo\": \"logo.png\"").logo, std::filesystem::path("/firm/logo.png"));
    EXPECT_EQ(parsed(", \"logo\": \"/srv/l.jpg\"").logo, std::filesystem::path("/srv/l.jpg"));
    EXPECT_FALSE(parsed("").vat);
    EXPECT_FALSE(parsed(", \"vat\": \"нет\"").vat);
    EXPECT_EQ(parsed(", \"vat\": \"0\"").vat, Percent{0});
}

TEST(FirmFile, ReadsTheExampleWithItsLogo) {
    const FirmDetails firm = FirmFile::read(std::filesystem::path(KAVRO_EXAMPLES) / "firm.json");
    EXPECT_EQ(firm.installationPrice, Money{250000});
    EXPECT_EQ(firm.vat, Percent{2000});
    EXPECT_EQ(logoFileFault(firm.logo), std::nullopt);
    EXPECT_EQ(letterheadLines(firm).size(), 4u);
}

TEST(FirmFile, RefusesToWriteWhatItWouldRefuseToRead) {
    FirmDetails firm;
    firm.inn = "12345";
    EXPECT_THROW(FirmFile::serialize(firm), FirmFileError);
}

TEST(FirmFile, FollowsTheXdgRuleForTheUsersFile) {
    const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string keptConfig = savedConfig ? savedConfig : "";
    const struct {
        const char* config; // nullptr: unset
        const char* expected;
    } rows[] = {
        {"/cfg", "/cfg/kavro/firm.json"},
        {"", "/home/u/.config/kavro/firm.json"},
        {"relative/cfg", "/home/u/.config/kavro/firm.json"},
        {nullptr, "/home/u/.config/kavro/firm.json"},
    };
    const char* savedHome = std::getenv("HOME");
    const std::string keptHome = savedHome ? savedHome : "";
    setenv("HOME", "/home/u", 1);
    for (const auto& row : rows) {
        if (row.config)
            setenv("XDG_CONFIG_HOME", row.config, 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(userFirmFilePath(), std::filesystem::path(row.expected)) << row.expected;
    }
    setenv("HOME", keptHome.c_str(), 1);
    if (savedConfig)
        setenv("XDG_CONFIG_HOME", keptConfig.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

TEST(LogoCheck, TakesOnlyPngOrJpegUpToTwoMegabytes) {
    // Start of image, then a frame header of a 1 x 1 picture.
    const std::string jpeg("\xFF\xD8\xFF\xC0\0\x08\x08\0\x01\0\x01\x01", 12);
    const struct {
        std::string bytes;
        bool accepted;
    } rows[] = {
        {test::pngHeader(1, 1), true},
        {test::pngHeader(0, 1), false}, // no width
        {test::pngHeader(1, 1).substr(0, 28), false},
        {jpeg, true},
        {jpeg + std::string(kMaxLogoBytes - 12, '\0'), true},
        {jpeg + std::string(kMaxLogoBytes - 11, '\0'), false},
        {jpeg.substr(0, 4), false}, // no frame, no size
        {"GIF89a", false},
        {"", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(!logoFault(row.bytes), row.accepted) << row.bytes.size();
}

TEST(LogoCheck, RefusesAMissingOrOversizedFileWithoutReadingIt) {
    const test::TempFolder folder;
    EXPECT_TRUE(logoFileFault(folder / "none.png"));
    {
        std::ofstream big(folder / "big.jpg", std::ios::binary);
        big.seekp(kMaxLogoBytes);
        big.put('\0');
    }
    EXPECT_EQ(logoFileFault(folder / "big.jpg"), std::optional<std::string>("логотип больше 2 МБ"));
}

} // namespace
} // namespace kavro
