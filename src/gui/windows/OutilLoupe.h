#pragma once

#include "gui/windows/OutilFenetre.h"

#include <QPoint>
#include <QRect>

namespace pelavorine {

// "&Loupe": a rubber rectangle drawn with the left button; on release the window zooms on
// it and the tool ends.
class OutilLoupe : public OutilFenetre {
public:
    explicit OutilLoupe(int commande) : commande_(commande) {}

    bool Presser(TFenCourbe& fenetre, QMouseEvent* event) override;
    bool Deplacer(TFenCourbe& fenetre, QMouseEvent* event) override;
    bool Relacher(TFenCourbe& fenetre, QMouseEvent* event) override;
    void Peindre(TFenCourbe& fenetre, QPainter& peintre) override;
    bool Fini() const override { return fini_; }
    int Commande() const override { return commande_; }

    bool EnCours() const { return enCours_; }
    QRect Rectangle() const { return QRect(depart_, fin_).normalized(); }

private:
    int commande_;
    bool enCours_ = false;
    bool fini_ = false;
    QPoint depart_;
    QPoint fin_;
};

} // namespace pelavorine
