#include "gui/windows/OutilLoupe.h"

#include "core/travail/Travail.h"
#include "core/windows/CommandesEchelles.h"
#include "core/windows/DonneesFenetre.h"
#include "gui/windows/TFenCourbe.h"

#include <QMouseEvent>
#include <QPainter>

namespace pelavorine {

namespace {

QPoint DansLaZone(const TFenCourbe& fenetre, QPoint p) {
    const QRect zone = fenetre.ZoneTrace();
    return QPoint(std::clamp(p.x(), zone.left(), zone.right()),
                  std::clamp(p.y(), zone.top(), zone.bottom()));
}

} // namespace

bool OutilLoupe::Presser(TFenCourbe& fenetre, QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return false;
    depart_ = fin_ = DansLaZone(fenetre, event->position().toPoint());
    enCours_ = true;
    fenetre.update();
    return true;
}

bool OutilLoupe::Deplacer(TFenCourbe& fenetre, QMouseEvent* event) {
    if (!enCours_) return true;
    fin_ = DansLaZone(fenetre, event->position().toPoint());
    fenetre.update();
    return true;
}

bool OutilLoupe::Relacher(TFenCourbe& fenetre, QMouseEvent* event) {
    if (!enCours_ || event->button() != Qt::LeftButton) return true;
    fin_ = DansLaZone(fenetre, event->position().toPoint());
    enCours_ = false;
    fini_ = true;
    fenetre.Zoomer(QRect(depart_, fin_));
    return true;
}

void OutilLoupe::Peindre(TFenCourbe&, QPainter& peintre) {
    if (!enCours_) return;
    peintre.setPen(QPen(QColor(255, 0, 255), 1, Qt::DashLine));
    peintre.setBrush(Qt::NoBrush);
    peintre.drawRect(Rectangle());
}

} // namespace pelavorine
