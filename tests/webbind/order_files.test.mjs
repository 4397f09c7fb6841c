// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's module against kavro-order: the same order, the same bytes
// written and the same messages for files that cannot be read.
// node order_files.test.mjs MODULE_DIR KAVRO-ORDER SOURCE_DIR WORK_DIR
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import '../../scripts/lib/node-crypto.mjs';

const [moduleDir, kavroOrder, sourceDir, workDir] = process.argv.slice(2).map((p) => path.resolve(p));
fs.mkdirSync(workDir, { recursive: true });
const examples = path.join(sourceDir, 'examples');
const cliData = path.join(sourceDir, 'tests', 'cli');
const house = fs.readFileSync(path.join(examples, 'house.kavro'));

// kavro-order run in the work folder on files named as the page names them.
function kavro(...args) {
  const run = spawnSync(kavroOrder, args, { cwd: workDir, encoding: 'buffer' });
  return { status: run.status, stderr: run.stderr.toString('utf8').replace(/\n$/, '') };
}
function copyIn(from, name) {
  fs.copyFileSync(from, path.join(workDir, name));
  return name;
}
function written(name) {
  return fs.readFileSync(path.join(workDir, name));
}
function bytesOf(answer) {
  assert.equal(answer.result, 'done', answer.error);
  return Buffer.from(answer.bytes);
}

const failures = [];
function check(name, test) {
  try {
    test();
  } catch (error) {
    failures.push(`${name}: ${error.message}`);
  }
}

const { default: createKavroCore } = await import(
  pathToFileURL(path.join(moduleDir, 'kavro-core.js')));
createKavroCore({ wasmBinary: fs.readFileSync(path.join(moduleDir, 'kavro-core.wasm')) }).then((core) => {
  const opened = () => {
    const calc = new core.OrderCalculator();
    calc.start();
    assert.equal(JSON.parse(calc.openOrder('house.kavro', house, false)).result, 'done');
    return calc;
  };

  check('open and save', () => {
    assert.ok(bytesOf(opened().saveOrder()).equals(house));
  });
  check('import as kavro-order imports', () => {
    const csv = copyIn(path.join(examples, 'house.csv'), 'house.csv');
    assert.equal(kavro('import', csv, '-o', 'imported.kavro', '--title', 'Дом').status, 0);
    const calc = new core.OrderCalculator();
    calc.start();
    assert.equal(JSON.parse(calc.importOpenings(csv, fs.readFileSync(path.join(workDir, csv)))).result, 'done');
    calc.setTitle('Дом');
    assert.ok(bytesOf(calc.saveOrder()).equals(written('imported.kavro')));
  });
  copyIn(path.join(examples, 'house.kavro'), 'house.kavro');
  check('openings spreadsheet', () => {
    assert.equal(kavro('export', 'house.kavro', '-o', 'export.csv').status, 0);
    assert.ok(bytesOf(opened().exportOpenings()).equals(written('export.csv')));
  });
  check('parts list', () => {
    assert.equal(kavro('bom', 'house.kavro', '-o', 'bom.csv').status, 0);
    assert.ok(bytesOf(opened().exportPartsList()).equals(written('bom.csv')));
  });

  // Orders kavro-order refuses: its message, and nothing open changes.
  const newer = house.toString('utf8').replace('"version": 1', '"version": 4');
  fs.writeFileSync(path.join(workDir, 'newer.kavro'), newer);
  fs.writeFileSync(path.join(workDir, 'big.kavro'), Buffer.alloc((64 << 20) + 1, 0x20));
  copyIn(path.join(cliData, 'damaged.kavro'), 'damaged.kavro');
  copyIn(path.join(cliData, 'bad-field.kavro'), 'bad-field.kavro');
  for (const name of ['damaged.kavro', 'bad-field.kavro', 'newer.kavro', 'big.kavro']) {
    check(`refused ${name}`, () => {
      const expected = kavro('check', name);
      assert.notEqual(expected.status, 0);
      const calc = opened();
      calc.choose(2);
      const before = calc.orderState();
      const answer = JSON.parse(calc.openOrder(name, written(name), false));
      assert.equal(answer.result, 'failed');
      assert.equal(answer.error, expected.stderr);
      assert.equal(calc.orderState(), before);
      assert.ok(bytesOf(calc.saveOrder()).equals(house));
    });
  }
  // Spreadsheets kavro-order refuses, every fault as it places it.
  copyIn(path.join(cliData, 'bad-cells.csv'), 'bad-cells.csv');
  copyIn(path.join(cliData, 'bad-bytes.csv'), 'bad-bytes.csv');
  for (const name of ['bad-cells.csv', 'bad-bytes.csv']) {
    check(`refused ${name}`, () => {
      const expected = kavro('import', name, '-o', 'never.kavro');
      assert.notEqual(expected.status, 0);
      const calc = opened();
      const answer = JSON.parse(calc.importOpenings(name, written(name)));
      assert.equal(answer.error, expected.stderr);
      assert.equal(answer.order.size, 5);
    });
  }

  if (failures.length) {
    console.error(failures.join('\n'));
    process.exit(1);
  }
  console.log('module and kavro-order agree');
});
