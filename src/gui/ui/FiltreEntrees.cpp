#include "gui/ui/FiltreEntrees.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>

#include <algorithm>

namespace pelavorine {

namespace {

constexpr int kIntervalleMs = 20;

bool EstSouris(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

// The events a person causes; everything else (paint, timers, layout) goes on.
bool EstEntree(QEvent::Type type) {
    if (EstSouris(type)) return true;
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::Close:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

} // namespace

FiltreEntrees::FiltreEntrees(QObject* parent) : QObject(parent) {}

FiltreEntrees::~FiltreEntrees() {
    if (installe_ && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

void FiltreEntrees::Activer(bool actif) {
    const bool avant = actif_;
    profondeur_ = std::max(0, profondeur_ + (actif ? 1 : -1));
    actif_ = profondeur_ > 0;
    actif = actif_;
    if (actif && !avant) {
        echappement_ = false;
        dernier_.invalidate();
    }
    QCoreApplication* application = QCoreApplication::instance();
    if (actif && !installe_ && application) {
        application->installEventFilter(this);
        installe_ = true;
    } else if (!actif && installe_) {
        if (application) application->removeEventFilter(this);
        installe_ = false;
    }
}

void FiltreEntrees::Suspendre(bool suspendre) {
    suspensions_ = std::max(0, suspensions_ + (suspendre ? 1 : -1));
}

bool FiltreEntrees::Interrompu() {
    if (actif_ && (!dernier_.isValid() || dernier_.elapsed() >= kIntervalleMs)) {
        dernier_.start();
        QCoreApplication::processEvents();
    }
    return echappement_;
}

bool FiltreEntrees::eventFilter(QObject* objet, QEvent* evenement) {
    const QEvent::Type type = evenement->type();
    if (!actif_ || Suspendu() || !EstEntree(type)) return QObject::eventFilter(objet, evenement);
    switch (type) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(evenement)->key() == Qt::Key_Escape) echappement_ = true;
        return true;
    case QEvent::ShortcutOverride:
        // Accepted here, the key can start no shortcut; its key press is then discarded.
        evenement->accept();
        return true;
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
        return true;
    default:
        break;
    }
    // Only spontaneous events come from the user; the program's own go on.
    if (!evenement->spontaneous() || (EstSouris(type) && autorise && autorise(objet)))
        return QObject::eventFilter(objet, evenement);
    return true;
}

} // namespace pelavorine
