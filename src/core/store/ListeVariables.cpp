#include "core/store/ListeVariables.h"

#include "core/store/FenetresVariables.h"
#include "core/store/Genres.h"
#include "core/store/TableVariables.h"

namespace pelavorine {

namespace {

bool AbscisseStrictementCroissante(const TableVariables& table, const TypeId& v, int fenetre) {
    if (v.Genre & genre::AbscisseLineaire) return true;
    if (fenetre < 1) fenetre = table.Fenetres().FenetreCourante();
    for (int i = v.Premier; i < v.NbPoints; ++i)
        if (!(v.Abscisse(i, fenetre) < v.Abscisse(i + 1, fenetre))) return false;
    return true;
}

bool CapaciteAcceptee(int capacite, std::uint32_t f) {
    if (f & filtre::AccepterScalaires) return capacite > 0;
    if (f & filtre::SaufScalaires) return capacite != 1;
    return capacite > 1;
}

bool FenetreAcceptee(const TypeId& v, int fenetre) {
    if (fenetre < 0) return true;
    if (fenetre == 0) return v.Fenetres != 0;
    return fenetre <= FenetresVariables::NbFenetres && (v.Fenetres & (1u << (fenetre - 1)));
}

} // namespace

bool VariableAcceptee(const TableVariables& table, int slot, int fenetre, std::uint32_t f) {
    if (slot < table.CaseTemps() || slot > table.DerniereCase() || table.CaseTemps() < 1)
        return false;
    const TypeId* v = table.Variable(slot);
    if (!v || (v->Genre & genre::CopieProvisoire)) return false;
    if ((f & filtre::MasqueGenre) && !(v->Genre & f)) return false;
    const bool temps = v->Genre & genre::Temps;
    if (f & filtre::TempsSeulement) {
        if (!temps) return false;
    } else if (temps && !(f & filtre::AccepterTemps)) {
        return false;
    }
    if (!CapaciteAcceptee(v->Capacite(), f)) return false;
    if ((f & filtre::PlusieursPoints) && v->NbPoints <= 1) return false;
    if (!FenetreAcceptee(*v, fenetre)) return false;
    if ((f & filtre::AbscisseCroissante) && !AbscisseStrictementCroissante(table, *v, fenetre))
        return false;
    if ((f & filtre::RefuserSpectre) && (v->Genre & genre::Spectre)) return false;
    return true;
}

std::vector<EntreeListe> ListerVariables(const TableVariables& table, int fenetre,
                                         std::uint32_t f) {
    std::vector<EntreeListe> entrees;
    for (int slot = table.CaseTemps(); slot >= 1 && slot <= table.DerniereCase(); ++slot)
        if (VariableAcceptee(table, slot, fenetre, f))
            entrees.push_back({slot, QLatin1Char(' ') + table.Variable(slot)->Nom});
    return entrees;
}

QStringList TextesListe(const std::vector<EntreeListe>& entrees) {
    QStringList textes;
    textes.reserve(static_cast<qsizetype>(entrees.size()));
    for (const auto& e : entrees)
        textes << e.texte;
    return textes;
}

int SelectionnerNom(const QStringList& entrees, const QString& nom,
                    Qt::CaseSensitivity sensibilite) {
    if (entrees.isEmpty()) return -1;
    const QString& premiere = entrees.first();
    qsizetype blancs = 0;
    while (blancs < premiere.size() && premiere[blancs] == QLatin1Char(' '))
        ++blancs;
    const QString cherche = QString(blancs, QLatin1Char(' ')) + nom.trimmed();
    for (qsizetype i = 0; i < entrees.size(); ++i)
        if (entrees[i].compare(cherche, sensibilite) == 0) return static_cast<int>(i);
    return -1;
}

bool ListeContient(const QStringList& entrees, const QString& texte) {
    return entrees.contains(texte, Qt::CaseSensitive);
}

} // namespace pelavorine
