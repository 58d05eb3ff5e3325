#pragma once

#include <cstddef>
#include <string_view>

// How the bytes of the input encode its text.
enum class Kodowanie { nieznane, bajty, utf16le, utf16be };

// Where the input's bytes come from: `czytaj` waits for some, puts at most
// `ile` of them at `bufor` and says how many; 0 at the end of input, -1 when
// the input cannot be read. `kodowanie`, where the source's is known; else a
// byte-order mark tells.
struct Zrodlo {
    long (*czytaj)(char* bufor, std::size_t ile);
    Kodowanie kodowanie;
};

// The input from now on: the text of `zrodlo`, in UTF-8, however a Windows
// tool saved it. A UTF-8 byte-order mark at the very start is dropped, and
// input that starts with a UTF-16 byte-order mark, in either byte order, is
// read as the text it encodes; there a surrogate without its pair becomes
// '?', which no number and no letter of the tables takes, and a truncated
// last code unit is dropped. Nothing is read before a character is asked
// for, and then no more than is there. The end of input, or a failed read,
// is final: the source is never asked again.
void czytajZ(const Zrodlo& zrodlo);

// The text read and not taken yet, at least a character of it, read first
// if there is none; empty at the end of input.
std::string_view doPrzeczytania();
// Takes the first `ile` characters of what doPrzeczytania() shows.
void zabierz(std::size_t ile);

// Whether the input ended because it could not be read.
bool bladOdczytu();
