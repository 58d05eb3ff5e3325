#include "wejscie/kodowanie.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>

namespace {

constexpr int kKoniec = std::char_traits<char>::eof();

} // namespace

WejscieTekstowe::WejscieTekstowe(std::streambuf& zrodlo, Kodowanie kodowanie)
    : zrodlo_(zrodlo), kodowanie_(kodowanie) {}

WejscieTekstowe::int_type WejscieTekstowe::underflow() {
    if (koniec_) {
        return traits_type::eof();
    }
    // The last characters read stay in front, to be put back.
    const auto zwrot = static_cast<std::size_t>(std::min<std::ptrdiff_t>(kZwrot, gptr() - eback()));
    if (zwrot > 0) { // before the first read there is no buffer at all
        std::memmove(bufor_, gptr() - zwrot, zwrot);
    }
    char* const od = bufor_ + zwrot;
    char* koniec = od;
    if (kodowanie_ == Kodowanie::nieznane) {
        koniec = rozpoznaj(od);
    }
    if (koniec == od) {
        koniec = kodowanie_ == Kodowanie::bajty ? przepisz(od) : odkoduj(od);
    }
    setg(bufor_, od, koniec);
    koniec_ = koniec == od;
    return koniec_ ? traits_type::eof() : traits_type::to_int_type(*gptr());
}

// Reads the byte-order mark, if the input starts with one. The marks differ in
// their first bytes, so at most one of them matches any of its bytes; when
// only the start of one does, the bytes taken are text after all.
char* WejscieTekstowe::rozpoznaj(char* od) {
    const std::pair<const char*, Kodowanie> znaczniki[] = {
        {"\xEF\xBB\xBF", Kodowanie::bajty},
        {"\xFF\xFE", Kodowanie::utf16le},
        {"\xFE\xFF", Kodowanie::utf16be},
    };
    kodowanie_ = Kodowanie::bajty;
    for (const auto& [znacznik, kodowanie] : znaczniki) {
        std::size_t wziete = 0;
        while (znacznik[wziete] != '\0' &&
               zrodlo_.sgetc() == traits_type::to_int_type(znacznik[wziete])) {
            zrodlo_.sbumpc();
            ++wziete;
        }
        if (znacznik[wziete] == '\0') {
            kodowanie_ = kodowanie;
            return od;
        }
        if (wziete > 0) {
            return std::copy_n(znacznik, wziete, od);
        }
    }
    return od;
}

// Waits for one byte, then takes only what has already arrived with it, so
// that a typed line is answered as soon as it is typed.
char* WejscieTekstowe::przepisz(char* od) {
    char* koniec = od;
    for (int znak = zrodlo_.sbumpc(); znak != kKoniec; znak = zrodlo_.sbumpc()) {
        *koniec++ = traits_type::to_char_type(znak);
        if (koniec == std::end(bufor_) || zrodlo_.in_avail() <= 0) {
            break;
        }
    }
    return koniec;
}

// One UTF-16 code unit, or -1 at the end of input, a truncated unit included.
int WejscieTekstowe::jednostka() {
    const int pierwszy = zrodlo_.sbumpc();
    if (pierwszy == kKoniec) {
        return -1;
    }
    const int drugi = zrodlo_.sbumpc();
    if (drugi == kKoniec) {
        return -1;
    }
    return kodowanie_ == Kodowanie::utf16le ? (drugi << 8 | pierwszy) : (pierwszy << 8 | drugi);
}

char* WejscieTekstowe::odkoduj(char* od) {
    char* koniec = od;
    // Room for the longest character, four bytes, and for one at least.
    while (std::end(bufor_) - koniec >= 4 && (koniec == od || zrodlo_.in_avail() >= 2)) {
        const int znak = jednostka();
        if (znak < 0) {
            break;
        }
        koniec = zapisz(koniec, znak);
    }
    return koniec;
}

// Writes the UTF-8 of code unit `jednostka` from `koniec`, a pair of
// surrogates as the one character that they make.
char* WejscieTekstowe::zapisz(char* koniec, int jednostka) {
    const bool wysoki = jednostka >= 0xD800 && jednostka <= 0xDBFF;
    const bool niski = jednostka >= 0xDC00 && jednostka <= 0xDFFF;
    long punkt = jednostka;
    if (wysokiSurogat_ != 0 && niski) {
        punkt = 0x10000 + ((wysokiSurogat_ - 0xD800L) << 10) + (jednostka - 0xDC00L);
    } else if (wysokiSurogat_ != 0 || niski) {
        *koniec++ = '?';
    }
    wysokiSurogat_ = wysoki ? jednostka : 0;
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
