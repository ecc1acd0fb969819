#include "cli/Outil.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Pelavorine 2003"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quandrel"));
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    return pelavorine::cli::Outil().Lancer(arguments, sortie, erreurs);
}
