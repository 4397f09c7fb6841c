// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A dozen devices, each the page's module with one shared order open, make
// random edits from a seed against a real kavro-server, go offline and
// online, lose replies and get them late, are killed and start again from
// what they kept. At the end, all online and drained: every device shows
// what the server holds; every edit the server applied is in the order,
// overwritten by another edit, or kept in a conflict; none applied twice.
// node order_sync_model.test.mjs MODULE_DIR KAVRO-SERVER [POSTGRES-HELPER | -]
// (KAVRO_SEED=N repeats a run; KAVRO_STEPS=N, 4000 unless set, shortens it)
import '../../scripts/lib/node-crypto.mjs';
import assert from 'node:assert/strict';
import { spawn, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import readline from 'node:readline';
import { fileURLToPath, pathToFileURL } from 'node:url';

const [moduleDir, serverProgram, helper = '-'] = process.argv.slice(2);
// The page's module as an ES module whatever node takes a .js file for
// (18, Debian's, takes it for CommonJS outside a "type": "module" folder).
const carrierSource = fs.readFileSync(fileURLToPath(new URL('../../web/order-sync.js', import.meta.url)));
const { OrderSync, followChanges } = await import(`data:text/javascript;base64,${carrierSource.toString('base64')}`);
const seed = Number(process.env.KAVRO_SEED ?? Math.floor(Math.random() * 2 ** 31));
const DEVICES = 12;
const STEPS = Number(process.env.KAVRO_STEPS ?? 4000);
const STEPS_FOR_MS = 30_000; // the steps stop here, leaving time to drain
const ORDER = 'model-order';

// mulberry32: small, and the same sequence on every machine.
let state = seed;
function random() {
  state = (state + 0x6d2b79f5) | 0;
  let t = Math.imul(state ^ (state >>> 15), 1 | state);
  t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
  return ((t ^ (t >>> 14)) >>> 0) / 2 ** 32;
}
const below = (n) => Math.floor(random() * n);

async function storage() {
  if (helper === '-') {
    const data = fs.mkdtempSync(path.join(os.tmpdir(), 'kavro-model-'));
    return { args: ['--data', data], stop: () => fs.rmSync(data, { recursive: true, force: true }) };
  }
  const cluster = spawn(helper, [], { stdio: ['pipe', 'pipe', 'inherit'] });
  const [line] = await readline.createInterface({ input: cluster.stdout })[Symbol.asyncIterator]().next()
    .then(({ value }) => [value ?? 'SKIPPED: the PostgreSQL helper said nothing']);
  if (line.startsWith('SKIPPED')) {
    console.log(line);
    cluster.stdin.end();
    process.exit(process.env.CI ? 1 : 0);
  }
  return { args: ['--database', line], stop: () => cluster.stdin.end() };
}

const freePort = () => new Promise((resolve) => {
  const probe = net.createServer().listen(0, '127.0.0.1', () => {
    const { port } = probe.address();
    probe.close(() => resolve(port));
  });
});

const store = await storage();
const admin = (args, input = '') => {
  const run = spawnSync(serverProgram, [...store.args, ...args], { input });
  assert.equal(run.status, 0, run.stderr.toString());
};
admin(['add-firm', 'firm']);
admin(['add-user', 'firm', 'boss', '--role', 'admin'], 'password-1\n');
const port = await freePort();
const server = spawn(serverProgram, ['--listen', `127.0.0.1:${port}`, ...store.args], { stdio: 'ignore' });
const base = `http://127.0.0.1:${port}`;
let cookie = '';
for (let tries = 0; ; ++tries) {
  try {
    const signIn = await fetch(`${base}/api/v1/sign-in`, { method: 'POST', body: JSON.stringify({ login: 'boss', password: 'password-1' }) });
    cookie = signIn.headers.get('set-cookie').split(';')[0];
    break;
  } catch (error) {
    if (tries > 200) throw error;
    await new Promise((r) => setTimeout(r, 50));
  }
}
const http = (p, init = {}) => fetch(base + p, { ...init, headers: { ...init.headers, Cookie: cookie } });

const { default: createKavroCore } = await import(pathToFileURL(path.join(moduleDir, 'kavro-core.js')));
const core = await createKavroCore({ wasmBinary: fs.readFileSync(path.join(moduleDir, 'kavro-core.wasm')) });

// What the server applied, by edit id: the delta of the try it applied.
const applied = new Map();
const appliedValues = new Set();
const appliedTwice = [];
let unique = 0;
const failures = [];

class Device {
  constructor(number, orderBytes = null, kept = '', writes = []) {
    this.number = number;
    this.writes = writes; // {key, value} of each location and title typed here; null: removed
    this.online = true;
    this.late = [];
    this.tried = new Map(); // edit id → the delta of its last try
    this.calc = new core.OrderCalculator();
    this.calc.start();
    if (orderBytes) assert.equal(JSON.parse(this.calc.openOrder('o.kavro', orderBytes, false)).result, 'done');
    this.sync = new core.OrderSync(this.calc);
    assert.equal(JSON.parse(this.sync.open(ORDER, kept)).result, 'done');
    const sync = this.sync;
    const tried = this.tried;
    this.carrier = new OrderSync({
      next() {
        const text = sync.next();
        if (text) tried.set(JSON.parse(text).edit, JSON.parse(text).delta);
        return text;
      },
      answered: (edit, status, body) => sync.answered(edit, status, body),
      arrived: (bytes) => sync.arrived(bytes),
      pull: () => sync.pull(),
      conflictsListed: (body) => sync.conflictsListed(body),
      kept: () => sync.kept(),
    }, { orderId: ORDER, fetch: (p, init) => this.fetch(p, init) });
  }

  async fetch(p, init) {
    if (!this.online) throw new Error('offline');
    const response = await http(p, init);
    const body = await response.text();
    const edit = new URL(base + p).searchParams.get('edit');
    if (edit && response.status === 200 && !JSON.parse(body).repeated) {
      if (applied.has(edit)) appliedTwice.push(edit);
      const delta = this.tried.get(edit);
      applied.set(edit, delta);
      for (const fields of [delta.order, ...Object.values(delta.openings), ...Object.values(delta.added)]) {
        for (const value of [fields.location, fields.title]) if (value) appliedValues.add(JSON.parse(value));
      }
    }
    if (edit && random() < 0.15) {
      this.late.push({ edit, status: response.status, body });
      throw new Error('reply lost');
    }
    return { status: response.status, text: async () => body };
  }

  counts() { return JSON.parse(this.sync.counts()); }

  edit() {
    const size = Math.max(1, JSON.parse(this.sync.localOrder()).openings.length);
    const at = random() < 0.3 ? 0 : below(size);
    const kind = below(6);
    const local = JSON.parse(this.sync.localOrder());
    const key = `${local.openings[at]?.id}/location`;
    const value = `d${this.number}e${++unique}`;
    if (kind === 0) {
      this.calc.setLocation(at, value);
      // Typed into the blank opening shown while the order has none, the
      // value makes it an opening of the order, with an id of its own only
      // now: the write is keyed by that id, so that typing into it again
      // counts as typing over it.
      const typed = JSON.parse(this.sync.localOrder()).openings.find((o) => o.location === value);
      if (!typed) failures.push(`device ${this.number} typed ${value} into opening ${at}, and its replica lacks it`);
      const id = typed?.id ?? local.openings[at]?.id;
      this.type(`${id}/location`, local.openings.find((o) => o.id === id)?.location, value);
    }
    else if (kind === 1) this.calc.setCount(at, String(1 + below(20)));
    else if (kind === 2 && size < 30) this.calc.add();
    else if (kind === 3 && size > 1) {
      this.writes.push({ key, value: null });
      this.calc.choose(at);
      this.calc.remove();
    }
    else if (kind === 4 && size > 1) this.calc.move(at, below(size));
    else {
      this.type('/title', local.title, value);
      this.calc.setTitle(value);
    }
  }

  // What was typed last into a field shows until the server has it (then
  // it may stand in a conflict) or it is kept aside.
  type(key, shown, value) {
    const last = this.writes.findLast((w) => w.key === key);
    this.writes.push({ key, value });
    if (!last?.value || appliedValues.has(last.value) || shown === last.value) return;
    if (!this.sync.refused().includes(`${last.value}\\"`)) {
      failures.push(`device ${this.number} typed ${last.value} into ${key}; it shows ${shown}`);
    }
  }

  // Killed and started again from what it kept with the order.
  restarted() {
    const order = Buffer.from(this.calc.saveOrder().bytes);
    const kept = this.sync.kept();
    this.carrier.close();
    this.sync.delete();
    this.calc.delete();
    return new Device(this.number, order, kept, this.writes);
  }

  deliverLate() {
    const reply = this.late.splice(below(this.late.length), 1)[0];
    if (reply) this.sync.answered(reply.edit, reply.status, reply.body);
  }
}

const stopFollowing = new AbortController();
let following = null;
try {
  const first = new Device(0);
  first.calc.setTitle('Дом');
  first.calc.add();
  first.calc.add();
  while (first.counts().waiting) {
    first.deliverLate();
    await first.carrier.send();
  }
  const devices = [first];
  const serverOrder = async () => (await http(`/api/v1/orders/${ORDER}`)).text();
  const opening = await serverOrder();
  for (let n = 1; n < DEVICES; ++n) devices.push(new Device(n, Buffer.from(opening)));

  // Device 1 also hears others' changes as the page does, pulling while its
  // own requests are out.
  following = followChanges({ fetch: http, signal: stopFollowing.signal, wait: 1,
    onOrder: () => devices[1].online && devices[1].carrier.pull() });
  const started = Date.now();
  let steps = 0;
  for (; steps < STEPS && Date.now() - started < STEPS_FOR_MS; ++steps) {
    const n = below(DEVICES);
    const device = devices[n];
    const roll = random();
    if (roll < 0.45) device.edit();
    else if (roll < 0.7) await device.carrier.send();
    else if (roll < 0.8) await device.carrier.pull();
    else if (roll < 0.88) device.online = !device.online;
    else if (roll < 0.96) device.deliverLate();
    else devices[n] = device.restarted();
  }

  // All online; late replies come or are lost for good; every queue drains.
  for (const device of devices) device.online = true;
  for (let round = 0; round < 20; ++round) {
    for (const device of devices) {
      while (device.late.length) device.deliverLate();
      await device.carrier.send();
    }
    for (const device of devices) await device.carrier.pull();
    if (devices.every((d) => d.counts().waiting === 0 && d.late.length === 0)) break;
  }
  const final = await serverOrder();
  const conflicts = await (await http(`/api/v1/orders/${ORDER}/conflicts`)).text();
  const held = JSON.parse(final);
  const comparable = (text) => {
    const { title, discount, openings } = JSON.parse(text);
    return { title, discount, openings: openings.map(({ revision, ...fields }) => fields) };
  };
  for (const device of devices) {
    const where = `device ${device.number}`;
    assert.equal(device.counts().waiting, 0, `${where} still has edits waiting`);
    assert.deepEqual(comparable(device.sync.localOrder()), comparable(final), `${where}'s replica`);
    assert.deepEqual(comparable(Buffer.from(device.calc.saveOrder().bytes).toString()), comparable(final),
      `${where}'s order as its page shows it`);
  }
  assert.deepEqual(appliedTwice, [], 'edits applied twice');

  // A location an applied edit wrote is in the order, or in a conflict, or
  // its opening was written or deleted by another applied edit.
  const locationWriters = new Map();
  const locations = [];
  for (const [edit, delta] of applied) {
    for (const [id, fields] of [...Object.entries(delta.openings), ...Object.entries(delta.added)]) {
      if (!fields.location) continue;
      locationWriters.set(id, (locationWriters.get(id) ?? 0) + 1);
      locations.push({ edit, id, value: JSON.parse(fields.location) });
    }
  }
  const present = new Map(held.openings.map((o) => [o.id, o.location]));
  for (const { edit, id, value } of locations) {
    const kept = present.get(id) === value || conflicts.includes(JSON.stringify(value)) ||
      locationWriters.get(id) > 1 || !present.has(id);
    if (!kept) failures.push(`edit ${edit} set ${id}'s location to ${value}, and it is nowhere`);
  }
  // Nothing typed is lost on the way: each value reached the server in an
  // applied edit, or was typed over or removed here, or is kept aside on
  // its device with the reason.
  for (const device of devices) {
    const keptAside = device.sync.refused(); // field values are JSON texts within it
    device.writes.forEach(({ key, value }, i) => {
      if (value === null || appliedValues.has(value) || keptAside.includes(`${value}\\"`)) return;
      if (!device.writes.slice(i + 1).some((later) => later.key === key)) {
        failures.push(`device ${device.number} typed ${value} into ${key}, and it never reached the server`);
      }
    });
  }
  const refused = devices.reduce((sum, d) => sum + d.counts().refused, 0);
  console.log(`seed ${seed}: ${steps} steps, ${applied.size} edits applied, revision ${held.revision}, ` +
    `${JSON.parse(conflicts).conflicts.length} conflicts, ${refused} edits kept aside, ${Date.now() - started} ms`);
} catch (error) {
  failures.push(error.stack ?? String(error));
} finally {
  stopFollowing.abort();
  await following;
  server.kill('SIGKILL');
  store.stop();
}
if (failures.length) {
  console.error(`seed ${seed} (KAVRO_SEED=${seed} repeats it):\n${failures.join('\n')}`);
  process.exit(1);
}
