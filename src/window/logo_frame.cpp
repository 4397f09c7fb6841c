// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logo_frame.h"

#include "jpeg_decoder.h"

#include <QPixmap>

namespace kavro::window {

LogoFrame::LogoFrame(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

bool LogoFrame::showJpeg(QByteArrayView data) {
    const QImage picture = decodeJpeg(data);
    if (picture.isNull()) {
        clear();
        return false;
    }
    setPixmap(QPixmap::fromImage(picture));
    return true;
}

} // namespace kavro::window
