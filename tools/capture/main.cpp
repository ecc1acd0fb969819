// Makes the documentation's pictures of the desk. The program starts as usual, behind its
// curtain and with its about box closed, then the scene is set up and the desk is saved as a
// picture:
//   pelavorine-capture bureau       <image.png>  the calculation window on a short sheet
//   pelavorine-capture mosaique     <image.png>  three curve windows in a mosaic
//   pelavorine-capture acquisition  <image.png>  a permanent acquisition of EA0 and EA1
#include "core/acquisition/ReglesParametres.h"
#include "core/calc/FeuilleCalcul.h"
#include "core/interface/CoucheInterface.h"
#include "core/store/Demandes.h"
#include "core/store/TableVariables.h"
#include "core/store/TypeVoie.h"
#include "gui/acquisition/AcquisitionBureau.h"
#include "gui/app/ApplicationPelavorine.h"
#include "gui/app/BoiteAPropos.h"
#include "gui/app/Demarrage.h"
#include "gui/app/FenetrePrincipale.h"
#include "gui/calc/FenetreFeuille.h"

#include <QKeyEvent>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>

using namespace pelavorine;

namespace {

// The calculation window open on a charging capacitor, its sheet run.
void SceneFeuille(FenetrePrincipale& bureau, Travail& travail, const QString& image) {
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
}

// Three curve windows in a mosaic: a sine, its derivative and their product.
void SceneMosaique(FenetrePrincipale& bureau, Travail& travail, const QString& image) {
    travail.Parametres().periode = 100.0; // µs: T runs over 50 ms
    travail.Parametres().periodeEntiere = 100;
    travail.Variables().ChangerNbPoints(501, true);
    travail.Variables().CreerBaseDeTemps(0.0);
    travail.Feuille().FixerLignes({QStringLiteral("U=SIN(2*PI*50*T)"),
                                   QStringLiteral("V=DERIV(U,T)"), QStringLiteral("P=U*V")});
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
}

// A permanent acquisition of EA0 and EA1 in window 1, pictured during its third block, then
// stopped by Escape.
void SceneAcquisition(FenetrePrincipale& bureau, Travail& travail, const QString& image) {
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
    QObject::connect(
        &acquisitions, &AcquisitionBureau::blocTermine, &bureau, [&bureau, image, code](int bloc) {
            if (bloc != 3) return;
            *code = bureau.grab().save(image) ? 0 : 1;
            QApplication::postEvent(
                &bureau, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        });
    acquisitions.Lancer();
    QApplication::exit(*code);
}

using Scene = void (*)(FenetrePrincipale&, Travail&, const QString&);

} // namespace

int main(int argc, char* argv[]) {
    const std::map<std::string, Scene> scenes = {
        {"bureau", SceneFeuille},
        {"mosaique", SceneMosaique},
        {"acquisition", SceneAcquisition},
    };
    // Checked before the application starts: no display is needed to be told the usage.
    const auto scene = argc == 3 ? scenes.find(argv[1]) : scenes.end();
    if (scene == scenes.end()) {
        std::fputs("usage: pelavorine-capture bureau|mosaique|acquisition <image.png>\n", stderr);
        return 2;
    }
    ApplicationPelavorine application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelavorine 2003"));
    QApplication::setOrganizationName(QStringLiteral("Quandrel"));
    const QString image = QString::fromLocal8Bit(argv[2]);

    Demarrage programme({});
    programme.Terminer(QString());
    FenetrePrincipale& bureau = programme.Bureau();
    Travail& travail = programme.Work();
    QTimer::singleShot(0, &bureau, [&programme, &bureau, &travail, image, faire = scene->second] {
        if (BoiteAPropos* boite = programme.APropos()) boite->close();
        faire(bureau, travail, image);
    });
    return QApplication::exec();
}
