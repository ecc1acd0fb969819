#include "app/DialogueTitresFenetres.h"

#include "app/Aide.h"
#include "bureau/TextesBureau.h"
#include "windows/TableFenetres.h"

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
    auto* boutons = new QDialogButtonBox(this);
    auto* ok = boutons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    boutons->addButton(tr("Annuler"), QDialogButtonBox::RejectRole);
    aide_ = boutons->addButton(tr("Aide"), QDialogButtonBox::HelpRole);
    connect(boutons, &QDialogButtonBox::accepted, this, [this] {
        Appliquer();
        accept();
    });
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(aide_, &QPushButton::clicked, this,
            [] { Aide::Ouvrir(QString::fromLatin1(kPageAide)); });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [] { Aide::Ouvrir(QString::fromLatin1(kPageAide)); });
    layout->addSpacing(10);
    layout->addWidget(boutons);
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
