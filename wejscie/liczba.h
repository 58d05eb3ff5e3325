#pragma once

#include <cstddef>
#include <string_view>

// The unit whose symbol may follow a quantity: the one its prompt asks for.
enum class Jednostka { zadna, wolt, amper, om, farad, henr };

// Reads `tekst`, and then `dopisek`, what followed it apart on its line, as a
// quantity in single precision, as electronics writes it. The number follows
// the rule of the C++ streams in the "C" locale, whatever standard library
// the program is built with, except that a comma separates the fraction as
// well as a point, and that a no-break, narrow no-break or thin space may
// group the whole part's digits by three (1 000): an optional sign, digits
// with at most one separator of either kind, and an optional exponent (e or
// E, an optional sign, digits). One SI prefix may follow it, or a prefix
// letter or R may stand for the separator (4k7, 2R2, R47); then the symbol of
// `jednostka`, in any case (230V, 4,7kOhm, 100nF). M and G, and SPICE's MEG,
// only for ohms: elsewhere a capital M is caps lock's milli as often as mega.
// `dopisek` holds no more than a prefix and a symbol, which the number has
// not had yet. Returns false, with `wartosc` untouched, unless all of it is
// such a quantity within float's range; numbers too small for it come out
// as the nearest float, zero included.
bool czytajLiczbe(std::string_view tekst, Jednostka jednostka, float& wartosc,
                  std::string_view dopisek = {});

// Whether `tekst` starts as a number does: with a digit, a sign, a separator,
// or the code form's R before a digit (R47).
bool czyPoczatekLiczby(std::string_view tekst);

// Whether `tekst` is a letter alone that is no prefix and no unit symbol, so
// that it stands apart from a number before it ("10 4 z").
bool czyOsobnaLitera(std::string_view tekst);

// The length of the blank of more than one byte that `tekst` ends with, in
// UTF-8: a no-break, a narrow no-break or a thin space; 0 for none.
std::size_t odstepNaKoncu(std::string_view tekst);

// Reads the whole of `tekst` as a decimal int: an optional sign and digits,
// then, where `litera` is given, one character that it accepts. Returns
// false, with `wartosc` untouched, for anything else or a number beyond int.
bool czytajCalkowita(std::string_view tekst, int& wartosc, bool (*litera)(char) = nullptr);
