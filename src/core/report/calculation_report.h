// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "../firm/firm_details.h"
#include "../form/opening_inputs.h"
#include "../platform/word_processor.h"
#include "../state/window_state.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kavro {

// A drive or accessory as a report's table lists it. Without a quantity the
// "Количество" cell is left for the installer to fill in.
struct ReportedItem {
    std::string article;
    std::string name;
    std::optional<std::string> quantity;
};

// One calculation as the report describes it: the inputs, the result texts, the drive in effect and
// its accessories, all as the window shows them.
struct ReportedCalculation {
    OpeningInputs inputs;

    std::string mass;
    std::string torque;
    std::string maxRoll;
    std::string turns;
    std::string speed;
    std::string time;

    ReportedItem drive;
    // One row at least: a blank one when no accessory is listed.
    std::vector<ReportedItem> accessories;
};

// What the window shows, with the drive of Spisok row `selectedRow`.
ReportedCalculation reportedWindow(const WindowState& window, int selectedRow);

// The pieces every report is typed from, so that the single report and the
// order report read alike.
namespace report_typing {

// A text that starts a new paragraph, as typing Enter before it would.
std::string line(std::string_view text);

// The document to type into. With a firm whose details make a letterhead:
// a blank document headed by that letterhead, centred, the firm's logo in
// its own paragraph above it, the firm's name in bold, an empty line after
// it (the template's own letterhead would be a second one). Otherwise the
// template, or a blank document when it cannot be opened. Either way the
// insertion point is left in an empty paragraph.
void openDocument(WordProcessor& word, const FirmDetails* firm = nullptr);
// The program's title line, centred and large; an empty line after it.
void title(WordProcessor& word);
// An empty line, then a bold heading; the text after it is regular.
void heading(WordProcessor& word, std::string_view text);
// A one-row table at the insertion point, styled, sized (points) and headed
// with non-bold centred captions; returns its number.
int headedTable(WordProcessor& word, std::span<const std::string_view> header,
                std::span<const double> widths);
// The sections of one calculation: input data, results, the drive table and
// the accessory table. Leaves the insertion point in the last table.
void calculation(WordProcessor& word, const ReportedCalculation& calc);

} // namespace report_typing

} // namespace kavro
