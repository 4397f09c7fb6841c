#pragma once

#include <QIcon>

namespace kavro::window {

// The calculator's icon, drawn in several sizes.
QIcon appIcon();

} // namespace kavro::window
