// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "firm_dialog.h"
#include "orderio/firm_archive.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace kavro::window {
namespace {

QByteArray encoded(const char* format) {
    QImage picture(8, 4, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QByteArray data;
    QBuffer buffer(&data);
    picture.save(&buffer, format);
    return data;
}

std::string example(const char* name) {
    std::ifstream in(std::string(KAVRO_EXAMPLES) + "/" + name, std::ios::binary);
    return (std::ostringstream() << in.rdbuf()).str();
}

QString written(const QTemporaryDir& folder, const char* name, const std::string& bytes) {
    const QString path = folder.filePath(QString::fromLatin1(name));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

// The header check alone would let a picture cut short through; the window
// decodes it whole when it is chosen.
TEST(FirmDialog, ALogoIsTakenOnlyWhenItDecodesWhole) {
    const QTemporaryDir folder;
    const QByteArray png = encoded("PNG");
    const QByteArray jpeg = encoded("JPEG");
    const struct {
        const char* name;
        QByteArray bytes;
        bool accepted;
    } rows[] = {
        {"a.png", png, true},
        {"a.jpg", jpeg, true},
        {"cut.png", png.left(png.size() - 20), false},
        {"cut.jpg", jpeg.left(jpeg.size() / 2), false},
        {"text.png", "not a picture", false},
    };
    for (const auto& row : rows) {
        const QString path = folder.filePath(QString::fromLatin1(row.name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(row.bytes);
        file.close();
        EXPECT_EQ(!logoProblem(path), row.accepted) << row.name;
    }
    EXPECT_TRUE(logoProblem(folder.filePath(QStringLiteral("missing.png"))));
}

TEST(FirmDialog, OkTakesTheTypedDetailsAndAChosenLogo) {
    const QTemporaryDir folder;
    const QString logo = folder.filePath(QStringLiteral("logo.png"));
    QFile file(logo);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(encoded("PNG"));
    file.close();
    FirmDetails before;
    before.vat = Percent{2000};
    FirmDialog dialog(nullptr, before, [&](QWidget*) { return logo; });
    dialog.findChild<QLineEdit*>(QStringLiteral("firmName"))
        ->setText(QStringLiteral(" ООО «Ставни» "));
    dialog.findChild<QLineEdit*>(QStringLiteral("firmInn"))->setText(QStringLiteral("6900000000"));
    dialog.findChild<QLineEdit*>(QStringLiteral("firmInstallation"))
        ->setText(QStringLiteral("1 500,5"));
    dialog.findChild<QLineEdit*>(QStringLiteral("firmVat"))->setText(QStringLiteral("22"));
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Выбрать…"))
            button->click();
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.details().name, "ООО «Ставни»");
    EXPECT_EQ(dialog.details().inn, "6900000000");
    EXPECT_EQ(dialog.details().installationPrice, Money{150050});
    EXPECT_EQ(dialog.details().vat, Percent{2200});
    EXPECT_EQ(dialog.details().logo, std::filesystem::path(logo.toStdString()));
}

// The page's Экспорт реквизитов comes into the window whole: the fields
// show its details, and OK keeps its logo beside the firm file.
TEST(FirmDialog, ImportTakesThePagesArchiveWithItsLogo) {
    const QTemporaryDir folder;
    const std::string logo = example("firm-logo.png");
    const QString archive =
        written(folder, "firm.zip", writeFirmArchive(example("firm.json"), logo));
    FirmDialog dialog(nullptr, {}, {}, [&](QWidget*) { return archive; });
    dialog.findChild<QPushButton*>(QStringLiteral("firmImport"))->click();
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("firmInn"))->text(),
              QStringLiteral("6900000000"));
    dialog.accept();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.details().logoBytes, logo);

    const std::filesystem::path kept = folder.filePath(QStringLiteral("kavro")).toStdString();
    const FirmDetails firm = withLogoFile(dialog.details(), kept);
    EXPECT_EQ(firm.logo, kept / "firm-logo.png");
    EXPECT_TRUE(firm.logoBytes.empty());
    EXPECT_FALSE(logoProblem(QString::fromStdString(firm.logo.string())));
}

// Whatever is wrong, the import is refused whole, in words that name it.
TEST(FirmDialog, ImportRefusesDetailsThatAreNotWhole) {
    const QTemporaryDir folder;
    const std::string firm = example("firm.json");
    const std::string png = encoded("PNG").toStdString();
    std::string damaged = writeFirmArchive(firm, png);
    damaged.resize(damaged.size() - 30);
    const struct {
        const char* name;
        std::string bytes;
        const char* said;
    } rows[] = {
        {"no-logo.zip", writeFirmArchive(firm, {}), "нет логотипа «firm-logo.png»"},
        {"text-logo.zip", writeFirmArchive(firm, "not a picture"), "firm-logo.png"},
        {"cut-logo.zip", writeFirmArchive(firm, png.substr(0, png.size() - 20)), "не читается"},
        {"damaged.zip", damaged, "damaged.zip: не архив реквизитов"},
        {"latin1.zip", writeFirmArchive("{\"name\": \"\xC0\"}", {}), "не в кодировке UTF-8"},
        {"bad.json", R"({"format": "kavro-firm", "version": 1, "inn": "123"})", "bad.json:"},
    };
    for (const auto& row : rows) {
        const auto read = importedFirm(written(folder, row.name, row.bytes));
        ASSERT_TRUE(std::holds_alternative<QString>(read)) << row.name;
        EXPECT_TRUE(std::get<QString>(read).contains(QString::fromUtf8(row.said)))
            << row.name << ": " << std::get<QString>(read).toStdString();
    }
}

} // namespace
} // namespace kavro::window
