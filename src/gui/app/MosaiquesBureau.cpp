#include "gui/app/MosaiquesBureau.h"

#include "core/travail/Travail.h"
#include "core/windows/DonneesFenetre.h"
#include "gui/app/CadreBureau.h"
#include "gui/app/OngletsBureau.h"
#include "gui/app/ZoneFenetres.h"
#include "gui/windows/DialogueMosaique.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace pelavorine {

void MosaiquesBureau::Generale() {
    TableFenetres& table = travail_.TableDesFenetres();
    QMdiSubWindow* courante = fenetres_.SousFenetre(table.FenetreCourante());
    if (courante && courante->isMaximized()) {
        courante->showNormal();
        return;
    }
    fenetres_.NoterDisposition();
    bool images = false;
    QList<int> ouvertes;
    for (int n = 1; n <= TableFenetres::NbFenetres; ++n)
        if (const DonneesFenetre* f = table.Donnees(n)) {
            ouvertes << n;
            images = images || f->FenetreImage();
        }
    if (!images) {
        // The calculation window is not one of the tiles.
        QMdiSubWindow* sousFeuille = fenetres_.SousFeuille();
        const bool feuille = fenetres_.FeuilleMontree();
        if (feuille) sousFeuille->hide();
        fenetres_.Zone()->tileSubWindows();
        if (feuille) sousFeuille->show();
        if (courante) fenetres_.Zone()->setActiveSubWindow(courante);
        return;
    }
    Appliquer(ouvertes, 1, false, false);
}

void MosaiquesBureau::Predefinies(QWidget* parent) {
    TableFenetres& table = travail_.TableDesFenetres();
    mosaique::EtatMosaique etat = etat_;
    etat.feuille = feuille_;
    DialogueMosaique dialogue(table, etat, /*analyse*/ false, parent);
    if (dialogue.exec() != QDialog::Accepted) return;
    etat_ = dialogue.Etat();
    feuille_ = dialogue.Feuille();
    fenetres_.NoterDisposition();
    Appliquer(dialogue.Fenetres(), dialogue.Variante(), dialogue.Feuille(), dialogue.Tableur());
}

void MosaiquesBureau::Appliquer(const QList<int>& fenetres, int variante, bool feuille,
                                bool tableur) {
    TableFenetres& table = travail_.TableDesFenetres();
    // The desk fills the screen; the calculation window, when included, takes the bottom third
    // of its area and the windows the rest.
    if (QMdiSubWindow* sousFeuille = fenetres_.SousFeuille()) sousFeuille->hide();
    cadre_.Maximiser();
    onglets_.Actualiser(true);
    const QSize client = fenetres_.ZoneClient();
    int hauteur = client.height();
    if (feuille) {
        hauteur = client.height() * 2 / 3;
        fenetres_.OuvrirFeuilleCalcul();
        QMdiSubWindow* sousFeuille = fenetres_.SousFeuille();
        if (sousFeuille->isMaximized()) sousFeuille->showNormal();
        sousFeuille->setGeometry(0, hauteur, client.width(), client.height() - hauteur);
        sousFeuille->show();
    }
    Q_UNUSED(tableur); // the spreadsheet window comes with the spreadsheet
    const auto disposition = mosaique::Trouver(static_cast<int>(fenetres.size()), variante);
    if (!disposition) return;
    int position = 0;
    QMdiSubWindow* premiere = nullptr;
    for (int numero : fenetres) {
        ++position;
        if (!TableFenetres::Valide(numero)) continue;
        if (!table.Existe(numero)) {
            table.Creer(numero);
            fenetres_.Synchroniser();
        }
        QMdiSubWindow* s = fenetres_.SousFenetre(numero);
        DonneesFenetre* f = table.Donnees(numero);
        if (!s || !f) continue;
        const QRect bornes = mosaique::Bornes(*disposition, position, client.width(), hauteur);
        if (s->isMaximized() || s->isMinimized()) s->showNormal();
        // An image window keeps its proportions: only its left, top and height are set.
        const int largeur = f->FenetreImage() ? s->width() : bornes.width();
        s->setGeometry(bornes.left(), bornes.top(), largeur, bornes.height());
        s->show();
        s->raise();
        if (!premiere) premiere = s;
    }
    QMdiSubWindow* courante = fenetres_.SousFenetre(table.FenetreCourante());
    if (!fenetres.contains(table.FenetreCourante())) courante = premiere;
    if (courante) {
        courante->raise();
        fenetres_.Zone()->setActiveSubWindow(courante);
    }
}

} // namespace pelavorine
