// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "file_answer_js.h"

#include <emscripten/bind.h>

namespace kavro {

emscripten::val fileAnswerValue(const FileAnswer& file) {
    using emscripten::val;
    val answer = val::object();
    if (!file.error.empty()) {
        answer.set("result", val("failed"));
        answer.set("error", val(file.error));
        return answer;
    }
    const val view(emscripten::typed_memory_view(
        file.bytes.size(), reinterpret_cast<const unsigned char*>(file.bytes.data())));
    answer.set("result", val("done"));
    answer.set("bytes", view.call<val>("slice"));
    return answer;
}

} // namespace kavro
