// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lighthouse's mobile audit (a mid-range phone on a slow 4G network,
// simulated) of the page as `scripts/run.sh web` serves it, five times,
// each in a fresh Chromium; prints the median of every score and of the
// paints and blocking that make the performance score. Run it on an idle
// machine: the simulation scales with the machine's own speed.
// Usage: node bench/web/lighthouse-bench.mjs [RUNS]
import { spawn } from 'node:child_process';
import net from 'node:net';
import * as chromeLauncher from 'chrome-launcher';
import lighthouse from 'lighthouse';
import { ROOT } from '../../tests/web/harness.mjs';

const RUNS = Number(process.argv[2] ?? 5);
const PORT = Number(process.env.KAVRO_PORT ?? 8088);
const CHROME_FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];
const METRICS = {
  'largest paint, ms': 'largest-contentful-paint',
  'first paint, ms': 'first-contentful-paint',
  'interactive, ms': 'interactive',
  'blocking, ms': 'total-blocking-time',
  'layout shift': 'cumulative-layout-shift',
};

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const answers = () => new Promise((resolve) => {
  const socket = net.connect(PORT, '127.0.0.1', () => resolve(!!socket.end()));
  socket.on('error', () => resolve(false));
});

// The site is built and served as a user starts it.
const server = spawn('scripts/run.sh', ['web'], { cwd: ROOT, env: { ...process.env, KAVRO_PORT: String(PORT) }, stdio: ['ignore', 'ignore', 'inherit'], detached: true });
try {
  for (let i = 0; !(await answers()); i += 1) {
    if (server.exitCode !== null || i > 6000) throw new Error('scripts/run.sh web did not start serving');
    await new Promise((r) => setTimeout(r, 100));
  }
  const runs = [];
  for (let i = 0; i < RUNS; i += 1) {
    const chrome = await chromeLauncher.launch({ chromePath: process.env.CHROMIUM ?? '/usr/bin/chromium', chromeFlags: CHROME_FLAGS });
    try {
      const { lhr } = await lighthouse(`http://127.0.0.1:${PORT}/`, { port: chrome.port, output: 'json', logLevel: 'error' });
      const run = Object.fromEntries(Object.entries(lhr.categories).map(([id, c]) => [id, Math.round(c.score * 100)]));
      for (const [name, audit] of Object.entries(METRICS)) run[name] = lhr.audits[audit].numericValue;
      runs.push(run);
      console.log(`run ${i + 1}: ${JSON.stringify(run)}`);
    } finally {
      await chrome.kill();
    }
  }
  console.log(`medians of ${RUNS} runs:`);
  for (const key of Object.keys(runs[0])) {
    const value = median(runs.map((r) => r[key]));
    console.log(`  ${key}: ${Number.isInteger(value) ? value : value.toFixed(key === 'layout shift' ? 3 : 0)}`);
  }
} finally {
  process.kill(-server.pid, 'SIGTERM'); // run.sh and the nginx it started
}
