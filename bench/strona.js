// What the page costs a browser, beside an empty page measured in the same
// run: the bytes it takes (each file as stored and gzipped, as a web server
// sends it) and the time from opening it, served from 127.0.0.1, in headless
// Chromium to the menu on the screen, by the page's own clock, the median of
// several openings, each in a fresh browser context as on a first visit; the
// empty page is timed to its load event. Both at full speed and with the processor slowed 4 times,
// as on a mid-range phone. Times vary with the machine, so the ratios are the
// figures to compare.
//
// Usage: node bench/strona.js [PAGE_DIR] [CHROMIUM]
//   (default: build/web/page, /usr/bin/chromium; build the web preset first)
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const { launch } = require('../tests/web/chromium');
const { serve, url, stop } = require('../tests/web/serwer');
const { MENU_8 } = require('../tests/web/strona');

const pageDir = path.resolve(process.argv[2] || 'build/web/page');
const chromium = process.argv[3] || '/usr/bin/chromium';
const OPENINGS = 25;
const SLOWDOWNS = [1, 4];

const kib = (bytes) => (bytes / 1024).toFixed(0);
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Milliseconds from the start of the navigation, by the page's own clock:
// to the load event of an empty page, or to the menu's last line on the
// screen, which an observer installed before the page's scripts notes.
async function opening(browser, address, slowdown, ready) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  const cdp = await page.createCDPSession();
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: slowdown });
  await page.evaluateOnNewDocument((line) => {
    new MutationObserver((changes, observer) => {
      const ekran = document.getElementById('ekran');
      if (ekran !== null && ekran.textContent.includes(line)) {
        window.kalkulatorMenu = performance.now();
        observer.disconnect();
      }
    }).observe(document, { subtree: true, childList: true, characterData: true });
  }, ready || '');
  await page.goto(address, { waitUntil: 'load' });
  let milliseconds;
  if (ready) {
    milliseconds = await (await page.waitForFunction(() => window.kalkulatorMenu)).jsonValue();
  } else {
    milliseconds = await page.evaluate(() => performance.getEntriesByType('navigation')[0].loadEventEnd);
  }
  await context.close();
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
  fs.writeFileSync(path.join(work, 'empty.html'),
    '<!DOCTYPE html><html lang="pl"><title>-</title></html>\n');
  const page = await serve(pageDir);
  const empty = await serve(work);
  const browser = await launch(chromium, work);
  try {
    console.log('| processor | empty page, to load: median ms | kalkulator, to the menu: median ms | ratio |');
    console.log('|---|---:|---:|---:|');
    for (const slowdown of SLOWDOWNS) {
      const times = { empty: [], page: [] };
      await opening(browser, url(page), slowdown, MENU_8); // warm-up
      for (let i = 0; i < OPENINGS; i++) {
        times.empty.push(await opening(browser, url(empty) + 'empty.html', slowdown, null));
        times.page.push(await opening(browser, url(page), slowdown, MENU_8));
      }
      const blank = median(times.empty);
      const menu = median(times.page);
      const speed = slowdown === 1 ? 'full speed' : `slowed ${slowdown} times`;
      console.log(`| ${speed} | ${blank.toFixed(0)} | ${menu.toFixed(0)} | ${(menu / blank).toFixed(2)} |`);
    }
  } finally {
    await browser.close();
    await stop(page);
    await stop(empty);
    fs.rmSync(work, { recursive: true, force: true });
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
