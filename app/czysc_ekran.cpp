// The one place where the program differs between systems.
#include "app/konsola.h"

#include <cstdlib>
#include <iostream>

#ifdef _WIN32

void czyscEkran() {
    // What is already printed must reach the console before cls wipes it.
    std::cout.flush();
    // If clearing fails, the dialogue simply goes on below the old text.
    static_cast<void>(std::system("cls"));
}

#else

#include <cstring>
#include <unistd.h>

namespace {

// Only a terminal that understands control sequences is cleared: redirected
// output and dumb terminals get nothing but the dialogue.
bool czyTerminalSterowany() {
    if (isatty(STDOUT_FILENO) == 0) {
        return false;
    }
    const char* term = std::getenv("TERM");
    return term != nullptr && *term != '\0' && std::strcmp(term, "dumb") != 0;
}

} // namespace

void czyscEkran() {
    if (czyTerminalSterowany()) {
        // Cursor home, clear the screen, then drop the scrollback as well.
        std::cout << "\x1b[H\x1b[2J\x1b[3J" << std::flush;
    }
}

#endif
