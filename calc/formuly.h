#pragma once

// Two-quantity formulas in single precision. Each prints its result line,
// the value followed by its unit, and then waits with pauza. Operands are not
// checked: a division by zero prints the infinity or not-a-number it gives.

void obliczRezystancje(float napiecie, float prad);   // napiecie / prad, Ohm
void obliczNapiecie(float Ampery, float rezystancja); // Ampery * rezystancja, V
void obliczPrad(float Napiecie, float Rezystancja);   // Napiecie / Rezystancja, A
void obliczMoc(float Wolty, float Pradzik);           // Wolty * Pradzik, W

// The time constants take the resistance first, though it is asked for second.
void obliczUkladRC(float resistor, float pojemnosc);              // resistor * pojemnosc, S
void obliczUkladRL(float rezystancjaDlaUkladuRL, float indukcja); // indukcja / R, S
