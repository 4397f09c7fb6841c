// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The firm's papers from the page against the native programs': the
// Word documents hold the same text, run by run, as the ones kavro-script
// and kavro-order write on the same example letterhead (the date aside).
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { copyFile, mkdtemp, rm, writeFile } from 'node:fs/promises';
import { existsSync, readFileSync } from 'node:fs';
import { spawnSync } from 'node:child_process';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { startServer, launch, openPage, siteMissing, ROOT } from './harness.mjs';
import { chooseFile, downloaded, listedRows, orderToolMissing, KAVRO_ORDER } from './orders-harness.mjs';

const LETTERHEAD = path.join(ROOT, 'build/packaging/KavroBlank.docx');
const SCRIPT = path.join(ROOT, 'build/tools/kavro-script');
const skip = siteMissing || orderToolMissing || (!existsSync(LETTERHEAD) && 'build/packaging/KavroBlank.docx is not built');

let server;
let work;
before(async () => {
  if (skip) return;
  server = await startServer();
  work = await mkdtemp(path.join(tmpdir(), 'kavro-papers-test-'));
  // The native programs beside the example letterhead, as installed, and
  // with no firm's details of the user's.
  for (const program of [KAVRO_ORDER, SCRIPT]) await copyFile(program, path.join(work, path.basename(program)));
  await copyFile(LETTERHEAD, path.join(work, 'KavroBlank.docx'));
});
after(async () => {
  await server?.stop();
  if (work) await rm(work, { recursive: true, force: true });
});

// The file OUT that a native program writes, as bytes.
function native(program, args, out, input) {
  const run = spawnSync(path.join(work, program), args, {
    cwd: ROOT, input, encoding: 'utf8', env: { ...process.env, XDG_CONFIG_HOME: work, QT_QPA_PLATFORM: 'offscreen' },
  });
  assert.equal(run.status, 0, run.stderr);
  return readFileSync(out);
}

// The parts of a zip (.docx, .xlsx) that hold what it says, as one text.
function unzipped(bytes, parts) {
  const read = spawnSync('python3', ['-c', `import io, sys, zipfile
z = zipfile.ZipFile(io.BytesIO(sys.stdin.buffer.read()))
sys.stdout.write(''.join(z.read(p).decode() for p in sys.argv[1:]))`, ...parts], { input: bytes });
  assert.equal(read.status, 0, read.stderr.toString());
  return read.stdout.toString();
}

// The texts of a Word document, one per run, the date and number masked.
const runs = (docx) => [...unzipped(docx, ['word/document.xml']).matchAll(/<w:t(?: [^>]*)?>([^<]*)<\/w:t>/g)]
  .map(([, text]) => text.replace(/\d\d\.\d\d\.\d{4}/g, 'DATE').replace(/№ \d{6}-\d{4}/, '№ N'));
// Waits until the field SELECTOR holds VALUE (the page's policy allows no
// predicate evaluated in it).
async function holds(page, selector, value) {
  for (let i = 0; (await page.inputValue(selector)) !== value; i += 1) {
    assert.ok(i < 100, `${selector} never held ${value}`);
    await page.waitForTimeout(100);
  }
}

const sheet = (xlsx) => unzipped(xlsx, ['xl/worksheets/sheet1.xml', 'xl/sharedStrings.xml']);

test('the report\'s Word document is kavro-script\'s text on the example letterhead', { skip }, async () => {
  const browser = await launch();
  try {
    const page = await openPage(browser.context, server.url);
    const single = await downloaded(page, '#Button1');
    assert.match(single.name, /^Подбор привода \d{4}-\d\d-\d\d \d\d-\d\d-\d\d\.docx$/);
    const out = path.join(work, 'single.docx');
    const expected = runs(native('kavro-script', [], out, `start\nreport ${out}\n`));
    assert.ok(expected.includes('НАЗВАНИЕ ОРГАНИЗАЦИИ'));
    assert.deepEqual(runs(single.bytes), expected);
  } finally {
    await browser.close();
  }
});

// The desktop's firm.json and its logo, imported in one pick, make the
// letterhead of the Word documents as they make kavro-order's; the browser
// keeps them for the next visit. A damaged file or a logo that is no
// picture is refused in the core's words and changes nothing kept.
test('the firm\'s details come in with their logo, head the papers and are kept', { skip }, async () => {
  const browser = await launch();
  try {
    const page = await openPage(browser.context, server.url);
    await page.click('#firm-button');
    await chooseFile(page, '#firm-import', [path.join(ROOT, 'examples/firm.json'), path.join(ROOT, 'examples/firm-logo.png')]);
    await holds(page, '#firmLogo', 'firm-logo.png');
    assert.equal(await page.inputValue('#firmInn'), '6900000000');
    await page.click('#firm-ok');

    await chooseFile(page, '#order-open', path.join(ROOT, 'examples/house.kavro'));
    await page.waitForSelector('#openings tbody tr:nth-child(5)');
    const order = await downloaded(page, '#order-report');
    assert.equal(order.name, 'Отчёт по заказу.docx');
    const out = path.join(work, 'firm.docx');
    const expected = runs(native('kavro-order', ['report', 'examples/house.kavro', '--firm', 'examples/firm.json', '-o', out], out));
    assert.ok(expected.includes('ООО «Ставни и ворота»'));
    assert.deepEqual(runs(order.bytes), expected);

    const broken = path.join(work, 'bad-firm.json');
    await writeFile(broken, '{"format": "kavro-firm", "version": 1, "inn": "123"}');
    const refusals = [
      [[broken], /bad-firm\.json/],
      [[path.join(ROOT, 'examples/firm.json'), path.join(ROOT, 'examples/house.csv')], /house\.csv/],
    ];
    for (const [files, words] of refusals) {
      await page.click('#firm-button');
      await chooseFile(page, '#firm-import', files);
      await page.waitForSelector('#message[open]');
      assert.match(await page.textContent('#message-text'), words);
      await page.click('#message-ok');
      await page.click('#firm-dialog [value=cancel]');
    }
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    await page.click('#firm-button');
    await holds(page, '#firmName', 'ООО «Ставни и ворота»');
    assert.equal(await page.inputValue('#firmLogo'), 'firm-logo.png');
    // Exported as one archive, the details come back from it alone.
    const archive = await downloaded(page, '#firm-export');
    await writeFile(path.join(work, archive.name), archive.bytes);
    assert.equal(unzipped(archive.bytes, ['firm.json']).includes('"logo": "firm-logo.png"'), true);
    await page.click('#firm-logo-remove');
    await chooseFile(page, '#firm-import', path.join(work, archive.name));
    await holds(page, '#firmLogo', 'firm-logo.png');
  } finally {
    await browser.close();
  }
});

// The quotation from the kept price list, with the order's discount and an
// opening's own installation price set in the page: its CSV is kavro-order's
// bytes, its Word document kavro-order's text (number and date aside), its
// workbook kavro-order's sheet. A price list with a fault changes nothing.
test('the quotation\'s files are kavro-order\'s for the same order and prices', { skip }, async () => {
  const browser = await launch();
  try {
    const page = await openPage(browser.context, server.url);
    await chooseFile(page, '#price-list', path.join(ROOT, 'tests/cli/prices-bad.csv'));
    await page.waitForSelector('#message[open]');
    assert.match(await page.textContent('#message-text'), /Прайс-лист «prices-bad\.csv» не взят:\n/);
    await page.click('#message-ok');
    await chooseFile(page, '#price-list', path.join(ROOT, 'examples/prices.csv'));
    await chooseFile(page, '#order-open', path.join(ROOT, 'examples/house.kavro'));
    await page.waitForSelector('#openings tbody tr:nth-child(5)');
    for (const [button, text] of [['#order-discount', '7,5'], ['#opening-installation', '3100,50']]) {
      await page.click(button);
      await page.fill('#ask-input', text);
      await page.click('#ask-dialog [value=ok]');
    }
    const saved = await downloaded(page, '#order-save');
    const order = path.join(work, 'priced.kavro');
    await writeFile(order, saved.bytes);
    const quote = (out) => native('kavro-order', ['quote', order, '--prices', 'examples/prices.csv', '-o', path.join(work, out)],
      path.join(work, out));
    assert.deepEqual((await downloaded(page, '#quotation-csv')).bytes, quote('q.csv'));
    const docx = await downloaded(page, '#quotation-docx');
    assert.equal(docx.name, 'Коммерческое предложение.docx');
    assert.deepEqual(runs(docx.bytes), runs(quote('q.docx')));
    const workbook = sheet((await downloaded(page, '#quotation-xlsx')).bytes);
    assert.ok(workbook.includes('К оплате'));
    assert.equal(workbook, sheet(quote('q.xlsx')));
  } finally {
    await browser.close();
  }
});

// The openings and the parts list as kavro-order's workbooks; a workbook
// of openings comes back into the page as the same openings.
test('workbooks out are kavro-order\'s and come back in as the same openings', { skip }, async () => {
  const browser = await launch();
  try {
    const page = await openPage(browser.context, server.url);
    await chooseFile(page, '#order-open', path.join(ROOT, 'examples/house.kavro'));
    await page.waitForSelector('#openings tbody tr:nth-child(5)');
    const listed = await listedRows(page);
    for (const [button, command] of [['#openings-export-xlsx', 'export'], ['#parts-export-xlsx', 'bom']]) {
      const out = path.join(work, `${command}.xlsx`);
      const expected = sheet(native('kavro-order', [command, 'examples/house.kavro', '-o', out], out));
      assert.equal(sheet((await downloaded(page, button)).bytes), expected, command);
    }
    await page.click('#orders-button');
    await page.click('#orders-dialog .new-order');
    await page.waitForSelector('#openings tbody tr:nth-child(2)', { state: 'detached' });
    await chooseFile(page, '#openings-import', path.join(work, 'export.xlsx'));
    await page.waitForSelector(`#openings tbody tr:nth-child(${listed.length})`);
    assert.deepEqual(await listedRows(page), listed);
    await chooseFile(page, '#openings-import', path.join(ROOT, 'tests/cli/bad-cells.xlsx'));
    await page.waitForSelector('#message[open]');
    assert.match(await page.textContent('#message-text'), /bad-cells\.xlsx: ячейка B3: /);
  } finally {
    await browser.close();
  }
});

// The words of a text, the date and the quotation's number masked: the
// page and kavro-order make theirs at different moments.
const masked = (text) => text.replace(/\d\d\.\d\d\.\d{4}/g, 'DATE').replace(/\d{6}-\d{4}/g, 'N')
  .split(/\s+/).filter(Boolean);
const pdfWords = (pdf) => {
  const read = spawnSync('pdftotext', ['-raw', '-enc', 'UTF-8', '-', '-'], { input: pdf, encoding: 'utf8' });
  assert.equal(read.status, 0, read.stderr);
  return masked(read.stdout);
};
// Fails with the first place where the words part and a few on either side.
function sameWords(actual, expected, what) {
  let at = 0;
  while (at < Math.max(actual.length, expected.length) && actual[at] === expected[at]) at += 1;
  const near = (words) => words.slice(Math.max(0, at - 5), at + 5).join(' ');
  assert.ok(at === actual.length && at === expected.length,
    `${what}: word ${at} differs\n  page:       …${near(actual)}…\n  kavro-order: …${near(expected)}…`);
  assert.ok(expected.length > 100, `${what}: only ${expected.length} words`);
}

const office = ['soffice', 'libswlo.so', 'libsclo.so'].every((f) => existsSync(`/usr/lib/libreoffice/program/${f}`));
const pdftotext = spawnSync('pdftotext', ['-v']).status === 0;

// LibreOffice converts FILES (in work) with FILTER into OUT, one profile
// for every call.
function libreoffice(filter, out, files) {
  const run = spawnSync('soffice', [`-env:UserInstallation=file://${work}/office-profile`, '--headless',
    '--convert-to', filter, '--outdir', path.join(work, out), ...files.map((f) => path.join(work, f))], { encoding: 'utf8' });
  assert.equal(run.status, 0, run.stderr);
  return (name) => readFileSync(path.join(work, out, name), 'utf8');
}

// A first visit, then the server gone: everything the firm's papers need
// comes from the service worker. The firm, the price list and the order
// come in from the examples; what the page gives is what kavro-order gives
// for them, read by pdftotext and by LibreOffice.
test('offline, the papers of the examples are kavro-order\'s, and LibreOffice reads them', {
  skip: skip || (!pdftotext && 'pdftotext is not installed') || (!office && 'LibreOffice Writer and Calc are not installed'),
}, async () => {
  const site = await startServer();
  const browser = await launch();
  try {
    let page = await openPage(browser.context, site.url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await site.stop();
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');

    await page.click('#firm-button');
    await chooseFile(page, '#firm-import', [path.join(ROOT, 'examples/firm.json'), path.join(ROOT, 'examples/firm-logo.png')]);
    await holds(page, '#firmLogo', 'firm-logo.png');
    await page.click('#firm-ok');
    await chooseFile(page, '#price-list', path.join(ROOT, 'examples/prices.csv'));
    await chooseFile(page, '#order-open', path.join(ROOT, 'examples/house.kavro'));
    await page.waitForSelector('#openings tbody tr:nth-child(5)');

    const given = { 'page-report.docx': '#order-report', 'page-quote.docx': '#quotation-docx', 'page-quote.xlsx': '#quotation-xlsx' };
    for (const [name, button] of Object.entries(given)) await writeFile(path.join(work, name), (await downloaded(page, button)).bytes);
    const opened = browser.context.waitForEvent('page');
    await page.click('#quotation-print');
    page = await opened;
    await page.waitForSelector('body[data-ready="true"]');
    const printed = await page.pdf({ format: 'A4' });

    const firm = ['--firm', 'examples/firm.json'];
    const quote = (out) => native('kavro-order', ['quote', 'examples/house.kavro', '--prices', 'examples/prices.csv', ...firm,
      '-o', path.join(work, out)], path.join(work, out));
    sameWords(pdfWords(printed), pdfWords(quote('native-quote.pdf')), 'the printed quotation');
    quote('native-quote.docx');
    native('kavro-order', ['report', 'examples/house.kavro', ...firm, '-o', path.join(work, 'native-report.docx')],
      path.join(work, 'native-report.docx'));

    const text = libreoffice('txt:Text (encoded):UTF8', 'text',
      ['page-report.docx', 'native-report.docx', 'page-quote.docx', 'native-quote.docx']);
    for (const paper of ['report', 'quote']) {
      const words = masked(text(`page-${paper}.txt`));
      assert.match(text(`page-${paper}.txt`), /ИНН 6900000000/, `${paper}: the letterhead's INN`);
      sameWords(words, masked(text(`native-${paper}.txt`)), `${paper}.docx in LibreOffice`);
    }
    // Tabs between the cells, every text quoted: a number is the cell left bare.
    const csv = libreoffice('csv:Text - txt - csv (StarCalc):9,34,76,1,,0,true', 'calc', ['page-quote.xlsx']);
    const rows = csv('page-quote.csv').split('\n').slice(1).filter(Boolean).map((row) => row.split('\t'));
    const amounts = rows.flatMap((cells) => cells.slice(2, 5)).filter(Boolean);
    assert.deepEqual(amounts.filter((cell) => !/^\d+(\.\d+)?$/.test(cell)), [], 'quantities, prices and sums are numbers');
    assert.ok(amounts.length > 60, `only ${amounts.length} numbers`);
    assert.ok(rows.some((cells) => cells[1] === '"К оплате"' && /^\d/.test(cells[4])), 'the amount due');
  } finally {
    await browser.close();
    await site.stop();
  }
});
