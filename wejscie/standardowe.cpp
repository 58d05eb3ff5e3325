// The one place where reading differs between systems (the other place
// where the program does is clearing the console, app/konsola.cpp).
#include "wejscie/standardowe.h"

#ifdef _WIN32

#include <algorithm>
#include <cstring>
#include <iterator>
#include <windows.h>

namespace {

// A console's input as UTF-16LE bytes, as much as one read gives (a line).
// Read as bytes, a console hands over its code page's characters, in which
// the micro and ohm signs are missing or stand elsewhere.
long czytajKonsole(char* bufor, std::size_t ile) {
    wchar_t znaki[1024];
    const DWORD najwyzej = static_cast<DWORD>(std::min(ile / sizeof(wchar_t), std::size(znaki)));
    DWORD przeczytane = 0;
    if (ReadConsoleW(GetStdHandle(STD_INPUT_HANDLE), znaki, najwyzej, &przeczytane, nullptr) == 0) {
        return -1;
    }
    // Ctrl+Z at the start of a line ends the input, as it does when the C
    // library reads the console.
    if (przeczytane == 0 || znaki[0] == L'\x1A') {
        return 0;
    }
    std::memcpy(bufor, znaki, przeczytane * sizeof(wchar_t));
    return static_cast<long>(przeczytane * sizeof(wchar_t));
}

// A file or a pipe, byte for byte; a pipe whose writer has gone has ended.
long czytajPlik(char* bufor, std::size_t ile) {
    DWORD przeczytane = 0;
    if (ReadFile(GetStdHandle(STD_INPUT_HANDLE), bufor, static_cast<DWORD>(ile), &przeczytane,
                 nullptr) != 0) {
        return static_cast<long>(przeczytane);
    }
    const DWORD blad = GetLastError();
    return blad == ERROR_BROKEN_PIPE || blad == ERROR_HANDLE_EOF ? 0 : -1;
}

} // namespace

Zrodlo standardoweWejscie() {
    DWORD tryb = 0;
    if (GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &tryb) != 0) {
        return {czytajKonsole, Kodowanie::utf16le};
    }
    return {czytajPlik, Kodowanie::nieznane};
}

#else

#include <cerrno>
#include <unistd.h>
#ifndef __EMSCRIPTEN__ // the page and Node wait for input themselves
#include <poll.h>
#endif

namespace {

long czytajDeskryptor(char* bufor, std::size_t ile) {
    for (;;) {
        const ssize_t przeczytane = read(STDIN_FILENO, bufor, ile);
        if (przeczytane >= 0) {
            return static_cast<long>(przeczytane);
        }
        if (errno == EINTR) {
            continue;
        }
#ifndef __EMSCRIPTEN__
        // A non-blocking input with nothing in it yet.
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            pollfd czekaj{STDIN_FILENO, POLLIN, 0};
            static_cast<void>(poll(&czekaj, 1, -1));
            continue;
        }
#endif
        return -1;
    }
}

} // namespace

Zrodlo standardoweWejscie() {
    return {czytajDeskryptor, Kodowanie::nieznane};
}

#endif
