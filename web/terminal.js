// The page's console. xterm.js shows what kalkulator.js writes and, like a
// terminal in its ordinary line mode, echoes what is typed, lets Backspace
// correct it and hands the program the whole line at Enter; Ctrl-D on an
// empty line ends the input. Each run is a new instance of the program.
(function () {
  'use strict';

  // The longest menu line has 45 characters: it must stay on one row.
  var NAJMNIEJ_KOLUMN = 46;
  var NAJWIECEJ_KOLUMN = 80;
  var WIERSZE = 24;
  var CZCIONKA = '"DejaVu Sans Mono", "Liberation Mono", Menlo, Consolas, monospace';

  var kontener = document.getElementById('terminal');
  var stan = document.getElementById('stan');
  var ponownie = document.getElementById('ponownie');
  var kodowanie = new TextEncoder();

  var terminal = new Terminal({
    rows: WIERSZE,
    cols: NAJMNIEJ_KOLUMN,
    convertEol: true,
    cursorBlink: true,
    screenReaderMode: true,
    fontFamily: CZCIONKA,
    fontSize: 16,
    theme: { background: '#1b2530', foreground: '#e6e6e6', cursor: '#f0b43c' }
  });
  terminal.open(kontener);

  // The font as large as 16 px, and as small as 12 px where a phone needs
  // all of its width for the menu.
  function szerokoscZnaku() {
    var kontekst = document.createElement('canvas').getContext('2d');
    kontekst.font = '100px ' + CZCIONKA;
    return kontekst.measureText('W').width / 100;
  }
  function dopasuj() {
    var styl = getComputedStyle(kontener);
    var szerokosc = kontener.clientWidth - parseFloat(styl.paddingLeft) -
        parseFloat(styl.paddingRight) - 16; // xterm's scrollbar and rounding
    var znak = szerokoscZnaku();
    var rozmiar = Math.floor(szerokosc / (NAJMNIEJ_KOLUMN * znak) * 4) / 4;
    rozmiar = Math.min(16, Math.max(12, rozmiar));
    var kolumny = Math.floor(szerokosc / (rozmiar * znak));
    terminal.options.fontSize = rozmiar;
    terminal.resize(Math.min(NAJWIECEJ_KOLUMN, Math.max(NAJMNIEJ_KOLUMN, kolumny)), WIERSZE);
  }
  dopasuj();
  window.addEventListener('resize', dopasuj);

  // Input: the line being typed, the lines sent and not yet read, an end of
  // input waiting for the next read, and the program's read, if it waits.
  var linia = '';
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
    wyslane.push(kodowanie.encode(tekst));
    oddaj();
  }

  terminal.onData(function (dane) {
    if (!dziala || dane.charAt(0) === '\x1b') {
      return; // arrows and other keys that a line of input has no use for
    }
    Array.from(dane).forEach(function (znak) {
      if (znak === '\r' || znak === '\n') {
        terminal.write('\r\n');
        wyslij(linia + '\n');
        linia = '';
      } else if (znak === '\x7f' || znak === '\b') {
        if (linia !== '') {
          linia = Array.from(linia).slice(0, -1).join('');
          terminal.write('\b \b');
        }
      } else if (znak === '\x04') {
        if (linia !== '') {
          wyslij(linia);
          linia = '';
        } else {
          koniecWejscia = true;
          oddaj();
        }
      } else if (znak >= ' ') {
        linia += znak;
        terminal.write(znak);
      }
    });
  });

  function zakonczono(tekst) {
    dziala = false;
    terminal.write('\r\n\x1b[33m[' + tekst + ']\x1b[0m\r\n');
    stan.textContent = tekst + ' Aby policzyć coś jeszcze, uruchom go ponownie.';
    ponownie.hidden = false;
    ponownie.focus();
  }

  function uruchom() {
    terminal.reset();
    linia = '';
    wyslane = [];
    koniecWejscia = false;
    odczyt = null;
    dziala = true;
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
        terminal.write(bajty);
        return true;
      },
      czyTerminal: function () {
        return true;
      },
      term: 'xterm-256color',
      onExit: function (status) {
        zakonczono(status === 0 ? 'Program zakończył działanie.'
                                : 'Program zakończył działanie z kodem ' + status + '.');
      },
      onAbort: function () {
        zakonczono('Program przerwał działanie z powodu błędu.');
      }
    });
    terminal.focus();
  }

  ponownie.addEventListener('click', uruchom);
  uruchom();
})();
