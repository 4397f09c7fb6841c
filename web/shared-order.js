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
    server.pending.count = () => this.waiting();
    server.pending.orders = () => (this.waiting() ? [this.id] : []);
    // Signed in again (a session that ended while offline): what waits
    // is sent at once.
    server.onChange(() => {
      if (!server.signedIn) return this.stopFollowing();
      this.carrier?.send();
      this.follow();
    });
  }

  // The keeper has opened order ID.
  async taken(id) {
    this.close();
    const record = await this.keeper.store?.get(id).catch(() => null);
    if (!record?.firm || this.keeper.id !== id) return;
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
      keep: (bytes) => this.keeper.store.put({ id, replica: bytes }),
    });
    this.unwatch = this.carrier.watch();
    this.carrier.pull().catch(() => {});
    this.follow();
  }

  // What the keeper writes with order ID.
  extra(id) {
    return id === this.id && this.sync ? { replica: this.sync.kept() } : {};
  }

  written(id) {
    if (id === this.id) this.carrier?.saved();
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
  }
}
