// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/order/order.h"

#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace kavro::window {

// Keeps one window's unsaved work in a folder of the user's data, so that a
// crash or a kill loses nothing. Each window writes its own file, named by a
// fresh id and guarded by a lock it holds while it lives: two windows never
// write the same file, and a file whose lock is stale (its owner is gone
// without cleaning up) is work left behind.
class Autosave {
public:
    // Work a window left behind; this window holds its lock until it is
    // taken or dropped.
    struct Leftover {
        QString orderPath;
        QString sourceFile; // the order's own file then, empty when it had none
        QDateTime written;
        std::shared_ptr<QLockFile> lock;
    };

    // `folder` is created when missing.
    explicit Autosave(QString folder);
    ~Autosave();
    Autosave(const Autosave&) = delete;
    Autosave& operator=(const Autosave&) = delete;

    // The folder of the user's data where autosaves live.
    static QString defaultFolder();

    // Writes the order atomically, with the file it belongs to; returns the
    // reason when it could not.
    std::optional<QString> write(const Order& order, const QString& sourceFile);
    // Nothing is left unsaved: the file goes.
    void discard();
    bool hasFile() const;
    QString orderPath() const { return base_ + QStringLiteral(".kavro"); }

    // Work left by windows that are gone, newest first.
    std::vector<Leftover> claimLeftovers();
    // Removes a leftover's files and lets its lock go.
    static void drop(Leftover& leftover);

private:
    QString folder_;
    QString base_; // the folder and this window's id
    QLockFile lock_;
    bool locked_ = false;
};

} // namespace kavro::window
