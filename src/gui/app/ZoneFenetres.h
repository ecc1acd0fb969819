#pragma once

#include "core/windows/HistoriqueDisposition.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <array>

class QMdiArea;
class QMdiSubWindow;
class QPoint;

namespace pelavorine {

class Configuration;
class FenetreFeuille;
class TFenCourbe;
class Travail;

// The desk's window area: one frame per open window of the work's window table, kept in step
// with the table, their bounds and states noted in the table as they change and applied from
// it, the window made current as it is activated, and the calculation window beside them.
class ZoneFenetres : public QObject {
    Q_OBJECT
public:
    ZoneFenetres(Travail& travail, const Configuration& configuration, QMdiArea& zone);
    ~ZoneFenetres() override;

    QMdiArea* Zone() const { return &zone_; }
    QMdiSubWindow* SousFenetre(int numero) const;
    // The curve window shown in a sub-window, nullptr when the slot is empty.
    TFenCourbe* Courbe(int numero) const;
    // The window fills the desk.
    bool PleinEcran(int numero) const;
    // The desk's client area: the window area less 4 pixels at the right and the bottom.
    QSize ZoneClient() const;

    // One frame per open window of the table, titled with its caption.
    void Synchroniser();
    // Brings a window to the front and makes it current.
    void MontrerFenetre(int numero);
    // Makes the curve window of a window tab current and brings it to the front.
    void MontrerFenetreDeLOnglet(int index);
    // Ends the tool active in any window.
    void TerminerOutils();
    // Before a command on the current window: every tool ends and the window's underlined
    // curve follows the program's current variable.
    void PreparerCommande();

    // Every window's bounds and state into the table, and back.
    void NoterGeometries();
    void AppliquerGeometries();
    // The layout undo of "&Annuler": noted before a layout changes, restored by the command.
    HistoriqueDisposition& Disposition() { return disposition_; }
    void NoterDisposition();
    void RestaurerDisposition();

    // "Vider la fenêtre": its arrows and comments go and it stops showing every curve.
    void ViderFenetre(int numero);
    // Ends its tool, clears its display and empties its slot (window 1 comes back when no
    // ordinary window is left).
    void SupprimerFenetre(int numero);

    // The calculation window, nullptr until it is first shown.
    FenetreFeuille* Feuille() const;
    QMdiSubWindow* SousFeuille() const;
    // It is the active form: the curve windows' menus wait.
    bool FeuilleActive() const { return feuilleActive_; }
    bool FeuilleMontree() const;
    // "&Feuille de calcul": shows the calculation window, made the first time.
    void OuvrirFeuilleCalcul();
    // The calculation window waits, hidden, to come back over the whole desk.
    void AttendreFeuille();
    // The work file keeps the calculation window: noted before a save; after a read that
    // gave it, the window is made when missing and placed as the file says. `mosaique` is
    // whether the predefined mosaics include it.
    void NoterEtatFeuille(bool mosaique);
    void AppliquerEtatFeuille(bool& mosaique);

signals:
    // What the menus allow may have changed (active form, a window's stacks).
    void etatChange();
    void ongletsChanges(bool reconstruire);
    // A curve window's pop-up menu, at that global position.
    void menuFenetreDemande(const QPoint& global);
    // A curve window asks for the parameters form on a page and an element of it.
    void parametresDemandes(int page, int element);
    // The close box of the last window of an unsaved work chose to save it.
    void enregistrementDemande();
    // The calculation window has just been made.
    void feuilleCreee(FenetreFeuille* feuille);

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    TFenCourbe* CreerCourbe(int numero);
    void FermerSousFenetre(int numero);
    void AppliquerGeometrie(int numero);
    void NoterGeometrie(int numero);
    void ClientChange();
    void FenetreActivee(QMdiSubWindow* sous);
    // The close box of a window: the last one asks to save an unsaved work first.
    void FermerFenetre(int numero);

    Travail& travail_;
    const Configuration& configuration_;
    QMdiArea& zone_;
    std::array<QMdiSubWindow*, 16> sousFenetres_{};
    QPointer<FenetreFeuille> feuille_;
    QPointer<QMdiSubWindow> sousFeuille_;
    QSize client_;
    HistoriqueDisposition disposition_;
    bool synchronisation_ = false;
    bool feuilleActive_ = false;   // the calculation window is the active form
    bool feuilleAgrandie_ = false; // shown again, the calculation window fills the desk
};

} // namespace pelavorine
