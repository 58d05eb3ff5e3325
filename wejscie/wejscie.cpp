#include "wejscie/wejscie.h"

#include "wejscie/kodowanie.h"
#include "wejscie/liczba.h"

#include <iostream>
#include <string>
#include <string_view>

namespace {

constexpr int kKoniec = std::char_traits<char>::eof();

// Longer than any prefix and symbol written apart from their number ("µOhm").
constexpr std::size_t kNajdluzszyDopisek = 8;
// A token one character longer can always be put back.
static_assert(kNajdluzszyDopisek + 1 <= WejscieTekstowe::kZwrot);

// Blanks of more than one byte, in UTF-8: the no-break space, the thin
// space and the narrow no-break space.
constexpr std::string_view kOdstepyUtf8[] = {"\xC2\xA0", "\xE2\x80\x89", "\xE2\x80\xAF"};

// ASCII's blanks, as the "C" locale has them.
bool czyBialy(int znak) {
    return znak == ' ' || (znak >= '\t' && znak <= '\r');
}

// Takes the blanks at the front of the input, or with `wLinii` those before
// the line's end; tells whether a token follows them there.
bool pominBiale(std::streambuf& wejscie, bool wLinii) {
    for (int znak = wejscie.sgetc(); znak != kKoniec; znak = wejscie.snextc()) {
        if (!czyBialy(znak) || (wLinii && znak == '\n')) {
            return !czyBialy(znak);
        }
    }
    return false;
}

// Takes characters up to the next blank, which it takes too unless it is
// ASCII's, into `token`, at most `najwyzej` of them; every character taken
// goes into `wziete` as well.
void wezDoOdstepu(std::streambuf& wejscie, std::string& token, std::string& wziete,
                  std::size_t najwyzej) {
    for (int znak = wejscie.sgetc(); znak != kKoniec && !czyBialy(znak) && token.size() < najwyzej;
         znak = wejscie.snextc()) {
        token += static_cast<char>(znak);
        wziete += static_cast<char>(znak);
        for (const std::string_view odstep : kOdstepyUtf8) {
            if (token.size() >= odstep.size() &&
                token.compare(token.size() - odstep.size(), odstep.size(), odstep) == 0) {
                token.resize(token.size() - odstep.size());
                wejscie.sbumpc();
                return;
            }
        }
    }
}

// Reads the next token, skipping the blanks before it (with `wLinii`, only
// those on the same line). Returns false, with `token` empty, if none comes.
bool nastepnyToken(std::streambuf& wejscie, std::string& token, std::string& wziete, bool wLinii,
                   std::size_t najwyzej = std::string::npos) {
    token.clear();
    while (token.empty() && pominBiale(wejscie, wLinii)) {
        // What was taken until now was a blank: it need not come back.
        wziete.clear();
        wezDoOdstepu(wejscie, token, wziete, najwyzej);
    }
    return !token.empty();
}

// The next answer: the output is flushed first, so that its prompt shows.
bool nastepnaOdpowiedz(std::string& token) {
    if (std::ostream* wyjscie = std::cin.tie()) {
        wyjscie->flush();
    }
    std::string wziete;
    return nastepnyToken(*std::cin.rdbuf(), token, wziete, false);
}

// A prefix or a unit symbol after blanks on the same line belongs to the
// quantity before it; any other token is put back for the next read.
void dolaczDopisek(std::string& ilosc) {
    std::streambuf& wejscie = *std::cin.rdbuf();
    std::string dopisek;
    std::string wziete;
    if (!nastepnyToken(wejscie, dopisek, wziete, true, kNajdluzszyDopisek + 1)) {
        return;
    }
    if (czyDopisek(dopisek)) {
        ilosc += dopisek;
        return;
    }
    for (auto znak = wziete.rbegin(); znak != wziete.rend(); ++znak) {
        wejscie.sputbackc(*znak);
    }
}

template <typename Czytaj> bool zapytajO(const char* zacheta, Czytaj czytajToken) {
    for (;;) {
        std::cout << zacheta;
        std::string token;
        if (!nastepnaOdpowiedz(token)) {
            return false;
        }
        if (czytajToken(token)) {
            return true;
        }
    }
}

} // namespace

Odczyt czytaj(int& wartosc) {
    std::string token;
    if (!nastepnaOdpowiedz(token)) {
        return Odczyt::koniec;
    }
    return czytajCalkowita(token, wartosc) ? Odczyt::wartosc : Odczyt::zlyToken;
}

bool zapytaj(const Wielkosc& wielkosc, float& wartosc) {
    return zapytajO(wielkosc.zacheta, [&](std::string& token) {
        dolaczDopisek(token);
        return czytajLiczbe(token, wielkosc.jednostka, wartosc);
    });
}

bool zapytaj(const char* zacheta, int& wartosc, bool (*litera)(char)) {
    return zapytajO(
        zacheta, [&](const std::string& token) { return czytajCalkowita(token, wartosc, litera); });
}

bool zapytaj(const char* zacheta, char& wartosc) {
    std::cout << zacheta;
    return static_cast<bool>(std::cin >> wartosc);
}
