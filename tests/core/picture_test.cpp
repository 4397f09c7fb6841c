// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/platform/picture.h"
#include "picture_bytes.h"

#include <gtest/gtest.h>
#include <string>

namespace kavro {
namespace {

// A JPEG marker segment: FF, the marker, a length that counts itself.
std::string segment(char marker, const std::string& body) {
    const auto length = static_cast<unsigned>(body.size() + 2);
    return std::string("\xFF", 1) + marker + static_cast<char>(length >> 8) +
           static_cast<char>(length & 0xFF) + body;
}

const std::string kSoi("\xFF\xD8", 2);
// Precision 8, height 0x0102, width 0x0304, one component.
const std::string kFrame("\x08\x01\x02\x03\x04\x01", 6);
const std::string kApp0 = segment('\xE0', "JFIF");

// The size comes from the header alone; anything short of a usable header is
// no picture.
TEST(Picture, ReadsTheSizeFromAPngOrJpegHeader) {
    const struct {
        const char* name;
        std::string bytes;
        bool picture;
        PictureFormat format;
        std::uint32_t width;
        std::uint32_t height;
    } rows[] = {
        {"png", test::pngHeader(1, 2), true, PictureFormat::Png, 1, 2},
        {"png, largest width", test::pngHeader(0xFFFFFFFF, 2), true, PictureFormat::Png, 0xFFFFFFFF,
         2},
        {"png without a width", test::pngHeader(0, 2), false, {}, 0, 0},
        {"png cut in its header", test::pngHeader(1, 2).substr(0, 28), false, {}, 0, 0},
        {"baseline jpeg", kSoi + kApp0 + segment('\xC0', kFrame), true, PictureFormat::Jpeg, 0x0304,
         0x0102},
        {"progressive jpeg after fill bytes", kSoi + "\xFF\xFF" + segment('\xC2', kFrame), true,
         PictureFormat::Jpeg, 0x0304, 0x0102},
        {"jpeg: a Huffman table is no frame", kSoi + segment('\xC4', kFrame), false, {}, 0, 0},
        {"jpeg: the scan before any frame", kSoi + segment('\xDA', kFrame), false, {}, 0, 0},
        {"jpeg: frame cut short", kSoi + segment('\xC0', kFrame).substr(0, 8), false, {}, 0, 0},
        {"jpeg: a length past the end", kSoi + "\xFF\xE0\xFF\xFF", false, {}, 0, 0},
        {"jpeg: a length below its own two bytes",
         kSoi + std::string("\xFF\xE0\0\x01", 4),
         false,
         {},
         0,
         0},
        {"jpeg: no marker after the start", kSoi + "JFIF", false, {}, 0, 0},
        {"jpeg: width 0",
         kSoi + segment('\xC0', std::string("\x08\x01\x02\0\0\x01", 6)),
         false,
         {},
         0,
         0},
        {"gif", "GIF89a", false, {}, 0, 0},
        {"nothing", "", false, {}, 0, 0},
    };
    for (const auto& row : rows) {
        const auto picture = pictureOf(row.bytes);
        ASSERT_EQ(picture.has_value(), row.picture) << row.name;
        if (!picture)
            continue;
        EXPECT_EQ(picture->format, row.format) << row.name;
        EXPECT_EQ(picture->width, row.width) << row.name;
        EXPECT_EQ(picture->height, row.height) << row.name;
        EXPECT_EQ(picture->bytes, row.bytes) << row.name;
    }
}

} // namespace
} // namespace kavro
