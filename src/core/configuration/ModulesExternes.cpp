#include "core/configuration/ModulesExternes.h"

#include "core/configuration/StockageConfiguration.h"
#include "core/texte/CodageTexte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace pelavorine {

namespace {

const QString kSection = QStringLiteral("Externes");
const QString kFichierConfig = QStringLiteral("PELAVORINE.CFG");
// The kernel keeps the first 15 characters of a process name.
constexpr int kLongueurNomNoyau = 15;

bool EstFichier(const QString& chemin) {
    return !chemin.isEmpty() && QFileInfo(chemin).isFile();
}

// Paths written on Windows use "\\".
QString CheminLinux(QString chemin) {
    return chemin.replace(u'\\', u'/');
}

QString Texte(const QByteArray& octets) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString texte = utf8(octets);
    return utf8.hasError() ? codage::DepuisWindows1252(octets) : texte;
}

QString SansGuillemets(QString valeur) {
    if (valeur.size() >= 2 && valeur.startsWith(u'"') && valeur.endsWith(u'"'))
        valeur = valeur.mid(1, valeur.size() - 2);
    return valeur;
}

} // namespace

QList<ModulesExternes::Module> ModulesExternes::LireFichier(const QString& fichier) {
    QList<Module> lignes;
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly)) return lignes;
    bool dansSection = false;
    const QStringList texte = Texte(f.readAll()).split(u'\n');
    for (QString ligne : texte) {
        ligne = ligne.trimmed();
        if (ligne.isEmpty() || ligne.startsWith(u';') || ligne.startsWith(u'#')) continue;
        if (ligne.startsWith(u'[')) {
            const int fin = ligne.indexOf(u']');
            const QString section = ligne.mid(1, fin < 0 ? -1 : fin - 1).trimmed();
            dansSection = section.compare(kSection, Qt::CaseInsensitive) == 0;
            continue;
        }
        const int egal = ligne.indexOf(u'=');
        if (!dansSection || egal <= 0) continue;
        const QString titre = ligne.left(egal).trimmed();
        if (!titre.isEmpty()) lignes.append({titre, SansGuillemets(ligne.mid(egal + 1).trimmed())});
    }
    return lignes;
}

QString ModulesExternes::Rechercher(const QString& cheminDonne, const QString& dossierProgramme,
                                    const QStringList& cheminsMemorises) {
    const QString chemin = CheminLinux(cheminDonne);
    if (chemin.isEmpty()) return {};
    const QDir programme(dossierProgramme);
    const QDir parent(QFileInfo(QDir::cleanPath(dossierProgramme)).absolutePath());
    const QFileInfo info(chemin);
    const QString nom = info.fileName();
    const QString dossierChemin = info.path();

    QStringList candidats = {chemin, programme.filePath(chemin), parent.filePath(chemin)};
    if (!nom.isEmpty())
        candidats << QDir(programme.filePath(dossierChemin)).filePath(nom)
                  << programme.filePath(nom) << parent.filePath(nom)
                  << QDir(parent.filePath(dossierChemin)).filePath(nom);
    for (const QString& c : candidats)
        if (EstFichier(c)) return QFileInfo(c).absoluteFilePath();

    if (nom.isEmpty()) return {};
    for (const QString& memorise : cheminsMemorises) {
        const QString c = CheminLinux(memorise);
        if (c.contains(nom, Qt::CaseInsensitive))
            return EstFichier(c) ? QFileInfo(c).absoluteFilePath() : QString();
    }
    return {};
}

void ModulesExternes::Lire(const QString& dossierProgramme, const StockageConfiguration& stockage) {
    QStringList memorises;
    for (const QString& nom : stockage.Noms(kSection))
        if (const auto valeur = stockage.LireTexte(kSection, nom)) memorises << *valeur;
    Lire(LireFichier(QDir(dossierProgramme).filePath(kFichierConfig)), dossierProgramme, memorises);
}

void ModulesExternes::Lire(const QList<Module>& lignes, const QString& dossierProgramme,
                           const QStringList& cheminsMemorises) {
    modules_.clear();
    for (const Module& ligne : lignes) {
        const QString chemin = Rechercher(ligne.chemin, dossierProgramme, cheminsMemorises);
        if (!chemin.isEmpty()) modules_.append({ligne.titre.trimmed(), chemin});
    }
}

QString ModulesExternes::NomProcessus(const QString& chemin) {
    QString nom = QFileInfo(CheminLinux(chemin)).fileName().left(20);
    const int point = nom.indexOf(u'.');
    if (point >= 0) nom.truncate(point);
    return nom + QStringLiteral(".exe");
}

bool ModulesExternes::EnCours(const QString& chemin, const QString& racineProcessus) {
    QString nom = NomProcessus(chemin);
    nom.chop(4);
    if (nom.isEmpty()) return false;
    nom.truncate(kLongueurNomNoyau);
    const QDir racine(racineProcessus);
    const QStringList entrees = racine.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entree : entrees) {
        bool numero = false;
        entree.toLongLong(&numero);
        if (!numero) continue;
        QFile comm(racine.filePath(entree + QStringLiteral("/comm")));
        if (!comm.open(QIODevice::ReadOnly)) continue; // the process may have ended
        const QString nomProcessus = QString::fromUtf8(comm.readAll()).trimmed();
        if (nomProcessus.compare(nom, Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

} // namespace pelavorine
