// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include "core/form/window_layout.h"
#include "core/order/opening_calculator.h"
#include "qt_text.h"
#include "radio_group_box.h"
#include "window_icon.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>

namespace kavro::window {

namespace {

// Where the window opens, in screen pixels; the desktop may place it
// elsewhere.
constexpr QPoint kScreenPlace(497, 132);

// The message box title: the executable's file name without its extension.
std::string programName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
}

} // namespace

MainWindow::MainWindow(WindowSeams seams)
    : messageBox_(this, std::move(seams.runDialog)),
      reportDestination_(TempFolderDestination::userTempFolder(), documentOpener_),
      reportLauncher_(reportTemplatePath(), reportDestination_),
      form_(Services{.clipboard = clipboard_,
                     .messageBox = messageBox_,
                     .urlOpener = seams.urlOpener ? *seams.urlOpener : urlOpener_,
                     .programName = programName(),
                     .wordProcessor = seams.wordProcessor ? seams.wordProcessor : &reportLauncher_,
                     .firm = seams.firm}),
      input_(form_), header_(this, fonts_, form_, widgets_), inputs_(this, fonts_, form_, widgets_),
      results_(this, fonts_, widgets_), lists_(this, fonts_, widgets_), view_(form_, widgets_),
      router_(new ActionRouter(form_, input_, widgets_, view_, this)) {
    setWindowTitle(toQString(form::kWindowTitle));
    setWindowIcon(appIcon());
    setFont(fonts_.standard);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setGeometry(QRect(kScreenPlace, kClientSize));

    messageBox_.setBeforeShow([this] { view_.flush(); });
    view_.markAll();
    view_.flush();
    setTabOrder();
    widgets_.widget(Field::Profil)->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() {
    // The router reacts to focus changes; the widgets about to go must not
    // reach it.
    delete router_;
}

// The core's order of Tab among the window's controls; Qt skips the disabled ones
// and stops once in a group of radio items. The two grids follow the tab
// control by being its children: Qt moves a control's children with it, and
// naming them here would tie them in a loop of their own.
void MainWindow::setTabOrder() {
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (Field field : form::focusOrder()) {
        if (field == Field::Montazh || field == Field::Upravlenie || field == Field::Kreplenie) {
            auto* group = widgets_.get<RadioGroupBox>(field);
            for (int i = 0; i < group->count(); ++i)
                chain(group->button(i));
        } else {
            chain(widgets_.widget(field));
        }
    }
}

void MainWindow::setActionListener(std::function<void(std::optional<Field>)> listener) {
    router_->setAfterAction(std::move(listener));
}

std::vector<std::string> MainWindow::applyOpening(const Opening& opening) {
    struct Muted {
        ErrorMessageBox& box;
        DesktopClipboard& clipboard;
        Muted(ErrorMessageBox& b, DesktopClipboard& c) : box(b), clipboard(c) {
            box.setMuted(true);
            clipboard.setMuted(true);
        }
        ~Muted() {
            box.setMuted(false);
            clipboard.setMuted(false);
        }
    };
    std::vector<std::string> problems;
    {
        const Muted muted(messageBox_, clipboard_);
        problems = OpeningCalculator::apply(form_, input_, opening);
    }
    view_.flush();
    view_.showCaret(form_.focus());
    return problems;
}

void MainWindow::clickReportButton() {
    router_->clickButton(Field::Button1);
}

bool MainWindow::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
        // The presses come to the top-level window, which is this one or the
        // one that holds it.
        router_->watchWindow(window()->windowHandle());
        // The one window of the program asks to become active when it opens,
        // as it would be when started; its first activation starts the
        // calculator. A desktop without a window manager activates nothing
        // on its own.
        if (!startedUp_)
            activateWindow();
        break;
    case QEvent::WindowActivate:
        if (!startedUp_) {
            startedUp_ = true;
            router_->start();
            if (started_)
                started_();
        }
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

} // namespace kavro::window
