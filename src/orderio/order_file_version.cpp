// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_file_version.h"

#include "order_file.h"

#include <fstream>
#include <nlohmann/json.hpp>

namespace kavro {

namespace {

// Reads the top level's "format" and "version" and stops as soon as both are
// known, without building anything of the rest.
class IdentityReader : public nlohmann::json_sax<nlohmann::json> {
public:
    FileIdentity identity;

    bool null() override { return value(); }
    bool boolean(bool) override { return value(); }
    bool number_integer(number_integer_t v) override { return whole(v); }
    bool number_unsigned(number_unsigned_t v) override {
        return whole(v > INT64_MAX ? INT64_MAX : static_cast<std::int64_t>(v));
    }
    bool number_float(number_float_t, const string_t&) override {
        if (atVersion())
            identity.versionNotWhole = true;
        return value();
    }
    bool string(string_t& v) override {
        if (depth_ == 1 && key_ == "format")
            identity.format = v;
        return value();
    }
    bool binary(binary_t&) override { return value(); }
    bool start_object(std::size_t) override { return open(); }
    bool end_object() override { return close(); }
    bool start_array(std::size_t) override { return open(); }
    bool end_array() override { return close(); }
    bool key(string_t& k) override {
        if (depth_ == 1)
            key_ = k;
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        return false;
    }

private:
    bool atVersion() const { return depth_ == 1 && key_ == "version"; }
    bool whole(std::int64_t v) {
        if (atVersion())
            identity.version = v;
        return value();
    }
    // Every value read; reading stops once both are known.
    bool value() {
        if (depth_ == 1)
            key_.clear();
        return !(identity.format && (identity.version || identity.versionNotWhole));
    }
    bool open() {
        if (depth_ == 1)
            key_.clear();
        ++depth_;
        return true;
    }
    bool close() {
        --depth_;
        return value();
    }

    int depth_ = 0;
    std::string key_;
};

} // namespace

void checkIdentity(const FileIdentity& identity) {
    if (identity.format != OrderFile::kFormat)
        throw OrderFileError("это не файл заказа KAVRO (нет \"format\": \"kavro-order\")");
    if (identity.versionNotWhole || !identity.version || *identity.version < 1)
        throw OrderFileError("файл повреждён: версия формата не указана или не целое число");
    if (*identity.version > OrderFile::kVersion)
        throw OrderFileError("файл записан более новой версией программы (версия формата " +
                             std::to_string(*identity.version) + ", эта программа читает версию " +
                             std::to_string(OrderFile::kVersion) +
                             "); обновите программу, чтобы открыть его");
}

void refuseNewerFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return;
    IdentityReader reader;
    nlohmann::json::sax_parse(in, &reader, nlohmann::json::input_format_t::json, false);
    const FileIdentity& identity = reader.identity;
    if (identity.format == OrderFile::kFormat && identity.version &&
        *identity.version > OrderFile::kVersion)
        throw OrderFileError("файл записан более новой версией программы (версия формата " +
                             std::to_string(*identity.version) +
                             "); он не будет перезаписан, сохраните заказ в другой файл");
}

} // namespace kavro
