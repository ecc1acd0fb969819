#include "core/files/EnregistrementsAcquisition.h"

#include "core/files/ContexteFichier.h"
#include "core/format/EcrivainBinaire.h"
#include "core/format/LecteurBinaire.h"
#include "core/format/Reel6.h"
#include "core/store/TypeSortie.h"
#include "core/store/TypeVoie.h"
#include "core/travail/Travail.h"

#include <algorithm>
#include <cmath>

namespace pelavorine {

namespace {

BlocEnregistrement Bloc(const char* tag, std::uint8_t type, std::uint8_t masque, int index,
                        const EcrivainBinaire& d) {
    return {{tag, type, masque, static_cast<std::uint8_t>(index), 0,
             static_cast<std::uint16_t>(d.Taille())},
            d.Donnees(),
            {}};
}

} // namespace

namespace {

// The channel or output variable of that number, among the slots below the free range.
template <typename Genre> Genre* VariableNumero(Travail& travail, int numero) {
    TableVariables& table = travail.Variables();
    for (int slot = 1; slot < table.PremiereCaseLibre(); ++slot)
        if (auto* v = dynamic_cast<Genre*>(table.Variable(slot)); v && v->Numero == numero)
            return v;
    return nullptr;
}

} // namespace

TypeVoie* EnregistrementsAcquisition::Entree(Travail& travail, int numero) {
    return VariableNumero<TypeVoie>(travail, numero);
}

pelavorine::TypeSortie* EnregistrementsAcquisition::Sortie(Travail& travail, int numero) {
    return VariableNumero<pelavorine::TypeSortie>(travail, numero);
}

BlocEnregistrement EnregistrementsAcquisition::EcrireParametres(const Travail& travail) {
    const ParametresAcquisition& p = travail.Parametres();
    EcrivainBinaire d;
    d.I32(static_cast<std::int32_t>(std::lround(p.periode)));
    d.U8(p.echantillons);
    d.I16(p.blocs);
    d.U8(p.differentiel);
    d.U8(p.permanent);
    // Outside permanent mode these two mean nothing and every reader clears them.
    d.U8(p.permanent ? p.modeAffichage : 0);
    d.U8(p.permanent ? p.modeCalcul : 0);
    d.Zeros(2);
    d.U8(static_cast<std::uint8_t>(p.sourceDeclenchement));
    d.F64(p.niveauDeclenchement);
    d.I16(p.niveauBrut);
    d.U8(p.bitsDeclenchement);
    d.U8(static_cast<std::uint8_t>(p.condition));
    d.F64(p.periode);
    d.U8(p.garderPrecedentes);
    d.U8(p.inhiberTransitoires);
    return Bloc("ACQ", TypeParametres, 2, 0, d);
}

void EnregistrementsAcquisition::LireParametres(Travail& travail, const QByteArray& donnees) {
    const QByteArray complet = LecteurBinaire::Complete(donnees, TailleParametres);
    LecteurBinaire e(complet);
    ParametresAcquisition& p = travail.Parametres();
    p.periodeEntiere = e.I32();
    p.echantillons = std::clamp<std::uint8_t>(e.U8(), 1, 100);
    p.blocs = std::max<std::int16_t>(e.I16(), 1);
    p.differentiel = e.U8();
    p.permanent = e.U8();
    p.modeAffichage = e.U8();
    p.modeCalcul = e.U8();
    e.Sauter(2);
    p.sourceDeclenchement = static_cast<std::int8_t>(e.U8());
    p.niveauDeclenchement = e.F64();
    p.niveauBrut = e.I16();
    p.bitsDeclenchement = e.U8();
    p.condition =
        static_cast<ParametresAcquisition::Declenchement>(std::min<std::uint8_t>(e.U8(), 4));
    p.periode = e.F64();
    p.garderPrecedentes = e.U8();
    p.inhiberTransitoires = e.U8();
    if (!p.permanent) p.modeAffichage = p.modeCalcul = 0;
    // Files without the real period have the whole one; a period must be a positive number.
    if (!(p.periode > 0.0) || !std::isfinite(p.periode)) p.periode = p.periodeEntiere;
    if (!(p.periode > 0.0)) p.periode = ParametresAcquisition{}.periode;
    TableVariables& table = travail.Variables();
    if (p.periode * 1e-6 != table.TBase()) table.CreerBaseDeTemps(0.0);
}

BlocEnregistrement EnregistrementsAcquisition::EcrireEntree(const TypeVoie& v) {
    EcrivainBinaire d;
    d.F64(v.Echelle);
    d.F64(v.DecalageCapteur);
    d.U8(v.Etat);
    d.U8(v.Lecture);
    d.U8(v.Calibre);
    d.U8(v.Gain);
    d.I32(v.Reglage);
    return Bloc("EAN", TypeEntree, 3, v.Numero, d);
}

void EnregistrementsAcquisition::LireEntree(Travail& travail, const BlocEnregistrement& bloc,
                                            const ContexteFichier& contexte) {
    TypeVoie* v = Entree(travail, bloc.entete.index);
    if (!v) return;
    const QByteArray complet = LecteurBinaire::Complete(bloc.donnees, TailleEntree);
    LecteurBinaire e(complet);
    v->Echelle = e.F64();
    v->DecalageCapteur = e.F64();
    v->Etat = std::min<std::uint8_t>(e.U8(), TypeVoie::Inactif);
    v->Lecture = std::min<std::uint8_t>(e.U8(), TypeVoie::LectureFixe);
    if (!travail.Voies().interfacePresente) {
        if (v->Etat == TypeVoie::Automatique) v->Etat = TypeVoie::Inactif;
        v->Lecture = TypeVoie::LectureClavier;
    }
    v->Calibre = e.U8();
    std::uint8_t gain = e.U8();
    // Files from 3.00 to 3.05 counted the gain from 0.
    if (contexte.version > "2.xx" && !contexte.VersionAuMoins("3.06")) ++gain;
    v->Gain = gain == 0 ? 1 : gain;
    const std::int32_t reglage = e.I32();
    v->Reglage = contexte.VersionAvant("4.00") ? 0 : (reglage & 0xFFFFFF);
    if (!std::isfinite(v->Echelle)) v->Echelle = 1.0;
    if (!std::isfinite(v->DecalageCapteur)) v->DecalageCapteur = 0.0;
}

BlocEnregistrement EnregistrementsAcquisition::EcrireSortie(const pelavorine::TypeSortie& s) {
    EcrivainBinaire d;
    d.U8(s.Forme);
    d.Octets(VersReel6(s.Periodes));
    d.U8(s.Calibre);
    d.U8(s.ModeEmission);
    d.U8(static_cast<std::uint8_t>(s.CaseSource));
    d.F64(s.MinimumSignal);
    d.F64(s.MaximumSignal);
    d.U8(s.ValeurApresArret);
    return Bloc("SAN", TypeSortie, 3, s.Numero, d);
}

void EnregistrementsAcquisition::LireSortie(Travail& travail, const BlocEnregistrement& bloc) {
    pelavorine::TypeSortie* s = Sortie(travail, bloc.entete.index);
    if (!s) return;
    const QByteArray complet = LecteurBinaire::Complete(bloc.donnees, TailleSortie);
    LecteurBinaire e(complet);
    s->Forme = std::min<std::uint8_t>(e.U8(), 6);
    s->Periodes = DeReel6(e.Octets(6));
    s->Calibre = e.U8();
    s->ModeEmission = e.U8();
    if (s->ModeEmission == 2) s->ModeEmission = 0;
    s->CaseSource = e.U8();
    s->MinimumSignal = e.F64();
    s->MaximumSignal = e.F64();
    s->ValeurApresArret = e.U8();
    s->ARegenerer = true;
}

} // namespace pelavorine
