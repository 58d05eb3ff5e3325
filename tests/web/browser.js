// The page unpacked and opened from file://: in Chromium as phones type,
// show and read it, and a desktop, with screenshots beside the zip; its
// program slow or missing; hosted, installed and offline, a host that lacks
// the program, and a new version on a host whose files may be cached. In
// Firefox, a typed dialogue.
// Usage: node browser.js ZIP chromium|firefox BROWSER
'use strict';
const assert = require('assert');
const fs = require('fs');
const path = require('path');
const { launch } = require('./chromium');
const { serve, url: address, stop } = require('./serwer');
const { TEKSTY, MENU_LAST, END, TIMEOUT, LINES, waitFor, showing, run } = require('./strona');

const [zip, engine, executable] = process.argv.slice(2);
const shots = path.dirname(zip);
const MENU = [TEKSTY.menu[0], MENU_LAST];

// Which of TEXTS (the newest of each in the current run) and of the elements
// named by SELECTORS the user does not see whole: outside the console's box
// or the visual viewport, which the on-screen keyboard makes shorter.
const HIDDEN = (texts, selectors) => {
  const view = window.visualViewport;
  const box = document.getElementById('ekran').getBoundingClientRect();
  const within = (rect, area) => rect.height > 0 && rect.top >= area.top - 1 &&
    rect.bottom <= area.bottom + 1 && rect.left >= area.left - 1 && rect.right <= area.right + 1;
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
    return !within(rect, box) || !within(rect, screen);
  });
  return hidden.concat(selectors.filter((selector) =>
    !within(document.querySelector(selector).getBoundingClientRect(), screen)));
};

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
    // Each entry typed into TAB, then Enter.
    const typer = (tab) => async (...entries) => {
      for (const entry of entries) {
        await tab.keyboard.type(entry);
        await tab.keyboard.press('Enter');
      }
    };
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
    // A phone's screen of so many CSS pixels, touched; and a pause for the
    // console, which scrolls to its last line a frame after it is written.
    const phone = (width, height) => page.setViewport({ width, height, deviceScaleFactor: 2,
      isMobile: true, hasTouch: true });
    const scrolled = () => new Promise((resolve) => setTimeout(resolve, 100));
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
        window: window.innerHeight - document.querySelector('.okno').getBoundingClientRect().bottom,
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
      for (const entry of [...entries, 'z']) {
        await PHONE[how](cdp, entry);
        await page.keyboard.press('Enter');
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

    // A whole dialogue pasted at once.
    await page.evaluate(() => {
      const data = new DataTransfer();
      data.setData('text/plain', '3\r\n12\r\n4\r\n');
      document.getElementById('wpis').dispatchEvent(
        new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
    });
    await until('the pasted result', showing('3A'));
    await enter('z');
    await until('the end of the pasted dialogue', showing(END));

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
    await scrolled();
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
    await scrolled();
    assert.deepStrictEqual(await hidden(['2.5 Ohm']), [],
      'the result is not in view with the keyboard open');
    // Reviewed later, the page holds the result once: announced, then gone
    // from the announcements.
    await new Promise((resolve) => setTimeout(resolve, 2000));
    const texts = spoken(await page.accessibility.snapshot({ interestingOnly: false }));
    assert.strictEqual(texts.filter((text) => text.includes('2.5 Ohm')).length, 1,
      'the result is read more than once');
    await shot('klawiatura-360x300');
    await enter('z');
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
      await scrolled();
      assert.deepStrictEqual(await hidden([MENU_LAST], ['#wpis', '#wyslij']), [],
        `with the keyboard open on its side${wrong && ' after a wrong number'}`);
    }
    await shot('klawiatura-844x176');

    // Phones upright and on their side, untouched since the page opened:
    // the whole menu and the field in view, the page where it opened; and a
    // tablet, whose window fills its screen.
    for (const [width, height] of [[360, 640], [390, 844], [844, 390], [800, 1280]]) {
      await open(width, height);
      await scrolled();
      assert.deepStrictEqual(await hidden(MENU), [], `at ${width}x${height}`);
      assert.strictEqual(await page.evaluate(() => window.scrollY), 0,
        `the page opened scrolled at ${width}x${height}`);
      assert.ok((await measure()).window <= 40, `a window shorter than ${width}x${height}`);
      await shot(`${width}x${height}`);
    }

    // Twice the text size: larger console and controls, nothing beyond the
    // screen, four console lines, and two with the keyboard open.
    await cdp.send('Page.setFontSizes', { fontSizes: { standard: 32, fixed: 26 } });
    await open(360, 640);
    const large = await measure();
    assert.ok(large.font >= 24 && large.heights[1] >= 96 && large.lines >= 4 && large.field >= 8 &&
      large.sideways <= 0 && large.below <= 0, `at twice the size: ${JSON.stringify(large)}`);
    await shot('duzy-tekst');
    await phone(360, 330);
    await scrolled();
    const typing = await measure();
    assert.ok(typing.lines >= 2 && typing.below <= 0, `with the keyboard: ${JSON.stringify(typing)}`);
    assert.deepStrictEqual(await hidden([], ['#wpis', '#wyslij']), [],
      'the field at twice the size with the keyboard open');
    await cdp.send('Page.setFontSizes', { fontSizes: { standard: 16, fixed: 13 } });

    // Twice the page's own text size, as a phone's text scaling makes it:
    // every menu line in view, and with the keyboard open the question, the
    // field and its button.
    await open(360, 640);
    await page.evaluate(() => { document.documentElement.style.fontSize = '200%'; });
    await scrolled();
    assert.deepStrictEqual(await hidden(TEKSTY.menu), [], 'the menu at twice the text size');
    await phone(360, 330);
    await enter('1');
    await until('the first prompt', showing(TEKSTY.U));
    await scrolled();
    assert.deepStrictEqual(await hidden([TEKSTY.U], ['#wpis', '#wyslij']), [],
      'the question and the field at twice the text size, with the keyboard open');
    await shot('duzy-tekst-klawiatura');

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

    // Hosted on 127.0.0.1: the manifest parses, Chromium would install the
    // page, its service worker takes control, and it runs with the server gone.
    server = await serve(folder);
    // The server lacking kalkulator.js: said as the server's, not the connection's.
    const missing = await (await browser.createBrowserContext()).newPage();
    await missing.setRequestInterception(true);
    missing.on('request', (request) => (request.url().endsWith('/kalkulator.js')
      ? request.respond({ status: 404, body: '' }) : request.continue()));
    await missing.goto(address(server));
    await missing.waitForSelector('#awaria', { visible: true, timeout: TIMEOUT });
    assert.strictEqual(await missing.$eval('#awaria', (p) => p.innerText),
      'Nie udało się wczytać programu. Serwer nie wydał pliku kalkulator.js (błąd HTTP 404): ' +
      'strona na nim jest niepełna. Wczytaj ponownie', 'a missing kalkulator.js');
    await missing.browserContext().close();
    const site = await browser.newPage();
    site.on('pageerror', (error) => errors.push(String(error)));
    const siteLines = () => site.evaluate(LINES);
    await site.goto(address(server));
    await waitFor(siteLines, 'the menu hosted', showing(MENU_LAST));
    const siteCdp = await site.createCDPSession();
    const manifest = await siteCdp.send('Page.getAppManifest');
    const parsed = JSON.parse(manifest.data);
    assert.ok(manifest.url.endsWith('/manifest.webmanifest') && manifest.errors.length === 0 &&
      parsed.lang === 'pl' && parsed.icons.some((icon) => icon.purpose === 'maskable'),
      JSON.stringify(manifest));
    // Chromium looks at the manifest's icons only once it has them all.
    const installable = async () => (await siteCdp.send('Page.getInstallabilityErrors'))
      .installabilityErrors.map((error) => error.errorId);
    await waitFor(installable, 'Chromium to take the page as installable', (ids) => ids.length === 0);
    await site.waitForFunction(() => navigator.serviceWorker.controller !== null,
      { timeout: TIMEOUT });
    // Offline: no server at all, not even a connection kept alive.
    await stop(server);
    server = null;
    await site.reload();
    await waitFor(siteLines, 'the menu offline', showing(MENU_LAST));
    await site.focus('#wpis'); // the page's own focus may come after the first key
    await typer(site)('6', '0.5', '100', 'z');
    const offline = await waitFor(siteLines, 'the end of the run offline', showing(END));
    assert.ok(offline.some((line) => line.endsWith('0.005 S')), `offline:\n${offline.join('\n')}`);
    assert.deepStrictEqual(errors, [], 'the hosted page had errors');

    // A new version on a host whose files may be cached ten minutes: the
    // open page says that it is there, and the next opening shows it.
    const hosted = path.join(work, 'hosted');
    fs.cpSync(folder, hosted, { recursive: true });
    server = await serve(hosted, { maxAge: 600 });
    const old = await (await browser.createBrowserContext()).newPage();
    await old.goto(address(server));
    await old.waitForFunction(() => navigator.serviceWorker.controller !== null,
      { timeout: TIMEOUT });
    await old.reload(); // now with the worker's copies, and a worker in charge
    const edit = (file, from, to) => fs.writeFileSync(path.join(hosted, file),
      fs.readFileSync(path.join(hosted, file), 'utf8').replace(from, to));
    edit('index.html', '<title>', '<title>Nowa: ');
    edit('sw.js', "var PAMIEC = '", "var PAMIEC = 'nowa-");
    await old.evaluate(() => navigator.serviceWorker.getRegistration().then((r) => r.update()));
    await old.waitForSelector('#wersja', { visible: true, timeout: TIMEOUT });
    await old.reload();
    assert.ok((await old.title()).startsWith('Nowa: '), 'the next opening showed the old version');
    await old.browserContext().close();
  } finally {
    if (server) {
      await stop(server);
    }
    await browser.close();
  }
});
