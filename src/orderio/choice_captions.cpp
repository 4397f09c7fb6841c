// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "choice_captions.h"

namespace kavro {

std::optional<int> choiceByCaption(Field radioGroup, std::string_view caption) {
    const std::span<const std::string> captions = choiceCaptions(radioGroup);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (captions[i] == caption)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

std::optional<std::string> captionOfChoice(Field radioGroup, int index) {
    const std::span<const std::string> captions = choiceCaptions(radioGroup);
    if (index < 0 || static_cast<std::size_t>(index) >= captions.size())
        return std::nullopt;
    return captions[static_cast<std::size_t>(index)];
}

} // namespace kavro
