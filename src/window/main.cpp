// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/about_options.h"
#include "order_window.h"
#include "window_icon.h"

#include <QApplication>
#include <iostream>

namespace {

constexpr kavro::ProgramAbout kAbout{
    "kavro", "[ORDER.kavro]",
    "Opens the KAVRO drive calculator: describe a roller shutter (profile, shaft,\n"
    "size, mounting, control) and the window shows the curtain mass, the required\n"
    "torque, the shaft turns and the operating time, lists the KAVRO tubular\n"
    "drives that fit with their accessories, and writes a printable report as a\n"
    "Word document, or prints it and saves it as PDF. The window is in Russian\n"
    "and uses the decimal comma.\n"
    "\n"
    "An order of many openings is kept in a .kavro file: the window opens the\n"
    "one named on the command line, lists its openings beside the calculator,\n"
    "and brings in and writes out spreadsheets, the parts list and the order\n"
    "report from its menus. Unsaved work is kept aside and offered back after\n"
    "a crash.\n"
    "\n"
    "The report is typed into the template KavroBlank.docx found beside the\n"
    "program or in /usr/share/kavro.\n"};

} // namespace

// kavro [FILE.kavro]: the window, with the order in FILE when one is named.
int main(int argc, char** argv) {
    // Answered before Qt starts, so that they need no display.
    if (const auto status = kavro::answerAboutOption(argc, argv, kAbout, std::cout))
        return *status;
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
