// The page as a user has it: the zip unpacked into a folder, opened from
// file:// in headless Chromium with the network off, and used with the
// keyboard, on a phone's screen and on a desktop's. Saves a screenshot of
// each beside the zip.
//
// Usage: node browser.js ZIP CHROMIUM
'use strict';
const assert = require('assert');
const { execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { launch } = require('./chromium');

const [zip, chromium] = process.argv.slice(2);
const MENU_8 = '[8] Oblicz Tolerancje Kondensatora Po Literze';
const END = 'Program zakończył działanie.';
const TIMEOUT = 20000;

// The rows of the terminal, as shown.
function screen(page) {
  return page.$$eval('.xterm-rows > div',
    (rows) => rows.map((row) => row.textContent.replace(/\u00a0/g, ' ').trimEnd()));
}

async function waitFor(page, what, test) {
  const deadline = Date.now() + TIMEOUT;
  for (;;) {
    const rows = await screen(page);
    if (test(rows)) {
      return rows;
    }
    if (Date.now() > deadline) {
      throw new Error(`waited for ${what}; the screen shows:\n${rows.join('\n')}`);
    }
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}
const showing = (text) => (rows) => rows.some((row) => row.includes(text));

async function type(page, keys) {
  for (const key of keys) {
    if (key.length > 1) {
      await page.keyboard.press(key);
    } else {
      await page.keyboard.type(key);
    }
  }
}

async function main() {
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'kalkulator-web-'));
  const browser = await launch(chromium, work);
  try {
    execFileSync('unzip', ['-q', zip, '-d', work]);
    const folder = fs.readdirSync(work).find((name) => name.startsWith('kalkulator-'));
    const url = 'file://' + path.join(work, folder, 'index.html');

    const page = await browser.newPage();
    await page.setOfflineMode(true);
    const outside = [];
    page.on('request', (request) => {
      if (!/^(file|data):/.test(request.url())) {
        outside.push(request.url());
      }
    });
    const errors = [];
    page.on('pageerror', (error) => errors.push(String(error)));

    // A phone: 360 CSS pixels wide.
    await page.setViewport({ width: 360, height: 740, deviceScaleFactor: 2, isMobile: true,
      hasTouch: true });
    await page.goto(url);
    const menu = await waitFor(page, 'the menu', showing(MENU_8));
    assert.ok(menu.includes(MENU_8), 'the longest menu line is not on one row');
    const layout = await page.evaluate(() => ({
      lang: document.documentElement.lang,
      scrollWidth: document.documentElement.scrollWidth,
      width: window.innerWidth,
      fontSize: parseFloat(getComputedStyle(document.querySelector('.xterm-rows')).fontSize),
      screenReader: document.querySelector('.xterm-accessibility') !== null,
    }));
    assert.strictEqual(layout.lang, 'pl');
    assert.ok(layout.scrollWidth <= layout.width,
      `the page scrolls sideways: ${layout.scrollWidth} px in ${layout.width}`);
    assert.ok(layout.fontSize >= 12, `text of ${layout.fontSize} px`);
    assert.ok(layout.screenReader, 'no screen reader support');

    // Option 1, with a typing mistake corrected by Backspace.
    await page.click('#terminal');
    await type(page, ['1', 'Enter']);
    let rows = await waitFor(page, 'the first prompt', showing('Prosze podac Napiecie w Woltach:'));
    assert.ok(!rows.some((row) => row.includes('[1] Oblicz')), 'the menu was not cleared');
    await type(page, ['1', '1', 'Backspace', '0', 'Enter']);
    await waitFor(page, 'the second prompt', showing('Prosze podac Prad w Amperach:'));
    await type(page, ['4', 'Enter']);
    rows = await waitFor(page, 'the result', showing('2.5 Ohm'));
    assert.deepStrictEqual(rows.filter((row) => row !== ''), [
      'Prosze podac Napiecie w Woltach: 10', 'Prosze podac Prad w Amperach: 4', '2.5 Ohm']);
    assert.ok(await page.$eval('#ponownie', (button) => button.hidden), 'ended before the wait');
    await type(page, ['z', 'Enter']);
    await waitFor(page, 'the end of the run', showing(END));
    await page.waitForSelector('#ponownie:not([hidden])', { timeout: TIMEOUT });
    await page.screenshot({ path: path.join(path.dirname(zip), 'strona-telefon.png') });

    // Again, and Ctrl-D ends the input: the letter's result line stays empty.
    await page.click('#ponownie');
    await waitFor(page, 'the menu again', (r) => r.includes(MENU_8) && !r.some((x) => x.includes(END)));
    await page.click('#terminal');
    await type(page, ['8', 'Enter']);
    await waitFor(page, 'the letter prompt', showing('Prosze Podac Litere z Kondensatora:'));
    await page.keyboard.down('Control');
    await page.keyboard.press('KeyD');
    await page.keyboard.up('Control');
    await waitFor(page, 'the end after Ctrl-D', showing(END));

    // A desktop: the console window at its full size.
    await page.setViewport({ width: 1280, height: 800 });
    await page.reload();
    await waitFor(page, 'the menu on a desktop', showing(MENU_8));
    const desktop = await page.evaluate(() => ({
      fontSize: parseFloat(getComputedStyle(document.querySelector('.xterm-rows')).fontSize),
      columns: document.querySelector('.xterm-rows > div').textContent.length,
    }));
    assert.strictEqual(desktop.fontSize, 16);
    await page.screenshot({ path: path.join(path.dirname(zip), 'strona-komputer.png') });

    assert.deepStrictEqual(outside, [], 'the page asked the network');
    assert.deepStrictEqual(errors, [], 'the page had errors');
    console.log('1 passed, 0 failed');
  } finally {
    await browser.close();
    fs.rmSync(work, { recursive: true, force: true });
  }
}

main().catch((error) => {
  console.error(error);
  console.log('0 passed, 1 failed');
  process.exit(1);
});
