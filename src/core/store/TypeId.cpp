#include "core/store/TypeId.h"

#include "core/store/DonneesAbscisse.h"
#include "core/store/FenetresVariables.h"
#include "core/store/Genres.h"
#include "core/store/Nombres.h"
#include "core/store/TableVariables.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <new>

namespace pelavorine {

namespace {
constexpr std::uint16_t kChangementCapacite = 0x8000;
constexpr std::uint16_t kFormesAbscisse = genre::AbscisseLineaire | genre::AbscisseVariable;

// Own abscissa values for capacite points: element 0 the length, then one per point.
std::vector<double> AbscissesRedimensionnees(const std::vector<double>& donnees, int capacite) {
    std::vector<double> r(static_cast<std::size_t>(capacite) + 1, 0.0);
    const std::size_t n = std::min(r.size(), donnees.size());
    std::copy(donnees.begin() + 1, donnees.begin() + static_cast<std::ptrdiff_t>(n), r.begin() + 1);
    return r;
}
} // namespace

TypeId::TypeId(TableVariables& table) : table_(table) {
    FixerCapacite(0);
}

void TypeId::FixerDonneesAbscisse(std::vector<double> donnees) {
    if (!donnees.empty()) donnees[0] = static_cast<double>(donnees.size());
    abscisse_ = std::move(donnees);
}

void TypeId::Redefinir(const QString& nom, int capaciteDemandee, std::uint16_t genreNouveau) {
    const int capacite = capaciteDemandee & 0xFFFF;
    const bool changementCapacite = EtatInterne & kChangementCapacite;
    const std::uint16_t forme = Genre & kFormesAbscisse;
    // A linear abscissa or a link is a rule over any points: a redefinition that keeps it
    // keeps its data. Own abscissa values belong to the points they came with and go.
    if (!changementCapacite && !(forme != 0 && (genreNouveau & kFormesAbscisse) == forme))
        abscisse_.clear();

    const int ancienNbPoints = NbPoints;
    const bool avaitTableau = !valeurs_.empty();
    const bool redimension = Alloue && capacite != capacite_;

    std::vector<double> nouveau;
    bool alloue = false;
    if (capacite != 0 && (redimension || valeurs_.empty())) {
        try {
            nouveau.assign(static_cast<std::size_t>(capacite) + 1, 0.0);
            alloue = true;
            Alloue = true;
        } catch (const std::bad_alloc&) {
        }
        if (alloue) {
            if (redimension && avaitTableau) {
                const int n = std::min(capacite, capacite_);
                std::copy(valeurs_.begin() + 1, valeurs_.begin() + 1 + n, nouveau.begin() + 1);
                // A scalar keeps its value at index 0.
                nouveau[0] = valeurs_[0];
            } else {
                NbPoints = 0;
            }
        }
    }
    if (alloue) {
        valeurs_ = std::move(nouveau);
    } else if (redimension && capacite == 0) {
        valeurs_.clear();
        valeurs_.shrink_to_fit();
    }

    if (capacite != 0) {
        if (valeurs_.empty()) {
            table_.codeErreur = TableVariables::ErreurMemoire;
            return;
        }
        // Own abscissa values follow the points: one per point, those that still fit kept.
        if (changementCapacite && forme == 0 && !abscisse_.empty())
            FixerDonneesAbscisse(AbscissesRedimensionnees(abscisse_, capacite));
        // A table without a colour takes the next one, also when it was a scalar before
        // (a sheet line that becomes a table): a curve is never drawn without a colour.
        if (capacite > 1 && Couleur == -1) AttribuerCouleur();
        capacite_ = capacite;
        NbPoints = std::min(NbPoints, capacite_);
        if (capacite < 2 || NbPoints != ancienNbPoints) Minimum = Maximum = 0.0;
    }
    // An empty variable keeps its name and genre too, so that it can be found again.
    Nom = nom;
    Genre = genreNouveau;
    // A form of abscissa is nothing without its data: the caller that names one (a work
    // file's reader) gives the data with it.
    if (abscisse_.empty()) Genre &= ~kFormesAbscisse;
    if (nom.toUpper().startsWith(QLatin1String("T_"))) Genre |= genre::Temps;
    if (Genre & genre::Temps) Unite = QStringLiteral("s");
}

void TypeId::AttribuerCouleur() {
    // A new curve never takes the background colour.
    for (int essais = 0; essais < 16; ++essais) {
        Couleur = table_.palette[table_.positionCouleur];
        table_.positionCouleur = table_.positionCouleur >= 15 ? 1 : table_.positionCouleur + 1;
        if (Couleur != table_.couleurFond) break;
    }
}

void TypeId::FixerCapacite(int n) {
    if (n != capacite_ || (n == 0 && !valeurs_.empty())) {
        EtatInterne |= kChangementCapacite;
        Redefinir(Nom, n, Genre);
        EtatInterne &= ~kChangementCapacite;
        if (!(Genre & genre::Sortie)) CalculerStatistiques();
    }
    if (n == 0) capacite_ = 0;
}

double TypeId::LirePoint(int i) const {
    if (valeurs_.empty() || capacite_ == 0 || i > capacite_ || i < 0) return 0.0;
    return valeurs_[static_cast<std::size_t>(i)];
}

void TypeId::EcrirePoint(int i, double v) {
    if (i < 0 || i > capacite_) return;
    if (valeurs_.empty()) {
        try {
            valeurs_.assign(static_cast<std::size_t>(capacite_) + 1, 0.0);
            Alloue = true;
        } catch (const std::bad_alloc&) {
            return;
        }
    }
    valeurs_[static_cast<std::size_t>(i)] = v;
    if (i > NbPoints) NbPoints = i;
}

void TypeId::CalculerStatistiques() {
    Minimum = Maximum = Moyenne = 0.0;
    if (capacite_ < 2 || NbPoints == 0 || valeurs_.empty()) return;
    const int dernier = std::min(NbPoints, capacite_);
    const int premier = std::max(Premier, 1);
    if (premier > dernier) return;
    double somme = 0.0;
    double mini = valeurs_[premier];
    double maxi = mini;
    for (int i = premier; i <= dernier; ++i) {
        const double v = valeurs_[static_cast<std::size_t>(i)];
        somme += v;
        mini = std::min(mini, v);
        maxi = std::max(maxi, v);
    }
    const double moyenne = somme / (dernier - premier + 1);
    // A floating-point fault (overflow, invalid value) leaves the statistics at 0.
    if (!std::isfinite(somme) || !std::isfinite(mini) || !std::isfinite(maxi) ||
        !std::isfinite(moyenne))
        return;
    Minimum = mini;
    Maximum = maxi;
    Moyenne = moyenne;
}

void TypeId::Tronquer(int i) {
    const int debut = std::max(i, 0);
    for (int k = debut; k <= capacite_ && k < static_cast<int>(valeurs_.size()); ++k)
        valeurs_[static_cast<std::size_t>(k)] = 0.0;
    const bool abscissePropre = !NomAbscisse.isEmpty() && !abscisse_.empty() &&
                                !(Genre & (genre::AbscisseLineaire | genre::AbscisseVariable));
    if (abscissePropre)
        for (int k = std::max(debut, 1); k < static_cast<int>(abscisse_.size()); ++k)
            abscisse_[static_cast<std::size_t>(k)] = 0.0;
    NbPoints = std::max(i - 1, 0);
}

void TypeId::FixerReference(int r) {
    if (r == 0) Reference = 0;
    if (!AdaptationEchelle) return;
    if (r >= 256) r = 0;
    Reference = static_cast<std::int16_t>(std::abs(r));
    if (r < 0) return;
    const TypeId* ref = r >= 1 ? table_.Variable(r) : nullptr;
    const bool arrondi = table_.Options() & option::ArrondiFacteurs;
    const double etendue = Maximum - Minimum;
    double m = 1.0;
    if (ref && etendue != 0.0) m = (ref->Maximum - ref->Minimum) / etendue;
    if (arrondi) m = ArrondiPuissanceDix(m);
    if (m == 0.0) m = 1.0;
    Multiplicateur = m;
    Decalage = (ref && !arrondi) ? ref->Minimum - Minimum * Multiplicateur : 0.0;
}

bool TypeId::AbscisseLineaireDefinie(double& origine, double& pas) const {
    if (!(Genre & genre::AbscisseLineaire) || abscisse_.size() < 3) return false;
    origine = abscisse_[1];
    pas = abscisse_[2];
    return true;
}

double TypeId::AbscissePropre(int i) const {
    if (Genre & genre::AbscisseVariable) {
        const TypeId* x = table_.Variable(table_.IndexVariable(NomAbscisse));
        return x ? x->LirePoint(i) : Indefini;
    }
    double origine = 0.0, pas = 0.0;
    if (AbscisseLineaireDefinie(origine, pas)) return origine + (i - 1) * pas;
    if (i >= 1 && i < static_cast<int>(abscisse_.size())) return abscisse_[i];
    return Indefini;
}

bool TypeId::UtiliseAbscissePropre(const QString& abscisseFenetre) const {
    const bool lineaire = Genre & genre::AbscisseLineaire;
    const bool liee = Genre & genre::AbscisseVariable;
    const bool donnees = !abscisse_.empty();
    return (lineaire && NomAbscisse == abscisseFenetre && donnees) || liee ||
           (!lineaire && !liee && !NomAbscisse.isEmpty() && donnees);
}

double TypeId::Abscisse(int i, int fenetre) const {
    if (fenetre == 0) fenetre = PremiereFenetre();
    if (fenetre == 0) return AbscissePropre(i);
    const FenetresVariables& fenetres = table_.Fenetres();
    const QString nomT = QStringLiteral("T");
    const QString wa =
        NomAbscisse == QLatin1String("??") ? NomAbscisse : fenetres.NomAbscisse(fenetre);
    const int caseX = fenetres.CaseAbscisse(fenetre);
    const TypeId* x = table_.Variable(caseX);

    const bool propre = UtiliseAbscissePropre(wa);
    const bool lineaireOuLiee = Genre & (genre::AbscisseLineaire | genre::AbscisseVariable);
    const bool parFenetre = (!propre && abscisse_.empty()) ||
                            (lineaireOuLiee && NomAbscisse == nomT && x && x->Nom != nomT);

    double valeur = 0.0;
    if (parFenetre) {
        if (!x) return Indefini;
        if (i > x->Capacite()) {
            if ((Genre & genre::Calculee) && (Genre & genre::Reseau)) {
                const int n = table_.NbPoint();
                i = n > 0 ? i % n : i;
                if (i == 0) i = n;
            } else {
                i = NbPoints;
            }
        }
        valeur = x->LirePoint(i);
    } else {
        valeur = AbscissePropre(i);
        if (valeur > 1e-200) return valeur;
    }
    if (fenetres.AbscisseEnPoints(fenetre) && caseX != 0 && caseX == table_.CaseTemps() &&
        table_.TBase() != 0.0)
        valeur = valeur / table_.TBase() + 1;
    return valeur;
}

void TypeId::FixerAbscisseLineaire(const QString& nom, double pas, double origine) {
    const QString n = nom.trimmed();
    if (n.isEmpty()) {
        abscisse_.clear();
        Genre &= ~(genre::AbscisseLineaire | genre::AbscisseVariable);
        NomAbscisse.clear();
        return;
    }
    Genre &= ~genre::AbscisseVariable;
    Genre |= genre::AbscisseLineaire;
    abscisse_ = {3.0, origine, pas};
    NomAbscisse = n;
}

void TypeId::LibererLien() {
    if (!(Genre & genre::AbscisseVariable)) return;
    Genre &= ~genre::AbscisseVariable;
    if (abscisse_.size() == 7) {
        // The linear abscissa kept under the link comes back.
        const QString nom = abscisse::LireChaine(abscisse_, 3);
        const double origine = abscisse_[5];
        const double pas = abscisse_[6];
        abscisse_ = {3.0, origine, pas};
        NomAbscisse = nom;
        Genre |= genre::AbscisseLineaire;
        return;
    }
    abscisse_.clear();
    NomAbscisse.clear();
}

void TypeId::FixerAbscisseVariable(const QString& nom, const QString& nomFenetre) {
    LibererLien();
    if (nom.trimmed().isEmpty()) return;
    double origine = 0.0, pas = 0.0;
    const bool gardeLineaire = AbscisseLineaireDefinie(origine, pas);
    std::vector<double> donnees(gardeLineaire ? 7 : 4, 0.0);
    donnees[0] = static_cast<double>(donnees.size());
    abscisse::EcrireChaine(donnees, 1, nomFenetre.trimmed());
    if (gardeLineaire) {
        abscisse::EcrireChaine(donnees, 3, NomAbscisse);
        donnees[5] = origine;
        donnees[6] = pas;
    }
    abscisse_ = std::move(donnees);
    NomAbscisse = nom;
    Genre &= ~genre::AbscisseLineaire;
    Genre |= genre::AbscisseVariable;
}

void TypeId::EcrireAbscisse(int i, double v) {
    if (Genre & (genre::AbscisseLineaire | genre::AbscisseVariable)) return;
    if (abscisse_.empty()) {
        try {
            abscisse_.assign(static_cast<std::size_t>(capacite_) + 1, 0.0);
        } catch (const std::bad_alloc&) {
            return;
        }
        abscisse_[0] = static_cast<double>(abscisse_.size());
    }
    if (i < 1 || i >= static_cast<int>(abscisse_.size())) return;
    abscisse_[static_cast<std::size_t>(i)] = v;
}

QString TypeId::NomAbscisseAffiche() const {
    if (Genre & genre::AbscisseVariable) return abscisse::LireChaine(abscisse_, 1);
    if (Genre & genre::AbscisseLineaire) return NomAbscisse;
    return {};
}

int TypeId::PremiereFenetre() const {
    const int courante = table_.Fenetres().FenetreCourante();
    if (courante >= 1 && courante <= 16 && (Fenetres & (1u << (courante - 1)))) return courante;
    for (int k = 1; k <= 16; ++k)
        if (Fenetres & (1u << (k - 1))) return k;
    return 0;
}

bool TypeId::EstAffichee(int fenetre) const {
    if (NbPoints < Premier) return false;
    if (Genre & (genre::Temps | genre::Temporaire | genre::CopieProvisoire)) return false;
    if (fenetre < 0 || fenetre > 16) return false;
    if (fenetre == 0) return Fenetres != 0;
    return Fenetres & (1u << (fenetre - 1));
}

void TypeId::AfficherDans(int fenetre, bool oui) {
    if (fenetre < 1 || fenetre > 16) return;
    const std::uint32_t bit = 1u << (fenetre - 1);
    if (oui)
        FixerFenetres(Fenetres | bit);
    else
        FixerFenetres((Fenetres & ~bit) & 0xFFFF);
}

void TypeId::FixerFenetres(std::int64_t masque) {
    Fenetres = static_cast<std::uint32_t>(masque < 0 ? -masque : masque);
    if (masque > 0) table_.CreerFenetresReferencees();
}

void TypeId::Effacer() {
    valeurs_.clear();
    valeurs_.shrink_to_fit();
    FixerCapacite(0);
    NbPoints = 0;
    Premier = 1;
    if (table_.IndexVariable(NomAbscisse) == 0) abscisse_.clear();
}

} // namespace pelavorine
