#include "core/files/CommandesFichier.h"

#include "core/files/DialoguesFichier.h"
#include "core/files/ExportTexte.h"
#include "core/files/FichierTravail.h"
#include "core/files/ImportTexte.h"
#include "core/store/Demandes.h"
#include "core/store/Hote.h"
#include "core/travail/Travail.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace pelavorine {

namespace {

const char* const kContexte = "CommandesFichier";

QString Extension(const QString& nom) {
    const QString suffixe = QFileInfo(nom).suffix();
    return suffixe.isEmpty() ? QString() : QLatin1Char('.') + suffixe.toUpper();
}

bool FichierTravailOuTexte(const QString& extension) {
    return extension == QLatin1String(".PL2") || extension == QLatin1String(".PLC") ||
           extension == QLatin1String(".TXT");
}

bool LectureSeule(const QString& nom) {
    const QFileInfo info(nom);
    return info.exists() && !info.isWritable();
}

// The limits in force in the current window, written in the text table's configuration line.
LimitesEchelles LimitesCourantes(Travail& travail) {
    LimitesEchelles limites;
    TableFenetres& fenetres = travail.TableDesFenetres();
    const int courante = fenetres.FenetreCourante();
    // The limits in force are those of the scales evaluated against the variables now.
    if (fenetres.Existe(courante)) fenetres.ResoudreAxes(courante, travail.Variables());
    if (const DonneesFenetre* f = fenetres.Donnees(courante)) {
        limites.xMin = f->echelleX.minimum;
        limites.xMax = f->echelleX.maximum;
        limites.yMin = f->echelleY.minimum;
        limites.yMax = f->echelleY.maximum;
    }
    return limites;
}

// Writes the file by its extension; fait tells whether a file was written.
int Ecrire(Travail& travail, DialoguesFichier& dialogues, const QString& nom,
           const QString& extension, bool& fait) {
    fait = false;
    if (extension == QLatin1String(".TXT")) {
        if (!dialogues.ReglerExportTexte(travail.exportTexte)) return 0;
        const ResultatExportTexte r =
            EcrireFichierTexte(travail, travail.exportTexte, LimitesCourantes(travail), nom);
        if (r.code != 0) travail.hote().Erreur(FichierTravail::MessageErreur(r.code));
        fait = r.code == 0 && r.ecrit;
        return r.code;
    }
    if (extension != QLatin1String(".PL2") && extension != QLatin1String(".PLC")) return 0;
    // A work without any curve window is not written (the previous file stays).
    if (travail.TableDesFenetres().NbOuvertes() == 0) return 0;
    const int code = FichierTravail::EcrireTravail(travail, nom, travail.conserves,
                                                   travail.description, travail.fichierCompatible);
    fait = code == 0;
    return code;
}

} // namespace

ResultatCommande EnregistrerTravail(Travail& travail, DialoguesFichier& dialogues,
                                    const QString& nom, bool confirmer) {
    ResultatCommande resultat;
    QString choisi = nom;
    if (choisi.isEmpty() || Extension(choisi) != QLatin1String(".PL2") || LectureSeule(choisi)) {
        const ChoixEnregistrement choix =
            dialogues.DemanderEnregistrement(travail.fichierCourant, travail.description);
        if (choix.nom.isEmpty()) return resultat;
        choisi = choix.nom;
        travail.description = choix.description;
        travail.fichierCompatible = choix.compatible;
    } else if (confirmer &&
               !travail.hote().Question(
                   QCoreApplication::translate(kContexte, "Enregistrer sous le nom ") + choisi)) {
        return resultat;
    }
    if (QFileInfo(choisi).suffix().isEmpty()) choisi += QStringLiteral(".PL2");
    const QString extension = Extension(choisi);
    if (!FichierTravailOuTexte(extension)) return resultat;

    // The previous file stays under its name until the new one is complete (each writer
    // replaces it atomically); the backup copy only guards against a crash meanwhile.
    const QString secours = QFileInfo(choisi).path() + QLatin1Char('/') +
                            QFileInfo(choisi).completeBaseName() + QStringLiteral(".bak");
    const bool avecSecours = QFileInfo::exists(choisi);
    if (avecSecours) {
        QFile::remove(secours);
        QFile::copy(choisi, secours);
    }
    resultat.code = Ecrire(travail, dialogues, choisi, extension, resultat.fait);
    if (avecSecours) QFile::remove(secours);
    if (!resultat.fait) return resultat;

    travail.fichierCourant = choisi;
    travail.modifie = false;
    dialogues.FichierUtilise(choisi);
    dialogues.TitreChange();
    return resultat;
}

ResultatCommande OuvrirTravail(Travail& travail, DialoguesFichier& dialogues, const QString& nom) {
    ResultatCommande resultat;
    QString choisi = QFileInfo::exists(nom) ? nom : QString();
    int parties = FichierTravail::Toutes;
    if (choisi.isEmpty()) {
        const ChoixOuverture choix = dialogues.DemanderOuverture();
        if (choix.nom.isEmpty() || (choix.parties & FichierTravail::Toutes) == 0) return resultat;
        if (!QFileInfo::exists(choix.nom)) {
            resultat.code = FichierTravail::ErreurFichierAbsent;
            travail.hote().Erreur(FichierTravail::MessageErreur(resultat.code));
            return resultat;
        }
        choisi = choix.nom;
        parties = choix.parties & FichierTravail::Toutes;
    }

    Hote& hote = travail.hote();
    if (travail.modifie && QFileInfo(choisi) != QFileInfo(travail.fichierCourant) &&
        hote.Question(QCoreApplication::translate(
            kContexte, "Voulez vous enregistrer le travail précédent"))) {
        EnregistrerTravail(travail, dialogues, travail.fichierCourant, false);
        if (!hote.Question(
                QCoreApplication::translate(kContexte, " Reprendre la lecture du fichier")))
            return resultat;
    }

    const QString extension = Extension(choisi);
    if (extension == QLatin1String(".PL2") || extension == QLatin1String(".PLC")) {
        resultat.code = FichierTravail::LireTravail(travail, choisi, parties, travail.conserves,
                                                    &travail.description);
    } else if (extension == QLatin1String(".TXT")) {
        OptionsImportTexte options;
        options.reinitialiser = true;
        options.afficher = true;
        const ResultatImportTexte r = ImporterTexte(travail, choisi, options);
        resultat.code = r.code;
        if (r.code != 0)
            hote.Erreur(FichierTravail::MessageErreur(r.code));
        else if (r.abandonne)
            return resultat;
    } else {
        resultat.code = FichierTravail::ErreurFormat;
        hote.Erreur(FichierTravail::MessageErreur(resultat.code));
    }
    if (resultat.code != 0) return resultat;

    resultat.fait = true;
    travail.fichierCourant = choisi;
    travail.Variables().DemanderMiseAJour(demande::ToutesFenetres | demande::Cadre |
                                          demande::Courbes);
    dialogues.FichierUtilise(choisi);
    if (travail.options & option::SansCalculApresLecture) travail.EffacerDemandes(demande::Feuille);
    travail.DemanderMiseAJour(demande::Sorties | demande::Intervalle | demande::Axes |
                              demande::ReglagesVoies);
    travail.modifie = false;
    dialogues.TitreChange();
    return resultat;
}

} // namespace pelavorine
