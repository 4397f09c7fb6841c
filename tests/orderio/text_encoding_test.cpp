// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "orderio/code_page.h"
#include "orderio/csv_table.h"
#include "orderio/openings_import.h"
#include "orderio/text_encoding.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace kavro {
namespace {

// What glibc makes of one byte of the code page; nothing where it refuses it.
std::optional<std::string> iconvByte(unsigned char byte) {
    const iconv_t cd = iconv_open("UTF-8", "CP1251");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* inPtr = in;
    char* outPtr = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const std::size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (done == static_cast<std::size_t>(-1))
        return std::nullopt;
    return std::string(out, sizeof out - outLeft);
}

TEST(CodePage, EveryByteAsGlibcReadsIt) {
    ASSERT_TRUE(iconvByte('A')) << "glibc has no CP1251 converter";
    for (int byte = 0; byte < 256; ++byte) {
        SCOPED_TRACE(byte);
        const std::string ours = windows1251ToUtf8(std::string(1, static_cast<char>(byte)));
        EXPECT_EQ(ours, iconvByte(static_cast<unsigned char>(byte)).value_or("\xEF\xBF\xBD"));
    }
}

std::string utf16(std::u16string_view text, bool littleEndian) {
    std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += littleEndian ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}

TEST(TextEncoding, EachFormIsRecognisedAndDecoded) {
    struct Case {
        const char* name;
        std::string bytes;
        TextEncoding encoding;
        std::string text;
    };
    const Case cases[] = {
        {"Utf8", "Кухня", TextEncoding::Utf8, "Кухня"},
        {"Utf8Mark", "\xEF\xBB\xBFКухня", TextEncoding::Utf8, "Кухня"},
        // The mark wins over the bytes: the bad one is left for the reader to refuse.
        {"Utf8MarkBadByte", "\xEF\xBB\xBF\xCA", TextEncoding::Utf8, "\xCA"},
        {"Utf16LE", utf16(u"Кухня\t1", true), TextEncoding::Utf16LE, "Кухня\t1"},
        {"Utf16BE", utf16(u"Кухня", false), TextEncoding::Utf16BE, "Кухня"},
        {"Utf16Pair", utf16(u"\U0001F600", true), TextEncoding::Utf16LE, "\U0001F600"},
        {"Utf16LoneHigh",
         utf16(u"\xD83D"
               u"a",
               true),
         TextEncoding::Utf16LE, "\uFFFDa"},
        {"Utf16LoneLow", utf16(u"\xDE00", false), TextEncoding::Utf16BE, "\uFFFD"},
        {"Utf16OddEnd", utf16(u"a", true) + "b", TextEncoding::Utf16LE, "a\uFFFD"},
        {"Cp1251", "\xCA\xF3\xF5\xED\xFF", TextEncoding::Windows1251, "Кухня"},
        {"Cp1251Undefined", "\x98", TextEncoding::Windows1251, "\uFFFD"},
        {"Empty", "", TextEncoding::Utf8, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedText decoded = decodeSpreadsheetText(c.bytes);
        EXPECT_EQ(decoded.encoding, c.encoding);
        EXPECT_EQ(decoded.text, c.text);
    }
}

bool isColumn(std::string_view name) {
    return name == "a" || name == "b" || name == "c";
}

TEST(DetectSeparator, TabIsLearnedAndTiesGoToTheEarlierSeparator) {
    EXPECT_EQ(detectSeparator("a\tb\tc\n", isColumn), '\t');
    EXPECT_EQ(detectSeparator(utf16(u"a\tb\r\n", true), isColumn), '\t');
    // No separator splits off more names than another: the semicolon.
    EXPECT_EQ(detectSeparator("a\n", isColumn), ';');
    // A comma beats the tab on a tie.
    EXPECT_EQ(detectSeparator("a,b\tc\n", isColumn), ',');
}

TEST(OpeningsImport, BadBytesUnderAUtf8MarkAreRefusedInValidUtf8) {
    const OpeningsImport result = importOpenings("\xEF\xBB\xBFПроём\r\n\xCA\xF3\r\n");
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_EQ(result.errors[0].row, 2);
    const std::string message = describe(result.errors[0]);
    EXPECT_NE(message.find("UTF-8"), std::string::npos) << message;
}

} // namespace
} // namespace kavro
