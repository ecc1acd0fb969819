#include "app/CadreFenetre.h"

namespace pelavorine {

CadreFenetre::CadreFenetre(int numero, QWidget* parent) : QWidget(parent), numero_(numero) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAccessibleName(tr("Fenêtre n° %1").arg(numero));
}

void CadreFenetre::DessinerCadre() {
    ++cadres_;
    update();
}

void CadreFenetre::DessinerCommentaires() {
    ++commentaires_;
    update();
}

void CadreFenetre::DessinerCourbes() {
    ++courbes_;
    update();
}

} // namespace pelavorine
