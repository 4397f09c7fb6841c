// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The quotation from the window's menus: the price list loaded and kept,
// the discount and an opening's installation price entered, and the PDF.

#include "order_window_fixture.h"
#include "orderio/firm_file.h"
#include "orderio/price_list.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>

namespace kavro::window {
namespace {

using QuotationTest = OrderWindowFixture;

QString pdfText(const QString& file) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), file, QStringLiteral("-")});
    EXPECT_TRUE(text.waitForFinished(30000));
    // The thousands gap is a no-break space on paper.
    return QString::fromUtf8(text.readAllStandardOutput()).replace(QChar(0xA0), u' ');
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A list with one fault is refused whole and the kept one stays; a good one
// is kept beside the details, so that the next window has it too.
TEST_F(QuotationTest, APriceListWithAFaultChangesNothingAGoodOneIsKept) {
    const QString bad = path(QStringLiteral("bad.csv"));
    writeFile(bad, "Артикул;Цена, руб.\n4100042;100\n4200001;1,234\n");
    chooseFile(bad);
    expectErrors(1);
    trigger("actionPriceList");
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_TRUE(errors_[0].contains(QStringLiteral("строка 3, столбец «Цена, руб.»")))
        << errors_[0].toStdString();
    EXPECT_TRUE(window().quotation().prices().empty());
    EXPECT_FALSE(QFile::exists(pricesFile()));

    chooseFile(QStringLiteral(KAVRO_EXAMPLES "/prices.csv"));
    trigger("actionPriceList");
    EXPECT_EQ(window().quotation().prices().size(), 16u);
    openWindow();
    EXPECT_EQ(window().quotation().prices().at("4200006").price, Money{95'50});
}

// The discount and the installation price take their limits, refuse one
// step past them with a message, and mark the order changed.
TEST_F(QuotationTest, DiscountAndInstallationPriceAreEnteredWithinTheirLimits) {
    answerText(QStringLiteral("100"));
    expectErrors(1);
    trigger("actionDiscount");
    EXPECT_EQ(window().document().order().discount, std::nullopt);
    EXPECT_FALSE(window().document().modified());
    answerText(QStringLiteral("99,99"));
    trigger("actionDiscount");
    EXPECT_EQ(window().document().order().discount, Percent{99'99});
    EXPECT_TRUE(window().document().modified());

    answerText(QStringLiteral("1 500"));
    trigger("actionInstallationPrice");
    EXPECT_EQ(window().session().currentOpening().installationPrice, Money{1500'00});
    answerText(std::nullopt); // cancelled: unchanged
    trigger("actionInstallationPrice");
    answerText(QString());
    trigger("actionInstallationPrice");
    EXPECT_EQ(window().session().currentOpening().installationPrice, std::nullopt);
}

// Without a price the PDF says so and shows no total; with the list it
// adds up, the discount below the total.
TEST_F(QuotationTest, ThePdfNeverCountsAMissingPriceAsZero) {
    const QString first = path(QStringLiteral("без цен.pdf"));
    chooseFile(first);
    trigger("actionQuotationPdf");
    const QString unpriced = pdfText(first);
    EXPECT_TRUE(unpriced.contains(QStringLiteral("Коммерческое предложение №")));
    EXPECT_TRUE(unpriced.contains(QStringLiteral("нет цены")));
    EXPECT_TRUE(
        unpriced.contains(QStringLiteral("Предложение неполное. Нет цены у артикула: 4100042")))
        << unpriced.toStdString();
    EXPECT_FALSE(unpriced.contains(QStringLiteral("0,00")));

    chooseFile(QStringLiteral(KAVRO_EXAMPLES "/prices.csv"));
    trigger("actionPriceList");
    answerText(QStringLiteral("10"));
    trigger("actionDiscount");
    const QString second = path(QStringLiteral("с ценами.pdf"));
    chooseFile(second);
    trigger("actionQuotationPdf");
    const QString priced = pdfText(second);
    // The default opening's drive at 12 450,00, less 10 %.
    for (const QString& line :
         {QStringLiteral("Итого 12 450,00"), QStringLiteral("Скидка 10 % -1 245,00"),
          QStringLiteral("К оплате 11 205,00"),
          QStringLiteral("Одиннадцать тысяч двести пять рублей 00 копеек")})
        EXPECT_TRUE(priced.contains(line)) << line.toStdString() << "\n" << priced.toStdString();
}

// The details typed into the dialog are kept at once, where the command-line
// tools read them; a cancelled dialog keeps what there was.
TEST_F(QuotationTest, TheFirmDialogKeepsWhatIsTypedOnlyOnOk) {
    QDir().mkpath(path(QStringLiteral("config")));
    for (const bool ok : {true, false}) {
        answerDialog([ok](QDialog& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("firmName"))
                ->setText(ok ? QStringLiteral("ООО «Ставни»") : QStringLiteral("Другая"));
            ok ? dialog.accept() : dialog.reject();
            return dialog.result();
        });
        trigger("actionFirmDetails");
    }
    EXPECT_EQ(FirmFile::read(firmFile().toStdString()).name, "ООО «Ставни»");
}

} // namespace
} // namespace kavro::window
