// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps the open order in storage within a second of every change. A
// change only marks the order unsaved, so a keystroke costs nothing more;
// the order is taken from the core and written from a timer, at most once
// per interval however long the typing goes on (a debounce would write
// nothing until the user pauses). Leaving the page writes at once.

export const INTERVAL_MS = 400;
// After a refused write the order is tried again without waiting for
// another change: the user may have freed space meanwhile.
export const RETRY_MS = 5000;
// Every change is kept within this; a large order, whose file takes long
// to make, is written less often so that typing is not held up more.
export const KEEP_WITHIN_MS = 1000;

// The pause between writes for a file that takes COST ms to make: at
// least INTERVAL, at most what still keeps a change within the second.
export function pauseFor(cost, interval) {
  return Math.max(interval, Math.min(KEEP_WITHIN_MS - 1.5 * cost, 3 * cost));
}

const realClock = {
  now: () => Date.now(),
  setTimeout: (f, ms) => setTimeout(f, ms),
  clearTimeout: (t) => clearTimeout(t),
};

export class Autosaver {
  // SNAPSHOT(changedAt) gives the record to keep; WRITE(record) keeps it
  // and resolves once it is kept; REPORT(error or null) after each write.
  // PREPARE(), before a timed write, may make part of the record ahead, in
  // a task of its own: the snapshot follows in the next task.
  constructor({ snapshot, write, report = () => {}, prepare = () => {}, clock = realClock, interval = INTERVAL_MS }) {
    Object.assign(this, { snapshot, write, report, prepare, clock, interval });
    this.dirty = false;
    this.changedAt = 0;
    this.timer = null;
    this.writing = null; // the write under way
    this.unconfirmed = null; // the record of that write until it is kept
    this.enabled = true;
    this.cost = 0; // ms the last snapshot took
    this.prepared = 0; // ms its part made ahead took
  }

  changed() {
    this.changedAt = this.clock.now();
    this.pending();
  }

  // What is kept with the record changed, not what it records: written
  // with the next write, its time of change left as it was.
  pending() {
    this.dirty = true;
    if (this.enabled && !this.timer && !this.writing) this.schedule(this.pause());
  }

  pause() {
    return pauseFor(this.cost, this.interval);
  }

  // Stops (a read-only view of an order another tab holds) or starts again.
  setEnabled(enabled) {
    this.enabled = enabled;
    if (!enabled) this.cancel();
    else if (this.dirty && !this.writing) this.schedule(0);
  }

  // Forgets unsaved changes: another order is opened in their place.
  reset() {
    this.cancel();
    this.dirty = false;
  }

  cancel() {
    if (this.timer) this.clock.clearTimeout(this.timer);
    this.timer = null;
  }

  schedule(ms) {
    this.cancel();
    this.timer = this.clock.setTimeout(() => {
      const started = this.clock.now();
      try {
        if (this.dirty && this.enabled) this.prepare();
      } catch {
        // the snapshot meets the same fault and reports it
      }
      this.prepared = this.clock.now() - started;
      this.timer = this.clock.setTimeout(() => {
        this.timer = null;
        this.run();
      }, 0);
    }, ms);
  }

  // Writes now what is unsaved. The write starts before this returns, so
  // a page being hidden or closed still gets it to storage.
  flush() {
    this.cancel();
    return this.run();
  }

  run() {
    if (!this.dirty || !this.enabled) return this.writing ?? Promise.resolve();
    this.dirty = false;
    let record;
    const snapped = this.clock.now();
    try {
      record = this.snapshot(this.changedAt);
    } catch (error) {
      return this.failed(error);
    }
    // What was made ahead counts: the pause is for the whole record.
    this.cost = this.clock.now() - snapped + this.prepared;
    this.prepared = 0;
    this.unconfirmed = record;
    let started;
    try {
      started = Promise.resolve(this.write(record));
    } catch (error) {
      started = Promise.reject(error);
    }
    const writing = started
      .then(() => {
        if (this.unconfirmed === record) this.unconfirmed = null;
        this.report(null);
      }, (error) => this.failed(error))
      .finally(() => {
        if (this.writing === writing) this.writing = null;
        if (this.dirty && this.enabled && !this.timer && !this.writing) this.schedule(this.pause());
      });
    this.writing = writing;
    return writing;
  }

  failed(error) {
    this.dirty = true;
    this.report(error);
    if (this.enabled) this.schedule(RETRY_MS);
    return Promise.resolve();
  }
}
