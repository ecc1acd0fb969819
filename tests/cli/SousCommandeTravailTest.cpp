#include "CommandeEssai.h"

#include "cli/AnalyseurOptions.h"
#include "cli/CommandeRun.h"
#include "cli/Outil.h"

#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

using namespace pelavorine::cli;

namespace {

// Parses the arguments for the subcommand, runs it and keeps what it writes.
int Executer(SousCommande& commande, const QStringList& arguments, QString& sortie) {
    OptionsAnalysees options;
    QString erreur;
    if (!AnalyseurOptions(commande).Analyser(arguments, options, erreur)) {
        ADD_FAILURE() << erreur.toStdString();
        return -1;
    }
    QTextStream flux(&sortie);
    const int statut = commande.Executer(options, flux);
    flux.flush();
    return statut;
}

QJsonObject Document(const QString& texte) {
    QJsonParseError e;
    const QJsonDocument d = QJsonDocument::fromJson(texte.toUtf8(), &e);
    EXPECT_EQ(e.error, QJsonParseError::NoError) << texte.toStdString();
    return d.object();
}

} // namespace

TEST(SousCommandeTravail, ItsFieldsLandAtTheTopLevelNextToRuns) {
    CommandeEssai essai;
    QString texte;
    ASSERT_EQ(
        Executer(essai,
                 {"--points", "3", "--tbase", "1", "--line", "Y=T*2", "--order", "2", "--json"},
                 texte),
        0);
    const QJsonObject d = Document(texte);
    EXPECT_EQ(d.keys(), (QStringList{"done", "error", "essai", "results", "variables"}));
    EXPECT_TRUE(d[u"error"].isNull());
    EXPECT_EQ(d[u"results"].toArray().size(), 1);
    EXPECT_EQ(d[u"variables"][u"Y"][u"count"].toInt(), 3);
    // The action saw the work the sheet left, with the value of its own option.
    EXPECT_EQ(d[u"essai"][u"order"].toInt(), 2);
    EXPECT_EQ(d[u"essai"][u"seen"].toArray(), (QJsonArray{0, 2, 4}));
    EXPECT_EQ(d[u"done"].toBool(), true);
    // run's fields first; the subcommand's reals in the same shortest form as run's.
    EXPECT_TRUE(texte.startsWith(R"({"results":[)")) << texte.toStdString();
    EXPECT_TRUE(texte.contains(R"("tenth":0.1)")) << texte.toStdString();
}

TEST(SousCommandeTravail, TheSaveComesAfterTheAction) {
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath("essai.PL2");
    CommandeEssai essai;
    QString texte;
    ASSERT_EQ(Executer(essai, {"--points", "3", "--line", "Y=T+1", "--save", fichier}, texte), 0);
    // Read back by run: the table the action made was saved with the work.
    CommandeRun run;
    texte.clear();
    ASSERT_EQ(Executer(run, {fichier, "--show", "Y,Z", "--json"}, texte), 0);
    const QJsonObject v = Document(texte)[u"variables"].toObject();
    ASSERT_TRUE(v[u"Z"].isObject()) << texte.toStdString();
    const QJsonArray y = v[u"Y"][u"points"].toArray();
    const QJsonArray z = v[u"Z"][u"points"].toArray();
    ASSERT_EQ(z.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(z[i].toDouble(), 2 * y[i].toDouble());
}

TEST(SousCommandeTravail, AFailedStepStopsTheStepsThatFollow) {
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath("jamais.PL2");
    {
        // The action's error is the document's: status 1, nothing saved.
        CommandeEssai essai;
        QString texte;
        EXPECT_EQ(Executer(essai, {"--line", "Y=T", "--fail", "--save", fichier, "--json"}, texte),
                  1);
        EXPECT_EQ(Document(texte)[u"error"][u"message"].toString(), QString("échec"));
        EXPECT_FALSE(QFile::exists(fichier));
    }
    {
        // A sheet that fails: the action does not run and adds nothing.
        CommandeEssai essai;
        QString texte;
        EXPECT_EQ(Executer(essai, {"--line", "Y=SQRT(0-1)", "--json"}, texte), 1);
        EXPECT_FALSE(essai.agi);
        const QJsonObject d = Document(texte);
        EXPECT_EQ(d[u"error"][u"line"].toInt(), 1);
        EXPECT_FALSE(d.contains("essai"));
    }
}

TEST(SousCommandeTravail, ItsTextFollowsRunsForAPerson) {
    CommandeEssai essai;
    QString texte;
    ASSERT_EQ(Executer(essai, {"--points", "2", "--line", "Y=T", "--show", "Y"}, texte), 0);
    EXPECT_TRUE(texte.contains("Y (2 points) :")) << texte.toStdString();
    EXPECT_TRUE(texte.endsWith("Essai : 2 points\n")) << texte.toStdString();
}

TEST(Outil, UsageListsEverySubcommandWithItsOptions) {
    Outil outil;
    outil.Ajouter(std::make_unique<CommandeEssai>());
    QString sortie, erreurs;
    QTextStream s(&sortie), e(&erreurs);
    ASSERT_EQ(outil.Lancer({"--help"}, s, e), 0);
    s.flush();
    // run's line lists every option of run's table once; the others refer to it.
    const QString usage = sortie;
    const QString run = usage.section("  pelavorine-cli ", 1, 1);
    ASSERT_TRUE(run.startsWith("run [FICHIER] ")) << usage.toStdString();
    for (const DefinitionOption& d : SousCommandeTravail::OptionsRun())
        EXPECT_EQ(run.count('[' + d.nom + (d.valeur.isEmpty() ? "" : " " + d.valeur) + ']'), 1)
            << d.nom.toStdString() << "\n"
            << usage.toStdString();
    EXPECT_TRUE(usage.contains("  pelavorine-cli info FICHIER [--json]\n"));
    EXPECT_TRUE(usage.contains("  pelavorine-cli essai [FICHIER] [options de run] [--order N] "
                               "[--fail]\n"))
        << usage.toStdString();
    for (const QString& ligne : usage.split('\n'))
        EXPECT_LE(ligne.size(), 90) << ligne.toStdString();
}

TEST(Outil, DispatchesToTheSubcommandOrReportsAUsageError) {
    Outil outil;
    outil.Ajouter(std::make_unique<CommandeEssai>());
    struct Cas {
        QStringList arguments;
        int statut;
        QString message; // on the error stream, before the usage text
    };
    const Cas cas[] = {
        {{"essai", "--points", "2", "--line", "Y=T", "--order", "1", "--json"}, 0, ""},
        {{"essai", "--order", "9"}, 2, "pelavorine-cli : valeur incorrecte pour --order : 9\n"},
        {{"mesure"}, 2, "pelavorine-cli : commande inconnue : mesure\n"},
        {{}, 2, ""},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QString sortie, erreurs;
        QTextStream s(&sortie), e(&erreurs);
        EXPECT_EQ(outil.Lancer(c.arguments, s, e), c.statut);
        s.flush();
        e.flush();
        if (c.statut == 0) {
            EXPECT_TRUE(Document(sortie).contains("essai"));
            EXPECT_TRUE(erreurs.isEmpty());
        } else {
            EXPECT_EQ(erreurs.toStdString(), (c.message + outil.Usage()).toStdString());
            EXPECT_TRUE(sortie.isEmpty());
        }
    }
}
