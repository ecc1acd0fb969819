#include "gui/app/BarreDesIcones.h"

#include "core/bureau/ActivationMenus.h"
#include "gui/app/MenuBureau.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMainWindow>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

namespace pelavorine {

namespace {

using C = Commande;

// The picture of an icon: its drawing in the icons folder; the initials of its hint when the
// drawing is missing (a program folder without its pictures still has a usable bar).
QIcon Image(const QString& dossier, const IconeBureau& icone, const QString& bulle) {
    const QString fichier = QDir(dossier).filePath(QString::fromLatin1(icone.nom) + ".svg");
    if (QFileInfo::exists(fichier)) return QIcon(fichier);
    QString initiales;
    for (const QString& mot : bulle.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        if (mot.size() > 2 && initiales.size() < 3) initiales += mot.front().toUpper();
    if (initiales.isEmpty()) initiales = bulle.left(2);
    QPixmap image(24, 24);
    image.fill(Qt::transparent);
    QPainter p(&image);
    QFont f = p.font();
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.drawText(image.rect(), Qt::AlignCenter, initiales);
    return QIcon(image);
}

} // namespace

BarreDesIcones::BarreDesIcones(QMainWindow& bureau, const MenuBureau& menus, bool ingenieur,
                               const QString& dossierIcones)
    : bureau_(bureau), menus_(menus) {
    barre_ = bureau_.addToolBar(tr("Barre des icônes"));
    barre_->setObjectName(QStringLiteral("BarreIcones"));
    barre_->setMovable(false);
    barre_->setIconSize(QSize(24, 24));
    for (const IconeBureau& i : IconesDuBureau()) {
        const QString bulle = QCoreApplication::translate("MenusBureau", i.bulle);
        QAction* a = barre_->addAction(Image(dossierIcones, i, bulle), bulle);
        a->setObjectName(QString::fromLatin1(i.nom));
        a->setToolTip(bulle);
        a->setVisible(i.visibleParDefaut);
        if (QWidget* w = barre_->widgetForAction(a)) {
            w->setObjectName(QString::fromLatin1(i.nom));
            // An icon with a caption shows it under its picture.
            if (auto* bouton = qobject_cast<QToolButton*>(w); bouton && i.legende) {
                a->setIconText(QString::fromUtf8(i.legende));
                bouton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            }
            w->setAccessibleName(bulle);
            w->installEventFilter(this); // its hint is placed here
        }
        icones_.insert(i.commande, a);
        if (i.commande == C::ChoisirMosaique || i.commande == C::ChoisirCalibrage) {
            const int tag = i.commande == C::ChoisirMosaique ? 200 : 100;
            connect(a, &QAction::triggered, this, [this, a, tag] { MontrerPopup(a, tag); });
        } else {
            if (i.commande == C::NotationIngenieur) {
                a->setCheckable(true);
                a->setChecked(ingenieur);
            }
            connect(a, &QAction::triggered, this,
                    [this, c = i.commande] { emit commandeChoisie(c); });
        }
    }
}

BarreDesIcones::~BarreDesIcones() {
    for (QAction* a : barre_->actions())
        if (QWidget* w = barre_->widgetForAction(a)) w->removeEventFilter(this);
}

void BarreDesIcones::Actualiser(const ActivationMenus& etats,
                                const std::function<bool(Commande)>& disponible) const {
    for (auto it = icones_.cbegin(); it != icones_.cend(); ++it) {
        bool active = etats.IconesActives() && disponible(it.key());
        if (it.key() == C::MosaiqueGenerale) active = active && etats.IconeMosaiqueActive();
        it.value()->setEnabled(active);
    }
}

void BarreDesIcones::MontrerPopup(QAction* icone, int tag) {
    QWidget* bouton = barre_->widgetForAction(icone);
    menus_.MontrerMenuFenetre(tag, bouton ? bouton->mapToGlobal(QPoint(0, bouton->height()))
                                          : QCursor::pos());
}

void BarreDesIcones::MontrerBulle(QWidget* bouton) {
    if (bouton->toolTip().isEmpty()) return;
    QToolTip::showText(bouton->mapToGlobal(QPoint(0, bouton->height())), bouton->toolTip(), bouton);
    QWidget* bulle = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("qtooltip_label") && w->isVisible()) bulle = w;
    if (!bulle) return;
    // Just below the icon, or above it when the current window fills the desk.
    const bool dessus = fenetreAgrandie && fenetreAgrandie();
    bulle->move(
        bouton->mapToGlobal(dessus ? QPoint(0, -bulle->height()) : QPoint(0, bouton->height())));
}

bool BarreDesIcones::eventFilter(QObject* objet, QEvent* event) {
    if (event->type() == QEvent::ToolTip && objet->isWidgetType() && objet->parent() == barre_) {
        MontrerBulle(static_cast<QWidget*>(objet));
        return true;
    }
    return QObject::eventFilter(objet, event);
}

} // namespace pelavorine
