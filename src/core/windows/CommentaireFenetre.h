#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

namespace pelavorine {

// A comment written in a curve window, as the work file keeps it.
struct CommentaireFenetre {
    enum Style : std::uint8_t { Gras = 1, Italique = 2, Souligne = 4, Barre = 8 };
    enum Alignement : std::uint8_t { AGauche = 0, Centre = 1, ADroite = 2 };
    enum Cadre : std::uint8_t {
        SansCadre = 0,
        Soulignement = 1,
        Simple = 2,
        Double = 3,
        Relief = 4
    };
    enum Ancrage : std::uint8_t { PositionFixe = 0, LieAuxAxes = 1 };

    std::int16_t gauche = 0; // pixels in the window
    std::int16_t haut = 0;
    QString police;           // at most 31 characters
    std::uint8_t taille = 10; // points
    std::int32_t couleur = 0;
    std::uint8_t style = 0; // Style bits
    std::uint8_t alignement = AGauche;
    std::uint8_t cadre = SansCadre;
    std::uint8_t ancrage = PositionFixe;
    double x = 0; // world position of the top-left corner when linked to the axes
    double y = 0;
    std::int32_t fond = 0xFFFFFF;
    QString nomVariable;         // the scalar last inserted, empty when none
    std::uint8_t decimales = 0;  // of inserted values, 0..6
    double multiplicateur = 1.0; // of inserted values
    QStringList lignes;          // each at most 255 characters

    bool operator==(const CommentaireFenetre&) const = default;
};

} // namespace pelavorine
