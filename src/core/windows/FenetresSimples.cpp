#include "windows/FenetresSimples.h"

namespace pelavorine {

void FenetresSimples::Reinitialiser(int caseTemps) {
    fenetres_ = {};
    courante_ = 0;
    caseTemps_ = caseTemps;
    Ouvrir(1, caseTemps);
}

void FenetresSimples::Ouvrir(int fenetre, int caseTemps) {
    if (!Valide(fenetre)) return;
    Fenetre& f = fenetres_[Index(fenetre)];
    if (f.ouverte) return;
    f = Fenetre{};
    f.ouverte = true;
    f.caseAbscisse = caseTemps;
    if (courante_ == 0) courante_ = fenetre;
}

void FenetresSimples::Fermer(int fenetre) {
    if (!Valide(fenetre)) return;
    fenetres_[Index(fenetre)].ouverte = false;
    if (courante_ != fenetre) return;
    courante_ = 0;
    for (int k = 1; k <= NbFenetres; ++k)
        if (fenetres_[Index(k)].ouverte) {
            courante_ = k;
            break;
        }
}

void FenetresSimples::FixerAbscisse(int fenetre, const QString& nom, int slot,
                                    const QString& unite) {
    if (!Valide(fenetre)) return;
    Fenetre& f = fenetres_[Index(fenetre)];
    f.nomAbscisse = nom;
    f.caseAbscisse = slot;
    f.uniteAbscisse = unite;
}

bool FenetresSimples::Existe(int fenetre) const {
    return Valide(fenetre) && fenetres_[Index(fenetre)].ouverte;
}

QString FenetresSimples::NomAbscisse(int fenetre) const {
    return Existe(fenetre) ? fenetres_[Index(fenetre)].nomAbscisse : QString();
}

int FenetresSimples::CaseAbscisse(int fenetre) const {
    return Existe(fenetre) ? fenetres_[Index(fenetre)].caseAbscisse : 0;
}

bool FenetresSimples::AbscisseEnPoints(int fenetre) const {
    return Existe(fenetre) && fenetres_[Index(fenetre)].enPoints;
}

std::uint32_t FenetresSimples::OublierNom(const QString& nom, int caseTemps,
                                          const QString& uniteTemps) {
    std::uint32_t changees = 0;
    for (int k = 1; k <= NbFenetres; ++k) {
        Fenetre& f = fenetres_[Index(k)];
        if (!f.ouverte || f.nomAbscisse != nom) continue;
        f.nomAbscisse = QStringLiteral("T");
        f.caseAbscisse = caseTemps;
        f.uniteAbscisse = uniteTemps;
        changees |= 1u << (k - 1);
    }
    return changees;
}

void FenetresSimples::CreerFenetres(std::uint32_t masque) {
    for (int k = 1; k <= NbFenetres; ++k)
        if (masque & (1u << (k - 1))) Ouvrir(k, caseTemps_);
}

SelectionFenetre FenetresSimples::Selection(int fenetre) const {
    return Existe(fenetre) ? fenetres_[Index(fenetre)].selection : SelectionFenetre{};
}

void FenetresSimples::FixerSelection(int fenetre, const SelectionFenetre& selection) {
    if (Existe(fenetre)) fenetres_[Index(fenetre)].selection = selection;
}

} // namespace pelavorine
