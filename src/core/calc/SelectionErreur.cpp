#include "core/calc/SelectionErreur.h"

namespace pelavorine {

namespace {

// The word separators of the language; '(' ')' and ',' are operators as well.
bool EstSeparateur(QChar c) {
    return QStringView(u"\r\n ().,:=").contains(c);
}

bool Delimite(QChar c, bool avecOperateurs) {
    if (avecOperateurs) return EstSeparateur(c) || EstOperateurCalcul(c);
    return EstSeparateur(c) && !EstOperateurCalcul(c);
}

bool EstBlanc(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

} // namespace

bool EstOperateurCalcul(QChar c) {
    return QStringView(u"()[],+-*/^<>!\\").contains(c);
}

SelectionErreur MotFautif(const QString& ligne, int colonne) {
    const int n = static_cast<int>(ligne.size());
    if (n == 0) return {};

    // The engine counted on the cleaned line: leading blanks cut, spaces removed. The caret
    // goes just after the counted character.
    int curseur = n;
    if (colonne > 0) {
        int i = 0;
        while (i < n && EstBlanc(ligne[i]))
            ++i;
        for (int compte = 0; i < n; ++i) {
            if (ligne[i] == QLatin1Char(' ')) continue;
            if (++compte == colonne) {
                curseur = i + 1;
                break;
            }
        }
    }

    const bool avecOperateurs = !EstOperateurCalcul(ligne[curseur - 1]);
    int debut = curseur;
    while (debut > 0 && !Delimite(ligne[debut - 1], avecOperateurs))
        --debut;
    int fin = debut;
    while (fin < n && !Delimite(ligne[fin], avecOperateurs))
        ++fin;

    SelectionErreur s;
    if (fin > debut) {
        s.debut = debut;
        s.longueur = fin - debut;
    } else {
        s.debut = debut < n ? debut : n - 1;
        s.longueur = 1;
    }
    return s;
}

} // namespace pelavorine
