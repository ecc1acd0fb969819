#include "core/calc/MoteurCalcul.h"

#include "core/calc/ErreursCalcul.h"
#include "core/calc/TableFonctions.h"
#include "core/store/Genres.h"
#include "core/store/Hote.h"
#include "core/store/ReglesNoms.h"
#include "core/store/TableVariables.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace pelavorine {

namespace {

constexpr QChar kFin(u'\0');

bool EstOperateur(QChar c) {
    switch (c.unicode()) {
    case u'(':
    case u')':
    case u'[':
    case u']':
    case u',':
    case u'+':
    case u'-':
    case u'*':
    case u'/':
    case u'^':
    case u'<':
    case u'>':
    case u'!':
    case u'\\':
    case u'\0':
        return true;
    default:
        return false;
    }
}

bool EstChiffre(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool EstLettreAscii(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// The first characters of a name as the function table compares them.
QString Prefixe10(const QString& nom) {
    return nom.left(10).toUpper();
}

int ChercherFonction(const QString& nom) {
    const QString cle = Prefixe10(nom);
    for (int n = 0; n < NbFonctions; ++n)
        if (QLatin1String(TableFonctions[n].nom).left(10) == cle) return n;
    return -1;
}

} // namespace

MoteurCalcul::MoteurCalcul(TableVariables& table, Hote& hote) : table_(table), hote_(hote) {}

void MoteurCalcul::ReinitialiserModes() {
    degres = false;
    modeAtan = 90;
    atanPrecedent = 0.0;
}

int MoteurCalcul::NbPoint() const {
    return table_.NbPoint();
}

TypeId* MoteurCalcul::VariableCible() {
    return table_.Variable(cible_);
}

void MoteurCalcul::RecreerCible(int capacite) {
    TypeId* v = VariableCible();
    if (!v) return;
    const int slot = table_.CreerVariable(v->Nom, capacite, v->Genre);
    if (slot == 0) Erreur(erreur::Memoire);
}

void MoteurCalcul::ErreurColonne(int code, int colonne) {
    if (code_ != 0) return;
    code_ = code;
    colonne_ = colonne;
}

void MoteurCalcul::Erreur(int code) {
    const int colonne = jeton_ ? jeton_->colonne : 0;
    ErreurColonne(code, decalageColonne_ + colonne);
}

bool MoteurCalcul::Memoriser(double valeur) {
    if (indexResultat_ > MaxResultatsMemorises) {
        Erreur(erreur::TropCompliquee);
        return false;
    }
    resultats_[indexResultat_++] = valeur;
    return true;
}

bool MoteurCalcul::Relire(double& valeur) {
    if (indexResultat_ > MaxResultatsMemorises) {
        Erreur(erreur::TropCompliquee);
        return false;
    }
    valeur = resultats_[indexResultat_++];
    return true;
}

std::vector<double>& MoteurCalcul::TableDeLAppel() {
    // A call is known by its closing ")", the token read while it is applied, at point 1
    // as in the program of the following points.
    const int site = jeton_ ? static_cast<int>(jeton_ - jetons_.data()) : 0;
    for (auto& [s, table] : tablesAppels_)
        if (s == site) return table;
    tablesAppels_.emplace_back(site, std::vector<double>{});
    return tablesAppels_.back().second;
}

// --- Pre-scan -------------------------------------------------------------------------

bool MoteurCalcul::PreAnalyserFormule(QString& ligne) {
    QString propre;
    propre.reserve(ligne.size());
    int parentheses = 0, crochets = 0, egaux = 0;
    int premierCrochet = 0, premierEgal = 0;
    bool crochetAvantEgal = false;
    for (qsizetype i = 0; i < ligne.size(); ++i) {
        const QChar c = ligne[i];
        if (c == u' ') continue;
        const QChar suivant = i + 1 < ligne.size() ? ligne[i + 1] : kFin;
        if ((c == u'<' || c == u'>') && suivant == u'=') {
            propre += c == u'<' ? u'!' : u'\\';
            ++i;
            continue;
        }
        propre += c;
        const int colonne = static_cast<int>(propre.size());
        if (c == u'(') ++parentheses;
        if (c == u')') --parentheses;
        if (c == u'[') {
            ++crochets;
            if (!premierCrochet) premierCrochet = colonne;
        }
        if (c == u']') --crochets;
        if (c == u'=') {
            ++egaux;
            if (!premierEgal) premierEgal = colonne;
            if (premierCrochet) crochetAvantEgal = true;
        }
    }
    ligne = propre;
    if (crochetAvantEgal)
        ErreurColonne(erreur::Affecter, premierCrochet);
    else if (parentheses < 0)
        ErreurColonne(erreur::ParentheseOuvrante, 0);
    else if (parentheses > 0)
        ErreurColonne(erreur::ParentheseFermante, 0);
    else if (crochets != 0)
        ErreurColonne(erreur::Crochet, premierCrochet);
    else if (egaux >= 2)
        ErreurColonne(erreur::Syntaxe, premierEgal);
    return code_ == 0;
}

// --- Target ----------------------------------------------------------------------------

bool MoteurCalcul::AnalyserCible(const QString& ligne, QString& expression) {
    cible_ = 1;
    decalageColonne_ = 0;
    genreCible_ = genre::Calculee;
    nomCible_.clear();
    QString texte = ligne;
    int prefixe = 0;
    const qsizetype point = texte.indexOf(u'.');
    if (point >= 3 && point <= 6 &&
        QStringLiteral("RESEAU").startsWith(texte.left(point).toUpper())) {
        prefixe = static_cast<int>(point) + 1;
        texte = texte.mid(prefixe);
        genreCible_ = genre::Calculee | genre::Reseau;
    }
    const bool reseau = genreCible_ & genre::Reseau;
    const qsizetype egal = texte.indexOf(u'=');
    const int nbPoint = table_.NbPoint();
    int capacite = 1, nombre = 0;
    nbPointsLigne_ = 1;
    if (egal < 0) {
        expression = texte;
        if (!reseau) return true; // the result goes to the variable ?
        // A family without a name has nothing to fill.
        ErreurColonne(erreur::Syntaxe, prefixe + 1);
        return false;
    }
    if (texte.isEmpty() || texte[0] == u'?' || !noms::PeutCommencer(texte[0])) {
        ErreurColonne(erreur::Syntaxe, prefixe + 1);
        return false;
    }
    nomCible_ = texte.left(egal).left(TableVariables::LongueurNom);
    expression = texte.mid(egal + 1);
    decalageColonne_ = prefixe + static_cast<int>(egal) + 1;
    const QString majuscules = nomCible_.toUpper();
    if (majuscules == QLatin1String("T")) {
        ErreurColonne(erreur::TempsReserve, prefixe + 1);
        return false;
    }
    if (majuscules == QLatin1String("PI")) {
        ErreurColonne(erreur::PiReserve, prefixe + 1);
        return false;
    }
    if (const TypeId* existante = table_.Variable(table_.IndexVariable(nomCible_))) {
        capacite = existante->Capacite();
        nombre = existante->NbPoints;
        if (!reseau) genreCible_ = existante->Genre;
    }
    if (reseau) {
        const long long n = static_cast<long long>(nbPoint) * numeroRepetition;
        if (n > MaxPointsReseau) {
            ErreurColonne(erreur::ReseauSature, prefixe + 1);
            return false;
        }
        capacite = static_cast<int>(n);
        nombre = std::min(nombre, capacite);
        nbPointsLigne_ = nbPoint;
    }
    if (!table_.NomValide(nomCible_)) {
        ErreurColonne(erreur::Syntaxe, prefixe + 1);
        return false;
    }
    cible_ = table_.CreerVariable(nomCible_, std::max(capacite, 1), genreCible_);
    if (cible_ == 0) {
        cible_ = 1;
        ErreurColonne(erreur::TableSaturee, prefixe + 1);
        return false;
    }
    TypeId* v = table_.Variable(cible_);
    v->NbPoints = std::min(nombre, v->Capacite());
    if (reseau) v->NbCourbes = static_cast<std::uint8_t>(std::min(numeroRepetition, 255));
    return true;
}

// --- Tokens ----------------------------------------------------------------------------

bool MoteurCalcul::Ajouter(char type, std::uint8_t valeur, int colonne) {
    if (nbJetons_ >= MaxJetons) {
        ErreurColonne(erreur::TropCompliquee, decalageColonne_ + colonne);
        return false;
    }
    jetons_[nbJetons_++] = Jeton{type, valeur, static_cast<std::int16_t>(colonne)};
    return true;
}

void MoteurCalcul::SuivreOperande(const TypeId& operande, int profondeur) {
    if (code_ != 0 || nomCible_.isEmpty() || (profondeur > 1 && contexteScalaire_)) return;
    TypeId* cible = VariableCible();
    if (!cible) return;
    const int nbPoint = table_.NbPoint();
    if (cible->Capacite() < operande.Capacite() && cible->Capacite() < nbPoint)
        RecreerCible(nbPoint);
    if (operande.Capacite() > nbPoint && cible->Capacite() != operande.NbPoints &&
        operande.NbPoints >= 1)
        RecreerCible(operande.NbPoints);
    if (cible->NbPoints < operande.NbPoints) cible->NbPoints = operande.NbPoints;
    if (operande.Capacite() >= 2 && (cible->NbPoints == 0 || cible->NbPoints > operande.NbPoints))
        cible->NbPoints = operande.NbPoints;
    cible->NbPoints = std::min(cible->NbPoints, cible->Capacite());
}

bool MoteurCalcul::CompilerFormule(const QString& texte) {
    const bool casse = table_.Casse();
    QString e;
    e.reserve(texte.size() + 1);
    for (QChar c : texte) {
        if (c == u' ') continue;
        e += (!casse && c >= u'a' && c <= u'z') ? QChar(c.unicode() - 32) : c;
    }
    e += kFin;
    nbJetons_ = 0;
    nbConstantes_ = 0;
    contexteScalaire_ = false;
    int profondeur = 1;
    const int nbPoint = table_.NbPoint();
    qsizetype i = 0;
    while (code_ == 0) {
        const QChar c = e[i];
        const int colonne = static_cast<int>(i) + 1;
        if (c == kFin) {
            Ajouter(0, 0, colonne);
            break;
        }
        if (EstChiffre(c) || c == u'$') {
            qsizetype j = i;
            bool ok = false;
            double valeur = 0;
            if (c == u'$') {
                ++j;
                while (EstChiffre(e[j]) || (e[j] >= u'A' && e[j] <= u'F'))
                    ++j;
                valeur = static_cast<double>(e.mid(i + 1, j - i - 1).toULongLong(&ok, 16));
            } else {
                while (EstChiffre(e[j]))
                    ++j;
                if (e[j] == u'.' && EstChiffre(e[j - 1])) {
                    ++j;
                    while (EstChiffre(e[j]))
                        ++j;
                }
                if (e[j] == u'E' && EstChiffre(e[j - 1])) {
                    ++j;
                    if (e[j] == u'+' || e[j] == u'-') ++j;
                    while (EstChiffre(e[j]))
                        ++j;
                }
                valeur = QLocale::c().toDouble(e.mid(i, j - i), &ok);
            }
            if (!EstOperateur(e[j])) {
                ErreurColonne(erreur::Syntaxe, decalageColonne_ + static_cast<int>(j) + 1);
                break;
            }
            if (!ok || !std::isfinite(valeur)) {
                ErreurColonne(erreur::Syntaxe, decalageColonne_ + colonne);
                break;
            }
            if (nbConstantes_ >= MaxConstantes) {
                ErreurColonne(erreur::TropConstantes, decalageColonne_ + colonne);
                break;
            }
            constantes_[++nbConstantes_] = valeur;
            Ajouter('C', static_cast<std::uint8_t>(nbConstantes_), colonne);
            i = j;
            continue;
        }
        if (EstLettreAscii(c) || c.unicode() >= 128) {
            qsizetype j = i;
            while (!EstOperateur(e[j]) && e[j] != u'.')
                ++j;
            const QString nom = e.mid(i, j - i);
            if (nom.size() > 20 || !table_.NomValide(nom)) {
                ErreurColonne(erreur::Syntaxe, decalageColonne_ + colonne);
                break;
            }
            const int n = ChercherFonction(nom);
            if (n >= 0) {
                const DescriptionFonction& f = TableFonctions[n];
                Ajouter('F', static_cast<std::uint8_t>(n), colonne);
                if (e[j] != u'(') {
                    if (f.arite > 0) {
                        ErreurColonne(erreur::ParentheseOuvrante,
                                      decalageColonne_ + static_cast<int>(j));
                        break;
                    }
                    // A call with one placeholder argument, the line's first constant slot.
                    Ajouter('(', 0, colonne);
                    Ajouter('C', 1, colonne);
                    Ajouter(')', 0, colonne);
                }
                if (f.resultat == -1) contexteScalaire_ = true;
                niveauLangage = std::max(niveauLangage, f.niveau);
                i = j;
                continue;
            }
            int slot = 0;
            const QString cherche = table_.NormaliserNom(nom);
            for (int k = 2; k <= table_.DerniereCase(); ++k) {
                const TypeId* v = table_.Variable(k);
                if (v && noms::Comparable(v->Nom, casse) == cherche) {
                    slot = k;
                    break;
                }
            }
            if (slot == 0) {
                ErreurColonne(erreur::SymboleNonDefini, decalageColonne_ + static_cast<int>(j));
                break;
            }
            const TypeId& operande = *table_.Variable(slot);
            if (e[j] == u'[') {
                contexteScalaire_ = true;
            } else {
                if (nbPointsLigne_ < operande.Capacite()) nbPointsLigne_ = nbPoint;
                if (operande.NbPoints > 1 && operande.NbPoints < nbPointsLigne_)
                    nbPointsLigne_ = operande.NbPoints;
            }
            SuivreOperande(operande, profondeur);
            Ajouter('V', static_cast<std::uint8_t>(slot), colonne);
            i = j;
            continue;
        }
        if (EstOperateur(c)) {
            if (c == u'(') ++profondeur;
            if (c == u')') --profondeur;
            Ajouter(static_cast<char>(c.unicode()), 0, colonne);
            ++i;
            continue;
        }
        ErreurColonne(erreur::Syntaxe, decalageColonne_ + colonne);
    }
    return code_ == 0;
}

bool MoteurCalcul::Preparer(const QString& texte) {
    code_ = 0;
    colonne_ = 0;
    cible_ = 1;
    jeton_ = nullptr;
    QString ligne = texte;
    QString expression;
    return PreAnalyserFormule(ligne) && AnalyserCible(ligne, expression) &&
           CompilerFormule(expression);
}

} // namespace pelavorine
