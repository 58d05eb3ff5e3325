#pragma once

#include <streambuf>

// The unit whose symbol may follow a quantity: the one its prompt asks for.
enum class Jednostka { zadna, wolt, amper, om, farad, henr };

// Reads a quantity in single precision from `wejscie` as electronics writes
// it. The number is read by the rule of the C++ streams in the "C" locale,
// whatever standard library the program is built with, except that a comma
// separates the fraction as well as a point: an optional sign, digits with at
// most one separator of either kind, and an optional exponent (e or E, an
// optional sign, digits). One SI prefix may follow it (p n u m k M G, the
// micro sign in UTF-8), or a prefix letter or R may stand for the separator
// (4k7, 2R2, R47); then the symbol of `jednostka` (230V, 4,7kOhm, 100nF).
// The reading stops at the first character that cannot continue the
// quantity; that character and what follows stay in `wejscie`, which must be
// able to take back the first two characters of a symbol that does not
// follow after all ("4Oh"). Returns false, with `wartosc` untouched, when the
// characters taken make no number or one beyond float's range; numbers too
// small for it come out as the nearest float, zero included.
bool wczytajLiczbe(std::streambuf& wejscie, float& wartosc, Jednostka jednostka = Jednostka::zadna);
