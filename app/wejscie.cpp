#include "app/wejscie.h"

#include "app/liczba.h"

#include <cctype>
#include <iostream>
#include <string>

namespace {

constexpr int kKoniec = std::char_traits<char>::eof();

// A failed conversion stops anywhere inside a token ("abc", the "x" of "12x",
// a number out of range); whatever is left of that token goes, so that the
// next read starts on a fresh one instead of failing on the same characters.
void odrzucResztaTokenu() {
    std::cin.clear();
    std::streambuf* bufor = std::cin.rdbuf();
    int znak = bufor->sgetc();
    while (znak != kKoniec && std::isspace(znak) == 0) {
        znak = bufor->snextc();
    }
    if (znak == kKoniec) {
        std::cin.setstate(std::ios::eofbit);
    }
}

// Reads one value from std::cin by `wyodrebnij`, which returns false when
// the token is no value.
template <typename Wyodrebnij> Odczyt czytajToken(Wyodrebnij wyodrebnij) {
    // Skipping the blanks first tells the end of input apart from a bad token.
    std::cin >> std::ws;
    if (std::cin.peek() == kKoniec) {
        return Odczyt::koniec;
    }
    if (wyodrebnij()) {
        return Odczyt::wartosc;
    }
    odrzucResztaTokenu();
    return Odczyt::zlyToken;
}

template <typename T> auto strumieniem(T& wartosc) {
    return [&wartosc] { return static_cast<bool>(std::cin >> wartosc); };
}

template <typename Wyodrebnij> bool zapytajO(const char* zacheta, Wyodrebnij wyodrebnij) {
    for (;;) {
        std::cout << zacheta;
        const Odczyt odczyt = czytajToken(wyodrebnij);
        if (odczyt != Odczyt::zlyToken) {
            return odczyt == Odczyt::wartosc;
        }
    }
}

} // namespace

Odczyt czytaj(int& wartosc) {
    return czytajToken(strumieniem(wartosc));
}

bool zapytaj(const char* zacheta, int& wartosc) {
    return zapytajO(zacheta, strumieniem(wartosc));
}

// Numbers are read by the program's own rule: standard libraries differ in
// what they take of a token such as "12x", "nan" or "1e-50".
bool zapytaj(const Wielkosc& wielkosc, float& wartosc) {
    return zapytajO(wielkosc.zacheta,
                    [&] { return wczytajLiczbe(*std::cin.rdbuf(), wartosc, wielkosc.jednostka); });
}

bool zapytaj(const char* zacheta, char& wartosc) {
    return zapytajO(zacheta, strumieniem(wartosc));
}
