#pragma once

// Prints the options and the empty line after them; the menu itself is the
// request to choose.
void wyswietlMenu();

// Reads the option number, answering anything that is not on the menu with a
// message and the menu again, then runs the chosen option's dialogue to its
// end. Returns at once if the input ends before an option is chosen.
void wybierzOpcje();
