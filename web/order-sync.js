// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of a shared order: it carries the replica's requests to
// the firm's server and the replica's bytes to storage. What to send, what
// an answer means and how unconfirmed edits are replayed is the module's
// OrderSync (src/webbind/order_sync.h); nothing here reads an order.

// Sending waits this long after a local save, so that saves close
// together leave as one edit. Keystrokes are gathered already: the
// autosaver writes at most every 400 ms however fast the typing (a longer
// wait here gathered nothing more and held every edit back from the other
// devices for it).
export const SEND_DELAY_MS = 50;
// How long one request for changes waits on the server (at most 30 s).
export const CHANGES_WAIT_S = 25;
// After a failed request for changes, the next one waits this long.
const CHANGES_RETRY_MS = 2000;

const ORDERS = '/api/v1/orders/';

// `sync`: the module's OrderSync, open on the order. `fetch(path, init)`:
// the window's fetch or a test's; it resolves to {status, text()} and
// rejects when no answer came. `keep()`: the replica changed; its bytes
// are to be stored with the order (one storage transaction).
export class OrderSync {
  constructor(sync, { orderId, fetch, keep = async () => {}, setTimer = (run, ms) => setTimeout(run, ms), clearTimer = (timer) => clearTimeout(timer) }) {
    this.sync = sync;
    this.orderId = orderId;
    this.fetch = fetch;
    this.keep = keep;
    this.setTimer = setTimer;
    this.clearTimer = clearTimer;
    this.timer = null;
    this.sending = null;
    this.again = false;
    this.closed = false;
  }

  // The order is closed and its module object about to go: answers still
  // on their way are dropped (the replica kept sends again what they were for).
  close() {
    this.closed = true;
    if (this.timer !== null) this.clearTimer(this.timer);
  }

  // A local edit was saved: it leaves soon, with whatever follows it.
  saved() {
    if (this.timer !== null) this.clearTimer(this.timer);
    this.timer = this.setTimer(() => {
      this.timer = null;
      this.send();
    }, SEND_DELAY_MS);
  }

  // Sends the queue one edit at a time until it is empty or an edit could
  // not be sent (offline, signed out): the next start, reconnection or
  // visit sends it again. Resolves with the last outcome.
  send() {
    if (this.sending) {
      this.again = true;
      return this.sending;
    }
    this.sending = this.drain().finally(() => {
      this.sending = null;
      if (this.again) {
        this.again = false;
        this.send();
      }
    });
    return this.sending;
  }

  async drain() {
    let outcome = 'none';
    while (!this.closed) {
      const text = this.sync.next();
      if (!text) break;
      const request = JSON.parse(text);
      const { status, body } = await this.ask(request.path, {
        method: request.method,
        headers: { 'Content-Type': 'application/json' },
        body: request.body,
      });
      if (this.closed) return 'closed';
      outcome = JSON.parse(this.sync.answered(request.edit, status, body)).outcome;
      await this.keep();
      if (outcome === 'retry' || outcome === 'sign-in') break;
    }
    return outcome;
  }

  // The order as the server holds it now (what changed of it, as the
  // module asks), and its conflicts. Changes that do not fit the module's
  // copy are asked for again, whole.
  async pull() {
    let arrived = null;
    for (let tries = 0; tries < 2 && arrived?.result !== 'done'; tries += 1) {
      const { method, path } = JSON.parse(this.sync.pull());
      const order = await this.ask(path, { method });
      if (this.closed || order.status !== 200) return false;
      arrived = JSON.parse(this.sync.arrived(order.body));
    }
    const conflicts = await this.ask(`${ORDERS}${this.orderId}/conflicts`, { method: 'GET' });
    if (this.closed) return false;
    if (conflicts.status === 200) this.sync.conflictsListed(conflicts.body);
    await this.keep();
    return arrived.result === 'done';
  }

  // Status 0: no answer came.
  async ask(path, init) {
    try {
      const response = await this.fetch(path, init);
      return { status: response.status, body: await response.text() };
    } catch {
      return { status: 0, body: '' };
    }
  }

  // Sends at start, on reconnection and whenever the page is shown again.
  watch(target = globalThis, doc = globalThis.document) {
    const send = () => this.send();
    const shown = () => { if (doc.visibilityState === 'visible') this.send(); };
    target.addEventListener('online', send);
    doc?.addEventListener('visibilitychange', shown);
    this.send();
    return () => {
      target.removeEventListener('online', send);
      doc?.removeEventListener('visibilitychange', shown);
    };
  }
}

// The firm's change feed, followed from `since` until `signal` aborts:
// `onOrder(id)` for each order another device changed, `onLast(sequence)`
// for where to follow from after a reload.
export async function followChanges({ fetch, since = 0, onOrder, onLast = () => {}, signal,
  wait = CHANGES_WAIT_S, pause = (ms) => new Promise((r) => setTimeout(r, ms)) }) {
  let last = since;
  while (!signal?.aborted) {
    let page = null;
    try {
      const response = await fetch(`/api/v1/changes?since=${last}&wait=${wait}`, { method: 'GET', signal });
      if (response.status === 200) page = JSON.parse(await response.text());
    } catch {
      page = null;
    }
    if (!page) {
      if (!signal?.aborted) await pause(CHANGES_RETRY_MS);
      continue;
    }
    const orders = new Set(page.changes.filter((c) => c.kind === 'order').map((c) => c.id));
    for (const id of orders) await onOrder(id);
    last = page.last;
    onLast(last);
  }
  return last;
}
