#include "core/acquisition/Acquisition.h"

#include "core/calc/FeuilleCalcul.h"
#include "core/calc/MoteurCalcul.h"
#include "core/interface/CoucheInterface.h"
#include "core/store/CopiesVariables.h"
#include "core/store/Demandes.h"
#include "core/store/Genres.h"
#include "core/store/Hote.h"
#include "core/store/TableVariables.h"
#include "core/store/TypeSortie.h"
#include "core/store/TypeVoie.h"
#include "core/travail/Travail.h"
#include "core/windows/DonneesFenetre.h"
#include "core/windows/TableFenetres.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>

namespace pelavorine {

Acquisition* Acquisition::active_ = nullptr;

namespace {

constexpr int CapteurRapport = 32;
constexpr int NbFenetresCourbes = 8;
// Beyond this duration of a block (µs), a stop asks the library to end the block itself.
constexpr double DureeBlocLong = 2'000'000.0;
// Above this period (µs) the point callback polls the interruption check.
constexpr double PeriodeSondage = 200.0;

bool EstSortie(int slot) {
    return slot >= PELAVORINE_CASE_SORTIE(1) && slot < PELAVORINE_NB_CASES;
}
int SortieDeCase(int slot) {
    return slot - PELAVORINE_CASE_SORTIE(0);
}

// Makes sure the variable has its array of points (arrays are created on first write).
void Allouer(TypeId& v) {
    if (!v.APoints() && v.Capacite() > 0) v.EcrirePoint(0, 0.0);
}

} // namespace

QString MessageErreurAcquisition(int code, double minimale) {
    switch (code) {
    case 0:
        return {};
    case Acquisition::Interrompue:
        return QStringLiteral("ACQUISITION INTERROMPUE.");
    case Acquisition::DureeTropFaible:
        return QStringLiteral("Durée minimale possible de ") + QString::number(minimale) +
               QStringLiteral("µs");
    case Acquisition::RienEnService:
        return QStringLiteral("PAS D'ENTREES ou SORTIES EN SERVICE.");
    case Acquisition::SansCarte:
        return QStringLiteral("PAS DE CARTE D'ACQUISITION EN SERVICE.");
    case Acquisition::TropDePoints:
        return QStringLiteral("TROP DE POINTS A ACQUERIR (Max 32000)\n"
                              "Réduire le nombre de points ou de voies en service");
    default:
        return QStringLiteral("ERREUR LORS DE L'ACQUISITION");
    }
}

Acquisition::Acquisition(Travail& travail, CoucheInterface& couche)
    : travail_(travail), couche_(couche) {
    carteA_.fill(-1);
    carteB_.fill(-1);
}

Acquisition::~Acquisition() {
    // Only a run destroyed from its own hooks can still be the active one.
    if (active_ == this) active_ = nullptr;
}

int Acquisition::Lancer() {
    if (enCours_) return DejaEnCours;
    enCours_ = true;
    struct Fin {
        Acquisition& a;
        bool silencieux, sansProgression, inhibition;
        ~Fin() {
            EtatFeuille& e = a.travail_.Feuille().etat;
            e.silencieux = silencieux;
            e.sansProgression = sansProgression;
            e.inhibitionIgnoree = inhibition;
            a.dansBloc_ = false;
            a.enCours_ = false;
        }
    };
    const EtatFeuille& e = travail_.Feuille().etat;
    Fin fin{*this, e.silencieux, e.sansProgression, e.inhibitionIgnoree};

    erreur_ = 0;
    interrompue_ = false;
    pointsAcquis_ = 0;
    blocsAcquis_ = 0;
    appelsTable_ = 0;
    feuilleExecutee_ = false;
    dureeMinimale_ = 0.0;

    if (const int code = Preparer()) {
        erreur_ = code;
        travail_.hote().Erreur(MessageErreurAcquisition(code));
        return code;
    }
    ConstruireCartes();
    ConstruireJeuFenetres();
    if (comptes_.PasAPas) return PasAPas; // the desk opens the step-by-step acquisition

    travail_.Moteur().numeroRepetition = 1;
    MiseEnPlace();
    Executer();

    std::uint16_t bits = demandesFin_;
    if (feuilleExecutee_) bits &= static_cast<std::uint16_t>(~demande::Feuille);
    if (bits) travail_.DemanderMiseAJour(bits);
    if (pointsAcquis_ > 0) travail_.modifie = true;
    travail_.hote().EffacerInterruption();
    return erreur_;
}

int Acquisition::Preparer() {
    comptes_ = regles::CompterVoies(travail_.Variables());
    if (comptes_.entrees == 0 && comptes_.sortiesPendant == 0 && comptes_.sortiesApres == 0)
        return RienEnService;
    if (couche_.SansSysteme()) {
        if (!comptes_.PasAPas) return SansCarte;
        const TableVariables& t = travail_.Variables();
        for (int n = 0; n <= PELAVORINE_DERNIERE_ENTREE; ++n)
            if (const TypeVoie* v = regles::Entree(t, n); v && regles::EntreeEnService(*v) &&
                                                          v->Etat == TypeVoie::PasAPas &&
                                                          v->Lecture != TypeVoie::LectureClavier)
                return SansCarte;
    }
    return Reussie;
}

void Acquisition::ConstruireCartes() {
    carteA_.fill(-1);
    carteB_.fill(-1);
    TableVariables& t = travail_.Variables();
    for (int n = 0; n <= PELAVORINE_DERNIERE_ENTREE; ++n) {
        const TypeVoie* v = regles::Entree(t, n);
        if (!v || !regles::EntreeEnService(*v)) continue;
        if (v->Etat == TypeVoie::Automatique ||
            (v->Lecture != TypeVoie::LectureClavier && v->Lecture != TypeVoie::LectureFixe))
            carteA_[static_cast<std::size_t>(n)] = static_cast<std::int8_t>(n);
    }
    for (int o = 1; PELAVORINE_CASE_SORTIE(o) < PELAVORINE_NB_CASES; ++o) {
        const TypeSortie* s = regles::Sortie(t, o);
        if (!s || s->Forme == 0) continue;
        const auto slot = static_cast<std::size_t>(PELAVORINE_CASE_SORTIE(o));
        if (s->ModeEmission == 2) carteB_[slot] = static_cast<std::int8_t>(o);
        if (s->ModeEmission != 1) continue;
        carteA_[slot] = static_cast<std::int8_t>(o);
        if (s->Forme == 6) {
            const auto* source = dynamic_cast<const TypeVoie*>(t.Variable(s->CaseSource));
            if (source && source->Numero <= PELAVORINE_DERNIERE_ENTREE &&
                carteA_[source->Numero] >= 0)
                carteA_[slot] =
                    static_cast<std::int8_t>(PELAVORINE_REPETER_ENTREE + source->Numero);
        }
    }
}

void Acquisition::ConstruireJeuFenetres() {
    const TableFenetres& fenetres = travail_.TableDesFenetres();
    const TableVariables& t = travail_.Variables();
    jeuFenetres_ = 0;
    abscisseCalculee_ = false;
    for (int f = 1; f <= NbFenetresCourbes; ++f) {
        if (!fenetres.Existe(f)) continue;
        bool montre = false;
        for (int slot = 0; slot < PELAVORINE_NB_CASES && !montre; ++slot) {
            if (carteA_[static_cast<std::size_t>(slot)] < 0) continue;
            const TypeId* v =
                EstSortie(slot) ? static_cast<const TypeId*>(regles::Sortie(t, SortieDeCase(slot)))
                                : static_cast<const TypeId*>(regles::Entree(t, slot));
            // The windows a channel is assigned to, whether or not it holds points yet.
            montre = v && (v->Fenetres & TableFenetres::Bit(f));
        }
        if (montre) jeuFenetres_ |= TableFenetres::Bit(f);
    }
    const int courante = fenetres.FenetreCourante();
    if (bureau.pleinEcranPossible && std::popcount(jeuFenetres_) > 1 &&
        TableFenetres::Valide(courante) && (jeuFenetres_ & TableFenetres::Bit(courante)))
        jeuFenetres_ = TableFenetres::Bit(courante);
    for (int f = 1; f <= NbFenetresCourbes; ++f) {
        if (!(jeuFenetres_ & TableFenetres::Bit(f))) continue;
        // The scales before the run are kept, as before any change that may be undone.
        if (DonneesFenetre* d = travail_.TableDesFenetres().Donnees(f))
            for (EchelleAxe* e : {&d->echelleX, &d->echelleY}) {
                e->nomSauve = e->nom;
                e->minimumSauve = e->minimum;
                e->maximumSauve = e->maximum;
            }
        const TypeId* x = t.Variable(fenetres.CaseAbscisse(f));
        if (x && (x->Genre & genre::Calculee) && !(x->Genre & genre::Temps))
            abscisseCalculee_ = true;
    }
}

void Acquisition::MiseEnPlace() {
    const ParametresAcquisition& p = travail_.Parametres();
    const bool permanent = p.permanent != 0;
    ConserverPrecedentes();
    couche_.EnvoyerReglages(travail_.Variables());

    demandesBloc_ = 0;
    demandesFin_ = 0;
    typeAffichage_ = permanent ? p.modeAffichage : 0;
    if (comptes_.sortiesApres > 0) {
        typeAffichage_ = std::max(typeAffichage_, 1);
        demandesBloc_ |= demande::EmissionApres;
    }
    if (abscisseCalculee_) typeAffichage_ = std::max(typeAffichage_, 1);

    bool calculApresBloc = false;
    const FeuilleCalcul& feuille = travail_.Feuille();
    if (feuille.FeuilleNonVide() && !(permanent && p.modeCalcul == 2)) {
        if (p.modeCalcul == 1 || typeAffichage_ == 2) {
            demandesFin_ |= demande::Feuille;
        } else {
            demandesBloc_ |= demande::Feuille;
            calculApresBloc = true;
        }
    }

    bool possible =
        typeAffichage_ == 0 || (typeAffichage_ == 1 && !calculApresBloc &&
                                !bureau.fenetreMesureOuverte && (permanent || p.blocs > 1));
    if (bureau.spectreApres || comptes_.sortiesApres > 0) possible = false;

    if (typeAffichage_ == 2) demandesFin_ |= demande::Redessiner;
    if (typeAffichage_ == 1 && !possible) demandesBloc_ |= demande::Redessiner;
    if (possible && bureau.redessinComplet)
        demandesFin_ |= demande::Redessiner;
    else if (typeAffichage_ == 0)
        demandesFin_ |= demande::RedessinerCourbes;

    // Outputs that emit a calculated variable are regenerated from it.
    const TableVariables& t = travail_.Variables();
    for (int o = 1; PELAVORINE_CASE_SORTIE(o) < PELAVORINE_NB_CASES; ++o) {
        const TypeSortie* s = regles::Sortie(t, o);
        if (!s || s->Forme != 6 || s->ModeEmission == 0) continue;
        const TypeId* source = t.Variable(s->CaseSource);
        if (source && (source->Genre & genre::Calculee)) {
            (typeAffichage_ == 1 ? demandesBloc_ : demandesFin_) |= demande::Sorties;
            break;
        }
    }
    if (bureau.spectreApres)
        (t.NbPoint() * p.periode > 1e6 ? demandesBloc_ : demandesFin_) |= demande::Tableur;

    pointParPoint_ = possible && static_cast<bool>(point) && (!dessinParPoint || dessinParPoint());
    sondeEchap_ = pointParPoint_ || p.periode > PeriodeSondage;
    dessinApresBloc_ = typeAffichage_ != 2 || calculApresBloc || comptes_.sortiesApres > 0;
    travail_.hote().LigneInfo(TexteEnCours);
}

void Acquisition::ConserverPrecedentes() {
    if (!travail_.Parametres().garderPrecedentes) return;
    TableVariables& t = travail_.Variables();
    std::vector<int> pleines;
    for (int slot = 1; slot <= t.DerniereCase(); ++slot)
        if (const auto* v = dynamic_cast<const TypeVoie*>(t.Variable(slot));
            v && regles::EntreeEnService(*v) && v->NbPoints > 0)
            pleines.push_back(slot);
    if (pleines.empty()) return;
    if (!travail_.hote().Question(QuestionConserver, true)) return;

    // A suffix whose names are all free: an earlier copy is never overwritten.
    auto nom = [&](int slot, int n) {
        return t.Variable(slot)->Nom.left(9) + QLatin1Char('_') + QString::number(n);
    };
    for (int essais = 0; essais < 255; ++essais) {
        const bool libre = std::none_of(pleines.begin(), pleines.end(), [&](int slot) {
            return t.IndexVariable(nom(slot, compteurCopies_)) != 0;
        });
        if (libre) break;
        compteurCopies_ = compteurCopies_ % 255 + 1;
    }
    for (int slot : pleines) {
        TypeId* v = t.Variable(slot);
        const int copie =
            t.CreerVariable(nom(slot, compteurCopies_), v->Capacite(), genre::Acquise);
        if (copie == 0) continue;
        CopierVariable(t, slot, copie, true, false);
        v->NbPoints = 0;
    }
    compteurCopies_ = compteurCopies_ % 255 + 1;
}

void Acquisition::Executer() {
    TableVariables& t = travail_.Variables();
    const ParametresAcquisition& p = travail_.Parametres();
    if (t.NbPoint() > regles::PointsMaximum) t.ChangerNbPoints(regles::PointsMaximum, true);

    ConstruireCartes();
    const int points = t.NbPoint();
    const TypeId* temps = t.Variable(t.CaseTemps());
    const QString nomTemps = temps ? temps->Nom : QStringLiteral("T");
    for (int n = 0; n <= PELAVORINE_DERNIERE_ENTREE; ++n) {
        if (carteA_[static_cast<std::size_t>(n)] < 0) continue;
        if (TypeVoie* v = regles::Entree(t, n)) {
            v->FixerCapacite(points);
            v->FixerAbscisseLineaire(nomTemps, p.periode * 1e-6, 0.0);
        }
    }
    const bool aCanaux =
        std::any_of(carteA_.begin(), carteA_.end(), [](std::int8_t c) { return c >= 0; });
    if (aCanaux) {
        AcquerirBlocs();
        demandesFin_ |= demande::RedessinerCourbes;
    }
    // The emission after the acquisition (map B) belongs to the output emission; the
    // demande::EmissionApres request tells the desk to run it.
    if (erreur_ != 0) {
        travail_.hote().Erreur(MessageErreurAcquisition(erreur_, dureeMinimale_));
        demandesFin_ |= demande::Redessiner;
    } else if (p.permanent && travail_.Feuille().FeuilleNonVide()) {
        demandesFin_ |= demande::Feuille;
    }
    travail_.hote().LigneInfo(QString());
}

void Acquisition::ConstruireAnneau() {
    TableVariables& t = travail_.Variables();
    const TableFenetres& fenetres = travail_.TableDesFenetres();
    auto estAbscisse = [&](int n) {
        const TypeVoie* v = regles::Entree(t, n);
        if (!v) return false;
        for (int f = 1; f <= TableFenetres::NbFenetres; ++f)
            if (fenetres.Existe(f) && t.Variable(fenetres.CaseAbscisse(f)) == v) return true;
        return false;
    };
    ordre_.clear();
    for (int slot = PELAVORINE_CASE_SORTIE(1); slot < PELAVORINE_NB_CASES; ++slot)
        if (const int c = carteA_[static_cast<std::size_t>(slot)];
            c >= 0 && c < PELAVORINE_REPETER_ENTREE)
            ordre_.push_back(slot);
    for (int pass = 0; pass < 2; ++pass)
        for (int n = 0; n <= PELAVORINE_DERNIERE_ENTREE; ++n)
            if (carteA_[static_cast<std::size_t>(n)] >= 0 && estAbscisse(n) == (pass == 1))
                ordre_.push_back(n);
    for (int slot = PELAVORINE_CASE_SORTIE(1); slot < PELAVORINE_NB_CASES; ++slot)
        if (carteA_[static_cast<std::size_t>(slot)] >= PELAVORINE_REPETER_ENTREE)
            ordre_.push_back(slot);

    TypeSysteme& sys = couche_.Systeme();
    std::fill(std::begin(sys.anneau), std::end(sys.anneau), std::uint8_t{PELAVORINE_HORS_ANNEAU});
    if (ordre_.empty()) return;
    sys.anneau[0] = static_cast<std::uint8_t>(ordre_.front());
    for (std::size_t i = 0; i < ordre_.size(); ++i)
        sys.anneau[ordre_[i] + 1] = static_cast<std::uint8_t>(ordre_[(i + 1) % ordre_.size()]);
}

void Acquisition::PreparerCases(int points) {
    TableVariables& t = travail_.Variables();
    cases_.assign(ordre_.size(), Case{});
    for (std::size_t k = 0; k < ordre_.size(); ++k) {
        Case& c = cases_[k];
        c.slot = ordre_[k];
        const int carte = carteA_[static_cast<std::size_t>(c.slot)];
        if (!EstSortie(c.slot)) {
            c.entree = regles::Entree(t, c.slot);
            if (!c.entree) continue;
            if (c.entree->Capacite() < points) c.entree->FixerCapacite(points);
            Allouer(*c.entree);
            c.valeurs = c.entree->Valeurs().data();
            c.calibre = c.entree->Calibre;
            c.echelle = c.entree->Echelle;
            c.decalage = c.entree->DecalageCapteur;
            c.rapport = c.entree->Capteur == CapteurRapport && c.entree->Numero <= 3;
            continue;
        }
        c.sortie = regles::Sortie(t, SortieDeCase(c.slot));
        if (!c.sortie) continue;
        c.calibre = c.sortie->Calibre;
        if (carte >= PELAVORINE_REPETER_ENTREE) {
            const int n = carte - PELAVORINE_REPETER_ENTREE;
            const auto it = std::find(ordre_.begin(), ordre_.end(), n);
            c.recul = static_cast<int>(k) - static_cast<int>(it - ordre_.begin());
            if (c.sortie->Capacite() < points) c.sortie->FixerCapacite(points);
            Allouer(*c.sortie);
            c.valeurs = c.sortie->Valeurs().data();
        }
    }
}

void Acquisition::ConvertirScan(int scan) {
    const auto& e = couche_.Entrees();
    const std::size_t largeur = cases_.size();
    const std::int16_t* s = tampon_.data() + 1 + static_cast<std::size_t>(scan - 1) * largeur;
    for (std::size_t k = 0; k < largeur; ++k) {
        const Case& c = cases_[k];
        if (!c.valeurs) continue;
        if (c.entree) {
            if (c.rapport) {
                const double base = e.LireEA_Reel(c.entree->Numero, 4);
                c.valeurs[scan] =
                    base != 0.0
                        ? e.LireEA_Reel(static_cast<std::uint8_t>(c.entree->Numero + 4), 4) * 5 *
                              0.001 / base * c.echelle
                        : 0.0;
            } else {
                c.valeurs[scan] = e.BinVoltEA(s[k], c.calibre) * c.echelle + c.decalage;
            }
        } else if (c.recul > 0) {
            c.valeurs[scan] = e.BinVoltSA(s[static_cast<std::ptrdiff_t>(k) - c.recul], c.calibre);
        }
    }
}

void Acquisition::ConvertirTampon(int premier, int dernier) {
    for (int scan = premier; scan <= dernier; ++scan)
        ConvertirScan(scan);
}

void Acquisition::TerminerBloc(int points) {
    for (const Case& c : cases_) {
        TypeId* v = c.entree ? static_cast<TypeId*>(c.entree)
                             : (c.recul > 0 ? static_cast<TypeId*>(c.sortie) : nullptr);
        if (!v) continue;
        v->NbPoints = std::min(points, v->Capacite());
        v->Genre |= genre::Acquise;
        v->CalculerStatistiques();
    }
}

void Acquisition::ExecuterFeuille() {
    FeuilleCalcul& f = travail_.Feuille();
    f.etat.silencieux = true;
    f.etat.sansProgression = true;
    f.etat.inhibitionIgnoree = f.FeuilleInhibee();
    f.ExecuterFeuille(0);
    feuilleExecutee_ = true;
}

bool Acquisition::Arreter() {
    TypeSysteme& sys = couche_.Systeme();
    sys.arret = 1;
    if (sys.blocLong) sys.drapeaux |= PELAVORINE_ARRET_BLOC_LONG;
    return true;
}

void Acquisition::AcquerirBlocs() {
    TypeSysteme& sys = couche_.Systeme();
    const auto& e = couche_.Entrees();
    const ParametresAcquisition& p = travail_.Parametres();
    TableVariables& t = travail_.Variables();
    sys.arret = 0;
    sys.drapeaux &= static_cast<std::uint16_t>(~PELAVORINE_ARRET_BLOC_LONG);
    ConstruireAnneau();
    dureeMinimale_ = couche_.DureeMinimale(comptes_.entrees, comptes_.sortiesPendant,
                                           std::max<int>(p.echantillons, 1));
    if (p.periode < dureeMinimale_) {
        erreur_ = DureeTropFaible;
        return;
    }

    const int points = std::min(t.NbPoint(), regles::PointsMaximum);
    pointsDemandes_ = points;
    const std::size_t largeur = ordre_.size();
    PreparerCases(points);
    tampon_.assign(largeur * static_cast<std::size_t>(points + 1), 0);
    tampon_[0] = static_cast<std::int16_t>(largeur);
    e.ProgrammerSortieVoieEnAcquis(0, 0);
    for (std::size_t k = 0; k < largeur; ++k) {
        const Case& c = cases_[k];
        if (c.recul > 0)
            e.ProgrammerSortieVoieEnAcquis(c.slot, carteA_[static_cast<std::size_t>(c.slot)] -
                                                       PELAVORINE_REPETER_ENTREE);
    }
    for (int s = 1; s <= points; ++s) {
        std::int16_t* scan = tampon_.data() + 1 + static_cast<std::size_t>(s - 1) * largeur;
        for (std::size_t k = 0; k < largeur; ++k) {
            const Case& c = cases_[k];
            if (!c.sortie) continue;
            scan[k] = c.recul > 0
                          ? static_cast<std::int16_t>(-2 * c.recul)
                          : static_cast<std::int16_t>(std::clamp(
                                e.VoltBinSA(c.sortie->LirePoint(s), c.calibre), -32768, 32767));
        }
    }
    sys.tampon = tampon_.data();
    sys.blocLong = p.periode * points > DureeBlocLong ? 1 : 0;

    e.ProgrammerEtatSysteme(PELAVORINE_ELEMENT_TRACE_PAR_POINT,
                            p.permanent && pointParPoint_ ? 1 : 0);
    if (p.sourceDeclenchement < 0)
        e.ProgrammerDeclenchement(PELAVORINE_SOURCE_AUCUNE, 0.0, PELAVORINE_CONDITION_MONTANT);
    else if (p.sourceDeclenchement <= PELAVORINE_DERNIERE_ENTREE)
        e.ProgrammerDeclenchement(p.sourceDeclenchement, p.niveauDeclenchement,
                                  static_cast<int>(p.condition));
    else
        e.ProgrammerDeclenchement(p.sourceDeclenchement, p.bitsDeclenchement,
                                  static_cast<int>(p.condition));
    // The point callback finds this run through active_ while the blocks run, and whatever
    // way they end (a library error, Escape, an exception from a hook) the pointer is given
    // back as it was.
    struct Actif {
        Acquisition* precedent;
        explicit Actif(Acquisition* a) : precedent(std::exchange(active_, a)) {}
        ~Actif() { active_ = precedent; }
        Actif(const Actif&) = delete;
        Actif& operator=(const Actif&) = delete;
    } actif(this);
    e.PreparerAcquisition(points, std::max<int>(p.echantillons, 1), p.periode, carteA_.data(),
                          &Acquisition::RappelPoint);
    travail_.hote().EffacerInterruption();

    const bool permanent = p.permanent != 0;
    const int blocs = std::max<int>(p.blocs, 1);
    int compteur = 1;
    std::int32_t acquis = 0;
    for (int index = 1; (permanent || index <= blocs) && !sys.arret;) {
        travail_.Parametres().compteurBlocs = static_cast<std::int16_t>(compteur);
        dansBloc_ = true;
        if (progression) progression(compteur % 10);
        const int appels = p.inhiberTransitoires ? 3 : 1;
        for (int i = 0; i < appels && largeur > 0; ++i) {
            convertis_ = 0;
            acquis = 0;
            erreur_ = e.AcquerirTable(tampon_.data(), &acquis);
            ++appelsTable_;
            if (erreur_ != 0 || sys.arret) break;
        }
        dansBloc_ = false;
        ++blocsAcquis_;
        const int pointsBloc = std::clamp<int>(acquis, 0, points);
        if (pointsBloc > 0) pointsAcquis_ = pointsBloc;
        if (dessinApresBloc_ && !sys.arret && erreur_ == 0) {
            if (avantRafraichissement) avantRafraichissement();
            if (convertis_ < pointsBloc) ConvertirTampon(convertis_ + 1, pointsBloc);
            convertis_ = std::max(convertis_, pointsBloc);
            TerminerBloc(pointsBloc);
            if (demandesBloc_ & demande::Feuille) ExecuterFeuille();
            if (const auto autres = static_cast<std::uint16_t>(demandesBloc_ & ~demande::Feuille))
                travail_.DemanderMiseAJour(autres);
            if (apresRafraichissement) apresRafraichissement();
        }
        if (travail_.hote().Interrompu()) Arreter();
        // A library error ends the run: repeating the block would repeat the error.
        if (erreur_ != 0) break;
        if (!permanent) ++index;
        compteur = (compteur + 1) % 1000;
        if (comptes_.sortiesApres > 0) ConstruireAnneau();
    }

    if (acquis > 0) {
        if (acquis < points && bip) bip();
        pointsAcquis_ = std::min<int>(acquis, points);
        if (convertis_ < pointsAcquis_) ConvertirTampon(convertis_ + 1, pointsAcquis_);
        TerminerBloc(pointsAcquis_);
    }
    CouperSorties();
    interrompue_ = sys.arret != 0;
    sys.tampon = nullptr;
}

void Acquisition::CouperSorties() {
    const auto ecrire = couche_.Entrees().EcrireSA_Reel;
    if (!ecrire) return;
    const TableVariables& t = travail_.Variables();
    for (int o = 1; PELAVORINE_CASE_SORTIE(o) < PELAVORINE_NB_CASES; ++o)
        if (const TypeSortie* s = regles::Sortie(t, o);
            s && s->Forme != 0 && s->ModeEmission != 0 && s->ValeurApresArret == 1)
            ecrire(static_cast<std::uint8_t>(o), 0.0);
}

void Acquisition::SurPoint(int p) {
    if (pointParPoint_ && p >= 1 && p <= pointsDemandes_) {
        ConvertirScan(p);
        convertis_ = p;
        for (const Case& c : cases_)
            if (c.entree) c.entree->NbPoints = p;
        point(p);
    }
    if (sondeEchap_ && travail_.hote().Interrompu()) Arreter();
}

void Acquisition::RappelPoint(std::int32_t p) {
    if (active_) active_->SurPoint(p);
}

} // namespace pelavorine
