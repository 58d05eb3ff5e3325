#include "calc/tolerancja_po_literze.h"

#include "app/konsola.h"

#include <iostream>
#include <string>

namespace {

// Fractions come out in "%f" form (0.100000%), whole numbers without a point.
template <typename T> std::string procent(T wartosc) {
    return std::to_string(wartosc) + "%";
}

// The tolerance that `litera` stands for, or nothing for any other character.
std::string tekstTolerancji(char litera) {
    switch (litera) {
    case 'B':
    case 'b': return procent(0.1);
    case 'C':
    case 'c': return procent(0.25);
    case 'D':
    case 'd': return procent(0.5);
    case 'F':
    case 'f': return procent(1);
    case 'G':
    case 'g': return procent(2);
    case 'J':
    case 'j': return procent(5);
    case 'K':
    case 'k': return procent(10);
    case 'M':
    case 'm': return procent(20);
    // Unequal tolerances: the upper bound, then the lower one.
    case 'P':
    case 'p': return procent(100) + "," + procent(0);
    case 'Z':
    case 'z': return procent(80) + "," + procent(-20);
    default: return {};
    }
}

} // namespace

bool czyLiteraTolerancji(char litera) {
    return !tekstTolerancji(litera).empty();
}

void tolerancjaPoLiterze(char litera) {
    const std::string tolerancja = tekstTolerancji(litera);
    std::cout << tolerancja << std::endl;
    pauza();
}
