// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/tform1.h"

#include <string>
#include <vector>

namespace kavro {

// What must hold of the window after any user action, whatever was typed or
// pasted. `settled` says that the last drive selection ran after every input
// took its current value (the action that ran it succeeded, and no failed
// action came after it); only then must the lists agree with the inputs.
// Returns a description of each broken invariant, none when all hold.
std::vector<std::string> brokenInvariants(const TForm1& form, bool settled);

} // namespace kavro
