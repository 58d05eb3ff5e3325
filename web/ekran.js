// The page's console. The screen above only shows what kalkulator.js writes,
// clearing its own run when the program clears the terminal; the entries are
// typed in an ordinary text field below it, so that every keyboard, an
// on-screen one with its suggestions and compositions, voice typing and
// paste, works as in any form. Enter sends the line, which the screen echoes
// as a terminal does; Up and Down bring back the lines sent before; Ctrl-D,
// or the button beside, on an empty line ends the input. Each run is a new
// instance of the program, and the earlier runs stay above it.
(function () {
  'use strict';

  // The page's scripts load on their own: kalkulator.js learns by this that
  // this one came (web/start.js).
  window.kalkulatorEkran = true;

  var ekran = document.getElementById('ekran');
  var nowe = document.getElementById('nowe');
  var wiersz = document.getElementById('wiersz');
  var wpis = document.getElementById('wpis');
  var wyslijPrzycisk = document.getElementById('wyslij');
  var koniec = document.getElementById('koniec');
  var stan = document.getElementById('stan');
  var ponownie = document.getElementById('ponownie');
  var kodowanie = new TextEncoder();
  var dekoder = new TextDecoder();

  // The run's screen keeps its last thousand lines, as a terminal's
  // scrollback does.
  var NAJWIECEJ_WIERSZY = 1000;

  // A control sequence: its parameters and its final character.
  var STEROWANIE = /\x1b\[([0-9;?]*)([@-~])/;

  // The current run's block, and the line breaks in it.
  var przebieg = null;
  var wierszy = 0;

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

  // The newest line stays in view when the console grows shorter (the
  // keyboard opens, the phone turns) as it does while output arrives,
  // unless the reader has scrolled up to read.
  var naDole = true;
  ekran.addEventListener('scroll', function () {
    naDole = ekran.scrollTop + ekran.clientHeight >= ekran.scrollHeight - 2;
  });
  if (typeof ResizeObserver === 'function') {
    new ResizeObserver(function () {
      if (naDole) {
        ekran.scrollTop = ekran.scrollHeight;
      }
    }).observe(ekran);
  }

  // Text on the screen, where a screen reader's review finds it as it
  // stands: the program's output and the echo of the user's entries. The
  // page's own remarks are hidden from it (cicho), as the status line says
  // them.
  function dopisz(tekst, cicho) {
    if (tekst === '') {
      return;
    }
    var wezel = document.createTextNode(tekst);
    if (cicho) {
      var ukryty = document.createElement('span');
      ukryty.setAttribute('aria-hidden', 'true');
      ukryty.appendChild(wezel);
      wezel = ukryty;
    }
    przebieg.appendChild(wezel);
    wierszy += tekst.split('\n').length - 1;
    while (wierszy > NAJWIECEJ_WIERSZY && przebieg.firstChild !== przebieg.lastChild) {
      wierszy -= przebieg.firstChild.textContent.split('\n').length - 1;
      przebieg.removeChild(przebieg.firstChild);
    }
  }

  // The program's output: text, and the sequence that clears the screen
  // (cursor home, erase the display and the scrollback). Other sequences
  // have nothing to show. The new text is announced once, from a region of
  // its own that the next entry empties.
  function pokaz(bajty) {
    var czesci = dekoder.decode(bajty, { stream: true }).split(STEROWANIE);
    var tekst = czesci[0];
    dopisz(czesci[0]);
    for (var i = 1; i < czesci.length; i += 3) {
      if (czesci[i + 1] === 'J' && /^[23]$/.test(czesci[i])) {
        przebieg.textContent = '';
        wierszy = 0;
      }
      dopisz(czesci[i + 2]);
      tekst += czesci[i + 2];
    }
    if (tekst !== '') {
      nowe.appendChild(document.createTextNode(tekst));
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

  // The lines sent on this page, in every run, as a console's history: Up
  // goes back through them, Down forward to the line being typed.
  var historia = [];
  var wHistorii = 0;
  var szkic = '';

  function wyslij(tekst) {
    dopisz(tekst);
    nowe.textContent = '';
    przewin();
    wyslane.push(kodowanie.encode(tekst));
    var linia = tekst.replace(/\n$/, '');
    if (linia !== '') {
      historia.push(linia);
    }
    wHistorii = historia.length;
    oddaj();
  }

  function przywolaj(krok) {
    var dokad = wHistorii + krok;
    if (dokad < 0 || dokad > historia.length) {
      return;
    }
    if (wHistorii === historia.length) {
      szkic = wpis.value;
    }
    wHistorii = dokad;
    wpis.value = dokad === historia.length ? szkic : historia[dokad];
    wpis.setSelectionRange(wpis.value.length, wpis.value.length);
  }

  // What is typed in the field, which is then empty for the next entry.
  function wezWpis() {
    var linia = wpis.value;
    wpis.value = '';
    return linia;
  }

  // The field without scrolling the page: the browser brings it into view
  // itself when the keyboard opens, and the console keeps its last line.
  function doPola() {
    wpis.focus({ preventScroll: true });
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
    doPola();
  }

  // The form never goes to a server (method="dialog" outside a dialog):
  // its submission is a line for the program.
  wiersz.addEventListener('submit', function (zdarzenie) {
    zdarzenie.preventDefault();
    if (dziala) {
      wyslij(wezWpis() + '\n');
      doPola();
    }
  });

  var STRZALKI = { ArrowUp: -1, ArrowDown: 1 };
  wpis.addEventListener('keydown', function (zdarzenie) {
    var bezModyfikatorow = !zdarzenie.ctrlKey && !zdarzenie.altKey && !zdarzenie.metaKey;
    if (zdarzenie.ctrlKey && !zdarzenie.altKey && (zdarzenie.key === 'd' || zdarzenie.key === 'D')) {
      zdarzenie.preventDefault();
      zakonczWejscie();
    } else if (zdarzenie.key in STRZALKI && bezModyfikatorow && !zdarzenie.shiftKey &&
               !zdarzenie.isComposing) {
      zdarzenie.preventDefault();
      przywolaj(STRZALKI[zdarzenie.key]);
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
      doPola();
    }
  });

  // Whether the field and its buttons take anything.
  function wpisywanie(wlaczone) {
    dziala = wlaczone;
    wpis.disabled = !wlaczone;
    wyslijPrzycisk.disabled = !wlaczone;
    koniec.disabled = !wlaczone;
  }

  // The end of a run, or of the page's hope of one: the status says it (and
  // a screen reader reads it, once), the console shows it, and the button
  // below starts again.
  function zakonczono(tekst, dalej, przycisk) {
    wpisywanie(false);
    dopisz('\n[' + tekst + ']\n', true);
    przewin();
    stan.textContent = tekst + ' ' + dalej;
    ponownie.textContent = przycisk;
    ponownie.hidden = false;
    ponownie.focus({ preventScroll: true });
  }

  // Until kalkulator.js has loaded and started there is nothing to type to;
  // if it cannot, the page says so and can only be loaded again (the same
  // as when ekran.js cannot: the message is the page's own).
  function nieWczytano() {
    wpisywanie(false);
    document.documentElement.classList.add('nie-wczytano');
  }

  function uruchom() {
    if (przebieg !== null) {
      przebieg.className = 'wczesniej';
      przebieg.setAttribute('role', 'group');
      przebieg.setAttribute('aria-label', 'Poprzednie uruchomienie');
    }
    przebieg = ekran.appendChild(document.createElement('pre'));
    wierszy = 0;
    wpis.value = '';
    szkic = '';
    wHistorii = historia.length;
    wyslane = [];
    koniecWejscia = false;
    odczyt = null;
    nowe.textContent = '';
    ponownie.hidden = true;
    // Started: the runtime is up and main runs (its first read waits).
    var wystartowal = false;
    function start() {
      wystartowal = true;
      wpisywanie(true);
      stan.textContent = 'Program działa: wpisz odpowiedź i naciśnij Enter.';
      doPola();
    }
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
                                : 'Program zakończył działanie z kodem ' + status + '.',
                   'Aby policzyć coś jeszcze, uruchom go ponownie.', 'Uruchom ponownie');
      },
      onAbort: function () {
        if (wystartowal) {
          zakonczono('Program przerwał działanie z powodu błędu.',
                     'Aby policzyć coś jeszcze, uruchom go ponownie.', 'Uruchom ponownie');
        }
      }
    }).then(start, nieWczytano);
  }

  if (typeof Kalkulator === 'function') {
    ponownie.onclick = uruchom;
    uruchom();
  } else {
    nieWczytano();
  }

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
