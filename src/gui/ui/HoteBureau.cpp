#include "gui/ui/HoteBureau.h"

#include "gui/ui/BoitesMessages.h"

#include <QFileDialog>

namespace pelavorine {

void HoteBureau::LigneInfo(const QString& texte) {
    if (surLigneInfo) surLigneInfo(texte);
}

void HoteBureau::LigneSysteme(const QString& texte) {
    if (surLigneSysteme) surLigneSysteme(texte);
}

void HoteBureau::MiseAJourDemandee() {
    if (surMiseAJour) surMiseAJour();
}

QString HoteBureau::DemanderNomFichier(const QString& titre, const QStringList& filtres,
                                       bool enregistrer) {
    const QString filtre = filtres.join(QStringLiteral(";;"));
    return enregistrer ? QFileDialog::getSaveFileName(parent_, titre, QString(), filtre)
                       : QFileDialog::getOpenFileName(parent_, titre, QString(), filtre);
}

void HoteBureau::MontrerErreur(const QString& texte) {
    BoitesMessages::Erreur(parent_, texte);
}

void HoteBureau::MontrerInformation(const QString& texte) {
    BoitesMessages::Information(parent_, texte);
}

bool HoteBureau::PoserQuestion(const QString& texte, bool parDefaut) {
    return BoitesMessages::Question(parent_, texte, parDefaut);
}

} // namespace pelavorine
