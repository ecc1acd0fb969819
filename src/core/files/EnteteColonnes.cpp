#include "core/files/EnteteColonnes.h"

#include "core/files/ChampsTexte.h"
#include "core/store/Nombres.h"
#include "core/store/NomsLibres.h"
#include "core/store/ReglesNoms.h"
#include "core/travail/Travail.h"

#include <algorithm>

namespace pelavorine {

namespace {

constexpr int kLongueurChampNom = 20;
constexpr int kLongueurUnite = 10;
constexpr int kLongueurChamp = 40;
const QString kSuffixeAbscisse = QStringLiteral("_X");

QString Champ(const QStringList& champs, int k) {
    return k < champs.size() ? champs[k].left(kLongueurChamp) : QString();
}

double Pas(const QString& champ) {
    const qsizetype egal = champ.indexOf(QLatin1Char('='));
    if (egal < 0) return 0.0;
    QString texte = champ.mid(egal + 1).trimmed();
    texte.replace(QLatin1Char(','), QLatin1Char('.'));
    const Lecture l = LireNombreSimple(texte);
    return l.correct && l.valeur > 0.0 ? l.valeur : 0.0;
}

// "Y_X" holds the abscissa values of Y.
bool EstColonneAbscisse(const TableVariables& table, const QString& nom) {
    return table.NormaliserNom(nom).indexOf(kSuffixeAbscisse) > 0;
}

} // namespace

int NombreColonnes(const QString& noms) {
    return std::min(static_cast<int>(champs_texte::ChampsRegroupes(noms).size()),
                    EnteteColonnes::NbColonnesMax);
}

QString NomColonne(const QString& champ, int k) {
    QString nom;
    for (const QChar c : champ.left(kLongueurChampNom)) {
        if (QStringLiteral(":()[]").contains(c)) continue;
        if (nom.isEmpty() && !noms::PeutCommencer(c)) continue;
        if (noms::PeutContenir(c)) nom += c;
    }
    return nom.isEmpty() ? QStringLiteral("Y%1").arg(k) : nom;
}

EnteteColonnes LireEnteteColonnes(Travail& travail, const QString& noms, const QString& unites,
                                  const QString& pas, bool afficher, std::uint32_t mode) {
    TableVariables& table = travail.Variables();
    const QStringList champsNoms = champs_texte::ChampsRegroupes(noms);
    const QStringList champsUnites = champs_texte::ChampsUnites(unites);
    const QStringList champsPas = champs_texte::ChampsRegroupes(pas);
    const int nbColonnes = NombreColonnes(noms);
    const int limite = afficher ? table.CaseTemps() : table.PremiereCaseUtilisateur() - 1;
    const int fenetre = travail.Fenetres().FenetreCourante();
    const QString nomAbscisse = travail.Fenetres().Existe(fenetre)
                                    ? travail.Fenetres().NomAbscisse(fenetre)
                                    : QStringLiteral("T");

    EnteteColonnes entete;
    entete.colonnes.assign(static_cast<std::size_t>(nbColonnes), 0);
    std::vector<QString> nomsFinaux(static_cast<std::size_t>(nbColonnes));
    const auto noter = [&](int slot) {
        entete.premier = entete.premier == 0 ? slot : std::min(entete.premier, slot);
        entete.dernier = std::max(entete.dernier, slot);
    };

    // Value columns first, so that an abscissa column finds its variable wherever it stands.
    int affichees = 0;
    for (int k = 1; k <= nbColonnes; ++k) {
        QString nom = NomColonne(Champ(champsNoms, k - 1), k);
        if (EstColonneAbscisse(table, nom)) continue;
        if (table.NormaliserNom(nom) == QStringLiteral("T")) nom = QStringLiteral("T_EXT");
        if ((mode & mode_import::Ajouter) && (mode & mode_import::NomsUniques))
            nom = NomLibre(table, nom);
        int slot = table.IndexVariable(nom);
        // A channel, an output or the time base is never overwritten by a column.
        if (slot != 0 && slot <= limite) nom = NomLibre(table, nom);
        if (nom.isEmpty()) continue;
        slot = table.IndexVariable(nom);
        std::uint16_t genreNouveau = genre::Acquise;
        if (const TypeId* ancien = table.Variable(slot))
            genreNouveau = ancien->Genre & ~(genre::AbscisseLineaire | genre::AbscisseVariable);
        slot = table.CreerVariable(nom, table.NbPoint(), genreNouveau);
        if (slot == 0) continue;
        TypeId& v = *table.Variable(slot);
        v.Unite = Champ(champsUnites, k - 1).trimmed().left(kLongueurUnite);
        const double dt = Pas(Champ(champsPas, k - 1));
        if (dt > 0.0) v.FixerAbscisseLineaire(nomAbscisse, dt, 0.0);
        entete.colonnes[static_cast<std::size_t>(k - 1)] = slot;
        nomsFinaux[static_cast<std::size_t>(k - 1)] = v.Nom;
        noter(slot);
        if (afficher && affichees < 4 && !v.Nom.contains(QStringLiteral("_EXT")) &&
            travail.Fenetres().Existe(fenetre)) {
            v.AfficherDans(fenetre, true);
            ++affichees;
        }
    }
    for (int k = 1; k <= nbColonnes; ++k) {
        const QString nom = NomColonne(Champ(champsNoms, k - 1), k);
        if (!EstColonneAbscisse(table, nom)) continue;
        const qsizetype p = table.NormaliserNom(nom).indexOf(kSuffixeAbscisse);
        const int slot = table.IndexVariable(nom.left(p));
        if (slot > limite) {
            entete.colonnes[static_cast<std::size_t>(k - 1)] = -slot;
            noter(slot);
        }
    }
    return entete;
}

} // namespace pelavorine
