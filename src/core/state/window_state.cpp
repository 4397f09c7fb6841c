// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_state.h"

#include "../form/opening_inputs.h"
#include "maker_details.h"

#include <utility>

namespace kavro {

namespace {

constexpr EditField::Options kInput{.enabled = true, .readOnly = false, .keyFilter = true};
constexpr EditField::Options kFilteredResult{.enabled = false, .readOnly = true, .keyFilter = true};
constexpr EditField::Options kResult{.enabled = false, .readOnly = false, .keyFilter = false};
constexpr EditField::Options kFilteredShown{.enabled = false, .readOnly = false, .keyFilter = true};

// The text an input starts with, and the words of the crank's box.
std::string initial(Field field) {
    return std::string(openingInput(field).initial);
}

std::string caption(Field field) {
    return std::string(openingInput(field).caption);
}

} // namespace

WindowState::WindowState()
    : Profil(Field::Profil, changes_, {"Alutech", "DoorHan", "Другой"}, initial(Field::Profil),
             true, true),
      TipProfilya(Field::TipProfilya, changes_, {}, initial(Field::TipProfilya), false, true),
      Montazh(Field::Montazh, changes_, {"Уличный", "В помещении"}),
      Diametr(Field::Diametr, changes_, {"40", "60", "70", "102"}, initial(Field::Diametr), true,
              false),
      Tolwina(Field::Tolwina, changes_, initial(Field::Tolwina), kInput),
      Visota(Field::Visota, changes_, initial(Field::Visota), kInput),
      Wirina(Field::Wirina, changes_, initial(Field::Wirina), kInput),
      Massa(Field::Massa, changes_, initial(Field::Massa), kInput),
      NizhniyProfil(Field::NizhniyProfil, changes_, initial(Field::NizhniyProfil), kInput),
      Upravlenie(Field::Upravlenie, changes_, {"Проводное PX", "Радио KVL"}),
      Kreplenie(Field::Kreplenie, changes_, {"С ригелем", "Без ригеля", "Ригель Kavro Fastlink"}),
      NHK(Field::NHK, changes_, caption(Field::NHK), false),
      FullMassa(Field::FullMassa, changes_, "0,3", kFilteredResult),
      Moment(Field::Moment, changes_, "0", kFilteredResult),
      MaxDiametr(Field::MaxDiametr, changes_, "0", kResult),
      Oboroti(Field::Oboroti, changes_, "0", kResult),
      Vremya(Field::Vremya, changes_, "0", kResult),
      Speed(Field::Speed, changes_, "14", kFilteredShown),
      Label27(Field::Label27, changes_,
              "Узкая конструкция. Для консультации свяжитесь с сотрудником компании!", false),
      TabControl1(Field::TabControl1, changes_, {"Рекомендуемые приводы", "Аксессуары"}),
      Spisok(Field::Spisok, changes_, 7, 2, true),
      SpisokAcc(Field::SpisokAcc, changes_, 2, 2, false),
      Button1(Field::Button1, changes_, "Печатная форма Word"),
      Label30(Field::Label30, changes_, std::string(maker::kSiteCaption), true,
              std::string(maker::kSiteUrl)),
      Label31(Field::Label31, changes_, std::string(maker::kShopCaption), true,
              std::string(maker::kShopUrl)) {
    // Profil is a pick-only list whose first state names item 2.
    Profil.setItemIndex(2);
}

Control& WindowState::control(Field field) {
    return const_cast<Control&>(std::as_const(*this).control(field));
}

const Control& WindowState::control(Field field) const {
    switch (field) {
    case Field::Profil:
        return Profil;
    case Field::TipProfilya:
        return TipProfilya;
    case Field::Montazh:
        return Montazh;
    case Field::Diametr:
        return Diametr;
    case Field::Tolwina:
        return Tolwina;
    case Field::Visota:
        return Visota;
    case Field::Wirina:
        return Wirina;
    case Field::Massa:
        return Massa;
    case Field::NizhniyProfil:
        return NizhniyProfil;
    case Field::Upravlenie:
        return Upravlenie;
    case Field::Kreplenie:
        return Kreplenie;
    case Field::NHK:
        return NHK;
    case Field::FullMassa:
        return FullMassa;
    case Field::Moment:
        return Moment;
    case Field::MaxDiametr:
        return MaxDiametr;
    case Field::Oboroti:
        return Oboroti;
    case Field::Vremya:
        return Vremya;
    case Field::Speed:
        return Speed;
    case Field::Label27:
        return Label27;
    case Field::TabControl1:
        return TabControl1;
    case Field::Spisok:
        return Spisok;
    case Field::SpisokAcc:
        return SpisokAcc;
    case Field::Button1:
        return Button1;
    case Field::Label30:
        return Label30;
    case Field::Label31:
        return Label31;
    }
    return Profil;
}

} // namespace kavro
