// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The open order, when it is one of the firm's, shared through the firm's
// server. The module's OrderSync records every change the order's session
// makes and says what to send and what an answer means; order-sync.js
// carries its requests to the server, this ties it to the order kept in
// the browser: the replica's bytes go with the order in the keeper's own
// write (one storage transaction), and a write sends the queue soon after.
// An order of this browser's own is not shared.

import { OrderSync, followChanges } from './order-sync.js';
import { keepStorage } from './storage-persistence.js';

// Where the firm's change feed was last read, so that a reload does not
// read it again from its beginning.
const FOLLOWED = 'kavro.changes.last';

export class SharedOrder {
  constructor({ core, calc, server, keeper, message }) {
    Object.assign(this, { core, calc, server, keeper, message });
    this.id = null;
    this.sync = null;
    this.carrier = null;
    this.unwatch = null;
    this.following = null;
    this.turn = 0;
    // Told whenever the conflicts or the edits kept aside may have changed.
    this.listeners = new Set();
    server.pending.count = () => this.waiting();
    server.pending.orders = () => (this.waiting() ? [this.id] : []);
    // Signed in again (a session that ended while offline): what waits
    // is sent at once.
    server.onChange(() => {
      if (!server.signedIn) return this.stopFollowing();
      keepStorage(this.keeper.status);
      this.carrier?.send();
      this.follow();
    });
  }

  // The keeper has opened order ID.
  async taken(id) {
    this.close();
    // Opened twice in a row (the last order at start, then the address's),
    // only the last is shared: two replicas of one session would each
    // record and send its changes.
    const turn = ++this.turn;
    const record = await this.keeper.store?.get(id).catch(() => null);
    if (!record?.firm || this.keeper.id !== id || turn !== this.turn) return;
    const sync = new this.core.OrderSync(this.calc);
    const opened = JSON.parse(sync.open(id, record.replica ?? ''));
    if (opened.result !== 'done') {
      sync.delete();
      this.message.show(`Заказ фирмы открыт без связи с сервером: ${opened.error}`);
      return;
    }
    Object.assign(this, { id, sync });
    this.carrier = new OrderSync(sync, {
      orderId: id,
      fetch: (path, init) => this.server.carry(path, init),
      keep: () => this.keepSoon(),
    });
    this.unwatch = this.carrier.watch();
    this.carrier.pull().catch(() => {});
    this.follow();
    keepStorage(this.keeper.status);
    this.tell();
  }

  // LISTENER(shared) whenever what needs the user's decision may have changed.
  onProblems(listener) {
    this.listeners.add(listener);
  }

  tell() {
    for (const listener of this.listeners) listener(this);
  }

  // The conflicts the server keeps and the edits kept aside, in the
  // core's words (see OrderSync.conflicts and .refused).
  problems() {
    if (!this.sync) return { conflicts: [], kept: [] };
    return { conflicts: JSON.parse(this.sync.conflicts()), kept: JSON.parse(this.sync.refused()) };
  }

  // Keeps KEEP ('current', 'edit', 'both') of conflict ID on the server,
  // then takes the order as it stands. It needs the server: offline it
  // throws the reason rather than queue a decision that another device
  // may have taken meanwhile. A conflict already resolved elsewhere is
  // taken off the same way.
  async resolve(conflict, keep) {
    const id = this.id;
    const carrier = this.carrier;
    try {
      await this.server.request('POST', `orders/${encodeURIComponent(id)}/conflicts/${encodeURIComponent(conflict)}`, { keep });
    } catch (error) {
      if (error.status !== 404) throw error;
    }
    await carrier.pull();
  }

  // A kept edit let go, or sent again after the rest.
  async dismiss(edit) {
    this.sync?.dismiss(edit);
    await this.keepNow();
  }

  async resend(edit) {
    this.sync?.resend(edit);
    await this.keepNow();
    this.carrier?.saved();
  }

  // The replica is kept with the order as the session shows it now: kept
  // alone, a newer replica beside an older order would, at the next start,
  // take the order's older contents for the user's latest edit.
  // The keeper may hold another order already (opened while an answer was
  // on its way): this replica is not written with it, nor over it.
  async keepNow() {
    if (this.id && this.keeper.id === this.id) await this.keeper.keep({ replica: this.sync.kept() });
    this.tell();
  }

  // A sync step's replica goes with the keeper's next write (within the
  // second), not in a write of its own after every answer: the order's
  // contents and the user's edits are written, in one transaction, before
  // an edit is sent, and should the page go before the step is written,
  // the kept replica sends the edit again under its own id, which the
  // server applies once.
  keepSoon() {
    if (this.id && this.keeper.id === this.id) this.keeper.keepSoon();
    this.tell();
  }

  // What the keeper writes with order ID.
  extra(id) {
    return id === this.id && this.sync ? { replica: this.sync.kept() } : {};
  }

  written(id) {
    if (id !== this.id) return;
    this.carrier?.saved();
    this.tell(); // the rows of the openings in conflict may have moved
  }

  waiting() {
    return this.sync ? JSON.parse(this.sync.counts()).waiting : 0;
  }

  follow() {
    if (!this.server.signedIn || !this.carrier || this.following) return;
    const following = new AbortController();
    this.following = following;
    followChanges({
      fetch: (path, init) => this.server.carry(path, init),
      since: Number(localStorage.getItem(FOLLOWED)) || 0,
      signal: following.signal,
      onOrder: (id) => (id === this.id ? this.carrier.pull() : null),
      onLast: (last) => localStorage.setItem(FOLLOWED, String(last)),
    }).finally(() => {
      if (this.following === following) this.following = null;
    });
  }

  stopFollowing() {
    this.following?.abort();
    this.following = null;
  }

  close() {
    this.stopFollowing();
    this.unwatch?.();
    this.carrier?.close();
    this.sync?.delete();
    Object.assign(this, { id: null, sync: null, carrier: null, unwatch: null });
    this.tell();
  }
}
