#include "core/calc/MoteurCalcul.h"

#include "core/calc/ErreursCalcul.h"
#include "core/calc/TableFonctions.h"
#include "core/store/Genres.h"
#include "core/store/Hote.h"
#include "core/store/TableVariables.h"

#include <algorithm>
#include <cmath>

// The evaluation of a line: the recursive-descent evaluator of point 1, the postfix program
// built from the same tokens for the following points, and the per-point loop.
namespace pelavorine {

namespace {
double Signe(double x) {
    return x < 0 ? -1.0 : 1.0;
}
} // namespace

// --- Evaluation ------------------------------------------------------------------------

void MoteurCalcul::Lire() {
    jeton_ = &jetons_[++position_];
    if (jeton_->type == 'F') ++position_; // the "(" that always follows a function
}

double MoteurCalcul::Produit(double a, double b) {
    if (a == 0.0 || b == 0.0) return 0.0;
    const double r = a * b;
    if (!(std::fabs(r) < Infini)) return Signe(a) * Signe(b) * Infini;
    return r;
}

double MoteurCalcul::Quotient(double a, double b) {
    double r;
    if (std::fabs(b) < Infini) {
        r = b != 0.0 ? a / b : Signe(a) * Infini;
    } else {
        r = 0.0;
        infini_ = false;
    }
    if (!(std::fabs(r) < Infini)) return Signe(a) * Signe(b) * Infini;
    return r;
}

double MoteurCalcul::Puissance(double a, double b) {
    if (b == 0.0) return 1.0;
    const bool entier = b == std::trunc(b);
    double r;
    if (a >= 0.0 || entier) {
        if (a == 0.0) return 0.0;
        if (b <= -Infini) {
            infini_ = false;
            return 0.0;
        }
        if (b >= Infini || a >= Infini) return Infini;
        r = std::pow(std::fabs(a), b);
        if (a < 0.0 && std::fmod(b, 2.0) != 0.0) r = -r;
    } else {
        const auto proche = [b](double cible) { return std::fabs(b - cible) <= 0.001 * cible; };
        if (!proche(1.0 / 3.0) && !proche(0.2)) {
            Erreur(erreur::ArgumentNegatif);
            return 0.0;
        }
        r = -std::pow(-a, b);
    }
    if (!(std::fabs(r) < Infini)) return std::isnan(r) ? Infini : Signe(r) * Infini;
    return r;
}

double MoteurCalcul::Operande(int slot) {
    derniereVariable_ = slot;
    const TypeId* v = table_.Variable(slot);
    if (!v) return 0.0;
    const int capacite = v->Capacite();
    const auto valeurs = v->Valeurs();
    if (capacite <= 1) return valeurs.empty() ? 0.0 : valeurs[0];
    ++compteurTableaux_;
    int i = point_;
    if (v->Genre & genre::Reseau) {
        const int decale = table_.NbPoint() * (numeroRepetition - 1) + point_;
        if (decale <= capacite) i = decale;
    }
    return i >= 0 && i <= capacite && static_cast<std::size_t>(i) < valeurs.size() ? valeurs[i]
                                                                                   : 0.0;
}

// Point "indice" of the variable in slot: an integer from 1 to its capacity.
double MoteurCalcul::Element(int slot, double indice) {
    const TypeId* var = table_.Variable(slot);
    if (indice < 1.0 || indice != std::trunc(indice)) {
        Erreur(erreur::EntierPositif);
        return 0.0;
    }
    if (!var || indice > var->Capacite()) {
        Erreur(erreur::HorsLimites);
        return 0.0;
    }
    return var->LirePoint(static_cast<int>(indice));
}

double MoteurCalcul::Primaire() {
    double v = 0.0;
    switch (jeton_->type) {
    case 'C':
        v = constantes_[jeton_->valeur];
        Lire();
        break;
    case 'V': {
        const int slot = jeton_->valeur;
        v = Operande(slot);
        Lire();
        if (jeton_->type == '[') {
            --compteurTableaux_;
            Lire();
            const double indice = Expression();
            if (code_) return 0.0;
            if (jeton_->type == ',') {
                Erreur(erreur::TropArguments);
                return 0.0;
            }
            if (jeton_->type != ']') {
                Erreur(erreur::Crochet);
                return 0.0;
            }
            v = Element(slot, indice);
            if (code_) return 0.0;
            // One element of a table is a scalar argument.
            derniereVariable_ = 1;
            Lire();
        }
        break;
    }
    case 'F':
        v = Appel(jeton_->valeur);
        break;
    case '(': {
        Lire();
        v = Expression();
        if (code_) return 0.0;
        if (jeton_->type == ',') {
            Erreur(erreur::TropArguments);
            return 0.0;
        }
        if (jeton_->type != ')') {
            Erreur(erreur::ParentheseFermante);
            return 0.0;
        }
        Lire();
        break;
    }
    default:
        Erreur(erreur::Syntaxe);
        return 0.0;
    }
    if (code_) return 0.0;
    switch (jeton_->type) {
    case 'C':
    case 'V':
    case 'F':
    case '(':
        Erreur(erreur::OperateurManquant);
        return 0.0;
    default:
        return v;
    }
}

double MoteurCalcul::Facteur() {
    double v = Primaire();
    if (code_ || jeton_->type != '^') return v;
    Lire();
    const bool inverse = jeton_->type == '-';
    if (inverse) Lire();
    const double exposant = Facteur();
    if (code_) return 0.0;
    const double p = Puissance(v, exposant);
    return inverse ? Quotient(1.0, p) : p;
}

double MoteurCalcul::Terme() {
    double v = Facteur();
    while (!code_ && (jeton_->type == '*' || jeton_->type == '/')) {
        const char op = jeton_->type;
        Lire();
        const double w = Facteur();
        if (code_) return 0.0;
        expressionArguments_ = true;
        v = op == '*' ? Produit(v, w) : Quotient(v, w);
    }
    return v;
}

double MoteurCalcul::Expression() {
    double v;
    const char signe = jeton_->type;
    if (signe == '+' || signe == '-') {
        Lire();
        v = Terme();
        if (signe == '-') v = -v;
    } else {
        v = Terme();
    }
    while (!code_) {
        const char op = jeton_->type;
        if (op != '+' && op != '-' && op != '<' && op != '>' && op != '!' && op != '\\') break;
        Lire();
        const double w = Terme();
        if (code_) return 0.0;
        expressionArguments_ = true;
        switch (op) {
        case '+':
            v = v + w;
            break;
        case '-':
            v = v - w;
            break;
        case '<':
            v = v < w;
            break;
        case '>':
            v = v > w;
            break;
        case '!':
            v = v <= w;
            break;
        default:
            v = v >= w;
            break;
        }
        if (!std::isfinite(v)) v = Signe(w) * Infini;
    }
    return v;
}

void MoteurCalcul::Arguments() {
    derniereVariable_ = 1;
    const double valeur = Expression();
    if (code_) return;
    const int variable = derniereVariable_;
    if (jeton_->type == ',') {
        Lire();
        Arguments();
        if (code_) return;
    }
    if (++nbArguments_ > MaxArguments) {
        Erreur(erreur::TropArguments);
        return;
    }
    const TypeId* v = table_.Variable(variable);
    arguments_[nbArguments_] = Argument{valeur, variable, v && v->Capacite() > 1};
}

double MoteurCalcul::Appel(int numero) {
    const int nbAvant = nbArguments_;
    const bool expressionAvant = expressionArguments_;
    const int compteurAvant = compteurTableaux_;
    nbArguments_ = 0;
    expressionArguments_ = false;
    Lire(); // first token of the arguments
    Arguments();
    double v = 0.0;
    if (!code_ && jeton_->type != ')') Erreur(erreur::ParentheseFermante);
    if (!code_) {
        const DescriptionFonction& f = TableFonctions[numero];
        if (indexResultat_ > MaxResultatsMemorises + 1) Erreur(erreur::TropCompliquee);
        if (point_ == 1 && !code_) {
            if (nbArguments_ > std::abs(f.arite))
                Erreur(erreur::TropArguments);
            else if (f.arite > 0 && nbArguments_ < f.arite)
                Erreur(erreur::PasAssezArguments);
            else if (expressionArguments_ && !f.expressions)
                Erreur(erreur::ExpressionInterdite);
            else if (f.resultat == 1) {
                TypeId* cible = VariableCible();
                const int nbPoint = table_.NbPoint();
                if (cible && cible->Capacite() < nbPoint) RecreerCible(nbPoint);
                if ((cible = VariableCible()))
                    cible->NbPoints = std::min(nbPoint, cible->Capacite());
                nbPointsLigne_ = nbPoint;
            }
        }
        if (!code_) {
            // A function with a scalar result adds no table to the line, whatever tables
            // it reads (MOY(U), INTEGN(U,T), DEPHASAGE(A,B) are scalars, U-MOY(U) a table).
            if (f.resultat < 0)
                compteurTableaux_ = compteurAvant;
            else
                compteurTableaux_ += f.resultat;
            v = f.appliquer(*this);
        }
    }
    if (!code_) Lire(); // past ")"
    nbArguments_ = nbAvant;
    expressionArguments_ = expressionAvant || expressionArguments_;
    return code_ ? 0.0 : v;
}

void MoteurCalcul::Stocker(double valeur) {
    TypeId* cible = VariableCible();
    if (!cible) return;
    if (cible->Capacite() == 1) {
        cible->EcrirePoint(0, valeur);
        return;
    }
    if (point_ > nbPointsLigne_) {
        Erreur(erreur::HorsLimites);
        return;
    }
    if (cible->Genre & genre::Reseau) {
        const int i = table_.NbPoint() * (numeroRepetition - 1) + point_;
        if (i <= cible->Capacite()) {
            cible->EcrirePoint(i, valeur);
            cible->NbPoints = i;
        }
        return;
    }
    if (point_ > cible->Capacite()) {
        Erreur(erreur::HorsLimites);
        return;
    }
    const auto valeurs = cible->Valeurs();
    if (valeurs.empty()) {
        cible->EcrirePoint(point_, valeur);
        return;
    }
    valeurs[static_cast<std::size_t>(point_)] = valeur;
    if (point_ > cible->NbPoints) cible->NbPoints = point_;
}

// --- The postfix program ----------------------------------------------------------------

// Moves to the next token as the evaluator's Lire does: past a function, past its "(" too.
void MoteurCalcul::Avancer() {
    emPos_ += jetons_[emPos_].type == 'F' ? 2 : 1;
}

void MoteurCalcul::Emettre(Instruction::Code code, int valeur, int nb, int debut) {
    Instruction i{code, static_cast<std::uint8_t>(valeur), static_cast<std::uint8_t>(nb),
                  static_cast<std::int16_t>(emPos_), static_cast<std::int16_t>(debut)};
    programme_.push_back(i);
}

void MoteurCalcul::EmExpression() {
    const char signe = jetons_[emPos_].type;
    if (signe == '+' || signe == '-') {
        Avancer();
        EmTerme();
        if (signe == '-') Emettre(Instruction::Negation);
    } else {
        EmTerme();
    }
    for (;;) {
        Instruction::Code code;
        switch (jetons_[emPos_].type) {
        case '+':
            code = Instruction::Plus;
            break;
        case '-':
            code = Instruction::Moins;
            break;
        case '<':
            code = Instruction::Inferieur;
            break;
        case '>':
            code = Instruction::Superieur;
            break;
        case '!':
            code = Instruction::InfEgal;
            break;
        case '\\':
            code = Instruction::SupEgal;
            break;
        default:
            return;
        }
        Avancer();
        EmTerme();
        Emettre(code);
    }
}

void MoteurCalcul::EmTerme() {
    EmFacteur();
    while (jetons_[emPos_].type == '*' || jetons_[emPos_].type == '/') {
        const auto code = jetons_[emPos_].type == '*' ? Instruction::Fois : Instruction::Divise;
        Avancer();
        EmFacteur();
        Emettre(code);
    }
}

void MoteurCalcul::EmFacteur() {
    EmPrimaire();
    if (jetons_[emPos_].type != '^') return;
    Avancer();
    const bool inverse = jetons_[emPos_].type == '-';
    if (inverse) Avancer();
    EmFacteur();
    Emettre(Instruction::Puissance);
    if (inverse) Emettre(Instruction::Inverse);
}

void MoteurCalcul::EmPrimaire() {
    const Jeton& j = jetons_[emPos_];
    switch (j.type) {
    case 'C':
        Emettre(Instruction::Constante, j.valeur);
        Avancer();
        return;
    case 'V': {
        const int slot = j.valeur;
        emDerniereVariable_ = slot;
        Emettre(Instruction::Variable, slot);
        Avancer();
        if (jetons_[emPos_].type == '[') {
            Avancer();
            EmExpression();
            Emettre(Instruction::Indice, slot); // raised at "]"
            emDerniereVariable_ = 1;
            Avancer();
        }
        return;
    }
    case 'F':
        EmAppel(j.valeur);
        return;
    default: // "("
        Avancer();
        EmExpression();
        Avancer();
        return;
    }
}

int MoteurCalcul::EmArguments(std::array<int, MaxArguments + 2>& variables) {
    emDerniereVariable_ = 1;
    EmExpression();
    const int variable = emDerniereVariable_;
    int n = 0;
    if (jetons_[emPos_].type == ',') {
        Avancer();
        n = EmArguments(variables);
    }
    variables[std::min(n + 1, MaxArguments + 1)] = variable;
    return n + 1;
}

void MoteurCalcul::EmAppel(int numero) {
    Avancer();
    std::array<int, MaxArguments + 2> variables{};
    const int nb = EmArguments(variables);
    const int debut = static_cast<int>(variablesArguments_.size());
    for (int e = 1; e <= nb; ++e)
        variablesArguments_.push_back(variables[e]);
    Emettre(Instruction::Appel, numero, nb, debut); // applied at ")"
    Avancer();
}

void MoteurCalcul::Construire() {
    programme_.clear();
    variablesArguments_.clear();
    emPos_ = 0;
    EmExpression();
}

double MoteurCalcul::Executer() {
    double* pile = pile_.data();
    int sp = 0;
    for (const Instruction& i : programme_) {
        switch (i.code) {
        case Instruction::Constante:
            pile[sp++] = constantes_[i.valeur];
            break;
        case Instruction::Variable:
            pile[sp++] = Operande(i.valeur);
            break;
        case Instruction::Indice: {
            const double indice = pile[--sp];
            jeton_ = &jetons_[i.jeton];
            pile[sp - 1] = Element(i.valeur, indice); // replaces V's value
            if (code_) return 0.0;
            break;
        }
        case Instruction::Negation:
            pile[sp - 1] = -pile[sp - 1];
            break;
        case Instruction::Fois:
            --sp;
            pile[sp - 1] = Produit(pile[sp - 1], pile[sp]);
            break;
        case Instruction::Divise:
            --sp;
            pile[sp - 1] = Quotient(pile[sp - 1], pile[sp]);
            break;
        case Instruction::Puissance:
            --sp;
            jeton_ = &jetons_[i.jeton];
            pile[sp - 1] = Puissance(pile[sp - 1], pile[sp]);
            if (code_) return 0.0;
            break;
        case Instruction::Inverse:
            pile[sp - 1] = Quotient(1.0, pile[sp - 1]);
            break;
        case Instruction::Appel: {
            jeton_ = &jetons_[i.jeton];
            if (indexResultat_ > MaxResultatsMemorises + 1) {
                Erreur(erreur::TropCompliquee);
                return 0.0;
            }
            const int nb = i.nb;
            for (int e = 1; e <= nb; ++e) {
                const int slot = variablesArguments_[static_cast<std::size_t>(i.debut + e - 1)];
                const TypeId* v = table_.Variable(slot);
                arguments_[e] = Argument{pile[sp - e], slot, v && v->Capacite() > 1};
            }
            sp -= nb;
            nbArguments_ = nb;
            const double v = TableFonctions[i.valeur].appliquer(*this);
            if (code_) return 0.0;
            pile[sp++] = v;
            break;
        }
        default: { // the operators of the expression level
            --sp;
            const double a = pile[sp - 1], b = pile[sp];
            double r;
            switch (i.code) {
            case Instruction::Plus:
                r = a + b;
                break;
            case Instruction::Moins:
                r = a - b;
                break;
            case Instruction::Inferieur:
                r = a < b;
                break;
            case Instruction::Superieur:
                r = a > b;
                break;
            case Instruction::InfEgal:
                r = a <= b;
                break;
            default:
                r = a >= b;
                break;
            }
            pile[sp - 1] = std::isfinite(r) ? r : Signe(b) * Infini;
            break;
        }
        }
    }
    return sp > 0 ? pile[0] : 0.0;
}

MoteurCalcul::Resultat MoteurCalcul::CompilerSeulement(const QString& ligne) {
    Preparer(ligne);
    return code_ ? Resultat{1, code_, colonne_} : Resultat{cible_, 0, 0};
}

MoteurCalcul::Resultat MoteurCalcul::EvaluerFormule(const QString& ligne) {
    compteurTableaux_ = 0;
    point_ = 1;
    if (!Preparer(ligne)) return Resultat{1, code_, colonne_};

    bool interrompu = false;
    bool premier = true;
    const int cibleLigne = cible_;
    programme_.clear();
    while (point_ <= nbPointsLigne_) {
        infini_ = false;
        nbArguments_ = 0;
        expressionArguments_ = false;
        indexResultat_ = 1;
        double valeur;
        if (premier) {
            position_ = -1;
            Lire();
            valeur = Expression();
            if (!code_ && jeton_->type != 0) Erreur(erreur::Syntaxe);
        } else {
            valeur = Executer();
        }
        if (code_) break;
        if (infini_) valeur = Signe(valeur) * Infini;
        Stocker(valeur);
        if (code_) break;
        // After the first point a line without table operands gives a scalar, unless a
        // function (AFFECTER) sent the result to another variable.
        if (premier && compteurTableaux_ <= 0 && cible_ == cibleLigne) {
            TypeId* cible = VariableCible();
            if (cible && cible->Capacite() > 1) {
                RecreerCible(1);
                if ((cible = VariableCible())) {
                    cible->EcrirePoint(0, valeur);
                    cible->NbPoints = 0;
                }
                break;
            }
        }
        if (premier) {
            premier = false;
            Construire();
        }
        ++point_;
        if (hote_.Interrompu()) {
            interrompu = true;
            break;
        }
    }
    if (code_) return Resultat{1, code_, colonne_};
    if (TypeId* cible = VariableCible()) cible->CalculerStatistiques();
    if (interrompu) return Resultat{cible_, erreur::Interruption, 0};
    return Resultat{cible_, 0, 0};
}

} // namespace pelavorine
