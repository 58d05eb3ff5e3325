#pragma once

#include <string_view>

// The unit whose symbol may follow a quantity: the one its prompt asks for.
enum class Jednostka { zadna, wolt, amper, om, farad, henr };

// Reads the whole of `tekst` as a quantity in single precision, as
// electronics writes it. The number follows the rule of the C++ streams in
// the "C" locale, whatever standard library the program is built with,
// except that a comma separates the fraction as well as a point: an optional
// sign, digits with at most one separator of either kind, and an optional
// exponent (e or E, an optional sign, digits). One SI prefix may follow it,
// or a prefix letter or R may stand for the separator (4k7, 2R2, R47); then
// the symbol of `jednostka`, in any case (230V, 4,7kOhm, 100nF). Returns
// false, with `wartosc` untouched, unless all of `tekst` is such a quantity
// within float's range; numbers too small for it come out as the nearest
// float, zero included.
bool czytajLiczbe(std::string_view tekst, Jednostka jednostka, float& wartosc);

// Whether `tekst` is what may stand apart after a number: a prefix, the
// symbol of any unit, or a letter and a symbol ("k", "mA", "PF"). Such a
// token belongs to the number before it, and is refused with it if the two
// make no quantity together.
bool czyDopisek(std::string_view tekst);

// Reads the whole of `tekst` as a decimal int: an optional sign and digits,
// then, where `litera` is given, one character that it accepts. Returns
// false, with `wartosc` untouched, for anything else or a number beyond int.
bool czytajCalkowita(std::string_view tekst, int& wartosc, bool (*litera)(char) = nullptr);
