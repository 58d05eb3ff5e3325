#pragma once

// Prints the eight options and the empty line after them; the menu itself is
// the request to choose.
void wyswietlMenu();

// Reads the option number, answering anything but 1 to 8 with a message and
// the menu again, then runs the chosen option's dialogue to its end. Returns
// at once if the input ends before an option is chosen.
void wybierzOpcje();
