// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A module's WebAssembly as bytes, for its loader to compile from them
// (its wasmBinary). The loader's own streaming compile reads a file the
// page has preloaded in one go, holding the page for all of it; from the
// bytes the work comes in shorter pieces. The papers' module, fetched
// later and not preloaded, arrives in pieces and streams better.

export async function wasmBytes(url) {
  // As the page's preload asked for it, so that it is taken from there.
  const response = await fetch(url, { credentials: 'same-origin' });
  if (!response.ok) throw new Error(`${url.pathname.split('/').pop()}: HTTP ${response.status}`);
  return response.arrayBuffer();
}
