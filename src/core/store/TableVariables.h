#pragma once

#include "core/store/EnvironnementTable.h"
#include "core/store/TypeId.h"

#include <QString>
#include <array>
#include <cstdint>
#include <memory>

namespace pelavorine {

struct DescriptionVoies;
class FenetresVariables;

// The 255 slots of named variables of the current work, with the time base (NBPOINT,
// TBASE, T) and the colours given to new curves.
class TableVariables {
public:
    static constexpr int NbCases = 255;
    static constexpr int LongueurNom = 12;
    // Codes left in codeErreur, from the calculation error table.
    static constexpr int ErreurNomIncorrect = 9;
    static constexpr int ErreurMemoire = 24;

    explicit TableVariables(EnvironnementTable& environnement);
    ~TableVariables();
    TableVariables(const TableVariables&) = delete;
    TableVariables& operator=(const TableVariables&) = delete;

    TypeId* Variable(int slot) {
        return slot >= 1 && slot <= NbCases ? cases_[static_cast<std::size_t>(slot)].get()
                                            : nullptr;
    }
    const TypeId* Variable(int slot) const {
        return slot >= 1 && slot <= NbCases ? cases_[static_cast<std::size_t>(slot)].get()
                                            : nullptr;
    }
    TypeId* operator[](int slot) { return Variable(slot); }

    // Name rules: the first 12 characters, blanks and tabs trimmed, ASCII letters upper-cased
    // unless names are case-sensitive.
    QString NormaliserNom(const QString& nom) const;
    bool NomValide(const QString& nom) const; // no error code left
    bool NomCorrect(const QString& nom);      // leaves ErreurNomIncorrect when not
    int IndexVariable(const QString& nom) const;
    // The slot that holds this very variable; 0 for null or a variable of no slot.
    int CaseDe(const TypeId* v) const;
    int CaseLibre() const;
    int CreerVariable(const QString& nom, int capacite, std::uint16_t genre);
    // Creates (or redefines) the variable in that slot, as a work file places it; 0 when the
    // name is invalid or already names a variable of another slot.
    int CreerVariableEn(int slot, const QString& nom, int capacite, std::uint16_t genre);
    // Puts a variable built by the caller (a channel, an output) in a free slot; 0 if full.
    int Placer(std::unique_ptr<TypeId> variable);

    void SupprimerVariable(const QString& nom);
    void SupprimerCase(int slot);
    void SupprimerPlage(int premier, int dernier);
    void SupprimerGenre(int depuis, std::uint16_t masque);
    void OublierNom(const QString& nom);

    // Empties every slot (last slot 0, colour position 1).
    void Vider();
    void InitialiserVariables(const DescriptionVoies& voies);
    void CreerBaseDeTemps(double tbase);
    void ChangerNbPoints(int n, bool ajuster);
    // Sets NBPOINT before the table is rebuilt (reset, work file).
    void FixerNbPoint(int n) { nbPoint_ = n; }

    void DemanderMiseAJour(std::uint16_t bits) { environnement_.DemanderMiseAJour(bits); }
    // Opens the windows that variables from the first user slot on ask for.
    void CreerFenetresReferencees();

    int DerniereCase() const { return derniereCase_; }
    int CaseTemps() const { return caseTemps_; }
    int PremiereCaseUtilisateur() const { return premiereCaseUtilisateur_; }
    int PremiereCaseLibre() const { return premiereCaseLibre_; }
    int PremiereCaseSortie() const { return premiereCaseSortie_; }
    int NbPoint() const { return nbPoint_; }
    double TBase() const { return tbase_; }

    std::uint16_t Options() const { return environnement_.Options(); }
    bool Casse() const;
    FenetresVariables& Fenetres() { return environnement_.Fenetres(); }
    const FenetresVariables& Fenetres() const { return environnement_.Fenetres(); }
    EnvironnementTable& Environnement() { return environnement_; }

    // Curve colours (Windows values 0x00BBGGRR); entry 0 is also channel 0's.
    std::array<std::int32_t, 16> palette;
    int positionCouleur = 1;
    std::int32_t couleurFond = 0xFFFFFF;
    int codeErreur = 0;

    static const std::array<std::int32_t, 16> PaletteInitiale;

private:
    void Detruire(int slot);
    void RecalculerDerniereCase();

    EnvironnementTable& environnement_;
    std::array<std::unique_ptr<TypeId>, NbCases + 1> cases_;
    int derniereCase_ = 0;
    int caseTemps_ = 0;
    int premiereCaseUtilisateur_ = 0;
    int premiereCaseLibre_ = 0;
    int premiereCaseSortie_ = 0;
    int nbPoint_ = 200;
    double tbase_ = 200e-6;
};

} // namespace pelavorine
