#include "core/windows/TraceCourbe.h"

#include "core/store/FenetresVariables.h"
#include "core/store/Genres.h"
#include "core/store/Nombres.h"
#include "core/store/TableVariables.h"
#include "core/store/TypeId.h"
#include "core/windows/DonneesFenetre.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace pelavorine {

std::uint32_t IndicateurTrace(const DonneesFenetre& fenetre, bool degres) {
    std::uint32_t indicateur = 0;
    if (fenetre.abscisse.genre == DefinitionAbscisse::Logarithmique)
        indicateur |= trace::Logarithmique;
    if (fenetre.abscisse.genre == DefinitionAbscisse::Polaire) {
        indicateur |= trace::Polaire;
        if (degres) indicateur |= trace::Degres;
    }
    if (fenetre.options & DonneesFenetre::Discontinuites) indicateur |= trace::Discontinuites;
    return indicateur;
}

SourceAbscisse::SourceAbscisse(const TypeId& variable, const TableVariables& variables, int fenetre)
    : variable_(&variable) {
    if (fenetre == 0) fenetre = variable.PremiereFenetre();
    const std::vector<double>& donnees = variable.DonneesAbscisse();
    if (fenetre == 0) {
        ResoudrePropre(variables);
        return;
    }
    const FenetresVariables& fenetres = variables.Fenetres();
    const QString nomT = QStringLiteral("T");
    const QString wa = variable.NomAbscisse == QLatin1String("??") ? variable.NomAbscisse
                                                                   : fenetres.NomAbscisse(fenetre);
    const int caseX = fenetres.CaseAbscisse(fenetre);
    const TypeId* x = variables.Variable(caseX);
    const bool propre = variable.UtiliseAbscissePropre(wa);
    const bool lineaireOuLiee =
        variable.Genre & (genre::AbscisseLineaire | genre::AbscisseVariable);
    const bool parFenetre = (!propre && donnees.empty()) ||
                            (lineaireOuLiee && variable.NomAbscisse == nomT && x && x->Nom != nomT);
    if (fenetres.AbscisseEnPoints(fenetre) && caseX != 0 && caseX == variables.CaseTemps() &&
        variables.TBase() != 0.0)
        tbase_ = variables.TBase();
    if (parFenetre) {
        mode_ = x ? Mode::Fenetre : Mode::Aucune;
        if (x) {
            valeursX_ = x->Valeurs();
            capaciteX_ = x->Capacite();
        }
        // A family of curves wraps the window's abscissa every NBPOINT points.
        reseau_ = (variable.Genre & genre::Calculee) && (variable.Genre & genre::Reseau);
        nbPoint_ = variables.NbPoint();
        return;
    }
    ResoudrePropre(variables);
    propre_ = true;
}

void SourceAbscisse::ResoudrePropre(const TableVariables& variables) {
    const TypeId& v = *variable_;
    if (v.Genre & genre::AbscisseVariable) {
        const TypeId* x = variables.Variable(variables.IndexVariable(v.NomAbscisse));
        mode_ = x ? Mode::Liee : Mode::Aucune;
        if (x) {
            valeursX_ = x->Valeurs();
            capaciteX_ = x->Capacite();
        }
    } else if (v.AbscisseLineaireDefinie(origine_, pas_)) {
        mode_ = Mode::Lineaire;
    } else {
        mode_ = Mode::Tableau;
        valeursX_ = v.DonneesAbscisse();
        capaciteX_ = static_cast<int>(valeursX_.size()) - 1;
    }
}

double SourceAbscisse::LireX(int i) const {
    // As TypeId::LirePoint: 0 outside the array.
    if (valeursX_.empty() || capaciteX_ == 0 || i > capaciteX_ || i < 0) return 0.0;
    return valeursX_[static_cast<std::size_t>(i)];
}

double SourceAbscisse::Valeur(int i) const {
    double valeur = 0.0;
    switch (mode_) {
    case Mode::Aucune:
        return TypeId::Indefini;
    case Mode::Fenetre:
        if (i > capaciteX_) {
            if (reseau_) {
                i = nbPoint_ > 0 ? i % nbPoint_ : i;
                if (i == 0) i = nbPoint_;
            } else {
                i = variable_->NbPoints;
            }
        }
        valeur = LireX(i);
        break;
    case Mode::Liee:
        valeur = LireX(i);
        break;
    case Mode::Lineaire:
        valeur = origine_ + (i - 1) * pas_;
        break;
    case Mode::Tableau:
        if (i < 1 || i >= static_cast<int>(valeursX_.size())) {
            valeur = TypeId::Indefini;
        } else {
            valeur = valeursX_[static_cast<std::size_t>(i)];
        }
        break;
    }
    if (!propre_ && mode_ != Mode::Fenetre) return valeur; // no window: the own abscissa as is
    if (propre_ && valeur > 1e-200) return valeur;
    if (tbase_ != 0.0) valeur = valeur / tbase_ + 1;
    return valeur;
}

namespace {

constexpr double Infini = Projection::Infini;

bool EstTrait(std::uint8_t style) {
    return style == 0 || (style >= 6 && style <= 8) || style == 11 || style == 14;
}

std::uint8_t MarqueCombinee(std::uint8_t style) {
    switch (style) {
    case 6:
        return 2;
    case 7:
        return 4;
    case 8:
        return 5;
    default:
        return 0;
    }
}

// Collects the vertices of the polyline under way and hands it to the surface at each break.
class Traceur {
public:
    Traceur(const ParametresTrace& parametres, std::uint8_t style, SurfaceTrace& surface)
        : parametres_(parametres), style_(style), surface_(surface) {
        // One buffer per thread, kept from call to call: no allocation while plotting.
        static thread_local std::vector<QPoint> tampon;
        tampon_ = &tampon;
        tampon_->clear();
    }
    ~Traceur() { tampon_->clear(); }
    Traceur(const Traceur&) = delete;
    Traceur& operator=(const Traceur&) = delete;

    void Ajouter(QPoint p, int i) {
        if (!parametres_.reduire) {
            tampon_->push_back(p);
            return;
        }
        if (colonneVide_ || p.x() != premier_.p.x()) {
            ViderColonne();
            colonneVide_ = false;
            premier_ = haut_ = bas_ = dernier_ = {p, i};
            return;
        }
        if (p.y() < haut_.p.y()) haut_ = {p, i};
        if (p.y() > bas_.p.y()) bas_ = {p, i};
        dernier_ = {p, i};
    }

    void Terminer() {
        ViderColonne();
        if (tampon_->size() >= 2) surface_.Polyligne(style_, *tampon_);
        tampon_->clear();
    }

    // Marks drawn twice at the same pixel look the same; the inverting square is the exception.
    void Marquer(std::uint8_t style, QPoint p) {
        if (style == 4 && !SurEcran(p)) return;
        if (style != 12 && style == derniereMarque_ && p == dernierePosition_) return;
        derniereMarque_ = style;
        dernierePosition_ = p;
        surface_.Marque(style, p);
    }

    bool SurEcran(QPoint p) const {
        return p.x() >= 0 && p.x() < parametres_.largeurEcran && p.y() >= 0 &&
               p.y() < parametres_.hauteurEcran;
    }

private:
    struct Sommet {
        QPoint p;
        int i = 0;
    };

    // A run of points on one pixel column becomes its first, highest, lowest and last point
    // in index order: the vertical strokes between them cover the same pixels.
    void ViderColonne() {
        if (colonneVide_) return;
        colonneVide_ = true;
        tampon_->push_back(premier_.p);
        const bool hautAvant = haut_.i <= bas_.i;
        const Sommet& a = hautAvant ? haut_ : bas_;
        const Sommet& b = hautAvant ? bas_ : haut_;
        if (a.i != premier_.i && a.i != dernier_.i) tampon_->push_back(a.p);
        if (b.i != premier_.i && b.i != dernier_.i && b.i != a.i) tampon_->push_back(b.p);
        if (dernier_.i != premier_.i) tampon_->push_back(dernier_.p);
    }

    const ParametresTrace& parametres_;
    std::uint8_t style_;
    SurfaceTrace& surface_;
    std::vector<QPoint>* tampon_ = nullptr;
    bool colonneVide_ = true;
    Sommet premier_, haut_, bas_, dernier_;
    int derniereMarque_ = -1;
    QPoint dernierePosition_;
};

} // namespace

void TracerVariable(const TypeId& variable, const TableVariables& variables,
                    const ParametresTrace& parametres, SurfaceTrace& surface) {
    if (!parametres.projection || !variable.EstTable()) return;
    const std::uint8_t style = variable.Style;
    if (style > 14) return;
    const Projection& proj = *parametres.projection;
    const std::span<const double> valeurs = variable.Valeurs();
    const int premierValide = std::max(variable.Premier, 1);
    const int dernierValide =
        std::min({variable.NbPoints, variable.Capacite(), static_cast<int>(valeurs.size()) - 1});
    const int debut =
        parametres.premier > 0 ? std::max(parametres.premier, premierValide) : premierValide;
    const int fin =
        parametres.dernier > 0 ? std::min(parametres.dernier, dernierValide) : dernierValide;
    if (debut > fin) return;

    const SourceAbscisse abscisse(variable, variables, parametres.fenetre);
    const int longueurBloc = LongueurBloc(variable, variables);
    const int k = std::max(parametres.espacement, 1);
    const bool trait = EstTrait(style);
    const std::uint8_t combinee = MarqueCombinee(style);
    const int base =
        (variable.Genre & genre::Barres) ? proj.H() - proj.B() : proj.WPY(variable.Decalage);
    const double mult = variable.Multiplicateur;
    const double decalage = variable.Decalage;
    const bool logarithmique = parametres.indicateur & trace::Logarithmique;
    const bool polaire = parametres.indicateur & trace::Polaire;
    const double angle = (parametres.indicateur & trace::Degres) ? std::numbers::pi / 180 : 1.0;
    const bool discontinuites = parametres.indicateur & trace::Discontinuites;
    const double xmin = proj.Xmin(), xmax = proj.Xmax(), ymin = proj.Ymin(), ymax = proj.Ymax();

    Traceur traceur(parametres, style, surface);
    bool aPrecedent = false;
    double xPrec = 0, yPrec = 0, yAffPrec = 0;
    bool xPrecNonPositif = false;
    QPoint premierPixel, dernierPixel;

    for (int i = debut; i <= fin; ++i) {
        if ((i - 1) % longueurBloc == 0) {
            // Each curve of a family starts afresh.
            if (trait) traceur.Terminer();
            aPrecedent = false;
        }
        double x = abscisse.Valeur(i);
        double y = valeurs[static_cast<std::size_t>(i)];
        // No logarithm for x ≤ 0: the point lies infinitely far on the left.
        const bool xNonPositif = logarithmique && !(x > 0);
        if (logarithmique) x = xNonPositif ? -Infini : std::log10(x);
        if (polaire) {
            const double a = x * angle;
            x = y * std::cos(a);
            y = y * std::sin(a);
        }
        const double yAff = y * mult + decalage;
        const QPoint q(proj.WPX(x), proj.WPY(yAff));
        if (i == debut) premierPixel = q;
        dernierPixel = q;

        // A curve that goes out sideways and comes back is not joined across the edge; with
        // the discontinuity option neither is a jump from above the window to below it.
        bool rupture = false;
        if (aPrecedent) {
            rupture = (x < xmin && (xPrec < xmin || xPrec > xmax)) ||
                      (x > xmax && (xPrec > xmax || xPrec < xmin));
            if (discontinuites)
                rupture =
                    rupture || (yAff < ymin && yAffPrec > ymax) || (yAff > ymax && yAffPrec < ymin);
        }

        if (trait) {
            if (!aPrecedent || rupture) {
                traceur.Terminer();
                traceur.Ajouter(q, i);
            } else if (std::abs(xPrec) >= Infini || std::abs(yPrec) >= Infini) {
                // An undefined previous point is joined from the side of the current value,
                // except an abscissa ≤ 0 on a logarithmic axis, which stays on the left.
                const double xx = std::abs(xPrec) >= Infini
                                      ? (xPrecNonPositif ? -Infini : std::copysign(Infini, x))
                                      : xPrec;
                const double yy =
                    std::abs(yPrec) >= Infini ? std::copysign(Infini, yAff) : yAffPrec;
                traceur.Terminer();
                traceur.Ajouter(QPoint(proj.WPX(xx), proj.WPY(yy)), i - 1);
                traceur.Ajouter(q, i);
            } else {
                traceur.Ajouter(q, i);
            }
            if (combinee && !rupture && i % k == 0) traceur.Marquer(combinee, q);
        } else if (rupture) {
            traceur.Marquer(1, q);
        } else if (style == 9 || style == 10) {
            surface.Baton(q, base, style == 10 && q.y() != base);
        } else {
            traceur.Marquer(style, q);
        }
        xPrec = x;
        xPrecNonPositif = xNonPositif;
        yPrec = y;
        yAffPrec = yAff;
        aPrecedent = true;
    }
    if (trait) traceur.Terminer();

    // A partial range shows where it starts and ends.
    if (parametres.marquerBornes && debut > premierValide) traceur.Marquer(4, premierPixel);
    if (parametres.marquerBornes && fin < dernierValide) traceur.Marquer(4, dernierPixel);
}

int LongueurBloc(const TypeId& variable, const TableVariables& variables) {
    const int n = variable.NbCourbes;
    if (n <= 1 || variable.NbPoints <= 0) return std::max(variable.NbPoints, 1);
    // The curves are NBPOINT points apart; a last curve cut short still starts on its block.
    const int parCourbe = (variable.NbPoints + n - 1) / n;
    return std::max({variables.NbPoint(), parCourbe, 1});
}

void AdapterEchelle(TypeId& variable, const TableVariables& variables, bool arrondir) {
    if (!variable.AdaptationEchelle) return;
    const TypeId* reference =
        variable.Reference >= 1 ? variables.Variable(variable.Reference) : nullptr;
    const double etendue = variable.Maximum - variable.Minimum;
    double m = 1.0;
    if (reference && etendue != 0.0) m = (reference->Maximum - reference->Minimum) / etendue;
    // Infinite extremes give no usable ratio either.
    if (!std::isfinite(m) || m == 0.0) m = 1.0;
    if (arrondir) m = ArrondiPuissanceDix(m);
    variable.Multiplicateur = m;
    variable.Decalage = (reference && !arrondir) ? reference->Minimum - variable.Minimum * m : 0.0;
    if (!std::isfinite(variable.Decalage)) variable.Decalage = 0.0;
}

} // namespace pelavorine
