#include "TravailDeTest.h"

#include "core/files/FichierTravail.h"
#include "core/files/InventaireFichier.h"
#include "core/format/EcrivainBinaire.h"

#include <QTemporaryDir>

#include "FichiersDeTest.h"

using namespace pelavorine;

namespace {

struct Attendu {
    QByteArray tag;
    int type;
    int index;
    int valeur;
    int taille;
    qsizetype suite;
};

// A work file written byte by byte: a header with a description, then records of which some
// carry data after their record data (a comment's lines of odd length, the sheet's lines, the
// notes' font), an end marker and bytes after it that no reader looks at.
struct FichierCompose {
    QByteArray octets;
    std::vector<Attendu> attendus;
    std::vector<qsizetype> positions;

    FichierCompose() {
        EcrivainBinaire s;
        s.U16(FichierTravail::MagiqueCompatible);
        s.U8(29);
        s.Chaine("PELAVORINE", 10);
        s.Chaine("4.20", 4);
        s.Chaine("[xxx]", 5);
        s.U8(14);
        s.U8(255);
        s.U8(8); // description field: length byte + 7 characters
        s.Zeros(4);
        s.Chaine("Essai\r\n", 7);

        QByteArray com(88, '\x11');
        com[79] = 2;
        Ajouter(s, {"VAR", 7, 12, 0, 76, 0}, QByteArray(76, '\x01'));
        Ajouter(s, {"COM", 2, 1, 3, 88, 5}, com,
                QByteArray("\x03"
                           "abc"
                           "\x00",
                           5));
        Ajouter(s, {"CAL", 10, 31, 2, 0, 10}, {},
                QByteArray("\x04"
                           "y=2x"
                           "\x04"
                           "z=3y"));
        Ajouter(s, {"NOT", 17, 0, 0, 5, 39}, "notes", QByteArray(39, '\x22'));
        Ajouter(s, {"DTY", 8, 12, 1, 24, 0}, QByteArray(24, '\x02'));
        EnteteEnregistrement{"   ", EnteteEnregistrement::Fin, 0, 0, 0, 0}.Ecrire(s);
        s.Octets("ignored");
        octets = s.Donnees();
    }

    void Ajouter(EcrivainBinaire& s, const Attendu& a, const QByteArray& donnees,
                 const QByteArray& suite = {}) {
        positions.push_back(s.Taille());
        attendus.push_back(a);
        EnteteEnregistrement{a.tag,
                             static_cast<std::uint8_t>(a.type),
                             2,
                             static_cast<std::uint8_t>(a.index),
                             static_cast<std::uint16_t>(a.valeur),
                             static_cast<std::uint16_t>(donnees.size())}
            .Ecrire(s);
        s.Octets(donnees);
        s.Octets(suite);
    }
};

void VerifierEnregistrements(const InventaireFichier& inventaire, const FichierCompose& f,
                             std::size_t n) {
    ASSERT_EQ(inventaire.enregistrements.size(), n);
    for (std::size_t k = 0; k < n; ++k) {
        const EnregistrementInventaire& r = inventaire.enregistrements[k];
        const Attendu& a = f.attendus[k];
        SCOPED_TRACE(a.tag.toStdString());
        EXPECT_EQ(r.entete.tag, a.tag);
        EXPECT_EQ(r.entete.type, a.type);
        EXPECT_EQ(r.entete.index, a.index);
        EXPECT_EQ(r.entete.valeur, a.valeur);
        EXPECT_EQ(r.entete.taille, a.taille);
        EXPECT_EQ(r.suite, a.suite);
        EXPECT_EQ(r.position, f.positions[k]);
        EXPECT_EQ(r.donnees, f.positions[k] + EnteteEnregistrement::Longueur);
    }
}

} // namespace

TEST(InventaireFichierTest, ListsHeaderDescriptionAndRecordsInFileOrder) {
    const FichierCompose f;
    const InventaireFichier inventaire = InventorierOctets(f.octets);
    EXPECT_EQ(inventaire.code, 0);
    EXPECT_EQ(inventaire.magique, 0xA55A);
    EXPECT_EQ(inventaire.programme, "PELAVORINE");
    EXPECT_EQ(inventaire.version, "4.20");
    EXPECT_EQ(inventaire.marqueur, "[xxx]");
    EXPECT_EQ(inventaire.longueurEnTeteEnregistrement, 14);
    EXPECT_EQ(inventaire.controle, 255);
    EXPECT_EQ(inventaire.tailleDescription, 8);
    EXPECT_EQ(inventaire.description, "Essai\r\n");
    EXPECT_TRUE(inventaire.finMarquee);
    VerifierEnregistrements(inventaire, f, f.attendus.size());
}

TEST(InventaireFichierTest, DamageKeepsTheRecordsBeforeIt) {
    const FichierCompose f;
    const auto& p = f.positions;
    auto modifie = [&](qsizetype position, const QByteArray& octets) {
        QByteArray m = f.octets;
        m.replace(position, octets.size(), octets);
        return m;
    };
    struct Cas {
        const char* quoi;
        QByteArray octets;
        int code;
        std::size_t listes; // records listed before the damage
        qsizetype position; // where the damage begins
    };
    const std::vector<Cas> cas = {
        {"pas un travail", "Ceci n'est pas un travail", FichierTravail::ErreurFormat, 0, 0},
        {"en-tête coupé", f.octets.left(20), FichierTravail::ErreurLecture, 0, 0},
        {"description coupée", f.octets.left(36), FichierTravail::ErreurLecture, 0, 0},
        {"données coupées", f.octets.left(p[1] + 20), FichierTravail::ErreurLecture, 1, p[1]},
        {"lignes de commentaire coupées", f.octets.left(p[2] - 2), FichierTravail::ErreurLecture, 1,
         p[1]},
        {"police des notes coupée", f.octets.left(p[4] - 1), FichierTravail::ErreurLecture, 3,
         p[3]},
        {"en-tête d'enregistrement coupé", f.octets.left(p[3] + 6), FichierTravail::ErreurLecture,
         3, p[3]},
        {"marqueur abîmé", modifie(p[2] + 1, "X"), FichierTravail::ErreurLecture, 2, p[2]},
        {"octet de contrôle", modifie(p[4] + 13, "\x01"), FichierTravail::ErreurLecture, 4, p[4]},
        {"taille qui ment", modifie(p[4] + 11, "\xff\xff"), FichierTravail::ErreurLecture, 4, p[4]},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        const InventaireFichier inventaire = InventorierOctets(c.octets);
        EXPECT_EQ(inventaire.code, c.code);
        EXPECT_EQ(inventaire.positionErreur, c.position);
        EXPECT_FALSE(inventaire.finMarquee);
        VerifierEnregistrements(inventaire, f, c.listes);
    }

    // Without an end marker the records run to the end of the file.
    const InventaireFichier sansFin = InventorierOctets(f.octets.left(p[4] + 14 + 24));
    EXPECT_EQ(sansFin.code, 0);
    VerifierEnregistrements(sansFin, f, 5);
}

class InventaireTravailTest : public TravailDeTest {};

TEST_F(InventaireTravailTest, WalksTheWritersFileToItsEnd) {
    const int u = Table("U", {1, 2, 3});
    QTemporaryDir dossier;
    const QString nom = dossier.filePath("essai.PL2");
    ASSERT_EQ(FichierTravail::EcrireTravail(travail, nom, travail.conserves, "Deux\nlignes"), 0);

    const InventaireFichier inventaire = InventorierFichier(nom);
    EXPECT_EQ(inventaire.code, 0);
    EXPECT_EQ(inventaire.description, "Deux\r\nlignes");
    ASSERT_FALSE(inventaire.enregistrements.empty());
    bool var = false, dty = false;
    for (const EnregistrementInventaire& r : inventaire.enregistrements) {
        var = var || (r.entete.tag == "VAR" && r.entete.index == u);
        dty = dty || (r.entete.tag == "DTY" && r.entete.index == u);
    }
    EXPECT_TRUE(var);
    EXPECT_TRUE(dty);
    const EnregistrementInventaire& dernier = inventaire.enregistrements.back();
    EXPECT_EQ(dernier.donnees + dernier.entete.taille + dernier.suite, Lire(nom).size());

    EXPECT_EQ(InventorierFichier(dossier.filePath("absent.PL2")).code,
              FichierTravail::ErreurFichierAbsent);
}
