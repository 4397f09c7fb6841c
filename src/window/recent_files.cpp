// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recent_files.h"

#include <QFileInfo>

namespace kavro::window {

namespace {

const QString kKey = QStringLiteral("recentFiles");

} // namespace

QStringList RecentFiles::files() const {
    return settings_.value(kKey).toStringList();
}

void RecentFiles::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(absolute);
    list.prepend(absolute);
    while (list.size() > kMaxFiles)
        list.removeLast();
    store(list);
}

void RecentFiles::remove(const QString& path) {
    QStringList list = files();
    if (list.removeAll(path) > 0)
        store(list);
}

void RecentFiles::store(const QStringList& files) {
    settings_.setValue(kKey, files);
    settings_.sync();
}

} // namespace kavro::window
