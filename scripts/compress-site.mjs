// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes a gzip and a brotli copy beside each file of the site that
// compresses (FILE.gz, FILE.br), at the strongest settings: the work is
// done once at build time, and the server sends the copy the browser
// accepts without compressing anything itself.
//
//   node scripts/compress-site.mjs SITE
import { readdirSync, readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { brotliCompressSync, constants, gzipSync } from 'node:zlib';

const COMPRESSES = /\.(html|js|css|wasm|webmanifest|json|svg|txt)$/;

const site = process.argv[2];
if (!site) {
  console.error('usage: compress-site.mjs SITE');
  process.exit(2);
}

let count = 0;
for (const name of readdirSync(site).filter((n) => COMPRESSES.test(n))) {
  const bytes = readFileSync(path.join(site, name));
  writeFileSync(path.join(site, `${name}.gz`), gzipSync(bytes, { level: 9 }));
  const brotli = brotliCompressSync(bytes, {
    params: { [constants.BROTLI_PARAM_QUALITY]: 11, [constants.BROTLI_PARAM_SIZE_HINT]: bytes.length },
  });
  writeFileSync(path.join(site, `${name}.br`), brotli);
  count += 1;
}
console.log(`compress-site.mjs: ${count} files compressed`);
