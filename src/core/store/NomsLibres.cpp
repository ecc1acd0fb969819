#include "core/store/NomsLibres.h"

#include "core/store/TableVariables.h"
#include "core/texte/CodageTexte.h"

#include <QCoreApplication>

namespace pelavorine {

namespace {
constexpr int kLongueurBase = 10;
constexpr int kDernierNumeroLibre = 99;    // numbers 1..98
constexpr int kDernierNumeroLiberer = 254; // numbers 1..253

bool Pris(const TableVariables& table, const QString& nom, int ignorer) {
    const int slot = table.IndexVariable(nom);
    return slot != 0 && slot != ignorer;
}
} // namespace

QString NomLibre(const TableVariables& table, const QString& nom, int ignorer,
                 const QString& separateur) {
    const QString base = nom.trimmed().left(kLongueurBase) + separateur.left(1);
    QString candidat = nom;
    for (int k = 1; Pris(table, candidat, ignorer); ++k) {
        if (k >= kDernierNumeroLibre) return {};
        candidat = (base + QString::number(k)).left(TableVariables::LongueurNom);
    }
    return candidat;
}

QString LibererNom(TableVariables& table, const QString& nom) {
    const QString base = nom.trimmed().left(kLongueurBase);
    const int slot = table.IndexVariable(base);
    if (slot == 0) return base;
    QString candidat = base;
    for (int k = 1; table.IndexVariable(candidat) != 0; ++k) {
        if (k >= kDernierNumeroLiberer) return {};
        candidat = (base + QString::number(k)).left(TableVariables::LongueurNom);
    }
    table.Variable(slot)->Nom = codage::FormeCanonique(candidat);
    return base;
}

bool VerifierGenreNom(const TableVariables& table, const QString& nom, int baseOrigine, int code,
                      QString& message) {
    const TypeId* v = table.Variable(table.IndexVariable(nom));
    if (!v || baseOrigine + code == v->Origine) return true;
    message = QCoreApplication::translate(
        "NomsLibres",
        "Nom déjà utilisé pour une variable de genre incompatible.\rChoisir un autre nom.");
    return false;
}

QString DialogueChangementNom::Titre() {
    return QCoreApplication::translate("DialogueChangementNom", "Modification de nom");
}

QString DialogueChangementNom::Legende() const {
    return QCoreApplication::translate("DialogueChangementNom", "Le nom de la variable ") + nom_ +
           QCoreApplication::translate("DialogueChangementNom", " a changé");
}

QString DialogueChangementNom::ChoixCreer() {
    return QCoreApplication::translate("DialogueChangementNom", " Créer une nouvelle variable");
}

QString DialogueChangementNom::ChoixRenommer() {
    return QCoreApplication::translate("DialogueChangementNom", " Renommer la variable existante");
}

} // namespace pelavorine
