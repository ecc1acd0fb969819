#pragma once

#include "core/windows/Graduation.h"
#include "core/windows/Legende.h"
#include "core/windows/Projection.h"
#include "core/windows/TraceCourbe.h"
#include "gui/windows/OutilFenetre.h"

#include <QFont>
#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

namespace pelavorine {

class DonneesFenetre;
class Travail;

// A curve window of the desk: draws its frame (graduations, grid, legend, abscissa label) and
// the curves of the variables whose window mask has its bit, into a picture kept between
// paints, so that curves can be added or erased without drawing everything again. The data
// it draws live in the work's window table.
class TFenCourbe : public QWidget {
    Q_OBJECT
public:
    TFenCourbe(Travail& travail, int numero, QWidget* parent = nullptr);
    ~TFenCourbe() override;

    int Numero() const { return numero_; }
    DonneesFenetre* Donnees() const;
    const Projection& Monde() const { return projection_; }
    const QImage& Image() const { return image_; }
    const PlanCadre& Cadre() const { return cadre_; }
    const PlanLegende& Legende() const { return legende_; }
    // Where the legend line was last written.
    QRect RectLegende() const { return rectLegende_; }
    QRect ZoneTrace() const;

    // Graduer: evaluates the world, the margins and draws the whole frame.
    void DessinerCadre();
    // TracerCourbes: every curve shown, then the legend names.
    void DessinerCourbes();
    void DessinerCommentaires();
    // Redraws the curves of these variables, or erases them (drawn in the background colour).
    void TracerCourbesIndiquees(const QList<int>& variables);
    void EffacerCourbesIndiquees(const QList<int>& variables);
    // The plot area only, in the background colour.
    void Effacer();
    // Drawing while an acquisition runs: points premier..dernier of a variable in its colour,
    // and a segment between two world points erased (the previous trace of a repeated block).
    // Both repaint only the pixels they touch.
    void TracerPoints(int variable, int premier, int dernier);
    void EffacerSegment(int variable, QPointF a, QPointF b);
    // Draws again the grid lines the frame remembered (after a tool erased some of them).
    void DessinerGrille();
    // Frame and curves at once, as the desk's refresh 192 does.
    void Redessiner();

    // How many times each drawing was done since the window was made.
    int NbCadres() const { return cadres_; }
    int NbCommentaires() const { return commentaires_; }
    int NbCourbes() const { return courbes_; }

    // The active tool, nullptr when none; a new tool ends the previous one.
    OutilFenetre* Outil() const { return outil_.get(); }
    void FixerOutil(std::unique_ptr<OutilFenetre> outil);
    void TerminerOutil();

    // Maps the window's world onto its current size (the tools convert pixels with it).
    void SelectionnerMonde();
    // Zooms on a rectangle of pixels: the scales go on the zoom stack (nothing when it is
    // full) and the window is redrawn.
    void Zoomer(const QRect& rectangle);

    // Black-and-white drawing (the option, or printing in black only).
    void FixerNoirEtBlanc(bool oui);

signals:
    // The right button asks for the desk's window pop-up menu.
    void menuDemande(const QPoint& global);
    // A digit typed in the window: window N to the front.
    void fenetreDemandee(int numero);
    // A zoom is about to change the scales of a window whose zoom stack is empty.
    void noterDisposition();
    // The zoom or calibration stacks changed: the desk updates its buttons.
    void pilesChangees();
    // The legend chose a new current curve.
    void courbeChoisie(int variable);
    // A double click asks for the display parameters: the curve page (on the variable under
    // the mouse, 0 when none) from the legend, the window page from the graduation strips and
    // the abscissa label.
    void parametresDemandes(int page, int element);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    void PreparerImage();
    void MesurerCellule(const QFont& police);
    void PeindreCadre(QPainter& peintre);
    void EcrireLegende(QPainter& peintre);
    void EcrireNomAbscisse(QPainter& peintre);
    void Tracer(QPainter& peintre, int variable, const QColor& couleur);
    // How this window draws its curves (world, options, marker spacing, screen size).
    ParametresTrace Parametres(const DonneesFenetre& f) const;
    void ComposerLegende();
    QColor CouleurFond() const;
    QFont PoliceLegende() const;
    // Gives an event to the active tool; true when the tool used it.
    bool ParOutil(const std::function<bool(OutilFenetre&)>& appel);
    // Pan on the graduation strips.
    bool Deplacer(QMouseEvent* event);

    Travail& travail_;
    int numero_;
    QImage image_;
    Projection projection_;
    PlanCadre cadre_;
    PlanLegende legende_;
    MesuresTexte mesures_;
    QRect rectLegende_;
    QString texteAbscisse_;
    QRect rectAbscisse_;
    std::unique_ptr<OutilFenetre> outil_;
    bool noirEtBlanc_ = false;
    bool cadreFait_ = false;
    int ancreX_ = -1;
    int ancreY_ = -1;
    QChar prefixeTouche_;
    int cadres_ = 0;
    int commentaires_ = 0;
    int courbes_ = 0;
};

} // namespace pelavorine
