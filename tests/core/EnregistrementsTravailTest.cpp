#include "core/travail/HoteScripte.h"
#include "core/travail/Travail.h"

#include "core/calc/FeuilleCalcul.h"
#include "core/calc/MoteurCalcul.h"
#include "core/files/EnregistrementFeuille.h"
#include "core/files/FichierTravail.h"
#include "core/files/InventaireFichier.h"
#include "core/format/EnteteEnregistrement.h"
#include "core/format/LecteurBinaire.h"
#include "core/format/Reel6.h"
#include "core/store/TypeSortie.h"
#include "core/store/TypeVoie.h"

#include "FichiersDeTest.h"
#include "ImpressionQt.h"

#include <QRect>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pelavorine;

namespace {

// An interface with two inputs and one analog output, the same in the writing and the
// reading work.
DescriptionVoies Interface() {
    DescriptionVoies v;
    v.interfacePresente = true;
    v.nomsEntrees = {"EA0", "EA1"};
    v.nomsSorties = {"SA1"};
    return v;
}

struct Entete {
    QByteArray tag;
    int type;
    int index;
    int valeur;
    int taille;
    bool operator==(const Entete&) const = default;
};

// The record headers of a file, in file order.
std::vector<Entete> Entetes(const QByteArray& fichier) {
    std::vector<Entete> liste;
    for (const EnregistrementInventaire& r : InventorierOctets(fichier).enregistrements) {
        const EnteteEnregistrement& h = r.entete;
        liste.push_back({h.tag, h.type, h.index, h.valeur, h.taille});
    }
    return liste;
}

// The offset of the first byte that differs, -1 when the files are the same.
qsizetype PremiereDifference(const QByteArray& a, const QByteArray& b) {
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i)
        if (a[i] != b[i]) return i;
    return a.size() == b.size() ? -1 : n;
}

QStringList Tags(const QByteArray& fichier) {
    QStringList tags;
    for (const Entete& e : Entetes(fichier))
        tags << QString::fromLatin1(e.tag);
    return tags;
}

BlocEnregistrement Bloc(const char* tag, int type, int masque, int index, QByteArray donnees,
                        QByteArray suite = {}) {
    return {{tag, static_cast<std::uint8_t>(type), static_cast<std::uint8_t>(masque),
             static_cast<std::uint8_t>(index), 0, static_cast<std::uint16_t>(donnees.size())},
            donnees,
            suite};
}

} // namespace

class EnregistrementsTravailTest : public ::testing::Test {
protected:
    QTemporaryDir dossier;
    QString nom = dossier.filePath("essai.PL2");
    HoteScripte hote;
    Travail travail{hote, Interface()};
    HoteScripte hoteLu;
    Travail lu{hoteLu, Interface()};

    QByteArray Ecrit(Travail& t, bool compatible = false) {
        EXPECT_EQ(FichierTravail::EcrireTravail(t, nom, t.conserves, t.description, compatible), 0);
        return Lire(nom);
    }
    void Relire(int parties = FichierTravail::Toutes) {
        ASSERT_EQ(FichierTravail::LireTravail(lu, nom, parties, lu.conserves, &lu.description), 0)
            << S(hoteLu.Textes(HoteScripte::Genre::Erreur).join('|'));
    }
    void RelireOctets(const QByteArray& octets) {
        Ecrire(nom, octets);
        Relire();
    }
};

TEST_F(EnregistrementsTravailTest, EveryRecordTypeComesBackWithTheSameBytes) {
    EtatBureau& b = travail.bureau;
    b.etat = EtatBureau::Normal;
    b.gauche = 10;
    b.haut = 20;
    b.largeur = 900;
    b.hauteur = 700;
    b.couleur = 0x00112233;
    b.teinte = 3;
    b.affichage = 0x0033;
    travail.options = static_cast<std::uint16_t>(travail.options | option::SansCalculApresLecture);
    travail.Variables().ChangerNbPoints(500, true);
    travail.description = "Chute libre\nGroupe 2";

    TableFenetres& fenetres = travail.TableDesFenetres();
    DonneesFenetre* f3 = fenetres.Creer(3);
    f3->titreUtilisateur = "Vitesse";
    f3->gauche = 30;
    f3->largeur = 300;
    f3->hauteur = 200;
    f3->abscisse.nom = "U";
    f3->abscisse.genre = DefinitionAbscisse::Logarithmique;
    f3->echelleY.nom = EchelleAxe::NomManuel;
    f3->echelleY.minimumManuel = -2.5;
    f3->echelleY.maximumManuel = 7.25;
    f3->options = 0x0055;
    CommentaireFenetre c;
    c.police = "Arial";
    c.taille = 12;
    c.style = CommentaireFenetre::Gras | CommentaireFenetre::Italique;
    c.cadre = CommentaireFenetre::Double;
    c.ancrage = CommentaireFenetre::LieAuxAxes;
    c.x = 0.5;
    c.y = -1.5;
    c.nomVariable = "k";
    c.decimales = 3;
    c.multiplicateur = 2.0;
    c.lignes = {"Première ligne", "abc"}; // odd lengths
    f3->commentaires.append(c);
    FlecheFenetre a{0, 1, 2, 3, 0x0000FF, 2, 0.785, FlecheFenetre::TeteDouble};
    f3->fleches.append(a);
    DonneesFenetre* f5 = fenetres.Creer(5);
    f5->type = 1; // an image window: its record is kept
    fenetres.Activer(1);

    TableVariables& table = travail.Variables();
    const int u = table.CreerVariable("U", 3, genre::Acquise);
    for (int i = 1; i <= 3; ++i)
        table.Variable(u)->EcrirePoint(i, i * 1.5);
    TypeVoie& ea1 = *dynamic_cast<TypeVoie*>(table.Variable(table.IndexVariable("EA1")));
    ea1.Echelle = 2.5;
    ea1.DecalageCapteur = 0.25;
    ea1.Etat = TypeVoie::PasAPas;
    ea1.Lecture = 3;
    ea1.Calibre = 2;
    ea1.Gain = 4;
    ea1.Reglage = 0x123456;
    ea1.FixerCapacite(3); // as an acquisition leaves it
    ea1.NbPoints = 3;
    for (int i = 1; i <= 3; ++i)
        ea1.EcrirePoint(i, -i);
    TypeSortie& sa1 = *dynamic_cast<TypeSortie*>(table.Variable(table.IndexVariable("SA1")));
    sa1.Forme = 1;
    sa1.Periodes = ArrondiReel6(2.2);
    sa1.MinimumSignal = -1;
    sa1.MaximumSignal = 4;
    sa1.ModeEmission = 1;

    ParametresAcquisition& p = travail.Parametres();
    p.periode = 1000.0;
    p.permanent = 1;
    p.modeAffichage = 2;
    p.niveauDeclenchement = 1.5;
    p.sourceDeclenchement = 1;
    travail.Feuille().FixerLignes({"y=2*U", "z=INTG(U)", QString(QChar(0x03B1)) + "=3"});

    // Records whose owners keep them as read, one of each type.
    travail.conserves = {
        Bloc("IMA", 15, 2, 5, QByteArray(356, '\x15')),
        Bloc("POI", 16, 2, 0, QByteArray(67, '\x16')),
        Bloc("MOD", 13, 4, 0, QByteArray(190, '\x0d')),
        Bloc("ANA", 11, 2, 0, QByteArray(195, '\x0b')),
        Bloc("SYN", 12, 2, 0, QByteArray(284, '\x0c')),
        Bloc("EQU", 14, 4, 0, QByteArray(210, '\x0e')),
        Bloc("NOT", 17, 8, 0, "{\\rtf1 notes}", QByteArray(39, '\x11')),
        Bloc("LOG", 18, 2, 0, QByteArray(93, '\x12')),
        Bloc("TAB", 19, 2, 0, QByteArray(54, '\x13')),
        Bloc("MES", 21, 2, 0, QByteArray(27, '\x15')),
        Bloc("DLL", 22, 2, 1, QByteArray(356, '\x16')),
        Bloc("DLB", 23, 2, 1, "bloc"),
        Bloc("MNL", 24, 2, 0, QByteArray(189, '\x18')),
        Bloc("VCT", 25, 4, 0, QByteArray(10042, '\x19')),
        Bloc("ACT", 26, 2, 0, QByteArray(547, '\x1a')),
    };

    // The calculation window's record, which the work keeps.
    travail.fenetreFeuille = EtatFenetreFeuille{12, 34, 560, 230, EtatBureau::Normal, true, true};
    travail.Feuille().etat.nbChiffres = 6;

    const QByteArray premier = Ecrit(travail);
    Relire();
    const QByteArray second = Ecrit(lu);
    EXPECT_EQ(PremiereDifference(premier, second), -1);

    // Windows from the least recently activated to the current one, each with its controls.
    const QStringList tags = Tags(premier);
    EXPECT_EQ(tags.mid(0, 7), (QStringList{"BUR", "FEN", "COM", "FLE", "FEN", "IMA", "FEN"}));
    for (const char* t : {"EAN", "SAN", "ACQ", "CAL", "MOD", "VCT", "ACT"})
        EXPECT_TRUE(tags.contains(t)) << t;
    EXPECT_EQ(tags.indexOf("EAN") - tags.indexOf("VAR"), 1); // a channel's settings follow it
    EXPECT_EQ(tags.indexOf("FCA") - tags.indexOf("LOG"), 1);
    EXPECT_EQ(tags.indexOf("TAB") - tags.indexOf("FCA"), 1);
    EXPECT_EQ(tags.last(), "ACT");

    EXPECT_EQ(lu.bureau.largeur, 900);
    EXPECT_EQ(lu.bureau.teinte, 3);
    EXPECT_EQ(lu.bureau.affichage, 0x0033);
    EXPECT_TRUE(lu.options & option::SansCalculApresLecture);
    EXPECT_EQ(lu.Variables().NbPoint(), 500);
    EXPECT_EQ(lu.description, "Chute libre\r\nGroupe 2");
    const TableFenetres& fl = lu.TableDesFenetres();
    EXPECT_EQ(fl.FenetreCourante(), 1);
    EXPECT_EQ(fl.Anneau(), fenetres.Anneau());
    const DonneesFenetre& l3 = *fl.Donnees(3);
    EXPECT_EQ(l3.Legende(), "Fenêtre n° 3 : Vitesse");
    EXPECT_EQ(l3.abscisse.nom, "U");
    EXPECT_EQ(l3.abscisse.genre, DefinitionAbscisse::Logarithmique);
    EXPECT_EQ(l3.echelleY.maximumManuel, 7.25);
    EXPECT_EQ(l3.options, 0x0055);
    ASSERT_EQ(l3.commentaires.size(), 1);
    EXPECT_EQ(l3.commentaires[0], c);
    ASSERT_EQ(l3.fleches.size(), 1);
    EXPECT_EQ(l3.fleches[0], a);
    EXPECT_TRUE(fl.Donnees(5)->FenetreImage());
    const auto& ea1Lu = *dynamic_cast<const TypeVoie*>(
        lu.Variables().Variable(lu.Variables().IndexVariable("EA1")));
    EXPECT_EQ(ea1Lu.Echelle, 2.5);
    EXPECT_EQ(ea1Lu.Etat, TypeVoie::PasAPas);
    EXPECT_EQ(ea1Lu.Reglage, 0x123456);
    EXPECT_EQ(ea1Lu.LirePoint(3), -3.0);
    const auto& sa1Lu = *dynamic_cast<const TypeSortie*>(
        lu.Variables().Variable(lu.Variables().IndexVariable("SA1")));
    EXPECT_EQ(sa1Lu.Periodes, sa1.Periodes);
    EXPECT_EQ(sa1Lu.MaximumSignal, 4.0);
    EXPECT_EQ(lu.Parametres().periode, 1000.0);
    EXPECT_EQ(lu.Variables().TBase(), 1000e-6);
    EXPECT_EQ(lu.Parametres().modeAffichage, 2);
    EXPECT_EQ(lu.Feuille().Lignes(), travail.Feuille().Lignes());
    EXPECT_EQ(lu.conserves, travail.conserves);
    EXPECT_EQ(lu.fenetreFeuille, travail.fenetreFeuille);
    EXPECT_EQ(lu.Feuille().etat.nbChiffres, 6);
}

TEST_F(EnregistrementsTravailTest, SheetWindowRecordHoldsItsTwentyBytes) {
    travail.fenetreFeuille =
        EtatFenetreFeuille{-5, 40, 600, 0x0102, EtatBureau::Maximise, false, true};
    travail.Feuille().etat.nbChiffres = 9;
    const QByteArray fichier = Ecrit(travail);
    const qsizetype fca = fichier.indexOf("\x05[FCA]");
    ASSERT_GT(fca, 0);
    EXPECT_EQ(fichier.mid(fca + 6, 8).toHex(), "14020000001400ff"); // type, parts, size 20
    EXPECT_EQ(fichier.mid(fca + 14, 20).toHex(), "fbff280058020201020009000100000000000000");

    // The digit count is read as 4 outside 1..10.
    struct Cas {
        std::int16_t ecrit;
        int lu;
    };
    for (const Cas& c : {Cas{1, 1}, Cas{10, 10}, Cas{0, 4}, Cas{11, 4}, Cas{-3, 4}}) {
        QByteArray octets = fichier;
        octets[fca + 24] = static_cast<char>(c.ecrit & 0xFF);
        octets[fca + 25] = static_cast<char>((c.ecrit >> 8) & 0xFF);
        RelireOctets(octets);
        EXPECT_EQ(lu.Feuille().etat.nbChiffres, c.lu) << c.ecrit;
        EXPECT_EQ(lu.fenetreFeuille, travail.fenetreFeuille) << c.ecrit;
    }

    // A file without the window gives none; a read without the environment keeps the work's.
    HoteScripte autreHote;
    Travail sansFenetre{autreHote, Interface()};
    EXPECT_EQ(FichierTravail::EcrireTravail(sansFenetre, nom, sansFenetre.conserves), 0);
    EXPECT_FALSE(Tags(Lire(nom)).contains("FCA"));
    Relire(FichierTravail::ValeursNumeriques);
    EXPECT_EQ(lu.fenetreFeuille, travail.fenetreFeuille);
    Relire();
    EXPECT_FALSE(lu.fenetreFeuille.has_value());
}

TEST(EtatFenetreFeuille, PlacementAfterARead) {
    using E = EtatBureau;
    struct Cas {
        const char* cas;
        EtatFenetreFeuille lu;
        bool bureauMaximise;
        bool montrer, agrandie, mosaique;
        QRect bornes; // when shown
    };
    const Cas cas[] = {
        {"normal window",
         {700, 450, 300, 200, E::Normal, true, false},
         false,
         true,
         false,
         false,
         {500, 300, 300, 200}},
        {"too small, beyond the top left",
         {-10, -20, 0, 0, E::Normal, true, false},
         false,
         true,
         false,
         false,
         {0, 0, 200, 150}},
        {"too large",
         {0, 0, 2000, 900, E::Normal, true, false},
         false,
         true,
         false,
         false,
         {0, 0, 800, 500}},
        {"not shown", {0, 0, 300, 200, E::Normal, false, false}, false, false, false, false, {}},
        {"minimised", {0, 0, 300, 200, E::Minimise, true, false}, false, false, true, false, {}},
        {"maximised in a mosaic",
         {1, 2, 300, 200, E::Maximise, true, true},
         false,
         true,
         false,
         true,
         {1, 2, 300, 200}},
        // The desk maximised: the window's mosaic flag stays the desk's.
        {"maximised desk", {1, 2, 300, 200, E::Normal, true, true}, true, false, true, false, {}},
    };
    for (const Cas& c : cas) {
        const EtatFenetreFeuille::Placement p =
            c.lu.AuChargement(c.bureauMaximise, false, 800, 500);
        EXPECT_EQ(p.montrer, c.montrer) << c.cas;
        EXPECT_EQ(p.agrandie, c.agrandie) << c.cas;
        EXPECT_EQ(p.mosaique, c.mosaique) << c.cas;
        if (c.montrer) {
            EXPECT_EQ(QRect(p.gauche, p.haut, p.largeur, p.hauteur), c.bornes) << c.cas;
        }
    }
}

TEST_F(EnregistrementsTravailTest, ReadingOnAnotherDeskKeepsTheWindowsInProportion) {
    travail.bureau.largeurClient = 1000;
    travail.bureau.hauteurClient = 600;
    DonneesFenetre* f = travail.TableDesFenetres().Donnees(1);
    f->gauche = 500;
    f->largeur = 400;
    f->haut = 300;
    f->hauteur = 400; // reaches beyond the client area: lowered to its edge
    Ecrit(travail);
    lu.bureau.largeurClient = 800;
    lu.bureau.hauteurClient = 600;
    Relire();
    const DonneesFenetre* l = lu.TableDesFenetres().Donnees(1);
    EXPECT_EQ(l->gauche, 400);
    EXPECT_EQ(l->largeur, 320);
    EXPECT_EQ(l->haut, 300);
    EXPECT_EQ(l->hauteur, 300);
}

TEST_F(EnregistrementsTravailTest, CompatibilityFormForOlderVersions) {
    TableVariables& table = travail.Variables();
    travail.Feuille().FixerLignes({"f=FREQUENCE(EA0)"}); // level 31
    ASSERT_GT(EnregistrementFeuille::Niveau(travail.Feuille().Lignes()), 10);
    const int x = table.CreerVariable("X", 3, genre::Acquise);
    const int q = table.CreerVariableEn(200, "Q", 3, genre::Acquise);
    ASSERT_EQ(q, 200);
    for (int i = 1; i <= 3; ++i) {
        table.Variable(x)->EcrirePoint(i, i);
        table.Variable(q)->EcrirePoint(i, 10 * i);
    }
    table.Variable(q)->FixerAbscisseVariable("X", "t");
    table.Variable(q)->Multiplicateur = 5;

    const QByteArray f = Ecrit(travail, true);
    EXPECT_EQ(f.left(2), QByteArray::fromHex("5aa5"));
    const qsizetype cal = f.indexOf("\x05[CAL]");
    ASSERT_GT(cal, 0);
    EXPECT_EQ(static_cast<std::uint8_t>(f[cal + 9]), 2); // the .INHIB line is counted
    EXPECT_EQ(f.mid(cal + 15, 6), ".INHIB");
    // The variable of slot 200 goes to the highest free slot up to 120.
    int slotQ = 0;
    for (const Entete& e : Entetes(f))
        if (e.tag == "VAR" && e.index > x) slotQ = e.index;
    EXPECT_EQ(slotQ, 120);
    const qsizetype var = f.indexOf(QByteArray("\x05[VAR]\x07\x07") + static_cast<char>(120));
    const QByteArray descripteur = f.mid(var + 14, 76);
    LecteurBinaire e(descripteur);
    e.Sauter(13);
    EXPECT_FALSE(e.U16() & genre::AbscisseVariable);
    e.Sauter(6);
    EXPECT_EQ(e.Chaine(12), QByteArray());
    e.Sauter(11 + 8 + 4 + 1 + 4 + 2);
    EXPECT_EQ(e.F64(), 0.0);

    Relire();
    EXPECT_EQ(lu.Feuille().Lignes(), travail.Feuille().Lignes());
    EXPECT_EQ(lu.Variables().IndexVariable("Q"), 120);
    EXPECT_EQ(lu.Variables().Variable(120)->LirePoint(3), 30.0);
}

TEST_F(EnregistrementsTravailTest, SheetAboveThisVersionIsInhibited) {
    travail.Feuille().FixerLignes({"y=2"});
    QByteArray f = Ecrit(travail);
    f[f.indexOf("\x05[CAL]") + 8] = 60; // written by a later version
    RelireOctets(f);
    EXPECT_EQ(lu.Feuille().Lignes(), (QStringList{EnregistrementFeuille::LigneInhibition, "y=2"}));
}

TEST_F(EnregistrementsTravailTest, FieldsFollowTheFileVersion) {
    DonneesFenetre* f = travail.TableDesFenetres().Donnees(1);
    f->options = 0x0011;
    f->famille = DonneesFenetre::FamilleAnalyse;
    TypeVoie& ea0 = *dynamic_cast<TypeVoie*>(
        travail.Variables().Variable(travail.Variables().IndexVariable("EA0")));
    ea0.Gain = 3;
    ea0.Reglage = 0x7F123456;
    const QByteArray courant = Ecrit(travail);
    const std::uint16_t optionsNeuves = DonneesFenetre::OptionsParDefaut;

    struct Cas {
        const char* version;
        std::uint16_t options;
        std::uint8_t famille;
        int gain;
        std::int32_t reglage;
    };
    const Cas cas[] = {
        {"5.11", 0x0011, DonneesFenetre::FamilleAnalyse, 3, 0x123456},
        {"5.00", 0x0011, DonneesFenetre::FamilleOrdinaire, 3, 0x123456},
        {"4.05", optionsNeuves, DonneesFenetre::FamilleOrdinaire, 3, 0x123456},
        {"3.05", optionsNeuves, DonneesFenetre::FamilleOrdinaire, 4, 0},
        {"2.xx", optionsNeuves, DonneesFenetre::FamilleOrdinaire, 3, 0},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.version);
        QByteArray octets = courant;
        octets.replace(15, 4, c.version);
        RelireOctets(octets);
        const DonneesFenetre* l = lu.TableDesFenetres().Donnees(1);
        EXPECT_EQ(l->options, c.options);
        EXPECT_EQ(l->famille, c.famille);
        const auto* v = dynamic_cast<const TypeVoie*>(
            lu.Variables().Variable(lu.Variables().IndexVariable("EA0")));
        EXPECT_EQ(v->Gain, c.gain);
        EXPECT_EQ(v->Reglage, c.reglage);
    }
}

TEST_F(EnregistrementsTravailTest, InputSettingsWithoutAnInterface) {
    // Written with an interface, read by a work without one.
    TypeVoie& ea0 = *dynamic_cast<TypeVoie*>(
        travail.Variables().Variable(travail.Variables().IndexVariable("EA0")));
    ea0.Etat = TypeVoie::Automatique;
    ea0.Lecture = 0;
    Ecrit(travail);
    HoteScripte h;
    Travail sans{h};
    ASSERT_EQ(FichierTravail::LireTravail(sans, nom, FichierTravail::Toutes, sans.conserves), 0);
    const auto* v = dynamic_cast<const TypeVoie*>(
        sans.Variables().Variable(sans.Variables().IndexVariable("EA0")));
    EXPECT_EQ(v->Etat, TypeVoie::Inactif);
    EXPECT_EQ(v->Lecture, TypeVoie::LectureClavier);

    // Without its settings record the first input stays out of service.
    QByteArray f = Lire(nom);
    const qsizetype ean = f.indexOf("\x05[EAN]");
    f.remove(ean, 14 + 24);
    lu.Variables().Variable(lu.Variables().IndexVariable("EA0"));
    RelireOctets(f);
    const auto* l =
        dynamic_cast<const TypeVoie*>(lu.Variables().Variable(lu.Variables().IndexVariable("EA0")));
    EXPECT_EQ(l->Etat, TypeVoie::Inactif);
}

TEST_F(EnregistrementsTravailTest, ArrowTipsAndCommentMultiplierOfOlderFiles) {
    DonneesFenetre* f = travail.TableDesFenetres().Donnees(1);
    f->fleches.append(FlecheFenetre{0, 0, 1, 1, 0, 7, 0, FlecheFenetre::TeteSimple});
    CommentaireFenetre c;
    c.multiplicateur = 0; // older files
    f->commentaires.append(c);
    Ecrit(travail);
    Relire();
    const DonneesFenetre* l = lu.TableDesFenetres().Donnees(1);
    EXPECT_EQ(l->fleches[0].pointe, 1);
    EXPECT_EQ(l->fleches[0].forme, FlecheFenetre::Trait);
    EXPECT_EQ(l->commentaires[0].multiplicateur, 1.0);
}

TEST(Reel6Test, KnownBytesAndRoundTrips) {
    EXPECT_EQ(VersReel6(1.0).toHex(), "810000000000");
    EXPECT_EQ(VersReel6(-2.0).toHex(), "820000000080");
    EXPECT_EQ(VersReel6(0.0).toHex(), "000000000000");
    EXPECT_EQ(VersReel6(0.75).toHex(), "800000000040");
    for (double v : {1.0, -1.0, 0.5, 3.0, 1e10, -123.25, 0x1p-70})
        EXPECT_EQ(DeReel6(VersReel6(v)), v) << v;
    for (double v : {0.1, 2.2, 1.0 / 3.0})
        EXPECT_NEAR(DeReel6(VersReel6(v)), v, std::abs(v) * 1e-11) << v;
    EXPECT_GT(DeReel6(VersReel6(1e300)), 1e38); // clamped, not wrapped
    EXPECT_EQ(DeReel6(VersReel6(1e-300)), 0.0);
}

TEST_F(EnregistrementsTravailTest, KeptRecordsOfOlderFilesTakeTheCurrentLayout) {
    travail.TableDesFenetres().Creer(2)->type = 1;
    QByteArray image(161, '\x01');
    travail.conserves = {
        Bloc("IMA", 15, 2, 2, image), Bloc("MOD", 13, 4, 0, QByteArray(150, '\x0d')),
        Bloc("NOT", 17, 8, 0, "Mesures du 3 mai"), // no font after it before 1.03
    };
    QByteArray f = Ecrit(travail);
    f.replace(15, 4, "1.02");
    RelireOctets(f);

    ASSERT_EQ(lu.conserves.size(), 2u); // the older model record is not kept
    const BlocEnregistrement& ima = lu.conserves[0];
    EXPECT_EQ(ima.donnees.size(), 356);
    EXPECT_EQ(ima.donnees.left(62), image.left(62));
    EXPECT_EQ(ima.donnees.mid(62, 195), QByteArray(195, '\0'));
    EXPECT_EQ(ima.donnees.mid(257), image.mid(62));
    const BlocEnregistrement& notes = lu.conserves[1];
    EXPECT_EQ(notes.donnees, "Mesures du 3 mai");
    EXPECT_EQ(notes.suite.size(), 39);
    EXPECT_EQ(notes.suite.mid(1, 7), "Default");

    // Written again, the file reads back the same under the current version.
    const QByteArray courant = Ecrit(lu);
    Ecrire(nom, courant);
    lu.conserves.clear();
    Relire();
    EXPECT_EQ(lu.conserves[0].donnees.size(), 356);
    EXPECT_EQ(lu.conserves[1].suite.size(), 39);
}
