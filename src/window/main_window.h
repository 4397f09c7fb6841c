// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "action_router.h"
#include "core/form/window_layout.h"
#include "core/input/user_input.h"
#include "core/order/opening.h"
#include "core/tform1.h"
#include "desktop_clipboard.h"
#include "desktop_document_opener.h"
#include "desktop_url_opener.h"
#include "error_message_box.h"
#include "field_widgets.h"
#include "header_area.h"
#include "inputs_area.h"
#include "lists_area.h"
#include "report/docx_launcher.h"
#include "report/temp_folder_destination.h"
#include "results_area.h"
#include "state_view.h"
#include "window_fonts.h"

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kavro::window {

// What tests put in place of the desktop: the browser and the modal loop of
// the message box.
struct WindowSeams {
    UrlOpener* urlOpener = nullptr;      // none: the desktop's browser
    ErrorMessageBox::Runner runDialog{}; // none: QMessageBox::exec
    // None: the report is written into the user's temporary folder and
    // opened with the desktop's word processor.
    WordProcessorLauncher* wordProcessor = nullptr;
    // The firm whose letterhead heads the reports; none: the template's.
    const FirmDetails* firm = nullptr;
};

// The calculator's one window: the window state laid out on screen and bound
// to it. The areas build the widgets, the view shows the state on them, the
// router turns the user's doings into user actions.
class MainWindow : public QWidget {
public:
    explicit MainWindow(WindowSeams seams = {});
    ~MainWindow() override;

    TForm1& form() { return form_; }
    const TForm1& form() const { return form_; }
    // Whether the first activation has run the start-up routine.
    bool startedUp() const { return startedUp_; }
    const HeaderArea& header() const { return header_; }

    // Run once the first activation has started the calculator.
    void setStartedListener(std::function<void()> listener) { started_ = std::move(listener); }
    // Runs after each of the user's actions on the form, once the widgets
    // show its outcome; `acted` is the control acted on, if any.
    void setActionListener(std::function<void(std::optional<Field> acted)> listener);
    // Puts an opening into the started form through the user's own actions,
    // as the order computes it; what goes wrong on the way is returned, not
    // shown in a message box, and the clipboard is left alone.
    std::vector<std::string> applyOpening(const Opening& opening);
    // The report button's action, as a click on it runs it.
    void clickReportButton();

    // Client area in pixels.
    static constexpr QSize kClientSize{form::kWindowWidth, form::kWindowHeight};

protected:
    bool event(QEvent* event) override;

private:
    void setTabOrder();

    WindowFonts fonts_;
    DesktopClipboard clipboard_;
    DesktopUrlOpener urlOpener_;
    ErrorMessageBox messageBox_;
    DesktopDocumentOpener documentOpener_;
    TempFolderDestination reportDestination_;
    DocxLauncher reportLauncher_;
    TForm1 form_;
    UserInput input_;
    FieldWidgets widgets_;
    HeaderArea header_;
    InputsArea inputs_;
    ResultsArea results_;
    ListsArea lists_;
    StateView view_;
    ActionRouter* router_; // a child QObject of the window
    bool startedUp_ = false;
    std::function<void()> started_;
};

} // namespace kavro::window
