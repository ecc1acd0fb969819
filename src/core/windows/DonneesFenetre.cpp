#include "core/windows/DonneesFenetre.h"

#include <QCoreApplication>
#include <utility>

namespace pelavorine {

DonneesFenetre::DonneesFenetre(int numero) : famille(FamilleDe(numero)), numero_(numero) {
    abscisse.fenetre = numero;
}

std::uint8_t DonneesFenetre::FamilleDe(int numero) {
    if (numero >= 9 && numero <= 13) return FamilleAnalyse;
    if (numero >= 14 && numero <= 16) return FamilleSynthese;
    return FamilleOrdinaire;
}

QString DonneesFenetre::TitreDe(int numero) {
    const QString fenetre = QCoreApplication::translate("DonneesFenetre", "Fenêtre ");
    if (FamilleDe(numero) == FamilleAnalyse)
        return fenetre + QCoreApplication::translate("DonneesFenetre", "d'analyse n° ") +
               QString::number(numero - 8);
    return fenetre + QCoreApplication::translate("DonneesFenetre", "n° ") + QString::number(numero);
}

QString DonneesFenetre::TitreUtilisateurDe(const QString& legende) {
    const qsizetype deuxPoints = legende.indexOf(QLatin1Char(':'));
    if (deuxPoints < 0) return {};
    return legende.mid(deuxPoints + 2).left(LongueurTitreUtilisateur);
}

QString DonneesFenetre::Legende() const {
    QString texte = Titre();
    if (!titreUtilisateur.isEmpty()) texte += QStringLiteral(" : ") + titreUtilisateur;
    return texte.left(LongueurLegende);
}

void DonneesFenetre::DefinirMonde(double x1, double y1, double x2, double y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    xmin_ = x1;
    xmax_ = x2;
    ymin_ = y1;
    ymax_ = y2;
}

} // namespace pelavorine
