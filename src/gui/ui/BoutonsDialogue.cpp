#include "gui/ui/BoutonsDialogue.h"

#include "gui/app/Aide.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QShortcut>

namespace pelavorine {

BoutonsDialogue BoutonsDialogue::Creer(QDialog* dialogue, const QString& texteOk,
                                       const QString& pageAide) {
    BoutonsDialogue b;
    b.rangee = new QDialogButtonBox(dialogue);
    b.ok = b.rangee->addButton(texteOk, QDialogButtonBox::AcceptRole);
    b.ok->setDefault(true);
    b.annuler = b.rangee->addButton(QCoreApplication::translate("BoutonsDialogue", "Annuler"),
                                    QDialogButtonBox::RejectRole);
    b.aide = b.rangee->addButton(QCoreApplication::translate("BoutonsDialogue", "Aide"),
                                 QDialogButtonBox::HelpRole);
    for (QPushButton* bouton : {b.ok, b.annuler, b.aide})
        bouton->setAccessibleName(bouton->text());
    QObject::connect(b.rangee, &QDialogButtonBox::rejected, dialogue, &QDialog::reject);
    const auto ouvrirAide = [pageAide] { Aide::Ouvrir(pageAide); };
    QObject::connect(b.rangee, &QDialogButtonBox::helpRequested, dialogue, ouvrirAide);
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_F1), dialogue), &QShortcut::activated,
                     dialogue, ouvrirAide);
    return b;
}

} // namespace pelavorine
