#include "jpeg_decoder.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <cstdio> // jpeglib.h needs FILE
#include <gtest/gtest.h>
#include <jpeglib.h>

namespace kavro::window {

namespace {

// Encodes a picture of one colour with libjpeg.
QByteArray encode(int width, int height, int components, bool progressive, QRgb colour) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width * components));
    for (std::size_t i = 0; i < row.size(); i += static_cast<std::size_t>(components)) {
        if (components == 3) {
            row[i] = static_cast<JSAMPLE>(qRed(colour));
            row[i + 1] = static_cast<JSAMPLE>(qGreen(colour));
            row[i + 2] = static_cast<JSAMPLE>(qBlue(colour));
        } else {
            row[i] = static_cast<JSAMPLE>(qGray(colour));
        }
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW line = row.data();
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray data(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return data;
}

bool near(int a, int b) {
    return std::abs(a - b) <= 6;
}

TEST(JpegDecoder, DecodesWholePictures) {
    struct Row {
        const char* name;
        int components;
        bool progressive;
        QRgb colour;
    };
    const Row rows[] = {
        {"colour baseline", 3, false, qRgb(200, 40, 30)},
        {"colour progressive", 3, true, qRgb(20, 90, 180)},
        {"grey, shown as RGB", 1, false, qRgb(128, 128, 128)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QImage image =
            decodeJpeg(encode(40, 24, row.components, row.progressive, row.colour));
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
    const QByteArray whole = encode(64, 64, 3, false, qRgb(10, 200, 10));
    struct Row {
        const char* name;
        QByteArray data;
    };
    const Row rows[] = {
        {"empty", QByteArray()},
        {"not a JPEG", QByteArray("GIF89a, clearly not what was asked for")},
        {"only the start of image marker", QByteArray("\xFF\xD8", 2)},
        {"cut in the middle", whole.left(whole.size() / 2)},
        {"too wide", encode(kMaxJpegSide + 1, 1, 3, false, qRgb(0, 0, 0))},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(decodeJpeg(row.data).isNull());
    }
}

// The logo built into the program: a baseline JPEG (start-of-frame marker 0),
// three components, 192 × 76.
TEST(JpegDecoder, BuiltInLogoIsABaselineColourPicture) {
    QFile file(QStringLiteral(":/kavro/logo.jpg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    const qsizetype frame = data.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GE(frame, 0) << "no baseline frame";
    EXPECT_EQ(data.indexOf(QByteArray("\xFF\xC2", 2)), -1) << "progressive frame";
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(data.at(frame + i)); };
    EXPECT_EQ(byte(4), 8) << "bits per sample";
    EXPECT_EQ(byte(5) << 8 | byte(6), 76) << "height";
    EXPECT_EQ(byte(7) << 8 | byte(8), 192) << "width";
    EXPECT_EQ(byte(9), 3) << "components";
    EXPECT_EQ(decodeJpeg(data).size(), QSize(192, 76));
}

} // namespace

} // namespace kavro::window
