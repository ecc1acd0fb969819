#include "gui/acquisition/PageAcquis.h"

#include "core/acquisition/ReglesParametres.h"
#include "gui/ui/ChampEntier.h"
#include "gui/ui/ChampReel.h"

#include <pelavorine/interface.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace pelavorine {

using Remplissage = ModeleParametres::Remplissage;

PageAcquis::PageAcquis(ModeleParametres& modele, QWidget* parent)
    : PageParametres(modele, QStringLiteral("pageAcquis"), parent) {
    new QVBoxLayout(this);
    ConstruireDurees();
    ConstruireOptions();
    ConstruireDeclenchement();
    static_cast<QVBoxLayout*>(layout())->addStretch();
    for (QObject* o : std::initializer_list<QObject*>{
             points_, periode_, unitePeriode_, totale_, uniteTotale_, moyenne_, permanent_,
             inhiberAffichage_, inhiberCalculs_, differentiel_, transitoires_, remplacer_, ajouter_,
             source_, niveau_, condition_})
        Suivre(o);
}

void PageAcquis::ConstruireDurees() {
    auto* grille = new QGridLayout;
    points_ = Nomme(new ChampEntier(this), QStringLiteral("points"));
    points_->FixerLimites(ModeLimite::liMinMax, QStringLiteral("1"),
                          QString::number(regles::PointsMaximum));
    grille->addWidget(new QLabel(tr("Points"), this), 0, 0);
    grille->addWidget(points_, 0, 1);
    grille->addWidget(
        Nomme(new QLabel(tr("Maximum ") + QString::number(regles::PointsMaximum), this),
              QStringLiteral("indicationPoints")),
        0, 3);

    periode_ = Nomme(new ChampReel(this), QStringLiteral("periode"));
    unitePeriode_ = Nomme(new QComboBox(this), QStringLiteral("unitePeriode"));
    unitePeriode_->addItems(ModeleParametres::Unites());
    indicationPeriode_ = Nomme(new QLabel(this), QStringLiteral("indicationPeriode"));
    grille->addWidget(new QLabel(tr("Période"), this), 1, 0);
    grille->addWidget(periode_, 1, 1);
    grille->addWidget(unitePeriode_, 1, 2);
    grille->addWidget(indicationPeriode_, 1, 3);

    totale_ = Nomme(new ChampReel(this), QStringLiteral("totale"));
    uniteTotale_ = Nomme(new QComboBox(this), QStringLiteral("uniteTotale"));
    uniteTotale_->addItems(ModeleParametres::Unites());
    indicationTotale_ = Nomme(new QLabel(this), QStringLiteral("indicationTotale"));
    grille->addWidget(new QLabel(tr("Durée totale"), this), 2, 0);
    grille->addWidget(totale_, 2, 1);
    grille->addWidget(uniteTotale_, 2, 2);
    grille->addWidget(indicationTotale_, 2, 3);

    moyenne_ = Nomme(new ChampEntier(this), QStringLiteral("moyenne"));
    moyenne_->FixerLimites(ModeLimite::liMinMax, QStringLiteral("1"),
                           QString::number(regles::EchantillonsMaximum));
    grille->addWidget(new QLabel(tr("Moyenne"), this), 3, 0);
    grille->addWidget(moyenne_, 3, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(grille);

    connect(points_, &ChampEntier::valide, this, &PageAcquis::PointsTapes);
    connect(periode_, &ChampReel::valide, this, &PageAcquis::PeriodeTapee);
    connect(totale_, &ChampReel::valide, this, &PageAcquis::TotaleTapee);
    connect(moyenne_, &ChampEntier::valide, this, &PageAcquis::EchantillonsTapes);
    connect(unitePeriode_, &QComboBox::currentIndexChanged, this, [this] {
        if (!modele_.EnChargement()) MontrerPeriode();
    });
    connect(uniteTotale_, &QComboBox::currentIndexChanged, this, [this] {
        if (!modele_.EnChargement()) MontrerTotale();
    });
    // The edit typed last decides the other one when the page is applied.
    connect(periode_, &QLineEdit::textChanged, this, [this] {
        if (modele_.ParLUtilisateur()) periodeTapee_ = true;
    });
    connect(totale_, &QLineEdit::textChanged, this, [this] {
        if (modele_.ParLUtilisateur()) totaleTapee_ = true;
    });
}

void PageAcquis::ConstruireOptions() {
    auto* colonne = static_cast<QVBoxLayout*>(layout());
    options_ = Nomme(new QGroupBox(tr("Options"), this), QStringLiteral("options"));
    auto* grille = new QGridLayout(options_);
    permanent_ = Nomme(new QCheckBox(tr("Mode permanent"), options_), QStringLiteral("permanent"));
    inhiberAffichage_ =
        Nomme(new QCheckBox(tr("Inhiber affichage"), options_), QStringLiteral("inhiberAffichage"));
    inhiberCalculs_ =
        Nomme(new QCheckBox(tr("Inhiber calculs"), options_), QStringLiteral("inhiberCalculs"));
    differentiel_ =
        Nomme(new QCheckBox(tr("Mode différentiel"), options_), QStringLiteral("differentiel"));
    transitoires_ = Nomme(new QCheckBox(tr("inhiber transitoires"), options_),
                          QStringLiteral("inhiberTransitoires"));
    grille->addWidget(permanent_, 0, 0);
    grille->addWidget(inhiberAffichage_, 0, 1);
    grille->addWidget(inhiberCalculs_, 0, 2);
    grille->addWidget(differentiel_, 1, 0);
    grille->addWidget(transitoires_, 1, 1);
    connect(permanent_, &QCheckBox::toggled, this, &PageAcquis::MettreAJourPermanent);
    colonne->addWidget(options_);

    auto* precedentes =
        Nomme(new QGroupBox(tr("Acquisitions précédentes"), this), QStringLiteral("precedentes"));
    auto* rangee = new QHBoxLayout(precedentes);
    remplacer_ = Nomme(new QRadioButton(tr("Remplacer"), precedentes), QStringLiteral("remplacer"));
    ajouter_ = Nomme(new QRadioButton(tr("Ajouter"), precedentes), QStringLiteral("ajouter"));
    rangee->addWidget(remplacer_);
    rangee->addWidget(ajouter_);
    colonne->addWidget(precedentes);
}

void PageAcquis::ConstruireDeclenchement() {
    declenchement_ =
        Nomme(new QGroupBox(tr("Déclenchement"), this), QStringLiteral("declenchement"));
    auto* colonne = new QVBoxLayout(declenchement_);
    source_ = Nomme(new QComboBox(declenchement_), QStringLiteral("source"));
    indicationSource_ = Nomme(new QLabel(declenchement_), QStringLiteral("indicationSource"));
    colonne->addWidget(source_);
    colonne->addWidget(indicationSource_);
    connect(source_, &QComboBox::currentIndexChanged, this, &PageAcquis::MettreAJourSource);

    reglagesNiveau_ = Nomme(new QWidget(declenchement_), QStringLiteral("reglagesNiveau"));
    auto* niveau = new QHBoxLayout(reglagesNiveau_);
    niveau->setContentsMargins(0, 0, 0, 0);
    niveau_ = Nomme(new ChampReel(reglagesNiveau_), QStringLiteral("niveau"));
    // A level that is not a number is taken as 0 when applied: the edit does not refuse it.
    niveau_->FixerChaineVideValide(true);
    uniteNiveau_ = Nomme(new QLabel(reglagesNiveau_), QStringLiteral("uniteNiveau"));
    niveau->addWidget(new QLabel(tr("Niveau"), reglagesNiveau_));
    niveau->addWidget(niveau_);
    niveau->addWidget(uniteNiveau_);
    colonne->addWidget(reglagesNiveau_);

    reglagesBits_ = Nomme(new QWidget(declenchement_), QStringLiteral("reglagesBits"));
    auto* grille = new QGridLayout(reglagesBits_);
    grille->setContentsMargins(0, 0, 0, 0);
    grille->addWidget(Nomme(new QLabel(ModeleParametres::LibelleBits, reglagesBits_),
                            QStringLiteral("libelleBits")),
                      0, 0, 1, 8);
    for (int k = 0; k < 8; ++k) {
        auto* c = Nomme(new QCheckBox(reglagesBits_), QStringLiteral("bit%1").arg(k));
        c->setAccessibleName(tr("Bit %1").arg(k));
        bits_[static_cast<std::size_t>(k)] = c;
        grille->addWidget(c, 1, 7 - k); // bit 7 on the left
        Suivre(c);
    }
    colonne->addWidget(reglagesBits_);

    reglagesCondition_ = Nomme(new QWidget(declenchement_), QStringLiteral("reglagesCondition"));
    auto* rangee = new QHBoxLayout(reglagesCondition_);
    rangee->setContentsMargins(0, 0, 0, 0);
    condition_ = Nomme(new QComboBox(reglagesCondition_), QStringLiteral("condition"));
    rangee->addWidget(new QLabel(tr("Condition"), reglagesCondition_));
    rangee->addWidget(condition_);
    colonne->addWidget(reglagesCondition_);
    static_cast<QVBoxLayout*>(layout())->addWidget(declenchement_);
}

void PageAcquis::Charger(int, bool) {
    const ModeleParametres::Acquis a = modele_.ChargerAcquis();
    lu_ = a;
    const bool sansSysteme = modele_.SansSysteme();

    points_->FixerValeur(a.points);
    moyenne_->FixerValeur(a.echantillons);
    unitePeriode_->setCurrentIndex(std::clamp<int>(a.unitePeriode, 1, 4) - 1);
    uniteTotale_->setCurrentIndex(std::clamp<int>(a.uniteTotale, 1, 4) - 1);
    periode_->FixerValeur(ModeleParametres::DepuisMicrosecondes(a.periode, a.unitePeriode));
    MontrerTotale();
    indicationPeriode_->setText(modele_.IndicationPeriode(a.echantillons));

    permanent_->setChecked(a.permanent);
    inhiberAffichage_->setChecked(a.inhiberAffichage);
    inhiberCalculs_->setChecked(a.inhiberCalculs);
    differentiel_->setChecked(a.differentiel);
    transitoires_->setChecked(a.inhiberTransitoires);
    (a.ajouter ? ajouter_ : remplacer_)->setChecked(true);
    MettreAJourPermanent();

    source_->clear();
    for (const ModeleParametres::Source& s : modele_.Sources())
        source_->addItem(s.texte, s.source);
    if (!ChoisirDonnee(source_, a.source)) source_->setCurrentIndex(0);
    const QString indication = modele_.IndicationSources();
    indicationSource_->setText(indication);
    indicationSource_->setVisible(!indication.isEmpty());
    source_->setToolTip(indication);
    niveau_->setText(a.niveau);
    for (std::size_t k = 0; k < bits_.size(); ++k)
        bits_[k]->setChecked(a.bits & (1u << k));
    MettreAJourSource();
    if (a.indexCondition >= 0 && a.indexCondition < condition_->count())
        condition_->setCurrentIndex(a.indexCondition);

    moyenne_->setEnabled(!sansSysteme);
    declenchement_->setEnabled(!sansSysteme);
    options_->setEnabled(!sansSysteme);
    periodeTapee_ = totaleTapee_ = false;
}

void PageAcquis::MettreAJourPermanent() {
    inhiberAffichage_->setEnabled(permanent_->isChecked());
    inhiberCalculs_->setEnabled(permanent_->isChecked());
}

void PageAcquis::MettreAJourSource() {
    const int source =
        source_->currentIndex() < 0 ? PELAVORINE_SOURCE_AUCUNE : source_->currentData().toInt();
    const bool entree = ModeleParametres::SourceEntree(source);
    const bool port = ModeleParametres::SourcePort(source);
    reglagesNiveau_->setVisible(entree);
    reglagesBits_->setVisible(port);
    reglagesCondition_->setVisible(entree || port);
    if (entree) uniteNiveau_->setText(modele_.UniteNiveau(source));
    const int index = condition_->currentIndex();
    const QStringList conditions = (entree || port) ? modele_.Conditions(source) : QStringList();
    Remplir(condition_, conditions, index);
}

int PageAcquis::PointsLus() const {
    return std::max<int>(1, static_cast<int>(points_->Valeur()));
}

int PageAcquis::EchantillonsLus() const {
    return std::max<int>(1, static_cast<int>(moyenne_->Valeur()));
}

void PageAcquis::MontrerTotale() {
    const Remplissage calcul(modele_, Remplissage::Calcul);
    const int unite = uniteTotale_->currentIndex() + 1;
    totale_->FixerValeur(
        ModeleParametres::DepuisMicrosecondes(modele_.TotaleSaisie(PointsLus()), unite));
    indicationTotale_->setText(modele_.IndicationTotale(PointsLus(), EchantillonsLus(), unite));
}

void PageAcquis::MontrerPeriode() {
    const Remplissage calcul(modele_, Remplissage::Calcul);
    periode_->FixerValeur(ModeleParametres::DepuisMicrosecondes(modele_.PeriodeSaisie(),
                                                                unitePeriode_->currentIndex() + 1));
}

void PageAcquis::PeriodeTapee() {
    if (modele_.EnChargement()) return;
    const double saisie =
        ModeleParametres::EnMicrosecondes(periode_->Valeur(), unitePeriode_->currentIndex() + 1);
    // A period below its limit is raised to it where the user typed it.
    if (!modele_.SaisirPeriode(saisie, EchantillonsLus())) MontrerPeriode();
    periodeTapee_ = false;
    MontrerTotale();
}

void PageAcquis::TotaleTapee() {
    if (modele_.EnChargement()) return;
    const int unite = uniteTotale_->currentIndex() + 1;
    const double totale = ModeleParametres::EnMicrosecondes(totale_->Valeur(), unite);
    const bool gardee = modele_.SaisirTotale(totale, PointsLus(), EchantillonsLus());
    MontrerPeriode();
    totaleTapee_ = false;
    if (!gardee)
        MontrerTotale();
    else
        indicationTotale_->setText(modele_.IndicationTotale(PointsLus(), EchantillonsLus(), unite));
}

void PageAcquis::PointsTapes() {
    if (!modele_.EnChargement()) MontrerTotale();
}

void PageAcquis::EchantillonsTapes() {
    if (modele_.EnChargement()) return;
    indicationPeriode_->setText(modele_.IndicationPeriode(EchantillonsLus()));
    // More samples per point raise the period's limit.
    if (!modele_.SaisirEchantillons(EchantillonsLus())) MontrerPeriode();
    MontrerTotale();
}

bool PageAcquis::Appliquer() {
    if (!points_->Valider() || !moyenne_->Valider()) return false;
    if (periodeTapee_ && !periode_->Valider()) return false;
    if (totaleTapee_ && !totale_->Valider()) return false;
    ModeleParametres::Acquis a = lu_;
    a.points = PointsLus();
    a.echantillons = EchantillonsLus();
    a.periode = modele_.PeriodeSaisie();
    a.unitePeriode = static_cast<std::uint8_t>(unitePeriode_->currentIndex() + 1);
    a.uniteTotale = static_cast<std::uint8_t>(uniteTotale_->currentIndex() + 1);
    a.permanent = permanent_->isChecked();
    a.inhiberAffichage = inhiberAffichage_->isChecked();
    a.inhiberCalculs = inhiberCalculs_->isChecked();
    a.differentiel = differentiel_->isChecked();
    a.inhiberTransitoires = transitoires_->isChecked();
    a.ajouter = ajouter_->isChecked();
    a.source = source_->currentIndex() < 0 ? -1 : source_->currentData().toInt();
    a.indexCondition = std::max(0, condition_->currentIndex());
    a.niveau = niveau_->text();
    std::uint8_t bits = 0;
    for (std::size_t k = 0; k < bits_.size(); ++k)
        if (bits_[k]->isChecked()) bits |= static_cast<std::uint8_t>(1u << k);
    a.bits = bits;
    modele_.AppliquerAcquis(a);
    return true;
}

} // namespace pelavorine
