// The one place where reading differs between systems (the other place
// where the program does is clearing the console, app/konsola.cpp).
#include "wejscie/standardowe.h"

#include "wejscie/kodowanie.h"

#include <iostream>

#ifdef _WIN32

#include <iterator>
#include <windows.h>

namespace {

// A console's input as UTF-16LE bytes, as much as one read gives (a line).
// Read as bytes, a console hands over its code page's characters, in which
// the micro and ohm signs are missing or stand elsewhere.
class KonsolaWindows : public std::streambuf {
  public:
    explicit KonsolaWindows(HANDLE uchwyt) : uchwyt_(uchwyt) {}

  protected:
    int_type underflow() override {
        DWORD przeczytane = 0;
        // Ctrl+Z at the start of a line ends the input, as it does when the
        // C library reads the console.
        koniec_ = koniec_ ||
                  ReadConsoleW(uchwyt_, znaki_, std::size(znaki_), &przeczytane, nullptr) == 0 ||
                  przeczytane == 0 || znaki_[0] == L'\x1A';
        if (koniec_) {
            return traits_type::eof();
        }
        char* const bajty = reinterpret_cast<char*>(znaki_);
        setg(bajty, bajty, bajty + przeczytane * sizeof(wchar_t));
        return traits_type::to_int_type(*gptr());
    }

  private:
    HANDLE uchwyt_;
    bool koniec_ = false;
    wchar_t znaki_[1024] = {};
};

} // namespace

std::streambuf& standardoweWejscie() {
    const HANDLE uchwyt = GetStdHandle(STD_INPUT_HANDLE);
    DWORD tryb = 0;
    if (GetConsoleMode(uchwyt, &tryb) != 0) {
        static KonsolaWindows konsola(uchwyt);
        static WejscieTekstowe tekst(konsola, WejscieTekstowe::Kodowanie::utf16le);
        return tekst;
    }
    static WejscieTekstowe tekst(*std::cin.rdbuf());
    return tekst;
}

#else

std::streambuf& standardoweWejscie() {
    static WejscieTekstowe tekst(*std::cin.rdbuf());
    return tekst;
}

#endif
