#include "gui/acquisition/PageEntrees.h"

#include "core/acquisition/ReglesParametres.h"
#include "core/store/TableVariables.h"
#include "core/store/TypeVoie.h"
#include "core/travail/Travail.h"
#include "gui/acquisition/PageRangee.h"
#include "gui/acquisition/PageVariable.h"
#include "gui/ui/ChampChaine.h"
#include "gui/ui/ChampReel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace pelavorine {

PageEntrees::PageEntrees(ModeleParametres& modele, QWidget* parent)
    : PageParametres(modele, QStringLiteral("pageEntrees"), parent) {
    auto* colonne = new QVBoxLayout(this);
    rangee_ = new PageRangee(QStringLiteral("rangeeEntrees"), this);
    connect(rangee_, &PageRangee::choisi, this, &PageParametres::elementChoisi);
    colonne->addWidget(rangee_);

    inhibee_ = Nomme(new QLabel(ModeleParametres::Inhibee, this), QStringLiteral("inhibee"));
    colonne->addWidget(inhibee_);

    materiel_ = Nomme(new QGroupBox(tr("Acquisition"), this), QStringLiteral("materiel"));
    auto* forme = new QFormLayout(materiel_);
    auto* modes = Nomme(new QWidget(materiel_), QStringLiteral("modes"));
    auto* rangeeModes = new QHBoxLayout(modes);
    rangeeModes->setContentsMargins(0, 0, 0, 0);
    inactif_ = Nomme(new QRadioButton(tr(" Inactif"), modes), QStringLiteral("modeInactif"));
    automatique_ =
        Nomme(new QRadioButton(tr(" Automatique"), modes), QStringLiteral("modeAutomatique"));
    pasAPas_ = Nomme(new QRadioButton(tr(" Pas à pas"), modes), QStringLiteral("modePasAPas"));
    auto* groupeModes = new QButtonGroup(modes);
    for (QRadioButton* r : {inactif_, automatique_, pasAPas_}) {
        groupeModes->addButton(r);
        rangeeModes->addWidget(r);
        Suivre(r);
        connect(r, &QRadioButton::toggled, this, &PageEntrees::MettreAJour);
    }
    forme->addRow(tr("Mode"), modes);
    lecture_ = Nomme(new QComboBox(materiel_), QStringLiteral("lecture"));
    forme->addRow(tr("Lecture"), lecture_);
    calibre_ = Nomme(new QComboBox(materiel_), QStringLiteral("calibreEntree"));
    forme->addRow(tr("Calibre"), calibre_);
    gain_ = Nomme(new QComboBox(materiel_), QStringLiteral("gain"));
    libelleGain_ = Nomme(new QLabel(tr("Gain"), materiel_), QStringLiteral("libelleGain"));
    forme->addRow(libelleGain_, gain_);
    capteur_ = Nomme(new QComboBox(materiel_), QStringLiteral("capteur"));
    // Long sensor names are cut with "..." rather than widening the form.
    capteur_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    capteur_->setMinimumContentsLength(20);
    forme->addRow(tr("Capteur"), capteur_);
    connect(capteur_, &QComboBox::currentIndexChanged, this, &PageEntrees::MettreAJour);
    ampli_ = Nomme(new ChampReel(materiel_), QStringLiteral("ampli"));
    decal_ = Nomme(new ChampReel(materiel_), QStringLiteral("decal"));
    forme->addRow(tr("Ampli"), ampli_);
    forme->addRow(tr("Décal"), decal_);
    for (QObject* o :
         std::initializer_list<QObject*>{lecture_, calibre_, gain_, capteur_, ampli_, decal_})
        Suivre(o);
    colonne->addWidget(materiel_);
    variable_ = new PageVariable(QStringLiteral("entree"), this);
    connect(variable_, &PageVariable::modifie, this, &PageEntrees::Modification);
    colonne->addWidget(variable_);
    colonne->addStretch();
}

int PageEntrees::CaseRestaurable() const {
    const TableVariables& t = travail_.Variables();
    return entree_ >= 0 ? t.CaseDe(regles::Entree(t, entree_)) : 0;
}

void PageEntrees::MontrerSelection() {
    rangee_->Selectionner(entree_);
}

void PageEntrees::Charger(int numero, bool noter) {
    const std::vector<int> offertes = modele_.EntreesOffertes();
    numero = Offert(offertes, numero, -1);
    entree_ = numero;
    rangee_->Remplir(offertes, [this](int n) { return modele_.LibelleEntree(n); });
    rangee_->Selectionner(numero);
    const bool existe = numero >= 0;
    materiel_->setEnabled(existe);
    variable_->setEnabled(existe);
    if (!existe) {
        inhibee_->hide();
        return;
    }
    if (noter) modele_.Noter(CaseRestaurable());
    const ModeleParametres::Entree e = modele_.LireEntree(numero);
    lue_ = e;

    inactif_->setChecked(e.mode == TypeVoie::Inactif);
    automatique_->setChecked(e.mode == TypeVoie::Automatique);
    pasAPas_->setChecked(e.mode == TypeVoie::PasAPas);
    automatique_->setVisible(!modele_.SansSysteme());

    lecture_->clear();
    for (const auto& [texte, valeur] : modele_.Lectures())
        lecture_->addItem(texte, valeur);
    if (!ChoisirDonnee(lecture_, e.lecture)) lecture_->setCurrentIndex(0);

    const QStringList calibres = modele_.Calibres(numero);
    Remplir(calibre_, calibres, e.calibre - 1);
    calibre_->setEnabled(calibres.size() >= 2);
    const QStringList gains = modele_.Gains(numero);
    Remplir(gain_, gains, e.gain - 1);
    gain_->setVisible(!gains.isEmpty());
    libelleGain_->setVisible(!gains.isEmpty());

    const bool inhibee = e.capteur == 255;
    Remplir(capteur_, modele_.Capteurs(), inhibee ? 0 : e.capteur);
    ampli_->FixerValeur(e.echelle);
    decal_->FixerValeur(e.decalage);
    inhibee_->setVisible(inhibee);
    materiel_->setVisible(!inhibee);

    variable_->Montrer(e.nom, e.unite, e.style, e.couleur, e.fenetres);
    MettreAJour();
}

void PageEntrees::MettreAJour() {
    lecture_->setVisible(pasAPas_->isChecked());
    if (auto* libelle = qobject_cast<QFormLayout*>(materiel_->layout())->labelForField(lecture_))
        libelle->setVisible(pasAPas_->isChecked());
    const bool sansCapteur = capteur_->currentIndex() <= 0;
    ampli_->setEnabled(sansCapteur);
    decal_->setEnabled(sansCapteur);
}

bool PageEntrees::Appliquer() {
    if (entree_ < 0) return true;
    ModeleParametres::Entree e = lue_;
    variable_->Lire(e.nom, e.unite, e.style, e.couleur, e.fenetres);
    if (e.capteur != 255) {
        if (ampli_->isEnabled() && (!ampli_->Valider() || !decal_->Valider())) return false;
        if (inactif_->isChecked()) e.mode = TypeVoie::Inactif;
        if (automatique_->isChecked()) e.mode = TypeVoie::Automatique;
        if (pasAPas_->isChecked()) e.mode = TypeVoie::PasAPas;
        if (lecture_->currentIndex() >= 0)
            e.lecture = static_cast<std::uint8_t>(lecture_->currentData().toInt());
        if (calibre_->currentIndex() >= 0)
            e.calibre = static_cast<std::uint8_t>(calibre_->currentIndex() + 1);
        if (gain_->currentIndex() >= 0)
            e.gain = static_cast<std::uint8_t>(gain_->currentIndex() + 1);
        e.capteur = static_cast<std::uint8_t>(std::max(0, capteur_->currentIndex()));
        e.echelle = ampli_->Valeur();
        e.decalage = decal_->Valeur();
    }
    const QString message = modele_.AppliquerEntree(entree_, e);
    if (!message.isEmpty()) {
        Refuser(message, variable_->Nom());
        return false;
    }
    return true;
}

} // namespace pelavorine
