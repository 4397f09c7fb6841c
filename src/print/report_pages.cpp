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
// How far inside its ends a page's drawing stops (document units), so that
// a line that only touches the page's end is not drawn on it.
constexpr double kEdge = 0.01;

template <class Add>
void forEachLine(const QTextDocument& document, const QTextBlock& block, Add&& add) {
    const QTextLayout* text = block.layout();
    const QRectF placed = document.documentLayout()->blockBoundingRect(block);
    const double origin = placed.top() - text->boundingRect().top();
    for (int i = 0; i < text->lineCount(); ++i) {
        const QTextLine line = text->lineAt(i);
        add(origin + line.y(), origin + line.y() + line.height());
    }
}

} // namespace

ReportPages::ReportPages(const QTextDocument& document) : document_(document) {
    std::vector<Span> spans;
    std::vector<Span> lines;
    measure(spans, lines);
    cut(spans, lines, PageGeometry::textArea().height(),
        document.documentLayout()->documentSize().height());
}

void ReportPages::measure(std::vector<Span>& found, std::vector<Span>& lines) const {
    auto addLine = [&found, &lines](double top, double bottom) {
        found.push_back({top, bottom});
        lines.push_back({top, bottom});
    };
    for (auto it = document_.rootFrame()->begin(); !it.atEnd(); ++it) {
        const auto* table = qobject_cast<const QTextTable*>(it.currentFrame());
        if (!table) {
            // An empty paragraph has nothing to cut through; and Qt lays the
            // empty one behind a table inside the table's own height. A row
            // of empty cells still counts: its borders must stay together.
            if (it.currentBlock().isValid() && !it.currentBlock().text().isEmpty())
                forEachLine(document_, it.currentBlock(), addLine);
            continue;
        }
        for (int r = 0; r < table->rows(); ++r) {
            Span row{std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest()};
            for (int c = 0; c < table->columns(); ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                for (auto in = cell.begin(); !in.atEnd(); ++in) {
                    forEachLine(document_, in.currentBlock(),
                                [&row, &lines](double top, double bottom) {
                                    row.top = std::min(row.top, top);
                                    row.bottom = std::max(row.bottom, bottom);
                                    lines.push_back({top, bottom});
                                });
                }
            }
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
    Page page;
    std::size_t next = 0; // the first span not yet shown whole
    while (next < spans.size()) {
        const double limit = page.top + pageHeight;
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
            const double gap = std::max(0.0, spans[fit].top - spans[fit - 1].bottom);
            page.bottom = spans[fit - 1].bottom + gap / 2;
            page.below = gap / 2;
        }
        next = fit;
        pages_.push_back(page);
        page = Page{page.bottom, page.bottom, page.below, 0};
    }
    if (pages_.empty())
        pages_.push_back(Page{0, documentHeight, 0, 0});
}

// In order from the top; overlapping spans (a table beside a paragraph,
// should the layout place them so) become one that no page cuts.
std::vector<ReportPages::Span> ReportPages::merged(std::vector<Span> spans) {
    std::sort(spans.begin(), spans.end(),
              [](const Span& a, const Span& b) { return a.top < b.top; });
    std::vector<Span> result;
    for (const Span& span : spans) {
        if (!result.empty() && span.top < result.back().bottom)
            result.back().bottom = std::max(result.back().bottom, span.bottom);
        else
            result.push_back(span);
    }
    return result;
}

void ReportPages::paintPage(QPainter& painter, const Page& page, double scale) const {
    const double slack = PageGeometry::documentUnits(kSideSlack);
    const double width = PageGeometry::textArea().width() + 2 * slack;
    // What shows: the page's stretch and the border lines at its two ends.
    const QRectF shown(-slack, page.top - page.above, width,
                       page.bottom + page.below - (page.top - page.above));
    // What is drawn: only the lines of the page itself. The text of a line
    // beyond it would be invisible under the clip but still in the PDF,
    // where search and copying would find it twice.
    const QRectF drawn(-slack, page.top + kEdge, width, page.bottom - page.top - 2 * kEdge);
    painter.save();
    painter.scale(scale, scale);
    painter.translate(0, -page.top);
    painter.setClipRect(shown);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = drawn;
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
        paintPage(painter, pages_[static_cast<std::size_t>(i)], scale);
    }
    return painter.end();
}

} // namespace kavro::print
