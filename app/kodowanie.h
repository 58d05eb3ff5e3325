#pragma once

#include <streambuf>

// Standard input as the text it holds, however a Windows tool saved it: a
// UTF-8 byte-order mark at the very start is dropped, and input that starts
// with a UTF-16 byte-order mark, in either byte order, is read as the text it
// encodes. There a character outside ASCII becomes '?', which no number and
// no letter of the tables takes, and a truncated last code unit is dropped.
// A byte-order mark anywhere else is not special. Nothing is read from the
// source before the first read asks for it, and then no more than is there.
// The last few characters read can always be put back, so that a reader may
// look a few characters ahead.
class WejscieTekstowe : public std::streambuf {
  public:
    explicit WejscieTekstowe(std::streambuf& zrodlo);

  protected:
    int_type underflow() override;

  private:
    static constexpr int kZwrot = 4;

    enum class Kodowanie { nieznane, bajty, utf16le, utf16be };

    // Each fills the buffer from `od` and returns the end of what it put
    // there: `od` itself at the end of input.
    char* rozpoznaj(char* od);
    char* przepisz(char* od);
    char* odkoduj(char* od);
    int jednostka();

    std::streambuf& zrodlo_;
    Kodowanie kodowanie_ = Kodowanie::nieznane;
    // A low surrogate after a high one ends the character already given.
    bool poWysokimSurogacie_ = false;
    char bufor_[4096] = {};
};
