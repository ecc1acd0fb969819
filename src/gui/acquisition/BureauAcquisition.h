#pragma once

class QColor;
class QLabel;
class QString;

namespace pelavorine {

class FiltreEntrees;
class TFenCourbe;

// What a run needs of the desk around it: the windows it draws in, the status line, the input
// filter, the handling of the change-request word and the end of the window tools.
class BureauAcquisition {
public:
    virtual ~BureauAcquisition() = default;

    // The curve window shown under that number, nullptr when the slot is empty.
    virtual TFenCourbe* Courbe(int numero) const = 0;
    // The window fills the desk.
    virtual bool FenetrePleinEcran(int numero) const = 0;
    // The point counter of the status line.
    virtual QLabel* PointCourant() const = 0;
    // Holds back every input but Escape while it is on.
    virtual FiltreEntrees* Filtre() const = 0;
    // An invalid colour takes the status-line colour.
    virtual void AfficherLigneInfo(const QString& texte, const QColor& couleur) = 0;
    virtual void ActualiserTitre() = 0;
    // Handles the change-request word at once.
    virtual void TraiterDemandes() = 0;
    // Ends the tool active in any window.
    virtual void TerminerOutils() = 0;
};

} // namespace pelavorine
