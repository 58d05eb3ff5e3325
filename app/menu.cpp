#include "app/menu.h"

#include "app/konsola.h"
#include "calc/formuly.h"
#include "calc/pojemnosc_po_kodzie.h"
#include "calc/tolerancja_po_literze.h"
#include "wejscie/wejscie.h"

#include <iostream>
#include <iterator>

namespace {

const char* const kMenu[] = {
    "[1] Oblicz Rezystancje ",
    "[2] Oblicz Napiecie ",
    "[3] Oblicz Prad ",
    "[4] Oblicz Moc ",
    "[5] Oblicz Uklad RC",
    "[6] Oblicz Uklad RL",
    "[7] Oblicz Pojemnosc Kondensatora Po Kodzie",
    "[8] Oblicz Tolerancje Kondensatora Po Literze",
};

const Wielkosc kNapiecie{"Prosze podac Napiecie w Woltach: ", Jednostka::wolt};
const Wielkosc kPrad{"Prosze podac Prad w Amperach: ", Jednostka::amper};
const Wielkosc kRezystancja{"Prosze podac Rezystancje w Ohmach: ", Jednostka::om};
const Wielkosc kPojemnosc{"Prosze podac Pojemnosc w Faradach: ", Jednostka::farad};
const Wielkosc kIndukcyjnosc{"Prosze podac Indukcyjnosc Cewki w Henrach: ", Jednostka::henr};
const char* const kKod = "Prosze podac kod Kondensatora: ";
const char* const kLitera = "Prosze Podac Litere z Kondensatora: ";

// Reads until the option is one on the menu; a loop, so that any number of
// wrong entries costs no stack. Returns 0 when the input ends.
int wczytajWybor() {
    for (;;) {
        int wybor = 0;
        const Odczyt odczyt = czytaj(wybor);
        if (odczyt == Odczyt::koniec) {
            return 0;
        }
        if (odczyt == Odczyt::wartosc && wybor >= 1 &&
            wybor <= static_cast<int>(std::size(kMenu))) {
            return wybor;
        }
        czyscEkran();
        std::cout << "Prosze podac numer" << std::endl << std::endl;
        wyswietlMenu();
    }
}

} // namespace

void wyswietlMenu() {
    for (const char* linia : kMenu) {
        std::cout << linia << std::endl;
    }
    std::cout << std::endl;
}

void wybierzOpcje() {
    const int wybor = wczytajWybor();
    if (wybor == 0) {
        return;
    }
    czyscEkran();
    // Every case returns once its calculation has printed the result; falling
    // out of the switch means the input ended before all values were read.
    switch (wybor) {
    case 1: {
        float napiecie = 0.0F;
        float prad = 0.0F;
        if (zapytaj(kNapiecie, napiecie) && zapytaj(kPrad, prad)) {
            obliczRezystancje(napiecie, prad);
            return;
        }
        break;
    }
    case 2: {
        float Ampery = 0.0F;
        float rezystancja = 0.0F;
        if (zapytaj(kPrad, Ampery) && zapytaj(kRezystancja, rezystancja)) {
            obliczNapiecie(Ampery, rezystancja);
            return;
        }
        break;
    }
    case 3: {
        float Napiecie = 0.0F;
        float Rezystancja = 0.0F;
        if (zapytaj(kNapiecie, Napiecie) && zapytaj(kRezystancja, Rezystancja)) {
            obliczPrad(Napiecie, Rezystancja);
            return;
        }
        break;
    }
    case 4: {
        float Wolty = 0.0F;
        float Pradzik = 0.0F;
        if (zapytaj(kNapiecie, Wolty) && zapytaj(kPrad, Pradzik)) {
            obliczMoc(Wolty, Pradzik);
            return;
        }
        break;
    }
    case 5: {
        float pojemnosc = 0.0F;
        float resistor = 0.0F;
        if (zapytaj(kPojemnosc, pojemnosc) && zapytaj(kRezystancja, resistor)) {
            obliczUkladRC(resistor, pojemnosc);
            return;
        }
        break;
    }
    case 6: {
        float indukcja = 0.0F;
        float rezystancjaDlaUkladuRL = 0.0F;
        if (zapytaj(kIndukcyjnosc, indukcja) && zapytaj(kRezystancja, rezystancjaDlaUkladuRL)) {
            obliczUkladRL(rezystancjaDlaUkladuRL, indukcja);
            return;
        }
        break;
    }
    case 7: {
        // A code as printed on the part, with its tolerance letter after it.
        int kod = 0;
        if (zapytaj(kKod, kod, czyLiteraTolerancji)) {
            pojemnoscPoKodzie(kod);
            return;
        }
        break;
    }
    case 8: {
        char litera = '\0';
        if (zapytaj(kLitera, litera)) {
            tolerancjaPoLiterze(litera);
            return;
        }
        break;
    }
    }
    // Nothing to compute from: the result line stays empty.
    std::cout << std::endl;
    pauza();
}
