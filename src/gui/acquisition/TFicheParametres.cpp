#include "gui/acquisition/TFicheParametres.h"

#include "core/travail/Travail.h"
#include "gui/acquisition/PageAcquis.h"
#include "gui/acquisition/PageCourbes.h"
#include "gui/acquisition/PageEntrees.h"
#include "gui/acquisition/PageFenetres.h"
#include "gui/acquisition/PageSorties.h"
#include "gui/app/Aide.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace pelavorine {

TFicheParametres::TFicheParametres(Travail& travail, CoucheInterface& couche, QWidget* parent)
    : QDialog(parent), travail_(travail), modele_(travail, couche) {
    setWindowTitle(ModeleParametres::Titre);
    setObjectName(QStringLiteral("ficheParametres"));
    auto* colonne = new QVBoxLayout(this);

    onglets_ = PageParametres::Nomme(new QTabWidget(this), QStringLiteral("onglets"));
    pages_ = {new PageEntrees(modele_, this), new PageAcquis(modele_, this),
              new PageCourbes(modele_, this), new PageFenetres(modele_, this),
              modele_.SortiesOffertes().empty() ? nullptr : new PageSorties(modele_, this)};
    const std::array<QString, 5> titres = {tr("Entrées"), tr("Acquis"), tr("Courbes"),
                                           tr("Fenêtres"), tr("Sorties")};
    for (std::size_t k = 0; k < pages_.size(); ++k) {
        if (!pages_[k]) continue;
        onglets_->addTab(pages_[k], titres[k]);
        connect(pages_[k], &PageParametres::modifie, this, [this] { essayer_->setEnabled(true); });
        connect(pages_[k], &PageParametres::elementChoisi, this, &TFicheParametres::ChangerElement);
    }
    colonne->addWidget(onglets_);

    auto* rangee = new QHBoxLayout;
    auto* ok = PageParametres::Bouton(tr("Ok"), this, QStringLiteral("ok"));
    essayer_ = PageParametres::Bouton(tr("Essayer"), this, QStringLiteral("essayer"));
    restaurer_ = PageParametres::Bouton(tr("Restaurer"), this, QStringLiteral("restaurer"));
    auto* annuler = PageParametres::Bouton(tr("Annuler"), this, QStringLiteral("annuler"));
    auto* aide = PageParametres::Bouton(tr("Aide"), this, QStringLiteral("aide"));
    for (QPushButton* b : {ok, essayer_, restaurer_, annuler, aide})
        rangee->addWidget(b);
    colonne->addLayout(rangee);
    essayer_->setEnabled(false);

    connect(ok, &QPushButton::clicked, this, &TFicheParametres::accept);
    connect(annuler, &QPushButton::clicked, this, &TFicheParametres::reject);
    connect(aide, &QPushButton::clicked, this, &TFicheParametres::MontrerAide);
    connect(restaurer_, &QPushButton::clicked, this, &TFicheParametres::Restaurer);
    connect(essayer_, &QPushButton::clicked, this, [this] {
        if (Appliquer()) ChargerPage(page_, ElementCourant(), false);
    });
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            &TFicheParametres::MontrerAide);
    connect(onglets_, &QTabWidget::currentChanged, this, &TFicheParametres::ChangerOnglet);

    ChargerPage(Page::PageEntrees, 0, true);
}

TFicheParametres::~TFicheParametres() {
    // The copies made for "Restaurer" must not outlive the form: without "Ok", cancel.
    if (!termine_) modele_.Annuler();
}

TFicheParametres::Page TFicheParametres::PageDeOnglet(int index) const {
    const QWidget* page = onglets_->widget(index);
    if (!page) return page_;
    const auto k = std::find(pages_.begin(), pages_.end(), page);
    return k == pages_.end() ? Page::PageEntrees : static_cast<Page>(k - pages_.begin());
}

int TFicheParametres::ElementCourant() const {
    return PageDe(page_)->Element();
}

QString TFicheParametres::PageAide(Page page) {
    switch (page) {
    case Page::PageEntrees:
        return QStringLiteral("\\Parametres\\Entrees.htm");
    case Page::PageAcquis:
        return QStringLiteral("\\Parametres\\Acquisition.htm");
    case Page::PageCourbes:
        return QStringLiteral("\\Parametres\\Courbes.htm");
    case Page::PageFenetres:
        return QStringLiteral("\\Parametres\\Fenetres.htm");
    case Page::PageSorties:
        return QStringLiteral("\\Parametres\\Sorties.htm");
    }
    return {};
}

void TFicheParametres::MontrerAide() {
    Aide::Ouvrir(PageAide(page_));
}

void TFicheParametres::OuvrirPage(int page, int element) {
    Page voulue = static_cast<Page>(std::clamp(page, 0, static_cast<int>(Page::PageSorties)));
    if (!PageDe(voulue)) voulue = Page::PageEntrees;
    if (voulue == page_ && element != 0 && element == ElementCourant()) return;
    if (!Appliquer()) return;
    {
        const QSignalBlocker bloque(onglets_);
        onglets_->setCurrentWidget(PageDe(voulue));
    }
    ChargerPage(voulue, element, true);
}

void TFicheParametres::ChangerOnglet(int index) {
    const Page voulue = PageDeOnglet(index);
    if (voulue == page_) return;
    if (!Appliquer()) {
        const QSignalBlocker bloque(onglets_);
        onglets_->setCurrentWidget(PageDe(page_));
        return;
    }
    // Each page comes back on the item it showed last.
    ChargerPage(voulue, PageDe(voulue)->Element(), true);
}

void TFicheParametres::ChangerElement(int element) {
    if (element == ElementCourant()) return;
    if (!Appliquer()) {
        // The refused item stays the one shown.
        PageDe(page_)->MontrerSelection();
        return;
    }
    ChargerPage(page_, element, true);
}

void TFicheParametres::ChargerPage(Page page, int element, bool noter) {
    page_ = page;
    {
        const ModeleParametres::Remplissage chargement(modele_,
                                                       ModeleParametres::Remplissage::Chargement);
        PageDe(page)->Charger(element, noter);
    }
    modele_.PageAJour();
    essayer_->setEnabled(false);
    // Only a variable has a state to go back to.
    restaurer_->setEnabled(PageDe(page)->CaseRestaurable() > 0);
}

bool TFicheParametres::Appliquer() {
    if (!modele_.PageModifiee()) return true;
    if (!PageDe(page_)->Appliquer()) return false;
    modele_.PageAJour();
    essayer_->setEnabled(false);
    return true;
}

void TFicheParametres::Restaurer() {
    const int slot = PageDe(page_)->CaseRestaurable();
    if (slot <= 0) return;
    modele_.Restaurer(slot);
    ChargerPage(page_, ElementCourant(), false);
}

void TFicheParametres::accept() {
    if (termine_ || !Appliquer()) return;
    termine_ = true;
    const std::uint16_t demandes = modele_.Valider();
    if (demandes) travail_.DemanderMiseAJour(demandes);
    QDialog::accept();
}

void TFicheParametres::reject() {
    if (!termine_) {
        termine_ = true;
        // What "Essayer" changed was shown: the restored state is redrawn too.
        const std::uint16_t demandes = modele_.Demandes();
        modele_.Annuler();
        if (demandes) travail_.DemanderMiseAJour(demandes);
    }
    QDialog::reject();
}

void TFicheParametres::keyPressEvent(QKeyEvent* e) {
    // Enter does nothing in this form (fields read their text on their own first).
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

} // namespace pelavorine
