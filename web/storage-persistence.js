// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Asks the browser to keep this site's storage when it runs short of
// space, once a page: the firm's orders and the edits not yet sent live
// only here until the server has them. A refusal, or a storage nearly
// full, is told in words in the storage's status line; the page works on.

import { PERSIST_REFUSED, STORAGE_NEARLY_FULL } from './storage-words.js';

// Below this share of its quota left, the user is told before a write fails.
const NEARLY_FULL = 0.05;

let asking = null;

// STATUS(text, kind) is the storage's status line (OrderKeeper's).
export function keepStorage(status, storage = navigator.storage) {
  asking ??= ask(storage).then((words) => words && status(words, 'note'), () => {});
  return asking;
}

async function ask(storage) {
  if (!storage?.persist) return null;
  if (!(await storage.persisted()) && !(await storage.persist())) return PERSIST_REFUSED;
  const { usage = 0, quota = 0 } = (await storage.estimate?.()) ?? {};
  return quota && quota - usage < quota * NEARLY_FULL ? STORAGE_NEARLY_FULL : null;
}
