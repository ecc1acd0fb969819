#include "gui/calc/DialogueRecherche.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pelavorine {

DialogueRecherche::DialogueRecherche(bool remplacer, const QString& motif,
                                     const QString& remplacement, QWidget* parent)
    : QDialog(parent), motif_(new QLineEdit(motif, this)) {
    setWindowTitle(remplacer ? tr("Remplacer") : tr("Rechercher"));
    auto* formulaire = new QFormLayout(this);
    auto* etiquette = new QLabel(tr("&Chercher :"), this);
    etiquette->setBuddy(motif_);
    motif_->setAccessibleName(tr("Chercher"));
    formulaire->addRow(etiquette, motif_);
    if (remplacer) {
        remplacement_ = new QLineEdit(remplacement, this);
        auto* etiquetteRemplacement = new QLabel(tr("&Remplacer par :"), this);
        etiquetteRemplacement->setBuddy(remplacement_);
        remplacement_->setAccessibleName(tr("Remplacer par"));
        formulaire->addRow(etiquetteRemplacement, remplacement_);
    }
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    boutons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    boutons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    formulaire->addRow(boutons);
}

QString DialogueRecherche::Motif() const {
    return motif_->text();
}

QString DialogueRecherche::Remplacement() const {
    return remplacement_ ? remplacement_->text() : QString();
}

} // namespace pelavorine
