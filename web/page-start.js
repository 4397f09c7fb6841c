// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The first screen comes painted in the page. Nothing else is asked for
// before the browser has painted it: on a slow mobile network the scripts
// and the core's WebAssembly would share the first moments with the page's
// own styles and hold the first paint back. Then all of them are fetched
// side by side rather than one import after another, and the core's
// WebAssembly beside them rather than after the scripts have run (the
// core's loader fetches it in the same mode, so it takes this one).

const MODULES = [
  'kavro-core.js',
  'wasm-bytes.js',
  'form-builder.js',
  'state-view.js',
  'action-router.js',
  'error-message-box.js',
  'fit-window.js',
  'text-positions.js',
  'report-link.js',
  'report-papers.js',
  'firm-dialog.js',
  'quotation-papers.js',
  'ask-dialog.js',
  'papers-store.js',
  'papers-module.js',
  'order-page.js',
  'opening-table.js',
  'openings-dock.js',
  'parts-view.js',
  'order-keeper.js',
  'shared-order.js',
  'order-sync.js',
  'sync-panel.js',
  'conflict-dialog.js',
  'storage-persistence.js',
  'order-store.js',
  'indexed-db.js',
  'autosaver.js',
  'order-lock.js',
  'leave-journal.js',
  'storage-words.js',
  'orders-dialog.js',
  'confirm-dialog.js',
  'file-access.js',
  'order-menu.js',
  'results-news.js',
  'firm-server.js',
  'firm-account.js',
  'firm-orders.js',
  'firm-papers.js',
  'server-form.js',
  'choice-dialog.js',
  'sign-in-dialog.js',
  'password-dialog.js',
  'people-dialog.js',
  'tokens-dialog.js',
];

function preload(href, attributes) {
  const link = Object.assign(document.createElement('link'), { href, ...attributes });
  document.head.append(link);
}

// Each preload starts a fetch, which costs the page's thread a few
// milliseconds, and many more on a phone: one at a time, each in a task of
// its own, so that none is long (eight at a time made tasks that
// Lighthouse's phone counted as blocking; one at a time took its median
// blocking from about 500 ms to about 150-250 ms on a 2-core machine).
// The timers, 4 ms apart once nested, spread the fetches' arrivals too:
// asked back to back (a message to itself each), the blocking was higher
// again, for first results only 200 ms sooner without a network's delays.
const AT_ONCE = 1;

function preloadFrom(index) {
  for (const href of MODULES.slice(index, index + AT_ONCE)) preload(href, { rel: 'modulepreload' });
  if (index + AT_ONCE < MODULES.length) setTimeout(preloadFrom, 0, index + AT_ONCE);
  else import('./app.js');
}

let started = false;
function start() {
  if (started) return;
  started = true;
  preload('kavro-core.wasm', { rel: 'preload', as: 'fetch', type: 'application/wasm', crossOrigin: '' });
  preloadFrom(0);
}

// Once the first screen is painted (the browser's own first-paint entry,
// which comes when the frame is shown, not when it is drawn); a page
// opened in the background paints nothing, and starts all the same.
if (document.visibilityState === 'hidden') start();
new PerformanceObserver((entries, observer) => {
  if (!entries.getEntriesByName('first-contentful-paint').length) return;
  observer.disconnect();
  setTimeout(start, 0);
}).observe({ type: 'paint', buffered: true });
document.addEventListener('visibilitychange', () => document.visibilityState === 'hidden' && start());
setTimeout(start, 3000);
