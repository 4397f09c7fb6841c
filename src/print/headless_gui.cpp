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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
    return true;
}

} // namespace kavro::print
