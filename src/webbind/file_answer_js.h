// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "file_answer.h"

#include <emscripten/val.h>

namespace kavro {

// A file for the page: {result: "done", bytes: Uint8Array} or {result:
// "failed", error}. The bytes are copied out of the module's memory, which
// the next call may move.
emscripten::val fileAnswerValue(const FileAnswer& file);

} // namespace kavro
