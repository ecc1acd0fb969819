#pragma once

#include <QColor>
#include <QDialog>

class QLabel;

namespace pelavorine {

// The about box: the logo, the version and the line naming the system it runs on. It is not modal
// and closes itself when it loses the focus, on Escape, Space or Enter and on a click on the logo.
class BoiteAPropos : public QDialog {
    Q_OBJECT
public:
    // logo: a picture file (empty or missing: no picture); fond: the background colour of
    // the curve windows (invalid: the style's).
    BoiteAPropos(QWidget* parent, const QString& logo, const QColor& fond = QColor());

    // Shows a new box, centred on the screen, freed when it closes.
    static BoiteAPropos* Montrer(QWidget* parent, const QString& logo,
                                 const QColor& fond = QColor());

    // The system the program runs on, between brackets: "(Debian GNU/Linux 12 (bookworm))".
    static QString TextePlateforme();

    QLabel* LabelVersion() const { return version_; }
    QLabel* LabelPlateforme() const { return plateforme_; }
    QLabel* Logo() const { return logo_; }

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    QLabel* logo_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* plateforme_ = nullptr;
};

} // namespace pelavorine
