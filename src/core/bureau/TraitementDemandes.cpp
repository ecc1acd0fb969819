#include "core/bureau/TraitementDemandes.h"

#include "core/bureau/VuesBureau.h"
#include "core/store/Demandes.h"
#include "core/store/Genres.h"
#include "core/travail/Travail.h"

namespace pelavorine {

namespace {
// Frame, comments and curves: not needed behind a window that fills the desk.
constexpr std::uint16_t kDessins = demande::Cadre | demande::Commentaires | demande::Courbes;
} // namespace

std::uint16_t TraitementDemandes::Observer() {
    const std::uint16_t mot = travail_.Demandes();
    const std::uint16_t nouveaux = mot & static_cast<std::uint16_t>(~precedent_);
    precedent_ = mot;
    reste_ |= nouveaux & (surCourante_ ? passes_ : 0xFFFF);
    return mot;
}

bool TraitementDemandes::Demande(std::uint16_t bits) {
    const bool demande = (Observer() & bits) != 0;
    // "Every window" also chooses which windows are visited: it is read live, never kept.
    if (surCourante_) passes_ |= bits & static_cast<std::uint16_t>(~demande::ToutesFenetres);
    return demande;
}

void TraitementDemandes::Traiter() {
    if (enCours_) return;
    TableFenetres& fenetres = travail_.TableDesFenetres();
    const int courante = fenetres.FenetreCourante();
    if (!fenetres.Existe(courante)) return;
    enCours_ = true;
    precedent_ = travail_.Demandes();
    passes_ = 0;
    reste_ = 0;

    bool toutes = false;
    std::uint32_t visitees = 0;
    int fenetre = courante;
    while (TableFenetres::Valide(fenetre) && !(visitees & TableFenetres::Bit(fenetre))) {
        visitees |= TableFenetres::Bit(fenetre);
        surCourante_ = fenetre == courante;
        if (fenetres.Existe(fenetre)) {
            // What does not belong to a window is done once, with the current window.
            const bool premiere = surCourante_;
            if (premiere) {
                if (Demande(demande::Intervalle)) vues_.VerifierIntervalle();
                if (Demande(demande::NbPoints | demande::ToutesFenetres)) vues_.ChangerNbPoints();
                if (Demande(demande::Feuille)) vues_.LancerFeuille();
                if (Demande(demande::Fourier) && vues_.RecalculerFourier()) toutes = true;
            }
            if (Demande(demande::Axes)) vues_.ResoudreAxes(fenetre);
            if (premiere && Demande(demande::Sorties)) vues_.RegenererSorties();
            if (premiere && Demande(demande::Tableur)) vues_.ActualiserTableur();
            if (Demande(demande::Cadre)) vues_.DessinerCadre(fenetre);
            if (Demande(demande::Commentaires)) vues_.DessinerCommentaires(fenetre);
            if (Demande(demande::Courbes)) vues_.DessinerCourbes(fenetre);
            if (premiere && Demande(demande::ReglagesVoies)) vues_.EnvoyerReglagesVoies();
            if (Demande(demande::Mesures)) vues_.MesurerAutomatiquement(fenetre);
            if (premiere && vues_.PleinEcran(fenetre)) {
                travail_.EffacerDemandes(kDessins);
                Observer();
            }
        }
        if (!toutes && !(Observer() & demande::ToutesFenetres)) break;
        // The activation order may change while windows draw: the next one is taken afresh,
        // and each window is visited once.
        surCourante_ = false;
        fenetre = fenetres.Suivante(fenetre);
    }
    surCourante_ = false;

    if (apresRafraichissement) apresRafraichissement();
    const std::uint16_t garder = Observer() & reste_;
    travail_.EffacerDemandes(demande::Toutes);
    enCours_ = false;
    // Told to the host like any request, so that the next idle pass handles them.
    if (garder) travail_.DemanderMiseAJour(garder);
}

} // namespace pelavorine
