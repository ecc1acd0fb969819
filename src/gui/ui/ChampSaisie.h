#pragma once

#include <QLineEdit>
#include <QString>

namespace pelavorine {

// What the edit fields of the dialogs share: typed characters pass through the field's
// filter, and the text is read on Enter and on leaving the field. An unreadable text shows
// the input error box (Annuler puts back the text the field had on entering); the field then
// keeps the focus and shows its text in red until a correct text is read.
class ChampSaisie : public QLineEdit {
    Q_OBJECT
public:
    explicit ChampSaisie(QWidget* parent = nullptr);

    // Reads the text as on leaving the field; false when it was refused (the box was shown).
    bool Valider();
    bool EnErreur() const { return enErreur_; }

signals:
    // A correct text was read (on Enter or on leaving).
    void valide();

protected:
    struct Resultat {
        bool correct = false;
        QString message;      // the box's text when not correct
        QString texteAnnuler; // when not null, Annuler puts this text back
    };

    // The character a typed key enters (possibly changed), or a null QChar to refuse it.
    // Backspace comes as U+0008.
    virtual QChar Touche(QChar c) = 0;
    // Reads the text and, when correct, takes its value.
    virtual Resultat Lire() = 0;
    // On entering the field.
    virtual void Entrer() {}

    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void Colorer(bool rouge);

    QString texteRetenu_;
    bool enErreur_ = false;
};

} // namespace pelavorine
