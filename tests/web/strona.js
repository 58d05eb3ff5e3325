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

// Which of TEXTS (the newest of each in the current run) and of the elements
// named by SELECTORS the user does not see whole: outside the console's box
// or the visual viewport, which the on-screen keyboard makes shorter. Text
// wraps, and only its rows count: a blank where a row breaks may hang past
// the edge.
exports.HIDDEN = (texts, selectors) => {
  const view = window.visualViewport;
  const box = document.getElementById('ekran').getBoundingClientRect();
  const within = (rect, area, rows) => rect.height > 0 && rect.top >= area.top - 1 &&
    rect.bottom <= area.bottom + 1 &&
    (rows || (rect.left >= area.left - 1 && rect.right <= area.right + 1));
  const screen = { top: view.offsetTop, bottom: view.offsetTop + view.height,
    left: view.offsetLeft, right: view.offsetLeft + view.width };
  const walker = document.createTreeWalker(document.querySelector('#ekran > pre:last-child'),
    NodeFilter.SHOW_TEXT);
  const nodes = [];
  let text = '';
  for (let node; (node = walker.nextNode()); text += node.data) {
    nodes.push({ node, start: text.length });
  }
  const at = (offset, end) => {
    const found = nodes.filter((n) => (end ? n.start < offset : n.start <= offset)).pop();
    return [found.node, offset - found.start];
  };
  const hidden = texts.filter((wanted) => {
    const start = text.lastIndexOf(wanted);
    if (start < 0) {
      return true;
    }
    const range = document.createRange();
    range.setStart(...at(start, false));
    range.setEnd(...at(start + wanted.length, true));
    const rect = range.getBoundingClientRect();
    return !within(rect, box, true) || !within(rect, screen, true);
  });
  return hidden.concat(selectors.filter((selector) =>
    !within(document.querySelector(selector).getBoundingClientRect(), screen)));
};

// The layouts the page must fit, in CSS pixels, [width, height, keyboard]:
// phones upright and on their side and a tablet, with the on-screen
// keyboard closed or open, each tried at the text sizes of TEXT_SIZES.
exports.LAYOUTS = [[360, 640], [412, 915], [390, 844], [844, 390], [800, 1280]]
  .map(([width, height]) => [width, height, false])
  .concat([[640, 304], [640, 182], [360, 384], [844, 176], [360, 300]]
    .map(([width, height]) => [width, height, true]));
exports.TEXT_SIZES = [1, 1.3, 2];

// In the page: how far the end of input is from the field and from "Wyślij",
// in CSS pixels (24 at the least keeps a thumb's tap apart).
exports.APART = () => {
  const rect = (id) => document.getElementById(id).getBoundingClientRect();
  const gap = (a, b) => Math.max(a.top - b.bottom, b.top - a.bottom, a.left - b.right,
    b.left - a.right);
  return Math.min(gap(rect('koniec'), rect('wpis')), gap(rect('koniec'), rect('wyslij')));
};

// The page hosted without its program, as a server that lacks it or refuses
// it: a copy of FOLDER in WORK, and what the page must then say.
exports.withoutProgram = (folder, work) => {
  const copy = path.join(work, 'bez-programu');
  fs.cpSync(folder, copy, { recursive: true });
  fs.rmSync(path.join(copy, 'kalkulator.js'));
  return copy;
};
exports.NO_PROGRAM = 'Nie udało się wczytać programu. Serwer nie wydał pliku kalkulator.js ' +
  '(błąd HTTP 404): strona na nim jest niepełna. Wczytaj ponownie';

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
