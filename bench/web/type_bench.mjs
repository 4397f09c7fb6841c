// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Time of one typed character in Visota through the page's module, as the
// page calls it: node bench/web/type_bench.mjs [build-web/module]
import fs from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import '../../scripts/lib/node-crypto.mjs';

const dir = path.resolve(process.argv[2] ?? 'build-web/module');
const { default: createKavroCore } = await import(pathToFileURL(path.join(dir, 'kavro-core.js')));
const core = await createKavroCore({ wasmBinary: fs.readFileSync(path.join(dir, 'kavro-core.wasm')) });
const calc = new core.Calculator();
calc.start();

const times = [];
for (let i = 0; i < 2000; ++i) {
  // Keep the height short: type a digit, take it back every fourth time.
  const started = process.hrtime.bigint();
  const answer = JSON.parse(calc.type('Visota', String(i % 10)));
  for (const field of answer.changed) calc.control(field);
  times.push(Number(process.hrtime.bigint() - started) / 1e3);
  if (i % 4 === 3) calc.backspace('Visota', 4);
}
times.sort((a, b) => a - b);
const at = (q) => times[Math.min(times.length - 1, Math.floor(q * times.length))];
console.log(`type Visota + control() of each changed field: median ${at(0.5).toFixed(1)} µs, ` +
            `p99 ${at(0.99).toFixed(1)} µs over ${times.length} characters`);
