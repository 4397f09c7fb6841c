// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/firm/firm_details.h"

#include <gtest/gtest.h>

namespace kavro {
namespace {

TEST(Letterhead, ListsTheDetailsInOneOrderLeavingOutWhatIsNotSet) {
    FirmDetails full;
    full.name = "ООО «Ставни»";
    full.address = "Тверь";
    full.phone = "1";
    full.email = "a@b";
    full.website = "b.ru";
    full.inn = "6900000000";
    full.kpp = "690001001";
    FirmDetails onlyMail;
    onlyMail.email = "a@b";
    onlyMail.kpp = "690001001";
    FirmDetails pricesOnly;
    pricesOnly.installationPrice = Money{100};
    pricesOnly.vat = Percent{2000};
    const struct {
        const FirmDetails& firm;
        std::vector<std::string> lines;
    } rows[] = {
        {full,
         {"ООО «Ставни»", "Тверь", "тел. 1, e-mail: a@b, b.ru", "ИНН 6900000000, КПП 690001001"}},
        {onlyMail, {"e-mail: a@b", "КПП 690001001"}},
        {pricesOnly, {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(letterheadLines(row.firm), row.lines);
}

} // namespace
} // namespace kavro
