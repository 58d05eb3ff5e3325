// Headless Chromium as the page's tests and benchmark start it: Debian's
// browser, a profile of its own, and none of the background connections that
// this machine's closed network would refuse.
'use strict';
const path = require('path');
const puppeteer = require('puppeteer-core');

exports.launch = (executablePath, folder) => puppeteer.launch({
  executablePath,
  headless: true,
  userDataDir: path.join(folder, 'profile'),
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
