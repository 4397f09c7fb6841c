// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "headless_gui.h"

#include <QGuiApplication>

namespace kavro::print {

HeadlessGui::HeadlessGui() = default;

HeadlessGui::~HeadlessGui() = default;

bool HeadlessGui::ensure() {
    if (QCoreApplication::instance())
        return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    // A platform named in the environment may be unable to start (xcb
    // without a display): Qt would end the program. The offscreen one,
    // which always starts, comes after it as Qt's fallback.
    const QByteArray named = qgetenv("QT_QPA_PLATFORM");
    if (named.isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    else if (!named.split(';').contains("offscreen"))
        qputenv("QT_QPA_PLATFORM", named + ";offscreen");
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
    return true;
}

} // namespace kavro::print
