#pragma once

#include "app/liczba.h"

// Reading the user's entries: one whitespace-separated token at a time, with
// the rest of a typed line left for the reads that follow.

enum class Odczyt {
    wartosc,  // the token was read as a value
    zlyToken, // the token is not a value of the type; it has been discarded
    koniec,   // the input has ended before another token
};

Odczyt czytaj(int& wartosc);

// A quantity's prompt, and the unit whose symbol may follow the answer.
struct Wielkosc {
    const char* zacheta;
    Jednostka jednostka;
};

// Prints the prompt and reads a value into `wartosc`, printing the same prompt
// again after every token that is not a value. Returns false when the input
// ends first.
bool zapytaj(const char* zacheta, int& wartosc);
bool zapytaj(const Wielkosc& wielkosc, float& wartosc);
bool zapytaj(const char* zacheta, char& wartosc);
