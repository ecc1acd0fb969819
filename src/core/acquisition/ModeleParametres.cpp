#include "core/acquisition/ModeleParametres.h"

#include "core/acquisition/ReglesParametres.h"
#include "core/interface/CoucheInterface.h"
#include "core/store/Demandes.h"
#include "core/store/Genres.h"
#include "core/store/ListeVariables.h"
#include "core/store/TableVariables.h"
#include "core/store/TypeSortie.h"
#include "core/store/TypeVoie.h"
#include "core/texte/CodageTexte.h"
#include "core/travail/Travail.h"
#include "core/windows/CommandesEchelles.h"
#include "core/windows/Echelles.h"
#include "core/windows/TableFenetres.h"

#include <algorithm>
#include <cmath>

namespace pelavorine {

namespace {

constexpr int kLongueurUnite = 10;
// The last port whose trigger source stays below the external synchronisation's.
constexpr int kDernierPort = PELAVORINE_SOURCE_SYNCHRO_EXTERNE - PELAVORINE_SOURCE_PORT(1);
// Polar windows only use the screen width; the model has no screen.
constexpr int kLargeurEcran = 1024;
const QString kSeuleLaPremiere = QStringLiteral("Seule la 1ére entrée active est utilisable");

QString Texte(const char* texte) {
    return texte ? codage::DepuisWindows1252(QByteArray(texte)) : QString();
}

bool Fini(double v) {
    return std::isfinite(v);
}

// A number that means "no bound" reads as infinity.
QString TexteBorne(double v) {
    if (std::isnan(v)) return QStringLiteral("?");
    if (std::abs(v) >= LimiteEchelle)
        return v < 0 ? QStringLiteral("-Infini") : QStringLiteral("+Infini");
    return QString::number(v);
}

QString TexteGenre(std::uint16_t g) {
    if (g & genre::Sortie) return QStringLiteral("Sortie");
    if (g & genre::Entree) return QStringLiteral("Entrée");
    if (g & genre::Spectre) return QStringLiteral("Spectre");
    if (g & genre::Acquise) return QStringLiteral("Acquise");
    if (g & genre::Calculee) return QStringLiteral("Calculée");
    return QStringLiteral("Saisie");
}

QStringList Libelles(const PointsEntree& e, int type, int index) {
    QStringList l;
    if (!e.LireInfos) return l;
    for (int k = 1; k <= 255; ++k) {
        const QString t = Texte(e.LireInfos(type, index, k));
        if (t.isEmpty()) break;
        l << t;
    }
    return l;
}

} // namespace

ModeleParametres::ModeleParametres(Travail& travail, CoucheInterface& couche)
    : travail_(travail), couche_(couche), copies_(travail) {}

ModeleParametres::~ModeleParametres() = default;

bool ModeleParametres::SansSysteme() const {
    return couche_.SansSysteme();
}

// --- Copies ---

void ModeleParametres::Noter(int slot) {
    copies_.Noter(slot);
}

void ModeleParametres::NoterEntrees() {
    // The mode and calibre rules may change every input, not only the one shown.
    const TableVariables& t = travail_.Variables();
    for (int slot = 1; slot <= t.DerniereCase(); ++slot)
        if (dynamic_cast<const TypeVoie*>(t.Variable(slot))) copies_.NoterPremier(slot);
}

void ModeleParametres::Demander(std::uint16_t bits) {
    demandes_ |= bits;
    travail_.DemanderMiseAJour(bits);
}

void ModeleParametres::Suivre(const std::function<void()>& regle) {
    const std::uint16_t avant = travail_.Demandes();
    travail_.EffacerDemandes(demande::Toutes);
    regle();
    const std::uint16_t nouvelles = travail_.Demandes();
    travail_.DemanderMiseAJour(avant);
    demandes_ |= nouvelles;
}

void ModeleParametres::RenommerReferences(const std::map<QString, QString>& noms) {
    if (noms.empty()) return;
    // All names at once: two variables that swapped names must not end on the same one.
    const auto suivre = [&noms](QString& nom) {
        const auto n = noms.find(nom);
        if (n == noms.end()) return false;
        nom = n->second;
        return true;
    };
    TableFenetres& fenetres = travail_.TableDesFenetres();
    for (int k = 1; k <= FenetresVariables::NbFenetres; ++k) {
        DonneesFenetre* f = fenetres.Donnees(k);
        if (!f) continue;
        suivre(f->abscisse.nom);
        for (EchelleAxe* e : {&f->echelleX, &f->echelleY}) {
            suivre(e->nom);
            suivre(e->nomSauve);
        }
        for (PileEchelles* pile : {&f->pileLoupe, &f->pileCalibrage})
            for (PaireEchelles& paire : pile->Entrees())
                for (EchelleAxe* e : {&paire.x, &paire.y}) {
                    suivre(e->nom);
                    suivre(e->nomSauve);
                }
    }
    TableVariables& t = travail_.Variables();
    for (int slot = 1; slot <= t.DerniereCase(); ++slot)
        if (TypeId* v = t.Variable(slot)) suivre(v->NomAbscisse);
}

void ModeleParametres::Restaurer(int slot) {
    const TypeId* v = travail_.Variables().Variable(slot);
    if (!v) return;
    const QString ancien = v->Nom;
    const std::uint16_t bits = copies_.Restaurer(slot);
    if (!bits) return;
    if (ancien != v->Nom) RenommerReferences({{ancien, v->Nom}});
    Demander(bits);
}

void ModeleParametres::Annuler() {
    TableVariables& t = travail_.Variables();
    const int nbPoints = copies_.NbPoints();
    if (t.NbPoint() != nbPoints) Suivre([&] { regles::AppliquerNbPoints(travail_, nbPoints); });

    std::map<QString, QString> noms;
    const std::uint16_t bits = demande::RedessinerAvecAxes | copies_.RemettreVariables(noms);

    ParametresAcquisition& p = travail_.Parametres();
    const ParametresAcquisition& avant = copies_.Parametres();
    if (p.periode != avant.periode)
        Suivre([&] { regles::AppliquerPeriode(travail_, avant.periode); });
    const bool differentiel = p.differentiel != avant.differentiel;
    p = avant;
    const auto& e = couche_.Entrees();
    if (differentiel && !couche_.SansSysteme() && e.ProgrammerEtatSysteme)
        e.ProgrammerEtatSysteme(PELAVORINE_ELEMENT_DIFFERENTIEL, p.differentiel);

    copies_.RemettreFenetres();
    // Last: a window copied after a rename holds the new name, which goes back too.
    RenommerReferences(noms);

    copies_.Repartir();
    travail_.DemanderMiseAJour(bits);
    demandes_ = 0;
}

std::uint16_t ModeleParametres::Valider() {
    // What was kept is the state a later cancel goes back to.
    copies_.Repartir();
    const std::uint16_t d = demandes_;
    demandes_ = 0;
    return d;
}

// --- The user's edits ---

ModeleParametres::Remplissage::Remplissage(ModeleParametres& modele, Genre genre)
    : drapeau_(genre == Chargement ? modele.chargement_ : modele.calcul_), avant_(drapeau_) {
    drapeau_ = true;
}

ModeleParametres::Remplissage::~Remplissage() {
    drapeau_ = avant_;
}

bool ModeleParametres::NoterModification() {
    if (chargement_) return false;
    modifie_ = true;
    return true;
}

// --- Names ---

QString ModeleParametres::VerifierNom(const QString& nom, int slot) const {
    const TableVariables& t = travail_.Variables();
    const QString n = nom.trimmed();
    if (n.size() > TableVariables::LongueurNom || !t.NomValide(n)) return NomIncorrect;
    const int autre = t.IndexVariable(n);
    if (autre != 0 && autre != slot) return NomDejaUtilise;
    return {};
}

void ModeleParametres::Renommer(int slot, const QString& nom) {
    TypeId* v = travail_.Variables().Variable(slot);
    if (!v) return;
    const QString nouveau = codage::FormeCanonique(nom.trimmed());
    if (nouveau == v->Nom) return;
    const QString ancien = v->Nom;
    v->Nom = nouveau;
    RenommerReferences({{ancien, nouveau}});
}

// --- "Entrées" ---

std::vector<int> ModeleParametres::EntreesOffertes() const {
    std::vector<int> n;
    const TableVariables& t = travail_.Variables();
    const auto ok = couche_.Entrees().OkEtatSysteme;
    const bool consecutives =
        !couche_.SansSysteme() && ok && ok(PELAVORINE_ETAT_ENTREES_CONSECUTIVES);
    for (int e = couche_.PremiereEntree(); e <= couche_.DerniereEntree(); ++e) {
        const TypeVoie* v = regles::Entree(t, e);
        if (!v) continue;
        n.push_back(e);
        // The first inactive input keeps its button so that it can be made active again.
        if (consecutives && !regles::EntreeEnService(*v)) break;
    }
    return n;
}

QString ModeleParametres::LibelleEntree(int numero) const {
    const DescriptionVoies d = couche_.Description();
    const QString nom = d.nomsEntrees.value(numero - d.premiereEntree);
    return nom.isEmpty() ? QString::number(numero) : nom.mid(2);
}

QStringList ModeleParametres::Calibres(int entree) const {
    return couche_.SansSysteme()
               ? QStringList{}
               : Libelles(couche_.Entrees(), PELAVORINE_INFO_CALIBRE_ENTREE, entree);
}

QStringList ModeleParametres::Gains(int entree) const {
    return couche_.SansSysteme() ? QStringList{}
                                 : Libelles(couche_.Entrees(), PELAVORINE_INFO_GAIN, entree);
}

std::vector<std::pair<QString, std::uint8_t>> ModeleParametres::Lectures() const {
    if (couche_.SansSysteme()) return {{QStringLiteral("Clavier"), TypeVoie::LectureClavier}};
    return {{QStringLiteral("Instantanée"), 0}, {QStringLiteral("Minimum"), 1},
            {QStringLiteral("Maximum"), 2},     {QStringLiteral("Moyenne"), 3},
            {QStringLiteral("Clavier"), 4},     {QStringLiteral("Fixe"), 5}};
}

QStringList ModeleParametres::Capteurs() const {
    return {SansCapteur};
}

ModeleParametres::Entree ModeleParametres::LireEntree(int numero) const {
    Entree e;
    const TypeVoie* v = regles::Entree(travail_.Variables(), numero);
    if (!v) return e;
    e.nom = v->Nom;
    e.unite = v->Unite;
    e.style = v->Style;
    e.couleur = v->Couleur;
    e.fenetres = v->Fenetres;
    e.mode = v->Capteur == 255 ? std::uint8_t{TypeVoie::Inactif} : v->Etat;
    e.lecture = v->Lecture;
    e.calibre = v->Calibre;
    e.gain = v->Gain;
    e.capteur = v->Capteur;
    e.echelle = v->Echelle;
    e.decalage = v->DecalageCapteur;
    return e;
}

void ModeleParametres::AppliquerAffichage(TypeId& v, const QString& unite, std::uint8_t style,
                                          std::int32_t couleur, std::uint32_t fenetres) {
    v.Unite = unite.trimmed().left(kLongueurUnite);
    v.Style = style;
    v.Couleur = couleur;
    v.FixerFenetres(fenetres & 0xFFFF);
}

QString ModeleParametres::AppliquerEntree(int numero, const Entree& e) {
    TableVariables& t = travail_.Variables();
    TypeVoie* v = regles::Entree(t, numero);
    if (!v) return NomIncorrect;
    const int slot = t.CaseDe(v);
    if (QString refus = VerifierNom(e.nom, slot); !refus.isEmpty()) return refus;

    NoterEntrees();
    Renommer(slot, e.nom);
    AppliquerAffichage(*v, e.unite, e.style, e.couleur, e.fenetres);

    if (v->Capteur == 255) {
        // Inhibited by an automatic sensor assignment: no hardware setting is taken.
        regles::FixerModeEntree(t, couche_, numero, TypeVoie::Inactif);
    } else {
        if (!couche_.SansSysteme()) {
            // A zero scale would make every physical value the offset, and no level typed
            // could be converted back to volts.
            if (Fini(e.echelle) && e.echelle != 0.0) v->Echelle = e.echelle;
            if (Fini(e.decalage)) v->DecalageCapteur = e.decalage;
            if (e.calibre != v->Calibre) couche_.FixerCalibreEntree(t, numero, e.calibre);
            if (e.gain >= 1) v->Gain = e.gain;
        }
        if (e.mode == TypeVoie::PasAPas && e.lecture <= TypeVoie::LectureFixe)
            v->Lecture = e.lecture;
        regles::FixerModeEntree(t, couche_, numero, e.mode);
    }
    // The system line counts the channels in service.
    Demander(demande::RedessinerAvecAxes | demande::ReglagesVoies | demande::Intervalle);
    return {};
}

// --- "Acquis" ---

QStringList ModeleParametres::Unites() {
    return {QStringLiteral(" µs"), QStringLiteral(" ms"), QStringLiteral(" s"),
            QStringLiteral(" min")};
}

namespace {
double Facteur(int unite) {
    switch (unite) {
    case 2:
        return 1e3;
    case 3:
        return 1e6;
    case 4:
        return 60e6;
    default:
        return 1.0;
    }
}
} // namespace

double ModeleParametres::EnMicrosecondes(double valeur, int unite) {
    return valeur * Facteur(unite);
}

double ModeleParametres::DepuisMicrosecondes(double microsecondes, int unite) {
    return microsecondes / Facteur(unite);
}

ModeleParametres::Acquis ModeleParametres::LireAcquis() const {
    const ParametresAcquisition& p = travail_.Parametres();
    Acquis a;
    a.points = travail_.Variables().NbPoint();
    a.periode = p.periode;
    a.unitePeriode = static_cast<std::uint8_t>(std::clamp<int>(p.unitePeriode, 1, 4));
    const double total = a.points * a.periode;
    a.uniteTotale = total >= 60e6 ? 4 : total >= 1e6 ? 3 : total >= 1e3 ? 2 : 1;
    a.echantillons = p.echantillons;
    a.permanent = p.permanent != 0;
    a.inhiberAffichage = p.modeAffichage == 2;
    a.inhiberCalculs = p.modeCalcul == 2;
    a.differentiel = p.differentiel != 0;
    a.inhiberTransitoires = p.inhiberTransitoires != 0;
    a.ajouter = p.garderPrecedentes != 0;
    a.source = p.sourceDeclenchement;
    const int condition = static_cast<int>(p.condition);
    a.indexCondition =
        std::clamp(SourcePort(a.source) ? condition - PELAVORINE_CONDITION_ETAT0 : condition, 0, 1);
    const TypeVoie* voie =
        SourceEntree(a.source) ? regles::Entree(travail_.Variables(), a.source) : nullptr;
    a.niveau = QString::number(voie ? regles::NiveauPhysique(*voie, p.niveauDeclenchement)
                                    : p.niveauDeclenchement);
    a.bits = p.bitsDeclenchement;
    return a;
}

ModeleParametres::Acquis ModeleParametres::ChargerAcquis() {
    const Acquis a = LireAcquis();
    periodeUs_ = a.periode;
    return a;
}

bool ModeleParametres::SaisirPeriode(double periode, int echantillons) {
    periodeUs_ = PeriodeLimitee(periode, echantillons);
    return periodeUs_ == periode;
}

bool ModeleParametres::SaisirTotale(double totale, int points, int echantillons) {
    return SaisirPeriode(totale / std::max(points, 1), echantillons);
}

bool ModeleParametres::SaisirEchantillons(int echantillons) {
    return SaisirPeriode(periodeUs_, echantillons);
}

void ModeleParametres::AppliquerAcquis(const Acquis& a) {
    TableVariables& t = travail_.Variables();
    ParametresAcquisition& p = travail_.Parametres();

    const int points = std::clamp(a.points, 1, regles::PointsMaximum);
    if (points != t.NbPoint()) {
        // Shrinking truncates the tables: the cancel must find their points.
        for (int slot = t.CaseTemps() + 1; slot <= t.DerniereCase(); ++slot)
            if (const TypeId* v = t.Variable(slot); v && v->EstTable()) copies_.NoterPremier(slot);
        Suivre([&] { regles::AppliquerNbPoints(travail_, points); });
    }

    const int echantillons = std::clamp(a.echantillons, 1, regles::EchantillonsMaximum);
    p.echantillons = static_cast<std::uint8_t>(echantillons);
    if (Fini(a.periode)) {
        const double periode = PeriodeLimitee(a.periode, echantillons);
        if (periode != p.periode) Suivre([&] { regles::AppliquerPeriode(travail_, periode); });
    }
    p.unitePeriode = static_cast<std::uint8_t>(std::clamp<int>(a.unitePeriode, 1, 4));
    p.garderPrecedentes = a.ajouter ? 1 : 0;
    p.differentiel = a.differentiel ? 1 : 0;
    const auto& e = couche_.Entrees();
    if (!couche_.SansSysteme() && e.ProgrammerEtatSysteme)
        e.ProgrammerEtatSysteme(PELAVORINE_ELEMENT_DIFFERENTIEL, p.differentiel);
    p.permanent = a.permanent ? 1 : 0;
    p.inhiberTransitoires = a.inhiberTransitoires ? 1 : 0;
    p.modeAffichage = a.permanent && a.inhiberAffichage ? 2 : 0;
    p.modeCalcul = a.permanent && a.inhiberCalculs ? 2 : 0;

    // A source the list does not offer (an input made inactive meanwhile) is not taken.
    const std::vector<Source> sources = Sources();
    const bool offerte = std::any_of(sources.begin(), sources.end(),
                                     [&a](const Source& s) { return s.source == a.source; });
    if (offerte)
        regles::AppliquerDeclenchement(travail_, couche_, a.source, a.indexCondition,
                                       regles::LireNiveau(a.niveau), a.bits);
}

double ModeleParametres::PeriodeMinimale(int echantillons) const {
    return regles::PeriodeMinimale(couche_, regles::CompterVoies(travail_.Variables()),
                                   echantillons);
}

QString ModeleParametres::IndicationPeriode(int echantillons) const {
    return QStringLiteral("LIMITES : ") + QString::number(PeriodeMinimale(echantillons), 'f', 3) +
           QStringLiteral("µs...10 min");
}

QString ModeleParametres::IndicationTotale(int points, int echantillons, int unite) const {
    const int u = std::clamp(unite, 1, 4);
    const double minimum = points * PeriodeMinimale(echantillons);
    return QStringLiteral("Minimum ") + QString::number(DepuisMicrosecondes(minimum, u)) +
           Unites().at(u - 1);
}

double ModeleParametres::PeriodeLimitee(double periode, int echantillons) const {
    const QString souche = couche_.SoucheSysteme();
    // Without a minimum from the interface (no system) a period still needs one step.
    const bool demi = souche.compare(regles::SoucheDemiMicroseconde, Qt::CaseInsensitive) == 0;
    const double pas = demi ? 0.5 : 1.0;
    const double minimum = std::max(PeriodeMinimale(echantillons), pas);
    return regles::LimiterPeriode(periode, minimum, souche);
}

bool ModeleParametres::SourceEntree(int source) {
    return source >= 0 && source <= PELAVORINE_DERNIERE_ENTREE;
}

bool ModeleParametres::SourcePort(int source) {
    return source >= PELAVORINE_SOURCE_PORT(1) && source < PELAVORINE_SOURCE_SYNCHRO_EXTERNE;
}

std::vector<ModeleParametres::Source> ModeleParametres::Sources() const {
    std::vector<Source> l{{QStringLiteral(" Aucune"), -1}};
    if (couche_.SansSysteme()) return l;
    const auto& e = couche_.Entrees();
    const auto ok = [&e](int bit) { return e.OkEtatSysteme && e.OkEtatSysteme(bit) != 0; };
    // The library triggers on the first active input only: the list ends with the first
    // automatic input, the step-by-step inputs before it being read by the same scan.
    const bool premiereSeule = ok(PELAVORINE_ETAT_PREMIERE_DECLENCHE);
    const TableVariables& t = travail_.Variables();
    for (int n = couche_.PremiereEntree(); n <= couche_.DerniereEntree(); ++n) {
        const TypeVoie* v = regles::Entree(t, n);
        if (!v || !regles::EntreeEnService(*v)) continue;
        l.push_back({QStringLiteral(" Entrée n° ") + LibelleEntree(n) + QStringLiteral("  [") +
                         v->Nom + QLatin1Char(']'),
                     n});
        if (premiereSeule && v->Etat == TypeVoie::Automatique) break;
    }
    if (ok(PELAVORINE_ETAT_SYNCHRO_EXTERNE))
        l.push_back({QStringLiteral(" Synchro externe"), PELAVORINE_SOURCE_SYNCHRO_EXTERNE});
    if (couche_.SoucheSysteme().compare(regles::SoucheDemiMicroseconde, Qt::CaseInsensitive) != 0 &&
        e.LireSensPort && e.LireInfos) {
        for (int port = 1; port <= kDernierPort; ++port) {
            const int sens = e.LireSensPort(static_cast<std::uint8_t>(port));
            if (sens == PELAVORINE_PORT_ABSENT) break;
            const bool programmable =
                Texte(e.LireInfos(PELAVORINE_INFO_PORT, port, PELAVORINE_INFO_PORT_PROGRAMMABLE)) ==
                QLatin1String(PELAVORINE_TEXTE_PROGRAMMABLE);
            if (sens == PELAVORINE_PORT_ENTREE || programmable)
                l.push_back(
                    {Texte(e.LireInfos(PELAVORINE_INFO_PORT, port, PELAVORINE_INFO_PORT_NOM)),
                     PELAVORINE_SOURCE_PORT(port)});
        }
    }
    return l;
}

QString ModeleParametres::IndicationSources() const {
    const auto ok = couche_.Entrees().OkEtatSysteme;
    if (couche_.SansSysteme() || !ok || !ok(PELAVORINE_ETAT_PREMIERE_DECLENCHE)) return {};
    return kSeuleLaPremiere;
}

QString ModeleParametres::UniteNiveau(int source) const {
    if (!SourceEntree(source)) return {};
    const TypeVoie* v = regles::Entree(travail_.Variables(), source);
    return v ? v->Unite : QString();
}

QStringList ModeleParametres::Conditions(int source) const {
    if (SourceEntree(source))
        return {QStringLiteral("Sens montant"), QStringLiteral("Sens descendant")};
    if (SourcePort(source))
        return {QStringLiteral("Actif sur état 0"), QStringLiteral("Actif sur état 1")};
    return {};
}

// --- "Sorties" ---

std::vector<int> ModeleParametres::SortiesOffertes() const {
    std::vector<int> n;
    if (couche_.SansSortie()) return n;
    for (int s = couche_.PremiereSortie(); s <= couche_.DerniereSortie(); ++s)
        if (regles::Sortie(travail_.Variables(), s)) n.push_back(s);
    return n;
}

QString ModeleParametres::LibelleSortie(int numero) const {
    const DescriptionVoies d = couche_.Description();
    const QString nom = d.nomsSorties.value(numero - couche_.PremiereSortie());
    return nom.isEmpty() ? QString::number(numero) : nom.mid(2);
}

QStringList ModeleParametres::Formes() {
    return {QStringLiteral("Non affectée"), QStringLiteral("SINUSOIDE "),
            QStringLiteral("CRENEAU"),      QStringLiteral("DENT DE SCIE"),
            QStringLiteral("RAMPE"),        QStringLiteral("CONSTANTE")};
}

std::vector<std::pair<QString, int>> ModeleParametres::VariablesSignal() const {
    std::vector<std::pair<QString, int>> l;
    const TableVariables& t = travail_.Variables();
    for (const EntreeListe& e :
         ListerVariables(t, fenetreListe::SansCondition, filtre::RefuserSpectre))
        if (!(t.Variable(e.slot)->Genre & genre::Sortie))
            l.emplace_back(t.Variable(e.slot)->Nom, e.slot);
    return l;
}

QStringList ModeleParametres::CalibresSortie(int sortie) const {
    return couche_.SansSysteme()
               ? QStringList{}
               : Libelles(couche_.Entrees(), PELAVORINE_INFO_CALIBRE_SORTIE, sortie);
}

std::pair<double, double> ModeleParametres::LimitesCalibre(int sortie, int calibre) const {
    double mini = 0, maxi = 0;
    if (const auto limites = couche_.Entrees().LimitesCalibreSA)
        limites(static_cast<std::uint8_t>(8 + sortie), static_cast<std::uint8_t>(calibre), &mini,
                &maxi);
    return {mini, maxi};
}

ModeleParametres::Sortie ModeleParametres::LireSortie(int numero) const {
    Sortie s;
    const TypeSortie* v = regles::Sortie(travail_.Variables(), numero);
    if (!v) return s;
    s.nom = v->Nom;
    s.unite = v->Unite;
    s.style = v->Style;
    s.couleur = v->Couleur;
    s.fenetres = v->Fenetres;
    s.forme = v->Forme;
    s.source = v->CaseSource;
    if (s.forme == 6) {
        // The variable emitted has vanished: the output falls back to a sine.
        const auto l = VariablesSignal();
        if (std::none_of(l.begin(), l.end(), [&s](const auto& e) { return e.second == s.source; }))
            s.forme = 1;
    }
    s.periodes = v->Periodes;
    s.minimum = v->MinimumSignal;
    s.maximum = v->MaximumSignal;
    s.calibre = v->Calibre;
    if (s.forme == 0 && s.minimum == 0.0 && s.maximum == 0.0) {
        // Never set: half the calibre range each way.
        const auto [mini, maxi] = LimitesCalibre(numero, s.calibre);
        s.minimum = mini / 2;
        s.maximum = maxi / 2;
    }
    s.mode = v->ModeEmission;
    s.valeurApresArret = v->ValeurApresArret;
    return s;
}

QString ModeleParametres::AppliquerSortie(int numero, const Sortie& s) {
    TableVariables& t = travail_.Variables();
    TypeSortie* v = regles::Sortie(t, numero);
    if (!v) return NomIncorrect;
    const int slot = t.CaseDe(v);
    if (QString refus = VerifierNom(s.nom, slot); !refus.isEmpty()) return refus;

    copies_.NoterPremier(slot);
    Renommer(slot, s.nom);
    AppliquerAffichage(*v, s.unite, s.style, s.couleur, s.fenetres);

    int forme = std::clamp(s.forme, 0, 6);
    if (forme == 6) {
        const auto l = VariablesSignal();
        if (std::any_of(l.begin(), l.end(), [&s](const auto& e) { return e.second == s.source; }))
            v->CaseSource = static_cast<std::int16_t>(s.source);
        else
            forme = 1;
    }
    v->Forme = static_cast<std::uint8_t>(forme);
    if (Fini(s.periodes)) v->Periodes = std::clamp(s.periodes, 0.5, 10.0);
    const int nbCalibres = static_cast<int>(CalibresSortie(numero).size());
    v->Calibre = static_cast<std::uint8_t>(std::clamp<int>(s.calibre, 1, std::max(nbCalibres, 1)));
    // Plain names rather than a structured binding, which clang 14 cannot capture.
    const auto limites = LimitesCalibre(numero, v->Calibre);
    const double mini = limites.first;
    const double maxi = limites.second;
    const auto borner = [mini, maxi](double x) {
        return mini < maxi ? std::clamp(x, mini, maxi) : x;
    };
    if (Fini(s.minimum)) v->MinimumSignal = borner(s.minimum);
    if (Fini(s.maximum)) v->MaximumSignal = borner(s.maximum);
    v->ModeEmission = std::min<std::uint8_t>(s.mode, 2);
    v->ValeurApresArret = s.valeurApresArret ? 1 : 0;
    v->ARegenerer = true;
    Demander(demande::RedessinerAvecAxes | demande::Sorties | demande::Intervalle);
    return {};
}

// --- "Courbes" ---

std::vector<int> ModeleParametres::CourbesOffertes() const {
    std::vector<int> l;
    // The time variable is not offered: the time base finds it by its name.
    for (const EntreeListe& e :
         ListerVariables(travail_.Variables(), fenetreListe::SansCondition, 0))
        if (!travail_.Variables().Variable(e.slot)->Nom.isEmpty()) l.push_back(e.slot);
    return l;
}

bool ModeleParametres::CourbeValide(int slot) const {
    const auto l = CourbesOffertes();
    return std::find(l.begin(), l.end(), slot) != l.end();
}

ModeleParametres::Courbe ModeleParametres::LireCourbe(int slot) const {
    Courbe c;
    const TypeId* v = travail_.Variables().Variable(slot);
    if (!v) return c;
    c.nom = v->Nom;
    c.unite = v->Unite;
    c.style = v->Style;
    c.couleur = v->Couleur;
    c.fenetres = v->Fenetres;
    c.decalage = v->Decalage;
    c.multiplicateur = v->Multiplicateur;
    c.ordonneeSpeciale = v->AdaptationEchelle;
    c.reference = v->Reference;
    if (v->Genre & genre::AbscisseVariable) c.abscisseSpeciale = v->NomAbscisse;
    return c;
}

QString ModeleParametres::InformationCourbe(int slot) const {
    if (!CourbeValide(slot)) return PasDeCourbe;
    const TypeId& v = *travail_.Variables().Variable(slot);
    QString texte = QStringLiteral("   Points = ") + QString::number(v.NbPoints) +
                    QLatin1Char('\t') + QStringLiteral("Genre = ") + TexteGenre(v.Genre) +
                    QLatin1Char('\n') + QStringLiteral("   Mini = ") + TexteBorne(v.Minimum) +
                    QLatin1Char('\t') + QStringLiteral("Maxi = ") + TexteBorne(v.Maximum);
    if (v.Multiplicateur != 1.0 || v.Decalage != 0.0)
        texte += QLatin1Char('\n') + QStringLiteral("   Facteur d'échelle :") + QLatin1Char('\t') +
                 QStringLiteral("Decal. Y=") + QString::number(v.Decalage) +
                 QStringLiteral("\t\t") + QStringLiteral("Mult. Y=") +
                 QString::number(v.Multiplicateur);
    return texte;
}

QString ModeleParametres::AppliquerCourbe(int slot, const Courbe& c) {
    if (!CourbeValide(slot)) return PasDeCourbe;
    TableVariables& t = travail_.Variables();
    TypeId& v = *t.Variable(slot);
    const bool garderNom = c.nom.trimmed().isEmpty();
    if (!garderNom)
        if (QString refus = VerifierNom(c.nom, slot); !refus.isEmpty()) return refus;
    const QString abscisse = c.abscisseSpeciale.trimmed();
    const int caseAbscisse = abscisse.isEmpty() ? 0 : t.IndexVariable(abscisse);
    if (!abscisse.isEmpty() && (caseAbscisse == 0 || caseAbscisse == slot)) return NomIncorrect;

    copies_.NoterPremier(slot);
    if (!garderNom) Renommer(slot, c.nom);
    AppliquerAffichage(v, c.unite, c.style, c.couleur, c.fenetres);

    v.AdaptationEchelle = c.ordonneeSpeciale;
    if (c.ordonneeSpeciale) {
        const bool valide = c.reference != slot && t.Variable(c.reference) != nullptr;
        v.FixerReference(valide ? c.reference : 0);
    } else {
        v.FixerReference(0);
        if (Fini(c.decalage)) v.Decalage = c.decalage;
        if (Fini(c.multiplicateur)) v.Multiplicateur = c.multiplicateur;
    }

    const QString actuelle = (v.Genre & genre::AbscisseVariable) ? v.NomAbscisse : QString();
    if (abscisse.isEmpty()) {
        if (!actuelle.isEmpty()) v.FixerAbscisseVariable(QString(), QString());
    } else {
        const QString nom = t.Variable(caseAbscisse)->Nom;
        if (nom != actuelle) v.FixerAbscisseVariable(nom, nom);
    }
    Demander(demande::RedessinerAvecAxes);
    return {};
}

// --- "Fenêtres" ---

QStringList ModeleParametres::GenresAbscisse() {
    return {QStringLiteral("Linéaire"), QStringLiteral("Logarithmique"), QStringLiteral("Polaire")};
}

std::vector<int> ModeleParametres::FenetresOffertes() const {
    std::vector<int> l;
    const TableFenetres& f = travail_.TableDesFenetres();
    for (int k = 1; k <= FenetresVariables::NbFenetres; ++k)
        if (const DonneesFenetre* d = f.Donnees(k); d && d->type == DonneesFenetre::TypeCourbes)
            l.push_back(k);
    return l;
}

ModeleParametres::Fenetre ModeleParametres::LireFenetre(int numero) const {
    Fenetre r;
    const DonneesFenetre* f = travail_.TableDesFenetres().Donnees(numero);
    if (!f) return r;
    r.abscisse = f->abscisse.nom;
    r.genre = f->abscisse.genre;
    r.calibreX = f->echelleX.nom;
    r.calibreY = f->echelleY.nom;
    r.xmin = f->echelleX.minimum;
    r.xmax = f->echelleX.maximum;
    r.ymin = f->echelleY.minimum;
    r.ymax = f->echelleY.maximum;
    return r;
}

QString ModeleParametres::AppliquerFenetre(int numero, const Fenetre& f) {
    DonneesFenetre* d = travail_.TableDesFenetres().Donnees(numero);
    if (!d || d->type != DonneesFenetre::TypeCourbes) return FenetreAbsente;
    TableVariables& t = travail_.Variables();
    const int caseAbscisse = t.IndexVariable(f.abscisse.trimmed());
    if (caseAbscisse == 0) return NomIncorrect;

    enum class Calibre { Manuel, Variable, Totalite };
    const auto lire = [&t](const QString& texte, double mini, double maxi, Calibre& c,
                           QString& refus) {
        const QString n = texte.trimmed();
        if (n.compare(EchelleAxe::NomManuel, Qt::CaseInsensitive) == 0) {
            c = Calibre::Manuel;
            if (!Fini(mini) || !Fini(maxi) || !(mini < maxi)) refus = LimitesIncorrectes;
        } else if (n.compare(Totalite, Qt::CaseInsensitive) == 0) {
            c = Calibre::Totalite;
        } else {
            c = Calibre::Variable;
            if (t.IndexVariable(n) == 0) refus = NomIncorrect;
        }
    };
    Calibre cx{}, cy{};
    QString refus;
    lire(f.calibreX, f.xmin, f.xmax, cx, refus);
    if (!refus.isEmpty()) return refus;
    lire(f.calibreY, f.ymin, f.ymax, cy, refus);
    if (!refus.isEmpty()) return refus;

    copies_.NoterFenetre(numero);
    const TypeId& x = *t.Variable(caseAbscisse);
    travail_.TableDesFenetres().FixerAbscisse(numero, x.Nom, caseAbscisse, x.Unite);
    d->abscisse.genre = std::min<std::uint8_t>(f.genre, DefinitionAbscisse::Polaire);
    d->abscisse.genreSauve = d->abscisse.genre;

    const auto fixer = [&t](EchelleAxe& e, Calibre c, const QString& nom, double mini,
                            double maxi) {
        if (c == Calibre::Manuel) FixerEchelleManuelle(e, maxi, mini, false);
        // The stored name is the variable's own, so that a later rename finds it.
        if (c == Calibre::Variable)
            SuivreNom(e, t.Variable(t.IndexVariable(nom.trimmed()))->Nom, t);
    };
    if (cx == Calibre::Totalite || cy == Calibre::Totalite)
        echelles::CalibrageGlobal(*d, t, travail_.TableDesFenetres().variableCourante,
                                  kLargeurEcran);
    // The axis given explicitly wins over the global calibration of the other one.
    fixer(d->echelleX, cx, f.calibreX, f.xmin, f.xmax);
    fixer(d->echelleY, cy, f.calibreY, f.ymin, f.ymax);
    Demander(demande::RedessinerAvecAxes);
    return {};
}

} // namespace pelavorine
