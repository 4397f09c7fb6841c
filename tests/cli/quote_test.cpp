// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commands.h"
#include "core/money/amount_in_words.h"
#include "orderio/csv_table.h"
#include "orderio/order_file.h"
#include "orderio/price_list.h"
#include "report/temp_folder.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace kavro::cli {
namespace {

const std::filesystem::path kExamples = KAVRO_EXAMPLES;

std::vector<CsvRow> csvRows(std::string_view text) {
    return readCsv(withoutByteOrderMark(text), ';', 1000);
}

int runQuiet(const std::vector<std::string>& arguments, std::string& out, std::string& err) {
    std::ostringstream o;
    std::ostringstream e;
    const int status = run(arguments, o, e, false);
    out = o.str();
    err = e.str();
    return status;
}

// The quotation of the example house checked against figures worked out
// here from the parts list that `bom` writes, the example price list and
// the firm's installation price and VAT, never from the quotation itself.
TEST(Quote, OfTheExampleHouseAddsUpFromThePartsListToTheKopeck) {
    std::string bom;
    std::string err;
    ASSERT_EQ(runQuiet({"bom", (kExamples / "house.kavro").string()}, bom, err), kDone) << err;
    const PriceList list = importPriceList(test::fileText(kExamples / "prices.csv"));
    ASSERT_TRUE(list.errors.empty());

    const test::TempFolder folder;
    std::string out;
    ASSERT_EQ(runQuiet({"quote", (kExamples / "house.kavro").string(), "--prices",
                        (kExamples / "prices.csv").string(), "--firm",
                        (kExamples / "firm.json").string(), "-o", (folder / "q.csv").string()},
                       out, err),
              kDone)
        << err;
    const std::vector<CsvRow> quote = csvRows(test::fileText(folder / "q.csv"));
    ASSERT_EQ(quote.front(),
              (CsvRow{"Артикул", "Наименование", "Количество", "Цена, руб.", "Сумма, руб."}));
    std::map<std::string, CsvRow> byArticle;
    for (std::size_t i = 1; i < quote.size(); ++i)
        if (!quote[i][0].empty())
            byArticle[quote[i][0]] = quote[i];

    std::int64_t total = 0;
    const std::vector<CsvRow> parts = csvRows(bom);
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::string& article = parts[i][0];
        SCOPED_TRACE(article);
        const std::int64_t quantity = std::stoll(parts[i][2]);
        const std::int64_t price = list.articles.at(article).price.kopecks;
        ASSERT_TRUE(byArticle.contains(article));
        const CsvRow& row = byArticle[article];
        EXPECT_EQ(row[2], parts[i][2]);
        EXPECT_EQ(row[3], plainMoneyText(Money{price}));
        EXPECT_EQ(row[4], plainMoneyText(Money{quantity * price}));
        total += quantity * price;
    }
    EXPECT_EQ(byArticle.size(), parts.size() - 1) << "a part not in the parts list";

    // The firm installs every opening at 2 500,00, its count times; the
    // prices hold 20 % VAT: due × 20 / 120, a half kopeck up.
    int openings = 0;
    for (const Opening& opening : OrderFile::read(kExamples / "house.kavro").openings)
        openings += opening.count;
    total += openings * 2500'00;
    const std::int64_t vat = (total * 20 * 2 + 120) / (120 * 2);
    const auto amountOf = [&](const std::string& name) {
        for (const CsvRow& row : quote)
            if (row[1] == name)
                return row[4];
        return std::string("(no row «" + name + "»)");
    };
    EXPECT_EQ(amountOf("Итого"), plainMoneyText(Money{total}));
    EXPECT_EQ(amountOf("К оплате"), plainMoneyText(Money{total}));
    EXPECT_EQ(amountOf("В том числе НДС 20 %"), plainMoneyText(Money{vat}));
    EXPECT_EQ(quote.back()[1], "Сумма прописью: " + amountInWords(Money{total}));
}

} // namespace
} // namespace kavro::cli
