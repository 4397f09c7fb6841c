// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "../catalog/catalog_record.h"
#include "../catalog/drive_fields.h"
#include "../text/number_text.h"
#include "../tform1.h"
#include "curtain_width.h"
#include "drive_query.h"

#include <array>

namespace kavro {

namespace {

constexpr std::array<std::string_view, 7> kSpisokHeaders = {
    "Артикул", "Наименование", "D мин", "Момент", "Скорость", "Управление", "Ав. подъем"};

// The motor size that a shaft admits, compared as exact text.
std::string_view motorSizeFor(const std::string& shaft) {
    if (shaft == "40")
        return "40";
    if (shaft == "60")
        return "50";
    if (shaft == "70")
        return "50";
    if (shaft == "102")
        return "60";
    return {};
}

} // namespace

// Lists the drives that fit the shutter: per drive table, the matching drive
// with the smallest torque above the required one, in catalogue order; for
// narrow curtains only the three narrow-construction drives. The first row
// becomes the chosen drive.
void TForm1::PodborPrivoda() {
    traced("PodborPrivoda");
    Spisok.clearDataRows();
    VybrannayaStroka = 1;
    Spisok.setRowCount(2);
    Spisok.setFixedRows(1);
    for (int column = 0; column < Spisok.columnCount(); ++column)
        Spisok.setCell(column, 0, std::string(kSpisokHeaders[static_cast<std::size_t>(column)]));

    const std::string_view motorSize = motorSizeFor(Diametr.text());
    DriveQuery query(NHK.checked(), Upravlenie.itemIndex(), Moment.text());
    int listed = 0;
    if (StrToFloat(Wirina.text()) < kWideFrom) {
        Label27.setVisible(true);
        if (StrToFloat(Wirina.text()) >= kNarrowFrom) {
            for (const CatalogTable* table : {&tables_.pravel, &tables_.mr40, &tables_.nirla}) {
                const std::string_view record = table->row(table->count() + 1);
                if (query.fits(record, motorSize) && query.margin(record) > 0)
                    listDrive(record, listed);
            }
        }
    } else {
        Label27.setVisible(false);
        scanDriveTables(query, motorSize, listed);
        if (Diametr.text() == "70")
            scanDriveTables(query, "60", listed);
    }

    TabControl1.setTabCaption(1, "Аксессуары для привода " + Spisok.cell(1, 1));
    DiametrPrivoda = Spisok.cell(2, 1);
    MomentPrivoda = Spisok.cell(3, 1);
    const std::string& speed = Spisok.cell(4, 1);
    Speed.setText(speed.empty() ? std::string("0") : speed);
    PodborAcc();
}

void TForm1::scanDriveTables(DriveQuery& query, std::string_view motorSize, int& listed) {
    for (const CatalogTable* table : {&tables_.pravel, &tables_.senta, &tables_.mr40,
                                      &tables_.terna, &tables_.kx, &tables_.nirla}) {
        double bestMargin = 999;
        int bestRow = 0;
        for (int row = 1; row <= table->count(); ++row) {
            const std::string_view record = table->row(row);
            const double margin = query.margin(record);
            if (margin < bestMargin && margin > 0 && query.fits(record, motorSize)) {
                bestMargin = margin;
                bestRow = row;
            }
        }
        if (bestRow > 0)
            listDrive(table->row(bestRow), listed);
    }
}

void TForm1::listDrive(std::string_view record, int& listed) {
    ++listed;
    Spisok.setRowCount(listed + 1);
    auto put = [&](int column, std::string_view text) {
        Spisok.setCell(column, listed, std::string(text));
    };
    put(1, PoluchitSvoystvo(record, kName));
    put(2, PoluchitSvoystvo(record, kMotorSize));
    put(3, PoluchitSvoystvo(record, kTorque));
    put(4, PoluchitSvoystvo(record, kSpeed));
    put(0, PoluchitSvoystvo(record, kArticle));
    put(5, PoluchitSvoystvo(record, kControl) == "1" ? "KVL" : "PX");
    put(6, PoluchitSvoystvo(record, kCrank) == "True" ? "NHK" : "-");
}

} // namespace kavro
