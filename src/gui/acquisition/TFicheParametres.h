#pragma once

#include "core/acquisition/ModeleParametres.h"

#include <QDialog>
#include <QList>
#include <QPoint>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace pelavorine {

class ChampChaine;
class ChampEntier;
class ChampReel;
class CoucheInterface;
class Travail;

// The acquisition parameters form: five pages over ModeleParametres, which holds every rule.
// Each page shows what the model reads and hands back what the user typed; a refused item
// keeps the page open on it. "Ok" keeps the changes, "Annuler" (Escape, the title bar) puts
// everything back as the form found it.
class TFicheParametres : public QDialog {
    Q_OBJECT
public:
    using Page = ModeleParametres::Page;

    // The controls shared by the pages that edit a variable.
    struct ControlesVariable {
        ChampChaine* nom = nullptr;
        ChampChaine* unite = nullptr;
        QComboBox* style = nullptr;
        QPushButton* couleur = nullptr; // the colour (0x00BBGGRR) in its "couleur" property
        std::array<QCheckBox*, 8> fenetres{};
    };

    TFicheParametres(Travail& travail, CoucheInterface& couche, QWidget* parent = nullptr);
    // A form destroyed without being closed puts everything back, as "Annuler".
    ~TFicheParametres() override;

    // Shows a page with one of its items: an input number ("Entrées"), an output number
    // ("Sorties"), a variable slot ("Courbes") or a window number ("Fenêtres"); 0 picks the
    // first one (the current window for "Fenêtres"). The page left is applied first; when it
    // is refused the form stays where it is.
    void OuvrirPage(int page, int element = 0);
    // The page shown and its item (input, output, slot or window; 0 on "Acquis").
    Page PageCourante() const { return page_; }
    int ElementCourant() const;
    bool SortiesPresentes() const { return sorties_ != nullptr; }

    ModeleParametres& Modele() { return modele_; }
    QTabWidget* Onglets() const { return onglets_; }
    QPushButton* BoutonOk() const { return ok_; }
    QPushButton* BoutonEssayer() const { return essayer_; }
    QPushButton* BoutonRestaurer() const { return restaurer_; }
    QPushButton* BoutonAnnuler() const { return annuler_; }
    QPushButton* BoutonAide() const { return aide_; }

    // "Entrées"
    QButtonGroup* BoutonsEntrees() const { return boutonsEntrees_; }
    QRadioButton* ModeInactif() const { return modeInactif_; }
    QRadioButton* ModeAutomatique() const { return modeAutomatique_; }
    QRadioButton* ModePasAPas() const { return modePasAPas_; }
    QComboBox* Lecture() const { return lecture_; }
    QComboBox* CalibreEntree() const { return calibreEntree_; }
    QComboBox* Gain() const { return gain_; }
    QComboBox* Capteur() const { return capteur_; }
    ChampReel* Ampli() const { return ampli_; }
    ChampReel* Decal() const { return decal_; }
    QLabel* EntreeInhibee() const { return inhibee_; }
    QWidget* ReglagesMateriels() const { return materiel_; }
    const ControlesVariable& VariableEntree() const { return varEntree_; }

    // "Acquis"
    ChampEntier* Points() const { return points_; }
    QLabel* IndicationPoints() const { return indicationPoints_; }
    ChampReel* Periode() const { return periode_; }
    QComboBox* UnitePeriode() const { return unitePeriode_; }
    QLabel* IndicationPeriode() const { return indicationPeriode_; }
    ChampReel* Totale() const { return totale_; }
    QComboBox* UniteTotale() const { return uniteTotale_; }
    QLabel* IndicationTotale() const { return indicationTotale_; }
    ChampEntier* Moyenne() const { return moyenne_; }
    QCheckBox* Permanent() const { return permanent_; }
    QCheckBox* InhiberAffichage() const { return inhiberAffichage_; }
    QCheckBox* InhiberCalculs() const { return inhiberCalculs_; }
    QCheckBox* Differentiel() const { return differentiel_; }
    QCheckBox* InhiberTransitoires() const { return transitoires_; }
    QRadioButton* Remplacer() const { return remplacer_; }
    QRadioButton* Ajouter() const { return ajouter_; }
    QGroupBox* GroupeDeclenchement() const { return groupeDeclenchement_; }
    QGroupBox* GroupeOptions() const { return groupeOptions_; }
    QComboBox* Source() const { return source_; }
    QLabel* IndicationSource() const { return indicationSource_; }
    QWidget* ReglagesNiveau() const { return reglagesNiveau_; }
    ChampReel* Niveau() const { return niveau_; }
    QLabel* UniteNiveau() const { return uniteNiveau_; }
    QWidget* ReglagesBits() const { return reglagesBits_; }
    QLabel* LibelleBits() const { return libelleBits_; }
    const std::array<QCheckBox*, 8>& Bits() const { return bits_; } // bit k at index k
    QComboBox* Condition() const { return condition_; }

    // "Courbes"
    QComboBox* Courbe() const { return courbe_; }
    const ControlesVariable& VariableCourbe() const { return varCourbe_; }
    ChampReel* Decalage() const { return decalage_; }
    ChampReel* Multiplicateur() const { return multiplicateur_; }
    QCheckBox* OrdonneeSpeciale() const { return ordonneeSpeciale_; }
    QComboBox* Concordance() const { return concordance_; }
    QCheckBox* AbscisseSpeciale() const { return abscisseSpeciale_; }
    QComboBox* AbscisseCourbe() const { return abscisseCourbe_; }
    QPlainTextEdit* Information() const { return information_; }

    // "Fenêtres"
    QButtonGroup* BoutonsFenetres() const { return boutonsFenetres_; }
    QComboBox* AbscisseFenetre() const { return abscisseFenetre_; }
    QComboBox* GenreAbscisse() const { return genreAbscisse_; }
    ChampReel* Xmin() const { return xmin_; }
    ChampReel* Xmax() const { return xmax_; }
    ChampReel* Ymin() const { return ymin_; }
    ChampReel* Ymax() const { return ymax_; }
    QComboBox* CalibreX() const { return calibreX_; }
    QComboBox* CalibreY() const { return calibreY_; }

    // "Sorties" (null without outputs)
    QButtonGroup* BoutonsSorties() const { return boutonsSorties_; }
    QComboBox* Forme() const { return forme_; }
    QComboBox* CalibreSortie() const { return calibreSortie_; }
    ChampReel* Periodes() const { return periodes_; }
    ChampReel* Minimum() const { return minimum_; }
    ChampReel* Maximum() const { return maximum_; }
    QRadioButton* Seule() const { return seule_; }
    QRadioButton* DurantAcquisition() const { return durant_; }
    QRadioButton* ValeurNulle() const { return valeurNulle_; }
    QRadioButton* ValeurFinale() const { return valeurFinale_; }
    QPushButton* Emettre() const { return emettre_; }
    QWidget* ReglagesSignal() const { return reglagesSignal_; }
    QWidget* ReglagesForme() const { return reglagesForme_; }
    const ControlesVariable& VariableSortie() const { return varSortie_; }

    // The help page of each tab.
    static QString PageAide(Page page);

public slots:
    void accept() override; // "Ok"
    void reject() override; // "Annuler", Escape, the title bar

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QWidget* ConstruireEntrees();
    QWidget* ConstruireAcquis();
    QWidget* ConstruireCourbes();
    QWidget* ConstruireFenetres();
    QWidget* ConstruireSorties();
    QWidget* ConstruireVariable(ControlesVariable& c, const QString& prefixe);
    void Suivre(QObject* controle); // a change of the control enables "Essayer"

    // Fills a page from the model; `noter` takes the copy "Restaurer" goes back to.
    void ChargerPage(Page page, int element, bool noter);
    void ChargerEntree(int numero, bool noter);
    void ChargerAcquis();
    void ChargerCourbe(int slot, bool noter);
    void ChargerFenetre(int numero);
    void ChargerSortie(int numero, bool noter);
    // Shows the items of the form again as selected (after a refused switch).
    void ChargerSelection();
    void RemplirBoutons(QButtonGroup* groupe, QWidget* rangee, const std::vector<int>& numeros,
                        const std::function<QString(int)>& libelle);
    void Selectionner(QButtonGroup* groupe, int numero);

    // Applies the page shown when it changed; false (the error shown) when refused.
    bool Appliquer();
    bool AppliquerEntree();
    bool AppliquerAcquis();
    bool AppliquerCourbe();
    bool AppliquerFenetre();
    bool AppliquerSortie();
    void Refuser(const QString& message, QWidget* champ);
    void Modifie();
    void FinModification();
    // Switches to another item of the page shown (the current one is applied first).
    void ChangerElement(int element);
    void ChangerOnglet(int index);
    Page PageDeOnglet(int index) const;
    int OngletDePage(Page page) const;

    void Restaurer();
    void MontrerAide();

    // "Entrées" and "Acquis" visibility and values that follow other controls.
    void MettreAJourEntree();
    void MettreAJourPermanent();
    void MettreAJourSource();
    void MettreAJourForme();
    void PeriodeSaisie();
    void TotaleSaisie();
    void PointsSaisis();
    void EchantillonsSaisis();
    void UnitePeriodeChangee();
    void UniteTotaleChangee();
    void AfficherTotale();
    void MontrerPeriode();
    int PointsLus() const;
    int EchantillonsLus() const;
    QPoint FormeChoisie() const; // (form, source slot)
    void CalibreSortieChange();

    void LireVariable(const ControlesVariable& c, QString& nom, QString& unite, std::uint8_t& style,
                      std::int32_t& couleur, std::uint32_t& fenetres) const;
    void MontrerVariable(const ControlesVariable& c, const QString& nom, const QString& unite,
                         std::uint8_t style, std::int32_t couleur, std::uint32_t fenetres);
    int CaseEntree(int numero) const;
    int CaseSortie(int numero) const;

    Travail& travail_;
    ModeleParametres modele_;
    bool termine_ = false;
    bool chargement_ = false; // controls filled by the form, not changed by the user
    bool modifie_ = false;
    Page page_ = Page::PageEntrees;
    int entree_ = 0;
    int sortie_ = 0;
    int slot_ = 0;
    int fenetre_ = 0;
    double periodeUs_ = 0;      // the period the "Acquis" edits agree on
    bool calculAcquis_ = false; // an "Acquis" edit written by the form
    bool periodeEditee_ = false;
    bool totaleEditee_ = false;
    // Each page as it was read: the fields the page does not show go back unchanged.
    ModeleParametres::Entree entreeLue_;
    ModeleParametres::Acquis acquisLu_;
    ModeleParametres::Courbe courbeLue_;
    ModeleParametres::Fenetre fenetreLue_;
    ModeleParametres::Sortie sortieLue_;

    QTabWidget* onglets_ = nullptr;
    QWidget* sorties_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* essayer_ = nullptr;
    QPushButton* restaurer_ = nullptr;
    QPushButton* annuler_ = nullptr;
    QPushButton* aide_ = nullptr;

    QButtonGroup* boutonsEntrees_ = nullptr;
    QWidget* rangeeEntrees_ = nullptr;
    QRadioButton* modeInactif_ = nullptr;
    QRadioButton* modeAutomatique_ = nullptr;
    QRadioButton* modePasAPas_ = nullptr;
    QComboBox* lecture_ = nullptr;
    QComboBox* calibreEntree_ = nullptr;
    QComboBox* gain_ = nullptr;
    QLabel* libelleGain_ = nullptr;
    QComboBox* capteur_ = nullptr;
    ChampReel* ampli_ = nullptr;
    ChampReel* decal_ = nullptr;
    QLabel* inhibee_ = nullptr;
    QWidget* materiel_ = nullptr;
    ControlesVariable varEntree_;

    ChampEntier* points_ = nullptr;
    QLabel* indicationPoints_ = nullptr;
    ChampReel* periode_ = nullptr;
    QComboBox* unitePeriode_ = nullptr;
    QLabel* indicationPeriode_ = nullptr;
    ChampReel* totale_ = nullptr;
    QComboBox* uniteTotale_ = nullptr;
    QLabel* indicationTotale_ = nullptr;
    ChampEntier* moyenne_ = nullptr;
    QCheckBox* permanent_ = nullptr;
    QCheckBox* inhiberAffichage_ = nullptr;
    QCheckBox* inhiberCalculs_ = nullptr;
    QCheckBox* differentiel_ = nullptr;
    QCheckBox* transitoires_ = nullptr;
    QRadioButton* remplacer_ = nullptr;
    QRadioButton* ajouter_ = nullptr;
    QGroupBox* groupeDeclenchement_ = nullptr;
    QGroupBox* groupeOptions_ = nullptr;
    QComboBox* source_ = nullptr;
    QLabel* indicationSource_ = nullptr;
    QWidget* reglagesNiveau_ = nullptr;
    ChampReel* niveau_ = nullptr;
    QLabel* uniteNiveau_ = nullptr;
    QWidget* reglagesBits_ = nullptr;
    QLabel* libelleBits_ = nullptr;
    std::array<QCheckBox*, 8> bits_{};
    QWidget* reglagesCondition_ = nullptr;
    QComboBox* condition_ = nullptr;

    QComboBox* courbe_ = nullptr;
    ControlesVariable varCourbe_;
    ChampReel* decalage_ = nullptr;
    ChampReel* multiplicateur_ = nullptr;
    QCheckBox* ordonneeSpeciale_ = nullptr;
    QComboBox* concordance_ = nullptr;
    QCheckBox* abscisseSpeciale_ = nullptr;
    QComboBox* abscisseCourbe_ = nullptr;
    QPlainTextEdit* information_ = nullptr;

    QButtonGroup* boutonsFenetres_ = nullptr;
    QWidget* rangeeFenetres_ = nullptr;
    QComboBox* abscisseFenetre_ = nullptr;
    QComboBox* genreAbscisse_ = nullptr;
    ChampReel* xmin_ = nullptr;
    ChampReel* xmax_ = nullptr;
    ChampReel* ymin_ = nullptr;
    ChampReel* ymax_ = nullptr;
    QComboBox* calibreX_ = nullptr;
    QComboBox* calibreY_ = nullptr;

    QButtonGroup* boutonsSorties_ = nullptr;
    QWidget* rangeeSorties_ = nullptr;
    QComboBox* forme_ = nullptr;
    QComboBox* calibreSortie_ = nullptr;
    ChampReel* periodes_ = nullptr;
    ChampReel* minimum_ = nullptr;
    ChampReel* maximum_ = nullptr;
    QRadioButton* seule_ = nullptr;
    QRadioButton* durant_ = nullptr;
    QRadioButton* valeurNulle_ = nullptr;
    QRadioButton* valeurFinale_ = nullptr;
    QPushButton* emettre_ = nullptr;
    QWidget* reglagesSignal_ = nullptr;
    QWidget* reglagesForme_ = nullptr;
    ControlesVariable varSortie_;
};

} // namespace pelavorine
