#include "gui/app/ApplicationPelavorine.h"

#include <exception>

namespace pelavorine {

ApplicationPelavorine::ApplicationPelavorine(int& argc, char** argv) : QApplication(argc, argv) {}

bool ApplicationPelavorine::notify(QObject* destinataire, QEvent* evenement) {
    try {
        return QApplication::notify(destinataire, evenement);
    } catch (const std::exception& e) {
        Faute(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        Faute(QStringLiteral("violation"));
    }
    return false;
}

void ApplicationPelavorine::Faute(const QString& texte) {
    if (dansFaute_ || !gestionnaire_) return;
    dansFaute_ = true;
    gestionnaire_(texte);
    dansFaute_ = false;
}

} // namespace pelavorine
