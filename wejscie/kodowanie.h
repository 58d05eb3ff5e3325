#pragma once

#include <streambuf>

// Standard input as the text it holds, in UTF-8, however a Windows tool saved
// it: a UTF-8 byte-order mark at the very start is dropped, and input that
// starts with a UTF-16 byte-order mark, in either byte order, is read as the
// text it encodes. There a surrogate without its pair becomes '?', which no
// number and no letter of the tables takes, and a truncated last code unit is
// dropped. A byte-order mark anywhere else is not special. Nothing is read
// from the source before the first read asks for it, and then no more than
// is there. The end of input is final: a terminal's Ctrl-D ends the run,
// whichever read it meets.
class WejscieTekstowe : public std::streambuf {
  public:
    enum class Kodowanie { nieznane, bajty, utf16le, utf16be };

    // The last kZwrot characters read can always be put back, so that a
    // reader may look a token ahead.
    static constexpr int kZwrot = 16;

    // `kodowanie`, where the source's is known; else the byte-order mark tells.
    explicit WejscieTekstowe(std::streambuf& zrodlo, Kodowanie kodowanie = Kodowanie::nieznane);

  protected:
    int_type underflow() override;

  private:
    // Each fills the buffer from `od` and returns the end of what it put
    // there: `od` itself at the end of input.
    char* rozpoznaj(char* od);
    char* przepisz(char* od);
    char* odkoduj(char* od);
    int jednostka();
    char* zapisz(char* koniec, int jednostka);

    std::streambuf& zrodlo_;
    Kodowanie kodowanie_;
    bool koniec_ = false;
    // A high surrogate waits for the low one that completes its character.
    int wysokiSurogat_ = 0;
    char bufor_[4096] = {};
};
