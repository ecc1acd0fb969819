#include "files/ImportTexte.h"

#include "Hote.h"
#include "Travail.h"
#include "files/ChampsTexte.h"
#include "store/Nombres.h"

#include <QCoreApplication>
#include <QFile>
#include <optional>
#include <vector>

namespace pelavorine {

namespace {

constexpr std::uint16_t kRedessiner = demande::Axes | demande::Cadre | demande::Courbes;
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

// The window's abscissa: the one of the configuration line, else T_EXT when the table has it.
void FixerAbscisse(Travail& travail, int fenetre, const ConfigurationTexte& config, int nbPoints) {
    TableVariables& table = travail.Variables();
    QString nom = config.presente ? config.nomAbscisse : QStringLiteral("T_EXT");
    if (table.NormaliserNom(nom) == QStringLiteral("T")) nom = QStringLiteral("T_EXT");
    if (!table.NomValide(nom)) return;
    int slot = table.IndexVariable(nom);
    if (slot == 0 && !config.presente) return;
    if (slot == 0) slot = table.CreerVariable(nom, nbPoints, genre::Acquise);
    TypeId* x = table.Variable(slot);
    if (!x) return;
    if (config.presente) {
        if (x->NbPoints <= 1 && nbPoints > 1) {
            const double pas = (config.xMax - config.xMin) / (nbPoints - 1);
            for (int i = 1; i <= nbPoints; ++i)
                x->EcrirePoint(i, config.xMin + (i - 1) * pas);
            x->CalculerStatistiques();
        }
        if (!config.uniteAbscisse.isEmpty()) x->Unite = config.uniteAbscisse;
    }
    for (int f = 1; f <= FenetresVariables::NbFenetres; ++f)
        x->AfficherDans(f, false);
    travail.TableDesFenetres().FixerAbscisse(fenetre, x->Nom, slot, x->Unite);
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
        nbPoints = texte.configuration.nbPoints > 0 ? texte.configuration.nbPoints : table.NbPoint();
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
        travail.DemanderMiseAJour(kRedessiner);
    else
        table.ChangerNbPoints(nbPoints, true);

    const bool afficher = options.afficher && donnees.nbLignes > 1;
    if (afficher)
        resultat.fenetre = ChoisirFenetre(travail, options.reinitialiser,
                                          (options.mode & mode_import::MemeFenetre)
                                              ? options.fenetrePrecedente
                                              : 0);
    if (!(options.mode & mode_import::Ajouter)) table.positionCouleur = 1;

    resultat.colonnes = LireEnteteColonnes(travail, texte.noms, texte.unites, texte.pas, afficher,
                                           options.mode);
    const std::vector<int>& carte = resultat.colonnes.colonnes;
    for (std::size_t k = 0; k < carte.size(); ++k) {
        TypeId* v = table.Variable(carte[k] < 0 ? -carte[k] : carte[k]);
        if (!v) continue;
        TypeId* nbX = carte[k] < 0 ? table.Variable(table.IndexVariable(v->Nom + QStringLiteral("_X")))
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
    if (afficher) FixerAbscisse(travail, resultat.fenetre, texte.configuration, nbPoints);
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
