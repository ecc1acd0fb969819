#include "cli/AnalyseurOptions.h"

namespace pelavorine::cli {

AnalyseurOptions::AnalyseurOptions(const SousCommande& commande)
    : nom_(commande.Nom()), fichier_(commande.PlaceFichier()),
      definitions_(commande.Options() + commande.OptionsDeRun()) {}

const DefinitionOption* AnalyseurOptions::Definition(const QString& nom) const {
    for (const DefinitionOption& d : definitions_)
        if (d.nom == nom) return &d;
    return nullptr;
}

bool AnalyseurOptions::Analyser(const QStringList& arguments, OptionsAnalysees& resultat,
                                QString& erreur) const {
    resultat = OptionsAnalysees{};
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (!a.startsWith(QLatin1String("--"))) {
            if (i == 0) {
                resultat.fichier = a;
                continue;
            }
            erreur = resultat.fichier
                         ? tr("un seul fichier à lire : %1").arg(a)
                         : tr("argument inattendu : %1 (le fichier se place juste après %2)")
                               .arg(a, nom_);
            return false;
        }
        const DefinitionOption* d = Definition(a);
        if (!d) {
            erreur = tr("option inconnue : %1").arg(a);
            return false;
        }
        if (d->valeur.isEmpty()) {
            resultat.donnees.append({a, QString()});
            continue;
        }
        if (i + 1 >= arguments.size()) {
            erreur = tr("valeur manquante après %1").arg(a);
            return false;
        }
        const QString& v = arguments[++i];
        // A second one of an option given once is refused before its value is looked at.
        QString precision;
        bool refusee = false;
        if (!d->uneFois.isEmpty() && resultat.Presente(a)) {
            refusee = true;
            precision = d->uneFois;
        } else if (d->verifier) {
            refusee = !d->verifier(v, precision);
        }
        if (refusee) {
            erreur = tr("valeur incorrecte pour %1 : %2").arg(a, v);
            if (!precision.isEmpty()) erreur += QStringLiteral(" (%1)").arg(precision);
            return false;
        }
        resultat.donnees.append({a, v});
    }
    if (fichier_ == SousCommande::Fichier::Obligatoire && !resultat.fichier) {
        erreur = tr("fichier manquant");
        return false;
    }
    return true;
}

} // namespace pelavorine::cli
