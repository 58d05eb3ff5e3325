// What the page costs a browser, beside an empty page measured in the same
// run: the bytes it takes (each file as stored and gzipped, as a web server
// sends it) and the time from opening it from file:// in headless Chromium
// to the menu on the screen, the median of several openings; the empty page
// is timed to its load event. Times vary with the machine, so their ratio is
// the figure to compare.
//
// Usage: node bench/strona.js [PAGE_DIR] [CHROMIUM]
//   (default: build/web/page, /usr/bin/chromium; build the web preset first)
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const { launch } = require('../tests/web/chromium');

const pageDir = path.resolve(process.argv[2] || 'build/web/page');
const chromium = process.argv[3] || '/usr/bin/chromium';
const OPENINGS = 15;
const MENU_8 = '[8] Oblicz Tolerancje Kondensatora Po Literze';

const kib = (bytes) => (bytes / 1024).toFixed(0);
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function opening(browser, url, ready) {
  const page = await browser.newPage();
  const start = process.hrtime.bigint();
  await page.goto(url, { waitUntil: 'load' });
  if (ready) {
    await page.waitForFunction((line) => {
      const rows = document.querySelector('.xterm-rows');
      return rows !== null && rows.textContent.replace(/\u00a0/g, ' ').includes(line);
    }, { polling: 'raf' }, ready);
  }
  const milliseconds = Number(process.hrtime.bigint() - start) / 1e6;
  await page.close();
  return milliseconds;
}

async function main() {
  let raw = 0;
  let gzipped = 0;
  console.log('| file | KiB | gzipped KiB |\n|---|---:|---:|');
  for (const name of fs.readdirSync(pageDir).sort()) {
    const bytes = fs.readFileSync(path.join(pageDir, name));
    const packed = zlib.gzipSync(bytes, { level: 9 }).length;
    raw += bytes.length;
    gzipped += packed;
    console.log(`| ${name} | ${kib(bytes.length)} | ${kib(packed)} |`);
  }
  console.log(`| the whole page | ${kib(raw)} | ${kib(gzipped)} |\n`);

  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'kalkulator-bench-'));
  const empty = path.join(work, 'empty.html');
  fs.writeFileSync(empty, '<!DOCTYPE html><html lang="pl"><title>-</title></html>\n');
  const browser = await launch(chromium, work);
  try {
    const times = { empty: [], page: [] };
    await opening(browser, 'file://' + path.join(pageDir, 'index.html'), MENU_8); // warm-up
    for (let i = 0; i < OPENINGS; i++) {
      times.empty.push(await opening(browser, 'file://' + empty, null));
      times.page.push(await opening(browser, 'file://' + path.join(pageDir, 'index.html'), MENU_8));
    }
    const blank = median(times.empty);
    const menu = median(times.page);
    console.log('| opened | median ms | vs empty page |\n|---|---:|---:|');
    console.log(`| empty page, to load | ${blank.toFixed(0)} | 1.00 |`);
    console.log(`| kalkulator, to the menu | ${menu.toFixed(0)} | ${(menu / blank).toFixed(2)} |`);
  } finally {
    await browser.close();
    fs.rmSync(work, { recursive: true, force: true });
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
