#pragma once

// Prints the tolerance, in percent, that a capacitor's tolerance letter
// stands for (upper or lower case), or an empty line for any other
// character, and then waits with pauza.
void tolerancjaPoLiterze(char litera);

// Whether `litera` is one of the tolerance letters, as a code printed on a
// capacitor may carry after it.
bool czyLiteraTolerancji(char litera);
