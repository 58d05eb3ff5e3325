// The page unpacked and opened from file://: in Chromium as phones type,
// paste, show and read it, and a desktop, with screenshots beside the zip;
// its program slow or missing; hosted, installed and offline, a host that
// lacks the program, a new version on a host whose files may be cached, and
// two copies on one host. In Firefox, a typed dialogue.
// Usage: node browser.js ZIP chromium|firefox BROWSER
'use strict';
const assert = require('assert');
const fs = require('fs');
const path = require('path');
const { launch } = require('./chromium');
const { serve, url: address, stop } = require('./serwer');
const { TEKSTY, MENU_LAST, END, TIMEOUT, LINES, HIDDEN, LAYOUTS, TEXT_SIZES, APART, NO_PROGRAM,
  withoutProgram, waitFor, showing, run } = require('./strona');

const [zip, engine, executable] = process.argv.slice(2);
const shots = path.dirname(zip);
const MENU = [TEKSTY.menu[0], MENU_LAST];

// Text as Android keyboards deliver it: each character's text inside a
// keydown of keyCode 229; a composition growing a character at a time, then
// committed; voice typing, the text alone.
const KEY229 = { key: 'Unidentified', code: '', windowsVirtualKeyCode: 229, nativeVirtualKeyCode: 229 };
const PHONE = {
  async key229(cdp, text) {
    for (const character of text) {
      await cdp.send('Input.dispatchKeyEvent', { type: 'rawKeyDown', ...KEY229 });
      await cdp.send('Input.insertText', { text: character });
      await cdp.send('Input.dispatchKeyEvent', { type: 'keyUp', ...KEY229 });
    }
  },
  async composition(cdp, text) {
    for (let i = 1; i <= text.length; i++) {
      await cdp.send('Input.imeSetComposition',
        { text: text.slice(0, i), selectionStart: i, selectionEnd: i });
    }
    await cdp.send('Input.insertText', { text });
  },
  voice: (cdp, text) => cdp.send('Input.insertText', { text }),
};

// What a screen reader reads of an accessibility snapshot's NODE.
const spoken = (node) => (node.role === 'StaticText' ? [node.name]
  : (node.children || []).flatMap(spoken));

// Before a page's first frame: its text SIZE times the default, as a
// phone's text scaling makes it, and the sum of its layout shifts, where
// the engine reports them.
const SIZED = (size) => {
  window.kalkulatorPrzesuniecia = 0;
  new MutationObserver((changes, observer) => {
    if (document.documentElement) {
      document.documentElement.style.fontSize = `${size * 100}%`;
      observer.disconnect();
    }
  }).observe(document, { childList: true });
  if (PerformanceObserver.supportedEntryTypes.includes('layout-shift')) {
    new PerformanceObserver((list) => list.getEntries().forEach((entry) => {
      window.kalkulatorPrzesuniecia += entry.hadRecentInput ? 0 : entry.value;
    })).observe({ type: 'layout-shift', buffered: true });
  }
};

// A pause for the console, which scrolls to its last line a frame after it
// is written.
const settled = () => new Promise((resolve) => setTimeout(resolve, 100));

// Each entry typed into TAB, then Enter.
const typer = (tab) => async (...entries) => {
  for (const entry of entries) {
    await tab.keyboard.type(entry);
    await tab.keyboard.press('Enter');
  }
};

// The server lacking kalkulator.js: said as the server's, not the connection's.
async function noProgram(browser, folder, work) {
  const server = await serve(withoutProgram(folder, work));
  try {
    const tab = await browser.newPage();
    await tab.goto(address(server));
    await tab.waitForSelector('#awaria', { visible: true, timeout: TIMEOUT });
    assert.strictEqual(await tab.$eval('#awaria', (p) => p.innerText), NO_PROGRAM);
    await tab.close();
  } finally {
    await stop(server);
  }
}

// Every layout at every text size, opened afresh: the page where it opened,
// filling the screen; the end of input a thumb's width from the field and
// "Wyślij", no control cut off, the whole menu with the keyboard closed (on
// a phone on its side, at the default size) and, with it open, the question
// and the line before it; from the first frame to the first answer nothing
// moves. In Chromium a screenshot of each at the default size.
async function layouts(browser, url, engine, shots) {
  const CONTROLS = ['#wpis', '#wyslij', '#koniec'];
  for (const size of TEXT_SIZES) {
    const tab = await browser.newPage();
    await tab.evaluateOnNewDocument(SIZED, size);
    const lines = () => tab.evaluate(LINES);
    const where = () => tab.evaluate((selectors) => [window.kalkulatorPrzesuniecia].concat(
      selectors.map((s) => JSON.stringify(document.querySelector(s).getBoundingClientRect()))),
    CONTROLS);
    for (const [width, height, keyboard] of LAYOUTS) {
      const layout = `at ${width}x${height}, text at ${size * 100}%`;
      const menu = !keyboard && (height > width || size === 1);
      await tab.setViewport({ width, height, deviceScaleFactor: 2, isMobile: engine === 'chromium',
        hasTouch: engine === 'chromium' });
      await tab.goto(url);
      await waitFor(lines, `the menu ${layout}`, showing(MENU_LAST));
      await settled();
      const first = await where();
      const apart = await tab.evaluate(APART);
      // Short of the screen's bottom by its margin at the most (2 rem).
      const [scrolled, short] = await tab.evaluate(() => [window.scrollY,
        (window.innerHeight - document.querySelector('.okno').getBoundingClientRect().bottom) /
        parseFloat(getComputedStyle(document.documentElement).fontSize)]);
      assert.ok(Math.round(apart) >= 24 && scrolled === 0 && short <= 2.5,
        `${layout}: the end of input ${apart} pixels apart, scrolled ${scrolled}, ${short} rem short`);
      assert.deepStrictEqual(await tab.evaluate(HIDDEN, menu ? TEKSTY.menu : [], CONTROLS), [],
        `not in view ${layout}`);
      if (engine === 'chromium' && size === 1) {
        await tab.screenshot({ path: path.join(shots, `strona-${width}x${height}.png`) });
      }
      await tab.focus('#wpis');
      await typer(tab)('1', '10');
      await waitFor(lines, `the second question ${layout}`, showing(TEKSTY.I));
      await settled();
      if (keyboard) {
        assert.deepStrictEqual(await tab.evaluate(HIDDEN, [`${TEKSTY.U}10`, TEKSTY.I], []), [],
          `the question not in view ${layout}`);
      }
      assert.deepStrictEqual(await where(), [0, ...first.slice(1)], `moved ${layout}`);
    }
    await tab.close();
  }
}

run(zip, async (folder, work) => {
  const url = 'file://' + path.join(folder, 'index.html');
  const browser = await launch(executable, work, engine);
  let server = null;
  try {
    const page = await browser.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(String(error)));
    page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
    const until = (what, test) => waitFor(() => page.evaluate(LINES), what, test);
    const enter = typer(page);
    // The program's next run, from the button shown at the end of one.
    const restart = async () => {
      await page.click('#ponownie');
      await until('the menu again', (l) => l.includes(MENU_LAST) && !showing(END)(l));
    };

    if (engine === 'firefox') {
      await page.goto(url);
      await until('the menu', showing(MENU_LAST));
      await page.focus('#wpis');
      await enter('4', '230', '10');
      await until('the result', showing('2300W'));
      await enter('z');
      await until('the end of the run', showing(END));
      await layouts(browser, url, engine, shots);
      assert.deepStrictEqual(errors, [], 'the page had errors');
      await noProgram(browser, folder, work);
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
    // A phone's screen of so many CSS pixels, touched.
    const phone = (width, height) => page.setViewport({ width, height, deviceScaleFactor: 2,
      isMobile: true, hasTouch: true });
    const open = async (width, height) => {
      await phone(width, height);
      await page.reload();
      await until(`the menu at ${width}x${height}`, showing(MENU_LAST));
    };
    const hidden = (texts, selectors = ['#wpis']) => page.evaluate(HIDDEN, texts, selectors);
    const shot = (name) => page.screenshot({ path: path.join(shots, `strona-${name}.png`) });
    const measure = () => page.evaluate(() => {
      const ekran = document.getElementById('ekran');
      const wpis = document.getElementById('wpis');
      const rect = (id) => document.getElementById(id).getBoundingClientRect();
      const row = document.createRange();
      row.selectNodeContents(ekran.lastElementChild);
      const lineHeight = parseFloat(getComputedStyle(ekran).lineHeight);
      return {
        lang: document.documentElement.lang,
        font: parseFloat(getComputedStyle(ekran).fontSize),
        rows: Math.round(row.getBoundingClientRect().height / lineHeight),
        lines: Math.floor(ekran.clientHeight / lineHeight),
        sideways: document.documentElement.scrollWidth - window.innerWidth,
        below: document.documentElement.scrollHeight - window.innerHeight,
        focused: document.activeElement === wpis,
        attributes: ['autocapitalize', 'autocorrect', 'autocomplete', 'spellcheck', 'enterkeyhint']
          .map((name) => `${name}=${wpis.getAttribute(name)}`).join(' '),
        hint: document.getElementById('podpowiedz').textContent,
        field: rect('wpis').width / parseFloat(getComputedStyle(wpis).fontSize),
        heights: ['wpis', 'wyslij', 'koniec'].map((id) => rect(id).height),
        apart: rect('koniec').top - rect('wyslij').bottom,
        cut: document.getElementById('stan').scrollWidth - document.getElementById('stan').clientWidth,
        overscroll: getComputedStyle(document.body).overscrollBehaviorY,
      };
    });

    await phone(360, 740);
    await page.goto(url);
    await until('the longest menu line whole', (l) => l.includes(MENU_LAST));
    const layout = await measure();
    // Polish, nothing sideways, typing going to the program; the menu's lines
    // (the empty one after them has no height yet) unwrapped; controls for a
    // finger, the end of input in another row than sending; the status
    // whole, and no pull to reload.
    assert.ok(layout.lang === 'pl' && layout.sideways <= 0 && layout.font >= 12 && layout.focused &&
      layout.rows === TEKSTY.menu.length && /w całości/.test(layout.hint) &&
      layout.heights.every((height) => height >= 48) && layout.apart >= 8 && layout.cut <= 0 &&
      layout.overscroll === 'none', JSON.stringify(layout));
    assert.strictEqual(layout.attributes,
      'autocapitalize=off autocorrect=off autocomplete=off spellcheck=false enterkeyhint=send');
    assert.deepStrictEqual(await hidden(MENU), [], 'the menu is not in view upright');

    // One dialogue for each way a phone delivers text, each character of
    // which changes the result; Enter comes as the keyboard's own key.
    for (const [how, entries, result] of [['key229', ['4', '230', '10'], '2300W'],
      ['composition', ['5', '0.000001', '1000'], '0.001 S'],
      ['voice', ['1', '12.5', '0.25'], '50 Ohm']]) {
      await page.evaluate(() => document.getElementById('wpis').focus());
      for (const [i, entry] of [...entries, 'z'].entries()) {
        await PHONE[how](cdp, entry);
        await page.keyboard.press('Enter');
        if (i === 0) { // cleared first, so that the echo of the answers stays
          await until(`the first question typed by ${how}`, showing('Prosze'));
        }
      }
      const shown = await until(`${result} typed by ${how}`, showing(END));
      assert.deepStrictEqual(shown.filter((line) => /^[0-9]/.test(line)), [result],
        `typed by ${how}:\n${shown.join('\n')}`);
      await restart();
      const earlier = await page.$$eval('#ekran > pre', (runs) => runs.map((r) => ({
        text: r.textContent, dimmed: r.className === 'wczesniej' })));
      assert.ok(earlier.length >= 2 && earlier.at(-2).text.includes(`\n${result}\n`) &&
        earlier.at(-2).dimmed && !earlier.at(-1).dimmed, `${result} was not kept apart`);
    }
    // A screen reader's review of the earlier run: a group of its own, with
    // the answers where they stand on the screen.
    const review = await page.accessibility.snapshot({ root: await page.$('#ekran'),
      interestingOnly: false });
    const said = spoken(review.children.filter((node) => node.name === 'Poprzednie uruchomienie').at(-1));
    assert.strictEqual(said.join('').replace(/\n/g, '|'), `${TEKSTY.U}12.5|${TEKSTY.I}0.25|50 Ohm|z|`,
      'the earlier run as a screen reader reviews it');

    // Ten thousand lines pasted, as Windows copies them: the page is the
    // user's between slices of them (a timer set at the paste runs before
    // the result), the result is right, the live region short and the
    // screen its last lines.
    const pasted = await page.evaluate(() => new Promise((resolve) => {
      let longest = 0;
      let pasting = Infinity;
      new PerformanceObserver((list) => list.getEntries().forEach((task) => {
        longest = task.startTime > pasting ? Math.max(longest, task.duration) : longest;
      })).observe({ type: 'longtask' });
      const screen = () => document.querySelector('#ekran > pre:last-child').textContent;
      const data = new DataTransfer();
      data.setData('text/plain', ['1', ...Array(9997).fill('x'), '12', '8', ''].join('\r\n'));
      const paste = new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true });
      pasting = performance.now();
      document.getElementById('wpis').dispatchEvent(paste);
      const handled = performance.now() - pasting;
      let meanwhile = null;
      setTimeout(() => (meanwhile = !screen().includes('1.5 Ohm')));
      const done = setInterval(() => {
        if (screen().includes('1.5 Ohm')) {
          clearInterval(done);
          setTimeout(() => resolve({ meanwhile, handled, longest, live: document
            .getElementById('nowe').textContent.length, top: screen().split('\n')[0] }), 100);
        }
      }, 50);
    }));
    console.log(`a paste of 10000 lines: handled in ${pasted.handled} ms, ` +
      `the longest task after it ${pasted.longest} ms (0: none over 50 ms)`);
    assert.deepStrictEqual([pasted.meanwhile, pasted.live < 1000, pasted.top],
      [true, true, '[Wcześniejsze wiersze tego uruchomienia pominięto.]'], JSON.stringify(pasted));
    await enter('z');
    await until('the end of the long paste', showing(END));

    // The keyboard open on a small phone, a desktop's keys: Backspace, and Up
    // and Down through the entries before; question, field and result in view.
    await restart();
    await phone(360, 300);
    await enter('1');
    let shown = await until('the first prompt', showing(TEKSTY.U));
    assert.ok(!shown.some((line) => line.includes(TEKSTY.menu[0])), 'the menu was not cleared');
    await page.keyboard.type('11');
    await page.keyboard.press('Backspace');
    await enter('0');
    await until('the second prompt', showing(TEKSTY.I));
    assert.strictEqual(await page.$eval('#nowe', (nowe) => nowe.textContent), TEKSTY.I,
      'announced: the output since the entry, once');
    const field = await page.accessibility.snapshot({ root: await page.$('#wpis') });
    assert.strictEqual(field.name, TEKSTY.I.trim(), 'the field is not named by its question');
    await settled();
    assert.deepStrictEqual(await hidden([TEKSTY.I]), [],
      'the question is not in view with the keyboard open');
    const recalled = [];
    for (const key of ['ArrowUp', 'ArrowUp', 'ArrowUp', 'ArrowDown', 'ArrowDown', 'ArrowDown']) {
      await page.keyboard.press(key);
      recalled.push(await page.$eval('#wpis', (wpis) => wpis.value));
    }
    assert.deepStrictEqual(recalled, ['10', '1', 'z', '1', '10', '']);
    await enter('4');
    shown = await until('the result', showing('2.5 Ohm'));
    assert.deepStrictEqual(shown.filter((line) => line !== ''), [
      `${TEKSTY.U}10`, `${TEKSTY.I}4`, '2.5 Ohm']);
    assert.ok(await page.$eval('#ponownie', (button) => button.hidden), 'ended before the wait');
    await settled();
    assert.deepStrictEqual(await hidden(['2.5 Ohm']), [],
      'the result is not in view with the keyboard open');
    // The page holds the result once for a screen reader: while it is
    // announced, and reviewed later, once the announcement is gone.
    for (const [moment, announced] of [['at once', 1], ['later', 0]]) {
      await new Promise((resolve) => setTimeout(resolve, announced ? 0 : 2000));
      const texts = spoken(await page.accessibility.snapshot({ interestingOnly: false }));
      assert.deepStrictEqual([texts.filter((text) => text.includes('2.5 Ohm')).length,
        (await page.$eval('#nowe', (nowe) => nowe.textContent)).split('2.5 Ohm').length - 1],
      [1, announced], `the result in the accessibility tree ${moment}`);
    }
    await shot('klawiatura-360x300');
    await enter('z');
    const after = spoken(await page.accessibility.snapshot({ interestingOnly: false }));
    assert.strictEqual(after.filter((text) => text.includes('2.5 Ohm')).length, 1,
      'the result in the accessibility tree right after the next entry');
    await until('the end of the run', showing(END));
    await page.waitForSelector('#ponownie:not([hidden])', { timeout: TIMEOUT });

    // Ctrl-D ends the input, and so does the button: the letter's result
    // line stays empty, the code's too.
    for (const [option, prompt, end] of [['8', TEKSTY.litera, 'ctrl-d'], ['7', TEKSTY.kod, 'button']]) {
      await restart();
      await enter(option);
      await until('the prompt', showing(prompt));
      if (end === 'ctrl-d') {
        await page.keyboard.down('Control');
        await page.keyboard.press('KeyD');
        await page.keyboard.up('Control');
      } else {
        // Tapped with an answer in the field, it neither ends nor sends.
        await page.keyboard.type('10');
        await page.click('#koniec');
        assert.deepStrictEqual(await page.$eval('#wpis', (wpis) => [wpis.value,
          document.getElementById('koniec').disabled]), ['10', true], 'the end tapped by mistake');
        await page.focus('#wpis');
        await page.keyboard.press('Backspace');
        await page.keyboard.press('Backspace');
        await page.click('#koniec');
      }
      shown = await until(`the end after ${end}`, showing(END));
      assert.deepStrictEqual(shown.slice(0, 3), [prompt, '', `[${END}]`]);
      assert.ok(await page.$eval('#wyslij', (button) => button.disabled), 'sending after the end');
    }

    // On its side with the keyboard open, the screen cut to a third: the
    // menu's last line above the field, after a wrong number too, and the
    // field and its button in view.
    await open(844, 390);
    await phone(844, 176);
    for (const wrong of ['', String(TEKSTY.menu.length + 1)]) {
      if (wrong) {
        await enter(wrong);
        await until('the menu again', (l) => l.includes(TEKSTY.numer) && l.includes(MENU_LAST));
      }
      await settled();
      assert.deepStrictEqual(await hidden([MENU_LAST], ['#wpis', '#wyslij']), [],
        `with the keyboard open on its side${wrong && ' after a wrong number'}`);
    }
    await shot('klawiatura-844x176');

    // Twice the text size: larger console and controls, nothing beyond the
    // screen.
    await cdp.send('Page.setFontSizes', { fontSizes: { standard: 32, fixed: 26 } });
    await open(360, 640);
    const large = await measure();
    assert.ok(large.font >= 24 && large.heights[1] >= 96 && large.lines >= 4 && large.field >= 5 &&
      large.sideways <= 0 && large.below <= 0, `at twice the size: ${JSON.stringify(large)}`);
    await shot('duzy-tekst');
    await cdp.send('Page.setFontSizes', { fontSizes: { standard: 16, fixed: 13 } });

    await layouts(browser, url, engine, shots);

    // A desktop: the console window at its full size.
    await page.setViewport({ width: 1280, height: 800 });
    await page.reload();
    await until('the menu on a desktop', showing(MENU_LAST));
    assert.strictEqual((await measure()).font, 16);
    await shot('komputer');

    assert.deepStrictEqual(outside, [], 'the page asked the network');
    assert.deepStrictEqual(errors, [], 'the page had errors');

    // kalkulator.js slow to come: the program's first screen at once, from
    // the page itself; an answer taken and shown meanwhile, the stall said,
    // and once the file comes, the answer answered where it stood.
    const slow = await browser.newPage();
    await slow.setViewport({ width: 360, height: 640, isMobile: true, hasTouch: true });
    await slow.setRequestInterception(true);
    let held = null;
    let openings = 0;
    slow.on('request', (request) => {
      openings += request.url() === url ? 1 : 0;
      return request.url().endsWith('/kalkulator.js') ? (held = request) : request.continue();
    });
    slow.goto(url);
    await waitFor(async () => [String(held !== null)], 'kalkulator.js asked for', (l) => l[0] === 'true');
    assert.strictEqual(await slow.$eval('#ekran pre', (pre) => pre.textContent),
      TEKSTY.menu.map((line) => `${line}\n`).join('') + '\n', 'not the program\'s first screen');
    const state = () => slow.evaluate(() => [document.getElementById('stan').textContent,
      document.getElementById('wpis').disabled, document.getElementById('wpis').getBoundingClientRect().top]);
    const loading = await state();
    assert.deepStrictEqual(loading.slice(0, 2),
      ['Wczytywanie programu… Można już pisać odpowiedzi.', false]);
    await slow.focus('#wpis');
    await typer(slow)('1');
    const slowLines = () => slow.evaluate(LINES);
    await waitFor(slowLines, 'the answer shown', (l) => l.at(-1) === '1' || l.at(-2) === '1');
    await slow.waitForSelector('#wolno', { visible: true, timeout: TIMEOUT });
    held.continue();
    await waitFor(slowLines, 'the answer answered', showing(TEKSTY.U));
    assert.deepStrictEqual([slow.url(), openings], [url, 1], 'the page was submitted');
    const ready = await state();
    assert.deepStrictEqual([ready[2], await slow.$eval('#wolno', (p) => p.offsetHeight)],
      [loading[2], 0], 'the field moved, or the stall is still said, when ready');
    // The end of input: nothing typed after it can pass it.
    await slow.click('#koniec');
    assert.ok(await slow.$eval('#wpis', (wpis) => wpis.disabled), 'the field takes more after the end');

    // The program not coming: the message and a way to load the page
    // again, nothing loading, nothing to type into.
    slow.removeAllListeners('request');
    slow.on('request', (request) => (request.url().endsWith('/kalkulator.js')
      ? request.abort() : request.continue()));
    await slow.reload();
    await slow.waitForSelector('#awaria', { visible: true, timeout: TIMEOUT });
    const failed = await slow.evaluate(() => [document.getElementById('awaria').innerText,
      getComputedStyle(document.getElementById('stan')).display,
      document.getElementById('wpis').disabled, document.querySelector('#awaria a').href]);
    assert.deepStrictEqual(failed, ['Nie udało się wczytać programu. Sprawdź połączenie i ' +
      'wczytaj stronę ponownie. Wczytaj ponownie', 'none', true, url], 'without kalkulator.js');

    // Hosted on 127.0.0.1, two copies in folders of their own, another
    // build in the second, each file cacheable ten minutes: the manifest
    // parses, Chromium would install the page, each copy's worker takes
    // control, keeps its own files, and both run with the server gone (not
    // even a connection kept alive); a new version of a copy is said on its
    // open page, and its next opening shows it.
    await noProgram(browser, folder, work);
    const copies = path.join(work, 'kopie');
    const edit = (file, from, to) => fs.writeFileSync(path.join(copies, file),
      fs.readFileSync(path.join(copies, file), 'utf8').replace(from, to));
    for (const copy of ['a', 'b']) {
      fs.cpSync(folder, path.join(copies, copy), { recursive: true });
    }
    edit('b/sw.js', "var WERSJA = '", "var WERSJA = 'b-");
    server = await serve(copies, { maxAge: 600 });
    const tabs = [];
    for (const copy of ['a', 'b']) {
      const tab = await browser.newPage(); // not incognito, where nothing installs
      tab.on('pageerror', (error) => errors.push(String(error)));
      await tab.goto(`${address(server)}${copy}/`);
      await waitFor(() => tab.evaluate(LINES), `copy ${copy} hosted`, showing(MENU_LAST));
      await tab.waitForFunction(() => navigator.serviceWorker.controller !== null,
        { timeout: TIMEOUT });
      tabs.push(tab);
    }
    const siteCdp = await tabs[0].createCDPSession();
    const manifest = await siteCdp.send('Page.getAppManifest');
    const parsed = JSON.parse(manifest.data);
    assert.ok(manifest.url.endsWith('/manifest.webmanifest') && manifest.errors.length === 0 &&
      parsed.lang === 'pl' && parsed.icons.some((icon) => icon.purpose === 'maskable'),
      JSON.stringify(manifest));
    // Chromium looks at the manifest's icons only once it has them all.
    const installable = async () => (await siteCdp.send('Page.getInstallabilityErrors'))
      .installabilityErrors.map((error) => error.errorId);
    await waitFor(installable, 'Chromium to take the page as installable', (ids) => ids.length === 0);
    const { port } = server.address();
    await stop(server);
    server = null;
    for (const [copy, tab] of tabs.entries()) {
      await tab.bringToFront(); // a page in the background draws no frame
      await tab.reload();
      await waitFor(() => tab.evaluate(LINES), `copy ${copy} offline`, showing(MENU_LAST));
      await tab.focus('#wpis'); // the page's own focus may come after the first key
      await typer(tab)('7', '474');
      await waitFor(() => tab.evaluate(LINES), `copy ${copy}'s answer offline`, showing('0.470000uF'));
    }
    assert.deepStrictEqual(errors, [], 'the hosted page had errors');
    server = await serve(copies, { maxAge: 600, port });
    edit('b/index.html', '<title>', '<title>Nowa: ');
    edit('b/sw.js', "var WERSJA = 'b-", "var WERSJA = 'nowa-");
    await tabs[1].evaluate(() => navigator.serviceWorker.getRegistration().then((r) => r.update()));
    await tabs[1].waitForSelector('#wersja', { visible: true, timeout: TIMEOUT });
    await tabs[1].reload();
    assert.ok((await tabs[1].title()).startsWith('Nowa: '), 'the next opening showed the old version');
  } finally {
    if (server) {
      await stop(server);
    }
    await browser.close();
  }
});
