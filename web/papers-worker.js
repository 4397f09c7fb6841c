// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The papers' module away from the page's thread, for the page's papers:
// each message names one of its functions and its arguments; the answer
// carries what it returned, its bytes handed over rather than copied.

import createKavroPapers from './kavro-papers.js';

const loading = createKavroPapers();
loading.catch((error) => self.postMessage({ loadFailed: String(error?.message ?? error) }));

// The buffers of the files in an answer: {bytes} or the bytes themselves.
const buffers = (value) => [value, value?.bytes].filter((v) => v instanceof Uint8Array).map((v) => v.buffer);

self.onmessage = async ({ data: { call, method, args } }) => {
  let value;
  try {
    const module = await loading;
    if (typeof module[method] !== 'function') throw new Error(`${method}: нет такой функции`);
    value = module[method](...args);
  } catch (error) {
    self.postMessage({ call, error: String(error?.message ?? error) });
    return;
  }
  self.postMessage({ call, value }, buffers(value));
};
