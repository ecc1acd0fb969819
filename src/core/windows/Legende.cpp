#include "core/windows/Legende.h"

#include "core/store/Genres.h"
#include "core/store/Nombres.h"
#include "core/store/TableVariables.h"
#include "core/windows/DonneesFenetre.h"

#include <QCoreApplication>

namespace pelavorine {

namespace {

constexpr int LongueurLegende = 255;
constexpr int LongueurUniteAbscisse = 10;

bool Montree(const TypeId& v, int fenetre) {
    if (v.EstAffichee(fenetre)) return true;
    // A channel of the interface is listed from the moment it is given to the window.
    return fenetre >= 1 && fenetre <= 16 && (v.Genre & genre::Entree) &&
           !(v.Genre & (genre::Temps | genre::Temporaire | genre::CopieProvisoire)) &&
           (v.Fenetres & (1u << (fenetre - 1)));
}

// The prefix letter of the Y axis in front of a unit; the time letters are not prefixes.
QString UniteAvecPrefixe(const QString& unite, std::uint8_t prefixe) {
    if (unite.isEmpty() || prefixe == 0 || prefixe == 'Y' || prefixe == 'Z') return unite;
    return QChar(prefixe) + unite;
}

QString NomEcrit(const TypeId& v, const DonneesFenetre& fenetre) {
    // A curve drawn against an abscissa of its own says which.
    const QString& abscisse = v.NomAbscisse;
    if (!abscisse.isEmpty() && abscisse != fenetre.abscisse.nom &&
        v.UtiliseAbscissePropre(fenetre.abscisse.nom))
        return v.Nom + QLatin1Char('(') + abscisse + QLatin1Char(')');
    const QString unite = UniteAvecPrefixe(v.Unite.trimmed(), fenetre.echelleY.prefixe);
    if (unite.isEmpty()) return v.Nom;
    return v.Nom + QLatin1Char('(') + unite + QLatin1Char(')');
}

} // namespace

std::vector<int> CourbesAffichees(int fenetre, const TableVariables& variables) {
    std::vector<int> courbes;
    for (int slot = variables.CaseTemps() + 1; slot <= variables.DerniereCase(); ++slot) {
        const TypeId* v = variables.Variable(slot);
        if (v && Montree(*v, fenetre)) courbes.push_back(slot);
    }
    return courbes;
}

int CourbeCourante(const DonneesFenetre& fenetre, const TableVariables& variables,
                   int variableCourante) {
    const std::vector<int> courbes = CourbesAffichees(fenetre.Numero(), variables);
    for (int slot : courbes)
        if (slot == variableCourante) return slot;
    return courbes.empty() ? 0 : courbes.front();
}

PlanLegende ComposerLegende(const DonneesFenetre& fenetre, const TableVariables& variables,
                            int variableCourante, int depart, int largeurMax, bool noirEtBlanc,
                            const std::function<int(const QString&)>& largeur) {
    PlanLegende plan;
    plan.courbeCourante = CourbeCourante(fenetre, variables, variableCourante);
    const auto mesure = [&](const QString& t) {
        return largeur ? largeur(t) : static_cast<int>(t.size());
    };
    const QString separateur = QStringLiteral(", ");
    for (int slot : CourbesAffichees(fenetre.Numero(), variables)) {
        const TypeId& v = *variables.Variable(slot);
        const QString nom = NomEcrit(v, fenetre);
        const QString avant = plan.texte.isEmpty() ? QString() : plan.texte + separateur;
        const QString texte = avant + nom;
        // The first name is always written: a window never shows an empty legend while it
        // has curves.
        if (!plan.texte.isEmpty() &&
            (mesure(texte) > largeurMax || texte.size() > LongueurLegende)) {
            plan.texte += QStringLiteral(",...");
            break;
        }
        NomLegende n;
        n.variable = slot;
        n.texte = nom;
        n.x = depart + mesure(avant);
        n.couleur = noirEtBlanc || v.Couleur < 0 ? 0 : v.Couleur;
        n.italique = v.Multiplicateur != 1 || v.Decalage != 0;
        n.souligne = slot == plan.courbeCourante;
        plan.noms.push_back(n);
        plan.texte = texte.left(LongueurLegende);
    }
    return plan;
}

int VariableSousLaSouris(const QString& legende, int x, int depart, const TableVariables& variables,
                         const std::function<int(const QString&)>& largeur) {
    if (x < depart || !largeur) return 0;
    qsizetype i = 0;
    while (i < legende.size() && depart + largeur(legende.left(i + 1)) <= x)
        ++i;
    if (i >= legende.size() || legende[i] == QLatin1Char(',')) return 0;
    const qsizetype debut = legende.lastIndexOf(QLatin1Char(','), i) + 1;
    qsizetype fin = debut;
    while (fin < legende.size() && legende[fin] != QLatin1Char('(') &&
           legende[fin] != QLatin1Char(','))
        ++fin;
    const QString nom = legende.mid(debut, fin - debut).trimmed();
    if (nom.isEmpty()) return 0;
    const int slot = variables.IndexVariable(nom);
    return slot > 0 && variables.Variable(slot) ? slot : 0;
}

QString BulleEchelle(const TypeId& variable) {
    if (variable.Multiplicateur == 1 && variable.Decalage == 0) return {};
    return QStringLiteral("Mult.=") + TexteNombre(4, variable.Multiplicateur) +
           QStringLiteral("  Decal.=") + TexteNombre(4, variable.Decalage);
}

QString TexteAbscisse(DonneesFenetre& fenetre) {
    const EchelleAxe& x = fenetre.echelleX;
    QString unite;
    if (x.prefixe == 'Y')
        unite = QStringLiteral("min");
    else if (x.prefixe == 'Z')
        unite = QStringLiteral("h");
    else if (x.prefixe != 0)
        unite = QChar(x.prefixe);
    unite += x.unite;
    fenetre.abscisse.unite = unite.left(LongueurUniteAbscisse);
    if (fenetre.abscisse.genre == DefinitionAbscisse::Polaire) return {};
    QString texte = fenetre.abscisse.nom == QLatin1String("T")
                        ? QCoreApplication::translate("Legende", "Temps")
                        : fenetre.abscisse.nom;
    if (!fenetre.abscisse.unite.isEmpty())
        texte += QStringLiteral(" (") + fenetre.abscisse.unite + QLatin1Char(')');
    return texte;
}

} // namespace pelavorine
