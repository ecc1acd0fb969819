#include "gui/app/DialogueTitresFenetres.h"

#include "core/bureau/TextesBureau.h"
#include "core/windows/TableFenetres.h"
#include "gui/app/Aide.h"
#include "gui/ui/BoutonsDialogue.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace pelavorine {

namespace {
constexpr const char* kPageAide = "\\Interface\\Fenetres.htm";
}

DialogueTitresFenetres::DialogueTitresFenetres(TableFenetres& fenetres, QWidget* parent)
    : QDialog(parent), fenetres_(fenetres) {
    setWindowTitle(tr(" Titres des fenêtres"));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    const int hauteurBoite = static_cast<int>(3.2 * fontMetrics().height());
    for (int n = 1; n <= TableFenetres::NbFenetres; ++n) {
        const DonneesFenetre* f = fenetres.Donnees(n);
        if (!f) continue;
        auto* boite = new QGroupBox(f->Titre(), this);
        QFont gras = boite->font();
        gras.setBold(true);
        boite->setFont(gras);
        boite->setMinimumHeight(hauteurBoite);
        auto* champ = new QLineEdit(textesBureau::TitreSaisi(f->Legende()), boite);
        QFont normal = champ->font();
        normal.setBold(false);
        normal.setPointSize(9);
        champ->setFont(normal);
        champ->setMaxLength(DonneesFenetre::LongueurTitreUtilisateur);
        champ->setAccessibleName(f->Titre());
        auto* l = new QVBoxLayout(boite);
        l->addWidget(champ);
        layout->addWidget(boite);
        champs_.append({n, champ});
    }
    const BoutonsDialogue boutons =
        BoutonsDialogue::Creer(this, tr("OK"), QString::fromLatin1(kPageAide));
    aide_ = boutons.aide;
    connect(boutons.rangee, &QDialogButtonBox::accepted, this, [this] {
        Appliquer();
        accept();
    });
    layout->addSpacing(10);
    layout->addWidget(boutons.rangee);
}

QLineEdit* DialogueTitresFenetres::Champ(int fenetre) const {
    for (const auto& [n, champ] : champs_)
        if (n == fenetre) return champ;
    return nullptr;
}

void DialogueTitresFenetres::Appliquer() {
    for (const auto& [n, champ] : champs_)
        if (DonneesFenetre* f = fenetres_.Donnees(n))
            f->titreUtilisateur =
                champ->text().trimmed().left(DonneesFenetre::LongueurTitreUtilisateur);
}

} // namespace pelavorine
