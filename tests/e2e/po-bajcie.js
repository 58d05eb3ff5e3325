// kalkulator.js under Node, given its standard input one byte a read, so
// that every read unwinds the program through Asyncify wherever it stands: a
// function on the way to a read that Asyncify was told to leave alone traps
// here, in a table, rather than in a user's page.
//
// Usage: node po-bajcie.js KALKULATOR_JS
'use strict';
require(require('path').resolve(process.argv[2]))({ bajtowNaOdczyt: 1 });
