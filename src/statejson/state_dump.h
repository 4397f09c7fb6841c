// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/tform1.h"

#include <nlohmann/json.hpp>

namespace kavro {

// The whole window state as the driver's `dump` prints it.
nlohmann::ordered_json dumpState(const TForm1& form, const std::string& clipboard);

// One control as it stands in that dump; null for the controls the dump
// leaves out (the button and the maker's links).
nlohmann::ordered_json dumpControl(const TForm1& form, Field field);

} // namespace kavro
