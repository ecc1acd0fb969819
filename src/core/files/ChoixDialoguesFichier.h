#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace pelavorine {

// One file type offered by the open and save dialogs.
struct TypeFichier {
    QString libelle;    // the text shown in the list of types
    QStringList motifs; // the names it shows
};

// Choices of the open and save dialogs that do not need a window.
namespace choixfichier {

inline constexpr int NbTypesEnregistrement = 3; // the save dialog offers the first three types
inline constexpr int TypeCompatible = 1;        // index of the older form (.PLC)
inline constexpr int LongueurDescription = 255;

// The types in the order shown: the open dialog has all five, the save dialog the first three.
std::vector<TypeFichier> Types(bool ouvrir);
// The filters given to the file dialog: the label followed by the patterns between
// parentheses (the dialog shows the label only).
QStringList Filtres(bool ouvrir);
// Index of the type whose patterns are exactly "*" + extension (-1 when none), so that the
// next dialog starts on the type of the last file used.
int TypePourExtension(const QString& extension);

// The text of the name box when the dialog opens: the file-name part of the current file,
// cut before its first ".".
QString NomPropose(const QString& fichierCourant);

// The extension a chosen name leads to: the first of ".PL2", ".PLC", ".TXT", ".PH2" that the
// name holds (in any case), else ".PL2".
QString ExtensionReconnue(const QString& choisi);

// The full file name built from the dialog's answer, or an empty name with the code of the
// file error box (2: the name holds "*").
struct NomConstruit {
    QString nom;
    int code = 0;
};
// dossierDepart serves when the answer holds no folder. A name that ends with the extension
// it leads to keeps its case and its dots (so that the chosen file is found on a file system
// that distinguishes case); any other name is cut before its first "." and takes the
// extension in upper case.
NomConstruit ConstruireNom(const QString& choisi, const QString& dossierDepart);

// The parts a read restores, from the open dialog's four boxes.
int Parties(bool valeurs, bool calculs, bool environnement, bool notes);
// The options word with the two save options set or cleared.
std::uint16_t OptionsEnregistrement(std::uint16_t options, bool sansCalcul, bool afficherNotes);
// The description as stored: at most 255 characters.
QString DescriptionLimitee(const QString& texte);

// Puts nom at the head of the recent files (most recent first), removing an earlier entry
// of the same file and keeping at most taille names.
void AjouterHistorique(QStringList& historique, const QString& nom, int taille);

} // namespace choixfichier
} // namespace pelavorine
