// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main thread's tasks of the page's start, by the CPU time each took
// (a Chrome trace's thread time, which other programs on the machine do not
// inflate as they do the wall time). Lighthouse's mobile audit multiplies
// every task by 4 and counts what is over 50 ms as blocking: here a task
// over 12.5 ms of thread time blocks. Each run opens the page in a fresh
// headless Chromium with a phone's screen (a first visit, a new order),
// traces it for five seconds (KAVRO_WAIT_MS), and lists
// its tasks of more than MIN_MS, with what ran in each; then the sum of
// all tasks, the largest and the blocking Lighthouse would count.
// Usage: node bench/web/start-tasks.mjs [RUNS] [MIN_MS]   (after
// scripts/build-site.sh; KAVRO_URL measures a site served elsewhere,
// KAVRO_TRACE=FILE keeps the last run's trace for Chrome's performance panel)
import { writeFileSync } from 'node:fs';
import { chromium } from 'playwright-core';
import { startServer } from '../../tests/web/harness.mjs';

const RUNS = Number(process.argv[2] ?? 3);
const MIN_MS = Number(process.argv[3] ?? 3);
// The start, the papers' module and the kept details after it.
const WAIT_MS = Number(process.env.KAVRO_WAIT_MS ?? 5000);
const BLOCKS_MS = 12.5; // 50 ms once multiplied by 4
const CATEGORIES = ['devtools.timeline', 'disabled-by-default-devtools.timeline', 'blink.user_timing', 'v8.execute', 'v8.wasm'];

// What a trace event ran, in a few words.
function what(e) {
  const d = e.args?.data ?? {};
  const file = (url) => (url ? url.split('/').pop().replace(/-[0-9a-f]{8,}(?=\.)/, '') : '');
  if (d.functionName || d.url) return `${e.name} ${file(d.url)}${d.functionName ? `:${d.functionName}` : ''}`;
  if (d.type) return `${e.name} ${d.type}`;
  if (e.args?.fileName) return `${e.name} ${file(e.args.fileName)}`;
  return e.name;
}

// The renderer's main thread that runs the page: the one its start marked.
function mainThread(events) {
  const mark = events.find((e) => e.name === 'kavro-module');
  if (!events.some((e) => e.name === 'kavro-ready')) throw new Error(`the page showed no results within ${WAIT_MS} ms`);
  return `${mark.pid}:${mark.tid}`;
}

// Each task with the events directly under it, the costliest first.
function tasksOf(events) {
  const main = mainThread(events);
  const own = events.filter((e) => `${e.pid}:${e.tid}` === main && e.ph === 'X' && e.dur !== undefined);
  const start = events.find((e) => e.name === 'navigationStart')?.ts ?? own[0].ts;
  const tasks = own.filter((e) => e.name === 'RunTask').sort((a, b) => a.ts - b.ts);
  const inside = own.filter((e) => e.name !== 'RunTask').sort((a, b) => a.ts - b.ts || b.dur - a.dur);
  const marks = events.filter((e) => e.cat?.includes('blink.user_timing') && e.name.startsWith('kavro-'));
  let i = 0;
  return tasks.map((task) => {
    const end = task.ts + task.dur;
    const parts = new Map();
    let reach = -Infinity; // the end of the last direct child: deeper ones are inside it
    for (; i < inside.length && inside[i].ts < end; i += 1) {
      const e = inside[i];
      if (e.ts < task.ts || e.ts < reach) continue;
      reach = e.ts + e.dur;
      const key = what(e);
      parts.set(key, (parts.get(key) ?? 0) + (e.tdur ?? e.dur));
    }
    const label = [...parts].sort((a, b) => b[1] - a[1]).slice(0, 3).map(([k, t]) => `${k} ${(t / 1000).toFixed(1)}`);
    const marked = marks.filter((m) => m.ts >= task.ts && m.ts <= end).map((m) => m.name);
    return { at: (task.ts - start) / 1000, cpu: (task.tdur ?? 0) / 1000, wall: task.dur / 1000, label: [...marked, ...label].join('; ') };
  });
}

async function run(url) {
  const browser = await chromium.launch({ executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium', args: ['--no-sandbox'] });
  try {
    const context = await browser.newContext({ viewport: { width: 412, height: 823 }, deviceScaleFactor: 1.75, isMobile: true, hasTouch: true });
    const page = await context.newPage();
    await browser.startTracing(page, { categories: CATEGORIES });
    // Nothing is asked of the page while it is traced: the tools that
    // would wait for its results run scripts of their own in it.
    await page.goto(url, { waitUntil: 'commit' });
    await new Promise((resolve) => setTimeout(resolve, WAIT_MS));
    const bytes = await browser.stopTracing();
    if (process.env.KAVRO_TRACE) writeFileSync(process.env.KAVRO_TRACE, bytes);
    const trace = JSON.parse(bytes.toString('utf8'));
    return tasksOf(trace.traceEvents ?? trace);
  } finally {
    await browser.close();
  }
}

const server = process.env.KAVRO_URL ? null : await startServer();
try {
  const totals = [];
  for (let r = 1; r <= RUNS; r += 1) {
    const tasks = await run(process.env.KAVRO_URL ?? server.url);
    console.log(`run ${r}: at ms, cpu ms, wall ms, what`);
    for (const t of tasks.filter((t) => t.cpu >= MIN_MS))
      console.log(`  ${t.at.toFixed(0).padStart(6)} ${t.cpu.toFixed(1).padStart(6)} ${t.wall.toFixed(1).padStart(7)}  ${t.label}`);
    const cpu = tasks.reduce((s, t) => s + t.cpu, 0);
    const longest = Math.max(...tasks.map((t) => t.cpu));
    const blocking = tasks.reduce((s, t) => s + Math.max(0, 4 * t.cpu - 50), 0);
    const over = tasks.filter((t) => t.cpu > BLOCKS_MS).length;
    totals.push({ cpu, longest, blocking, over });
    console.log(`  all tasks ${cpu.toFixed(0)} ms cpu; longest ${longest.toFixed(1)}; ${over} over ${BLOCKS_MS} ms; blocking x4 ${blocking.toFixed(0)} ms`);
  }
  const median = (k) => [...totals].sort((a, b) => a[k] - b[k])[Math.floor(totals.length / 2)][k].toFixed(0);
  console.log(`medians of ${RUNS}: all tasks ${median('cpu')} ms cpu, longest ${median('longest')}, blocking x4 ${median('blocking')}`);
} finally {
  await server?.stop();
}
