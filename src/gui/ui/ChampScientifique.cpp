#include "gui/ui/ChampScientifique.h"

namespace pelavorine {

namespace {
constexpr qsizetype kLongueurUnite = 20;
}

ChampScientifique::ChampScientifique(QWidget* parent) : ChampSaisie(parent) {
    Afficher();
}

void ChampScientifique::FixerFormat(FormatScientific format) {
    champ_.format = format;
    champ_.unite = UniteScientific(format, champ_.unite);
    Afficher();
}

void ChampScientifique::FixerValeur(double valeur) {
    valeur_ = ValeurScientific(champ_, valeur);
    Afficher();
}

void ChampScientifique::FixerUnite(const QString& unite) {
    champ_.unite = UniteScientific(champ_.format, unite.left(kLongueurUnite));
    Afficher();
}

void ChampScientifique::FixerNbChiffres(int n) {
    champ_.nbChiffres = n;
    Afficher();
}

void ChampScientifique::FixerAvecZeros(bool avecZeros) {
    champ_.avecZeros = avecZeros;
    Afficher();
}

void ChampScientifique::FixerSeuil(double seuil, bool actif) {
    champ_.seuil = seuil;
    champ_.seuilActif = actif;
    Afficher();
}

void ChampScientifique::FixerArrondi(double arrondi) {
    champ_.arrondi = arrondi;
    FixerValeur(valeur_);
}

void ChampScientifique::FixerLimites(double mini, double maxi) {
    champ_.limiteMini = mini;
    champ_.limiteMaxi = maxi;
    FixerValeur(valeur_);
}

void ChampScientifique::FixerReglages(const ReglagesNombres& reglages) {
    reglages_ = reglages;
    Afficher();
}

void ChampScientifique::Afficher(bool sansSeuil) {
    texteAffiche_ = TexteScientific(reglages_, champ_, valeur_, sansSeuil);
    setText(texteAffiche_);
}

QChar ChampScientifique::Touche(QChar c) {
    return ToucheScientific(champ_.format, c) ? c : QChar();
}

void ChampScientifique::Entrer() {
    if (text() == QLatin1String("0+") || text() == QLatin1String("0-")) Afficher(true);
}

ChampSaisie::Resultat ChampScientifique::Lire() {
    emit precalculer();
    // A shown value that was not edited keeps all its digits.
    if (!isModified() && text() == texteAffiche_) return {true, {}, {}};
    const Lecture l = LireScientific(champ_, text());
    if (!l.correct) return {false, MessageValeurIncorrecte(), {}};
    FixerValeur(l.valeur);
    return {true, {}, {}};
}

} // namespace pelavorine
