#pragma once

#include "core/calc/RechercheFeuille.h"

#include <QWidget>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPrinter;
class QSpinBox;
class QTabBar;

namespace pelavorine {

class EditeurFeuille;
class FeuilleCalcul;
class SelecteurGrec;
class Travail;

// The calculation window: the sheet's editor, the results pane beside it (one result on
// the line of its formula, scrolling with the editor), the window's menus and its status
// line. The text lives in the work's sheet; the editor is its view and reports every edit
// to it, so that the results below the edit are cleared and the next run starts there.
class FenetreFeuille : public QWidget {
    Q_OBJECT

public:
    explicit FenetreFeuille(Travail& travail, QWidget* parent = nullptr);
    ~FenetreFeuille() override;

    EditeurFeuille* Editeur() const { return editeur_; }
    QPlainTextEdit* PanneauResultats() const { return resultats_; }
    // The window's status line: caret line, or the error of the last run.
    QLabel* LigneEtat() const { return ligneEtat_; }
    QAction* Action(const QString& nomObjet) const;
    // The Greek-letter picker, once "Letrres grecques" has opened it.
    SelecteurGrec* Selecteur() const { return selecteurGrec_; }

    // The sheet got a new text (work file, new work): the editor shows it again.
    void Recharger();
    // The numbers of the open curve windows, shown as tabs after "Calcul" and "Tableur".
    void FixerFenetres(const QStringList& numeros);
    QTabBar* Onglets() const { return onglets_; }
    // The sheet ran elsewhere (desk, acquisition): the results pane shows its results.
    void RafraichirResultats();

    // The window's commands, also reached by their menus.
    void Executer();
    void ToutRecalculer();
    // Looks for the string from the caret; the match is selected.
    void Rechercher(const QString& motif);
    // Each occurrence from the caret down is selected and replaced when the user confirms.
    void Remplacer(const QString& motif, const QString& remplacement);
    void Continuer();
    // Prints the sheet and its results on that printer; false (and the message) on a fault.
    bool Imprimer(QPrinter& imprimante);

    // The work file keeps this window (the work's fenetreFeuille). agrandie and mosaique are
    // the desk's flags for it: hidden, it comes back over the whole desk; the predefined
    // mosaics include it. Notes the window before a save.
    void NoterEtat(bool agrandie, bool mosaique);
    // After a read that gave the window: hidden first, then shown or kept hidden as the
    // file says; the desk's flags follow. The active window stays the active one.
    void AppliquerEtat(bool& agrandie, bool& mosaique);

signals:
    // Around each run of the sheet from this window (the desk filters the input meanwhile).
    void calculEnCours(bool enCours);
    void enregistrerDemande();
    void enregistrerSousDemande();
    void aideDemandee();
    // The tabs: go to the spreadsheet, or to the curve window of that number.
    void tableurDemande();
    void fenetreDemandee(const QString& numero);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void EtatSousFenetre(Qt::WindowStates ancien, Qt::WindowStates nouvel);
    void CreerMenus(QMenuBar* barre);
    void Lancer(int premiereLigne);
    void ApresCalcul();
    void SynchroniserFeuille();
    QStringList LignesEditeur() const;
    void AfficherResultats();
    void AlignerResultats();
    void MettreAJourEtat();
    void MettreAJourActions();
    void SelectionnerDansEditeur(int ligne, int colonne, int longueur);
    void DemanderRecherche(bool remplacer);
    void SupprimerLigneCourante();
    void ToutSupprimerTexte();
    void ChoisirFonte();
    void ChoisirCouleur(QPlainTextEdit* panneau);
    void BasculerMosaique();
    void DemanderPoints();
    void DemanderImpression();

    Travail& travail_;
    FeuilleCalcul& feuille_;
    EditeurFeuille* editeur_;
    QPlainTextEdit* resultats_;
    QLabel* ligneEtat_;
    QSpinBox* nbChiffres_;
    QCheckBox* ingenieur_;
    RechercheFeuille recherche_;
    SelecteurGrec* selecteurGrec_ = nullptr;
    QTabBar* onglets_;
    bool chargement_ = false;
};

} // namespace pelavorine
