// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "typed_report.h"

#include "core/platform/picture.h"
#include "htmlreport/base64.h"

#include <functional>
#include <map>
#include <nlohmann/json.hpp>

namespace kavro {

namespace {

using Json = nlohmann::ordered_json; // as the calculator's answers, one instantiation

const char* alignmentName(Alignment alignment) {
    return alignment == Alignment::Center ? "center" : "left";
}

class TypedReportRecorder : public WordProcessor {
public:
    explicit TypedReportRecorder(TypedReportLauncher& launcher) : launcher_(launcher) {}

    void openTemplate() override { record("openTemplate"); }
    void addDocument() override { record("addDocument"); }
    void setAlignment(Alignment a) override { record("setAlignment", alignmentName(a)); }
    void setLineUnitAfter(double lines) override { record("setLineUnitAfter", lines); }
    void setLineUnitBefore(double lines) override { record("setLineUnitBefore", lines); }
    void setLineSpacing(double points) override { record("setLineSpacing", points); }
    void setBold(bool bold) override { record("setBold", bold); }
    void setFontSize(double points) override { record("setFontSize", points); }
    void typeText(const std::string& text) override { record("typeText", text); }
    void insertPicture(const Picture& picture, double width, double height) override {
        record("insertPicture", base64(picture.bytes), width, height);
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
        record("setCellBold", table, row, column, bold);
    }
    void setCellAlignment(int table, int row, int column, Alignment a) override {
        record("setCellAlignment", table, row, column, alignmentName(a));
    }
    void moveToEnd() override { record("moveToEnd"); }
    void handOver() override {
        record("handOver");
        launcher_.typing = calls_.dump();
    }

private:
    template <class... Args> void record(const char* operation, const Args&... args) {
        calls_.push_back(Json::array({operation, args...}));
    }

    TypedReportLauncher& launcher_;
    Json calls_ = Json::array();
    int tables_ = 0; // numbered from 1, as every word processor numbers them
};

// The arguments of one call, each checked for its type as it is taken.
class CallArguments {
public:
    explicit CallArguments(const Json& call) : call_(call) {
        if (!call.is_array())
            throw WordProcessorError("the report's typing is damaged");
    }

    double number(std::size_t i) const { return at(i, &Json::is_number).get<double>(); }
    int whole(std::size_t i) const { return at(i, &Json::is_number_integer).get<int>(); }
    bool flag(std::size_t i) const { return at(i, &Json::is_boolean).get<bool>(); }
    std::string text(std::size_t i) const { return at(i, &Json::is_string).get<std::string>(); }
    Alignment alignment(std::size_t i) const {
        return text(i) == "center" ? Alignment::Center : Alignment::Left;
    }

private:
    const Json& at(std::size_t i, bool (Json::*is)() const noexcept) const {
        if (i >= call_.size() || !(call_[i].*is)())
            throw WordProcessorError("the report's typing is damaged");
        return call_[i];
    }
    const Json& call_;
};

using Retype = std::function<void(WordProcessor&, const CallArguments&)>;

const std::map<std::string, Retype, std::less<>>& retypes() {
    using W = WordProcessor;
    using A = CallArguments;
    static const std::map<std::string, Retype, std::less<>> table{
        {"openTemplate",
         [](W& w, const A&) {
             try {
                 w.openTemplate();
             } catch (const WordProcessorError&) {
                 w.addDocument();
             }
         }},
        {"addDocument", [](W& w, const A&) { w.addDocument(); }},
        {"setAlignment", [](W& w, const A& a) { w.setAlignment(a.alignment(1)); }},
        {"setLineUnitAfter", [](W& w, const A& a) { w.setLineUnitAfter(a.number(1)); }},
        {"setLineUnitBefore", [](W& w, const A& a) { w.setLineUnitBefore(a.number(1)); }},
        {"setLineSpacing", [](W& w, const A& a) { w.setLineSpacing(a.number(1)); }},
        {"setBold", [](W& w, const A& a) { w.setBold(a.flag(1)); }},
        {"setFontSize", [](W& w, const A& a) { w.setFontSize(a.number(1)); }},
        {"typeText", [](W& w, const A& a) { w.typeText(a.text(1)); }},
        {"insertPicture",
         [](W& w, const A& a) {
             const std::optional<Picture> picture = pictureOf(unbase64(a.text(1)));
             if (!picture)
                 throw WordProcessorError("the report's picture is damaged");
             w.insertPicture(*picture, a.number(2), a.number(3));
         }},
        {"addTable", [](W& w, const A& a) { w.addTable(a.whole(1), a.whole(2)); }},
        {"setTableStyle", [](W& w, const A& a) { w.setTableStyle(a.whole(1), a.text(2)); }},
        {"setPreferredWidth",
         [](W& w, const A& a) { w.setPreferredWidth(a.whole(1), a.whole(2), a.number(3)); }},
        {"addRow", [](W& w, const A& a) { w.addRow(a.whole(1)); }},
        {"setCellText",
         [](W& w, const A& a) { w.setCellText(a.whole(1), a.whole(2), a.whole(3), a.text(4)); }},
        {"setCellBold",
         [](W& w, const A& a) { w.setCellBold(a.whole(1), a.whole(2), a.whole(3), a.flag(4)); }},
        {"setCellAlignment",
         [](W& w, const A& a) {
             w.setCellAlignment(a.whole(1), a.whole(2), a.whole(3), a.alignment(4));
         }},
        {"moveToEnd", [](W& w, const A&) { w.moveToEnd(); }},
        {"handOver", [](W& w, const A&) { w.handOver(); }},
    };
    return table;
}

} // namespace

std::unique_ptr<WordProcessor> TypedReportLauncher::launch() {
    return std::make_unique<TypedReportRecorder>(*this);
}

void retypeReport(std::string_view typing, WordProcessor& word) {
    const Json calls = Json::parse(typing, nullptr, false);
    if (!calls.is_array())
        throw WordProcessorError("the report's typing is damaged");
    for (const Json& call : calls) {
        const CallArguments arguments(call);
        const auto retype = retypes().find(arguments.text(0));
        if (retype == retypes().end())
            throw WordProcessorError("the report's typing is damaged");
        retype->second(word, arguments);
    }
}

} // namespace kavro
