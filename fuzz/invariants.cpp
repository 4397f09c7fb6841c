// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "invariants.h"

#include "core/calc_error.h"
#include "core/catalog/catalog_record.h"
#include "core/input/user_input.h"
#include "core/selection/accessory_catalog.h"
#include "core/text/number_text.h"
#include "core/text/utf8.h"

#include <algorithm>
#include <array>
#include <optional>
#include <regex>

namespace kavro {

namespace {

class Checker {
public:
    explicit Checker(const TForm1& form) : f_(form) {}

    void always() {
        gridShape();
        listedDrivesAreCatalogueRows();
        accessoriesAreCatalogueRows();
        resultsAreNumbers();
        selectionNamesARow();
        texts();
        focus();
    }

    void settled() {
        drivesFitTheInputs();
        chosenDriveAgrees();
        accessoriesFollowTheShaft();
    }

    std::vector<std::string> broken;

private:
    void fail(std::string what) { broken.push_back(std::move(what)); }

    static std::optional<double> number(const std::string& text) {
        try {
            return StrToFloat(text);
        } catch (const CalcError&) {
            return std::nullopt;
        }
    }

    bool rowEmpty(const TextGrid& g, int row) const {
        for (int c = 0; c < g.columnCount(); ++c)
            if (!g.cell(c, row).empty())
                return false;
        return true;
    }

    // Drives listed: rows 1.. hold one drive each, or one empty row.
    int listedDrives() const {
        if (f_.Spisok.rowCount() == 2 && rowEmpty(f_.Spisok, 1))
            return 0;
        return f_.Spisok.rowCount() - 1;
    }

    void gridShape() {
        const TextGrid& s = f_.Spisok;
        if (s.rowCount() < 2)
            fail("the drive list has no row below its header");
        for (int row = 1; row < s.rowCount() && listedDrives() > 0; ++row)
            for (int c = 0; c < s.columnCount(); ++c)
                if (s.cell(c, row).empty())
                    fail("drive row " + std::to_string(row) + " has an empty cell");
        if (f_.SpisokAcc.rowCount() < 2)
            fail("the accessory list has no row below its header");
        if (f_.Spisok.visible() == f_.SpisokAcc.visible())
            fail("both or neither of the lists are shown");
        if (f_.Spisok.visible() != (f_.TabControl1.tabIndex() == 0))
            fail("the shown list is not the current tab's");
    }

    std::optional<std::string_view> recordFor(const std::string& article) const {
        const CatalogTables& t = f_.tables();
        for (const CatalogTable* table : {&t.pravel, &t.senta, &t.mr40, &t.terna, &t.kx, &t.nirla})
            for (int row = 1; row <= table->size(); ++row)
                if (PoluchitSvoystvo(table->row(row), 7) == article)
                    return table->row(row);
        return std::nullopt;
    }

    void listedDrivesAreCatalogueRows() {
        std::vector<std::string> articles;
        for (int row = 1; row <= listedDrives(); ++row) {
            const auto record = recordFor(f_.Spisok.cell(0, row));
            if (!record) {
                fail("drive row " + std::to_string(row) + " is no catalogue drive");
                continue;
            }
            for (int field : {1, 2, 3, 4})
                if (f_.Spisok.cell(field, row) != PoluchitSvoystvo(*record, field))
                    fail("drive row " + std::to_string(row) + " differs from its record");
            articles.push_back(f_.Spisok.cell(0, row));
        }
        std::sort(articles.begin(), articles.end());
        if (std::adjacent_find(articles.begin(), articles.end()) != articles.end())
            fail("a drive is listed twice");
    }

    void accessoriesAreCatalogueRows() {
        const TextGrid& a = f_.SpisokAcc;
        if (a.rowCount() == 2 && rowEmpty(a, 1))
            return;
        for (int row = 1; row < a.rowCount(); ++row) {
            bool found = false;
            for (int n = 1; n <= 24; ++n)
                found = found || (a.cell(0, row) == accessory(n).article &&
                                  a.cell(1, row) == accessory(n).description);
            if (!found)
                fail("accessory row " + std::to_string(row) + " is no catalogue accessory");
        }
    }

    void resultsAreNumbers() {
        for (const EditField* e :
             {&f_.FullMassa, &f_.Moment, &f_.MaxDiametr, &f_.Oboroti, &f_.Speed})
            if (!number(e->text()))
                fail(std::string(fieldName(e->id())) + " shows '" + e->text() + "'");
        static const std::regex time("(0|-?[0-9]+ мин [0-9]+ сек)?");
        std::smatch m;
        if (!std::regex_match(f_.Vremya.text(), m, time))
            fail("Vremya shows '" + f_.Vremya.text() + "'");
        else if (f_.Vremya.text().find(" 60 сек") != std::string::npos)
            fail("Vremya shows 60 seconds");
    }

    void selectionNamesARow() {
        if (f_.VybrannayaStroka == 0)
            return; // no drive selection has run yet
        if (f_.VybrannayaStroka < 1 || f_.VybrannayaStroka >= f_.Spisok.rowCount())
            fail("the chosen row " + std::to_string(f_.VybrannayaStroka) + " does not exist");
    }

    void texts() {
        const std::array<const EditableText*, 6> editable = {
            &f_.Visota, &f_.Wirina, &f_.Tolwina, &f_.Massa, &f_.NizhniyProfil, &f_.Diametr};
        for (const EditableText* t : editable)
            if (t->length() > UserInput::kMaxTextLength)
                fail("a field holds more than the longest text");
    }

    void focus() {
        const Field focused = f_.focus();
        bool disabled = focused == Field::NHK && !f_.NHK.enabled();
        for (const EditField* e :
             {&f_.Tolwina, &f_.Visota, &f_.Wirina, &f_.Massa, &f_.NizhniyProfil, &f_.FullMassa,
              &f_.Moment, &f_.MaxDiametr, &f_.Oboroti, &f_.Vremya, &f_.Speed})
            disabled = disabled || (e->id() == focused && !e->enabled());
        for (const DropDown* d : {&f_.Profil, &f_.TipProfilya, &f_.Diametr})
            disabled = disabled || (d->id() == focused && !d->enabled());
        if (disabled)
            fail("the focus is on the disabled " + std::string(fieldName(focused)));
    }

    void drivesFitTheInputs() {
        const auto width = number(f_.Wirina.text());
        const auto torque = number(f_.Moment.text());
        if (!width || !torque)
            return; // the field is being edited, or a failed paste stands in it
        if (f_.Label27.visible() != (*width < 800))
            fail("the narrow-construction warning does not follow the width");
        const std::string& shaft = f_.Diametr.text();
        const std::string crank = f_.NHK.checked() ? "True" : "False";
        const std::string control = std::to_string(f_.Upravlenie.itemIndex());
        for (int row = 1; row <= listedDrives(); ++row) {
            const auto record = recordFor(f_.Spisok.cell(0, row));
            if (!record)
                continue;
            const std::string name(PoluchitSvoystvo(*record, 1));
            const bool narrowRow = name.find(" S ") != std::string::npos || name.ends_with(" S");
            const std::string_view size = PoluchitSvoystvo(*record, 2);
            const bool sizeFits = (shaft == "40" && size == "40") ||
                                  ((shaft == "60" || shaft == "70") && size == "50") ||
                                  (shaft == "70" && size == "60" && *width >= 800) ||
                                  (shaft == "102" && size == "60");
            if (!sizeFits || PoluchitSvoystvo(*record, 6) != crank ||
                PoluchitSvoystvo(*record, 5) != control)
                fail(name + " does not fit the shaft, control or crank");
            if (!(StrToFloat(PoluchitSvoystvo(*record, 3)) > *torque))
                fail(name + " is not stronger than the required torque");
            if (narrowRow != (*width < 800) || *width < 400)
                fail(name + " does not suit the curtain's width");
        }
    }

    void chosenDriveAgrees() {
        const int row = f_.VybrannayaStroka;
        if (row < 1 || row >= f_.Spisok.rowCount())
            return;
        if (f_.DiametrPrivoda != f_.Spisok.cell(2, row) ||
            f_.MomentPrivoda != f_.Spisok.cell(3, row))
            fail("the chosen drive is not the chosen row's");
        if (f_.TabControl1.tabs()[1] != "Аксессуары для привода " + f_.Spisok.cell(1, row))
            fail("the accessories tab names another drive");
        const std::string& speed = f_.Spisok.cell(4, row);
        if (f_.Speed.text() != (speed.empty() ? std::string("0") : speed))
            fail("Speed is not the chosen drive's");
    }

    void accessoriesFollowTheShaft() {
        const TextGrid& a = f_.SpisokAcc;
        const bool none = a.rowCount() == 2 && rowEmpty(a, 1);
        const std::string& shaft = f_.Diametr.text();
        const bool knownShaft = shaft == "40" || shaft == "60" || shaft == "70" || shaft == "102";
        // A chosen drive always has accessories, unless the shaft is none of
        // the four and no crank is wanted.
        const bool expectNone = f_.DiametrPrivoda.empty() || (!knownShaft && !f_.NHK.checked());
        if (none != expectNone)
            fail("the accessory list does not follow the chosen drive");
        if (none)
            return;
        const bool crankParts = a.cell(0, a.rowCount() - 1) == "4200024";
        if (crankParts != f_.NHK.checked())
            fail("the crank parts do not follow the crank");
        const std::string first = a.cell(0, 1);
        const std::string expectedFirst = shaft == "40"    ? "4200001"
                                          : shaft == "60"  ? "4200004"
                                          : shaft == "70"  ? "4200011"
                                          : shaft == "102" ? "4200015"
                                                           : "4200017";
        if (first != expectedFirst)
            fail("the accessories begin with " + first + " on shaft " + shaft);
    }

    const TForm1& f_;
};

} // namespace

std::vector<std::string> brokenInvariants(const TForm1& form, bool settled) {
    Checker checker(form);
    checker.always();
    if (settled)
        checker.settled();
    return checker.broken;
}

} // namespace kavro
