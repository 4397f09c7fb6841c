// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "paragraph_typing.h"

#include "core/text/utf8.h"
#include "element_order.h"

#include <string>

namespace kavro {

namespace {

// U+FFFE and U+FFFF, the two characters beside the controls that XML
// forbids, in UTF-8.
bool isNonCharacter(std::string_view s, std::size_t i) {
    return s.compare(i, 3, "\xEF\xBF\xBE") == 0 || s.compare(i, 3, "\xEF\xBF\xBF") == 0;
}

// Builds one run: text pieces and tabs in the order typed.
class RunBuilder {
public:
    RunBuilder(pugi::xml_node paragraph, const CharacterFormat& format)
        : paragraph_(paragraph), format_(format) {}

    void text(char c) { pending_ += c; }
    void tab() {
        flushText();
        run().append_child("w:tab");
    }
    void finish() { flushText(); }
    // Goes on in another paragraph, with a new run.
    void continueIn(pugi::xml_node paragraph) {
        finish();
        paragraph_ = paragraph;
        run_ = {};
    }

private:
    pugi::xml_node run() {
        if (!run_) {
            run_ = paragraph_.append_child("w:r");
            pugi::xml_node rPr = run_.append_child("w:rPr");
            format_.applyTo(rPr);
            if (!rPr.first_child())
                run_.remove_child(rPr);
        }
        return run_;
    }
    void flushText() {
        if (pending_.empty())
            return;
        pugi::xml_node t = run().append_child("w:t");
        t.append_attribute("xml:space") = "preserve";
        t.text().set(pending_.c_str());
        pending_.clear();
    }

    pugi::xml_node paragraph_;
    const CharacterFormat& format_;
    pugi::xml_node run_;
    std::string pending_;
};

// Gives an empty paragraph the format of `like`, its mark in `format`.
void formatLike(pugi::xml_node paragraph, pugi::xml_node like, const CharacterFormat& format) {
    pugi::xml_node pPr = paragraph.append_child("w:pPr");
    if (pugi::xml_node source = like.child("w:pPr")) {
        for (pugi::xml_node property : source.children())
            pPr.append_copy(property);
        // The new paragraph ends no section and carries no tracked change.
        pPr.remove_child("w:sectPr");
        pPr.remove_child("w:pPrChange");
        pPr.remove_child("w:rPr");
    }
    pugi::xml_node mark = paragraphProperty(pPr, "rPr");
    format.applyTo(mark);
    if (!mark.first_child())
        pPr.remove_child(mark);
    if (!pPr.first_child())
        paragraph.remove_child(pPr);
}

} // namespace

pugi::xml_node paragraphProperties(pugi::xml_node paragraph) {
    return leadingChild(paragraph, "pPr");
}

pugi::xml_node typeInto(pugi::xml_node paragraph, std::string_view raw,
                        const CharacterFormat& format) {
    const std::string text = utf8::sanitize(raw);
    RunBuilder run(paragraph, format);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            run.finish();
            paragraph = paragraphAfter(paragraph, paragraph, format);
            run.continueIn(paragraph);
        } else if (c == '\t') {
            run.tab();
        } else if (static_cast<unsigned char>(c) < 0x20) {
            continue;
        } else if (isNonCharacter(text, i)) {
            i += 2;
        } else {
            run.text(c);
        }
    }
    run.finish();
    return paragraph;
}

pugi::xml_node paragraphAfter(pugi::xml_node node, pugi::xml_node like,
                              const CharacterFormat& format) {
    pugi::xml_node paragraph = node.parent().insert_child_after("w:p", node);
    formatLike(paragraph, like, format);
    return paragraph;
}

pugi::xml_node appendParagraph(pugi::xml_node parent, pugi::xml_node like,
                               const CharacterFormat& format) {
    pugi::xml_node paragraph = parent.append_child("w:p");
    formatLike(paragraph, like, format);
    return paragraph;
}

void setAlignment(pugi::xml_node paragraph, Alignment alignment) {
    pugi::xml_node jc = paragraphProperty(paragraphProperties(paragraph), "jc");
    jc.remove_attributes();
    jc.append_attribute("w:val") = alignment == Alignment::Center ? "center" : "left";
}

bool hasContent(pugi::xml_node paragraph) {
    for (pugi::xml_node child : paragraph.children())
        if (std::string_view(child.name()) != "w:pPr")
            return true;
    return false;
}

} // namespace kavro
