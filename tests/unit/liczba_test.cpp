// The program's reading of numbers must match libstdc++'s stream, which the
// dialogue tables were written against, on every token that the stream reads
// whole: the same value, bit for bit. A token that the stream reads only in
// part, or not at all, the program refuses. A comma reads as a point.
#include "wejscie/liczba.h"
#include "wejscie/pisownie.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <string_view>

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

void porownaj(const std::string& token) {
    const Odczyt oczekiwany = strumienia(token);
    float wartosc = 0.0F;
    const bool udany = czytajLiczbe(token, Jednostka::zadna, wartosc);
    EXPECT_EQ(udany, oczekiwany.udany && oczekiwany.reszta.empty()) << "token \"" << token << "\"";
    // Bit for bit, so that -0 and 0 are told apart.
    EXPECT_TRUE(!udany || std::memcmp(&wartosc, &oczekiwany.wartosc, sizeof(float)) == 0)
        << "token \"" << token << "\": " << wartosc << " != " << oczekiwany.wartosc;
}

// The stream to compare with is libstdc++'s: other libraries read numbers
// otherwise, which is why the program has a reader of its own.
#ifdef __GLIBCXX__
constexpr bool kLibstdcxx = true;
#else
constexpr bool kLibstdcxx = false;
#endif

// Every token of up to five characters that can start, continue or break a
// number (some 111000 of them).
void kazdyToken(const std::string& token, std::size_t jeszcze) {
    porownaj(token);
    for (const char znak : jeszcze > 0 ? std::string("01.,eE+-x ") : std::string()) {
        kazdyToken(token + znak, jeszcze - 1);
    }
}

// Every such token; the edges of float's range, rounding, and what one
// library or another reads differently.
TEST(Liczba, JakStrumien) {
    if (!kLibstdcxx) {
        GTEST_SKIP() << "no libstdc++ to compare with";
    }
    kazdyToken("", 5);
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

// A prefix, the code form and the unit asked for stand for a plain number,
// the same value bit for bit (as the C library's strtof reads it); anything
// left over refuses the whole token. Every target runs these.
TEST(Liczba, PrzedrostkiKodIJednostki) {
    struct {
        const char* token;
        Jednostka jednostka;
        const char* liczba; // the plain number, or nullptr where the token is refused
    } const przypadki[] = {
        // Plain numbers and what only looks like one.
        {"1,5", Jednostka::zadna, "1.5"},
        {".5", Jednostka::zadna, "0.5"},
        {"5.", Jednostka::zadna, "5"},
        {"-10", Jednostka::zadna, "-10"},
        {"1e-3", Jednostka::zadna, "0.001"},
        {"1E-3", Jednostka::zadna, "0.001"},
        {"3.4028235e38", Jednostka::zadna, "3.4028235e38"},
        {"1.4e-45", Jednostka::zadna, "1.4e-45"},
        {"-1e-50", Jednostka::zadna, "-0"},
        {"3.5e38", Jednostka::zadna, nullptr},
        {"-3.5e38", Jednostka::zadna, nullptr},
        {"1e99", Jednostka::zadna, nullptr},
        {"-1e39", Jednostka::zadna, nullptr},
        {"-", Jednostka::zadna, nullptr},
        {"+", Jednostka::zadna, nullptr},
        {".", Jednostka::zadna, nullptr},
        {"e", Jednostka::zadna, nullptr},
        {"1e", Jednostka::zadna, nullptr},
        {"nan", Jednostka::zadna, nullptr},
        {"inf", Jednostka::zadna, nullptr},
        {"0x10", Jednostka::zadna, nullptr},
        {"12x", Jednostka::zadna, nullptr},
        // Prefixes, the code form, units.
        {"4,7k", Jednostka::zadna, "4700"},
        {"-4.7kOhm", Jednostka::om, "-4700"},
        {"1e3k", Jednostka::zadna, "1e6"},
        {"1.5e-3M", Jednostka::om, "1500"},
        {"100nF", Jednostka::farad, "1e-7"},
        {"22pF", Jednostka::farad, "22e-12"},
        {"10\xC2\xB5H", Jednostka::henr, "1e-5"},
        {"10\xCE\xBCH", Jednostka::henr, "1e-5"},
        {"3G\xCE\xA9", Jednostka::om, "3e9"},
        {"4k7", Jednostka::zadna, "4700"},
        {"2R2ohm", Jednostka::om, "2.2"},
        {"-R47\xCE\xA9", Jednostka::om, "-0.47"},
        {"4n7F", Jednostka::farad, "4.7e-9"},
        {"1M5\xE2\x84\xA6", Jednostka::om, "1.5e6"},
        {"1MEG", Jednostka::om, "1e6"},
        {"2,2Meg", Jednostka::om, "2.2e6"},
        {"1meg", Jednostka::om, nullptr},
        {"4,7kOhms", Jednostka::om, "4700"},
        {"4m7", Jednostka::zadna, "0.0047"},
        {"2R", Jednostka::zadna, "2"},
        {"1e-50p", Jednostka::zadna, "0"},
        {"100p", Jednostka::zadna, "1e-10"},
        {"2,5uA", Jednostka::amper, "2.5e-6"},
        {"2,5mA", Jednostka::amper, "0.0025"},
        {"230V", Jednostka::wolt, "230"},
        {"1e3G", Jednostka::om, "1e12"},
        {"1\xC2\xB5"
         "F",
         Jednostka::farad, "1e-6"},
        {"1k\xCE\xA9", Jednostka::om, "1000"},
        {"1m\xE2\x84\xA6", Jednostka::om, "0.001"},
        {"R47", Jednostka::zadna, "0.47"},
        {"1M5", Jednostka::om, "1.5e6"},
        // Capitals as parts lists write them, where they mean nothing else.
        {"4K7", Jednostka::zadna, "4700"},
        {"4,7K", Jednostka::zadna, "4700"},
        {"2,2K\xCE\xA9", Jednostka::om, "2200"},
        {"1KOHM", Jednostka::om, "1000"},
        {"47UF", Jednostka::farad, "47e-6"},
        {"100NF", Jednostka::farad, "1e-7"},
        {"2r2", Jednostka::zadna, "2.2"},
        {"r47", Jednostka::zadna, "0.47"},
        {"230v", Jednostka::wolt, "230"},
        {"10ma", Jednostka::amper, "0.01"},
        {"1f", Jednostka::farad, "1"},
        {"1mh", Jednostka::henr, "0.001"},
        {"1oHm", Jednostka::om, "1"},
        {"22PF", Jednostka::farad, nullptr},
        {"1g", Jednostka::zadna, nullptr},
        {"4k7k", Jednostka::zadna, nullptr},
        {"4k7e3", Jednostka::zadna, nullptr},
        {"2,5R", Jednostka::zadna, nullptr},
        {"10A", Jednostka::wolt, nullptr},
        {"10mK", Jednostka::zadna, nullptr},
        {"4Oh", Jednostka::om, nullptr},
        {"4\xE2\x84", Jednostka::om, nullptr},
        {"4\xCE\xA9", Jednostka::farad, nullptr},
        {"R", Jednostka::zadna, nullptr},
        {"-kOhm", Jednostka::om, nullptr},
        {"\xC2\xB5", Jednostka::zadna, nullptr},
        {"1e38k", Jednostka::zadna, nullptr},
        // Tails that are no quantity.
        {"1,5,5", Jednostka::zadna, nullptr},
        {"4,7k7", Jednostka::zadna, nullptr},
        {"2R2R2", Jednostka::zadna, nullptr},
        {"4n7n7", Jednostka::zadna, nullptr},
        {"10-5", Jednostka::zadna, nullptr},
        {"2A5", Jednostka::amper, nullptr},
        {"10^3", Jednostka::zadna, nullptr},
        {"4k7Ohmss", Jednostka::om, nullptr},
        // Mega and giga of resistance alone: elsewhere a capital M is caps
        // lock's milli as often as mega.
        {"20MA", Jednostka::amper, nullptr},
        {"10MF", Jednostka::farad, nullptr},
        {"10MH", Jednostka::henr, nullptr},
        {"1M", Jednostka::henr, nullptr},
        {"3GV", Jednostka::wolt, nullptr},
        {"1MEG", Jednostka::wolt, nullptr},
        // Digits grouped by three, as a Polish spreadsheet copies them.
        {"1\u00A0000", Jednostka::zadna, "1000"},
        {"-1\u2009000\u2009000,5", Jednostka::zadna, "-1000000.5"},
        {"4\u202F700\u03A9", Jednostka::om, "4700"},
        {"1\u00A000", Jednostka::zadna, nullptr},
        {"1\u00A00000", Jednostka::zadna, nullptr},
        {"1234\u00A0567", Jednostka::zadna, nullptr},
        {"1,5\u00A0000", Jednostka::zadna, nullptr},
        {"1\u00A0k", Jednostka::zadna, nullptr},
    };
    for (const auto& p : przypadki) {
        float wartosc = 0.0F;
        const bool udany = czytajLiczbe(p.token, p.jednostka, wartosc);
        EXPECT_EQ(udany, p.liczba != nullptr) << "token \"" << p.token << "\"";
        if (udany && p.liczba != nullptr) {
            const float oczekiwana = std::strtof(p.liczba, nullptr);
            EXPECT_EQ(std::memcmp(&wartosc, &oczekiwana, sizeof(float)), 0)
                << "token \"" << p.token << "\": " << wartosc << " != " << oczekiwana;
        }
    }
    // Every spelling that the reader knows, in a row that it reads.
    const auto wiersz = [&](std::string_view pisownia) {
        return std::any_of(std::begin(przypadki), std::end(przypadki), [&](const auto& p) {
            return p.liczba != nullptr &&
                   std::string_view(p.token).find(pisownia) != std::string_view::npos;
        });
    };
    for (const auto& p : kPrzedrostki) {
        EXPECT_TRUE(wiersz(p.tekst)) << "no row reads the prefix \"" << p.tekst << "\"";
    }
    for (const auto& p : kBezPrzedrostka) {
        EXPECT_TRUE(wiersz(p.tekst)) << "no row reads the code form's \"" << p.tekst << "\"";
    }
    for (const auto& s : kSymbole) {
        EXPECT_TRUE(wiersz(s.tekst)) << "no row reads the symbol \"" << s.tekst << "\"";
    }
    for (const auto o : kOdstepyUtf8) {
        EXPECT_TRUE(wiersz(o)) << "no row groups digits with \"" << o << "\"";
    }
}

// The option and the capacitor's code: whole integers within int, the code
// with its tolerance letter.
TEST(Liczba, Calkowite) {
    const auto litera = [](char znak) { return znak == 'K'; };
    const struct {
        const char* token;
        bool zLitera;
        bool udany;
        int wartosc;
    } przypadki[] = {
        {"7", false, true, 7},
        {"+3", false, true, 3},
        {"007", false, true, 7},
        {"-1", false, true, -1},
        {"2147483647", false, true, 2147483647},
        {"-2147483648", false, true, -2147483647 - 1},
        {"2147483648", false, false, 0},
        {"-2147483649", false, false, 0},
        {"1x", false, false, 0},
        {"1,5", false, false, 0},
        {"-", false, false, 0},
        {"+", false, false, 0},
        {".", false, false, 0},
        {"e", false, false, 0},
        {"nan", false, false, 0},
        {"inf", false, false, 0},
        {"1e2", false, false, 0},
        {"0x10", false, false, 0},
        {"104K", true, true, 104},
        {"104K", false, false, 0},
        {"104KK", true, false, 0},
        {"104J", true, false, 0},
        {"K", true, false, 0},
    };
    for (const auto& p : przypadki) {
        int wartosc = 0;
        const bool udany = czytajCalkowita(p.token, wartosc, p.zLitera ? +litera : nullptr);
        EXPECT_EQ(udany, p.udany) << "token \"" << p.token << "\"";
        EXPECT_EQ(wartosc, p.wartosc) << "token \"" << p.token << "\"";
    }
    int wartosc = 0;
    ASSERT_FALSE(czytajCalkowita(std::string(100000, '9'), wartosc));
    ASSERT_TRUE(czytajCalkowita(std::string(100000, '0') + "8", wartosc));
    ASSERT_EQ(wartosc, 8);
}

} // namespace
