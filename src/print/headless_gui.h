// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

class QGuiApplication;

namespace kavro::print {

// The QGuiApplication that the printable document needs, for programs that
// have no window: started only when first needed, on Qt's offscreen
// platform unless QT_QPA_PLATFORM names another, so that no display is
// needed (a platform named there that cannot start falls back to it). It
// lives as long as this object; a program that has its own application
// keeps using that one.
class HeadlessGui {
public:
    HeadlessGui();
    ~HeadlessGui();
    HeadlessGui(const HeadlessGui&) = delete;
    HeadlessGui& operator=(const HeadlessGui&) = delete;

    // False when the program runs a Qt application without a GUI, which
    // cannot lay out text.
    bool ensure();

private:
    int argc_ = 1;
    char name_[8] = "kavro";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

} // namespace kavro::print
