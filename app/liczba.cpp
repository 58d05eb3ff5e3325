#include "app/liczba.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

namespace {

using Znaki = std::char_traits<char>;
constexpr int kKoniec = Znaki::eof();
// Exponents grow no further: far beyond any float, and far from int's end.
constexpr int kNajwiekszyWykladnik = 100000000;

struct Pisownia {
    const char* tekst;
    int wykladnik;
};

// SI prefixes, case sensitive (m is milli, M mega), the micro sign as U+00B5
// or as Greek mu in UTF-8. Last, R: no prefix, taken only in the code form.
constexpr Pisownia kPrzedrostki[] = {
    {"p", -12}, {"n", -9}, {"u", -6}, {"\xC2\xB5", -6}, {"\xCE\xBC", -6},
    {"m", -3},  {"k", 3},  {"M", 6},  {"G", 9},         {"R", 0},
};
constexpr std::size_t kBezR = std::size(kPrzedrostki) - 1;

struct Symbole {
    const char* pisownie[4];
};

// The ohm also as Greek capital omega and as the ohm sign, in UTF-8.
Symbole symbole(Jednostka jednostka) {
    switch (jednostka) {
    case Jednostka::wolt: return {{"V"}};
    case Jednostka::amper: return {{"A"}};
    case Jednostka::om: return {{"Ohm", "ohm", "\xCE\xA9", "\xE2\x84\xA6"}};
    case Jednostka::farad: return {{"F"}};
    case Jednostka::henr: return {{"H"}};
    case Jednostka::zadna: break;
    }
    return {};
}

bool czyCyfra(int znak) {
    return znak >= '0' && znak <= '9';
}

// Puts back the first `ile` characters of `tekst`, taken last; sets `utrata`
// where the input cannot take them.
void oddaj(std::streambuf& wejscie, const char* tekst, std::size_t ile, bool& utrata) {
    while (ile > 0 && !utrata) {
        --ile;
        utrata = wejscie.sputbackc(tekst[ile]) == kKoniec;
    }
}

// Takes `tekst` if the input goes on with it, whole; else gives back what it
// took of it.
bool wezTekst(std::streambuf& wejscie, const char* tekst, bool& utrata) {
    std::size_t wziete = 0;
    while (tekst[wziete] != '\0' && wejscie.sgetc() == Znaki::to_int_type(tekst[wziete])) {
        wejscie.sbumpc();
        ++wziete;
    }
    if (tekst[wziete] == '\0') {
        return true;
    }
    oddaj(wejscie, tekst, wziete, utrata);
    return false;
}

// Takes the first of the first `ile` prefixes that the input goes on with.
const Pisownia* wezPrzedrostek(std::streambuf& wejscie, std::size_t ile, bool& utrata) {
    for (std::size_t i = 0; i < ile && !utrata; ++i) {
        if (wezTekst(wejscie, kPrzedrostki[i].tekst, utrata)) {
            return &kPrzedrostki[i];
        }
    }
    return nullptr;
}

// Takes the unit's symbol, in the first of its spellings that follows;
// tells whether there was one.
bool wezSymbol(std::streambuf& wejscie, Jednostka jednostka, bool& utrata) {
    const Symbole jednostki = symbole(jednostka);
    return std::any_of(
        std::begin(jednostki.pisownie), std::end(jednostki.pisownie),
        [&](const char* symbol) { return symbol != nullptr && wezTekst(wejscie, symbol, utrata); });
}

} // namespace

bool wczytajLiczbe(std::streambuf& wejscie, float& wartosc, Jednostka jednostka) {
    // The digits with a sign and a point; the power of ten apart, so that a
    // prefix adds to it and strtof rounds the whole quantity once.
    std::string mantysa;
    int wykladnik = 0;
    int przedrostek = 0;
    bool utrata = false;
    int znak = wejscie.sgetc();
    const auto wez = [&] {
        mantysa += static_cast<char>(znak);
        znak = wejscie.snextc();
    };
    const auto wezCyfry = [&] {
        const bool sa = czyCyfra(znak);
        while (czyCyfra(znak)) {
            wez();
        }
        return sa;
    };

    if (znak == '+' || znak == '-') {
        wez();
    }
    bool cyfry = wezCyfry();
    bool kod = false;
    if (znak == '.' || znak == ',') {
        // A comma is the decimal separator as Polish writes it.
        znak = '.';
        wez();
        cyfry = wezCyfry() || cyfry;
    } else if (const Pisownia* litera = wezPrzedrostek(wejscie, std::size(kPrzedrostki), utrata)) {
        // The code form of resistors and capacitors: 4k7, 2R2, R47. A letter
        // with no digit on either side is no number: it stays, as "nan" does.
        znak = wejscie.sgetc();
        if (cyfry || czyCyfra(znak)) {
            kod = true;
            przedrostek = litera->wykladnik;
            mantysa += '.';
            cyfry = wezCyfry() || cyfry;
        } else {
            oddaj(wejscie, litera->tekst, std::strlen(litera->tekst), utrata);
        }
    }
    if (!cyfry || utrata) {
        return false;
    }
    if (!kod) {
        if (znak == 'e' || znak == 'E') {
            znak = wejscie.snextc();
            const bool ujemny = znak == '-';
            if (znak == '+' || znak == '-') {
                znak = wejscie.snextc();
            }
            if (!czyCyfra(znak)) {
                return false;
            }
            for (; czyCyfra(znak); znak = wejscie.snextc()) {
                if (wykladnik < kNajwiekszyWykladnik) {
                    wykladnik = wykladnik * 10 + (znak - '0');
                }
            }
            wykladnik = ujemny ? -wykladnik : wykladnik;
        }
        if (const Pisownia* litera = wezPrzedrostek(wejscie, kBezR, utrata)) {
            przedrostek = litera->wykladnik;
        }
    }
    wezSymbol(wejscie, jednostka, utrata);
    if (utrata) {
        return false;
    }

    // A plain decimal number: the program sets no locale, so strtof reads
    // the point as the decimal point.
    const std::string liczba = mantysa + 'e' + std::to_string(wykladnik + przedrostek);
    const float odczytana = std::strtof(liczba.c_str(), nullptr);
    if (std::isinf(odczytana)) {
        return false;
    }
    wartosc = odczytana;
    return true;
}
