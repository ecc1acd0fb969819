#pragma once

#include <QObject>
#include <QPointF>
#include <functional>
#include <memory>
#include <vector>

namespace pelavorine {

class Acquisition;
class BureauAcquisition;
class Secours;
class TFenCourbe;
class Travail;

// The desk's side of "Acquérir signaux": it chooses how the curves are drawn while the
// samples arrive (each point as it comes when the windows keep up with the period, else once
// per block), keeps the desk deaf to everything but Escape during the run, shows the status
// line and the point counter, and afterwards refreshes the windows and the emergency save.
class AcquisitionBureau : public QObject {
    Q_OBJECT
public:
    AcquisitionBureau(BureauAcquisition& bureau, Travail& travail, QObject* parent = nullptr);
    ~AcquisitionBureau() override;

    // The command: 0 after a run, an error code (its message shown), or one of the
    // Acquisition codes PasAPas / DejaEnCours.
    int Lancer();
    bool EnCours() const { return enCours_; }
    // The last run, nullptr before the first.
    const Acquisition* Derniere() const { return derniere_.get(); }
    // The last run drew each point as it arrived.
    bool DessinPointParPoint() const { return parPoint_; }

    // Microseconds a window needs to draw one point, measured on the current window the first
    // time it is needed and again after Reinitialiser().
    double CoutDessin();
    void ReinitialiserCoutDessin() { cout_ = 0.0; }
    // Fixes the cost (tests choose the strategy with it); 0 measures again.
    void FixerCoutDessin(double microsecondes) { cout_ = microsecondes; }
    // The desk's option that forbids drawing points while they arrive.
    bool sansDessinTempsReel = false;

    // The emergency save refreshed after each run that acquired points (none: not saved).
    void FixerSecours(Secours* secours) { secours_ = secours; }

    static QString TextePoint(int point, int total);
    // The measurement itself, on a window (or a window-sized picture without one): for each
    // of `points` points, ten abscissa conversions and one segment; elapsed ms × 4000 / points.
    static double MesurerCout(const TFenCourbe* courbe, int points);

signals:
    // A block is about to be acquired (counter of the run, from 1).
    void blocCommence(int bloc);
    // A block has been converted and drawn.
    void blocTermine(int bloc);
    // A point has been drawn as it arrived (from 1 in each block).
    void pointDessine(int point);

private:
    struct Trace {
        int variable = 0;
        int fenetre = 0;
        std::vector<QPointF> precedent; // the previous block, to erase ahead of the new one
    };
    bool ChoisirDessinParPoint();
    bool RedessinComplet() const;
    void PreparerTraces();
    void DessinerPoint(int point);
    void ApresBloc();
    void RedessinerJeu();
    // Widens the Y scale of a window of the set when a value leaves it; true when it did.
    bool AgrandirEchelle(int fenetre, double y);

    BureauAcquisition& bureau_;
    Travail& travail_;
    Secours* secours_ = nullptr;
    std::unique_ptr<Acquisition> derniere_;
    std::vector<Trace> traces_;
    double cout_ = 0.0;
    bool enCours_ = false;
    bool parPoint_ = false;
    bool afficherPoint_ = false;
    int blocs_ = 0;
    int total_ = 0;
};

} // namespace pelavorine
