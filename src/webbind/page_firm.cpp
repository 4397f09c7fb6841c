// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "page_firm.h"

#include "orderio/file_messages.h"
#include "orderio/firm_entry.h"
#include "orderio/firm_file.h"
#include "orderio/logo_check.h"

#include <nlohmann/json.hpp>

namespace kavro {

namespace {

using Json = nlohmann::ordered_json;

std::string failed(const std::string& error) {
    return Json{{"result", "failed"}, {"error", error}}.dump();
}

std::string text(const Json& entry, const char* key) {
    const auto it = entry.find(key);
    return it != entry.end() && it->is_string() ? it->get<std::string>() : std::string();
}

// The logo as the papers will take it: its bytes, named as the firm file
// names it. A logo named but not given, or not a picture, is refused.
std::optional<std::string> logoProblem(const FirmDetails& firm, const std::string& bytes) {
    if (firm.logo.empty())
        return std::nullopt;
    const std::string name = firm.logo.filename().string();
    if (bytes.empty())
        return "Логотип «" + name + "» не выбран вместе с файлом реквизитов.";
    if (const auto fault = logoFault(bytes))
        return logoRefusal(name, *fault);
    return std::nullopt;
}

} // namespace

std::string PageFirm::enter(const std::string& entryText, const std::string& logoBytes) {
    const Json entry = Json::parse(entryText, nullptr, false);
    if (!entry.is_object())
        return failed("Реквизиты не переданы.");
    auto made = firmFromEntry({.name = text(entry, "name"),
                               .address = text(entry, "address"),
                               .phone = text(entry, "phone"),
                               .email = text(entry, "email"),
                               .website = text(entry, "website"),
                               .inn = text(entry, "inn"),
                               .kpp = text(entry, "kpp"),
                               .logo = text(entry, "logo"),
                               .installationPrice = text(entry, "installationPrice"),
                               .vatRate = text(entry, "vatRate"),
                               .noVat = entry.value("noVat", false)});
    if (auto* reason = std::get_if<std::string>(&made))
        return failed(*reason);
    FirmDetails firm = std::get<FirmDetails>(std::move(made));
    if (const auto problem = logoProblem(firm, logoBytes))
        return failed(*problem);
    firm.logoBytes = firm.logo.empty() ? std::string() : logoBytes;
    const std::string json = FirmFile::serialize(firm);
    firm_ = std::move(firm);
    return Json{{"result", "done"}, {"firm", json}}.dump();
}

std::string PageFirm::load(const std::string& name, const std::string& json,
                           const std::string& logoBytes) {
    if (json.size() > FirmFile::kMaxBytes)
        return failed(placedMessage(name, 0, 0, tooLargeMessage(FirmFile::kMaxBytes)));
    FirmDetails firm;
    try {
        // The browser has no folders: the logo keeps the name the file gives.
        firm = FirmFile::parse(json, {});
    } catch (const FirmFileError& error) {
        const std::string reason = error.line() > 0 ? error.reason() : error.what();
        return failed(placedMessage(name, error.line(), error.column(), reason));
    }
    if (const auto problem = logoProblem(firm, logoBytes))
        return failed(*problem);
    firm.logo = firm.logo.filename();
    firm.logoBytes = firm.logo.empty() ? std::string() : logoBytes;
    const std::string kept = FirmFile::serialize(firm);
    firm_ = std::move(firm);
    return Json{{"result", "done"}, {"firm", kept}}.dump();
}

std::string PageFirm::entry() const {
    return Json{{"name", firm_.name},
                {"address", firm_.address},
                {"phone", firm_.phone},
                {"email", firm_.email},
                {"website", firm_.website},
                {"inn", firm_.inn},
                {"kpp", firm_.kpp},
                {"logo", firm_.logo.string()},
                {"installationPrice", moneyText(firm_.installationPrice)},
                {"vatRate", percentText(firm_.vat.value_or(Percent{2000}))},
                {"noVat", !firm_.vat}}
        .dump();
}

std::string PageFirm::logoFault(const std::string& name, const std::string& bytes, bool decoded) {
    if (const auto fault = kavro::logoFault(bytes))
        return logoRefusal(name, *fault);
    return decoded ? std::string() : logoRefusal(name, kUndecodableLogo);
}

} // namespace kavro
