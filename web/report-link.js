// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The report opens in a page of its own, which prints it. It is handed
// over through this origin's storage: the new tab shares no window with
// this one (noopener), and nothing leaves the device.

export const REPORT_KEY = 'kavro.report';

export function openReport(html) {
  try {
    localStorage.setItem(REPORT_KEY, html);
  } catch {
    return; // storage full or refused: nothing to show
  }
  window.open('report.html', '_blank', 'noopener');
}
