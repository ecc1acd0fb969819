#include "gui/app/CadreBureau.h"

#include "core/windows/EtatBureau.h"

#include <QMainWindow>
#include <QScreen>
#include <algorithm>

namespace pelavorine {

void CadreBureau::Noter() {
    etat_.etat = bureau_.isMaximized()
                     ? EtatBureau::Maximise
                     : (bureau_.isMinimized() ? EtatBureau::Minimise : EtatBureau::Normal);
    if (const QScreen* ecran = bureau_.screen()) {
        etat_.largeurEcran = ecran->size().width();
        etat_.hauteurEcran = ecran->size().height();
    }
    if (etat_.etat != EtatBureau::Normal) return;
    etat_.gauche = bureau_.x();
    etat_.haut = bureau_.y();
    etat_.largeur = bureau_.width();
    etat_.hauteur = bureau_.height();
}

void CadreBureau::Appliquer() {
    // Moving the desk notes its frame again: the values go first.
    const EtatBureau b = etat_;
    if (b.etat == EtatBureau::Maximise) {
        Maximiser();
        return;
    }
    // A desk saved minimised opens normal: a file must not hide the program.
    if (bureau_.isVisible() && (bureau_.isMaximized() || bureau_.isMinimized()))
        bureau_.showNormal();
    else
        bureau_.setWindowState(bureau_.windowState() &
                               ~(Qt::WindowMaximized | Qt::WindowMinimized));
    QRect cadre(b.gauche, b.haut, std::max(b.largeur, 200), std::max(b.hauteur, 150));
    // A frame saved on a larger screen stays reachable.
    if (const QScreen* ecran = bureau_.screen()) {
        const QRect ecrans = ecran->availableVirtualGeometry();
        cadre.setSize(cadre.size().boundedTo(ecrans.size()));
        cadre.moveLeft(std::clamp(cadre.left(), ecrans.left(),
                                  std::max(ecrans.left(), ecrans.right() + 1 - cadre.width())));
        cadre.moveTop(std::clamp(cadre.top(), ecrans.top(),
                                 std::max(ecrans.top(), ecrans.bottom() + 1 - cadre.height())));
    }
    bureau_.move(cadre.topLeft());
    bureau_.resize(cadre.size());
}

void CadreBureau::Maximiser() {
    if (bureau_.isVisible())
        bureau_.showMaximized();
    else
        bureau_.setWindowState((bureau_.windowState() & ~Qt::WindowMinimized) |
                               Qt::WindowMaximized);
}

} // namespace pelavorine
