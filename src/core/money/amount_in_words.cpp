// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "amount_in_words.h"

#include <array>
#include <vector>

namespace kavro {

namespace {

enum class Gender { Masculine, Feminine };

constexpr std::array<const char*, 20> kUnits = {
    "",           "один",        "два",        "три",          "четыре",
    "пять",       "шесть",       "семь",       "восемь",       "девять",
    "десять",     "одиннадцать", "двенадцать", "тринадцать",   "четырнадцать",
    "пятнадцать", "шестнадцать", "семнадцать", "восемнадцать", "девятнадцать"};
constexpr std::array<const char*, 10> kTens = {
    "",          "",           "двадцать",  "тридцать",    "сорок",
    "пятьдесят", "шестьдесят", "семьдесят", "восемьдесят", "девяносто"};
constexpr std::array<const char*, 10> kHundreds = {"",          "сто",      "двести",   "триста",
                                                   "четыреста", "пятьсот",  "шестьсот", "семьсот",
                                                   "восемьсот", "девятьсот"};

struct Scale {
    Gender gender;
    const char* one;
    const char* few;
    const char* many;
};

// From the thousands up; the roubles themselves are counted by the units.
// The largest amount of kopecks that fits in 64 bits is some 92 quadrillion
// roubles.
constexpr std::array<Scale, 5> kScales = {{
    {Gender::Feminine, "тысяча", "тысячи", "тысяч"},
    {Gender::Masculine, "миллион", "миллиона", "миллионов"},
    {Gender::Masculine, "миллиард", "миллиарда", "миллиардов"},
    {Gender::Masculine, "триллион", "триллиона", "триллионов"},
    {Gender::Masculine, "квадриллион", "квадриллиона", "квадриллионов"},
}};

void append(std::vector<std::string>& words, const char* word) {
    if (*word)
        words.emplace_back(word);
}

// The words of 1..999; one and two take the gender of what they count.
void appendTriple(std::vector<std::string>& words, unsigned triple, Gender gender) {
    append(words, kHundreds[triple / 100]);
    const unsigned rest = triple % 100;
    if (rest < 20) {
        if (gender == Gender::Feminine && (rest == 1 || rest == 2))
            words.emplace_back(rest == 1 ? "одна" : "две");
        else
            append(words, kUnits[rest]);
        return;
    }
    append(words, kTens[rest / 10]);
    const unsigned unit = rest % 10;
    if (gender == Gender::Feminine && (unit == 1 || unit == 2))
        words.emplace_back(unit == 1 ? "одна" : "две");
    else
        append(words, kUnits[unit]);
}

std::string wholeInWords(std::uint64_t whole) {
    if (whole == 0)
        return "ноль";
    std::vector<unsigned> triples; // the lowest first
    for (; whole > 0; whole /= 1000)
        triples.push_back(static_cast<unsigned>(whole % 1000));
    std::vector<std::string> words;
    for (std::size_t i = triples.size(); i-- > 0;) {
        const unsigned triple = triples[i];
        if (triple == 0)
            continue;
        if (i == 0) {
            appendTriple(words, triple, Gender::Masculine);
        } else {
            const Scale& scale = kScales[i - 1];
            appendTriple(words, triple, scale.gender);
            words.emplace_back(pluralForm(triple, scale.one, scale.few, scale.many));
        }
    }
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

// The first letter in capitals: every word above begins with a Cyrillic
// lower-case letter of the basic block (а–п are D0 B0..BF, р–я D1 80..8F).
std::string capitalised(std::string text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const auto trail = static_cast<unsigned char>(text[1]);
    if (lead == 0xD0 && trail >= 0xB0 && trail <= 0xBF) {
        text[1] = static_cast<char>(trail - 0x20);
    } else if (lead == 0xD1 && trail >= 0x80 && trail <= 0x8F) {
        text[0] = static_cast<char>(0xD0);
        text[1] = static_cast<char>(trail + 0x20);
    }
    return text;
}

} // namespace

const char* pluralForm(std::uint64_t count, const char* one, const char* few, const char* many) {
    const std::uint64_t lastTwo = count % 100;
    if (lastTwo >= 11 && lastTwo <= 14)
        return many;
    switch (count % 10) {
    case 1:
        return one;
    case 2:
    case 3:
    case 4:
        return few;
    default:
        return many;
    }
}

std::string amountInWords(Money amount) {
    const bool negative = amount.kopecks < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(amount.kopecks) : amount.kopecks;
    const std::uint64_t roubles = magnitude / 100;
    const std::uint64_t kopecks = magnitude % 100;
    std::string text =
        wholeInWords(roubles) + " " + pluralForm(roubles, "рубль", "рубля", "рублей");
    text += " " + std::string{static_cast<char>('0' + kopecks / 10),
                              static_cast<char>('0' + kopecks % 10)};
    text += " ";
    text += pluralForm(kopecks, "копейка", "копейки", "копеек");
    return negative ? "Минус " + text : capitalised(text);
}

} // namespace kavro
