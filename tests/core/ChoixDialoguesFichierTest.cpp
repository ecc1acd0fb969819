#include "core/files/ChoixDialoguesFichier.h"

#include <gtest/gtest.h>

using namespace pelavorine;
using namespace pelavorine::choixfichier;

TEST(ChoixDialoguesFichier, ConstruitLeNomDuFichierChoisi) {
    struct Cas {
        const char* choisi;
        const char* attendu;
        int code;
    };
    const Cas cas[] = {
        {"/d/ESSAI", "/d/ESSAI.PL2", 0},        // no extension: the default one
        {"  /d/ESSAI.PL2 ", "/d/ESSAI.PL2", 0}, // trimmed
        {"/d/essai.txt", "/d/essai.txt", 0},    // ends with its extension: kept as chosen
        {"/d/essai.plc", "/d/essai.plc", 0},
        {"/d/a.b.PH2", "/d/a.b.PH2", 0},         // several dots kept whole
        {"/d/essai.doc", "/d/essai.PL2", 0},     // unknown extension: cut at the first dot
        {"/d/essai.PL2.bak", "/d/essai.PL2", 0}, // holds ".PL2" without ending with it
        {"/d/x.txt.old", "/d/x.TXT", 0},         // extension rebuilt in upper case
        {"/d/ab.plc.PL2", "/d/ab.plc.PL2", 0},   // ".PL2" is tested first
        {"ESSAI", "/depart/ESSAI.PL2", 0},       // no folder: the start folder
        {"/ESSAI.PLC", "/ESSAI.PLC", 0},         // the root folder
        {"/d/*.PL2", "", 2},                     // a pattern is refused with code 2
        {"/d/.PL2", "", 2},                      // no name at all
        {"   ", "", 0},                          // nothing chosen: no error
    };
    for (const Cas& c : cas) {
        const NomConstruit n =
            ConstruireNom(QString::fromUtf8(c.choisi), QStringLiteral("/depart"));
        EXPECT_EQ(n.nom, QString::fromUtf8(c.attendu)) << c.choisi;
        EXPECT_EQ(n.code, c.code) << c.choisi;
    }
}

TEST(ChoixDialoguesFichier, ExtensionSuitLOrdreDesTypes) {
    EXPECT_EQ(ExtensionReconnue(QStringLiteral("a.plc.pl2")), QStringLiteral(".PL2"));
    EXPECT_EQ(ExtensionReconnue(QStringLiteral("a.txt.plc")), QStringLiteral(".PLC"));
    EXPECT_EQ(ExtensionReconnue(QStringLiteral("a.ph2.txt")), QStringLiteral(".TXT"));
    EXPECT_EQ(ExtensionReconnue(QStringLiteral("a.Ph2")), QStringLiteral(".PH2"));
    EXPECT_EQ(ExtensionReconnue(QStringLiteral("ESSAI")), QStringLiteral(".PL2"));
}

TEST(ChoixDialoguesFichier, TypesEtFiltresDesDeuxDialogues) {
    const QStringList ouvrir = Filtres(true);
    ASSERT_EQ(ouvrir.size(), 5);
    EXPECT_EQ(ouvrir[0], QStringLiteral("Pelavorine 2000 (*.PL2) (*.PL2)"));
    EXPECT_EQ(ouvrir[4], QStringLiteral("Tous (.PL2,.PLC,.PH2,.TXT) (*.PL2 *.PLC *.PH2 *.TXT)"));
    const std::vector<TypeFichier> enregistrer = Types(false);
    ASSERT_EQ(enregistrer.size(), 3u);
    EXPECT_EQ(enregistrer[1].libelle, QStringLiteral("Pelavorine 1.xx et 2.xx (*.PLC)"));
    EXPECT_EQ(enregistrer[2].libelle, QStringLiteral("Texte (*.TXT)"));

    EXPECT_EQ(TypePourExtension(QStringLiteral(".PL2")), 0);
    EXPECT_EQ(TypePourExtension(QStringLiteral(".plc")), TypeCompatible);
    EXPECT_EQ(TypePourExtension(QStringLiteral(".PH2")), 3);
    EXPECT_EQ(TypePourExtension(QStringLiteral(".DOC")), -1);
}

TEST(ChoixDialoguesFichier, NomProposeEtParties) {
    EXPECT_EQ(NomPropose(QStringLiteral("/d/x/essai.b.PL2")), QStringLiteral("essai"));
    EXPECT_EQ(NomPropose(QString()), QString());

    EXPECT_EQ(Parties(true, true, true, true), 15);
    EXPECT_EQ(Parties(true, false, false, false), 1);
    EXPECT_EQ(Parties(false, true, false, false), 4);
    EXPECT_EQ(Parties(false, false, true, false), 2);
    EXPECT_EQ(Parties(false, false, false, true), 8);
    EXPECT_EQ(Parties(false, false, false, false), 0);
}

TEST(ChoixDialoguesFichier, OptionsDEnregistrementNeTouchentQueLeursBits) {
    EXPECT_EQ(OptionsEnregistrement(0x0041, true, false), 0x1041);
    EXPECT_EQ(OptionsEnregistrement(0x0041, false, true), 0x2041);
    EXPECT_EQ(OptionsEnregistrement(0xF041, false, false), 0xC041);
    EXPECT_EQ(OptionsEnregistrement(0xFFFF, true, true), 0xFFFF);
}

TEST(ChoixDialoguesFichier, DescriptionLimiteeA255Caracteres) {
    EXPECT_EQ(DescriptionLimitee(QString(300, QLatin1Char('e'))).size(), 255);
    EXPECT_EQ(DescriptionLimitee(QStringLiteral("a\nb")), QStringLiteral("a\nb"));
}

TEST(ChoixDialoguesFichier, HistoriqueLePlusRecentEnTete) {
    QStringList h = {QStringLiteral("/d/b.PL2"), QStringLiteral("/d/a.PL2")};
    AjouterHistorique(h, QStringLiteral("/d/./a.PL2"), 3); // the same file moves to the head
    EXPECT_EQ(h, (QStringList{QStringLiteral("/d/a.PL2"), QStringLiteral("/d/b.PL2")}));
    AjouterHistorique(h, QStringLiteral("/d/c.PL2"), 3);
    AjouterHistorique(h, QStringLiteral("/d/e.PL2"), 3); // the oldest is dropped
    EXPECT_EQ(h, (QStringList{QStringLiteral("/d/e.PL2"), QStringLiteral("/d/c.PL2"),
                              QStringLiteral("/d/a.PL2")}));
    AjouterHistorique(h, QStringLiteral("/d/A.PL2"), 3); // another file on this file system
    EXPECT_EQ(h.front(), QStringLiteral("/d/A.PL2"));
    EXPECT_EQ(h.size(), 3);
}
