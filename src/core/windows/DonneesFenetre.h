#pragma once

#include "core/store/FenetresVariables.h"
#include "core/windows/CommentaireFenetre.h"
#include "core/windows/DefinitionAbscisse.h"
#include "core/windows/EchelleAxe.h"
#include "core/windows/FlecheFenetre.h"
#include "core/windows/PileEchelles.h"

#include <QList>
#include <QString>
#include <cstdint>

namespace pelavorine {

// Everything one curve window holds apart from its widget: what the work file saves
// (title, geometry, abscissa, scales, options, comments, arrows) and the state the tools
// share (scale stacks, selection, current curve).
class DonneesFenetre {
public:
    // Family bytes, tested as bits.
    static constexpr std::uint8_t FamilleOrdinaire = 0x00;
    static constexpr std::uint8_t FamilleAnalyse = 0x01;
    static constexpr std::uint8_t FamilleSynthese = 0x80;
    // Window kinds.
    static constexpr std::uint8_t TypeCourbes = 0;
    static constexpr std::uint8_t TypeFermeture = 3; // image windows are 1 and 2
    // Display option bits.
    enum Option : std::uint16_t {
        GraduerX = 0x01,
        GraduerY = 0x02,
        CourbesSeparees = 0x04,
        PermettreNiveauZero = 0x08,
        Grille = 0x10,
        NiveauZero = 0x20,
        Discontinuites = 0x40,
        PleinEcranACreation = 0x80,
    };
    static constexpr std::uint16_t OptionsParDefaut = 0x7B;
    static constexpr int LongueurTitreUtilisateur = 60;
    static constexpr int LongueurLegende = 80;

    DonneesFenetre() = default;
    // A new window numbered `numero` (1..16), with its family; abscissa T.
    explicit DonneesFenetre(int numero);

    static std::uint8_t FamilleDe(int numero);
    // "Fenêtre n° N", or "Fenêtre d'analyse n° N−8" for windows 9..13.
    static QString TitreDe(int numero);
    // The user title kept by the work file: what follows the first ":" of a caption, from the
    // second character after it; empty without ":".
    static QString TitreUtilisateurDe(const QString& legende);

    int Numero() const { return numero_; }
    QString Titre() const { return TitreDe(numero_); }
    // The caption: the title, then " : " and the user title, at most 80 characters.
    QString Legende() const;
    bool OkEtat(std::uint8_t masque) const { return (famille & masque) != 0; }
    bool FenetreImage() const { return type == 1 || type == 2; }

    // Stores the world rectangle, each pair put in increasing order.
    void DefinirMonde(double x1, double y1, double x2, double y2);
    double Xmin() const { return xmin_; }
    double Xmax() const { return xmax_; }
    double Ymin() const { return ymin_; }
    double Ymax() const { return ymax_; }

    // Saved, restored: the record of a work file.
    QString titreUtilisateur;
    int gauche = 0;
    int haut = 0;
    int largeur = 0;
    int hauteur = 0;
    std::uint8_t etat = 0; // normal, minimised, maximised
    DefinitionAbscisse abscisse;
    EchelleAxe echelleX;
    EchelleAxe echelleY;
    std::uint8_t type = TypeCourbes;
    std::int32_t couleur = 0xFFFFFF;
    std::uint16_t options = OptionsParDefaut;
    std::uint8_t famille = FamilleOrdinaire;
    QList<CommentaireFenetre> commentaires;
    QList<FlecheFenetre> fleches;

    // Shared by the tools while the work is open.
    QString legendeCourbes; // the names written on the legend line, at most 255 characters
    PileEchelles pileLoupe;
    PileEchelles pileCalibrage;
    bool loupeEnCours = false;
    bool calibrageEnCours = false;
    SelectionFenetre selection;
    int courbeCourante = 0;        // slot of the underlined curve, 0 = none
    bool abscisseEnPoints = false; // step-by-step acquisition counts the abscissa in points

private:
    int numero_ = 0;
    double xmin_ = 0;
    double xmax_ = 1;
    double ymin_ = 0;
    double ymax_ = 1;
};

} // namespace pelavorine
