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

} // namespace

Json dumpState(const TForm1& f, const std::string& clipboard) {
    Json j;
    j["Profil"] = dropDown(f.Profil);
    j["TipProfilya"] = dropDown(f.TipProfilya);
    j["Diametr"] = dropDown(f.Diametr);
    j["Montazh"] = radioGroup(f.Montazh);
    j["Upravlenie"] = radioGroup(f.Upravlenie);
    j["Kreplenie"] = radioGroup(f.Kreplenie);
    j["NHK"] = Json{{"checked", f.NHK.checked()}, {"enabled", f.NHK.enabled()}};
    for (const EditField* e :
         {&f.Tolwina, &f.Visota, &f.Wirina, &f.Massa, &f.NizhniyProfil, &f.FullMassa, &f.Moment,
          &f.MaxDiametr, &f.Oboroti, &f.Vremya, &f.Speed})
        j[std::string(fieldName(e->id()))] = editField(*e);
    j["Label27"] = Json{{"visible", f.Label27.visible()}};
    j["TabControl1"] = Json{{"index", f.TabControl1.tabIndex()}, {"tabs", f.TabControl1.tabs()}};
    j["Spisok"] = Json{{"visible", f.Spisok.visible()},
                       {"rows", gridRows(f.Spisok)},
                       {"current", {f.Spisok.currentColumn(), f.Spisok.currentRow()}}};
    j["SpisokAcc"] = Json{{"visible", f.SpisokAcc.visible()}, {"rows", gridRows(f.SpisokAcc)}};
    j["selection"] = Json{{"VybrannayaStroka", f.VybrannayaStroka},
                          {"DiametrPrivoda", f.DiametrPrivoda},
                          {"MomentPrivoda", f.MomentPrivoda}};
    j["clipboard"] = clipboard;
    j["focus"] = std::string(fieldName(f.focus()));
    return j;
}

} // namespace kavro
