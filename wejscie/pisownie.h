#pragma once

// The spellings that the reader takes after a number, which the documents
// list and the unit test reads a row for each of.

#include "wejscie/liczba.h"

#include <string_view>

struct Przedrostek {
    std::string_view tekst;
    int wykladnik;
    bool tylkoOmy = false; // no capital mega or giga of volts, amperes, farads, henries
};

// SI prefixes. A letter counts in both cases only where the other case
// means nothing else: m is milli and M mega, and P (peta) is none of these.
// The micro sign as U+00B5 or as Greek mu, in UTF-8. SPICE's mega before
// the letters that begin it.
inline constexpr Przedrostek kPrzedrostki[] = {
    {"p", -12},       {"n", -9},        {"N", -9},        {"u", -6},        {"U", -6},
    {"\xC2\xB5", -6}, {"\xCE\xBC", -6}, {"MEG", 6, true}, {"Meg", 6, true}, {"m", -3},
    {"k", 3},         {"K", 3},         {"M", 6, true},   {"G", 9, true},
};

// In the code form a letter R stands for the separator with no prefix.
inline constexpr Przedrostek kBezPrzedrostka[] = {{"R", 0}, {"r", 0}};

struct Symbol {
    Jednostka jednostka;
    std::string_view tekst; // in any case
};

// The ohm also in the plural, as Greek capital omega and as the ohm sign, in
// UTF-8; a longer spelling before the one it starts with.
inline constexpr Symbol kSymbole[] = {
    {Jednostka::wolt, "V"},  {Jednostka::amper, "A"},     {Jednostka::om, "Ohms"},
    {Jednostka::om, "Ohm"},  {Jednostka::om, "\xCE\xA9"}, {Jednostka::om, "\xE2\x84\xA6"},
    {Jednostka::farad, "F"}, {Jednostka::henr, "H"},
};

// Blanks of more than one byte, in UTF-8: the no-break space, the thin
// space and the narrow no-break space.
inline constexpr std::string_view kOdstepyUtf8[] = {"\xC2\xA0", "\xE2\x80\x89", "\xE2\x80\xAF"};
