#include "core/bureau/TextesBureau.h"

#include "core/windows/TableFenetres.h"

#include <QCoreApplication>

namespace pelavorine::textesBureau {

namespace {
QString Tr(const char* texte) {
    return QCoreApplication::translate("TextesBureau", texte);
}
} // namespace

QString Titre(const QString& fichierCourant) {
    QString titre = QStringLiteral(" PELAVORINE 2003");
    if (!fichierCourant.isEmpty()) titre += QStringLiteral("   -  ") + fichierCourant;
    return titre;
}

QStringList Onglets(const TableFenetres& fenetres) {
    QStringList onglets{Tr("Calcul"), Tr("Tableur")};
    for (int n = 1; n <= TableFenetres::NbFenetres; ++n) {
        const DonneesFenetre* f = fenetres.Donnees(n);
        if (!f) continue;
        if (!f->titreUtilisateur.isEmpty())
            onglets << f->titreUtilisateur.left(LongueurNomCourt);
        else if (f->OkEtat(DonneesFenetre::FamilleAnalyse))
            onglets << Tr("n° A") + QString::number(n - 8);
        else
            onglets << Tr("n° ") + QString::number(n);
    }
    return onglets;
}

int OngletCourant(const TableFenetres& fenetres) {
    const int courante = fenetres.FenetreCourante();
    if (!fenetres.Existe(courante)) return -1;
    int onglet = 1;
    for (int n = 1; n <= courante; ++n)
        if (fenetres.Existe(n)) ++onglet;
    return onglet;
}

int FenetreDeLOnglet(const TableFenetres& fenetres, int onglet) {
    int index = 1;
    for (int n = 1; n <= TableFenetres::NbFenetres; ++n)
        if (fenetres.Existe(n) && ++index == onglet) return n;
    return 0;
}

QString TitreSaisi(const QString& legende) {
    const QString texte = legende.left(LongueurLegende);
    const qsizetype deuxPoints = texte.indexOf(QLatin1Char(':'));
    if (deuxPoints < 0) return {};
    qsizetype debut = deuxPoints + 1;
    while (debut < texte.size() && (texte[debut] == u' ' || texte[debut] == u'\t'))
        ++debut;
    return texte.mid(debut);
}

} // namespace pelavorine::textesBureau
