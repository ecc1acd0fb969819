#include "core/windows/HistoriqueDisposition.h"

#include "core/windows/TableFenetres.h"

#include <algorithm>

namespace pelavorine {

void HistoriqueDisposition::Noter(const TableFenetres& table) {
    const QString anneau = table.Anneau();
    if (anneau.isEmpty()) return;
    // The ring read circularly from the current window (from its head when none is current).
    const qsizetype depart =
        std::max<qsizetype>(anneau.indexOf(QChar(48 + table.FenetreCourante())), 0);
    Instantane instantane;
    for (qsizetype k = 0; k < anneau.size(); ++k) {
        const int numero = anneau[(depart + k) % anneau.size()].unicode() - 48;
        const DonneesFenetre* f = table.Donnees(numero);
        if (!f) continue;
        instantane.append({numero, f->gauche, f->haut, f->largeur, f->hauteur, f->etat, f->echelleX,
                           f->echelleY});
    }
    if (instantane.isEmpty()) return;
    if (instantanes_.size() >= Capacite) instantanes_.removeFirst();
    instantanes_.append(instantane);
}

QList<int> HistoriqueDisposition::Restaurer(TableFenetres& table) {
    QList<int> restaurees;
    if (instantanes_.isEmpty()) return restaurees;
    const Instantane instantane = instantanes_.takeLast();
    for (const Fenetre& e : instantane) {
        DonneesFenetre* f = table.Donnees(e.numero);
        if (!f) continue;
        f->gauche = e.gauche;
        f->haut = e.haut;
        f->largeur = e.largeur;
        f->hauteur = e.hauteur;
        f->etat = e.etat;
        f->echelleX = e.x;
        f->echelleY = e.y;
        restaurees.append(e.numero);
    }
    return restaurees;
}

} // namespace pelavorine
