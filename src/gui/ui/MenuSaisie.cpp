#include "gui/ui/MenuSaisie.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>

namespace pelavorine {

namespace {

// What the menu does on a field, whatever its kind.
struct Operations {
    bool lectureSeule = true;
    bool selection = false;
    std::function<void()> copier, couper, coller, supprimer, toutSelectionner;
};

Operations OperationsDe(QWidget* champ) {
    Operations o;
    if (auto* combo = qobject_cast<QComboBox*>(champ)) champ = combo->lineEdit();
    if (auto* ligne = qobject_cast<QLineEdit*>(champ)) {
        QPointer<QLineEdit> l(ligne);
        o.lectureSeule = ligne->isReadOnly();
        o.selection = ligne->hasSelectedText();
        o.copier = [l] {
            if (l) l->copy();
        };
        o.couper = [l] {
            if (l) l->cut();
        };
        o.coller = [l] {
            if (l) l->paste();
        };
        o.supprimer = [l] {
            if (l) l->del();
        };
        o.toutSelectionner = [l] {
            if (l) l->selectAll();
        };
    } else if (auto* editeur = qobject_cast<QPlainTextEdit*>(champ)) {
        QPointer<QPlainTextEdit> e(editeur);
        o.lectureSeule = editeur->isReadOnly();
        o.selection = editeur->textCursor().hasSelection();
        o.copier = [e] {
            if (e) e->copy();
        };
        o.couper = [e] {
            if (e) e->cut();
        };
        o.coller = [e] {
            if (e) e->paste();
        };
        o.supprimer = [e] {
            if (e) e->textCursor().removeSelectedText();
        };
        o.toutSelectionner = [e] {
            if (e) e->selectAll();
        };
    }
    return o;
}

} // namespace

MenuSaisie::MenuSaisie(QObject* parent) : QObject(parent) {}

QWidget* MenuSaisie::Champ(QObject* objet) {
    auto* widget = qobject_cast<QWidget*>(objet);
    if (!widget) return nullptr;
    if (auto* editeur = qobject_cast<QPlainTextEdit*>(widget->parentWidget());
        editeur && editeur->viewport() == widget)
        widget = editeur;
    QWidget* champ = nullptr;
    if (qobject_cast<QLineEdit*>(widget)) {
        // The line of an editable combo box stands for the box.
        auto* combo = qobject_cast<QComboBox*>(widget->parentWidget());
        champ = combo && combo->lineEdit() == widget ? combo : widget;
    } else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->isEditable()) {
        champ = combo;
    } else if (auto* editeur = qobject_cast<QPlainTextEdit*>(widget)) {
        champ = editeur; // read-only, it still copies
    }
    // A field with a pop-up of its own (or none wanted) keeps it.
    if (!champ || champ->contextMenuPolicy() != Qt::DefaultContextMenu) return nullptr;
    return champ;
}

QMenu* MenuSaisie::Creer(QWidget* champ) const {
    const Operations o = OperationsDe(champ);
    auto* menu = new QMenu(champ);
    menu->setObjectName(QStringLiteral("PopupMenuSaisie"));
    const bool texte = !QApplication::clipboard()->text().isEmpty();
    const auto ajouter = [menu](const QString& titre, bool actif, const std::function<void()>& f) {
        QAction* a = menu->addAction(titre);
        a->setEnabled(actif && f != nullptr);
        if (f) QObject::connect(a, &QAction::triggered, menu, f);
        return a;
    };
    ajouter(tr("Copier"), o.selection, o.copier);
    ajouter(tr("Couper"), o.selection && !o.lectureSeule, o.couper);
    ajouter(tr("Coller"), texte && !o.lectureSeule, o.coller);
    ajouter(tr("Suprimer"), o.selection && !o.lectureSeule, o.supprimer);
    ajouter(tr("Sélectionner tout"), true, o.toutSelectionner);
    if (grecques_) {
        QPointer<QWidget> cible(champ);
        if (auto* combo = qobject_cast<QComboBox*>(champ); combo && combo->lineEdit())
            cible = combo->lineEdit();
        ajouter(tr("Lettres grecques"), !o.lectureSeule && ouvrirSelecteur != nullptr,
                [this, cible] {
                    if (cible && ouvrirSelecteur) ouvrirSelecteur(cible);
                });
    }
    return menu;
}

bool MenuSaisie::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() != QEvent::ContextMenu) return QObject::eventFilter(objet, evenement);
    QWidget* champ = Champ(objet);
    if (!champ) return QObject::eventFilter(objet, evenement);
    auto* e = static_cast<QContextMenuEvent*>(evenement);
    QMenu* menu = Creer(champ);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
    return true;
}

} // namespace pelavorine
