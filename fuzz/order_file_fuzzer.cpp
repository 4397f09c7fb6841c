// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: arbitrary bytes as an order file. They must be read as
// an order or refused with OrderFileError. An order that is read must be
// written again and read back as the same order. Saving over the bytes must
// either refuse (a newer version) and leave them exactly as they were, or
// replace them with a file that reads back as the saved order.
#include "finding.h"
#include "orderio/order_file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

using namespace kavro;
using kavro::fuzz::finding;

// In memory where the system offers it: a save flushes to the disk, which
// would make each run slow.
std::filesystem::path scratchFile() {
    static const std::filesystem::path file =
        (std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                   : std::filesystem::temp_directory_path()) /
        ("kavro-order-fuzz-" + std::to_string(getpid()) + ".kavro");
    return file;
}

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void checkReadAndWrittenAgain(std::string_view bytes) {
    Order order;
    try {
        order = OrderFile::parse(bytes);
    } catch (const OrderFileError&) {
        return;
    }
    const std::string text = OrderFile::serialize(order);
    if (!(OrderFile::parse(text) == order))
        finding("an order read back from its own file differs");
}

void checkSavingOver(std::string_view bytes) {
    const std::filesystem::path file = scratchFile();
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    const Order saved{.title = "Дом", .openings = {Opening{}}};
    try {
        OrderFile::save(saved, file);
    } catch (const OrderFileError&) {
        if (fileText(file) != bytes)
            finding("a refused save changed the file");
        return;
    }
    if (!(OrderFile::read(file) == saved))
        finding("a saved order does not read back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkReadAndWrittenAgain(bytes);
    checkSavingOver(bytes);
    return 0;
}
