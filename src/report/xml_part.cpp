// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "xml_part.h"

namespace kavro {

namespace {

class StringWriter : public pugi::xml_writer {
public:
    explicit StringWriter(std::string& out) : out_(out) {}
    void write(const void* data, std::size_t size) override {
        out_.append(static_cast<const char*>(data), size);
    }

private:
    std::string& out_;
};

} // namespace

std::optional<pugi::xml_document> parseXmlPart(std::string_view bytes) {
    constexpr unsigned kFlags =
        pugi::parse_default | pugi::parse_comments | pugi::parse_pi | pugi::parse_ws_pcdata_single;
    std::optional<pugi::xml_document> part(std::in_place);
    if (!part->load_buffer(bytes.data(), bytes.size(), kFlags))
        return std::nullopt;
    if (!part->document_element())
        return std::nullopt;
    return part;
}

std::string serializeXmlPart(const pugi::xml_document& part) {
    // A package part has no document type declaration, so it always stands
    // alone; the declaration read with it, if any, was dropped on parsing.
    std::string out = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)";
    StringWriter writer(out);
    part.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return out;
}

} // namespace kavro
