#pragma once

#include <QMainWindow>

namespace pelavorine {

// The desk: the program's main window.
class FenetrePrincipale : public QMainWindow {
    Q_OBJECT
public:
    explicit FenetrePrincipale(QWidget* parent = nullptr);

    static QString TitreBase();
};

} // namespace pelavorine
