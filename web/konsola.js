// The page's console. The screen above only shows what kalkulator.js writes,
// clearing itself when the program clears the terminal; the entries are typed
// in an ordinary text field below it, so that every keyboard, an on-screen
// one with its suggestions and compositions, voice typing and paste, works as
// in any form. Enter sends the line, which the screen echoes as a terminal
// does; Ctrl-D, or the button beside, on an empty line ends the input. Each
// run is a new instance of the program.
(function () {
  'use strict';

  var ekran = document.getElementById('ekran');
  var wiersz = document.getElementById('wiersz');
  var wpis = document.getElementById('wpis');
  var koniec = document.getElementById('koniec');
  var stan = document.getElementById('stan');
  var ponownie = document.getElementById('ponownie');
  var kodowanie = new TextEncoder();
  var dekoder = new TextDecoder();

  // The screen keeps the last thousand lines, as a terminal's scrollback
  // does; they are counted once it holds as many pieces of text.
  var NAJWIECEJ_WIERSZY = 1000;

  // A control sequence: its parameters and its final character.
  var STEROWANIE = /\x1b\[([0-9;?]*)([@-~])/;

  // To the last line, once a frame: the program writes line by line, and
  // each scroll of its own would lay the page out again.
  var przewijanie = false;
  function przewin() {
    if (!przewijanie) {
      przewijanie = true;
      requestAnimationFrame(function () {
        przewijanie = false;
        ekran.scrollTop = ekran.scrollHeight;
      });
    }
  }

  function dopisz(tekst) {
    if (tekst === '') {
      return;
    }
    ekran.appendChild(document.createTextNode(tekst));
    if (ekran.childNodes.length > NAJWIECEJ_WIERSZY) {
      ekran.textContent = ekran.textContent.split('\n').slice(-NAJWIECEJ_WIERSZY).join('\n');
    }
  }

  // The program's output: text, and the sequence that clears the screen
  // (cursor home, erase the display and the scrollback). Other sequences
  // have nothing to show.
  function pokaz(bajty) {
    var czesci = dekoder.decode(bajty, { stream: true }).split(STEROWANIE);
    dopisz(czesci[0]);
    for (var i = 1; i < czesci.length; i += 3) {
      if (czesci[i + 1] === 'J' && /^[23]$/.test(czesci[i])) {
        ekran.textContent = '';
      }
      dopisz(czesci[i + 2]);
    }
    przewin();
  }

  // Input: the lines sent and not yet read, an end of input waiting for the
  // next read, and the program's read, if it waits.
  var wyslane = [];
  var koniecWejscia = false;
  var odczyt = null;
  var dziala = false;

  function oddaj() {
    if (odczyt === null || (wyslane.length === 0 && !koniecWejscia)) {
      return;
    }
    var czekajacy = odczyt;
    odczyt = null;
    if (wyslane.length === 0) {
      koniecWejscia = false; // a terminal's end of input ends one read
      czekajacy.zwroc(new Uint8Array(0));
      return;
    }
    var pierwsze = wyslane[0];
    var ile = Math.min(czekajacy.ile, pierwsze.length);
    if (ile < pierwsze.length) {
      wyslane[0] = pierwsze.subarray(ile);
    } else {
      wyslane.shift();
    }
    czekajacy.zwroc(pierwsze.subarray(0, ile));
  }

  function wyslij(tekst) {
    dopisz(tekst);
    przewin();
    wyslane.push(kodowanie.encode(tekst));
    oddaj();
  }

  // What is typed in the field, which is then empty for the next entry.
  function wezWpis() {
    var linia = wpis.value;
    wpis.value = '';
    return linia;
  }

  // Ctrl-D: a line typed so far goes without its newline; on an empty line
  // the input ends.
  function zakonczWejscie() {
    if (!dziala) {
      return;
    }
    if (wpis.value !== '') {
      wyslij(wezWpis());
    } else {
      koniecWejscia = true;
      oddaj();
    }
    wpis.focus();
  }

  wiersz.addEventListener('submit', function (zdarzenie) {
    zdarzenie.preventDefault();
    if (dziala) {
      wyslij(wezWpis() + '\n');
    }
    wpis.focus();
  });

  wpis.addEventListener('keydown', function (zdarzenie) {
    if (zdarzenie.ctrlKey && !zdarzenie.altKey && (zdarzenie.key === 'd' || zdarzenie.key === 'D')) {
      zdarzenie.preventDefault();
      zakonczWejscie();
    }
  });

  // A text field takes one line: pasted lines go to the program one by one,
  // and what follows the last line break stays in the field.
  wpis.addEventListener('paste', function (zdarzenie) {
    var wklejone = zdarzenie.clipboardData && zdarzenie.clipboardData.getData('text');
    if (!dziala || !wklejone || !/[\r\n]/.test(wklejone)) {
      return;
    }
    zdarzenie.preventDefault();
    var linie = (wpis.value.slice(0, wpis.selectionStart) + wklejone).split(/\r\n|\r|\n/);
    var reszta = wpis.value.slice(wpis.selectionEnd);
    wpis.value = '';
    linie.slice(0, -1).forEach(function (linia) {
      wyslij(linia + '\n');
    });
    wpis.value = linie[linie.length - 1] + reszta;
  });

  koniec.addEventListener('click', zakonczWejscie);

  // The console is the place to tap: the entry goes to the field below.
  ekran.addEventListener('click', function () {
    if (dziala && String(window.getSelection()) === '') {
      wpis.focus();
    }
  });

  function zakonczono(tekst) {
    dziala = false;
    wpis.disabled = true;
    koniec.disabled = true;
    dopisz('\n[' + tekst + ']\n');
    przewin();
    stan.textContent = tekst + ' Aby policzyć coś jeszcze, uruchom go ponownie.';
    ponownie.hidden = false;
    ponownie.focus();
  }

  function uruchom() {
    ekran.textContent = '';
    wpis.value = '';
    wyslane = [];
    koniecWejscia = false;
    odczyt = null;
    dziala = true;
    wpis.disabled = false;
    koniec.disabled = false;
    ponownie.hidden = true;
    stan.textContent = 'Program działa: wpisz odpowiedź i naciśnij Enter.';
    Kalkulator({
      wczytaj: function (fd, ile) {
        return new Promise(function (zwroc) {
          odczyt = { ile: ile, zwroc: zwroc };
          oddaj();
        });
      },
      zapisz: function (fd, bajty) {
        pokaz(bajty);
        return true;
      },
      czyTerminal: function () {
        return true;
      },
      term: 'vt100',
      onExit: function (status) {
        zakonczono(status === 0 ? 'Program zakończył działanie.'
                                : 'Program zakończył działanie z kodem ' + status + '.');
      },
      onAbort: function () {
        zakonczono('Program przerwał działanie z powodu błędu.');
      }
    });
    wpis.focus();
  }

  ponownie.addEventListener('click', uruchom);
  uruchom();

  // Hosted, the page can be installed, and keeps its files for working
  // offline; opened from a file, it has them already, and a browser would
  // refuse it both.
  if (/^https?:$/.test(location.protocol)) {
    var manifest = document.createElement('link');
    manifest.rel = 'manifest';
    manifest.href = 'manifest.webmanifest';
    document.head.appendChild(manifest);
    if ('serviceWorker' in navigator) {
      // Without it the page works all the same, only not offline.
      navigator.serviceWorker.register('sw.js').catch(function () {});
    }
  }
})();
