// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A CPU profile of a page's main thread while something runs in it, read
// the way the keystroke figures need: which functions took the thread
// (self time, by function and file) and how long the thread was busy at a
// stretch (runs of samples with no idle between them: a task, or tasks
// back to back, that a keystroke due then had to wait for).

const file = (url) => (url ? url.split('/').pop().replace(/-[0-9a-f]{8,}(?=\.)/, '') : '');
const nameOf = ({ functionName, url }) => `${functionName || '(anonymous)'} ${file(url)}`.trim();

// Starts profiling PAGE (a Playwright page); the promise's stop() gives
// the profile's reading.
export async function profileMainThread(page) {
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('Profiler.enable');
  await cdp.send('Profiler.setSamplingInterval', { interval: 200 }); // µs
  await cdp.send('Profiler.start');
  return {
    async stop() {
      const { profile } = await cdp.send('Profiler.stop');
      await cdp.detach();
      return readProfile(profile);
    },
  };
}

export function readProfile({ nodes, samples, timeDeltas }) {
  const byId = new Map(nodes.map((n) => [n.id, n]));
  const parent = new Map();
  for (const n of nodes) for (const c of n.children ?? []) parent.set(c, n.id);
  // The page's own script under a sample (not the module or its
  // binding's glue), for naming what a stretch ran.
  const ownFrame = (id) => {
    for (let at = id; at !== undefined; at = parent.get(at)) {
      const frame = byId.get(at).callFrame;
      if (frame.url && !frame.url.startsWith('wasm') && !file(frame.url).startsWith('kavro-core')) return nameOf(frame);
    }
    return nameOf(byId.get(id).callFrame);
  };
  const self = new Map();
  const stretches = [];
  let current = null;
  let total = 0;
  samples.forEach((id, i) => {
    const dt = (timeDeltas[i + 1] ?? 0) / 1000; // ms until the next sample
    const frame = byId.get(id).callFrame;
    const key = nameOf(frame);
    total += dt;
    self.set(key, (self.get(key) ?? 0) + dt);
    if (frame.functionName === '(idle)') {
      current = null;
      return;
    }
    if (!current) stretches.push((current = { ms: 0, parts: new Map() }));
    current.ms += dt;
    const own = ownFrame(id);
    current.parts.set(own, (current.parts.get(own) ?? 0) + dt);
  });
  const top = (map, n) => [...map].sort((a, b) => b[1] - a[1]).slice(0, n);
  return {
    total,
    functions: top(self, 15),
    stretches: stretches.sort((a, b) => b.ms - a.ms).map((s) => ({ ms: s.ms, parts: top(s.parts, 3) })),
  };
}

export function printProfile({ total, functions, stretches }, log = console.log) {
  const busy = stretches.reduce((s, t) => s + t.ms, 0);
  log(`profile: ${total.toFixed(0)} ms sampled, ${busy.toFixed(0)} ms busy; functions by self time:`);
  for (const [name, ms] of functions) log(`  ${ms.toFixed(0).padStart(6)} ms  ${name}`);
  const over = (limit) => stretches.filter((s) => s.ms > limit).length;
  log(`busy stretches: ${stretches.length}, over 8 ms ${over(8)}, over 50 ms ${over(50)}; the longest, with the page's functions under them:`);
  for (const s of stretches.slice(0, 10))
    log(`  ${s.ms.toFixed(1).padStart(7)} ms  ${s.parts.map(([k, t]) => `${k} ${t.toFixed(1)}`).join('; ')}`);
}
