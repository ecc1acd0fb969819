#include "core/store/ChampsNumeriques.h"

#include <gtest/gtest.h>

#include "ImpressionQt.h"

#include <string>

using namespace pelavorine;

namespace {

using F = FormatScientific;

ChampScientific Champ(F format, const char* unite) {
    ChampScientific c;
    c.format = format;
    c.unite = QString::fromUtf8(unite);
    return c;
}

} // namespace

TEST(ChampsNumeriquesScientific, DisplayUsesTheFieldsOwnSettings) {
    // The work keeps trailing zeros, shows thresholds and has engineering notation off:
    // the field's settings win for its own display.
    ReglagesNombres travail;
    travail.garderZeros = true;
    travail.seuilValidite = true;
    travail.ingenieur = false;
    struct Cas {
        F format;
        const char* unite;
        int nbChiffres;
        bool avecZeros;
        bool seuilActif;
        double seuil;
        double valeur;
        bool sansSeuil;
        const char* attendu;
    };
    const Cas cas[] = {
        {F::scNumerique, "", 5, false, false, 0, 1234.5678, false, "1234.6"},
        {F::scNumerique, "", 3, false, false, 0, 2.5, false, "2.5"},
        {F::scNumerique, "", 3, true, false, 0, 2.5, false, "2.50"},
        {F::scNumerique, "", 3, false, false, 0, 0, false, "0"},
        {F::scScientific, "V", 3, false, false, 0, 0.0052, false, "5.2 mV"},
        {F::scScientific, "V", 3, true, false, 0, 0.0052, false, "5.20 mV"},
        {F::scScientific, "ms", 5, false, false, 0, 250, false, "250 ms"},
        {F::scTemps, "s", 3, false, false, 0, 4830, false, "1h 20 min 30 s "},
        {F::scTemps, "ms", 3, true, false, 0, 20, false, "20.0 ms"},
        // the threshold is the field's own switch (off by default) …
        {F::scNumerique, "", 3, false, false, 5, 0.0009, false, "0.0009"},
        {F::scNumerique, "", 3, false, true, 5, 0.0009, false, "0+"},
        {F::scScientific, "V", 3, false, true, 5, -0.0009, false, "0-"},
        // … and entering the field shows the value itself
        {F::scNumerique, "", 3, false, true, 5, 0.0009, true, "0.0009"},
        {F::scNumerique, "", 3, false, false, -5, 0.0009, false, "0+"},
        {F::scNumerique, "", 3, false, false, -5, 0.0009, true, "0.0009"},
    };
    for (const Cas& c : cas) {
        ChampScientific champ = Champ(c.format, c.unite);
        champ.nbChiffres = c.nbChiffres;
        champ.avecZeros = c.avecZeros;
        champ.seuilActif = c.seuilActif;
        champ.seuil = c.seuil;
        EXPECT_EQ(S(TexteScientific(travail, champ, c.valeur, c.sansSeuil)), c.attendu)
            << "valeur=" << c.valeur << " unite=" << c.unite;
    }
}

TEST(ChampsNumeriquesScientific, ValueLimitsAndRounding) {
    struct Cas {
        double mini;
        double maxi;
        double arrondi;
        double valeur;
        double attendu;
    };
    const Cas cas[] = {
        {0, 10, 0, 12, 10},       {0, 10, 0, -12, -12}, // 0 = no limit
        {1, 0, 0, -3, 1},         {1, 0, 0, 1e9, 1e9},
        {1, 10, 0, 5, 5},         {0, 0, 0.1, 0.37, 0.3},
        {0, 0, 0.1, -0.37, -0.3}, // truncated towards zero
        {0, 0, 0.1, 0.3, 0.3},    {0, 0, 5, 14.9, 10},
        {0, 12.3, 1, 20, 12}, // clamped, then truncated
    };
    for (const Cas& c : cas) {
        ChampScientific champ;
        champ.limiteMini = c.mini;
        champ.limiteMaxi = c.maxi;
        champ.arrondi = c.arrondi;
        EXPECT_DOUBLE_EQ(ValeurScientific(champ, c.valeur), c.attendu) << "valeur=" << c.valeur;
    }
}

TEST(ChampsNumeriquesScientific, TimeFieldsKeepTimeUnits) {
    for (const char* unite : {"s", "ms", "µs", "μs", "ns", "ps", "fs", "min", "h"})
        EXPECT_EQ(S(UniteScientific(F::scTemps, QString::fromUtf8(unite))), unite);
    for (const char* unite : {"V", "", "ks", "cs", "Ms", "mV", "sec"})
        EXPECT_EQ(S(UniteScientific(F::scTemps, QString::fromUtf8(unite))), "s") << unite;
    EXPECT_EQ(S(UniteScientific(F::scScientific, "V")), "V");
}

TEST(ChampsNumeriquesScientific, AcceptedKeys) {
    const QString communes = QStringLiteral("\b\r\x1B.");
    const QString chiffres = QStringLiteral("0123456789");
    struct Cas {
        F format;
        QString acceptees;
        QString refusees;
    };
    const Cas cas[] = {
        {F::scNumerique, communes + chiffres + "+-Ee", " /GMTcfkmnpµhisxV,*("},
        {F::scScientific, communes + chiffres + "+-Ee /GMTcfkmnpµμ", "hisxV,*(aK"},
        {F::scTemps, communes + chiffres + " +-Eefhimnpsµμ", "/GMTckxV,*("},
    };
    for (const Cas& c : cas) {
        for (QChar t : c.acceptees)
            EXPECT_TRUE(ToucheScientific(c.format, t)) << S(t) << " format " << int(c.format);
        for (QChar t : c.refusees)
            EXPECT_FALSE(ToucheScientific(c.format, t)) << S(t) << " format " << int(c.format);
    }
}

TEST(ChampsNumeriquesScientific, ValidationReadsInTheFieldsUnit) {
    struct Cas {
        F format;
        const char* unite;
        const char* texte;
        double attendu;
    };
    const Cas cas[] = {
        {F::scScientific, "mV", "5", 5}, // a bare number is in the field's unit
        {F::scScientific, "mV", "5V", 5000},
        {F::scScientific, "mV", "5m", 5},
        {F::scScientific, "mV", "5.", 5}, // trailing "+", "-", "." are dropped
        {F::scScientific, "mV", "5k+-", 5e6},
        {F::scScientific, "V", "2 k", 2000},
        {F::scScientific, "m", "5m", 5}, // metres: a typed "m" is the unit
        {F::scScientific, "m", "5mm", 0.005},
        {F::scScientific, "m", "5cm", 0.05},
        {F::scScientific, "m", "5km", 5000},
        {F::scScientific, "cm²", "3m²", 30000},
        {F::scTemps, "ms", "90", 90},
        {F::scTemps, "ms", "2s", 2000},
        {F::scTemps, "ms", "1h", 3.6e6},
        {F::scTemps, "ms", "1 min", 60000},
        {F::scTemps, "s", "1h 20 min 30", 4830},
        {F::scTemps, "min", "1h 30", 60.5},
        {F::scTemps, "s", "", 0},
        {F::scNumerique, "", "12.5", 12.5},
        {F::scNumerique, "", "-1.5E3", -1500},
        {F::scNumerique, "", "7-", 7},
    };
    for (const Cas& c : cas) {
        const Lecture l = LireScientific(Champ(c.format, c.unite), QString::fromUtf8(c.texte));
        EXPECT_TRUE(l.correct) << c.texte << " unite " << c.unite;
        EXPECT_DOUBLE_EQ(l.valeur, c.attendu) << c.texte << " unite " << c.unite;
    }
    struct Faux {
        F format;
        const char* texte;
    };
    const Faux faux[] = {
        {F::scScientific, "5("}, {F::scScientific, "-"},  {F::scScientific, "abc"},
        {F::scNumerique, "5k"},  {F::scNumerique, "1,5"}, {F::scNumerique, ""},
        {F::scTemps, "h30"},     {F::scTemps, "x"},
    };
    for (const Faux& f : faux) {
        const Lecture l = LireScientific(Champ(f.format, "s"), QString::fromUtf8(f.texte));
        EXPECT_FALSE(l.correct) << f.texte;
    }
    EXPECT_EQ(S(MessageValeurIncorrecte()), "Valeur saisie incorrecte");
}

TEST(ChampsNumeriquesNumEdit, LimitsHint) {
    struct Cas {
        ModeLimite mode;
        const char* unite;
        const char* attendu;
    };
    const Cas cas[] = {
        {ModeLimite::liNone, "", ""},
        {ModeLimite::liMin, " V", "LIMITES : Minimum 1 V"},
        {ModeLimite::liMax, "", "LIMITES : Maximum 10"},
        {ModeLimite::liMinMax, " ms", "LIMITES : 1 à 10 ms"},
    };
    for (const Cas& c : cas) {
        ChampNumEdit champ;
        champ.limiteMode = c.mode;
        champ.limiteMini = "1";
        champ.limiteMaxi = "10";
        champ.limiteUnite = c.unite;
        EXPECT_EQ(S(TexteLimites(champ)), c.attendu) << int(c.mode);
    }
}

TEST(ChampsNumeriquesNumEdit, LeavingARealField) {
    using E = ValidationNumEdit::Etat;
    ChampNumEdit libre;
    ChampNumEdit videValide;
    videValide.chaineVideValide = true;
    ChampNumEdit borne;
    borne.limiteMode = ModeLimite::liMinMax;
    borne.limiteMini = "1";
    borne.limiteMaxi = "10";
    ChampNumEdit multiplie;
    multiplie.multiplieur = 1000;
    multiplie.limiteMode = ModeLimite::liMax;
    multiplie.limiteMaxi = "5000";
    struct Cas {
        const ChampNumEdit* champ;
        const char* texte;
        E etat;
        double valeur;
        const char* retenu;
    };
    const Cas cas[] = {
        {&libre, "1,5", E::Correcte, 1.5, ""},      {&libre, " 2.5 ", E::Correcte, 2.5, ""},
        {&libre, "-1.5E3", E::Correcte, -1500, ""}, {&libre, "1,5,3", E::Incorrecte, 0, ""},
        {&libre, "1.5,3", E::Incorrecte, 0, ""},    {&libre, "abc", E::Incorrecte, 0, ""},
        {&libre, "", E::Incorrecte, 0, ""},         {&videValide, "", E::Vide, 0, ""},
        {&borne, "5", E::Correcte, 5, ""},          {&borne, "10", E::Correcte, 10, ""},
        {&borne, "11", E::HorsLimites, 11, "10"},   {&borne, "0.5", E::HorsLimites, 0.5, "1"},
        {&multiplie, "4", E::Correcte, 4000, ""},   {&multiplie, "6", E::HorsLimites, 6000, "5000"},
    };
    for (const Cas& c : cas) {
        const ValidationNumEdit v = ValiderReel(*c.champ, c.texte);
        EXPECT_EQ(v.etat, c.etat) << c.texte;
        EXPECT_DOUBLE_EQ(v.valeur, c.valeur) << c.texte;
        EXPECT_EQ(S(v.texteRetenu), c.retenu) << c.texte;
        if (c.etat == E::Incorrecte) {
            EXPECT_EQ(S(v.message), "Valeur saisie incorrecte") << c.texte;
        }
    }
    EXPECT_EQ(S(ValiderReel(borne, "11").message), "Valeur hors limites : LIMITES : 1 à 10");
}

TEST(ChampsNumeriquesNumEdit, IntegerAndHexadecimalFields) {
    using G = GenreEntier;
    struct Cas {
        G genre;
        const char* texte;
        bool correct;
        double valeur;
    };
    const Cas cas[] = {
        {G::fiInteger, "-12", true, -12},
        {G::fiInteger, "+7", true, 7},
        {G::fiInteger, "2147483647", true, 2147483647.0},
        {G::fiInteger, "3000000000", false, 0},
        {G::fiInteger, "1.5", false, 0},
        {G::fiInteger, "-", false, 0},
        {G::fiWord, "65535", true, 65535},
        {G::fiWord, "65536", false, 0},
        {G::fiWord, "-1", false, 0},
        {G::fiHexa, "$FF", true, 255},
        {G::fiHexa, "ff", true, 255},
        {G::fiHexa, "$", true, 0},
        {G::fiHexa, "$FFFFFFFF", true, 4294967295.0},
        {G::fiHexa, "$100000000", false, 0},
        {G::fiHexa, "$G1", false, 0},
        {G::fiHexa, "$-1", false, 0},
        {G::fiHexa, "0x10", false, 0},
        {G::fiUser, "42", true, 42},
    };
    for (const Cas& c : cas) {
        const Lecture l = LireEntier(c.genre, c.texte);
        EXPECT_EQ(l.correct, c.correct) << c.texte;
        EXPECT_DOUBLE_EQ(l.valeur, c.valeur) << c.texte;
    }
    for (quint32 v : {0u, 1u, 255u, 0xABCDu, 0xFFFFFFFFu}) {
        const Lecture l = LireHexa(TexteHexa(v));
        EXPECT_TRUE(l.correct) << v;
        EXPECT_EQ(l.valeur, static_cast<double>(v)) << v;
    }
    EXPECT_EQ(S(TexteHexa(255)), "$FF");
    EXPECT_EQ(S(TexteHexa(0)), "$0");
    EXPECT_EQ(S(TexteHexa(static_cast<quint32>(-1))), "$FFFFFFFF");

    ChampNumEdit hexa;
    hexa.limiteMode = ModeLimite::liMax;
    hexa.limiteMaxi = "$FF";
    const ValidationNumEdit v = ValiderEntier(hexa, G::fiHexa, "100");
    EXPECT_EQ(v.etat, ValidationNumEdit::Etat::HorsLimites);
    EXPECT_EQ(S(v.texteRetenu), "$FF");
    EXPECT_EQ(ValiderEntier(hexa, G::fiHexa, "$FE").etat, ValidationNumEdit::Etat::Correcte);
}

TEST(ChampsNumeriquesNumEdit, TypedKeys) {
    struct CasReel {
        const char* texte;
        bool selection;
        char16_t touche;
        const char* attendu; // empty: refused
    };
    const CasReel reels[] = {
        {"", false, u'e', "E"},    {"5E", false, u'e', ""}, {"5e", false, u'E', ""},
        {"-5", false, u'-', ""},   {"-5", false, u'+', ""}, {"-5", true, u'-', "-"},
        {"-5E", false, u'-', "-"}, {"5", false, u'-', "-"}, {"5", false, u'x', ""},
        {"5", false, u',', ","},   {"5", false, u'.', "."}, {"5", false, u'7', "7"},
        {"5", false, u'\b', "\b"}, {"5", false, u' ', ""},
    };
    for (const CasReel& c : reels)
        EXPECT_EQ(S(ToucheReel(c.texte, c.selection, QChar(c.touche))), c.attendu)
            << c.texte << " + " << S(QChar(c.touche));

    using G = GenreEntier;
    JeuCaracteres jeu;
    jeu.set('X'); // keys are upper-cased before the owner's set filters them
    struct CasEntier {
        G genre;
        const char* texte;
        bool selection;
        char16_t touche;
        const char* attendu;
    };
    const CasEntier entiers[] = {
        {G::fiInteger, "", false, u'-', "-"},  {G::fiInteger, "-1", false, u'+', ""},
        {G::fiInteger, "-1", true, u'+', "+"}, {G::fiInteger, "1", false, u'e', ""},
        {G::fiWord, "", false, u'-', ""},      {G::fiWord, "1", false, u'9', "9"},
        {G::fiHexa, "$", false, u'f', "F"},    {G::fiHexa, "$", false, u'g', ""},
        {G::fiHexa, "$1", false, u'$', ""},    {G::fiHexa, "", false, u'$', "$"},
        {G::fiUser, "", false, u'x', "X"},     {G::fiUser, "", false, u'y', ""},
        {G::fiWord, "1", false, u'\b', "\b"},
    };
    for (const CasEntier& c : entiers)
        EXPECT_EQ(S(ToucheEntier(c.genre, c.texte, c.selection, QChar(c.touche), &jeu)), c.attendu)
            << c.texte << " + " << S(QChar(c.touche));
}

TEST(ChampsNumeriquesChaine, IdentifierFileAndUserSets) {
    using G = GenreChaine;
    // First character: letters and the French accented letters only.
    for (QChar c : QStringLiteral("AZazÀÂÇÈÉÊÎÏÔÙÛàâçèéêîïôùû"))
        EXPECT_TRUE(ToucheChaine(G::geIdent, "", c)) << S(c);
    for (QChar c : QStringLiteral("_1µΔ? .\"ÑäÄ€"))
        EXPECT_FALSE(ToucheChaine(G::geIdent, "", c)) << S(c);
    // Later characters: also digits, a few signs, °, ², µ.
    for (QChar c : QStringLiteral("aÉ09_\"'*+-./°²µμ\b"))
        EXPECT_TRUE(ToucheChaine(G::geIdent, "x", c)) << S(c);
    for (QChar c : QStringLiteral(" ?Δ€Ñ,:;()=ä"))
        EXPECT_FALSE(ToucheChaine(G::geIdent, "x", c)) << S(c);

    for (QChar c : QStringLiteral("aZ0/.\\ -_\b~"))
        EXPECT_TRUE(ToucheChaine(G::geFichier, "", c)) << S(c);
    for (QChar c : QStringLiteral("*,:;?éµ"))
        EXPECT_FALSE(ToucheChaine(G::geFichier, "", c)) << S(c);
    EXPECT_FALSE(ToucheChaine(G::geFichier, "", QChar(0)));

    JeuCaracteres jeu;
    jeu.set('x');
    jeu.set(0xE9); // é
    jeu.set(0x80); // €
    for (QChar c : QStringLiteral("xé€"))
        EXPECT_TRUE(ToucheChaine(G::geUser, "", c, &jeu)) << S(c);
    for (QChar c : QStringLiteral("yÉΔ"))
        EXPECT_FALSE(ToucheChaine(G::geUser, "", c, &jeu)) << S(c);
    EXPECT_FALSE(ToucheChaine(G::geUser, "", QLatin1Char('x'), nullptr));

    for (QChar c : QStringLiteral("?*Δ€ \t"))
        EXPECT_TRUE(ToucheChaine(G::geTout, "", c)) << S(c);
}

TEST(ChampsNumeriquesChaine, IdentifierOnLeaving) {
    struct Cas {
        const char* texte;
        bool videValide;
        bool correct;
    };
    const Cas cas[] = {
        {"", false, false},   {"", true, true},     {"Abc", false, true}, {"éa", false, true},
        {"_a", false, false}, {"1a", false, false}, {"µa", false, false}, {"a1", false, true},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(IdentCorrect(QString::fromUtf8(c.texte), c.videValide), c.correct) << c.texte;
    EXPECT_EQ(S(MessageNomIncorrect()), "Nom de variable incorrect ou vide");
}
