// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

namespace kavro::window {

// The calculator's icon, drawn in several sizes.
QIcon appIcon();

} // namespace kavro::window
