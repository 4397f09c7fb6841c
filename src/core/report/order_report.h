// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "../firm/firm_details.h"
#include "../order/opening_results.h"
#include "../order/order.h"
#include "../platform/word_processor.h"

#include <string_view>
#include <vector>

namespace kavro {

// Types the printable report of a whole order into `word`, from opening the
// template to handing the document over:
// - the program's title, the order's title and `date` (as given, so that
//   the caller decides its form and tests stay stable);
// - a table of the openings (№, Проём, Кол-во, Ш × В, Профиль, Вал, Масса,
//   Момент, Привод, Время), then the narrow-construction warning for each
//   opening it applies to;
// - the parts list (Артикул, Наименование, Количество, Проёмы);
// - for each opening, a heading with its number, location and count, its
//   problems, and the same sections as the single report, the Количество
//   column filled in: the drive in effect counts the opening's count, each
//   accessory its quantity times the count (0 when not wanted). A wanted
//   accessory that is not offered is listed after the offered ones.
// `results` holds one entry per opening, in order (OpeningCalculator).
// With `firm` the report is headed by its letterhead, as the single report.
// A call the word processor refuses throws WordProcessorError; a document
// that cannot be handed over throws ReportNotDelivered.
void typeOrderReport(const Order& order, const std::vector<OpeningResults>& results,
                     std::string_view date, WordProcessor& word, const FirmDetails* firm = nullptr);

} // namespace kavro
