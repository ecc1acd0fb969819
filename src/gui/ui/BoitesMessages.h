#pragma once

#include <QString>

#include <functional>

class QAbstractButton;
class QLineEdit;
class QMessageBox;
class QWidget;

namespace pelavorine {

// The program's message boxes, with their French buttons. Every box is built here and then
// run modally; a test installs an interception that receives the built box instead and
// answers with the button it would have pressed, so that nothing blocks.
class BoitesMessages {
public:
    enum class Genre { Erreur, Information, Question, Saisie };

    // Receives the box ready to be shown; returns the button pressed (nullptr: the box was
    // closed without a button, as with Escape).
    using Interception = std::function<QAbstractButton*(QMessageBox& boite, Genre genre)>;
    static void FixerInterception(Interception interception);
    // Called with true before a box is shown and with false after it (the desk suspends its
    // input filter meanwhile).
    static void FixerSurBoite(std::function<void(bool ouverte)> surBoite);

    // Error box (OK), after a beep.
    static void Erreur(QWidget* parent, const QString& texte);
    // Information box (OK).
    static void Information(QWidget* parent, const QString& texte);
    // Question box (Oui/Non); true for Oui. `parDefaut` picks the default button.
    static bool Question(QWidget* parent, const QString& texte, bool parDefaut);
    // Question box (Oui/Non/Annuler): 1 for Oui, 0 for Non, -1 for Annuler or a box closed
    // without a button.
    static int QuestionAnnulable(QWidget* parent, const QString& texte);
    // The box of an edit field holding an unreadable text: beep, Annuler/Réessayer.
    // True when the user chose Annuler.
    static bool ErreurSaisie(QWidget* champ, const QString& texte);
};

} // namespace pelavorine
