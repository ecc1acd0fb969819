#include "gui/acquisition/PageCourbes.h"

#include "core/travail/Travail.h"
#include "gui/acquisition/PageVariable.h"
#include "gui/ui/ChampChaine.h"
#include "gui/ui/ChampReel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace pelavorine {

PageCourbes::PageCourbes(ModeleParametres& modele, QWidget* parent)
    : PageParametres(modele, QStringLiteral("pageCourbes"), parent) {
    auto* colonne = new QVBoxLayout(this);
    courbe_ = Nomme(new QComboBox(this), QStringLiteral("courbe"));
    connect(courbe_, &QComboBox::activated, this,
            [this](int index) { emit elementChoisi(courbe_->itemData(index).toInt()); });
    colonne->addWidget(courbe_);
    variable_ = new PageVariable(QStringLiteral("courbe"), this);
    connect(variable_, &PageVariable::modifie, this, &PageCourbes::Modification);
    colonne->addWidget(variable_);

    affichage_ = Nomme(new QGroupBox(tr("Affichage"), this), QStringLiteral("affichage"));
    auto* grille = new QGridLayout(affichage_);
    decalage_ = Nomme(new ChampReel(affichage_), QStringLiteral("decalage"));
    multiplicateur_ = Nomme(new ChampReel(affichage_), QStringLiteral("multiplicateur"));
    grille->addWidget(new QLabel(tr("Décalage"), affichage_), 0, 0);
    grille->addWidget(decalage_, 0, 1);
    grille->addWidget(new QLabel(tr("Multiplicateur"), affichage_), 1, 0);
    grille->addWidget(multiplicateur_, 1, 1);
    ordonneeSpeciale_ = Nomme(new QCheckBox(tr("Ordonnée spéciale"), affichage_),
                              QStringLiteral("ordonneeSpeciale"));
    concordance_ = Nomme(new QComboBox(affichage_), QStringLiteral("concordance"));
    grille->addWidget(ordonneeSpeciale_, 2, 0);
    grille->addWidget(new QLabel(tr("En concordance avec"), affichage_), 2, 1);
    grille->addWidget(concordance_, 2, 2);
    abscisseSpeciale_ = Nomme(new QCheckBox(tr("Abscisse spéciale"), affichage_),
                              QStringLiteral("abscisseSpeciale"));
    abscisse_ = Nomme(new QComboBox(affichage_), QStringLiteral("abscisseCourbe"));
    grille->addWidget(abscisseSpeciale_, 3, 0);
    grille->addWidget(abscisse_, 3, 2);
    connect(ordonneeSpeciale_, &QCheckBox::toggled, concordance_, &QWidget::setEnabled);
    connect(abscisseSpeciale_, &QCheckBox::toggled, abscisse_, &QWidget::setEnabled);
    colonne->addWidget(affichage_);

    information_ = Nomme(new QPlainTextEdit(this), QStringLiteral("information"));
    information_->setReadOnly(true);
    colonne->addWidget(information_);
    for (QObject* o : std::initializer_list<QObject*>{decalage_, multiplicateur_, ordonneeSpeciale_,
                                                      concordance_, abscisseSpeciale_, abscisse_})
        Suivre(o);
}

void PageCourbes::MontrerSelection() {
    const QSignalBlocker bloque(courbe_);
    ChoisirDonnee(courbe_, slot_);
}

void PageCourbes::Charger(int slot, bool noter) {
    const std::vector<int> offertes = modele_.CourbesOffertes();
    slot = Offert(offertes, slot, 0);
    slot_ = slot;
    const TableVariables& variables = travail_.Variables();
    RemplirVariables(courbe_, variables, offertes);
    ChoisirDonnee(courbe_, slot);
    RemplirVariables(concordance_, variables, offertes);
    RemplirVariables(abscisse_, variables, AvecTemps(variables, offertes));
    information_->setPlainText(slot > 0 ? modele_.InformationCourbe(slot)
                                        : ModeleParametres::PasDeCourbe);
    const bool existe = slot > 0;
    variable_->setEnabled(existe);
    affichage_->setEnabled(existe);
    if (!existe) return;
    if (noter) modele_.Noter(slot);
    const ModeleParametres::Courbe c = modele_.LireCourbe(slot);
    lue_ = c;
    variable_->Montrer(c.nom, c.unite, c.style, c.couleur, c.fenetres);
    decalage_->FixerValeur(c.decalage);
    multiplicateur_->FixerValeur(c.multiplicateur);
    ordonneeSpeciale_->setChecked(c.ordonneeSpeciale);
    if (!ChoisirDonnee(concordance_, c.reference)) concordance_->setCurrentIndex(-1);
    abscisseSpeciale_->setChecked(!c.abscisseSpeciale.isEmpty());
    if (c.abscisseSpeciale.isEmpty())
        abscisse_->setCurrentIndex(-1);
    else
        ChoisirTexte(abscisse_, c.abscisseSpeciale);
    concordance_->setEnabled(c.ordonneeSpeciale);
    abscisse_->setEnabled(!c.abscisseSpeciale.isEmpty());
}

bool PageCourbes::Appliquer() {
    if (slot_ <= 0) return true;
    if (!decalage_->Valider() || !multiplicateur_->Valider()) return false;
    ModeleParametres::Courbe c = lue_;
    variable_->Lire(c.nom, c.unite, c.style, c.couleur, c.fenetres);
    c.decalage = decalage_->Valeur();
    c.multiplicateur = multiplicateur_->Valeur();
    c.ordonneeSpeciale = ordonneeSpeciale_->isChecked();
    if (c.ordonneeSpeciale && concordance_->currentIndex() >= 0)
        c.reference = concordance_->currentData().toInt();
    c.abscisseSpeciale = abscisseSpeciale_->isChecked() ? abscisse_->currentText() : QString();
    const QString message = modele_.AppliquerCourbe(slot_, c);
    if (!message.isEmpty()) {
        Refuser(message, variable_->Nom());
        return false;
    }
    return true;
}

} // namespace pelavorine
