#include "app/menu.h"
#include "wejscie/kodowanie.h"
#include "wejscie/standardowe.h"
#include "wejscie/wejscie.h"

#include <iostream>

// Arguments are accepted and ignored: the whole program is the dialogue.
int main(int /*argc*/, char* /*argv*/[]) {
    // Only the C++ streams are used, so they may keep their own buffers
    // instead of going through C's stdio a character at a time.
    std::ios::sync_with_stdio(false);
    // Answers saved by Windows tools may start with a byte-order mark, or be
    // UTF-16 altogether; a Windows console is read in its own characters.
    czytajOdpowiedziZ(standardoweWejscie());
    wyswietlMenu();
    wybierzOpcje();
    // A dialogue lost to a full disk or a closed stdout, or cut short by
    // input that could not be read, must not look like a success to the
    // script that ran it.
    if (!std::cout.flush()) {
        std::cerr << "kalkulator: nie mozna zapisac na standardowe wyjscie" << std::endl;
        return 1;
    }
    if (bladOdczytu()) {
        std::cerr << "kalkulator: nie mozna odczytac standardowego wejscia" << std::endl;
        return 1;
    }
    return 0;
}
