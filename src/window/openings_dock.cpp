// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "openings_dock.h"

#include "qt_text.h"

#include <QHeaderView>
#include <QLabel>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace kavro::window {

namespace {

// The count of identical openings is edited with a spin box in its range.
class CountDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* box = new QSpinBox(parent);
        box->setRange(Opening::kMinCount, Opening::kMaxCount);
        box->setObjectName(QStringLiteral("OpeningCount"));
        return box;
    }
};

enum AccessoryColumn { Article, Name, Quantity };

// The list's narrowest width in pixels.
constexpr int kMinimumWidth = 470;

} // namespace

OpeningsDock::OpeningsDock(OrderSession& session, QWidget* parent)
    : QDockWidget(QStringLiteral("Проёмы"), parent), session_(session),
      document_(session.document()) {
    setObjectName(QStringLiteral("OpeningsDock"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);

    title_ = new QLabel(body);
    title_->setObjectName(QStringLiteral("OrderTitle"));
    title_->setTextFormat(Qt::PlainText);
    title_->setWordWrap(true);
    layout->addWidget(title_);
    showTitle({});

    model_ = new OpeningListModel(session, this);
    table_ = new OpeningTable(body);
    table_->setModel(model_);
    table_->setItemDelegateForColumn(OpeningListModel::Count, new CountDelegate(table_));
    // Every column and a location of a few words show without scrolling.
    table_->setMinimumWidth(kMinimumWidth);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Columns fit the rows on screen only: measuring every row would work out
    // the results of every opening of a large order at each change.
    table_->horizontalHeader()->setResizeContentsPrecision(0);
    table_->horizontalHeader()->setSectionResizeMode(OpeningListModel::Location,
                                                     QHeaderView::Stretch);
    layout->addWidget(table_, 3);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& now) {
                if (now.isValid() && !reloading_ && rowChosen)
                    rowChosen(static_cast<std::size_t>(now.row()));
            });

    auto* caption = new QLabel(QStringLiteral("Аксессуары проёма"), body);
    layout->addWidget(caption);
    accessories_ = new QTableWidget(0, 3, body);
    accessories_->setObjectName(QStringLiteral("OpeningAccessories"));
    accessories_->setAccessibleName(QStringLiteral("Аксессуары проёма"));
    accessories_->setHorizontalHeaderLabels(
        {QStringLiteral("Артикул"), QStringLiteral("Наименование"), QStringLiteral("Кол-во")});
    accessories_->verticalHeader()->setVisible(false);
    accessories_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    accessories_->horizontalHeader()->setSectionResizeMode(Name, QHeaderView::Stretch);
    layout->addWidget(accessories_, 2);

    problems_ = new QLabel(body);
    problems_->setObjectName(QStringLiteral("OpeningProblems"));
    problems_->setWordWrap(true);
    problems_->setTextFormat(Qt::PlainText);
    layout->addWidget(problems_);
    setWidget(body);
    session.document().subscribe(*this);
}

OpeningsDock::~OpeningsDock() {
    document_.unsubscribe(*this);
}

void OpeningsDock::orderChanged(const std::vector<OrderChange>& changes) {
    using Kind = OrderChange::Kind;
    const bool reordered = std::any_of(changes.begin(), changes.end(), [](const auto& change) {
        return change.reordersRows() && change.kind != Kind::OpeningMoved;
    });
    if (reordered) {
        reload();
        // An order of several openings is worked on in the list.
        if (document_.size() > 1)
            show();
    } else {
        for (const OrderChange& change : changes) {
            if (change.kind == Kind::OpeningChanged)
                model_->rowChanged(change.index);
            else if (change.kind == Kind::OpeningMoved) {
                model_->rowsChanged(std::min(change.from, change.index),
                                    std::max(change.from, change.index));
                showCurrent();
            }
        }
    }
    showDetails();
    showTitle(document_.order().title);
}

void OpeningsDock::showShown() {
    model_->rowChanged(session_.current());
    showCurrent();
    showDetails();
}

void OpeningsDock::reload() {
    const QScopedValueRollback guard(reloading_, true);
    model_->reload();
    showCurrent();
}

void OpeningsDock::showCurrent() {
    const QSignalBlocker blocker(table_->selectionModel());
    const QModelIndex index =
        model_->index(static_cast<int>(session_.current()), OpeningListModel::Location);
    table_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    table_->scrollTo(index);
    // The view repaints the selection it was not told about.
    table_->viewport()->update();
}

void OpeningsDock::showDetails() {
    const OpeningResults& results = document_.results(session_.current());
    std::vector<AccessoryRow> rows = openingAccessoryRows(document_, session_.current());
    if (rows != shownAccessories_) {
        accessories_->setRowCount(0);
        shownAccessories_.clear();
        for (const AccessoryRow& row : rows)
            addAccessoryRow(row);
    }

    QStringList words;
    for (const std::string& problem : results.problems)
        words << toQString(problem);
    problems_->setText(words.join(u'\n'));
    problems_->setVisible(!words.isEmpty());
}

void OpeningsDock::showTitle(const std::string& title) {
    title_->setText(title.empty() ? QStringLiteral("Заказ без названия")
                                  : QStringLiteral("Заказ: ") + toQString(title));
}

void OpeningsDock::addAccessoryRow(const AccessoryRow& shown) {
    const int row = accessories_->rowCount();
    const std::size_t index = shownAccessories_.size();
    shownAccessories_.push_back(shown);
    const std::string& article = shown.article;
    accessories_->insertRow(row);
    accessories_->setItem(row, Article, new QTableWidgetItem(toQString(article)));
    accessories_->setItem(row, Name, new QTableWidgetItem(toQString(shown.name)));
    auto* box = new QSpinBox(accessories_);
    box->setObjectName(QStringLiteral("Quantity_") + toQString(article));
    box->setAccessibleName(QStringLiteral("Количество ") + toQString(article));
    box->setRange(0, Opening::kMaxAccessoryQuantity);
    box->setValue(shown.quantity);
    connect(box, &QSpinBox::valueChanged, this, [this, article, index](int value) {
        shownAccessories_.at(index).quantity = value;
        if (quantitySet)
            quantitySet(article, value);
    });
    accessories_->setCellWidget(row, Quantity, box);
}

} // namespace kavro::window
