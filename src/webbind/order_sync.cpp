// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_sync.h"

#include "orderio/order_file.h"
#include "shared_order_view.h"
#include "sync/order_state.h"
#include "sync/replica_record.h"

#include <exception>
#include <nlohmann/json.hpp>

namespace kavro {

namespace {

using Json = nlohmann::ordered_json;

const char kNotShared[] = "Заказ не открыт для общей работы.";

const char* outcomeName(sync::AnswerOutcome outcome) {
    switch (outcome) {
    case sync::AnswerOutcome::Confirmed:
        return "confirmed";
    case sync::AnswerOutcome::Refused:
        return "refused";
    case sync::AnswerOutcome::Retry:
        return "retry";
    case sync::AnswerOutcome::Resend:
        return "resend";
    case sync::AnswerOutcome::SignIn:
        return "sign-in";
    case sync::AnswerOutcome::Unknown:
        break;
    }
    return "unknown";
}

std::string failed(const std::string& reason) {
    return Json{{"result", "failed"}, {"error", reason}}.dump();
}

} // namespace

OrderSync::OrderSync(OrderCalculator& calculator) : calculator_(calculator) {}

std::string OrderSync::open(const std::string& orderId, const std::string& kept) {
    if (const auto fault = OrderFile::idFault(orderId); fault || orderId.empty())
        return failed("id заказа: " + fault.value_or("пустой"));
    try {
        link_.reset();
        link_ = std::make_unique<sync::SessionReplica>(calculator_.session(), orderId, kept);
    } catch (const std::exception& error) {
        return failed(error.what());
    }
    return Json{{"result", "done"}}.dump();
}

std::string OrderSync::next() {
    if (!link_)
        return {};
    const auto request = link_->next();
    if (!request)
        return {};
    return Json{{"method", request->method},
                {"path", request->path},
                {"body", request->body},
                {"edit", request->editId},
                {"delta", sync::deltaJson(link_->replica().queue().front().delta)}}
        .dump();
}

std::string OrderSync::answered(const std::string& edit, double status, const std::string& body) {
    if (!link_)
        return failed(kNotShared);
    sync::AnswerOutcome outcome = sync::AnswerOutcome::Unknown;
    calculator_.changeFromElsewhere(
        [&](OrderSession&) { outcome = link_->answered(edit, static_cast<int>(status), body); });
    Json answer = Json::parse(counts());
    answer["outcome"] = outcomeName(outcome);
    return answer.dump();
}

std::string OrderSync::pull() const {
    if (!link_)
        return {};
    const sync::SyncRequest request = link_->replica().pull();
    return Json{{"method", request.method}, {"path", request.path}}.dump();
}

std::string OrderSync::arrived(const std::string& body) {
    if (!link_)
        return failed(kNotShared);
    bool newer = false;
    std::string error;
    calculator_.changeFromElsewhere([&](OrderSession&) {
        try {
            newer = link_->arrived(body);
        } catch (const std::exception& fault) {
            error = fault.what();
        }
    });
    if (!error.empty())
        return failed(error);
    return Json{{"result", "done"}, {"newer", newer}}.dump();
}

std::string OrderSync::conflictsListed(const std::string& body) {
    if (!link_)
        return failed(kNotShared);
    try {
        link_->conflictsListed(body);
    } catch (const std::exception& error) {
        return failed(error.what());
    }
    return Json{{"result", "done"}}.dump();
}

std::string OrderSync::kept() const {
    return link_ ? link_->replica().save() : std::string();
}

std::string OrderSync::counts() const {
    if (!link_)
        return Json{{"waiting", 0}, {"refused", 0}, {"conflicts", 0}, {"revision", 0}}.dump();
    const sync::OrderReplica& shared = link_->replica();
    return Json{{"waiting", shared.queue().size()},
                {"refused", shared.kept().size()},
                {"conflicts", shared.conflicts().size()},
                {"revision", shared.revision()}}
        .dump();
}

std::string OrderSync::refused() const {
    Json list = Json::array();
    if (link_)
        for (const sync::KeptEdit& edit : link_->replica().kept()) {
            Json view = keptEditView(edit, link_->replica().local());
            view["delta"] = sync::deltaJson(edit.delta);
            list.push_back(std::move(view));
        }
    return list.dump();
}

std::string OrderSync::conflicts() const {
    Json list = Json::array();
    if (link_)
        for (const std::string& conflict : link_->replica().conflicts())
            list.push_back(conflictView(conflict, link_->replica().confirmed(),
                                        calculator_.session().document()));
    return list.dump();
}

std::string OrderSync::dismiss(const std::string& edit) {
    if (!link_)
        return failed(kNotShared);
    const bool dropped = link_->dismiss(edit);
    Json answer = Json::parse(counts());
    answer["result"] = dropped ? "done" : "failed";
    return answer.dump();
}

std::string OrderSync::resend(const std::string& edit) {
    if (!link_)
        return failed(kNotShared);
    bool queued = false;
    calculator_.changeFromElsewhere([&](OrderSession&) { queued = link_->resend(edit); });
    Json answer = Json::parse(counts());
    answer["result"] = queued ? "done" : "failed";
    return answer.dump();
}

std::string OrderSync::localOrder() const {
    if (!link_)
        return {};
    const sync::OrderReplica& shared = link_->replica();
    return OrderFile::serialize(sync::orderOf(shared.local(), shared.orderId(), shared.revision()));
}

} // namespace kavro
