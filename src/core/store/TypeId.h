#pragma once

#include <QString>
#include <cstdint>
#include <span>
#include <vector>

namespace pelavorine {

class TableVariables;

// The plain fields of a variable, apart from its points and abscissa data.
struct ChampsVariable {
    std::uint16_t Genre = 0;
    QString Nom;
    int Premier = 1;
    int NbPoints = 0;
    QString NomAbscisse;
    QString Unite;
    double Decalage = 0.0;
    double Multiplicateur = 1.0;
    bool AdaptationEchelle = false;
    std::int32_t Couleur = -1; // Windows colour value 0x00BBGGRR, -1 = not assigned yet
    std::uint8_t Style = 0;
    double Minimum = 0.0;
    double Maximum = 0.0;
    double Moyenne = 0.0;
    std::uint8_t NbCourbes = 1;
    bool Alloue = false;
    std::int16_t Origine = 0;
    std::uint16_t EtatInterne = 0; // bit 15 while a capacity change is in progress
    std::uint32_t Fenetres = 0;    // bit k-1: shown in curve window k
    std::int16_t Reference = 0;
};

// A named variable of the work: a scalar (capacity 1, value at index 0) or a table of points
// indexed from 1. It lives in one slot of its table from creation to deletion.
class TypeId : public ChampsVariable {
public:
    static constexpr double Indefini = 1e300; // abscissa of a point that has none

    explicit TypeId(TableVariables& table);
    virtual ~TypeId() = default;
    TypeId(const TypeId&) = delete;
    TypeId& operator=(const TypeId&) = delete;

    // All the plain fields at once (a copy of the variable's state is one value).
    ChampsVariable& Champs() { return *this; }
    const ChampsVariable& Champs() const { return *this; }

    int Capacite() const { return capacite_; }
    bool EstScalaire() const { return capacite_ == 1; }
    bool EstTable() const { return capacite_ > 1; }
    bool APoints() const { return !valeurs_.empty(); }
    // The points, index 0..Capacite (empty when there is no array).
    std::span<double> Valeurs() { return valeurs_; }
    std::span<const double> Valeurs() const { return valeurs_; }
    // Abscissa data; element 0 holds the length of the array.
    const std::vector<double>& DonneesAbscisse() const { return abscisse_; }
    // Replaces the abscissa data whole (work files, copies); element 0 is set to the length.
    void FixerDonneesAbscisse(std::vector<double> donnees);

    void Redefinir(const QString& nom, int capacite, std::uint16_t genre);
    void FixerCapacite(int n);
    double LirePoint(int i) const;
    void EcrirePoint(int i, double v);
    void CalculerStatistiques();
    void Tronquer(int i);
    void FixerReference(int r);

    // Abscissa forms.
    double AbscissePropre(int i) const;
    double Abscisse(int i, int fenetre) const;
    void FixerAbscisseLineaire(const QString& nom, double pas, double origine);
    void FixerAbscisseVariable(const QString& nom, const QString& nomFenetre);
    void EcrireAbscisse(int i, double v);
    bool AbscisseLineaireDefinie(double& origine, double& pas) const;
    // The name shown for the abscissa: the window name of a link, the name of a linear one.
    QString NomAbscisseAffiche() const;
    bool UtiliseAbscissePropre(const QString& abscisseFenetre) const;

    // Windows.
    int PremiereFenetre() const;
    bool EstAffichee(int fenetre) const;
    void AfficherDans(int fenetre, bool oui);
    void FixerFenetres(std::int64_t masque);

    // Frees the points and the abscissa data that no other variable names.
    virtual void Effacer();

protected:
    TableVariables& table_;

private:
    void LibererLien();
    void AttribuerCouleur();

    std::vector<double> valeurs_;
    std::vector<double> abscisse_;
    int capacite_ = 0;
};

} // namespace pelavorine
