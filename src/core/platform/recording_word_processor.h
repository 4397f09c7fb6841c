// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "word_processor.h"

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace kavro {

// Starts word processors that only remember the calls made to them, one text
// per call: the operation, then ": " and its arguments separated by spaces
// ("setCellText: 1 2 1 Артикул"). It can be told to refuse a call or to fail
// handing the report over.
class RecordingWordProcessorLauncher : public WordProcessorLauncher {
public:
    std::unique_ptr<WordProcessor> launch() override;

    // False: no word processor can be started.
    bool available = true;
    // For each of these, the first call whose text begins with it is recorded,
    // then refused.
    std::vector<std::string> refuse;
    // When set, handOver fails with this message box text.
    std::string notDelivered;

    int launches = 0;
    // The calls of every word processor started, in order.
    std::vector<std::string> calls;
};

class RecordingWordProcessor : public WordProcessor {
public:
    explicit RecordingWordProcessor(RecordingWordProcessorLauncher& log) : log_(log) {}

    void openTemplate() override { record("openTemplate"); }
    void addDocument() override { record("addDocument"); }
    void setAlignment(Alignment a) override {
        record("setAlignment", a == Alignment::Center ? "Center" : "Left");
    }
    void setLineUnitAfter(double lines) override { record("setLineUnitAfter", lines); }
    void setLineUnitBefore(double lines) override { record("setLineUnitBefore", lines); }
    void setLineSpacing(double points) override { record("setLineSpacing", points); }
    void setBold(bool bold) override { record("setBold", bold ? "true" : "false"); }
    void setFontSize(double points) override { record("setFontSize", points); }
    void typeText(const std::string& text) override { record("typeText", text); }
    void insertPicture(const Picture& picture, double width, double height) override {
        record("insertPicture", extensionOf(picture.format), picture.width, picture.height, width,
               height);
    }
    int addTable(int rows, int columns) override {
        record("addTable", rows, columns);
        return ++tables_;
    }
    void setTableStyle(int table, const std::string& style) override {
        record("setTableStyle", table, style);
    }
    void setPreferredWidth(int table, int column, double points) override {
        record("setPreferredWidth", table, column, points);
    }
    void addRow(int table) override { record("addRow", table); }
    void setCellText(int table, int row, int column, const std::string& text) override {
        record("setCellText", table, row, column, text);
    }
    void setCellBold(int table, int row, int column, bool bold) override {
        record("setCellBold", table, row, column, bold ? "true" : "false");
    }
    void setCellAlignment(int table, int row, int column, Alignment a) override {
        record("setCellAlignment", table, row, column, a == Alignment::Center ? "Center" : "Left");
    }
    void moveToEnd() override { record("moveToEnd"); }
    void handOver() override {
        record("handOver");
        if (!log_.notDelivered.empty())
            throw ReportNotDelivered(log_.notDelivered);
    }

private:
    template <class... Args> void record(const char* operation, const Args&... args) {
        std::ostringstream call;
        call << operation;
        [[maybe_unused]] const char* separator = ": ";
        ((call << separator << args, separator = " "), ...);
        log_.calls.push_back(call.str());
        for (auto it = log_.refuse.begin(); it != log_.refuse.end(); ++it) {
            if (log_.calls.back().starts_with(*it)) {
                log_.refuse.erase(it);
                throw WordProcessorError("refused: " + log_.calls.back());
            }
        }
    }

    RecordingWordProcessorLauncher& log_;
    int tables_ = 0;
};

inline std::unique_ptr<WordProcessor> RecordingWordProcessorLauncher::launch() {
    ++launches;
    if (!available)
        return nullptr;
    return std::make_unique<RecordingWordProcessor>(*this);
}

} // namespace kavro
