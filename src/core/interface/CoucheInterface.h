#pragma once

#include "core/interface/PortsLogiques.h"
#include "core/store/DescriptionVoies.h"

#include <pelavorine/interface.h>

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <memory>

class QLibrary;

namespace pelavorine {

class Hote;
class TableVariables;

// The entry points of the acquisition library in use: those of a loaded library, or the
// built-in answers of the no-system mode. Only LireDureeMinimale may be null.
struct PointsEntree {
    decltype(&::RenvoyerSysteme) RenvoyerSysteme = nullptr;
    decltype(&::FermetureDLL) FermetureDLL = nullptr;
    decltype(&::SystemePresent) SystemePresent = nullptr;
    decltype(&::LireInfos) LireInfos = nullptr;
    decltype(&::OkEtatSysteme) OkEtatSysteme = nullptr;
    decltype(&::ProgrammerEtatSysteme) ProgrammerEtatSysteme = nullptr;
    decltype(&::LireTempo) LireTempo = nullptr;
    decltype(&::EcrireTempo) EcrireTempo = nullptr;
    decltype(&::LimitesCalibreEA) LimitesCalibreEA = nullptr;
    decltype(&::LimitesCalibreSA) LimitesCalibreSA = nullptr;
    decltype(&::EcrireCalibreEA) EcrireCalibreEA = nullptr;
    decltype(&::EcrireGain) EcrireGain = nullptr;
    decltype(&::LireEA_Entier) LireEA_Entier = nullptr;
    decltype(&::LireEA_Reel) LireEA_Reel = nullptr;
    decltype(&::BinVoltEA) BinVoltEA = nullptr;
    decltype(&::BinVoltSA) BinVoltSA = nullptr;
    decltype(&::VoltBinEA) VoltBinEA = nullptr;
    decltype(&::VoltBinSA) VoltBinSA = nullptr;
    decltype(&::EcrireSA_Reel) EcrireSA_Reel = nullptr;
    decltype(&::LirePort) LirePort = nullptr;
    decltype(&::EcrirePort) EcrirePort = nullptr;
    decltype(&::LireSensPort) LireSensPort = nullptr;
    decltype(&::ProgrammerSensPort) ProgrammerSensPort = nullptr;
    decltype(&::ProgrammerTimer) ProgrammerTimer = nullptr;
    decltype(&::ValiderTimer) ValiderTimer = nullptr;
    decltype(&::DevaliderTimer) DevaliderTimer = nullptr;
    decltype(&::LireTimer) LireTimer = nullptr;
    decltype(&::ProgrammerDeclenchement) ProgrammerDeclenchement = nullptr;
    decltype(&::ProgrammerSortieVoieEnAcquis) ProgrammerSortieVoieEnAcquis = nullptr;
    decltype(&::PreparerAcquisition) PreparerAcquisition = nullptr;
    decltype(&::AcquerirTable) AcquerirTable = nullptr;
    decltype(&::PreparerEmission) PreparerEmission = nullptr;
    decltype(&::EmettreSorties) EmettreSorties = nullptr;
    decltype(&::LireDureeMinimale) LireDureeMinimale = nullptr;
    decltype(&::LireCalibreEA) LireCalibreEA = nullptr;
    decltype(&::LireGain) LireGain = nullptr;
    decltype(&::ProgrammerAccesRapide) ProgrammerAccesRapide = nullptr;
    decltype(&::LireCalibreSA) LireCalibreSA = nullptr;
    decltype(&::EcrireCalibreSA) EcrireCalibreSA = nullptr;
    decltype(&::EcrireSA_Entier) EcrireSA_Entier = nullptr;
    decltype(&::LireBit) LireBit = nullptr;
    decltype(&::EcrireBit) EcrireBit = nullptr;
    decltype(&::Declencher) Declencher = nullptr;
};

// The link between the program and the acquisition system library: the libraries found, the
// one selected, its channel ranges, the minimal sampling period, calibres and outputs. With no
// usable library, built-in defaults stand in ("mode sans acquisition"). It also gives the
// calculation functions IN and OUT the interface's logic ports.
class CoucheInterface : public PortsLogiques {
public:
    // Stem and display name of the no-system entry (entry 0 of the list).
    static inline const QString SoucheAucune = QStringLiteral("AUCUNE CARTE");
    static inline const QString NomAucun = QStringLiteral("AUCUN SYSTÈME");

    // The values kept under the system's stem: I/O addresses and settling delay.
    struct ReglagesSysteme {
        int adresse = 0;
        int adresse2 = 0;
        int tempo = 0;
    };
    // Reads the stored values of a stem into the values the interface holds, leaving those
    // that are not stored.
    using LectureReglages = std::function<void(const QString& souche, ReglagesSysteme&)>;

    explicit CoucheInterface(Hote& hote);
    ~CoucheInterface() override; // unloads the library
    CoucheInterface(const CoucheInterface&) = delete;
    CoucheInterface& operator=(const CoucheInterface&) = delete;

    // The folders searched for libraries: PELAVORINE_INTERFACES when set, else
    // <executable folder>/interfaces then <prefix>/lib/pelavorine/interfaces.
    static QStringList DossiersParDefaut();
    // The built-in answers of the no-system mode.
    static PointsEntree EntreesSansSysteme();

    // Lists the libraries (*.so exporting RenvoyerSysteme) of the folders; when `souche` is
    // empty or "AUCUNE CARTE", the first library whose interface answers becomes the
    // configured stem. A library that fails shows "La DLL système <file> semble endommagée".
    void Lister(const QStringList& dossiers, const QString& souche = QString());
    QStringList Souches() const { return souches_; }
    QStringList NomsAffiches() const { return noms_; }
    QString SoucheConfiguree() const { return soucheConfiguree_; }
    // Stores the stem (20 characters at most) and selects the last list entry whose stem
    // occurs in it (0 when none).
    void Selectionner(const QString& souche);
    int IndexSelectionne() const { return index_; }
    // Loads the selected library (no-system defaults on failure, with its message), gives it
    // its stored values, then validates it and builds the minimal-period table. True when a
    // system is in use.
    bool Charger(const LectureReglages& lireReglages = {});
    // The start-up sequence: lists the folders of DossiersParDefaut(), selects the configured
    // stem (or the first answering library) and loads it.
    bool Demarrer(const QString& soucheStockee, const LectureReglages& lireReglages = {});
    // An interface given by its entry points rather than a library file (tests): it becomes a
    // list entry, is selected and validated as a loaded library would be.
    bool Utiliser(const PointsEntree& entrees, const QString& souche,
                  const LectureReglages& lireReglages = {});
    // Falls back to no system when the interface does not answer; copies the ranges and
    // counts the ports. False when it fell back.
    bool Valider();
    void Decharger();

    bool SansSysteme() const { return index_ == 0; }
    QString NomSysteme() const;    // the display name of the selected entry
    QString SoucheSysteme() const; // its stem
    QString TexteSysteme() const;  // the descriptor's second text
    TypeSysteme& Systeme() { return *systeme_; }
    const TypeSysteme& Systeme() const { return *systeme_; }
    const PointsEntree& Entrees() const { return entrees_; }

    int PremiereEntree() const { return premiereEntree_; }
    int DerniereEntree() const {
        return std::min<int>(systeme_->derniereEntree, PELAVORINE_DERNIERE_ENTREE);
    }
    int PremiereSortie() const { return premiereSortie_; }
    int DerniereSortie() const { return derniereSortie_; }
    bool SansSortie() const { return derniereSortie_ < premiereSortie_; }
    int NbEntrees() const { return DerniereEntree() - premiereEntree_ + 1; }
    int NbSorties() const { return SansSortie() ? 0 : derniereSortie_ - premiereSortie_ + 1; }
    // The channels as the variable table creates them (names, first input, interface present).
    DescriptionVoies Description() const;

    // Minimal period (µs) for n inputs, m outputs and k samples per point: from the table and
    // a one-entry cache; a negative n asks the library (or the measurement) directly.
    double DureeMinimale(int entrees, int sorties, int echantillons);
    double DureeMinimaleCourante() const { return dureeCourante_; }
    void ConstruireTableDurees();
    // The millisecond clock of the period measurement (replaced by tests).
    void FixerHorloge(std::function<qint64()> horloge) { horloge_ = std::move(horloge); }
    // The pauses the table leaves the interface between its questions (replaced by tests).
    void FixerPause(std::function<void(int ms)> pause) { pause_ = std::move(pause); }
    // The interface does not run in real time (OkEtatSysteme(PELAVORINE_ETAT_HORS_TEMPS_REEL)):
    // the table is built without its pauses.
    bool SansAttente() const;

    // Calibre of one input through the common-calibre rule; requests a redraw.
    void FixerCalibreEntree(TableVariables& variables, int entree, int calibre);
    // Every input's calibre and gain to the interface (before acquisitions).
    void EnvoyerReglages(const TableVariables& variables);
    // Every output to 0 V (with a system selected).
    void RemettreSortiesAZero();
    // " name [c E/S : period µs] - second text"; `tient` says whether a text fits the line.
    QString TexteLigneSysteme(int voiesEnService,
                              const std::function<bool(const QString&)>& tient) const;
    // The system line without a text of its own: " " + the system name; " [n E/S : xµs]"
    // when the minimal interval is known and some inputs or outputs are active; " - " + the
    // identification (at most 18 characters) when a system is selected and the whole still
    // fits.
    static QString LigneSysteme(const QString& systeme, int nbEntreesSorties,
                                double intervalleMinimal, bool systemeChoisi,
                                const QString& identification,
                                const std::function<bool(const QString&)>& tient);
    static constexpr int LongueurIdentification = 18;
    // The inputs in service (mode not inactive) and the outputs emitted during acquisition.
    int VoiesEnService(const TableVariables& variables) const;

    // PortsLogiques: IN and OUT.
    int NbPorts() const override { return nbPorts_; }
    int LireSensPort(int port) override;
    bool ProgrammerSensPort(int port, int sens) override;
    int LirePort(int port) override;
    void EcrirePort(int port, int valeur) override;

private:
    void InstallerDefauts();
    void LibererBibliotheque();
    double DureeDirecte(int entrees, int sorties, int echantillons);
    double MesurerDuree(int entrees, int sorties, int echantillons);
    void Attendre(int ms) const;

    Hote& hote_;
    QStringList dossiers_;
    QStringList souches_;
    QStringList noms_;
    QStringList chemins_;
    QString soucheConfiguree_ = SoucheAucune;
    int index_ = 0;
    std::unique_ptr<QLibrary> bibliotheque_;
    TypeSysteme* systeme_ = nullptr;
    TypeSysteme aucun_{}; // the built-in descriptor of the no-system mode
    PointsEntree entrees_;
    std::map<int, PointsEntree> entreesDonnees_; // list entries given by Utiliser
    int premiereEntree_ = 0;
    int premiereSortie_ = 1;
    int derniereSortie_ = 0;
    int nbPorts_ = 0;
    // Indexed by inputs (0..8) and outputs (0..2).
    std::array<std::array<double, 3>, PELAVORINE_DERNIERE_ENTREE + 1> tableDurees_{};
    double increment_ = 0;
    int dernierN_ = -1;
    int dernierM_ = -1;
    int dernierK_ = -1;
    double dureeCourante_ = 0;
    double mesurePrecedente_ = 0; // the damped answer of the measurement
    QElapsedTimer chrono_;
    std::function<qint64()> horloge_;
    std::function<void(int ms)> pause_;
};

} // namespace pelavorine
