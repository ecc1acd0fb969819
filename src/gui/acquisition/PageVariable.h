#pragma once

#include <QGroupBox>
#include <QString>
#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace pelavorine {

class ChampChaine;

// The group the "Entrées", "Courbes" and "Sorties" pages share for the variable they edit:
// name, unit, style, colour and the windows that show it. Its controls are named after the
// page ("entreeNom", "courbeFenetre3").
class PageVariable : public QGroupBox {
    Q_OBJECT
public:
    PageVariable(const QString& prefixe, QWidget* parent);

    void Montrer(const QString& nom, const QString& unite, std::uint8_t style, std::int32_t couleur,
                 std::uint32_t fenetres);
    // `fenetres` comes in as read: the windows beyond the eight boxes keep their bits.
    void Lire(QString& nom, QString& unite, std::uint8_t& style, std::int32_t& couleur,
              std::uint32_t& fenetres) const;
    // The name's edit, which a refused name gets the focus back in.
    ChampChaine* Nom() const { return nom_; }

signals:
    void modifie(); // a control changed (or a colour was chosen)

private:
    void ChoisirCouleur();

    ChampChaine* nom_ = nullptr;
    ChampChaine* unite_ = nullptr;
    QComboBox* style_ = nullptr;
    QPushButton* couleur_ = nullptr; // the colour (0x00BBGGRR) in its "couleur" property
    std::array<QCheckBox*, 8> fenetres_{};
};

} // namespace pelavorine
