#pragma once

#include "gui/ui/ChampReel.h"

namespace pelavorine {

// Edit field of a duration, a real field that carries its time unit (at most 10
// characters) and the owner's "top" and nanosecond switches.
class ChampTemps : public ChampReel {
    Q_OBJECT
public:
    explicit ChampTemps(QWidget* parent = nullptr);

    QString Unite() const { return unite_; }
    void FixerUnite(const QString& unite) { unite_ = unite.left(10); }
    bool Top() const { return top_; }
    void FixerTop(bool top) { top_ = top; }
    bool Nanoseconde() const { return nanoseconde_; }
    void FixerNanoseconde(bool nanoseconde) { nanoseconde_ = nanoseconde; }

private:
    QString unite_;
    bool top_ = false;
    bool nanoseconde_ = false;
};

} // namespace pelavorine
