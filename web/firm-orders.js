// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The firm's orders on this device: the list the server gives, an order
// fetched and opened as a kept order is, an order marked to stay on the
// device, the orders this browser kept before moved to the firm, and the
// firm's ones removed at sign-out. A copy already on the device is opened
// as it is, never overwritten here: bringing it up to date, with whatever
// was changed on it meanwhile, is the sync's. Order files are the core's
// bytes; this file never looks inside them.

const bytesOf = (text) => new TextEncoder().encode(text);

export class FirmOrders {
  // KEEPER is the page's order keeper (its store holds the records).
  constructor({ server, keeper }) {
    Object.assign(this, { server, keeper });
  }

  get store() {
    return this.keeper.store;
  }

  // The firm's orders as the server lists them, each told whether it is on
  // the device and marked to stay.
  async list() {
    const { orders } = await this.server.json('GET', 'orders');
    const here = new Map((await this.keeper.list()).filter((o) => o.firm).map((o) => [o.id, o]));
    return orders.map((o) => ({ ...o, onDevice: here.has(o.id), keep: here.get(o.id)?.keep ?? false }));
  }

  // The order ID on the device, fetched when it is not there yet.
  async fetch(id, keep = false) {
    const kept = await this.store.get(id);
    if (kept?.firm) return kept;
    const text = await (await this.server.request('GET', `orders/${encodeURIComponent(id)}`)).text();
    const record = { id, title: '', changed: Date.now(), data: bytesOf(text), firm: true, keep };
    await this.store.put(record);
    return record;
  }

  async open(id) {
    if (id === this.keeper.id) return; // open already, as the page shows it
    await this.keeper.flush();
    await this.fetch(id);
    if (!(await this.keeper.open(id))) throw new Error('Заказ фирмы не открылся.');
  }

  // Marked: fetched now, so that it is there offline. Unmarked: stays until
  // sign-out (it may hold edits not yet sent).
  async mark(id, keep) {
    if (!(await this.store.get(id))?.firm) return keep && this.fetch(id, true);
    await this.store.put({ id, keep });
  }

  // This browser's own orders sent to the firm, each as a new order whose
  // edit id comes from the kept order's id, so that a retry after a lost
  // answer finds the order the first try made. A moved order is kept
  // under the server's id before its old record goes. Resolves to the
  // faults, one line per order the server refused.
  async moveKept() {
    await this.keeper.flush();
    const faults = [];
    for (const { id, title } of (await this.keeper.list()).filter((o) => !o.firm)) {
      try {
        await this.move(id);
      } catch (error) {
        if (error.status === 0 || error.status === 401) throw error;
        faults.push(`«${title || id}»: ${error.message}`);
      }
    }
    return faults;
  }

  async move(id) {
    const record = await this.store.get(id);
    const sent = await this.server.json('POST', `orders?edit=${encodeURIComponent(`move-${id}`)}`, record.data);
    await this.store.put({ ...record, id: sent.id, data: bytesOf(sent.order), firm: true, keep: true });
    await this.store.remove(id);
    if (this.keeper.id === id) await this.keeper.open(sent.id);
  }

  // Every firm's order off the device; the open one is replaced by a kept
  // order of the browser's own, or a new one.
  async forget() {
    for (const { id } of (await this.keeper.list()).filter((o) => o.firm)) await this.keeper.remove(id);
  }
}
