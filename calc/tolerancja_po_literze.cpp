#include "calc/tolerancja_po_literze.h"

#include "app/konsola.h"

#include <iostream>
#include <string>

namespace {

// Fractions come out in "%f" form (0.100000%), whole numbers without a point.
template <typename T> std::string procent(T wartosc) {
    return std::to_string(wartosc) + "%";
}

} // namespace

void tolerancjaPoLiterze(char litera) {
    std::string tolerancja;
    switch (litera) {
    case 'B':
    case 'b': tolerancja = procent(0.1); break;
    case 'C':
    case 'c': tolerancja = procent(0.25); break;
    case 'D':
    case 'd': tolerancja = procent(0.5); break;
    case 'F':
    case 'f': tolerancja = procent(1); break;
    case 'G':
    case 'g': tolerancja = procent(2); break;
    case 'J':
    case 'j': tolerancja = procent(5); break;
    case 'K':
    case 'k': tolerancja = procent(10); break;
    case 'M':
    case 'm': tolerancja = procent(20); break;
    // Unequal tolerances: the upper bound, then the lower one.
    case 'P':
    case 'p': tolerancja = procent(100) + "," + procent(0); break;
    case 'Z':
    case 'z': tolerancja = procent(80) + "," + procent(-20); break;
    default: break;
    }
    std::cout << tolerancja << std::endl;
    pauza();
}
