// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture.h"

#include <fstream>

namespace kavro {

namespace {

constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1A\n";

unsigned byteAt(std::string_view bytes, std::size_t i) {
    return static_cast<unsigned char>(bytes[i]);
}

std::uint32_t bigEndian(std::string_view bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 8) | byteAt(bytes, at + static_cast<std::size_t>(i));
    return value;
}

// Signature, then IHDR: length 13, the type, width and height.
bool readPngHeader(std::string_view bytes, Picture& picture) {
    if (!bytes.starts_with(kPngSignature) || bytes.size() < 8 + 8 + 13)
        return false;
    if (bigEndian(bytes, 8, 4) != 13 || bytes.substr(12, 4) != "IHDR")
        return false;
    picture.format = PictureFormat::Png;
    picture.width = bigEndian(bytes, 16, 4);
    picture.height = bigEndian(bytes, 20, 4);
    return picture.width != 0 && picture.height != 0;
}

// A start-of-frame marker: C0 to CF except DHT (C4), JPG (C8) and DAC (CC).
bool isFrameMarker(unsigned marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Markers without a length: TEM and the restarts.
bool standsAlone(unsigned marker) {
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

// Start of image, then segment by segment up to the frame header, whose
// precision byte is followed by height and width. The scan ends at the
// start of scan or the end of the bytes: no frame header, no picture.
bool readJpegHeader(std::string_view bytes, Picture& picture) {
    if (bytes.size() < 4 || byteAt(bytes, 0) != 0xFF || byteAt(bytes, 1) != 0xD8)
        return false;
    std::size_t at = 2;
    while (at + 1 < bytes.size()) {
        if (byteAt(bytes, at) != 0xFF)
            return false;
        const unsigned marker = byteAt(bytes, at + 1);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (standsAlone(marker)) {
            at += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA || at + 4 > bytes.size())
            return false;
        const std::uint32_t length = bigEndian(bytes, at + 2, 2);
        if (length < 2)
            return false;
        if (isFrameMarker(marker)) {
            if (length < 7 || at + 9 > bytes.size())
                return false;
            picture.format = PictureFormat::Jpeg;
            picture.height = bigEndian(bytes, at + 5, 2);
            picture.width = bigEndian(bytes, at + 7, 2);
            return picture.width != 0 && picture.height != 0;
        }
        at += 2 + length;
    }
    return false;
}

} // namespace

std::optional<Picture> pictureOf(std::string bytes) {
    Picture picture;
    if (!readPngHeader(bytes, picture) && !readJpegHeader(bytes, picture))
        return std::nullopt;
    picture.bytes = std::move(bytes);
    return picture;
}

std::variant<Picture, PictureFault> loadPicture(const std::filesystem::path& file,
                                                std::error_code* opened) {
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    if (error) {
        if (opened)
            *opened = error;
        return PictureFault::Unopened;
    }
    if (size > kMaxPictureBytes)
        return PictureFault::TooLarge;
    std::ifstream in(file, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        return PictureFault::Unread;
    std::optional<Picture> picture = pictureOf(std::move(bytes));
    if (!picture)
        return PictureFault::NotAPicture;
    return std::move(*picture);
}

std::optional<Picture> readPicture(const std::filesystem::path& file) {
    std::variant<Picture, PictureFault> loaded = loadPicture(file);
    if (auto* picture = std::get_if<Picture>(&loaded))
        return std::move(*picture);
    return std::nullopt;
}

std::string_view extensionOf(PictureFormat format) {
    return format == PictureFormat::Png ? "png" : "jpeg";
}

std::string_view mimeTypeOf(PictureFormat format) {
    return format == PictureFormat::Png ? "image/png" : "image/jpeg";
}

} // namespace kavro
