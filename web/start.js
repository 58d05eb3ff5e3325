// What runs as soon as kalkulator.js is loaded. `node kalkulator.js` runs the
// program; a page or a script that loads the file calls Kalkulator() itself.
// In the page, kalkulator.js comes before ekran.js, and each says when the
// other could not be loaded: if ekran.js has not come up by the time the
// document's scripts have run, the page shows that it failed.
if (typeof require == 'function' && typeof module == 'object' && require.main === module) {
  Kalkulator();
} else if (typeof document == 'object') {
  document.addEventListener('DOMContentLoaded', function() {
    if (!window['kalkulatorEkran']) {
      document.documentElement.classList.add('nie-wczytano');
    }
  });
}
