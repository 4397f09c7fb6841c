// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "firm_dialog.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

} // namespace
} // namespace kavro::window
