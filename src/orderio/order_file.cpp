// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_file.h"

#include "choice_captions.h"
#include "core/platform/atomic_file.h"
#include "core/text/utf8.h"
#include "guarded_json.h"
#include "opening_places.h"
#include "order_file_version.h"
#include "text_place.h"
#include "text_rules.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fstream>
#include <nlohmann/json.hpp>
#include <type_traits>

namespace kavro {

namespace {

// Keys keep the order they are written in, so that the file reads from the
// location down to the accessories.
using Json = nlohmann::ordered_json;

// The deepest nesting of a valid file is five containers (order, openings,
// opening, accessories, accessory); anything much deeper is refused while it
// is read, before it can use up memory.
constexpr int kMaxDepth = 8;

// Keys that version 2 brought; a version-1 file holding them is refused as
// a version-1 program refuses them.
constexpr std::string_view kInstallationKey = "installationPrice";
constexpr std::string_view kDiscountKey = "discount";
constexpr int kFirstPricedVersion = 2;
// The server's ids and revisions, of the order and of each opening.
constexpr std::string_view kIdKey = "id";
constexpr std::string_view kRevisionKey = "revision";
constexpr int kFirstSharedVersion = 3;

// The input whose key is `key`, if one is.
const OpeningInput* inputByKey(std::string_view key) {
    for (const OpeningInput& input : openingInputs())
        if (input.key == key)
            return &input;
    return nullptr;
}

// A fault of one opening, before the line of that opening is known.
class OpeningFault : public OrderFileError {
public:
    OpeningFault(std::size_t opening, const std::string& message)
        : OrderFileError(message), opening_(opening) {}
    std::size_t opening() const { return opening_; }

private:
    std::size_t opening_;
};

// "проём N, поле «KEY»: REASON"
[[noreturn]] void failField(std::size_t opening, std::string_view key, const std::string& reason) {
    std::string place = "проём " + std::to_string(opening + 1);
    if (!key.empty())
        place += ", поле «" + std::string(key) + "»";
    throw OpeningFault(opening, place + ": " + reason);
}

void checkText(const std::string& text, std::size_t opening, std::string_view key) {
    if (const auto fault = textFault(text))
        failField(opening, key, *fault);
}

void checkRange(std::int64_t value, int low, int high, std::size_t opening, std::string_view key) {
    if (value < low || value > high)
        failField(opening, key,
                  "число " + std::to_string(value) + " вне пределов от " + std::to_string(low) +
                      " до " + std::to_string(high));
}

// Everything an opening may hold, checked the same way when it is read and
// when it is written, so that whatever is saved can be opened again.
void checkOpening(const Opening& opening, std::size_t number) {
    checkText(opening.location, number, "location");
    if (const auto fault = OrderFile::idFault(opening.id))
        failField(number, kIdKey, *fault);
    if (opening.revision < 0 || (opening.id.empty() && opening.revision != 0))
        failField(number, kRevisionKey, "ревизия без id или меньше 0");
    checkRange(opening.count, Opening::kMinCount, Opening::kMaxCount, number, "count");
    for (const OpeningInput& input : openingInputs()) {
        if (const auto* text = std::get_if<InputText>(&input.member))
            checkText(opening.inputs.*(*text), number, input.key);
        else if (const auto* item = std::get_if<InputItem>(&input.member);
                 item && !captionOfChoice(input.field, opening.inputs.*(*item)))
            failField(number, input.key, "нет такого выбора");
    }
    checkText(opening.drive, number, "drive");
    if (const auto& price = opening.installationPrice;
        price && (*price < Money{0} || *price > Opening::kMaxInstallationPrice))
        failField(number, kInstallationKey,
                  "цена вне пределов от 0 до " + plainMoneyText(Opening::kMaxInstallationPrice));
    for (auto it = opening.accessories.begin(); it != opening.accessories.end(); ++it) {
        checkText(it->article, number, "accessories");
        if (it->article.empty())
            failField(number, "accessories", "пустой артикул");
        checkRange(it->quantity, 0, Opening::kMaxAccessoryQuantity, number, "accessories");
        if (std::any_of(opening.accessories.begin(), it,
                        [&](const AccessoryQuantity& a) { return a.article == it->article; }))
            failField(number, "accessories", "артикул " + it->article + " указан дважды");
    }
}

void checkDiscount(const std::optional<Percent>& discount) {
    if (discount && (*discount <= Percent{0} || *discount > Order::kMaxDiscount))
        throw OrderFileError("скидка: больше 0 и не больше " + percentText(Order::kMaxDiscount) +
                             " %");
}

void checkOrderId(const Order& order) {
    if (const auto fault = OrderFile::idFault(order.id))
        throw OrderFileError("заказ: " + *fault);
    if (order.revision < 0 || (order.id.empty() && order.revision != 0))
        throw OrderFileError("заказ: ревизия без id или меньше 0");
}

void checkOrder(const Order& order) {
    if (const auto fault = textFault(order.title))
        throw OrderFileError("заголовок заказа: " + *fault);
    checkDiscount(order.discount);
    checkOrderId(order);
    if (order.openings.size() > Order::kMaxOpenings)
        throw OrderFileError("в заказе больше " + std::to_string(Order::kMaxOpenings) + " проёмов");
    for (std::size_t i = 0; i < order.openings.size(); ++i)
        checkOpening(order.openings[i], i);
}

Json parseJson(std::string_view text) {
    try {
        return parseGuardedJson(text, kMaxDepth);
    } catch (const JsonTextError& error) {
        if (error.line() == 0)
            throw OrderFileError(error.what());
        throw OrderFileError(error.line(), error.column(), error.what());
    }
}

FileIdentity identityOf(const Json& root) {
    FileIdentity identity;
    if (!root.is_object())
        return identity;
    if (const auto format = root.find("format"); format != root.end() && format->is_string())
        identity.format = format->get<std::string>();
    if (const auto version = root.find("version"); version != root.end()) {
        if (version->is_number_integer())
            identity.version = version->get<std::int64_t>();
        else
            identity.versionNotWhole = true;
    }
    return identity;
}

std::string textOf(const Json& value, std::size_t opening, std::string_view key) {
    if (!value.is_string())
        failField(opening, key, "ожидается текст в кавычках");
    return value.get<std::string>();
}

std::int64_t wholeOf(const Json& value, std::size_t opening, std::string_view key) {
    if (value.is_number_unsigned())
        return static_cast<std::int64_t>(
            std::min<std::uint64_t>(value.get<std::uint64_t>(), INT64_MAX));
    if (!value.is_number_integer())
        failField(opening, key, "ожидается целое число");
    return value.get<std::int64_t>();
}

// Money is written as text with the decimal comma ("1500,00"), as the firm
// file and the price list write it: exact, where a JSON number would be
// read as floating point by many a tool, and readable by hand.
Money priceOf(const Json& value, std::size_t opening, std::string_view key) {
    if (!value.is_string())
        failField(opening, key, "ожидается цена в кавычках, например \"1500,00\"");
    auto price = parsePrice(value.get<std::string>());
    if (const auto* reason = std::get_if<std::string>(&price))
        failField(opening, key, *reason);
    return std::get<Money>(price);
}

int countOf(const Json& value, int low, int high, std::size_t opening, std::string_view key) {
    const std::int64_t whole = wholeOf(value, opening, key);
    checkRange(whole, low, high, opening, key);
    return static_cast<int>(whole);
}

std::vector<AccessoryQuantity> accessoriesOf(const Json& list, std::size_t opening) {
    if (!list.is_array())
        failField(opening, "accessories", "ожидается список в квадратных скобках");
    std::vector<AccessoryQuantity> accessories;
    for (const Json& item : list) {
        if (!item.is_object())
            failField(opening, "accessories", "ожидается {\"article\": ..., \"quantity\": ...}");
        AccessoryQuantity accessory;
        for (const auto& [key, value] : item.items()) {
            if (key == "article")
                accessory.article = textOf(value, opening, "accessories");
            else if (key == "quantity")
                accessory.quantity =
                    countOf(value, 0, Opening::kMaxAccessoryQuantity, opening, "accessories");
            else
                failField(opening, "accessories", "неизвестное поле «" + key + "»");
        }
        accessories.push_back(std::move(accessory));
    }
    return accessories;
}

// Reads one of the installer's inputs.
void readInput(OpeningInputs& inputs, const OpeningInput& input, const Json& value,
               std::size_t number) {
    if (const auto* text = std::get_if<InputText>(&input.member)) {
        inputs.*(*text) = textOf(value, number, input.key);
    } else if (const auto* item = std::get_if<InputItem>(&input.member)) {
        const std::string caption = textOf(value, number, input.key);
        const auto index = choiceByCaption(input.field, caption);
        if (!index)
            failField(number, input.key, "нет такого выбора «" + caption + "»");
        inputs.*(*item) = *index;
    } else {
        if (!value.is_boolean())
            failField(number, input.key, "ожидается true или false");
        inputs.*std::get<InputFlag>(input.member) = value.get<bool>();
    }
}

// Reads one key of an opening; false when the key is not one of an opening's.
bool readOpeningKey(Opening& opening, const std::string& key, const Json& value, std::size_t number,
                    std::int64_t version) {
    if (key == kInstallationKey && version >= kFirstPricedVersion)
        opening.installationPrice = priceOf(value, number, key);
    else if (key == kIdKey && version >= kFirstSharedVersion)
        opening.id = textOf(value, number, key);
    else if (key == kRevisionKey && version >= kFirstSharedVersion)
        opening.revision = wholeOf(value, number, key);
    else if (key == "location")
        opening.location = textOf(value, number, key);
    else if (key == "count")
        opening.count = countOf(value, Opening::kMinCount, Opening::kMaxCount, number, key);
    else if (key == "drive")
        opening.drive = textOf(value, number, key);
    else if (key == "accessories")
        opening.accessories = accessoriesOf(value, number);
    else if (const OpeningInput* input = inputByKey(key))
        readInput(opening.inputs, *input, value, number);
    else
        return false;
    return true;
}

Opening openingOf(const Json& object, std::size_t number, std::int64_t version) {
    if (!object.is_object())
        failField(number, {}, "ожидается описание проёма в фигурных скобках");
    Opening opening;
    for (const auto& [key, value] : object.items()) {
        if (!readOpeningKey(opening, key, value, number, version))
            failField(number, {}, "неизвестное поле «" + key + "»");
    }
    checkOpening(opening, number);
    return opening;
}

std::optional<Percent> discountOf(const Json& value) {
    if (!value.is_string())
        throw OrderFileError("скидка: ожидается процент в кавычках, например \"5\"");
    auto rate = parsePercent(value.get<std::string>());
    if (const auto* reason = std::get_if<std::string>(&rate))
        throw OrderFileError("скидка: " + *reason);
    // "0" is no discount, as the window takes it.
    if (std::get<Percent>(rate) == Percent{0})
        return std::nullopt;
    checkDiscount(std::get<Percent>(rate));
    return std::get<Percent>(rate);
}

Order orderOf(const Json& root) {
    const FileIdentity identity = identityOf(root);
    checkIdentity(identity);
    const std::int64_t version = *identity.version;
    Order order;
    for (const auto& [key, value] : root.items()) {
        if (key == "format" || key == "version")
            continue;
        if (key == "title") {
            if (!value.is_string())
                throw OrderFileError("заголовок заказа: ожидается текст в кавычках");
            order.title = value.get<std::string>();
        } else if (key == "openings") {
            if (!value.is_array())
                throw OrderFileError("проёмы: ожидается список в квадратных скобках");
            if (value.size() > Order::kMaxOpenings)
                throw OrderFileError("в заказе больше " + std::to_string(Order::kMaxOpenings) +
                                     " проёмов");
            order.openings.reserve(value.size());
            for (const Json& opening : value)
                order.openings.push_back(openingOf(opening, order.openings.size(), version));
        } else if (key == kDiscountKey && version >= kFirstPricedVersion) {
            order.discount = discountOf(value);
        } else if (key == kIdKey && version >= kFirstSharedVersion) {
            if (!value.is_string())
                throw OrderFileError("id заказа: ожидается текст в кавычках");
            order.id = value.get<std::string>();
        } else if (key == kRevisionKey && version >= kFirstSharedVersion) {
            if (!value.is_number_integer())
                throw OrderFileError("ревизия заказа: ожидается целое число");
            order.revision = value.get<std::int64_t>();
        } else {
            throw OrderFileError("неизвестное поле заказа «" + key + "»");
        }
    }
    if (const auto fault = textFault(order.title))
        throw OrderFileError("заголовок заказа: " + *fault);
    checkOrderId(order);
    return order;
}

Json openingJson(const Opening& opening) {
    Json object;
    if (!opening.id.empty()) {
        object[std::string(kIdKey)] = opening.id;
        object[std::string(kRevisionKey)] = opening.revision;
    }
    object["location"] = opening.location;
    object["count"] = opening.count;
    if (opening.installationPrice)
        object[std::string(kInstallationKey)] = plainMoneyText(*opening.installationPrice);
    for (const OpeningInput& input : openingInputs()) {
        Json& field = object[std::string(input.key)];
        if (const auto* text = std::get_if<InputText>(&input.member))
            field = opening.inputs.*(*text);
        else if (const auto* item = std::get_if<InputItem>(&input.member))
            field = *captionOfChoice(input.field, opening.inputs.*(*item));
        else
            field = opening.inputs.*std::get<InputFlag>(input.member);
    }
    object["drive"] = opening.drive;
    Json accessories = Json::array();
    for (const AccessoryQuantity& accessory : opening.accessories)
        accessories.push_back({{"article", accessory.article}, {"quantity", accessory.quantity}});
    object["accessories"] = std::move(accessories);
    return object;
}

std::string readWhole(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw OrderFileError("не удалось открыть файл: " +
                             std::error_code(errno, std::generic_category()).message());
    std::string text;
    std::array<char, 1 << 16> buffer;
    while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0) {
        text.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
        if (text.size() > OrderFile::kMaxBytes)
            throw OrderFileError("файл больше 64 МиБ: это не заказ");
    }
    if (in.bad())
        throw OrderFileError("не удалось прочитать файл");
    return text;
}

} // namespace

Order OrderFile::parse(std::string_view text) {
    if (text.size() > kMaxBytes)
        throw OrderFileError("файл больше 64 МиБ: это не заказ");
    try {
        return orderOf(parseJson(text));
    } catch (const OpeningFault& fault) {
        const std::vector<TextPlace> places = openingPlaces(text);
        if (fault.opening() >= places.size())
            throw OrderFileError(fault.what());
        const TextPlace& place = places[fault.opening()];
        throw OrderFileError(place.line, place.column, fault.what());
    }
}

std::string OrderFile::serialize(const Order& order) {
    return tree(order).dump(2) + "\n";
}

Json OrderFile::tree(const Order& order) {
    try {
        checkOrder(order);
    } catch (const OpeningFault& fault) {
        throw OrderFileError(fault.what()); // the order has no text yet
    }
    Json root;
    root["format"] = kFormat;
    root["version"] = versionFor(order);
    if (!order.id.empty()) {
        root[std::string(kIdKey)] = order.id;
        root[std::string(kRevisionKey)] = order.revision;
    }
    root["title"] = order.title;
    if (order.discount)
        root[std::string(kDiscountKey)] = percentText(*order.discount);
    Json openings = Json::array();
    for (const Opening& opening : order.openings)
        openings.push_back(openingJson(opening));
    root["openings"] = std::move(openings);
    return root;
}

std::optional<std::string> OrderFile::idFault(const std::string& id) {
    if (id.size() > OrderFile::kMaxIdLength)
        return "id длиннее " + std::to_string(OrderFile::kMaxIdLength) + " знаков";
    const bool plain = std::all_of(id.begin(), id.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
               c == '-' || c == '_';
    });
    if (!plain)
        return std::string("id из недопустимых знаков (только латинские буквы, цифры, - и _)");
    return std::nullopt;
}

int OrderFile::versionFor(const Order& order) {
    const bool shared =
        !order.id.empty() || std::any_of(order.openings.begin(), order.openings.end(),
                                         [](const Opening& o) { return !o.id.empty(); });
    if (shared)
        return kFirstSharedVersion;
    const bool priced =
        order.discount || std::any_of(order.openings.begin(), order.openings.end(),
                                      [](const Opening& o) { return o.installationPrice; });
    return priced ? kFirstPricedVersion : 1;
}

Order OrderFile::read(const std::filesystem::path& path) {
    return parse(readWhole(path));
}

void OrderFile::save(const Order& order, const std::filesystem::path& path) {
    const std::string text = serialize(order);
    refuseNewerFile(path);
    if (const std::error_code error = writeFileAtomically(path, text))
        throw OrderFileError(writeFailureMessage(error));
}

} // namespace kavro
