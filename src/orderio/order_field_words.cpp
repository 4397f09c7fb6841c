// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_field_words.h"

#include "core/form/opening_inputs.h"
#include "opening_columns.h"

#include <nlohmann/json.hpp>

namespace kavro {

namespace {

using Json = nlohmann::json;

constexpr std::string_view kNone = "—";

std::string accessoriesText(const Json& list) {
    std::string text;
    for (const Json& item : list) {
        if (!item.is_object())
            continue;
        if (!text.empty())
            text += ", ";
        const Json article = item.value("article", Json());
        text += (article.is_string() ? article.get<std::string>() : article.dump()) + " × " +
                item.value("quantity", Json(0)).dump();
    }
    return text.empty() ? std::string(kNone) : text;
}

} // namespace

std::string openingFieldCaption(std::string_view key) {
    for (const OpeningInput& input : openingInputs())
        if (input.key == key)
            return captionWithUnit(input);
    if (key == "location")
        return std::string(columnName(OpeningColumn::Location));
    if (key == "count")
        return std::string(columnName(OpeningColumn::Count));
    if (key == "drive")
        return std::string(columnName(OpeningColumn::Drive));
    if (key == "accessories")
        return std::string(columnName(OpeningColumn::Accessories));
    if (key == "installationPrice")
        return "Цена монтажа проёма, руб.";
    return std::string(key);
}

std::string orderFieldCaption(std::string_view key) {
    if (key == "title")
        return "Название заказа";
    if (key == "discount")
        return "Скидка на заказ, %";
    return std::string(key);
}

std::string fieldValueText(const std::optional<std::string>& json) {
    if (!json)
        return std::string(kNone);
    const Json value = Json::parse(*json, nullptr, false);
    if (value.is_string())
        return value.get<std::string>().empty() ? std::string(kNone) : value.get<std::string>();
    if (value.is_boolean())
        return std::string(value.get<bool>() ? kYes : kNo);
    if (value.is_array())
        return accessoriesText(value);
    if (value.is_null() || value.is_discarded())
        return std::string(kNone);
    return value.dump();
}

} // namespace kavro
