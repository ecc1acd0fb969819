#include "CommandeRun.h"

#include "DialoguesConsole.h"
#include "HoteConsole.h"
#include "SortieRun.h"
#include "core/acquisition/Acquisition.h"
#include "core/acquisition/ReglesParametres.h"
#include "core/calc/ErreursCalcul.h"
#include "core/calc/FeuilleCalcul.h"
#include "core/configuration/Configuration.h"
#include "core/configuration/LectureConfiguration.h"
#include "core/configuration/StockageConfiguration.h"
#include "core/files/CommandesFichier.h"
#include "core/files/FichierTravail.h"
#include "core/store/TypeVoie.h"
#include "core/texte/CodageTexte.h"
#include "core/travail/Travail.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTextStream>

namespace pelavorine::cli {

namespace {

const QStringList kAvecValeur = {
    QStringLiteral("--points"), QStringLiteral("--tbase"),       QStringLiteral("--inputs"),
    QStringLiteral("--digits"), QStringLiteral("--engineering"), QStringLiteral("--show"),
    QStringLiteral("--sheet"),  QStringLiteral("--line"),        QStringLiteral("--save")};
const QStringList kExtensionsEnregistrement = {QStringLiteral("PL2"), QStringLiteral("PLC"),
                                               QStringLiteral("TXT")};

bool Entier(const QString& texte, int mini, int maxi, int& valeur) {
    bool ok = false;
    valeur = texte.toInt(&ok);
    return ok && valeur >= mini && valeur <= maxi;
}

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

// A file error as the document reports it: the message of the desk's error box.
ErreurRun ErreurFichier(const HoteConsole& hote, int erreursAvant, int code) {
    QString message = hote.DerniereErreurDepuis(erreursAvant);
    if (message.isEmpty()) message = FichierTravail::MessageErreur(code);
    return ErreurRun{0, 0, code, message};
}

std::optional<ErreurRun> Ouvrir(Travail& travail, HoteConsole& hote, DialoguesConsole& dialogues,
                                const QString& nom) {
    // The open command takes a missing file for "ask the user", which the tool never does.
    if (!QFileInfo(nom).isFile())
        return ErreurRun{0, 0, FichierTravail::ErreurFichierAbsent,
                         FichierTravail::MessageErreur(FichierTravail::ErreurFichierAbsent)};
    const int avant = hote.NbErreurs();
    const ResultatCommande r = OuvrirTravail(travail, dialogues, nom);
    if (r.code != 0) return ErreurFichier(hote, avant, r.code);
    if (!r.fait)
        return ErreurRun{0, 0, 0, QStringLiteral("Lecture du fichier %1 abandonnée").arg(nom)};
    return std::nullopt;
}

std::optional<ErreurRun> Enregistrer(Travail& travail, HoteConsole& hote,
                                     DialoguesConsole& dialogues, const QString& nom) {
    const int avant = hote.NbErreurs();
    // Without a name the save dialog answers: the name given and, from its extension, the
    // form of the file.
    const ResultatCommande r = EnregistrerTravail(travail, dialogues, QString(), false);
    if (r.code != 0) return ErreurFichier(hote, avant, r.code);
    if (r.fait) return std::nullopt;
    // Nothing written is a failure too: the previous file of that name stays.
    const QString raison = dialogues.ExportVide()
                               ? QStringLiteral("aucune variable à enregistrer")
                               : QStringLiteral("aucune fenêtre de courbes ouverte");
    return ErreurRun{0, 0, 0,
                     QStringLiteral("Rien n'a été enregistré dans %1 : %2").arg(nom, raison)};
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

bool CommandeRun::Analyser(const QStringList& arguments, QString& erreur) {
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--json")) {
            json_ = true;
            continue;
        }
        if (a == QLatin1String("--acquire")) {
            acquerir_ = true;
            continue;
        }
        if (!a.startsWith(QLatin1String("--"))) {
            if (fichier_) {
                erreur = QStringLiteral("un seul fichier à lire : %1").arg(a);
                return false;
            }
            fichier_ = a;
            continue;
        }
        if (!kAvecValeur.contains(a)) {
            erreur = QStringLiteral("option inconnue : %1").arg(a);
            return false;
        }
        if (i + 1 >= arguments.size()) {
            erreur = QStringLiteral("valeur manquante après %1").arg(a);
            return false;
        }
        const QString v = arguments[++i];
        int n = 0;
        bool ok = true;
        if (a == QLatin1String("--points")) ok = Entier(v, 1, 65535, n);
        if (a == QLatin1String("--digits")) ok = Entier(v, 1, 20, n);
        if (a == QLatin1String("--tbase")) {
            const double t = v.toDouble(&ok);
            ok = ok && t > 0.0;
        }
        if (a == QLatin1String("--engineering"))
            ok = v == QLatin1String("on") || v == QLatin1String("off");
        if (a == QLatin1String("--save"))
            ok = enregistrer_.isEmpty() &&
                 kExtensionsEnregistrement.contains(QFileInfo(v).suffix(), Qt::CaseInsensitive);
        if (!ok) {
            erreur = QStringLiteral("valeur incorrecte pour %1 : %2").arg(a, v);
            if (a == QLatin1String("--save"))
                erreur += enregistrer_.isEmpty()
                              ? QStringLiteral(" (extension .PL2, .PLC ou .TXT attendue)")
                              : QStringLiteral(" (un seul fichier à enregistrer)");
            return false;
        }
        if (a == QLatin1String("--show"))
            montrer_ = v.split(QLatin1Char(','), Qt::SkipEmptyParts);
        else if (a == QLatin1String("--save"))
            enregistrer_ = v;
        else
            options_.append({a, v});
    }
    return true;
}

bool CommandeRun::Appliquer(Travail& travail, const Option& option, QStringList& lignes,
                            QString& erreur) const {
    TableVariables& table = travail.Variables();
    if (option.nom == QLatin1String("--points")) {
        table.ChangerNbPoints(option.valeur.toInt(), true);
    } else if (option.nom == QLatin1String("--tbase")) {
        travail.Parametres().periode = option.valeur.toDouble() * 1e6;
        travail.Parametres().periodeEntiere = qRound(travail.Parametres().periode);
        table.CreerBaseDeTemps(0.0);
    } else if (option.nom == QLatin1String("--inputs")) {
        // The inputs named go automatic, the others out of service.
        QStringList noms = option.valeur.toUpper().split(QLatin1Char(','), Qt::SkipEmptyParts);
        CoucheInterface& couche = travail.Interface();
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
            erreur = QStringLiteral("Entrée inconnue : %1").arg(noms.join(QStringLiteral(", ")));
            return false;
        }
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
        lignes << option.valeur;
    } else if (option.nom == QLatin1String("--sheet")) {
        QFile fichier(option.valeur);
        const bool ouvert = option.valeur == QLatin1String("-")
                                ? fichier.open(stdin, QIODevice::ReadOnly)
                                : fichier.open(QIODevice::ReadOnly);
        if (!ouvert) {
            erreur =
                QStringLiteral("Impossible de lire la feuille de calcul %1").arg(option.valeur);
            return false;
        }
        lignes << LignesDe(fichier.readAll());
    }
    return true;
}

QStringList CommandeRun::NomsMontres(const Travail& travail) const {
    return montrer_ ? *montrer_ : NomsDepuisTemps(travail);
}

int CommandeRun::Executer() {
    HoteConsole hote;
    Travail travail(hote);
    ChargerInterface(travail);
    DialoguesConsole dialogues(travail, enregistrer_, montrer_);
    std::optional<ErreurRun> erreur;
    if (fichier_) erreur = Ouvrir(travail, hote, dialogues, *fichier_);
    FeuilleCalcul& feuille = travail.Feuille();
    // The sheet read from the file runs first, then the lines the options add.
    QStringList lignes = feuille.Lignes();
    if (!erreur) {
        for (const Option& o : options_) {
            QString message;
            if (!Appliquer(travail, o, lignes, message)) {
                erreur = ErreurRun{0, 0, 0, message};
                break;
            }
        }
    }

    // One acquisition with the interface in use, before the sheet.
    if (!erreur && acquerir_) {
        Acquisition acquisition(travail, travail.Interface());
        const int code = acquisition.Lancer();
        if (code > 0)
            erreur =
                ErreurRun{0, 0, code, MessageErreurAcquisition(code, acquisition.DureeMinimale())};
        else if (code < 0)
            erreur = ErreurRun{0, 0, code,
                               QStringLiteral("Acquisition pas à pas impossible sans le bureau")};
    }

    QList<ResultatLigne> resultats;
    if (!erreur && !lignes.isEmpty()) {
        feuille.FixerLignes(lignes);
        feuille.LancerFeuille(0);
        const QStringList& pane = feuille.Resultats();
        for (int i = 0; i < pane.size(); ++i)
            if (!pane[i].isEmpty()) resultats.append({i + 1, pane[i]});
        if (feuille.etat.statut > 0) {
            erreur = ErreurRun{
                feuille.etat.ligneErreur + 1, feuille.etat.colonneErreur, feuille.etat.statut,
                TexteErreurCalcul(feuille.etat.statut, travail.Variables().NbPoint())};
        } else if (hote.ARecuInterruption()) {
            erreur = ErreurRun{0, 0, erreur::Interruption,
                               FeuilleCalcul::tr("Interruption des calculs par utilisateur")};
        }
    }

    // A run that failed saves nothing: the file of that name stays as it was.
    if (!erreur && !enregistrer_.isEmpty())
        erreur = Enregistrer(travail, hote, dialogues, enregistrer_);

    const QStringList noms = NomsMontres(travail);
    QTextStream out(stdout);
    out << (json_ ? DocumentJson(travail, resultats, erreur, noms)
                  : TexteLisible(travail, resultats, erreur, noms));
    return erreur ? 1 : 0;
}

} // namespace pelavorine::cli
