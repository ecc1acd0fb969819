#pragma once

#include "core/calc/Directives.h"
#include "core/calc/SelectionErreur.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace pelavorine {

class Hote;
class MotDemandes;
class MoteurCalcul;
class TableVariables;
struct ReglagesNombres;

// Bits of the run flags word of the calculation sheet.
namespace drapeauFeuille {
inline constexpr int RedessinerApres = 1;  // redraw the curve windows after the run
inline constexpr int SansRedessin = 2;     // do not ask for that redraw
inline constexpr int EffacerCadre = 8;     // clear the change-request bit 64 after the run
inline constexpr int ArretFinBoucle = 128; // stop at the end of this repetition
} // namespace drapeauFeuille

// Run state of the calculation sheet. The repetition number and count live in the engine,
// which the family-of-curves lines read.
struct EtatFeuille {
    // 0 normal; > 0 error code; directive::Arret between .OFF and .ON; directive::Inhibition
    // stopped by .INHIB; directive::Init skipping an .INIT block; -9 interrupted.
    int statut = 0;
    int colonneErreur = 0;
    int ligneErreur = -1;       // line (from 0) of the last error reported
    int ligneBoucle = 0;        // line of the last .REPETER or .PERMANENT
    int premiereLigne = 0;      // first line to recompute (lowest line edited since the last run)
    int drapeaux = 0;           // run flags, drapeauFeuille bits
    bool occupe = false;        // a run is in progress
    bool enExecution = false;   // a line is being executed
    bool fenetreActive = false; // the calculation window is the active window
    bool silencieux = false;    // acquisition in progress: no boxes, no repetition bookkeeping
    bool inhibitionIgnoree = false; // .INHIB does not stop the run
    bool sansProgression = false;   // no progress text in the status line
    bool initVu = false;
    bool blocInit = false;
    bool modifie = false;  // the text changed since the last run
    int nbChiffres = 3;    // "Nb chiffres" of the window, 1..12
    bool ingenieur = true; // "Ingénieur" of the window
    QString message;       // error message of the status line (60 characters)
};

// The calculation sheet: its text, its results pane and the driver that runs it line by
// line through the engine, with its directives and repetitions.
class FeuilleCalcul {
    Q_DECLARE_TR_FUNCTIONS(FeuilleCalcul)

public:
    static constexpr int MinPoints = 2;
    static constexpr int MaxPoints = 10000;
    static constexpr int LongueurSaisie = 120; // a key typed in a longer line is refused
    static constexpr int LongueurMessage = 60;
    static constexpr int LongueurProgression = 80;

    // The sheet computes the variables of the table through the engine, reports to the host,
    // formats its results with the work's number settings and asks for what follows a run.
    FeuilleCalcul(TableVariables& variables, Hote& hote, const ReglagesNombres& nombres,
                  MotDemandes& demandes, MoteurCalcul& moteur);
    FeuilleCalcul(const FeuilleCalcul&) = delete;
    FeuilleCalcul& operator=(const FeuilleCalcul&) = delete;

    EtatFeuille etat;

    // --- Text and results pane (line i of the pane belongs to line i of the sheet) ---
    const QStringList& Lignes() const { return lignes_; }
    const QStringList& Resultats() const { return resultats_; }
    // A new text (work file, new work): no results, everything to recompute.
    void FixerLignes(const QStringList& lignes);
    void ModifierLigne(int i, const QString& texte);
    void InsererLigne(int i, const QString& texte);
    void SupprimerLigne(int i);
    void ToutSupprimer();
    // Line i was edited (typing, cut, paste, deletion): its results and those below are
    // cleared (first repetition) or blanked (later ones), and the run restarts there.
    void LigneEditee(int i);
    // Whether a key typed in this line is accepted.
    static bool FrappeAcceptee(const QString& ligne) { return ligne.size() <= LongueurSaisie; }

    // --- Runs ---
    // One pass over the sheet from that line (the acquisition run and the user actions call
    // it directly).
    void ExecuterFeuille(int premiereLigne);
    // The sheet run as a user command: one pass from the window, every repetition from the
    // desk.
    void LancerFeuille(int premiereLigne);
    // "&Exécuter" and "&Tout recalculer".
    void Executer() { LancerFeuille(etat.premiereLigne); }
    void ToutRecalculer() { LancerFeuille(0); }
    // Some line, trimmed, is neither empty nor a comment.
    bool FeuilleNonVide() const;
    // Some line, trimmed and upper-cased, begins with ".INHIB".
    bool FeuilleInhibee() const;

    // Reports the error of the status at that line and column: results cleared from the
    // line down, message kept for the status line, a box when the window is not active,
    // the faulty word to select when it is.
    void AfficherErreurFeuille(int ligne, int colonne);
    // The word the window selects after an error (ligne -1: none).
    const SelectionErreur& Selection() const { return selection_; }

    // --- Window settings ---
    // "Nb chiffres" (1..12) and "Ingénieur": a change shows the results again.
    void ChangerNbChiffres(int n);
    void ChangerIngenieur(bool ingenieur);

    // "Points": the dialog's texts, the check of a typed value and its application.
    struct SaisiePoints {
        int valeur = 0;
        QString message; // empty when the value is accepted
    };
    static QString TitrePoints();
    static QString InvitePoints();
    static SaisiePoints ValiderNbPoints(const QString& texte);
    // A value from 2 to 10000 that differs from NBPOINT resizes the time base and
    // recalculates everything; returns whether it changed.
    bool ChangerNbPoints(int n);

    // --- Pure helpers ---
    // Blanks trimmed, comments cut ('{' then ';' start a comment to the end of the line).
    static QString NettoyerLigne(const QString& ligne);
    // Status-line text while line i (0-based) of nbLignes runs.
    static QString TexteProgression(int ligne, int nbLignes, int numeroRepetition,
                                    int nombreRepetitions);

    // --- What the desk does for the sheet (empty by default) ---
    std::function<void()> afficherCourbes;     // .AFFICHER, and between repeated passes
    std::function<void()> emettreSorties;      // .EMETTRE
    std::function<bool()> fourierSelectionnee; // the Fourier analysis has a variable selected

private:
    void MarquerPerimees();
    void ReprendreAvant(int premiereLigne);
    // The slot of the variable that a line assigns (0 if none).
    int CaseAssignee(const QString& ligne) const;
    // Name before '=' of a formula line, spaces and family-of-curves prefix removed.
    static QString NomAssigne(const QString& ligneNettoyee);
    bool RecalculComplet() const;
    void AppliquerDirective(int ligne, const QString& texte);
    void EcrireResultat(int ligne, int slot);
    void EffacerResultats(int depuis);
    void BlanchirResultats(int depuis);
    void RafraichirSorties();
    TableVariables& variables_;
    Hote& hote_;
    const ReglagesNombres& nombres_;
    MotDemandes& demandes_;
    MoteurCalcul& moteur_;
    Directives directives_;
    QStringList lignes_;
    QStringList resultats_;
    SelectionErreur selection_;
    bool lancement_ = false;
};

} // namespace pelavorine
