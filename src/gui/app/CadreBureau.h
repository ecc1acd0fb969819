#pragma once

class QMainWindow;

namespace pelavorine {

struct EtatBureau;

// The desk's own frame and state as the work file keeps them: noted as the desk moves or
// changes state, applied when a work is read.
class CadreBureau {
public:
    CadreBureau(QMainWindow& bureau, EtatBureau& etat) : bureau_(bureau), etat_(etat) {}

    void Noter();
    void Appliquer();
    // The desk fills the screen, at once when it is shown, else when it will be.
    void Maximiser();

private:
    QMainWindow& bureau_;
    EtatBureau& etat_;
};

} // namespace pelavorine
