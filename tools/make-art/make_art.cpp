// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the calculator's own logo (a baseline JPEG of three colour
// components, as the window decodes it) and its icon in several sizes.
// The emblem is a roller shutter with its drive: a rounded square holding
// the curtain's slats and a round motor head.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace {

const QColor kBlue(0x1d, 0x4e, 0x89);
const QColor kSlat(0xe8, 0xee, 0xf6);
const QColor kOrange(0xf0, 0x8a, 0x24);
const QColor kGrey(0x55, 0x5d, 0x66);

// The emblem fills `box`: slats below a motor head, all in proportion to
// the box so that the icon stays legible from 16 px up.
void drawEmblem(QPainter& p, const QRectF& box) {
    const qreal s = box.width();
    QPainterPath frame;
    frame.addRoundedRect(box, s * 0.18, s * 0.18);
    p.fillPath(frame, kBlue);

    const qreal margin = s * 0.16;
    const qreal top = box.top() + s * 0.36;
    const int slats = 4;
    const qreal pitch = (box.bottom() - margin - top) / slats;
    for (int i = 0; i < slats; ++i) {
        const QRectF slat(box.left() + margin, top + i * pitch, s - 2 * margin, pitch * 0.68);
        p.fillRect(slat, kSlat);
    }
    const qreal head = s * 0.22;
    p.setBrush(kOrange);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(box.left() + s - margin - head / 2, box.top() + margin + head / 2),
                  head / 2, head / 2);
    p.fillRect(QRectF(box.left() + margin, box.top() + margin + head * 0.35,
                      s - 2 * margin - head * 1.1, head * 0.3),
               kSlat);
}

QImage drawLogo() {
    QImage logo(192, 76, QImage::Format_RGB888);
    logo.fill(Qt::white);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    drawEmblem(p, QRectF(6, 8, 60, 60));

    QFont word("Liberation Sans");
    word.setPixelSize(31);
    word.setBold(true);
    word.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    p.setFont(word);
    p.setPen(kBlue);
    p.drawText(QRectF(74, 6, 116, 42), Qt::AlignLeft | Qt::AlignVCenter, "KAVRO");

    p.fillRect(QRectF(76, 48, 110, 2), kOrange);
    QFont line("Liberation Sans");
    line.setPixelSize(12);
    p.setFont(line);
    p.setPen(kGrey);
    p.drawText(QRectF(76, 52, 116, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8("приводы ролет"));
    return logo;
}

QImage drawIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal inset = size >= 32 ? size / 16.0 : 0.5;
    drawEmblem(p, QRectF(inset, inset, size - 2 * inset, size - 2 * inset));
    return icon;
}

// Writes an RGB image as a baseline (sequential, Huffman-coded) JPEG.
bool writeBaselineJpeg(const QImage& image, const QString& path) {
    std::FILE* out = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!out)
        return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    jpeg_start_compress(&info, TRUE);
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPLE*>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(out) == 0;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kavro-make-art OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!writeBaselineJpeg(drawLogo(), folder.filePath("logo.jpg"))) {
        std::fprintf(stderr, "cannot write the logo\n");
        return 1;
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        if (!drawIcon(size).save(folder.filePath(QString("icon-%1.png").arg(size)))) {
            std::fprintf(stderr, "cannot write the %d px icon\n", size);
            return 1;
        }
    }
    return 0;
}
