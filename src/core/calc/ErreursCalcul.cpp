#include "core/calc/ErreursCalcul.h"

#include <QCoreApplication>

namespace pelavorine {

namespace {

struct Texte {
    int code;
    const char* texte;
};

constexpr Texte kCalcul[] = {
    {1, QT_TRANSLATE_NOOP("Calcul", "Erreur de syntaxe")},
    {2, QT_TRANSLATE_NOOP("Calcul", "Constante erronée")},
    {3, QT_TRANSLATE_NOOP("Calcul", "Symbole non défini")},
    {4, QT_TRANSLATE_NOOP("Calcul", "signe ) manquant")},
    {5, QT_TRANSLATE_NOOP("Calcul", "argument en dehors de [-1,+1]")},
    {6, QT_TRANSLATE_NOOP("Calcul", "Directive inconnue ou incorrecte")},
    {7, QT_TRANSLATE_NOOP("Calcul", "argument négatif interdit")},
    {8, QT_TRANSLATE_NOOP("Calcul", "Opérateur manquant")},
    {9, QT_TRANSLATE_NOOP("Calcul", "Nom de symbole incorrect")},
    {10, QT_TRANSLATE_NOOP("Calcul", "signe ( manquant")},
    {11, QT_TRANSLATE_NOOP("Calcul", "argument doit être entier et >0")},
    {12, QT_TRANSLATE_NOOP("Calcul", "Nb de points incorrect")},
    {13, QT_TRANSLATE_NOOP("Calcul", "Cette directive ne doit plus être utilisée")},
    {14, QT_TRANSLATE_NOOP("Calcul", "Trop d'arguments")},
    {15, QT_TRANSLATE_NOOP("Calcul", "Pas assez d'arguments")},
    {16, QT_TRANSLATE_NOOP("Calcul", "type argument incorrect")},
    {17, QT_TRANSLATE_NOOP("Calcul", "L'argument doit être >=1")},
    {18, QT_TRANSLATE_NOOP("Calcul", "Syntaxe non autorisée: Utiliser la fonction AFFECTER")},
    {19, QT_TRANSLATE_NOOP("Calcul", "signe [ ou ] manquant")},
    {20, QT_TRANSLATE_NOOP("Calcul", "Indice ou résultat hors limites 1..")},
    {21, QT_TRANSLATE_NOOP("Calcul", "variable déjà déclarée")},
    {22, QT_TRANSLATE_NOOP("Calcul", "Table des variables saturée")},
    {23, QT_TRANSLATE_NOOP("Calcul", "un seul argument autorisé si tableau")},
    {24, QT_TRANSLATE_NOOP("Calcul", "Plus de place en mémoire")},
    {25, QT_TRANSLATE_NOOP("Calcul", "nécessite un argument scalaire")},
    {26, QT_TRANSLATE_NOOP("Calcul", "Dépassement du nombre maximum de points de la variable")},
    {27, QT_TRANSLATE_NOOP("Calcul", "Au moins un argument doit être un tableau")},
    {28, QT_TRANSLATE_NOOP("Calcul", "Expression non autorisée dans les arguments")},
    {29, QT_TRANSLATE_NOOP("Calcul", "l'argument doit être entier")},
    {30, QT_TRANSLATE_NOOP("Calcul", "Initialisation non effectuée")},
    {31, QT_TRANSLATE_NOOP("Calcul", "Erreur dans calcul de dérivée")},
    {32, QT_TRANSLATE_NOOP("Calcul", "Les valeurs en X doivent être toutes différentes")},
    {33, QT_TRANSLATE_NOOP("Calcul", "Valeurs en X non croissantes")},
    {34, QT_TRANSLATE_NOOP("Calcul", "Pas assez de points")},
    {35, QT_TRANSLATE_NOOP("Calcul", "argument <=0 interdit")},
    {36, QT_TRANSLATE_NOOP("Calcul", "limites impossibles")},
    {37, QT_TRANSLATE_NOOP("Calcul", "Erreur pendant lissage")},
    {38, QT_TRANSLATE_NOOP("Calcul", "Le degré doit être entre 1 et 20")},
    {39, QT_TRANSLATE_NOOP("Calcul", "Coupure haute doit être supérieure à coupure basse")},
    {40, QT_TRANSLATE_NOOP("Calcul", "le premier argument n'est pas une condition booléenne")},
    {41, QT_TRANSLATE_NOOP("Calcul", "Expression trop compliquée : à scinder")},
    {42, QT_TRANSLATE_NOOP("Calcul", "Tous les arguments doivent être scalaires")},
    {43, QT_TRANSLATE_NOOP("Calcul", "Erreur de calcul de FFT")},
    {46, QT_TRANSLATE_NOOP("Calcul", "Le nombre de points doit être une puissance de 2")},
    {48, QT_TRANSLATE_NOOP("Calcul", "Pi est une constante réservé (3.14159...)")},
    {49, QT_TRANSLATE_NOOP("Calcul", "Le temps T ne peut pas être redéfini")},
    {50, QT_TRANSLATE_NOOP("Calcul", "Directive d'interprétation invalide")},
    {51, QT_TRANSLATE_NOOP("Calcul", "Variable réseau saturée (10000 points maximum)")},
    {52, QT_TRANSLATE_NOOP("Calcul", "Argument entier compris entre 0 et 255")},
    {53, QT_TRANSLATE_NOOP("Calcul", "Numéro de port logique incompatible avec la carte")},
    {54, QT_TRANSLATE_NOOP("Calcul", "Port non utilisable en sortie")},
    {55, QT_TRANSLATE_NOOP("Calcul", "Port non utilisable en entrée")},
    {56, QT_TRANSLATE_NOOP("Calcul", "Trop de constantes numériques")},
    {200, QT_TRANSLATE_NOOP("Calcul", "Division par 0")},
    {202, QT_TRANSLATE_NOOP("Calcul", "Débordement de pile")},
    {203, QT_TRANSLATE_NOOP("Calcul", "Débordement du Tas")},
    {205, QT_TRANSLATE_NOOP("Calcul", "Dépassement de capacité de calcul")},
};

constexpr Texte kNumerique[] = {
    {1, QT_TRANSLATE_NOOP("Numerique", " Les X doivent être tous différents")},
    {2, QT_TRANSLATE_NOOP("Numerique", " Les valeurs en X ne sont pas en ordre croissant")},
    {3, QT_TRANSLATE_NOOP("Numerique", " Nombre de points trop faible")},
    {11, QT_TRANSLATE_NOOP("Numerique", " Nombre de points trop faible")},
    {4, QT_TRANSLATE_NOOP("Numerique", " Modulo trop grand pour Bézier")},
    {5, QT_TRANSLATE_NOOP("Numerique", " Nombre de points trop grand")},
    {6, QT_TRANSLATE_NOOP("Numerique", " Le nb de points doit être une puissance de 2")},
    {10, QT_TRANSLATE_NOOP("Numerique", " trop de points pour Lagrange (20 maxi)")},
    {12, QT_TRANSLATE_NOOP("Numerique", " incompatibilité des paramètres")},
    {13, QT_TRANSLATE_NOOP("Numerique", " incompatibilité des paramètres")},
    {14, QT_TRANSLATE_NOOP("Numerique", " Pas de solution possible (valeurs trop proches ?)")},
    {15, QT_TRANSLATE_NOOP("Numerique", " Degré trop faible ou trop fort")},
    {16, QT_TRANSLATE_NOOP("Numerique", " les X doivent être strictement positifs")},
    {26, QT_TRANSLATE_NOOP("Numerique", " les X doivent être strictement positifs")},
    {17, QT_TRANSLATE_NOOP("Numerique", " Le nombre de points doit être > degré")},
    {18, QT_TRANSLATE_NOOP("Numerique", " Nb maximum de points limité à 1024")},
    {19, QT_TRANSLATE_NOOP("Numerique", " Les Y doivent être de même signe et <>0")},
    {20, QT_TRANSLATE_NOOP("Numerique", " Les X doivent être de même signe et <>0")},
    {21, QT_TRANSLATE_NOOP("Numerique", " Les abscisses du modèle doivent être >0.")},
    {22, QT_TRANSLATE_NOOP("Numerique", " Fonction d'interpolation non reconnue.")},
    {23, QT_TRANSLATE_NOOP("Numerique", " Plus assez de place en mémoire.")},
    {24, QT_TRANSLATE_NOOP("Numerique", " Un des tableaux n'est pas valide.")},
    {25, QT_TRANSLATE_NOOP("Numerique", " Calcul impossible")},
    {27, QT_TRANSLATE_NOOP(
             "Numerique", " ANALYSE DE FOURIER IMPOSSIBLE\r Le signal présente un point infini !")},
    {28, QT_TRANSLATE_NOOP("Numerique", " Erreur d'interpolation ou de calcul")},
    {30, QT_TRANSLATE_NOOP("Numerique", " Erreur de calcul (par ex: Dép. capacité)")},
    {40, QT_TRANSLATE_NOOP("Numerique", " Erreur de calcul (par ex: Dép. capacité)")},
    {50, QT_TRANSLATE_NOOP("Numerique", " Erreur interne")},
    {100, QT_TRANSLATE_NOOP("Numerique", " Interruption par utilisateur")},
    {500, QT_TRANSLATE_NOOP("Numerique", " PAS DE SOLUTION POSSIBLE (Valeurs trop proches ?)")},
    {510, QT_TRANSLATE_NOOP("Numerique",
                            " LE CALCUL NE CONVERGE PAS: Changer le modèle ou les valeurs")},
    {511, QT_TRANSLATE_NOOP("Numerique", " TROP D'ITERATIONS : Changer le modèle ou les valeurs")},
};

template <std::size_t N> const char* Chercher(const Texte (&table)[N], int code) {
    for (const Texte& t : table)
        if (t.code == code) return t.texte;
    return nullptr;
}

} // namespace

QString TexteErreurCalcul(int code, int nbPoint) {
    const char* texte = Chercher(kCalcul, code);
    if (!texte) return QCoreApplication::translate("Calcul", "Erreur n° %1 non reconnue").arg(code);
    QString t = QCoreApplication::translate("Calcul", texte);
    if (code == erreur::HorsLimites) t += QString::number(nbPoint);
    return t;
}

QString TexteErreurNumerique(int statut) {
    const char* texte = Chercher(kNumerique, statut);
    if (!texte)
        return QCoreApplication::translate("Numerique", " Erreur non reconnue n°%1").arg(statut);
    return QCoreApplication::translate("Numerique", texte);
}

} // namespace pelavorine
