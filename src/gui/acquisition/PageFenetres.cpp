#include "gui/acquisition/PageFenetres.h"

#include "core/travail/Travail.h"
#include "core/windows/EchelleAxe.h"
#include "core/windows/TableFenetres.h"
#include "gui/acquisition/PageRangee.h"
#include "gui/ui/ChampReel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

namespace pelavorine {

PageFenetres::PageFenetres(ModeleParametres& modele, QWidget* parent)
    : PageParametres(modele, QStringLiteral("pageFenetres"), parent) {
    auto* colonne = new QVBoxLayout(this);
    rangee_ = new PageRangee(QStringLiteral("rangeeFenetres"), this);
    connect(rangee_, &PageRangee::choisi, this, &PageParametres::elementChoisi);
    colonne->addWidget(rangee_);

    abscisse_ = Nomme(new QGroupBox(tr("Abscisse"), this), QStringLiteral("abscisse"));
    auto* forme = new QFormLayout(abscisse_);
    nomAbscisse_ = Nomme(new QComboBox(abscisse_), QStringLiteral("abscisseFenetre"));
    genreAbscisse_ = Nomme(new QComboBox(abscisse_), QStringLiteral("genreAbscisse"));
    genreAbscisse_->addItems(ModeleParametres::GenresAbscisse());
    forme->addRow(tr("Nom"), nomAbscisse_);
    forme->addRow(tr("Genre"), genreAbscisse_);
    colonne->addWidget(abscisse_);

    echelles_ = Nomme(new QGroupBox(tr("Echelles"), this), QStringLiteral("echelles"));
    auto* grille = new QGridLayout(echelles_);
    xmin_ = Nomme(new ChampReel(echelles_), QStringLiteral("xmin"));
    xmax_ = Nomme(new ChampReel(echelles_), QStringLiteral("xmax"));
    ymin_ = Nomme(new ChampReel(echelles_), QStringLiteral("ymin"));
    ymax_ = Nomme(new ChampReel(echelles_), QStringLiteral("ymax"));
    calibreX_ = Nomme(new QComboBox(echelles_), QStringLiteral("calibreX"));
    calibreY_ = Nomme(new QComboBox(echelles_), QStringLiteral("calibreY"));
    grille->addWidget(new QLabel(tr("Minimum"), echelles_), 0, 1);
    grille->addWidget(new QLabel(tr("Maximum"), echelles_), 0, 2);
    grille->addWidget(new QLabel(tr("Calibrer sur"), echelles_), 0, 3);
    grille->addWidget(new QLabel(QStringLiteral("X"), echelles_), 1, 0);
    grille->addWidget(xmin_, 1, 1);
    grille->addWidget(xmax_, 1, 2);
    grille->addWidget(calibreX_, 1, 3);
    grille->addWidget(new QLabel(QStringLiteral("Y"), echelles_), 2, 0);
    grille->addWidget(ymin_, 2, 1);
    grille->addWidget(ymax_, 2, 2);
    grille->addWidget(calibreY_, 2, 3);
    colonne->addWidget(echelles_);
    colonne->addStretch();
    for (QObject* o : std::initializer_list<QObject*>{nomAbscisse_, genreAbscisse_, xmin_, xmax_,
                                                      ymin_, ymax_, calibreX_, calibreY_})
        Suivre(o);
}

void PageFenetres::MontrerSelection() {
    rangee_->Selectionner(fenetre_);
}

void PageFenetres::Charger(int numero, bool) {
    const std::vector<int> offertes = modele_.FenetresOffertes();
    if (numero == 0) numero = travail_.TableDesFenetres().FenetreCourante();
    numero = Offert(offertes, numero, 0);
    fenetre_ = numero;
    rangee_->Remplir(offertes, [](int n) { return QStringLiteral(" %1 ").arg(n); });
    rangee_->Selectionner(numero);
    const bool existe = numero > 0;
    abscisse_->setEnabled(existe);
    echelles_->setEnabled(existe);
    if (!existe) return;
    const ModeleParametres::Fenetre f = modele_.LireFenetre(numero);
    lue_ = f;
    const TableVariables& variables = travail_.Variables();
    const std::vector<int> courbes = AvecTemps(variables, modele_.CourbesOffertes());
    RemplirVariables(nomAbscisse_, variables, courbes);
    ChoisirTexte(nomAbscisse_, f.abscisse);
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

bool PageFenetres::Appliquer() {
    if (fenetre_ <= 0) return true;
    for (ChampReel* c : {xmin_, xmax_, ymin_, ymax_})
        if (!c->Valider()) return false;
    ModeleParametres::Fenetre f = lue_;
    f.abscisse = nomAbscisse_->currentText();
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

} // namespace pelavorine
