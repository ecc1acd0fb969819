#include "gui/app/DialogueQuitter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelavorine {

DialogueQuitter::DialogueQuitter(bool travailModifie, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr(" Quitter le logiciel"));
    auto* colonne = new QVBoxLayout(this);
    avertissement_ = new QLabel(tr("ATTENTION : Le fichier de travail n'est pas à jour"), this);
    avertissement_->setStyleSheet(QStringLiteral("color: #C00000; font-weight: bold;"));
    avertissement_->setVisible(travailModifie);
    colonne->addWidget(avertissement_);

    auto* boutons = new QHBoxLayout;
    quitter_ = new QPushButton(tr("Quitter"), this);
    annuler_ = new QPushButton(tr("Annuler"), this);
    enregistrer_ = new QPushButton(tr("Enregistrer"), this);
    enregistrer_->setVisible(travailModifie);
    quitter_->setDefault(true);
    quitter_->setAutoDefault(true);
    for (QPushButton* b : {quitter_, annuler_, enregistrer_}) {
        b->setAccessibleName(b->text());
        boutons->addWidget(b);
    }
    colonne->addLayout(boutons);
    connect(quitter_, &QPushButton::clicked, this, [this] { Choisir(Quitter); });
    connect(annuler_, &QPushButton::clicked, this, [this] { Choisir(Annuler); });
    connect(enregistrer_, &QPushButton::clicked, this, [this] { Choisir(Enregistrer); });
    // Escape and the close box stay in the program.
    connect(this, &QDialog::rejected, this, [this] {
        if (choix_ != Quitter && choix_ != Enregistrer) choix_ = Annuler;
    });
}

QPushButton* DialogueQuitter::Bouton(Choix choix) const {
    switch (choix) {
    case Quitter:
        return quitter_;
    case Annuler:
        return annuler_;
    default:
        return enregistrer_;
    }
}

bool DialogueQuitter::AvertissementVisible() const {
    return !avertissement_->isHidden();
}

void DialogueQuitter::Choisir(Choix choix) {
    choix_ = choix;
    if (choix == Quitter)
        accept();
    else
        reject();
}

} // namespace pelavorine
