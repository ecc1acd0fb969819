#include "gui/calc/EditeurFeuille.h"

#include "core/calc/FeuilleCalcul.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTextBlock>

namespace pelavorine {

EditeurFeuille::EditeurFeuille(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
}

void EditeurFeuille::keyPressEvent(QKeyEvent* event) {
    const QString texte = event->text();
    const bool caractere = !texte.isEmpty() && texte.at(0).isPrint();
    if (caractere && !isReadOnly() && !FeuilleCalcul::FrappeAcceptee(textCursor().block().text())) {
        QApplication::beep();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

} // namespace pelavorine
