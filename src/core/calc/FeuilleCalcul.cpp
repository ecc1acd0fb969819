#include "core/calc/FeuilleCalcul.h"

#include "core/calc/ErreursCalcul.h"
#include "core/calc/MoteurCalcul.h"
#include "core/store/Demandes.h"
#include "core/store/Genres.h"
#include "core/store/Hote.h"
#include "core/store/Nombres.h"
#include "core/store/ReglagesNombres.h"
#include "core/store/TableVariables.h"
#include "core/store/TypeSortie.h"

#include <QLocale>
#include <QSet>
#include <algorithm>
#include <cmath>

namespace pelavorine {

namespace {

// Genre of a variable calculated by an .INIT block.
constexpr std::uint16_t kGenreInit = genre::Calculee | genre::Repetee;
// Form of an output that emits another variable.
constexpr std::uint8_t kFormeVariable = 6;

QString SansBlancsAuxBouts(const QString& texte) {
    qsizetype debut = 0;
    qsizetype fin = texte.size();
    const auto blanc = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    while (debut < fin && blanc(texte[debut]))
        ++debut;
    while (fin > debut && blanc(texte[fin - 1]))
        --fin;
    return texte.mid(debut, fin - debut);
}

} // namespace

FeuilleCalcul::FeuilleCalcul(TableVariables& variables, Hote& hote, const ReglagesNombres& nombres,
                             MotDemandes& demandes, MoteurCalcul& moteur)
    : variables_(variables), hote_(hote), nombres_(nombres), demandes_(demandes), moteur_(moteur),
      directives_(variables, hote) {
    etat.nbChiffres = std::clamp(nombres.chiffres, 1, 12);
    etat.ingenieur = nombres.ingenieur;
}

// --- Text -------------------------------------------------------------------------------

void FeuilleCalcul::FixerLignes(const QStringList& lignes) {
    lignes_ = lignes;
    resultats_.clear();
    selection_ = {};
    etat.premiereLigne = 0;
    etat.modifie = true;
}

void FeuilleCalcul::ModifierLigne(int i, const QString& texte) {
    if (i < 0) return;
    while (lignes_.size() <= i)
        lignes_.append(QString());
    lignes_[i] = texte;
    LigneEditee(i);
}

void FeuilleCalcul::InsererLigne(int i, const QString& texte) {
    i = std::clamp(i, 0, static_cast<int>(lignes_.size()));
    lignes_.insert(i, texte);
    LigneEditee(i);
}

void FeuilleCalcul::SupprimerLigne(int i) {
    if (i < 0 || i >= lignes_.size()) return;
    lignes_.removeAt(i);
    LigneEditee(i);
}

void FeuilleCalcul::ToutSupprimer() {
    lignes_.clear();
    LigneEditee(0);
}

void FeuilleCalcul::LigneEditee(int i) {
    i = std::max(i, 0);
    if (moteur_.numeroRepetition <= 1)
        EffacerResultats(i);
    else
        BlanchirResultats(i);
    etat.premiereLigne = std::min(etat.premiereLigne, i);
    etat.modifie = true;
}

void FeuilleCalcul::EffacerResultats(int depuis) {
    if (depuis < resultats_.size()) resultats_.resize(std::max(depuis, 0));
}

void FeuilleCalcul::BlanchirResultats(int depuis) {
    for (qsizetype k = std::max(depuis, 0); k < resultats_.size(); ++k)
        resultats_[k].clear();
}

QString FeuilleCalcul::NettoyerLigne(const QString& ligne) {
    QString texte = SansBlancsAuxBouts(ligne);
    for (const QChar debutCommentaire : {QLatin1Char('{'), QLatin1Char(';')}) {
        const qsizetype k = texte.indexOf(debutCommentaire);
        if (k >= 0) texte = SansBlancsAuxBouts(texte.left(k));
    }
    return texte;
}

bool FeuilleCalcul::FeuilleNonVide() const {
    return std::any_of(lignes_.begin(), lignes_.end(), [](const QString& l) {
        const QString t = l.trimmed();
        return !t.isEmpty() && !t.startsWith(QLatin1Char('{'));
    });
}

bool FeuilleCalcul::FeuilleInhibee() const {
    return std::any_of(lignes_.begin(), lignes_.end(), [](const QString& l) {
        return l.trimmed().toUpper().startsWith(QLatin1String(".INHIB"));
    });
}

QString FeuilleCalcul::TexteProgression(int ligne, int nbLignes, int numeroRepetition,
                                        int nombreRepetitions) {
    QString texte = tr(" CALCUL EN COURS : Ligne  ") + QString::number(ligne + 1) +
                    QLatin1Char('/') + QString::number(nbLignes);
    QString repetition;
    if (nombreRepetitions == directive::Permanent)
        repetition = tr(" PERMANENT");
    else if (nombreRepetitions > 1)
        repetition = QLatin1Char(' ') + QString::number(numeroRepetition) + QLatin1Char('/') +
                     QString::number(nombreRepetitions);
    texte.insert(std::min<qsizetype>(7, texte.size()), repetition); // just after " CALCUL"
    texte += tr("         <ESC> pour interrompre....");
    return texte.left(LongueurProgression);
}

// --- Names assigned by lines ----------------------------------------------------------------

QString FeuilleCalcul::NomAssigne(const QString& ligneNettoyee) {
    if (ligneNettoyee.startsWith(QLatin1Char('.'))) return {};
    const qsizetype egal = ligneNettoyee.indexOf(QLatin1Char('='));
    if (egal <= 0) return {};
    // The engine removes the spaces before it reads the name.
    QString nom = ligneNettoyee.left(egal);
    nom.remove(QLatin1Char(' '));
    // RESEAU.NAME and its abbreviations RES., RESE., RESEA. name the variable NAME.
    const qsizetype point = nom.indexOf(QLatin1Char('.'));
    if (point >= 3 && point <= 6 &&
        nom.left(point).toUpper() == QStringLiteral("RESEAU").left(point))
        nom = nom.mid(point + 1);
    return nom;
}

int FeuilleCalcul::CaseAssignee(const QString& ligne) const {
    const TableVariables& table = variables_;
    const QString nom = NomAssigne(NettoyerLigne(ligne));
    if (nom.isEmpty() || !table.NomValide(nom)) return 0;
    return table.IndexVariable(nom);
}

bool FeuilleCalcul::RecalculComplet() const {
    const TableVariables& table = variables_;
    QSet<QString> vus;
    for (const QString& ligne : lignes_) {
        const QString nom = NomAssigne(NettoyerLigne(ligne));
        if (nom.isEmpty() || !table.NomValide(nom)) continue;
        const QString normalise = table.NormaliserNom(nom);
        if (vus.contains(normalise)) return true;
        vus.insert(normalise);
        const TypeId* v = table.Variable(table.IndexVariable(nom));
        if (v && v->Genre == genre::Acquise) return true;
    }
    return false;
}

// --- The pass ---------------------------------------------------------------------------

void FeuilleCalcul::MarquerPerimees() {
    TableVariables& table = variables_;
    const bool repetitionSuivante = moteur_.numeroRepetition > 1;
    for (int slot = table.PremiereCaseLibre(); slot <= table.DerniereCase(); ++slot) {
        TypeId* v = table.Variable(slot);
        if (!v || !(v->Genre & genre::Calculee)) continue;
        if (repetitionSuivante &&
            ((v->Genre & genre::Reseau) || (v->Genre & kGenreInit) == kGenreInit))
            continue;
        v->Genre |= genre::Temporaire;
    }
}

void FeuilleCalcul::ReprendreAvant(int premiereLigne) {
    TableVariables& table = variables_;
    for (int i = 0; i < premiereLigne; ++i)
        if (TypeId* v = table.Variable(CaseAssignee(lignes_[i]))) v->Genre &= ~genre::Temporaire;
}

void FeuilleCalcul::ExecuterFeuille(int premiereLigne) {
    if (etat.occupe) return;
    TableVariables& table = variables_;
    Hote& hote = hote_;
    const int nbLignes = static_cast<int>(lignes_.size());
    const int premiere = std::clamp(premiereLigne, 0, nbLignes);

    etat.occupe = true;
    demandes_.Effacer(demande::Feuille);
    etat.premiereLigne = premiere;
    if (etat.drapeaux & drapeauFeuille::SansRedessin)
        etat.drapeaux &= ~drapeauFeuille::RedessinerApres;
    else
        etat.drapeaux |= drapeauFeuille::RedessinerApres;
    etat.statut = 0;
    etat.colonneErreur = 0;
    etat.message.clear();
    selection_ = {};
    etat.initVu = etat.blocInit = false;
    moteur_.niveauLangage = 0;

    MarquerPerimees();
    ReprendreAvant(premiere);
    moteur_.ReinitialiserModes();

    bool interrompu = false;
    if (nbLignes == 0) {
        resultats_.clear();
    } else {
        if (moteur_.numeroRepetition <= 1)
            EffacerResultats(premiere);
        else
            BlanchirResultats(etat.ligneBoucle);
        // The lines before the first .REPETER form an .INIT block.
        etat.initVu = true;
        if (moteur_.numeroRepetition <= 1)
            etat.blocInit = true;
        else
            etat.statut = directive::Init;

        for (int i = 0; i < nbLignes; ++i) {
            hote.EffacerInterruption();
            const QString ligne = NettoyerLigne(lignes_[i]);
            if (ligne.isEmpty()) continue;
            if (!etat.sansProgression)
                hote.LigneInfo(TexteProgression(i, nbLignes, moteur_.numeroRepetition,
                                                moteur_.nombreRepetitions));
            etat.enExecution = true;
            int cible = 0;
            if (ligne.startsWith(QLatin1Char('.'))) {
                AppliquerDirective(i, ligne);
            } else if (i >= premiere && (etat.statut == 0 || etat.statut == erreur::Interruption)) {
                const MoteurCalcul::Resultat r = moteur_.EvaluerFormule(ligne);
                if (r.code != 0) {
                    etat.statut = r.code;
                    etat.colonneErreur = r.colonne;
                } else {
                    cible = r.cible;
                    TypeId* v = table.Variable(cible);
                    if (etat.blocInit && v && (v->Genre & genre::Calculee)) v->Genre |= kGenreInit;
                }
            }

            if (etat.statut > 0 ||
                (etat.statut == directive::Inhibition && !etat.inhibitionIgnoree)) {
                if (etat.statut > 0) AfficherErreurFeuille(i, etat.colonneErreur);
                moteur_.nombreRepetitions = 1;
                if (etat.statut != directive::Inhibition) demandes_.Effacer(demande::Courbes);
                // The pass ends here; an Escape pressed meanwhile does not hide the error.
                break;
            }

            if (hote.Interrompu()) etat.statut = erreur::Interruption;
            if (etat.statut == erreur::Interruption && !interrompu) {
                interrompu = true;
                const bool repete = moteur_.nombreRepetitions > 1;
                if (!etat.silencieux)
                    hote.Erreur(repete ? tr("Interruption enregistrée. Arrêt en fin de boucle")
                                       : tr("Interruption des calculs par utilisateur"));
                moteur_.nombreRepetitions = 1;
                etat.drapeaux = 0;
                if (!repete) break;
            }

            if (cible != 0 && i >= premiere && etat.statut == 0) EcrireResultat(i, cible);
        }
    }

    etat.enExecution = false;
    if (interrompu) moteur_.nombreRepetitions = 0;
    if (etat.statut == directive::Arret) etat.statut = 0;
    // After an interruption a line may have been left half computed: nothing is deleted.
    if (etat.statut == 0 && !interrompu)
        table.SupprimerGenre(table.PremiereCaseLibre(), genre::Temporaire);
    if (etat.statut < 0) etat.statut = 0;
    etat.occupe = false;

    if (etat.silencieux) return;
    if (etat.statut == 0) {
        ++moteur_.numeroRepetition;
        RafraichirSorties();
        etat.premiereLigne = nbLignes;
    }
    hote.LigneInfo(QString());
    etat.inhibitionIgnoree = false;
    std::uint16_t demandes = 0xC1;
    if (etat.statut == 0 && (etat.drapeaux & drapeauFeuille::RedessinerApres)) {
        demandes = 0xEB;
        if (fourierSelectionnee && fourierSelectionnee()) demandes |= demande::Fourier;
    }
    demandes_.Demander(demandes);
    if (etat.drapeaux & drapeauFeuille::EffacerCadre) demandes_.Effacer(demande::Cadre);
    etat.drapeaux = 0;
    etat.modifie = false;
}

void FeuilleCalcul::AppliquerDirective(int ligne, const QString& texte) {
    const int precedent = etat.statut;
    ModesCalcul modes{moteur_.nombreRepetitions, moteur_.degres, moteur_.modeAtan};
    const Directives::Resultat r = directives_.ExecuterDirective(texte, precedent, modes);
    moteur_.nombreRepetitions = modes.nombreRepetitions;
    moteur_.degres = modes.degres;
    moteur_.modeAtan = modes.modeAtan;

    const int resultat = r.resultat;
    if (precedent == directive::Arret && resultat != directive::Marche) return;
    switch (resultat) {
    case directive::Marche:
        etat.statut = 0;
        break;
    case directive::Init:
        etat.initVu = true;
        if (moteur_.numeroRepetition <= 1) {
            etat.statut = 0;
            etat.blocInit = true;
        } else {
            etat.statut = directive::Init;
        }
        break;
    case directive::Boucle:
        etat.blocInit = false;
        etat.ligneBoucle = ligne;
        etat.statut = 0;
        break;
    case directive::Inhibition:
        etat.statut =
            etat.inhibitionIgnoree && precedent != directive::Init ? 0 : directive::Inhibition;
        break;
    case directive::Perimee:
        etat.statut = erreur::DirectivePerimee;
        etat.colonneErreur = r.position;
        break;
    case directive::Incorrecte:
        etat.statut = erreur::Directive;
        etat.colonneErreur = r.position;
        break;
    default:
        if (resultat < 0) etat.statut = resultat;
        break;
    }

    Hote& hote = hote_;
    if (resultat < 0 || etat.fenetreActive || hote.Interrompu()) return;
    if (resultat & directive::Afficher) {
        if (afficherCourbes) afficherCourbes();
        etat.drapeaux &= ~drapeauFeuille::RedessinerApres;
    }
    if (resultat & directive::Emettre) {
        if (emettreSorties) emettreSorties();
        demandes_.Demander(demande::Courbes);
    }
    // No box while an acquisition runs.
    if ((resultat & directive::Pause) && !etat.silencieux && !hote.Question(tr("Continuer"))) {
        moteur_.nombreRepetitions = 1;
        etat.drapeaux = drapeauFeuille::ArretFinBoucle;
    }
}

void FeuilleCalcul::EcrireResultat(int ligne, int slot) {
    TypeId* v = variables_.Variable(slot);
    if (!v) return;
    QString texte;
    if (v->Capacite() < 2) {
        const double x = v->LirePoint(0);
        ReglagesNombres reglages = nombres_;
        reglages.ingenieur = etat.ingenieur;
        texte = std::fabs(x) >= MoteurCalcul::Infini
                    ? TexteInfini(x < 0)
                    : TexteValeurUnite(reglages, -etat.nbChiffres, QString(), 0, x);
    } else {
        texte = QStringLiteral(" Table[") + QString::number(v->NbPoints) + QLatin1Char(']');
    }
    v->Genre &= ~genre::Temporaire;

    if (moteur_.numeroRepetition <= 1) {
        while (resultats_.size() < ligne)
            resultats_.append(QString());
        if (resultats_.size() == ligne)
            resultats_.append(texte);
        else
            resultats_[ligne] = texte;
    } else if (ligne < resultats_.size()) {
        resultats_[ligne] = texte;
    }
}

void FeuilleCalcul::RafraichirSorties() {
    TableVariables& table = variables_;
    for (int slot = 1; slot <= table.DerniereCase(); ++slot)
        if (auto* s = dynamic_cast<TypeSortie*>(table.Variable(slot)))
            if (s->Forme == kFormeVariable) s->ARegenerer = true;
}

// --- The command ------------------------------------------------------------------------

void FeuilleCalcul::LancerFeuille(int premiereLigne) {
    if (etat.occupe || lancement_) return;
    if (lignes_.isEmpty() && !etat.modifie) return;
    lancement_ = true;
    if (etat.modifie) moteur_.numeroRepetition = 1;

    const int nbLignes = static_cast<int>(lignes_.size());
    int premiere = std::max(premiereLigne, 0);
    if (etat.fenetreActive) {
        etat.inhibitionIgnoree = true;
        if (moteur_.nombreRepetitions < moteur_.numeroRepetition || premiere == 0)
            moteur_.nombreRepetitions = moteur_.numeroRepetition = 1;
        if (premiere >= nbLignes - 1 || moteur_.nombreRepetitions > 1) premiere = 0;
    } else {
        premiere = 0;
        moteur_.numeroRepetition = moteur_.nombreRepetitions = 1;
    }
    // A line that writes over acquired data, or a name assigned twice, makes the lines
    // before the edit depend on what follows: everything is recomputed.
    if (premiere > 0 && RecalculComplet()) premiere = 0;

    int passes = 0;
    bool premierePasse = true;
    for (;;) {
        ExecuterFeuille(premiere);
        if (premierePasse) {
            demandes_.Effacer(demande::Sorties | demande::Axes);
            premierePasse = false;
        }
        if (moteur_.nombreRepetitions != directive::Permanent) ++passes;
        if (etat.fenetreActive || passes >= moteur_.nombreRepetitions || etat.statut != 0) break;
        if ((demandes_.Bits() & demande::Courbes) && afficherCourbes) {
            afficherCourbes();
            demandes_.Effacer(demande::Courbes);
        }
    }

    demandes_.Demander(demande::Sorties | demande::Tableur);
    lancement_ = false;
}

// --- Errors -----------------------------------------------------------------------------

void FeuilleCalcul::AfficherErreurFeuille(int ligne, int colonne) {
    etat.ligneErreur = ligne;
    EffacerResultats(ligne);
    const QString message = TexteErreurCalcul(etat.statut, variables_.NbPoint());
    etat.message = message.left(LongueurMessage);
    if (!etat.fenetreActive) {
        if (!etat.silencieux) hote_.Erreur(tr("ERREUR DE CALCUL : ") + message);
        return;
    }
    if (ligne < 0 || ligne >= lignes_.size()) return;
    selection_ = MotFautif(lignes_[ligne], colonne);
    selection_.ligne = ligne;
}

// --- Window settings --------------------------------------------------------------------

void FeuilleCalcul::ChangerNbChiffres(int n) {
    n = std::clamp(n, 1, 12);
    if (n == etat.nbChiffres) return;
    etat.nbChiffres = n;
    LancerFeuille(0);
}

void FeuilleCalcul::ChangerIngenieur(bool ingenieur) {
    if (ingenieur == etat.ingenieur) return;
    etat.ingenieur = ingenieur;
    LancerFeuille(0);
}

QString FeuilleCalcul::TitrePoints() {
    return tr("Définir le nombre de points");
}

QString FeuilleCalcul::InvitePoints() {
    return tr("Nb de points (2 à ") + QString::number(MaxPoints) + QLatin1Char(')');
}

FeuilleCalcul::SaisiePoints FeuilleCalcul::ValiderNbPoints(const QString& texte) {
    bool correct = false;
    const int n = QLocale::c().toInt(texte.trimmed(), &correct);
    if (!correct || n < MinPoints || n > MaxPoints)
        return {0, tr(" Valeur incorecte ou hors limites")};
    return {n, {}};
}

bool FeuilleCalcul::ChangerNbPoints(int n) {
    TableVariables& table = variables_;
    if (n < MinPoints || n > MaxPoints || n == table.NbPoint()) return false;
    table.ChangerNbPoints(n, true);
    LancerFeuille(0);
    return true;
}

} // namespace pelavorine
