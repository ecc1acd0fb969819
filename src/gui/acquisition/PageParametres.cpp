#include "gui/acquisition/PageParametres.h"

#include "core/store/TableVariables.h"
#include "core/travail/Travail.h"
#include "gui/ui/BoitesMessages.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace pelavorine {

PageParametres::PageParametres(ModeleParametres& modele, const QString& nom, QWidget* parent)
    : QWidget(parent), modele_(modele), travail_(modele.Work()) {
    setObjectName(nom);
}

QPushButton* PageParametres::Bouton(const QString& texte, QWidget* parent, const QString& nom) {
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

void PageParametres::Suivre(QObject* controle) {
    if (auto* champ = qobject_cast<QLineEdit*>(controle))
        connect(champ, &QLineEdit::textChanged, this, &PageParametres::Modification);
    else if (auto* liste = qobject_cast<QComboBox*>(controle))
        connect(liste, &QComboBox::currentIndexChanged, this, &PageParametres::Modification);
    else if (auto* bouton = qobject_cast<QAbstractButton*>(controle))
        connect(bouton, &QAbstractButton::toggled, this, &PageParametres::Modification);
}

void PageParametres::Modification() {
    if (modele_.NoterModification()) emit modifie();
}

int PageParametres::Offert(const std::vector<int>& offerts, int element, int aucun) {
    if (std::find(offerts.begin(), offerts.end(), element) != offerts.end()) return element;
    return offerts.empty() ? aucun : offerts.front();
}

void PageParametres::Refuser(const QString& message, QWidget* champ) {
    BoitesMessages::Erreur(window(), message);
    if (window()->isVisible()) champ->setFocus(Qt::OtherFocusReason);
}

bool PageParametres::ChoisirDonnee(QComboBox* liste, const QVariant& valeur) {
    const int i = liste->findData(valeur);
    if (i >= 0) liste->setCurrentIndex(i);
    return i >= 0;
}

void PageParametres::ChoisirTexte(QComboBox* liste, const QString& texte) {
    int i = liste->findText(texte);
    if (i < 0 && !texte.isEmpty()) {
        liste->addItem(texte);
        i = liste->count() - 1;
    }
    liste->setCurrentIndex(i);
}

void PageParametres::Remplir(QComboBox* liste, const QStringList& textes, int index) {
    liste->clear();
    liste->addItems(textes);
    liste->setCurrentIndex(index >= 0 && index < liste->count() ? index
                                                                : (textes.isEmpty() ? -1 : 0));
}

void PageParametres::RemplirVariables(QComboBox* liste, const TableVariables& variables,
                                      const std::vector<int>& cases) {
    liste->clear();
    for (int s : cases)
        if (const TypeId* v = variables.Variable(s)) liste->addItem(v->Nom, s);
}

std::vector<int> PageParametres::AvecTemps(const TableVariables& variables,
                                           std::vector<int> cases) {
    if (variables.CaseTemps() > 0 &&
        std::find(cases.begin(), cases.end(), variables.CaseTemps()) == cases.end())
        cases.insert(cases.begin(), variables.CaseTemps());
    return cases;
}

} // namespace pelavorine
