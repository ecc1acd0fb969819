#pragma once

#include <QWidget>

class QMainWindow;

namespace pelavorine {

// The panel that hides the desk's client area while the program starts, so that the windows
// being built are not seen half drawn. It follows the desk's size until it is hidden.
class Rideau : public QWidget {
    Q_OBJECT
public:
    explicit Rideau(QMainWindow* bureau);

    // Covers the client area again (new work) and stays above the windows.
    void Couvrir();

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void Ajuster();

    QMainWindow* bureau_;
};

} // namespace pelavorine
