// Feeds arbitrary bytes as standard input to a whole run (menu, option read,
// dialogue, pause), with the program's streams pointed at memory, and checks
// the shape of what it prints: the run returns, the menu comes first, and at
// most the result line follows the last prompt. The exact texts are for the
// end-to-end tables; here every prompt is known by its closing ": ".
#include "app/konsola.h"
#include "app/menu.h"
#include "wejscie/kodowanie.h"
#include "wejscie/wejscie.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

namespace {

// What is left of the run's input; a read gives a few bytes at a time, as
// a pipe may.
std::string_view pozostale;

long czytajPamiec(char* bufor, std::size_t ile) {
    const std::size_t porcja = std::min({ile, pozostale.size(), std::size_t{7}});
    pozostale.copy(bufor, porcja);
    pozostale.remove_prefix(porcja);
    return static_cast<long>(porcja);
}

// Runs `krok` with standard input taken from `wejscie`; returns its output.
template <typename Krok> std::string uruchom(const std::string& wejscie, Krok krok) {
    pozostale = wejscie;
    czytajOdpowiedziZ({czytajPamiec, Kodowanie::nieznane});
    std::ostringstream wyjscie;
    std::streambuf* const doTerazWyjscie = std::cout.rdbuf(wyjscie.rdbuf());
    krok();
    std::cout.rdbuf(doTerazWyjscie);
    return wyjscie.str();
}

[[noreturn]] void blad(const char* opis, const std::string& wyjscie) {
    std::fprintf(stderr, "%s\n--- output ---\n%s\n--- end ---\n", opis, wyjscie.c_str());
    std::abort();
}

void calyPrzebieg() {
    wyswietlMenu();
    wybierzOpcje();
}

// With a terminal on the real stdout the screen is cleared too; that is not
// part of the dialogue.
std::string bezCzyszczenia(std::string wyjscie) {
    const std::string czyszczenie = kCzyszczenieTerminala;
    for (std::size_t p = wyjscie.find(czyszczenie); p != std::string::npos;
         p = wyjscie.find(czyszczenie, p)) {
        wyjscie.erase(p, czyszczenie.size());
    }
    return wyjscie;
}

void sprawdz(const std::string& wyjscie) {
    static const std::string menu = uruchom("", wyswietlMenu);
    // The answer to a wrong option, as the program gives it to 0.
    static const std::string zlyNumer =
        bezCzyszczenia(uruchom("0", calyPrzebieg)).substr(menu.size());

    if (wyjscie.compare(0, menu.size(), menu) != 0) {
        blad("the output does not start with the menu", wyjscie);
    }
    const std::size_t zacheta = wyjscie.rfind(": ");
    if (zacheta == std::string::npos) {
        // No option was chosen: the menu, then only answers to wrong options.
        for (std::size_t p = menu.size(); p < wyjscie.size(); p += zlyNumer.size()) {
            if (wyjscie.compare(p, zlyNumer.size(), zlyNumer) != 0) {
                blad("no dialogue, yet more than the menu and wrong-number answers", wyjscie);
            }
        }
        return;
    }
    const std::size_t koniecLinii = wyjscie.find('\n', zacheta);
    if (koniecLinii != std::string::npos && koniecLinii + 1 != wyjscie.size()) {
        blad("more than one line after the last prompt", wyjscie);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    const std::string wejscie(reinterpret_cast<const char*>(dane), rozmiar);
    sprawdz(bezCzyszczenia(uruchom(wejscie, calyPrzebieg)));
    return 0;
}
