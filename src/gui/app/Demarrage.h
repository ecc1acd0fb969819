#pragma once

#include "core/configuration/Configuration.h"
#include "core/configuration/StockageConfiguration.h"
#include "core/travail/Travail.h"
#include "gui/ui/HoteBureau.h"

#include <QPointer>
#include <QStringList>
#include <memory>

namespace pelavorine {

class BoiteAPropos;
class FenetrePrincipale;
class Rideau;

// The program from start to end: the configuration, the work and the desk over them.
// Construction brings everything up behind the curtain, with the start-up flag on;
// Terminer opens the file, uncovers the desk and ends the start-up.
class Demarrage {
public:
    explicit Demarrage(const QStringList& arguments);
    ~Demarrage();

    FenetrePrincipale& Bureau() { return *bureau_; }
    Travail& Work() { return travail_; }
    const Configuration& Config() const { return configuration_; }
    // The work file named on the command line and found, empty otherwise.
    const QString& FichierAOuvrir() const { return fichier_; }
    bool Maintenance() const { return maintenance_; }
    Rideau* RideauDemarrage() const { return rideau_; }
    // The about box shown at the end of the start-up, until it closes.
    BoiteAPropos* APropos() const { return apropos_; }

    // Opens fichier (empty: none) and ends the start-up; without a file and out of
    // maintenance mode, everything is drawn and the about box appears.
    void Terminer(const QString& fichier);

    // The screen check for a screen of that width: the toolbar keeps the buttons the width
    // holds, and a screen narrower than 700 pixels gets a shorter menu title and a warning.
    void VerifierEcran(int largeur);
    static QString AvertissementEcran();

private:
    HoteBureau hote_;
    Configuration configuration_;
    StockageConfiguration stockage_;
    Travail travail_;
    std::unique_ptr<FenetrePrincipale> bureau_;
    Rideau* rideau_ = nullptr; // owned by the desk
    QPointer<BoiteAPropos> apropos_;
    QString fichier_;
    bool maintenance_ = false;
};

} // namespace pelavorine
