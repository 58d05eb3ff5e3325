#include "wejscie/wejscie.h"

#include "wejscie/kodowanie.h"
#include "wejscie/liczba.h"

#include <algorithm>
#include <cstring>
#include <iostream>
#include <string_view>

namespace {

// Longer than any answer, a number with its prefix and unit included.
constexpr std::size_t kNajdluzszy = 64;

// A token of the input: its first kNajdluzszy bytes, and how long it is, up
// to a few bytes past them, so that a blank taken off its end leaves it too
// long still.
struct Token {
    char znaki[kNajdluzszy] = {};
    std::size_t dlugosc = 0;

    static constexpr std::size_t kPonad = kNajdluzszy + 4;

    std::string_view tekst() const {
        return {znaki, std::min(dlugosc, kNajdluzszy)};
    }
    bool zaDlugi() const {
        return dlugosc > kNajdluzszy;
    }
    void dopisz(const char* znaki_, std::size_t ile) {
        if (dlugosc < kNajdluzszy) {
            std::copy_n(znaki_, std::min(ile, kNajdluzszy - dlugosc), znaki + dlugosc);
        }
        dlugosc = std::min(dlugosc + std::min(ile, kPonad), kPonad);
    }
    void dopisz(const Token& inny) {
        dopisz(inny.znaki, inny.zaDlugi() ? kPonad : inny.dlugosc);
    }
};

// The token read ahead, on the line of the last one taken.
Token podgladany;
bool jestPodgladany = false;
// No line has ended since the last token read.
bool wLinii = false;

// ASCII's blanks, as the "C" locale has them, line ends included.
bool czyBialy(char znak) {
    return znak == ' ' || (znak >= '\t' && znak <= '\r');
}

bool czyKoniecLinii(char znak) {
    return znak == '\n' || znak == '\r';
}

bool czyAscii(char znak) {
    return static_cast<unsigned char>(znak) < 0x80;
}

bool czyCyfra(int znak) {
    return znak >= '0' && znak <= '9';
}

int biezacyZnak() {
    const std::string_view tekst = doPrzeczytania();
    return tekst.empty() ? -1 : static_cast<unsigned char>(tekst.front());
}

// Takes the blanks before the next token, or with `tylkoWLinii` only those
// before the line ends; tells whether a token follows.
bool pominBiale(bool tylkoWLinii) {
    for (std::string_view tekst = doPrzeczytania(); !tekst.empty(); tekst = doPrzeczytania()) {
        std::size_t ile = 0;
        for (; ile < tekst.size() && czyBialy(tekst[ile]); ++ile) {
            if (czyKoniecLinii(tekst[ile])) {
                if (tylkoWLinii) {
                    zabierz(ile);
                    return false;
                }
                wLinii = false;
            }
        }
        zabierz(ile);
        if (ile < tekst.size()) {
            return true;
        }
    }
    return false;
}

// Reads the next token into `token` (with `tylkoWLinii`, one on the same
// line only); false, with nothing taken but blanks, if none comes. A run of
// ASCII goes in at once; a byte beyond it may end a blank of more than one.
bool czytajToken(Token& token, bool tylkoWLinii) {
    while (pominBiale(tylkoWLinii)) {
        token = Token{};
        // The token's last bytes, in which such a blank shows.
        char ogon[4] = {};
        const auto dodajDoOgona = [&](std::string_view znaki) {
            const std::size_t ile = std::min(znaki.size(), sizeof(ogon));
            std::memmove(ogon, ogon + ile, sizeof(ogon) - ile);
            std::memcpy(ogon + sizeof(ogon) - ile, znaki.data() + znaki.size() - ile, ile);
        };
        for (std::string_view tekst = doPrzeczytania(); !tekst.empty(); tekst = doPrzeczytania()) {
            std::size_t ile = 0;
            while (ile < tekst.size() && czyAscii(tekst[ile]) && !czyBialy(tekst[ile])) {
                ++ile;
            }
            token.dopisz(tekst.data(), ile);
            dodajDoOgona(tekst.substr(0, ile));
            zabierz(ile);
            if (ile == tekst.size()) {
                continue;
            }
            if (czyBialy(tekst[ile])) {
                break;
            }
            token.dopisz(tekst.data() + ile, 1);
            dodajDoOgona(tekst.substr(ile, 1));
            zabierz(1);
            const std::size_t wOgonie = std::min(token.dlugosc, sizeof(ogon));
            const std::size_t odstep =
                odstepNaKoncu(std::string_view(ogon + sizeof(ogon) - wOgonie, wOgonie));
            if (odstep == 0) {
                continue;
            }
            // Digits grouped by three stay one number: 1 000.
            const bool miedzyCyframi = token.dlugosc > odstep && czyCyfra(ogon[3 - odstep]);
            if (miedzyCyframi && czyCyfra(biezacyZnak())) {
                continue;
            }
            token.dlugosc -= odstep;
            break;
        }
        if (token.dlugosc > 0) {
            wLinii = true;
            return true;
        }
    }
    return false;
}

// The next token, wherever it stands.
bool wezToken(Token& token) {
    if (jestPodgladany) {
        jestPodgladany = false;
        token = podgladany;
        return true;
    }
    return czytajToken(token, false);
}

// The next token if it stands on the line of the last one, left to be taken.
const Token* nastepnyWLinii() {
    if (!jestPodgladany && wLinii) {
        jestPodgladany = czytajToken(podgladany, true);
    }
    return jestPodgladany ? &podgladany : nullptr;
}

// The next answer's first token, once what is printed is out: its prompt
// shows, and output that cannot be written ends the dialogue.
bool wezOdpowiedz(Token& token) {
    return std::cout.flush() && wezToken(token);
}

// The words that a number takes with it from its line.
Token slowaPo(const Token& liczba) {
    Token dopisek;
    if (!czyPoczatekLiczby(liczba.tekst())) {
        return dopisek;
    }
    for (const Token* slowo = nastepnyWLinii();
         slowo != nullptr && !czyPoczatekLiczby(slowo->tekst()) && !czyOsobnaLitera(slowo->tekst());
         slowo = nastepnyWLinii()) {
        dopisek.dopisz(*slowo);
        jestPodgladany = false;
    }
    return dopisek;
}

template <typename Przyjmij> bool zapytajO(const char* zacheta, Przyjmij przyjmij) {
    for (;;) {
        std::cout << zacheta;
        Token token;
        if (!wezOdpowiedz(token)) {
            return false;
        }
        if (przyjmij(token)) {
            return true;
        }
    }
}

} // namespace

void czytajOdpowiedziZ(const Zrodlo& zrodlo) {
    czytajZ(zrodlo);
    jestPodgladany = false;
    wLinii = false;
}

Odczyt czytaj(int& wartosc) {
    Token token;
    if (!wezOdpowiedz(token)) {
        return Odczyt::koniec;
    }
    return !token.zaDlugi() && czytajCalkowita(token.tekst(), wartosc) ? Odczyt::wartosc
                                                                       : Odczyt::zlyToken;
}

bool zapytaj(const Wielkosc& wielkosc, float& wartosc) {
    return zapytajO(wielkosc.zacheta, [&](const Token& token) {
        const Token dopisek = slowaPo(token);
        return !token.zaDlugi() && !dopisek.zaDlugi() &&
               czytajLiczbe(token.tekst(), wielkosc.jednostka, wartosc, dopisek.tekst());
    });
}

bool zapytaj(const char* zacheta, int& wartosc, bool (*litera)(char)) {
    return zapytajO(zacheta, [&](const Token& token) {
        Token calosc = token;
        calosc.dopisz(slowaPo(token));
        return !calosc.zaDlugi() && czytajCalkowita(calosc.tekst(), wartosc, litera);
    });
}

bool zapytaj(const char* zacheta, char& wartosc) {
    return zapytajO(zacheta, [&](const Token& token) {
        wartosc = token.znaki[0];
        return true;
    });
}

void czekajNaWpis() {
    if (!std::cout.flush()) {
        return;
    }
    jestPodgladany = false;
    for (std::string_view tekst = doPrzeczytania(); wLinii && !tekst.empty();
         tekst = doPrzeczytania()) {
        const std::size_t ile =
            std::find_if(tekst.begin(), tekst.end(), czyKoniecLinii) - tekst.begin();
        wLinii = ile == tekst.size();
        zabierz(ile + 1);
    }
    Token wpis;
    static_cast<void>(wezToken(wpis));
}
