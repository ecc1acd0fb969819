#include "core/bureau/CommandesBureau.h"

#include <QCoreApplication>

namespace pelavorine {

namespace {

using C = Commande;

#define T(texte) QT_TRANSLATE_NOOP("MenusBureau", texte)

ElementMenu Menu(C c, const char* texte) {
    return {c, c, texte, nullptr};
}
ElementMenu Item(C menu, C c, const char* texte, const char* touche = nullptr) {
    return {c, menu, texte, touche};
}
ElementMenu Cache(C menu, C c, const char* texte) {
    ElementMenu e = Item(menu, c, texte);
    e.visible = false;
    return e;
}
ElementMenu Apres(ElementMenu e) {
    e.separateurAvant = true;
    return e;
}

QList<ElementMenu> Construire() {
    QList<ElementMenu> m;
    m << Menu(C::MenuFichier, T("&Fichier")) << Item(C::MenuFichier, C::Nouveau, T("&Nouveau"))
      << Item(C::MenuFichier, C::Ouvrir, T("&Ouvrir"), "Ctrl+O")
      << Item(C::MenuFichier, C::Enregistrer, T("&Enregistrer"), "Ctrl+S")
      << Item(C::MenuFichier, C::EnregistrerSous, T("En&registrer sous..."))
      << Item(C::MenuFichier, C::Imprimer, T("&Imprimer"), "Ctrl+P")
      << Item(C::MenuFichier, C::ConfigurerImprimante, T("&Configurer Imprimante"))
      << Item(C::MenuFichier, C::Quitter, T("&Quitter"), "Ctrl+Q");

    m << Menu(C::MenuEdition, T("&Edition"))
      << Item(C::MenuEdition, C::Annuler, T("&Annuler"), "Ctrl+Z")
      << Cache(C::MenuEdition, C::Copier, T("&Copier"))
      << Cache(C::MenuEdition, C::Coller, T("C&oller"))
      << Item(C::MenuEdition, C::ModeTableur, T("&Mode Tableur"), "F11")
      << Item(C::MenuEdition, C::TableVariables, T("&Table des variables"), "F12")
      << ElementMenu{C::MenuCommentaires, C::MenuEdition, T("Commentaires"), nullptr}
      << Item(C::MenuCommentaires, C::CommentaireCreer, T("&Créer"))
      << Item(C::MenuCommentaires, C::CommentaireSupprimer, T("&Supprimer"))
      << Item(C::MenuCommentaires, C::CommentaireCacher, T("Cac&her"))
      << Item(C::MenuCommentaires, C::CommentaireAfficher, T("&Afficher"))
      << ElementMenu{C::MenuFleches, C::MenuEdition, T("Flèches"), nullptr}
      << Item(C::MenuFleches, C::FlecheCreer, T("&Créer"))
      << Item(C::MenuFleches, C::FlecheSupprimer, T("&Supprimer"))
      << Item(C::MenuFleches, C::FlecheCacher, T("Cac&her"))
      << Item(C::MenuFleches, C::FlecheAfficher, T("&Afficher"))
      << Item(C::MenuFleches, C::Droites, T("&Droites"))
      << Item(C::MenuEdition, C::FeuilleNotes, T("Feuille de &notes"), "Ctrl+N")
      << Apres(Item(C::MenuEdition, C::LireImage, T("&Lire image ou séquence vidéo")));

    m << Menu(C::MenuMateriel, T("&Matériel"))
      << Item(C::MenuMateriel, C::ChoisirSysteme, T("Choisir système"))
      << Item(C::MenuMateriel, C::TesterSysteme, T("Tester système"))
      << Item(C::MenuMateriel, C::Capteurs, T("&Capteurs"));

    m << Menu(C::MenuExecuter, T("E&xécuter"))
      << Item(C::MenuExecuter, C::AcquerirSignaux, T("&Acquérir signaux"), "F10")
      << Item(C::MenuExecuter, C::SortiesAnalogiques, T("Sorties &analogiques"))
      << Item(C::MenuExecuter, C::SortiesLogiques, T("Sorties &logiques"));

    m << Menu(C::MenuTraitements, T("&Traitements"))
      << Item(C::MenuTraitements, C::FeuilleCalcul, T("&Feuille de calcul"), "F3")
      << Item(C::MenuTraitements, C::LancerCalculs, T("&Lancer les calculs"), "F2")
      << Item(C::MenuTraitements, C::Derivation, T("&Dérivation"))
      << Item(C::MenuTraitements, C::Integration, T("Intégration"))
      << Item(C::MenuTraitements, C::Modelisation, T("&Modélisation"), "F4")
      << Item(C::MenuTraitements, C::EquationsDifferentielles, T("&Equations Différentielles"),
              "F5")
      << Item(C::MenuTraitements, C::AnalyseFourier, T("&Analyse de Fourier"), "F6")
      << Item(C::MenuTraitements, C::SyntheseHarmonique, T("&Synthèse harmonique"), "F7")
      << Item(C::MenuTraitements, C::Vecteurs, T("Vecteurs"))
      << Item(C::MenuTraitements, C::Lissage, T("Li&ssage"))
      << Item(C::MenuTraitements, C::Reechantillonner, T("&Rééchantillonner"))
      << Item(C::MenuTraitements, C::PartieCourbe, T("Partie de courbe"))
      << Item(C::MenuTraitements, C::RampeLineaire, T("&Rampe linéaire"));

    m << Menu(C::MenuOutils, T("&Outils")) << Item(C::MenuOutils, C::Reticule, T("&Réticule"))
      << Item(C::MenuOutils, C::Pointeur, T("&Pointeur"))
      << Item(C::MenuOutils, C::Tangente, T("&Tangente"))
      << Item(C::MenuOutils, C::CopieGraphique, T("Copie &graphique"))
      << Item(C::MenuOutils, C::Loupe, T("&Loupe"))
      << Item(C::MenuOutils, C::AnnulerLoupe, T("Annuler loupe"))
      << Item(C::MenuOutils, C::CalibrageGlobal, T("Calibrage global"))
      << Item(C::MenuOutils, C::CalibrageCourbeActive, T("Calibrage sur courbe active"))
      << Item(C::MenuOutils, C::AnnulerCalibrage, T("Annuler calibrage"))
      << Item(C::MenuOutils, C::MesuresAutomatiques, T("&Mesures automatiques"), "Ctrl+A")
      << Item(C::MenuOutils, C::CopierVariable, T("Copier une &variable"))
      << Item(C::MenuOutils, C::BarreIcones, T("&Barre des icônes"))
      << Item(C::MenuOutils, C::OptionsConfiguration, T("&Options de configuration"));

    // F7 is taken by "&Synthèse harmonique", which comes first in menu order.
    ElementMenu parametres{C::Parametres, C::Parametres, T("&Paramètres"), "F7"};
    parametres.toucheAffichee = true;
    m << parametres;

    m << Menu(C::MenuFenetres, T("Fe&nêtres"))
      << Item(C::MenuFenetres, C::EchellesAbscisse, T("Échelles et abscisse"))
      << Item(C::MenuFenetres, C::NouvelleFenetre, T("Nouvelle fenêtre"))
      << Item(C::MenuFenetres, C::SupprimerFenetre, T("&Supprimer"))
      << Item(C::MenuFenetres, C::RafraichirFenetre, T("Rafraîchir la fenêtre"), "F8")
      << Item(C::MenuFenetres, C::TitreFenetre, T("Titre de fenêtre"))
      << Item(C::MenuFenetres, C::PleinEcran, T("Plein écran"))
      << Item(C::MenuFenetres, C::MosaiqueGenerale, T("Mosaique générale"))
      << Item(C::MenuFenetres, C::MosaiquesPredefinies, T("Mosaiques prédéfinies"))
      << Item(C::MenuFenetres, C::MasquerIconesInfo, T("Masquer icones et info"));

    m << Menu(C::MenuAction, T("Action"))
      << Item(C::MenuAction, C::DefinirAction, T("Définir une action de calcul"))
      << Item(C::MenuAction, C::SupprimerAction, T("Supprimer une action"))
      << Item(C::MenuAction, C::ActionTBase, T("Action sur TBase"));

    m << Menu(C::MenuAide, T("&Aide")) << Item(C::MenuAide, C::Sommaire, T("&Sommaire"), "F1")
      << Item(C::MenuAide, C::ServicesQuandrel, T("Services QUANDREL"))
      << Item(C::MenuAide, C::Ressources, T("&Ressources"))
      << Item(C::MenuAide, C::APropos, T("&A propos de"));
    return m;
}

struct ActionSeule {
    Commande commande;
    const char* texte;
    const char* bulle;
};

// Window actions that only the window pop-up menu and the icons offer.
constexpr ActionSeule kActionsSeules[] = {
    {C::CalibrageOrdonnee, T("Calibrage en ordonnée"), nullptr},
    {C::CalibrageAbscisse, T("Calibrage en abscisse"), nullptr},
    {C::RepereOrthonorme, T("Repère orthonormé"), nullptr},
    {C::EffacerFenetre, T("Effacer la fenêtre"), T("Effacer le contenu de la fenêtre")},
    {C::ViderFenetre, T("Vider la fenêtre"), T("Supprimer l'affichage des courbes")},
};

QList<IconeBureau> ConstruireIcones() {
    return {
        {"BoutonNouveau", T("Nouveau travail"), C::Nouveau, false},
        {"BoutonLire", T("Ouvrir un fichier"), C::Ouvrir, true},
        {"BoutonEcrire", T("Enregistrer sous"), C::EnregistrerSous, true},
        {"BoutonImprimer", T("Imprimer"), C::Imprimer, true},
        {"BoutonPleinEcran", T("Plein écran"), C::BasculerPleinEcran, false},
        {"BoutonMosaiqueComplete", T("Mosaïque générale"), C::MosaiqueGenerale, false},
        {"BoutonDefinirMosaique", T("Mosaïque personnalisée"), C::MosaiquesPredefinies, false},
        {"BoutonMosaiques", T("Définir la mosaïque"), C::ChoisirMosaique, true},
        {"BoutonTableur", T("Mode tableur"), C::ModeTableur, false},
        {"BoutonTableVariables", T("Table des variables"), C::TableVariables, true},
        {"BoutonNotes", T("Feuille de notes"), C::FeuilleNotes, true},
        {"BoutonCalculs", T("Feuille de calcul"), C::FeuilleCalcul, false},
        {"BoutonFleche", T("Flèche indicatrice"), C::FlecheCreer, true},
        {"BoutonCommentaire", T("Commentaire"), C::CommentaireCreer, true},
        {"BoutonAnnulerOutil", T("Annuler un outil"), C::AnnulerOutil, true},
        {"BoutonReticule", T("Réticule"), C::Reticule, true},
        {"BoutonLoupeActiver", T("Activer la loupe"), C::Loupe, true},
        {"BoutonAnnulerLoupe", T("Annuler la loupe"), C::AnnulerLoupe, true},
        {"BoutonTangente", T("Tangente"), C::Tangente, true},
        {"BoutonCalibrage", T("Calibrage sur courbe"), C::CalibrageCourbeActive, true},
        {"BoutonCalibrageTotal", T("Calibrage global"), C::CalibrageGlobal, true},
        {"BoutonCalibrages", T("Choisir un calibrage"), C::ChoisirCalibrage, false},
        {"BoutonAnnulerCalibrage", T("Annuler calibrage "), C::AnnulerCalibrage, true},
        {"BoutonScientifique", T("Bascule notation numérique"), C::NotationIngenieur, true, "µ"},
        {"BoutonPointeur", T("Pointeur"), C::Pointeur, true},
        {"BoutonNouvelleFenetre", T("Nouvelle fenêtre"), C::NouvelleFenetre, false},
        {"BoutonSelection", T("Copier vers le presse papier"), C::CopieGraphique, true},
        {"BoutonRafraichir", T("Rafraîchir l'écran"), C::RafraichirFenetre, true},
        {"BoutonCalculer", T("Calculer"), C::LancerCalculs, true},
        {"BoutonAcquerir", T("Acquérir les signaux"), C::AcquerirSignaux, true},
        {"BoutonLissage", T("Lissage d'une courbe"), C::Lissage, false},
        {"BoutonFourier", T("Analyse de Fourier"), C::AnalyseFourier, false},
        {"BoutonSynthese", T("Synthèse de signal"), C::SyntheseHarmonique, false},
        {"BoutonModele", T("Modélisation"), C::Modelisation, false},
        {"BoutonEquaDiff", T("Équation différentielle"), C::EquationsDifferentielles, false},
        {"BoutonVecteurs", T("Vecteurs Vitesses et Accélérations"), C::Vecteurs, false},
        {"BoutonMesures", T("Mesures automatiques"), C::MesuresAutomatiques, false},
        {"BoutonAide", T("Aide en ligne"), C::Sommaire, false},
        {"BoutonQuitter", T("Terminer Pelavorine"), C::Quitter, false},
    };
}

#undef T

QString Traduire(const char* texte) {
    return texte ? QCoreApplication::translate("MenusBureau", texte) : QString();
}

} // namespace

bool EstMenu(Commande commande) {
    switch (commande) {
    case C::MenuFichier:
    case C::MenuEdition:
    case C::MenuCommentaires:
    case C::MenuFleches:
    case C::MenuMateriel:
    case C::MenuExecuter:
    case C::MenuTraitements:
    case C::MenuOutils:
    case C::MenuFenetres:
    case C::MenuAction:
    case C::MenuAide:
        return true;
    default:
        return false;
    }
}

const QList<ElementMenu>& MenusDuBureau() {
    static const QList<ElementMenu> menus = Construire();
    return menus;
}

const QList<IconeBureau>& IconesDuBureau() {
    static const QList<IconeBureau> icones = ConstruireIcones();
    return icones;
}

QList<Commande> ActionsFenetre(int tag) {
    QList<Commande> actions;
    if (tag == 0 || tag == 100)
        actions << C::CalibrageGlobal << C::CalibrageCourbeActive << C::CalibrageOrdonnee
                << C::CalibrageAbscisse << C::RepereOrthonorme << C::AnnulerCalibrage;
    if (tag == 0 || tag == 200)
        actions << C::MosaiqueGenerale << C::MosaiquesPredefinies << C::PleinEcran;
    if (tag == 0 || tag == 300)
        actions << C::EchellesAbscisse << C::RafraichirFenetre << C::EffacerFenetre
                << C::ViderFenetre << C::TitreFenetre;
    if (tag == 0) actions << C::NouvelleFenetre;
    return actions;
}

Commande MenuDe(Commande commande) {
    for (const ElementMenu& e : MenusDuBureau())
        if (e.commande == commande) return e.menu;
    return C::NbCommandes;
}

QString TexteCommande(Commande commande) {
    for (const ElementMenu& e : MenusDuBureau())
        if (e.commande == commande) return Traduire(e.texte);
    for (const ActionSeule& a : kActionsSeules)
        if (a.commande == commande) return Traduire(a.texte);
    return {};
}

QString BulleAction(Commande commande) {
    for (const ActionSeule& a : kActionsSeules)
        if (a.commande == commande) return Traduire(a.bulle);
    return {};
}

} // namespace pelavorine
