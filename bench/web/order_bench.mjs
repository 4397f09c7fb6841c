// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The order behind the page's form, through the page's module in node:
// switching between openings, opening a 1,000-opening order and listing it,
// saving it. Prints milliseconds; asserts nothing.
// Usage: node bench/web/order_bench.mjs [build-web/module]
import fs from 'node:fs';
import path from 'node:path';
import { performance } from 'node:perf_hooks';
import { pathToFileURL } from 'node:url';
import '../../scripts/lib/node-crypto.mjs';

const dir = path.resolve(process.argv[2] ?? 'build-web/module');
const { default: createKavroCore } = await import(pathToFileURL(path.join(dir, 'kavro-core.js')));
const core = await createKavroCore({ wasmBinary: fs.readFileSync(path.join(dir, 'kavro-core.wasm')) });

// 1,000 openings: the example house's five, over and over, each a little
// higher than the one before so that none is worked out twice alike.
const house = JSON.parse(fs.readFileSync(new URL('../../examples/house.kavro', import.meta.url)));
const openings = [];
for (let i = 0; i < 1000; ++i) {
  const opening = structuredClone(house.openings[i % house.openings.length]);
  opening.height = String(1000 + i);
  opening.location = `Проём ${i + 1}`;
  openings.push(opening);
}
const big = Buffer.from(JSON.stringify({ ...house, openings }, null, 2) + '\n');

function time(action) {
  const start = performance.now();
  action();
  return performance.now() - start;
}
function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}
const ms = (value) => value.toFixed(1).padStart(8);

const calc = new core.OrderCalculator();
calc.start();
console.log(`open 1,000 openings (${big.length} bytes): ${ms(time(() => calc.openOrder('big.kavro', big, false)))} ms`);
console.log(`first 30 rows listed:                   ${ms(time(() => calc.rows(0, 30)))} ms`);
console.log(`every row listed (all worked out):      ${ms(time(() => calc.rows(0, 1000)))} ms`);

const switches = [];
for (let i = 0; i < 200; ++i) switches.push(time(() => calc.choose((i * 37) % 1000)));
console.log(`switch opening, median of 200:          ${ms(median(switches))} ms`);
console.log(`switch opening, slowest:                ${ms(Math.max(...switches))} ms`);
const keys = [];
for (let i = 0; i < 200; ++i) keys.push(time(() => calc.type('Wirina', String(i % 10))));
console.log(`keystroke in Wirina with the order, median: ${ms(median(keys))} ms`);
console.log(`save 1,000 openings:                    ${ms(time(() => calc.saveOrder()))} ms`);
console.log(`openings spreadsheet:                   ${ms(time(() => calc.exportOpenings()))} ms`);
console.log(`parts list:                             ${ms(time(() => calc.partsList()))} ms`);
