// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/input/user_input.h"
#include "core/platform/recording_services.h"
#include "core/tform1.h"
#include "docx_reading.h"
#include "report/docx_launcher.h"
#include "report/file_destination.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace kavro::test {

// A started window whose report button writes report.docx into a fresh
// folder, trying the template KavroBlank.docx of that folder first.
class ReportFixture : public testing::Test {
protected:
    ReportFixture()
        : file(folder / "report.docx"), templateFile(folder / "KavroBlank.docx"), destination(file),
          launcher(templateFile, destination), form(services()), input(form) {
        input.start();
    }

    Services services() {
        Services s = recorders.services("kavro");
        s.wordProcessor = &launcher;
        return s;
    }

    // Clicks the button and reads the report written.
    DocxFile report() {
        EXPECT_EQ(input.clickButton(Field::Button1).kind, ActionResult::Kind::Done);
        EXPECT_TRUE(recorders.messageBox.shown.empty());
        return DocxFile(file);
    }

    TempFolder folder;
    std::filesystem::path file;
    std::filesystem::path templateFile;
    FileDestination destination;
    DocxLauncher launcher;
    RecordingServices recorders;
    TForm1 form;
    UserInput input;
};

} // namespace kavro::test
