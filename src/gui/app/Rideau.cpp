#include "gui/app/Rideau.h"

#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QVBoxLayout>

namespace pelavorine {

Rideau::Rideau(QMainWindow* bureau) : QWidget(bureau), bureau_(bureau) {
    setObjectName(QStringLiteral("Rideau"));
    setAccessibleName(tr("Démarrage de Pelavorine"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xF8, 0xED, 0xD1));
    p.setColor(QPalette::WindowText, QColor(0xD3, 0x89, 0x18));
    setPalette(p);
    auto* titre = new QLabel(QStringLiteral("PELAVORINE 2003"), this);
    titre->setAlignment(Qt::AlignCenter);
    QFont f = titre->font();
    f.setPointSize(24);
    f.setBold(true);
    titre->setFont(f);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(titre);
    bureau_->installEventFilter(this);
    Couvrir();
}

void Rideau::Couvrir() {
    Ajuster();
    raise();
    show();
}

void Rideau::Ajuster() {
    // The menu bar stays visible above it.
    const QWidget* menu = bureau_->menuWidget();
    const int haut = menu && !menu->isHidden() ? menu->geometry().bottom() + 1 : 0;
    setGeometry(0, haut, bureau_->width(), bureau_->height() - haut);
}

bool Rideau::eventFilter(QObject* objet, QEvent* event) {
    if (objet == bureau_ && !isHidden() &&
        (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest))
        Ajuster();
    return QWidget::eventFilter(objet, event);
}

} // namespace pelavorine
