#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;
class QPushButton;

namespace pelavorine {

// The row at the foot of a dialog: the accepting button (default), "Annuler" and "Aide".
// "Annuler" rejects the dialog; "Aide" and F1 open its help page. What accepting does is the
// dialog's own: it connects the row's accepted signal.
struct BoutonsDialogue {
    QDialogButtonBox* rangee = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* annuler = nullptr;
    QPushButton* aide = nullptr;

    // texteOk is the dialog's caption of its accepting button ("OK" or "Ok"), already
    // translated; pageAide a page of the help folder.
    static BoutonsDialogue Creer(QDialog* dialogue, const QString& texteOk,
                                 const QString& pageAide);
};

} // namespace pelavorine
