#pragma once

#include <streambuf>

// Reads a decimal number in single precision from `wejscie`, by the rule of
// the C++ streams in the "C" locale, whatever standard library the program is
// built with, except that a comma separates the fraction as well as a point:
// an optional sign, digits with at most one separator of either kind, and an
// optional exponent (e or E, an optional sign, digits). The reading stops at
// the first character that cannot continue the number; that character and
// what follows stay in `wejscie`. Returns false, with `wartosc` untouched,
// when the characters taken make no number or one beyond float's range;
// numbers too small for it come out as the nearest float, zero included.
bool wczytajLiczbe(std::streambuf& wejscie, float& wartosc);
