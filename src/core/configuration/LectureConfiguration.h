#pragma once

#include <QStringList>

namespace pelavorine {

class Configuration;
class StockageConfiguration;
class Travail;

// Reads and writes the configuration between the settings store and the program's
// objects: the Configuration, and the options word and digit count of the work. Reading
// writes a default configuration on the first run and rewrites the version-dependent values
// when the stored version is another one. The acquisition system itself is selected by the
// acquisition layer, from the stem read here.
class LectureConfiguration {
public:
    static constexpr const char* Version = "5.11";

    struct Resultat {
        bool premierLancement = false;
        // First run: the user accepted the system detected (on No, the desk opens the
        // acquisition-system choice).
        bool systemeAccepte = true;
        // The chosen system was read for the first time in this run: the acquisition layer
        // selects Configuration::systeme now.
        bool selectionnerSysteme = false;
        bool versionReecrite = false;
    };

    LectureConfiguration(Configuration& configuration, Travail& travail,
                         StockageConfiguration& stockage);

    Resultat LireConfiguration();
    // Writes every stored value and the recent-file list; false when the store could not
    // be written.
    bool EcrireConfiguration();

    // Makes the work and the configuration follow the options word: the number settings
    // and marker spacing of the work, sensor identification, Greek letters; during start-up
    // the recent-file list comes into being (read from the store) with the history option.
    void AppliquerOptions();

    // Recent files: read when the history option is on; written when the list exists.
    void LireHistorique();
    void EcrireHistorique();

    // The acquisition system of the configuration: the libraries are listed, the stored stem
    // (or the first answering library) is selected and loaded with the values stored under
    // its stem, and the configuration notes the system found. The work's channels are not
    // changed. True when a system is in use.
    bool DemarrerInterface();

    // "Adresse", "Adresse2" and "Tempo" under the chosen system's stem.
    void LireReglagesSysteme();
    void EcrireReglagesSysteme();

private:
    bool PremierLancement();
    void LireOptions();
    void LireFichiers();
    QStringList HistoriqueStocke() const;

    Configuration& config_;
    Travail& travail_;
    StockageConfiguration& stockage_;
};

} // namespace pelavorine
