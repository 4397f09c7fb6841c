#pragma once

#include "core/platform/services.h"

namespace kavro::window {

// The desktop's clipboard, plain text.
class DesktopClipboard : public Clipboard {
public:
    void setText(const std::string& text) override;
};

} // namespace kavro::window
