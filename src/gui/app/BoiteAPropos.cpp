#include "gui/app/BoiteAPropos.h"

#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QSysInfo>
#include <QVBoxLayout>

namespace pelavorine {

BoiteAPropos::BoiteAPropos(QWidget* parent, const QString& logo, const QColor& fond)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    if (fond.isValid()) {
        QPalette p = palette();
        p.setColor(QPalette::Window, fond);
        setPalette(p);
        setAutoFillBackground(true);
    }
    setWindowTitle(tr("A propos de Pelavorine"));
    logo_ = new QLabel(this);
    logo_->setAlignment(Qt::AlignCenter);
    logo_->setAccessibleName(tr("Logo"));
    if (!logo.isEmpty()) logo_->setPixmap(QIcon(logo).pixmap(128, 128));
    logo_->installEventFilter(this);
    version_ = new QLabel(tr("Version 5.11"), this);
    version_->setObjectName(QStringLiteral("LabelVersion"));
    plateforme_ = new QLabel(TextePlateforme(), this);
    for (QLabel* l : {version_, plateforme_}) {
        l->setAlignment(Qt::AlignCenter);
        l->setAccessibleName(l->text());
    }
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(logo_);
    colonne->addWidget(version_);
    colonne->addWidget(plateforme_);
}

QString BoiteAPropos::TextePlateforme() {
    return QStringLiteral("(") + QSysInfo::prettyProductName() + QStringLiteral(")");
}

BoiteAPropos* BoiteAPropos::Montrer(QWidget* parent, const QString& logo, const QColor& fond) {
    auto* boite = new BoiteAPropos(parent, logo, fond);
    boite->setAttribute(Qt::WA_DeleteOnClose);
    boite->adjustSize();
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        boite->move(ecran->availableGeometry().center() - boite->rect().center());
    boite->show();
    boite->activateWindow();
    return boite;
}

void BoiteAPropos::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible()) close();
}

void BoiteAPropos::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        close();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool BoiteAPropos::eventFilter(QObject* objet, QEvent* event) {
    if (objet == logo_ && event->type() == QEvent::MouseButtonRelease) {
        close();
        return true;
    }
    return QDialog::eventFilter(objet, event);
}

} // namespace pelavorine
