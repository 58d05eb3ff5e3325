// Feeds arbitrary bytes as standard input to a whole run (menu, option read,
// dialogue, pause), with the program's streams pointed at memory, and checks
// the shape of what it prints: the run returns, the menu comes first, and at
// most the result line follows the last prompt. The exact texts are for the
// end-to-end tables; here every prompt is known by its closing ": ".
#include "app/konsola.h"
#include "app/menu.h"
#include "wejscie/kodowanie.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

namespace {

// Runs `krok` with standard input taken from `wejscie`; returns its output.
template <typename Krok> std::string uruchom(const std::string& wejscie, Krok krok) {
    std::istringstream zrodlo(wejscie);
    WejscieTekstowe tekst(*zrodlo.rdbuf());
    std::ostringstream wyjscie;
    std::streambuf* const doTerazWejscie = std::cin.rdbuf(&tekst);
    std::streambuf* const doTerazWyjscie = std::cout.rdbuf(wyjscie.rdbuf());
    krok();
    std::cin.rdbuf(doTerazWejscie);
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
