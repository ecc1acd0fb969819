#include "cli/PreparationTravail.h"

#include "cli/ContexteRun.h"
#include "cli/FichiersRun.h"
#include "cli/Verifications.h"
#include "core/acquisition/Acquisition.h"
#include "core/acquisition/ReglesParametres.h"
#include "core/calc/ErreursCalcul.h"
#include "core/calc/FeuilleCalcul.h"
#include "core/configuration/Configuration.h"
#include "core/configuration/LectureConfiguration.h"
#include "core/configuration/StockageConfiguration.h"
#include "core/store/TypeVoie.h"
#include "core/texte/CodageTexte.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>

namespace pelavorine::cli {

namespace {

// A sheet file: UTF-8 when it is valid UTF-8, else Windows-1252.
QStringList LignesDe(const QByteArray& octets) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texte = utf8.decode(octets);
    if (utf8.hasError()) texte = codage::DepuisWindows1252(octets);
    texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList lignes = texte.split(u'\n');
    if (!lignes.isEmpty() && lignes.last().isEmpty()) lignes.removeLast();
    return lignes;
}

// The acquisition system the desk would use, with its stored values (read, never written);
// the work then holds its channels.
void ChargerInterface(Travail& travail) {
    StockageConfiguration stockage;
    Configuration configuration(Configuration::Emplacements::DuSysteme());
    LectureConfiguration lecture(configuration, travail, stockage);
    lecture.DemarrerInterface();
    travail.FixerVoies(travail.Interface().Description());
    travail.PreparerNouveauTravail();
}

} // namespace

QList<DefinitionOption> PreparationTravail::Options() {
    using namespace verification;
    return {
        {QStringLiteral("--points"), tr("N"), EntierEntre(1, 65535)},
        {QStringLiteral("--tbase"), tr("SECONDES"), ReelPositif()},
        {QStringLiteral("--sheet"), tr("FICHIER|-")},
        {QStringLiteral("--line"), tr("TEXTE"), {}, true},
        {QStringLiteral("--digits"), tr("N"), EntierEntre(1, 20)},
        {QStringLiteral("--engineering"), QStringLiteral("on|off"),
         Parmi({QStringLiteral("on"), QStringLiteral("off")})},
        {QStringLiteral("--inputs"), tr("EA0,EA3...")},
        {QStringLiteral("--acquire"), QString()},
    };
}

PreparationTravail::PreparationTravail(ContexteRun& contexte) : contexte_(contexte) {}

void PreparationTravail::Preparer(const OptionsAnalysees& options) {
    Travail& travail = contexte_.travail;
    ChargerInterface(travail);
    if (options.fichier) contexte_.erreur = OuvrirFichier(contexte_, *options.fichier);
    // The sheet read from the file runs first, then the lines the options add.
    lignes_ = travail.Feuille().Lignes();
    if (contexte_.erreur) return;
    for (const OptionsAnalysees::Donnee& o : options.donnees) {
        QString message;
        if (!Appliquer(o, message)) {
            contexte_.erreur = ErreurRun{0, 0, 0, message};
            return;
        }
    }
    // One acquisition with the interface in use, before the sheet.
    if (options.Presente(QStringLiteral("--acquire"))) Acquerir();
    if (!contexte_.erreur && !lignes_.isEmpty()) LancerFeuille();
}

bool PreparationTravail::Appliquer(const OptionsAnalysees::Donnee& option, QString& erreur) {
    Travail& travail = contexte_.travail;
    TableVariables& table = travail.Variables();
    if (option.nom == QLatin1String("--points")) {
        table.ChangerNbPoints(option.valeur.toInt(), true);
    } else if (option.nom == QLatin1String("--tbase")) {
        travail.Parametres().periode = option.valeur.toDouble() * 1e6;
        travail.Parametres().periodeEntiere = qRound(travail.Parametres().periode);
        table.CreerBaseDeTemps(0.0);
    } else if (option.nom == QLatin1String("--inputs")) {
        return ChoisirEntrees(option.valeur, erreur);
    } else if (option.nom == QLatin1String("--digits")) {
        travail.nombres.chiffres = option.valeur.toInt();
        travail.Feuille().etat.nbChiffres = std::clamp(travail.nombres.chiffres, 1, 12);
    } else if (option.nom == QLatin1String("--engineering")) {
        const bool oui = option.valeur == QLatin1String("on");
        travail.options =
            oui ? (travail.options | option::Ingenieur) : (travail.options & ~option::Ingenieur);
        travail.AppliquerOptions();
        travail.Feuille().etat.ingenieur = oui;
    } else if (option.nom == QLatin1String("--line")) {
        lignes_ << option.valeur;
    } else if (option.nom == QLatin1String("--sheet")) {
        return LireFeuille(option.valeur, erreur);
    }
    // The other options belong to the later steps.
    return true;
}

// The inputs named go automatic, the others out of service.
bool PreparationTravail::ChoisirEntrees(const QString& valeur, QString& erreur) {
    TableVariables& table = contexte_.travail.Variables();
    CoucheInterface& couche = contexte_.travail.Interface();
    QStringList noms = valeur.toUpper().split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (int n = couche.PremiereEntree(); n <= couche.DerniereEntree(); ++n) {
        TypeVoie* voie = regles::Entree(table, n);
        if (!voie) continue;
        const bool choisie = noms.removeAll(voie->Nom.toUpper()) > 0;
        if (choisie && couche.SansSysteme()) {
            erreur = MessageErreurAcquisition(Acquisition::SansCarte);
            return false;
        }
        regles::FixerModeEntree(table, couche, n,
                                choisie ? TypeVoie::Automatique : TypeVoie::Inactif);
    }
    if (!noms.isEmpty()) {
        erreur = tr("Entrée inconnue : %1").arg(noms.join(QStringLiteral(", ")));
        return false;
    }
    return true;
}

bool PreparationTravail::LireFeuille(const QString& nom, QString& erreur) {
    QFile fichier(nom);
    const bool ouvert = nom == QLatin1String("-") ? fichier.open(stdin, QIODevice::ReadOnly)
                                                  : fichier.open(QIODevice::ReadOnly);
    if (!ouvert) {
        erreur = tr("Impossible de lire la feuille de calcul %1").arg(nom);
        return false;
    }
    lignes_ << LignesDe(fichier.readAll());
    return true;
}

void PreparationTravail::Acquerir() {
    Travail& travail = contexte_.travail;
    Acquisition acquisition(travail, travail.Interface());
    const int code = acquisition.Lancer();
    if (code > 0)
        contexte_.erreur =
            ErreurRun{0, 0, code, MessageErreurAcquisition(code, acquisition.DureeMinimale())};
    else if (code < 0)
        contexte_.erreur =
            ErreurRun{0, 0, code, tr("Acquisition pas à pas impossible sans le bureau")};
}

void PreparationTravail::LancerFeuille() {
    FeuilleCalcul& feuille = contexte_.travail.Feuille();
    feuille.FixerLignes(lignes_);
    feuille.LancerFeuille(0);
    const QStringList& pane = feuille.Resultats();
    for (int i = 0; i < pane.size(); ++i)
        if (!pane[i].isEmpty()) contexte_.resultats.append({i + 1, pane[i]});
    if (feuille.etat.statut > 0) {
        contexte_.erreur = ErreurRun{
            feuille.etat.ligneErreur + 1, feuille.etat.colonneErreur, feuille.etat.statut,
            TexteErreurCalcul(feuille.etat.statut, contexte_.travail.Variables().NbPoint())};
    } else if (contexte_.hote.ARecuInterruption()) {
        contexte_.erreur = ErreurRun{0, 0, erreur::Interruption,
                                     FeuilleCalcul::tr("Interruption des calculs par utilisateur")};
    }
}

} // namespace pelavorine::cli
