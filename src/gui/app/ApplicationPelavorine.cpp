#include "gui/app/ApplicationPelavorine.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <exception>

namespace pelavorine {

ApplicationPelavorine::ApplicationPelavorine(int& argc, char** argv)
    : QApplication(argc, argv), traductionsQt_(ChargerTraductionsQt(*this)) {}

bool ApplicationPelavorine::ChargerTraductionsQt(QCoreApplication& application) {
    const QString dossier = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale francais(QLocale::French, QLocale::France);
    // "qt" gathers the catalogues of every Qt module installed; "qtbase" alone holds those
    // of the widgets and the print dialog.
    for (const char* catalogue : {"qt", "qtbase"}) {
        auto* traduction = new QTranslator(&application);
        if (traduction->load(francais, QLatin1String(catalogue), QStringLiteral("_"), dossier) &&
            QCoreApplication::installTranslator(traduction))
            return true;
        delete traduction;
    }
    return false;
}

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
