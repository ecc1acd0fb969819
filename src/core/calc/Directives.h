#pragma once

#include <QList>
#include <QString>

namespace pelavorine {

class Hote;
class TableVariables;

// Results of a directive line other than 0 and its bits.
namespace directive {
inline constexpr int Arret = -1;      // .OFF: the following lines are skipped up to .ON
inline constexpr int Marche = -2;     // .ON
inline constexpr int Inhibition = -3; // .INHIB
inline constexpr int Init = -4;       // .INIT: a block run in the first repetition only
inline constexpr int Boucle = -5;     // .REPETER n, .PERMANENT: the repeated section starts
inline constexpr int Incorrecte = -6; // error 6
inline constexpr int Perimee = -13;   // .FLOTT, .FIX: error 13
// Bits of a non-negative result, acted on by the driver.
inline constexpr int Pause = 0x10;
inline constexpr int Afficher = 0x20;
inline constexpr int Emettre = 0x40;
// Repetition count of a permanent run.
inline constexpr int Permanent = 0xFFFF;
// Largest .REPETER count: the next value means "permanent".
inline constexpr int MaxRepetitions = 0xFFFE;
// From this wait on, .TEMPO listens to Escape.
inline constexpr int TempoInterruptible = 1000;
} // namespace directive

// The run modes a directive line may change besides its result.
struct ModesCalcul {
    int nombreRepetitions = 1; // directive::Permanent for a permanent run
    bool degres = false;
    int modeAtan = 90; // 90: -90..90, 180: 0..180
};

// Interprets the directive lines of the calculation sheet (lines beginning with '.').
class Directives {
public:
    // The 15 directive names, in the order they are looked for.
    enum Nom : int {
        Aucun,
        Repeter,
        Permanent,
        Init,
        Afficher,
        Emettre,
        Degre,
        Radian,
        Flott,
        Fix,
        Atan,
        Off,
        On,
        Inhib,
        Tempo,
        Pause
    };

    struct Mot {
        QString texte; // upper-cased
        QString brut;  // as typed
        int position;  // 1-based column on the line without spaces
    };

    struct Resultat {
        int resultat = 0; // 0 or bits of directive::Pause/Afficher/Emettre, or a negative code
        int position = 0; // column of the word being read (the faulty one on an error)
    };

    Directives(const TableVariables& table, Hote& hote);

    // The words of a directive line (its leading '.' included in the columns).
    static QList<Mot> Decouper(const QString& ligne);
    // The directive that a word names: the first name of the table that occurs anywhere in
    // the word's first 10 characters (so PERMANENTE is PERMANENT and MONTRER is ON).
    static Nom Reconnaitre(const QString& mot);

    // One directive line, given the status before it. While the status is directive::Arret,
    // only a line whose first word is exactly ON is read; any other gives directive::Arret.
    // An error (directive::Incorrecte, directive::Perimee) sets the repetition count to 1.
    // A .TEMPO waits here; from directive::TempoInterruptible ms on, Escape ends the wait
    // (the host's interruption flag then stays set for the driver).
    Resultat ExecuterDirective(const QString& ligne, int statut, ModesCalcul& modes);

private:
    // The count of .REPETER and .TEMPO: a number or an existing scalar variable, a whole
    // number from 1 to maximum. 0 when incorrect.
    long long LireCompte(const Mot& mot, long long maximum) const;
    void Attendre(long long millisecondes);

    const TableVariables& table_;
    Hote& hote_;
};

} // namespace pelavorine
