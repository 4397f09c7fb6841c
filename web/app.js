// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the page: loads the calculator's core, builds the form from the
// window's layout, shows the state, starts the window and brings back the
// order kept from the last visit.

import createKavroCore from './kavro-core.js';
import { ALL_FIELDS } from './fields.js';
import { FormBuilder } from './form-builder.js';
import { StateView } from './state-view.js';
import { Controller } from './controller.js';
import { MessageDialog } from './message-dialog.js';
import { fitWindow } from './fit-window.js';
import { OrderPage } from './order-page.js';
import { OrderStore } from './order-store.js';

async function main() {
  // The browser opens its storage while the core loads.
  const storing = OrderStore.open();
  storing.catch(() => {}); // told once the page asks for it
  const root = document.getElementById('form');
  const core = await createKavroCore();
  const calc = new core.OrderCalculator();
  const form = new FormBuilder(root).build(JSON.parse(calc.formLayout()));
  document.getElementById('loading').remove();
  const view = new StateView(calc, form);
  view.showAll(ALL_FIELDS);
  const dialog = new MessageDialog(document.getElementById('message'));
  const controller = new Controller(calc, form, view, dialog);
  const order = new OrderPage(calc, controller, dialog, () => storing);
  controller.onAnswer = (answer) => order.answered(answer);
  controller.wire(root);
  fitWindow(root, document.getElementById('order-panel'));
  controller.act('start');
  await order.start();
  root.removeAttribute('aria-busy');
  document.body.dataset.ready = 'true';
  performance.mark('kavro-ready'); // the first results are on screen
}

// A new version is installed beside the running one and taken at the
// next start; the service worker never takes over a page half way.
if ('serviceWorker' in navigator)
  navigator.serviceWorker.register('sw.js').catch(() => {});

main().catch((error) => {
  console.error(error);
  const line = document.getElementById('loading') ?? document.body.appendChild(document.createElement('p'));
  line.textContent = `Не удалось запустить калькулятор: ${error?.message ?? error}`;
});
