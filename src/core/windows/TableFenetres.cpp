#include "core/windows/TableFenetres.h"

#include "core/store/TableVariables.h"
#include "core/windows/Echelles.h"

namespace pelavorine {

namespace {

QChar Caractere(int fenetre) {
    return QChar(48 + fenetre);
}

// An axis that followed a forgotten name stays where it was, as a manual scale.
bool OublierDansEchelle(EchelleAxe& echelle, const QString& nom) {
    bool change = false;
    if (echelle.nom == nom) {
        echelle.variable = 0;
        echelle.nom = EchelleAxe::NomManuel;
        echelle.minimumManuel = echelle.minimum;
        echelle.maximumManuel = echelle.maximum;
        change = true;
    }
    if (echelle.nomSauve == nom) {
        echelle.nomSauve = EchelleAxe::NomManuel;
        change = true;
    }
    return change;
}

bool OublierDansPile(PileEchelles& pile, const QString& nom) {
    bool change = false;
    for (PaireEchelles& paire : pile.Entrees()) {
        // A saved scale keeps its limits: restoring it shows the same range, manually.
        for (EchelleAxe* e : {&paire.x, &paire.y}) {
            if (e->nom == nom) {
                e->variable = 0;
                e->nom = EchelleAxe::NomManuel;
                e->minimumManuel = e->minimum;
                e->maximumManuel = e->maximum;
                change = true;
            }
            if (e->nomSauve == nom) {
                e->nomSauve = EchelleAxe::NomManuel;
                change = true;
            }
        }
    }
    return change;
}

} // namespace

std::unique_ptr<DonneesFenetre> TableFenetres::NouvelleFenetre(int fenetre) const {
    auto f = std::make_unique<DonneesFenetre>(fenetre);
    f->couleur = defauts_.couleur;
    f->options = defauts_.options;
    f->abscisse.variable = defauts_.caseTemps;
    f->abscisse.unite = defauts_.uniteTemps;
    FixerEchelleManuelle(f->echelleY, defauts_.yMaximum, defauts_.yMinimum, true,
                         defauts_.facteurElargissement);
    // The X scale follows T; until it is resolved against the variables it shows the time base.
    FixerEchelleManuelle(f->echelleX, defauts_.xMaximum, 0, false);
    f->echelleX.variable = defauts_.caseTemps;
    f->echelleX.nom = QStringLiteral("T");
    f->DefinirMonde(f->echelleX.minimum, f->echelleY.minimum, f->echelleX.maximum,
                    f->echelleY.maximum);
    return f;
}

void TableFenetres::Reinitialiser(int caseTemps) {
    for (auto& f : fenetres_)
        f.reset();
    anneau_.clear();
    courante_ = 0;
    sousLaSouris = 0;
    defauts_.caseTemps = caseTemps;
    Creer(1);
}

DonneesFenetre* TableFenetres::Creer(int fenetre) {
    if (!Valide(fenetre)) return nullptr;
    auto& slot = fenetres_[static_cast<std::size_t>(fenetre - 1)];
    if (!slot) slot = NouvelleFenetre(fenetre);
    Activer(fenetre);
    return slot.get();
}

void TableFenetres::Activer(int fenetre) {
    if (!Existe(fenetre)) return;
    courante_ = fenetre;
    anneau_.remove(Caractere(fenetre));
    anneau_.prepend(Caractere(fenetre));
}

void TableFenetres::Fermer(int fenetre) {
    if (!Existe(fenetre)) return;
    fenetres_[static_cast<std::size_t>(fenetre - 1)].reset();
    anneau_.remove(Caractere(fenetre));
    if (sousLaSouris == fenetre) sousLaSouris = 0;
    if (courante_ == fenetre) courante_ = anneau_.isEmpty() ? 0 : anneau_[0].unicode() - 48;
}

bool TableFenetres::Supprimer(int fenetre) {
    if (!Existe(fenetre)) return false;
    Fermer(fenetre);
    for (const auto& f : fenetres_)
        if (f && !f->FenetreImage()) return false;
    Creer(1);
    return true;
}

DonneesFenetre* TableFenetres::Donnees(int fenetre) {
    return Valide(fenetre) ? fenetres_[static_cast<std::size_t>(fenetre - 1)].get() : nullptr;
}

const DonneesFenetre* TableFenetres::Donnees(int fenetre) const {
    return Valide(fenetre) ? fenetres_[static_cast<std::size_t>(fenetre - 1)].get() : nullptr;
}

int TableFenetres::NbOuvertes() const {
    int n = 0;
    for (const auto& f : fenetres_)
        if (f) ++n;
    return n;
}

std::uint32_t TableFenetres::MasqueOuvertes() const {
    std::uint32_t masque = 0;
    for (int k = 1; k <= NbFenetres; ++k)
        if (Existe(k)) masque |= Bit(k);
    return masque;
}

int TableFenetres::Suivante(int fenetre) const {
    if (anneau_.isEmpty()) return 0;
    const qsizetype i = Valide(fenetre) ? anneau_.indexOf(Caractere(fenetre)) : -1;
    return anneau_[(i + 1) % anneau_.size()].unicode() - 48;
}

void TableFenetres::FixerAbscisse(int fenetre, const QString& nom, int slot, const QString& unite) {
    DonneesFenetre* f = Donnees(fenetre);
    if (!f) return;
    f->abscisse.nom = nom;
    f->abscisse.variable = slot;
    f->abscisse.unite = unite;
}

void TableFenetres::ResoudreAxes(int fenetre, const TableVariables& variables) {
    DonneesFenetre* f = Donnees(fenetre);
    if (!f) return;
    int slot = variables.IndexVariable(f->abscisse.nom);
    if (slot == 0) {
        f->abscisse.nom = QStringLiteral("T");
        slot = variables.CaseTemps();
    }
    f->abscisse.variable = slot;
    if (const TypeId* v = variables.Variable(slot)) f->abscisse.unite = v->Unite;
    for (EchelleAxe* e : {&f->echelleY, &f->echelleX}) {
        // "MANUELLE" is the mark of a manual scale, even if a variable bears that name.
        if (e->variable == 0 && e->nom == EchelleAxe::NomManuel)
            EvaluerEchelleManuelle(*e, false);
        else
            SuivreNom(*e, e->nom, variables);
    }
}

bool TableFenetres::Existe(int fenetre) const {
    return Donnees(fenetre) != nullptr;
}

QString TableFenetres::NomAbscisse(int fenetre) const {
    const DonneesFenetre* f = Donnees(fenetre);
    return f ? f->abscisse.nom : QString();
}

int TableFenetres::CaseAbscisse(int fenetre) const {
    const DonneesFenetre* f = Donnees(fenetre);
    return f ? f->abscisse.variable : 0;
}

bool TableFenetres::AbscisseEnPoints(int fenetre) const {
    const DonneesFenetre* f = Donnees(fenetre);
    return f && f->abscisseEnPoints;
}

std::uint32_t TableFenetres::OublierNom(const QString& nom, int caseTemps,
                                        const QString& uniteTemps) {
    if (nom.isEmpty()) return 0;
    std::uint32_t changees = 0;
    for (int k = 1; k <= NbFenetres; ++k) {
        DonneesFenetre* f = Donnees(k);
        if (!f) continue;
        bool change = false;
        if (f->abscisse.nom == nom) {
            f->abscisse.nom = QStringLiteral("T");
            f->abscisse.variable = caseTemps;
            f->abscisse.unite = uniteTemps;
            // The X axis followed the abscissa: it follows the new one.
            if (f->echelleX.nom == nom) {
                f->echelleX.nom = QStringLiteral("T");
                f->echelleX.variable = caseTemps;
            }
            change = true;
        }
        change |= OublierDansEchelle(f->echelleX, nom);
        change |= OublierDansEchelle(f->echelleY, nom);
        change |= OublierDansPile(f->pileLoupe, nom);
        change |= OublierDansPile(f->pileCalibrage, nom);
        if (change) changees |= Bit(k);
    }
    return changees;
}

void TableFenetres::CreerFenetres(std::uint32_t masque) {
    for (int k = 1; k <= NbFenetres; ++k)
        if ((masque & Bit(k)) && !Existe(k)) Creer(k);
}

SelectionFenetre TableFenetres::Selection(int fenetre) const {
    const DonneesFenetre* f = Donnees(fenetre);
    return f ? f->selection : SelectionFenetre{};
}

void TableFenetres::FixerSelection(int fenetre, const SelectionFenetre& selection) {
    if (DonneesFenetre* f = Donnees(fenetre)) f->selection = selection;
}

} // namespace pelavorine
