#include "gui/app/RafraichissementBureau.h"

#include "core/acquisition/ReglesParametres.h"
#include "core/calc/FeuilleCalcul.h"
#include "core/interface/CoucheInterface.h"
#include "core/store/TypeId.h"
#include "core/travail/Travail.h"
#include "gui/app/ZoneFenetres.h"
#include "gui/calc/FenetreFeuille.h"
#include "gui/ui/FiltreEntrees.h"
#include "gui/windows/TFenCourbe.h"

#include <algorithm>
#include <cmath>

namespace pelavorine {

RafraichissementBureau::RafraichissementBureau(Travail& travail, ZoneFenetres& fenetres,
                                               FiltreEntrees& filtre)
    : travail_(travail), fenetres_(fenetres), filtre_(filtre), traitement_(travail, *this) {
    minuterie_.setSingleShot(true);
    minuterie_.setInterval(0);
    connect(&minuterie_, &QTimer::timeout, this, &RafraichissementBureau::Inactif);
}

RafraichissementBureau::~RafraichissementBureau() {
    minuterie_.stop();
}

void RafraichissementBureau::Armer() {
    if (!minuterie_.isActive()) minuterie_.start();
}

void RafraichissementBureau::Inactif() {
    // The work that runs lets events through: the requests wait until it ends.
    if (filtre_.Actif()) return;
    if (travail_.TableDesFenetres().NbOuvertes() == 0) return;
    fenetres_.Synchroniser();
    if (travail_.Demandes()) Traiter();
}

void RafraichissementBureau::Traiter() {
    traitement_.Traiter();
    fenetres_.Synchroniser();
}

void RafraichissementBureau::VerifierIntervalle() {
    // The system line quotes the minimal period of the channels now in service.
    CoucheInterface& couche = travail_.Interface();
    if (!couche.SansSysteme())
        regles::PeriodeMinimaleAcquisition(couche, regles::CompterVoies(travail_.Variables()),
                                           std::max<int>(travail_.Parametres().echantillons, 1));
    emit systemeChange();
}

void RafraichissementBureau::ChangerNbPoints() {
    TableVariables& table = travail_.Variables();
    const TypeId* nbpoint = table.Variable(table.IndexVariable(QStringLiteral("NBPOINT")));
    if (!nbpoint) return;
    const double valeur = nbpoint->LirePoint(0);
    if (std::isfinite(valeur) && valeur >= 1 && valeur <= 0xFFFF)
        table.ChangerNbPoints(static_cast<int>(std::lround(valeur)), true);
}

void RafraichissementBureau::LancerFeuille() {
    filtre_.Activer(true);
    travail_.Feuille().LancerFeuille(0);
    filtre_.Activer(false);
    if (FenetreFeuille* feuille = fenetres_.Feuille()) feuille->RafraichirResultats();
    if (!filtre_.Actif() && travail_.Demandes()) Armer();
}

void RafraichissementBureau::ResoudreAxes(int fenetre) {
    travail_.TableDesFenetres().ResoudreAxes(fenetre, travail_.Variables());
}

void RafraichissementBureau::DessinerCadre(int fenetre) {
    if (TFenCourbe* c = fenetres_.Courbe(fenetre)) c->DessinerCadre();
}

void RafraichissementBureau::DessinerCommentaires(int fenetre) {
    if (TFenCourbe* c = fenetres_.Courbe(fenetre)) c->DessinerCommentaires();
}

void RafraichissementBureau::DessinerCourbes(int fenetre) {
    if (TFenCourbe* c = fenetres_.Courbe(fenetre)) c->DessinerCourbes();
}

bool RafraichissementBureau::PleinEcran(int fenetre) const {
    return fenetres_.PleinEcran(fenetre);
}

} // namespace pelavorine
