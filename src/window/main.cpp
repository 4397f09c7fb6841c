// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_window.h"
#include "window_icon.h"

#include <QApplication>

// kavro [FILE.kavro]: the window, with the order in FILE when one is named.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Where the settings (the recent files) and the autosaves are kept.
    QApplication::setOrganizationName(QStringLiteral("KAVRO"));
    QApplication::setApplicationName(QStringLiteral("kavro"));
    QApplication::setWindowIcon(kavro::window::appIcon());
    kavro::window::OrderWindow window;
    window.show();
    const QStringList arguments = QApplication::arguments();
    // Work lost in a crash comes first; a named file is opened when none is
    // taken back.
    if (!window.offerRestore() && arguments.size() > 1)
        window.openFile(arguments.at(1));
    return QApplication::exec();
}
