// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The site as nginx serves it with the packaged configuration: the copy
// compressed at build time that the browser accepts, files named by their
// content kept for good, the pages and the service worker asked again
// each time, and the page's own policy as a header.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import http from 'node:http';
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { startNginx, nginxMissing, siteMissing, siteFile, SITE } from './harness.mjs';

const skip = siteMissing || nginxMissing;
let server;
before(async () => { if (!skip) server = await startNginx(); });
after(async () => server?.stop());

function head(url, encodings) {
  return new Promise((resolve, reject) => {
    http.get(url, { headers: { 'accept-encoding': encodings } }, (res) => {
      res.resume();
      resolve({ status: res.statusCode, ...res.headers });
    }).on('error', reject);
  });
}

const IMMUTABLE = 'public, max-age=31536000, immutable';
const rows = [
  // file, what the browser accepts, encoding sent, type, caching
  ['', 'gzip, deflate, br', 'br', 'text/html', 'no-cache'],
  ['sw.js', 'gzip', 'gzip', 'text/javascript', 'no-cache'],
  [siteFile('app.js'), 'identity', undefined, 'text/javascript', IMMUTABLE],
  [siteFile('kavro-core.wasm'), 'br', 'br', 'application/wasm', IMMUTABLE],
  [siteFile('logo.png'), 'gzip, br', undefined, 'image/png', IMMUTABLE],
];

test('nginx sends the precompressed copies, the caching each file needs and the policy', { skip }, async () => {
  const got = [];
  for (const [file, accepts] of rows) {
    const h = await head(`${server.url}${file}`, accepts);
    got.push([file, accepts, h['content-encoding'], h['content-type']?.split(';')[0], h['cache-control']]);
  }
  assert.deepEqual(got, rows);
  // The header adds to the page's own policy what only a header can say.
  const meta = readFileSync(path.join(SITE, 'index.html'), 'utf8').match(/Content-Security-Policy" content="([^"]+)"/)[1];
  assert.equal((await head(server.url, 'br'))['content-security-policy'], `${meta}; frame-ancestors 'none'`);
});
