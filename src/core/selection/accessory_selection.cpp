// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "../text/number_text.h"
#include "../tform1.h"
#include "accessory_catalog.h"
#include "curtain_width.h"

#include <initializer_list>

namespace kavro {

namespace {

// Required torque (Nm) above which the light bracket no longer holds.
constexpr double kLightBracketLimit = 35;
// On the 102 mm shaft a required torque above this needs the spring ring.
constexpr double kSpringRingFrom = 85;
constexpr int kFastlink = 2;

// Appends accessories to the grid below its header, one row each.
class AccessoryRows {
public:
    explicit AccessoryRows(TextGrid& grid) : grid_(grid) {}
    void append(std::initializer_list<int> numbers) {
        for (int number : numbers) {
            if (count_ > 0)
                grid_.setRowCount(grid_.rowCount() + 1);
            ++count_;
            const Accessory& a = accessory(number);
            grid_.setCell(0, count_, std::string(a.article));
            grid_.setCell(1, count_, std::string(a.description));
        }
    }

private:
    TextGrid& grid_;
    int count_ = 0;
};

} // namespace

// Lists the accessories of the chosen drive: the shaft's adapter and wheel,
// the Fastlink parts, a bracket by the required torque, the narrow-opening
// kit, the spring ring for the strongest drives, and the crank parts.
void TForm1::PodborAcc() {
    traced("PodborAcc");
    SpisokAcc.clearDataRows();
    SpisokAcc.setRowCount(2);
    SpisokAcc.setFixedRows(1);
    SpisokAcc.setCell(0, 0, "Артикул");
    SpisokAcc.setCell(1, 0, "Наименование");
    if (DiametrPrivoda.empty())
        return;

    AccessoryRows rows(SpisokAcc);
    auto torque = [this] { return StrToFloat(Moment.text()); };
    auto width = [this] { return StrToFloat(Wirina.text()); };
    const std::string& shaft = Diametr.text();
    if (shaft == "40") {
        rows.append({1, 2, 3});
    } else if (shaft == "60") {
        rows.append({4, 5});
        if (Kreplenie.itemIndex() == kFastlink)
            rows.append({6, 7});
        if (!(torque() > kLightBracketLimit))
            rows.append({8});
        if (torque() > kLightBracketLimit)
            rows.append({9});
        if (width() >= kNarrowFrom && width() < kWideFrom)
            rows.append({10});
    } else if (shaft == "70") {
        rows.append({11, 12});
        if (DiametrPrivoda == "50")
            rows.append({13});
        if (!(torque() > kLightBracketLimit))
            rows.append({8});
        if (torque() > kLightBracketLimit)
            rows.append({9});
        if (MomentPrivoda == "100" || MomentPrivoda == "120")
            rows.append({14});
    } else if (shaft == "102") {
        rows.append({15, 16, 9});
        if (torque() > kSpringRingFrom)
            rows.append({14});
    }
    if (NHK.checked())
        rows.append({17, 18, 19, 20, 21, 22, 23, 24});
}

// A press on the drive list makes the drive under the pointer the chosen one
// (a press on the header counts as one on the first drive row), copies the
// pressed cell to the clipboard and lists the drive's accessories.
void TForm1::SpisokMouseDown(int column, int row) {
    traced("SpisokMouseDown");
    if (row == 0)
        row = 1;
    if (row > 0) {
        Spisok.setCurrentColumn(column);
        Spisok.setCurrentRow(row);
        const std::string& speed = Spisok.cell(4, row);
        Speed.setText(speed.empty() ? std::string("0") : speed);
        services_.clipboard.setText(Spisok.cell(column, row));
        TabControl1.setTabCaption(1, "Аксессуары для привода " + Spisok.cell(1, row));
        DiametrPrivoda = Spisok.cell(2, row);
        MomentPrivoda = Spisok.cell(3, row);
        VybrannayaStroka = row;
    }
    PodborAcc();
}

void TForm1::TabControl1Change() {
    traced("TabControl1Change");
    const bool drivesTab = TabControl1.tabIndex() == 0;
    Spisok.setVisible(drivesTab);
    SpisokAcc.setVisible(!drivesTab);
    PodborAcc();
}

} // namespace kavro
