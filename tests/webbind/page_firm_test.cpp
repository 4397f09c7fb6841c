// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "page_firm.h"

#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace kavro {
namespace {

using Json = nlohmann::json;

std::string example(const char* name) {
    std::ifstream in(std::string(KAVRO_EXAMPLES "/") + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Every refusal of the dialog and of an imported file keeps the details
// that were set before it, logo and all.
TEST(PageFirm, RefusedDetailsKeepTheKeptOnes) {
    PageFirm firm;
    const std::string logo = example("firm-logo.png");
    ASSERT_EQ(Json::parse(firm.load("firm.json", example("firm.json"), logo))["result"], "done");
    const FirmDetails kept = firm.details();
    EXPECT_EQ(kept.logoBytes, logo);

    const Json good = Json::parse(firm.entry());
    auto with = [&](const char* key, Json value) {
        Json entry = good;
        entry[key] = std::move(value);
        return entry.dump();
    };
    const struct {
        const char* name;
        std::string answer;
        const char* words;
    } rows[] = {
        {"short INN", firm.enter(with("inn", "123"), logo), "ИНН"},
        {"bad price", firm.enter(with("installationPrice", "12,345"), logo), "Монтаж: "},
        {"bad rate", firm.enter(with("vatRate", "101"), logo), "НДС: "},
        {"logo without bytes", firm.enter(good.dump(), ""), "firm-logo.png"},
        {"logo no picture", firm.enter(good.dump(), "GIF89a"), "не изображение"},
        {"line break", firm.enter(with("name", "A\nB"), logo), ""},
        {"damaged file", firm.load("f.json", "{\"format\": \"kavro-firm\",", logo), "f.json"},
        {"logo too big",
         firm.load("firm.json", example("firm.json"), logo + std::string(3u << 20, 0)), "2 МБ"},
    };
    for (const auto& row : rows) {
        const Json answer = Json::parse(row.answer);
        EXPECT_EQ(answer["result"], "failed") << row.name;
        EXPECT_NE(answer.value("error", "").find(row.words), std::string::npos) << row.name;
        EXPECT_EQ(firm.details(), kept) << row.name;
    }
    // What the dialog shows, entered again, makes the same details.
    ASSERT_EQ(Json::parse(firm.enter(good.dump(), logo))["result"], "done");
    EXPECT_EQ(firm.details(), kept);
}

} // namespace
} // namespace kavro
