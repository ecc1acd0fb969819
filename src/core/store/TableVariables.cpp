#include "core/store/TableVariables.h"

#include "core/store/Couleurs.h"
#include "core/store/Demandes.h"
#include "core/store/DescriptionVoies.h"
#include "core/store/FenetresVariables.h"
#include "core/store/Genres.h"
#include "core/store/ReglesNoms.h"
#include "core/store/TypeSortie.h"
#include "core/store/TypeVoie.h"
#include "core/texte/CodageTexte.h"

#include <numbers>

namespace pelavorine {

namespace {
constexpr auto Rvb = CouleurRvb;
} // namespace

const std::array<std::int32_t, 16> TableVariables::PaletteInitiale = {
    Rvb(0x000000), Rvb(0x0000FF), Rvb(0xFF00FF), Rvb(0x008000), Rvb(0x00C1C1), Rvb(0x000080),
    Rvb(0xC59C65), Rvb(0x646464), Rvb(0xBA3072), Rvb(0xFF8000), Rvb(0xAAAE17), Rvb(0xF1CD03),
    Rvb(0x800080), Rvb(0x9ADE0E), Rvb(0x800000), Rvb(0x00FF00)};

TableVariables::TableVariables(EnvironnementTable& environnement)
    : palette(PaletteInitiale), environnement_(environnement) {}

TableVariables::~TableVariables() = default;

bool TableVariables::Casse() const {
    return environnement_.Options() & option::Casse;
}

QString TableVariables::NormaliserNom(const QString& nom) const {
    return noms::Normaliser(nom, Casse());
}

bool TableVariables::NomValide(const QString& nom) const {
    return noms::Valide(NormaliserNom(nom));
}

bool TableVariables::NomCorrect(const QString& nom) {
    if (NomValide(nom)) return true;
    codeErreur = ErreurNomIncorrect;
    return false;
}

int TableVariables::CaseDe(const TypeId* v) const {
    if (!v) return 0;
    for (int slot = 1; slot <= derniereCase_; ++slot)
        if (cases_[static_cast<std::size_t>(slot)].get() == v) return slot;
    return 0;
}

int TableVariables::IndexVariable(const QString& nom) const {
    const QString cherche = NormaliserNom(nom);
    if (cherche.isEmpty()) return 0;
    const bool casse = Casse();
    for (int slot = 1; slot <= derniereCase_; ++slot)
        if (cases_[slot] && noms::Comparable(cases_[slot]->Nom, casse) == cherche) return slot;
    return 0;
}

int TableVariables::CaseLibre() const {
    for (int slot = 1; slot <= NbCases; ++slot)
        if (!cases_[slot]) return slot;
    return 0;
}

int TableVariables::CreerVariable(const QString& nom, int capacite, std::uint16_t genre) {
    if (!NomCorrect(nom)) return 0;
    int slot = IndexVariable(nom);
    if (slot == 0) slot = CaseLibre();
    if (slot == 0) return 0;
    if (!cases_[slot]) cases_[slot] = std::make_unique<TypeId>(*this);
    cases_[slot]->Redefinir(codage::FormeCanonique(nom.left(LongueurNom)), capacite, genre);
    derniereCase_ = std::max(derniereCase_, slot);
    return slot;
}

int TableVariables::CreerVariableEn(int slot, const QString& nom, int capacite,
                                    std::uint16_t genre) {
    if (slot < 1 || slot > NbCases || !NomCorrect(nom)) return 0;
    const int existante = IndexVariable(nom);
    if (existante != 0 && existante != slot) return 0;
    if (!cases_[slot]) cases_[slot] = std::make_unique<TypeId>(*this);
    cases_[slot]->Redefinir(codage::FormeCanonique(nom.left(LongueurNom)), capacite, genre);
    derniereCase_ = std::max(derniereCase_, slot);
    return slot;
}

int TableVariables::Placer(std::unique_ptr<TypeId> variable) {
    const int slot = CaseLibre();
    if (slot == 0) return 0;
    cases_[slot] = std::move(variable);
    derniereCase_ = std::max(derniereCase_, slot);
    return slot;
}

void TableVariables::Detruire(int slot) {
    if (!cases_[slot]) return;
    cases_[slot]->Effacer();
    cases_[slot].reset();
}

void TableVariables::RecalculerDerniereCase() {
    derniereCase_ = 0;
    for (int slot = NbCases; slot >= 1; --slot)
        if (cases_[slot]) {
            derniereCase_ = slot;
            break;
        }
}

void TableVariables::SupprimerVariable(const QString& nom) {
    if (!NomValide(nom)) return;
    SupprimerCase(IndexVariable(nom));
}

void TableVariables::SupprimerCase(int slot) {
    if (slot < 1 || slot > derniereCase_ || !cases_[slot]) return;
    OublierNom(cases_[slot]->Nom);
    Detruire(slot);
    RecalculerDerniereCase();
}

void TableVariables::SupprimerPlage(int premier, int dernier) {
    if (premier < 1 || premier > derniereCase_ || premier > dernier) return;
    for (int slot = premier; slot <= std::min(dernier, NbCases); ++slot)
        Detruire(slot);
    RecalculerDerniereCase();
    positionCouleur = 1;
}

void TableVariables::SupprimerGenre(int depuis, std::uint16_t masque) {
    for (int slot = std::max(depuis, 1); slot <= derniereCase_; ++slot) {
        const TypeId* v = cases_[slot].get();
        if (v && !v->Nom.isEmpty() && (v->Genre & masque) == masque) SupprimerCase(slot);
    }
}

void TableVariables::OublierNom(const QString& nom) {
    for (int slot = std::max(premiereCaseUtilisateur_, 1); slot <= derniereCase_; ++slot) {
        TypeId* v = cases_[slot].get();
        if (!v || v->NomAbscisse != nom) continue;
        v->Genre &= ~(genre::AbscisseLineaire | genre::AbscisseVariable);
        v->FixerDonneesAbscisse({});
        v->NomAbscisse.clear();
    }
    const TypeId* t = Variable(caseTemps_);
    const std::uint32_t changees =
        Fenetres().OublierNom(nom, caseTemps_, t ? t->Unite : QStringLiteral("s"));
    if (changees == 0) return;
    const int courante = Fenetres().FenetreCourante();
    const bool autres = courante < 1 || (changees & ~(1u << (courante - 1))) != 0;
    DemanderMiseAJour(autres ? demande::Axes | demande::ToutesFenetres : demande::Axes);
}

void TableVariables::Vider() {
    for (auto& c : cases_)
        c.reset();
    derniereCase_ = 0;
    positionCouleur = 1;
    caseTemps_ = premiereCaseUtilisateur_ = premiereCaseLibre_ = premiereCaseSortie_ = 0;
}

void TableVariables::InitialiserVariables(const DescriptionVoies& voies) {
    CreerVariable(QStringLiteral("?"), 1, genre::Calculee);
    const int pi = CreerVariable(QStringLiteral("PI"), 1, genre::Calculee);
    if (TypeId* v = Variable(pi)) v->EcrirePoint(0, std::numbers::pi);
    CreerBaseDeTemps(0.0);
    premiereCaseUtilisateur_ = caseTemps_ + 1;

    const bool styleDiscret = Options() & option::StyleDiscret;
    for (int i = 0; i < voies.nomsEntrees.size(); ++i) {
        TypeVoie::Defauts d;
        d.numero = voies.premiereEntree + i;
        d.nom = voies.nomsEntrees[i];
        d.premiereVoie = i == 0;
        d.interfacePresente = voies.interfacePresente;
        d.styleDiscret = styleDiscret;
        Placer(std::make_unique<TypeVoie>(*this, d));
    }
    premiereCaseSortie_ = 0;
    if (!voies.nomsSorties.isEmpty()) {
        premiereCaseSortie_ = derniereCase_ + 1;
        for (int o = 0; o < voies.nomsSorties.size(); ++o) {
            TypeSortie::Defauts d;
            d.numero = o + 1;
            d.nom = voies.nomsSorties[o];
            d.caseSource = premiereCaseUtilisateur_;
            Placer(std::make_unique<TypeSortie>(*this, d));
        }
    }
    premiereCaseLibre_ = derniereCase_ + 1;
}

void TableVariables::CreerBaseDeTemps(double tbase) {
    const int slotTBase = CreerVariable(QStringLiteral("TBASE"), 1, genre::Calculee);
    tbase_ = tbase > 0.0 ? tbase : environnement_.IntervalleEchantillonnage() * 1e-6;
    if (TypeId* v = Variable(slotTBase)) v->EcrirePoint(0, tbase_);

    const int slotNb = CreerVariable(QStringLiteral("NBPOINT"), 1, genre::Calculee);
    if (TypeId* v = Variable(slotNb)) v->EcrirePoint(0, nbPoint_);

    caseTemps_ = CreerVariable(QStringLiteral("T"), nbPoint_, genre::Calculee | genre::Temps);
    TypeId* t = Variable(caseTemps_);
    if (!t) return;
    t->FixerCapacite(nbPoint_);
    for (int i = 0; i < nbPoint_; ++i)
        t->EcrirePoint(i + 1, tbase_ * i);
    t->NbPoints = std::min(nbPoint_, t->Capacite());
    t->CalculerStatistiques();
    t->Unite = QStringLiteral("s");
}

void TableVariables::ChangerNbPoints(int n, bool ajuster) {
    // Outside 1..65535 no table could hold the time base.
    if (n == nbPoint_ || n < 1 || n > 0xFFFF) return;
    nbPoint_ = n;
    CreerBaseDeTemps(0.0);
    if (ajuster) {
        for (int slot = caseTemps_ + 1; slot <= derniereCase_; ++slot) {
            TypeId* v = cases_[slot].get();
            if (!v || !v->EstTable() || (v->Genre & genre::Spectre)) continue;
            v->FixerCapacite(nbPoint_);
            if (v->Genre & genre::Calculee)
                v->NbPoints = 0;
            else
                v->NbPoints = std::min(v->NbPoints, nbPoint_);
        }
    }
    environnement_.NbPointsChange(ajuster);
    DemanderMiseAJour(demande::NbPointsChange);
}

void TableVariables::CreerFenetresReferencees() {
    if (!environnement_.DemarrageTermine()) return;
    std::uint32_t masque = 0;
    for (int slot = std::max(premiereCaseUtilisateur_, 1); slot <= derniereCase_; ++slot)
        if (cases_[slot]) masque |= cases_[slot]->Fenetres;
    masque &= 0xFFFF;
    if (masque) Fenetres().CreerFenetres(masque);
}

} // namespace pelavorine
