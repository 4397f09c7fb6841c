// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the installable page's icons (192 and 512 px) from the window's
// icon, and the logo as PNG from the window's JPEG, with the browser the
// tests use, so no image tool is needed.
// Usage: node scripts/make-web-icons.mjs ICON.png LOGO.jpg OUT_DIR
import { readFile, mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { chromium } from 'playwright-core';

const [icon, logo, outDir] = process.argv.slice(2);
const png = (await readFile(icon)).toString('base64');
const jpeg = (await readFile(logo)).toString('base64');
const profile = await mkdtemp(path.join(tmpdir(), 'kavro-icons-'));
const context = await chromium.launchPersistentContext(profile, {
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  headless: true,
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run'],
});
try {
  const page = await context.newPage();
  for (const size of [192, 512]) {
    await page.setViewportSize({ width: size, height: size });
    await page.setContent(
      `<body style="margin:0;background:transparent"><img style="width:${size}px;height:${size}px;image-rendering:auto" src="data:image/png;base64,${png}"></body>`,
    );
    await page.waitForFunction(() => document.images[0].complete);
    await page.screenshot({ path: path.join(outDir, `icon-${size}.png`), omitBackground: true });
  }
  await page.setContent(`<body style="margin:0"><img src="data:image/jpeg;base64,${jpeg}"></body>`);
  await page.waitForFunction(() => document.images[0].complete);
  const img = await page.$('img');
  await img.screenshot({ path: path.join(outDir, 'logo.png') });
} finally {
  await context.close();
  await rm(profile, { recursive: true, force: true });
}
