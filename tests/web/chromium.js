// The browsers as the page's tests and benchmark start them, headless, each
// with a profile of its own: Debian's Chromium, without the background
// connections that this machine's closed network would refuse, or Debian's
// Firefox ESR, driven over WebDriver BiDi.
'use strict';
const path = require('path');
const puppeteer = require('puppeteer-core');

exports.launch = (executablePath, folder, engine = 'chromium') => puppeteer.launch(
  engine === 'firefox' ? {
    browser: 'firefox',
    executablePath,
    headless: true,
    userDataDir: path.join(folder, 'profile'),
  } : {
    executablePath,
    headless: true,
    userDataDir: path.join(folder, 'profile'),
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
