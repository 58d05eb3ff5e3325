#include "app/kodowanie.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

constexpr int kKoniec = std::char_traits<char>::eof();

} // namespace

WejscieTekstowe::WejscieTekstowe(std::streambuf& zrodlo) : zrodlo_(zrodlo) {}

WejscieTekstowe::int_type WejscieTekstowe::underflow() {
    char* koniec = bufor_;
    if (kodowanie_ == Kodowanie::nieznane) {
        koniec = rozpoznaj();
    }
    if (koniec == bufor_) {
        koniec = kodowanie_ == Kodowanie::bajty ? przepisz() : odkoduj();
    }
    if (koniec == bufor_) {
        return traits_type::eof();
    }
    setg(bufor_, bufor_, koniec);
    return traits_type::to_int_type(*gptr());
}

// Reads the byte-order mark, if the input starts with one. The marks differ in
// their first bytes, so at most one of them matches any of its bytes; when
// only the start of one does, the bytes taken are text after all.
char* WejscieTekstowe::rozpoznaj() {
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
            return bufor_;
        }
        if (wziete > 0) {
            return std::copy_n(znacznik, wziete, bufor_);
        }
    }
    return bufor_;
}

// Waits for one byte, then takes only what has already arrived with it, so
// that a typed line is answered as soon as it is typed.
char* WejscieTekstowe::przepisz() {
    char* koniec = bufor_;
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

char* WejscieTekstowe::odkoduj() {
    char* koniec = bufor_;
    do {
        const int znak = jednostka();
        if (znak < 0) {
            break;
        }
        const bool niskiSurogat = znak >= 0xDC00 && znak <= 0xDFFF;
        if (!(niskiSurogat && poWysokimSurogacie_)) {
            *koniec++ = znak < 0x80 ? static_cast<char>(znak) : '?';
        }
        poWysokimSurogacie_ = znak >= 0xD800 && znak <= 0xDBFF;
    } while (koniec == bufor_ || (koniec != std::end(bufor_) && zrodlo_.in_avail() >= 2));
    return koniec;
}
