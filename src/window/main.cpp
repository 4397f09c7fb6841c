// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/about_options.h"
#include "main_window.h"
#include "window_icon.h"

#include <QApplication>
#include <iostream>

namespace {

constexpr kavro::ProgramAbout kAbout{
    "kavro", "",
    "Opens the KAVRO drive calculator: describe a roller shutter (profile, shaft,\n"
    "size, mounting, control) and the window shows the curtain mass, the required\n"
    "torque, the shaft turns and the operating time, lists the KAVRO tubular\n"
    "drives that fit with their accessories, and writes a printable report as a\n"
    "Word document. The window is in Russian and uses the decimal comma.\n"
    "\n"
    "The report is typed into the template KavroBlank.docx found beside the\n"
    "program or in /usr/share/kavro.\n"};

} // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts, so that they need no display.
    if (const auto status = kavro::answerAboutOption(argc, argv, kAbout, std::cout))
        return *status;
    QApplication app(argc, argv);
    QApplication::setWindowIcon(kavro::window::appIcon());
    kavro::window::MainWindow window;
    window.show();
    return QApplication::exec();
}
