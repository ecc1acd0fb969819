#pragma once

class QKeyEvent;
class QMouseEvent;
class QPainter;

namespace pelavorine {

class TFenCourbe;

// A tool working in one curve window (zoom, crosshair, selection…): while it is active the
// window gives it the mouse and the keys first, and lets it paint over the drawing.
class OutilFenetre {
public:
    virtual ~OutilFenetre() = default;

    // True when the event was used.
    virtual bool Presser(TFenCourbe& fenetre, QMouseEvent* event) = 0;
    virtual bool Deplacer(TFenCourbe& fenetre, QMouseEvent* event) = 0;
    virtual bool Relacher(TFenCourbe& fenetre, QMouseEvent* event) = 0;
    virtual bool Touche(TFenCourbe&, QKeyEvent*) { return false; }
    // Drawn over the window's picture at each paint (rubber rectangles, cursors).
    virtual void Peindre(TFenCourbe&, QPainter&) {}
    // The tool ends: whatever it drew goes away.
    virtual void Terminer(TFenCourbe&) {}
    // The tool has done its work: the window ends it after the event.
    virtual bool Fini() const { return false; }
    // The menu command that starts the tool, so that choosing it again ends it.
    virtual int Commande() const = 0;
};

} // namespace pelavorine
