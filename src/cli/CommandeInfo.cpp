#include "cli/CommandeInfo.h"

#include "cli/HoteConsole.h"
#include "cli/SortieRun.h"
#include "core/files/FichierTravail.h"
#include "core/files/InventaireFichier.h"
#include "core/travail/Travail.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <optional>

namespace pelavorine::cli {

namespace {

struct Lecture {
    InventaireFichier inventaire;
    bool enTeteLu = false;      // the header fields mean something
    bool variablesLues = false; // the reader took the file
    std::optional<ErreurRun> erreur;
};

QString EnTeteJson(const InventaireFichier& i) {
    return QStringLiteral("{\"magic\":%1,\"writer\":").arg(int{i.magique}) +
           ChaineJson(i.programme) + QStringLiteral(",\"version\":") + ChaineJson(i.version) +
           QStringLiteral(",\"marker\":") + ChaineJson(i.marqueur) +
           QStringLiteral(",\"recordHeaderLength\":%1,\"control\":%2,\"descriptionSize\":%3}")
               .arg(i.longueurEnTeteEnregistrement)
               .arg(i.controle)
               .arg(i.tailleDescription);
}

QString Tag(const EnteteEnregistrement& e) {
    return QString::fromLatin1(e.tag);
}

QString DocumentJson(const Travail& travail, const Lecture& l) {
    const InventaireFichier& i = l.inventaire;
    QStringList enregistrements;
    for (const EnregistrementInventaire& r : i.enregistrements)
        enregistrements << QStringLiteral("{\"tag\":") + ChaineJson(Tag(r.entete)) +
                               QStringLiteral(",\"type\":%1,\"index\":%2,\"value\":%3,\"size\":%4}")
                                   .arg(int{r.entete.type})
                                   .arg(int{r.entete.index})
                                   .arg(int{r.entete.valeur})
                                   .arg(int{r.entete.taille});
    const QStringList noms = l.variablesLues ? NomsDepuisTemps(travail) : QStringList();
    return QStringLiteral("{\"header\":") + (l.enTeteLu ? EnTeteJson(i) : QStringLiteral("null")) +
           QStringLiteral(",\"description\":") + ChaineJson(i.description) +
           QStringLiteral(",\"records\":[") + enregistrements.join(QLatin1Char(',')) +
           QStringLiteral("],\"variables\":") + VariablesJson(travail, noms) +
           QStringLiteral(",\"error\":") + ErreurJson(l.erreur) + QStringLiteral("}\n");
}

QString TexteLisible(const Travail& travail, const QString& nom, const Lecture& l) {
    const InventaireFichier& i = l.inventaire;
    QString t = QStringLiteral("Fichier : %1\n").arg(nom);
    if (l.enTeteLu) {
        t += QStringLiteral("Magique : 0x%1 (%2)\n")
                 .arg(QString::number(i.magique, 16).toUpper())
                 .arg(int{i.magique});
        t += QStringLiteral("Programme : %1, version %2\n").arg(i.programme, i.version);
        // Texts of the file are appended, not substituted: they may hold "%1".
        t += QStringLiteral("Marqueur d'enregistrement : ") + i.marqueur +
             QStringLiteral(", en-tête de %1 octets, contrôle %2\n")
                 .arg(i.longueurEnTeteEnregistrement)
                 .arg(i.controle);
        t += QStringLiteral("Description : %1 octets\n").arg(i.tailleDescription);
        if (!i.description.isEmpty()) {
            QString description = i.description;
            description.replace(QLatin1String("\r\n"), QLatin1String("\n"));
            for (const QString& ligne : description.split(u'\n'))
                t += "  " + ligne + '\n';
        }
        t += QStringLiteral("Enregistrements : %1\n").arg(i.enregistrements.size());
        for (const EnregistrementInventaire& r : i.enregistrements) {
            t += QStringLiteral("  %1  ").arg(r.position, 8) + Tag(r.entete) +
                 QStringLiteral("  type %1  masque %2  index %3  valeur %4  taille %5")
                     .arg(int{r.entete.type}, 2)
                     .arg(int{r.entete.masque})
                     .arg(int{r.entete.index}, 3)
                     .arg(int{r.entete.valeur})
                     .arg(int{r.entete.taille});
            if (r.suite > 0) t += QStringLiteral("  (+%1)").arg(r.suite);
            t += '\n';
        }
        if (i.finMarquee) t += QStringLiteral("Fin des enregistrements\n");
    }
    if (l.erreur) {
        t += ErreurLisible(*l.erreur);
        if (i.positionErreur > 0)
            t += QStringLiteral("Fichier endommagé à l'octet %1\n").arg(i.positionErreur);
    }
    if (l.variablesLues) {
        t += QStringLiteral("Variables :\n");
        t += VariablesLisibles(travail, NomsDepuisTemps(travail));
    }
    return t;
}

} // namespace

QList<DefinitionOption> CommandeInfo::Options() const {
    return {{QStringLiteral("--json"), QString()}};
}

int CommandeInfo::Executer(const OptionsAnalysees& options, QTextStream& sortie) {
    const QString& nom = *options.fichier;
    HoteConsole hote;
    Travail travail(hote);
    Lecture l;
    QFile fichier(nom);
    if (!QFileInfo(nom).isFile() || !fichier.open(QIODevice::ReadOnly)) {
        l.inventaire.code = FichierTravail::ErreurFichierAbsent;
    } else {
        const QByteArray octets = fichier.readAll();
        l.inventaire = InventorierOctets(octets);
        if (l.inventaire.code == 0) {
            // The variables as the reader gives them in a fresh work.
            EnregistrementsConserves conserves;
            const int avant = hote.NbErreurs();
            const int code =
                FichierTravail::LireOctets(travail, octets, FichierTravail::Toutes, conserves);
            l.variablesLues = code == 0;
            if (code != 0) {
                QString message = hote.DerniereErreurDepuis(avant);
                if (message.isEmpty()) message = FichierTravail::MessageErreur(code);
                l.erreur = ErreurRun{0, 0, code, message};
            }
        }
    }
    const InventaireFichier& i = l.inventaire;
    l.enTeteLu = i.code == 0 || i.positionErreur > 0;
    if (i.code != 0) l.erreur = ErreurRun{0, 0, i.code, FichierTravail::MessageErreur(i.code)};

    sortie << (options.Presente(QStringLiteral("--json")) ? DocumentJson(travail, l)
                                                          : TexteLisible(travail, nom, l));
    return l.erreur ? 1 : 0;
}

} // namespace pelavorine::cli
