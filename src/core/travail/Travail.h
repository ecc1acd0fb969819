#pragma once

#include "core/format/BlocEnregistrement.h"
#include "core/interface/CoucheInterface.h"
#include "core/interface/ParametresAcquisition.h"
#include "core/store/Demandes.h"
#include "core/store/DescriptionVoies.h"
#include "core/store/EnvironnementTable.h"
#include "core/store/Genres.h"
#include "core/store/ReglagesNombres.h"
#include "core/store/TableVariables.h"
#include "core/travail/ReglagesExportTexte.h"
#include "core/windows/EtatBureau.h"
#include "core/windows/EtatFenetreFeuille.h"
#include "core/windows/TableFenetres.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

namespace pelavorine {

class Hote;
class FeuilleCalcul;
class MoteurCalcul;

// The whole current work: variables, windows, acquisition parameters, display settings and
// the change-request word. The application, the headless tool and each test own one.
class Travail : public EnvironnementTable {
public:
    // Parts of ReinitialiserTravail.
    enum Partie : int {
        Redessiner = 1,
        ToutReconstruire = 2,
        RechargerFeuille = 4,
        EffacerNotes = 8,
    };

    explicit Travail(Hote& hote, DescriptionVoies voies = DescriptionVoies::SansSysteme());
    ~Travail() override;
    Travail(const Travail&) = delete;
    Travail& operator=(const Travail&) = delete;

    Hote& hote() { return hote_; }
    TableVariables& Variables() { return variables_; }
    const TableVariables& Variables() const { return variables_; }
    pelavorine::TableFenetres& TableDesFenetres() { return fenetres_; }
    const pelavorine::TableFenetres& TableDesFenetres() const { return fenetres_; }
    ParametresAcquisition& Parametres() { return parametres_; }
    const ParametresAcquisition& Parametres() const { return parametres_; }
    const DescriptionVoies& Voies() const { return voies_; }
    // The channels the next new work creates (start-up gives those of the interface).
    void FixerVoies(DescriptionVoies voies) { voies_ = std::move(voies); }
    // The acquisition interface layer; its logic ports serve IN and OUT. A work starts
    // without a system until its owner loads one.
    CoucheInterface& Interface() { return interface_; }
    const CoucheInterface& Interface() const { return interface_; }
    // The calculation engine and the calculation sheet of the work.
    MoteurCalcul& Moteur() { return *moteur_; }
    FeuilleCalcul& Feuille() { return *feuille_; }
    const MoteurCalcul& Moteur() const { return *moteur_; }
    const FeuilleCalcul& Feuille() const { return *feuille_; }

    // The number display settings follow the options word (see AppliquerOptions).
    ReglagesNombres nombres;
    std::uint16_t options = option::ParDefaut;
    // Marker spacing of combined styles: 1, or NBPOINT / 20 with spaced markers.
    int espacementMarqueurs = 1;
    QString fichierCourant;
    bool modifie = false;
    bool demarrage = false; // start-up in progress
    QString notes;
    EtatBureau bureau;
    // The calculation-sheet window, once it exists (the work file keeps it then).
    std::optional<EtatFenetreFeuille> fenetreFeuille;
    // The description typed in the save dialog, kept in the work file's header.
    QString description;
    // The file type of the last open or save dialog is the older form (.PLC): writes use it.
    bool fichierCompatible = false;
    // The text export settings, kept while the program runs.
    ReglagesExportTexte exportTexte;
    // Records of the work file that no part of the program reads yet, written back as read.
    EnregistrementsConserves conserves;

    // Makes the display settings and the marker spacing follow the options word.
    void AppliquerOptions();

    // Empties the work and builds it again; parties is a set of Partie bits.
    void ReinitialiserTravail(int nbpoints, int parties);
    // A new empty work: the variables of the interface's channels, window 1 over T.
    void PreparerNouveauTravail();

    std::uint16_t Demandes() const { return demandes_.Bits(); }
    MotDemandes& MotDesDemandes() { return demandes_; }
    // Returns the pending requests and clears them (the desk's idle processing).
    std::uint16_t PrendreDemandes() { return demandes_.Prendre(); }
    // Withdraws some pending requests.
    void EffacerDemandes(std::uint16_t bits) { demandes_.Effacer(bits); }

    // EnvironnementTable
    std::uint16_t Options() const override { return options; }
    double IntervalleEchantillonnage() const override { return parametres_.periode; }
    void DemanderMiseAJour(std::uint16_t bits) override { demandes_.Demander(bits); }
    bool DemarrageTermine() const override { return !demarrage; }
    FenetresVariables& Fenetres() override { return fenetres_; }
    const FenetresVariables& Fenetres() const override { return fenetres_; }
    void NbPointsChange(bool tablesAjustees) override;

    // The calculation sheet has run since NBPOINT last changed.
    bool feuilleCalculee = false;

private:
    Hote& hote_;
    MotDemandes demandes_;
    DescriptionVoies voies_;
    pelavorine::TableFenetres fenetres_;
    ParametresAcquisition parametres_;
    TableVariables variables_;
    CoucheInterface interface_;
    std::unique_ptr<MoteurCalcul> moteur_;
    std::unique_ptr<FeuilleCalcul> feuille_;
};

} // namespace pelavorine
