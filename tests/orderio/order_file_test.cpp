// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "orderio/opening_places.h"
#include "orderio/order_file.h"
#include "orderio/text_place.h"
#include "report/temp_folder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace kavro {
namespace {

using test::fileText;

void writeText(const std::filesystem::path& path, std::string_view text) {
    std::ofstream(path, std::ios::binary) << text;
}

// An order with every field away from its default.
Order sampleOrder() {
    Order order{.title = "Иванов, ул. Садовая 5", .openings = {}};
    Opening kitchen{
        .location = "Кухня \"левая\"", .count = 2, .inputs = {}, .drive = "", .accessories = {}};
    Opening garage{.location = "Гараж",
                   .count = 999,
                   .inputs = {.profile = "Alutech",
                              .profileType = "AG/77",
                              .shaft = "102",
                              .thickness = "19",
                              .height = "2400",
                              .width = "3000,5",
                              .specificWeight = "4,73",
                              .endProfile = "1",
                              .mounting = 1,
                              .control = 1,
                              .fixing = 2,
                              .crank = true},
                   .drive = "KX60-120/12",
                   .accessories = {{"4200017", 1}, {"4200001", 0}}};
    order.openings = {kitchen, garage};
    return order;
}

std::string header(std::string_view rest) {
    return R"({"format": "kavro-order", "version": 1)" + std::string(rest) + "}";
}

std::string withOpening(std::string_view opening) {
    return header(R"(, "openings": [{}, )" + std::string(opening) + "]");
}

std::string version2(std::string_view rest) {
    return R"({"format": "kavro-order", "version": 2)" + std::string(rest) + "}";
}

TEST(OrderFile, SavedOrderReopensEqual) {
    const test::TempFolder folder;
    const Order order = sampleOrder();
    OrderFile::save(order, folder / "house.kavro");
    EXPECT_EQ(OrderFile::read(folder / "house.kavro"), order);
    // Readable in a text editor: pretty-printed, Cyrillic as it is, the
    // radio choices as the window's captions.
    const std::string text = fileText(folder / "house.kavro");
    EXPECT_NE(text.find("\n  \"title\": \"Иванов, ул. Садовая 5\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"fixing\": \"Ригель Kavro Fastlink\""), std::string::npos) << text;
}

TEST(OrderFile, MissingKeysTakeTheWindowsStartValues) {
    const Order order = OrderFile::parse(withOpening("{}"));
    ASSERT_EQ(order.openings.size(), 2u);
    EXPECT_EQ(order.openings[1], Opening{});
}

// A damaged file names the place of its fault: the line and the column in
// characters, or the opening (from 1) and its field.
struct DamagedCase {
    const char* name;
    std::string text;
    std::string message;
};

class DamagedFile : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedFile, IsRefusedNamingThePlace) {
    try {
        OrderFile::parse(GetParam().text);
        FAIL() << "accepted";
    } catch (const OrderFileError& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().message), std::string::npos)
            << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedFile,
    ::testing::Values(
        DamagedCase{"MissingValueOnLineThree",
                    "{\"format\": \"kavro-order\",\n\"version\": 1,\n\"title\": }",
                    "строка 3, столбец 10: файл повреждён"},
        DamagedCase{"ColumnsCountCyrillicLettersAsOne", "{\"title\": \"Дом\" ,,",
                    "строка 1, столбец 18: файл повреждён"},
        DamagedCase{"NumberTooLargeForAnyType", "{\"version\": 1E999999}",
                    "строка 1, столбец 20: файл повреждён: число слишком велико"},
        DamagedCase{"CutShort", "{\"format\": \"kavro-order\",\r\n", "строка 2, столбец 1:"},
        DamagedCase{"OpeningFaultNamesTheOpeningsLine",
                    "{\"format\": \"kavro-order\", \"version\": 1,\n \"openings\": [\n  {},\n  "
                    "{\"count\": 0}\n]}",
                    "строка 4, столбец 3: проём 2, поле «count»: число 0"},
        DamagedCase{"NotAnOrder", R"({"format": "kavro-invoice", "version": 1})",
                    "это не файл заказа KAVRO"},
        DamagedCase{"VersionZero", R"({"format": "kavro-order", "version": 0})",
                    "файл повреждён: версия формата"},
        DamagedCase{"VersionNotWhole", R"({"format": "kavro-order", "version": 1.5})",
                    "файл повреждён: версия формата"},
        DamagedCase{"UnknownOpeningField", withOpening(R"({"heigth": "2000"})"),
                    "проём 2: неизвестное поле «heigth»"},
        DamagedCase{"RepeatedField", withOpening(R"({"height": "1", "height": "2"})"),
                    "файл повреждён: поле «height» повторяется"},
        DamagedCase{"NumberAsText", withOpening(R"({"height": 2000})"),
                    "проём 2, поле «height»: ожидается текст"},
        DamagedCase{"CountZero", withOpening(R"({"count": 0})"), "проём 2, поле «count»: число 0"},
        DamagedCase{"CountThousand", withOpening(R"({"count": 1000})"),
                    "проём 2, поле «count»: число 1000 вне пределов от 1 до 999"},
        DamagedCase{"CountNotWhole", withOpening(R"({"count": 1.0})"),
                    "проём 2, поле «count»: ожидается целое"},
        DamagedCase{"QuantityNegative",
                    withOpening(R"({"accessories": [{"article": "4200001", "quantity": -1}]})"),
                    "проём 2, поле «accessories»: число -1"},
        DamagedCase{"QuantityThousand",
                    withOpening(R"({"accessories": [{"article": "4200001", "quantity": 1000}]})"),
                    "проём 2, поле «accessories»: число 1000"},
        DamagedCase{"AccessoryTwice",
                    withOpening(R"({"accessories": [{"article": "A"}, {"article": "A"}]})"),
                    "проём 2, поле «accessories»: артикул A указан дважды"},
        DamagedCase{"UnknownChoice", withOpening(R"({"mounting": "На крыше"})"),
                    "проём 2, поле «mounting»: нет такого выбора «На крыше»"},
        DamagedCase{"LineBreakInLocation", withOpening(R"({"location": "Кухня\nлевая"})"),
                    "проём 2, поле «location»: текст содержит управляющий символ"},
        DamagedCase{"TextOneCharacterTooLong",
                    withOpening(R"({"drive": ")" + std::string(256, 'x') + R"("})"),
                    "проём 2, поле «drive»: текст длиннее 255"},
        // The prices came with version 2: a version-1 file holding them is
        // refused as a version-1 program refuses it.
        DamagedCase{"DiscountInVersion1", header(R"(, "discount": "5")"),
                    "неизвестное поле заказа «discount»"},
        DamagedCase{"InstallationPriceInVersion1",
                    withOpening(R"({"installationPrice": "1500,00"})"),
                    "проём 2: неизвестное поле «installationPrice»"},
        DamagedCase{"InstallationPriceAsJsonNumber",
                    version2(R"(, "openings": [{"installationPrice": 1500.5}])"),
                    "проём 1, поле «installationPrice»: ожидается цена в кавычках"},
        DamagedCase{"InstallationPriceOverTheLimit",
                    version2(R"(, "openings": [{"installationPrice": "100000000,01"}])"),
                    "проём 1, поле «installationPrice»: цена вне пределов от 0 до 100000000,00"},
        DamagedCase{"DiscountOfAHundred", version2(R"(, "discount": "100")"),
                    "скидка: больше 0 и не больше 99,99 %"},
        DamagedCase{"IdInVersion2", version2(R"(, "id": "a1")"), "неизвестное поле заказа «id»"},
        DamagedCase{"IdWithASlash",
                    R"({"format": "kavro-order", "version": 3, "id": "../a", "revision": 1})",
                    "заказ: id из недопустимых знаков"},
        DamagedCase{"RevisionWithoutId",
                    R"({"format": "kavro-order", "version": 3, "openings": [{"revision": 2}]})",
                    "проём 1, поле «revision»: ревизия без id"},
        DamagedCase{"DeepNesting", header(R"(, "title": )" + std::string(20, '[')),
                    "файл повреждён: слишком глубокая"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OrderFile, TextsOfTheLongestLengthAreKeptInCharacters) {
    std::string letters;
    for (int i = 0; i < 255; ++i)
        letters += "Ж"; // 510 bytes, 255 characters
    Order order{.title = letters, .openings = {Opening{}}};
    order.openings[0].inputs.height = letters;
    EXPECT_EQ(OrderFile::parse(OrderFile::serialize(order)), order);
    order.title += "Ж";
    EXPECT_THROW(OrderFile::serialize(order), OrderFileError);
}

TEST(OrderFile, OpeningCountLimitIsInclusive) {
    const auto openings = [](std::size_t n) {
        std::string list = "{}";
        for (std::size_t i = 1; i < n; ++i)
            list += ",{}";
        return header(R"(, "openings": [)" + list + "]");
    };
    EXPECT_EQ(OrderFile::parse(openings(Order::kMaxOpenings)).openings.size(), Order::kMaxOpenings);
    EXPECT_THROW(OrderFile::parse(openings(Order::kMaxOpenings + 1)), OrderFileError);
}

TEST(OrderFile, SizeLimitIsInclusive) {
    std::string text = header("");
    text.insert(1, OrderFile::kMaxBytes - text.size(), ' ');
    EXPECT_NO_THROW(OrderFile::parse(text));
    text.insert(1, " ");
    EXPECT_THROW(OrderFile::parse(text), OrderFileError);
}

TEST(OrderFile, NewerVersionIsRefusedAndNeverOverwritten) {
    const test::TempFolder folder;
    const std::string newer =
        R"({"openings": [{"doors": 2}], "format": "kavro-order", "version": 4})";
    writeText(folder / "new.kavro", newer);
    try {
        OrderFile::read(folder / "new.kavro");
        FAIL() << "read";
    } catch (const OrderFileError& error) {
        EXPECT_NE(std::string(error.what()).find("более новой версией"), std::string::npos);
    }
    EXPECT_THROW(OrderFile::save(sampleOrder(), folder / "new.kavro"), OrderFileError);
    EXPECT_EQ(fileText(folder / "new.kavro"), newer);
    // A damaged or foreign file is the user's to replace.
    writeText(folder / "other.kavro", "{\"format\": \"kavro-order\", \"version\": ");
    OrderFile::save(sampleOrder(), folder / "other.kavro");
    EXPECT_EQ(OrderFile::read(folder / "other.kavro"), sampleOrder());
}

// An order is written as version 2 only when it holds a price of its own;
// the limits themselves are kept to the kopeck.
TEST(OrderFile, PricesMakeVersion2AndReopenExactly) {
    Order order = sampleOrder();
    EXPECT_EQ(OrderFile::versionFor(order), 1);
    EXPECT_NE(OrderFile::serialize(order).find("\"version\": 1,"), std::string::npos);

    order.discount = Order::kMaxDiscount;
    order.openings[0].installationPrice = Opening::kMaxInstallationPrice;
    order.openings[1].installationPrice = Money{0};
    const std::string text = OrderFile::serialize(order);
    EXPECT_NE(text.find("\"version\": 2,"), std::string::npos) << text;
    EXPECT_NE(text.find("\"discount\": \"99,99\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"installationPrice\": \"100000000,00\""), std::string::npos) << text;
    EXPECT_EQ(OrderFile::parse(text), order);

    // Typed by hand: the thousands apart, the smallest discount, and "0"
    // read as no discount at all.
    const Order typed = OrderFile::parse(
        version2(R"(, "discount": "0,01", "openings": [{"installationPrice": "1 500,5"}])"));
    EXPECT_EQ(typed.discount, Percent{1});
    EXPECT_EQ(typed.openings[0].installationPrice, Money{150050});
    EXPECT_EQ(OrderFile::parse(version2(R"(, "discount": "0")")).discount, std::nullopt);
}

TEST(OrderFile, ServerIdsMakeVersion3AndReopenExactly) {
    Order order = sampleOrder();
    order.openings[1].id = std::string(OrderFile::kMaxIdLength, 'f');
    order.openings[1].revision = 7;
    EXPECT_EQ(OrderFile::versionFor(order), 3);
    const std::string text = OrderFile::serialize(order);
    EXPECT_NE(text.find("\"version\": 3,"), std::string::npos) << text;
    EXPECT_EQ(OrderFile::parse(text), order);
    order.id = "0123456789abcdef0123456789abcdef";
    order.revision = 12;
    EXPECT_EQ(OrderFile::parse(OrderFile::serialize(order)), order);
    order.openings[1].id += "f";
    EXPECT_THROW(OrderFile::serialize(order), OrderFileError);
}

TEST(OrderFile, RefusedSaveOfAnInvalidOrderWritesNothing) {
    const test::TempFolder folder;
    Order order = sampleOrder();
    order.openings[1].inputs.mounting = 2; // the group has two items
    EXPECT_THROW(OrderFile::save(order, folder / "x.kavro"), OrderFileError);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

struct PlaceCase {
    const char* name;
    std::string text;
    std::size_t offset;
    TextPlace place;
};

TEST(TextPlace, CountsLinesAndCharacters) {
    const PlaceCase cases[] = {
        {"Start", "abc", 0, {1, 1}},
        {"LineFeedItselfEndsItsLine", "ab\ncd", 2, {1, 3}},
        {"AfterLineFeed", "ab\ncd", 3, {2, 1}},
        {"CrLfCountsOnce", "a\r\nb", 3, {2, 1}},
        {"CyrillicLetterIsOneColumn", "Дом!", 6, {1, 4}},
        {"PastTheEnd", "ab\n", 99, {2, 1}},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(placeOfOffset(c.text, c.offset), c.place);
    }
}

TEST(OpeningPlaces, SeeOnlyTheElementsOfTheTopLevelList) {
    const std::pair<const char*, std::string> cases[] = {
        {"BracketsAndQuotesInStrings",
         R"({"title": "[{\"", "openings": [{"location": "a,{b]"}, {}]})"},
        {"NestedListOfTheSameName", R"({"openings": [{"openings": [{}, {}]}, {}]})"},
    };
    const std::vector<std::vector<TextPlace>> expected = {
        {{1, 32}, {1, 55}},
        {{1, 15}, {1, 39}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].first);
        EXPECT_EQ(openingPlaces(cases[i].second), expected[i]);
    }
}

} // namespace
} // namespace kavro
