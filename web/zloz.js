// Puts the page's index.html together at build time, so that its first
// screen comes with the document itself, ready to type into: the program's
// first screen, as kalkulator.js writes it when it is given no input, in the
// console; the styles, the console's scripts (the one that keeps lines sent
// early, and the console) and the title bar's icon inline, with no request
// of their own; and the policy's hashes of the styles and the scripts, which
// no other inline code matches.
//
// Usage: node zloz.js TEMPLATE STYLES EARLY_SCRIPT SCRIPT ICON_SVG KALKULATOR_JS OUTPUT
'use strict';
const { execFileSync } = require('child_process');
const crypto = require('crypto');
const fs = require('fs');

const [template, styles, earlyFile, scriptFile, iconFile, program, output] = process.argv.slice(2);

const html = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
const hash = (text) => `'sha256-${crypto.createHash('sha256').update(text).digest('base64')}'`;

// No input: the program shows its menu, finds the input ended, and exits.
const screen = execFileSync(process.execPath, [program], { input: '', encoding: 'latin1' });
const css = fs.readFileSync(styles, 'utf8');
let page = fs.readFileSync(template, 'utf8');
const [early, script] = [earlyFile, scriptFile].map((file) => {
  const text = fs.readFileSync(file, 'utf8');
  if (/<\/script/i.test(text)) {
    throw new Error(`${file} would end its own script element`);
  }
  return text;
});
// The drawing at the title bar's size, hidden from screen readers as the
// title says what it is.
const icon = fs.readFileSync(iconFile, 'utf8').replace(/<\?xml[^>]*>|<!--[^]*?-->/g, '').trim()
  .replace(/^<svg /, '<svg aria-hidden="true" focusable="false" ')
  .replace(/ width="\d+" height="\d+"/, ' width="20" height="20"');
if (!/^<svg aria-hidden[^>]* width="20"/.test(icon)) {
  throw new Error(`${iconFile} is not one svg element sized by width and height`);
}
for (const [mark, text] of [['{{ekran}}', html(screen)], ['{{styl}}', css], ['{{wczesny}}', early],
  ['{{skrypt}}', script], ['{{ikona}}', icon], ['{{hash-stylu}}', hash(css)],
  ['{{hash-wczesnego}}', hash(early)], ['{{hash-skryptu}}', hash(script)]]) {
  if (!page.includes(mark)) {
    throw new Error(`${template} has no ${mark}`);
  }
  page = page.replace(mark, () => text);
}
fs.writeFileSync(output, page);
