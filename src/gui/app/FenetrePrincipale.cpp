#include "app/FenetrePrincipale.h"

namespace pelavorine {

QString FenetrePrincipale::TitreBase() { return QStringLiteral(" PELAVORINE 2003"); }

FenetrePrincipale::FenetrePrincipale(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(TitreBase());
    resize(1024, 700);
}

} // namespace pelavorine
