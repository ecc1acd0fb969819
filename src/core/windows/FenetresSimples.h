#pragma once

#include "store/FenetresVariables.h"

#include <array>

namespace pelavorine {

// The window data the variable store reads: which of the 16 curve windows are open, the
// abscissa of each, its selection and the current window. The full window table (geometry,
// scales, comments…) builds on it.
class FenetresSimples : public FenetresVariables {
public:
    struct Fenetre {
        bool ouverte = false;
        QString nomAbscisse = QStringLiteral("T");
        int caseAbscisse = 0;
        QString uniteAbscisse = QStringLiteral("s");
        bool enPoints = false;
        SelectionFenetre selection;
    };

    // Closes every window; window 1 is opened again with the abscissa T (slot caseTemps).
    void Reinitialiser(int caseTemps);
    void Ouvrir(int fenetre, int caseTemps);
    void Fermer(int fenetre);
    void FixerCourante(int fenetre) { courante_ = fenetre; }
    void FixerAbscisse(int fenetre, const QString& nom, int slot, const QString& unite);
    Fenetre& Donnees(int fenetre) { return fenetres_[Index(fenetre)]; }
    const Fenetre& Donnees(int fenetre) const { return fenetres_[Index(fenetre)]; }

    int FenetreCourante() const override { return courante_; }
    bool Existe(int fenetre) const override;
    QString NomAbscisse(int fenetre) const override;
    int CaseAbscisse(int fenetre) const override;
    bool AbscisseEnPoints(int fenetre) const override;
    std::uint32_t OublierNom(const QString& nom, int caseTemps, const QString& uniteTemps) override;
    void CreerFenetres(std::uint32_t masque) override;
    SelectionFenetre Selection(int fenetre) const override;
    void FixerSelection(int fenetre, const SelectionFenetre& selection) override;

private:
    static int Index(int fenetre) { return fenetre >= 1 && fenetre <= NbFenetres ? fenetre - 1 : 0; }
    static bool Valide(int fenetre) { return fenetre >= 1 && fenetre <= NbFenetres; }

    std::array<Fenetre, NbFenetres> fenetres_;
    int courante_ = 0;
    int caseTemps_ = 0;
};

} // namespace pelavorine
