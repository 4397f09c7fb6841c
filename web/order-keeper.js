// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Which stored order is open in this tab, and keeping it: the order
// opened at the last visit comes back, every change is written within a
// second, an order another tab holds is shown read-only. The order's
// contents are the core's file text; this file never looks inside.

import { OrderStore, newOrderId } from './order-store.js';
import { Autosaver } from './autosaver.js';
import { OrderLock } from './order-lock.js';
import { writeLeaving, leftBehind, dropLeaving } from './leave-journal.js';
import { storageProblem, READ_ONLY, TAKEN_OVER, STORED_UNREADABLE } from './storage-words.js';

const LAST_OPEN = 'kavro.order.last';

// ORDER is what the core offers: save() gives the file text, load(text)
// opens it (throws on a damaged one), blank() starts an empty order,
// title() names it, revision() grows with every change of it. STATUS(text, kind) shows the storage's state: kind
// 'error' (a problem the user must see), 'note', or '' to clear.
export class OrderKeeper {
  // SHARED, when set, hears which order is open and adds to each write
  // what is kept with it (shared-order.js).
  constructor({ order, status, onReadOnly = () => {}, storeOpener = () => OrderStore.open() }) {
    Object.assign(this, { order, status, onReadOnly, storeOpener });
    this.shared = null;
    this.store = null;
    this.id = null;
    this.lock = null;
    this.readOnly = false;
    this.problem = null; // what the status shows about storage now
    // The order and revision whose contents storage holds (a write of them
    // completed), and the revision each record's contents were taken at.
    this.stored = null;
    this.taken = new WeakMap();
    // The order's file made ahead of a write, with the revision it is of.
    this.made = null;
    this.saver = new Autosaver({
      // What is kept with the order (a shared order's replica) is taken at
      // the same moment, so that the two never disagree in storage, nor in
      // what a page going away leaves behind.
      snapshot: (changed) => this.record({ title: this.order.title(), changed, ...this.shared?.extra(this.id) }),
      prepare: () => this.prepare(),
      write: (record) => this.write(record),
      report: (error) => this.showProblem(error),
    });
    // The write started on leaving may be cut off with the page: its
    // record goes to local storage too.
    this.leaving = () => {
      this.saver.flush();
      if (this.saver.unconfirmed) writeLeaving(this.saver.unconfirmed);
    };
    this.hidden = () => { if (document.visibilityState === 'hidden') this.saver.flush(); };
  }

  async start() {
    try {
      this.store = await this.storeOpener();
    } catch (error) {
      this.showProblem(error);
    }
    await this.recoverLeft();
    addEventListener('pagehide', this.leaving);
    document.addEventListener('visibilitychange', this.hidden);
    // ?new begins a new order (a shortcut to one); #order=ID opens that
    // order; else the order open at the last visit comes back.
    if (new URLSearchParams(location.search).has('new')) return this.create();
    const asked = new URLSearchParams(location.hash.slice(1));
    const wanted = asked.get('order') ?? safeGet(LAST_OPEN);
    const known = await this.list();
    const id = known.find((o) => o.id === wanted)?.id ?? known[0]?.id;
    if (!id || !(await this.open(id))) await this.create();
  }

  // What a page going away left in local storage is stored where it is
  // newer than the order kept; then it is dropped.
  async recoverLeft() {
    if (!this.store) return;
    for (const { key, record } of leftBehind()) {
      try {
        const kept = record && (await this.store.get(record.id));
        // A record without the order's contents (stored already) adds to
        // an order kept, and brings back none removed meanwhile.
        if (record && (kept ? kept.changed < record.changed : 'data' in record)) await this.store.put(record);
        dropLeaving(key);
      } catch (error) {
        this.showProblem(error);
      }
    }
  }

  async list() {
    if (!this.store) return [];
    try {
      return await this.store.list();
    } catch (error) {
      this.showProblem(error);
      return [];
    }
  }

  // Opens the stored order ID in the core; false if it is gone or the core
  // refuses it (it stays stored: only the user deletes an order).
  async open(id) {
    // The open order is written first: read before, the record of that
    // same order would be older than what the page shows.
    await this.saver.flush();
    let record = null;
    try {
      record = await this.store?.get(id);
    } catch (error) {
      this.showProblem(error);
    }
    if (!record) return false;
    try {
      this.order.load(record.data);
    } catch (error) {
      // Kept as it is: only the user deletes an order.
      this.status(`${STORED_UNREADABLE} ${error?.message ?? error}`, 'error', true);
      return false;
    }
    await this.take(id);
    return true;
  }

  // A new empty order, stored with the next write like any change.
  async create() {
    await this.saver.flush();
    this.order.blank();
    await this.take(newOrderId());
    this.changed();
  }

  // The core now holds a new order (a file the user opened): kept as a new
  // stored order beside the others.
  async adopt() {
    await this.take(newOrderId());
    this.changed(); // written by the timer, after the list is on screen
  }

  async take(id) {
    this.saver.reset();
    this.stored = null;
    this.made = null;
    this.lock?.release();
    this.id = id;
    safeSet(LAST_OPEN, id);
    this.lock = new OrderLock(id, () => this.takenOver(id));
    this.setReadOnly(!(await this.lock.acquire()));
    await this.shared?.taken(id);
  }

  // The other tab closed: what it last kept is what is shown here now.
  async takenOver(id) {
    if (id !== this.id) return;
    await this.recoverLeft(); // its last change, should its write have been cut off
    const record = await this.store?.get(id).catch(() => null);
    if (record) {
      try {
        this.order.load(record.data);
      } catch {
        // the one already shown stays
      }
    }
    this.setReadOnly(false);
    this.status(TAKEN_OVER, 'note');
  }

  setReadOnly(readOnly) {
    this.readOnly = readOnly;
    this.saver.setEnabled(!readOnly);
    this.onReadOnly(readOnly);
    if (readOnly) this.status(READ_ONLY, 'note');
    else if (!this.problem) this.status('', '');
  }

  // After every change of the open order; costs a keystroke nothing.
  changed() {
    // Before an order is open (the core's first answers) there is nothing
    // of the user's to keep.
    if (!this.readOnly && this.id) this.saver.changed();
  }

  // What is kept with the order changed (a shared order's replica): it
  // goes with the next write.
  keepSoon() {
    if (!this.readOnly && this.id) this.saver.pending();
  }

  flush() {
    return this.saver.flush();
  }

  // The open order's record of FIELDS, with its contents unless storage
  // holds them as they are now: a large order's file is made and written
  // again only when it changed (a sync step or an arrival's save that
  // changed only the replica would rewrite a megabyte each time).
  record(fields) {
    const revision = this.order.revision();
    const made = this.made;
    this.made = null;
    if (this.isStored(revision)) return { id: this.id, ...fields };
    const data = made?.id === this.id && made.revision === revision ? made.data : this.order.save();
    const record = { id: this.id, ...fields, data };
    this.taken.set(record, revision);
    return record;
  }

  isStored(revision) {
    return this.stored?.id === this.id && this.stored.revision === revision;
  }

  // A large order's file and its replica each take a while to make: the
  // file is made a task ahead of the record, which uses it if the order
  // is still as it was.
  prepare() {
    const revision = this.order.revision();
    this.made = this.isStored(revision) ? null : { id: this.id, revision, data: this.order.save() };
  }

  // Stores RECORD (see record()); once it is kept, its contents are
  // known to be in storage.
  async put(record) {
    if (!this.store) {
      // No storage at all: the open attempt's message already stands.
      throw this.problem ?? new DOMException('no storage', 'InvalidStateError');
    }
    await this.store.put(record);
    const revision = this.taken.get(record);
    if (revision !== undefined && record.id === this.id) this.stored = { id: record.id, revision };
  }

  // Keeps FIELDS of the open order (a sync step's replica) with the order
  // as it is now: the two never disagree in storage.
  keep(fields) {
    return this.put(this.record(fields));
  }

  async write(record) {
    await this.put(record);
    this.shared?.written(record.id);
    navigator.storage?.persist?.().catch(() => {});
  }

  // Deletes a stored order the user chose to delete (after confirming).
  async remove(id) {
    await this.store?.remove(id);
    if (id !== this.id) return;
    this.saver.reset();
    const rest = await this.list();
    if (!rest.length || !(await this.open(rest[0].id))) await this.create();
  }

  showProblem(error) {
    const was = this.problem;
    this.problem = error ?? null;
    if (error) this.status(storageProblem(error), 'error', was?.name !== error.name);
    else if (was) this.status(this.readOnly ? READ_ONLY : '', this.readOnly ? 'note' : '');
  }
}

function safeGet(key) {
  try {
    return localStorage.getItem(key);
  } catch {
    return null;
  }
}

function safeSet(key, value) {
  try {
    localStorage.setItem(key, value);
  } catch {
    // only which order opens next time is lost
  }
}
