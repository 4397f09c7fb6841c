// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One tab at a time changes an order: the tab that opens it first holds
// its lock; a later tab shows it read-only and waits in line, taking the
// lock (and the right to change the order) when the holder closes.

const lockName = (id) => `kavro-order:${id}`;

export class OrderLock {
  // ON_TAKEN runs when a tab that waited gets the lock.
  constructor(id, onTaken = () => {}, locks = globalThis.navigator?.locks) {
    this.id = id;
    this.onTaken = onTaken;
    this.locks = locks;
    this.writable = false;
    this.released = false;
    this.let = null;
    this.waiting = new AbortController();
  }

  // Resolves to whether this tab may change the order now. A browser
  // without Web Locks has one tab's word only: it may.
  async acquire() {
    if (!this.locks) return (this.writable = true);
    const hold = (lock) => {
      if (!lock || this.released) return null;
      this.writable = true;
      return new Promise((resolve) => { this.let = resolve; });
    };
    let first = true;
    await new Promise((resolve) => {
      this.locks.request(lockName(this.id), { ifAvailable: true }, (lock) => {
        first = !!lock;
        resolve();
        return hold(lock);
      });
    });
    if (!first && !this.released) this.wait(hold);
    return this.writable;
  }

  wait(hold) {
    this.locks.request(lockName(this.id), { signal: this.waiting.signal }, (lock) => {
      const held = hold(lock);
      if (held) this.onTaken();
      return held;
    }).catch(() => {});
  }

  release() {
    this.released = true;
    this.writable = false;
    this.let?.();
    this.let = null;
    this.waiting.abort();
  }
}
