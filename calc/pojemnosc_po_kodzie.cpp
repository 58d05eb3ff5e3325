#include "calc/pojemnosc_po_kodzie.h"

#include "app/konsola.h"

#include <iostream>
#include <string>

void pojemnoscPoKodzie(int kod) {
    std::string pojemnoscKondensatora;
    // Two significant digits and a power of ten, in picofarads. Whole
    // picofarads for multiplier 1; from multiplier 2 on, microfarads in "%f"
    // form, which is what std::to_string gives for a double.
    switch (kod) {
    case 101: pojemnoscKondensatora = std::to_string(100) + "pF"; break;
    case 102: pojemnoscKondensatora = std::to_string(0.001) + "uF"; break;
    case 103: pojemnoscKondensatora = std::to_string(0.01) + "uF"; break;
    case 104: pojemnoscKondensatora = std::to_string(0.1) + "uF"; break;
    case 221: pojemnoscKondensatora = std::to_string(220) + "pF"; break;
    case 222: pojemnoscKondensatora = std::to_string(0.0022) + "uF"; break;
    case 223: pojemnoscKondensatora = std::to_string(0.022) + "uF"; break;
    case 224: pojemnoscKondensatora = std::to_string(0.22) + "uF"; break;
    case 331: pojemnoscKondensatora = std::to_string(330) + "pF"; break;
    case 332: pojemnoscKondensatora = std::to_string(0.0033) + "uF"; break;
    case 333: pojemnoscKondensatora = std::to_string(0.033) + "uF"; break;
    case 334: pojemnoscKondensatora = std::to_string(0.33) + "uF"; break;
    case 471: pojemnoscKondensatora = std::to_string(470) + "pF"; break;
    case 472: pojemnoscKondensatora = std::to_string(0.0047) + "uF"; break;
    case 473: pojemnoscKondensatora = std::to_string(0.047) + "uF"; break;
    case 474: pojemnoscKondensatora = std::to_string(0.47) + "uF"; break;
    default: break;
    }
    std::cout << pojemnoscKondensatora << std::endl;
    pauza();
}
