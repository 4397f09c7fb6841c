// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "opening_places.h"

namespace kavro {

namespace {

// Follows the nesting of a JSON text just far enough to see the elements of
// the top level's "openings" list start. Only strings need care: brackets
// and commas inside them are text.
class OpeningScanner {
public:
    explicit OpeningScanner(std::string_view text) : text_(text) {}

    std::vector<std::size_t> offsets() {
        for (std::size_t i = 0; i < text_.size(); ++i) {
            const char c = text_[i];
            if (inString_)
                stringCharacter(c, i);
            else if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
                structure(c, i);
        }
        return offsets_;
    }

private:
    void stringCharacter(char c, std::size_t i) {
        if (escaped_) {
            escaped_ = false;
        } else if (c == '\\') {
            escaped_ = true;
        } else if (c == '"') {
            inString_ = false;
            if (depth_ == 1)
                lastString_ = text_.substr(stringStart_ + 1, i - stringStart_ - 1);
        }
    }

    void structure(char c, std::size_t i) {
        if (inOpenings_ && depth_ == 2 && expectingElement_ && c != ']') {
            offsets_.push_back(i);
            expectingElement_ = false;
        }
        switch (c) {
        case '"':
            inString_ = true;
            stringStart_ = i;
            break;
        case ':':
            if (depth_ == 1)
                key_ = lastString_;
            break;
        case ',':
            if (inOpenings_ && depth_ == 2)
                expectingElement_ = true;
            break;
        case '[':
        case '{':
            if (depth_ == 1 && c == '[' && key_ == "openings") {
                inOpenings_ = true;
                expectingElement_ = true;
            }
            ++depth_;
            break;
        case ']':
        case '}':
            if (--depth_ == 1)
                inOpenings_ = false;
            break;
        default:
            break;
        }
    }

    std::string_view text_;
    std::vector<std::size_t> offsets_;
    int depth_ = 0;
    bool inString_ = false;
    bool escaped_ = false;
    std::size_t stringStart_ = 0;
    std::string_view lastString_; // the last string of the top level
    std::string_view key_;        // the key of the top level's current value
    bool inOpenings_ = false;
    bool expectingElement_ = false;
};

} // namespace

std::vector<TextPlace> openingPlaces(std::string_view text) {
    std::vector<TextPlace> places;
    // One pass for the lines: the offsets come in order.
    TextPlace place;
    std::size_t at = 0;
    for (const std::size_t offset : OpeningScanner(text).offsets()) {
        for (; at < offset; ++at) {
            if (text[at] == '\n') {
                ++place.line;
                place.column = 1;
            } else if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) {
                ++place.column;
            }
        }
        places.push_back(place);
    }
    return places;
}

} // namespace kavro
