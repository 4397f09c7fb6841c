// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "firm_archive.h"

#include "htmlreport/base64.h"
#include "orderio/file_messages.h"
#include "orderio/firm_archive.h"

#include <nlohmann/json.hpp>

namespace kavro {

FileAnswer firmArchive(const std::string& firmJson, const std::string& logoBytes) {
    try {
        return {writeFirmArchive(firmJson, logoBytes), {}};
    } catch (const std::runtime_error& error) {
        return {{}, error.what()};
    }
}

std::string firmOfArchive(const std::string& name, const std::string& bytes) {
    const auto read = readFirmArchive(bytes);
    if (const auto* reason = std::get_if<std::string>(&read))
        return nlohmann::ordered_json{{"result", "failed"},
                                      {"error", placedMessage(name, 0, 0, *reason)}}
            .dump();
    const auto& archive = std::get<FirmArchive>(read);
    return nlohmann::ordered_json{
        {"result", "done"}, {"firm", archive.firmJson}, {"logo", base64(archive.logoBytes)}}
        .dump();
}

} // namespace kavro
