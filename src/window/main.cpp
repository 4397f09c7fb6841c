// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"
#include "window_icon.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(kavro::window::appIcon());
    kavro::window::MainWindow window;
    window.show();
    return QApplication::exec();
}
