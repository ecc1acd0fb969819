#include "core/configuration/LigneDeCommande.h"
#include "core/configuration/Configuration.h"
#include "core/travail/HoteScripte.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ImpressionQt.h"

using namespace pelavorine;

namespace {

TEST(LigneDeCommandeTest, ArgumentsAreSwitchesMarkersOrTheWorkFile) {
    const struct {
        QStringList arguments;
        bool maintenance;
        bool relance;
        QString fichier; // relative to the current folder; empty: none
        bool sansExtension;
    } cas[] = {
        {{}, false, false, "", false},
        {{" /tamis "}, true, false, "", false},
        {{"relance", "/Tamis", "essai"}, true, true, "essai.PL2", true},
        {{"essai", "RELANCE"}, false, false, "RELANCE.PL2", true}, // only first is a marker
        {{"a.plc", "  b  "}, false, false, "b.PL2", true},         // the last file wins
        {{"b", "a.plc"}, false, false, "a.plc", false},
        {{"ver.sion/Essai"}, false, false, "ver.sion/Essai.PL2", true}, // case kept
        {{"", "   "}, false, false, "", false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.arguments.join(u'|').toStdString());
        const LigneDeCommande ligne(c.arguments);
        EXPECT_EQ(ligne.maintenance, c.maintenance);
        EXPECT_EQ(ligne.relance, c.relance);
        EXPECT_EQ(ligne.fichier,
                  c.fichier.isEmpty() ? QString() : QDir::current().absoluteFilePath(c.fichier));
        EXPECT_EQ(ligne.sansExtension, c.sansExtension);
    }
}

// The file is looked for by its name in its own folder, then the work folder, then the
// examples folder; a name given without extension is tried with ".PL2", then ".PLC".
TEST(LigneDeCommandeTest, FileIsSearchedInItsFolderWorkFolderAndExamples) {
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QDir d(dossier.path());
    for (const char* sous : {"ici", "travail", "exemples", "prog"})
        d.mkpath(sous);
    for (const char* nom : {"travail/a.PL2", "exemples/b.pl2", "exemples/c.PLC", "ici/d.txt",
                            "travail/e.txt", "ici/f.PL2", "travail/f.PL2", "exemples/g.PL2",
                            "travail/g.PLC", "travail/h.plc", "exemples/c.PL2.bak"}) {
        QFile f(d.filePath(nom));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    Configuration config({d.filePath("prog"), d.filePath("maison"), "", "", ""});
    config.dossierTravail = d.filePath("travail");
    config.dossierExemples = d.filePath("exemples");

    const struct {
        const char* argument; // relative to the test's folder
        const char* trouve;   // nullptr: not found
    } cas[] = {
        {"ici/a", "travail/a.PL2"},     {"ici/b", "exemples/b.pl2"},
        {"ici/c", "exemples/c.PLC"},    {"ici/d.txt", "ici/d.txt"},
        {"ici/e.txt", "travail/e.txt"}, {"autre/a.PL2", "travail/a.PL2"},
        {"ici/f", "ici/f.PL2"},                                 // own folder first
        {"ici/g", "exemples/g.PL2"},                            // ".PL2" anywhere before ".PLC"
        {"ici/h", "travail/h.plc"},     {"ici/c.PL2", nullptr}, // with an extension: that name only
        {"ici/a.pl2", nullptr},         {"ici/zz", nullptr},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.argument);
        HoteScripte hote;
        LigneDeCommande ligne({d.filePath(c.argument)});
        const QString nomCherche = ligne.fichier;
        const QString trouve = ligne.Rechercher(config, hote);
        if (c.trouve) {
            EXPECT_EQ(trouve, d.filePath(c.trouve));
            EXPECT_EQ(ligne.fichier, trouve);
            EXPECT_TRUE(hote.messages.empty());
        } else {
            EXPECT_TRUE(trouve.isEmpty());
            EXPECT_TRUE(ligne.fichier.isEmpty());
            EXPECT_EQ(hote.Textes(HoteScripte::Genre::Erreur),
                      QStringList{" Fichier introuvable: " + nomCherche});
        }
    }
}

} // namespace
