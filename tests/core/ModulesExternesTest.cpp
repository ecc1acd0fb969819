#include "core/configuration/ModulesExternes.h"
#include "core/configuration/StockageConfiguration.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ImpressionQt.h"

using namespace pelavorine;

namespace {

void Creer(const QString& chemin, const QByteArray& contenu = {}) {
    QDir().mkpath(QFileInfo(chemin).path());
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenu);
}

class ModulesExternesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dossier.isValid());
        qputenv("PELAVORINE_CONFIG_DIR", dossier.path().toUtf8());
    }
    QString Chemin(const QString& nom) const { return dossier.filePath(nom); }

    QTemporaryDir dossier; // the parent of the program folder "prog"
};

TEST_F(ModulesExternesTest, EachModuleIsLookedForAroundTheProgramFolderThenInTheStore) {
    for (const char* nom : {"ailleurs/abs.sh", "prog/outils/a.sh", "b.sh", "prog/d.sh", "lib/c.sh",
                            "cache/Module_E.sh", "cache/autre.sh"})
        Creer(Chemin(nom));
    Creer(Chemin("prog/PELAVORINE.CFG"), "; modules\n"
                                         "[Autre]\nIgnore=d.sh\n"
                                         "[externes]\n"
                                         "Absolu=" +
                                             Chemin("ailleurs/abs.sh").toUtf8() +
                                             "\n"
                                             " Outil A = outils/a.sh\n"
                                             "Windows=\"outils\\a.sh\"\n"
                                             "Parent=b.sh\n"
                                             "Nom seul=inconnu/d.sh\n"
                                             "Sous le parent=lib/c.sh\n"
                                             "Mémorisé=C:\\Modules\\module_e.sh\n"
                                             "Absent=nulle/part.sh\n"
                                             "Dossier=outils/\n"
                                             "Sans valeur\n");
    {
        StockageConfiguration stockage;
        stockage.EcrireTexte("Externes", "X", Chemin("cache/autre.sh"));
        stockage.EcrireTexte("Externes", "Y", Chemin("cache/Module_E.sh"));
        ASSERT_TRUE(stockage.Synchroniser());
    }

    ModulesExternes modules;
    modules.Lire(Chemin("prog"), StockageConfiguration());

    QStringList lus;
    for (const auto& m : modules.Liste())
        lus << m.titre + " -> " + m.chemin;
    EXPECT_EQ(lus, (QStringList{
                       "Absolu -> " + Chemin("ailleurs/abs.sh"),
                       "Outil A -> " + Chemin("prog/outils/a.sh"),
                       "Windows -> " + Chemin("prog/outils/a.sh"),
                       "Parent -> " + Chemin("b.sh"),
                       "Nom seul -> " + Chemin("prog/d.sh"),
                       "Sous le parent -> " + Chemin("lib/c.sh"),
                       "Mémorisé -> " + Chemin("cache/Module_E.sh"),
                   }));
}

TEST_F(ModulesExternesTest, NoModuleFoundLeavesAnEmptyList) {
    Creer(Chemin("prog/PELAVORINE.CFG"), "[Externes]\nAbsent=nulle/part.exe\nVide=\n");
    ModulesExternes modules;
    modules.Lire({{"ancien", Chemin("prog/PELAVORINE.CFG")}}, Chemin("prog"), {});
    ASSERT_FALSE(modules.Vide());
    modules.Lire(Chemin("prog"), StockageConfiguration());
    EXPECT_TRUE(modules.Vide());

    // No configuration file at all.
    modules.Lire(Chemin("sans"), StockageConfiguration());
    EXPECT_TRUE(modules.Vide());
}

TEST(ModulesExternesProcessusTest, ProcessNameAndRunningProcesses) {
    const struct {
        const char* chemin;
        const char* nom;
    } noms[] = {
        {"/a/b.c/MonModule.v2.exe", "MonModule.exe"},
        {"outil", "outil.exe"},
        {"/x/UnNomDeModuleTresLong.exe", "UnNomDeModuleTresLon.exe"}, // cut to 20 first
        {"C:\\Outils\\Mesure.EXE", "Mesure.exe"},
    };
    for (const auto& c : noms)
        EXPECT_EQ(ModulesExternes::NomProcessus(c.chemin), c.nom);

    QTemporaryDir proc;
    ASSERT_TRUE(proc.isValid());
    Creer(proc.filePath("12/comm"), "monmodule\n");
    Creer(proc.filePath("345/comm"), "UnNomDeModuleTr\n"); // the kernel keeps 15 characters
    Creer(proc.filePath("self/comm"), "cible\n");          // not a process entry
    const struct {
        const char* chemin;
        bool enCours;
    } processus[] = {
        {"/opt/MONMODULE.EXE", true},
        {"/x/UnNomDeModuleTresLong.exe", true},
        {"/x/monmodule2", false},
        {"cible", false},
    };
    for (const auto& c : processus) {
        SCOPED_TRACE(c.chemin);
        EXPECT_EQ(ModulesExternes::EnCours(c.chemin, proc.path()), c.enCours);
    }
}

} // namespace
