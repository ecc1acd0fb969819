#pragma once

#include "core/bureau/TraitementDemandes.h"
#include "core/bureau/VuesBureau.h"

#include <QObject>
#include <QTimer>

namespace pelavorine {

class FiltreEntrees;
class Travail;
class ZoneFenetres;

// The desk's idle processing: once the program is idle, the change-request word is handled in
// one pass and each of its actions is carried out on the desk's windows.
class RafraichissementBureau : public QObject, private VuesBureau {
    Q_OBJECT
public:
    RafraichissementBureau(Travail& travail, ZoneFenetres& fenetres, FiltreEntrees& filtre);
    ~RafraichissementBureau() override;

    TraitementDemandes& Traitement() { return traitement_; }
    // The pass runs when the program is next idle.
    void Armer();
    // The pass runs now; the frames follow the table afterwards.
    void Traiter();

signals:
    // The system line is to be built again (the minimal period may have changed).
    void systemeChange();

private:
    void Inactif();

    // VuesBureau
    void VerifierIntervalle() override;
    void ChangerNbPoints() override;
    void LancerFeuille() override;
    bool RecalculerFourier() override { return false; }
    void ResoudreAxes(int fenetre) override;
    void RegenererSorties() override {}
    void ActualiserTableur() override {}
    void DessinerCadre(int fenetre) override;
    void DessinerCommentaires(int fenetre) override;
    void DessinerCourbes(int fenetre) override;
    void EnvoyerReglagesVoies() override {}
    void MesurerAutomatiquement(int) override {}
    bool PleinEcran(int fenetre) const override;

    Travail& travail_;
    ZoneFenetres& fenetres_;
    FiltreEntrees& filtre_;
    TraitementDemandes traitement_;
    QTimer minuterie_;
};

} // namespace pelavorine
