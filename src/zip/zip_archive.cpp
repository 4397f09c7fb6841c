// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "zip_archive.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <set>
#include <stdexcept>
#include <zip.h>

namespace kavro {

namespace {

struct ArchiveDiscard {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveDiscard>;

struct SourceFree {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using Source = std::unique_ptr<zip_source_t, SourceFree>;

struct FileClose {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

std::string lowerAscii(std::string_view s) {
    std::string lower(s);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : char(c); });
    return lower;
}

// Unpacks entry `index` into `out`, stopping as soon as more than `room`
// bytes come out: the sizes an archive declares are not trusted.
bool unpack(zip_t* archive, zip_uint64_t index, std::uint64_t room, std::string& out) {
    const std::unique_ptr<zip_file_t, FileClose> file(zip_fopen_index(archive, index, 0));
    if (!file)
        return false; // encrypted, or packed by a method that is not supported
    std::array<char, 64 * 1024> chunk{};
    for (;;) {
        const zip_int64_t got = zip_fread(file.get(), chunk.data(), chunk.size());
        if (got < 0)
            return false; // damaged data or a CRC that does not match
        if (got == 0)
            return true;
        if (static_cast<std::uint64_t>(got) > room - out.size())
            return false;
        out.append(chunk.data(), static_cast<std::size_t>(got));
    }
}

Archive openArchive(std::string_view bytes) {
    zip_error_t error;
    zip_error_init(&error);
    Source source(zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error));
    zip_error_fini(&error);
    if (!source)
        return nullptr;
    Archive archive(zip_open_from_source(source.get(), ZIP_RDONLY, nullptr));
    if (archive)
        source.release(); // the archive owns it now
    return archive;
}

// The sizes the directory declares, added up without overflowing: a sum past
// 2^64 is as far beyond any limit as 2^64 - 1.
std::optional<std::uint64_t> declaredSize(zip_t* archive, zip_int64_t count) {
    std::uint64_t total = 0;
    for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(count); ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive, i, 0, &stat) != 0)
            return std::nullopt;
        if (stat.valid & ZIP_STAT_SIZE)
            total = stat.size > UINT64_MAX - total ? UINT64_MAX : total + stat.size;
    }
    return total;
}

} // namespace

std::optional<std::uint64_t> declaredUnpackedBytes(std::string_view bytes) {
    const Archive archive = openArchive(bytes);
    if (!archive)
        return std::nullopt;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    if (count < 0)
        return std::nullopt;
    return declaredSize(archive.get(), count);
}

std::optional<std::vector<ZipEntry>> readZip(std::string_view bytes, const ZipLimits& limits) {
    const Archive archive = openArchive(bytes);
    if (!archive)
        return std::nullopt;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    if (count < 0 || static_cast<std::uint64_t>(count) > limits.entries)
        return std::nullopt;
    const std::optional<std::uint64_t> declared = declaredSize(archive.get(), count);
    if (!declared || *declared > limits.unpackedBytes)
        return std::nullopt;
    std::vector<ZipEntry> entries;
    std::set<std::string> names;
    std::uint64_t unpacked = 0;
    for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(count); ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive.get(), i, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME))
            return std::nullopt;
        const std::string name = stat.name;
        if (name.empty() || name.back() == '/')
            continue; // a folder
        if (!names.insert(lowerAscii(name)).second)
            return std::nullopt;
        const std::uint64_t room = limits.unpackedBytes - unpacked;
        if ((stat.valid & ZIP_STAT_SIZE) && stat.size > room)
            return std::nullopt;
        ZipEntry entry{name, {}};
        if (!unpack(archive.get(), i, room, entry.bytes))
            return std::nullopt;
        unpacked += entry.bytes.size();
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string writeZip(const std::vector<ZipEntryView>& entries) {
    zip_error_t error;
    zip_error_init(&error);
    Source buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
    zip_error_fini(&error);
    if (!buffer)
        throw std::runtime_error("cannot create a zip buffer");
    zip_source_keep(buffer.get()); // it must outlive the archive written into it
    Archive archive(zip_open_from_source(buffer.get(), ZIP_CREATE | ZIP_TRUNCATE, nullptr));
    if (!archive) {
        zip_source_free(buffer.get()); // undo the keep
        throw std::runtime_error("cannot start a zip archive");
    }
    for (const ZipEntryView& entry : entries) {
        const std::string name(entry.name);
        zip_source_t* data =
            zip_source_buffer(archive.get(), entry.bytes.data(), entry.bytes.size(), 0);
        if (!data)
            throw std::runtime_error("cannot add " + name);
        if (zip_file_add(archive.get(), name.c_str(), data, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(data);
            throw std::runtime_error("cannot add " + name);
        }
    }
    if (zip_close(archive.get()) != 0)
        throw std::runtime_error(std::string("cannot write the zip archive: ") +
                                 zip_strerror(archive.get()));
    archive.release(); // closed

    std::string out;
    if (zip_source_open(buffer.get()) != 0)
        throw std::runtime_error("cannot read the zip archive back");
    zip_source_seek(buffer.get(), 0, SEEK_END);
    const zip_int64_t size = zip_source_tell(buffer.get());
    zip_source_seek(buffer.get(), 0, SEEK_SET);
    if (size > 0) {
        out.resize(static_cast<std::size_t>(size));
        const zip_int64_t got = zip_source_read(buffer.get(), out.data(), out.size());
        if (got != size)
            out.clear();
    }
    zip_source_close(buffer.get());
    if (out.empty())
        throw std::runtime_error("the zip archive came out empty");
    return out;
}

} // namespace kavro
