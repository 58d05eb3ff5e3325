// What the page costs a browser, beside a page of one word of text measured
// in the same run and served the same way: the bytes it takes (each file as
// stored and gzipped, as a web server sends it), and, in headless Chromium,
// by the page's own clock from the start of the navigation, the median of
// several openings, each in a fresh browser context as on a first visit:
//   - to the menu painted (the word, on the other page): once it is in the
//     document, the frame that draws it, then the task after that frame;
//   - to the first answer accepted: "1" and Enter typed at once when the
//     menu is painted, until the program's first question is shown for it,
//     with nothing typed again;
//   - the longest task on the page's main thread from the menu painted to
//     the first answer, from Chromium's trace: what keys typed meanwhile may
//     wait behind (50 ms and more is what browsers call a long task); after
//     the table, the worst one of each condition, by its heaviest event.
// At full speed, with the processor slowed 4 times as on a mid-range phone,
// and on Slow 4G (150 ms, 1.6 Mbps) from a server that gzips as static hosts
// do. Times vary with the machine, so the ratios are the figures to compare:
// each opening of the page is paired with an opening of the word just before
// it, and the ratio given is the median of the pairs' ratios, with their
// middle half beside it, which a load on the machine that comes and goes
// moves less than a ratio of medians. Another build of the page (an earlier
// one, say) is measured in the same run when named too, and always, as the
// least a page can be that shows the menu and takes an answer, the menu
// with a bare field and button: no style, no script, the browser's own look;
// each page's openings are paired with the bare page's too.
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
const { TEKSTY, MENU_LAST } = require('../tests/web/strona');

const pageDirs = (process.argv.length > 2 ? process.argv.slice(2) : ['build/web/page'])
  .map((dir) => path.resolve(dir));
const chromium = process.env.KALKULATOR_CHROMIUM || '/usr/bin/chromium';
const OPENINGS = 15;
const WORD = 'Kalkulator';
const CONDITIONS = [
  { name: 'full speed', cpu: 1 },
  { name: 'processor slowed 4 times', cpu: 4 },
  { name: 'Slow 4G, gzipped', cpu: 1, network: { offline: false, latency: 150,
    downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8 } },
];

const kib = (bytes) => (bytes / 1024).toFixed(0);
const quantile = (values, q) =>
  [...values].sort((a, b) => a - b)[Math.floor((values.length - 1) * q)];
const median = (values) => quantile(values, 0.5);

// One opening of ADDRESS: [painted, answered, longest task] in milliseconds,
// and what the task was, TEXT painted and, where ANSWER is given, the entry
// answered by it.
async function opening(browser, address, condition, text, answer) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  const cdp = await page.createCDPSession();
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: condition.cpu });
  if (condition.network) {
    await cdp.send('Network.enable');
    await cdp.send('Network.emulateNetworkConditions', condition.network);
  }
  await page.evaluateOnNewDocument((wanted, answer) => {
    new MutationObserver((changes, observer) => {
      if (document.body !== null && document.body.textContent.includes(wanted)) {
        observer.disconnect();
        requestAnimationFrame(() => setTimeout(() => {
          window.kalkulatorNamalowane = performance.mark('kalkulator-namalowane').startTime;
        }));
      }
    }).observe(document, { subtree: true, childList: true, characterData: true });
    if (answer) {
      new MutationObserver((changes, observer) => {
        const ekran = document.getElementById('ekran');
        if (ekran !== null && ekran.textContent.includes(answer)) {
          observer.disconnect();
          window.kalkulatorOdpowiedz = performance.mark('kalkulator-odpowiedz').startTime;
        }
      }).observe(document, { subtree: true, childList: true, characterData: true });
    }
  }, text, answer || '');
  // Every opening traced alike, so that the tracing's cost takes no side.
  await page.tracing.start(
    { categories: ['devtools.timeline', 'disabled-by-default-devtools.timeline',
      'blink.user_timing'] });
  page.goto(address).catch(() => {});
  const painted = await (await page.waitForFunction(() => window.kalkulatorNamalowane,
    { polling: 50, timeout: 60000 })).jsonValue();
  let answered = null;
  let longest = null;
  let what = null;
  if (answer) {
    await page.keyboard.type('1');
    await page.keyboard.press('Enter');
    answered = await (await page.waitForFunction(() => window.kalkulatorOdpowiedz,
      { polling: 50, timeout: 60000 })).jsonValue();
  }
  const events = JSON.parse(Buffer.from(await page.tracing.stop()).toString()).traceEvents;
  if (answer) {
    const [from, to] = ['kalkulator-namalowane', 'kalkulator-odpowiedz']
      .map((name) => events.find((event) => event.name === name));
    const task = events.filter((event) => event.name === 'RunTask' &&
      event.pid === from.pid && event.tid === from.tid && event.ts + event.dur > from.ts &&
      event.ts < to.ts).reduce((a, b) => (b.dur > a.dur ? b : a));
    longest = task.dur / 1000;
    // Its heaviest event, and the heaviest that names a script's function.
    const inside = events.filter((event) => event.pid === task.pid && event.tid === task.tid &&
      event.ph === 'X' && event !== task && event.ts >= task.ts &&
      event.ts + event.dur <= task.ts + task.dur);
    const heaviest = (events) => events.reduce((a, b) => (b.dur > a.dur ? b : a),
      { name: 'nothing traced', dur: 0 });
    const named = (event) => event.args && event.args.data &&
      (event.args.data.functionName || event.args.data.url);
    what = [heaviest(inside), heaviest(inside.filter(named))].map((event) => {
      const data = (event.args && event.args.data) || {};
      return [event.name, data.type, data.functionName, data.url && path.basename(data.url)]
        .filter(Boolean).join(' ') + ` ${(event.dur / 1000).toFixed(0)} ms`;
    }).join(', in it ');
  }
  await context.close();
  return [painted, answered, longest, what];
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
  const head = '<!DOCTYPE html><html lang="pl"><title>-</title>';
  fs.writeFileSync(path.join(work, 'empty.html'), `${head}<p>${WORD}</p></html>\n`);
  fs.writeFileSync(path.join(work, 'bare.html'), `${head}<pre>${TEKSTY.menu.join('\n')}\n</pre>` +
    '<form><input autofocus><button>Wyślij</button></form></html>\n');
  const servers = [];
  for (const pageDir of pageDirs) {
    servers.push(await serve(pageDir, { gzip: true }));
  }
  const empty = await serve(work, { gzip: true });
  const pages = servers.map((server, i) => ({ name: `page ${i + 1}`, address: url(server),
    answer: TEKSTY.U })).concat({ name: 'bare page', address: url(empty) + 'bare.html' });
  const browser = await launch(chromium, work);
  try {
    const heads = pages.map((page) => `${page.name}: menu painted, ms | to one word ` +
      '(middle half) | to the bare page | first answer, ms | longest task, ms');
    console.log(`| conditions | one word painted, ms | ${heads.join(' | ')} |`);
    console.log(`|---|---:|${pages.map(() => '---:|---:|---:|---:|---:|').join('')}`);
    const worsts = [];
    for (const condition of CONDITIONS) {
      const times = { empty: [], menu: pages.map(() => []), answer: pages.map(() => []),
        longest: pages.map(() => []), what: pages.map(() => []) };
      for (const page of pages) {
        await opening(browser, page.address, condition, MENU_LAST, page.answer); // warm-up
      }
      for (let i = 0; i < OPENINGS; i++) {
        times.empty.push((await opening(browser, url(empty) + 'empty.html', condition, WORD))[0]);
        for (const [j, page] of pages.entries()) {
          const [menu, answer, longest, what] =
            await opening(browser, page.address, condition, MENU_LAST, page.answer);
          times.menu[j].push(menu);
          times.answer[j].push(answer);
          times.longest[j].push(longest);
          times.what[j].push(what);
        }
      }
      const word = median(times.empty);
      // The median of paired ratios, with their middle half.
      const paired = (times, others) => {
        const ratios = times.map((time, i) => time / others[i]);
        const range = [0.25, 0.75].map((q) => quantile(ratios, q).toFixed(2)).join('-');
        return `${median(ratios).toFixed(2)} (${range})`;
      };
      const bare = times.menu.at(-1);
      const cells = pages.map((page, j) => [median(times.menu[j]).toFixed(0),
        paired(times.menu[j], times.empty)].concat(page.answer ? [paired(times.menu[j], bare),
        median(times.answer[j]).toFixed(0),
        // The longest task: the median opening's, and the worst of all.
        `${median(times.longest[j]).toFixed(0)} (${Math.max(...times.longest[j]).toFixed(0)})`]
        : ['-', '-', '-']).join(' | '));
      console.log(`| ${condition.name} | ${word.toFixed(0)} | ${cells.join(' | ')} |`);
      for (const [j, page] of pages.entries()) {
        if (page.answer) {
          const worst = times.longest[j].indexOf(Math.max(...times.longest[j]));
          worsts.push(`${condition.name}, ${page.name}: ${times.longest[j][worst].toFixed(0)} ms, ` +
            times.what[j][worst]);
        }
      }
    }
    console.log(`\nThe worst longest task, by its heaviest event:\n${worsts.join('\n')}`);
  } finally {
    await browser.close();
    for (const server of servers) {
      await stop(server);
    }
    await stop(empty);
    fs.rmSync(work, { recursive: true, force: true });
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
