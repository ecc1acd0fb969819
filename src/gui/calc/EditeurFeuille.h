#pragma once

#include <QPlainTextEdit>

namespace pelavorine {

// The editor of the sheet: one formula per line, never wrapped, so that the results pane
// beside it keeps line-for-line alignment. A character key typed in a line already longer
// than the sheet allows is refused with a beep.
class EditeurFeuille : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit EditeurFeuille(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace pelavorine
