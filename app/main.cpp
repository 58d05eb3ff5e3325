#include "app/menu.h"

#include <iostream>

// Arguments are accepted and ignored: the whole program is the dialogue.
int main(int /*argc*/, char* /*argv*/[]) {
    // Only the C++ streams are used, so they may keep their own buffers
    // instead of going through C's stdio a character at a time.
    std::ios::sync_with_stdio(false);
    wyswietlMenu();
    wybierzOpcje();
    return 0;
}
