// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/quote/quotation.h"
#include "core/report/quotation_report.h"

#include <gtest/gtest.h>

namespace kavro {
namespace {

// An opening whose results name drive `drive` (no drive when empty), so
// that the parts list holds exactly the lines a case needs.
OpeningResults driven(const std::string& drive) {
    OpeningResults results;
    results.driveArticle = drive;
    results.driveName = drive.empty() ? "" : "Привод " + drive;
    return results;
}

struct Priced {
    Order order;
    std::vector<OpeningResults> results;
};

// One opening, no parts, only its installation at `price` × `count`.
Priced installationOnly(std::int64_t price, int count = 1) {
    Priced p;
    p.order.openings.resize(1);
    p.order.openings[0].count = count;
    p.order.openings[0].installationPrice = Money{price};
    p.results = {driven("")};
    return p;
}

// The discount and the VAT at their half-kopeck boundaries: a half is
// rounded away from zero, just under a half is not.
struct TotalsCase {
    const char* name;
    std::int64_t total;
    std::optional<Percent> discount;
    std::optional<Percent> vat;
    std::int64_t discountKopecks;
    std::int64_t dueKopecks;
    std::int64_t vatKopecks;
};

class QuotationTotalsTest : public testing::TestWithParam<TotalsCase> {};

TEST_P(QuotationTotalsTest, AreRoundedToTheKopeckAHalfAwayFromZero) {
    const TotalsCase& c = GetParam();
    Priced p = installationOnly(c.total);
    p.order.discount = c.discount;
    FirmDetails firm;
    firm.vat = c.vat;
    const Quotation q = makeQuotation(p.order, p.results, {}, &firm);
    ASSERT_TRUE(q.totals);
    EXPECT_EQ(q.totals->total, Money{c.total});
    EXPECT_EQ(q.totals->discount, Money{c.discountKopecks});
    EXPECT_EQ(q.totals->due, Money{c.dueKopecks});
    EXPECT_EQ(q.totals->vat, Money{c.vatKopecks});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QuotationTotalsTest,
    testing::Values(
        // 1 % of 1,50 is 1,5 kopecks: 2; of 1,49 it is 1,49: 1.
        TotalsCase{"DiscountHalfKopeckUp", 150, Percent{100}, std::nullopt, -2, 148, 0},
        TotalsCase{"DiscountJustUnderHalf", 149, Percent{100}, std::nullopt, -1, 148, 0},
        TotalsCase{"LargestDiscount", 10000, Percent{99'99}, std::nullopt, -9999, 1, 0},
        // 20 % VAT in 0,03 is 0,005: 1 kopeck; in 0,02 it is 0,0033: none.
        TotalsCase{"VatHalfKopeckUp", 3, std::nullopt, Percent{20'00}, 0, 3, 1},
        TotalsCase{"VatUnderHalf", 2, std::nullopt, Percent{20'00}, 0, 2, 0},
        // The VAT is of the amount due, after the discount.
        TotalsCase{"VatAfterDiscount", 1000'00, Percent{10'00}, Percent{20'00}, -100'00, 900'00,
                   150'00}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Quotation, PricesEveryPartAndNamesTheMissingOnesOnce) {
    Priced p;
    p.order.openings.resize(2);
    p.order.openings[1].count = 3;
    p.results = {driven("D1"), driven("D2")};
    const Prices prices = {{"D1", {Money{1234'56}, "из прайса"}}};
    const Quotation q = makeQuotation(p.order, p.results, prices, nullptr);

    ASSERT_EQ(q.lines.size(), 2u) << "no firm: no installation lines";
    EXPECT_EQ(q.lines[0], (QuotationLine{"D1", "Привод D1", 1, Money{1234'56}, Money{1234'56}}));
    EXPECT_EQ(q.lines[1], (QuotationLine{"D2", "Привод D2", 3, std::nullopt, std::nullopt}));
    EXPECT_EQ(q.unpriced, std::vector<std::string>{"D2"});
    EXPECT_FALSE(q.totals) << "a total without D2 would read as the price of all";
    EXPECT_EQ(unpricedSentence(q), "Нет цены у артикула: D2.");
}

TEST(Quotation, InstallationIsTheOpeningsOwnPriceElseTheFirmsAboveZero) {
    Priced p;
    p.order.openings.resize(3);
    p.order.openings[0].location = "Кухня";
    p.order.openings[0].count = 2;
    p.order.openings[1].installationPrice = Money{0};
    p.order.openings[2].installationPrice = Money{999'99};
    p.results = {driven(""), driven(""), driven("")};
    FirmDetails firm;
    firm.installationPrice = Money{2500'00};
    const Quotation q = makeQuotation(p.order, p.results, {}, &firm);
    ASSERT_EQ(q.lines.size(), 3u);
    EXPECT_EQ(q.lines[0],
              (QuotationLine{"", "Монтаж, проём 1 «Кухня»", 2, Money{2500'00}, Money{5000'00}}));
    EXPECT_EQ(q.lines[1].sum, Money{0}) << "free work is listed";
    EXPECT_EQ(q.lines[2].name, "Монтаж, проём 3");
    EXPECT_EQ(q.totals->total, Money{5999'99});

    firm.installationPrice = Money{0};
    EXPECT_EQ(makeQuotation(p.order, p.results, {}, &firm).lines.size(), 2u)
        << "a firm price of 0 is none set";
}

// A sum past 64 bits of kopecks is refused, never wrapped into a small or
// negative total.
TEST(Quotation, OverflowIsRefused) {
    Priced p;
    p.order.openings.resize(1);
    p.order.openings[0].count = 2;
    p.results = {driven("D1")};
    const Prices prices = {{"D1", {Money{INT64_MAX / 2 + 1}, ""}}};
    EXPECT_THROW(makeQuotation(p.order, p.results, prices, nullptr), MoneyOverflow);
    p.order.openings[0].count = 1;
    p.order.openings[0].installationPrice = Money{INT64_MAX / 2 + 1};
    EXPECT_THROW(makeQuotation(p.order, p.results, prices, nullptr), MoneyOverflow);
}

TEST(QuotationNumber, IsTheMinuteItWasWritten) {
    EXPECT_EQ(quotationNumber(2026, 12, 7, 9, 5), "261207-0905");
    EXPECT_EQ(quotationNumber(2100, 1, 31, 23, 59), "000131-2359");
}

} // namespace
} // namespace kavro
