#pragma once

#include "Travail.h"
#include "store/Configuration.h"
#include "store/StockageConfiguration.h"
#include "ui/HoteBureau.h"

#include <QStringList>
#include <memory>

namespace pelavorine {

class FenetrePrincipale;

// The program from start to end: the configuration, the work and the desk over them.
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

private:
    HoteBureau hote_;
    Configuration configuration_;
    StockageConfiguration stockage_;
    Travail travail_;
    std::unique_ptr<FenetrePrincipale> bureau_;
    QString fichier_;
    bool maintenance_ = false;
};

} // namespace pelavorine
