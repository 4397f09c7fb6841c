// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The last change of an order whose page is going away. The browser
// aborts a storage write still under way when a page unloads, so the
// change is also put, synchronously, into this origin's local storage;
// the next start moves it into the order store when it is the newer.

const PREFIX = 'kavro.leaving.';

function toBase64(bytes) {
  let text = '';
  for (let i = 0; i < bytes.length; i += 0x8000) text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
  return btoa(text);
}

function fromBase64(text) {
  return Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
}

// RECORD as the order store keeps it, its contents (`data`) left out when
// storage holds them already; false when local storage refuses.
export function writeLeaving(record, storage = globalThis.localStorage) {
  try {
    const kept = { ...record };
    if ('data' in record) kept.data = record.data instanceof Uint8Array ? { bytes: toBase64(record.data) } : { text: String(record.data) };
    storage.setItem(PREFIX + record.id, JSON.stringify(kept));
    return true;
  } catch {
    return false;
  }
}

// Every record left behind, each with its key to drop once it is stored.
export function leftBehind(storage = globalThis.localStorage) {
  const found = [];
  try {
    for (let i = 0; i < storage.length; i += 1) {
      const key = storage.key(i);
      if (!key?.startsWith(PREFIX)) continue;
      try {
        const record = JSON.parse(storage.getItem(key));
        if ('data' in record) record.data = record.data.bytes !== undefined ? fromBase64(record.data.bytes) : record.data.text;
        found.push({ key, record });
      } catch {
        found.push({ key, record: null }); // unreadable: nothing to bring back
      }
    }
  } catch {
    // no local storage: nothing was left there
  }
  return found;
}

export function dropLeaving(key, storage = globalThis.localStorage) {
  try {
    storage.removeItem(key);
  } catch {
    // stays; the stored order is as new or newer, so it is ignored again
  }
}
