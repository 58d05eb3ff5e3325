// The page's console. The screen above only shows what kalkulator.js writes,
// clearing its own run when the program clears the terminal; the entries are
// typed in an ordinary text field below it, so that every keyboard, an
// on-screen one with its suggestions and compositions, voice typing and
// paste, works as in any form. Enter sends the line, which the screen echoes
// as a terminal does; Up and Down bring back the lines sent before; Ctrl-D,
// or the button set apart below, on an empty line ends the input. Each run
// is a new instance of the program, and the earlier runs stay above it.
//
// The page comes with the program's first screen and this script inside it
// (web/zloz.js), so the field takes answers at once: kalkulator.js, the
// larger file by far, is loaded only after that screen has been drawn, and
// is given what was typed meanwhile when it reads. If it is slow to come,
// or does not come, the page says so, with a way to load it again. Even
// this script waits for that first frame, but for keeping the lines sent
// before it, which the page's head does (web/wczesne.js).
requestAnimationFrame(function () {
  'use strict';
  setTimeout(function () {
    var wczesne = window.kalkulatorWczesne;
    document.removeEventListener('submit', wczesne.zachowaj, true);
    konsola(wczesne.linie);
  });
});

function konsola(wczesne) {
  'use strict';

  var ekran = document.getElementById('ekran');
  var nowe = document.getElementById('nowe');
  var wiersz = document.getElementById('wiersz');
  var wpis = document.getElementById('wpis');
  var pytanie = document.getElementById('pytanie');
  var wyslijPrzycisk = document.getElementById('wyslij');
  var koniec = document.getElementById('koniec');
  var stan = document.getElementById('stan');
  var ponownie = document.getElementById('ponownie');
  var kodowanie = new TextEncoder();
  var dekoder = new TextDecoder();

  // The run's screen keeps its last thousand lines, as a terminal's
  // scrollback does, of thirty thousand characters at the most (one line
  // may be long: a question asked again and again), and says at its top
  // that earlier ones were dropped.
  var NAJWIECEJ_WIERSZY = 1000;
  var NAJWIECEJ_ZNAKOW = 30000;
  // What is announced of new output: its last few hundred characters.
  var NAJWIECEJ_OGLOSZENIA = 300;

  // The page's work in slices of a few milliseconds, each in a task of its
  // own, so that a paste of any length, and the program's answers to it,
  // never hold the browser: the user can type, scroll and read meanwhile.
  var KAWALEK_MS = 8;
  var poczatekZadania = performance.now();
  var odlozone = [];
  var kanal = new MessageChannel();
  kanal.port1.onmessage = function () {
    poczatekZadania = performance.now();
    odlozone.shift()();
  };
  function czasMinal() {
    return performance.now() - poczatekZadania > KAWALEK_MS;
  }
  function pozniej(praca) {
    odlozone.push(praca);
    kanal.port2.postMessage(null);
  }

  // A control sequence: its parameters and its final character.
  var STEROWANIE = /\x1b\[([0-9;?]*)([@-~])/;

  // The current run's block, and the line breaks in it; the first run's is
  // the page's, showing the program's first screen already.
  var przebieg = ekran.querySelector('pre');
  var wierszy = 0;
  var znakow = 0;
  // What of that screen the program has yet to write: its own output takes
  // the screen's place as it comes, the same text, so nothing changes.
  var pierwszyEkran = przebieg.textContent;
  var doPokazania = pierwszyEkran;
  // The line being written, where the program asks its question: the field's
  // name, for a screen reader.
  var biezacaLinia = '';
  var PYTANIE = pytanie.textContent;

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
  // stands: the program's output and the echo of the user's entries. What
  // is hidden from it (cicho) is the page's own remarks, which the status
  // line says, and new output while it is being announced. Returns what
  // was added.
  function dopisz(tekst, cicho) {
    if (tekst === '') {
      return null;
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
    znakow += tekst.length;
    while ((wierszy > NAJWIECEJ_WIERSZY || znakow > NAJWIECEJ_ZNAKOW) &&
           pominiete().nextSibling !== przebieg.lastChild) {
      var najstarszy = pominiete().nextSibling;
      wierszy -= najstarszy.textContent.split('\n').length - 1;
      znakow -= najstarszy.textContent.length;
      przebieg.removeChild(najstarszy);
    }
    return wezel;
  }

  // The line at the top of a run whose earlier lines were dropped.
  function pominiete() {
    var znacznik = przebieg.firstChild;
    if (znacznik === null || znacznik.className !== 'pominiete') {
      znacznik = przebieg.insertBefore(document.createElement('span'), znacznik);
      znacznik.className = 'pominiete';
      znacznik.textContent = '[Wcześniejsze wiersze tego uruchomienia pominięto.]\n';
    }
    return znacznik;
  }

  // The program's output: text, and the sequence that clears the screen
  // (cursor home, erase the display and the scrollback). Other sequences
  // have nothing to show. The new text is announced once, from a region of
  // its own that empties soon after; meanwhile the console's copy is hidden
  // from screen readers, so that the page holds it once at any moment.
  var ogloszone = 0;
  var ogloszenie = [];
  var ogloszenieDlugosc = 0;
  function ogloszono() {
    clearTimeout(ogloszone);
    nowe.textContent = '';
    ogloszenie.forEach(function (wezel) {
      wezel.removeAttribute('aria-hidden');
    });
    ogloszenie = [];
    ogloszenieDlugosc = 0;
  }
  function wypisz(tekst) {
    var wezel = dopisz(tekst, true);
    if (wezel !== null) {
      ogloszenie.push(wezel);
      ogloszenieDlugosc += tekst.length;
    }
  }
  // The region holds the newest output alone, whose copies in the console
  // stay hidden; older copies are shown again, as they leave it.
  function oglos() {
    while (ogloszenie.length > 1 && ogloszenieDlugosc > NAJWIECEJ_OGLOSZENIA) {
      var najstarsze = ogloszenie.shift();
      najstarsze.removeAttribute('aria-hidden');
      ogloszenieDlugosc -= najstarsze.textContent.length;
    }
    nowe.textContent = ogloszenie.map(function (wezel) {
      return wezel.textContent;
    }).join('');
  }
  function pokaz(bajty) {
    var napisane = dekoder.decode(bajty, { stream: true });
    if (doPokazania !== '') {
      var zgodne = 0;
      while (zgodne < napisane.length && zgodne < doPokazania.length &&
             napisane[zgodne] === doPokazania[zgodne]) {
        zgodne++;
      }
      if (zgodne === napisane.length || zgodne === doPokazania.length) {
        doPokazania = doPokazania.slice(zgodne);
        napisane = napisane.slice(zgodne);
      } else {
        // Another screen after all: what was shown of it stays, as written.
        var pokazane = pierwszyEkran.length - doPokazania.length + zgodne;
        przebieg.firstChild.data = pierwszyEkran.slice(0, pokazane);
        doPokazania = '';
        napisane = napisane.slice(zgodne);
      }
    }
    var czesci = napisane.split(STEROWANIE);
    var tekst = czesci[0];
    wypisz(czesci[0]);
    for (var i = 1; i < czesci.length; i += 3) {
      if (czesci[i + 1] === 'J' && /^[23]$/.test(czesci[i])) {
        przebieg.textContent = '';
        wierszy = 0;
        znakow = 0;
        ogloszenie = []; // gone with the screen
        ogloszenieDlugosc = 0;
      }
      wypisz(czesci[i + 2]);
      tekst += czesci[i + 2];
    }
    if (tekst !== '') {
      oglos();
      clearTimeout(ogloszone);
      ogloszone = setTimeout(ogloszono, 1500);
      var koniecLinii = tekst.lastIndexOf('\n');
      // Its end alone, which holds the question, however often it is asked.
      biezacaLinia = (koniecLinii < 0 ? biezacaLinia + tekst : tekst.slice(koniecLinii + 1))
        .slice(-NAJWIECEJ_OGLOSZENIA);
      pytanie.textContent = biezacaLinia.trim() || PYTANIE;
    }
    przewin();
  }

  // Input: the lines sent and not yet read, an end of input waiting for the
  // next read, and the program's read, if it waits. The field takes entries
  // until the run ends, also before the program is there to read them.
  var wyslane = [];
  var koniecWejscia = false;
  var odczyt = null;
  var przyjmuje = true;

  var oddajPozniej = false;
  function oddaj() {
    if (odczyt === null || (wyslane.length === 0 && !koniecWejscia)) {
      return;
    }
    if (czasMinal()) {
      if (!oddajPozniej) {
        oddajPozniej = true;
        pozniej(function () {
          oddajPozniej = false;
          oddaj();
        });
      }
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

  // The lines to send, in order: a paste's many go a slice at a time, and
  // what is typed meanwhile after them.
  var kolejka = [];
  var wKolejce = 0;
  var KONIEC = {}; // the end of input, after the lines before it
  function wyslij(tekst) {
    wyslijWszystkie([tekst]);
  }
  function wyslijWszystkie(teksty) {
    var czekaly = wKolejce < kolejka.length;
    for (var i = 0; i < teksty.length; i++) {
      kolejka.push(teksty[i]);
    }
    if (!czekaly) {
      poczatekZadania = performance.now(); // the user's entry, answered at once
      wysylaj();
    }
  }
  function wysylaj() {
    while (wKolejce < kolejka.length) {
      if (czasMinal()) {
        pozniej(wysylaj);
        return;
      }
      var tekst = kolejka[wKolejce++];
      if (tekst === KONIEC) {
        koniecWejscia = true;
        oddaj();
      } else {
        wyslijTeraz(tekst);
      }
    }
    kolejka = [];
    wKolejce = 0;
  }

  function wyslijTeraz(tekst) {
    dopisz(tekst);
    ogloszono();
    biezacaLinia = '';
    pytanie.textContent = PYTANIE;
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
    koniecMozliwy();
    return linia;
  }

  // The button ends the input only from an empty field: a tap meant for
  // sending never ends it, nor sends a half-typed answer.
  function koniecMozliwy() {
    koniec.disabled = !przyjmuje || wpis.value !== '';
  }
  wpis.addEventListener('input', koniecMozliwy);

  // The field without scrolling the page: the browser brings it into view
  // itself when the keyboard opens, and the console keeps its last line.
  function doPola() {
    wpis.focus({ preventScroll: true });
  }

  // Ctrl-D: a line typed so far goes without its newline; on an empty line
  // the input ends.
  function zakonczWejscie() {
    if (!przyjmuje) {
      return;
    }
    if (wpis.value !== '') {
      wyslij(wezWpis());
      doPola();
    } else {
      // Nothing typed can pass the end of input: the field takes no more
      // until the program is started again.
      wpisywanie(false);
      wyslij(KONIEC);
    }
  }

  // The form never goes to a server (method="dialog" outside a dialog):
  // its submission is a line for the program.
  wiersz.addEventListener('submit', function (zdarzenie) {
    zdarzenie.preventDefault();
    if (przyjmuje) {
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
    if (!przyjmuje || !wklejone || !/[\r\n]/.test(wklejone)) {
      return;
    }
    zdarzenie.preventDefault();
    var linie = (wpis.value.slice(0, wpis.selectionStart) + wklejone).split(/\r\n|\r|\n/);
    var reszta = wpis.value.slice(wpis.selectionEnd);
    wpis.value = '';
    wyslijWszystkie(linie.slice(0, -1).map(function (linia) {
      return linia + '\n';
    }));
    wpis.value = linie[linie.length - 1] + reszta;
    koniecMozliwy();
  });

  koniec.addEventListener('click', function () {
    if (wpis.value === '') {
      zakonczWejscie();
    }
  });

  // The console is the place to tap: the entry goes to the field below.
  ekran.addEventListener('click', function () {
    if (przyjmuje && String(window.getSelection()) === '') {
      doPola();
    }
  });

  // Whether the field and its buttons take anything.
  function wpisywanie(wlaczone) {
    przyjmuje = wlaczone;
    wpis.disabled = !wlaczone;
    wyslijPrzycisk.disabled = !wlaczone;
    koniecMozliwy();
  }

  // The end of a run, or of the page's hope of one: the status says it (and
  // a screen reader reads it, once), the console shows it, and the button
  // below starts again.
  function zakonczono(tekst, dalej, przycisk) {
    wpisywanie(false);
    kolejka = []; // what no program is left to read
    wKolejce = 0;
    dopisz('\n[' + tekst + ']\n', true);
    przewin();
    stan.textContent = tekst + ' ' + dalej;
    ponownie.textContent = przycisk;
    ponownie.hidden = false;
    ponownie.focus({ preventScroll: true });
  }

  // If kalkulator.js cannot be loaded or started, the page says so and can
  // only be loaded again; what was typed stays on the screen, unanswered.
  // A server that answers has refused the program or lacks it, which no
  // connection mends; no answer at all is the connection's.
  function nieWczytano() {
    wpisywanie(false);
    function powiedz(odpowiedz) {
      if (odpowiedz && !odpowiedz.ok) {
        document.getElementById('przyczyna').textContent = 'Serwer nie wydał pliku ' +
          'kalkulator.js (błąd HTTP ' + odpowiedz.status + '): strona na nim jest niepełna.';
      }
      document.documentElement.classList.add('nie-wczytano');
    }
    if (/^https?:$/.test(location.protocol)) {
      fetch('kalkulator.js', { method: 'HEAD', cache: 'no-store' }).then(powiedz, function () {
        powiedz(null);
      });
    } else {
      powiedz(null);
    }
  }

  // A new run below the earlier ones, which stay dimmed.
  function nowyPrzebieg() {
    przebieg.className = 'wczesniej';
    przebieg.setAttribute('role', 'group');
    przebieg.setAttribute('aria-label', 'Poprzednie uruchomienie');
    przebieg = ekran.appendChild(document.createElement('pre'));
    wierszy = 0;
    znakow = 0;
    wpis.value = '';
    szkic = '';
    wHistorii = historia.length;
    wyslane = [];
    koniecWejscia = false;
    ogloszono();
    wpisywanie(true);
    doPola();
    uruchom();
  }

  function uruchom() {
    odczyt = null;
    biezacaLinia = '';
    pytanie.textContent = PYTANIE;
    ponownie.hidden = true;
    // Started: the runtime is up and main runs (its first read waits).
    var wystartowal = false;
    function start() {
      wystartowal = true;
      wczytany = true;
      document.documentElement.classList.remove('wolno');
      stan.textContent = 'Program działa: wpisz odpowiedź i naciśnij Enter.';
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

  // The program, and the field as the place to type.
  var wczytany = false;
  ponownie.onclick = nowyPrzebieg;
  koniecMozliwy();
  doPola();
  setTimeout(function () {
    if (!wczytany) {
      document.documentElement.classList.add('wolno');
    }
  }, 6000);
  var program = document.createElement('script');
  program.src = 'kalkulator.js';
  program.onload = function () {
    if (typeof Kalkulator === 'function') {
      uruchom();
    } else {
      nieWczytano();
    }
  };
  program.onerror = nieWczytano;
  document.head.appendChild(program);
  wczesne.forEach(function (linia) {
    wyslij(linia + '\n');
  });

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
      // A worker taking over from another brings a new version, which
      // the page open now is not: it says so, and a link loads it.
      if (navigator.serviceWorker.controller) {
        navigator.serviceWorker.addEventListener('controllerchange', function () {
          document.getElementById('wersja').hidden = false;
        });
      }
    }
  }
}
