// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A real kavro-server on a data folder of its own, serving the built site
// and the API from one origin, with a firm whose admin is `admin`; and the
// page's account entry driven as a user does.
import { spawn, spawnSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import net from 'node:net';
import path from 'node:path';
import { ROOT, SITE } from './harness.mjs';

const SERVER = process.env.KAVRO_SERVER ?? path.join(ROOT, 'build/tools/kavro-server');
export const serverMissing = !existsSync(SERVER) && 'build/tools/kavro-server is not built';
export const ADMIN_PASSWORD = 'admin-password-1';

const freePort = () => new Promise((resolve) => {
  const probe = net.createServer().listen(0, '127.0.0.1', () => {
    const { port } = probe.address();
    probe.close(() => resolve(port));
  });
});

export async function startFirmServer() {
  const data = await mkdtemp(path.join(tmpdir(), 'kavro-firm-test-'));
  const admin = (args, input = '') => {
    const run = spawnSync(SERVER, ['--data', data, ...args], { input, encoding: 'utf8' });
    if (run.status !== 0) throw new Error(`kavro-server ${args[0]}: ${run.stderr}`);
  };
  admin(['add-firm', 'Фирма']);
  admin(['add-user', 'Фирма', 'admin', '--role', 'admin'], `${ADMIN_PASSWORD}\n`);
  const port = await freePort();
  const child = spawn(SERVER, ['--listen', `127.0.0.1:${port}`, '--data', data, '--site', SITE], { stdio: 'ignore' });
  const url = `http://127.0.0.1:${port}/`;
  for (let i = 0; ; i += 1) {
    if (await fetch(`${url}healthz`).then((r) => r.ok, () => false)) break;
    if (i > 100 || child.exitCode !== null) throw new Error('kavro-server did not start');
    await new Promise((r) => setTimeout(r, 100));
  }
  const exited = new Promise((r) => child.once('exit', r));
  return { url, stop: async () => (child.kill('SIGTERM'), await exited, rm(data, { recursive: true, force: true })) };
}

// A client of the API as a script is, signed in as LOGIN.
export async function apiAs(url, login, password) {
  const signIn = await fetch(`${url}api/v1/sign-in`, { method: 'POST', body: JSON.stringify({ login, password }) });
  const cookie = signIn.headers.get('set-cookie').split(';')[0];
  return (method, route, body) => fetch(`${url}api/v1/${route}`, { method, body, headers: { cookie } })
    .then((r) => r.json());
}

// On a phone the account's entry is in the menu.
export async function press(page, selector) {
  if (!(await page.isVisible(selector))) await page.click('#menu-button');
  await page.click(selector);
}

export async function signIn(page, login, password) {
  await press(page, '#account-button');
  await page.fill('#sign-in-login', login);
  await page.fill('#sign-in-password', password);
  await page.click('#sign-in-dialog [type=submit]');
}
