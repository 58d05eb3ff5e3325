#include "app/liczba.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

bool czyCyfra(int znak) {
    return znak >= '0' && znak <= '9';
}

} // namespace

bool wczytajLiczbe(std::streambuf& wejscie, float& wartosc) {
    constexpr int kKoniec = std::char_traits<char>::eof();
    std::string liczba;
    int znak = wejscie.sgetc();
    const auto wez = [&] {
        liczba += static_cast<char>(znak);
        znak = wejscie.snextc();
    };

    if (znak == '+' || znak == '-') {
        wez();
    }
    bool cyfry = false;
    bool kropka = false;
    bool wykladnik = false;
    while (znak != kKoniec) {
        if (czyCyfra(znak)) {
            cyfry = true;
            wez();
        } else if ((znak == '.' || znak == ',') && !kropka && !wykladnik) {
            // A comma is the decimal separator as Polish writes it; strtof
            // is given the point.
            kropka = true;
            znak = '.';
            wez();
        } else if ((znak == 'e' || znak == 'E') && cyfry && !wykladnik) {
            wykladnik = true;
            wez();
            if (znak == '+' || znak == '-') {
                wez();
            }
        } else {
            break;
        }
    }

    // What was taken holds only a sign, digits, a point and an exponent, so
    // strtof sees a plain decimal number or nothing it can read whole ("-",
    // ".", "1e+"). The program sets no locale: the point is the decimal point.
    const char* const poczatek = liczba.c_str();
    char* koniec = nullptr;
    const float odczytana = std::strtof(poczatek, &koniec);
    if (koniec == poczatek || *koniec != '\0' || std::isinf(odczytana)) {
        return false;
    }
    wartosc = odczytana;
    return true;
}
