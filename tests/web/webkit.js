// The page in WebKit, the engine of Safari on every Mac and iPhone: the zip
// unpacked and opened from file:// in WebKitGTK's MiniBrowser, driven by
// WebKitWebDriver over plain W3C WebDriver calls. The menu, a dialogue typed
// into the page's field, its result and the end of the run. Needs a display
// (xvfb-run).
//
// Usage: node webkit.js ZIP WEBKITWEBDRIVER MINIBROWSER
'use strict';
const assert = require('assert');
const { spawn } = require('child_process');
const fs = require('fs');
const net = require('net');
const os = require('os');
const path = require('path');
const { TEKSTY, MENU_8, END, LINES, unpack, waitFor, showing, run } = require('./strona');

const [zip, driver, minibrowser] = process.argv.slice(2);
const ELEMENT = 'element-6066-11e4-a52e-4f735466cecf';
const ENTER = '\uE007';

function freePort() {
  return new Promise((resolve, reject) => {
    const server = net.createServer();
    server.on('error', reject);
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
  });
}

async function main() {
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'kalkulator-webkit-'));
  const port = await freePort();
  const service = spawn(driver, [`--port=${port}`, '--host=127.0.0.1'],
    { stdio: ['ignore', 'ignore', 'inherit'] });
  const base = `http://127.0.0.1:${port}`;
  let session = null;

  async function call(method, route, body) {
    const response = await fetch(`${base}${session ? `/session/${session}` : ''}${route}`, {
      method,
      headers: { 'Content-Type': 'application/json' },
      body: body === undefined ? undefined : JSON.stringify(body),
    });
    const answer = await response.json();
    if (!response.ok) {
      throw new Error(`${method} ${route}: ${JSON.stringify(answer.value)}`);
    }
    return answer.value;
  }

  try {
    const url = 'file://' + path.join(unpack(zip, work), 'index.html');

    for (let tries = 0; ; tries++) { // until the driver listens
      try {
        await fetch(`${base}/status`);
        break;
      } catch (error) {
        if (tries > 100) {
          throw error;
        }
        await new Promise((resolve) => setTimeout(resolve, 100));
      }
    }
    session = (await call('POST', '/session', { capabilities: { alwaysMatch: {
      'webkitgtk:browserOptions': { binary: minibrowser, args: ['--automation'] },
    } } })).sessionId;

    await call('POST', '/url', { url });
    const lines = () => call('POST', '/execute/sync', { script: `return ${LINES};`, args: [] });
    await waitFor(lines, 'the menu', showing(MENU_8));
    const field = (await call('POST', '/element', { using: 'css selector', value: '#wpis' }))[ELEMENT];
    const type = (text) => call('POST', `/element/${field}/value`, { text });
    await type('4' + ENTER);
    await waitFor(lines, 'the first prompt', showing(TEKSTY.U));
    await type('230' + ENTER);
    await type('10' + ENTER);
    const shown = await waitFor(lines, 'the result', showing('2300W'));
    assert.deepStrictEqual(shown.filter((line) => line !== ''), [
      `${TEKSTY.U}230`, `${TEKSTY.I}10`, '2300W']);
    await type('z' + ENTER);
    await waitFor(lines, 'the end of the run', showing(END));
  } finally {
    if (session) {
      await call('DELETE', '').catch(() => {});
    }
    service.kill();
    fs.rmSync(work, { recursive: true, force: true });
  }
}

run(main);
