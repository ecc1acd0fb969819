#include "core/travail/HoteScripte.h"

namespace pelavorine {

QStringList HoteScripte::Textes(Genre genre) const {
    QStringList textes;
    for (const auto& m : messages)
        if (m.genre == genre) textes << m.texte;
    return textes;
}

void HoteScripte::LigneInfo(const QString& texte) {
    messages.push_back({Genre::LigneInfo, texte});
}

void HoteScripte::LigneSysteme(const QString& texte) {
    messages.push_back({Genre::LigneSysteme, texte});
}

QString HoteScripte::DemanderNomFichier(const QString&, const QStringList&, bool) {
    if (nomsFichiers.empty()) return {};
    QString nom = nomsFichiers.front();
    nomsFichiers.pop_front();
    return nom;
}

bool HoteScripte::Interrompu() {
    if (interrompreApres >= 0 && appelsInterruption++ == interrompreApres) interrompre = true;
    return interrompre;
}

void HoteScripte::MontrerErreur(const QString& texte) {
    messages.push_back({Genre::Erreur, texte});
}

void HoteScripte::MontrerInformation(const QString& texte) {
    messages.push_back({Genre::Information, texte});
}

bool HoteScripte::PoserQuestion(const QString& texte, bool parDefaut) {
    messages.push_back({Genre::Question, texte});
    if (reponses.empty()) return parDefaut;
    const bool r = reponses.front();
    reponses.pop_front();
    return r;
}

} // namespace pelavorine
