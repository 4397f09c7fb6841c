// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_window.h"

#include "core/order/opening_calculator.h"
#include "firm_dialog.h"
#include "orderio/firm_file.h"
#include "orderio/order_file.h"
#include "orderio/price_list.h"
#include "qt_text.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <algorithm>
#include <exception>
#include <filesystem>

namespace kavro::window {

namespace {

const QString kFilter = QStringLiteral("Заказы KAVRO (*.kavro)");
const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kStateKey = QStringLiteral("window/state");

std::filesystem::path fileSystemPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

std::unique_ptr<QSettings> openSettings(const QString& file) {
    if (file.isEmpty())
        return std::make_unique<QSettings>();
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

// The details saved for the user; none (no letterhead) when there are none
// or they cannot be read, which is told on the terminal: the window starts
// all the same, and the dialog writes the details anew.
FirmDetails savedFirm(const std::filesystem::path& file) {
    std::error_code missing;
    if (file.empty() || !std::filesystem::exists(file, missing))
        return {};
    try {
        return FirmFile::read(file);
    } catch (const FirmFileError& error) {
        qWarning("%s: %s", file.string().c_str(), error.what());
        return {};
    }
}

WindowSeams withFirm(WindowSeams seams, const FirmDetails& firm) {
    seams.firm = &firm;
    return seams;
}

QString shownName(const QString& path) {
    return QFileInfo(path).fileName();
}

} // namespace

OrderWindow::OrderWindow(OrderWindowSeams seams)
    : dialogs_(std::move(seams.dialogs)), settings_(openSettings(seams.settingsFile)),
      recent_(*settings_),
      autosave_(seams.autosaveFolder.isEmpty() ? Autosave::defaultFolder() : seams.autosaveFolder),
      firmFile_(seams.firmFile.empty() ? userFirmFilePath() : seams.firmFile),
      firm_(savedFirm(firmFile_)), document_(&OpeningCalculator::compute),
      form_(new MainWindow(withFirm(std::move(seams.form), firm_))),
      session_(document_, form_->form(),
               [this](const Opening& opening) { return form_->applyOpening(opening); }),
      dock_(new OpeningsDock(session_, this)), actions_(this),
      exports_(this, document_, dialogs_, form_->form().services().messageBox,
               form_->form().services().programName, firm_),
      printing_(form_, form_->form(), std::move(seams.printing)),
      quotation_(this, session_, dialogs_, form_->form().services().messageBox,
                 form_->form().services().programName, firm_, printing_, exports_,
                 seams.pricesFile.empty() ? userPriceListPath() : seams.pricesFile) {
    dialogs_.fillWithDesktop();
    setWindowIcon(form_->windowIcon());
    // The form keeps its size: the list takes any room the window gains.
    form_->setFixedSize(MainWindow::kClientSize);
    setCentralWidget(form_);
    addDockWidget(Qt::RightDockWidgetArea, dock_);
    dock_->hide();

    // Where the user left the window and the list last time.
    restoreGeometry(settings_->value(kGeometryKey).toByteArray());
    restoreState(settings_->value(kStateKey).toByteArray());

    document_.subscribe(*this);
    connectActions();
    wireForm();
    wireDock();
    refreshRecentMenu();
    updateTitle();

    autosaveTimer_.setInterval(seams.autosaveMilliseconds);
    connect(&autosaveTimer_, &QTimer::timeout, this, [this] { autosaveNow(); });
    autosaveTimer_.start();
}

OrderWindow::~OrderWindow() {
    // The form and the list refer to the order and to this window's parts:
    // they go first, not with the window's children after its members.
    document_.unsubscribe(*this);
    session_.setShownListener({});
    delete dock_;
    delete form_;
}

void OrderWindow::connectActions() {
    connect(actions_.newOrder, &QAction::triggered, this, [this] { newOrder(); });
    connect(actions_.open, &QAction::triggered, this, [this] { openChosen(); });
    connect(actions_.save, &QAction::triggered, this, [this] { save(); });
    connect(actions_.saveAs, &QAction::triggered, this, [this] { saveAs(); });
    connect(actions_.printForm, &QAction::triggered, this, [this] { form_->clickReportButton(); });
    connect(actions_.quit, &QAction::triggered, this, [this] { close(); });
    connect(actions_.addOpening, &QAction::triggered, this, [this] { session_.addOpening(); });
    connect(actions_.copyOpening, &QAction::triggered, this, [this] { session_.copyOpening(); });
    connect(actions_.removeOpening, &QAction::triggered, this,
            [this] { session_.removeOpening(); });
    connect(actions_.orderTitle, &QAction::triggered, this, [this] { editTitle(); });
    connect(actions_.about, &QAction::triggered, this, [this] { showAbout(); });
    connect(actions_.firmDetails, &QAction::triggered, this, [this] { editFirm(); });

    QAction* toggle = dock_->toggleViewAction();
    toggle->setText(QStringLiteral("&Список проёмов"));
    toggle->setObjectName(QStringLiteral("actionShowList"));
    toggle->setShortcut(QKeySequence(Qt::Key_F9));
    actions_.orderMenu->insertAction(actions_.addOpening, toggle);
    actions_.orderMenu->insertSeparator(actions_.addOpening);
    actions_.showList = toggle;
    addPrintActions();
    wireExports();
    wireQuotation();
}

void OrderWindow::wireQuotation() {
    connect(actions_.priceList, &QAction::triggered, this, [this] { quotation_.loadPriceList(); });
    connect(actions_.discount, &QAction::triggered, this, [this] { quotation_.editDiscount(); });
    connect(actions_.installationPrice, &QAction::triggered, this,
            [this] { quotation_.editInstallationPrice(); });
    connect(actions_.quotation, &QAction::triggered, this, [this] { quotation_.preview(); });
    connect(actions_.quotationPdf, &QAction::triggered, this, [this] { quotation_.exportPdf(); });
    connect(actions_.quotationDocx, &QAction::triggered, this, [this] { quotation_.writeDocx(); });
}

// Printing the form's report and writing it as a PDF, just before the
// report in Word.
void OrderWindow::addPrintActions() {
    auto* print = new QAction(QStringLiteral("&Печать…"), this);
    print->setObjectName(QStringLiteral("actionPrint"));
    print->setShortcut(QKeySequence::Print);
    connect(print, &QAction::triggered, this, [this] { printing_.preview(); });
    auto* pdf = new QAction(QStringLiteral("Экспорт в &PDF…"), this);
    pdf->setObjectName(QStringLiteral("actionExportPdf"));
    connect(pdf, &QAction::triggered, this, [this] { printing_.exportPdf(); });
    // The same for the whole order's report.
    const ReportPrinting::Typing order = [this](WordProcessor& word) {
        exports_.typeOrderReport(word);
    };
    auto* printOrder = new QAction(QStringLiteral("Печать отчёта по &заказу…"), this);
    printOrder->setObjectName(QStringLiteral("actionPrintOrder"));
    connect(printOrder, &QAction::triggered, this, [this, order] { printing_.preview(order); });
    auto* orderPdf = new QAction(QStringLiteral("Отчёт по заказу в P&DF…"), this);
    orderPdf->setObjectName(QStringLiteral("actionOrderPdf"));
    connect(orderPdf, &QAction::triggered, this, [this, order] { printing_.exportPdf(order); });
    actions_.fileMenu->insertActions(actions_.printPlace, {print, pdf, printOrder, orderPdf});
    actions_.fileMenu->insertSeparator(print);
}

void OrderWindow::wireExports() {
    connect(actions_.importCsv, &QAction::triggered, this, [this] { importOpenings(); });
    connect(actions_.exportCsv, &QAction::triggered, this, [this] { exports_.exportOpenings(); });
    connect(actions_.exportPartsCsv, &QAction::triggered, this,
            [this] { exports_.exportPartsList(); });
    connect(actions_.orderReport, &QAction::triggered, this,
            [this] { exports_.writeOrderReport(); });
}

void OrderWindow::importOpenings() {
    std::optional<std::vector<Opening>> openings = exports_.importOpenings();
    if (!openings)
        return;
    const ActionResult result = session_.appendOpenings(std::move(*openings));
    if (result.kind != ActionResult::Kind::Done)
        showError(toQString(result.text));
}

void OrderWindow::wireForm() {
    session_.setShownListener([this] { dock_->showShown(); });
    form_->setStartedListener([this] { session_.formStarted(); });
    form_->setActionListener([this](std::optional<Field> acted) { session_.formActed(acted); });
}

void OrderWindow::wireDock() {
    dock_->rowChosen = [this](std::size_t row) { switchTo(row); };
    dock_->table()->moveRequested = [this](int from, int to) { moveOpening(from, to); };
    dock_->quantitySet = [this](const std::string& article, int quantity) {
        session_.setAccessoryQuantity(article, quantity);
    };
    dock_->showCurrent();
}

bool OrderWindow::openFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        showError(QStringLiteral("Файл «%1» не найден.").arg(path));
        return false;
    }
    Order order;
    try {
        order = OrderFile::read(fileSystemPath(path));
    } catch (const std::exception& error) {
        showError(QStringLiteral("Не удалось открыть файл «%1»:\n%2")
                      .arg(shownName(path), toQString(error.what())));
        return false;
    }
    showOrder(std::move(order), path, false);
    recent_.add(path);
    refreshRecentMenu();
    return true;
}

bool OrderWindow::offerRestore() {
    std::vector<Autosave::Leftover> leftovers = autosave_.claimLeftovers();
    bool restored = false;
    for (Autosave::Leftover& leftover : leftovers) {
        if (restored) {
            leftover.lock.reset(); // offered again at the next start
            continue;
        }
        const QString source = leftover.sourceFile.isEmpty()
                                   ? QStringLiteral("новый заказ")
                                   : QStringLiteral("заказ «%1»").arg(leftover.sourceFile);
        QMessageBox box(
            QMessageBox::Question, windowTitle(),
            QStringLiteral("Программа завершилась, не сохранив работу: %1, "
                           "изменения от %2.\nВосстановить их?")
                .arg(source, leftover.written.toString(QStringLiteral("dd.MM.yyyy hh:mm"))),
            QMessageBox::Yes | QMessageBox::No, this);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Восстановить"));
        box.button(QMessageBox::No)->setText(QStringLiteral("Удалить"));
        if (dialogs_.ask(box) != QMessageBox::Yes) {
            Autosave::drop(leftover);
            continue;
        }
        try {
            Order order = OrderFile::read(fileSystemPath(leftover.orderPath));
            showOrder(std::move(order), leftover.sourceFile, true);
        } catch (const std::exception& error) {
            // Kept for another try: nothing is thrown away that was not read.
            showError(QStringLiteral("Не удалось восстановить работу из «%1»:\n%2")
                          .arg(leftover.orderPath, toQString(error.what())));
            leftover.lock.reset();
            continue;
        }
        restored = true;
        autosaveNow();
        // The old file goes only once this window's own holds the work.
        if (autosave_.hasFile())
            Autosave::drop(leftover);
        else
            leftover.lock.reset();
    }
    return restored;
}

void OrderWindow::autosaveNow() {
    if (!document_.modified()) {
        autosave_.discard();
        return;
    }
    // Written once per change: switching back and forth writes nothing new.
    if (autosave_.hasFile() && autosavedRevision_ == document_.revision())
        return;
    if (auto failed = autosave_.write(document_.order(), currentFile_)) {
        statusBar()->showMessage(QStringLiteral("Автосохранение не удалось: %1").arg(*failed));
        return;
    }
    autosavedRevision_ = document_.revision();
}

void OrderWindow::closeEvent(QCloseEvent* event) {
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    autosave_.discard();
    settings_->setValue(kGeometryKey, saveGeometry());
    settings_->setValue(kStateKey, saveState());
    event->accept();
}

void OrderWindow::newOrder() {
    if (maybeSave())
        showOrder(Order{}, QString(), false);
}

void OrderWindow::openChosen() {
    if (!maybeSave())
        return;
    const QString path = dialogs_.chooseOpen(this, QStringLiteral("Открыть заказ"), kFilter);
    if (!path.isEmpty())
        openFile(path);
}

void OrderWindow::openRecent(const QString& path) {
    if (!QFileInfo::exists(path)) {
        recent_.remove(path);
        refreshRecentMenu();
        showError(
            QStringLiteral("Файл «%1» не найден; он убран из списка недавних файлов.").arg(path));
        return;
    }
    if (maybeSave())
        openFile(path);
}

bool OrderWindow::save() {
    return currentFile_.isEmpty() ? saveAs() : saveTo(currentFile_);
}

bool OrderWindow::saveAs() {
    const QString suggested = currentFile_.isEmpty() ? QStringLiteral("Заказ.kavro") : currentFile_;
    QString path = dialogs_.chooseSave(this, QStringLiteral("Сохранить заказ"), suggested, kFilter);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".kavro");
    return saveTo(path);
}

bool OrderWindow::saveTo(const QString& path) {
    try {
        OrderFile::save(document_.order(), fileSystemPath(path));
    } catch (const std::exception& error) {
        showError(QStringLiteral("Не удалось сохранить файл «%1»:\n%2")
                      .arg(shownName(path), toQString(error.what())));
        return false;
    }
    session_.markSaved();
    autosave_.discard();
    setCurrentFile(path);
    recent_.add(path);
    refreshRecentMenu();
    return true;
}

bool OrderWindow::maybeSave() {
    if (!document_.modified())
        return true;
    const QString name = currentFile_.isEmpty()
                             ? QStringLiteral("новом заказе")
                             : QStringLiteral("заказе «%1»").arg(shownName(currentFile_));
    QMessageBox box(QMessageBox::Warning, windowTitle(),
                    QStringLiteral("В %1 есть несохранённые изменения.\nСохранить их?").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.button(QMessageBox::Save)->setText(QStringLiteral("Сохранить"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("Не сохранять"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Отмена"));
    box.setDefaultButton(QMessageBox::Save);
    switch (dialogs_.ask(box)) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void OrderWindow::showOrder(Order order, const QString& file, bool modified) {
    session_.replaceOrder(std::move(order), modified);
    setCurrentFile(file);
}

void OrderWindow::setCurrentFile(const QString& path) {
    currentFile_ = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    setWindowFilePath(currentFile_);
    updateTitle();
}

void OrderWindow::updateTitle() {
    const QString caption = form_->windowTitle();
    if (currentFile_.isEmpty()) {
        // The order is shown as the calculator alone until it has a file.
        setWindowModified(false);
        setWindowTitle(caption);
        return;
    }
    setWindowTitle(shownName(currentFile_) + QStringLiteral("[*] — ") + caption);
    setWindowModified(document_.modified());
}

void OrderWindow::refreshRecentMenu() {
    actions_.recentMenu->clear();
    const QStringList files = recent_.files();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* item = actions_.recentMenu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(shownName(path)));
        item->setToolTip(path);
        item->setData(path);
        connect(item, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    actions_.recentMenu->setEnabled(!files.isEmpty());
}

void OrderWindow::showError(const QString& text) {
    Services& services = form_->form().services();
    services.messageBox.showStop(services.programName, toUtf8(text));
}

// Work is kept at every switch of opening, as well as by the timer.
void OrderWindow::switchTo(std::size_t index) {
    const std::size_t before = session_.current();
    session_.switchTo(index);
    if (session_.current() != before)
        autosaveNow();
}

void OrderWindow::moveOpening(int from, int to) {
    if (from >= 0 && to >= 0)
        session_.moveOpening(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
}

void OrderWindow::orderChanged(const std::vector<OrderChange>&) {
    actions_.removeOpening->setEnabled(document_.size() > 1);
    updateTitle();
}

void OrderWindow::editTitle() {
    const std::optional<QString> title =
        dialogs_.askText(this, QStringLiteral("Название заказа"),
                         QStringLiteral("Заказчик или адрес:"), toQString(document_.order().title));
    if (title)
        session_.setTitle(toUtf8(*title));
}

void OrderWindow::showAbout() {
    QMessageBox box(QMessageBox::Information, QStringLiteral("О программе"),
                    QStringLiteral("%1\nВерсия %2\n\nЛицензия: GNU GPL версии 3 или более "
                                   "поздней.\nQt %3\nПапка данных: %4")
                        .arg(form_->windowTitle(), QStringLiteral(KAVRO_VERSION),
                             QString::fromLatin1(qVersion()),
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)),
                    QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    dialogs_.ask(box);
}

// The details are saved as soon as the dialog is left with OK, so that the
// command-line tools see them too; a failed save keeps the previous ones.
void OrderWindow::editFirm() {
    FirmDialog dialog(
        this, firm_,
        [this](QWidget* parent) {
            return dialogs_.chooseOpen(parent, QStringLiteral("Логотип"),
                                       QStringLiteral("Изображения (*.png *.jpg *.jpeg)"));
        },
        [this](QWidget* parent) {
            return dialogs_.chooseOpen(parent, QStringLiteral("Импорт реквизитов"),
                                       QStringLiteral("Реквизиты (*.zip *.json)"));
        });
    if (dialogs_.run(dialog) != QDialog::Accepted)
        return;
    // An imported logo is written beside the details, which name it there.
    FirmDetails firm;
    try {
        firm = withLogoFile(dialog.details(), firmFile_.parent_path());
        FirmFile::save(firm, firmFile_);
    } catch (const FirmFileError& error) {
        showError(QStringLiteral("Не удалось сохранить реквизиты в «%1»:\n%2")
                      .arg(toQString(firmFile_.string()), toQString(error.what())));
        return;
    }
    firm_ = firm;
}

} // namespace kavro::window
