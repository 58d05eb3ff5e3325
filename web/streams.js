// kalkulator's standard streams when it is built for JavaScript: the bytes
// that the program reads and writes, exactly, with no line buffering, added
// newlines or re-encoding of its own. Where they come from and go to is the
// host's: Module.wczytaj, Module.zapisz and Module.czyTerminal, set by
// host.js under Node and by ekran.js on the page.
mergeInto(LibraryManager.library, {
  // The buffers of a readv or writev, [{poczatek, dlugosc}], and their
  // length in all, as wektory.razem.
  $kalkulatorWektory: function(iov, iovcnt) {
    var wektory = [];
    wektory.razem = 0;
    for (var i = 0; i < iovcnt; i++) {
      var wektor = iov + i * {{{ C_STRUCTS.iovec.__size__ }}};
      var dlugosc = {{{ makeGetValue('wektor', C_STRUCTS.iovec.iov_len, 'i32') }}} >>> 0;
      wektory.push({
        poczatek: {{{ makeGetValue('wektor', C_STRUCTS.iovec.iov_base, 'i32') }}} >>> 0,
        dlugosc: dlugosc
      });
      wektory.razem += dlugosc;
    }
    return wektory;
  },

  // What the runtime calls at exit: the C streams flush through fd_write.
  $flush_NO_FILESYSTEM: function() {
    ___stdio_exit();
  },

  fd_write__deps: ['$kalkulatorWektory', '$flush_NO_FILESYSTEM'],
  fd_write__sig: 'iiiii',
  fd_write: function(fd, iov, iovcnt, pnum) {
    var wektory = kalkulatorWektory(iov, iovcnt);
    var bajty = new Uint8Array(wektory.razem);
    var miejsce = 0;
    wektory.forEach(function(w) {
      bajty.set(HEAPU8.subarray(w.poczatek, w.poczatek + w.dlugosc), miejsce);
      miejsce += w.dlugosc;
    });
    if (!Module['zapisz'](fd, bajty)) {
      return {{{ cDefine('EIO') }}};
    }
    {{{ makeSetValue('pnum', 0, 'bajty.length', 'i32') }}};
    return 0;
  },

  // Every read waits through Asyncify, even one that the host could answer
  // at once: a read that returns without unwinding traps at the end of input.
  fd_read__deps: ['$kalkulatorWektory'],
  fd_read__sig: 'iiiii',
  fd_read: function(fd, iov, iovcnt, pnum) {
    return Asyncify.handleSleep(function(wakeUp) {
      var wektory = kalkulatorWektory(iov, iovcnt);
      Module['wczytaj'](fd, wektory.razem).then(function(bajty) {
        var miejsce = 0;
        wektory.forEach(function(w) {
          var kawalek = bajty.subarray(miejsce, miejsce + w.dlugosc);
          HEAPU8.set(kawalek, w.poczatek);
          miejsce += kawalek.length;
        });
        {{{ makeSetValue('pnum', 0, 'miejsce', 'i32') }}};
        wakeUp(0);
      }, function() {
        wakeUp({{{ cDefine('EIO') }}});
      });
    });
  },

  fd_seek: function(fd, offset_low, offset_high, whence, newOffset) {
    return {{{ cDefine('ESPIPE') }}};
  },

  fd_close: function(fd) {
    return 0;
  },

  // isatty takes a character device for a terminal; only the host knows
  // whether there is one.
  fd_fdstat_get__sig: 'iii',
  fd_fdstat_get: function(fd, pbuf) {
    var type = 0; // of unknown type, as a pipe or a file may be to the program
    if (Module['czyTerminal'](fd)) {
      type = {{{ cDefine('__WASI_FILETYPE_CHARACTER_DEVICE') }}};
    }
    HEAPU8.fill(0, pbuf, pbuf + {{{ C_STRUCTS.__wasi_fdstat_t.__size__ }}});
    {{{ makeSetValue('pbuf', C_STRUCTS.__wasi_fdstat_t.fs_filetype, 'type', 'i8') }}};
    return 0;
  },
});
