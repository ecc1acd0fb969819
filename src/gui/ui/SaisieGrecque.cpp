#include "gui/ui/SaisieGrecque.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <utility>

namespace pelavorine {

namespace {

// The Latin key of each Greek letter of the program's font; both cases of a key type the same
// letter unless the key has one letter per case.
constexpr std::pair<char, char16_t> kTouches[] = {
    {'A', u'α'}, {'a', u'α'}, {'B', u'β'}, {'b', u'β'}, {'C', u'χ'}, {'c', u'χ'}, {'D', u'Δ'},
    {'d', u'δ'}, {'E', u'ε'}, {'e', u'ε'}, {'F', u'Φ'}, {'f', u'ϕ'}, {'G', u'γ'}, {'g', u'γ'},
    {'H', u'η'}, {'h', u'η'}, {'I', u'ι'}, {'i', u'ι'}, {'K', u'κ'}, {'k', u'κ'}, {'L', u'λ'},
    {'l', u'λ'}, {'M', u'μ'}, {'m', u'μ'}, {'N', u'ν'}, {'n', u'ν'}, {'P', u'π'}, {'p', u'π'},
    {'R', u'ρ'}, {'r', u'ρ'}, {'S', u'Σ'}, {'s', u'σ'}, {'T', u'θ'}, {'t', u'τ'}, {'W', u'Ω'},
    {'w', u'ω'}, {'X', u'ξ'}, {'x', u'ξ'}, {'Z', u'ζ'}, {'z', u'ζ'},
};

bool EstChampDeSaisie(QObject* objet) {
    if (qobject_cast<QLineEdit*>(objet) || qobject_cast<QComboBox*>(objet)) return true;
    // A multi-line editor takes Greek letters too (the sheet's lines), unless it only shows.
    const auto* editeur = qobject_cast<QPlainTextEdit*>(objet);
    return editeur && !editeur->isReadOnly();
}

bool EstModificateur(int touche) {
    return touche == Qt::Key_Alt || touche == Qt::Key_Control || touche == Qt::Key_Shift ||
           touche == Qt::Key_Meta || touche == Qt::Key_AltGr;
}

// Alt alone, not Ctrl+Alt (AltGr on some keyboards) nor Meta.
bool AvecAlt(const QKeyEvent* e) {
    const Qt::KeyboardModifiers m = e->modifiers();
    return (m & Qt::AltModifier) && !(m & (Qt::ControlModifier | Qt::MetaModifier)) &&
           !EstModificateur(e->key());
}

} // namespace

SaisieGrecque::SaisieGrecque(QObject* parent) : QObject(parent) {}

QChar SaisieGrecque::LettrePourTouche(QChar touche) {
    for (const auto& [latine, grecque] : kTouches)
        if (touche == QLatin1Char(latine)) return QChar(grecque);
    return {};
}

void SaisieGrecque::FixerDisponible(bool disponible) {
    disponible_ = disponible;
    if (!disponible) FixerActive(false);
}

void SaisieGrecque::FixerActive(bool active) {
    if (active == active_) return;
    active_ = active;
    emit activeChangee(active);
}

bool SaisieGrecque::eventFilter(QObject* objet, QEvent* evenement) {
    const QEvent::Type type = evenement->type();
    if (!disponible_ || (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) ||
        !EstChampDeSaisie(objet))
        return QObject::eventFilter(objet, evenement);
    auto* e = static_cast<QKeyEvent*>(evenement);
    if (AvecAlt(e)) {
        // The key is the switch: no menu accelerator or shortcut takes it.
        if (type == QEvent::ShortcutOverride) {
            e->accept();
            return true;
        }
        FixerActive(!active_);
        return true;
    }
    if (type != QEvent::KeyPress || !active_ || e->text().size() != 1 ||
        (e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        return QObject::eventFilter(objet, evenement);
    const QChar grecque = LettrePourTouche(e->text().front());
    if (grecque.isNull()) return QObject::eventFilter(objet, evenement);
    QKeyEvent remplacee(QEvent::KeyPress, Qt::Key_unknown, e->modifiers(), QString(grecque),
                        e->isAutoRepeat());
    QCoreApplication::sendEvent(objet, &remplacee);
    return true;
}

} // namespace pelavorine
