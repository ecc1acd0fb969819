#include "gui/ui/SelecteurGrec.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace pelavorine {

namespace {

// The letters of the program's Greek font, in the order of its picker picture.
constexpr char16_t kGrille[SelecteurGrec::kLignes][SelecteurGrec::kColonnes] = {
    {u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ'}, {u'Η', u'Ι', u'ϑ', u'Κ', u'Λ', u'Μ', u'Ν'},
    {u'Ο', u'Π', u'Θ', u'Ρ', u'Σ', u'Τ', u'Υ'}, {u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ', 0, 0},
    {u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ'}, {u'η', u'ι', u'ϕ', u'κ', u'λ', u'μ', u'ν'},
    {u'ο', u'π', u'θ', u'ρ', u'σ', u'τ', u'υ'}, {u'ϖ', u'ω', u'ξ', u'ψ', u'ζ', 0, 0},
};

} // namespace

SelecteurGrec::SelecteurGrec(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setWindowTitle(tr(" Lettres Grecques"));
    setAccessibleName(tr("Lettres grecques"));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(kColonnes * 28, kLignes * 28);
}

QChar SelecteurGrec::Lettre(int k) {
    if (k < 0 || k >= kColonnes * kLignes) return {};
    const char16_t c = kGrille[k / kColonnes][k % kColonnes];
    return c == 0 ? QChar() : QChar(c);
}

int SelecteurGrec::Case(QPoint point, QSize taille) {
    // Integer division truncates like the picture's own cell rule (points are never negative).
    const int colonne = kColonnes * point.x() / (taille.width() + 1);
    const int ligne = kLignes * point.y() / (taille.height() + 1);
    return colonne + kColonnes * ligne;
}

void SelecteurGrec::Ouvrir(QWidget* cible) {
    if (!cible) cible = QApplication::focusWidget();
    // Opened again from itself, the picker keeps the field it types into.
    if (cible && cible != this) cible_ = cible;
    show();
    raise();
    activateWindow();
}

void SelecteurGrec::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    p.setPen(palette().text().color());
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(std::max(8, height() / kLignes * 3 / 5));
    p.setFont(police);
    const double l = double(width()) / kColonnes;
    const double h = double(height()) / kLignes;
    for (int k = 0; k < kColonnes * kLignes; ++k) {
        const QRectF cellule((k % kColonnes) * l, (k / kColonnes) * h, l, h);
        p.drawRect(cellule.adjusted(0, 0, -1, -1));
        const QChar c = Lettre(k);
        if (!c.isNull()) p.drawText(cellule, Qt::AlignCenter, QString(c));
    }
}

void SelecteurGrec::mousePressEvent(QMouseEvent* e) {
    const QChar c = Lettre(Case(e->position().toPoint(), size()));
    if (c.isNull()) return;
    if (cible_) {
        // Typed like a key, so that the field's own filter applies.
        QKeyEvent frappe(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(cible_, &frappe);
    }
    emit lettreChoisie(c);
}

void SelecteurGrec::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) hide();
}

} // namespace pelavorine
