// The program's reading of numbers must match libstdc++'s stream, which the
// dialogue tables were written against: the same success, value and
// characters left. A comma reads as a point: the stream gets the token with
// points, and what it leaves is taken from the token as typed.
#include "app/liczba.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

struct Odczyt {
    bool udany;
    float wartosc;
    std::string reszta;
};

std::string reszta(std::istream& strumien) {
    strumien.clear();
    return {std::istreambuf_iterator<char>(strumien), std::istreambuf_iterator<char>()};
}

Odczyt strumienia(const std::string& token) {
    std::string kropki = token;
    std::replace(kropki.begin(), kropki.end(), ',', '.');
    std::istringstream strumien(kropki);
    float wartosc = 0.0F;
    const bool udany = static_cast<bool>(strumien >> std::noskipws >> wartosc);
    const std::size_t zostalo = reszta(strumien).size();
    return {udany, udany ? wartosc : 0.0F, token.substr(token.size() - zostalo)};
}

Odczyt programu(const std::string& token) {
    std::istringstream strumien(token);
    float wartosc = 0.0F;
    const bool udany = wczytajLiczbe(*strumien.rdbuf(), wartosc);
    return {udany, wartosc, reszta(strumien)};
}

void porownaj(const std::string& token) {
    const Odczyt oczekiwany = strumienia(token);
    const Odczyt odczyt = programu(token);
    ASSERT_EQ(odczyt.udany, oczekiwany.udany) << "token \"" << token << "\"";
    // Bit for bit, so that -0 and 0 are told apart.
    ASSERT_EQ(std::memcmp(&odczyt.wartosc, &oczekiwany.wartosc, sizeof(float)), 0)
        << "token \"" << token << "\": " << odczyt.wartosc << " != " << oczekiwany.wartosc;
    ASSERT_EQ(odczyt.reszta, oczekiwany.reszta) << "token \"" << token << "\"";
}

// Every token of up to five characters that can start, continue or break a
// number: some 111000 of them.
void kazdyToken(const std::string& token, std::size_t jeszcze) {
    porownaj(token);
    for (const char znak : jeszcze > 0 ? std::string("01.,eE+-x ") : std::string()) {
        kazdyToken(token + znak, jeszcze - 1);
    }
}

TEST(Liczba, JakStrumienNaWszystkichKrotkichTokenach) {
    kazdyToken("", 5);
}

// The edges of float's range, rounding, and what one library or another
// reads differently.
TEST(Liczba, JakStrumienNaKrawedziach) {
    const char* const tokeny[] = {
        "12x",          "3a",     "nan",     "inf",   "-inf", "0x10",         "1e-50",
        "-1e-50",       "1e-45",  "1.4e-45", "7e-46", "1e38", "3.4028235e38", "3.40282356e38",
        "3.4028236e38", "3.5e38", "-3.5e38", "1e39",  "1e99", "0.1",          "16777217",
        "1.00000006",   "2.5,5",  "2,5.5",   ",5",    "-1,5", "2,5e1",        "1e+5x",
        "1e-",          "00012",  "-0",      "+.5",   ".e1",  "5.e2",         "1e2.5",
        "1E2e3",        "1..2",   "--1",
    };
    for (const char* token : tokeny) {
        porownaj(token);
    }
    porownaj(std::string(100000, '9'));
    porownaj("0." + std::string(100000, '0') + "1");
    porownaj(std::string(50, '0') + "1e" + std::string(40, '0') + "5");
}

} // namespace
