// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A report the core typed, as the user asked for it: the Word document,
// written by the papers' module into the firm's template (the example
// letterhead while the firm has none), or the printable page.

import { papers } from './papers-module.js';
import { saveFile } from './file-access.js';
import { openReport } from './report-link.js';

const DOCX_FILE = {
  description: 'Документы Word',
  extensions: ['.docx'],
  mime: 'application/vnd.openxmlformats-officedocument.wordprocessingml.document',
};

export class ReportPapers {
  // TEMPLATE resolves to the firm's template's bytes, or null for none.
  constructor(template = async () => null) {
    this.template = template;
  }

  // NAME: the file's name, or a function of the papers' module that gives it
  // (or a promise of it).
  async word(typing, name) {
    const answer = await papers.wordDocument(typing, (await this.template()) ?? new Uint8Array());
    if (answer.result !== 'done') throw new Error(answer.error);
    const fileName = typeof name === 'function' ? await name(papers) : name;
    await saveFile(answer.bytes, { ...DOCX_FILE, name: fileName });
  }

  print(html) {
    openReport(html);
  }
}
