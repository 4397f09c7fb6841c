// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <variant>

namespace kavro {

enum class PictureFormat { Png, Jpeg };

// An image as its file holds it, with the format and pixel size its header
// tells: a paper embeds the bytes unchanged and sizes them by the header.
struct Picture {
    PictureFormat format = PictureFormat::Png;
    std::uint32_t width = 0; // pixels, never 0
    std::uint32_t height = 0;
    std::string bytes;
};

// Files larger than this are not read as pictures: a logo that big would
// swell every paper.
inline constexpr std::size_t kMaxPictureBytes = 2u << 20;

// The picture these bytes are: a PNG (signature, then a header chunk with a
// width and height that are not 0) or a JPEG (start of image, then markers
// up to a frame header with its size); nothing otherwise. Only the header is
// read: a damaged image body is the decoder's concern.
std::optional<Picture> pictureOf(std::string bytes);

// Why a file gave no picture.
enum class PictureFault { Unopened, TooLarge, Unread, NotAPicture };

// The picture in a file, or why there is none; `opened` receives the
// system's reason when the file cannot be opened. A file larger than
// kMaxPictureBytes is refused by its size, without being read.
std::variant<Picture, PictureFault> loadPicture(const std::filesystem::path& file,
                                                std::error_code* opened = nullptr);

// The picture in a file; nothing when loadPicture finds none.
std::optional<Picture> readPicture(const std::filesystem::path& file);

// The file extension (without the dot) and MIME type of the format.
std::string_view extensionOf(PictureFormat format);
std::string_view mimeTypeOf(PictureFormat format);

} // namespace kavro
