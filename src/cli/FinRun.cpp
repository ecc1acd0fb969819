#include "cli/FinRun.h"

#include "cli/ContexteRun.h"
#include "cli/FichiersRun.h"
#include "cli/SortieRun.h"
#include "cli/Verifications.h"

#include <QTextStream>

namespace pelavorine::cli {

QList<DefinitionOption> FinRun::Options() {
    return {
        {QStringLiteral("--save"), tr("SORTIE"),
         verification::Extension(
             {QStringLiteral("PL2"), QStringLiteral("PLC"), QStringLiteral("TXT")},
             tr("extension .PL2, .PLC ou .TXT attendue")),
         false, tr("un seul fichier à enregistrer")},
        {QStringLiteral("--show"), tr("NOM[,NOM...]")},
        {QStringLiteral("--json"), QString()},
    };
}

FinRun::FinRun(const OptionsAnalysees& options)
    : enregistrer_(options.Derniere(QStringLiteral("--save")).value_or(QString())),
      json_(options.Presente(QStringLiteral("--json"))) {
    if (const auto montrer = options.Derniere(QStringLiteral("--show")))
        montrer_ = montrer->split(QLatin1Char(','), Qt::SkipEmptyParts);
}

int FinRun::Terminer(ContexteRun& contexte, const AjoutsDocument& ajouts,
                     QTextStream& sortie) const {
    // A run that failed saves nothing: the file of that name stays as it was.
    if (!contexte.erreur && !enregistrer_.isEmpty())
        contexte.erreur = EnregistrerFichier(contexte, enregistrer_);
    const Travail& travail = contexte.travail;
    const QStringList noms = montrer_ ? *montrer_ : NomsDepuisTemps(travail);
    if (json_)
        sortie << DocumentJson(travail, contexte.resultats, contexte.erreur, noms, ajouts.champs);
    else
        sortie << TexteLisible(travail, contexte.resultats, contexte.erreur, noms) + ajouts.texte;
    return contexte.erreur ? 1 : 0;
}

} // namespace pelavorine::cli
