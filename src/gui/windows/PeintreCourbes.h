#pragma once

#include "core/windows/TraceCourbe.h"

#include <QColor>
#include <QLine>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <vector>

class QPainter;

namespace pelavorine {

// Draws curves with a QPainter, in one colour (the curve's, or the background's to erase it),
// without antialiasing. Points, crosses, squares and sticks are gathered and drawn in batches:
// they are complete only after Terminer() or the destructor. On a 32-bit QImage painted
// without transform and clipped to one rectangle, those batches (horizontal and vertical
// strokes only) are written straight into the pixels: a cross on each of half a million
// points then costs a few milliseconds instead of a hundred. The painter's state is saved by
// the constructor and restored by the destructor.
class PeintreCourbes : public SurfaceTrace {
public:
    // `largeurEcran` chooses the thick line's width: 3, or 2 on a screen at most 700 wide.
    PeintreCourbes(QPainter& peintre, const QColor& couleur, int largeurEcran);
    ~PeintreCourbes() override;
    PeintreCourbes(const PeintreCourbes&) = delete;
    PeintreCourbes& operator=(const PeintreCourbes&) = delete;

    void Polyligne(std::uint8_t style, std::span<const QPoint> points) override;
    void Marque(std::uint8_t style, QPoint point) override;
    void Baton(QPoint point, int base, bool chapeau) override;

    // Draws what is still gathered.
    void Terminer();

    int EpaisseurGrosTrait() const { return epaisseur_; }

private:
    enum class Plume { Aucune, Fine, Pointillee };
    void ChoisirPlume(Plume plume);
    void ChoisirBrosse(bool pleine);
    void VerifierLots();
    // The pixels of a plain 32-bit image painted without transform, clipped to one rectangle.
    struct Cible {
        uchar* bits = nullptr;
        qsizetype ligne = 0;
        QRect zone;
        QRgb couleur = 0;
        void Pixel(int x, int y) const {
            if (zone.contains(x, y)) reinterpret_cast<QRgb*>(bits + y * ligne)[x] = couleur;
        }
        void Horizontal(int x0, int x1, int y) const;
        void Vertical(int x, int y0, int y1) const;
        void Segment(QPoint a, QPoint b, std::span<const QPoint> pinceau) const;
    };
    // False when QPainter must draw (another device, a transform, a complex clip).
    bool PreparerImage(Cible& cible) const;
    // Draws the gathered marks straight into the pixels of the image; false when it cannot.
    bool EcrireDansImage();

    QPainter& peintre_;
    QColor couleur_;
    int epaisseur_ = 3;
    Plume plume_ = Plume::Aucune;
    bool brossePleine_ = true; // forces the first ChoisirBrosse to set it
    std::vector<QPoint> points_;
    std::vector<QLine> lignes_;
    std::vector<QRect> carres_;
    std::vector<QPoint> decales_; // a thick line's polyline shifted by one pixel
};

} // namespace pelavorine
