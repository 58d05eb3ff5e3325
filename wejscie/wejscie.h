#pragma once

#include "wejscie/liczba.h"

// Reading the user's answers from standard input, each a whole token: what
// stands up to the next blank or line end (a blank is also a no-break, a
// narrow no-break or a thin space in UTF-8). An answer that is not wholly
// what is asked for is dropped whole, and nothing of it feeds the next read.

enum class Odczyt {
    wartosc,  // the token was read as a value
    zlyToken, // the token is not a value of the type; it has been dropped
    koniec,   // the input has ended before another token
};

Odczyt czytaj(int& wartosc);

// A quantity's prompt, and the unit whose symbol may follow the answer.
struct Wielkosc {
    const char* zacheta;
    Jednostka jednostka;
};

// Each prints the prompt and reads an answer into `wartosc`, printing the
// same prompt again after every answer that is refused. Returns false when
// the input ends first.
//
// A quantity takes with it a prefix or a unit symbol that follows on the
// same line after blanks ("10 mA"); it is refused with it when the two make
// no quantity ("10 A" at the voltage prompt).
bool zapytaj(const Wielkosc& wielkosc, float& wartosc);
// An integer may end in one character that `litera` accepts.
bool zapytaj(const char* zacheta, int& wartosc, bool (*litera)(char) = nullptr);
// One character, the first of the next token; the rest of it stays.
bool zapytaj(const char* zacheta, char& wartosc);
