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

template <typename T> bool wyodrebnij(T& wartosc) {
    return static_cast<bool>(std::cin >> wartosc);
}

// Numbers are read by the program's own rule: standard libraries differ in
// what they take of a token such as "12x", "nan" or "1e-50".
template <> bool wyodrebnij(float& wartosc) {
    return wczytajLiczbe(*std::cin.rdbuf(), wartosc);
}

template <typename T> Odczyt czytajToken(T& wartosc) {
    // Skipping the blanks first tells the end of input apart from a bad token.
    std::cin >> std::ws;
    if (std::cin.peek() == kKoniec) {
        return Odczyt::koniec;
    }
    if (wyodrebnij(wartosc)) {
        return Odczyt::wartosc;
    }
    odrzucResztaTokenu();
    return Odczyt::zlyToken;
}

template <typename T> bool zapytajO(const char* zacheta, T& wartosc) {
    for (;;) {
        std::cout << zacheta;
        const Odczyt odczyt = czytajToken(wartosc);
        if (odczyt != Odczyt::zlyToken) {
            return odczyt == Odczyt::wartosc;
        }
    }
}

} // namespace

Odczyt czytaj(int& wartosc) {
    return czytajToken(wartosc);
}

bool zapytaj(const char* zacheta, int& wartosc) {
    return zapytajO(zacheta, wartosc);
}

bool zapytaj(const char* zacheta, float& wartosc) {
    return zapytajO(zacheta, wartosc);
}

bool zapytaj(const char* zacheta, char& wartosc) {
    return zapytajO(zacheta, wartosc);
}
