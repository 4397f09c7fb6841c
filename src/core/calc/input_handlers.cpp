// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "../text/number_text.h"
#include "../text/utf8.h"
#include "../tform1.h"

#include <algorithm>

namespace kavro {

namespace {

constexpr char32_t kBackspace = 8;
constexpr char32_t kDecimalSeparator = ',';

bool holdsCommaOutsideSelection(const EditableText& field) {
    const std::string& text = field.text();
    const std::size_t from = utf8::offsetOf(text, field.selectionStart());
    const std::size_t to = utf8::offsetOf(text, field.selectionStart() + field.selectionLength());
    return text.find(',') < from || text.find(',', to) != std::string::npos;
}

} // namespace

// Lets through Backspace, digits and the decimal comma. A second comma is
// discarded at once, so typing it changes nothing and loses no digits.
char32_t TForm1::DiametrKeyPress(const EditableText& field, char32_t key) const {
    if (key == kBackspace || (key >= '0' && key <= '9'))
        return key;
    if (key == kDecimalSeparator && !holdsCommaOutsideSelection(field))
        return key;
    return 0;
}

// Takes back one character of a text holding two or more commas, as happens
// when a second comma reaches a field by pasting.
std::string TForm1::ProverkaEdit(std::string_view text) {
    if (std::count(text.begin(), text.end(), ',') < 2)
        return std::string(text);
    return utf8::dropLast(text);
}

// The shared body of the number fields' change handlers. The normalising
// write re-enters this handler while a character is taken back; every level
// then runs the whole chain.
void TForm1::numberFieldChange(EditField& field, bool emptyZeroesMass) {
    field.setText(ProverkaEdit(field.text()));
    field.moveCaretToEnd();
    if (!field.text().empty()) {
        // Only protected steps read the thickness, and they would quietly
        // show 0 for a pasted non-number; converting it first tells the user,
        // as the mass does for the other fields, and keeps the results that
        // belong to the last valid value.
        if (&field == &Tolwina)
            StrToFloat(Tolwina.text());
        RaschetFullMassa();
        RaschetOborotov();
        RaschetMomenta();
        PodborPrivoda();
        return;
    }
    // While the field is empty nothing is calculated; the list stays.
    Moment.setText("0");
    Oboroti.setText("0");
    MaxDiametr.setText("0");
    if (emptyZeroesMass)
        FullMassa.setText("0");
}

// Leaving a field empty puts its default back, which recalculates.
void TForm1::numberFieldExit(EditField& field, std::string_view putBack) {
    if (field.text().empty())
        field.setText(std::string(putBack));
}

void TForm1::VisotaChange() {
    traced("VisotaChange");
    numberFieldChange(Visota, true);
}

void TForm1::WirinaChange() {
    traced("WirinaChange");
    numberFieldChange(Wirina, true);
}

void TForm1::TolwinaChange() {
    traced("TolwinaChange");
    numberFieldChange(Tolwina, false);
}

void TForm1::MassaChange() {
    traced("MassaChange");
    numberFieldChange(Massa, false);
}

void TForm1::NizhniyProfilChange() {
    traced("NizhniyProfilChange");
    numberFieldChange(NizhniyProfil, false);
}

void TForm1::VisotaExit() {
    traced("VisotaExit");
    numberFieldExit(Visota, "1000");
}

void TForm1::WirinaExit() {
    traced("WirinaExit");
    numberFieldExit(Wirina, "1000");
}

void TForm1::TolwinaExit() {
    traced("TolwinaExit");
    numberFieldExit(Tolwina, "1");
}

void TForm1::MassaExit() {
    traced("MassaExit");
    numberFieldExit(Massa, "0,3");
}

void TForm1::NizhniyProfilExit() {
    traced("NizhniyProfilExit");
    numberFieldExit(NizhniyProfil, "0,5");
}

void TForm1::MontazhClick() {
    traced("MontazhClick");
    RaschetMomenta();
    PodborPrivoda();
}

void TForm1::KreplenieClick() {
    traced("KreplenieClick");
    RaschetFullMassa();
    RaschetOborotov();
    RaschetMomenta();
    PodborPrivoda();
}

void TForm1::UpravlenieClick() {
    traced("UpravlenieClick");
    PodborPrivoda();
}

void TForm1::NHKClick() {
    traced("NHKClick");
    PodborPrivoda();
}

// The shaft decides whether a crank is possible (not on 40 mm) and whether
// the Fastlink strap is (only on 60 mm); the tests compare the whole text.
void TForm1::DiametrChange() {
    traced("DiametrChange");
    if (Diametr.text() != "40") {
        NHK.setEnabled(true);
    } else {
        NHK.setChecked(false);
        NHK.setEnabled(false);
    }
    if (Diametr.text() == "60") {
        Kreplenie.setItemEnabled(2, true);
    } else {
        Kreplenie.setItemEnabled(2, false);
        if (Kreplenie.itemIndex() == 2)
            Kreplenie.setItemIndex(0);
    }
    RaschetMomenta();
    RaschetOborotov();
    PodborPrivoda();
    PodborAcc();
}

} // namespace kavro
