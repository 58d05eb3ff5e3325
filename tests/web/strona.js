// What the page's tests share: the program's texts and the page's end of a
// run, the console's lines, and a test's run on the zip as a user unpacks it.
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

exports.TEKSTY = require('../teksty.json');
exports.MENU_LAST = exports.TEKSTY.menu.at(-1);
exports.END = 'Program zakończył działanie.';
exports.TIMEOUT = 20000;

// The current run's lines (earlier runs stay above it), for the page to evaluate.
exports.LINES = "(document.querySelector('#ekran > pre:last-child') || { textContent: '' })" +
  ".textContent.split('\\n')";

exports.showing = (text) => (lines) => lines.some((line) => line.includes(text));

// Waits until test(lines) holds for what read() returns.
exports.waitFor = async (read, what, test) => {
  const deadline = Date.now() + exports.TIMEOUT;
  for (;;) {
    const lines = await read();
    if (test(lines)) {
      return lines;
    }
    if (Date.now() > deadline) {
      throw new Error(`waited for ${what}; the console shows:\n${lines.join('\n')}`);
    }
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
};

// test(page, work): PAGE the page's folder unpacked from ZIP into WORK, a
// fresh folder removed after; the outcome as test runners say it.
exports.run = (zip, test) => {
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'kalkulator-web-'));
  execFileSync('unzip', ['-q', zip, '-d', work]);
  const page = path.join(work, fs.readdirSync(work).find((name) => name.startsWith('kalkulator-')));
  test(page, work).finally(() => fs.rmSync(work, { recursive: true, force: true })).then(() => {
    console.log('1 passed, 0 failed');
  }, (error) => {
    console.error(error);
    console.log('0 passed, 1 failed');
    process.exit(1);
  });
};
