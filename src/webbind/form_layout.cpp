// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_layout.h"

#include "core/form/window_layout.h"

namespace kavro {

namespace {

using Json = nlohmann::ordered_json;

// The room a unit label may take right of its field (the widest, "об./мин",
// needs about 45 pixels).
constexpr int kUnitRoom = 60;

Json rect(const form::Rect& r) {
    return Json::array({r.x, r.y, r.width, r.height});
}

// A right-aligned text: its right edge is exact, its width the room from
// `left` up to that edge (the text's own width depends on the font).
Json rightAligned(int left, int end, int top) {
    return rect({left, top, end - left, form::kCaptionHeight});
}

std::string name(Field field) {
    return std::string(fieldName(field));
}

// What the page builds for a labelled field: a text it edits, a result it
// only shows, a pick-only list, or a list with a text of its own.
std::string controlOf(const TForm1& f, Field field, bool result) {
    if (fieldKind(field) != FieldKind::DropDown)
        return result ? "result" : "edit";
    return static_cast<const DropDown&>(f.control(field)).pickOnly() ? "pick" : "combo";
}

void addLabelled(Json& items, const form::LabelledField& row, int captionLeft,
                 const std::string& control) {
    items.push_back({{"kind", "caption"},
                     {"name", row.captionName},
                     {"text", row.caption},
                     {"for", name(row.field)},
                     {"align", "right"},
                     {"rect", rightAligned(captionLeft, row.captionEnd.x, row.captionEnd.y)}});
    items.push_back({{"kind", "field"},
                     {"control", control},
                     {"name", name(row.field)},
                     {"rect", rect(row.place)}});
    if (row.unitName)
        items.push_back(
            {{"kind", "unit"},
             {"name", row.unitName},
             {"text", row.unit},
             {"for", name(row.field)},
             {"rect", rect({row.unitPlace.x, row.unitPlace.y, kUnitRoom, form::kCaptionHeight})}});
}

// The radio items fill their group's grid column by column, as the
// window's group box lays them out (margins 8, 2, 4, 2).
void addGroup(Json& items, const form::GroupPlace& g, const RadioGroup& state) {
    items.push_back({{"kind", "group"},
                     {"name", name(g.field)},
                     {"columns", g.columns},
                     {"rect", rect(g.place)}});
    const int count = static_cast<int>(state.items().size());
    const int perColumn = (count + g.columns - 1) / g.columns;
    const int width = (g.place.width - 12) / g.columns;
    const int height = perColumn > 0 ? (g.place.height - 4) / perColumn : 0;
    for (int i = 0; i < count; ++i)
        items.push_back(
            {{"kind", "radio"},
             {"group", name(g.field)},
             {"index", i},
             {"text", state.items()[static_cast<std::size_t>(i)]},
             {"rect", rect({g.place.x + 8 + (i / perColumn) * width,
                            g.place.y + 2 + (i % perColumn) * height, width, height})}});
}

} // namespace

Json formLayout(const TForm1& f) {
    Json items = Json::array();
    for (const form::HeaderLine& line : form::headerLines())
        items.push_back({{"kind", "text"},
                         {"name", line.name},
                         {"text", line.text},
                         {"align", "right"},
                         {"rect", rightAligned(0, form::kHeaderEnd, line.top)}});
    // The second link ends with the lines above, the first stands `gap`
    // pixels before it.
    for (const Label* link : {&f.Label30, &f.Label31})
        items.push_back({{"kind", "link"},
                         {"name", name(link->id())},
                         {"text", link->caption()},
                         {"href", link->url()},
                         {"align", "right"},
                         {"gap", form::kLinkGap},
                         {"rect", rightAligned(0, form::kHeaderEnd, form::kLinksTop)}});
    items.push_back({{"kind", "logo"}, {"rect", rect(form::kLogoPlace)}});
    for (const form::LabelledField& row : form::inputFields())
        addLabelled(items, row, 0, controlOf(f, row.field, false));
    for (const form::GroupPlace& g : form::radioGroups())
        addGroup(items, g, static_cast<const RadioGroup&>(f.control(g.field)));
    items.push_back({{"kind", "check"},
                     {"name", "NHK"},
                     {"text", f.NHK.caption()},
                     {"rect", rect(form::kCrankPlace)}});
    for (const form::LabelledField& row : form::resultFields())
        addLabelled(items, row, form::kTabsPlace.x, controlOf(f, row.field, true));
    items.push_back({{"kind", "label"},
                     {"name", "Label27"},
                     {"text", f.Label27.caption()},
                     {"rect", rect(form::kWarningPlace)}});
    items.push_back({{"kind", "tabs"}, {"name", "TabControl1"}, {"rect", rect(form::kTabsPlace)}});
    const auto columns = [](std::span<const int> widths) {
        return Json(std::vector<int>(widths.begin(), widths.end()));
    };
    items.push_back({{"kind", "grid"},
                     {"name", "Spisok"},
                     {"in", "TabControl1"},
                     {"columns", columns(form::driveColumns())},
                     {"rect", rect(form::kDrivesPlace)}});
    items.push_back({{"kind", "grid"},
                     {"name", "SpisokAcc"},
                     {"in", "TabControl1"},
                     {"columns", columns(form::accessoryColumns())},
                     {"rect", rect(form::kAccessoriesPlace)}});
    items.push_back({{"kind", "button"},
                     {"name", "Button1"},
                     {"text", f.Button1.caption()},
                     {"rect", rect(form::kButtonPlace)}});
    return Json{{"window",
                 {{"title", form::kWindowTitle},
                  {"width", form::kWindowWidth},
                  {"height", form::kWindowHeight}}},
                {"items", items}};
}

} // namespace kavro
