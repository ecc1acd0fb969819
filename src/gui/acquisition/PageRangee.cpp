#include "gui/acquisition/PageRangee.h"

#include "gui/acquisition/PageParametres.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>

namespace pelavorine {

PageRangee::PageRangee(const QString& nom, QWidget* parent)
    : QWidget(parent), groupe_(new QButtonGroup(this)) {
    setObjectName(nom);
    new QHBoxLayout(this);
    groupe_->setExclusive(true);
    connect(groupe_, &QButtonGroup::idClicked, this, &PageRangee::choisi);
}

void PageRangee::Remplir(const std::vector<int>& numeros,
                         const std::function<QString(int)>& libelle) {
    for (QAbstractButton* b : groupe_->buttons()) {
        groupe_->removeButton(b);
        delete b;
    }
    for (int n : numeros) {
        QPushButton* b =
            PageParametres::Bouton(libelle(n), this, objectName() + QString::number(n));
        b->setCheckable(true);
        groupe_->addButton(b, n);
        layout()->addWidget(b);
    }
}

void PageRangee::Selectionner(int numero) {
    if (QAbstractButton* b = groupe_->button(numero)) b->setChecked(true);
}

} // namespace pelavorine
