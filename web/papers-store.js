// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The firm's own things kept in this browser, one IndexedDB record each
// under its name: the details ('firm': the firm.json text and its logo's
// bytes), as the desktop keeps them beside each other in its folder. A
// database of its own, so that the orders' never has to be upgraded for it.

import { request, done, openRequest, yieldToNewer } from './indexed-db.js';

const DB_NAME = 'kavro-papers';
const DB_VERSION = 1;
const PAPERS = 'papers';

export class PapersStore {
  constructor(db) {
    this.db = yieldToNewer(db);
  }

  static async open(factory = globalThis.indexedDB) {
    const req = openRequest(factory, DB_NAME, DB_VERSION, (db) => db.createObjectStore(PAPERS));
    return new PapersStore(await request(req));
  }

  async get(name) {
    const tx = this.db.transaction(PAPERS, 'readonly');
    return (await request(tx.objectStore(PAPERS).get(name))) ?? null;
  }

  async remove(name) {
    const tx = this.db.transaction(PAPERS, 'readwrite');
    tx.objectStore(PAPERS).delete(name);
    await done(tx);
  }

  // Resolves once the record is on disk; a refusal is told in words: what
  // was set stays in use until the page is closed.
  async put(name, record) {
    try {
      const tx = this.db.transaction(PAPERS, 'readwrite');
      tx.objectStore(PAPERS).put(record, name);
      await done(tx);
    } catch (error) {
      throw new Error(`Браузер не сохранил это на устройстве (${error?.message || error}): до закрытия страницы оно действует, потом его придётся задать снова.`);
    }
  }
}
