// What runs as soon as kalkulator.js is loaded. `node kalkulator.js` runs the
// program; a page or a script that loads the file calls Kalkulator() itself.
if (typeof require == 'function' && typeof module == 'object' && require.main === module) {
  Kalkulator();
}
