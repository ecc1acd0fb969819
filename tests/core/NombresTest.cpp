#include "core/store/Nombres.h"
#include "core/store/ConversionOem.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

using namespace pelavorine;

namespace {

std::string S(const QString& s) {
    return s.toStdString();
}

constexpr double kInf = std::numeric_limits<double>::infinity();

ReglagesNombres Reglages(bool garderZeros, bool seuil, bool ingenieur = true) {
    ReglagesNombres r;
    r.garderZeros = garderZeros;
    r.seuilValidite = seuil;
    r.ingenieur = ingenieur;
    return r;
}

struct CasValeur {
    int chiffres;
    double reference;
    double x;
    const char* attendu;
};

void VerifierTexteValeur(const ReglagesNombres& r, std::initializer_list<CasValeur> cas) {
    for (const CasValeur& c : cas)
        EXPECT_EQ(S(TexteValeur(r, c.chiffres, c.reference, c.x)), c.attendu)
            << "chiffres=" << c.chiffres << " reference=" << c.reference << " x=" << c.x;
}

} // namespace

TEST(NombresTexteValeur, TrailingZerosKept) {
    VerifierTexteValeur(Reglages(true, true),
                        {
                            {3, 0, 0, "0"},
                            {3, 0, 5, "5.00"},
                            {3, 0, -5, "-5.00"},
                            {3, 0, 1234, "1230"},
                            {3, 0, 0.12345, "0.12"}, // between 0.1 and 1: one digit less
                            {3, 0, 0.5, "0.50"},
                            {3, 0, -0.5, "-0.50"},
                            {3, 0, 0.0123, "0.0123"}, // the zero fill counts characters
                            {3, 0, 0.05, "0.05"},
                            {3, 0, 123456, "123 E3"},
                            {3, 0, 0.00004567, "45.7 E-6"},
                            {3, 0, -0.00004567, "-45.7 E-6"},
                            {3, 0, 10000, "10000"},
                            {3, 0, 10001, "10.0 E3"},
                            {3, 0, 0.00005, "50.0 E-6"},
                            {3, 0, -50, "-50.0"},    // the sign is not a digit
                            {3, 0, 9.996, "10.0"},   // rounding reaches the next decade
                            {3, 0, 1e23, "100 E21"}, // the double just below 1e23
                            {3, 0, 1e300, "1.00 E300"},
                            {3, 0, -999999.7, "-1.00 E6"},
                            {4, 0, 17.5, "17.50"},
                            {-3, 0, 5, "5.00"},
                        });
}

TEST(NombresTexteValeur, TrailingZerosDropped) {
    VerifierTexteValeur(Reglages(false, true),
                        {
                            {3, 0, 5, "5"},
                            {3, 0, 0.5, "0.5"},
                            {3, 0, 10001, "10 E3"},
                            {3, 0, 17.5, "17.5"},
                            {-3, 0, 5, "5.00"}, // a negative count keeps them
                            {-3, 0, 0.5, "0.50"},
                        });
}

TEST(NombresTexteValeur, DigitCounts) {
    VerifierTexteValeur(Reglages(true, true),
                        {
                            {21, 0, 1.0 / 3, "0.3333"}, // above 20 counts as 5
                            {0, 0, 1.0 / 3, "0.3333"},
                            {-25, 0, 2, "2.0000"},
                            {1, 0, 0.5, "0.5"}, // one digit is never rounded away
                            {1, 0, 0.12345, "0.1"},
                            {1, 0, 7, "7"},
                            {1, 0, 1e5, "100 E3"}, // digits before the point are never cut
                            {2, 0, 123456, "120 E3"},
                            {8, 0, 9.9999999, "9.9999999"},
                            {8, 0, 123456, "123.45600 E3"},
                            {8, 0, -999999.7, "-999.99970 E3"},
                        });
}

TEST(NombresTexteValeur, ValidityThreshold) {
    VerifierTexteValeur(Reglages(true, true),
                        {
                            {3, 5, 0.0009, "0+"},
                            {3, 5, -0.0009, "0-"},
                            {3, 5, 0.002, "0.002"},
                            {3, 5, 0.001, "0.001"},      // the threshold itself is shown
                            {3, 9.99, 0.009, "0.009"},   // T = 0.001
                            {3, 9.9999999, 0.009, "0+"}, // counts as 10: T = 0.01
                            {3, 0, 1e-20, "10.0 E-21"},  // a reference of 0 never applies it
                            {3, 5000, 0.9, "0+"},        // T = 10^(3-3)
                            {3, 5000, 1, "1.00"},
                        });
    VerifierTexteValeur(Reglages(true, false), {
                                                   {3, 5, 0.0009, "0.0009"},
                                                   {3, 5, -0.0009, "-0.0009"},
                                                   {3, 5, 0.002, "0.002"},
                                                   {3, -5, 0.0009, "0+"}, // negative: always
                                                   {3, -5, -0.0009, "0-"},
                                               });
}

TEST(NombresTexteValeur, NonFiniteValues) {
    const ReglagesNombres r;
    EXPECT_EQ(S(TexteValeur(r, 3, 0, kInf)), "Infini");
    EXPECT_EQ(S(TexteValeur(r, 3, 0, -kInf)), "-Infini");
    EXPECT_EQ(S(TexteValeur(r, 3, 0, std::nan(""))), "NaN");
    EXPECT_EQ(S(TexteValeur(r, 3, kInf, 1)), "1.00");
    EXPECT_EQ(S(TexteValeur(r, 1, 0, 1.7e308)), "170 E306"); // no overflow when rounding up
}

TEST(NombresTexteValeurUnite, EngineeringNotation) {
    const ReglagesNombres r = Reglages(true, true);
    struct Cas {
        const char* unite;
        double reference;
        double x;
        const char* attendu;
    };
    const Cas cas[] = {
        {"V", 0, 0.0052, "5.20 mV"},
        {"Ohm", 0, 1500, "1.50 kOhm"},
        {"m", 0, 0.5, "50.0 cm"},
        {"s", 0, 0.25, "250 ms"},
        {"V", 0, 2.5, "2.50 V"},
        {"V", 0, 0.009, "9.00 mV"},
        {"%", 0, 0.009, "0.009 %"},
        {"V", 0, 0.5, "0.50 V"}, // no "c" for volts
        {"V", 0, 0, "0"},
        {"Hz", 0, 5e6, "5.00 MHz"},
        {"W", 0, 3e12, "3.00 TW"},
        {"V", 0, 2e6, "2000 kV"}, // no M for volts
        {"V", 0, 5e22, "50.0 E21 V"},
        {"mV", 0, 5200, "5.20 V"}, // the unit's prefix is part of the value
        {"µs", 0, 3, "3.00 µs"},
        {"min", 0, 2, "120 s"}, // minutes and hours show as seconds
        {"h", 0, 0.5, "1800 s"},
        {"m²", 0, 0.05, "500 cm²"}, // a prefix scales the length: cm² = 1e-4 m²
        {"m²", 0, 2e6, "2.00 km²"},
        {"m³", 0, 0.002, "2000 cm³"},
        {"kΩ", 0, 1.5, "1.50 kΩ"},
        {"", 0, 5, "5.00"},
        {"", 0, 0.005, "5.00 m"}, // without unit only milli is allowed
        {" V\t", 0, 2.5, "2.50 V"},
        {"@", 0, 2, "2.00 m"},
        {"V", 5, 0.0009, "0+"}, // the threshold follows the prefix
        {"V", 5, 0.002, "2.00 mV"},
        {"V", 0, -0.0052, "-5.20 mV"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(S(TexteValeurUnite(r, 3, QString::fromUtf8(c.unite), c.reference, c.x)),
                  c.attendu)
            << "unite=" << c.unite << " x=" << c.x;
}

TEST(NombresTexteValeurUnite, WithoutEngineeringNotationNoUnitNoThreshold) {
    const ReglagesNombres r = Reglages(true, true, false);
    EXPECT_EQ(S(TexteValeurUnite(r, 3, "V", 0, 0.0052)), "0.0052");
    EXPECT_EQ(S(TexteValeurUnite(r, 3, "V", 0, 1500)), "1500");
    EXPECT_EQ(S(TexteValeurUnite(r, 3, "V", 5, 0.0009)), "0.0009");
    EXPECT_EQ(S(TexteValeurUnite(r, 3, "V", 0, 0)), "0");
}

TEST(NombresTexteDuree, SecondsUpTo100ThenHoursMinutesSeconds) {
    const ReglagesNombres r = Reglages(true, true);
    struct Cas {
        const char* unite;
        bool heures;
        double x;
        const char* attendu;
    };
    const Cas cas[] = {
        {"s", true, 4830, "1h 20 min 30 s "},
        {"s", false, 4830, "80 min 30 s "},
        {"s", true, -4830, "-1h 20 min 30 s "},
        {"s", true, 3600, "1h "},
        {"s", true, 120, "2 min "},
        {"s", true, 101, "1 min 41 s "},
        {"s", true, 150.5, "2 min 30 s "}, // whole seconds, ties to even
        {"s", true, 100, "100 s"},
        {"s", true, 0.25, "250 ms"},
        {"s", true, 0, "0"},
        {"ms", true, -250, "-250 ms"},
        {"min", true, 2, "2 min "},
        {"h", true, 1.5, "1h 30 min "},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(S(TexteDuree(r, 3, c.unite, c.heures, c.x)), c.attendu)
            << "unite=" << c.unite << " x=" << c.x;
}

TEST(NombresLireValeur, NumbersWithPrefixAndUnit) {
    struct Cas {
        const char* texte;
        double attendu;
    };
    const Cas cas[] = {
        {"5k", 5000},
        {"5kV", 5000},
        {"2ms", 0.002},
        {"3min", 180},
        {"2h", 7200},
        {"1.5µs", 1.5e-6},
        {"1.5μs", 1.5e-6},
        {"7V", 7},
        {"5m", 0.005},
        {"1,5", 1.5},
        {"5 k V", 5000},
        {"5e3", 5000},
        {"-2.5E-3", -0.0025},
        {"5cm", 0.05},
        {"3kHz", 3000},
        {"2mol", 2},
        {"4T", 4},
        {"4G", 4e9},
        {"5.", 5},
        {"+.5", 0.5},
        {"1e-400", 0},
    };
    for (const Cas& c : cas) {
        const Lecture l = LireValeur(QString::fromUtf8(c.texte));
        EXPECT_TRUE(l.correct) << c.texte;
        EXPECT_DOUBLE_EQ(l.valeur, c.attendu) << c.texte;
    }
}

TEST(NombresLireValeur, IncorrectTexts) {
    for (const char* texte : {"5(", "5+", "5-", "5,", "5/s", "5*", "5[", "5^", "k", "", "1.2.3",
                              "1e400", "inf", "nan", "1 000,5,5", "--5", "0x10"}) {
        const Lecture l = LireValeur(QString::fromUtf8(texte));
        EXPECT_FALSE(l.correct) << texte;
        EXPECT_EQ(l.valeur, 0) << texte;
    }
}

TEST(NombresLireDuree, HoursMinutesSeconds) {
    struct Cas {
        const char* texte;
        double attendu;
    };
    const Cas cas[] = {
        {"1h 20 min 30", 4830},
        {"1h 20 min 30 s", 4830},
        {"90", 90},
        {"", 0},
        {"0", 0},
        {"2h", 7200},
        {"20 min", 1200},
        {"1.5h", 5400},
        {"2 min 500 ms", 120.5},
        {"1h30", 3630}, // what follows "h" is seconds
        {"250ms", 0.25},
    };
    for (const Cas& c : cas) {
        const Lecture l = LireDuree(QString::fromUtf8(c.texte));
        EXPECT_TRUE(l.correct) << c.texte;
        EXPECT_DOUBLE_EQ(l.valeur, c.attendu) << c.texte;
    }
    for (const char* texte : {"h30", "1h min", "20min1h", "abc", "1h 2x0", "1h 20 min (30"}) {
        const Lecture l = LireDuree(QString::fromUtf8(texte));
        EXPECT_FALSE(l.correct) << texte;
        EXPECT_EQ(l.valeur, 0) << texte;
    }
}

TEST(NombresTexteNombre, DecimalsAndInfinity) {
    struct Cas {
        int decimales;
        double x;
        const char* attendu;
    };
    const Cas cas[] = {
        {6, 3.14159265, "3.141593"},
        {6, 0.000123456789, "0.000123457"}, // small values keep significant decimals
        {6, -0.000123456789, "-0.000123457"},
        {2, 0.125, "0.12"}, // a tie of the fraction goes towards zero
        {0, 1.0 / 3, "0.33333333333"},
        {-2, 12345, "12300"},
        {6, 1e300, "Infini"},
        {6, -1e300, "-Infini"},
        {6, kInf, "Infini"},
        {0, 9.8e299, "9.8E299"},
        {3, 1e-8, "1E-008"},
        {0, 1.5e15, "1.5E015"},
        {2, 0, "0"},
        {6, 1e-41, "1E-041"},
        {6, 0.00001, "0.00001"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(S(TexteNombre(c.decimales, c.x)), c.attendu)
            << "decimales=" << c.decimales << " x=" << c.x;
}

TEST(NombresLireNombre, PlainNumbersAndInfinity) {
    struct Cas {
        const char* texte;
        double attendu;
    };
    const Cas cas[] = {
        {"", 0},
        {"   ", 0},
        {"  12.5 ", 12.5},
        {"1e3", 1000},
        {"INFINI", 1e300},
        {"-infini", -1e300},
        {"+INFINI", 1e300},
        {" Infini", 1e300},
        {"-5", -5},
        {"123456789012345678901", 12345678901234567890.0}, // 20 characters
    };
    for (const Cas& c : cas) {
        const Lecture l = LireNombre(c.texte);
        EXPECT_TRUE(l.correct) << c.texte;
        EXPECT_DOUBLE_EQ(l.valeur, c.attendu) << c.texte;
    }
    for (const char* texte : {"abc", "1,5", "5k", "1e", "1 2"}) {
        const Lecture l = LireNombre(texte);
        EXPECT_FALSE(l.correct) << texte;
        EXPECT_EQ(l.valeur, 0) << texte;
    }
    EXPECT_EQ(S(MessageErreurSyntaxe()), "Erreur de syntaxe");
}

TEST(NombresFormes, GeneralAndExponentForms) {
    struct Cas {
        double x;
        int precision;
        int chiffresExposant;
        const char* attendu;
    };
    const Cas generale[] = {
        {123.456, 15, 0, "123.456"},
        {-2.5, 15, 0, "-2.5"},
        {0, 15, 0, "0"},
        {1e20, 15, 0, "1E20"},
        {0.00001, 15, 0, "0.00001"},
        {0.000001, 15, 0, "1E-6"},
        {1.5e-6, 11, 3, "1.5E-006"},
        {123456, 5, 2, "1.2346E05"},
        {12345, 5, 0, "12345"},
        {99999.5, 5, 0, "1E5"},
        {0.1 + 0.2, 15, 0, "0.3"},
        {1e15, 15, 0, "1E15"},
        {123456789012345.0, 15, 0, "123456789012345"},
    };
    for (const Cas& c : generale)
        EXPECT_EQ(S(FormeGenerale(c.x, c.precision, c.chiffresExposant)), c.attendu)
            << "x=" << c.x << " precision=" << c.precision;
    EXPECT_EQ(S(FormeSimple(-2.5e-7)), "-2.5E-7");
    const Cas exposant[] = {
        {12345.678, 13, 2, "1.234567800000E+04"},
        {-0.5, 4, 4, "-5.000E-0001"},
        {0, 3, 2, "0.00E+00"},
    };
    for (const Cas& c : exposant)
        EXPECT_EQ(S(FormeExposant(c.x, c.precision, c.chiffresExposant)), c.attendu) << "x=" << c.x;
}

TEST(NombresFormes, ExponentMantissaPowerOfTen) {
    struct Cas {
        double x;
        int exposant;
        double mantisse;
        double puissance;
    };
    const Cas cas[] = {
        {12345, 4, 1.2345, 1e4},
        {-0.00321, -3, -3.21, 1e-3},
        {1e23, 23, 1, 1e23},            // stored as 9.99…e22
        {9.9999999, 0, 9.9999999, 10},  // the power counts it as the next decade
        {99.99999999999999, 2, 1, 100}, // rounded to 13 digits it is 100
        {-99.99999999999999, 2, -1, 100},
        {0, 0, 0, 1},
        {1.7e308, 308, 1.7, 1e308},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(Exposant(c.x), c.exposant) << "x=" << c.x;
        EXPECT_NEAR(Mantisse(c.x), c.mantisse, 1e-14) << "x=" << c.x;
        EXPECT_DOUBLE_EQ(ArrondiPuissanceDix(c.x), c.puissance) << "x=" << c.x;
    }
    EXPECT_EQ(ArrondiPuissanceDix(kInf), 1);
    EXPECT_EQ(ArrondiPuissanceDix(std::nan("")), 1);
}

TEST(NombresArrondis, SignificantDigitsAndMultiples) {
    struct CasChiffres {
        int n;
        double x;
        double attendu;
    };
    const CasChiffres chiffres[] = {
        {3, 123456, 123000}, {2, 2.3, 2.3},     {3, -0.012345, -0.0123}, {1, 9.99, 9},
        {3, 0, 0},           {3, 1e-31, 0},     {5, 1.5, 1.5},           {2, 0.29, 0.29},
        {2, 0.7, 0.7},       {4, 1e300, 1e300}, {2, -987, -980},
    };
    for (const CasChiffres& c : chiffres)
        EXPECT_DOUBLE_EQ(ArrondiChiffres(c.n, c.x), c.attendu) << "n=" << c.n << " x=" << c.x;

    struct CasMultiple {
        double pas;
        double x;
        double attendu;
    };
    const CasMultiple multiples[] = {
        {0.5, 1.3, 1.5},     {0.5, 1.25, 1.0}, // a tie goes towards zero
        {-0.5, 1.3, 1.5},    {10, -26, -30},
        {10, -25, -20},      {0, 5, 5},
        {2, 0, 0},           {2, 6e299, 6e299}, // beyond the range the value is kept
        {0.1, 1e300, 1e300}, {0.1, 0.3, 0.30000000000000004},
    };
    for (const CasMultiple& c : multiples)
        EXPECT_DOUBLE_EQ(ArrondiMultiple(c.pas, c.x), c.attendu) << "pas=" << c.pas << " x=" << c.x;
}

TEST(NombresFormatParDefaut, PictureCutTo30) {
    EXPECT_EQ(S(FormatParDefaut(3, 2)), " ##0.##; -##0.##; 0");
    EXPECT_EQ(S(FormatParDefaut(1, 0)), " 0.; -0.; 0");
    EXPECT_EQ(S(FormatParDefaut(0, 2)), " 0.##; -0.##; 0");
    EXPECT_EQ(S(FormatParDefaut(10, 5)), " #########0.#####; -#########0");
}

TEST(NombresLocale, DecimalPointWhateverTheUserLocale) {
    const std::string avant = std::setlocale(LC_ALL, nullptr);
    const QLocale defaut;
    // Either locale may be missing on the machine: the default QLocale always changes.
    std::setlocale(LC_ALL, "fr_FR.UTF-8");
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const ReglagesNombres r;
    EXPECT_EQ(S(TexteValeur(r, 3, 0, 1.5)), "1.50");
    EXPECT_EQ(S(TexteValeur(r, 5, 0, 123456.7)), "123.46 E3");
    EXPECT_EQ(S(TexteNombre(6, 3.14159265)), "3.141593");
    EXPECT_DOUBLE_EQ(LireValeur("2.5k").valeur, 2500);
    EXPECT_DOUBLE_EQ(LireNombre("1.25").valeur, 1.25);
    EXPECT_FALSE(LireNombre("1 000").correct);
    EXPECT_EQ(Exposant(9.9999999999999), 1);
    std::setlocale(LC_ALL, avant.c_str());
    QLocale::setDefault(defaut);
}

TEST(NombresConversionOem, Cp850TextsOnly) {
    struct Cas {
        QByteArray texte;
        int longueur;
        QByteArray attendu;
    };
    const Cas cas[] = {
        {"caf\x82", 40, "caf\xE9"},                 // é
        {"\x85 bient\x93t", 40, "\xE0 bient\xF4t"}, // à, ô
        {"\x81\x87\x8A\x88\x89\x8B\x8C\x97\x96\x83", 40,
         "\xFC\xE7\xE8\xEA\xEB\xEF\xEE\xF9\xFB\xE2"}, // every listed letter
        {"\x82t\x82", 2, "\xE9t"},                    // converted and cut
        {"abcdef", 3, "abcdef"},                      // untouched: not cut
        {"\xE9t\xE9", 40, "\xE9t\xE9"},               // Windows-1252 stays
        {"\x82\xB0", 40, "\xE9?"},                    // no equivalent
        {"\x82\x82", -1, "\xE9\xE9"},
        {"", 10, ""},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(ConvertirTexteOEM(c.texte, c.longueur).toHex().toStdString(),
                  c.attendu.toHex().toStdString())
            << c.texte.toHex().toStdString();
}
