#pragma once

#include "core/acquisition/ModeleParametres.h"

#include <QDialog>
#include <array>

class QPushButton;
class QTabWidget;

namespace pelavorine {

class CoucheInterface;
class PageParametres;
class Travail;

// The acquisition parameters form: five pages over ModeleParametres, which holds every rule.
// Each page shows what the model reads and hands back what the user typed; a refused item
// keeps the page open on it. "Ok" keeps the changes, "Annuler" (Escape, the title bar) puts
// everything back as the form found it. Every control has a stable object name.
class TFicheParametres : public QDialog {
    Q_OBJECT
public:
    using Page = ModeleParametres::Page;

    TFicheParametres(Travail& travail, CoucheInterface& couche, QWidget* parent = nullptr);
    // A form destroyed without being closed puts everything back, as "Annuler".
    ~TFicheParametres() override;

    // Shows a page with one of its items: an input number ("Entrées"), an output number
    // ("Sorties"), a variable slot ("Courbes") or a window number ("Fenêtres"); 0 picks the
    // first one (the current window for "Fenêtres"). The page left is applied first; when it
    // is refused the form stays where it is.
    void OuvrirPage(int page, int element = 0);
    // The page shown and its item (input, output, slot or window; 0 on "Acquis").
    Page PageCourante() const { return page_; }
    int ElementCourant() const;

    // The help page of each tab.
    static QString PageAide(Page page);

public slots:
    void accept() override; // "Ok"
    void reject() override; // "Annuler", Escape, the title bar

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    // Null for "Sorties" when the interface has no output.
    PageParametres* PageDe(Page page) const { return pages_[static_cast<std::size_t>(page)]; }
    // Fills a page from the model; `noter` takes the copy "Restaurer" goes back to.
    void ChargerPage(Page page, int element, bool noter);
    // Applies the page shown when it changed; false (the error shown) when refused.
    bool Appliquer();
    // Switches to another item of the page shown (the current one is applied first).
    void ChangerElement(int element);
    void ChangerOnglet(int index);
    Page PageDeOnglet(int index) const;
    void Restaurer();
    void MontrerAide();

    Travail& travail_;
    ModeleParametres modele_;
    bool termine_ = false;
    Page page_ = Page::PageEntrees;
    std::array<PageParametres*, 5> pages_{};

    QTabWidget* onglets_ = nullptr;
    QPushButton* essayer_ = nullptr;
    QPushButton* restaurer_ = nullptr;
};

} // namespace pelavorine
