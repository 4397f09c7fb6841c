// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state_dump.h"

namespace kavro {

namespace {

using Json = nlohmann::ordered_json;

Json dropDown(const DropDown& d) {
    return Json{{"text", d.text()},
                {"index", d.itemIndex()},
                {"items", d.items()},
                {"enabled", d.enabled()}};
}

Json radioGroup(const RadioGroup& g) {
    Json enabled = Json::array();
    for (int i = 0; i < static_cast<int>(g.items().size()); ++i)
        enabled.push_back(g.itemEnabled(i));
    return Json{{"index", g.itemIndex()}, {"enabled", enabled}};
}

Json editField(const EditField& e) {
    return Json{{"text", e.text()}, {"enabled", e.enabled()}};
}

Json gridRows(const TextGrid& g) {
    Json rows = Json::array();
    for (const auto& row : g.rows())
        rows.push_back(row);
    return rows;
}

// The controls in the order the dump lists them.
constexpr Field kDumped[] = {
    Field::Profil,    Field::TipProfilya,   Field::Diametr,   Field::Montazh, Field::Upravlenie,
    Field::Kreplenie, Field::NHK,           Field::Tolwina,   Field::Visota,  Field::Wirina,
    Field::Massa,     Field::NizhniyProfil, Field::FullMassa, Field::Moment,  Field::MaxDiametr,
    Field::Oboroti,   Field::Vremya,        Field::Speed,     Field::Label27, Field::TabControl1,
    Field::Spisok,    Field::SpisokAcc};

} // namespace

Json dumpControl(const TForm1& f, Field field) {
    switch (field) {
    case Field::Profil:
        return dropDown(f.Profil);
    case Field::TipProfilya:
        return dropDown(f.TipProfilya);
    case Field::Diametr:
        return dropDown(f.Diametr);
    case Field::Montazh:
        return radioGroup(f.Montazh);
    case Field::Upravlenie:
        return radioGroup(f.Upravlenie);
    case Field::Kreplenie:
        return radioGroup(f.Kreplenie);
    case Field::NHK:
        return Json{{"checked", f.NHK.checked()}, {"enabled", f.NHK.enabled()}};
    case Field::Label27:
        return Json{{"visible", f.Label27.visible()}};
    case Field::TabControl1:
        return Json{{"index", f.TabControl1.tabIndex()}, {"tabs", f.TabControl1.tabs()}};
    case Field::Spisok:
        return Json{{"visible", f.Spisok.visible()},
                    {"rows", gridRows(f.Spisok)},
                    {"current", {f.Spisok.currentColumn(), f.Spisok.currentRow()}}};
    case Field::SpisokAcc:
        return Json{{"visible", f.SpisokAcc.visible()}, {"rows", gridRows(f.SpisokAcc)}};
    case Field::Button1:
    case Field::Label30:
    case Field::Label31:
        return nullptr;
    default:
        return editField(static_cast<const EditField&>(f.control(field)));
    }
}

Json dumpState(const TForm1& f, const std::string& clipboard) {
    Json j;
    for (Field field : kDumped)
        j[std::string(fieldName(field))] = dumpControl(f, field);
    j["selection"] = Json{{"VybrannayaStroka", f.VybrannayaStroka},
                          {"DiametrPrivoda", f.DiametrPrivoda},
                          {"MomentPrivoda", f.MomentPrivoda}};
    j["clipboard"] = clipboard;
    j["focus"] = std::string(fieldName(f.focus()));
    return j;
}

} // namespace kavro
