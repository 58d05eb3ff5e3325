#pragma once

// Prints the capacitance that a three-digit capacitor code stands for, or an
// empty line for a code it does not know, and then waits with pauza.
void pojemnoscPoKodzie(int kod);
