#include "calc/formuly.h"

#include "app/konsola.h"

#include <iostream>

namespace {

// The stream's default format: six significant digits, exponent when needed.
void wypiszWynik(float wynik, const char* jednostka) {
    std::cout << wynik << jednostka << std::endl;
    pauza();
}

} // namespace

void obliczRezystancje(float napiecie, float prad) {
    wypiszWynik(napiecie / prad, " Ohm");
}

void obliczNapiecie(float Ampery, float rezystancja) {
    wypiszWynik(Ampery * rezystancja, "V");
}

void obliczPrad(float Napiecie, float Rezystancja) {
    wypiszWynik(Napiecie / Rezystancja, "A");
}

void obliczMoc(float Wolty, float Pradzik) {
    wypiszWynik(Wolty * Pradzik, "W");
}

void obliczUkladRC(float resistor, float pojemnosc) {
    wypiszWynik(resistor * pojemnosc, " S");
}

void obliczUkladRL(float rezystancjaDlaUkladuRL, float indukcja) {
    wypiszWynik(indukcja / rezystancjaDlaUkladuRL, " S");
}
