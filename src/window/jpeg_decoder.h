// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QImage>

namespace kavro::window {

// The largest picture side (pixels) that the decoder accepts; it bounds the
// memory that damaged or hostile data could make it allocate.
inline constexpr int kMaxJpegSide = 4096;

// Decodes JPEG data with libjpeg into an RGB image. Returns a null image when
// the data is not a whole, undamaged JPEG picture (libjpeg's corrupt-data
// warnings count as damage) or when a side exceeds kMaxJpegSide.
QImage decodeJpeg(QByteArrayView data);

} // namespace kavro::window
