// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The orders kept in this browser: one IndexedDB record per order with its
// id, title, time of the last change and the order file's contents, which
// only the core reads; a firm's order (signed in to the firm's server) is
// marked `firm`, under the server's id, and `keep` when the user wants it
// on the device. Nothing is ever deleted but by remove().

import { request, done, openRequest, yieldToNewer } from './indexed-db.js';

const DB_NAME = 'kavro-orders';
const DB_VERSION = 1;
const ORDERS = 'orders';

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
    const tx = this.db.transaction(ORDERS, 'readonly');
    return (await request(tx.objectStore(ORDERS).get(id))) ?? null;
  }

  // RECORD is { id, title, changed, data }, and may carry the marks; marks
  // it does not name stay as the stored record has them, read in the same
  // transaction, so that an autosave never unmarks a firm's order.
  // A put the browser refuses at once (a full storage) fails with its own
  // error, not as the handler's.
  async put(record) {
    const tx = this.db.transaction(ORDERS, 'readwrite');
    const orders = tx.objectStore(ORDERS);
    let refused = null;
    orders.get(record.id).onsuccess = (e) => {
      try {
        orders.put({ ...(e.target.result ?? {}), ...record });
      } catch (error) {
        refused = error;
        tx.abort();
      }
    };
    try {
      await done(tx);
    } catch (error) {
      throw refused ?? error;
    }
  }

  async remove(id) {
    const tx = this.db.transaction(ORDERS, 'readwrite');
    tx.objectStore(ORDERS).delete(id);
    await done(tx);
  }
}
