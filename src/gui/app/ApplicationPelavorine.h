#pragma once

#include <QApplication>
#include <functional>

namespace pelavorine {

// The application object: an exception escaping an event handler is an unexpected fault;
// instead of ending the program it goes to the fault handler the desk installs (emergency
// save, then the choice of restarting). It also gives Qt's own texts in French.
class ApplicationPelavorine : public QApplication {
    Q_OBJECT
public:
    ApplicationPelavorine(int& argc, char** argv);

    // Receives the fault's text; called at most once at a time.
    void FixerGestionnaireFaute(std::function<void(const QString&)> gestionnaire) {
        gestionnaire_ = std::move(gestionnaire);
    }
    bool notify(QObject* destinataire, QEvent* evenement) override;

    // Installs Qt's French translations (file and print dialogs, standard buttons) from
    // Qt's translations folder, whatever the user's language: the whole interface is French.
    // False when they are not installed; Qt's texts then stay English.
    static bool ChargerTraductionsQt(QCoreApplication& application);
    bool TraductionsQtChargees() const { return traductionsQt_; }

private:
    void Faute(const QString& texte);

    std::function<void(const QString&)> gestionnaire_;
    bool dansFaute_ = false;
    bool traductionsQt_ = false;
};

} // namespace pelavorine
