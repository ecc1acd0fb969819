#pragma once

#include <QChar>
#include <QObject>

namespace pelavorine {

// Greek typing in the edit fields, combo boxes and editable multi-line editors: while the Greek
// letters are available (option "Utiliser les lettres grecques"), a key pressed with Alt switches
// Greek typing on or off and is swallowed; while it is on, a typed Latin letter becomes its Greek
// letter. The desk keeps one and installs it on the application (or on a form).
class SaisieGrecque : public QObject {
    Q_OBJECT
public:
    explicit SaisieGrecque(QObject* parent = nullptr);

    // The Greek letter a Latin key types, or a null QChar for keys that stay as they are.
    static QChar LettrePourTouche(QChar touche);

    bool Disponible() const { return disponible_; }
    // Off: keys pass unchanged and Alt keeps its usual meaning.
    void FixerDisponible(bool disponible);
    bool Active() const { return active_; }
    void FixerActive(bool active);

    bool eventFilter(QObject* objet, QEvent* evenement) override;

signals:
    void activeChangee(bool active);

private:
    bool disponible_ = true;
    bool active_ = false;
};

} // namespace pelavorine
