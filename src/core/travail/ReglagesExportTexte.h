#pragma once

#include <QChar>
#include <QString>
#include <array>
#include <cstdint>

namespace pelavorine {

// The text export settings, kept while the program runs.
struct ReglagesExportTexte {
    static constexpr int NbVariables = 16;
    static constexpr int LongueurTitre = 60;

    // Slots of the chosen variables in column order, 0 = empty.
    std::array<std::int32_t, NbVariables> variables{};
    QString titre; // first line of the file when not blank
    bool ligneConfiguration = true;
    QChar separateurDecimal = QLatin1Char(',');
    QChar separateurValeurs = QLatin1Char('\t');
};

// The scale limits in force in the current window, written in the configuration line.
struct LimitesEchelles {
    double xMin = 0.0;
    double xMax = 0.0;
    double yMin = 0.0;
    double yMax = 0.0;
};

} // namespace pelavorine
