#include "gui/windows/DialogueChoixFenetre.h"

#include "core/windows/TableFenetres.h"
#include "gui/app/Aide.h"
#include "gui/ui/BoutonsDialogue.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QVBoxLayout>

namespace pelavorine {

namespace {
constexpr const char* kPageAide = "\\Interface\\Fenetres.htm";
constexpr int kDernierOrdinaire = 8;

DialogueChoixFenetre::Interception& InterceptionCourante() {
    static DialogueChoixFenetre::Interception interception;
    return interception;
}
} // namespace

DialogueChoixFenetre::DialogueChoixFenetre(const TableFenetres& fenetres, Mode mode,
                                           QWidget* parent)
    : QDialog(parent) {
    const bool creer = mode == Mode::Creer;
    setWindowTitle(creer ? tr("Créer une fenêtre") : tr("Supprimer une fenêtre"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(creer ? tr("n° fenêtre à créer") : tr("n° fenêtre à supprimer"), this);
    layout->addWidget(label);
    liste_ = new QComboBox(this);
    liste_->setObjectName(QStringLiteral("liste"));
    label->setBuddy(liste_);
    if (creer) {
        for (int n = 1; n <= kDernierOrdinaire; ++n)
            if (!fenetres.Existe(n)) liste_->addItem(DonneesFenetre::TitreDe(n));
    } else {
        for (int n = 1; n <= TableFenetres::NbFenetres; ++n)
            if (fenetres.Existe(n)) {
                liste_->addItem(DonneesFenetre::TitreDe(n));
                if (n == fenetres.FenetreCourante()) liste_->setCurrentIndex(liste_->count() - 1);
            }
    }
    layout->addWidget(liste_);

    const BoutonsDialogue boutons =
        BoutonsDialogue::Creer(this, tr("OK"), QString::fromLatin1(kPageAide));
    ok_ = boutons.ok;
    aide_ = boutons.aide;
    ok_->setEnabled(liste_->count() > 0);
    connect(boutons.rangee, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(boutons.rangee);
}

int DialogueChoixFenetre::NumeroDuTitre(const QString& titre) {
    static const QRegularExpression numero(QStringLiteral("n°\\s*(\\d+)"));
    const QRegularExpressionMatch m = numero.match(titre);
    if (!m.hasMatch()) return 0;
    bool ok = false;
    const int n = m.captured(1).toInt(&ok);
    if (!ok || n <= 0) return 0;
    const int resultat = titre.contains(QStringLiteral("analyse"), Qt::CaseInsensitive) ? n + 8 : n;
    // A number outside the table names no window.
    return TableFenetres::Valide(resultat) ? resultat : 0;
}

int DialogueChoixFenetre::Numero() const {
    return liste_->currentIndex() < 0 ? 0 : NumeroDuTitre(liste_->currentText());
}

int DialogueChoixFenetre::Choisir(const TableFenetres& fenetres, Mode mode, QWidget* parent) {
    DialogueChoixFenetre d(fenetres, mode, parent);
    const bool ok =
        InterceptionCourante() ? InterceptionCourante()(d) : d.exec() == QDialog::Accepted;
    return ok ? d.Numero() : 0;
}

void DialogueChoixFenetre::FixerInterception(Interception interception) {
    InterceptionCourante() = std::move(interception);
}

} // namespace pelavorine
