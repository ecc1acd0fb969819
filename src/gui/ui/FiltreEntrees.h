#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <functional>

namespace pelavorine {

// The input filter of long work (a run of the calculation sheet, an acquisition): while it is
// on, the user's input is discarded so that no command re-enters the work, except Escape,
// which asks for an interruption, and, where `autorise` allows it, the mouse and wheel on
// panes that may be scrolled meanwhile. A message box suspends it while it is shown.
class FiltreEntrees : public QObject {
    Q_OBJECT
public:
    explicit FiltreEntrees(QObject* parent = nullptr);
    ~FiltreEntrees() override;

    bool Actif() const { return actif_; }
    // Nested: the filter stays on until every Activer(true) has had its Activer(false). The
    // first one installs it on the application and forgets an earlier interruption.
    void Activer(bool actif);
    bool Suspendu() const { return suspensions_ > 0; }
    // Nested boxes: the filter works again once every box is closed.
    void Suspendre(bool suspendre);

    // The interruption check of the work: at most every 20 ms it lets the pending events
    // through the filter; true once Escape has been pressed, until Effacer().
    bool Interrompu();
    void Effacer() { echappement_ = false; }
    bool EchappementVu() const { return echappement_; }

    // Widgets whose mouse and wheel events pass while the filter is on.
    std::function<bool(QObject* objet)> autorise;

    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    int profondeur_ = 0;
    bool actif_ = false;
    bool installe_ = false;
    int suspensions_ = 0;
    bool echappement_ = false;
    QElapsedTimer dernier_;
};

} // namespace pelavorine
