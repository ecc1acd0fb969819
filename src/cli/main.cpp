#include "CommandeInfo.h"
#include "CommandeRun.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

namespace {

constexpr const char* kUsage =
    "Usage :\n"
    "  pelavorine-cli run [FICHIER] [--points N] [--tbase SECONDES] [--sheet FICHIER|-]\n"
    "                     [--line TEXTE]... [--digits N] [--engineering on|off]\n"
    "                     [--inputs EA0,EA3...] [--acquire] [--save SORTIE]\n"
    "                     [--show NOM[,NOM...]] [--json]\n"
    "  pelavorine-cli info FICHIER [--json]\n";

int Usage(const QString& erreur) {
    QTextStream err(stderr);
    if (!erreur.isEmpty()) err << "pelavorine-cli : " << erreur << "\n";
    err << kUsage;
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Pelavorine 2003"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quandrel"));
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    if (arguments.isEmpty()) return Usage(QString());
    const QString commande = arguments.takeFirst();
    if (commande == QLatin1String("run")) {
        pelavorine::cli::CommandeRun run;
        QString erreur;
        if (!run.Analyser(arguments, erreur)) return Usage(erreur);
        return run.Executer();
    }
    if (commande == QLatin1String("info")) {
        pelavorine::cli::CommandeInfo info;
        QString erreur;
        if (!info.Analyser(arguments, erreur)) return Usage(erreur);
        return info.Executer();
    }
    if (commande == QLatin1String("--help") || commande == QLatin1String("-h")) {
        QTextStream(stdout) << kUsage;
        return 0;
    }
    return Usage(QStringLiteral("commande inconnue : %1").arg(commande));
}
