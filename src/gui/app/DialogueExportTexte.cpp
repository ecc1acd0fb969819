#include "gui/app/DialogueExportTexte.h"

#include "core/store/Hote.h"
#include "core/store/ListeVariables.h"
#include "core/store/TableVariables.h"
#include "core/store/TypeId.h"
#include "core/travail/ReglagesExportTexte.h"
#include "core/travail/Travail.h"
#include "gui/app/Aide.h"
#include "gui/ui/BoutonsDialogue.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace pelavorine {

namespace {

const char* const kPageAide = "\\Fichiers\\FichierEnregistrer.htm";
// Every variable with points or a scalar, time and spectra included.
constexpr std::uint32_t kFiltreVariables = 0x8070F;

QRadioButton* Radio(const QString& texte, QWidget* parent) {
    auto* r = new QRadioButton(texte, parent);
    r->setAccessibleName(texte.simplified());
    return r;
}

} // namespace

DialogueExportTexte::DialogueExportTexte(QWidget* parent, Travail& travail,
                                         ReglagesExportTexte& reglages)
    : QDialog(parent), travail_(travail), reglages_(reglages) {
    setWindowTitle(tr("Enregistrement dans un fichier TEXTE"));

    auto* memo = new QLabel(tr(" Choisir les variables à enregistrer (maximum 16)"), this);
    toutes_ = new QComboBox(this);
    toutes_->setAccessibleName(tr("Variables"));
    for (const EntreeListe& e :
         ListerVariables(travail.Variables(), fenetreListe::SansCondition, kFiltreVariables))
        toutes_->addItem(e.texte.trimmed(), e.slot);
    choisies_ = new QListWidget(this);
    choisies_->setAccessibleName(tr("Variables à enregistrer"));

    auto* ajouter = new QPushButton(tr("Ajouter"), this);
    auto* enlever = new QPushButton(tr("Enlever"), this);
    auto* initialiser = new QPushButton(tr("Initialiser"), this);
    for (QPushButton* b : {ajouter, enlever, initialiser}) {
        b->setAccessibleName(b->text());
        b->setAutoDefault(false);
    }
    connect(ajouter, &QPushButton::clicked, this, [this] { Ajouter(); });
    connect(enlever, &QPushButton::clicked, this, &DialogueExportTexte::Enlever);
    connect(initialiser, &QPushButton::clicked, this, &DialogueExportTexte::Initialiser);

    auto* libelleTitre = new QLabel(tr("Titre facultatif"), this);
    titre_ = new QLineEdit(this);
    titre_->setMaxLength(ReglagesExportTexte::LongueurTitre);
    titre_->setAccessibleName(tr("Titre facultatif"));
    libelleTitre->setBuddy(titre_);

    auto* groupeConfig = new QGroupBox(tr("Ligne de configuration"), this);
    configOui_ = Radio(tr("Oui"), groupeConfig);
    configNon_ = Radio(tr("Non"), groupeConfig);
    auto* lc = new QHBoxLayout(groupeConfig);
    lc->addWidget(configOui_);
    lc->addWidget(configNon_);

    auto* groupeDecimal = new QGroupBox(tr("Séparateur décimal"), this);
    virgule_ = Radio(tr("Virgule  (ex: 1,05)"), groupeDecimal);
    point_ = Radio(tr("Point    (ex: 1.05)"), groupeDecimal);
    auto* ld = new QVBoxLayout(groupeDecimal);
    ld->addWidget(virgule_);
    ld->addWidget(point_);

    auto* groupeValeurs = new QGroupBox(tr("Séparateur de valeurs"), this);
    tabulation_ = Radio(tr("Tabulation"), groupeValeurs);
    pointVirgule_ = Radio(tr("Point virgule"), groupeValeurs);
    auto* lv = new QVBoxLayout(groupeValeurs);
    lv->addWidget(tabulation_);
    lv->addWidget(pointVirgule_);

    const BoutonsDialogue boutons =
        BoutonsDialogue::Creer(this, tr("Ok"), QString::fromLatin1(kPageAide));
    connect(boutons.rangee, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* grille = new QGridLayout(this);
    grille->addWidget(memo, 0, 0, 1, 2);
    grille->addWidget(toutes_, 1, 0);
    auto* colonneBoutons = new QVBoxLayout;
    colonneBoutons->addWidget(ajouter);
    colonneBoutons->addWidget(enlever);
    colonneBoutons->addWidget(initialiser);
    colonneBoutons->addStretch();
    grille->addLayout(colonneBoutons, 1, 1, 2, 1);
    grille->addWidget(choisies_, 2, 0);
    grille->addWidget(libelleTitre, 3, 0, 1, 2);
    grille->addWidget(titre_, 4, 0, 1, 2);
    grille->addWidget(groupeConfig, 5, 0, 1, 2);
    grille->addWidget(groupeDecimal, 6, 0);
    grille->addWidget(groupeValeurs, 6, 1);
    grille->addWidget(boutons.rangee, 7, 0, 1, 2);

    Remplir(reglages);
}

void DialogueExportTexte::Remplir(const ReglagesExportTexte& reglages) {
    choisies_->clear();
    const TableVariables& table = travail_.Variables();
    for (const std::int32_t slot : reglages.variables) {
        // A variable deleted since the last export is no longer offered.
        const TypeId* v = slot > 0 ? table.Variable(slot) : nullptr;
        if (!v) continue;
        auto* item = new QListWidgetItem(v->Nom.trimmed(), choisies_);
        item->setData(Qt::UserRole, slot);
    }
    titre_->setText(reglages.titre.left(ReglagesExportTexte::LongueurTitre));
    configOui_->setChecked(reglages.ligneConfiguration);
    configNon_->setChecked(!reglages.ligneConfiguration);
    virgule_->setChecked(reglages.separateurDecimal != QLatin1Char('.'));
    point_->setChecked(reglages.separateurDecimal == QLatin1Char('.'));
    pointVirgule_->setChecked(reglages.separateurValeurs == QLatin1Char(';'));
    tabulation_->setChecked(reglages.separateurValeurs != QLatin1Char(';'));
}

bool DialogueExportTexte::Ajouter() {
    if (toutes_->currentIndex() < 0) return false;
    const int slot = toutes_->currentData().toInt();
    for (int i = 0; i < choisies_->count(); ++i)
        if (choisies_->item(i)->data(Qt::UserRole).toInt() == slot) return false;
    if (choisies_->count() >= ReglagesExportTexte::NbVariables) {
        travail_.hote().Erreur(tr("16 variables maximum sont autorisées"));
        return false;
    }
    auto* item = new QListWidgetItem(toutes_->currentText(), choisies_);
    item->setData(Qt::UserRole, slot);
    return true;
}

void DialogueExportTexte::Enlever() {
    delete choisies_->currentItem();
}

void DialogueExportTexte::Initialiser() {
    if (!travail_.hote().Question(tr("Tout réinitialiser"))) return;
    Remplir(ReglagesExportTexte{});
}

void DialogueExportTexte::accept() {
    ReglagesExportTexte r;
    for (int i = 0; i < choisies_->count() && i < ReglagesExportTexte::NbVariables; ++i)
        r.variables[static_cast<std::size_t>(i)] = choisies_->item(i)->data(Qt::UserRole).toInt();
    r.titre = titre_->text().left(ReglagesExportTexte::LongueurTitre);
    r.ligneConfiguration = configOui_->isChecked();
    r.separateurDecimal = point_->isChecked() ? QLatin1Char('.') : QLatin1Char(',');
    r.separateurValeurs = pointVirgule_->isChecked() ? QLatin1Char(';') : QLatin1Char('\t');
    reglages_ = r;
    QDialog::accept();
}

} // namespace pelavorine
