#pragma once

#include "core/bureau/CommandesBureau.h"
#include "core/bureau/TraitementDemandes.h"
#include "core/bureau/VuesBureau.h"
#include "core/windows/HistoriqueDisposition.h"
#include "core/windows/Mosaique.h"

#include <QColor>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <QTimer>
#include <array>
#include <functional>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QToolBar;

namespace pelavorine {

class AcquisitionBureau;
class Configuration;
class DialoguesFichier;
class FenetreFeuille;
class FiltreEntrees;
class LigneEtat;
class MenuSaisie;
class SaisieGrecque;
class SelecteurGrec;
class TFenCourbe;
class Travail;

// The desk: the program's main window. It holds a frame per open window of the work's window
// table, dispatches the menu and icon commands, keeps the menus enabled as the work allows,
// shows the title, the status lines and the window tabs, and handles the change-request word
// when the program is idle.
class FenetrePrincipale : public QMainWindow, private VuesBureau {
    Q_OBJECT
public:
    FenetrePrincipale(Travail& travail, Configuration& configuration, QWidget* parent = nullptr);
    ~FenetrePrincipale() override;

    static QString TitreBase();

    // The open and save dialogs of the file commands; the commands stay disabled without them.
    void FixerDialogues(DialoguesFichier* dialogues);

    QAction* Action(Commande commande) const { return actions_.value(commande); }
    QAction* Icone(Commande commande) const { return icones_.value(commande); }
    QMenu* Menu(Commande menu) const { return menus_.value(menu); }
    QToolBar* BarreIcones() const { return barre_; }
    LigneEtat* Etat() const { return etat_; }
    QMdiArea* Zone() const { return zone_; }
    QMdiSubWindow* SousFenetre(int numero) const;
    // The curve window shown in a sub-window, nullptr when the slot is empty.
    TFenCourbe* Courbe(int numero) const;
    // The layout undo of "&Annuler".
    HistoriqueDisposition& Disposition() { return disposition_; }
    // Places windows in the layout of that variant (in the given order), the calculation
    // window in the bottom third when `feuille` is set.
    void AppliquerMosaique(const QList<int>& fenetres, int variante, bool feuille, bool tableur);
    // Ends the tool active in any window.
    void TerminerOutils();
    // Brings a window to the front and makes it current.
    void MontrerFenetre(int numero);
    // The calculation window, nullptr until "&Feuille de calcul" first shows it.
    FenetreFeuille* Feuille() const;
    TraitementDemandes& Traitement() { return traitement_; }
    // The recent-file items of "&Fichier", newest first.
    QList<QAction*> ActionsHistorique() const { return historique_; }
    // Greek typing, the edit fields' pop-up menu and the Greek-letter picker, for every form.
    SaisieGrecque* Saisie() const { return saisie_; }
    MenuSaisie* PopupSaisie() const { return menuSaisie_; }
    SelecteurGrec* Selecteur() const { return selecteur_; }
    // On while the calculation sheet runs; message boxes suspend it.
    FiltreEntrees* Filtre() const { return filtre_; }
    // "&Acquérir signaux" and what the desk does around a run.
    AcquisitionBureau& Acquisitions() const { return *acquisition_; }
    // The window is shown full screen.
    bool FenetrePleinEcran(int numero) const { return PleinEcran(numero); }
    // The parameters form on one of its pages (ModeleParametres::Page), on an input, a
    // variable or a window of that page (0: the first or current one); a page below 0 is
    // the one last shown.
    void OuvrirParametres(int page = -1, int element = 0);

    // Runs a command as its menu item or icon does; a command that is disabled does nothing.
    void Executer(Commande commande);
    // Everything shown from the work: frames, menus, tabs, title, recent files, system line.
    void Actualiser();
    void TraiterDemandes();
    void ActualiserMenus();
    void ActualiserOnglets(bool reconstruire);
    void ActualiserTitre();
    void ActualiserHistorique();
    void AjouterHistorique(const QString& nom);
    // An invalid colour takes the status-line colour.
    void AfficherLigneInfo(const QString& texte, const QColor& couleur = QColor());
    void AfficherLigneSysteme(const QString& texte, const QColor& couleur = QColor());
    // One frame per open window of the table, titled with its caption.
    void SynchroniserFenetres();
    // The desk's client area: the window area less 4 pixels at the right and the bottom.
    QSize ZoneClient() const;
    // "&Nouveau": with confirmer and a window open, asks "Réinitialisation complète" first.
    void NouveauTravail(bool confirmer);
    // An external module of the "E&xécuter" menu: a program is started unless it runs already.
    void LancerModule(const QString& chemin);
    void OuvrirFichier(const QString& nom);
    // Paints a dialog with a shade (0..7): its form, its groups, their captions and the texts
    // inside them. The program's own dialogs are painted with the configured shade when shown.
    static void AppliquerTeinte(QWidget* dialogue, int teinte);
    // What follows the options word on the desk: the Greek letters (0x0100).
    void AppliquerOptions();

    // Maintenance mode closes without the quit dialog.
    void FixerMaintenance(bool maintenance) { maintenance_ = maintenance; }
    // The quit dialog's answer for a work modified or not; tests answer it themselves.
    std::function<int(bool travailModifie)> demanderQuitter;

public slots:
    // "&Feuille de calcul": shows the calculation window on the desk.
    void OuvrirFeuilleCalcul();

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // VuesBureau
    void VerifierIntervalle() override;
    void ChangerNbPoints() override;
    void LancerFeuille() override;
    bool RecalculerFourier() override { return false; }
    void ResoudreAxes(int fenetre) override;
    void RegenererSorties() override {}
    void ActualiserTableur() override {}
    void DessinerCadre(int fenetre) override;
    void DessinerCommentaires(int fenetre) override;
    void DessinerCourbes(int fenetre) override;
    void EnvoyerReglagesVoies() override {}
    void MesurerAutomatiquement(int) override {}
    bool PleinEcran(int fenetre) const override;

    TFenCourbe* CreerCourbe(int numero);
    // The commands on the curve windows (tools, calibrations, mosaics, layout undo).
    void CommandeFenetre(Commande commande);
    // What the current window allows of a window command (stacks, image windows).
    bool EtatsFenetre(Commande commande) const;
    void NoterDisposition();
    void MosaiqueGenerale();
    void MosaiquesPredefinies();
    // "Vider la fenêtre": its arrows and comments go and it stops showing every curve.
    void ViderFenetre(int numero);
    // The close box of a window: the last one asks to save an unsaved work first.
    void FermerFenetre(int numero);
    // Ends its tool, clears its display and empties its slot (window 1 comes back when no
    // ordinary window is left).
    void SupprimerFenetre(int numero);
    void CreerMenus();
    void CreerIcones();
    void MontrerPopup(QAction* icone, int tag);
    // The hint of an icon of the bar.
    void MontrerBulle(QWidget* bouton);
    // The command has its handler in this program (the others stay disabled).
    bool Construite(Commande commande) const;
    void Inactif();
    void ArmerInactif();
    void FenetreActivee(QMdiSubWindow* sous);
    void OngletClique(int index);
    // Makes the curve window of a window tab current and brings it to the front.
    void MontrerFenetreDeLOnglet(int index);
    void DemanderTitres();
    void MasquerIconesEtInfo(bool masquer);
    void ClientChange();
    // The desk's frame and state as the work file keeps them.
    void NoterBureau();
    // The desk's state and frame as a work file just read keeps them.
    void AppliquerBureau();
    void CommandeFichier(Commande commande, const QString& nom = QString());
    void AppliquerGeometrie(int numero);
    void NoterGeometrie(int numero);
    void FermerSousFenetre(int numero);
    QColor CouleurEtat() const;

    Travail& travail_;
    Configuration& configuration_;
    DialoguesFichier* dialogues_ = nullptr;
    TraitementDemandes traitement_;
    QMdiArea* zone_;
    QToolBar* barre_ = nullptr;
    LigneEtat* etat_ = nullptr;
    QHash<Commande, QAction*> actions_;
    QHash<Commande, QAction*> icones_;
    QHash<Commande, QMenu*> menus_;
    QList<QAction*> historique_;
    QAction* separateurHistorique_ = nullptr;
    QList<QAction*> modules_;
    std::array<QMdiSubWindow*, 16> sousFenetres_{};
    QPointer<FenetreFeuille> feuille_;
    QPointer<QMdiSubWindow> sousFeuille_;
    SaisieGrecque* saisie_ = nullptr;
    MenuSaisie* menuSaisie_ = nullptr;
    SelecteurGrec* selecteur_ = nullptr;
    FiltreEntrees* filtre_ = nullptr;
    QTimer minuterie_;
    QSize client_;
    QPrinter* imprimante_ = nullptr;
    bool synchronisation_ = false;
    bool feuilleActive_ = false;   // the calculation window is the active form
    bool feuilleAgrandie_ = false; // shown again, the calculation window fills the desk
    bool maintenance_ = false;
    HistoriqueDisposition disposition_;
    mosaique::EtatMosaique mosaique_;
    bool feuilleEnMosaique_ = false;
    AcquisitionBureau* acquisition_ = nullptr;
    int pageParametres_ = 0;
};

} // namespace pelavorine
