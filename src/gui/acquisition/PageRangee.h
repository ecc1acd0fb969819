#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QButtonGroup;

namespace pelavorine {

// The row of buttons a page shows, one per item (input, window, output); the button of the
// item shown is down. Each button is named after the row and its item ("rangeeEntrees3").
class PageRangee : public QWidget {
    Q_OBJECT
public:
    PageRangee(const QString& nom, QWidget* parent);

    void Remplir(const std::vector<int>& numeros, const std::function<QString(int)>& libelle);
    void Selectionner(int numero);

signals:
    void choisi(int numero); // a button clicked

private:
    QButtonGroup* groupe_;
};

} // namespace pelavorine
