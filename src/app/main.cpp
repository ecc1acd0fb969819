#include "core/acquisition/ReglesParametres.h"
#include "core/calc/FeuilleCalcul.h"
#include "core/configuration/LigneDeCommande.h"
#include "core/configuration/StockageConfiguration.h"
#include "core/files/ReceptionDonnees.h"
#include "core/files/Secours.h"
#include "core/interface/CoucheInterface.h"
#include "core/store/Demandes.h"
#include "core/store/TableVariables.h"
#include "core/store/TypeVoie.h"
#include "gui/acquisition/AcquisitionBureau.h"
#include "gui/app/ApplicationPelavorine.h"
#include "gui/app/BoiteAPropos.h"
#include "gui/app/Demarrage.h"
#include "gui/app/FenetrePrincipale.h"
#include "gui/app/InstanceUnique.h"
#include "gui/calc/FenetreFeuille.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <memory>

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

    // PELAVORINE_CAPTURE=<image.png>: saves a picture of the desk with a short sheet run in
    // its calculation window, then ends (the documentation's screenshot).
    if (const QString image = qEnvironmentVariable("PELAVORINE_CAPTURE"); !image.isEmpty()) {
        QTimer::singleShot(0, &bureau, [&programme, &bureau, &travail, image] {
            if (BoiteAPropos* boite = programme.APropos()) boite->close();
            travail.Parametres().periode = 100.0; // µs: T runs over 10 ms
            travail.Parametres().periodeEntiere = 100;
            travail.Variables().ChangerNbPoints(101, true);
            travail.Variables().CreerBaseDeTemps(0.0);
            travail.Feuille().FixerLignes(
                {QStringLiteral("E=5 ; générateur"), QStringLiteral("TAU=1000*2E-6"),
                 QStringLiteral("U=E*(1-EXP(-T/TAU))"), QStringLiteral("I=(E-U)/1000"),
                 QStringLiteral("UF=U[NBPOINT]")});
            bureau.OuvrirFeuilleCalcul();
            bureau.Feuille()->Recharger();
            bureau.Feuille()->Executer();
            bureau.TraiterDemandes();
            QApplication::processEvents();
            QApplication::exit(bureau.grab().save(image) ? 0 : 1);
        });
    }

    // PELAVORINE_CAPTURE_MOSAIQUE=<image.png>: the same with three curve windows in a mosaic
    // showing a sine, its derivative and their product.
    if (const QString image = qEnvironmentVariable("PELAVORINE_CAPTURE_MOSAIQUE");
        !image.isEmpty()) {
        QTimer::singleShot(0, &bureau, [&programme, &bureau, &travail, image] {
            if (BoiteAPropos* boite = programme.APropos()) boite->close();
            travail.Parametres().periode = 100.0; // µs: T runs over 50 ms
            travail.Parametres().periodeEntiere = 100;
            travail.Variables().ChangerNbPoints(501, true);
            travail.Variables().CreerBaseDeTemps(0.0);
            travail.Feuille().FixerLignes({QStringLiteral("U=SIN(2*PI*50*T)"),
                                           QStringLiteral("V=DERIV(U,T)"),
                                           QStringLiteral("P=U*V")});
            travail.Feuille().LancerFeuille(0);
            TableFenetres& fenetres = travail.TableDesFenetres();
            TableVariables& variables = travail.Variables();
            const char* noms[] = {"U", "V", "P"};
            for (int n = 1; n <= 3; ++n) {
                fenetres.Creer(n);
                variables.Variable(variables.IndexVariable(QString::fromLatin1(noms[n - 1])))
                    ->AfficherDans(n, true);
            }
            bureau.SynchroniserFenetres();
            bureau.AppliquerMosaique({1, 2, 3}, 3, false, false);
            for (int n = 1; n <= 3; ++n) {
                fenetres.Activer(n);
                bureau.Executer(Commande::CalibrageGlobal);
            }
            travail.DemanderMiseAJour(demande::RedessinerAvecAxes);
            bureau.TraiterDemandes();
            QApplication::processEvents();
            QApplication::exit(bureau.grab().save(image) ? 0 : 1);
        });
    }

    // PELAVORINE_CAPTURE_ACQUISITION=<image.png>: a permanent acquisition of EA0 and EA1 in
    // window 1, pictured during its third block, then stopped by Escape.
    if (const QString image = qEnvironmentVariable("PELAVORINE_CAPTURE_ACQUISITION");
        !image.isEmpty()) {
        QTimer::singleShot(0, &bureau, [&programme, &bureau, &travail, image] {
            if (BoiteAPropos* boite = programme.APropos()) boite->close();
            TableVariables& variables = travail.Variables();
            CoucheInterface& couche = travail.Interface();
            for (int n = couche.PremiereEntree(); n <= couche.DerniereEntree(); ++n)
                if (TypeVoie* v = regles::Entree(variables, n)) {
                    regles::FixerModeEntree(variables, couche, n,
                                            n <= 1 ? TypeVoie::Automatique : TypeVoie::Inactif);
                    v->AfficherDans(1, n <= 1);
                    v->Couleur = variables.palette[(n + 1) % 16];
                }
            regles::AppliquerPeriode(travail, 100.0);
            regles::AppliquerNbPoints(travail, 500);
            travail.Parametres().permanent = 1;
            travail.DemanderMiseAJour(demande::RedessinerAvecAxes);
            bureau.TraiterDemandes();
            AcquisitionBureau& acquisitions = bureau.Acquisitions();
            auto code = std::make_shared<int>(1);
            QObject::connect(&acquisitions, &AcquisitionBureau::blocTermine, &bureau,
                             [&bureau, image, code](int bloc) {
                                 if (bloc != 3) return;
                                 *code = bureau.grab().save(image) ? 0 : 1;
                                 QApplication::postEvent(&bureau, new QKeyEvent(QEvent::KeyPress,
                                                                                Qt::Key_Escape,
                                                                                Qt::NoModifier));
                             });
            acquisitions.Lancer();
            QApplication::exit(*code);
        });
    }

    const int code = QApplication::exec();
    // The restarted program reads the emergency save: it stays until that one ends cleanly.
    if (!relance) secours.FinSession();
    return code;
}
