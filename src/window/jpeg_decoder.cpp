// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "jpeg_decoder.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <jpeglib.h>

namespace kavro::window {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return:
// it jumps back to the setjmp of the step that was running. The steps below
// hold only trivially destructible locals, so the jump skips no destructor.
struct ErrorManager {
    jpeg_error_mgr base; // first, so that libjpeg's pointer to it is ours too
    std::jmp_buf jump;
    bool damaged = false;
};

ErrorManager& manager(j_common_ptr info) {
    return *reinterpret_cast<ErrorManager*>(info->err);
}

[[noreturn]] void onError(j_common_ptr info) {
    std::longjmp(manager(info).jump, 1);
}

// Level -1 is a warning about damaged data; higher levels only trace. Nothing
// is printed: a logo that cannot be shown is not the user's concern.
void onMessage(j_common_ptr info, int level) {
    if (level < 0)
        manager(info).damaged = true;
}

bool startDecompress(jpeg_decompress_struct& info, ErrorManager& errors) {
    if (setjmp(errors.jump))
        return false;
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    return true;
}

bool readRows(jpeg_decompress_struct& info, ErrorManager& errors, QImage& image) {
    if (setjmp(errors.jump))
        return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

QImage decodeJpeg(QByteArrayView data) {
    if (data.isEmpty())
        return {};
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = onMessage;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.data()),
                 static_cast<unsigned long>(data.size()));

    QImage image;
    if (startDecompress(info, errors) && info.output_components == 3 &&
        info.output_width <= kMaxJpegSide && info.output_height <= kMaxJpegSide) {
        image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                       QImage::Format_RGB888);
        if (image.isNull() || !readRows(info, errors, image) || errors.damaged)
            image = QImage();
    }
    jpeg_destroy_decompress(&info);
    return image;
}

} // namespace kavro::window
