#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace pelavorine {

class DonneesFenetre;
class TableVariables;
class TypeId;

// The legend line of a curve window: the names of its curves, the current one underlined.
struct NomLegende {
    int variable = 0;
    QString texte;            // what is written (name, "(unit)" or "(abscissa)")
    int x = 0;                // left of the name, in pixels
    std::int32_t couleur = 0; // Windows colour 0x00BBGGRR (0 = black in black-and-white)
    bool italique = false;    // multiplier ≠ 1 or offset ≠ 0
    bool souligne = false;    // the current curve
};

struct PlanLegende {
    QString texte; // the legend text: names separated by ", " (",..." once the line is full)
    std::vector<NomLegende> noms;
    int courbeCourante = 0;
};

// The curve the legend underlines: the program's current variable when this window shows it,
// else the first curve shown (variable-table order), 0 when none.
int CourbeCourante(const DonneesFenetre& fenetre, const TableVariables& variables,
                   int variableCourante);

// The variables the window shows, in table order, after the time variable; an input channel
// assigned to the window counts even before it holds points.
std::vector<int> CourbesAffichees(int fenetre, const TableVariables& variables);

// Builds the legend starting at x = `depart`; names that would pass `largeurMax` are
// dropped and the separator becomes ",...". `largeur` measures a text in the legend font.
PlanLegende ComposerLegende(const DonneesFenetre& fenetre, const TableVariables& variables,
                            int variableCourante, int depart, int largeurMax, bool noirEtBlanc,
                            const std::function<int(const QString&)>& largeur);

// The variable whose name is under x in the legend text starting at `depart`, 0 when none.
int VariableSousLaSouris(const QString& legende, int x, int depart, const TableVariables& variables,
                         const std::function<int(const QString&)>& largeur);

// "Mult.=… Decal.=…" for a curve with a multiplier ≠ 1 or an offset ≠ 0, else empty.
QString BulleEchelle(const TypeId& variable);

// The abscissa label: the name ("T" reads "Temps"), then " (unit)" when there is a unit;
// the X scale's prefix letter 'Y' gives "min", 'Z' gives "h". Empty in polar genre. Also
// stores the unit into the abscissa definition.
QString TexteAbscisse(DonneesFenetre& fenetre);

} // namespace pelavorine
