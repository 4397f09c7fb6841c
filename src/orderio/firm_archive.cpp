// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "firm_archive.h"

#include "core/text/utf8.h"
#include "zip/zip_archive.h"

#include <algorithm>

namespace kavro {

namespace {

constexpr std::string_view kFirmFileName = "firm.json";

// The logo's name as firm.json gives it; empty for none or a file that is
// no firm file (taking the details tells why).
std::string logoName(const std::string& firmJson) {
    try {
        return FirmFile::parse(firmJson, {}).logo.filename().string();
    } catch (const FirmFileError&) {
        return {};
    }
}

} // namespace

std::string writeFirmArchive(const std::string& firmJson, const std::string& logoBytes) {
    std::vector<ZipEntryView> entries{{kFirmFileName, firmJson}};
    const std::string logo = logoName(firmJson);
    if (!logo.empty() && !logoBytes.empty())
        entries.push_back({logo, logoBytes});
    return writeZip(entries);
}

std::variant<FirmArchive, std::string> readFirmArchive(std::string_view bytes) {
    // A firm file and a logo, and nothing else.
    const ZipLimits limits{.entries = 2, .unpackedBytes = FirmFile::kMaxBytes + kMaxLogoBytes};
    const auto entries =
        bytes.size() > FirmArchive::kMaxBytes ? std::nullopt : readZip(bytes, limits);
    if (!entries)
        return std::string("не архив реквизитов: повреждён, больше 3 МБ или лишние файлы");
    const auto entry = [&](std::string_view wanted) {
        return std::find_if(entries->begin(), entries->end(),
                            [&](const ZipEntry& e) { return e.name == wanted; });
    };
    const auto firm = entry(kFirmFileName);
    if (firm == entries->end())
        return std::string("в архиве нет firm.json");
    // The page carries the text on as JSON, which holds UTF-8 alone.
    if (utf8::sanitize(firm->bytes) != firm->bytes)
        return std::string("firm.json в архиве не в кодировке UTF-8");
    FirmArchive archive{
        .firmJson = firm->bytes, .logoName = logoName(firm->bytes), .logoBytes = {}};
    if (archive.logoName.empty())
        return archive;
    // Details that name a logo come with it, or their papers would lose it.
    const auto logo = entry(archive.logoName);
    if (logo == entries->end())
        return "в архиве нет логотипа «" + archive.logoName + "», названного в firm.json";
    archive.logoBytes = logo->bytes;
    return archive;
}

} // namespace kavro
