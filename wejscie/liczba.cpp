#include "wejscie/liczba.h"

#include "wejscie/pisownie.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// Exponents grow no further: far beyond any float, and far from int's end.
constexpr int kNajwiekszyWykladnik = 100000000;

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

// The first of `pisownie` that `tekst` starts with, taken off its front; of
// the prefixes only those that `jednostka` may have.
template <std::size_t N>
const Przedrostek* wezZ(std::string_view& tekst, const Przedrostek (&pisownie)[N],
                        Jednostka jednostka) {
    const auto* znaleziony =
        std::find_if(std::begin(pisownie), std::end(pisownie), [&](const Przedrostek& p) {
            return (!p.tylkoOmy || jednostka == Jednostka::om) && wez(tekst, p.tekst);
        });
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

// The whole part's digits, grouped by three after the first one to three.
bool przeniesCzescCalkowita(std::string_view& tekst, std::string& cyfry) {
    const std::size_t przed = cyfry.size();
    if (!przeniesCyfry(tekst, cyfry)) {
        return false;
    }
    bool grupa = cyfry.size() - przed <= 3;
    while (grupa) {
        grupa = false;
        for (const std::string_view odstep : kOdstepyUtf8) {
            std::string_view dalej = tekst;
            if (wez(dalej, odstep) && dalej.size() >= 3 &&
                std::all_of(dalej.begin(), dalej.begin() + 3, czyCyfra) &&
                (dalej.size() == 3 || !czyCyfra(dalej[3]))) {
                cyfry.append(dalej.substr(0, 3));
                tekst = dalej.substr(3);
                grupa = true;
            }
        }
    }
    return true;
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

bool czytajLiczbe(std::string_view tekst, Jednostka jednostka, float& wartosc,
                  std::string_view dopisek) {
    // The digits with a sign and a point; the power of ten apart, so that a
    // prefix adds to it and strtof rounds the whole quantity once.
    std::string mantysa;
    int wykladnik = 0;
    int przedrostek = 0;
    wezZnak(tekst, mantysa);
    bool cyfry = przeniesCzescCalkowita(tekst, mantysa);
    const Przedrostek* litera = nullptr;
    if (wez(tekst, ".") || wez(tekst, ",")) {
        // A comma is the decimal separator as Polish writes it.
        mantysa += '.';
        cyfry = przeniesCyfry(tekst, mantysa) || cyfry;
    } else if ((litera = wezZ(tekst, kPrzedrostki, jednostka)) != nullptr ||
               (litera = wezZ(tekst, kBezPrzedrostka, jednostka)) != nullptr) {
        // The code form of resistors and capacitors: 4k7, 2R2, R47.
        przedrostek = litera->wykladnik;
        mantysa += '.';
        cyfry = przeniesCyfry(tekst, mantysa) || cyfry;
    }
    if (!cyfry) {
        return false;
    }
    if (litera == nullptr && (wez(tekst, "e") || wez(tekst, "E"))) {
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
    // What follows the number, on the token and apart: a prefix, then the
    // unit's symbol.
    const std::string ogon = std::string(tekst) + std::string(dopisek);
    std::string_view reszta = ogon;
    if (litera == nullptr) {
        if (const Przedrostek* p = wezZ(reszta, kPrzedrostki, jednostka)) {
            przedrostek = p->wykladnik;
        }
    }
    wezSymbol(reszta, jednostka);
    if (!reszta.empty()) {
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

bool czyPoczatekLiczby(std::string_view tekst) {
    const auto pierwszy = [&](std::size_t i) { return i < tekst.size() ? tekst[i] : '\0'; };
    const char znak = pierwszy(0);
    return czyCyfra(znak) || znak == '+' || znak == '-' || znak == '.' || znak == ',' ||
           ((znak == 'R' || znak == 'r') && czyCyfra(pierwszy(1)));
}

bool czyOsobnaLitera(std::string_view tekst) {
    if (tekst.size() != 1 || !czyLitera(tekst.front())) {
        return false;
    }
    const bool przedrostek = std::any_of(std::begin(kPrzedrostki), std::end(kPrzedrostki),
                                         [&](const Przedrostek& p) { return p.tekst == tekst; });
    const bool symbol = std::any_of(std::begin(kSymbole), std::end(kSymbole), [&](const Symbol& s) {
        return takSamoBezWielkosci(s.tekst, tekst);
    });
    return !przedrostek && !symbol;
}

std::size_t odstepNaKoncu(std::string_view tekst) {
    const auto* odstep =
        std::find_if(std::begin(kOdstepyUtf8), std::end(kOdstepyUtf8), [&](std::string_view o) {
            return tekst.size() >= o.size() && tekst.substr(tekst.size() - o.size()) == o;
        });
    return odstep == std::end(kOdstepyUtf8) ? 0 : odstep->size();
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
