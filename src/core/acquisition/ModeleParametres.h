#pragma once

#include "core/acquisition/CopiesParametres.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace pelavorine {

class CoucheInterface;
class Travail;
class TypeId;

// What the parameters form reads and writes, without its widgets: the content of each page
// loaded from the work, the rules that check and apply it, what the user is editing, and the
// copies that let "Restaurer" and the cancel of the form put everything back. The form only
// shows these values and passes back what the user typed.
class ModeleParametres {
public:
    enum Page : int {
        PageEntrees = 0,
        PageAcquis = 1,
        PageCourbes = 2,
        PageFenetres = 3,
        PageSorties = 4
    };

    static inline const QString Titre = QStringLiteral(" Réglage des paramètres");
    static inline const QString NomIncorrect = QStringLiteral("Nom incorrect");
    static inline const QString NomDejaUtilise = QStringLiteral("Nom de variable déjà utilisé");
    static inline const QString LimitesIncorrectes = QStringLiteral("Limites d'échelle incorrecte");
    static inline const QString PasDeCourbe = QStringLiteral("Pas de courbe valide");
    static inline const QString Inhibee =
        QStringLiteral("Inhibée par affectation automatique de capteur");
    static inline const QString SansCapteur = QStringLiteral("[Aucun]");
    static inline const QString Totalite = QStringLiteral("TOTALITÉ");
    static inline const QString FenetreAbsente = QStringLiteral("Fenêtre absente");

    ModeleParametres(Travail& travail, CoucheInterface& couche);
    ~ModeleParametres(); // deletes nothing; call Annuler() or Valider() first

    Travail& Work() { return travail_; }
    CoucheInterface& Couche() { return couche_; }
    bool SansSysteme() const;

    // --- Copies ---
    // Before a variable is edited: its state now is what "Restaurer" brings back, and its
    // state at its first edit in this form is what the cancel brings back.
    void Noter(int slot);
    // "Restaurer": the variable back as it was when Noter() last saw it.
    void Restaurer(int slot);
    // Closing without "Ok": every variable noted, the parameter record, the point count and
    // the windows back as they were when the form opened (the windows it opened are closed).
    void Annuler();
    // "Ok": the copies are dropped; returns the change-request bits gathered by the pages
    // applied (the caller passes them to DemanderMiseAJour).
    std::uint16_t Valider();
    // The change-request bits gathered since the form opened.
    std::uint16_t Demandes() const { return demandes_; }

    // --- The user's edits ---
    // Held while the form writes into its controls what the user did not type: a page loaded
    // from the work (Chargement), or a value worked out here shown back (Calcul, the total
    // after a typed period). Those changes are not edits.
    class Remplissage {
    public:
        enum Genre { Chargement, Calcul };
        Remplissage(ModeleParametres& modele, Genre genre);
        ~Remplissage();
        Remplissage(const Remplissage&) = delete;
        Remplissage& operator=(const Remplissage&) = delete;

    private:
        bool& drapeau_;
        bool avant_;
    };
    // A page is being loaded: the rules that follow a typed value wait.
    bool EnChargement() const { return chargement_; }
    // A control changing now is the user's doing (neither loaded nor worked out).
    bool ParLUtilisateur() const { return !chargement_ && !calcul_; }
    // A control of the page shown changed. Unless the page is being loaded the page now has
    // something to apply ("Essayer" is enabled by any change); returns whether it counted.
    bool NoterModification();
    bool PageModifiee() const { return modifie_; }
    // The page shown was applied or loaded again: nothing is left to apply.
    void PageAJour() { modifie_ = false; }

    // --- "Entrées" ---
    struct Entree {
        QString nom;
        QString unite;
        std::uint8_t style = 0;
        std::int32_t couleur = 0;
        std::uint32_t fenetres = 0;
        std::uint8_t mode = 2;    // TypeVoie::Automatique, PasAPas, Inactif
        std::uint8_t lecture = 0; // step-by-step reading, 0..5
        std::uint8_t calibre = 1;
        std::uint8_t gain = 1;
        std::uint8_t capteur = 0; // 0 none, 255 inhibited by automatic assignment
        double echelle = 1.0;     // "Ampli"
        double decalage = 0.0;    // "Décal"
    };
    // The inputs that get a button, first to last usable one; with consecutive inputs only
    // (PELAVORINE_ETAT_ENTREES_CONSECUTIVES) the list stops at the first inactive input.
    std::vector<int> EntreesOffertes() const;
    // The button's text: the input name without its first two letters ("EA3" → "3").
    QString LibelleEntree(int numero) const;
    // Labels from the interface (LireInfos PELAVORINE_INFO_CALIBRE_ENTREE and
    // PELAVORINE_INFO_GAIN, sub 1.. until an empty text). Empty without a system.
    QStringList Calibres(int entree) const;
    QStringList Gains(int entree) const;
    // Step-by-step readings offered: the six, or only "Clavier" without a system; each with
    // its value.
    std::vector<std::pair<QString, std::uint8_t>> Lectures() const;
    // "[Aucun]" then the sensors of the sensor file (none are known yet).
    QStringList Capteurs() const;
    Entree LireEntree(int numero) const;
    // Empty when applied, else the message ("Nom incorrect") and nothing is changed. The mode
    // goes through the consecutive-inputs rule; the calibre through the common-calibre rule.
    QString AppliquerEntree(int numero, const Entree& e);

    // --- "Acquis" ---
    struct Source {
        QString texte;
        int source = -1;
    };
    struct Acquis {
        int points = 0;
        double periode = 200.0;        // µs
        std::uint8_t unitePeriode = 1; // 1 µs, 2 ms, 3 s, 4 min
        std::uint8_t uniteTotale = 2;
        int echantillons = 1;
        bool permanent = false;
        bool inhiberAffichage = false;
        bool inhiberCalculs = false;
        bool differentiel = false;
        bool inhiberTransitoires = false;
        bool ajouter = false; // keep previous acquisitions
        int source = -1;
        int indexCondition = 0; // 0/1 in the offered list (a logic port adds 3 on apply)
        QString niveau;         // in the source's physical unit
        std::uint8_t bits = 0;
    };
    Acquis LireAcquis() const;
    // LireAcquis() for the page being loaded: its period is the one the period and total
    // edits start from.
    Acquis ChargerAcquis();
    void AppliquerAcquis(const Acquis& a);
    // The period (µs) the period and total edits agree on: total = points × period.
    double PeriodeSaisie() const { return periodeUs_; }
    double TotaleSaisie(int points) const { return points * periodeUs_; }
    // A period typed (µs), kept within its limits. False when it had to change: the edit then
    // shows the period kept.
    bool SaisirPeriode(double periode, int echantillons);
    // A total typed (µs): the period becomes total / points within its limits. False when the
    // period had to change: the total then shows points × the period kept.
    bool SaisirTotale(double totale, int points, int echantillons);
    // Samples per point changed: a period below the new limit is raised to it (false then).
    bool SaisirEchantillons(int echantillons);
    // " µs", " ms", " s", " min" for units 1..4, and the conversions from and to µs.
    static QStringList Unites();
    static double EnMicrosecondes(double valeur, int unite);
    static double DepuisMicrosecondes(double microsecondes, int unite);
    // The period's lower limit for the channels in service now (with `echantillons`).
    double PeriodeMinimale(int echantillons) const;
    // "LIMITES : " + minimum (3 digits) + "µs...10 min".
    QString IndicationPeriode(int echantillons) const;
    // "Minimum " + points × minimal period, in the unit chosen for the total.
    QString IndicationTotale(int points, int echantillons, int unite) const;
    // A typed period (µs) kept within its limits and rounded for the interface.
    double PeriodeLimitee(double periode, int echantillons) const;
    // The trigger sources offered, in order (see the form); the hint "Seule la 1ére entrée
    // active est utilisable" goes with the list when the interface has
    // PELAVORINE_ETAT_PREMIERE_DECLENCHE.
    std::vector<Source> Sources() const;
    // A trigger source that is an analog input, or a logic port.
    static bool SourceEntree(int source);
    static bool SourcePort(int source);
    QString IndicationSources() const;
    // The unit of an input source's level (the input's unit).
    QString UniteNiveau(int source) const;
    // The logic ports' bit row " 7   6   5   4   3   2   1   0".
    static inline const QString LibelleBits = QStringLiteral(" 7   6   5   4   3   2   1   0");
    QStringList Conditions(int source) const; // "Sens montant"/"Sens descendant", or states

    // --- "Sorties" (empty when the interface has no output) ---
    struct Sortie {
        QString nom;
        QString unite;
        std::uint8_t style = 0;
        std::int32_t couleur = 0;
        std::uint32_t fenetres = 0;
        int forme = 0;  // 0..5, or 6 with `source`
        int source = 0; // slot of the variable emitted (form 6)
        double periodes = 1.0;
        double minimum = 0.0;
        double maximum = 0.0;
        std::uint8_t calibre = 1;
        std::uint8_t mode = 0;             // 0 "Seule", 1 "Durant acquisition"
        std::uint8_t valeurApresArret = 1; // 1 "Valeur nulle", 0 "Valeur finale"
    };
    std::vector<int> SortiesOffertes() const;
    QString LibelleSortie(int numero) const;
    // The six forms, then every variable that can serve as a signal (with its slot).
    static QStringList Formes();
    std::vector<std::pair<QString, int>> VariablesSignal() const;
    QStringList CalibresSortie(int sortie) const; // PELAVORINE_INFO_CALIBRE_SORTIE
    // LimitesCalibreSA(8 + output, calibre) as (minimum, maximum).
    std::pair<double, double> LimitesCalibre(int sortie, int calibre) const;
    Sortie LireSortie(int numero) const;
    // Empty when applied (the signal is regenerated), else "Nom incorrect".
    QString AppliquerSortie(int numero, const Sortie& s);

    // --- "Courbes" ---
    struct Courbe {
        QString nom;
        QString unite;
        std::uint8_t style = 0;
        std::int32_t couleur = 0;
        std::uint32_t fenetres = 0;
        double decalage = 0.0;
        double multiplicateur = 1.0;
        bool ordonneeSpeciale = false; // scale factors follow `reference`
        int reference = 0;             // slot of the variable it is in concordance with
        QString abscisseSpeciale;      // empty: the window's abscissa
    };
    // The variables the page offers (tables with a name, not the hidden copies).
    std::vector<int> CourbesOffertes() const;
    Courbe LireCourbe(int slot) const;
    // "   Points = …", "Genre = …", "   Mini =…", "Maxi = …" and the scale factor line;
    // "Pas de courbe valide" when the slot holds no valid variable.
    QString InformationCourbe(int slot) const;
    // Empty when applied; "Nom incorrect" or "Nom de variable déjà utilisé" otherwise. An
    // empty name keeps the old one.
    QString AppliquerCourbe(int slot, const Courbe& c);

    // --- "Fenêtres" ---
    struct Fenetre {
        QString abscisse;       // the abscissa variable's name
        std::uint8_t genre = 0; // 0 "Linéaire", 1 "Logarithmique", 2 "Polaire"
        QString calibreX;       // a variable name, "MANUELLE" or "TOTALITÉ"
        QString calibreY;
        double xmin = 0, xmax = 1, ymin = 0, ymax = 1;
    };
    static QStringList GenresAbscisse();
    std::vector<int> FenetresOffertes() const; // curve windows that exist
    Fenetre LireFenetre(int numero) const;
    // "Limites d'échelle incorrecte" when a manual minimum is not below its maximum (or not
    // finite); nothing is changed then.
    QString AppliquerFenetre(int numero, const Fenetre& f);

private:
    // What the three variable pages share: unit, style, colour and windows.
    static void AppliquerAffichage(TypeId& v, const QString& unite, std::uint8_t style,
                                   std::int32_t couleur, std::uint32_t fenetres);
    void NoterEntrees();
    void Demander(std::uint16_t bits);
    // Runs a rule that requests its own changes and adds them to demandes_.
    void Suivre(const std::function<void()>& regle);
    // Windows and abscissa links that named a variable follow its new name.
    void RenommerReferences(const std::map<QString, QString>& noms);
    // Empty, "Nom incorrect" or "Nom de variable déjà utilisé" for a name typed for `slot`.
    QString VerifierNom(const QString& nom, int slot) const;
    void Renommer(int slot, const QString& nom);
    bool CourbeValide(int slot) const;

    Travail& travail_;
    CoucheInterface& couche_;
    CopiesParametres copies_;
    std::uint16_t demandes_ = 0;
    bool chargement_ = false; // a page is being loaded
    bool calcul_ = false;     // a value worked out here is being shown
    bool modifie_ = false;    // the page shown has changes to apply
    double periodeUs_ = 0;    // the period the "Acquis" edits agree on
};

} // namespace pelavorine
