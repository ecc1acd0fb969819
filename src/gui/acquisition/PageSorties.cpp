#include "gui/acquisition/PageSorties.h"

#include "core/acquisition/ReglesParametres.h"
#include "core/store/TableVariables.h"
#include "core/store/TypeSortie.h"
#include "core/travail/Travail.h"
#include "gui/acquisition/PageRangee.h"
#include "gui/acquisition/PageVariable.h"
#include "gui/ui/ChampChaine.h"
#include "gui/ui/ChampReel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace pelavorine {

PageSorties::PageSorties(ModeleParametres& modele, QWidget* parent)
    : PageParametres(modele, QStringLiteral("pageSorties"), parent) {
    auto* colonne = new QVBoxLayout(this);
    rangee_ = new PageRangee(QStringLiteral("rangeeSorties"), this);
    connect(rangee_, &PageRangee::choisi, this, &PageParametres::elementChoisi);
    colonne->addWidget(rangee_);

    auto* rangeeForme = new QHBoxLayout;
    forme_ = Nomme(new QComboBox(this), QStringLiteral("forme"));
    connect(forme_, &QComboBox::currentIndexChanged, this, &PageSorties::MettreAJourForme);
    emettre_ = Bouton(tr("Émettre"), this, QStringLiteral("emettre"));
    // Emitting one output alone comes with the outputs' own work; the button says so.
    emettre_->setEnabled(false);
    emettre_->setToolTip(tr("L'émission d'une sortie seule n'est pas encore disponible"));
    rangeeForme->addWidget(new QLabel(tr("Forme"), this));
    rangeeForme->addWidget(forme_);
    rangeeForme->addWidget(emettre_);
    colonne->addLayout(rangeeForme);

    signal_ = Nomme(new QGroupBox(tr("Signal"), this), QStringLiteral("reglagesSignal"));
    auto* reglages = new QVBoxLayout(signal_);
    auto* rangeeCalibre = new QFormLayout;
    calibre_ = Nomme(new QComboBox(signal_), QStringLiteral("calibreSortie"));
    connect(calibre_, &QComboBox::currentIndexChanged, this, &PageSorties::CalibreChange);
    rangeeCalibre->addRow(tr("Calibre"), calibre_);
    reglages->addLayout(rangeeCalibre);

    reglagesForme_ = Nomme(new QWidget(signal_), QStringLiteral("reglagesForme"));
    auto* grille = new QGridLayout(reglagesForme_);
    grille->setContentsMargins(0, 0, 0, 0);
    periodes_ = Nomme(new ChampReel(reglagesForme_), QStringLiteral("periodes"));
    periodes_->FixerLimites(ModeLimite::liMinMax, QStringLiteral("0.5"), QStringLiteral("10"));
    minimum_ = Nomme(new ChampReel(reglagesForme_), QStringLiteral("minimum"));
    maximum_ = Nomme(new ChampReel(reglagesForme_), QStringLiteral("maximum"));
    grille->addWidget(new QLabel(tr("Nb per."), reglagesForme_), 0, 0);
    grille->addWidget(periodes_, 0, 1);
    grille->addWidget(new QLabel(tr("Limites : 0.5 - 10"), reglagesForme_), 0, 2);
    grille->addWidget(new QLabel(tr("Minimum"), reglagesForme_), 1, 0);
    grille->addWidget(minimum_, 1, 1);
    grille->addWidget(new QLabel(tr("Maximum"), reglagesForme_), 2, 0);
    grille->addWidget(maximum_, 2, 1);
    reglages->addWidget(reglagesForme_);

    auto* modes = Nomme(new QGroupBox(tr("Emission"), signal_), QStringLiteral("emission"));
    auto* rangeeModes = new QHBoxLayout(modes);
    seule_ = Nomme(new QRadioButton(tr(" Seule"), modes), QStringLiteral("seule"));
    durant_ = Nomme(new QRadioButton(tr(" Durant acquisition"), modes),
                    QStringLiteral("durantAcquisition"));
    rangeeModes->addWidget(seule_);
    rangeeModes->addWidget(durant_);
    reglages->addWidget(modes);
    auto* arret = Nomme(new QGroupBox(tr("Après l'arrêt"), signal_), QStringLiteral("apresArret"));
    auto* rangeeArret = new QHBoxLayout(arret);
    valeurNulle_ =
        Nomme(new QRadioButton(tr("Valeur nulle"), arret), QStringLiteral("valeurNulle"));
    valeurFinale_ =
        Nomme(new QRadioButton(tr("Valeur finale"), arret), QStringLiteral("valeurFinale"));
    rangeeArret->addWidget(valeurNulle_);
    rangeeArret->addWidget(valeurFinale_);
    reglages->addWidget(arret);
    colonne->addWidget(signal_);
    variable_ = new PageVariable(QStringLiteral("sortie"), this);
    connect(variable_, &PageVariable::modifie, this, &PageSorties::Modification);
    colonne->addWidget(variable_);
    colonne->addStretch();
    for (QObject* o :
         std::initializer_list<QObject*>{forme_, calibre_, periodes_, minimum_, maximum_, seule_,
                                         durant_, valeurNulle_, valeurFinale_})
        Suivre(o);
}

int PageSorties::CaseRestaurable() const {
    const TableVariables& t = travail_.Variables();
    return sortie_ > 0 ? t.CaseDe(regles::Sortie(t, sortie_)) : 0;
}

void PageSorties::MontrerSelection() {
    rangee_->Selectionner(sortie_);
}

void PageSorties::Charger(int numero, bool noter) {
    const std::vector<int> offertes = modele_.SortiesOffertes();
    numero = Offert(offertes, numero, 0);
    sortie_ = numero;
    rangee_->Remplir(offertes, [this](int n) { return modele_.LibelleSortie(n); });
    rangee_->Selectionner(numero);
    if (numero <= 0) return;
    if (noter) modele_.Noter(CaseRestaurable());
    const ModeleParametres::Sortie s = modele_.LireSortie(numero);
    lue_ = s;

    forme_->clear();
    const QStringList formes = ModeleParametres::Formes();
    for (int k = 0; k < formes.size(); ++k)
        forme_->addItem(formes[k], QPoint(k, 0));
    for (const auto& [texte, slot] : modele_.VariablesSignal())
        forme_->addItem(texte, QPoint(6, slot));
    const QPoint choisie = s.forme == 6 ? QPoint(6, s.source) : QPoint(s.forme, 0);
    if (!ChoisirDonnee(forme_, choisie)) forme_->setCurrentIndex(0);

    const QStringList calibres = modele_.CalibresSortie(numero);
    Remplir(calibre_, calibres, s.calibre - 1);
    calibre_->setEnabled(calibres.size() >= 2);
    periodes_->FixerValeur(s.periodes);
    minimum_->FixerValeur(s.minimum);
    maximum_->FixerValeur(s.maximum);
    (s.mode == 1 ? durant_ : seule_)->setChecked(true);
    (s.valeurApresArret == 0 ? valeurFinale_ : valeurNulle_)->setChecked(true);
    variable_->Montrer(s.nom, s.unite, s.style, s.couleur, s.fenetres);
    MettreAJourForme();
}

QPoint PageSorties::FormeChoisie() const {
    return forme_->currentIndex() < 0 ? QPoint(0, 0) : forme_->currentData().toPoint();
}

void PageSorties::MettreAJourForme() {
    const int forme = FormeChoisie().x();
    signal_->setVisible(forme != 0);
    reglagesForme_->setVisible(forme >= 1 && forme <= 5);
}

void PageSorties::CalibreChange() {
    if (modele_.EnChargement() || sortie_ <= 0 || calibre_->currentIndex() < 0) return;
    const auto [bas, haut] = modele_.LimitesCalibre(sortie_, calibre_->currentIndex() + 1);
    if (bas > haut) return;
    for (ChampReel* c : {minimum_, maximum_}) {
        const double v = std::clamp(c->Valeur(), bas, haut);
        if (v != c->Valeur()) c->FixerValeur(v);
    }
}

bool PageSorties::Appliquer() {
    if (sortie_ <= 0) return true;
    const QPoint forme = FormeChoisie();
    const bool integree = forme.x() >= 1 && forme.x() <= 5;
    if (integree)
        for (ChampReel* c : {periodes_, minimum_, maximum_})
            if (!c->Valider()) return false;
    ModeleParametres::Sortie s = lue_;
    variable_->Lire(s.nom, s.unite, s.style, s.couleur, s.fenetres);
    s.forme = forme.x();
    s.source = forme.x() == 6 ? forme.y() : 0;
    if (integree) {
        s.periodes = periodes_->Valeur();
        s.minimum = minimum_->Valeur();
        s.maximum = maximum_->Valeur();
    }
    if (calibre_->currentIndex() >= 0)
        s.calibre = static_cast<std::uint8_t>(calibre_->currentIndex() + 1);
    s.mode = durant_->isChecked() ? 1 : 0;
    s.valeurApresArret = valeurFinale_->isChecked() ? 0 : 1;
    const QString message = modele_.AppliquerSortie(sortie_, s);
    if (!message.isEmpty()) {
        Refuser(message, variable_->Nom());
        return false;
    }
    return true;
}

} // namespace pelavorine
