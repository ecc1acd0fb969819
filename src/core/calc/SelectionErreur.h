#pragma once

#include <QString>

namespace pelavorine {

// The word of a sheet line that an error points at, as the editor selects it.
struct SelectionErreur {
    int ligne = -1; // line of the sheet (set by the caller), -1 when nothing is to be selected
    int debut = 0;  // index of the first character in the edited line
    int longueur = 0;
};

// Operator characters of the calculation language: ( ) [ ] , + - * / ^ < > ! and backslash.
bool EstOperateurCalcul(QChar c);

// The faulty word of an edited line. The column is the one the engine reports: 1-based,
// counted on the line once its leading blanks and all its spaces are removed; 0 or a
// column past the end means the end of the line. When the character at the column is an
// operator, the word runs between separators (space, '.', ':', '='), so a faulty operator
// selects the whole operand around it; otherwise operators end the word too. The word is
// at least one character long (on a non-empty line).
SelectionErreur MotFautif(const QString& ligne, int colonne);

} // namespace pelavorine
