// What the page costs a browser, beside an empty page measured in the same
// run: the bytes it takes (each file as stored and gzipped, as a web server
// sends it) and the time from opening it, served from 127.0.0.1, in headless
// Chromium to the menu painted on the screen, by the page's own clock, the
// median of several openings, each in a fresh browser context as on a first
// visit; the empty page is timed to its load event. Both at full speed and
// with the processor slowed 4 times, as on a mid-range phone. Times vary with
// the machine, so the ratios are the figures to compare; another build of the
// page (an earlier one, say) is measured in the same run when named too.
//
// Usage: node bench/otwarcie.js [PAGE_DIR [OTHER_PAGE_DIR]]
//   (default: build/web/page; build the web preset first; Chromium is
//   /usr/bin/chromium, or KALKULATOR_CHROMIUM)
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const { launch } = require('../tests/web/chromium');
const { serve, url, stop } = require('../tests/web/serwer');
const { MENU_8 } = require('../tests/web/strona');

const pageDirs = (process.argv.length > 2 ? process.argv.slice(2) : ['build/web/page'])
  .map((dir) => path.resolve(dir));
const chromium = process.env.KALKULATOR_CHROMIUM || '/usr/bin/chromium';
const OPENINGS = 25;
const SLOWDOWNS = [1, 4];

const kib = (bytes) => (bytes / 1024).toFixed(0);
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Milliseconds from the start of the navigation, by the page's own clock:
// to the load event of an empty page, or to the menu's last line painted on
// the screen, which an observer installed before the page's scripts notes:
// once the line is in the page, the frame that draws it, then the task after
// that frame.
async function opening(browser, address, slowdown, ready) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  const cdp = await page.createCDPSession();
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: slowdown });
  await page.evaluateOnNewDocument((line) => {
    new MutationObserver((changes, observer) => {
      const ekran = document.getElementById('ekran');
      if (ekran !== null && ekran.textContent.includes(line)) {
        observer.disconnect();
        requestAnimationFrame(() => setTimeout(() => {
          window.kalkulatorMenu = performance.now();
        }));
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
  for (const pageDir of pageDirs) {
    let raw = 0;
    let gzipped = 0;
    console.log(`${pageDir}:\n\n| file | KiB | gzipped KiB |\n|---|---:|---:|`);
    for (const name of fs.readdirSync(pageDir).sort()) {
      const bytes = fs.readFileSync(path.join(pageDir, name));
      const packed = zlib.gzipSync(bytes, { level: 9 }).length;
      raw += bytes.length;
      gzipped += packed;
      console.log(`| ${name} | ${kib(bytes.length)} | ${kib(packed)} |`);
    }
    console.log(`| the whole page | ${kib(raw)} | ${kib(gzipped)} |\n`);
  }

  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'kalkulator-bench-'));
  fs.writeFileSync(path.join(work, 'empty.html'),
    '<!DOCTYPE html><html lang="pl"><title>-</title></html>\n');
  const pages = [];
  for (const pageDir of pageDirs) {
    pages.push(await serve(pageDir));
  }
  const empty = await serve(work);
  const browser = await launch(chromium, work);
  try {
    const heads = pages.map((_, i) => `page ${i + 1}, to the menu painted: median ms | ratio`);
    console.log(`| processor | empty page, to load: median ms | ${heads.join(' | ')} |`);
    console.log(`|---|---:|${pages.map(() => '---:|---:|').join('')}`);
    for (const slowdown of SLOWDOWNS) {
      const times = { empty: [], pages: pages.map(() => []) };
      for (const page of pages) {
        await opening(browser, url(page), slowdown, MENU_8); // warm-up
      }
      for (let i = 0; i < OPENINGS; i++) {
        times.empty.push(await opening(browser, url(empty) + 'empty.html', slowdown, null));
        for (const [j, page] of pages.entries()) {
          times.pages[j].push(await opening(browser, url(page), slowdown, MENU_8));
        }
      }
      const blank = median(times.empty);
      const cells = times.pages.map((t) => {
        const menu = median(t);
        return `${menu.toFixed(0)} | ${(menu / blank).toFixed(2)}`;
      });
      const speed = slowdown === 1 ? 'full speed' : `slowed ${slowdown} times`;
      console.log(`| ${speed} | ${blank.toFixed(0)} | ${cells.join(' | ')} |`);
    }
  } finally {
    await browser.close();
    for (const page of pages) {
      await stop(page);
    }
    await stop(empty);
    fs.rmSync(work, { recursive: true, force: true });
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
