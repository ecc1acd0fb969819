#include "core/texte/CodageTexte.h"

#include <gtest/gtest.h>

using namespace pelavorine;
using codage::Champ;

TEST(CodageTexte, EveryWindows1252ByteReadsBackToItself) {
    QByteArray tous;
    for (int b = 0; b < 256; ++b)
        tous.append(static_cast<char>(b));
    const QString texte = codage::Decoder(tous, Champ::Texte);
    EXPECT_EQ(texte[0xE9], QChar(0xE9));
    EXPECT_EQ(texte[0x80], QChar(0x20AC)); // €
    EXPECT_EQ(texte[0x9C], QChar(0x0153)); // œ
    int remplaces = 0;
    EXPECT_EQ(codage::Encoder(texte, Champ::Texte, &remplaces), tous);
    EXPECT_EQ(remplaces, 0);
}

TEST(CodageTexte, GreekFieldsReadPickerBytesAsGreekLetters) {
    QByteArray octets;
    for (int b = 0; b < 256; ++b)
        octets.append(static_cast<char>(b));
    const QString grec = codage::Decoder(octets, Champ::Grec);
    EXPECT_EQ(grec[0xC0], QChar(0x0394)); // Δ, where plain text has À
    EXPECT_EQ(grec[0xB5], QChar(0x03BC)); // μ
    EXPECT_EQ(grec[0xE9], QChar(0xE9));   // é is no Greek letter
    EXPECT_EQ(grec[0x41], QLatin1Char('A'));
    int remplaces = 0;
    EXPECT_EQ(codage::Encoder(grec, Champ::Grec, &remplaces), octets);
    EXPECT_EQ(remplaces, 0);
}

TEST(CodageTexte, LettersWithoutAByteBecomeTheirNearestPlainLetterAndAreCounted) {
    struct Cas {
        const char* texte;
        Champ champ;
        const char* attendu;
        int remplaces;
    };
    const Cas cas[] = {
        {"Àb", Champ::Grec, "Ab", 1}, // À shares its byte with Δ
        {"Δt = 5 µs", Champ::Texte, "Dt = 5 \xB5s", 1},
        {"ωλ", Champ::Texte, "wl", 2},
        {"Ελ", Champ::Grec, "E\xF8", 0}, // Greek E is the Latin E's byte
        {"日", Champ::Texte, "?", 1},
    };
    for (const Cas& c : cas) {
        int remplaces = 0;
        EXPECT_EQ(codage::Encoder(QString::fromUtf8(c.texte), c.champ, &remplaces),
                  QByteArray(c.attendu))
            << c.texte;
        EXPECT_EQ(remplaces, c.remplaces) << c.texte;
    }
}

TEST(CodageTexte, Cp850AccentsBecomeWindows1252) {
    // "été à l'île" written in code page 850.
    const QByteArray dos("\x82t\x82 \x85 l'\x8Cle");
    EXPECT_EQ(codage::Cp850VersWindows1252(dos), QByteArray("\xE9t\xE9 \xE0 l'\xEEle"));
    EXPECT_EQ(codage::Cp850VersWindows1252("\xB3"), QByteArray("?")); // box drawing
}

TEST(CodageTexte, CanonicalNamesMergeGreekLookAlikesAndMicro) {
    EXPECT_EQ(codage::FormeCanonique(QString::fromUtf8("ΑΒμ")), QString::fromUtf8("ABμ"));
    EXPECT_EQ(codage::FormeCanonique(QString::fromUtf8("µs")), QString::fromUtf8("μs"));
    EXPECT_EQ(codage::FormeCanonique(QString::fromUtf8("Δt")), QString::fromUtf8("Δt"));
}
