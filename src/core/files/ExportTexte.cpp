#include "core/files/ExportTexte.h"

#include "core/store/Nombres.h"
#include "core/texte/CodageTexte.h"
#include "core/travail/Travail.h"

#include <QFile>
#include <algorithm>
#include <vector>

namespace pelavorine {

namespace {

const QByteArray kFinLigne = QByteArrayLiteral("\r\n");

// Limits and steps are written so that they read back as the same number.
QByteArray Limite(double x) {
    return FormeGenerale(x, 7, 1).toLatin1();
}

} // namespace

QByteArray TexteExport(const Travail& travail, const ReglagesExportTexte& reglages,
                       const LimitesEchelles& limites, int* remplaces) {
    const TableVariables& table = travail.Variables();
    std::vector<const TypeId*> variables;
    for (const std::int32_t slot : reglages.variables)
        if (const TypeId* v = table.Variable(slot)) variables.push_back(v);
    if (variables.empty()) return {};

    int nbRemplaces = 0;
    const auto grec = [&](const QString& texte) {
        int n = 0;
        QByteArray b = codage::Encoder(texte, codage::Champ::Grec, &n);
        nbRemplaces += n;
        return b;
    };
    const QByteArray sep = QByteArray(1, static_cast<char>(reglages.separateurValeurs.toLatin1()));
    QByteArray sortie;

    const QString titre = reglages.titre.left(ReglagesExportTexte::LongueurTitre);
    if (!titre.trimmed().isEmpty()) {
        int n = 0;
        sortie += codage::Encoder(titre, codage::Champ::Texte, &n) + kFinLigne;
        nbRemplaces += n;
    }

    if (reglages.ligneConfiguration) {
        const FenetresVariables& fenetres = travail.Fenetres();
        const int courante = fenetres.FenetreCourante();
        const QString nomX =
            fenetres.Existe(courante) ? fenetres.NomAbscisse(courante) : QStringLiteral("T");
        QString uniteX;
        if (const TypeId* x = table.Variable(table.IndexVariable(nomX))) uniteX = x->Unite;
        sortie += '[' + grec(nomX) + '(' + grec(uniteX) + ") " +
                  QByteArray::number(table.NbPoint()) + "  Ech.X=" + Limite(limites.xMin) + '/' +
                  Limite(limites.xMax) + "  Ech.Y=" + Limite(limites.yMin) + '/' +
                  Limite(limites.yMax) + ']' + kFinLigne;
    }

    QByteArray noms, unites, pas;
    for (std::size_t k = 0; k < variables.size(); ++k) {
        const TypeId& v = *variables[k];
        if (k > 0) {
            noms += sep;
            unites += sep;
            pas += sep;
        }
        noms += grec(v.Nom);
        unites += grec(v.Unite);
        double origine = 0.0, dt = 0.0;
        const bool lineaire = v.AbscisseLineaireDefinie(origine, dt) && !v.NomAbscisse.isEmpty();
        pas += "dt=" + (lineaire ? FormeSimple(dt).toLatin1() : QByteArray("0"));
    }
    while (unites.endsWith(sep))
        unites.chop(sep.size());
    sortie += noms + kFinLigne;
    if (!unites.isEmpty()) sortie += unites + kFinLigne;
    sortie += pas + kFinLigne;

    int nbLignes = 0;
    for (const TypeId* v : variables)
        nbLignes = std::max(nbLignes, v->NbPoints);
    const char decimal = reglages.separateurDecimal.toLatin1();
    for (int i = 1; i <= nbLignes; ++i) {
        QByteArray ligne;
        for (const TypeId* v : variables) {
            ligne += sep;
            if (i >= v->Premier && i <= v->NbPoints)
                ligne += FormeGenerale(v->LirePoint(i), 14, 3).toLatin1().replace('.', decimal);
        }
        // Only the line's leading separator goes: an absent first value keeps its place.
        sortie += ligne.mid(sep.size()) + kFinLigne;
    }
    if (remplaces) *remplaces = nbRemplaces;
    return sortie;
}

ResultatExportTexte EcrireFichierTexte(const Travail& travail, const ReglagesExportTexte& reglages,
                                       const LimitesEchelles& limites, const QString& nom) {
    ResultatExportTexte resultat;
    const QByteArray octets = TexteExport(travail, reglages, limites, &resultat.remplaces);
    if (octets.isEmpty()) return resultat;
    QFile fichier(nom);
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        resultat.code = -2;
        return resultat;
    }
    const bool ok = fichier.write(octets) == octets.size() && fichier.flush();
    fichier.close();
    if (!ok || fichier.error() != QFileDevice::NoError) {
        fichier.remove();
        resultat.code = -1;
        return resultat;
    }
    resultat.ecrit = true;
    return resultat;
}

} // namespace pelavorine
