#include "core/files/ChampsTexte.h"

namespace pelavorine::champs_texte {

bool EstSeparateur(QChar c) {
    return c == QLatin1Char('\t') || c == QLatin1Char(' ') || c == QLatin1Char(';');
}

QStringList ChampsRegroupes(const QString& ligne) {
    QStringList champs;
    QString champ;
    for (const QChar c : ligne) {
        if (EstSeparateur(c)) {
            if (!champ.isEmpty()) champs << champ;
            champ.clear();
        } else {
            champ += c;
        }
    }
    if (!champ.isEmpty()) champs << champ;
    return champs;
}

QStringList ChampsUnites(const QString& ligne) {
    QStringList champs;
    QString champ;
    for (const QChar c : ligne) {
        if (EstSeparateur(c)) {
            champs << champ;
            champ.clear();
        } else {
            champ += c;
        }
    }
    champs << champ;
    return champs;
}

QStringList ChampsDonnees(const QString& ligne) {
    const bool delimite = ligne.contains(QLatin1Char('\t')) || ligne.contains(QLatin1Char(';'));
    if (!delimite) return ChampsRegroupes(ligne);
    QStringList champs;
    QString champ;
    for (const QChar c : ligne) {
        if (c == QLatin1Char('\t') || c == QLatin1Char(';')) {
            champs << champ.trimmed();
            champ.clear();
        } else {
            champ += c;
        }
    }
    champs << champ.trimmed();
    return champs;
}

} // namespace pelavorine::champs_texte
