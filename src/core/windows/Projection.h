#pragma once

namespace pelavorine {

class DonneesFenetre;

// The world-to-pixel mapping of a curve window. The plot area runs from the left margin L to
// the client width W, and from the top offset T down to H − B. Pixels are clamped to
// [−1000, 1000 + the form's outer size] so that plotting never overflows integer coordinates.
class Projection {
public:
    static constexpr int Debordement = 1000; // pixel overflow margin around the form
    static constexpr double Infini = 1e300;  // the program's infinite value
    static constexpr double LimiteDefaut = 5e299;

    Projection() { Selectionner(); }

    void DefinirClient(int largeur, int hauteur) {
        largeur_ = largeur;
        hauteur_ = hauteur;
    }
    // The form's outer size: only the clamps use it.
    void DefinirForme(int largeur, int hauteur) {
        largeurForme_ = largeur;
        hauteurForme_ = hauteur;
    }
    // L := round(6.5 × cw), B := round(1.8 × ch), T := the tool menu bar's height (0 hidden).
    void FixerMarges(int cw, int ch, int hauteurBarreOutils);
    void DefinirMarges(int gauche, int bas, int haut) {
        gauche_ = gauche;
        bas_ = bas;
        haut_ = haut;
    }
    // Takes the window's world rectangle (already ordered there).
    void DefinirMonde(const DonneesFenetre& donnees);
    // Each pair put in increasing order.
    void DefinirMonde(double x1, double y1, double x2, double y2);

    // Recomputes SX, SY, LX, LY from the current geometry and world rectangle; the mapping
    // below uses the values of the last call.
    void Selectionner();

    int WPX(double x) const;
    int WPY(double y) const;
    double PWX(int px) const;
    double PWY(int py) const;
    // The world length of n pixels.
    double PixelMondeX(double n) const { return n / sx_; }
    double PixelMondeY(double n) const { return n / sy_; }

    int W() const { return largeur_; }
    int H() const { return hauteur_; }
    int L() const { return gauche_; }
    int B() const { return bas_; }
    int T() const { return haut_; }
    double SX() const { return sx_; }
    double SY() const { return sy_; }
    double LX() const { return lx_; }
    double LY() const { return ly_; }
    double Xmin() const { return xmin_; }
    double Xmax() const { return xmax_; }
    double Ymin() const { return ymin_; }
    double Ymax() const { return ymax_; }

private:
    int largeur_ = 0;
    int hauteur_ = 0;
    int largeurForme_ = 0;
    int hauteurForme_ = 0;
    int gauche_ = 0;
    int bas_ = 0;
    int haut_ = 0;
    double xmin_ = 0;
    double xmax_ = 1;
    double ymin_ = 0;
    double ymax_ = 1;
    double sx_ = 1;
    double sy_ = 1;
    double lx_ = LimiteDefaut;
    double ly_ = LimiteDefaut;
};

} // namespace pelavorine
