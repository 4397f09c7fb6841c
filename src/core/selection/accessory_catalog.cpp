// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessory_catalog.h"

#include <array>

namespace kavro {

namespace {

// Texts as the maker writes them, spacing included ("SW 60х0,8" has a
// space, "SW40х0,6" none); the "х" between dimensions is Cyrillic.
constexpr std::array<Accessory, 24> kAccessories = {{
    {"4200001", "Адаптер для 8-гранного вала SW40х0,6 мм"},
    {"4200002", "Переходник для 8-гранного вала SW40х0,6 мм"},
    {"4200003", "Комплект креплений для роллет из трёх деталей"},
    {"4200004", "Адаптер для 8-гранного вала SW 60х0,8 мм"},
    {"4200005", "Переходник для 8-гранного вала SW 60х0,8 мм"},
    {"4200006", "Ригель Kavro Fastlink"},
    {"4200007", "Кольцо для ригеля Kavro Fastlink (2 шт. на один ригель)"},
    {"4200008", "Крепление лёгкое для приводов KX 50, 60 с моментом до 35 Нм (крышка роллеты "
                "от 165 до 205 мм)"},
    {"4200009", "Крепление для приводов KX 50,60 с пластиной 100х100 (крышка роллеты более 250 "
                "мм)"},
    {"4200010", "Комплект для узких проёмов: гильза D=12 и переходник на вал SW60 для nirla "
                "50S/Pravel 50S"},
    {"4200011", "Адаптер для 8-гранного вала SW70х1,2 мм"},
    {"4200012", "Переходник для 8-гранного вала SW70х1,2 мм"},
    {"4200013", "Адаптер для круглого вала D=63х1,5 и для перехода с вала SW60 на SW70"},
    {"4200014", "Пружинное кольцо усиленное для крепления KX 60 100/12 и 120 /12 с саморезом"},
    {"4200015", "Адаптер KX 60 для 8-гранного вала SW102х2,5 мм"},
    {"4200016", "Переходник KX 60 для 8-гранного вала SW102х2,5 мм"},
    {"4200017", "Крепление для приводов с аварийным подъёмом NHK, с шагом 22,5 градуса"},
    {"4200018", "Кардан NHK 6-гранный 7 мм 90 гр., L = 315 мм"},
    {"4200019", "Кардан NHK 6-гранный 7 мм 45 гр., L = 315 мм"},
    {"4200020", "Кардан NHK 6-гранный 7 мм 90 гр., L = 315 мм с петлёй"},
    {"4200021", "Петля NHK 6-гранная 7 мм L = 165 мм"},
    {"4200022", "Петля NHK 6-гранная 7 мм L = 325 мм"},
    {"4200023", "Ручка NHK L = 2800 мм с крюком Germany"},
    {"4200024", "Крючок NHK"},
}};

} // namespace

const Accessory& accessory(int number) {
    return kAccessories.at(static_cast<std::size_t>(number - 1));
}

std::string_view accessoryDescription(std::string_view article) {
    for (const Accessory& a : kAccessories)
        if (a.article == article)
            return a.description;
    return {};
}

} // namespace kavro
