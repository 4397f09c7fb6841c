// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/form/opening_inputs.h"
#include "core/state/field.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kavro {

// The captions of a radio group are choiceCaptions() of the inputs.

// The item of `radioGroup` whose caption is `caption`, if there is one.
std::optional<int> choiceByCaption(Field radioGroup, std::string_view caption);
// The caption of item `index`; nothing for an index the group lacks.
std::optional<std::string> captionOfChoice(Field radioGroup, int index);

} // namespace kavro
