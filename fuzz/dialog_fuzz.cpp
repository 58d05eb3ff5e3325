// Feeds arbitrary bytes as standard input to a whole run (menu, option read,
// dialogue, pause), with the program's streams pointed at memory, and checks
// the shape of what it prints: the run returns, the menu comes first, and at
// most the result line follows the last prompt.
#include "app/menu.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

namespace {

const std::string kMenu = "[1] Oblicz Rezystancje \n"
                          "[2] Oblicz Napiecie \n"
                          "[3] Oblicz Prad \n"
                          "[4] Oblicz Moc \n"
                          "[5] Oblicz Uklad RC\n"
                          "[6] Oblicz Uklad RL\n"
                          "[7] Oblicz Pojemnosc Kondensatora Po Kodzie\n"
                          "[8] Oblicz Tolerancje Kondensatora Po Literze\n"
                          "\n";
const std::string kZlyNumer = "Prosze podac numer\n\n" + kMenu;
const std::string kCzyszczenie = "\x1b[H\x1b[2J\x1b[3J";
const std::string kZachety[] = {
    "Prosze podac Napiecie w Woltach: ",           "Prosze podac Prad w Amperach: ",
    "Prosze podac Rezystancje w Ohmach: ",         "Prosze podac Pojemnosc w Faradach: ",
    "Prosze podac Indukcyjnosc Cewki w Henrach: ", "Prosze podac kod Kondensatora: ",
    "Prosze Podac Litere z Kondensatora: ",
};

[[noreturn]] void blad(const char* opis, const std::string& wyjscie) {
    std::fprintf(stderr, "%s\n--- output ---\n%s\n--- end ---\n", opis, wyjscie.c_str());
    std::abort();
}

void sprawdz(std::string wyjscie) {
    // With a terminal on the real stdout the screen is cleared too; that is
    // not part of the dialogue.
    for (std::size_t p = wyjscie.find(kCzyszczenie); p != std::string::npos;
         p = wyjscie.find(kCzyszczenie, p)) {
        wyjscie.erase(p, kCzyszczenie.size());
    }
    if (wyjscie.compare(0, kMenu.size(), kMenu) != 0) {
        blad("the output does not start with the menu", wyjscie);
    }
    std::size_t poZachecie = std::string::npos; // just after the last prompt
    for (const std::string& zacheta : kZachety) {
        const std::size_t p = wyjscie.rfind(zacheta);
        if (p != std::string::npos &&
            (poZachecie == std::string::npos || p + zacheta.size() > poZachecie)) {
            poZachecie = p + zacheta.size();
        }
    }
    if (poZachecie == std::string::npos) {
        // No option was chosen: the menu, then only answers to wrong options.
        for (std::size_t p = kMenu.size(); p < wyjscie.size(); p += kZlyNumer.size()) {
            if (wyjscie.compare(p, kZlyNumer.size(), kZlyNumer) != 0) {
                blad("no dialogue, yet more than the menu and wrong-number answers", wyjscie);
            }
        }
        return;
    }
    const std::size_t koniecLinii = wyjscie.find('\n', poZachecie);
    if (koniecLinii != std::string::npos && koniecLinii + 1 != wyjscie.size()) {
        blad("more than one line after the last prompt", wyjscie);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    std::istringstream wejscie(std::string(reinterpret_cast<const char*>(dane), rozmiar));
    std::ostringstream wyjscie;
    std::streambuf* const doTerazWejscie = std::cin.rdbuf(wejscie.rdbuf());
    std::streambuf* const doTerazWyjscie = std::cout.rdbuf(wyjscie.rdbuf());
    wyswietlMenu();
    wybierzOpcje();
    std::cin.rdbuf(doTerazWejscie);
    std::cout.rdbuf(doTerazWyjscie);
    sprawdz(wyjscie.str());
    return 0;
}
