// Under Node, kalkulator.js is the console program: standard input and output
// of the process, byte for byte, a terminal where Node sees one, and TERM
// from the environment. The page sets these hooks itself (ekran.js). A
// script that loads kalkulator.js may ask for at most Module.bajtowNaOdczyt
// bytes a read (the tests ask for one).
if (typeof process == 'object' && process.versions && process.versions.node &&
    !Module['zapisz']) {
  var fs = require('fs');
  var najwiecej = Module['bajtowNaOdczyt'] || Infinity;
  Module['zapisz'] = function(fd, bajty) {
    var zapisane = 0;
    while (zapisane < bajty.length) {
      try {
        zapisane += fs.writeSync(fd, bajty, zapisane, bajty.length - zapisane);
      } catch (e) {
        if (e.code !== 'EAGAIN') { // a non-blocking pipe that is full just now
          return false;
        }
      }
    }
    return true;
  };
  Module['wczytaj'] = function(fd, ile) {
    return new Promise(function(zwroc, odrzuc) {
      var bufor = Buffer.alloc(Math.max(Math.min(ile, najwiecej), 1));
      (function czytaj() {
        try {
          zwroc(bufor.subarray(0, fs.readSync(fd, bufor, 0, bufor.length, null)));
        } catch (e) {
          if (e.code === 'EAGAIN') {
            setTimeout(czytaj, 10); // a non-blocking terminal or pipe
          } else if (e.code === 'EOF') {
            zwroc(bufor.subarray(0, 0));
          } else {
            odrzuc(e);
          }
        }
      })();
    });
  };
  Module['czyTerminal'] = function(fd) {
    return require('tty').isatty(fd);
  };
  Module['term'] = process.env['TERM'];
}

// The program decides on clearing the console by TERM, as on any Unix.
Module['preRun'] = [].concat(Module['preRun'] || [], function() {
  if (Module['term']) {
    ENV['TERM'] = Module['term'];
  }
});

// With Asyncify, main returns to its caller at its first read, and its real
// return comes later, to no one: run it as an asynchronous call instead, and
// exit with what it returns, as a process does.
Module['noInitialRun'] = true;
Module['onRuntimeInitialized'] = function() {
  ccall('main', 'number', ['number', 'number'], [0, 0], { async: true }).then(function(status) {
    try {
      exit(status);
    } catch (e) {
      // How exit leaves the program: Node's has ended the process already.
      if (!(e instanceof ExitStatus)) {
        throw e;
      }
    }
  });
};

// The WebAssembly is inside this file, in base64: decoded at once, by the
// browser's own decoder where it has one, rather than fetched from a data:
// address, which takes a browser tens of milliseconds, and which the page's
// Content-Security-Policy need not allow. It is compiled asynchronously, off
// the page's main thread, so that keys typed while the program starts never
// wait behind its compiling.
Module['instantiateWasm'] = function(imports, receive) {
  var bajty = typeof Uint8Array.fromBase64 == 'function'
      ? Uint8Array.fromBase64(wasmBinaryFile.slice(wasmBinaryFile.indexOf(',') + 1))
      : getBinary(wasmBinaryFile);
  WebAssembly.instantiate(bajty, imports).then(function(wynik) {
    receive(wynik.instance, wynik.module);
  }, abort); // the page then says that the program could not be loaded
  return {};
};
