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

Odczyt programu(const std::string& token, Jednostka jednostka = Jednostka::zadna) {
    std::istringstream strumien(token);
    float wartosc = 0.0F;
    const bool udany = wczytajLiczbe(*strumien.rdbuf(), wartosc, jednostka);
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

// A prefix, the code form and the unit asked for stand for a plain number:
// the same value, bit for bit, and the same characters left.
TEST(Liczba, PrzedrostkiKodIJednostki) {
    struct {
        const char* token;
        Jednostka jednostka;
        const char* liczba; // the plain number, or nullptr where none is read
        const char* reszta;
    } const przypadki[] = {{"4,7k", Jednostka::zadna, "4700", ""},
                           {"-4.7kOhm", Jednostka::om, "-4700", ""},
                           {"1e3k", Jednostka::zadna, "1e6", ""},
                           {"1.5e-3M", Jednostka::zadna, "1500", ""},
                           {"100nF", Jednostka::farad, "1e-7", ""},
                           {"22pF", Jednostka::farad, "22e-12", ""},
                           {"10\xC2\xB5H", Jednostka::henr, "1e-5", ""},
                           {"10\xCE\xBCH", Jednostka::henr, "1e-5", ""},
                           {"3GV", Jednostka::wolt, "3e9", ""},
                           {"4k7", Jednostka::zadna, "4700", ""},
                           {"2R2ohm", Jednostka::om, "2.2", ""},
                           {"-R47\xCE\xA9", Jednostka::om, "-0.47", ""},
                           {"4n7F", Jednostka::farad, "4.7e-9", ""},
                           {"1M5\xE2\x84\xA6", Jednostka::om, "1.5e6", ""},
                           {"4m7", Jednostka::zadna, "0.0047", ""},
                           {"2R", Jednostka::zadna, "2", ""},
                           {"4k7k", Jednostka::zadna, "4700", "k"},
                           {"4k7e3", Jednostka::zadna, "4700", "e3"},
                           {"2,5R", Jednostka::zadna, "2.5", "R"},
                           {"10A", Jednostka::wolt, "10", "A"},
                           {"10mK", Jednostka::zadna, "0.01", "K"},
                           {"4Oh", Jednostka::om, "4", "Oh"},
                           {"4oh m", Jednostka::om, "4", "oh m"},
                           {"4\xE2\x84x", Jednostka::om, "4", "\xE2\x84x"},
                           {"4\xC2x", Jednostka::zadna, "4", "\xC2x"},
                           {"4\xCE\xA9", Jednostka::farad, "4", "\xCE\xA9"},
                           {"R", Jednostka::zadna, nullptr, "R"},
                           {"-kOhm", Jednostka::om, nullptr, "kOhm"},
                           {"\xC2\xB5", Jednostka::zadna, nullptr, "\xC2\xB5"},
                           {"1e38k", Jednostka::zadna, nullptr, ""},
                           {"1e-50p", Jednostka::zadna, "0", ""}};
    for (const auto& p : przypadki) {
        const Odczyt odczyt = programu(p.token, p.jednostka);
        ASSERT_EQ(odczyt.udany, p.liczba != nullptr) << "token \"" << p.token << "\"";
        if (p.liczba != nullptr) {
            const float oczekiwana = strumienia(p.liczba).wartosc;
            ASSERT_EQ(std::memcmp(&odczyt.wartosc, &oczekiwana, sizeof(float)), 0)
                << "token \"" << p.token << "\": " << odczyt.wartosc << " != " << oczekiwana;
        }
        ASSERT_EQ(odczyt.reszta, p.reszta) << "token \"" << p.token << "\"";
    }
}

} // namespace
