#pragma once

#include "wejscie/kodowanie.h"

// The process's standard input as a source of the program's text. What is
// typed in a Windows console is read as the console's own UTF-16, so that
// every character comes whole whatever the console's code page; files and
// pipes, and every other system, give their bytes. A read interrupted or not
// ready yet is waited out: only the end of input ends it, or an error.
Zrodlo standardoweWejscie();
