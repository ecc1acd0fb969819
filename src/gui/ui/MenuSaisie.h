#pragma once

#include <QObject>

#include <functional>

class QMenu;
class QWidget;

namespace pelavorine {

// The pop-up menu of the edit fields, editable combo boxes and multi-line editors that have
// no pop-up of their own: "Copier", "Couper", "Coller", "Suprimer" (the selection),
// "Sélectionner tout" and, while the Greek letters are available, "Lettres grecques" (the
// picker). The desk keeps one and installs it on the application.
class MenuSaisie : public QObject {
    Q_OBJECT
public:
    explicit MenuSaisie(QObject* parent = nullptr);

    bool Grecques() const { return grecques_; }
    void FixerGrecques(bool grecques) { grecques_ = grecques; }
    // Opens the Greek-letter picker for a field.
    std::function<void(QWidget* champ)> ouvrirSelecteur;

    // The field a widget that receives a context-menu request stands for (an editor's viewport
    // stands for its editor), or nullptr when it is no field or has a pop-up of its own.
    static QWidget* Champ(QObject* objet);
    // The menu for a field, owned by the caller.
    QMenu* Creer(QWidget* champ) const;

    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    bool grecques_ = true;
};

} // namespace pelavorine
