#pragma once

#include <QWidget>

namespace pelavorine {

// The frame of a curve window on the desk, over the window's data in the work. Until the
// curve widget draws scales and curves, it counts what the idle processing asked of it so
// that the desk's handling can be checked.
class CadreFenetre : public QWidget {
    Q_OBJECT
public:
    CadreFenetre(int numero, QWidget* parent = nullptr);

    int Numero() const { return numero_; }
    void DessinerCadre();
    void DessinerCommentaires();
    void DessinerCourbes();

    // How many times each drawing was asked for since the frame was made.
    int NbCadres() const { return cadres_; }
    int NbCommentaires() const { return commentaires_; }
    int NbCourbes() const { return courbes_; }

private:
    int numero_;
    int cadres_ = 0;
    int commentaires_ = 0;
    int courbes_ = 0;
};

} // namespace pelavorine
