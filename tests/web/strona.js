// What the page's tests share: the page unpacked from its zip, the console
// as shown, waiting for it, the program's texts (as every test has them) and
// the page's own that mark the end of a run.
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');
const path = require('path');

exports.TEKSTY = require('../e2e/teksty.json');
exports.MENU_8 = exports.TEKSTY.menu.at(-1);
exports.END = 'Program zakończył działanie.';
exports.TIMEOUT = 20000;

// The zip unpacked into WORK, as a user does: the page's folder.
exports.unpack = (zip, work) => {
  execFileSync('unzip', ['-q', zip, '-d', work]);
  return path.join(work, fs.readdirSync(work).find((name) => name.startsWith('kalkulator-')));
};

// The lines of the program's current run on the console (earlier runs stay
// above it), as an expression for the page to evaluate.
exports.LINES = "(document.querySelector('#ekran > pre:last-child') || { textContent: '' })" +
  ".textContent.split('\\n')";

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

exports.showing = (text) => (lines) => lines.some((line) => line.includes(text));

// Runs main, and says how it went as test runners do.
exports.run = (main) => main().then(() => {
  console.log('1 passed, 0 failed');
}, (error) => {
  console.error(error);
  console.log('0 passed, 1 failed');
  process.exit(1);
});
