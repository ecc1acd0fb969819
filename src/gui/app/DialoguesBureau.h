#pragma once

#include "core/files/DialoguesFichier.h"

#include <QFileDialog>
#include <cstdint>

class QCheckBox;
class QFrame;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;

namespace pelavorine {

class Configuration;
class Travail;

// The open or save dialog of the file commands: the standard file dialog with, below it, a
// panel showing the description kept in a work file's header and the options of the mode.
class DialogueFichier : public QFileDialog {
    Q_OBJECT
public:
    // type: index of the file type shown first; options: the options word, whose two save
    // bits set the save options.
    DialogueFichier(QWidget* parent, bool ouvrir, const QString& dossier, const QString& nom,
                    int type, const QString& description, std::uint16_t options);

    bool Ouvrir() const { return ouvrir_; }
    // Index of the chosen file type in the order shown.
    int TypeChoisi() const;
    // The parts to read (open dialog).
    int Parties() const;
    // The options word with the two save options applied (save dialog).
    std::uint16_t Options(std::uint16_t options) const;
    QString Description() const;

    QPlainTextEdit* ChampDescription() const { return description_; }
    QCheckBox* CaseValeurs() const { return valeurs_; }
    QCheckBox* CaseCalculs() const { return calculs_; }
    QCheckBox* CaseEnvironnement() const { return environnement_; }
    QCheckBox* CaseNotes() const { return notes_; }
    QCheckBox* CaseSansCalcul() const { return sansCalcul_; }
    QCheckBox* CaseAfficherNotes() const { return afficherNotes_; }
    QPushButton* BoutonAide() const { return aide_; }

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void Apercu(const QString& chemin);
    void LimiterDescription();

    bool ouvrir_;
    QFrame* panneau_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
    QPushButton* aide_ = nullptr;
    QCheckBox* valeurs_ = nullptr;
    QCheckBox* calculs_ = nullptr;
    QCheckBox* environnement_ = nullptr;
    QCheckBox* notes_ = nullptr;
    QCheckBox* sansCalcul_ = nullptr;
    QCheckBox* afficherNotes_ = nullptr;
};

// The desk's answers to the file commands: the open and save dialogs, the text export
// dialog, the recent files and the folder where the next dialog starts.
class DialoguesBureau : public QObject, public DialoguesFichier {
    Q_OBJECT
public:
    DialoguesBureau(QWidget* parent, Travail& travail, Configuration& configuration);

    ChoixOuverture DemanderOuverture() override;
    ChoixEnregistrement DemanderEnregistrement(const QString& nomPropose,
                                               const QString& description) override;
    bool ReglerExportTexte(ReglagesExportTexte& reglages) override;
    void FichierUtilise(const QString& nom) override;
    void TitreChange() override { emit titreChange(); }

    // Index of the file type the next dialog starts on.
    int TypeInitial() const { return type_; }

signals:
    void titreChange();
    // The recent files changed: the desk rebuilds its menu.
    void historiqueChange();

private:
    struct Reponse {
        QString nom;
        int parties = 0;
        QString description;
    };
    // Runs the dialog and turns its answer into a full file name; an empty name when
    // nothing is to be done (errors already shown).
    Reponse DemanderNomFichier(bool ouvrir, const QString& nom, const QString& description);

    QWidget* parent_;
    Travail& travail_;
    Configuration& configuration_;
    int type_ = 0;
};

} // namespace pelavorine
