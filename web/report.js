// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Shows the report the calculator page left in this origin's storage.
// Its document is parsed, not run: no script of it executes, and only
// its styles and its body are taken over.

import { REPORT_KEY } from './report-link.js';

function show(html) {
  const doc = new DOMParser().parseFromString(html, 'text/html');
  for (const node of doc.querySelectorAll('script, iframe, object, embed, link, meta, base'))
    node.remove();
  for (const style of doc.head.querySelectorAll('style'))
    document.head.append(document.importNode(style, true));
  if (doc.title) document.title = doc.title;
  const report = document.getElementById('report');
  report.replaceChildren(...[...doc.body.childNodes].map((n) => document.importNode(n, true)));
}

const html = localStorage.getItem(REPORT_KEY);
if (html) show(html);
document.getElementById('print').addEventListener('click', () => window.print());
document.body.dataset.ready = 'true';
