// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drive_query.h"

#include "../catalog/catalog_record.h"
#include "../catalog/drive_fields.h"
#include "../text/number_text.h"

namespace kavro {

DriveQuery::DriveQuery(bool crankWanted, int control, const std::string& requiredTorque)
    : crank_(crankWanted ? "True" : "False"), control_(std::to_string(control)),
      requiredTorqueText_(requiredTorque) {}

bool DriveQuery::fits(std::string_view record, std::string_view motorSize) const {
    return crank_ == PoluchitSvoystvo(record, kCrank) &&
           control_ == PoluchitSvoystvo(record, kControl) &&
           motorSize == PoluchitSvoystvo(record, kMotorSize);
}

double DriveQuery::margin(std::string_view record) {
    const double rated = StrToFloat(PoluchitSvoystvo(record, kTorque));
    if (!requiredTorque_)
        requiredTorque_ = StrToFloat(requiredTorqueText_);
    return rated - *requiredTorque_;
}

} // namespace kavro
