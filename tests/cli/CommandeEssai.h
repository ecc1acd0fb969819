#pragma once

#include "cli/ContexteRun.h"
#include "cli/SousCommandeTravail.h"
#include "cli/Verifications.h"

#include <QJsonArray>

// A subcommand as the analysing ones will be: run's options, two of its own, and an action on
// the prepared work. It doubles Y into a new table Z and reports what it saw in fields of its
// own; --fail makes the action fail.
class CommandeEssai : public pelavorine::cli::SousCommandeTravail {
public:
    bool agi = false;

    QString Nom() const override { return QStringLiteral("essai"); }
    QList<pelavorine::cli::DefinitionOption> Options() const override {
        return {{QStringLiteral("--order"), QStringLiteral("N"),
                 pelavorine::cli::verification::EntierEntre(1, 5)},
                {QStringLiteral("--fail"), QString()}};
    }

protected:
    void Agir(pelavorine::cli::ContexteRun& contexte,
              const pelavorine::cli::OptionsAnalysees& options,
              pelavorine::cli::AjoutsDocument& ajouts) override {
        agi = true;
        if (options.Presente(QStringLiteral("--fail"))) {
            contexte.erreur = pelavorine::cli::ErreurRun{0, 0, 0, QStringLiteral("échec")};
            return;
        }
        pelavorine::TableVariables& table = contexte.travail.Variables();
        const pelavorine::TypeId* y = table.Variable(table.IndexVariable(QStringLiteral("Y")));
        QJsonArray points;
        if (y) {
            const int z =
                table.CreerVariable(QStringLiteral("Z"), y->NbPoints, pelavorine::genre::Acquise);
            for (int i = y->Premier; i <= y->NbPoints; ++i) {
                points.append(y->LirePoint(i));
                table.Variable(z)->EcrirePoint(i, 2 * y->LirePoint(i));
            }
        }
        ajouts.champs[QStringLiteral("essai")] =
            QJsonObject{{QStringLiteral("order"),
                         options.Derniere(QStringLiteral("--order")).value_or("0").toInt()},
                        {QStringLiteral("seen"), points},
                        {QStringLiteral("tenth"), 0.1}};
        ajouts.champs[QStringLiteral("done")] = true;
        ajouts.texte = QStringLiteral("Essai : %1 points\n").arg(points.size());
    }
};
