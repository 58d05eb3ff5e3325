// The page in WebKit, Safari's engine: a dialogue typed into it from file://
// in WebKitGTK's MiniBrowser, over plain WebDriver calls, on a display.
//
// Usage: node webkit.js ZIP WEBKITWEBDRIVER MINIBROWSER
'use strict';
const assert = require('assert');
const { spawn } = require('child_process');
const path = require('path');
const { TEKSTY, MENU_LAST, END, LINES, HIDDEN, LAYOUTS, TEXT_SIZES, APART, NO_PROGRAM,
  withoutProgram, waitFor, showing, run } = require('./strona');
const { serve, url, stop } = require('./serwer');

const [zip, driver, minibrowser] = process.argv.slice(2);
const ELEMENT = 'element-6066-11e4-a52e-4f735466cecf';
const ENTER = '\uE007';

run(zip, async (folder, work) => {
  // A free port for the driver, which must be given one.
  const probe = require('net').createServer().listen(0, '127.0.0.1');
  await new Promise((resolve) => probe.on('listening', resolve));
  const { port } = probe.address();
  await new Promise((resolve) => probe.close(resolve));
  const service = spawn(driver, [`--port=${port}`, '--host=127.0.0.1'],
    { stdio: ['ignore', 'ignore', 'inherit'] });
  let session = '';
  const call = async (method, route, body) => {
    const response = await fetch(`http://127.0.0.1:${port}${session}${route}`, { method,
      headers: { 'Content-Type': 'application/json' }, body: body && JSON.stringify(body) });
    const answer = await response.json();
    if (!response.ok) {
      throw new Error(`${method} ${route}: ${JSON.stringify(answer.value)}`);
    }
    return answer.value;
  };
  try {
    await waitFor(() => call('GET', '/status').then(() => ['ready'], (error) => [String(error)]),
      'WebKitWebDriver to listen', (l) => l[0] === 'ready');
    session = '/session/' + (await call('POST', '/session', { capabilities: { alwaysMatch: {
      'webkitgtk:browserOptions': { binary: minibrowser, args: ['--automation'] },
    } } })).sessionId;

    await call('POST', '/url', { url: 'file://' + path.join(folder, 'index.html') });
    const lines = () => call('POST', '/execute/sync', { script: `return ${LINES};`, args: [] });
    await waitFor(lines, 'the menu', showing(MENU_LAST));
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

    // The window in each layout, the text at each size: the end of input a
    // thumb's width from the field and "Wyślij", and no control cut off.
    const evaluate = (fn, ...args) => call('POST', '/execute/sync',
      { script: `return (${fn})(...arguments);`, args });
    for (const [width, height] of LAYOUTS) {
      await call('POST', '/window/rect', { width, height });
      for (const size of TEXT_SIZES) {
        await evaluate((percent) => { document.documentElement.style.fontSize = percent; },
          `${size * 100}%`);
        const [apart, hidden] = [await evaluate(APART),
          await evaluate(HIDDEN, [], ['#wpis', '#wyslij', '#koniec'])];
        assert.ok(Math.round(apart) >= 24 && hidden.length === 0,
          `at ${width}x${height}, text at ${size * 100}%: ${apart} pixels apart, cut: ${hidden}`);
      }
    }

    // The server lacking kalkulator.js: said as the server's, not the connection's.
    const server = await serve(withoutProgram(folder, work));
    try {
      await call('POST', '/url', { url: url(server) });
      const failure = () => evaluate(() => [document.getElementById('awaria').innerText]);
      await waitFor(failure, 'the failure said', (said) => said[0] === NO_PROGRAM);
    } finally {
      await stop(server);
    }
  } finally {
    if (session) {
      await call('DELETE', '').catch(() => {});
    }
    service.kill();
  }
});
