// The browsers as the page's tests and benchmark start them, headless, each
// with a profile of its own: Chromium, without the background connections a
// closed network refuses, or Firefox ESR over WebDriver BiDi.
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
