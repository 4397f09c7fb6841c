// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSettings>
#include <QStringList>

namespace kavro::window {

// The order files opened or saved last, newest first, kept in the settings.
class RecentFiles {
public:
    static constexpr int kMaxFiles = 8;

    explicit RecentFiles(QSettings& settings) : settings_(settings) {}

    QStringList files() const;
    // Puts `path` first, once.
    void add(const QString& path);
    void remove(const QString& path);

private:
    void store(const QStringList& files);

    QSettings& settings_;
};

} // namespace kavro::window
