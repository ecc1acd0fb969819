#include "TravailDeTest.h"
#include "core/bureau/ActivationMenus.h"
#include "core/bureau/CommandesBureau.h"
#include "core/bureau/GeometrieBureau.h"
#include "core/bureau/HistoriqueFichiers.h"
#include "core/bureau/TextesBureau.h"
#include "core/bureau/TraitementDemandes.h"
#include "core/bureau/VuesBureau.h"
#include "core/interface/CoucheInterface.h"

#include <QSet>
#include <functional>
#include <string>
#include <vector>

using namespace pelavorine;

namespace {

// Records every action of the idle processing as "Action" or "Action:window".
class VuesEnregistrees : public VuesBureau {
public:
    std::vector<std::string> journal;
    bool fourierRecalcule = false;
    int pleinEcran = 0;
    std::function<void(const std::string&)> pendant; // runs inside each action

    void VerifierIntervalle() override { Noter("Intervalle"); }
    void ChangerNbPoints() override { Noter("NbPoints"); }
    void LancerFeuille() override { Noter("Feuille"); }
    bool RecalculerFourier() override {
        Noter("Fourier");
        return fourierRecalcule;
    }
    void ResoudreAxes(int f) override { Noter("Axes", f); }
    void RegenererSorties() override { Noter("Sorties"); }
    void ActualiserTableur() override { Noter("Tableur"); }
    void DessinerCadre(int f) override { Noter("Cadre", f); }
    void DessinerCommentaires(int f) override { Noter("Commentaires", f); }
    void DessinerCourbes(int f) override { Noter("Courbes", f); }
    void EnvoyerReglagesVoies() override { Noter("Voies"); }
    void MesurerAutomatiquement(int f) override { Noter("Mesures", f); }
    bool PleinEcran(int f) const override { return f == pleinEcran; }

    std::vector<std::string> De(const std::string& action) const {
        std::vector<std::string> r;
        for (const auto& j : journal)
            if (j.rfind(action, 0) == 0) r.push_back(j);
        return r;
    }

private:
    void Noter(const std::string& action, int f = 0) {
        const std::string entree = f ? action + ":" + std::to_string(f) : action;
        journal.push_back(entree);
        if (pendant) pendant(entree);
    }
};

class TraitementDemandesTest : public TravailDeTest {
protected:
    VuesEnregistrees vues;
    TraitementDemandes traitement{travail, vues};
    TableFenetres& fenetres = travail.TableDesFenetres();

    void SetUp() override { travail.PrendreDemandes(); }
    // Windows 1, 2 and 3 open, 2 current.
    void TroisFenetres() {
        fenetres.Creer(3);
        fenetres.Creer(2);
    }
};

using Journal = std::vector<std::string>;

} // namespace

TEST_F(TraitementDemandesTest, EveryActionRunsOnceInTheFixedOrderAndTheWordIsCleared) {
    travail.DemanderMiseAJour(0xDEFB);
    traitement.Traiter();
    EXPECT_EQ(vues.journal,
              (Journal{"Intervalle", "NbPoints", "Feuille", "Fourier", "Axes:1", "Sorties",
                       "Tableur", "Cadre:1", "Commentaires:1", "Courbes:1", "Voies", "Mesures:1"}));
    EXPECT_EQ(travail.Demandes(), 0);
    EXPECT_FALSE(traitement.EnCours());
}

TEST_F(TraitementDemandesTest, AllWindowsRequestDrawsEachFrameOnceStartingWithTheCurrent) {
    TroisFenetres();
    travail.DemanderMiseAJour(0x0041);
    traitement.Traiter();
    const Journal cadres = vues.De("Cadre");
    ASSERT_EQ(cadres.size(), 3u);
    EXPECT_EQ(cadres[0], "Cadre:2");
    EXPECT_EQ(QSet<QString>({QString::fromStdString(cadres[1]), QString::fromStdString(cadres[2])}),
              QSet<QString>({"Cadre:1", "Cadre:3"}));
    // What does not belong to a window runs once.
    EXPECT_EQ(vues.De("NbPoints").size(), 1u);
}

TEST_F(TraitementDemandesTest, WithoutAllWindowsOnlyTheCurrentIsVisitedUnlessFourierRecomputes) {
    TroisFenetres();
    travail.DemanderMiseAJour(0x4040);
    traitement.Traiter();
    EXPECT_EQ(vues.De("Cadre"), Journal{"Cadre:2"});

    vues.journal.clear();
    vues.fourierRecalcule = true;
    travail.DemanderMiseAJour(0x4040);
    traitement.Traiter();
    EXPECT_EQ(vues.De("Cadre").size(), 3u);
    EXPECT_EQ(vues.De("Fourier").size(), 1u);
}

TEST_F(TraitementDemandesTest, AFullScreenCurrentWindowSparesTheOthersTheirDrawing) {
    TroisFenetres();
    vues.pleinEcran = 2;
    travail.DemanderMiseAJour(0x00E9);
    traitement.Traiter();
    EXPECT_EQ(vues.De("Cadre"), Journal{"Cadre:2"});
    EXPECT_EQ(vues.De("Courbes"), Journal{"Courbes:2"});
    // The axes are not drawing: every window still resolves them.
    EXPECT_EQ(vues.De("Axes").size(), 3u);
}

TEST_F(TraitementDemandesTest, NestedCallsReturnAtOnceUntilUnblocked) {
    int imbriques = 0;
    vues.pendant = [&](const std::string& action) {
        if (action != "Cadre:1") return;
        travail.DemanderMiseAJour(0x0040);
        traitement.Traiter(); // a command that lets pending messages run
        ++imbriques;
    };
    travail.DemanderMiseAJour(0x0040);
    traitement.Traiter();
    EXPECT_EQ(imbriques, 1);
    EXPECT_EQ(vues.De("Cadre").size(), 1u);

    // "Rafraîchir la fenêtre" lets a pass run while another is stuck.
    vues.pendant = [&](const std::string& action) {
        if (action != "Cadre:1" || imbriques > 1) return;
        ++imbriques;
        traitement.Debloquer();
        traitement.Traiter();
    };
    travail.DemanderMiseAJour(0x0040);
    traitement.Traiter();
    EXPECT_EQ(vues.De("Cadre").size(), 3u);
}

TEST_F(TraitementDemandesTest, RequestsMadeDuringAPassAreNeitherLostNorDoneTwice) {
    TroisFenetres();
    // The sheet asks for every window to be redrawn: done in the same pass.
    vues.pendant = [&](const std::string& action) {
        if (action == "Feuille") travail.DemanderMiseAJour(0x00C1);
        // Drawing curves asks for the axes again: left for the next pass.
        if (action == "Courbes:2") travail.DemanderMiseAJour(0x0020);
    };
    travail.DemanderMiseAJour(0x0200);
    traitement.Traiter();
    EXPECT_EQ(vues.De("Feuille").size(), 1u);
    EXPECT_EQ(vues.De("Cadre").size(), 3u);
    EXPECT_EQ(vues.De("Courbes").size(), 3u);
    // The other windows, visited later, resolve their axes now; the current one next time.
    EXPECT_EQ(vues.De("Axes").size(), 2u);
    EXPECT_EQ(travail.Demandes(), 0x0020);
    vues.journal.clear();
    vues.pendant = nullptr;
    traitement.Traiter();
    EXPECT_EQ(vues.journal, Journal{"Axes:2"});
    EXPECT_EQ(travail.Demandes(), 0);
}

TEST_F(TraitementDemandesTest, NoCurrentWindowKeepsTheWordAndTheHookRunsAfterEachPass) {
    int crochet = 0;
    traitement.apresRafraichissement = [&] {
        ++crochet;
        EXPECT_FALSE(vues.journal.empty());
    };
    fenetres.Fermer(1);
    travail.DemanderMiseAJour(0x0041);
    traitement.Traiter();
    EXPECT_TRUE(vues.journal.empty());
    EXPECT_EQ(travail.Demandes(), 0x0041);
    EXPECT_EQ(crochet, 0);

    fenetres.Creer(1);
    traitement.Traiter();
    EXPECT_EQ(crochet, 1);
    EXPECT_EQ(vues.De("Cadre"), Journal{"Cadre:1"});
}

// --- Menus -------------------------------------------------------------------------------

TEST(MenusBureauTest, EnablingFollowsTheWorkState) {
    using C = Commande;
    struct Cas {
        const char* nom;
        ContexteMenus contexte;
        std::vector<C> actives;
        std::vector<C> inactives;
    };
    ContexteMenus frais;
    frais.actif = true;
    ContexteMenus tableur;
    tableur.contexte = 1;
    ContexteMenus autre;
    autre.contexte = 2;
    ContexteMenus synthese = frais;
    synthese.syntheseEnCours = true;
    ContexteMenus systeme = frais;
    systeme.systeme = true;
    systeme.imprimante = true;
    ContexteMenus logiques = systeme;
    logiques.sortiesLogiques = true;
    logiques.actionPossible = true;
    logiques.annulationPossible = true;
    const std::vector<Cas> cas = {
        {"fresh work",
         frais,
         {C::Ouvrir, C::Enregistrer, C::EnregistrerSous, C::LancerCalculs, C::MenuMateriel,
          C::ChoisirSysteme, C::Sommaire, C::Parametres, C::OptionsConfiguration, C::LireImage},
         {C::Imprimer, C::ConfigurerImprimante, C::Annuler, C::TesterSysteme, C::SortiesAnalogiques,
          C::SortiesLogiques, C::DefinirAction}},
        {"spreadsheet active",
         tableur,
         {C::Ouvrir, C::Nouveau, C::Sommaire},
         {C::Enregistrer, C::LancerCalculs, C::FeuilleCalcul, C::Parametres, C::MenuMateriel,
          C::ChoisirSysteme, C::RafraichirFenetre}},
        {"another form active", autre, {}, {C::Ouvrir, C::ChoisirSysteme, C::Sommaire}},
        {"synthesis editing",
         synthese,
         {C::LancerCalculs, C::Enregistrer},
         {C::OptionsConfiguration, C::MesuresAutomatiques, C::LireImage}},
        {"system without logic outputs",
         systeme,
         {C::TesterSysteme, C::SortiesAnalogiques, C::Imprimer, C::ConfigurerImprimante},
         {C::SortiesLogiques}},
        {"system with logic outputs",
         logiques,
         {C::SortiesLogiques, C::DefinirAction, C::Annuler},
         {}},
    };
    for (const Cas& c : cas) {
        const ActivationMenus a = ActivationMenus::Calculer(c.contexte);
        for (C commande : c.actives)
            EXPECT_TRUE(a.Active(commande))
                << c.nom << ": " << TexteCommande(commande).toStdString();
        for (C commande : c.inactives)
            EXPECT_FALSE(a.Active(commande))
                << c.nom << ": " << TexteCommande(commande).toStdString();
    }
    EXPECT_TRUE(ActivationMenus::Calculer(synthese).IconesActives());
    EXPECT_FALSE(ActivationMenus::Calculer(synthese).IconeMosaiqueActive());
    EXPECT_TRUE(ActivationMenus::Calculer(frais).IconeMosaiqueActive());
    EXPECT_FALSE(ActivationMenus::Calculer(tableur).IconesActives());
}

TEST(MenusBureauTest, EachKeyBelongsToOneCommandAndMenusComeBeforeTheirItems) {
    QSet<QString> touches;
    QSet<Commande> vus;
    for (const ElementMenu& e : MenusDuBureau()) {
        if (e.menu != e.commande) {
            EXPECT_TRUE(vus.contains(e.menu)) << e.texte;
            EXPECT_TRUE(EstMenu(e.menu)) << e.texte;
        }
        vus.insert(e.commande);
        if (!e.touche || e.toucheAffichee) continue;
        const QString touche = QString::fromLatin1(e.touche);
        EXPECT_FALSE(touches.contains(touche)) << e.touche;
        touches.insert(touche);
    }
    EXPECT_TRUE(touches.contains(QStringLiteral("F7"))); // "&Synthèse harmonique"
    // The holder decides what a command does to the work (processing marks it modified).
    EXPECT_EQ(MenuDe(Commande::Vecteurs), Commande::MenuTraitements);
    EXPECT_EQ(MenuDe(Commande::SortiesLogiques), Commande::MenuExecuter);
    EXPECT_EQ(MenuDe(Commande::Droites), Commande::MenuFleches);
    EXPECT_EQ(MenuDe(Commande::NotationIngenieur), Commande::NbCommandes);
    // Every icon carries a command the user can name.
    for (const IconeBureau& i : IconesDuBureau())
        EXPECT_FALSE(QString::fromUtf8(i.bulle).isEmpty()) << i.nom;
}

// --- Texts --------------------------------------------------------------------------------

TEST_F(TraitementDemandesTest, TabsNameTheOpenWindowsAndSelectTheCurrentOne) {
    fenetres.Creer(10);
    fenetres.Creer(3);
    EXPECT_EQ(textesBureau::Onglets(fenetres),
              (QStringList{"Calcul", "Tableur", "n° 1", "n° 3", "n° A2"}));
    EXPECT_EQ(textesBureau::OngletCourant(fenetres), 3);
    EXPECT_EQ(textesBureau::FenetreDeLOnglet(fenetres, 4), 10);
    EXPECT_EQ(textesBureau::FenetreDeLOnglet(fenetres, 1), 0);

    fenetres.Donnees(3)->titreUtilisateur = QStringLiteral("Tension aux bornes du condensateur");
    fenetres.Creer(14);
    EXPECT_EQ(textesBureau::Onglets(fenetres),
              (QStringList{"Calcul", "Tableur", "n° 1", "Tension aux bornes d", "n° A2", "n° 14"}));
    EXPECT_EQ(textesBureau::OngletCourant(fenetres), 5);
}

TEST(TextesBureauTest, TitleUserTitleAndSystemLine) {
    EXPECT_EQ(textesBureau::Titre(QString()), QStringLiteral(" PELAVORINE 2003"));
    EXPECT_EQ(textesBureau::Titre(QStringLiteral("/tmp/pendule.PL2")),
              QStringLiteral(" PELAVORINE 2003   -  /tmp/pendule.PL2"));

    const std::vector<std::pair<QString, QString>> legendes = {
        {"Fenêtre n° 1", ""},
        {"Fenêtre n° 1 : Pendule", "Pendule"},
        {"Fenêtre n° 1 :\t  Pendule : long", "Pendule : long"},
        {"Fenêtre n° 1 :", ""},
        {"Fenêtre n° 1 : " + QString(100, u'x'), QString(80 - 15, u'x')},
    };
    for (const auto& [legende, titre] : legendes)
        EXPECT_EQ(textesBureau::TitreSaisi(legende), titre) << legende.toStdString();

    auto tout = [](const QString&) { return true; };
    EXPECT_EQ(CoucheInterface::LigneSysteme("AUCUNE CARTE", 0, 0, false, QString(), tout),
              QStringLiteral(" AUCUNE CARTE"));
    EXPECT_EQ(
        CoucheInterface::LigneSysteme("SIMULATION", 2, 12.5, true, "Simulateur de boitier 2", tout),
        QStringLiteral(" SIMULATION [2 E/S : 12.5µs] - Simulateur de boit"));
    EXPECT_EQ(CoucheInterface::LigneSysteme("SIMULATION", 0, 12.5, true, "Boitier",
                                            [](const QString& t) { return t.size() < 20; }),
              QStringLiteral(" SIMULATION"));
}

TEST(HistoriqueFichiersTest, NinthFileDropsTheOldestAndReopeningMovesUp) {
    QStringList recents;
    for (int i = 1; i <= 9; ++i)
        historiqueFichiers::Ajouter(recents, QString("/t/f%1.PL2").arg(i));
    ASSERT_EQ(recents.size(), 8);
    EXPECT_EQ(recents.first(), "/t/f9.PL2");
    EXPECT_EQ(recents.last(), "/t/f2.PL2");
    historiqueFichiers::Ajouter(recents, "/t/f4.PL2");
    EXPECT_EQ(recents.size(), 8);
    EXPECT_EQ(recents.first(), "/t/f4.PL2");
    EXPECT_EQ(recents.count("/t/f4.PL2"), 1);
}

TEST(HistoriqueFichiersTest, LongPathsAreShortenedAtASlash) {
    const QString court = "/home/eleve/tp1.PL2";
    EXPECT_EQ(historiqueFichiers::Legende(court), court);
    const QString long60 = "/home/eleve/travaux/pratiques/mecanique/pendule/mesure01.PL2";
    ASSERT_EQ(long60.size(), 60);
    // The last 36 characters begin with "iques/mecanique/…": cut at the next "/".
    EXPECT_EQ(historiqueFichiers::Legende(long60), ".../mecanique/pendule/mesure01.PL2");
    // No "/" early enough: 18 characters are kept.
    const QString sansBarre = "/a/" + QString(40, u'x') + ".PL2";
    EXPECT_EQ(historiqueFichiers::Legende(sansBarre), "..." + QString(14, u'x') + ".PL2");
}

TEST_F(TraitementDemandesTest, ResizingTheDeskRescalesWindowsAndSnapsThemToTheEdges) {
    fenetres.Creer(2);
    DonneesFenetre& a = *fenetres.Donnees(1);
    a.gauche = 100;
    a.haut = 50;
    a.largeur = 300;
    a.hauteur = 200;
    DonneesFenetre& b = *fenetres.Donnees(2);
    b.gauche = 500;
    b.haut = 300;
    b.largeur = 497; // ends 3 pixels before the right edge
    b.hauteur = 200;
    geometrieBureau::Redimensionner(fenetres, 1000, 600, 1500, 900);
    EXPECT_EQ((std::vector<int>{a.gauche, a.haut, a.largeur, a.hauteur}),
              (std::vector<int>{150, 75, 450, 300}));
    EXPECT_EQ((std::vector<int>{b.gauche, b.haut, b.largeur, b.hauteur}),
              (std::vector<int>{750, 450, 750, 300}));
    a.gauche = -20;
    geometrieBureau::Redimensionner(fenetres, 1500, 900, 1500, 900);
    EXPECT_EQ(a.gauche, 0);
}
