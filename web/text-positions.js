// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The core counts positions in Unicode code points, the DOM in UTF-16
// units; a character outside the BMP is one of the first and two of the
// second.

export function toUtf16(text, codePoints) {
  let units = 0;
  let seen = 0;
  for (const ch of text) {
    if (seen === codePoints) break;
    units += ch.length;
    seen += 1;
  }
  return units;
}

export function toCodePoints(text, units) {
  let seen = 0;
  let at = 0;
  for (const ch of text) {
    if (at + ch.length > units) break;
    at += ch.length;
    seen += 1;
  }
  return seen;
}
