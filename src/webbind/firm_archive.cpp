// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "firm_archive.h"

#include "htmlreport/base64.h"
#include "orderio/file_messages.h"
#include "orderio/firm_file.h"
#include "orderio/logo_check.h"
#include "zip/zip_archive.h"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace kavro {

namespace {

constexpr const char* kFirmFileName = "firm.json";

std::string failed(const std::string& name, const std::string& reason) {
    return nlohmann::ordered_json{{"result", "failed"},
                                  {"error", placedMessage(name, 0, 0, reason)}}
        .dump();
}

// The logo's name as firm.json gives it; empty for none or a file that is
// no firm file (setting it tells why).
std::string logoName(const std::string& firmJson) {
    try {
        return FirmFile::parse(firmJson, {}).logo.filename().string();
    } catch (const FirmFileError&) {
        return {};
    }
}

} // namespace

FileAnswer firmArchive(const std::string& firmJson, const std::string& logoBytes) {
    std::vector<ZipEntryView> entries{{kFirmFileName, firmJson}};
    const std::string logo = logoName(firmJson);
    if (!logo.empty() && !logoBytes.empty())
        entries.push_back({logo, logoBytes});
    try {
        return {writeZip(entries), {}};
    } catch (const std::runtime_error& error) {
        return {{}, error.what()};
    }
}

std::string firmOfArchive(const std::string& name, const std::string& bytes) {
    // A firm file and a logo at their largest, and nothing else.
    const ZipLimits limits{.entries = 2, .unpackedBytes = FirmFile::kMaxBytes + kMaxLogoBytes};
    const auto entries = readZip(bytes, limits);
    if (!entries)
        return failed(name, "не архив реквизитов: повреждён, больше 3 МБ или лишние файлы");
    const auto entry = [&](const std::string& wanted) {
        return std::find_if(entries->begin(), entries->end(),
                            [&](const ZipEntry& e) { return e.name == wanted; });
    };
    const auto firm = entry(kFirmFileName);
    if (firm == entries->end())
        return failed(name, "в архиве нет firm.json");
    const std::string logo = logoName(firm->bytes);
    const auto picture = logo.empty() ? entries->end() : entry(logo);
    return nlohmann::ordered_json{
        {"result", "done"},
        {"firm", firm->bytes},
        {"logo", picture == entries->end() ? std::string() : base64(picture->bytes)}}
        .dump();
}

} // namespace kavro
