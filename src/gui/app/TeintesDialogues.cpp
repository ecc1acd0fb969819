#include "gui/app/TeintesDialogues.h"

#include "core/configuration/Teintes.h"
#include "gui/ui/CouleursWindows.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace pelavorine {

bool TeintesDialogues::eventFilter(QObject* objet, QEvent* event) {
    if (event->type() == QEvent::Show && objet->isWidgetType()) {
        auto* dialogue = qobject_cast<QDialog*>(objet);
        // The system's dialogs (files, printer, message boxes) keep their own look.
        if (dialogue && QByteArray(dialogue->metaObject()->className()).startsWith("pelavorine::"))
            Appliquer(dialogue, teinte_());
    }
    return QObject::eventFilter(objet, event);
}

void TeintesDialogues::Appliquer(QWidget* dialogue, int numero) {
    const Teintes::Teinte& t = Teintes::Numero(numero);
    const QPalette systeme = QApplication::palette();
    const auto choisir = [&](std::int32_t couleur, QPalette::ColorRole role) {
        return t.couleursSysteme ? systeme.color(role) : DepuisWindows(couleur);
    };
    const QColor forme = choisir(t.forme, QPalette::Button);
    const QColor groupe = choisir(t.groupe, QPalette::Button);
    const QColor texteGroupe = choisir(t.texteGroupe, QPalette::Highlight);
    const QColor texteInterne = choisir(t.texteInterne, QPalette::WindowText);
    // A widget that chose its own colours keeps them; the ones painted here are marked so
    // that the next shade replaces theirs.
    const char* marque = "teinteBureau";
    const auto peindre = [marque](QWidget* w, std::initializer_list<QPalette::ColorRole> roles,
                                  const QColor& couleur, bool fond) {
        if (w->testAttribute(Qt::WA_SetPalette) && !w->property(marque).toBool()) return;
        QPalette p = w->palette();
        for (QPalette::ColorRole role : roles)
            p.setColor(role, couleur);
        w->setPalette(p);
        w->setProperty(marque, true);
        if (fond) w->setAutoFillBackground(true);
    };
    peindre(dialogue, {QPalette::Window}, forme, true);
    for (QGroupBox* g : dialogue->findChildren<QGroupBox*>()) {
        peindre(g, {QPalette::Window}, groupe, true);
        peindre(g, {QPalette::WindowText}, texteGroupe, false);
        for (QWidget* w : g->findChildren<QWidget*>())
            if (qobject_cast<QLabel*>(w) || qobject_cast<QCheckBox*>(w) ||
                qobject_cast<QRadioButton*>(w) || qobject_cast<QAbstractItemView*>(w))
                peindre(w, {QPalette::WindowText, QPalette::Text}, texteInterne, false);
    }
}

} // namespace pelavorine
