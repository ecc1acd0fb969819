#pragma once

#include "core/calc/GenerateurAleatoire.h"

#include <QString>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace pelavorine {

class Hote;
class PortsLogiques;
class TableVariables;
class TypeId;

// Evaluates one formula line of the calculation language: pre-scan, target, token string,
// then the expression interpreted once per point. Functions reach the state of the line
// through the services below.
class MoteurCalcul {
public:
    static constexpr int MaxArguments = 8;
    static constexpr int MaxConstantes = 255;
    static constexpr int MaxResultatsMemorises = 8;
    static constexpr int MaxPointsReseau = 10000;
    static constexpr double Infini = 1e300;

    struct Argument {
        double valeur = 0.0;
        int variable = 1;     // last variable operand read for this argument (1 = none)
        bool tableau = false; // that variable has more than one point
    };

    struct Resultat {
        int cible = 1;   // slot that received the result (1, the variable "?", on error)
        int code = 0;    // 0, an error of the first message table, or Interruption (-9)
        int colonne = 0; // column of the error in the line
    };

    MoteurCalcul(TableVariables& table, Hote& hote);

    // The whole treatment of one line.
    Resultat EvaluerFormule(const QString& ligne);
    // Checks a formula without evaluating it (pre-scan, target, tokens): used to validate
    // a formula typed in a dialog. Creates the target as evaluation would.
    Resultat CompilerSeulement(const QString& ligne);

    // Run state kept between lines: the sheet driver resets and changes it.
    int numeroRepetition = 1;
    int nombreRepetitions = 1; // 0xFFFF = permanent
    bool degres = false;
    int modeAtan = 90; // 90: -90..90, 180: 0..180
    int niveauLangage = 0;
    // Called when a run starts: radians, ATAN range 90.
    void ReinitialiserModes();

    // --- Services for the functions, valid while a function is applied ---
    TableVariables& Variables() { return table_; }
    Hote& hote() { return hote_; }
    // The logic ports of the interface (IN, OUT); the work sets them.
    PortsLogiques* ports = nullptr;
    int NbArguments() const { return nbArguments_; }
    // The k-th argument as written (1 = first).
    const Argument& Arg(int k) const { return arguments_[nbArguments_ - k + 1]; }
    bool ExpressionDansArguments() const { return expressionArguments_; }
    int Point() const { return point_; }
    void FixerPoint(int point) { point_ = point; }
    int NbPointsLigne() const { return nbPointsLigne_; }
    void FixerNbPointsLigne(int n) { nbPointsLigne_ = n; }
    int NbPoint() const; // NBPOINT
    int Cible() const { return cible_; }
    void FixerCible(int slot) { cible_ = slot; }
    TypeId* VariableCible();
    // Re-creates the target with that capacity, keeping its name and genre.
    void RecreerCible(int capacite);
    // Sets the line's error (the first one wins) at the column of the current token.
    void Erreur(int code);
    bool EnErreur() const { return code_ != 0; }
    void LeverInfini() { infini_ = true; }
    void EffacerInfini() { infini_ = false; }
    bool Infini_() const { return infini_; }
    // Previous result of ATAN, for the continuity of its 0..180 range.
    double atanPrecedent = 0.0;
    // Cached scalars: at point 1 a function stores its value, later points read it back
    // from the same slot. Returns false (and sets error 41) past 8 slots in one point.
    bool Memoriser(double valeur);
    bool Relire(double& valeur);
    // The table a table function computes at point 1 and reads back at the following
    // points: one per call of the line, so that two calls never share it.
    std::vector<double>& TableDeLAppel();
    // Work tables the functions reuse from call to call (k = 0..2).
    std::vector<double>& Tampon(int k) { return tampons_[static_cast<std::size_t>(k)]; }
    // The generator of RANDOM: this engine's own.
    GenerateurAleatoire& Aleatoire() { return aleatoire_; }
    const GenerateurAleatoire& Aleatoire() const { return aleatoire_; }

private:
    // One token: 'C' constant k, 'V' variable k, 'F' function k, an operator character, or
    // 0 at the end; with the column at which it began in the expression.
    struct Jeton {
        char type = 0;
        std::uint8_t valeur = 0;
        std::int16_t colonne = 0;
    };
    static constexpr int MaxJetons = 1024;

    // After point 1 the line is run from a postfix program built from the same tokens, in
    // the order the evaluator applies them; each instruction that may raise an error keeps
    // the token the evaluator would be reading then, so codes and columns are the same.
    struct Instruction {
        enum Code : std::uint8_t {
            Constante,
            Variable,
            Indice,
            Negation,
            Plus,
            Moins,
            Inferieur,
            Superieur,
            InfEgal,
            SupEgal,
            Fois,
            Divise,
            Puissance,
            Inverse,
            Appel
        };
        Code code;
        std::uint8_t valeur = 0; // constant, slot or function number
        std::uint8_t nb = 0;     // arguments of a call
        std::int16_t jeton = 0;  // token read when an error is raised
        std::int16_t debut = 0;  // first argument slot of a call in variablesArguments_
    };

    // Pre-scan, target, tokens; false on error (code_ set).
    bool Preparer(const QString& ligne);
    bool PreAnalyserFormule(QString& ligne);
    bool AnalyserCible(const QString& ligne, QString& expression);
    bool CompilerFormule(const QString& expression);
    void SuivreOperande(const TypeId& operande, int profondeur);
    bool Ajouter(char type, std::uint8_t valeur, int colonne);
    void ErreurColonne(int code, int colonne);

    // Evaluator.
    void Lire();
    double Expression();
    double Terme();
    double Facteur();
    double Primaire();
    double Operande(int slot);
    double Element(int slot, double indice);
    double Appel(int numero);
    void Arguments();
    void Stocker(double valeur);
    // The postfix program: built once per line, run for the points after the first.
    void Construire();
    void Avancer();
    void EmExpression();
    void EmTerme();
    void EmFacteur();
    void EmPrimaire();
    void EmAppel(int numero);
    int EmArguments(std::array<int, MaxArguments + 2>& variables);
    void Emettre(Instruction::Code code, int valeur = 0, int nb = 0, int debut = 0);
    double Executer();

    static double Produit(double a, double b);
    double Quotient(double a, double b);
    double Puissance(double a, double b);

    TableVariables& table_;
    Hote& hote_;

    // The line.
    std::array<Jeton, MaxJetons + 1> jetons_{};
    int nbJetons_ = 0;
    std::array<double, MaxConstantes + 1> constantes_{};
    int nbConstantes_ = 0;
    int decalageColonne_ = 0;
    bool contexteScalaire_ = false;
    QString nomCible_;
    std::uint16_t genreCible_ = 1;

    // The evaluation.
    int code_ = 0;
    int colonne_ = 0;
    int position_ = 0; // index of the current token
    const Jeton* jeton_ = nullptr;
    int cible_ = 1;
    int point_ = 1;
    int nbPointsLigne_ = 1;
    int compteurTableaux_ = 0;
    int derniereVariable_ = 1;
    bool infini_ = false;
    std::array<Argument, MaxArguments + 1> arguments_{};
    int nbArguments_ = 0;
    bool expressionArguments_ = false;
    std::array<double, MaxResultatsMemorises + 1> resultats_{};
    std::vector<Instruction> programme_;
    std::vector<std::pair<int, std::vector<double>>> tablesAppels_;
    std::array<std::vector<double>, 3> tampons_;
    GenerateurAleatoire aleatoire_;
    std::vector<int> variablesArguments_;
    std::array<double, MaxJetons + 1> pile_{};
    int emDerniereVariable_ = 1;
    int emPos_ = 0; // current token of the program builder
    int indexResultat_ = 1;
};

} // namespace pelavorine
