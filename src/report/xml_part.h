// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace kavro {

// An XML part of a package, parsed; nothing when it is not well-formed XML.
// Text that is only white space is kept where it is an element's one child
// (a typed space, <w:t> </w:t>), dropped between elements.
std::optional<pugi::xml_document> parseXmlPart(std::string_view bytes);

// The part as UTF-8 with a declaration that says so, whatever encoding and
// declaration it was read with.
std::string serializeXmlPart(const pugi::xml_document& part);

} // namespace kavro
