#include "wejscie/kodowanie.h"

#include <algorithm>
#include <cstring>

namespace {

// One source at a time, the program's standard input; a test may set another.
struct Stan {
    Zrodlo zrodlo{};
    Kodowanie kodowanie = Kodowanie::nieznane;
    bool koniec = false;
    bool blad = false;
    // A high surrogate waits for the low one that completes its character.
    int wysokiSurogat = 0;
    // UTF-16 as read, with an odd byte kept for the next read.
    char surowe[2048] = {};
    std::size_t surowych = 0;
    // The text in UTF-8: four bytes at most for each code unit read.
    char tekst[2 * sizeof(surowe)] = {};
    std::size_t odczytane = 0;
    std::size_t wTekscie = 0;
};

Stan stan;

// At most `ile` bytes from the source, at `dokad`; 0 once it has ended.
std::size_t pobierz(char* dokad, std::size_t ile) {
    if (stan.koniec) {
        return 0;
    }
    const long ilePrzyszlo = stan.zrodlo.czytaj(dokad, ile);
    if (ilePrzyszlo > 0) {
        return static_cast<std::size_t>(ilePrzyszlo);
    }
    stan.koniec = true;
    stan.blad = ilePrzyszlo < 0;
    return 0;
}

struct Znacznik {
    const char* bajty;
    std::size_t dlugosc;
    Kodowanie kodowanie;
};

constexpr Znacznik kZnaczniki[] = {
    {"\xEF\xBB\xBF", 3, Kodowanie::bajty},
    {"\xFF\xFE", 2, Kodowanie::utf16le},
    {"\xFE\xFF", 2, Kodowanie::utf16be},
};

// Whether the first `ile` bytes of the text could still become a mark.
bool czyPoczatekZnacznika(std::size_t ile) {
    for (const Znacznik& z : kZnaczniki) {
        if (ile < z.dlugosc && std::memcmp(stan.tekst, z.bajty, ile) == 0) {
            return true;
        }
    }
    return false;
}

// Reads the first bytes, as many as tell whether a byte-order mark is there.
void rozpoznaj() {
    std::size_t ile = 0;
    do {
        ile += pobierz(stan.tekst + ile, sizeof(stan.surowe) - ile);
    } while (!stan.koniec && czyPoczatekZnacznika(ile));
    stan.kodowanie = Kodowanie::bajty;
    for (const Znacznik& z : kZnaczniki) {
        if (ile >= z.dlugosc && std::memcmp(stan.tekst, z.bajty, z.dlugosc) == 0) {
            stan.kodowanie = z.kodowanie;
            ile -= z.dlugosc;
            char* const dokad = z.kodowanie == Kodowanie::bajty ? stan.tekst : stan.surowe;
            std::memmove(dokad, stan.tekst + z.dlugosc, ile);
            if (z.kodowanie != Kodowanie::bajty) {
                stan.surowych = ile;
                ile = 0;
            }
            break;
        }
    }
    stan.wTekscie = ile;
}

// Writes the UTF-8 of code unit `jednostka` from `koniec`, a pair of
// surrogates as the one character that they make.
char* zapisz(char* koniec, int jednostka) {
    const bool wysoki = jednostka >= 0xD800 && jednostka <= 0xDBFF;
    const bool niski = jednostka >= 0xDC00 && jednostka <= 0xDFFF;
    long punkt = jednostka;
    if (stan.wysokiSurogat != 0 && niski) {
        punkt = 0x10000 + ((stan.wysokiSurogat - 0xD800L) << 10) + (jednostka - 0xDC00L);
    } else if (stan.wysokiSurogat != 0 || niski) {
        *koniec++ = '?';
    }
    stan.wysokiSurogat = wysoki ? jednostka : 0;
    if (wysoki || (niski && punkt == jednostka)) {
        return koniec;
    }
    const auto bajt = [](long bity) { return static_cast<char>(bity); };
    if (punkt < 0x80) {
        *koniec++ = bajt(punkt);
    } else if (punkt < 0x800) {
        *koniec++ = bajt(0xC0 | punkt >> 6);
        *koniec++ = bajt(0x80 | (punkt & 0x3F));
    } else if (punkt < 0x10000) {
        *koniec++ = bajt(0xE0 | punkt >> 12);
        *koniec++ = bajt(0x80 | (punkt >> 6 & 0x3F));
        *koniec++ = bajt(0x80 | (punkt & 0x3F));
    } else {
        *koniec++ = bajt(0xF0 | punkt >> 18);
        *koniec++ = bajt(0x80 | (punkt >> 12 & 0x3F));
        *koniec++ = bajt(0x80 | (punkt >> 6 & 0x3F));
        *koniec++ = bajt(0x80 | (punkt & 0x3F));
    }
    return koniec;
}

// Decodes what one read of UTF-16 gives, whole code units only.
void odkoduj() {
    const std::size_t ile =
        stan.surowych + pobierz(stan.surowe + stan.surowych, sizeof(stan.surowe) - stan.surowych);
    char* koniec = stan.tekst;
    std::size_t i = 0;
    for (; i + 1 < ile; i += 2) {
        const int pierwszy = static_cast<unsigned char>(stan.surowe[i]);
        const int drugi = static_cast<unsigned char>(stan.surowe[i + 1]);
        koniec = zapisz(koniec, stan.kodowanie == Kodowanie::utf16le ? (drugi << 8 | pierwszy)
                                                                     : (pierwszy << 8 | drugi));
    }
    stan.surowych = ile - i;
    if (stan.surowych > 0) {
        stan.surowe[0] = stan.surowe[i];
    }
    if (stan.koniec && stan.wysokiSurogat != 0) { // its pair never comes
        *koniec++ = '?';
        stan.wysokiSurogat = 0;
    }
    stan.wTekscie = static_cast<std::size_t>(koniec - stan.tekst);
}

// Refills the text once all of it is taken; it stays empty at the end.
void wypelnij() {
    stan.odczytane = 0;
    stan.wTekscie = 0;
    if (stan.kodowanie == Kodowanie::nieznane) {
        rozpoznaj();
    }
    while (stan.wTekscie == 0) {
        const bool ostatni = stan.koniec; // what is left of UTF-16 is decoded once more
        if (stan.kodowanie == Kodowanie::bajty) {
            stan.wTekscie = pobierz(stan.tekst, sizeof(stan.tekst));
        } else {
            odkoduj();
        }
        if (ostatni) {
            break;
        }
    }
}

} // namespace

void czytajZ(const Zrodlo& zrodlo) {
    stan = Stan{};
    stan.zrodlo = zrodlo;
    stan.kodowanie = zrodlo.kodowanie;
}

std::string_view doPrzeczytania() {
    if (stan.odczytane == stan.wTekscie) {
        wypelnij();
    }
    return {stan.tekst + stan.odczytane, stan.wTekscie - stan.odczytane};
}

void zabierz(std::size_t ile) {
    stan.odczytane += std::min(ile, stan.wTekscie - stan.odczytane);
}

bool bladOdczytu() {
    return stan.blad;
}
