#include "gui/acquisition/PageVariable.h"

#include "gui/acquisition/PageParametres.h"
#include "gui/ui/ChampChaine.h"
#include "gui/ui/CouleursWindows.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
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

} // namespace

PageVariable::PageVariable(const QString& prefixe, QWidget* parent)
    : QGroupBox(tr("Variable"), parent) {
    using P = PageParametres;
    setObjectName(prefixe + QStringLiteral("Variable"));
    auto* forme = new QFormLayout(this);
    nom_ = P::Nomme(new ChampChaine(this), prefixe + QStringLiteral("Nom"));
    nom_->setMaxLength(12);
    unite_ = P::Nomme(new ChampChaine(this), prefixe + QStringLiteral("Unite"));
    unite_->setMaxLength(10);
    style_ = P::Nomme(new QComboBox(this), prefixe + QStringLiteral("Style"));
    style_->addItems(NomsStyles());
    couleur_ = P::Bouton(QString(), this, prefixe + QStringLiteral("Couleur"));
    couleur_->setAccessibleName(tr("Couleur"));
    MontrerCouleur(couleur_, 0);
    connect(couleur_, &QPushButton::clicked, this, &PageVariable::ChoisirCouleur);
    forme->addRow(tr("Nom"), nom_);
    forme->addRow(tr("Unité"), unite_);
    forme->addRow(tr("Style"), style_);
    forme->addRow(tr("Couleur"), couleur_);

    auto* cadre = P::Nomme(new QWidget(this), prefixe + QStringLiteral("Fenetres"));
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
        QCheckBox*& c = fenetres_[static_cast<std::size_t>(k)];
        c = P::Nomme(new QCheckBox(cadre), prefixe + QStringLiteral("Fenetre%1").arg(k + 1));
        c->setAccessibleName(tr("Fenêtre %1").arg(k + 1));
        grille->addWidget(c, 1, k);
        connect(c, &QCheckBox::toggled, this, &PageVariable::modifie);
    }
    forme->addRow(tr("Fenêtres"), cadre);
    connect(nom_, &QLineEdit::textChanged, this, &PageVariable::modifie);
    connect(unite_, &QLineEdit::textChanged, this, &PageVariable::modifie);
    connect(style_, &QComboBox::currentIndexChanged, this, &PageVariable::modifie);
}

void PageVariable::ChoisirCouleur() {
    const QColor choisie = QColorDialog::getColor(VersQColor(couleur_->property("couleur").toInt()),
                                                  window(), tr("Couleur"));
    if (!choisie.isValid()) return;
    MontrerCouleur(couleur_, VersWindows(choisie));
    emit modifie();
}

void PageVariable::Montrer(const QString& nom, const QString& unite, std::uint8_t style,
                           std::int32_t couleur, std::uint32_t fenetres) {
    nom_->setText(nom);
    unite_->setText(unite);
    style_->setCurrentIndex(style < style_->count() ? style : 0);
    MontrerCouleur(couleur_, couleur);
    for (std::size_t k = 0; k < fenetres_.size(); ++k)
        fenetres_[k]->setChecked(fenetres & (1u << k));
}

void PageVariable::Lire(QString& nom, QString& unite, std::uint8_t& style, std::int32_t& couleur,
                        std::uint32_t& fenetres) const {
    nom = nom_->text();
    unite = unite_->text();
    style = static_cast<std::uint8_t>(std::max(0, style_->currentIndex()));
    couleur = couleur_->property("couleur").toInt();
    std::uint32_t masque = fenetres & ~0xFFu;
    for (std::size_t k = 0; k < fenetres_.size(); ++k)
        if (fenetres_[k]->isChecked()) masque |= 1u << k;
    fenetres = masque;
}

} // namespace pelavorine
