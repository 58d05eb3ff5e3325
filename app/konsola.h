#pragma once

// Console steps shared by the menu and by every calculation.

// Clears the console so that the next output starts at its top.
void czyscEkran();

#ifndef _WIN32
// What clears a terminal that understands control sequences: the cursor
// home, the screen cleared, then the scrollback as well.
extern const char* const kCzyszczenieTerminala;
#endif

// Holds the finished result on the screen: waits for one entry typed after
// it and discards it. Any token on a later line than the last answer ends
// the wait, and so does the end of input; a bare Enter does not.
void pauza();
