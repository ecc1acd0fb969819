#include "app/Demarrage.h"
#include "app/FenetrePrincipale.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelavorine 2003"));
    QApplication::setOrganizationName(QStringLiteral("Quandrel"));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    pelavorine::Demarrage programme(arguments);
    programme.Bureau().show();
    return QApplication::exec();
}
