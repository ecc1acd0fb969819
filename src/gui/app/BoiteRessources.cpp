#include "gui/app/BoiteRessources.h"

#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace pelavorine {

namespace {
// The value in kB of a "/proc/meminfo" field, -1 when absent.
qint64 Champ(const QByteArray& meminfo, const QByteArray& nom) {
    for (const QByteArray& ligne : meminfo.split('\n')) {
        if (!ligne.startsWith(nom + ':')) continue;
        const QList<QByteArray> mots = ligne.mid(nom.size() + 1).simplified().split(' ');
        bool ok = false;
        const qint64 valeur = mots.value(0).toLongLong(&ok);
        return ok ? valeur : -1;
    }
    return -1;
}
} // namespace

EtatMemoire BoiteRessources::LireMemoire(const QByteArray& meminfo) {
    EtatMemoire etat;
    const qint64 total = Champ(meminfo, "MemTotal");
    if (total <= 0) return etat;
    etat.totalKo = total;
    qint64 disponible = Champ(meminfo, "MemAvailable");
    if (disponible < 0) disponible = Champ(meminfo, "MemFree"); // older kernels
    if (disponible >= 0 && disponible <= total)
        etat.chargePourcent = static_cast<int>((total - disponible) * 100 / total);
    return etat;
}

EtatMemoire BoiteRessources::MemoireDuSysteme() {
    QFile fichier(QStringLiteral("/proc/meminfo"));
    if (!fichier.open(QIODevice::ReadOnly)) return {};
    return LireMemoire(fichier.readAll());
}

QString BoiteRessources::TexteMemoire(qint64 ko) {
    QString chiffres = QString::number(ko);
    for (qsizetype i = chiffres.size() - 3; i > 0; i -= 3)
        chiffres.insert(i, QLatin1Char(' '));
    return chiffres + tr(" ko");
}

QString BoiteRessources::TexteCharge(int pourcent) {
    return QString::number(pourcent) + QStringLiteral(" %");
}

BoiteRessources::BoiteRessources(QWidget* parent, const QString& icone, const EtatMemoire& memoire)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setWindowTitle(tr(" Ressources mémoire"));
    setModal(true);
    auto* image = new QLabel(this);
    if (!icone.isEmpty()) image->setPixmap(QIcon(icone).pixmap(48, 48));
    image->setAccessibleName(tr("Icône"));
    auto* titre = new QLabel(tr("Pelavorine"), this);
    QFont gras = titre->font();
    gras.setBold(true);
    titre->setFont(gras);
    auto* ligne = new QFrame(this);
    ligne->setFrameShape(QFrame::HLine);
    ligne->setFrameShadow(QFrame::Sunken);
    auto* libellePhys = new QLabel(tr("Mémoire physique disponible"), this);
    physMem_ = new QLabel(TexteMemoire(memoire.totalKo), this);
    physMem_->setObjectName(QStringLiteral("PhysMem"));
    auto* libelleCharge = new QLabel(tr("Mémoire utilisée :"), this);
    freeRes_ = new QLabel(TexteCharge(memoire.chargePourcent), this);
    freeRes_->setObjectName(QStringLiteral("FreeRes"));
    for (QLabel* l : {titre, libellePhys, physMem_, libelleCharge, freeRes_})
        l->setAccessibleName(l->text());
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setAccessibleName(tr("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* grille = new QGridLayout(this);
    grille->addWidget(image, 0, 0);
    grille->addWidget(titre, 0, 1);
    grille->addWidget(ligne, 1, 0, 1, 2);
    grille->addWidget(libellePhys, 2, 0);
    grille->addWidget(physMem_, 2, 1, Qt::AlignRight);
    grille->addWidget(libelleCharge, 3, 0);
    grille->addWidget(freeRes_, 3, 1, Qt::AlignRight);
    grille->addWidget(ok, 4, 0, 1, 2, Qt::AlignCenter);
}

void BoiteRessources::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible()) accept();
}

void BoiteRessources::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace pelavorine
