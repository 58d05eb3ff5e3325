#pragma once

// Prints the tolerance, in percent, that a capacitor's tolerance letter
// stands for (upper or lower case), or an empty line for any other
// character, and then waits with pauza.
void tolerancjaPoLiterze(char litera);
