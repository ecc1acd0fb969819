#include "core/windows/Graduation.h"

#include "core/calc/FonctionsPoint.h"
#include "core/store/Couleurs.h"
#include "core/store/Genres.h"
#include "core/store/Nombres.h"
#include "core/store/TableVariables.h"
#include "core/store/Unites.h"
#include "core/windows/DonneesFenetre.h"
#include "core/windows/Echelles.h"
#include "core/windows/Legende.h"

#include <algorithm>
#include <cmath>

namespace pelavorine {

namespace {

constexpr std::uint32_t Noir = 0x000000;
constexpr std::uint32_t Blanc = 0xFFFFFF;
constexpr std::uint32_t Gris = 0x808080;
constexpr int LongueurEtiquette = 20;
constexpr int LongueurExposant = 4;
// A tick loop never runs longer than this, whatever the step turns out to be.
constexpr int GraduationsMax = 1000;

int Arrondi(double x) {
    return static_cast<int>(fonctions::ArrondiPair(x));
}

bool EstTemps(const TypeId* v) {
    return v && (v->Genre & genre::Temps);
}

double PuissanceIngenieurDe(double p, EchelleAxe& echelle, const TypeId* v, bool notation,
                            double& diviseur) {
    int e = Exposant(p);
    // The largest multiple of 3 not above e, for negative exponents too.
    e = 3 * static_cast<int>(std::floor(e / 3.0));
    p = Puissance10(e);
    echelle.prefixe = 0;
    if (!v) {
        echelle.unite.clear();
    } else if (!EstTemps(v) || !notation) {
        echelle.unite = v->Unite.trimmed();
    } else if (e > 2) {
        // Long durations read in minutes: the ticks are then placed by the minute.
        echelle.prefixe = 'Y';
        echelle.unite.clear();
        p = Puissance10(e - 3);
        diviseur = p;
        return p;
    } else {
        echelle.unite = QStringLiteral("s");
    }
    diviseur = p;
    if (notation && !echelle.unite.isEmpty()) {
        const QChar lettre = PrefixeUnite(echelle.unite, p);
        if (!lettre.isNull() && lettre.unicode() <= 0xFF) {
            echelle.prefixe = static_cast<std::uint8_t>(lettre.unicode());
            return 1;
        }
    }
    return p;
}

// Writes the frame's elements while remembering the grid lines.
class Traceur {
public:
    Traceur(PlanCadre& plan, const Projection& p, const MesuresTexte& m, bool grille)
        : plan_(plan), p_(p), m_(m), grille_(grille) {}

    void Trait(QPoint a, QPoint b, TraitCadre::Type type, CouleurCadre couleur) {
        plan_.traits.push_back({QLine(a, b), type, couleur});
    }

    void Boite(const QRect& r) { plan_.boites.push_back(r); }

    void Etiquette(QString texte, int x, int y) {
        texte = EtiquetteCoupee(texte);
        if (texte == QLatin1String("0")) x += Largeur(QStringLiteral("12"));
        plan_.textes.push_back({texte, QPoint(x, y), TexteCadre::Etiquette, CouleurCadre::Texte});
    }

    void Exposant(const QString& texte, int x, int y, CouleurCadre couleur = CouleurCadre::Texte) {
        plan_.textes.push_back(
            {texte.left(LongueurExposant), QPoint(x, y), TexteCadre::Exposant, couleur});
    }

    void GraduationY(int y) {
        if (grille_)
            Trait({p_.L(), y}, {p_.W(), y}, TraitCadre::Pointille, CouleurCadre::Grille);
        else
            Trait({Arrondi(0.95 * p_.L()), y}, {p_.L(), y}, TraitCadre::Plein, CouleurCadre::Axe);
        Memoriser(0x8000, y);
    }

    void GraduationX(int x) {
        const int y1 = p_.H() - Arrondi(0.9 * p_.B());
        if (grille_)
            Trait({x, 0}, {x, y1}, TraitCadre::Pointille, CouleurCadre::Grille);
        else
            Trait({x, y1}, {x, Arrondi(1.005 * y1)}, TraitCadre::Plein, CouleurCadre::Axe);
        Memoriser(0x4000, x);
    }

    int Largeur(const QString& texte) const {
        return m_.largeur ? m_.largeur(texte) : m_.cw * static_cast<int>(texte.size());
    }

private:
    // Only coordinates that fit beside the flag bit can be redrawn from memory; a line off the
    // form (clamped to ±1000 and beyond) has nothing to redraw.
    void Memoriser(std::uint16_t bit, int v) {
        if (n_ >= plan_.grille.size() || v < 0 || v >= 0x4000) return;
        plan_.grille[n_++] = static_cast<std::uint16_t>(bit | v);
    }

    PlanCadre& plan_;
    const Projection& p_;
    const MesuresTexte& m_;
    bool grille_;
    std::size_t n_ = 0;
};

// The ticks of [debut, fin) every `pas` from the first multiple strictly above `debut`.
// Each tick is computed from its rank rather than accumulated, so the zero tick is exactly 0;
// a tick within a billionth of a step below `fin` is the maximum itself and is not drawn.
template <typename F> void ParcourirGraduations(double debut, double fin, double pas, F&& f) {
    if (!(pas > 0) || !std::isfinite(pas) || !std::isfinite(debut) || !std::isfinite(fin)) return;
    const double tolerance = 1e-9 * pas;
    double t0 = std::trunc(debut / pas) * pas;
    if (t0 <= debut) t0 += pas;
    for (int k = 0; k < GraduationsMax; ++k) {
        const double t = t0 + k * pas;
        if (!(t < fin - tolerance)) break;
        f(t);
    }
}

const TypeId* Variable(const ContexteGraduation& c, int slot) {
    return c.variables && slot > 0 ? c.variables->Variable(slot) : nullptr;
}

double PuissanceGraduee(double etendue) {
    const double p = ArrondiPuissanceDix(etendue);
    return p >= 0.09 && p <= 10.1 ? 1.0 : p;
}

// The variable whose unit the Y axis shows: the window's current curve when it is displayed,
// else the variable the Y scale follows.
int VariableAxeY(const DonneesFenetre& fenetre, const ContexteGraduation& contexte) {
    if (contexte.variables && contexte.variableCourante > 0) {
        const std::vector<int> courbes = CourbesAffichees(fenetre.Numero(), *contexte.variables);
        if (std::find(courbes.begin(), courbes.end(), contexte.variableCourante) != courbes.end())
            return contexte.variableCourante;
    }
    return fenetre.echelleY.variable;
}

void Couleurs(PlanCadre& plan, const DonneesFenetre& fenetre, const ContexteGraduation& c) {
    const std::uint32_t fond = RvbDeWindows(fenetre.couleur) & 0xFFFFFF;
    if (c.impression) {
        plan.couleurAxe = plan.couleurTexte = plan.couleurGrille = Noir;
    } else if (c.noirEtBlanc || fond == Blanc || fond == Noir) {
        plan.couleurAxe = plan.couleurTexte = fond == Blanc ? Noir : Blanc;
        plan.couleurGrille = Gris;
    } else {
        plan.couleurAxe = plan.couleurTexte = plan.couleurGrille = ~fond & 0xFFFFFF;
    }
}

void GraduerY(Traceur& tr, PlanCadre& plan, DonneesFenetre& fenetre, const Projection& p,
              const ContexteGraduation& c, const MesuresTexte& m) {
    tr.Trait({p.L(), p.H()}, {p.L(), 2}, TraitCadre::Fleche, CouleurCadre::Axe);
    const double ymin = p.Ymin();
    const double ymax = p.Ymax();
    double diviseur = 1;
    const int variable = VariableAxeY(fenetre, c);
    const double puissance = PuissanceIngenieurDe(PuissanceGraduee(ymax - ymin), fenetre.echelleY,
                                                  Variable(c, variable), c.notation, diviseur);
    double pas = PasRond((ymax - ymin) / plan.ny);
    if (pas == 0) pas = ymax / plan.ny;
    const bool etiquettes = fenetre.options & DonneesFenetre::GraduerY;
    const int haut = Arrondi(0.5 * m.ch) + (puissance != 1 ? Arrondi(1.7 * m.ch) : 0);
    const int bas = p.H() - Arrondi(1.3 * p.B());
    ParcourirGraduations(ymin, ymax, pas, [&](double t) {
        const int py = p.WPY(t);
        if (t != 0 && py > haut) tr.GraduationY(py);
        if (etiquettes && py > haut && py < bas)
            tr.Etiquette(TexteGraduation(t / diviseur), m.cw / 2, py - Arrondi(0.5 * m.ch));
    });
    if (etiquettes && puissance != 1) {
        const int y0 = Arrondi(0.7 * m.ch);
        tr.Boite(QRect(QPoint(2, y0), QPoint(p.L() - 2, y0 + Arrondi(1.6 * m.ch))));
        tr.Etiquette(QStringLiteral("x10"), m.cw / 2, y0 + 3);
        tr.Exposant(QString::number(Exposant(puissance)), 3 * m.cw + m.cw / 2, y0 + 3);
    }
}

void GraduerXLineaire(Traceur& tr, DonneesFenetre& fenetre, const Projection& p,
                      const ContexteGraduation& c, const MesuresTexte& m, int nx) {
    double diviseur = 1;
    const double puissance =
        PuissanceIngenieurDe(PuissanceGraduee((p.Xmax() - p.Xmin()) / 2), fenetre.echelleX,
                             Variable(c, fenetre.abscisse.variable), c.notation, diviseur);
    // Time in minutes: the ticks are counted in minutes and placed in seconds.
    const double g = fenetre.echelleX.prefixe == 'Y' ? 60 : 1;
    const double x0 = p.Xmin() / g;
    const double x1 = p.Xmax() / g;
    double pas = PasRond((x1 - x0) / nx);
    if (pas == 0) pas = x1 / nx;
    const int limite = puissance == 1 ? p.W() - m.cw : p.W() - 7 * m.cw;
    const int ly = p.H() - Arrondi(0.85 * p.B());
    const bool etiquettes = fenetre.options & DonneesFenetre::GraduerX;
    ParcourirGraduations(x0, x1, pas, [&](double t) {
        const int px = p.WPX(t * g);
        if (t != 0) tr.GraduationX(px);
        if (etiquettes && px < limite - 4 * m.cw)
            tr.Etiquette(TexteGraduation(t / diviseur), px - 2 * m.cw, ly);
    });
    if (etiquettes && puissance != 1) {
        tr.Boite(QRect(QPoint(limite, ly - Arrondi(0.05 * m.ch)),
                       QPoint(limite + 6 * m.cw, ly + Arrondi(1.35 * m.ch))));
        const int x = limite + Arrondi(0.3 * m.cw);
        tr.Etiquette(QStringLiteral("x10"), x, ly);
        tr.Exposant(QString::number(Exposant(puissance)), x + 3 * m.cw, ly + 2);
    }
}

void GraduerXLog(Traceur& tr, const DonneesFenetre& fenetre, const Projection& p,
                 const ContexteGraduation& c, const MesuresTexte& m) {
    const double a = std::pow(10.0, p.Xmin());
    const double b = std::pow(10.0, p.Xmax());
    const int ly = p.H() - Arrondi(0.85 * p.B());
    const bool etiquettes = fenetre.options & DonneesFenetre::GraduerX;
    const CouleurCadre couleurChiffre = c.noirEtBlanc ? CouleurCadre::Texte : CouleurCadre::Rouge;
    GraduationLog g = ProchaineGraduationLog(a);
    for (int k = 0; k < GraduationsMax && g.valeur > 0 && g.valeur < b; ++k) {
        const double t = g.valeur;
        const int px = p.WPX(std::log10(t));
        tr.GraduationX(px);
        if (etiquettes && px < p.W() - 2 * m.cw) {
            // The decade of the tick itself: a mantissa above 7 moved it one decade up.
            const double decade = ArrondiPuissanceDix(t);
            if (g.chiffre != 1) {
                const bool place =
                    g.chiffre == 3 ? 4 * p.W() >= c.largeurEcran : 4 * p.W() >= 3 * c.largeurEcran;
                if (place)
                    tr.Exposant(QString::number(g.chiffre), px - m.cw / 2, ly, couleurChiffre);
            } else if (decade < 0.1 || decade > 10) {
                tr.Etiquette(QStringLiteral("10"), px - m.cw, ly);
                tr.Exposant(QString::number(Exposant(decade)), px + m.cw, ly);
            } else {
                tr.Etiquette(FormeGenerale(t, 11, 0), px - m.cw, ly);
            }
        }
        g = ProchaineGraduationLog(1.1 * t);
    }
}

void NiveauxZero(Traceur& tr, const DonneesFenetre& fenetre, const Projection& p) {
    if (!(fenetre.options & DonneesFenetre::NiveauZero)) return;
    const int y0 = p.WPY(0);
    if (1 < y0 && y0 < p.H() - p.B())
        tr.Trait({p.L(), y0}, {p.W() - 10, y0}, TraitCadre::Tirete, CouleurCadre::Axe);
    const int x0 = p.WPX(0);
    if (p.L() < x0 && x0 < p.W() - p.L() &&
        fenetre.abscisse.genre != DefinitionAbscisse::Logarithmique)
        tr.Trait({x0, 0}, {x0, p.H() - p.B()}, TraitCadre::Tirete, CouleurCadre::Axe);
}

} // namespace

bool PreparerMonde(DonneesFenetre& fenetre, const TableVariables& variables) {
    double xmin = fenetre.echelleX.minimum;
    double xmax = fenetre.echelleX.maximum;
    double ymin = fenetre.echelleY.minimum;
    double ymax = fenetre.echelleY.maximum;
    BornerLimites(xmin, xmax);
    BornerLimites(ymin, ymax);
    DefinitionAbscisse& abscisse = fenetre.abscisse;
    const bool temps = EstTemps(variables.Variable(abscisse.variable)) ||
                       (abscisse.variable == 0 && abscisse.nom == QLatin1String("T"));
    // The chosen genre is saved only when it is overridden, so that later frames keep it.
    if (temps && abscisse.genre != DefinitionAbscisse::Lineaire) {
        abscisse.genreSauve = abscisse.genre;
        abscisse.genre = DefinitionAbscisse::Lineaire;
    }
    bool possible = true;
    if (abscisse.genre == DefinitionAbscisse::Logarithmique) {
        const double a = xmin == 0 ? xmax / 1e4 : xmin;
        if (a > 0 && xmax > 0) {
            xmin = std::log10(a);
            xmax = std::log10(xmax);
        } else {
            abscisse.genreSauve = abscisse.genre;
            abscisse.genre = DefinitionAbscisse::Lineaire;
            possible = false;
        }
    }
    fenetre.DefinirMonde(xmin, ymin, xmax, ymax);
    return possible;
}

PlanCadre GrilleEtGraduations(DonneesFenetre& fenetre, const Projection& projection,
                              const ContexteGraduation& contexte, const MesuresTexte& mesures) {
    PlanCadre plan;
    const int w = projection.W();
    const int h = projection.H();
    plan.nx = w < 400 ? 6 : (w >= 640 ? 10 : 8);
    plan.ny = h >= 300 ? 10 : 6;
    Couleurs(plan, fenetre, contexte);
    Traceur tr(plan, projection, mesures, fenetre.options & DonneesFenetre::Grille);

    GraduerY(tr, plan, fenetre, projection, contexte, mesures);

    tr.Trait({0, h - projection.B()}, {w - 2, h - projection.B()}, TraitCadre::Fleche,
             CouleurCadre::Axe);
    if (fenetre.abscisse.genre == DefinitionAbscisse::Logarithmique) {
        // The labels are the decades' own values: no multiplier, no unit prefix.
        const TypeId* x = Variable(contexte, fenetre.abscisse.variable);
        fenetre.echelleX.prefixe = 0;
        fenetre.echelleX.unite = x ? x->Unite.trimmed() : QString();
        GraduerXLog(tr, fenetre, projection, contexte, mesures);
    } else {
        GraduerXLineaire(tr, fenetre, projection, contexte, mesures, plan.nx);
    }

    if (fenetre.options & DonneesFenetre::PermettreNiveauZero) NiveauxZero(tr, fenetre, projection);
    return plan;
}

double PuissanceIngenieur(double p, EchelleAxe& echelle, int variable, const TableVariables& table,
                          bool notation, double& diviseur) {
    return PuissanceIngenieurDe(p, echelle, variable > 0 ? table.Variable(variable) : nullptr,
                                notation, diviseur);
}

QString TexteGraduation(double v) {
    // Two decimals rounded half away from zero; what rounds to 0 is written "0".
    const double centiemes = std::round(std::fabs(v) * 100);
    if (centiemes == 0 || std::isnan(v)) return QStringLiteral("0");
    return (v < 0 ? QStringLiteral("-") : QStringLiteral("+")) +
           QString::number(centiemes / 100, 'f', 2);
}

QString EtiquetteCoupee(const QString& texte) {
    QString t = texte.left(LongueurEtiquette);
    const qsizetype point = t.indexOf(QLatin1Char('.'));
    if (t.size() > 6 && point >= 0) t.truncate(point);
    return t;
}

} // namespace pelavorine
