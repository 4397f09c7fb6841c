// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Gives the site's files names that carry a hash of their content
// (style.css -> style.3f9a0c12d4.css), so that a server may let browsers
// keep them for good, and writes the new names into every file that names
// them. A file is hashed after the files it names, since their new names
// are part of its content. The pages and the manifest keep their names:
// their addresses are what users, links and installed apps know.
//
//   node scripts/hash-site.mjs SITE NAMES
//
// NAMES (a JSON file, outside the site) receives each old name's new one,
// for the tools and the tests that look into the site.
import { createHash } from 'node:crypto';
import { readdirSync, readFileSync, renameSync, writeFileSync } from 'node:fs';
import path from 'node:path';

const KEEP = new Set(['index.html', 'report.html', 'manifest.webmanifest', 'sw.js']);
const TEXT = /\.(html|js|css|webmanifest|json)$/;

const [site, namesFile] = process.argv.slice(2);
if (!site || !namesFile) {
  console.error('usage: hash-site.mjs SITE NAMES');
  process.exit(2);
}

const escape = (name) => name.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');
// A name as a file names another: not part of a longer name.
const mention = (name) => new RegExp(`(?<![\\w.-])${escape(name)}(?![\\w-])`, 'g');

const names = readdirSync(site).filter((n) => !n.endsWith('.gz') && !n.endsWith('.br'));
const hashed = new Map(); // old name -> new name
const content = new Map(names.map((n) => [n, readFileSync(path.join(site, n))]));
const named = new Map(names.map((n) => {
  if (!TEXT.test(n)) return [n, []];
  const text = content.get(n).toString('utf8');
  return [n, names.filter((other) => other !== n && mention(other).test(text))];
}));

function rewrite(name) {
  if (!TEXT.test(name)) return content.get(name);
  let text = content.get(name).toString('utf8');
  for (const other of named.get(name)) text = text.replace(mention(other), hashed.get(other) ?? other);
  return Buffer.from(text, 'utf8');
}

let left = names.filter((n) => !KEEP.has(n));
while (left.length) {
  const ready = left.filter((n) => named.get(n).every((o) => KEEP.has(o) || hashed.has(o)));
  if (!ready.length) throw new Error(`files that name each other: ${left.join(', ')}`);
  for (const name of ready) {
    const bytes = rewrite(name);
    const hash = createHash('sha256').update(bytes).digest('hex').slice(0, 10);
    const ext = path.extname(name);
    const fresh = `${path.basename(name, ext)}.${hash}${ext}`;
    writeFileSync(path.join(site, name), bytes);
    renameSync(path.join(site, name), path.join(site, fresh));
    hashed.set(name, fresh);
  }
  left = left.filter((n) => !hashed.has(n));
}
for (const name of names.filter((n) => KEEP.has(n) && TEXT.test(n)))
  writeFileSync(path.join(site, name), rewrite(name));
writeFileSync(namesFile, `${JSON.stringify(Object.fromEntries(hashed), null, 1)}\n`);
console.log(`hash-site.mjs: ${hashed.size} files named by their content`);
