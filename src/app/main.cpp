#include "app/FenetrePrincipale.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelavorine 2003"));
    QApplication::setOrganizationName(QStringLiteral("Quandrel"));
    pelavorine::FenetrePrincipale bureau;
    bureau.show();
    return QApplication::exec();
}
