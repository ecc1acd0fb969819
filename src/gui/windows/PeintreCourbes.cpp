#include "gui/windows/PeintreCourbes.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QRegion>

#include <algorithm>

namespace pelavorine {

namespace {
// Gathered primitives are drawn by batches of about this many.
constexpr std::size_t TailleLot = 4096;
} // namespace

PeintreCourbes::PeintreCourbes(QPainter& peintre, const QColor& couleur, int largeurEcran)
    : peintre_(peintre), couleur_(couleur), epaisseur_(largeurEcran <= 700 ? 2 : 3) {
    peintre_.save();
    peintre_.setRenderHint(QPainter::Antialiasing, false);
    peintre_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    ChoisirBrosse(false);
    ChoisirPlume(Plume::Fine);
}

PeintreCourbes::~PeintreCourbes() {
    Terminer();
    peintre_.restore();
}

void PeintreCourbes::ChoisirPlume(Plume plume) {
    if (plume == plume_) return;
    plume_ = plume;
    QPen stylo(couleur_);
    switch (plume) {
    case Plume::Aucune:
        stylo = QPen(Qt::NoPen);
        break;
    case Plume::Fine:
        stylo.setWidth(1);
        break;
    case Plume::Pointillee:
        // One pixel every six.
        stylo.setWidth(1);
        stylo.setDashPattern({1, 5});
        break;
    }
    peintre_.setPen(stylo);
}

void PeintreCourbes::ChoisirBrosse(bool pleine) {
    if (pleine == brossePleine_) return;
    brossePleine_ = pleine;
    peintre_.setBrush(pleine ? QBrush(couleur_) : QBrush(Qt::NoBrush));
}

bool PeintreCourbes::PreparerImage(Cible& cible) const {
    QPaintDevice* appareil = peintre_.device();
    if (!appareil || appareil->devType() != QInternal::Image) return false;
    auto* image = static_cast<QImage*>(appareil);
    const QImage::Format format = image->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return false;
    if (!peintre_.deviceTransform().isIdentity() || image->devicePixelRatio() != 1.0 ||
        couleur_.alpha() != 255 ||
        peintre_.compositionMode() != QPainter::CompositionMode_SourceOver)
        return false;
    cible.zone = image->rect();
    if (peintre_.hasClipping()) {
        const QRegion region = peintre_.clipRegion();
        if (region.rectCount() > 1) return false;
        cible.zone &= region.boundingRect();
    }
    cible.couleur = couleur_.rgba();
    cible.bits = image->bits(); // already detached by the painter: no copy here
    cible.ligne = image->bytesPerLine();
    return true;
}

void PeintreCourbes::Cible::Horizontal(int x0, int x1, int y) const {
    if (x0 > x1) std::swap(x0, x1);
    if (y < zone.top() || y > zone.bottom()) return;
    x0 = std::max(x0, zone.left());
    x1 = std::min(x1, zone.right());
    if (x0 > x1) return;
    auto* p = reinterpret_cast<QRgb*>(bits + y * ligne);
    std::fill(p + x0, p + x1 + 1, couleur);
}

void PeintreCourbes::Cible::Vertical(int x, int y0, int y1) const {
    if (y0 > y1) std::swap(y0, y1);
    if (x < zone.left() || x > zone.right()) return;
    y0 = std::max(y0, zone.top());
    y1 = std::min(y1, zone.bottom());
    for (int y = y0; y <= y1; ++y)
        reinterpret_cast<QRgb*>(bits + y * ligne)[x] = couleur;
}

// Bresenham, both ends included, each pixel stamped with the brush's offsets.
void PeintreCourbes::Cible::Segment(QPoint a, QPoint b, std::span<const QPoint> pinceau) const {
    const QRect boite = QRect(a, b).normalized().adjusted(-1, -1, 1, 1);
    if (!boite.intersects(zone)) return;
    if (a.x() == b.x()) {
        for (const QPoint& d : pinceau)
            Vertical(a.x() + d.x(), a.y() + d.y(), b.y() + d.y());
        return;
    }
    int x = a.x(), y = a.y();
    const int dx = std::abs(b.x() - x), dy = -std::abs(b.y() - y);
    const int sx = x < b.x() ? 1 : -1, sy = y < b.y() ? 1 : -1;
    int erreur = dx + dy;
    for (;;) {
        for (const QPoint& d : pinceau)
            Pixel(x + d.x(), y + d.y());
        if (x == b.x() && y == b.y()) break;
        const int e2 = 2 * erreur;
        if (e2 >= dy) {
            erreur += dy;
            x += sx;
        }
        if (e2 <= dx) {
            erreur += dx;
            y += sy;
        }
    }
}

bool PeintreCourbes::EcrireDansImage() {
    Cible cible;
    if (!PreparerImage(cible)) return false;
    if (cible.zone.isEmpty()) return true;
    for (const QPoint& p : points_)
        cible.Pixel(p.x(), p.y());
    for (const QLine& l : lignes_) {
        if (l.y1() == l.y2()) {
            cible.Horizontal(l.x1(), l.x2(), l.y1());
        } else if (l.x1() == l.x2()) {
            cible.Vertical(l.x1(), l.y1(), l.y2());
        } else {
            static constexpr QPoint Seul[] = {{0, 0}};
            cible.Segment(l.p1(), l.p2(), Seul);
        }
    }
    // A rectangle outlined with a 1-pixel pen covers its right and bottom edges too.
    for (const QRect& r : carres_) {
        const int x0 = r.x(), y0 = r.y(), x1 = r.x() + r.width(), y1 = r.y() + r.height();
        cible.Horizontal(x0, x1, y0);
        cible.Horizontal(x0, x1, y1);
        cible.Vertical(x0, y0 + 1, y1 - 1);
        cible.Vertical(x1, y0 + 1, y1 - 1);
    }
    return true;
}

void PeintreCourbes::Terminer() {
    if (points_.empty() && lignes_.empty() && carres_.empty()) return;
    if (EcrireDansImage()) {
        points_.clear();
        lignes_.clear();
        carres_.clear();
        return;
    }
    ChoisirPlume(Plume::Fine);
    ChoisirBrosse(false);
    if (!points_.empty()) peintre_.drawPoints(points_.data(), static_cast<int>(points_.size()));
    if (!lignes_.empty()) peintre_.drawLines(lignes_.data(), static_cast<int>(lignes_.size()));
    if (!carres_.empty()) peintre_.drawRects(carres_.data(), static_cast<int>(carres_.size()));
    points_.clear();
    lignes_.clear();
    carres_.clear();
}

void PeintreCourbes::VerifierLots() {
    if (points_.size() >= TailleLot || lignes_.size() >= TailleLot || carres_.size() >= TailleLot)
        Terminer();
}

void PeintreCourbes::Polyligne(std::uint8_t style, std::span<const QPoint> points) {
    if (points.size() < 2) return;
    // A thick line is the 1-pixel line stamped with a "+" shaped brush for 3 pixels, a 2 × 2
    // square for 2: a wide pen strokes a polyline as one outline, or each segment apart,
    // and either costs tens of milliseconds for a long curve.
    static constexpr QPoint Seul[] = {{0, 0}};
    static constexpr QPoint Plus[] = {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    static constexpr QPoint Carre[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    const std::span<const QPoint> pinceau = style != 11       ? std::span<const QPoint>(Seul)
                                            : epaisseur_ >= 3 ? std::span<const QPoint>(Plus)
                                                              : std::span<const QPoint>(Carre);
    Cible cible;
    if (style != 14 && PreparerImage(cible)) {
        for (std::size_t i = 1; i < points.size(); ++i)
            cible.Segment(points[i - 1], points[i], pinceau);
        return;
    }
    if (style == 11) {
        ChoisirPlume(Plume::Fine);
        for (const QPoint& d : pinceau) {
            decales_.clear();
            for (const QPoint& p : points)
                decales_.push_back(p + d);
            peintre_.drawPolyline(decales_.data(), static_cast<int>(decales_.size()));
        }
        return;
    }
    ChoisirPlume(style == 14 ? Plume::Pointillee : Plume::Fine);
    peintre_.drawPolyline(points.data(), static_cast<int>(points.size()));
}

void PeintreCourbes::Marque(std::uint8_t style, QPoint p) {
    const int x = p.x();
    const int y = p.y();
    switch (style) {
    case 1:
        points_.insert(points_.end(), {p, {x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}});
        break;
    case 2:
    case 3: {
        const int bras = style == 2 ? 3 : 6;
        lignes_.emplace_back(x - bras, y, x + bras, y);
        lignes_.emplace_back(x, y - bras, x, y + bras);
        break;
    }
    case 4:
        ChoisirPlume(Plume::Fine);
        ChoisirBrosse(true);
        peintre_.drawEllipse(QRect(x - 3, y - 3, 6, 6)); // with the pen: x − 3 .. x + 3
        ChoisirBrosse(false);
        break;
    case 5:
        carres_.emplace_back(x - 3, y - 3, 6, 6); // a pen of 1 covers x − 3 .. x + 3
        break;
    case 12:
        // Inverting: the order against the gathered marks matters.
        Terminer();
        peintre_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        peintre_.fillRect(QRect(x - 6, y - 6, 13, 13), couleur_);
        peintre_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        break;
    case 13:
        carres_.emplace_back(x - 6, y - 6, 12, 12);
        break;
    default:
        break;
    }
    VerifierLots();
}

void PeintreCourbes::Baton(QPoint p, int base, bool chapeau) {
    lignes_.emplace_back(p.x(), base, p.x(), p.y());
    if (chapeau) lignes_.emplace_back(p.x() - 1, p.y(), p.x() + 1, p.y());
    VerifierLots();
}

} // namespace pelavorine
