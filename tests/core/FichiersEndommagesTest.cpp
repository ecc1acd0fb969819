#include "TravailDeTest.h"

#include "core/calc/FeuilleCalcul.h"
#include "core/files/FichierTravail.h"

#include "FichiersDeTest.h"

#include <QDir>
#include <QFileInfo>

#include <map>

using namespace pelavorine;

namespace {

QDir DossierDonnees() {
    const QString dossier = qEnvironmentVariable("PELAVORINE_TEST_DATA");
    return QDir(dossier.isEmpty() ? QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../data")
                                  : dossier);
}

const QString kLecture = QStringLiteral("Erreur en lecture");
const QString kFormat =
    QStringLiteral("Format de fichier non reconnu par cette version de Pelavorine");

} // namespace

class FichiersEndommagesTest : public TravailDeTest {};

// A work with a known table, sheet and kept record, built afresh for each file.
struct TravailConnu {
    HoteScripte hote;
    Travail travail{hote};
    TableVariables& table = travail.Variables();
    EnregistrementsConserves conserves{BlocEnregistrement{{"ZZZ", 26, 2, 0, 0, 1}, "z", {}}};
    const QStringList lignes{"K2=K*2", "; note"};
    int k = table.CreerVariable("K", 3, genre::Acquise);

    TravailConnu() {
        for (int i = 1; i <= 3; ++i)
            table.Variable(k)->EcrirePoint(i, 6.0 + i);
        travail.Feuille().FixerLignes(lignes);
    }
    std::vector<double> PointsK() const {
        const TypeId* v = table.Variable(k);
        std::vector<double> p;
        for (int i = 1; v && i <= v->NbPoints; ++i)
            p.push_back(v->LirePoint(i));
        return p;
    }
};

// Damaged work files (written by scripts/corpus_endommages.py from fuzz/corpus): each is
// refused with the error box, and the work in memory is left as it was.
TEST_F(FichiersEndommagesTest, EachDamagedFileIsRefusedAndLeavesTheWork) {
    const std::map<QString, QString> attendus = {
        {"magique_fausse.PL2", kFormat},
        {"ordures.PL2", kFormat},
        {"entete_coupe.PL2", kLecture},
        {"longueur_entete_courte.PL2", kLecture},
        {"description_au_dela.PL2", kLecture},
        {"ordures_apres_entete.PL2", kLecture},
        {"entete_enregistrement_coupe.PL2", kLecture},
        {"donnees_coupees.PL2", kLecture},
        {"lignes_cal_coupees.PL2", kLecture},
        {"lignes_com_coupees.PL2", kLecture},
        {"lignes_com_manquantes.PL2", kLecture},
        {"lignes_cal_manquantes.PL2", kLecture},
        {"taille_trop_grande.PL2", kLecture},
        {"morceau_enorme.PL2", kLecture},
        {"marqueur_efface.PL2", kLecture},
    };
    const QDir dossier(DossierDonnees().filePath("endommages"));
    // Every file of the folder is in the table, and every file of the table is there.
    const QStringList presents = dossier.entryList({"*.PL2"}, QDir::Files, QDir::Name);
    QStringList noms;
    for (const auto& [nom, message] : attendus)
        noms << nom;
    EXPECT_EQ(presents, noms) << S(dossier.path());

    for (const auto& [nom, message] : attendus) {
        SCOPED_TRACE(S(nom));
        const QByteArray octets = Lire(dossier.filePath(nom));
        ASSERT_FALSE(octets.isEmpty());
        TravailConnu w;
        const int derniere = w.table.DerniereCase();
        const EnregistrementsConserves avant = w.conserves;
        QString description = "avant";

        EXPECT_NE(FichierTravail::LireOctets(w.travail, octets, FichierTravail::Toutes, w.conserves,
                                             &description),
                  0);
        EXPECT_EQ(w.hote.Textes(HoteScripte::Genre::Erreur), QStringList{message});
        EXPECT_EQ(w.table.DerniereCase(), derniere);
        EXPECT_EQ(w.table.IndexVariable("K"), w.k);
        EXPECT_EQ(w.table.IndexVariable("U"), 0);
        EXPECT_EQ(w.PointsK(), (std::vector<double>{7, 8, 9}));
        EXPECT_EQ(w.travail.Feuille().Lignes(), w.lignes);
        EXPECT_EQ(w.conserves, avant);
        EXPECT_EQ(description, "avant");
    }
}

// The files the damaged ones come from are sound: the damage, not the base, is refused.
TEST_F(FichiersEndommagesTest, TheirSourceFileReads) {
    EnregistrementsConserves conserves;
    const QByteArray octets =
        Lire(DossierDonnees().filePath("../../fuzz/corpus/deux_variables.PL2"));
    ASSERT_FALSE(octets.isEmpty());
    QString description;
    EXPECT_EQ(FichierTravail::LireOctets(travail, octets, FichierTravail::Toutes, conserves,
                                         &description),
              0);
    EXPECT_TRUE(hote.Textes(HoteScripte::Genre::Erreur).isEmpty());
    EXPECT_EQ(description, "Deux variables");
    ASSERT_NE(table.IndexVariable("U"), 0);
    ASSERT_NE(table.IndexVariable("V"), 0);
    EXPECT_EQ(Points(table.IndexVariable("U")), (std::vector<double>{1.5, -2.0, 3.25}));
    EXPECT_EQ(Points(table.IndexVariable("V")), (std::vector<double>{10, 20, 30, 40}));
    EXPECT_EQ(travail.Feuille().Lignes(), QStringList{"W=U*2"});
}
