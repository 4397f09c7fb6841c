// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The papers' module (Word documents and workbooks), kept apart from the
// calculator's so that the first results need not wait for its writers.
// It runs in a worker of its own: compiling it, starting it and writing a
// long order's documents never hold the page the installer types in. The
// page starts the worker once the first results are shown, in an idle
// moment, and whenever a paper is wanted before that; the service worker
// keeps its files, so it loads offline too.
//
//   const answer = await papers.workbookFile(json);
//
// Every function of the module is called by its name, with the same
// arguments, and answers a promise of what it returns.

let worker = null;
const waiting = new Map(); // call number -> { resolve, reject }
let calls = 0;

const failed = (error) => new Error(`Модуль документов не загрузился: ${error}`);

function stop(error) {
  worker?.terminate();
  worker = null; // the next paper tries again
  for (const { reject } of waiting.values()) reject(error);
  waiting.clear();
}

function started() {
  if (worker) return worker;
  worker = new Worker(new URL('papers-worker.js', import.meta.url), { type: 'module' });
  worker.onmessage = ({ data }) => {
    if (data.loadFailed) return stop(failed(data.loadFailed));
    const call = waiting.get(data.call);
    waiting.delete(data.call);
    if ('error' in data) call?.reject(new Error(data.error));
    else call?.resolve(data.value);
  };
  worker.onerror = (event) => {
    event.preventDefault();
    stop(failed(event.message || 'файл модуля недоступен'));
  };
  return worker;
}

function call(method, args) {
  return new Promise((resolve, reject) => {
    calls += 1;
    waiting.set(calls, { resolve, reject });
    started().postMessage({ call: calls, method, args });
  });
}

// `then` is left out: the object is not a promise to be awaited.
export const papers = new Proxy(
  {},
  { get: (_, method) => (method === 'then' ? undefined : (...args) => call(method, args)) },
);

// Starts the worker when the page has nothing else to do.
export function preloadPapers() {
  const start = () => started();
  if (typeof requestIdleCallback === 'function') requestIdleCallback(start, { timeout: 3000 });
  else setTimeout(start, 1000);
}
