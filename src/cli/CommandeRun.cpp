#include "CommandeRun.h"

#include "HoteConsole.h"
#include "SortieRun.h"
#include "Travail.h"
#include "calc/ErreursCalcul.h"
#include "calc/FeuilleCalcul.h"
#include "texte/CodageTexte.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextStream>

namespace pelavorine::cli {

namespace {

// Options that later versions of the tool bring; refused rather than ignored.
const QStringList kAVenir = {QStringLiteral("--inputs"), QStringLiteral("--acquire"),
                             QStringLiteral("--save")};
const QStringList kAvecValeur = {QStringLiteral("--points"), QStringLiteral("--tbase"),
                                 QStringLiteral("--digits"), QStringLiteral("--engineering"),
                                 QStringLiteral("--show"),   QStringLiteral("--sheet"),
                                 QStringLiteral("--line")};

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

} // namespace

bool CommandeRun::Analyser(const QStringList& arguments, QString& erreur) {
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--json")) {
            json_ = true;
            continue;
        }
        if (kAVenir.contains(a)) {
            erreur = QStringLiteral("l'option %1 n'est pas encore disponible").arg(a);
            return false;
        }
        if (!kAvecValeur.contains(a)) {
            erreur = a.startsWith(QLatin1String("--"))
                         ? QStringLiteral("option inconnue : %1").arg(a)
                         : QStringLiteral("la lecture de fichiers de travail n'est pas encore "
                                          "disponible : %1")
                               .arg(a);
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
        if (!ok) {
            erreur = QStringLiteral("valeur incorrecte pour %1 : %2").arg(a, v);
            return false;
        }
        if (a == QLatin1String("--show"))
            montrer_ = v.split(QLatin1Char(','), Qt::SkipEmptyParts);
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
    } else if (option.nom == QLatin1String("--digits")) {
        travail.nombres.chiffres = option.valeur.toInt();
        travail.Feuille().etat.nbChiffres = std::clamp(travail.nombres.chiffres, 1, 12);
    } else if (option.nom == QLatin1String("--engineering")) {
        const bool oui = option.valeur == QLatin1String("on");
        travail.options = oui ? (travail.options | option::Ingenieur)
                              : (travail.options & ~option::Ingenieur);
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
            erreur = QStringLiteral("Impossible de lire la feuille de calcul %1").arg(option.valeur);
            return false;
        }
        lignes << LignesDe(fichier.readAll());
    }
    return true;
}

QStringList CommandeRun::NomsMontres(const Travail& travail) const {
    if (montrer_) return *montrer_;
    QStringList noms;
    const TableVariables& table = travail.Variables();
    for (int slot = table.CaseTemps(); slot >= 1 && slot <= table.DerniereCase(); ++slot)
        if (const TypeId* v = table.Variable(slot)) noms << v->Nom;
    return noms;
}

int CommandeRun::Executer() {
    HoteConsole hote;
    Travail travail(hote);
    QStringList lignes;
    std::optional<ErreurRun> erreur;
    for (const Option& o : options_) {
        QString message;
        if (!Appliquer(travail, o, lignes, message)) {
            erreur = ErreurRun{0, 0, 0, message};
            break;
        }
    }

    QList<ResultatLigne> resultats;
    FeuilleCalcul& feuille = travail.Feuille();
    if (!erreur && !lignes.isEmpty()) {
        feuille.FixerLignes(lignes);
        feuille.LancerFeuille(0);
        const QStringList& pane = feuille.Resultats();
        for (int i = 0; i < pane.size(); ++i)
            if (!pane[i].isEmpty()) resultats.append({i + 1, pane[i]});
        if (feuille.etat.statut > 0) {
            erreur = ErreurRun{feuille.etat.ligneErreur + 1, feuille.etat.colonneErreur,
                               feuille.etat.statut,
                               TexteErreurCalcul(feuille.etat.statut, travail.Variables().NbPoint())};
        } else if (hote.ARecuInterruption()) {
            erreur = ErreurRun{0, 0, erreur::Interruption,
                               FeuilleCalcul::tr("Interruption des calculs par utilisateur")};
        }
    }

    const QStringList noms = NomsMontres(travail);
    QTextStream out(stdout);
    out << (json_ ? DocumentJson(travail, resultats, erreur, noms)
                  : TexteLisible(travail, resultats, erreur, noms));
    return erreur ? 1 : 0;
}

} // namespace pelavorine::cli
