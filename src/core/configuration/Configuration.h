#pragma once

#include "core/configuration/ModulesExternes.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace pelavorine {

// Program-wide settings that outlive a work, kept beside the Travail: folders, the
// display values of the "Options" group other than the options word and the digits (those
// belong to the work), the dialog shade, the recent files, the acquisition system chosen and
// the external modules. Colours are Windows values 0x00BBGGRR.
class Configuration {
public:
    // Where this machine keeps the program's data and the user's files.
    struct Emplacements {
        QString programme; // read-only data: help, sensor file, examples, PELAVORINE.CFG
        QString personnel; // holds the default work and images folders
        QString donnees;   // writable user data: the user's sensor file
        QString etat;      // the emergency save
        QString cache;     // the temporary picture

        // <prefix>/share/pelavorine when installed, else the source tree's data folder;
        // ~/Pelavorine; the XDG data, state and cache folders (each + "/pelavorine").
        static Emplacements DuSysteme();
    };

    static constexpr const char* SansSysteme = "AUCUNE CARTE";
    static constexpr int LongueurSysteme = 20;
    static constexpr int TailleHistorique = 8;

    // Sets every value to its default; touches no file.
    explicit Configuration(const Emplacements& emplacements);

    // Folders, absolute, without a trailing "/".
    QString dossierProgramme;
    QString dossierTravail;
    QString dossierImages;
    QString dossierExemples;
    QString dernierDossier; // where the file dialogs start
    // Sub-folder of the sensor-handler library; emptied once the "Fichiers" group exists.
    QString dossierCapteurs = QStringLiteral("Capteurs");
    QString fichierCapteursUser;   // the user's sensor file
    QString fichierCapteursFourni; // the supplied sensor file
    QString fichierSecours;        // emergency save; its folder may not exist yet
    QString imageTemporaire;       // deleted at every start; its folder may not exist yet

    QString TravailParDefaut() const;
    QString ImagesParDefaut() const;
    QString CapteursUserParDefaut() const;
    QString FichierModules() const; // the configuration file of the external modules
    // The program's own files, in its folder: the help pages and the program's icon.
    QString DossierAide() const;
    QString IconeProgramme() const;
    // The pictures of the icon bar, one "<icon's object name>.svg" each.
    QString DossierIcones() const;

    // The "Options" values other than "Configuration" and "NbChiffres".
    std::uint16_t graduations = 0x007B;
    std::int32_t fond = 0x00FFFFFF; // curve window background
    bool noirEtBlanc = false;       // curve windows drawn in black on white
    int ecran = 1;                  // screen refresh mode during permanent acquisition
    std::int32_t etat = 0x00E0E0E0; // status line, tab bars and information line
    int dialogue = 7;               // dialog shade, 0..7 (Teintes)
    double precision = 0.01;
    std::uint16_t impression = 0;

    // Follow the options word when the options are applied.
    bool identificationCapteurs = true; // automatic sensor identification (0x4000)
    bool lettresGrecques = true;        // Greek letters in data entry (0x0100)

    // Recent work files, most recent first; none until the history option has been on in a
    // start-up (a list that does not exist is neither shown nor stored).
    std::optional<QStringList> historique;

    // The acquisition system: stem of its library ("AUCUNE CARTE" when none, at most 20
    // characters); whether an interface is in use and its description (set by the
    // acquisition layer); the values stored under the stem.
    QString systeme = QString::fromLatin1(SansSysteme);
    bool interfacePresente = false;
    QString descriptionSysteme;
    int adresse = 0;
    int adresse2 = 0;
    int tempo = 0;
    // The chosen system has been read once in this run: later readings keep the system.
    bool systemeLu = false;

    ModulesExternes modulesExternes;

    // A folder as it may be used: itself when it exists; a default folder of the user
    // (work, images) is created when missing; otherwise the program folder.
    QString DossierUtilisable(const QString& dossier) const;
    // Applies that rule to the work, images and examples folders.
    void VerifierDossiers();
    void SupprimerImageTemporaire() const;

private:
    QString dossierPersonnel_;
    QString dossierDonnees_;
};

} // namespace pelavorine
