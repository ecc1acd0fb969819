#include "core/bureau/HistoriqueFichiers.h"

#include "core/files/ChoixDialoguesFichier.h"

namespace pelavorine::historiqueFichiers {

void Ajouter(QStringList& recents, const QString& nom) {
    if (!nom.isEmpty()) choixfichier::AjouterHistorique(recents, nom, Taille);
}

QString Legende(const QString& nom) {
    if (nom.size() <= LongueurLegende) return nom;
    QString legende = nom.right(LongueurLegende + 1);
    while (!legende.startsWith(QLatin1Char('/')) && legende.size() > 18)
        legende.remove(0, 1);
    return QStringLiteral("...") + legende;
}

} // namespace pelavorine::historiqueFichiers
