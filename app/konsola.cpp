#include "app/konsola.h"

#include <iostream>

void pauza() {
    // A token that is not an integer fails the read, which ends the wait too.
    int wpis = 0;
    std::cin >> wpis;
}
