// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "password_input.h"

#include <termios.h>
#include <unistd.h>

namespace kavro {

namespace {

// Turns echo off on standard input while it lives, when that is a terminal.
class HiddenTyping {
public:
    HiddenTyping() : terminal_(isatty(STDIN_FILENO) != 0) {
        if (!terminal_ || tcgetattr(STDIN_FILENO, &saved_) != 0) {
            terminal_ = false;
            return;
        }
        termios quiet = saved_;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    ~HiddenTyping() {
        if (terminal_)
            tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_);
    }
    HiddenTyping(const HiddenTyping&) = delete;
    HiddenTyping& operator=(const HiddenTyping&) = delete;
    bool terminal() const { return terminal_; }

private:
    bool terminal_;
    termios saved_{};
};

} // namespace

std::optional<std::string> readPassword(std::istream& in, std::ostream& tty,
                                        const std::string& prompt) {
    const HiddenTyping hidden;
    if (hidden.terminal())
        tty << prompt << std::flush;
    std::string line;
    const bool read = static_cast<bool>(std::getline(in, line));
    if (hidden.terminal())
        tty << '\n';
    if (!read)
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

} // namespace kavro
