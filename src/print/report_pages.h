// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPagedPaintDevice>
#include <QRectF>
#include <QTextDocument>
#include <vector>

namespace kavro::print {

// The report laid out in one long column and cut into pages of the text
// area's height. A page ends between two paragraphs or two rows of a table,
// never through one, so that a wrapped paragraph or a row with a wrapped name
// stays whole on one page with its borders. Only a paragraph or row taller
// than a page is cut, between two of its lines.
class ReportPages {
public:
    // One page: the stretch of the document it shows, in document units.
    struct Page {
        double top = 0;    // where the page's text area begins
        double bottom = 0; // where the next page begins
        // How far above `top` and below `bottom` the page may paint: half
        // the gap to the neighbour's text, so that the border line between
        // two rows shows on both pages and no text shows twice.
        double above = 0;
        double below = 0;
    };

    // `document` is laid out at the text area's width and must outlive this.
    explicit ReportPages(const QTextDocument& document);

    const std::vector<Page>& pages() const { return pages_; }

    // Paints pages first..last (counted from 0, clamped to those there are)
    // onto a printer or PDF writer set up with PageGeometry's page layout;
    // false when nothing could be painted on it.
    bool paint(QPagedPaintDevice& device, int first = 0, int last = -1) const;

private:
    // A stretch that no page may cut: one paragraph, or one table row.
    struct Span {
        double top;
        double bottom;
        // A table row, whose border lines lie just outside its lines.
        bool framed = false;
    };
    // A paragraph as the layout draws it: it paints the paragraph when its
    // bounding rectangle meets the drawing clip, and of it the lines that
    // meet the clip. `lines` are every line's top and bottom.
    struct Block {
        Span drawn;
        std::vector<Span> lines;
    };
    // The spans in document order, every line of text apart, and every
    // paragraph that holds text.
    void measure(std::vector<Span>& spans, std::vector<Span>& lines);
    void cut(std::vector<Span> spans, const std::vector<Span>& lines, double pageHeight,
             double documentHeight);
    static std::vector<Span> merged(std::vector<Span> spans);
    // Where to end a page that starts at `top` inside a span too tall for
    // it: after the last line that fits, else at the page's end.
    static double forcedEnd(const std::vector<Span>& lines, double top, double limit);
    // The stretch of the document each page lets the layout draw: every
    // line the page shows meets it, no line that another page shows does.
    void chooseDrawClips();
    void paintPage(QPainter& painter, const Page& page, Span drawn, double scale) const;

    const QTextDocument& document_;
    std::vector<Page> pages_;
    std::vector<Block> blocks_;
    std::vector<Span> drawClips_;
};

} // namespace kavro::print
