// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report_file_name.h"

#include <array>

namespace kavro {

std::string reportFileName(const std::tm& localTime, int alternative) {
    std::array<char, 32> stamp{};
    // Colons are not allowed in file names everywhere the file may travel.
    const std::size_t length =
        std::strftime(stamp.data(), stamp.size(), "%Y-%m-%d %H-%M-%S", &localTime);
    std::string name = "Подбор привода " + std::string(stamp.data(), length);
    if (alternative > 1)
        name += " (" + std::to_string(alternative) + ")";
    return name + ".docx";
}

} // namespace kavro
