// The page hosted: the zip unpacked and served from 127.0.0.1, in headless
// Chromium. Its manifest parses, Chromium would install it, its service
// worker takes control, and with the server gone it still opens and runs.
//
// Usage: node hosted.js ZIP CHROMIUM
'use strict';
const assert = require('assert');
const { launch } = require('./chromium');
const { serve, url: address, stop } = require('./serwer');
const { MENU_8, END, LINES, waitFor, showing, run } = require('./strona');

const [zip, chromium] = process.argv.slice(2);

run(zip, async (folder, work) => {
  const browser = await launch(chromium, work);
  let server = await serve(folder);
  try {
    const page = await browser.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(String(error)));
    const lines = () => page.evaluate(LINES);
    await page.goto(address(server));
    await waitFor(lines, 'the menu', showing(MENU_8));

    const cdp = await page.createCDPSession();
    const manifest = await cdp.send('Page.getAppManifest');
    assert.ok(manifest.url.endsWith('/manifest.webmanifest'), `manifest at ${manifest.url}`);
    assert.deepStrictEqual(manifest.errors, [], 'the manifest has errors');
    const parsed = JSON.parse(manifest.data);
    assert.strictEqual(parsed.lang, 'pl');
    assert.ok(parsed.icons.some((icon) => icon.purpose === 'maskable'), 'no maskable icon');
    // Chromium looks at the manifest's icons only once it has them all.
    const deadline = Date.now() + 20000;
    let installability;
    do {
      installability = (await cdp.send('Page.getInstallabilityErrors')).installabilityErrors;
    } while (installability.length > 0 && Date.now() < deadline &&
      await new Promise((resolve) => setTimeout(resolve, 200, true)));
    assert.deepStrictEqual(installability, [], 'Chromium would not install the page');
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null,
      { timeout: 20000 });

    // Offline: no server at all, not even a connection kept alive.
    await stop(server);
    server = null;
    await page.reload();
    await waitFor(lines, 'the menu offline', showing(MENU_8));
    for (const entry of ['6', '0.5', '100', 'z']) {
      await page.keyboard.type(entry);
      await page.keyboard.press('Enter');
    }
    const shown = await waitFor(lines, 'the end of the run offline', showing(END));
    assert.ok(shown.includes('0.005 S'), `offline:\n${shown.join('\n')}`);
    assert.deepStrictEqual(errors, [], 'the page had errors');
  } finally {
    if (server) {
      await stop(server);
    }
    await browser.close();
  }
});
