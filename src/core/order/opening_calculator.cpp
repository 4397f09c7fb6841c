// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "opening_calculator.h"

#include "../catalog/catalog_record.h"
#include "../catalog/drive_fields.h"
#include "../selection/accessory_catalog.h"
#include "order_limits.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace kavro {

namespace {

// Platform services that do nothing: a computed opening is never shown, so
// its message boxes and clipboard go nowhere.
struct SilentServices : Clipboard, MessageBox, UrlOpener {
    void setText(const std::string&) override {}
    void showStop(const std::string&, const std::string&) override {}
    void open(const std::string&) override {}
    Services services() {
        return Services{
            .clipboard = *this, .messageBox = *this, .urlOpener = *this, .programName = "kavro"};
    }
};

constexpr std::string_view kOwnProfile = "Другой";

std::string quoted(std::string_view text) {
    return "«" + std::string(text) + "»";
}

// The catalogue name of a drive article, empty for one the catalogue lacks.
std::string driveName(const CatalogTables& t, const std::string& article) {
    for (const CatalogTable* table : {&t.pravel, &t.senta, &t.mr40, &t.terna, &t.kx, &t.nirla})
        for (int row = 1; row <= table->size(); ++row)
            if (PoluchitSvoystvo(table->row(row), kArticle) == article)
                return std::string(PoluchitSvoystvo(table->row(row), kName));
    return {};
}

std::string accessoryName(const std::string& article) {
    return std::string(accessoryDescription(article));
}

std::string named(const std::string& article, const std::string& name) {
    return name.empty() ? article : article + " " + quoted(name);
}

// Data rows of a grid below its header; none when the grid holds only its
// one empty row.
std::vector<std::vector<std::string>> dataRows(const TextGrid& grid) {
    std::vector<std::vector<std::string>> rows(grid.rows().begin() + 1, grid.rows().end());
    const bool blank = rows.size() == 1 && std::all_of(rows[0].begin(), rows[0].end(),
                                                       [](const auto& c) { return c.empty(); });
    if (blank)
        rows.clear();
    return rows;
}

std::string driveNotOffered(const TForm1& form, const std::string& article) {
    return "Привод " + named(article, driveName(form.tables(), article)) +
           " не подходит для этого проёма и не входит в список рекомендуемых";
}

// The row of Spisok (from 1) that lists `article`, if any.
std::optional<int> listedRow(const TextGrid& spisok, const std::string& article) {
    for (int row = 1; row < spisok.rowCount(); ++row)
        if (!article.empty() && spisok.cell(0, row) == article)
            return row;
    return std::nullopt;
}

// The input texts whose field may show another text than the one applied.
constexpr std::array<Field, 6> kTakenTexts = {Field::Tolwina, Field::Massa,         Field::Visota,
                                              Field::Wirina,  Field::NizhniyProfil, Field::Diametr};

std::string captionOf(Field field) {
    return std::string(openingInput(field).caption);
}

// One application of an opening to a window, gathering the problems met.
class Application {
public:
    // `fresh`: the window has just started, so its results follow its texts.
    Application(TForm1& form, UserInput& input, const Opening& opening, bool fresh)
        : form_(form), input_(input), in_(opening.inputs), drive_(opening.drive), fresh_(fresh) {}

    std::vector<std::string> run() {
        // The drive list shows, as in a freshly started window.
        act(Field::TabControl1, [&] { return input_.switchTab(0); });
        // The own profile frees thickness and weight for typing; a maker's
        // type later overwrites them from its catalogue as the user's pick does.
        act(Field::Profil, [&] { return input_.pick(Field::Profil, 2); });
        text(Field::Tolwina, in_.thickness);
        text(Field::Massa, in_.specificWeight);
        text(Field::Visota, in_.height);
        text(Field::Wirina, in_.width);
        text(Field::NizhniyProfil, in_.endProfile);
        shaft(); // before the crank and the fixing, which the shaft enables
        crank();
        radio(Field::Montazh, in_.mounting);
        radio(Field::Upravlenie, in_.control);
        profile();
        fixing();
        textsTaken();
        drive();
        return std::move(problems_);
    }

private:
    // Carries out one action. A failure may come from the texts that the
    // window held before; whether the opening's own texts fail shows when the
    // fixing settles the window. An error in the exit handler of the field
    // left (an empty field's put-back text recalculated) keeps the focus
    // there and the action undone; that field holds its text now, so a
    // second try gets through.
    template <class Action> ActionResult act(Field field, Action&& action) {
        ActionResult result = action();
        if (result.kind == ActionResult::Kind::Failed && form_.focus() != field)
            result = action();
        if (result.kind == ActionResult::Kind::Refused)
            problems_.push_back("Окно не приняло ввод (" + result.text + ")");
        failed_ = failed_ || result.kind == ActionResult::Kind::Failed;
        return result;
    }

    void text(Field field, const std::string& text) {
        act(field, [&] { return input_.replace(field, text); });
    }

    // A pick runs the shaft's handler even for the text already there: an
    // error in an earlier run of it may have left the crank enabled on "40".
    void shaft() {
        const auto& items = form_.Diametr.items();
        const auto item = std::find(items.begin(), items.end(), in_.shaft);
        if (item != items.end())
            act(Field::Diametr, [&] { return input_.pick(Field::Diametr, item - items.begin()); });
        else
            text(Field::Diametr, in_.shaft);
    }

    void crank() {
        if (in_.crank == form_.NHK.checked())
            return;
        if (!form_.NHK.enabled()) {
            problems_.push_back(captionOf(Field::NHK) + " недоступен при диаметре вала " +
                                form_.Diametr.text() + " мм");
            return;
        }
        act(Field::NHK, [&] { return input_.check(Field::NHK); });
    }

    bool inRange(const RadioGroup& group, int index) const {
        return index >= 0 && index < static_cast<int>(group.items().size());
    }

    void noSuchChoice(Field field, int index) {
        problems_.push_back(captionOf(field) + ": нет варианта с номером " + std::to_string(index));
    }

    void radio(Field field, int index) {
        const auto& group = static_cast<const RadioGroup&>(form_.control(field));
        if (!inRange(group, index)) {
            noSuchChoice(field, index);
            index = 0; // the window's own first choice, whatever it held before
        }
        if (group.itemIndex() != index)
            act(field, [&] { return input_.click(field, index); });
    }

    void profile() {
        const auto& makers = form_.Profil.items();
        const auto maker = std::find(makers.begin(), makers.end(), in_.profile);
        if (maker == makers.end()) {
            problems_.push_back(captionOf(Field::Profil) + " " + quoted(in_.profile) +
                                " не входит в список профилей");
        } else if (*maker != kOwnProfile) {
            act(Field::Profil, [&] { return input_.pick(Field::Profil, maker - makers.begin()); });
        }
        if (in_.profileType.empty())
            return;
        const auto& types = form_.TipProfilya.items();
        const auto type = std::find(types.begin(), types.end(), in_.profileType);
        if (type == types.end())
            problems_.push_back(captionOf(Field::TipProfilya) + " " + quoted(in_.profileType) +
                                " не входит в список типов профиля " + form_.Profil.text());
        else
            act(Field::TipProfilya,
                [&] { return input_.pick(Field::TipProfilya, type - types.begin()); });
    }

    // The fixing comes last of the inputs. A change of it runs the whole
    // calculation with every input in place; so does a click on another
    // choice and back. An error of that last calculation is the opening's
    // own. A window in any state needs it: an error before may have left
    // results that no handler run since has redone, and an opening text
    // equal to the one that failed runs no handler at all. A fresh window
    // needs it only after an error on the way: every text that differs
    // from its defaults ran its handlers, and those keep the rest up to date.
    void fixing() {
        const RadioGroup& group = form_.Kreplenie;
        int target = in_.fixing;
        if (!inRange(group, target)) {
            noSuchChoice(Field::Kreplenie, target);
            target = 0;
        } else if (!group.itemEnabled(target)) {
            problems_.push_back(captionOf(Field::Kreplenie) + " " + quoted(group.items()[target]) +
                                " недоступно при диаметре вала " + form_.Diametr.text() + " мм");
            target = 0;
        }
        if (group.itemIndex() == target) {
            if (fresh_ && !failed_)
                return;
            act(Field::Kreplenie,
                [&] { return input_.click(Field::Kreplenie, target == 1 ? 0 : 1); });
        }
        const ActionResult last =
            act(Field::Kreplenie, [&] { return input_.click(Field::Kreplenie, target); });
        if (last.kind == ActionResult::Kind::Failed)
            problems_.push_back("Расчёт остановлен ошибкой: " + last.text);
    }

    // A text the window took otherwise (cut, normalised, put back when
    // empty, or set by the profile type) is said, so it is not lost unseen.
    void textsTaken() {
        const OpeningInputs shown = OpeningCalculator::capture(form_);
        for (const Field field : kTakenTexts) {
            const InputText text = std::get<InputText>(openingInput(field).member);
            if (shown.*text != in_.*text)
                problems_.push_back(captionOf(field) + ": окно показывает " + quoted(shown.*text) +
                                    " вместо " + quoted(in_.*text));
        }
    }

    // The chosen drive is pressed in the list as the user would; without one
    // (or with one not offered) the window's own first drive stays chosen.
    // A press is made only when the list's current cell is not already the
    // chosen drive's, since a press also copies the cell to the clipboard.
    void drive() {
        const TextGrid& spisok = form_.Spisok;
        int row = 1;
        if (!drive_.empty()) {
            if (const auto listed = listedRow(spisok, drive_))
                row = *listed;
            else
                problems_.push_back(driveNotOffered(form_, drive_));
        }
        const bool current = form_.VybrannayaStroka == row && spisok.currentRow() == row &&
                             spisok.currentColumn() == 0;
        if (!current)
            act(Field::Spisok, [&] { return input_.pressCell(Field::Spisok, 0, row); });
        act(Field::Spisok, [&] { return input_.focus(Field::Spisok); });
    }

private:
    TForm1& form_;
    UserInput& input_;
    const OpeningInputs& in_;
    const std::string& drive_;
    const bool fresh_;
    std::vector<std::string> problems_;
    bool failed_ = false;
};

void appendNew(std::vector<std::string>& to, const std::vector<std::string>& from) {
    for (const std::string& problem : from)
        if (std::find(to.begin(), to.end(), problem) == to.end())
            to.push_back(problem);
}

} // namespace

std::vector<std::string> OpeningCalculator::apply(TForm1& form, UserInput& input,
                                                  const Opening& opening) {
    return Application(form, input, opening, false).run();
}

OpeningInputs OpeningCalculator::capture(const TForm1& form) {
    return capturedInputs(form);
}

namespace {

void checkCount(const Opening& opening, std::vector<std::string>& problems) {
    if (!isOpeningCount(opening.count))
        problems.push_back("Количество проёмов " + std::to_string(opening.count) +
                           " вне пределов " + std::to_string(Opening::kMinCount) + "–" +
                           std::to_string(Opening::kMaxCount));
}

void checkAccessories(const Opening& opening, const OpeningResults& r,
                      std::vector<std::string>& problems) {
    for (const AccessoryQuantity& a : opening.accessories) {
        if (!isAccessoryQuantity(a.quantity))
            problems.push_back("Количество аксессуара " + a.article + " (" +
                               std::to_string(a.quantity) + ") вне пределов 0–" +
                               std::to_string(Opening::kMaxAccessoryQuantity));
        if (a.quantity == 0)
            continue; // not wanted, so nothing to offer
        const bool offered = std::any_of(r.accessories.begin(), r.accessories.end(),
                                         [&](const auto& row) { return row[0] == a.article; });
        if (!offered)
            problems.push_back("Аксессуар " + named(a.article, accessoryName(a.article)) +
                               " не подходит к приводу " +
                               (r.driveArticle.empty() ? std::string("проёма")
                                                       : named(r.driveArticle, r.driveName)) +
                               " и не входит в список аксессуаров");
    }
}

} // namespace

OpeningResults OpeningCalculator::read(const TForm1& form, const Opening& opening) {
    OpeningResults r;
    r.mass = form.FullMassa.text();
    r.torque = form.Moment.text();
    r.maxRoll = form.MaxDiametr.text();
    r.turns = form.Oboroti.text();
    r.time = form.Vremya.text();
    r.speed = form.Speed.text();
    r.narrow = form.Label27.visible();
    r.drives = dataRows(form.Spisok);
    const int chosen = form.VybrannayaStroka;
    if (chosen >= 1 && chosen <= static_cast<int>(r.drives.size())) {
        r.driveRow = chosen - 1;
        r.driveArticle = r.drives[static_cast<std::size_t>(r.driveRow)][0];
        r.driveName = r.drives[static_cast<std::size_t>(r.driveRow)][1];
    }
    r.accessories = dataRows(form.SpisokAcc);

    checkCount(opening, r.problems);
    if (!opening.drive.empty() && !listedRow(form.Spisok, opening.drive))
        r.problems.push_back(driveNotOffered(form, opening.drive));
    checkAccessories(opening, r, r.problems);
    return r;
}

OpeningResults OpeningCalculator::compute(const Opening& opening) {
    SilentServices silent;
    TForm1 form(silent.services());
    UserInput input(form);
    input.start();
    std::vector<std::string> problems = Application(form, input, opening, true).run();
    OpeningResults results = read(form, opening);
    appendNew(problems, results.problems);
    results.problems = std::move(problems);
    return results;
}

} // namespace kavro
