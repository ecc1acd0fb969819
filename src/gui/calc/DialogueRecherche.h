#pragma once

#include <QDialog>

class QLineEdit;

namespace pelavorine {

// Asks for the string to look for and, for a replacement, the string that replaces it.
class DialogueRecherche : public QDialog {
    Q_OBJECT

public:
    DialogueRecherche(bool remplacer, const QString& motif, const QString& remplacement,
                      QWidget* parent = nullptr);

    QString Motif() const;
    QString Remplacement() const;

private:
    QLineEdit* motif_;
    QLineEdit* remplacement_ = nullptr;
};

} // namespace pelavorine
