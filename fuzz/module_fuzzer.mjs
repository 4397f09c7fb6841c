// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's modules under node, fed what a hostile user could give the
// page: the committed seeds of the native fuzz targets for the firm's
// details, the logo, the price list and the workbooks, then random
// mutations of them, through the very entries the page calls. Each entry
// must answer in the core's words ({"result": "done"} or {"result":
// "failed", "error": text}, or an action's {"result": "refused",
// "refused": text}), a refusal must leave the firm's details as they were,
// and a price list read must be taken by the calculator. A
// crash, an exception of any other kind or an input that takes longer than
// HANG_SECONDS fails the run; the input is kept in ARTIFACTS.
//
// node fuzz/module_fuzzer.mjs MODULE_DIR [SECONDS_PER_TARGET] [TARGET...]
//
// The inputs are drawn from a seed told at the start (KAVRO_FUZZ_SEED sets
// it), so a run is repeated exactly; the main thread can make any input
// again from its number, which is how a hang's input is kept.
import '../scripts/lib/node-crypto.mjs';
import { createHash } from 'node:crypto';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { Worker, isMainThread, parentPort, workerData } from 'node:worker_threads';
import { unzipParts, zipParts } from './zip_parts.mjs';

const HERE = path.dirname(fileURLToPath(import.meta.url));
const ARTIFACTS = path.resolve(HERE, '../build-web/fuzz-artifacts');
// libFuzzer's bound on the desktop is 10 s; in the module the seed of a
// workbook that unpacks to 70 MB takes 4 to 9 s on a busy two-core machine,
// and over 30 s while that machine also runs the tests.
const HANG_SECONDS = 60;
const MAX_BYTES = 1 << 20;
// The zip bomb among the workbook seeds is fed as it is but not mutated:
// each of its mutations costs seconds, which the small seeds' would spend
// on thousands of inputs.
const MAX_BASE_BYTES = 32 << 10;

// target: its seeds under fuzz/corpus/, its dictionary, whether they are
// zip archives, the entries each input goes through (run in the worker,
// with the modules loaded).
const TARGETS = {
  firm: { seeds: 'firm', dict: null, run: (m, bytes) => m.firmInputs(bytes) },
  xlsx: { seeds: 'xlsx', dict: 'xlsx.dict', zipped: true, run: (m, bytes) => m.workbookInputs(bytes) },
  openings: { seeds: 'openings', dict: 'order.dict', run: (m, bytes) => m.openingsInputs(bytes) },
};

// xorshift32: small, and the same numbers in both threads.
function random(seed) {
  let s = seed >>> 0 || 1;
  const next = () => {
    s ^= s << 13;
    s ^= s >>> 17;
    s ^= s << 5;
    return (s >>> 0) / 2 ** 32;
  };
  return (n) => Math.floor(next() * n);
}

// libFuzzer's dictionary format: one "quoted" word a line, \xNN escapes.
function dictionary(file) {
  if (!file) return [];
  return fs.readFileSync(path.join(HERE, file), 'latin1').split('\n').map((line) => line.match(/"(.*)"\s*$/)?.[1])
    .filter(Boolean)
    .map((word) => Buffer.from(word.replace(/\\x([0-9a-fA-F]{2})|\\(.)/g, (_, hex, c) => (hex ? String.fromCharCode(parseInt(hex, 16)) : c)), 'latin1'));
}

function corpus(target) {
  const folder = path.join(HERE, 'corpus', TARGETS[target].seeds);
  return fs.readdirSync(folder).sort().map((name) => fs.readFileSync(path.join(folder, name)));
}

// One mutation of BYTES, as libFuzzer's simplest: bits, bytes, ranges
// removed, repeated or taken from another seed, a dictionary word put in.
function mutateOnce(bytes, pick, seeds, words) {
  const at = pick(bytes.length + 1);
  const span = 1 + pick(Math.min(64, bytes.length + 1));
  const splice = (insert, remove = 0) => Buffer.concat([bytes.subarray(0, at), insert, bytes.subarray(at + remove)]);
  switch (pick(7)) {
    case 0:
      if (at < bytes.length) bytes[at] ^= 1 << pick(8);
      return bytes;
    case 1:
      if (at < bytes.length) bytes[at] = [0, 0xff, 0x7f, 0x80, 0x30 + pick(10), pick(256)][pick(6)];
      return bytes;
    case 2:
      return splice(Buffer.alloc(0), span);
    case 3:
      return splice(Buffer.from(bytes.subarray(at, at + span)));
    case 4: {
      const other = seeds[pick(seeds.length)];
      const from = pick(other.length + 1);
      return splice(other.subarray(from, from + 1 + pick(256)), pick(2) ? span : 0);
    }
    case 5:
      return words.length ? splice(words[pick(words.length)], pick(2) ? span : 0) : bytes;
    default:
      return splice(Buffer.from(Array.from({ length: span }, () => pick(256))));
  }
}

function mutated(bytes, pick, seeds, words) {
  let out = Buffer.from(bytes);
  for (let n = 1 + pick(4); n > 0; n -= 1) out = mutateOnce(out, pick, seeds, words);
  return out;
}

// Input number I of a run: every seed as it is first, then mutations; an
// archive's half of the time inside one of its parts, packed again.
function input(i, runSeed, seeds, words, zipped) {
  if (i < seeds.length) return seeds[i];
  const pick = random(runSeed ^ Math.imul(i, 0x9e3779b1));
  const bases = seeds.filter((s) => s.length <= MAX_BASE_BYTES);
  const seed = bases[pick(bases.length)];
  const parts = zipped && pick(2) ? unzipParts(seed) : null;
  if (!parts?.length) return mutated(seed, pick, seeds, words).subarray(0, MAX_BYTES);
  const part = parts[pick(parts.length)];
  part.bytes = mutated(part.bytes, pick, seeds, words);
  return zipParts(parts).subarray(0, MAX_BYTES);
}

// The entries the page calls, with what each answer must be.
class Entries {
  constructor(core, papers, logo) {
    Object.assign(this, { core, papers, logo });
    this.calc = new core.OrderCalculator();
    this.calc.start();
  }

  answer(text, entry) {
    let answer;
    try {
      answer = JSON.parse(text);
    } catch {
      throw new Error(`${entry} answered no JSON: ${String(text).slice(0, 200)}`);
    }
    // A reader refuses with "error", the calculator an action with "refused".
    const words = { failed: answer.error, refused: answer.refused }[answer.result];
    const refused = typeof words === 'string' && words !== '';
    if (answer.result !== 'done' && !refused) throw new Error(`${entry} answered ${text.slice(0, 200)}`);
    return answer;
  }

  // A firm's details refused leave the kept ones as they were.
  firm(entry, call) {
    const before = this.calc.firmEntry();
    const answer = this.answer(call(), entry);
    if (answer.result !== 'done' && this.calc.firmEntry() !== before) throw new Error(`${entry} refused, yet changed the details`);
  }

  prices(name, bytes) {
    const read = this.answer(this.papers.readPriceList(name, bytes), 'readPriceList');
    if (read.result === 'done' && this.answer(this.calc.setPrices(read.prices), 'setPrices').result !== 'done') {
      throw new Error('a price list read was refused by the calculator');
    }
  }

  firmInputs(bytes) {
    this.firm('loadFirm', () => this.calc.loadFirm('firm.json', bytes, this.logo));
    this.firm('setFirm', () => this.calc.setFirm(bytes.toString('utf8'), bytes));
    for (const drawable of [false, true]) {
      if (typeof this.core.Calculator.logoFault('logo.png', bytes, drawable) !== 'string') throw new Error('logoFault gave no text');
    }
    this.prices('prices.csv', bytes);
    // As the page's Экспорт реквизитов packs it, with the seeds' logo.
    this.archive(zipParts([{ name: 'firm.json', bytes }, { name: 'firm-logo.png', bytes: this.logo }]));
  }

  archive(bytes) {
    const archive = this.answer(this.papers.firmOfArchive('firm.zip', bytes), 'firmOfArchive');
    if (archive.result === 'done') {
      this.firm('loadFirm', () => this.calc.loadFirm('firm.zip', archive.firm, Buffer.from(archive.logo, 'base64')));
    }
  }

  openings(name, bytes) {
    const read = this.answer(this.papers.readOpenings(name, bytes), 'readOpenings');
    if (read.result !== 'done') return;
    this.calc.newOrder();
    this.answer(this.calc.appendOpenings(read.order), 'appendOpenings');
  }

  workbookInputs(bytes) {
    this.openings('openings.xlsx', bytes);
    this.prices('prices.xlsx', bytes);
    this.archive(bytes);
  }

  openingsInputs(bytes) {
    this.openings('openings.csv', bytes);
    this.answer(this.calc.importOpenings('openings.csv', bytes), 'importOpenings');
  }
}

async function load(moduleDir, name) {
  const { default: create } = await import(pathToFileURL(path.join(moduleDir, `${name}.js`)));
  return create({ wasmBinary: fs.readFileSync(path.join(moduleDir, `${name}.wasm`)) });
}

// The worker: the seeds, then mutations until the time is up (the seeds
// take what they take: the zip bomb's are seconds). The shared counter
// tells the main thread which input is running.
async function work({ moduleDir, target, seconds, runSeed, counter }) {
  const done = new Int32Array(counter);
  const entries = new Entries(await load(moduleDir, 'kavro-core'), await load(moduleDir, 'kavro-papers'),
    fs.readFileSync(path.join(HERE, 'corpus/firm/logo.png')));
  const seeds = corpus(target);
  const words = dictionary(TARGETS[target].dict);
  let end = Infinity;
  for (let i = 0; Date.now() < end; i += 1) {
    if (i === seeds.length) end = Date.now() + seconds * 1000;
    Atomics.store(done, 0, i);
    try {
      TARGETS[target].run(entries, input(i, runSeed, seeds, words, TARGETS[target].zipped));
    } catch (error) {
      const escaped = typeof WebAssembly.Exception === 'function' && error instanceof WebAssembly.Exception;
      parentPort.postMessage({ failed: i, error: escaped ? 'a C++ exception escaped the module' : String(error?.stack ?? error) });
      return;
    }
  }
  parentPort.postMessage({ inputs: Atomics.load(done, 0) + 1 });
}

function keep(target, bytes, why) {
  fs.mkdirSync(ARTIFACTS, { recursive: true });
  const file = path.join(ARTIFACTS, `${target}-${why}-${createHash('sha1').update(bytes).digest('hex')}`);
  fs.writeFileSync(file, bytes);
  return file;
}

// One target in a worker of its own; resolves to a failure's text, or null.
function runTarget(moduleDir, target, seconds, runSeed) {
  const counter = new SharedArrayBuffer(4);
  const worker = new Worker(fileURLToPath(import.meta.url), { workerData: { moduleDir, target, seconds, runSeed, counter } });
  const running = new Int32Array(counter);
  const failure = (i, why, error) => {
    const { dict, zipped } = TARGETS[target];
    const file = keep(target, input(i, runSeed, corpus(target), dictionary(dict), zipped), why);
    return `${target}: input ${i} (${file}): ${error}`;
  };
  return new Promise((resolve) => {
    let last = -1;
    let since = Date.now();
    const watch = setInterval(() => {
      const now = Atomics.load(running, 0);
      if (now !== last) [last, since] = [now, Date.now()];
      else if (Date.now() - since > HANG_SECONDS * 1000) {
        clearInterval(watch);
        worker.terminate();
        resolve(failure(now, 'hang', `no answer within ${HANG_SECONDS} s`));
      }
    }, 250);
    worker.on('message', (m) => {
      clearInterval(watch);
      if (m.error) resolve(failure(m.failed, 'crash', m.error));
      else resolve(console.log(`== ${target}: ${m.inputs} inputs, ${seconds} s of them mutations`) ?? null);
    });
    worker.on('error', (error) => {
      clearInterval(watch);
      resolve(failure(Atomics.load(running, 0), 'crash', error?.stack ?? error));
    });
  });
}

if (isMainThread) {
  const [moduleDir, seconds = '10', ...wanted] = process.argv.slice(2);
  if (!moduleDir) {
    console.error('usage: module_fuzzer.mjs MODULE_DIR [SECONDS_PER_TARGET] [TARGET...]');
    process.exit(2);
  }
  const runSeed = Number(process.env.KAVRO_FUZZ_SEED ?? Math.floor(Math.random() * 2 ** 32));
  console.log(`== module_fuzzer: seed ${runSeed} (KAVRO_FUZZ_SEED=${runSeed} repeats this run)`);
  let failed = false;
  for (const target of wanted.length ? wanted : Object.keys(TARGETS)) {
    const failure = await runTarget(path.resolve(moduleDir), target, Number(seconds), runSeed);
    if (failure) {
      console.error(failure);
      failed = true;
    }
  }
  process.exit(failed ? 1 : 0);
} else {
  await work(workerData);
}
