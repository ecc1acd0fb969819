#include "core/files/LectureTableTexte.h"

#include "core/files/ChampsTexte.h"
#include "core/files/EcritureDos.h"
#include "core/store/Nombres.h"
#include "core/texte/CodageTexte.h"

#include <QList>
#include <QStringDecoder>

namespace pelavorine {

namespace {

struct Ligne {
    QString texte; // plain reading (titles, data, classification)
    QString grec;  // reading of names and units
};

QList<QByteArray> DecouperLignes(const QByteArray& octets) {
    QList<QByteArray> lignes;
    qsizetype debut = 0;
    for (qsizetype i = 0; i < octets.size(); ++i) {
        const char c = octets[i];
        if (c != '\n' && c != '\r') continue;
        lignes << octets.mid(debut, i - debut);
        if (c == '\r' && i + 1 < octets.size() && octets[i + 1] == '\n') ++i;
        debut = i + 1;
    }
    if (debut < octets.size()) lignes << octets.mid(debut);
    return lignes;
}

bool EstUtf8MultiOctet(const QByteArray& octets) {
    bool multi = false;
    for (const char c : octets)
        if (static_cast<unsigned char>(c) >= 0x80) {
            multi = true;
            break;
        }
    if (!multi) return false;
    QStringDecoder decodeur(QStringDecoder::Utf8);
    const QString texte = decodeur(octets);
    return !decodeur.hasError();
}

QList<Ligne> Decoder(const QByteArray& octets, bool& utf8) {
    utf8 = EstUtf8MultiOctet(octets);
    // The code page is the whole file's: a line of … or – in a Windows-1252 file is not DOS.
    const bool dos = !utf8 && EcritEnDos(octets);
    QList<Ligne> lignes;
    for (const QByteArray& brute : DecouperLignes(octets)) {
        if (utf8) {
            QString texte = QString::fromUtf8(brute);
            if (lignes.isEmpty() && texte.startsWith(QChar(0xFEFF))) texte.remove(0, 1);
            lignes << Ligne{texte, texte};
        } else {
            const QByteArray convertie = dos ? codage::Cp850VersWindows1252(brute) : brute;
            lignes << Ligne{codage::Decoder(convertie, codage::Champ::Texte),
                            codage::Decoder(convertie, codage::Champ::Grec)};
        }
    }
    return lignes;
}

bool AvecSeparateurFort(const QString& ligne) {
    return ligne.contains(QLatin1Char('\t')) || ligne.contains(QLatin1Char(';'));
}

// "min/max" after the keyword, "," read as ".".
bool LireLimites(const QString& majuscules, const QString& cle1, const QString& cle2, double& min,
                 double& max) {
    qsizetype p = majuscules.indexOf(cle1);
    qsizetype longueur = cle1.size();
    if (p < 0) {
        p = majuscules.indexOf(cle2);
        longueur = cle2.size();
    }
    if (p < 0) return false;
    qsizetype i = p + longueur;
    while (i < majuscules.size() &&
           (majuscules[i] == QLatin1Char('=') || majuscules[i] == QLatin1Char(' ')))
        ++i;
    qsizetype fin = i;
    while (fin < majuscules.size() && !champs_texte::EstSeparateur(majuscules[fin]) &&
           majuscules[fin] != QLatin1Char(']'))
        ++fin;
    const QStringList parties = majuscules.mid(i, fin - i)
                                    .replace(QLatin1Char(','), QLatin1Char('.'))
                                    .split(QLatin1Char('/'));
    if (parties.size() != 2) return false;
    const Lecture a = LireNombreSimple(parties[0]);
    const Lecture b = LireNombreSimple(parties[1]);
    if (!a.correct || !b.correct) return false;
    min = a.valeur;
    max = b.valeur;
    return true;
}

} // namespace

bool EstLigneDonnees(const QString& ligne) {
    const QString texte = ligne.trimmed();
    if (texte.isEmpty()) return false;
    const QChar c = texte[0];
    return c == QLatin1Char('+') || c == QLatin1Char('-') ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

ConfigurationTexte LireConfigurationTexte(const QString& ligne) {
    ConfigurationTexte config;
    config.presente = true;
    const QString texte = ligne.trimmed();
    const qsizetype ouvrante = texte.indexOf(QLatin1Char('('));
    const qsizetype fermante = ouvrante >= 0 ? texte.indexOf(QLatin1Char(')'), ouvrante) : -1;
    qsizetype suite = 1;
    if (ouvrante >= 0 && fermante >= 0) {
        config.nomAbscisse = texte.mid(1, ouvrante - 1).trimmed();
        config.uniteAbscisse = texte.mid(ouvrante + 1, fermante - ouvrante - 1).trimmed();
        suite = fermante + 1;
    } else {
        const QStringList champs = champs_texte::ChampsRegroupes(texte.mid(1));
        if (!champs.isEmpty()) config.nomAbscisse = champs[0];
        suite = 1 + texte.mid(1).indexOf(config.nomAbscisse) + config.nomAbscisse.size();
    }
    const QStringList champs = champs_texte::ChampsRegroupes(texte.mid(suite));
    if (!champs.isEmpty()) {
        bool ok = false;
        // The count may be the line's last field: "[X(s) 3]".
        QString champ = champs[0];
        if (champ.endsWith(QLatin1Char(']'))) champ.chop(1);
        const int n = champ.toInt(&ok);
        if (ok && n > 0) config.nbPoints = n;
    }
    const QString majuscules = texte.toUpper();
    config.limitesXLues = LireLimites(majuscules, QStringLiteral("ECH.X"), QStringLiteral("ECHX"),
                                      config.xMin, config.xMax);
    config.limitesYLues = LireLimites(majuscules, QStringLiteral("ECH.Y"), QStringLiteral("ECHY"),
                                      config.yMin, config.yMax);
    return config;
}

TableTexte LireTableTexte(const QByteArray& octets) {
    TableTexte table;
    const QList<Ligne> lignes = Decoder(octets, table.utf8);
    bool titreConnu = false, nomsConnus = false, unitesAttendues = false;
    qsizetype i = 0;
    for (; i < lignes.size(); ++i) {
        const QString ligne = lignes[i].texte.trimmed();
        if (unitesAttendues) {
            unitesAttendues = false;
            // A file without units goes on with its steps or its data.
            const bool pas =
                ligne.contains(QLatin1String("t=")) || ligne.contains(QLatin1String("T="));
            if (!EstLigneDonnees(ligne) && !pas) {
                QString unites = lignes[i].grec;
                for (const QChar c :
                     {QLatin1Char('('), QLatin1Char(')'), QLatin1Char('['), QLatin1Char(']')})
                    unites.remove(c);
                table.unites = unites;
                continue;
            }
        }
        if (ligne.isEmpty() || ligne.startsWith(QLatin1Char(';'))) continue;
        if (EstLigneDonnees(ligne)) break;
        if (ligne.startsWith(QLatin1Char('['))) {
            table.configuration = LireConfigurationTexte(lignes[i].grec);
        } else if (ligne.contains(QLatin1String("t=")) || ligne.contains(QLatin1String("T="))) {
            table.pas = lignes[i].grec.trimmed();
        } else if (!titreConnu && !AvecSeparateurFort(ligne)) {
            titreConnu = true;
            table.titre = ligne;
            nomsConnus = false;
            table.noms.clear();
            table.unites.clear();
        } else if (!nomsConnus && (AvecSeparateurFort(ligne) || !ligne.contains(QLatin1Char(' ')) ||
                                   (titreConnu && ligne.contains(QLatin1String("    "))))) {
            nomsConnus = true;
            table.noms = lignes[i].grec.trimmed();
            unitesAttendues = true;
        }
    }
    if (!nomsConnus) table.noms = lignes.isEmpty() ? QString() : table.titre;
    if (!nomsConnus && titreConnu) {
        // The title read in the Greek-font table, as a names line is.
        for (const Ligne& l : lignes)
            if (l.texte.trimmed() == table.titre) {
                table.noms = l.grec.trimmed();
                break;
            }
    }
    for (; i < lignes.size(); ++i)
        table.donnees << lignes[i].texte;
    return table;
}

} // namespace pelavorine
