#pragma once

#include <QList>
#include <QString>

namespace pelavorine {

// Every command of the desk: its menus, menu items, window actions and icon-only commands.
enum class Commande : int {
    // Menus of the menu bar, and the two sub-menus of "&Edition".
    MenuFichier,
    MenuEdition,
    MenuCommentaires,
    MenuFleches,
    MenuMateriel,
    MenuExecuter,
    MenuTraitements,
    MenuOutils,
    Parametres, // a menu-bar item that is itself a command
    MenuFenetres,
    MenuAction,
    MenuAide,
    // "&Fichier"
    Nouveau,
    Ouvrir,
    Enregistrer,
    EnregistrerSous,
    Imprimer,
    ConfigurerImprimante,
    Quitter,
    // "&Edition"
    Annuler,
    Copier,
    Coller,
    ModeTableur,
    TableVariables,
    CommentaireCreer,
    CommentaireSupprimer,
    CommentaireCacher,
    CommentaireAfficher,
    FlecheCreer,
    FlecheSupprimer,
    FlecheCacher,
    FlecheAfficher,
    Droites,
    FeuilleNotes,
    LireImage,
    // "&Matériel"
    ChoisirSysteme,
    TesterSysteme,
    Capteurs,
    // "E&xécuter"
    AcquerirSignaux,
    SortiesAnalogiques,
    SortiesLogiques,
    // "&Traitements"
    FeuilleCalcul,
    LancerCalculs,
    Derivation,
    Integration,
    Modelisation,
    EquationsDifferentielles,
    AnalyseFourier,
    SyntheseHarmonique,
    Vecteurs,
    Lissage,
    Reechantillonner,
    PartieCourbe,
    RampeLineaire,
    // "&Outils"
    Reticule,
    Pointeur,
    Tangente,
    CopieGraphique,
    Loupe,
    AnnulerLoupe,
    CalibrageGlobal,
    CalibrageCourbeActive,
    AnnulerCalibrage,
    MesuresAutomatiques,
    CopierVariable,
    BarreIcones,
    OptionsConfiguration,
    // "Fe&nêtres"
    EchellesAbscisse,
    NouvelleFenetre,
    SupprimerFenetre,
    RafraichirFenetre,
    TitreFenetre,
    PleinEcran,
    MosaiqueGenerale,
    MosaiquesPredefinies,
    MasquerIconesInfo,
    // "Action"
    DefinirAction,
    SupprimerAction,
    ActionTBase,
    // "&Aide"
    Sommaire,
    ServicesQuandrel,
    Ressources,
    APropos,
    // Window actions of the window pop-up menu only.
    CalibrageOrdonnee,
    CalibrageAbscisse,
    RepereOrthonorme,
    EffacerFenetre,
    ViderFenetre,
    // Icon-only commands.
    BasculerPleinEcran,
    ChoisirMosaique,
    ChoisirCalibrage,
    AnnulerOutil,
    NotationIngenieur,
    NbCommandes
};

constexpr int NbCommandes = static_cast<int>(Commande::NbCommandes);

// One entry of the menu bar: a menu, a sub-menu or an item, in menu order.
struct ElementMenu {
    Commande commande;
    Commande menu;      // the menu holding it (itself for a menu of the bar)
    const char* texte;  // the caption, untranslated (QT_TRANSLATE_NOOP "MenusBureau")
    const char* touche; // the shortcut in QKeySequence's portable form, or nullptr
    bool visible = true;
    bool separateurAvant = false;
    // Only shown beside the caption: the key belongs to an earlier command.
    bool toucheAffichee = false;
};

// One icon of the icon bar, in bar order.
struct IconeBureau {
    const char* nom;   // the object name
    const char* bulle; // the hint, untranslated (QT_TRANSLATE_NOOP "MenusBureau")
    Commande commande;
    bool visibleParDefaut;
    const char* legende = nullptr; // a text caption instead of a picture
};

// A menu of the bar or a sub-menu (holds items), rather than a command.
bool EstMenu(Commande commande);

// The menu bar of the desk, in menu order.
const QList<ElementMenu>& MenusDuBureau();
// The icon bar.
const QList<IconeBureau>& IconesDuBureau();
// The window actions a pop-up offers: tag 100 (calibrations), 200 (arrangements), 300 (the
// window itself), or all of them with 0.
QList<Commande> ActionsFenetre(int tag);
// The menu holding a command's item; Commande::NbCommandes for a command of no menu.
Commande MenuDe(Commande commande);
// The caption of a command (with its "&"), translated; empty for an icon-only command.
QString TexteCommande(Commande commande);
// The hint of a window action, translated, empty when it has none.
QString BulleAction(Commande commande);

} // namespace pelavorine
