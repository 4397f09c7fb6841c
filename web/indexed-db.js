// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's stores share of IndexedDB's events, as promises.

// The result of one request.
export function request(req) {
  return new Promise((resolve, reject) => {
    req.onsuccess = () => resolve(req.result);
    req.onerror = () => reject(req.error);
  });
}

// Resolves when the transaction is on disk (its complete event), not when
// its request succeeded: only then has the change been kept.
export function done(tx) {
  return new Promise((resolve, reject) => {
    tx.oncomplete = () => resolve();
    tx.onabort = () => reject(tx.error ?? new DOMException('transaction aborted', 'AbortError'));
    tx.onerror = () => reject(tx.error);
  });
}

// The request that opens database NAME at VERSION, UPGRADE making its
// stores; a browser without IndexedDB (some private modes) refuses here.
export function openRequest(factory, name, version, upgrade) {
  if (!factory) throw new DOMException('IndexedDB is not available', 'NotSupportedError');
  const req = factory.open(name, version);
  req.onupgradeneeded = () => upgrade(req.result);
  return req;
}

// A newer page wants to upgrade DB: this one lets go rather than hold it
// up; its next write reports the closed store.
export function yieldToNewer(db) {
  db.onversionchange = () => db.close();
  return db;
}
