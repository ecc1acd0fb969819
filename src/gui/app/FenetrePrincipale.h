#pragma once

#include "core/bureau/CommandesBureau.h"
#include "gui/acquisition/BureauAcquisition.h"

#include <QColor>
#include <QList>
#include <QMainWindow>
#include <QSize>
#include <functional>
#include <memory>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace pelavorine {

class AcquisitionBureau;
class BarreDesIcones;
class CadreBureau;
class Configuration;
class DialoguesFichier;
class FenetreFeuille;
class FichiersBureau;
class FiltreEntrees;
class HistoriqueDisposition;
class LigneEtat;
class MenuBureau;
class MenuSaisie;
class MosaiquesBureau;
class OngletsBureau;
class RafraichissementBureau;
class SaisieGrecque;
class SelecteurGrec;
class TableCommandes;
class TFenCourbe;
class TraitementDemandes;
class Travail;
class ZoneFenetres;

// The desk: the program's main window, made of its menu bar, icon bar, window area, window
// tabs and status bar. It runs the commands through its command table, keeps them enabled as
// the work allows, shows the title and the status lines, and is what a run sees of the desk.
class FenetrePrincipale : public QMainWindow, private BureauAcquisition {
    Q_OBJECT
public:
    FenetrePrincipale(Travail& travail, Configuration& configuration, QWidget* parent = nullptr);
    ~FenetrePrincipale() override;

    static QString TitreBase();

    // The open and save dialogs of the file commands; the commands stay disabled without them.
    void FixerDialogues(DialoguesFichier* dialogues);

    QAction* Action(Commande commande) const;
    QAction* Icone(Commande commande) const;
    QMenu* Menu(Commande menu) const;
    QToolBar* BarreIcones() const;
    LigneEtat* Etat() const { return etat_; }
    QMdiArea* Zone() const;
    QMdiSubWindow* SousFenetre(int numero) const;
    // The curve window shown in a sub-window, nullptr when the slot is empty.
    TFenCourbe* Courbe(int numero) const override;
    // The layout undo of "&Annuler".
    HistoriqueDisposition& Disposition();
    // Places windows in the layout of that variant (in the given order), the calculation
    // window in the bottom third when `feuille` is set.
    void AppliquerMosaique(const QList<int>& fenetres, int variante, bool feuille, bool tableur);
    // Ends the tool active in any window.
    void TerminerOutils() override;
    // Brings a window to the front and makes it current.
    void MontrerFenetre(int numero);
    // The calculation window, nullptr until "&Feuille de calcul" first shows it.
    FenetreFeuille* Feuille() const;
    TraitementDemandes& Traitement();
    // The recent-file items of "&Fichier", newest first.
    QList<QAction*> ActionsHistorique() const;
    // Greek typing, the edit fields' pop-up menu and the Greek-letter picker, for every form.
    SaisieGrecque* Saisie() const { return saisie_; }
    MenuSaisie* PopupSaisie() const { return menuSaisie_; }
    SelecteurGrec* Selecteur() const { return selecteur_; }
    // On while the calculation sheet runs; message boxes suspend it.
    FiltreEntrees* Filtre() const override { return filtre_; }
    // "&Acquérir signaux" and what the desk does around a run.
    AcquisitionBureau& Acquisitions() const { return *acquisition_; }
    // The window is shown full screen.
    bool FenetrePleinEcran(int numero) const override;
    // The parameters form on one of its pages (ModeleParametres::Page), on an input, a
    // variable or a window of that page (0: the first or current one); a page below 0 is
    // the one last shown.
    void OuvrirParametres(int page = -1, int element = 0);
    // The commands the desk carries out, each with its handler.
    TableCommandes& Commandes() { return *commandes_; }

    // Runs a command as its menu item or icon does; a command that is disabled does nothing.
    void Executer(Commande commande);
    // Everything shown from the work: frames, menus, tabs, title, recent files, system line.
    void Actualiser();
    void TraiterDemandes() override;
    void ActualiserMenus();
    void ActualiserOnglets(bool reconstruire);
    void ActualiserTitre() override;
    void ActualiserHistorique();
    void AjouterHistorique(const QString& nom);
    // An invalid colour takes the status-line colour.
    void AfficherLigneInfo(const QString& texte, const QColor& couleur = QColor()) override;
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
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // BureauAcquisition
    QLabel* PointCourant() const override;

    // A menu, or a command whose handler is registered (the others stay disabled).
    bool Construite(Commande commande) const;
    // What the calculation window asks of the desk: saving, the spreadsheet, its runs.
    void RelierFeuille(FenetreFeuille* feuille);
    QColor CouleurEtat() const;

    Travail& travail_;
    Configuration& configuration_;
    LigneEtat* etat_ = nullptr;
    SaisieGrecque* saisie_ = nullptr;
    MenuSaisie* menuSaisie_ = nullptr;
    SelecteurGrec* selecteur_ = nullptr;
    FiltreEntrees* filtre_ = nullptr;
    AcquisitionBureau* acquisition_ = nullptr;
    bool maintenance_ = false;
    int pageParametres_ = 0;
    // The parts go, in reverse order, before the widgets they watch.
    std::unique_ptr<CadreBureau> cadre_;
    std::unique_ptr<ZoneFenetres> fenetres_;
    std::unique_ptr<MenuBureau> menus_;
    std::unique_ptr<BarreDesIcones> icones_;
    std::unique_ptr<OngletsBureau> onglets_;
    std::unique_ptr<RafraichissementBureau> rafraichissement_;
    std::unique_ptr<MosaiquesBureau> mosaiques_;
    std::unique_ptr<FichiersBureau> fichiers_;
    std::unique_ptr<TableCommandes> commandes_;
};

} // namespace pelavorine
