// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the order tests share: kavro-order run beside the page, a browser
// killed as a dying battery would, files given to the page's pickers and
// taken from its downloads, and the list of openings read from the DOM.
import { spawnSync } from 'node:child_process';
import { existsSync, readdirSync, readFileSync } from 'node:fs';
import path from 'node:path';
import { ROOT } from './harness.mjs';

export const KAVRO_ORDER = process.env.KAVRO_ORDER ?? path.join(ROOT, 'build/tools/kavro-order');
export const orderToolMissing = !existsSync(KAVRO_ORDER) && 'build/tools/kavro-order is not built';

// kavro-order run in DIR with ARGS: its exit code and both streams.
export function kavroOrder(args, dir = ROOT) {
  const run = spawnSync(KAVRO_ORDER, args, { cwd: dir, encoding: 'utf8', env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
  return { status: run.status, stdout: run.stdout, stderr: run.stderr };
}

// The rows of `kavro-order check`'s table as the page's list has them:
// number, location, count, width × height and torque.
export function checkedRows(stdout) {
  const lines = stdout.split('\n');
  const head = lines.findIndex((l) => l.startsWith('№'));
  const columns = lines[head].split(/ {2,}/);
  const at = (name) => columns.indexOf(name);
  return lines.slice(head + 1).filter((l) => /^\d/.test(l)).map((line) => {
    const cells = line.split(/ {2,}/);
    return [cells[at('№')], cells[at('Проём')], cells[at('Кол.')], cells[at('Ш × В, мм')], cells[at('Момент, Нм')]];
  });
}

// The same cells of every row the page lists.
export function listedRows(page) {
  return page.evaluate(() => [...document.querySelectorAll('#openings tbody tr')].map((tr) => {
    const c = tr.cells;
    return [c[0].textContent, c[1].firstChild.value, c[2].firstChild.value, c[3].textContent, c[5].textContent];
  }));
}

// Kills the browser on PROFILE as a dying battery would: no unload, no
// last write.
export function killBrowser(profile) {
  for (const pid of readdirSync('/proc').filter((p) => /^\d+$/.test(p))) {
    let cmd = '';
    try {
      cmd = readFileSync(`/proc/${pid}/cmdline`, 'utf8');
    } catch {
      continue;
    }
    if (cmd.includes(`--user-data-dir=${profile}`) && !cmd.includes('--type=')) process.kill(Number(pid), 'SIGKILL');
  }
}

// Gives FILE to the page's picker that CLICK opens.
export async function chooseFile(page, click, file) {
  const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.click(click)]);
  await chooser.setFiles(file);
}

// The bytes the page downloads when CLICK is pressed.
export async function downloaded(page, click) {
  const [download] = await Promise.all([page.waitForEvent('download'), page.click(click)]);
  return { name: download.suggestedFilename(), bytes: readFileSync(await download.path()) };
}
