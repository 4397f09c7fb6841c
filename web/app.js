// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the page: loads the calculator's core, builds the form from the
// window's layout, shows the state, starts the window and brings back the
// order kept from the last visit.

import createKavroCore from './kavro-core.js';
import { FormBuilder } from './form-builder.js';
import { StateView } from './state-view.js';
import { ActionRouter } from './action-router.js';
import { ErrorMessageBox } from './error-message-box.js';
import { fitWindow } from './fit-window.js';
import { OrderPage } from './order-page.js';
import { OrderStore } from './order-store.js';
import { OrderMenu } from './order-menu.js';
import { ResultsNews, describeSummary } from './results-news.js';
import { ReportPapers } from './report-papers.js';
import { preloadPapers } from './papers-module.js';
import { FirmDialog } from './firm-dialog.js';
import { PapersStore } from './papers-store.js';
import { QuotationPapers } from './quotation-papers.js';
import { FirmServer } from './firm-server.js';
import { FirmAccount } from './firm-account.js';
import { SharedOrder } from './shared-order.js';
import { SyncPanel } from './sync-panel.js';
import { wasmBytes } from './wasm-bytes.js';

// The build wrote the first screen into the page, to be painted before
// the module has loaded: the form takes it over as it stands, or builds
// itself from the core's layout where the page came without one.
function formOf(root, calc) {
  document.getElementById('loading')?.remove();
  const builder = new FormBuilder(root);
  if (root.dataset.prerendered === undefined) return builder.build(JSON.parse(calc.formLayout()));
  delete root.dataset.prerendered;
  return builder.adopt();
}

// Lets the browser paint and take input between the long steps of the
// start, so that none of them holds the page for all of their time.
const breathe = () => new Promise((resolve) => setTimeout(resolve, 0));

async function main() {
  const wasm = wasmBytes(new URL('kavro-core.wasm', import.meta.url));
  // The browser opens its storage while the core loads.
  const storing = OrderStore.open();
  const papersStore = PapersStore.open();
  papersStore.catch(() => {}); // told once the details are kept
  new OrderMenu(document.getElementById('menu-button'), document.getElementById('order-menu'));
  storing.catch(() => {}); // told once the page asks for it
  // Whether a firm's server sent the page and who is signed in to it; the
  // one way to it for the page's screens and its sync alike.
  const server = new FirmServer();
  const finding = server.find();
  const root = document.getElementById('form');
  const core = await createKavroCore({ wasmBinary: await wasm });
  performance.mark('kavro-module');
  await breathe();
  const calc = new core.OrderCalculator();
  performance.mark('kavro-core');
  await breathe();
  const form = formOf(root, calc);
  const view = new StateView(calc, form);
  view.showAll();
  await breathe();
  const dialog = new ErrorMessageBox(document.getElementById('message'));
  const router = new ActionRouter(calc, form, view, dialog);
  const firm = new FirmDialog(document.getElementById('firm-dialog'), {
    calc, logoFault: (...a) => core.Calculator.logoFault(...a), store: papersStore, message: dialog,
  });
  document.getElementById('firm-button').addEventListener('click', () => firm.show());
  const papers = new ReportPapers();
  // The report button gives the Word document, as the window's does.
  router.onReport = (answer, print) => {
    if (print) return papers.print(answer.report);
    const typing = calc.reportTyping();
    papers.word(typing, (module) => module.reportDocumentName()).catch((error) => dialog.show(error.message));
  };
  document.getElementById('report-print').addEventListener('click', () => router.printReport());
  const quotation = new QuotationPapers({
    calc, act: (method, ...a) => order.act(method, ...a), order: () => order.order,
    ask: document.getElementById('ask-dialog'), store: papersStore, papers, message: dialog,
  });
  const order = new OrderPage(calc, router, dialog, () => storing, papers, quotation);
  router.onAnswer = (answer) => order.answered(answer);
  const account = FirmAccount.build({ server, calc, store: papersStore, firm, quotation, page: order, message: dialog });
  // A change of the order made elsewhere is shown as the page's own
  // would be, without taking the focus from where the user types.
  calc.listen((answer) => router.present(JSON.parse(answer), { follow: false }));
  router.wire(root);
  fitWindow(root, document.getElementById('order-panel'));
  await breathe();
  // The start puts the focus on the drive list, as the window does; the
  // page still opens at its top. Nothing reached the form before it.
  await router.start(async () => {
    await breathe();
    root.removeAttribute('inert');
  });
  performance.mark('kavro-started');
  await breathe();
  const shared = new SharedOrder({ core, calc, server, keeper: order.keeper, message: dialog });
  order.keeper.shared = shared;
  new SyncPanel({
    panel: document.getElementById('sync-panel'), table: order.list, shared, message: dialog,
    counter: document.querySelector('#screens [data-screen=openings]'), dialog: document.getElementById('conflict-dialog'),
  });
  await order.start();
  const news = new ResultsNews(document.getElementById('results-news'), () => describeSummary(form));
  const answered = router.onAnswer;
  router.onAnswer = (answer) => (answered(answer), answer.changed?.length && news.changed());
  root.removeAttribute('aria-busy');
  document.body.dataset.ready = 'true';
  performance.mark('kavro-ready'); // the first results are on screen
  keepOffline();
  preloadPapers();
  // The letterhead and the price list are not needed for the first
  // results. A storage the browser refuses holds none to bring back (the
  // order's keeper tells the user of it); what the core refuses is told.
  // Signed in to the firm's server, they are the firm's, as last fetched.
  await finding;
  await account.prepare();
  await Promise.all([firm, quotation].map((kept) => kept.restore().catch(() => {})));
  account.start().catch((error) => dialog.show(error?.message ?? String(error)));
  return calc;
}

// A new version is installed beside the running one and taken at the
// next start; the service worker never takes over a page half way. Its
// install fetches and stores every file of the site: begun with the page,
// it takes from a phone's processor what the first results need, so it
// begins once they are shown (or the start has failed: a fixed version
// must still be able to arrive).
function keepOffline() {
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
}

// The order's session once the page has started: what brings changes from
// elsewhere into the open order goes through it, and the page shows them.
export const session = main().catch((error) => {
  console.error(error);
  keepOffline();
  const line = document.getElementById('loading') ?? document.body.appendChild(document.createElement('p'));
  line.textContent = `Не удалось запустить калькулятор: ${error?.message ?? error}`;
  return null;
});
