#include "wejscie/liczba.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// Exponents grow no further: far beyond any float, and far from int's end.
constexpr int kNajwiekszyWykladnik = 100000000;

struct Przedrostek {
    std::string_view tekst;
    int wykladnik;
};

// SI prefixes. A letter counts in both cases only where the other case
// means nothing else: m is milli and M mega, and P (peta) is none of these.
// The micro sign as U+00B5 or as Greek mu, in UTF-8.
constexpr Przedrostek kPrzedrostki[] = {
    {"p", -12},       {"n", -9}, {"N", -9}, {"u", -6}, {"U", -6}, {"\xC2\xB5", -6},
    {"\xCE\xBC", -6}, {"m", -3}, {"k", 3},  {"K", 3},  {"M", 6},  {"G", 9},
};

// In the code form a letter R stands for the separator with no prefix.
constexpr Przedrostek kBezPrzedrostka[] = {{"R", 0}, {"r", 0}};

struct Symbol {
    Jednostka jednostka;
    std::string_view tekst; // in any case
};

// The ohm also as Greek capital omega and as the ohm sign, in UTF-8.
constexpr Symbol kSymbole[] = {
    {Jednostka::wolt, "V"},      {Jednostka::amper, "A"},         {Jednostka::om, "Ohm"},
    {Jednostka::om, "\xCE\xA9"}, {Jednostka::om, "\xE2\x84\xA6"}, {Jednostka::farad, "F"},
    {Jednostka::henr, "H"},
};

bool czyCyfra(char znak) {
    return znak >= '0' && znak <= '9';
}

bool czyLitera(char znak) {
    return (znak >= 'a' && znak <= 'z') || (znak >= 'A' && znak <= 'Z');
}

char male(char znak) {
    return znak >= 'A' && znak <= 'Z' ? static_cast<char>(znak - 'A' + 'a') : znak;
}

bool takSamoBezWielkosci(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return male(x) == male(y); });
}

// Takes `poczatek` off the front of `tekst`, if `tekst` starts with it.
bool wez(std::string_view& tekst, std::string_view poczatek) {
    if (tekst.substr(0, poczatek.size()) != poczatek) {
        return false;
    }
    tekst.remove_prefix(poczatek.size());
    return true;
}

template <std::size_t N>
const Przedrostek* wezZ(std::string_view& tekst, const Przedrostek (&pisownie)[N]) {
    const auto* znaleziony =
        std::find_if(std::begin(pisownie), std::end(pisownie),
                     [&](const Przedrostek& p) { return wez(tekst, p.tekst); });
    return znaleziony == std::end(pisownie) ? nullptr : znaleziony;
}

// Takes the symbol of `jednostka` off the front of `tekst`, in any case.
void wezSymbol(std::string_view& tekst, Jednostka jednostka) {
    const auto* symbol =
        std::find_if(std::begin(kSymbole), std::end(kSymbole), [&](const Symbol& s) {
            return s.jednostka == jednostka &&
                   takSamoBezWielkosci(tekst.substr(0, s.tekst.size()), s.tekst);
        });
    if (symbol != std::end(kSymbole)) {
        tekst.remove_prefix(symbol->tekst.size());
    }
}

// Moves the digits at the front of `tekst` to the end of `cyfry`; tells
// whether there were any.
bool przeniesCyfry(std::string_view& tekst, std::string& cyfry) {
    const std::size_t ile = std::find_if_not(tekst.begin(), tekst.end(), czyCyfra) - tekst.begin();
    cyfry.append(tekst.substr(0, ile));
    tekst.remove_prefix(ile);
    return ile > 0;
}

bool wezZnak(std::string_view& tekst, std::string& znak) {
    if (!tekst.empty() && (tekst.front() == '+' || tekst.front() == '-')) {
        znak += tekst.front();
        tekst.remove_prefix(1);
        return true;
    }
    return false;
}

} // namespace

bool czytajLiczbe(std::string_view tekst, Jednostka jednostka, float& wartosc) {
    // The digits with a sign and a point; the power of ten apart, so that a
    // prefix adds to it and strtof rounds the whole quantity once.
    std::string mantysa;
    int wykladnik = 0;
    int przedrostek = 0;
    wezZnak(tekst, mantysa);
    bool cyfry = przeniesCyfry(tekst, mantysa);
    const Przedrostek* litera = nullptr;
    if (wez(tekst, ".") || wez(tekst, ",")) {
        // A comma is the decimal separator as Polish writes it.
        mantysa += '.';
        cyfry = przeniesCyfry(tekst, mantysa) || cyfry;
    } else if ((litera = wezZ(tekst, kPrzedrostki)) != nullptr ||
               (litera = wezZ(tekst, kBezPrzedrostka)) != nullptr) {
        // The code form of resistors and capacitors: 4k7, 2R2, R47.
        przedrostek = litera->wykladnik;
        mantysa += '.';
        cyfry = przeniesCyfry(tekst, mantysa) || cyfry;
    }
    if (!cyfry) {
        return false;
    }
    if (litera == nullptr) {
        if (wez(tekst, "e") || wez(tekst, "E")) {
            std::string znak;
            wezZnak(tekst, znak);
            if (tekst.empty() || !czyCyfra(tekst.front())) {
                return false;
            }
            for (; !tekst.empty() && czyCyfra(tekst.front()); tekst.remove_prefix(1)) {
                if (wykladnik < kNajwiekszyWykladnik) {
                    wykladnik = wykladnik * 10 + (tekst.front() - '0');
                }
            }
            wykladnik = znak == "-" ? -wykladnik : wykladnik;
        }
        if (const Przedrostek* p = wezZ(tekst, kPrzedrostki)) {
            przedrostek = p->wykladnik;
        }
    }
    wezSymbol(tekst, jednostka);
    if (!tekst.empty()) {
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

bool czyDopisek(std::string_view tekst) {
    // The symbol of whichever unit, last.
    const auto* symbol =
        std::find_if(std::begin(kSymbole), std::end(kSymbole), [&](const Symbol& s) {
            return tekst.size() >= s.tekst.size() &&
                   takSamoBezWielkosci(tekst.substr(tekst.size() - s.tekst.size()), s.tekst);
        });
    const bool zSymbolem = symbol != std::end(kSymbole);
    std::string_view przed =
        zSymbolem ? tekst.substr(0, tekst.size() - symbol->tekst.size()) : tekst;
    // A letter that is no prefix before a symbol is a prefix mistyped: it is
    // refused with the number rather than left for the next read.
    if (zSymbolem && (przed.empty() || (przed.size() == 1 && czyLitera(przed.front())))) {
        return true;
    }
    return wezZ(przed, kPrzedrostki) != nullptr && przed.empty();
}

bool czytajCalkowita(std::string_view tekst, int& wartosc, bool (*litera)(char)) {
    if (litera != nullptr && !tekst.empty() && litera(tekst.back())) {
        tekst.remove_suffix(1);
    }
    std::string znak;
    wezZnak(tekst, znak);
    if (tekst.empty()) {
        return false;
    }
    // Beyond int, however many digits follow.
    constexpr long long kPoza = 1LL << 31;
    long long liczba = 0;
    for (const char cyfra : tekst) {
        if (!czyCyfra(cyfra)) {
            return false;
        }
        liczba = std::min(liczba * 10 + (cyfra - '0'), kPoza + 1);
    }
    liczba = znak == "-" ? -liczba : liczba;
    if (liczba < -kPoza || liczba >= kPoza) {
        return false;
    }
    wartosc = static_cast<int>(liczba);
    return true;
}
