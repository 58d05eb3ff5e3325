#pragma once

#include <streambuf>

// Standard input as the program reads it: text in UTF-8 (kodowanie.h). What
// is typed in a Windows console is read as the console's own UTF-16, so that
// every character comes whole whatever the console's code page; files and
// pipes, and every other system, give their bytes.
std::streambuf& standardoweWejscie();
