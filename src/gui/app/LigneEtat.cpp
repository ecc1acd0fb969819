#include "gui/app/LigneEtat.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QTabBar>

namespace pelavorine {

LigneEtat::LigneEtat(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("LigneEtat"));
    classeur_ = new QStackedWidget(this);
    classeur_->setObjectName(QStringLiteral("ClasseurOnglets"));

    auto* pageInfo = new QWidget(classeur_);
    pageInfo->setObjectName(QStringLiteral("LigneInfo"));
    info_ = new QLabel(pageInfo);
    info_->setObjectName(QStringLiteral("LigneInfo"));
    info_->setAccessibleName(tr("Ligne d'information"));
    pointCourant_ = new QLabel(QStringLiteral("1/20"), pageInfo);
    pointCourant_->setObjectName(QStringLiteral("LabelPointCourant"));
    pointCourant_->setAccessibleName(tr("Point courant"));
    auto* l = new QHBoxLayout(pageInfo);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(info_, 1);
    l->addWidget(pointCourant_);

    auto* pageFenetres = new QWidget(classeur_);
    pageFenetres->setObjectName(QStringLiteral("Fenetres"));
    ongletsFenetres_ = new QTabBar(pageFenetres);
    ongletsFenetres_->setObjectName(QStringLiteral("OngletsFenetres"));
    ongletsFenetres_->setAccessibleName(tr("Fenêtres"));
    ongletsFenetres_->setDrawBase(false);
    ongletsFenetres_->setExpanding(false);
    auto* lf = new QHBoxLayout(pageFenetres);
    lf->setContentsMargins(0, 0, 0, 0);
    lf->addWidget(ongletsFenetres_);
    lf->addStretch(1);

    auto* pageSynthese = new QWidget(classeur_);
    pageSynthese->setObjectName(QStringLiteral("Synthese"));
    ongletsSynthese_ = new QTabBar(pageSynthese);
    ongletsSynthese_->setObjectName(QStringLiteral("OngletsSynthese"));
    ongletsSynthese_->setAccessibleName(tr("Synthèse"));
    ongletsSynthese_->setDrawBase(false);
    infoSynthese_ = new QLabel(pageSynthese);
    infoSynthese_->setObjectName(QStringLiteral("PanelInfoSynthese"));
    infoSynthese_->setAccessibleName(tr("Information de synthèse"));
    auto* ls = new QHBoxLayout(pageSynthese);
    ls->setContentsMargins(0, 0, 0, 0);
    ls->addWidget(ongletsSynthese_);
    ls->addWidget(infoSynthese_, 1);

    classeur_->addWidget(pageInfo);
    classeur_->addWidget(pageFenetres);
    classeur_->addWidget(pageSynthese);
    classeur_->setCurrentIndex(PageFenetres);

    systeme_ = new QLabel(this);
    systeme_->setObjectName(QStringLiteral("PanelLigneSysteme"));
    systeme_->setAccessibleName(tr("Ligne système"));
    systeme_->setMinimumWidth(200);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(classeur_, 3);
    layout->addWidget(systeme_, 2);
    FixerCouleur(couleur_);
}

void LigneEtat::Colorer(QWidget* w, const QColor& fond) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, fond);
    // A text the colour of its background would not be seen.
    if (p.color(QPalette::WindowText) == fond) p.setColor(QPalette::WindowText, Qt::black);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void LigneEtat::FixerCouleur(const QColor& couleur) {
    couleur_ = couleur;
    Colorer(this, couleur);
    Colorer(classeur_, couleur);
    if (pageRetenue_ < 0) Colorer(info_, couleur);
    Colorer(systeme_, couleur);
}

void LigneEtat::AfficherInfo(const QString& texte, const QColor& couleur) {
    if (texte.isEmpty()) {
        info_->clear();
        Colorer(info_, couleur_);
        if (pageRetenue_ >= 0) classeur_->setCurrentIndex(pageRetenue_);
        pageRetenue_ = -1;
        return;
    }
    info_->setText(texte);
    Colorer(info_, couleur);
    if (pageRetenue_ < 0) pageRetenue_ = classeur_->currentIndex();
    classeur_->setCurrentIndex(PageInfo);
}

void LigneEtat::AfficherSysteme(const QString& texte, const QColor& couleur) {
    systeme_->setText(texte);
    Colorer(systeme_, couleur);
}

} // namespace pelavorine
