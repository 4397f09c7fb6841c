// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace kavro {

// Where a finished report goes: the step that leaves it to the user.
class ReportDestination {
public:
    virtual ~ReportDestination() = default;
    // Takes the bytes of the .docx file; throws ReportNotDelivered, with the
    // message the user is shown, when the report cannot be left there.
    virtual void deliver(const std::string& docx) = 0;
};

} // namespace kavro
