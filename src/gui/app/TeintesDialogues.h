#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace pelavorine {

// The dialog shades: installed on the application, it paints the program's own dialogs with
// the configured shade each time one is shown (the system's dialogs keep their own look).
class TeintesDialogues : public QObject {
public:
    TeintesDialogues(QObject* parent, std::function<int()> teinte)
        : QObject(parent), teinte_(std::move(teinte)) {}

    // Paints a dialog with a shade (0..7): its form, its groups, their captions and the texts
    // inside them.
    static void Appliquer(QWidget* dialogue, int teinte);

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    std::function<int()> teinte_;
};

} // namespace pelavorine
