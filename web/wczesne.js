// The lines sent before the console's script is there, kept for it in order:
// that script comes at the end of the page, after its first screen, which
// on a slow connection may be in view, and typed into, well before it.
(function () {
  'use strict';

  var wczesne = { linie: [] };
  wczesne.zachowaj = function (zdarzenie) {
    var pole = document.getElementById('wpis');
    if (zdarzenie.target.id === 'wiersz') {
      zdarzenie.preventDefault();
      wczesne.linie.push(pole.value);
      pole.value = '';
    }
  };
  document.addEventListener('submit', wczesne.zachowaj, true);
  window.kalkulatorWczesne = wczesne;
})();
