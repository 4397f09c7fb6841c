// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report_pages.h"

#include "page_geometry.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <algorithm>
#include <limits>

namespace kavro::print {

namespace {

// How far beside the text area a page may paint (points): the table's outer
// border lines lie half outside it.
constexpr double kSideSlack = 2;
// How far above and below its lines a table row that begins or ends a page
// shows (points): its border lines, which a paragraph's lines may come closer
// to than that. Nothing else of a neighbour paints there, as the page draws
// no text but its own.
constexpr double kBorderReach = 2;
// How far inside its ends a page's drawing stops (document units), so that
// a line that only touches the page's end is not drawn on it.
constexpr double kEdge = 0.01;

// How far a table's paragraphs are drawn from where blockBoundingRect puts
// them: the layout draws a table at its position rounded to whole units.
double drawnShift(const QTextDocument& document, const QTextTable& table) {
    const QPointF placed =
        document.documentLayout()->frameBoundingRect(const_cast<QTextTable*>(&table)).topLeft();
    return QPointF(placed.toPoint()).y() - placed.y();
}

} // namespace

ReportPages::ReportPages(const QTextDocument& document) : document_(document) {
    std::vector<Span> spans;
    std::vector<Span> lines;
    measure(spans, lines);
    cut(spans, lines, PageGeometry::textArea().height(),
        document.documentLayout()->documentSize().height());
    chooseDrawClips();
}

void ReportPages::measure(std::vector<Span>& found, std::vector<Span>& lines) {
    // blockBoundingRect puts the paragraph's layout rectangle with its
    // top-left at the layout's position; the layout draws that rectangle and
    // its lines from the position, so both are offset by the same origin.
    auto add = [this, &lines](const QTextBlock& block, double shift) -> const Block* {
        const QTextLayout* text = block.layout();
        if (text->lineCount() == 0)
            return nullptr;
        const QRectF bounds = text->boundingRect();
        const double origin = document_.documentLayout()->blockBoundingRect(block).top() + shift;
        Block& measured =
            blocks_.emplace_back(Block{{origin + bounds.top(), origin + bounds.bottom()}, {}});
        for (int i = 0; i < text->lineCount(); ++i) {
            const QRectF line = text->lineAt(i).naturalTextRect();
            measured.lines.push_back({origin + line.top(), origin + line.bottom()});
            lines.push_back(measured.lines.back());
        }
        return &measured;
    };
    for (auto it = document_.rootFrame()->begin(); !it.atEnd(); ++it) {
        const auto* table = qobject_cast<const QTextTable*>(it.currentFrame());
        if (!table) {
            // An empty paragraph has nothing to cut through; and Qt lays the
            // empty one behind a table inside the table's own height. A row
            // of empty cells still counts: its borders must stay together.
            if (it.currentBlock().isValid() && !it.currentBlock().text().isEmpty())
                if (const Block* block = add(it.currentBlock(), 0))
                    found.push_back({block->lines.front().top, block->lines.back().bottom});
            continue;
        }
        const double shift = drawnShift(document_, *table);
        for (int r = 0; r < table->rows(); ++r) {
            Span row{std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest()};
            for (int c = 0; c < table->columns(); ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                for (auto in = cell.begin(); !in.atEnd(); ++in) {
                    if (const Block* block = add(in.currentBlock(), shift)) {
                        row.top = std::min(row.top, block->lines.front().top);
                        row.bottom = std::max(row.bottom, block->lines.back().bottom);
                    }
                }
            }
            row.framed = true;
            if (row.top <= row.bottom)
                found.push_back(row);
        }
    }
    std::sort(lines.begin(), lines.end(),
              [](const Span& a, const Span& b) { return a.bottom < b.bottom; });
}

double ReportPages::forcedEnd(const std::vector<Span>& lines, double top, double limit) {
    double end = limit;
    for (const Span& line : lines)
        if (line.top >= top && line.bottom <= limit)
            end = line.bottom;
    return end > top ? end : limit;
}

// Fills each page with as many whole spans as fit; a page ends halfway
// between its last span and the next one. A span that fits on no page, or
// nothing left of one, is cut between two of its lines.
void ReportPages::cut(std::vector<Span> spans, const std::vector<Span>& lines, double pageHeight,
                      double documentHeight) {
    spans = merged(std::move(spans));
    const double reach = PageGeometry::documentUnits(kBorderReach);
    Page page;
    std::size_t next = 0; // the first span not yet shown whole
    while (next < spans.size()) {
        const double limit = page.top + pageHeight;
        double nextAbove = 0;
        std::size_t fit = next;
        while (fit < spans.size() && spans[fit].bottom <= limit)
            ++fit;
        if (fit == spans.size()) {
            page.bottom = std::max(documentHeight, spans.back().bottom);
            page.below = 0;
        } else if (fit == next || spans[fit].bottom - spans[fit].top > pageHeight) {
            page.bottom = forcedEnd(lines, page.top, limit);
            page.below = 0;
        } else {
            // Between the two, or in the middle of the little they overlap.
            const double gap = spans[fit].top - spans[fit - 1].bottom;
            page.bottom = spans[fit - 1].bottom + gap / 2;
            page.below = std::max({gap / 2, spans[fit - 1].framed ? reach : 0, 0.0});
            nextAbove = std::max({gap / 2, spans[fit].framed ? reach : 0, 0.0});
        }
        if (fit == spans.size() && spans.back().framed)
            page.below = reach;
        next = fit;
        pages_.push_back(page);
        page = Page{page.bottom, page.bottom, nextAbove, 0};
    }
    if (pages_.empty())
        pages_.push_back(Page{0, documentHeight, 0, 0});
}

// In order from the top; spans that lie beside each other (a table beside a
// paragraph, should the layout place them so) become one that no page cuts.
// Neighbours that only overlap a little stay apart: a line's box is taller
// than the report's line spacing, so the boxes of consecutive paragraphs
// overlap by a fraction of a line.
std::vector<ReportPages::Span> ReportPages::merged(std::vector<Span> spans) {
    std::sort(spans.begin(), spans.end(),
              [](const Span& a, const Span& b) { return a.top < b.top; });
    std::vector<Span> result;
    for (const Span& span : spans) {
        if (!result.empty()) {
            Span& last = result.back();
            const double smaller = std::min(last.bottom - last.top, span.bottom - span.top);
            if (span.top < last.bottom - smaller / 2) {
                last.bottom = std::max(last.bottom, span.bottom);
                last.framed = last.framed || span.framed;
                continue;
            }
        }
        result.push_back(span);
    }
    return result;
}

// A line belongs to the page its middle lies on. The layout draws a
// paragraph whose rectangle meets the clip, and of it every line from the
// last one above the clip on; so the clip must end after the top of the
// page's last line and before the rectangle of anything further on, and
// begin before the bottom of the page's first line and after the rectangle
// of anything above. Rectangles of neighbours may overlap (a line height
// below the font's own), so the clip's ends lie between bottoms and between
// tops, not between one rectangle and the next.
void ReportPages::chooseDrawClips() {
    constexpr double kNone = std::numeric_limits<double>::max();
    // A page's clip lies within a page's height of the page, so a paragraph
    // further away can neither be drawn on it nor move its clip: each page
    // looks only at those near it.
    std::sort(blocks_.begin(), blocks_.end(),
              [](const Block& a, const Block& b) { return a.drawn.top < b.drawn.top; });
    double tallest = 0;
    for (const Block& block : blocks_)
        tallest = std::max(tallest, block.drawn.bottom - block.drawn.top);
    const double near = PageGeometry::textArea().height() + tallest;
    for (std::size_t p = 0; p < pages_.size(); ++p) {
        const Page& page = pages_[p];
        const bool last = p + 1 == pages_.size();
        auto where = [&](const Span& line) {
            const double middle = (line.top + line.bottom) / 2;
            return middle < page.top && p > 0 ? -1 : middle >= page.bottom && !last ? 1 : 0;
        };
        double above = -kNone; // the lowest bottom the clip must pass below
        double below = kNone;  // the highest top the clip must end above
        double firstBottom = kNone;
        double lastTop = -kNone;
        const auto from =
            std::lower_bound(blocks_.begin(), blocks_.end(), page.top - near,
                             [](const Block& block, double top) { return block.drawn.top < top; });
        for (auto it = from; it != blocks_.end() && it->drawn.top <= page.bottom + near; ++it) {
            const Block& block = *it;
            const int first = where(block.lines.front());
            const int end = where(block.lines.back());
            if (end < 0) {
                above = std::max(above, block.drawn.bottom);
            } else if (first > 0) {
                below = std::min(below, block.drawn.top);
            } else {
                for (const Span& line : block.lines) {
                    const int at = where(line);
                    if (at < 0)
                        above = std::max(above, line.bottom);
                    else if (at > 0)
                        below = std::min(below, line.top);
                    else {
                        firstBottom = std::min(firstBottom, line.bottom);
                        lastTop = std::max(lastTop, line.top);
                    }
                }
            }
        }
        // Without a line of its own, or where no clip could part them, the
        // page keeps to its own stretch.
        Span clip{page.top + kEdge, page.bottom - kEdge};
        if (firstBottom != kNone) {
            if (above == -kNone)
                clip.top = std::min(clip.top, firstBottom);
            else if (above < firstBottom)
                clip.top = (above + firstBottom) / 2;
            if (below == kNone)
                clip.bottom = std::max(clip.bottom, lastTop);
            else if (lastTop < below)
                clip.bottom = (lastTop + below) / 2;
        }
        drawClips_.push_back(clip);
    }
}

void ReportPages::paintPage(QPainter& painter, const Page& page, Span drawn, double scale) const {
    const double slack = PageGeometry::documentUnits(kSideSlack);
    const double width = PageGeometry::textArea().width() + 2 * slack;
    // What shows: the page's stretch and the border lines at its two ends.
    const QRectF shown(-slack, page.top - page.above, width,
                       page.bottom + page.below - (page.top - page.above));
    painter.save();
    painter.scale(scale, scale);
    painter.translate(0, -page.top);
    painter.setClipRect(shown);
    // What is drawn: only the lines of the page itself. The text of a line
    // beyond it would be invisible under the clip but still in the PDF,
    // where search and copying would find it twice.
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(-slack, drawn.top, width, drawn.bottom - drawn.top);
    // Black on white whatever the desktop's colours.
    context.palette.setColor(QPalette::Text, Qt::black);
    document_.documentLayout()->draw(&painter, context);
    painter.restore();
}

bool ReportPages::paint(QPagedPaintDevice& device, int first, int last) const {
    const int lastPage = static_cast<int>(pages_.size()) - 1;
    first = std::clamp(first, 0, lastPage);
    last = last < 0 ? lastPage : std::clamp(last, first, lastPage);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The device's page area is the text area; the document fills it.
    const QSizeF area = PageGeometry::textArea();
    const double scale = std::min(device.width() / area.width(), device.height() / area.height());
    for (int i = first; i <= last; ++i) {
        if (i > first && !device.newPage())
            return false;
        const auto at = static_cast<std::size_t>(i);
        paintPage(painter, pages_[at], drawClips_[at], scale);
    }
    return painter.end();
}

} // namespace kavro::print
