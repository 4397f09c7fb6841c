// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QLabel>

namespace kavro::window {

// The frame of the maker's logo: the picture decoded from JPEG data, drawn
// unscaled at the frame's top-left corner. Data that does not decode leaves
// the frame empty.
class LogoFrame : public QLabel {
public:
    explicit LogoFrame(QWidget* parent = nullptr);

    // Returns whether the picture could be decoded.
    bool showJpeg(QByteArrayView data);
};

} // namespace kavro::window
