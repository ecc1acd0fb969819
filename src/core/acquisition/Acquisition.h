#pragma once

#include "core/acquisition/ReglesParametres.h"

#include <pelavorine/interface.h>

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace pelavorine {

class CoucheInterface;
class Travail;
class TypeId;
class TypeSortie;
class TypeVoie;

// The text shown for an error code of an acquisition (empty for 0); minimale is the minimal
// period quoted by code 2.
QString MessageErreurAcquisition(int code, double minimale = 0.0);

// The "Acquérir signaux" command for automatic inputs: it checks the parameters, arms the
// interface, acquires one block (or blocks until Escape in permanent mode), converts the
// samples into the channel variables and runs what follows each block. Everything runs on
// the caller's thread: the library blocks and hands control back through the point callback
// and between blocks, where the host's interruption check is polled.
class Acquisition {
public:
    enum Code : int {
        Reussie = 0,
        Interrompue = PELAVORINE_ACQUISITION_INTERROMPUE, // 1, from the library
        DureeTropFaible = 2,
        RienEnService = 3,
        SansCarte = 4,
        TropDePoints = PELAVORINE_TROP_DE_POINTS, // 5, from the library
        // Not errors: an input is step-by-step (the desk opens that acquisition), or a run
        // was already in progress (the command was ignored).
        PasAPas = -1,
        DejaEnCours = -2,
    };
    static inline const QString TexteEnCours =
        QStringLiteral("ACQUISITION EN COURS   <ESC> pour interrompre...");
    static inline const QString QuestionConserver =
        QStringLiteral("Conserver les acquisitions précédentes");

    // What the desk knows of its windows; the headless tool leaves the defaults.
    struct Bureau {
        bool pleinEcranPossible = false; // the current window can go full screen
        bool fenetreMesureOuverte = false;
        bool spectreApres = false;    // a spectrum window follows the acquisition
        bool redessinComplet = false; // some shown item needs a full redraw at the end
    };

    Acquisition(Travail& travail, CoucheInterface& couche);
    ~Acquisition();
    Acquisition(const Acquisition&) = delete;
    Acquisition& operator=(const Acquisition&) = delete;

    // The whole command: 0 on success, an error code (its message already shown through the
    // host), PasAPas or DejaEnCours.
    int Lancer();

    // --- Hooks of the desk (all optional) ---
    // Point-by-point drawing: when set, each point is converted as it arrives and the hook
    // gets its number (from 1); the block is then not converted again.
    std::function<void(int point)> point;
    // Asked once the run is set up, when drawing each point is possible: whether the desk
    // can keep up with the period (the window set and the maps are known then). Without it,
    // a set `point` hook is always used.
    std::function<bool()> dessinParPoint;
    // Before and after the refresh that follows each block (the after-block requests have
    // been made and the sheet has run when the hook is called).
    std::function<void()> avantRafraichissement;
    std::function<void()> apresRafraichissement;
    // Called before each block with the block counter modulo 10.
    std::function<void(int)> progression;
    // The library brought back fewer points than asked (the desk beeps).
    std::function<void()> bip;
    Bureau bureau;

    // --- State of the last (or current) run ---
    bool EnCours() const { return enCours_; }
    bool DansBloc() const { return dansBloc_; }
    bool Arretee() const { return interrompue_; } // stopped by Escape or the library
    int CodeErreur() const { return erreur_; }
    int PointsAcquis() const { return pointsAcquis_; }
    int BlocsAcquis() const { return blocsAcquis_; }
    int AppelsAcquerirTable() const { return appelsTable_; }
    double DureeMinimale() const { return dureeMinimale_; }
    bool FeuilleApresBloc() const { return feuilleExecutee_; }
    std::uint16_t DemandesApresBloc() const { return demandesBloc_; }
    std::uint16_t DemandesFin() const { return demandesFin_; }
    // Curve windows (bit k−1 for window k) drawn by the run.
    std::uint32_t FenetresDuJeu() const { return jeuFenetres_; }
    int CompteurCopies() const { return compteurCopies_; }
    // The channel maps of the last run (one signed byte per slot, −1 = not in service).
    const std::array<std::int8_t, PELAVORINE_NB_CASES>& CarteA() const { return carteA_; }
    const std::array<std::int8_t, PELAVORINE_NB_CASES>& CarteB() const { return carteB_; }

private:
    // One scan slot of the ring, with what its conversion needs.
    struct Case {
        int slot = 0;
        TypeVoie* entree = nullptr;
        TypeSortie* sortie = nullptr;
        double* valeurs = nullptr; // points of the variable (index 1 = point 1)
        std::uint8_t calibre = 1;
        double echelle = 1.0;
        double decalage = 0.0;
        int recul = 0;        // output repeating an input: ring steps back to it
        bool rapport = false; // ratio channel (sensor 32)
    };

    int Preparer();
    void ConstruireJeuFenetres();
    void MiseEnPlace();
    void Executer();
    void ConstruireCartes();
    void ConstruireAnneau();
    void AcquerirBlocs();
    void PreparerCases(int points);
    void ConvertirScan(int scan);
    void ConvertirTampon(int premier, int dernier);
    void TerminerBloc(int points);
    void ExecuterFeuille();
    void ConserverPrecedentes();
    void CouperSorties();
    bool Arreter();
    void SurPoint(int point);
    static void RappelPoint(std::int32_t point);

    Travail& travail_;
    CoucheInterface& couche_;
    regles::ComptesVoies comptes_;
    bool enCours_ = false;
    bool dansBloc_ = false;
    bool interrompue_ = false;
    int erreur_ = 0;
    int pointsAcquis_ = 0;
    int pointsDemandes_ = 0;
    int blocsAcquis_ = 0;
    int appelsTable_ = 0;
    int convertis_ = 0; // points converted one by one in the current block
    double dureeMinimale_ = 0.0;
    int typeAffichage_ = 0;
    bool pointParPoint_ = false;
    bool sondeEchap_ = false;
    bool dessinApresBloc_ = false;
    bool feuilleExecutee_ = false;
    bool abscisseCalculee_ = false;
    std::uint16_t demandesBloc_ = 0;
    std::uint16_t demandesFin_ = 0;
    std::uint32_t jeuFenetres_ = 0;
    int compteurCopies_ = 1;
    std::array<std::int8_t, PELAVORINE_NB_CASES> carteA_{};
    std::array<std::int8_t, PELAVORINE_NB_CASES> carteB_{};
    std::vector<int> ordre_; // slots in ring order
    std::vector<Case> cases_;
    std::vector<std::int16_t> tampon_;
    // The run whose blocks are under way. The library's point callback is a plain C function
    // of the point number, with no user data to carry the run: RappelPoint finds it here. Set
    // by AcquerirBlocs for the blocks only, null otherwise.
    static Acquisition* active_;
};

} // namespace pelavorine
