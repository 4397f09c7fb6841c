// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pdf_writing.h"

#include "page_geometry.h"
#include "report_pages.h"

#include <QBuffer>
#include <QPdfWriter>

namespace kavro::print {

QByteArray pdfOf(const QTextDocument& report) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(PageGeometry::pageLayout());
        writer.setTitle(QStringLiteral("Подбор привода"));
        writer.setCreator(QStringLiteral("KAVRO подбор привода v.1.1"));
        if (!ReportPages(report).paint(writer))
            return {};
    }
    return buffer.data();
}

} // namespace kavro::print
