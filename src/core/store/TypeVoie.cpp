#include "core/store/TypeVoie.h"

#include "core/store/Genres.h"
#include "core/store/TableVariables.h"

namespace pelavorine {

TypeVoie::TypeVoie(TableVariables& table, const Defauts& defauts)
    : TypeId(table), defauts_(defauts) {
    ConstruireDefauts();
}

void TypeVoie::ConstruireDefauts() {
    Numero = static_cast<std::uint8_t>(defauts_.numero);
    Nom = defauts_.nom.left(10);
    Genre = genre::Entree | genre::Acquise;
    Unite = QStringLiteral("V");
    Style = defauts_.styleDiscret ? 1 : 0;
    Fenetres = defauts_.premiereVoie ? 1 : 0;
    Etat = (defauts_.interfacePresente && defauts_.premiereVoie) ? Automatique : Inactif;
    Echelle = 1.0;
    DecalageCapteur = 0.0;
    // Without an interface the only step-by-step reading is the keyboard.
    Lecture = defauts_.interfacePresente ? LectureInstantanee : LectureClavier;
    Calibre = 1;
    Gain = 1;
    Reglage = 0;
    Capteur = 0;
    Couleur = Etat == Inactif ? GrisInactif : table_.palette[Numero % 16];
}

void TypeVoie::Effacer() {
    TypeId::Effacer();
    ConstruireDefauts();
}

} // namespace pelavorine
