// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "guarded_json.h"

#include "core/text/utf8.h"
#include "text_place.h"

#include <algorithm>
#include <type_traits>
#include <vector>

namespace kavro {

namespace {

using Json = nlohmann::ordered_json;

// Builds the document as nlohmann's own builder does, refusing a repeated
// key (which would silently hide one of two values) and a nesting deeper
// than any valid file has. (nlohmann's callback parser would do the same but
// rescans an array at every element's end, which is slow for long ones.)
class GuardedBuilder {
public:
    using number_integer_t = Json::number_integer_t;
    using number_unsigned_t = Json::number_unsigned_t;
    using number_float_t = Json::number_float_t;
    using string_t = Json::string_t;
    using binary_t = Json::binary_t;

    GuardedBuilder(Json& root, int maxDepth) : dom_(root, true), maxDepth_(maxDepth) {}

    bool null() { return dom_.null(); }
    bool boolean(bool v) { return dom_.boolean(v); }
    bool number_integer(number_integer_t v) { return dom_.number_integer(v); }
    bool number_unsigned(number_unsigned_t v) { return dom_.number_unsigned(v); }
    bool number_float(number_float_t v, const string_t& s) { return dom_.number_float(v, s); }
    bool string(string_t& v) { return dom_.string(v); }
    bool binary(binary_t& v) { return dom_.binary(v); }
    bool start_object(std::size_t n) {
        enter();
        keys_.emplace_back();
        return dom_.start_object(n);
    }
    bool key(string_t& k) {
        std::vector<std::string>& keys = keys_.back();
        if (std::find(keys.begin(), keys.end(), k) != keys.end())
            throw JsonTextError(0, 0, "файл повреждён: поле «" + k + "» повторяется");
        keys.push_back(k);
        return dom_.key(k);
    }
    bool end_object() {
        keys_.pop_back();
        --depth_;
        return dom_.end_object();
    }
    bool start_array(std::size_t n) {
        enter();
        return dom_.start_array(n);
    }
    bool end_array() {
        --depth_;
        return dom_.end_array();
    }
    // Besides syntax errors the reader reports a number too large for any
    // type as out_of_range; both come here, with the bytes read so far.
    template <class Exception>
    bool parse_error(std::size_t position, const std::string& token, const Exception& error) {
        failedAt_ = position;
        numberTooLarge_ = std::is_same_v<Exception, nlohmann::detail::out_of_range>;
        return dom_.parse_error(position, token, error);
    }
    std::size_t failedAt() const { return failedAt_; }
    bool numberTooLarge() const { return numberTooLarge_; }

private:
    void enter() {
        if (++depth_ > maxDepth_)
            throw JsonTextError(0, 0, "файл повреждён: слишком глубокая вложенность");
    }

    nlohmann::detail::json_sax_dom_parser<Json> dom_;
    // The keys met so far in each object being read, the innermost last.
    std::vector<std::vector<std::string>> keys_;
    int maxDepth_;
    int depth_ = 0;
    std::size_t failedAt_ = 0;
    bool numberTooLarge_ = false;
};

// What the reader stumbled on, for a user looking at that place.
std::string syntaxFault(std::string_view text, std::size_t offset) {
    if (offset >= text.size())
        return "файл повреждён: он обрывается раньше конца записи";
    const std::string character =
        utf8::sanitize(text.substr(offset, utf8::offsetOf(text.substr(offset), 1)));
    const bool printable = static_cast<unsigned char>(character.front()) >= 0x20;
    return "файл повреждён: здесь не ожидалось " +
           (printable ? "«" + character + "»" : std::string("управляющего символа")) +
           " (пропущена запятая, скобка или кавычка?)";
}

} // namespace

Json parseGuardedJson(std::string_view text, int maxDepth) {
    Json root;
    GuardedBuilder builder(root, maxDepth);
    try {
        Json::sax_parse(text.begin(), text.end(), &builder);
    } catch (const Json::exception&) {
        // The position counts the bytes read, the faulty one included.
        const std::size_t read = builder.failedAt();
        const std::size_t offset = read == 0 ? 0 : read - 1;
        const TextPlace place = placeOfOffset(text, offset);
        throw JsonTextError(place.line, place.column,
                            builder.numberTooLarge()
                                ? std::string("файл повреждён: число слишком велико")
                                : syntaxFault(text, offset));
    }
    return root;
}

} // namespace kavro
