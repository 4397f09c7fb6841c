// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/turn_count.h"
#include "catalog/catalog_table.h"
#include "platform/services.h"
#include "state/window_state.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kavro {

class DriveQuery;

// The calculator's one window as the logic sees it: the window state, the
// catalogues, the chosen drive, and every handler and routine. Writing a field
// runs the handler wired to it (see the state classes), so the handlers call
// one another through the fields exactly as they would through a window.
//
// The implementation is split by concern: start-up and profile choice in
// catalog/, the inputs and calculations in calc/, the selections in
// selection/, the report in report/.
class TForm1 : public WindowState {
public:
    explicit TForm1(Services services);

    // Window events.
    void FormCreate();
    void FormActivate();
    void Label30Click();
    void Label31Click();

    // Profile choice.
    void ProfilChange();
    void TipProfilyaChange();

    // Inputs. DiametrKeyPress filters a character typed into `field`: it
    // returns the character, or 0 when the character is discarded.
    char32_t DiametrKeyPress(const EditableText& field, char32_t key) const;
    static std::string ProverkaEdit(std::string_view text);
    void VisotaChange();
    void WirinaChange();
    void TolwinaChange();
    void MassaChange();
    void NizhniyProfilChange();
    void VisotaExit();
    void WirinaExit();
    void TolwinaExit();
    void MassaExit();
    void NizhniyProfilExit();
    void MontazhClick();
    void KreplenieClick();
    void UpravlenieClick();
    void NHKClick();
    void DiametrChange();

    // Calculations.
    void RaschetFullMassa();
    void RaschetMomenta();
    void FullMassaChange();
    void RaschetOborotov();
    void SpeedChange();

    // Selections.
    void PodborPrivoda();
    void PodborAcc();
    // The mouse went down over cell (column, row) of Spisok; both are -1
    // when the pointer is on no cell.
    void SpisokMouseDown(int column, int row);
    void TabControl1Change();

    // The report button: types the printable report into the word processor
    // of the services (nothing happens without one).
    void Button1Click();

    // The chosen drive: its row in Spisok and that row's motor size and
    // torque texts.
    int VybrannayaStroka = 0;
    std::string DiametrPrivoda;
    std::string MomentPrivoda;

    const CatalogTables& tables() const { return tables_; }
    Services& services() { return services_; }

    // While a trace is attached, every handler and routine appends its name
    // when it starts.
    void setTrace(std::vector<std::string_view>* trace) { trace_ = trace; }

private:
    void traced(std::string_view name) {
        if (trace_)
            trace_->push_back(name);
    }
    void wireHandlers();

    // The shared body of the five number fields' change and exit handlers.
    void numberFieldChange(EditField& field, bool emptyZeroesMass);
    void numberFieldExit(EditField& field, std::string_view putBack);

    // The diameter on which the first turn winds: the shaft diameter plus
    // the strap allowance (mm).
    double windingDiameter() const;
    // The turn count of the fields as they stand, without showing it.
    TurnCount countTurns() const;

    // One wide-path pass over the six scanned tables for one motor size.
    void scanDriveTables(DriveQuery& query, std::string_view motorSize, int& listed);
    void listDrive(std::string_view record, int& listed);

    Services services_;
    CatalogTables tables_;
    std::vector<std::string_view>* trace_ = nullptr;
    // The last turn count and the inputs it was made from.
    std::optional<std::pair<TurnCountInputs, TurnCount>> lastTurnCount_;
};

} // namespace kavro
