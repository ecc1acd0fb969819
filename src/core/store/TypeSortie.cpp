#include "core/store/TypeSortie.h"

#include "core/store/Genres.h"

namespace pelavorine {

TypeSortie::TypeSortie(TableVariables& table, const Defauts& defauts)
    : TypeId(table), defauts_(defauts) {
    ConstruireDefauts();
}

void TypeSortie::ConstruireDefauts() {
    Numero = static_cast<std::uint8_t>(defauts_.numero);
    Nom = defauts_.nom;
    Genre = genre::Sortie;
    Unite = QStringLiteral("V");
    Couleur = 0x808080;
    Forme = 0;
    Periodes = 1.0;
    Calibre = 1;
    ModeEmission = 0;
    ValeurApresArret = 1;
    CaseSource = static_cast<std::int16_t>(defauts_.caseSource);
    ARegenerer = true;
}

void TypeSortie::Effacer() {
    TypeId::Effacer();
    ConstruireDefauts();
}

} // namespace pelavorine
