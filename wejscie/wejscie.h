#pragma once

#include "wejscie/kodowanie.h"
#include "wejscie/liczba.h"

// Reading the user's answers, each a whole token: what stands up to the next
// blank or line end. A blank is also a no-break, a narrow no-break or a thin
// space in UTF-8, except between digits grouped by three; CR, LF and CRLF
// each end a line. An answer that is not wholly what is asked for is dropped
// whole, and nothing of it feeds the next read. No token is kept beyond what
// an answer can hold: a longer one is refused, its rest passed over unkept.
// Standard output is flushed before every answer is read; once it cannot be
// written, nobody sees the questions, and every read finds the end of input.

// The answers from now on come from `zrodlo`, read afresh.
void czytajOdpowiedziZ(const Zrodlo& zrodlo);

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
// A number takes with it every word that follows on its line, up to the next
// number, save a letter alone that is no prefix or unit ("10 4 z"): "10 mA"
// and "4,7 k Ω" are one answer each, and "10 mA," or "100 µF/25V" is refused.
bool zapytaj(const Wielkosc& wielkosc, float& wartosc);
// An integer may end in one character that `litera` accepts.
bool zapytaj(const char* zacheta, int& wartosc, bool (*litera)(char) = nullptr);
// One character, the first of the next token; the final wait drops the rest
// of its line.
bool zapytaj(const char* zacheta, char& wartosc);

// Waits for an entry made after the last answer: what is left on that
// answer's line is dropped, and the first token of a later line, or the end
// of input, ends the wait.
void czekajNaWpis();
