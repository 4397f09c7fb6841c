// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The papers' module (Word documents and workbooks), kept apart from the
// calculator's so that the first results need not wait for its writers.
// The page asks for it once they are shown, in an idle moment, and
// whenever a paper is wanted before that; the service worker keeps it, so
// it loads offline too.

let loading = null;

export function papersModule() {
  loading ??= import('./kavro-papers.js')
    .then(({ default: createKavroPapers }) => createKavroPapers())
    .catch((error) => {
      loading = null; // the next paper tries again
      throw new Error(`Модуль документов не загрузился: ${error?.message ?? error}`);
    });
  return loading;
}

// Begins loading when the page has nothing else to do.
export function preloadPapers() {
  const start = () => papersModule().catch(() => {});
  if (typeof requestIdleCallback === 'function') requestIdleCallback(start, { timeout: 3000 });
  else setTimeout(start, 1000);
}
