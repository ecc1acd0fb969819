#include "core/files/ReceptionDonnees.h"

#include "core/files/EnteteColonnes.h"
#include "core/files/FichierTravail.h"
#include "core/files/ImportTexte.h"
#include "core/store/Demandes.h"
#include "core/store/Genres.h"
#include "core/store/Hote.h"
#include "core/travail/Travail.h"

namespace pelavorine {

QString ReceptionDonnees::MessageFormatInconnu() {
    return tr("Format des données non reconnu");
}

bool ReceptionDonnees::Recevoir(std::uint32_t mode, const QString& texte) {
    if (texte.isEmpty()) return true;
    OptionsImportTexte options;
    options.afficher = true;
    if (mode & mode_import::Reinitialiser) {
        mode = mode_import::Ajouter;
        options.reinitialiser = true;
    }
    if (!(mode & mode_import::NomsUniques)) mode |= mode_import::MemeFenetre;
    options.mode = mode;
    options.fenetrePrecedente = fenetrePrecedente_;

    ResultatImportTexte resultat;
    const QString prefixe = QString::fromLatin1(PrefixeTable);
    if (texte.left(255).toUpper().contains(QStringLiteral(".TXT"))) {
        resultat = ImporterTexte(travail_, texte.trimmed(), options);
    } else if (texte.startsWith(prefixe)) {
        resultat = ImporterTexteMemoire(travail_, texte.mid(prefixe.size()).toUtf8(), options);
    } else {
        travail_.hote().Erreur(MessageFormatInconnu());
        return false;
    }
    if (resultat.code != 0) {
        travail_.hote().Erreur(FichierTravail::MessageErreur(resultat.code));
        return false;
    }
    if (fenetrePrecedente_ == 0) fenetrePrecedente_ = resultat.fenetre;
    travail_.DemanderMiseAJour(demande::ToutesFenetres | demande::Commentaires | demande::Cadre |
                               demande::Courbes | demande::Feuille);
    return !resultat.abandonne;
}

} // namespace pelavorine
