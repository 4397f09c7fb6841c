// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <ctime>
#include <string>

namespace kavro {

// The name of the report file written at `localTime`, readable and sorted by
// time: "Подбор привода 2026-12-06 15-30-05.docx". When that name is taken,
// the alternatives from 2 on read "Подбор привода 2026-12-06 15-30-05 (2).docx".
std::string reportFileName(const std::tm& localTime, int alternative = 1);

} // namespace kavro
