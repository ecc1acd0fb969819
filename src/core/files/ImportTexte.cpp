#include "core/files/ImportTexte.h"

#include "core/files/ChampsTexte.h"
#include "core/store/Demandes.h"
#include "core/store/Hote.h"
#include "core/store/Nombres.h"
#include "core/travail/Travail.h"
#include "core/windows/Echelles.h"
#include "core/windows/TableFenetres.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <optional>
#include <vector>

namespace pelavorine {

namespace {

constexpr int kFenetresImport = 8;
constexpr int kPointsMax = 0xFFFF; // the largest NBPOINT

using Colonne = std::vector<std::optional<double>>;

// Values of the data lines, column by column; nothing is stored in the work yet.
struct Donnees {
    std::vector<Colonne> colonnes;
    int nbLignes = 0;
    int ligneArret = 0;
    bool abandonne = false;
};

Donnees LireDonnees(const QStringList& lignes, int nbPoints, int nbColonnes, Hote& hote) {
    Donnees d;
    d.colonnes.assign(static_cast<std::size_t>(nbColonnes), {});
    const int n = std::min(nbPoints, static_cast<int>(lignes.size()));
    for (int i = 1; i <= n; ++i) {
        QString ligne = lignes[i - 1];
        ligne.replace(QLatin1Char(','), QLatin1Char('.'));
        const QStringList champs = champs_texte::ChampsDonnees(ligne);
        std::vector<std::optional<double>> valeurs(static_cast<std::size_t>(nbColonnes));
        bool incorrecte = false;
        for (int k = 0; k < nbColonnes && k < champs.size(); ++k) {
            if (champs[k].isEmpty()) continue;
            const Lecture l = LireNombreSimple(champs[k]);
            if (!l.correct) incorrecte = true;
            valeurs[static_cast<std::size_t>(k)] = l.correct ? l.valeur : 0.0;
        }
        if (incorrecte) {
            if (i > 1) {
                d.ligneArret = i;
                hote.Erreur(MessageLectureArretee(i));
                break;
            }
            if (!hote.Question(MessageErreurLectureDonnees())) {
                d.abandonne = true;
                return d;
            }
        }
        for (int k = 0; k < nbColonnes; ++k)
            d.colonnes[static_cast<std::size_t>(k)].push_back(valeurs[static_cast<std::size_t>(k)]);
        d.nbLignes = i;
    }
    return d;
}

bool MontreDesPoints(const TableVariables& table, int fenetre) {
    for (int slot = 1; slot <= table.DerniereCase(); ++slot)
        if (const TypeId* v = table.Variable(slot))
            if (v->EstAffichee(fenetre) && v->NbPoints > 0) return true;
    return false;
}

int ChoisirFenetre(Travail& travail, bool reinitialise, int precedente) {
    TableFenetres& fenetres = travail.TableDesFenetres();
    int choisie = kFenetresImport;
    if (precedente >= 1 && precedente <= FenetresVariables::NbFenetres) {
        choisie = precedente;
    } else if (reinitialise) {
        choisie = 1;
    } else {
        for (int f = 1; f <= kFenetresImport; ++f)
            if (!fenetres.Existe(f) || !MontreDesPoints(travail.Variables(), f)) {
                choisie = f;
                break;
            }
    }
    if (!fenetres.Existe(choisie)) fenetres.Creer(choisie);
    fenetres.FixerCourante(choisie);
    return choisie;
}

// The configuration line's abscissa and manual limits, for the window of the import. A limit
// pair that could not be read leaves the window's one as it was.
void AppliquerConfiguration(Travail& travail, int fenetre, const ConfigurationTexte& config) {
    DonneesFenetre* f = travail.TableDesFenetres().Donnees(fenetre);
    if (!f || !config.presente) return;
    const TableVariables& table = travail.Variables();
    if (table.NomValide(config.nomAbscisse)) {
        const int slot = table.IndexVariable(config.nomAbscisse);
        travail.TableDesFenetres().FixerAbscisse(fenetre, config.nomAbscisse,
                                                 slot != 0 ? slot : table.CaseTemps(),
                                                 config.uniteAbscisse);
    }
    if (config.limitesXLues) {
        f->echelleX.minimumManuel = config.xMin;
        f->echelleX.maximumManuel = config.xMax;
    }
    if (config.limitesYLues) {
        f->echelleY.minimumManuel = config.yMin;
        f->echelleY.maximumManuel = config.yMax;
    }
}

struct AbscisseImport {
    QString nom;
    QString unite;
    double xMin = 0.0, xMax = 0.0; // both 0: the abscissa variable's own range
};

// The abscissa the window takes: a time column T_EXT spans (count − 1) × its step; another
// T_EXT column is used as it is; the configuration line names one. None without either.
std::optional<AbscisseImport> ChoisirAbscisse(const TableVariables& table,
                                              const ConfigurationTexte& config, int nbPoints) {
    AbscisseImport a;
    if (config.presente) {
        a.nom = config.nomAbscisse;
        a.unite = config.uniteAbscisse;
        if (config.limitesXLues) {
            a.xMin = config.xMin;
            a.xMax = config.xMax;
        }
    } else {
        const int slot = table.IndexVariable(QStringLiteral("T_EXT"));
        const TypeId* t = slot >= table.PremiereCaseUtilisateur() ? table.Variable(slot) : nullptr;
        if (!t) return std::nullopt;
        double origine = 0.0, pas = 0.0;
        if ((t->Genre & genre::Temps) && t->AbscisseLineaireDefinie(origine, pas) && pas > 0.0) {
            a.nom = QStringLiteral("T_EXT");
            a.unite = QStringLiteral("s");
            a.xMax = (nbPoints - 1) * pas;
        } else {
            a.nom = t->Nom;
            a.unite = t->Unite;
        }
    }
    if (table.NormaliserNom(a.nom) == QStringLiteral("T")) a.nom = QStringLiteral("T_EXT");
    if (!table.NomValide(a.nom)) return std::nullopt;
    return a;
}

// The abscissa variable, created when missing; with at most one point it is filled evenly
// over the X limits (channels and the time base are never written).
TypeId* PreparerVariableAbscisse(TableVariables& table, const AbscisseImport& a, int nbPoints) {
    int slot = table.IndexVariable(a.nom);
    if (slot == 0) slot = table.CreerVariable(a.nom, nbPoints, genre::Acquise);
    TypeId* x = table.Variable(slot);
    if (!x) return nullptr;
    if (x->NbPoints <= 1 && slot >= table.PremiereCaseUtilisateur()) {
        if (x->Capacite() < nbPoints) {
            const std::uint16_t g = x->Genre & ~(genre::AbscisseLineaire | genre::AbscisseVariable);
            slot = table.CreerVariable(x->Nom, nbPoints, g != 0 ? g : genre::Acquise);
            x = table.Variable(slot);
            if (!x) return nullptr;
        }
        // Equal limits would pile every point on one abscissa: count in points from there.
        const double pas =
            a.xMax != a.xMin && nbPoints > 1 ? (a.xMax - a.xMin) / (nbPoints - 1) : 1.0;
        for (int i = 1; i <= nbPoints; ++i)
            x->EcrirePoint(i, i == nbPoints && a.xMax != a.xMin ? a.xMax : a.xMin + (i - 1) * pas);
        if (!a.unite.isEmpty()) x->Unite = a.unite;
    }
    x->CalculerStatistiques();
    return x;
}

// Settles the window after a complete read: its abscissa, its X scale following it with the
// abscissa limits as manual ones, and the Y manual limits widened around the data shown.
void FixerAxes(Travail& travail, int fenetre, const ConfigurationTexte& config, int nbPoints) {
    TableVariables& table = travail.Variables();
    TableFenetres& fenetres = travail.TableDesFenetres();
    DonneesFenetre* f = fenetres.Donnees(fenetre);
    if (!f) return;

    if (const std::optional<AbscisseImport> a = ChoisirAbscisse(table, config, nbPoints)) {
        if (TypeId* x = PreparerVariableAbscisse(table, *a, nbPoints)) {
            double xMin = a->xMin, xMax = a->xMax;
            if (xMin == 0.0 && xMax == 0.0) {
                xMin = x->Minimum;
                xMax = x->Maximum;
            }
            for (int k = 1; k <= FenetresVariables::NbFenetres; ++k)
                x->AfficherDans(k, false);
            const int slot = table.IndexVariable(x->Nom);
            fenetres.FixerAbscisse(fenetre, x->Nom, slot, a->unite.isEmpty() ? x->Unite : a->unite);
            f->echelleX.nom = x->Nom;
            f->echelleX.variable = slot;
            f->echelleX.minimumManuel = xMin;
            f->echelleX.maximumManuel = xMax;
            EvaluerEchelle(f->echelleX, table, false);
        }
    }

    double yMin = config.yMin, yMax = config.yMax;
    bool limites = config.presente && config.limitesYLues;
    if (!limites) {
        for (int slot = 1; slot <= table.DerniereCase(); ++slot) {
            const TypeId* v = table.Variable(slot);
            if (!v || !v->EstAffichee(fenetre) || v->NbPoints <= 1) continue;
            yMin = limites ? std::min(yMin, v->Minimum) : v->Minimum;
            yMax = limites ? std::max(yMax, v->Maximum) : v->Maximum;
            limites = true;
        }
    }
    // With nothing to measure the window keeps its limits rather than widen them again.
    if (limites) {
        BornerLimites(yMin, yMax);
        ElargirEtArrondir(yMin, yMax, 3, FacteurElargissementNormal);
        f->echelleY.minimumManuel = yMin;
        f->echelleY.maximumManuel = yMax;
    }
    EvaluerEchelle(f->echelleY, table, false);
}

ResultatImportTexte Importer(Travail& travail, const QByteArray& octets,
                             const OptionsImportTexte& options) {
    ResultatImportTexte resultat;
    if (options.reinitialiser) travail.ReinitialiserTravail(0, 15);
    TableVariables& table = travail.Variables();
    const TableTexte texte = LireTableTexte(octets);
    resultat.configuration = texte.configuration;

    int nbPoints = 0;
    if (texte.configuration.presente) {
        nbPoints =
            texte.configuration.nbPoints > 0 ? texte.configuration.nbPoints : table.NbPoint();
    } else {
        while (nbPoints < texte.donnees.size() && EstLigneDonnees(texte.donnees[nbPoints]))
            ++nbPoints;
    }
    if (nbPoints == 0 || texte.noms.trimmed().isEmpty()) return resultat;
    if (nbPoints > kPointsMax) {
        resultat.tronque = true;
        nbPoints = kPointsMax;
    }

    const int nbColonnes = NombreColonnes(texte.noms);
    const Donnees donnees = LireDonnees(texte.donnees, nbPoints, nbColonnes, travail.hote());
    resultat.ligneArret = donnees.ligneArret;
    resultat.nbLignes = donnees.nbLignes;
    if (donnees.abandonne) {
        resultat.abandonne = true;
        return resultat;
    }
    if (donnees.nbLignes == 0) return resultat;
    if (!texte.configuration.presente) nbPoints = donnees.nbLignes;

    if (table.NbPoint() >= nbPoints)
        travail.DemanderMiseAJour(demande::RedessinerFenetreAvecAxes);
    else
        table.ChangerNbPoints(nbPoints, true);

    const bool afficher = options.afficher && donnees.nbLignes > 1;
    if (afficher)
        resultat.fenetre = ChoisirFenetre(
            travail, options.reinitialiser,
            (options.mode & mode_import::MemeFenetre) ? options.fenetrePrecedente : 0);
    // Without a window of its own, the import speaks to the current window.
    const int fenetre = afficher ? resultat.fenetre : travail.TableDesFenetres().FenetreCourante();
    // Before the columns: their steps name the window's abscissa.
    AppliquerConfiguration(travail, fenetre, texte.configuration);
    if (!(options.mode & mode_import::Ajouter)) table.positionCouleur = 1;

    resultat.colonnes =
        LireEnteteColonnes(travail, texte.noms, texte.unites, texte.pas, afficher, options.mode);
    if (DonneesFenetre* f = travail.TableDesFenetres().Donnees(fenetre))
        f->titreUtilisateur = texte.titre.left(DonneesFenetre::LongueurTitreUtilisateur);
    const std::vector<int>& carte = resultat.colonnes.colonnes;
    for (std::size_t k = 0; k < carte.size(); ++k) {
        TypeId* v = table.Variable(carte[k] < 0 ? -carte[k] : carte[k]);
        if (!v) continue;
        TypeId* nbX = carte[k] < 0
                          ? table.Variable(table.IndexVariable(v->Nom + QStringLiteral("_X")))
                          : nullptr;
        const Colonne& colonne = donnees.colonnes[k];
        for (std::size_t i = 0; i < colonne.size(); ++i) {
            if (!colonne[i]) continue;
            const int point = static_cast<int>(i) + 1;
            if (carte[k] > 0) {
                v->EcrirePoint(point, *colonne[i]);
                v->NbPoints = point;
            } else {
                v->EcrireAbscisse(point, *colonne[i]);
                if (nbX) nbX->NbPoints = point;
            }
        }
    }
    for (const int c : carte) {
        if (c <= 0) continue;
        TypeId* v = table.Variable(c);
        if (!v) continue;
        if (v->NbPoints == 1) {
            // A single value is a scalar.
            const double valeur = v->LirePoint(1);
            const int slot = table.CreerVariable(v->Nom, 1, genre::Acquise);
            if (TypeId* s = table.Variable(slot)) s->EcrirePoint(0, valeur);
        } else {
            v->CalculerStatistiques();
        }
    }
    if (afficher && donnees.ligneArret == 0)
        FixerAxes(travail, fenetre, texte.configuration, nbPoints);
    else if (texte.configuration.presente && travail.TableDesFenetres().Existe(fenetre))
        // An abscissa named by the configuration line but never made falls back to T.
        travail.TableDesFenetres().ResoudreAxes(fenetre, table);
    travail.modifie = true;
    return resultat;
}

} // namespace

QString MessageErreurLectureDonnees() {
    return QCoreApplication::translate("ImportTexte", "ERREUR en lecture de données. Continuer ?");
}

QString MessageLectureArretee(int ligne) {
    return QCoreApplication::translate("ImportTexte",
                                       "Donnée incorrecte à la ligne %1 : lecture arrêtée")
        .arg(ligne);
}

ResultatImportTexte ImporterTexte(Travail& travail, const QString& nom,
                                  const OptionsImportTexte& options) {
    QFile fichier(nom);
    if (!fichier.open(QIODevice::ReadOnly)) {
        ResultatImportTexte r;
        r.code = 3;
        return r;
    }
    const QByteArray octets = fichier.readAll();
    if (fichier.error() != QFileDevice::NoError) {
        ResultatImportTexte r;
        r.code = 1;
        return r;
    }
    fichier.close();
    ResultatImportTexte resultat = Importer(travail, octets, options);
    // A file handed over by another program for this import only.
    if (nom.contains(QStringLiteral("DATA$$$"), Qt::CaseInsensitive)) QFile::remove(nom);
    return resultat;
}

ResultatImportTexte ImporterTexteMemoire(Travail& travail, const QByteArray& bloc,
                                         const OptionsImportTexte& options) {
    return Importer(travail, bloc, options);
}

} // namespace pelavorine
