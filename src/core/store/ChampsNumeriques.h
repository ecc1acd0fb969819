#pragma once

#include "core/store/Nombres.h"
#include "core/store/ReglagesNombres.h"

#include <QChar>
#include <QString>
#include <QtGlobal>

#include <bitset>

namespace pelavorine {

// What the numeric edit fields of the dialogs show, accept and read, without the widgets:
// the fields call these and only handle focus, colours and boxes themselves.

inline constexpr const char* kValeurSaisieIncorrecte =
    QT_TRANSLATE_NOOP("ChampsNumeriques", "Valeur saisie incorrecte");
inline constexpr const char* kNomIncorrect =
    QT_TRANSLATE_NOOP("ChampsNumeriques", "Nom de variable incorrect ou vide");
QString MessageValeurIncorrecte();
QString MessageNomIncorrect();

// A set of characters given by their Windows-1252 bytes.
using JeuCaracteres = std::bitset<256>;

// --- Scientific field ----------------------------------------------------------------------

enum class FormatScientific { scNumerique, scScientific, scTemps };

struct ChampScientific {
    FormatScientific format = FormatScientific::scScientific;
    QString unite;
    int nbChiffres = 5;
    bool avecZeros = false;
    bool seuilActif = false; // the field's own threshold switch
    double seuil = 0;        // the reference of the "0+"/"0-" display
    double arrondi = 0;      // 0: none
    double limiteMaxi = 0;   // 0: none
    double limiteMini = 0;   // 0: none
};

// The text the field shows for a value; `sansSeuil` when the field is entered, so that a
// "0+" or "0-" shows the value itself.
QString TexteScientific(const ReglagesNombres& r, const ChampScientific& champ, double valeur,
                        bool sansSeuil = false);
// The value the field keeps: within its limits, then truncated to a multiple of `arrondi`.
double ValeurScientific(const ChampScientific& champ, double valeur);
// The unit the field keeps: a time field accepts only time units and falls back to "s".
QString UniteScientific(FormatScientific format, const QString& unite);
// Whether a typed character is accepted (backspace, Enter and Escape included).
bool ToucheScientific(FormatScientific format, QChar touche);
// Reading of the typed text on validation, the value expressed in the field's unit;
// incorrect → the field shows MessageValeurIncorrecte().
Lecture LireScientific(const ChampScientific& champ, const QString& texte);

// --- Real and integer fields ------------------------------------------------------------------

enum class ModeLimite { liNone, liMin, liMax, liMinMax };
enum class GenreEntier { fiInteger, fiWord, fiHexa, fiUser };

struct ChampNumEdit {
    ModeLimite limiteMode = ModeLimite::liNone;
    QString limiteMini;
    QString limiteMaxi;
    QString limiteUnite; // written right after the limits
    int multiplieur = 1;
    bool chaineVideValide = false;
};

// The hint shown on entering: "LIMITES : Minimum 0", "LIMITES : 1 à 10 ms"…; empty when the
// field has no limits.
QString TexteLimites(const ChampNumEdit& champ);

struct ValidationNumEdit {
    enum class Etat { Correcte, Vide, Incorrecte, HorsLimites };
    Etat etat = Etat::Incorrecte;
    double valeur = 0;   // the value read, times the multiplier
    QString message;     // the error box's text when not correct
    QString texteRetenu; // out of limits: the violated limit, to restore on Annuler
};

// Reading on leaving a real field (the first "," or "." is the decimal point).
ValidationNumEdit ValiderReel(const ChampNumEdit& champ, const QString& texte);
// Reading on leaving an integer field of the given kind.
ValidationNumEdit ValiderEntier(const ChampNumEdit& champ, GenreEntier genre, const QString& texte);

// Hexadecimal with the "$" prefix, as the fiHexa fields show it.
QString TexteHexa(quint32 valeur);
// "$1F", "1F" (the prefix is implied) or "$" alone (0); at most 32 bits.
Lecture LireHexa(const QString& texte);
// An integer of the given kind: fiInteger and fiUser signed 32-bit, fiWord 0..65535, fiHexa
// as LireHexa.
Lecture LireEntier(GenreEntier genre, const QString& texte);

// The character a typed key enters in a real field (upper-cased), or a null QChar when the
// key is refused. `selection`: the field has selected text that the key replaces.
QChar ToucheReel(const QString& texte, bool selection, QChar touche);
// Same for an integer field; `jeu` is the owner's set of a fiUser field.
QChar ToucheEntier(GenreEntier genre, const QString& texte, bool selection, QChar touche,
                   const JeuCaracteres* jeu = nullptr);

// --- Text fields --------------------------------------------------------------------------

enum class GenreChaine { geTout, geIdent, geFichier, geUser };

// Whether a typed key is accepted in a text field holding `texte`; `jeu` is the owner's set
// of a geUser field.
bool ToucheChaine(GenreChaine genre, const QString& texte, QChar touche,
                  const JeuCaracteres* jeu = nullptr);
// On leaving a geIdent field: non-empty (unless allowed) and starting with a letter of the
// first-character set; otherwise the field shows MessageNomIncorrect().
bool IdentCorrect(const QString& texte, bool chaineVideValide);

} // namespace pelavorine
