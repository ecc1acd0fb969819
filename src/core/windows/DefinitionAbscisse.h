#pragma once

#include <QString>
#include <cstdint>

namespace pelavorine {

// What a curve window plots its curves against.
struct DefinitionAbscisse {
    enum Genre : std::uint8_t { Lineaire = 0, Logarithmique = 1, Polaire = 2 };

    QString nom = QStringLiteral("T");
    int variable = 0; // slot of the abscissa variable (the time variable when the name fails)
    std::uint8_t genre = Lineaire;
    std::uint8_t reserve = 0; // cleared at creation, kept for the record layout
    int fenetre = 0;
    // The chosen genre, kept while a logarithmic scale proves impossible and linear is forced.
    std::uint8_t genreSauve = Lineaire;
    QString unite;

    bool operator==(const DefinitionAbscisse&) const = default;
};

} // namespace pelavorine
