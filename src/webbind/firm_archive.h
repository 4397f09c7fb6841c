// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "file_answer.h"

#include <string>

namespace kavro {

// Экспорт реквизитов: one .zip of firm.json and the logo it names (under
// that name), as the desktop keeps them side by side.
FileAnswer firmArchive(const std::string& firmJson, const std::string& logoBytes);

// Such a .zip read back: {"result": "done", "firm": firm.json's text,
// "logo": the logo's bytes in base64, "" for none} or {"result": "failed",
// "error"}. The details themselves are checked where they are set.
std::string firmOfArchive(const std::string& name, const std::string& bytes);

} // namespace kavro
