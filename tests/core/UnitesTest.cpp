#include "core/store/Unites.h"

#include <gtest/gtest.h>

#include "ImpressionQt.h"

#include <cmath>
#include <string>

using namespace pelavorine;

TEST(UnitesTable, SymbolsNamesAndPrefixBits) {
    const QStringList symboles = SymbolesUnites();
    ASSERT_EQ(symboles.size(), kNombreUnites);
    EXPECT_EQ(S(symboles.front()), "m");
    EXPECT_EQ(S(symboles.back()), "tr");
    struct Cas {
        int index;
        const char* symbole;
        const char* nom;
        int prefixes;
    };
    const Cas cas[] = {
        {0, "", "", 0x040},
        {1, "m", "mètre", 0x3E8},
        {3, "m³", "mètre cube", 0x3E8},
        {9, "s", "seconde", 0x7C0},
        {10, "Ohm", "Ohm", 0x0CE},
        {16, "Hz", "Hertz", 0x0CF},
        {18, "°C", "degré centig.", 0x0C0},
        {23, "hPa", "HectoPascal", 0x1C8},
        {27, "J", "Joule", 0x3CD},
        {31, "%", "pour cent", 0},
        {36, "tr", "tour", 0},
        {37, "", "", 0x040}, // out of range: no unit
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(S(SymboleUnite(c.index)), c.symbole) << c.index;
        EXPECT_EQ(S(NomUnite(c.index)), c.nom) << c.index;
        EXPECT_EQ(PrefixesUnite(c.index), c.prefixes) << c.index;
    }
    EXPECT_EQ(S(SymboleAffiche(10)), "Ω");
    EXPECT_EQ(S(SymboleAffiche(6)), "V");
}

TEST(UnitesIndex, EverySymbolFindsItsUnit) {
    for (int i = 1; i <= kNombreUnites; ++i) {
        // "m/s", "m/s²" and "N.m" are cut before "/" or ".": they share the prefixes of
        // "m" and "N".
        const int attendu = i == 4 || i == 5 ? 1 : i == 26 ? 25 : i;
        EXPECT_EQ(IndexUnite(SymboleUnite(i)), attendu) << S(SymboleUnite(i));
    }
}

TEST(UnitesIndex, TextsOfUsers) {
    struct Cas {
        const char* texte;
        int index;
    };
    const Cas cas[] = {
        {"", 0},        {"m", 1},       {"METRE", 1}, {"metre", 1}, {"mètre", 1}, {"MÈTRE", 1},
        {"l", 14},      {"L", 14},      {"V/m", 6},   {"s-1", 9},   {"N.m", 25},  {"Hz", 16},
        {"H", 12},      {"Wb", 35},     {"W", 28},    {"Vrms", 6},  {"mV", 0},    {"xyz", 0},
        {"\u03A9", 10}, {"\u2126", 10}, {"°C", 18},   {"°", 20},    {"hPa", 23},  {"mol", 29},
        {"/s", 0},      {"ms", 0},      {"S", 8},     {"s", 9},     {"lx", 33},   {"m²/s", 2},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(IndexUnite(QString::fromUtf8(c.texte)), c.index) << c.texte;
}

TEST(UnitesFacteur, PrefixMinutesHours) {
    struct Cas {
        const char* unite;
        double facteur;
        const char* reste;
    };
    const Cas cas[] = {
        {"", 1, ""},          {"m", 1, "m"},      {"s", 1, "s"},       {"min", 60, "s"},
        {"h", 3600, "s"},     {"V", 1, "V"},      {"mV", 1e-3, "V"},   {"kOhm", 1e3, "Ohm"},
        {"µs", 1e-6, "s"},    {"μs", 1e-6, "s"},  {"cm", 0.01, "m"},   {"mm", 1e-3, "m"},
        {"k", 1e3, ""},       {"M", 1e6, ""},     {"T", 1, "T"},       {"mol", 1, "mol"},
        {"xV", 1, "xV"},      {"MHz", 1e6, "Hz"}, {"cm²", 1e-4, "m²"}, {"mm³", 1e-9, "m³"},
        {"km/s", 1e3, "m/s"}, {"zz", 1, "zz"},    {"kΩ", 1e3, "Ω"},    {"fs", 1e-15, "s"},
        {"GW", 1e9, "W"},     {"hPa", 1, "hPa"},  {"nF", 1e-9, "F"},   {"pA", 1e-12, "A"},
    };
    for (const Cas& c : cas) {
        const FacteurEtUnite f = FacteurUnite(QString::fromUtf8(c.unite));
        EXPECT_DOUBLE_EQ(f.facteur, c.facteur) << c.unite;
        EXPECT_EQ(S(f.unite), c.reste) << c.unite;
    }
    // Prefix factors are applied through exact powers of ten.
    EXPECT_EQ(MultiplierParFacteur(1.5, FacteurUnite("µs")), 1.5e-6);
    EXPECT_EQ(DiviserParFacteur(0.0052, FacteurUnite("mV")), 5.2);
    EXPECT_EQ(DiviserParFacteur(120, FacteurUnite("min")), 2);
}

TEST(UnitesPrefixe, ThresholdsAndAllowedPrefixes) {
    struct Cas {
        const char* unite;
        double x;
        const char* prefixe;
    };
    const Cas cas[] = {
        {"V", 1000, "k"},    {"V", 999.9, ""},    {"V", -1000, "k"},     {"V", 0.0100, ""},
        {"V", 0.00999, "m"}, {"V", 0.001, "m"},   {"V", 0.0009999, "µ"}, {"V", 0.5, ""},
        {"m", 0.5, "c"},     {"m", 0.99995, ""},  {"m", 0.0099, "m"},    {"s", 0.5, "m"},
        {"s", 0.99995, ""},  {"%", 0.001, ""},    {"%", 5000, ""},       {"Hz", 2e12, "T"},
        {"Hz", 1e9, "G"},    {"Hz", 999950, "M"}, {"Hz", 999800, "k"},   {"V", 2e6, "k"},
        {"", 0.005, "m"},    {"", 5e-6, ""},      {"", 5000, ""},        {"F", 4.7e-9, "n"},
        {"F", 1e-13, "p"},   {"F", 1e-17, ""},    {"s", 5e-15, "f"},     {"V", 1e22, ""},
        {"W", 2e20, "T"},    {"W", 2e21, ""},     {"m²", 0.05, "c"},     {"m²", 2e-5, "m"},
        {"m³", 2e-9, "m"},   {"m²", 1, ""},       {"Ω", 1500, "k"},      {"Pa", 2e5, "k"},
        {"Pa", 2e6, "M"},    {"hPa", 2e6, "k"},   {"tr", 0.001, ""},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(S(PrefixeUnite(QString::fromUtf8(c.unite), c.x)), c.prefixe)
            << c.unite << " x=" << c.x;
    EXPECT_TRUE(PrefixeUnite("V", std::nan("")).isNull());
}

TEST(UnitesPrefixe, LettersFactorsAndBits) {
    struct Cas {
        char16_t lettre;
        int exposant;
        int bit;
    };
    const Cas cas[] = {
        {u'T', 12, 0x001}, {u'G', 9, 0x002},   {u'M', 6, 0x004},    {u'k', 3, 0x008},
        {u'c', -2, 0x020}, {u'm', -3, 0x040},  {0x00B5, -6, 0x080}, {0x03BC, -6, 0x080},
        {u'n', -9, 0x100}, {u'p', -12, 0x200}, {u'f', -15, 0x400},  {u'x', 0, 0},
        {u'K', 0, 0},      {u'h', 0, 0},
    };
    for (const Cas& c : cas) {
        const QChar q(c.lettre);
        EXPECT_EQ(ExposantPrefixe(q), c.exposant) << S(q);
        EXPECT_EQ(BitDuPrefixe(q), c.bit) << S(q);
        EXPECT_EQ(EstPrefixe(q), c.bit != 0) << S(q);
        EXPECT_DOUBLE_EQ(FacteurPrefixe(q), std::pow(10.0, c.exposant)) << S(q);
    }
}
