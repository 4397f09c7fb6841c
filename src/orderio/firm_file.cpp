// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "firm_file.h"

#include "core/platform/atomic_file.h"
#include "guarded_json.h"
#include "text_place.h"
#include "text_rules.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <system_error>

namespace kavro {

namespace {

using Json = nlohmann::ordered_json;

// The file is one flat object.
constexpr int kMaxDepth = 1;
constexpr std::string_view kNoVat = "нет";

struct TextKey {
    std::string_view key;
    std::string FirmDetails::*member;
};

constexpr std::array<TextKey, 7> kTexts = {{
    {"name", &FirmDetails::name},
    {"address", &FirmDetails::address},
    {"phone", &FirmDetails::phone},
    {"email", &FirmDetails::email},
    {"website", &FirmDetails::website},
    {"inn", &FirmDetails::inn},
    {"kpp", &FirmDetails::kpp},
}};

// A fault of one key's value, before its place in the text is known.
struct KeyFault {
    std::string key;
    std::string reason;
};

[[noreturn]] void failKey(std::string_view key, const std::string& reason) {
    throw KeyFault{std::string(key), "поле «" + std::string(key) + "»: " + reason};
}

bool allDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The rules every value meets, checked alike when read and when written.
void checkDetails(const FirmDetails& firm) {
    for (const TextKey& text : kTexts)
        if (const auto fault = textFault(firm.*text.member))
            failKey(text.key, *fault);
    if (!firm.inn.empty() &&
        (!allDigits(firm.inn) || (firm.inn.size() != 10 && firm.inn.size() != 12)))
        failKey("inn", "ИНН — 10 или 12 цифр");
    if (!firm.kpp.empty() && (!allDigits(firm.kpp) || firm.kpp.size() != 9))
        failKey("kpp", "КПП — 9 цифр");
    if (const auto fault = textFault(firm.logo.string()))
        failKey("logo", *fault);
    if (firm.installationPrice.kopecks < 0)
        failKey("installationPrice", "отрицательная цена");
    if (firm.vat && (firm.vat->hundredths < 0 || firm.vat->hundredths > 10000))
        failKey("vat", "ставка вне пределов от 0 до 100");
}

std::string textOf(const Json& value, std::string_view key) {
    if (!value.is_string())
        failKey(key, "ожидается текст в кавычках");
    return value.get<std::string>();
}

FirmDetails detailsOf(const Json& root, const std::filesystem::path& folder) {
    FirmDetails firm;
    for (const TextKey& text : kTexts)
        if (const auto it = root.find(text.key); it != root.end())
            firm.*text.member = textOf(*it, text.key);
    if (const auto it = root.find("logo"); it != root.end()) {
        const std::filesystem::path logo(textOf(*it, "logo"));
        firm.logo = logo.empty() || logo.is_absolute() ? logo : folder / logo;
    }
    if (const auto it = root.find("installationPrice"); it != root.end()) {
        auto price = parsePrice(textOf(*it, "installationPrice"));
        if (auto* reason = std::get_if<std::string>(&price))
            failKey("installationPrice", *reason);
        firm.installationPrice = std::get<Money>(price);
    }
    if (const auto it = root.find("vat"); it != root.end()) {
        const std::string vat = textOf(*it, "vat");
        if (vat != kNoVat) {
            auto rate = parsePercent(vat);
            if (auto* reason = std::get_if<std::string>(&rate))
                failKey("vat", *reason + " (или «нет»)");
            firm.vat = std::get<Percent>(rate);
        }
    }
    for (const auto& item : root.items()) {
        // A named variable, not a structured binding: clang 14 cannot capture those.
        const std::string& key = item.key();
        const bool known = key == "format" || key == "version" || key == "logo" ||
                           key == "installationPrice" || key == "vat" ||
                           std::any_of(kTexts.begin(), kTexts.end(),
                                       [&](const TextKey& t) { return t.key == key; });
        if (!known)
            failKey(key, "неизвестное поле");
    }
    checkDetails(firm);
    return firm;
}

void checkIdentity(const Json& root) {
    if (!root.is_object())
        throw FirmFileError("это не файл реквизитов: ожидается {…}");
    const auto format = root.find("format");
    if (format == root.end() || !format->is_string() ||
        format->get<std::string>() != FirmFile::kFormat)
        throw FirmFileError("это не файл реквизитов: нет \"format\": \"kavro-firm\"");
    const auto version = root.find("version");
    if (version == root.end() || !version->is_number_integer())
        throw FirmFileError("файл реквизитов без номера версии");
    if (version->get<std::int64_t>() > FirmFile::kVersion)
        throw FirmFileError("файл реквизитов новой версии " +
                            std::to_string(version->get<std::int64_t>()) + ": обновите программу");
    if (version->get<std::int64_t>() < 1)
        throw FirmFileError("неверная версия файла реквизитов");
}

// The place of the value of `key` in a flat object's text: behind the key's
// quoted name and its colon (a name inside a value is escaped and so never
// matches a whole quoted name preceded by no backslash).
TextPlace placeOfKey(std::string_view text, std::string_view key) {
    const std::string quoted = "\"" + std::string(key) + "\"";
    for (std::size_t at = text.find(quoted); at != std::string_view::npos;
         at = text.find(quoted, at + 1)) {
        if (at > 0 && text[at - 1] == '\\')
            continue;
        std::size_t next = at + quoted.size();
        while (next < text.size() && (text[next] == ' ' || text[next] == '\t' ||
                                      text[next] == '\r' || text[next] == '\n'))
            ++next;
        if (next < text.size() && text[next] == ':')
            return placeOfOffset(text, at);
    }
    return {};
}

std::string readWhole(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FirmFileError("не удалось открыть файл: " +
                            std::error_code(errno, std::generic_category()).message());
    std::string text;
    std::array<char, 1 << 14> buffer;
    while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0) {
        text.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
        if (text.size() > FirmFile::kMaxBytes)
            throw FirmFileError("файл больше 1 МиБ: это не реквизиты");
    }
    if (in.bad())
        throw FirmFileError("не удалось прочитать файл");
    return text;
}

} // namespace

FirmDetails FirmFile::parse(std::string_view text, const std::filesystem::path& folder) {
    if (text.size() > kMaxBytes)
        throw FirmFileError("файл больше 1 МиБ: это не реквизиты");
    Json root;
    try {
        root = parseGuardedJson(text, kMaxDepth);
    } catch (const JsonTextError& error) {
        if (error.line() == 0)
            throw FirmFileError(error.what());
        throw FirmFileError(error.line(), error.column(), error.what());
    }
    checkIdentity(root);
    try {
        return detailsOf(root, folder);
    } catch (const KeyFault& fault) {
        const TextPlace place = placeOfKey(text, fault.key);
        throw FirmFileError(place.line, place.column, fault.reason);
    }
}

std::string FirmFile::serialize(const FirmDetails& firm) {
    try {
        checkDetails(firm);
    } catch (const KeyFault& fault) {
        throw FirmFileError(fault.reason);
    }
    Json root;
    root["format"] = kFormat;
    root["version"] = kVersion;
    for (const TextKey& text : kTexts)
        root[std::string(text.key)] = firm.*text.member;
    root["logo"] = firm.logo.string();
    root["installationPrice"] = plainMoneyText(firm.installationPrice);
    root["vat"] = firm.vat ? percentText(*firm.vat) : std::string(kNoVat);
    return root.dump(2) + "\n";
}

FirmDetails FirmFile::read(const std::filesystem::path& path) {
    return parse(readWhole(path), path.parent_path());
}

void FirmFile::save(const FirmDetails& firm, const std::filesystem::path& path) {
    const std::string text = serialize(firm);
    std::error_code error;
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), error);
    if (error)
        throw FirmFileError(writeFailureMessage(error));
    if (const std::error_code written = writeFileAtomically(path, text))
        throw FirmFileError(writeFailureMessage(written));
}

std::filesystem::path userFirmFilePath() {
    const std::filesystem::path tail = std::filesystem::path("kavro") / "firm.json";
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config) {
        const std::filesystem::path folder(config);
        if (folder.is_absolute())
            return folder / tail;
    }
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".config" / tail;
    return {};
}

std::filesystem::path firmFileToRead(const std::optional<std::filesystem::path>& named) {
    if (named)
        return *named;
    std::filesystem::path own = userFirmFilePath();
    std::error_code error;
    if (own.empty() || !std::filesystem::exists(own, error))
        return {};
    return own;
}

} // namespace kavro
