#pragma once

#include <QString>
#include <utility>

namespace pelavorine {

class TableVariables;

// A name no variable bears, derived from nom: nom itself when free (the variable in slot
// ignorer does not count), else the first 10 characters of the trimmed nom, the separator
// (one character or none) and a number from 1 to 98, cut to 12 characters. Empty when every
// candidate is taken, so that no caller overwrites an existing variable by mistake.
QString NomLibre(const TableVariables& table, const QString& nom, int ignorer = 0,
                 const QString& separateur = {});

// Frees the name base (the first 10 characters of the trimmed nom): the variable bearing it,
// if any, is renamed base followed by the first free number from 1 to 253. Returns base, or an
// empty text when the name could not be freed.
QString LibererNom(TableVariables& table, const QString& nom);

// A name typed into a tool's name field may name an existing variable only when that variable
// comes from the same tool: the field's origin-code base + code must equal its origin. When
// not, message receives the text to show in the field and the answer is false.
bool VerifierGenreNom(const TableVariables& table, const QString& nom, int baseOrigine, int code,
                      QString& message);

// The texts and the answer of the dialog asked when the name of a variable a tool produces
// was changed: create a new variable, or rename the existing one.
class DialogueChangementNom {
public:
    explicit DialogueChangementNom(QString nom) : nom_(std::move(nom)) {}

    static QString Titre();
    QString Legende() const;
    static QString ChoixCreer();
    static QString ChoixRenommer();

    // Creating a new variable is the default: it leaves the existing one untouched.
    bool creer = true;
    // True = create a new variable, false = rename the existing one.
    bool Resultat() const { return creer; }

private:
    QString nom_;
};

} // namespace pelavorine
