#include "app/menu.h"
#include "wejscie/standardowe.h"

#include <iostream>

// Arguments are accepted and ignored: the whole program is the dialogue.
int main(int /*argc*/, char* /*argv*/[]) {
    // Only the C++ streams are used, so they may keep their own buffers
    // instead of going through C's stdio a character at a time.
    std::ios::sync_with_stdio(false);
    // Answers saved by Windows tools may start with a byte-order mark, or be
    // UTF-16 altogether; a Windows console is read in its own characters.
    std::cin.rdbuf(&standardoweWejscie());
    wyswietlMenu();
    wybierzOpcje();
    // A dialogue lost to a full disk or a closed stdout must not look like a
    // success to the script that saved it.
    if (!std::cout.flush()) {
        std::cerr << "kalkulator: nie mozna zapisac na standardowe wyjscie" << std::endl;
        return 1;
    }
    return 0;
}
