// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The orders kept in this browser: one IndexedDB record per order with its
// id, title, time of the last change and its marks: a firm's order (signed
// in to the firm's server) is marked `firm`, under the server's id, and
// `keep` when the user wants it on the device. Its contents, which only
// the core reads (the order file's `data` and a firm's order's `replica`),
// are kept apart, each under the order's id, so that listing the orders,
// marking one or keeping the sync's replica never reads or rewrites the
// whole of a large order. Nothing is ever deleted but by remove().

import { request, done, openRequest, yieldToNewer } from './indexed-db.js';

const DB_NAME = 'kavro-orders';
const DB_VERSION = 2;
const ORDERS = 'orders';
// An order's contents, each under [order id, part].
const PARTS = 'parts';
const CONTENTS = ['data', 'replica'];

export class StoreBlockedError extends Error {
  constructor() {
    super('the order storage is held by an older page');
    this.name = 'StoreBlockedError';
  }
}

export function newOrderId() {
  return crypto.randomUUID?.() ?? `${Date.now().toString(36)}-${Math.random().toString(36).slice(2)}`;
}

export class OrderStore {
  constructor(db) {
    this.db = yieldToNewer(db);
  }

  static async open(factory = globalThis.indexedDB) {
    const req = openRequest(factory, DB_NAME, DB_VERSION, (db) => {
      if (!db.objectStoreNames.contains(ORDERS)) db.createObjectStore(ORDERS, { keyPath: 'id' });
      if (!db.objectStoreNames.contains(PARTS)) moveContents(db.createObjectStore(PARTS), req.transaction.objectStore(ORDERS));
    });
    const blocked = new Promise((_, reject) => { req.onblocked = () => reject(new StoreBlockedError()); });
    return new OrderStore(await Promise.race([request(req), blocked]));
  }

  // Every order without its contents, the latest change first.
  async list() {
    const tx = this.db.transaction(ORDERS, 'readonly');
    const all = await request(tx.objectStore(ORDERS).getAll());
    return all
      .map(({ id, title, changed, firm = false, keep = false }) => ({ id, title, changed, firm, keep }))
      .sort((a, b) => b.changed - a.changed);
  }

  async get(id) {
    const tx = this.db.transaction([ORDERS, PARTS], 'readonly');
    const parts = tx.objectStore(PARTS);
    const [head, ...contents] = await Promise.all([
      request(tx.objectStore(ORDERS).get(id)),
      ...CONTENTS.map((part) => request(parts.get([id, part]))),
    ]);
    if (!head) return null;
    CONTENTS.forEach((part, i) => contents[i] !== undefined && (head[part] = contents[i]));
    return head;
  }

  // RECORD is { id, title, changed, data }, or any part of it with the id,
  // and may carry the marks and the replica; what it does not name stays as
  // stored, the marks read in the same transaction, so that an autosave
  // never unmarks a firm's order. A put the browser refuses at once (a full
  // storage) fails with its own error, not as the handler's.
  async put(record) {
    const tx = this.db.transaction([ORDERS, PARTS], 'readwrite');
    const orders = tx.objectStore(ORDERS);
    const parts = tx.objectStore(PARTS);
    const head = Object.fromEntries(Object.entries(record).filter(([key]) => !CONTENTS.includes(key)));
    const marks = Object.keys(head).length > 1;
    let refused = null;
    // Each put copies its value on the page's thread as it is made: the
    // contents (a large order's file and replica are near a megabyte each)
    // are put one per request's success, each in a task of its own, so
    // that keys typed meanwhile are not held up by all of them at once.
    const writes = CONTENTS.filter((part) => part in record)
      .map((part) => () => parts.put(record[part], [record.id, part]));
    const next = (request) => {
      try {
        const made = request();
        if (writes.length) made.onsuccess = () => next(writes.shift());
      } catch (error) {
        refused = error;
        tx.abort();
      }
    };
    orders.get(record.id).onsuccess = (e) => {
      const stored = e.target.result;
      // An order removed meanwhile (signed out) keeps no late contents.
      if (!stored && !marks) return;
      if (marks) writes.unshift(() => orders.put({ ...stored, ...head }));
      if (writes.length) next(writes.shift());
    };
    try {
      await done(tx);
    } catch (error) {
      throw refused ?? error;
    }
  }

  async remove(id) {
    const tx = this.db.transaction([ORDERS, PARTS], 'readwrite');
    tx.objectStore(ORDERS).delete(id);
    tx.objectStore(PARTS).delete(IDBKeyRange.bound([id], [id, []]));
    await done(tx);
  }
}

// The contents that earlier pages kept inside each order's record, moved
// out at the upgrade (in its own transaction: all of it, or none).
function moveContents(parts, orders) {
  orders.openCursor().onsuccess = (e) => {
    const cursor = e.target.result;
    if (!cursor) return;
    const head = { ...cursor.value };
    for (const part of CONTENTS) {
      if (!(part in head)) continue;
      parts.put(head[part], [head.id, part]);
      delete head[part];
    }
    cursor.update(head);
    cursor.continue();
  };
}
