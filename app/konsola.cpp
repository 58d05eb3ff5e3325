// The console steps, and with them the one place where the dialogue differs
// between systems: clearing the console.
#include "app/konsola.h"

#include "wejscie/wejscie.h"

#include <cstdlib>
#include <iostream>

void pauza() {
    // Only an entry made once the result shows ends the wait, never the rest
    // of the line that brought the last answer.
    czekajNaWpis();
}

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

const char* const kCzyszczenieTerminala = "\x1b[H\x1b[2J\x1b[3J";

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
        std::cout << kCzyszczenieTerminala << std::flush;
    }
}

#endif
