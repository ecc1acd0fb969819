#include "core/configuration/LigneDeCommande.h"
#include "core/configuration/StockageConfiguration.h"
#include "core/files/ReceptionDonnees.h"
#include "core/files/Secours.h"
#include "gui/acquisition/AcquisitionBureau.h"
#include "gui/app/ApplicationPelavorine.h"
#include "gui/app/BoiteAPropos.h"
#include "gui/app/Demarrage.h"
#include "gui/app/FenetrePrincipale.h"
#include "gui/app/InstanceUnique.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>

using namespace pelavorine;

int main(int argc, char* argv[]) {
    ApplicationPelavorine application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelavorine 2003"));
    QApplication::setOrganizationName(QStringLiteral("Quandrel"));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();

    // One desk per user: a later start hands its file over and ends (not after a crash).
    InstanceUnique instance(QFileInfo(StockageConfiguration::CheminParDefaut()).path());
    const bool relancement = LigneDeCommande(arguments).relance;
    if (!relancement && instance.TransmettreAPremiere(arguments)) return 0;
    instance.Ecouter();

    Demarrage programme(arguments);
    FenetrePrincipale& bureau = programme.Bureau();
    Travail& travail = programme.Work();

    Secours secours(programme.Config().fichierSecours);
    const bool reprise = secours.DebutSession() && !relancement &&
                         travail.hote().Question(Secours::QuestionReprise());
    programme.Terminer(reprise ? secours.Fichier() : programme.FichierAOuvrir());
    // Acquired data reach the emergency save after each run.
    bureau.Acquisitions().FixerSecours(&secours);

    // An unexpected fault: the work goes to the emergency save, and the user may restart.
    bool relance = false;
    application.FixerGestionnaireFaute([&](const QString& texte) {
        const QString minuscules = texte.toLower();
        if (!minuscules.contains(QStringLiteral("faute générale")) &&
            !minuscules.contains(QStringLiteral("violation")))
            return;
        if (!secours.Sauver(travail)) return;
        QMessageBox boite(QMessageBox::Warning, QApplication::applicationName(),
                          Secours::MessageInstabilite(), QMessageBox::Ok | QMessageBox::Ignore,
                          &bureau);
        boite.button(QMessageBox::Ok)->setText(QObject::tr("OK"));
        boite.button(QMessageBox::Ignore)->setText(QObject::tr("Ignorer"));
        if (boite.exec() != QMessageBox::Ok) return;
        relance = QProcess::startDetached(QApplication::applicationFilePath(),
                                          {QStringLiteral("RELANCE"), secours.Fichier()});
        bureau.FixerMaintenance(true); // closes without asking
        bureau.close();
    });

    ReceptionDonnees reception(travail);
    QObject::connect(
        &instance, &InstanceUnique::ArgumentsRecus, &bureau, [&](const QStringList& recus) {
            bureau.showNormal();
            bureau.raise();
            bureau.activateWindow();
            LigneDeCommande ligne(recus);
            const QString fichier = ligne.Rechercher(programme.Config(), travail.hote());
            if (!fichier.isEmpty()) bureau.OuvrirFichier(fichier);
        });
    QObject::connect(&instance, &InstanceUnique::DonneesRecues, &bureau,
                     [&](std::uint32_t mode, const QString& texte) {
                         bureau.raise();
                         bureau.activateWindow();
                         reception.Recevoir(mode, texte);
                         bureau.TraiterDemandes();
                     });

    const int code = QApplication::exec();
    // The restarted program reads the emergency save: it stays until that one ends cleanly.
    if (!relance) secours.FinSession();
    return code;
}
