#include "field.h"

#include <array>

namespace kavro {

namespace {

constexpr std::array<std::string_view, kFieldCount> kNames = {
    "Profil",     "TipProfilya",   "Montazh",    "Diametr",   "Tolwina", "Visota",      "Wirina",
    "Massa",      "NizhniyProfil", "Upravlenie", "Kreplenie", "NHK",     "FullMassa",   "Moment",
    "MaxDiametr", "Oboroti",       "Vremya",     "Speed",     "Label27", "TabControl1", "Spisok",
    "SpisokAcc",  "Button1",       "Label30",    "Label31",
};

} // namespace

std::string_view fieldName(Field field) {
    return kNames[static_cast<std::size_t>(field)];
}

std::optional<Field> fieldByName(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (kNames[i] == name)
            return static_cast<Field>(i);
    return std::nullopt;
}

} // namespace kavro
