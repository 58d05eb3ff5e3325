#include "app/menu.h"

// Arguments are accepted and ignored: the whole program is the dialogue.
int main(int /*argc*/, char * /*argv*/[]) {
    wyswietlMenu();
    wybierzOpcje();
    return 0;
}
