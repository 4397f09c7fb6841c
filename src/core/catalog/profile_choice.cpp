// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "../tform1.h"
#include "catalog_record.h"

namespace kavro {

namespace {

enum ProfileMaker { kAlutech = 0, kDoorHan = 1, kOther = 2 };

} // namespace

// A maker choice rebuilds the type list and decides whether thickness and
// specific weight come from the catalogue or from the user. It changes no
// figure: the old values stay, greyed out, until a type is chosen.
void TForm1::ProfilChange() {
    traced("ProfilChange");
    TipProfilya.setItemIndex(-1);
    TipProfilya.setText("");
    TipProfilya.clearItems();
    const int maker = Profil.itemIndex();
    if (maker == kAlutech || maker == kDoorHan) {
        TipProfilya.setEnabled(true);
        Tolwina.setEnabled(false);
        Massa.setEnabled(false);
        const CatalogTable& table = maker == kAlutech ? tables_.alutech : tables_.doorhan;
        for (int row = 1; row <= table.count(); ++row)
            TipProfilya.addItem(std::string(PoluchitSvoystvo(table.row(row), 1)));
    } else if (maker == kOther) {
        TipProfilya.setEnabled(false);
        Tolwina.setEnabled(true);
        Massa.setEnabled(true);
    }
}

// Copies the chosen type's thickness and specific weight into their fields;
// each write that changes a field recalculates through its change handler.
void TForm1::TipProfilyaChange() {
    traced("TipProfilyaChange");
    const int maker = Profil.itemIndex();
    if (maker == kAlutech || maker == kDoorHan) {
        const CatalogTable& table = maker == kAlutech ? tables_.alutech : tables_.doorhan;
        for (int row = 1; row <= table.count(); ++row) {
            const std::string_view record = table.row(row);
            if (PoluchitSvoystvo(record, 1) == TipProfilya.text()) {
                Tolwina.setText(std::string(PoluchitSvoystvo(record, 2)));
                Massa.setText(std::string(PoluchitSvoystvo(record, 3)));
            }
        }
    }
    PodborPrivoda();
}

} // namespace kavro
