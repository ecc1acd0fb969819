#include "gui/ui/ChampSaisie.h"

#include "gui/ui/BoitesMessages.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPalette>

#include <algorithm>

namespace pelavorine {

namespace {

// While a field shows its error box and takes the focus back, the field that got the focus
// in the meantime does not read its own text (one box at a time).
bool gBoiteEnCours = false;

bool EstCommande(const QKeyEvent* e) {
    return e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

} // namespace

ChampSaisie::ChampSaisie(QWidget* parent) : QLineEdit(parent) {}

void ChampSaisie::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        // A refused text keeps Enter from reaching the dialog's default button.
        if (!Valider()) {
            e->accept();
            return;
        }
        QLineEdit::keyPressEvent(e);
        return;
    }
    if (e->key() == Qt::Key_Backspace && !EstCommande(e)) {
        if (Touche(QChar(0x08)).isNull())
            e->accept();
        else
            QLineEdit::keyPressEvent(e);
        return;
    }
    const QString texte = e->text();
    const bool caracteres =
        !texte.isEmpty() && !EstCommande(e) && std::all_of(texte.begin(), texte.end(), [](QChar c) {
            return c.unicode() >= 0x20 && c.unicode() != 0x7F;
        });
    if (!caracteres) {
        // Moves, deletion, clipboard and other commands.
        QLineEdit::keyPressEvent(e);
        return;
    }
    QString accepte;
    for (QChar c : texte) {
        const QChar r = Touche(c);
        if (!r.isNull()) accepte.append(r);
    }
    e->accept();
    if (accepte.isEmpty()) return;
    QKeyEvent filtree(e->type(), e->key(), e->modifiers(), accepte, e->isAutoRepeat(),
                      static_cast<quint16>(e->count()));
    QLineEdit::keyPressEvent(&filtree);
}

void ChampSaisie::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    Entrer();
    // Coming back after a refused text, the text to put back stays the one of the first entry.
    if (!enErreur_) texteRetenu_ = text();
}

void ChampSaisie::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    // Switching to another program or opening a menu is not leaving the field.
    if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason) return;
    // Nor is a dialog closing, even with a refused text (Escape or Annuler of the dialog).
    if (gBoiteEnCours || !isVisible()) return;
    Valider();
}

bool ChampSaisie::Valider() {
    Resultat l = Lire();
    if (l.correct) {
        enErreur_ = false;
        Colorer(false);
        texteRetenu_ = text();
        emit valide();
        return true;
    }
    if (!l.texteAnnuler.isNull()) texteRetenu_ = l.texteAnnuler;
    enErreur_ = true;
    Colorer(true);
    const bool dejaEnCours = gBoiteEnCours;
    gBoiteEnCours = true;
    if (BoitesMessages::ErreurSaisie(this, l.message)) {
        setText(texteRetenu_);
        if (Lire().correct) {
            enErreur_ = false;
            Colorer(false);
            emit valide();
        }
    }
    if (isVisible()) {
        setFocus(Qt::OtherFocusReason);
        selectAll();
    }
    gBoiteEnCours = dejaEnCours;
    return false;
}

void ChampSaisie::Colorer(bool rouge) {
    if (!rouge) {
        setPalette(QPalette());
        return;
    }
    QPalette p = palette();
    p.setColor(QPalette::Text, Qt::red);
    setPalette(p);
}

} // namespace pelavorine
