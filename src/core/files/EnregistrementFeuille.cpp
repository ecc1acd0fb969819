#include "core/files/EnregistrementFeuille.h"

#include "core/calc/FeuilleCalcul.h"
#include "core/calc/MoteurCalcul.h"
#include "core/calc/TableFonctions.h"
#include "core/format/EcrivainBinaire.h"
#include "core/format/LecteurBinaire.h"
#include "core/texte/CodageTexte.h"
#include "core/travail/Travail.h"

#include <QRegularExpression>
#include <algorithm>

namespace pelavorine {

const QString EnregistrementFeuille::LigneInhibition = QStringLiteral(
    ".INHIB  {Certaines instructions ne sont pas reconnues dans cette version de Pelavorine}");

namespace {

QString SansFinDeLigne(QString ligne) {
    while (ligne.endsWith(QLatin1Char('\n')) || ligne.endsWith(QLatin1Char('\r')))
        ligne.chop(1);
    return ligne;
}

} // namespace

int EnregistrementFeuille::Niveau(const QStringList& lignes) {
    static const QRegularExpression appel(QStringLiteral("([A-Za-z_][A-Za-z0-9_]*)\\s*\\("));
    int niveau = 0;
    for (const QString& ligne : lignes) {
        if (ligne.trimmed().startsWith(QLatin1Char(';'))) continue;
        for (auto it = appel.globalMatch(ligne); it.hasNext();) {
            const QString nom = it.next().captured(1).toUpper();
            for (const DescriptionFonction& f : TableFonctions)
                if (nom == QLatin1String(f.nom)) niveau = std::max(niveau, f.niveau);
        }
    }
    return niveau;
}

bool EnregistrementFeuille::Ecrire(const Travail& travail, bool compatible,
                                   BlocEnregistrement& bloc) {
    const QStringList& lignes = travail.Feuille().Lignes();
    if (lignes.isEmpty()) return false;
    const int niveau = std::max(travail.Moteur().niveauLangage, Niveau(lignes));
    QStringList ecrites;
    if (compatible && niveau > NiveauCompatible)
        ecrites.append(LigneInhibition + QStringLiteral("\r\n"));
    ecrites.append(lignes);
    const int n = static_cast<int>(std::min<qsizetype>(ecrites.size(), 0xFFFF));
    EcrivainBinaire suite;
    for (int i = 0; i < n; ++i) {
        const QByteArray l = codage::Encoder(ecrites[i], codage::Champ::Grec);
        suite.Chaine(l, static_cast<int>(std::min<qsizetype>(l.size(), 255)));
    }
    bloc = {{"CAL", Type, 4, static_cast<std::uint8_t>(std::min(niveau, 255)),
             static_cast<std::uint16_t>(n), 0},
            {},
            suite.Donnees()};
    return true;
}

void EnregistrementFeuille::Lire(Travail& travail, const BlocEnregistrement& bloc) {
    const int niveau = bloc.entete.index;
    QStringList lignes;
    if (niveau > NiveauProgramme) lignes.append(LigneInhibition);
    LecteurBinaire e(bloc.suite);
    for (int i = 0; i < bloc.entete.valeur && e.Ok(); ++i) {
        const QByteArray octets = e.Octets(e.U8());
        if (!e.Ok()) break;
        const QString ligne = codage::Decoder(octets, codage::Champ::Grec);
        if (i == 0 && SansFinDeLigne(ligne) == LigneInhibition) continue;
        lignes.append(ligne);
    }
    travail.Feuille().FixerLignes(lignes);
    travail.Moteur().niveauLangage = niveau;
}

} // namespace pelavorine
