// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "autosave.h"

#include "orderio/order_file.h"
#include "qt_text.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>
#include <algorithm>

namespace kavro::window {

namespace {

const QString kOrderSuffix = QStringLiteral(".kavro");
const QString kSourceSuffix = QStringLiteral(".source");
const QString kLockSuffix = QStringLiteral(".lock");

QString freshBase(const QString& folder) {
    return folder + QStringLiteral("/window-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

std::optional<QString> writeWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return std::nullopt;
}

QString readSource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

Autosave::Autosave(QString folder)
    : folder_(std::move(folder)), base_(freshBase(folder_)), lock_(base_ + kLockSuffix) {
    QDir().mkpath(folder_);
    // The lock is held for the window's whole life: it never goes stale by
    // age, only when its process is gone.
    lock_.setStaleLockTime(0);
    locked_ = lock_.tryLock(0);
}

Autosave::~Autosave() {
    discard();
    if (locked_)
        lock_.unlock();
}

QString Autosave::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/autosave");
}

std::optional<QString> Autosave::write(const Order& order, const QString& sourceFile) {
    if (!locked_)
        return QStringLiteral("папка %1 недоступна для записи").arg(folder_);
    // The source first: an order file found without it belongs to no file,
    // which is safe; the other way round would name a stale file.
    if (auto failed = writeWhole(base_ + kSourceSuffix, sourceFile.toUtf8()))
        return failed;
    const std::string text = OrderFile::serialize(order);
    return writeWhole(orderPath(), QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

void Autosave::discard() {
    QFile::remove(orderPath());
    QFile::remove(base_ + kSourceSuffix);
}

bool Autosave::hasFile() const {
    return QFileInfo::exists(orderPath());
}

std::vector<Autosave::Leftover> Autosave::claimLeftovers() {
    std::vector<Leftover> found;
    const QDir folder(folder_);
    const QStringList orders =
        folder.entryList({QStringLiteral("*") + kOrderSuffix}, QDir::Files, QDir::Name);
    for (const QString& name : orders) {
        const QString base = folder.filePath(name.chopped(kOrderSuffix.size()));
        if (base == base_)
            continue;
        auto lock = std::make_shared<QLockFile>(base + kLockSuffix);
        lock->setStaleLockTime(0);
        // A lock taken here was stale or missing: its window is gone.
        if (!lock->tryLock(0))
            continue;
        const QFileInfo info(base + kOrderSuffix);
        found.push_back({info.filePath(), readSource(base + kSourceSuffix), info.lastModified(),
                         std::move(lock)});
    }
    // A window killed with nothing unsaved leaves only its lock: swept away.
    for (const QString& name : folder.entryList({QStringLiteral("*") + kLockSuffix}, QDir::Files)) {
        const QString base = folder.filePath(name.chopped(kLockSuffix.size()));
        QLockFile lock(base + kLockSuffix);
        lock.setStaleLockTime(0);
        if (base != base_ && !QFileInfo::exists(base + kOrderSuffix) && lock.tryLock(0))
            lock.unlock();
    }
    std::sort(found.begin(), found.end(),
              [](const Leftover& a, const Leftover& b) { return a.written > b.written; });
    return found;
}

void Autosave::drop(Leftover& leftover) {
    const QString base = leftover.orderPath.chopped(kOrderSuffix.size());
    QFile::remove(leftover.orderPath);
    QFile::remove(base + kSourceSuffix);
    if (leftover.lock)
        leftover.lock->unlock();
    leftover.lock.reset();
}

} // namespace kavro::window
