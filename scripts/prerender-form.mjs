// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the first screen into the site's index.html at build time: the
// core, run under node, builds the form from its layout and shows its
// starting state with the page's own form builder and state view, on a
// DOM made in node. The browser then paints the form at once; the page
// takes it over when the module has loaded.
//
//   node scripts/prerender-form.mjs SITE (before the files are hashed)
import { readFileSync, rmSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { parseHTML } from 'linkedom';
import './lib/node-crypto.mjs';

const site = path.resolve(process.argv[2] ?? '');
const indexFile = path.join(site, 'index.html');
const { window, document } = parseHTML(readFileSync(indexFile, 'utf8'));
globalThis.window = window;
globalThis.document = document;
// The state view fills lists with the browser's Option constructor.
globalThis.Option = function Option(text, value) {
  const option = document.createElement('option');
  option.textContent = text;
  option.setAttribute('value', value);
  return option;
};

// What the state view uses of the browser's tables, which node's DOM
// lacks: rows and cells as lists, added and taken at the end.
function tablesAsInBrowsers() {
  const kids = (el, tags) => [...el.children].filter((c) => tags.includes(c.tagName));
  const define = (tag, props) => Object.defineProperties(Object.getPrototypeOf(document.createElement(tag)), props);
  define('table', { tBodies: { get() { return kids(this, ['TBODY']); } } });
  define('tbody', {
    rows: { get() { return kids(this, ['TR']); } },
    insertRow: { value() { return this.appendChild(document.createElement('tr')); } },
    deleteRow: { value() { this.rows.at(-1)?.remove(); } },
  });
  define('tr', {
    cells: { get() { return kids(this, ['TD', 'TH']); } },
    deleteCell: { value() { this.cells.at(-1)?.remove(); } },
  });
}

// A property the page sets is an attribute in the HTML written here.
function propertiesToAttributes() {
  for (const el of document.querySelectorAll('input')) {
    if (el.checked === true) el.setAttribute('checked', '');
    if (el.readOnly === true) el.setAttribute('readonly', '');
  }
  for (const list of document.querySelectorAll('select'))
    list.children[list.selectedIndex]?.setAttribute('selected', '');
  for (const cell of document.querySelectorAll('th'))
    if (cell.scope) cell.setAttribute('scope', cell.scope);
}

tablesAsInBrowsers();

// The site's scripts are ES modules; node learns it from a package.json
// beside them, there only while they are imported.
const marker = path.join(site, 'package.json');
writeFileSync(marker, '{ "type": "module" }\n');
let modules;
try {
  const load = (name) => import(pathToFileURL(path.join(site, name)));
  modules = await Promise.all(['kavro-core.js', 'form-builder.js', 'state-view.js'].map(load));
} finally {
  rmSync(marker);
}
const [{ default: createKavroCore }, { FormBuilder }, { StateView }] = modules;

// The page's policy allows no style attributes in its HTML: the places
// the form builder gave its elements go into a stylesheet of their own.
function placesToStylesheet() {
  const rules = [];
  document.querySelectorAll('[style]').forEach((el, i) => {
    el.dataset.place = String(i);
    rules.push(`[data-place="${i}"] { ${el.getAttribute('style')} }`);
    el.removeAttribute('style');
  });
  writeFileSync(path.join(site, 'form-place.css'), `${rules.join('\n')}\n`);
  const link = document.createElement('link');
  link.setAttribute('rel', 'stylesheet');
  link.setAttribute('href', 'form-place.css');
  document.head.append(link);
}

const core = await createKavroCore({ wasmBinary: readFileSync(path.join(site, 'kavro-core.wasm')) });
const calc = new core.OrderCalculator();
const root = document.getElementById('form');
document.getElementById('loading').remove();
const form = new FormBuilder(root).build(JSON.parse(calc.formLayout()));
const view = new StateView(calc, form);
view.showAll();
view.apply(JSON.parse(calc.start()));
// Shown, not yet working: nothing takes a click or a key before the page
// has taken the form over.
propertiesToAttributes();
root.setAttribute('inert', '');
root.dataset.prerendered = '';
placesToStylesheet();
writeFileSync(indexFile, document.toString());
console.log('prerender-form.mjs: the first screen is in index.html');
