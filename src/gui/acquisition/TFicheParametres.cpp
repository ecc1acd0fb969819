#include "gui/acquisition/TFicheParametres.h"

#include "core/acquisition/ReglesParametres.h"
#include "core/interface/CoucheInterface.h"
#include "core/store/TableVariables.h"
#include "core/store/TypeSortie.h"
#include "core/store/TypeVoie.h"
#include "core/travail/Travail.h"
#include "core/windows/EchelleAxe.h"
#include "core/windows/TableFenetres.h"
#include "gui/app/Aide.h"
#include "gui/ui/BoitesMessages.h"
#include "gui/ui/ChampChaine.h"
#include "gui/ui/ChampEntier.h"
#include "gui/ui/ChampReel.h"
#include "gui/ui/CouleursWindows.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace pelavorine {

namespace {

// The curve styles by number, as the curves are drawn.
const QStringList& NomsStyles() {
    static const QStringList noms = {
        QStringLiteral("Trait"),           QStringLiteral("Points"),
        QStringLiteral("Petites croix"),   QStringLiteral("Grandes croix"),
        QStringLiteral("Ronds"),           QStringLiteral("Carrés"),
        QStringLiteral("Trait et croix"),  QStringLiteral("Trait et ronds"),
        QStringLiteral("Trait et carrés"), QStringLiteral("Bâtons"),
        QStringLiteral("Bâtons en T"),     QStringLiteral("Trait épais"),
        QStringLiteral("Carrés inverses"), QStringLiteral("Carrés encadrés"),
        QStringLiteral("Pointillés")};
    return noms;
}

const QString kLibelleFenetres = QStringLiteral(" 1   2   3   4   5   6   7   8");

// Colours are kept as 0x00BBGGRR; -1 (not assigned yet) shows as black.
QColor VersQColor(std::int32_t couleur) {
    return couleur < 0 ? QColor(Qt::black) : DepuisWindows(couleur);
}

void MontrerCouleur(QPushButton* bouton, std::int32_t couleur) {
    bouton->setProperty("couleur", couleur);
    bouton->setStyleSheet(QStringLiteral("background-color: %1;").arg(VersQColor(couleur).name()));
}

QPushButton* Bouton(const QString& texte, QWidget* parent, const QString& nom) {
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    // Enter never presses a button of the form.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

template <class T> T* Nomme(T* w, const QString& nom) {
    w->setObjectName(nom);
    return w;
}

// Selects the item whose data is `valeur`; false when there is none.
bool ChoisirDonnee(QComboBox* liste, const QVariant& valeur) {
    const int i = liste->findData(valeur);
    if (i >= 0) liste->setCurrentIndex(i);
    return i >= 0;
}

void ChoisirTexte(QComboBox* liste, const QString& texte) {
    int i = liste->findText(texte);
    if (i < 0 && !texte.isEmpty()) {
        liste->addItem(texte);
        i = liste->count() - 1;
    }
    liste->setCurrentIndex(i);
}

void Remplir(QComboBox* liste, const QStringList& textes, int index) {
    liste->clear();
    liste->addItems(textes);
    liste->setCurrentIndex(index >= 0 && index < liste->count() ? index
                                                                : (textes.isEmpty() ? -1 : 0));
}

// The variable names the page lists, each with its slot.
void RemplirVariables(QComboBox* liste, const TableVariables& variables,
                      const std::vector<int>& cases) {
    liste->clear();
    for (int s : cases)
        if (const TypeId* v = variables.Variable(s)) liste->addItem(v->Nom, s);
}

// The time variable serves as an abscissa and a calibration too.
std::vector<int> AvecTemps(const TableVariables& variables, std::vector<int> cases) {
    if (variables.CaseTemps() > 0 &&
        std::find(cases.begin(), cases.end(), variables.CaseTemps()) == cases.end())
        cases.insert(cases.begin(), variables.CaseTemps());
    return cases;
}

int CaseDe(const TableVariables& variables, const TypeId* v) {
    if (!v) return 0;
    for (int s = 1; s <= variables.DerniereCase(); ++s)
        if (variables.Variable(s) == v) return s;
    return 0;
}

} // namespace

TFicheParametres::TFicheParametres(Travail& travail, CoucheInterface& couche, QWidget* parent)
    : QDialog(parent), travail_(travail), modele_(travail, couche) {
    setWindowTitle(ModeleParametres::Titre);
    setObjectName(QStringLiteral("ficheParametres"));
    auto* colonne = new QVBoxLayout(this);

    onglets_ = Nomme(new QTabWidget(this), QStringLiteral("onglets"));
    onglets_->addTab(ConstruireEntrees(), tr("Entrées"));
    onglets_->addTab(ConstruireAcquis(), tr("Acquis"));
    onglets_->addTab(ConstruireCourbes(), tr("Courbes"));
    onglets_->addTab(ConstruireFenetres(), tr("Fenêtres"));
    if (!modele_.SortiesOffertes().empty()) onglets_->addTab(ConstruireSorties(), tr("Sorties"));
    colonne->addWidget(onglets_);

    auto* rangee = new QHBoxLayout;
    ok_ = Bouton(tr("Ok"), this, QStringLiteral("ok"));
    essayer_ = Bouton(tr("Essayer"), this, QStringLiteral("essayer"));
    restaurer_ = Bouton(tr("Restaurer"), this, QStringLiteral("restaurer"));
    annuler_ = Bouton(tr("Annuler"), this, QStringLiteral("annuler"));
    aide_ = Bouton(tr("Aide"), this, QStringLiteral("aide"));
    for (QPushButton* b : {ok_, essayer_, restaurer_, annuler_, aide_})
        rangee->addWidget(b);
    colonne->addLayout(rangee);
    essayer_->setEnabled(false);

    connect(ok_, &QPushButton::clicked, this, &TFicheParametres::accept);
    connect(annuler_, &QPushButton::clicked, this, &TFicheParametres::reject);
    connect(aide_, &QPushButton::clicked, this, &TFicheParametres::MontrerAide);
    connect(restaurer_, &QPushButton::clicked, this, &TFicheParametres::Restaurer);
    connect(essayer_, &QPushButton::clicked, this, [this] {
        if (Appliquer()) ChargerPage(page_, ElementCourant(), false);
    });
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            &TFicheParametres::MontrerAide);
    connect(onglets_, &QTabWidget::currentChanged, this, &TFicheParametres::ChangerOnglet);

    ChargerPage(Page::PageEntrees, 0, true);
}

TFicheParametres::~TFicheParametres() {
    // The copies made for "Restaurer" must not outlive the form: without "Ok", cancel.
    if (!termine_) modele_.Annuler();
}

// --- Construction --------------------------------------------------------------------------

void TFicheParametres::Suivre(QObject* controle) {
    if (auto* champ = qobject_cast<QLineEdit*>(controle))
        connect(champ, &QLineEdit::textChanged, this, &TFicheParametres::Modifie);
    else if (auto* liste = qobject_cast<QComboBox*>(controle))
        connect(liste, &QComboBox::currentIndexChanged, this, &TFicheParametres::Modifie);
    else if (auto* bouton = qobject_cast<QAbstractButton*>(controle))
        connect(bouton, &QAbstractButton::toggled, this, &TFicheParametres::Modifie);
}

QWidget* TFicheParametres::ConstruireVariable(ControlesVariable& c, const QString& prefixe) {
    auto* groupe = Nomme(new QGroupBox(tr("Variable"), this), prefixe + QStringLiteral("Variable"));
    auto* forme = new QFormLayout(groupe);
    c.nom = Nomme(new ChampChaine(groupe), prefixe + QStringLiteral("Nom"));
    c.nom->setMaxLength(12);
    c.unite = Nomme(new ChampChaine(groupe), prefixe + QStringLiteral("Unite"));
    c.unite->setMaxLength(10);
    c.style = Nomme(new QComboBox(groupe), prefixe + QStringLiteral("Style"));
    c.style->addItems(NomsStyles());
    c.couleur = Bouton(QString(), groupe, prefixe + QStringLiteral("Couleur"));
    c.couleur->setAccessibleName(tr("Couleur"));
    MontrerCouleur(c.couleur, 0);
    connect(c.couleur, &QPushButton::clicked, this, [this, b = c.couleur] {
        const QColor choisie =
            QColorDialog::getColor(VersQColor(b->property("couleur").toInt()), this, tr("Couleur"));
        if (!choisie.isValid()) return;
        MontrerCouleur(b, VersWindows(choisie));
        Modifie();
    });
    forme->addRow(tr("Nom"), c.nom);
    forme->addRow(tr("Unité"), c.unite);
    forme->addRow(tr("Style"), c.style);
    forme->addRow(tr("Couleur"), c.couleur);

    auto* cadre = new QWidget(groupe);
    auto* grille = new QGridLayout(cadre);
    grille->setContentsMargins(0, 0, 0, 0);
    grille->addWidget(new QLabel(kLibelleFenetres, cadre), 0, 0, 1, 8);
    // Each box under its digit of the caption.
    const int pas = QFontMetrics(cadre->font()).horizontalAdvance(kLibelleFenetres) / 8;
    grille->setHorizontalSpacing(0);
    for (int k = 0; k < 8; ++k)
        grille->setColumnMinimumWidth(k, pas);
    grille->setColumnStretch(8, 1);
    for (int k = 0; k < 8; ++k) {
        c.fenetres[static_cast<std::size_t>(k)] =
            Nomme(new QCheckBox(cadre), prefixe + QStringLiteral("Fenetre%1").arg(k + 1));
        c.fenetres[static_cast<std::size_t>(k)]->setAccessibleName(tr("Fenêtre %1").arg(k + 1));
        grille->addWidget(c.fenetres[static_cast<std::size_t>(k)], 1, k);
        Suivre(c.fenetres[static_cast<std::size_t>(k)]);
    }
    forme->addRow(tr("Fenêtres"), cadre);
    for (QObject* o : std::initializer_list<QObject*>{c.nom, c.unite, c.style})
        Suivre(o);
    return groupe;
}

QWidget* TFicheParametres::ConstruireEntrees() {
    auto* page = Nomme(new QWidget(this), QStringLiteral("pageEntrees"));
    auto* colonne = new QVBoxLayout(page);
    rangeeEntrees_ = Nomme(new QWidget(page), QStringLiteral("rangeeEntrees"));
    new QHBoxLayout(rangeeEntrees_);
    boutonsEntrees_ = new QButtonGroup(page);
    boutonsEntrees_->setExclusive(true);
    connect(boutonsEntrees_, &QButtonGroup::idClicked, this, &TFicheParametres::ChangerElement);
    colonne->addWidget(rangeeEntrees_);

    inhibee_ = Nomme(new QLabel(ModeleParametres::Inhibee, page), QStringLiteral("inhibee"));
    colonne->addWidget(inhibee_);

    materiel_ = Nomme(new QGroupBox(tr("Acquisition"), page), QStringLiteral("materiel"));
    auto* forme = new QFormLayout(materiel_);
    auto* modes = new QWidget(materiel_);
    auto* rangeeModes = new QHBoxLayout(modes);
    rangeeModes->setContentsMargins(0, 0, 0, 0);
    modeInactif_ = Nomme(new QRadioButton(tr(" Inactif"), modes), QStringLiteral("modeInactif"));
    modeAutomatique_ =
        Nomme(new QRadioButton(tr(" Automatique"), modes), QStringLiteral("modeAutomatique"));
    modePasAPas_ = Nomme(new QRadioButton(tr(" Pas à pas"), modes), QStringLiteral("modePasAPas"));
    auto* groupeModes = new QButtonGroup(modes);
    for (QRadioButton* r : {modeInactif_, modeAutomatique_, modePasAPas_}) {
        groupeModes->addButton(r);
        rangeeModes->addWidget(r);
        Suivre(r);
        connect(r, &QRadioButton::toggled, this, &TFicheParametres::MettreAJourEntree);
    }
    forme->addRow(tr("Mode"), modes);
    lecture_ = Nomme(new QComboBox(materiel_), QStringLiteral("lecture"));
    forme->addRow(tr("Lecture"), lecture_);
    calibreEntree_ = Nomme(new QComboBox(materiel_), QStringLiteral("calibreEntree"));
    forme->addRow(tr("Calibre"), calibreEntree_);
    gain_ = Nomme(new QComboBox(materiel_), QStringLiteral("gain"));
    libelleGain_ = new QLabel(tr("Gain"), materiel_);
    forme->addRow(libelleGain_, gain_);
    capteur_ = Nomme(new QComboBox(materiel_), QStringLiteral("capteur"));
    // Long sensor names are cut with "..." rather than widening the form.
    capteur_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    capteur_->setMinimumContentsLength(20);
    forme->addRow(tr("Capteur"), capteur_);
    connect(capteur_, &QComboBox::currentIndexChanged, this, &TFicheParametres::MettreAJourEntree);
    ampli_ = Nomme(new ChampReel(materiel_), QStringLiteral("ampli"));
    decal_ = Nomme(new ChampReel(materiel_), QStringLiteral("decal"));
    forme->addRow(tr("Ampli"), ampli_);
    forme->addRow(tr("Décal"), decal_);
    for (QObject* o :
         std::initializer_list<QObject*>{lecture_, calibreEntree_, gain_, capteur_, ampli_, decal_})
        Suivre(o);
    colonne->addWidget(materiel_);
    colonne->addWidget(ConstruireVariable(varEntree_, QStringLiteral("entree")));
    colonne->addStretch();
    return page;
}

QWidget* TFicheParametres::ConstruireAcquis() {
    auto* page = Nomme(new QWidget(this), QStringLiteral("pageAcquis"));
    auto* colonne = new QVBoxLayout(page);
    auto* grille = new QGridLayout;

    points_ = Nomme(new ChampEntier(page), QStringLiteral("points"));
    points_->FixerLimites(ModeLimite::liMinMax, QStringLiteral("1"),
                          QString::number(regles::PointsMaximum));
    indicationPoints_ =
        Nomme(new QLabel(tr("Maximum ") + QString::number(regles::PointsMaximum), page),
              QStringLiteral("indicationPoints"));
    grille->addWidget(new QLabel(tr("Points"), page), 0, 0);
    grille->addWidget(points_, 0, 1);
    grille->addWidget(indicationPoints_, 0, 3);

    periode_ = Nomme(new ChampReel(page), QStringLiteral("periode"));
    unitePeriode_ = Nomme(new QComboBox(page), QStringLiteral("unitePeriode"));
    unitePeriode_->addItems(ModeleParametres::Unites());
    indicationPeriode_ = Nomme(new QLabel(page), QStringLiteral("indicationPeriode"));
    grille->addWidget(new QLabel(tr("Période"), page), 1, 0);
    grille->addWidget(periode_, 1, 1);
    grille->addWidget(unitePeriode_, 1, 2);
    grille->addWidget(indicationPeriode_, 1, 3);

    totale_ = Nomme(new ChampReel(page), QStringLiteral("totale"));
    uniteTotale_ = Nomme(new QComboBox(page), QStringLiteral("uniteTotale"));
    uniteTotale_->addItems(ModeleParametres::Unites());
    indicationTotale_ = Nomme(new QLabel(page), QStringLiteral("indicationTotale"));
    grille->addWidget(new QLabel(tr("Durée totale"), page), 2, 0);
    grille->addWidget(totale_, 2, 1);
    grille->addWidget(uniteTotale_, 2, 2);
    grille->addWidget(indicationTotale_, 2, 3);

    moyenne_ = Nomme(new ChampEntier(page), QStringLiteral("moyenne"));
    moyenne_->FixerLimites(ModeLimite::liMinMax, QStringLiteral("1"),
                           QString::number(regles::EchantillonsMaximum));
    grille->addWidget(new QLabel(tr("Moyenne"), page), 3, 0);
    grille->addWidget(moyenne_, 3, 1);
    colonne->addLayout(grille);

    connect(points_, &ChampEntier::valide, this, &TFicheParametres::PointsSaisis);
    connect(periode_, &ChampReel::valide, this, &TFicheParametres::PeriodeSaisie);
    connect(totale_, &ChampReel::valide, this, &TFicheParametres::TotaleSaisie);
    connect(moyenne_, &ChampEntier::valide, this, &TFicheParametres::EchantillonsSaisis);
    connect(unitePeriode_, &QComboBox::currentIndexChanged, this,
            &TFicheParametres::UnitePeriodeChangee);
    connect(uniteTotale_, &QComboBox::currentIndexChanged, this,
            &TFicheParametres::UniteTotaleChangee);
    // The edit typed last decides the other one when the page is applied.
    connect(periode_, &QLineEdit::textChanged, this, [this] {
        if (!chargement_ && !calculAcquis_) periodeEditee_ = true;
    });
    connect(totale_, &QLineEdit::textChanged, this, [this] {
        if (!chargement_ && !calculAcquis_) totaleEditee_ = true;
    });

    groupeOptions_ = Nomme(new QGroupBox(tr("Options"), page), QStringLiteral("options"));
    auto* options = new QGridLayout(groupeOptions_);
    permanent_ =
        Nomme(new QCheckBox(tr("Mode permanent"), groupeOptions_), QStringLiteral("permanent"));
    inhiberAffichage_ = Nomme(new QCheckBox(tr("Inhiber affichage"), groupeOptions_),
                              QStringLiteral("inhiberAffichage"));
    inhiberCalculs_ = Nomme(new QCheckBox(tr("Inhiber calculs"), groupeOptions_),
                            QStringLiteral("inhiberCalculs"));
    differentiel_ = Nomme(new QCheckBox(tr("Mode différentiel"), groupeOptions_),
                          QStringLiteral("differentiel"));
    transitoires_ = Nomme(new QCheckBox(tr("inhiber transitoires"), groupeOptions_),
                          QStringLiteral("inhiberTransitoires"));
    options->addWidget(permanent_, 0, 0);
    options->addWidget(inhiberAffichage_, 0, 1);
    options->addWidget(inhiberCalculs_, 0, 2);
    options->addWidget(differentiel_, 1, 0);
    options->addWidget(transitoires_, 1, 1);
    connect(permanent_, &QCheckBox::toggled, this, &TFicheParametres::MettreAJourPermanent);
    colonne->addWidget(groupeOptions_);

    auto* precedentes =
        Nomme(new QGroupBox(tr("Acquisitions précédentes"), page), QStringLiteral("precedentes"));
    auto* rangee = new QHBoxLayout(precedentes);
    remplacer_ = Nomme(new QRadioButton(tr("Remplacer"), precedentes), QStringLiteral("remplacer"));
    ajouter_ = Nomme(new QRadioButton(tr("Ajouter"), precedentes), QStringLiteral("ajouter"));
    rangee->addWidget(remplacer_);
    rangee->addWidget(ajouter_);
    colonne->addWidget(precedentes);

    groupeDeclenchement_ =
        Nomme(new QGroupBox(tr("Déclenchement"), page), QStringLiteral("declenchement"));
    auto* declenchement = new QVBoxLayout(groupeDeclenchement_);
    source_ = Nomme(new QComboBox(groupeDeclenchement_), QStringLiteral("source"));
    indicationSource_ = Nomme(new QLabel(groupeDeclenchement_), QStringLiteral("indicationSource"));
    declenchement->addWidget(source_);
    declenchement->addWidget(indicationSource_);
    connect(source_, &QComboBox::currentIndexChanged, this, &TFicheParametres::MettreAJourSource);

    reglagesNiveau_ = Nomme(new QWidget(groupeDeclenchement_), QStringLiteral("reglagesNiveau"));
    auto* niveau = new QHBoxLayout(reglagesNiveau_);
    niveau->setContentsMargins(0, 0, 0, 0);
    niveau_ = Nomme(new ChampReel(reglagesNiveau_), QStringLiteral("niveau"));
    // A level that is not a number is taken as 0 when applied: the edit does not refuse it.
    niveau_->FixerChaineVideValide(true);
    uniteNiveau_ = Nomme(new QLabel(reglagesNiveau_), QStringLiteral("uniteNiveau"));
    niveau->addWidget(new QLabel(tr("Niveau"), reglagesNiveau_));
    niveau->addWidget(niveau_);
    niveau->addWidget(uniteNiveau_);
    declenchement->addWidget(reglagesNiveau_);

    reglagesBits_ = Nomme(new QWidget(groupeDeclenchement_), QStringLiteral("reglagesBits"));
    auto* grilleBits = new QGridLayout(reglagesBits_);
    grilleBits->setContentsMargins(0, 0, 0, 0);
    libelleBits_ = Nomme(new QLabel(ModeleParametres::LibelleBits, reglagesBits_),
                         QStringLiteral("libelleBits"));
    grilleBits->addWidget(libelleBits_, 0, 0, 1, 8);
    for (int k = 0; k < 8; ++k) {
        auto* c = Nomme(new QCheckBox(reglagesBits_), QStringLiteral("bit%1").arg(k));
        c->setAccessibleName(tr("Bit %1").arg(k));
        bits_[static_cast<std::size_t>(k)] = c;
        grilleBits->addWidget(c, 1, 7 - k); // bit 7 on the left
        Suivre(c);
    }
    declenchement->addWidget(reglagesBits_);

    reglagesCondition_ = new QWidget(groupeDeclenchement_);
    auto* rangeeCondition = new QHBoxLayout(reglagesCondition_);
    rangeeCondition->setContentsMargins(0, 0, 0, 0);
    condition_ = Nomme(new QComboBox(reglagesCondition_), QStringLiteral("condition"));
    rangeeCondition->addWidget(new QLabel(tr("Condition"), reglagesCondition_));
    rangeeCondition->addWidget(condition_);
    declenchement->addWidget(reglagesCondition_);
    colonne->addWidget(groupeDeclenchement_);
    colonne->addStretch();

    for (QObject* o : std::initializer_list<QObject*>{
             points_, periode_, unitePeriode_, totale_, uniteTotale_, moyenne_, permanent_,
             inhiberAffichage_, inhiberCalculs_, differentiel_, transitoires_, remplacer_, ajouter_,
             source_, niveau_, condition_})
        Suivre(o);
    return page;
}

QWidget* TFicheParametres::ConstruireCourbes() {
    auto* page = Nomme(new QWidget(this), QStringLiteral("pageCourbes"));
    auto* colonne = new QVBoxLayout(page);
    courbe_ = Nomme(new QComboBox(page), QStringLiteral("courbe"));
    connect(courbe_, &QComboBox::activated, this,
            [this](int index) { ChangerElement(courbe_->itemData(index).toInt()); });
    colonne->addWidget(courbe_);
    colonne->addWidget(ConstruireVariable(varCourbe_, QStringLiteral("courbe")));

    auto* affichage = new QGroupBox(tr("Affichage"), page);
    auto* grille = new QGridLayout(affichage);
    decalage_ = Nomme(new ChampReel(affichage), QStringLiteral("decalage"));
    multiplicateur_ = Nomme(new ChampReel(affichage), QStringLiteral("multiplicateur"));
    grille->addWidget(new QLabel(tr("Décalage"), affichage), 0, 0);
    grille->addWidget(decalage_, 0, 1);
    grille->addWidget(new QLabel(tr("Multiplicateur"), affichage), 1, 0);
    grille->addWidget(multiplicateur_, 1, 1);
    ordonneeSpeciale_ = Nomme(new QCheckBox(tr("Ordonnée spéciale"), affichage),
                              QStringLiteral("ordonneeSpeciale"));
    concordance_ = Nomme(new QComboBox(affichage), QStringLiteral("concordance"));
    grille->addWidget(ordonneeSpeciale_, 2, 0);
    grille->addWidget(new QLabel(tr("En concordance avec"), affichage), 2, 1);
    grille->addWidget(concordance_, 2, 2);
    abscisseSpeciale_ = Nomme(new QCheckBox(tr("Abscisse spéciale"), affichage),
                              QStringLiteral("abscisseSpeciale"));
    abscisseCourbe_ = Nomme(new QComboBox(affichage), QStringLiteral("abscisseCourbe"));
    grille->addWidget(abscisseSpeciale_, 3, 0);
    grille->addWidget(abscisseCourbe_, 3, 2);
    connect(ordonneeSpeciale_, &QCheckBox::toggled, concordance_, &QWidget::setEnabled);
    connect(abscisseSpeciale_, &QCheckBox::toggled, abscisseCourbe_, &QWidget::setEnabled);
    colonne->addWidget(affichage);

    information_ = Nomme(new QPlainTextEdit(page), QStringLiteral("information"));
    information_->setReadOnly(true);
    colonne->addWidget(information_);
    for (QObject* o :
         std::initializer_list<QObject*>{decalage_, multiplicateur_, ordonneeSpeciale_,
                                         concordance_, abscisseSpeciale_, abscisseCourbe_})
        Suivre(o);
    return page;
}

QWidget* TFicheParametres::ConstruireFenetres() {
    auto* page = Nomme(new QWidget(this), QStringLiteral("pageFenetres"));
    auto* colonne = new QVBoxLayout(page);
    rangeeFenetres_ = Nomme(new QWidget(page), QStringLiteral("rangeeFenetres"));
    new QHBoxLayout(rangeeFenetres_);
    boutonsFenetres_ = new QButtonGroup(page);
    boutonsFenetres_->setExclusive(true);
    connect(boutonsFenetres_, &QButtonGroup::idClicked, this, &TFicheParametres::ChangerElement);
    colonne->addWidget(rangeeFenetres_);

    auto* abscisse = new QGroupBox(tr("Abscisse"), page);
    auto* forme = new QFormLayout(abscisse);
    abscisseFenetre_ = Nomme(new QComboBox(abscisse), QStringLiteral("abscisseFenetre"));
    genreAbscisse_ = Nomme(new QComboBox(abscisse), QStringLiteral("genreAbscisse"));
    genreAbscisse_->addItems(ModeleParametres::GenresAbscisse());
    forme->addRow(tr("Nom"), abscisseFenetre_);
    forme->addRow(tr("Genre"), genreAbscisse_);
    colonne->addWidget(abscisse);

    auto* echelles = new QGroupBox(tr("Echelles"), page);
    auto* grille = new QGridLayout(echelles);
    xmin_ = Nomme(new ChampReel(echelles), QStringLiteral("xmin"));
    xmax_ = Nomme(new ChampReel(echelles), QStringLiteral("xmax"));
    ymin_ = Nomme(new ChampReel(echelles), QStringLiteral("ymin"));
    ymax_ = Nomme(new ChampReel(echelles), QStringLiteral("ymax"));
    calibreX_ = Nomme(new QComboBox(echelles), QStringLiteral("calibreX"));
    calibreY_ = Nomme(new QComboBox(echelles), QStringLiteral("calibreY"));
    grille->addWidget(new QLabel(tr("Minimum"), echelles), 0, 1);
    grille->addWidget(new QLabel(tr("Maximum"), echelles), 0, 2);
    grille->addWidget(new QLabel(tr("Calibrer sur"), echelles), 0, 3);
    grille->addWidget(new QLabel(QStringLiteral("X"), echelles), 1, 0);
    grille->addWidget(xmin_, 1, 1);
    grille->addWidget(xmax_, 1, 2);
    grille->addWidget(calibreX_, 1, 3);
    grille->addWidget(new QLabel(QStringLiteral("Y"), echelles), 2, 0);
    grille->addWidget(ymin_, 2, 1);
    grille->addWidget(ymax_, 2, 2);
    grille->addWidget(calibreY_, 2, 3);
    colonne->addWidget(echelles);
    colonne->addStretch();
    for (QObject* o : std::initializer_list<QObject*>{abscisseFenetre_, genreAbscisse_, xmin_,
                                                      xmax_, ymin_, ymax_, calibreX_, calibreY_})
        Suivre(o);
    return page;
}

QWidget* TFicheParametres::ConstruireSorties() {
    auto* page = Nomme(new QWidget(this), QStringLiteral("pageSorties"));
    sorties_ = page;
    auto* colonne = new QVBoxLayout(page);
    rangeeSorties_ = Nomme(new QWidget(page), QStringLiteral("rangeeSorties"));
    new QHBoxLayout(rangeeSorties_);
    boutonsSorties_ = new QButtonGroup(page);
    boutonsSorties_->setExclusive(true);
    connect(boutonsSorties_, &QButtonGroup::idClicked, this, &TFicheParametres::ChangerElement);
    colonne->addWidget(rangeeSorties_);

    auto* rangeeForme = new QHBoxLayout;
    forme_ = Nomme(new QComboBox(page), QStringLiteral("forme"));
    connect(forme_, &QComboBox::currentIndexChanged, this, &TFicheParametres::MettreAJourForme);
    emettre_ = Bouton(tr("Émettre"), page, QStringLiteral("emettre"));
    // Emitting one output alone comes with the outputs' own work; the button says so.
    emettre_->setEnabled(false);
    emettre_->setToolTip(tr("L'émission d'une sortie seule n'est pas encore disponible"));
    rangeeForme->addWidget(new QLabel(tr("Forme"), page));
    rangeeForme->addWidget(forme_);
    rangeeForme->addWidget(emettre_);
    colonne->addLayout(rangeeForme);

    reglagesSignal_ = Nomme(new QGroupBox(tr("Signal"), page), QStringLiteral("reglagesSignal"));
    auto* signal = new QVBoxLayout(reglagesSignal_);
    auto* rangeeCalibre = new QFormLayout;
    calibreSortie_ = Nomme(new QComboBox(reglagesSignal_), QStringLiteral("calibreSortie"));
    connect(calibreSortie_, &QComboBox::currentIndexChanged, this,
            &TFicheParametres::CalibreSortieChange);
    rangeeCalibre->addRow(tr("Calibre"), calibreSortie_);
    signal->addLayout(rangeeCalibre);

    reglagesForme_ = Nomme(new QWidget(reglagesSignal_), QStringLiteral("reglagesForme"));
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
    signal->addWidget(reglagesForme_);

    auto* modes = new QGroupBox(tr("Emission"), reglagesSignal_);
    auto* rangeeModes = new QHBoxLayout(modes);
    seule_ = Nomme(new QRadioButton(tr(" Seule"), modes), QStringLiteral("seule"));
    durant_ = Nomme(new QRadioButton(tr(" Durant acquisition"), modes),
                    QStringLiteral("durantAcquisition"));
    rangeeModes->addWidget(seule_);
    rangeeModes->addWidget(durant_);
    signal->addWidget(modes);
    auto* arret = new QGroupBox(tr("Après l'arrêt"), reglagesSignal_);
    auto* rangeeArret = new QHBoxLayout(arret);
    valeurNulle_ =
        Nomme(new QRadioButton(tr("Valeur nulle"), arret), QStringLiteral("valeurNulle"));
    valeurFinale_ =
        Nomme(new QRadioButton(tr("Valeur finale"), arret), QStringLiteral("valeurFinale"));
    rangeeArret->addWidget(valeurNulle_);
    rangeeArret->addWidget(valeurFinale_);
    signal->addWidget(arret);
    colonne->addWidget(reglagesSignal_);
    colonne->addWidget(ConstruireVariable(varSortie_, QStringLiteral("sortie")));
    colonne->addStretch();
    for (QObject* o :
         std::initializer_list<QObject*>{forme_, calibreSortie_, periodes_, minimum_, maximum_,
                                         seule_, durant_, valeurNulle_, valeurFinale_})
        Suivre(o);
    return page;
}

// --- Pages ---------------------------------------------------------------------------------

TFicheParametres::Page TFicheParametres::PageDeOnglet(int index) const {
    QWidget* w = onglets_->widget(index);
    if (w && w == sorties_) return Page::PageSorties;
    return static_cast<Page>(std::clamp(index, 0, static_cast<int>(Page::PageFenetres)));
}

int TFicheParametres::OngletDePage(Page page) const {
    if (page == Page::PageSorties) return sorties_ ? onglets_->indexOf(sorties_) : 0;
    return static_cast<int>(page);
}

int TFicheParametres::ElementCourant() const {
    switch (page_) {
    case Page::PageEntrees:
        return entree_;
    case Page::PageCourbes:
        return slot_;
    case Page::PageFenetres:
        return fenetre_;
    case Page::PageSorties:
        return sortie_;
    case Page::PageAcquis:
        break;
    }
    return 0;
}

QString TFicheParametres::PageAide(Page page) {
    switch (page) {
    case Page::PageEntrees:
        return QStringLiteral("\\Parametres\\Entrees.htm");
    case Page::PageAcquis:
        return QStringLiteral("\\Parametres\\Acquisition.htm");
    case Page::PageCourbes:
        return QStringLiteral("\\Parametres\\Courbes.htm");
    case Page::PageFenetres:
        return QStringLiteral("\\Parametres\\Fenetres.htm");
    case Page::PageSorties:
        return QStringLiteral("\\Parametres\\Sorties.htm");
    }
    return {};
}

void TFicheParametres::MontrerAide() {
    Aide::Ouvrir(PageAide(page_));
}

void TFicheParametres::OuvrirPage(int page, int element) {
    Page voulue = static_cast<Page>(std::clamp(page, 0, static_cast<int>(Page::PageSorties)));
    if (voulue == Page::PageSorties && !sorties_) voulue = Page::PageEntrees;
    if (voulue == page_ && element != 0 && element == ElementCourant()) return;
    if (!Appliquer()) return;
    {
        const QSignalBlocker bloque(onglets_);
        onglets_->setCurrentIndex(OngletDePage(voulue));
    }
    ChargerPage(voulue, element, true);
}

void TFicheParametres::ChangerOnglet(int index) {
    const Page voulue = PageDeOnglet(index);
    if (voulue == page_) return;
    if (!Appliquer()) {
        const QSignalBlocker bloque(onglets_);
        onglets_->setCurrentIndex(OngletDePage(page_));
        return;
    }
    int element = 0;
    switch (voulue) {
    case Page::PageEntrees:
        element = entree_;
        break;
    case Page::PageCourbes:
        element = slot_;
        break;
    case Page::PageFenetres:
        element = fenetre_;
        break;
    case Page::PageSorties:
        element = sortie_;
        break;
    case Page::PageAcquis:
        break;
    }
    ChargerPage(voulue, element, true);
}

void TFicheParametres::ChangerElement(int element) {
    if (element == ElementCourant()) return;
    if (!Appliquer()) {
        // The refused item stays the one shown.
        const QSignalBlocker bloque(courbe_);
        ChargerSelection();
        return;
    }
    ChargerPage(page_, element, true);
}

void TFicheParametres::ChargerSelection() {
    Selectionner(boutonsEntrees_, entree_);
    Selectionner(boutonsFenetres_, fenetre_);
    if (boutonsSorties_) Selectionner(boutonsSorties_, sortie_);
    ChoisirDonnee(courbe_, slot_);
}

void TFicheParametres::ChargerPage(Page page, int element, bool noter) {
    chargement_ = true;
    page_ = page;
    switch (page) {
    case Page::PageEntrees:
        ChargerEntree(element, noter);
        break;
    case Page::PageAcquis:
        ChargerAcquis();
        break;
    case Page::PageCourbes:
        ChargerCourbe(element, noter);
        break;
    case Page::PageFenetres:
        ChargerFenetre(element);
        break;
    case Page::PageSorties:
        ChargerSortie(element, noter);
        break;
    }
    chargement_ = false;
    modifie_ = false;
    periodeEditee_ = totaleEditee_ = false;
    essayer_->setEnabled(false);
    // Only a variable has a state to go back to.
    restaurer_->setEnabled((page == Page::PageEntrees && entree_ >= 0 && CaseEntree(entree_)) ||
                           (page == Page::PageCourbes && slot_ > 0) ||
                           (page == Page::PageSorties && sortie_ > 0));
}

void TFicheParametres::RemplirBoutons(QButtonGroup* groupe, QWidget* rangee,
                                      const std::vector<int>& numeros,
                                      const std::function<QString(int)>& libelle) {
    for (QAbstractButton* b : groupe->buttons()) {
        groupe->removeButton(b);
        delete b;
    }
    for (int n : numeros) {
        QPushButton* b = Bouton(libelle(n), rangee, rangee->objectName() + QString::number(n));
        b->setCheckable(true);
        groupe->addButton(b, n);
        rangee->layout()->addWidget(b);
    }
}

void TFicheParametres::Selectionner(QButtonGroup* groupe, int numero) {
    if (QAbstractButton* b = groupe->button(numero)) b->setChecked(true);
}

int TFicheParametres::CaseEntree(int numero) const {
    return CaseDe(travail_.Variables(), regles::Entree(travail_.Variables(), numero));
}

int TFicheParametres::CaseSortie(int numero) const {
    return CaseDe(travail_.Variables(), regles::Sortie(travail_.Variables(), numero));
}

void TFicheParametres::MontrerVariable(const ControlesVariable& c, const QString& nom,
                                       const QString& unite, std::uint8_t style,
                                       std::int32_t couleur, std::uint32_t fenetres) {
    c.nom->setText(nom);
    c.unite->setText(unite);
    c.style->setCurrentIndex(style < c.style->count() ? style : 0);
    MontrerCouleur(c.couleur, couleur);
    for (std::size_t k = 0; k < c.fenetres.size(); ++k)
        c.fenetres[k]->setChecked(fenetres & (1u << k));
}

void TFicheParametres::LireVariable(const ControlesVariable& c, QString& nom, QString& unite,
                                    std::uint8_t& style, std::int32_t& couleur,
                                    std::uint32_t& fenetres) const {
    nom = c.nom->text();
    unite = c.unite->text();
    style = static_cast<std::uint8_t>(std::max(0, c.style->currentIndex()));
    couleur = c.couleur->property("couleur").toInt();
    // Windows beyond the eight boxes keep their bits.
    std::uint32_t masque = fenetres & ~0xFFu;
    for (std::size_t k = 0; k < c.fenetres.size(); ++k)
        if (c.fenetres[k]->isChecked()) masque |= 1u << k;
    fenetres = masque;
}

// --- "Entrées" -----------------------------------------------------------------------------

void TFicheParametres::ChargerEntree(int numero, bool noter) {
    const std::vector<int> offertes = modele_.EntreesOffertes();
    if (std::find(offertes.begin(), offertes.end(), numero) == offertes.end())
        numero = offertes.empty() ? -1 : offertes.front();
    entree_ = numero;
    RemplirBoutons(boutonsEntrees_, rangeeEntrees_, offertes,
                   [this](int n) { return modele_.LibelleEntree(n); });
    Selectionner(boutonsEntrees_, numero);
    const bool existe = numero >= 0;
    materiel_->setEnabled(existe);
    varEntree_.nom->parentWidget()->setEnabled(existe);
    if (!existe) {
        inhibee_->hide();
        return;
    }
    if (noter) modele_.Noter(CaseEntree(numero));
    const ModeleParametres::Entree e = modele_.LireEntree(numero);
    entreeLue_ = e;

    modeInactif_->setChecked(e.mode == TypeVoie::Inactif);
    modeAutomatique_->setChecked(e.mode == TypeVoie::Automatique);
    modePasAPas_->setChecked(e.mode == TypeVoie::PasAPas);
    modeAutomatique_->setVisible(!modele_.SansSysteme());

    lecture_->clear();
    for (const auto& [texte, valeur] : modele_.Lectures())
        lecture_->addItem(texte, valeur);
    if (!ChoisirDonnee(lecture_, e.lecture)) lecture_->setCurrentIndex(0);

    const QStringList calibres = modele_.Calibres(numero);
    Remplir(calibreEntree_, calibres, e.calibre - 1);
    calibreEntree_->setEnabled(calibres.size() >= 2);
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

    MontrerVariable(varEntree_, e.nom, e.unite, e.style, e.couleur, e.fenetres);
    MettreAJourEntree();
}

void TFicheParametres::MettreAJourEntree() {
    lecture_->setVisible(modePasAPas_->isChecked());
    if (auto* libelle = qobject_cast<QFormLayout*>(materiel_->layout())->labelForField(lecture_))
        libelle->setVisible(modePasAPas_->isChecked());
    const bool sansCapteur = capteur_->currentIndex() <= 0;
    ampli_->setEnabled(sansCapteur);
    decal_->setEnabled(sansCapteur);
}

bool TFicheParametres::AppliquerEntree() {
    if (entree_ < 0) return true;
    ModeleParametres::Entree e = entreeLue_;
    LireVariable(varEntree_, e.nom, e.unite, e.style, e.couleur, e.fenetres);
    if (e.capteur != 255) {
        if (ampli_->isEnabled() && (!ampli_->Valider() || !decal_->Valider())) return false;
        if (modeInactif_->isChecked()) e.mode = TypeVoie::Inactif;
        if (modeAutomatique_->isChecked()) e.mode = TypeVoie::Automatique;
        if (modePasAPas_->isChecked()) e.mode = TypeVoie::PasAPas;
        if (lecture_->currentIndex() >= 0)
            e.lecture = static_cast<std::uint8_t>(lecture_->currentData().toInt());
        if (calibreEntree_->currentIndex() >= 0)
            e.calibre = static_cast<std::uint8_t>(calibreEntree_->currentIndex() + 1);
        if (gain_->currentIndex() >= 0)
            e.gain = static_cast<std::uint8_t>(gain_->currentIndex() + 1);
        e.capteur = static_cast<std::uint8_t>(std::max(0, capteur_->currentIndex()));
        e.echelle = ampli_->Valeur();
        e.decalage = decal_->Valeur();
    }
    const QString message = modele_.AppliquerEntree(entree_, e);
    if (!message.isEmpty()) {
        Refuser(message, varEntree_.nom);
        return false;
    }
    return true;
}

// --- "Acquis" ------------------------------------------------------------------------------

void TFicheParametres::ChargerAcquis() {
    const ModeleParametres::Acquis a = modele_.LireAcquis();
    acquisLu_ = a;
    const bool sansSysteme = modele_.SansSysteme();

    points_->FixerValeur(a.points);
    moyenne_->FixerValeur(a.echantillons);
    unitePeriode_->setCurrentIndex(std::clamp<int>(a.unitePeriode, 1, 4) - 1);
    uniteTotale_->setCurrentIndex(std::clamp<int>(a.uniteTotale, 1, 4) - 1);
    periodeUs_ = a.periode;
    periode_->FixerValeur(ModeleParametres::DepuisMicrosecondes(a.periode, a.unitePeriode));
    AfficherTotale();
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
    groupeDeclenchement_->setEnabled(!sansSysteme);
    groupeOptions_->setEnabled(!sansSysteme);
}

void TFicheParametres::MettreAJourPermanent() {
    inhiberAffichage_->setEnabled(permanent_->isChecked());
    inhiberCalculs_->setEnabled(permanent_->isChecked());
}

void TFicheParametres::MettreAJourSource() {
    const int source = source_->currentIndex() < 0 ? -1 : source_->currentData().toInt();
    const bool entree = source >= 0 && source <= 8;
    const bool port = source >= 9 && source < 70;
    reglagesNiveau_->setVisible(entree);
    reglagesBits_->setVisible(port);
    reglagesCondition_->setVisible(entree || port);
    if (entree) uniteNiveau_->setText(modele_.UniteNiveau(source));
    const int index = condition_->currentIndex();
    const QStringList conditions = (entree || port) ? modele_.Conditions(source) : QStringList();
    Remplir(condition_, conditions, index);
}

int TFicheParametres::PointsLus() const {
    return std::max<int>(1, static_cast<int>(points_->Valeur()));
}

int TFicheParametres::EchantillonsLus() const {
    return std::max<int>(1, static_cast<int>(moyenne_->Valeur()));
}

void TFicheParametres::AfficherTotale() {
    calculAcquis_ = true;
    const int unite = uniteTotale_->currentIndex() + 1;
    totale_->FixerValeur(ModeleParametres::DepuisMicrosecondes(PointsLus() * periodeUs_, unite));
    indicationTotale_->setText(modele_.IndicationTotale(PointsLus(), EchantillonsLus(), unite));
    calculAcquis_ = false;
}

void TFicheParametres::MontrerPeriode() {
    calculAcquis_ = true;
    periode_->FixerValeur(
        ModeleParametres::DepuisMicrosecondes(periodeUs_, unitePeriode_->currentIndex() + 1));
    calculAcquis_ = false;
}

void TFicheParametres::PeriodeSaisie() {
    if (chargement_) return;
    const double saisie =
        ModeleParametres::EnMicrosecondes(periode_->Valeur(), unitePeriode_->currentIndex() + 1);
    periodeUs_ = modele_.PeriodeLimitee(saisie, EchantillonsLus());
    // A period below its limit is raised to it where the user typed it.
    if (periodeUs_ != saisie) MontrerPeriode();
    periodeEditee_ = false;
    AfficherTotale();
}

void TFicheParametres::TotaleSaisie() {
    if (chargement_) return;
    const double totale =
        ModeleParametres::EnMicrosecondes(totale_->Valeur(), uniteTotale_->currentIndex() + 1);
    const double saisie = totale / PointsLus();
    periodeUs_ = modele_.PeriodeLimitee(saisie, EchantillonsLus());
    MontrerPeriode();
    totaleEditee_ = false;
    if (periodeUs_ != saisie)
        AfficherTotale();
    else
        indicationTotale_->setText(modele_.IndicationTotale(PointsLus(), EchantillonsLus(),
                                                            uniteTotale_->currentIndex() + 1));
}

void TFicheParametres::PointsSaisis() {
    if (!chargement_) AfficherTotale();
}

void TFicheParametres::EchantillonsSaisis() {
    if (chargement_) return;
    indicationPeriode_->setText(modele_.IndicationPeriode(EchantillonsLus()));
    // More samples per point raise the period's limit.
    const double limitee = modele_.PeriodeLimitee(periodeUs_, EchantillonsLus());
    if (limitee != periodeUs_) {
        periodeUs_ = limitee;
        MontrerPeriode();
    }
    AfficherTotale();
}

void TFicheParametres::UnitePeriodeChangee() {
    if (!chargement_) MontrerPeriode();
}

void TFicheParametres::UniteTotaleChangee() {
    if (!chargement_) AfficherTotale();
}

bool TFicheParametres::AppliquerAcquis() {
    if (!points_->Valider() || !moyenne_->Valider()) return false;
    if (periodeEditee_ && !periode_->Valider()) return false;
    if (totaleEditee_ && !totale_->Valider()) return false;
    ModeleParametres::Acquis a = acquisLu_;
    a.points = PointsLus();
    a.echantillons = EchantillonsLus();
    a.periode = periodeUs_;
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

// --- "Courbes" -----------------------------------------------------------------------------

void TFicheParametres::ChargerCourbe(int slot, bool noter) {
    const std::vector<int> offertes = modele_.CourbesOffertes();
    if (std::find(offertes.begin(), offertes.end(), slot) == offertes.end())
        slot = offertes.empty() ? 0 : offertes.front();
    slot_ = slot;
    const TableVariables& variables = travail_.Variables();
    RemplirVariables(courbe_, variables, offertes);
    ChoisirDonnee(courbe_, slot);
    RemplirVariables(concordance_, variables, offertes);
    RemplirVariables(abscisseCourbe_, variables, AvecTemps(variables, offertes));
    information_->setPlainText(slot > 0 ? modele_.InformationCourbe(slot)
                                        : ModeleParametres::PasDeCourbe);
    const bool existe = slot > 0;
    for (QWidget* w :
         std::initializer_list<QWidget*>{varCourbe_.nom->parentWidget(), decalage_->parentWidget()})
        w->setEnabled(existe);
    if (!existe) return;
    if (noter) modele_.Noter(slot);
    const ModeleParametres::Courbe c = modele_.LireCourbe(slot);
    courbeLue_ = c;
    MontrerVariable(varCourbe_, c.nom, c.unite, c.style, c.couleur, c.fenetres);
    decalage_->FixerValeur(c.decalage);
    multiplicateur_->FixerValeur(c.multiplicateur);
    ordonneeSpeciale_->setChecked(c.ordonneeSpeciale);
    if (!ChoisirDonnee(concordance_, c.reference)) concordance_->setCurrentIndex(-1);
    abscisseSpeciale_->setChecked(!c.abscisseSpeciale.isEmpty());
    if (c.abscisseSpeciale.isEmpty())
        abscisseCourbe_->setCurrentIndex(-1);
    else
        ChoisirTexte(abscisseCourbe_, c.abscisseSpeciale);
    concordance_->setEnabled(c.ordonneeSpeciale);
    abscisseCourbe_->setEnabled(!c.abscisseSpeciale.isEmpty());
}

bool TFicheParametres::AppliquerCourbe() {
    if (slot_ <= 0) return true;
    if (!decalage_->Valider() || !multiplicateur_->Valider()) return false;
    ModeleParametres::Courbe c = courbeLue_;
    LireVariable(varCourbe_, c.nom, c.unite, c.style, c.couleur, c.fenetres);
    c.decalage = decalage_->Valeur();
    c.multiplicateur = multiplicateur_->Valeur();
    c.ordonneeSpeciale = ordonneeSpeciale_->isChecked();
    if (c.ordonneeSpeciale && concordance_->currentIndex() >= 0)
        c.reference = concordance_->currentData().toInt();
    c.abscisseSpeciale =
        abscisseSpeciale_->isChecked() ? abscisseCourbe_->currentText() : QString();
    const QString message = modele_.AppliquerCourbe(slot_, c);
    if (!message.isEmpty()) {
        Refuser(message, varCourbe_.nom);
        return false;
    }
    return true;
}

// --- "Fenêtres" ----------------------------------------------------------------------------

void TFicheParametres::ChargerFenetre(int numero) {
    const std::vector<int> offertes = modele_.FenetresOffertes();
    const auto offerte = [&](int n) {
        return std::find(offertes.begin(), offertes.end(), n) != offertes.end();
    };
    if (numero == 0) numero = travail_.TableDesFenetres().FenetreCourante();
    if (!offerte(numero)) numero = offertes.empty() ? 0 : offertes.front();
    fenetre_ = numero;
    RemplirBoutons(boutonsFenetres_, rangeeFenetres_, offertes,
                   [](int n) { return QStringLiteral(" %1 ").arg(n); });
    Selectionner(boutonsFenetres_, numero);
    const bool existe = numero > 0;
    for (QWidget* w :
         std::initializer_list<QWidget*>{abscisseFenetre_->parentWidget(), xmin_->parentWidget()})
        w->setEnabled(existe);
    if (!existe) return;
    const ModeleParametres::Fenetre f = modele_.LireFenetre(numero);
    fenetreLue_ = f;
    const TableVariables& variables = travail_.Variables();
    const std::vector<int> courbes = AvecTemps(variables, modele_.CourbesOffertes());
    RemplirVariables(abscisseFenetre_, variables, courbes);
    ChoisirTexte(abscisseFenetre_, f.abscisse);
    genreAbscisse_->setCurrentIndex(f.genre < genreAbscisse_->count() ? f.genre : 0);
    for (QComboBox* liste : {calibreX_, calibreY_}) {
        RemplirVariables(liste, variables, courbes);
        liste->addItem(EchelleAxe::NomManuel);
        liste->addItem(ModeleParametres::Totalite);
    }
    ChoisirTexte(calibreX_, f.calibreX);
    ChoisirTexte(calibreY_, f.calibreY);
    xmin_->FixerValeur(f.xmin);
    xmax_->FixerValeur(f.xmax);
    ymin_->FixerValeur(f.ymin);
    ymax_->FixerValeur(f.ymax);
}

bool TFicheParametres::AppliquerFenetre() {
    if (fenetre_ <= 0) return true;
    for (ChampReel* c : {xmin_, xmax_, ymin_, ymax_})
        if (!c->Valider()) return false;
    ModeleParametres::Fenetre f = fenetreLue_;
    f.abscisse = abscisseFenetre_->currentText();
    f.genre = static_cast<std::uint8_t>(std::max(0, genreAbscisse_->currentIndex()));
    f.calibreX = calibreX_->currentText();
    f.calibreY = calibreY_->currentText();
    f.xmin = xmin_->Valeur();
    f.xmax = xmax_->Valeur();
    f.ymin = ymin_->Valeur();
    f.ymax = ymax_->Valeur();
    const QString message = modele_.AppliquerFenetre(fenetre_, f);
    if (!message.isEmpty()) {
        Refuser(message, xmin_);
        return false;
    }
    return true;
}

// --- "Sorties" -----------------------------------------------------------------------------

void TFicheParametres::ChargerSortie(int numero, bool noter) {
    const std::vector<int> offertes = modele_.SortiesOffertes();
    if (std::find(offertes.begin(), offertes.end(), numero) == offertes.end())
        numero = offertes.empty() ? 0 : offertes.front();
    sortie_ = numero;
    RemplirBoutons(boutonsSorties_, rangeeSorties_, offertes,
                   [this](int n) { return modele_.LibelleSortie(n); });
    Selectionner(boutonsSorties_, numero);
    if (numero <= 0) return;
    if (noter) modele_.Noter(CaseSortie(numero));
    const ModeleParametres::Sortie s = modele_.LireSortie(numero);
    sortieLue_ = s;

    forme_->clear();
    const QStringList formes = ModeleParametres::Formes();
    for (int k = 0; k < formes.size(); ++k)
        forme_->addItem(formes[k], QPoint(k, 0));
    for (const auto& [texte, slot] : modele_.VariablesSignal())
        forme_->addItem(texte, QPoint(6, slot));
    const QPoint choisie = s.forme == 6 ? QPoint(6, s.source) : QPoint(s.forme, 0);
    if (!ChoisirDonnee(forme_, choisie)) forme_->setCurrentIndex(0);

    const QStringList calibres = modele_.CalibresSortie(numero);
    Remplir(calibreSortie_, calibres, s.calibre - 1);
    calibreSortie_->setEnabled(calibres.size() >= 2);
    periodes_->FixerValeur(s.periodes);
    minimum_->FixerValeur(s.minimum);
    maximum_->FixerValeur(s.maximum);
    (s.mode == 1 ? durant_ : seule_)->setChecked(true);
    (s.valeurApresArret == 0 ? valeurFinale_ : valeurNulle_)->setChecked(true);
    MontrerVariable(varSortie_, s.nom, s.unite, s.style, s.couleur, s.fenetres);
    MettreAJourForme();
}

QPoint TFicheParametres::FormeChoisie() const {
    return forme_->currentIndex() < 0 ? QPoint(0, 0) : forme_->currentData().toPoint();
}

void TFicheParametres::MettreAJourForme() {
    const int forme = FormeChoisie().x();
    reglagesSignal_->setVisible(forme != 0);
    reglagesForme_->setVisible(forme >= 1 && forme <= 5);
}

void TFicheParametres::CalibreSortieChange() {
    if (chargement_ || sortie_ <= 0 || calibreSortie_->currentIndex() < 0) return;
    const auto [bas, haut] = modele_.LimitesCalibre(sortie_, calibreSortie_->currentIndex() + 1);
    if (bas > haut) return;
    for (ChampReel* c : {minimum_, maximum_}) {
        const double v = std::clamp(c->Valeur(), bas, haut);
        if (v != c->Valeur()) c->FixerValeur(v);
    }
}

bool TFicheParametres::AppliquerSortie() {
    if (sortie_ <= 0) return true;
    const QPoint forme = FormeChoisie();
    if (forme.x() >= 1 && forme.x() <= 5)
        for (ChampReel* c : {periodes_, minimum_, maximum_})
            if (!c->Valider()) return false;
    ModeleParametres::Sortie s = sortieLue_;
    LireVariable(varSortie_, s.nom, s.unite, s.style, s.couleur, s.fenetres);
    s.forme = forme.x();
    s.source = forme.x() == 6 ? forme.y() : 0;
    if (forme.x() >= 1 && forme.x() <= 5) {
        s.periodes = periodes_->Valeur();
        s.minimum = minimum_->Valeur();
        s.maximum = maximum_->Valeur();
    }
    if (calibreSortie_->currentIndex() >= 0)
        s.calibre = static_cast<std::uint8_t>(calibreSortie_->currentIndex() + 1);
    s.mode = durant_->isChecked() ? 1 : 0;
    s.valeurApresArret = valeurFinale_->isChecked() ? 0 : 1;
    const QString message = modele_.AppliquerSortie(sortie_, s);
    if (!message.isEmpty()) {
        Refuser(message, varSortie_.nom);
        return false;
    }
    return true;
}

// --- Buttons -------------------------------------------------------------------------------

void TFicheParametres::Modifie() {
    if (chargement_) return;
    modifie_ = true;
    essayer_->setEnabled(true);
}

bool TFicheParametres::Appliquer() {
    if (!modifie_) return true;
    bool applique = true;
    switch (page_) {
    case Page::PageEntrees:
        applique = AppliquerEntree();
        break;
    case Page::PageAcquis:
        applique = AppliquerAcquis();
        break;
    case Page::PageCourbes:
        applique = AppliquerCourbe();
        break;
    case Page::PageFenetres:
        applique = AppliquerFenetre();
        break;
    case Page::PageSorties:
        applique = AppliquerSortie();
        break;
    }
    if (applique) {
        modifie_ = false;
        essayer_->setEnabled(false);
    }
    return applique;
}

void TFicheParametres::Refuser(const QString& message, QWidget* champ) {
    BoitesMessages::Erreur(this, message);
    if (isVisible()) champ->setFocus(Qt::OtherFocusReason);
}

void TFicheParametres::Restaurer() {
    int slot = 0;
    if (page_ == Page::PageEntrees) slot = CaseEntree(entree_);
    if (page_ == Page::PageCourbes) slot = slot_;
    if (page_ == Page::PageSorties) slot = CaseSortie(sortie_);
    if (slot <= 0) return;
    modele_.Restaurer(slot);
    ChargerPage(page_, ElementCourant(), false);
}

void TFicheParametres::accept() {
    if (termine_ || !Appliquer()) return;
    termine_ = true;
    const std::uint16_t demandes = modele_.Valider();
    if (demandes) travail_.DemanderMiseAJour(demandes);
    QDialog::accept();
}

void TFicheParametres::reject() {
    if (!termine_) {
        termine_ = true;
        // What "Essayer" changed was shown: the restored state is redrawn too.
        const std::uint16_t demandes = modele_.Demandes();
        modele_.Annuler();
        if (demandes) travail_.DemanderMiseAJour(demandes);
    }
    QDialog::reject();
}

void TFicheParametres::keyPressEvent(QKeyEvent* e) {
    // Enter does nothing in this form (fields read their text on their own first).
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

} // namespace pelavorine
