#include "core/store/CopiesVariables.h"

#include "core/store/Genres.h"
#include "core/store/TableVariables.h"

#include <algorithm>

namespace pelavorine {

namespace {
// Genre bits a copy keeps: both abscissa forms, Spectre and Solution.
constexpr std::uint16_t kGenresGardes = 0x06C0;
constexpr int kLongueurNomCopie = 20;
} // namespace

bool CopierVariable(TableVariables& table, int source, int cible, bool fenetres, bool couleur) {
    const TypeId* s = table.Variable(source);
    TypeId* c = table.Variable(cible);
    if (!s || !c || s == c) return false;

    c->Unite = s->Unite;
    c->FixerCapacite(s->Capacite());
    // The valid range travels with the points, or the copy would show other points.
    c->Premier = s->Premier;
    c->NbPoints = s->NbPoints;
    if (couleur) c->Couleur = s->Couleur;
    c->Style = s->Style;
    const auto depuis = s->Valeurs();
    const auto vers = c->Valeurs();
    const std::size_t n = std::min(depuis.size(), vers.size());
    std::copy_n(depuis.begin(), n, vers.begin());
    c->NomAbscisse = s->NomAbscisse;
    c->FixerDonneesAbscisse(s->DonneesAbscisse());
    c->Genre = (s->Genre & kGenresGardes) | genre::Acquise;
    // The statistics come first, so that the scale adaptation is worked out from them.
    c->Minimum = s->Minimum;
    c->Maximum = s->Maximum;
    c->Moyenne = s->Moyenne;
    c->Decalage = s->Decalage;
    c->Multiplicateur = s->Multiplicateur;
    c->AdaptationEchelle = s->AdaptationEchelle;
    c->Reference = s->Reference;
    c->FixerReference(s->Reference);
    if (fenetres) c->FixerFenetres(s->Fenetres);
    c->Origine = s->Origine;
    return true;
}

int CopieDeSecours(TableVariables& table, int slot, const QString& nom) {
    QString n = nom.trimmed().left(kLongueurNomCopie);
    if (n.isEmpty()) n = QString::fromLatin1(NomCopieAnonyme);
    // Creating the copy over the variable itself, or over ?, PI, TBASE, NBPOINT or T, would
    // redefine it and lose its points.
    const int existante = table.IndexVariable(n);
    if (existante != 0 && (existante == slot || existante <= table.CaseTemps())) return 0;

    std::uint16_t g = genre::Acquise;
    if (n == QLatin1String(NomCopieAnonyme)) g |= genre::CopieProvisoire;
    const int copie = table.CreerVariable(n, table.NbPoint(), g);
    if (copie == 0) return 0;
    const TypeId* v = table.Variable(slot);
    if (v && CopierVariable(table, slot, copie, false, true)) {
        TypeId* c = table.Variable(copie);
        c->Genre = v->Genre | genre::CopieProvisoire;
        c->FixerFenetres(-static_cast<std::int64_t>(v->Fenetres));
    }
    return copie;
}

bool RestaurerCopie(TableVariables& table, int slot, int copie) {
    if (copie == 0) copie = table.IndexVariable(QString::fromLatin1(NomCopieAnonyme));
    if (!CopierVariable(table, copie, slot, false, true)) return false;
    const TypeId* c = table.Variable(copie);
    TypeId* v = table.Variable(slot);
    v->FixerFenetres(-static_cast<std::int64_t>(c->Fenetres));
    v->Genre = c->Genre & ~genre::CopieProvisoire;
    return true;
}

} // namespace pelavorine
