#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace pelavorine {

// A variable descriptor (VAR record) as read from a work file, before it is placed.
struct VariableFichier {
    int slot = 0; // slot in the file
    QString nom;
    std::uint16_t genre = 0;
    std::uint16_t capacite = 0;
    std::uint16_t premier = 0;
    std::uint16_t nbPoints = 0;
    QString nomAbscisse;
    QString unite;
    double decalage = 0.0;
    std::int32_t couleur = 0;
    std::uint8_t style = 0;
    std::uint32_t fenetres = 0;
    std::int16_t origine = 0;
    double multiplicateur = 1.0; // the scalar's value for a scalar typed in the spreadsheet
    std::int16_t reference = 0;
    std::uint16_t etatInterne = 0;
};

} // namespace pelavorine
