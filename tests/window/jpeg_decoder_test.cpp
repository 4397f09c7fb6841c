// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "jpeg_decoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <gtest/gtest.h>

namespace kavro::window {

namespace {

// Encodes a picture of one colour; grey pictures are written with one
// component.
QByteArray encode(int width, int height, QImage::Format format, bool progressive, QRgb colour) {
    QImage picture(width, height, format);
    picture.fill(colour);
    QByteArray data;
    QBuffer buffer(&data);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(picture)) << writer.errorString().toStdString();
    return data;
}

bool near(int a, int b) {
    return std::abs(a - b) <= 6;
}

TEST(JpegDecoder, DecodesWholePictures) {
    struct Row {
        const char* name;
        QImage::Format format;
        bool progressive;
        QRgb colour;
    };
    const Row rows[] = {
        {"colour baseline", QImage::Format_RGB32, false, qRgb(200, 40, 30)},
        {"colour progressive", QImage::Format_RGB32, true, qRgb(20, 90, 180)},
        {"grey, shown as RGB", QImage::Format_Grayscale8, false, qRgb(128, 128, 128)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QImage image = decodeJpeg(encode(40, 24, row.format, row.progressive, row.colour));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(40, 24));
        const QRgb middle = image.pixel(20, 12);
        EXPECT_TRUE(near(qRed(middle), qRed(row.colour)) &&
                    near(qGreen(middle), qGreen(row.colour)) &&
                    near(qBlue(middle), qBlue(row.colour)))
            << std::hex << middle;
    }
}

TEST(JpegDecoder, DamagedOrUnfitDataGivesNoPicture) {
    const QByteArray whole = encode(64, 64, QImage::Format_RGB32, false, qRgb(10, 200, 10));
    struct Row {
        const char* name;
        QByteArray data;
    };
    const Row rows[] = {
        {"empty", QByteArray()},
        {"not a JPEG", QByteArray("GIF89a, clearly not what was asked for")},
        {"only the start of image marker", QByteArray("\xFF\xD8", 2)},
        {"cut in the middle", whole.left(whole.size() / 2)},
        // libjpeg only warns of a missing end and fills in the rest.
        {"without its end marker", whole.left(whole.size() - 2)},
        {"too wide", encode(kMaxJpegSide + 1, 1, QImage::Format_RGB32, false, qRgb(0, 0, 0))},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(decodeJpeg(row.data).isNull());
    }
}

// The logo built into the program is a baseline JPEG (start-of-frame
// marker 0), not a progressive one; the window shows it 192 x 76.
TEST(JpegDecoder, BuiltInLogoIsABaselinePicture) {
    QFile file(QStringLiteral(":/kavro/logo.jpg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    EXPECT_GE(data.indexOf(QByteArray("\xFF\xC0", 2)), 0) << "no baseline frame";
    EXPECT_EQ(data.indexOf(QByteArray("\xFF\xC2", 2)), -1) << "progressive frame";
}

} // namespace

} // namespace kavro::window
