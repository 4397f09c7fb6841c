// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The firm's details, logo and price list while signed in: the server's
// are the ones the papers use, kept in this browser beside (never over)
// the ones the browser had before, so that the page works offline on what
// it last fetched and signing out gives the browser's own back. What an
// admin changes in the dialogs goes to the server before it is kept.

export const SERVER_FIRM = 'server-firm';
export const SERVER_PRICES = 'server-prices';
const FROM_SERVER = 'реквизиты с сервера фирмы';

const text = (bytes) => new TextDecoder().decode(bytes);

export class FirmPapers {
  // FIRM is the firm dialog and QUOTATION the quotation's papers: both keep
  // what they are given under the record name they are told.
  constructor({ server, calc, store, firm, quotation }) {
    Object.assign(this, { server, calc, store, firm, quotation });
  }

  // From now on the dialogs keep the server's records and send changes.
  use() {
    this.firm.recordName = SERVER_FIRM;
    this.firm.upload = (record) => this.putFirm(record);
    this.quotation.recordName = SERVER_PRICES;
    this.quotation.upload = (prices) => this.putPrices(prices);
  }

  // The server's papers into the core and into this browser.
  async pull() {
    const details = text(await this.server.bytes('firm'));
    const logo = await this.logo();
    // The firm file names its logo; the server keeps the picture apart.
    const json = logo ? JSON.stringify({ ...JSON.parse(details), logo: logo.name }) : details;
    const answer = JSON.parse(this.calc.loadFirm(FROM_SERVER, json, logo?.bytes ?? new Uint8Array()));
    if (answer.result !== 'done') throw new Error(answer.error);
    const record = { json: answer.firm, logo: logo?.bytes ?? null };
    await (await this.store).put(SERVER_FIRM, record);
    this.firm.kept = record;
    const prices = text(await this.server.bytes('prices'));
    const read = JSON.parse(this.calc.setPrices(prices));
    if (read.result !== 'done') throw new Error(read.error);
    await (await this.store).put(SERVER_PRICES, prices);
  }

  async logo() {
    try {
      const reply = await this.server.request('GET', 'firm/logo');
      const jpeg = (reply.headers.get('content-type') ?? '').includes('jpeg');
      return { name: jpeg ? 'logo.jpg' : 'logo.png', bytes: new Uint8Array(await reply.arrayBuffer()) };
    } catch (error) {
      if (error.status === 404) return null;
      throw error;
    }
  }

  async putFirm({ json, logo }) {
    await this.server.request('PUT', 'firm', json);
    if (logo) await this.server.request('PUT', 'firm/logo', logo, 'application/octet-stream');
    else await this.server.request('DELETE', 'firm/logo');
  }

  async putPrices(prices) {
    await this.server.request('PUT', 'prices', prices, 'text/csv; charset=utf-8');
  }

  // What this browser kept before signing in, if anything.
  async keptBefore() {
    const store = await this.store;
    return { firm: await store.get('firm'), prices: await store.get('prices') };
  }

  // An admin sends the browser's own papers to the firm, then uses them
  // as the server now has them.
  async uploadKept() {
    const { firm, prices } = await this.keptBefore();
    if (firm) await this.putFirm(firm);
    if (prices) await this.putPrices(prices);
    await this.pull();
  }

  async forget() {
    const store = await this.store;
    await store.remove(SERVER_FIRM);
    await store.remove(SERVER_PRICES);
  }
}
