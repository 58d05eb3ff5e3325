// The page as a user has it: the zip unpacked into a folder and opened from
// file://. In Chromium, with the network off: typed as a phone types (text
// that Android keyboards, IME compositions and voice typing deliver through
// the DevTools protocol, and a pasted dialogue), corrected with Backspace,
// ended with Ctrl-D and with the button, on a phone's screen and on a
// desktop's, with a screenshot of each beside the zip. In Firefox: the menu,
// a typed dialogue and its result.
//
// Usage: node browser.js ZIP chromium|firefox BROWSER
'use strict';
const assert = require('assert');
const { execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { launch } = require('./chromium');
const { MENU_8, END, TIMEOUT, LINES, waitFor, showing, run } = require('./strona');

const [zip, engine, executable] = process.argv.slice(2);

// Text delivered as Android keyboards deliver it.
const PHONE = {
  // A keydown of keyCode 229 around each character's text.
  async key229(cdp, text) {
    for (const character of text) {
      const key = { key: 'Unidentified', code: '', windowsVirtualKeyCode: 229, nativeVirtualKeyCode: 229 };
      await cdp.send('Input.dispatchKeyEvent', { type: 'rawKeyDown', ...key });
      await cdp.send('Input.insertText', { text: character });
      await cdp.send('Input.dispatchKeyEvent', { type: 'keyUp', ...key });
    }
  },
  // A composition that grows a character at a time, then its commit.
  async composition(cdp, text) {
    for (let i = 1; i <= text.length; i++) {
      await cdp.send('Input.imeSetComposition',
        { text: text.slice(0, i), selectionStart: i, selectionEnd: i });
    }
    await cdp.send('Input.insertText', { text });
  },
  // Voice typing: the text alone, with no key at all.
  async voice(cdp, text) {
    await cdp.send('Input.insertText', { text });
  },
};

async function main() {
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'kalkulator-web-'));
  const browser = await launch(executable, work, engine);
  try {
    execFileSync('unzip', ['-q', zip, '-d', work]);
    const folder = fs.readdirSync(work).find((name) => name.startsWith('kalkulator-'));
    const url = 'file://' + path.join(work, folder, 'index.html');

    const page = await browser.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(String(error)));
    page.on('console', (message) => {
      if (message.type() === 'error') {
        errors.push(message.text());
      }
    });
    const lines = () => page.evaluate(LINES);
    const until = (what, test) => waitFor(lines, what, test);

    // The program's next run, from the button shown at the end of one.
    const restart = async () => {
      await page.click('#ponownie');
      await until('the menu again', (l) => l.includes(MENU_8) && !showing(END)(l));
    };

    if (engine === 'firefox') {
      await page.goto(url);
      await until('the menu', showing(MENU_8));
      for (const entry of ['4', '230', '10']) {
        await page.type('#wpis', entry);
        await page.keyboard.press('Enter');
      }
      await until('the result', showing('2300W'));
      await page.type('#wpis', 'z');
      await page.keyboard.press('Enter');
      await until('the end of the run', showing(END));
      assert.deepStrictEqual(errors, [], 'the page had errors');
      return;
    }

    await page.setOfflineMode(true);
    const outside = [];
    page.on('request', (request) => {
      if (!/^(file|data):/.test(request.url())) {
        outside.push(request.url());
      }
    });
    const cdp = await page.createCDPSession();

    // A phone: 360 CSS pixels wide, a touch screen.
    await page.setViewport({ width: 360, height: 740, deviceScaleFactor: 2, isMobile: true,
      hasTouch: true });
    await page.goto(url);
    const menu = await until('the menu', showing(MENU_8));
    assert.ok(menu.includes(MENU_8), 'the longest menu line is not whole');
    const layout = await page.evaluate(() => {
      const ekran = document.getElementById('ekran');
      const row = document.createRange();
      row.selectNodeContents(ekran);
      const lineHeight = parseFloat(getComputedStyle(ekran).lineHeight);
      const wpis = document.getElementById('wpis');
      return {
        lang: document.documentElement.lang,
        scrollWidth: document.documentElement.scrollWidth,
        width: window.innerWidth,
        fontSize: parseFloat(getComputedStyle(ekran).fontSize),
        rows: Math.round(row.getBoundingClientRect().height / lineHeight),
        focused: document.activeElement === wpis,
        field: ['autocapitalize', 'autocorrect', 'autocomplete', 'spellcheck', 'enterkeyhint']
          .map((name) => `${name}=${wpis.getAttribute(name)}`).join(' '),
        hint: document.getElementById('podpowiedz').textContent,
      };
    });
    assert.strictEqual(layout.lang, 'pl');
    assert.ok(layout.scrollWidth <= layout.width,
      `the page scrolls sideways: ${layout.scrollWidth} px in ${layout.width}`);
    assert.ok(layout.fontSize >= 12, `text of ${layout.fontSize} px`);
    // The eight menu lines (the empty one after them has no height yet): no
    // line wraps.
    assert.strictEqual(layout.rows, 8, 'a menu line takes more than one row');
    assert.ok(layout.focused, 'typing does not go to the program at once');
    assert.strictEqual(layout.field,
      'autocapitalize=off autocorrect=off autocomplete=off spellcheck=false enterkeyhint=send');
    assert.match(layout.hint, /2\.5, nie 2,5/);

    // One dialogue for each way a phone delivers text, each character of
    // which changes the result; Enter comes as the keyboard's own key.
    const dialogues = [
      { how: 'key229', entries: ['4', '230', '10'], result: '2300W' },
      { how: 'composition', entries: ['5', '0.000001', '1000'], result: '0.001 S' },
      { how: 'voice', entries: ['1', '12.5', '0.25'], result: '50 Ohm' },
    ];
    for (const { how, entries, result } of dialogues) {
      await page.evaluate(() => document.getElementById('wpis').focus());
      for (const entry of [...entries, 'z']) {
        await PHONE[how](cdp, entry);
        await page.keyboard.press('Enter');
      }
      const shown = await until(`${result} typed by ${how}`, showing(END));
      assert.deepStrictEqual(shown.filter((line) => /^[0-9]/.test(line)), [result],
        `typed by ${how}:\n${shown.join('\n')}`);
      await restart();
    }

    // A whole dialogue pasted at once.
    await page.evaluate(() => {
      const data = new DataTransfer();
      data.setData('text/plain', '3\r\n12\r\n4\r\n');
      document.getElementById('wpis').dispatchEvent(
        new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
    });
    await until('the pasted result', showing('3A'));
    await page.keyboard.type('z');
    await page.keyboard.press('Enter');
    await until('the end of the pasted dialogue', showing(END));

    // A desktop keyboard: option 1, with a typing mistake corrected by Backspace.
    await restart();
    await page.keyboard.type('1');
    await page.keyboard.press('Enter');
    let shown = await until('the first prompt', showing('Prosze podac Napiecie w Woltach:'));
    assert.ok(!shown.some((line) => line.includes('[1] Oblicz')), 'the menu was not cleared');
    await page.keyboard.type('11');
    await page.keyboard.press('Backspace');
    await page.keyboard.type('0');
    await page.keyboard.press('Enter');
    await until('the second prompt', showing('Prosze podac Prad w Amperach:'));
    await page.keyboard.type('4');
    await page.keyboard.press('Enter');
    shown = await until('the result', showing('2.5 Ohm'));
    assert.deepStrictEqual(shown.filter((line) => line !== ''), [
      'Prosze podac Napiecie w Woltach: 10', 'Prosze podac Prad w Amperach: 4', '2.5 Ohm']);
    assert.ok(await page.$eval('#ponownie', (button) => button.hidden), 'ended before the wait');
    await page.screenshot({ path: path.join(path.dirname(zip), 'strona-telefon.png') });
    await page.keyboard.type('z');
    await page.keyboard.press('Enter');
    await until('the end of the run', showing(END));
    await page.waitForSelector('#ponownie:not([hidden])', { timeout: TIMEOUT });

    // Ctrl-D ends the input, and so does the button: the letter's result
    // line stays empty, the code's too.
    for (const [option, prompt, end] of [['8', 'Prosze Podac Litere z Kondensatora:', 'ctrl-d'],
      ['7', 'Prosze podac kod Kondensatora:', 'button']]) {
      await restart();
      await page.keyboard.type(option);
      await page.keyboard.press('Enter');
      await until('the prompt', showing(prompt));
      if (end === 'ctrl-d') {
        await page.keyboard.down('Control');
        await page.keyboard.press('KeyD');
        await page.keyboard.up('Control');
      } else {
        await page.click('#koniec');
      }
      shown = await until(`the end after ${end}`, showing(END));
      assert.deepStrictEqual(shown.slice(0, 3), [`${prompt} `, '', `[${END}]`]);
    }

    // A desktop: the console window at its full size.
    await page.setViewport({ width: 1280, height: 800 });
    await page.reload();
    await until('the menu on a desktop', showing(MENU_8));
    const fontSize = await page.$eval('#ekran', (ekran) => parseFloat(getComputedStyle(ekran).fontSize));
    assert.strictEqual(fontSize, 16);
    await page.screenshot({ path: path.join(path.dirname(zip), 'strona-komputer.png') });

    assert.deepStrictEqual(outside, [], 'the page asked the network');
    assert.deepStrictEqual(errors, [], 'the page had errors');
  } finally {
    await browser.close();
    fs.rmSync(work, { recursive: true, force: true });
  }
}

run(main);
