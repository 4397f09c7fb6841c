// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTextDocument>
#include <memory>

namespace kavro::print {

// Where a finished printable report goes: a PDF file, or the window's print
// preview.
class PrintableDestination {
public:
    virtual ~PrintableDestination() = default;
    // Takes the finished document; throws ReportNotDelivered, with the
    // message the user is shown, when the report cannot be left there.
    virtual void deliver(std::unique_ptr<QTextDocument> report) = 0;
};

// Keeps the report for the caller to show or print.
class KeptReport : public PrintableDestination {
public:
    void deliver(std::unique_ptr<QTextDocument> report) override { report_ = std::move(report); }
    // The report delivered last; nullptr before.
    std::unique_ptr<QTextDocument> take() { return std::move(report_); }

private:
    std::unique_ptr<QTextDocument> report_;
};

} // namespace kavro::print
