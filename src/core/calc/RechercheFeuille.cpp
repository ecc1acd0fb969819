#include "core/calc/RechercheFeuille.h"

#include <algorithm>

namespace pelavorine {

OccurrenceFeuille RechercheFeuille::Suivante(const QStringList& lignes, int ligne,
                                             int colonne) const {
    if (motif.isEmpty() || motif.contains(QLatin1Char('\n'))) return {};
    const Qt::CaseSensitivity sensibilite = casse ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = std::max(ligne, 0); i < lignes.size(); ++i) {
        const int depuis = i == ligne ? std::max(colonne, 0) : 0;
        if (depuis > lignes[i].size()) continue;
        const qsizetype k = lignes[i].indexOf(motif, depuis, sensibilite);
        if (k >= 0) return {i, static_cast<int>(k), static_cast<int>(motif.size())};
    }
    return {};
}

QString RechercheFeuille::TexteNonTrouve() {
    return tr("Chaîne non trouvée");
}

QString RechercheFeuille::TexteConfirmation() {
    return tr("Confirmer le remplacement");
}

} // namespace pelavorine
