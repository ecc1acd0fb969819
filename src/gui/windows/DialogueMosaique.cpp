#include "gui/windows/DialogueMosaique.h"

#include "core/windows/TableFenetres.h"
#include "gui/app/Aide.h"
#include "gui/ui/BoutonsDialogue.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace pelavorine {

namespace {

constexpr const char* kPageAide = "\\Interface\\OrganisationEcran.htm";
constexpr int kDerniereOrdinaire = 8;
constexpr QSize kTailleForme(44, 32);
constexpr QSize kTailleZone(264, 176);

// A layout drawn as its cells, for its button.
QIcon IconeForme(const mosaique::Disposition& d) {
    QPixmap image(kTailleForme);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::black);
    p.setBrush(QColor(0xB4, 0xD2, 0xF0));
    const double sx = (kTailleForme.width() - 1) / 1000.0;
    const double sy = (kTailleForme.height() - 1) / 1000.0;
    for (int position = 1; position <= d.n; ++position) {
        const QRect c = mosaique::CaseMosaique(d, position);
        const QPoint a(qRound(c.left() * sx), qRound(c.top() * sy));
        const QPoint b(qRound(c.right() * sx), qRound(c.bottom() * sy));
        p.drawRect(QRect(a, b).adjusted(0, 0, -1, -1));
    }
    return QIcon(image);
}

} // namespace

ApercuMosaique::ApercuMosaique(int fenetre, QWidget* zone)
    : QLabel(Libelle(fenetre), zone), fenetre_(fenetre) {
    setObjectName(QStringLiteral("apercu%1").arg(fenetre));
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xE1));
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setCursor(Qt::OpenHandCursor);
}

QString ApercuMosaique::Libelle(int fenetre) {
    return fenetre > kDerniereOrdinaire ? tr("n° A") + QString::number(fenetre - 8)
                                        : tr("n° ") + QString::number(fenetre);
}

void ApercuMosaique::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
    saisi_ = true;
    prise_ = event->position().toPoint();
    raise();
}

void ApercuMosaique::mouseMoveEvent(QMouseEvent* event) {
    if (!saisi_) return QLabel::mouseMoveEvent(event);
    move(pos() + event->position().toPoint() - prise_);
}

void ApercuMosaique::mouseReleaseEvent(QMouseEvent* event) {
    if (!saisi_ || event->button() != Qt::LeftButton) return QLabel::mouseReleaseEvent(event);
    saisi_ = false;
    emit Lache(fenetre_, mapToParent(event->position().toPoint()));
}

DialogueMosaique::DialogueMosaique(const TableFenetres& fenetres,
                                   const mosaique::EtatMosaique& etat, bool analyses,
                                   QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Définition de la mosaïque"));
    auto* layout = new QVBoxLayout(this);

    auto* groupeFenetres = new QGroupBox(tr("Fenêtres à utiliser "), this);
    auto* grille = new QGridLayout(groupeFenetres);
    grille->setHorizontalSpacing(6);
    cases_.fill(nullptr, NbCases);
    const int nbCases = analyses ? NbCases : kDerniereOrdinaire;
    for (int n = 1; n <= nbCases; ++n) {
        const bool analyse = n > kDerniereOrdinaire;
        // The analysis boxes come after a gap, under their own title.
        const int colonne = analyse ? n + 1 : n - 1;
        auto* numero = new QLabel(analyse ? QStringLiteral("A%1").arg(n - 8) : QString::number(n),
                                  groupeFenetres);
        grille->addWidget(numero, 1, colonne, Qt::AlignHCenter);
        auto* c = new QCheckBox(groupeFenetres);
        c->setObjectName(QStringLiteral("fenetre%1").arg(n));
        c->setAccessibleName(numero->text());
        c->setEnabled(fenetres.Existe(n));
        grille->addWidget(c, 2, colonne, Qt::AlignHCenter);
        cases_[n - 1] = c;
    }
    if (analyses) {
        grille->setColumnMinimumWidth(kDerniereOrdinaire, 16);
        grille->addWidget(new QLabel(tr("Analyse"), groupeFenetres), 0, kDerniereOrdinaire + 1, 1,
                          NbCases - kDerniereOrdinaire, Qt::AlignHCenter);
    }
    layout->addWidget(groupeFenetres);

    auto* groupeFormes = new QGroupBox(tr("Dispositions proposées"), this);
    lignesFormes_ = new QHBoxLayout(groupeFormes);
    lignesFormes_->addStretch();
    formes_ = new QButtonGroup(this);
    formes_->setExclusive(true);
    layout->addWidget(groupeFormes);

    auto* groupeApercu = new QGroupBox(tr("Disposition des fenêtres"), this);
    auto* ligneApercu = new QHBoxLayout(groupeApercu);
    zone_ = new QWidget(groupeApercu);
    zone_->setObjectName(QStringLiteral("zoneApercus"));
    zone_->setFixedSize(kTailleZone);
    zone_->setAutoFillBackground(true);
    QPalette fond = zone_->palette();
    fond.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    zone_->setPalette(fond);
    ligneApercu->addWidget(zone_, 0, Qt::AlignHCenter);
    layout->addWidget(groupeApercu);

    auto* groupeInclure = new QGroupBox(tr("Inclure également"), this);
    auto* ligneInclure = new QHBoxLayout(groupeInclure);
    feuille_ = new QCheckBox(tr(" Feuille de calcul"), groupeInclure);
    feuille_->setObjectName(QStringLiteral("feuille"));
    feuille_->setChecked(etat.feuille);
    tableur_ = new QCheckBox(tr(" Tableur"), groupeInclure);
    tableur_->setObjectName(QStringLiteral("tableur"));
    tableur_->setChecked(etat.tableur);
    ligneInclure->addWidget(feuille_);
    ligneInclure->addWidget(tableur_);
    ligneInclure->addStretch();
    layout->addWidget(groupeInclure);

    const BoutonsDialogue boutons =
        BoutonsDialogue::Creer(this, tr("Ok"), QString::fromLatin1(kPageAide));
    ok_ = boutons.ok;
    aide_ = boutons.aide;
    connect(boutons.rangee, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(boutons.rangee);

    // The remembered windows that can still be chosen, in their remembered order.
    for (const int n : etat.fenetres) {
        QCheckBox* c = CaseFenetre(n);
        if (c && c->isEnabled() && !ordre_.contains(n)) {
            ordre_.append(n);
            c->setChecked(true);
        }
    }
    variante_ = etat.variante >= 1 && etat.variante <= 6 ? etat.variante : 1;
    if (!ordre_.isEmpty() && !mosaique::Trouver(ordre_.size(), variante_)) variante_ = 1;
    for (int n = 1; n <= NbCases; ++n)
        if (QCheckBox* c = CaseFenetre(n))
            connect(c, &QCheckBox::toggled, this,
                    [this, n](bool cochee) { CaseBasculee(n, cochee); });
    connect(feuille_, &QCheckBox::toggled, this, &DialogueMosaique::DispositionModifiee);
    connect(tableur_, &QCheckBox::toggled, this, &DialogueMosaique::DispositionModifiee);
    ReconstruireFormes();
    PlacerApercus();
}

bool DialogueMosaique::Feuille() const {
    return feuille_->isChecked();
}
bool DialogueMosaique::Tableur() const {
    return tableur_->isChecked();
}

mosaique::EtatMosaique DialogueMosaique::Etat() const {
    mosaique::EtatMosaique e;
    e.fenetres = ordre_;
    e.variante = variante_;
    e.feuille = Feuille();
    e.tableur = Tableur();
    return e;
}

std::optional<mosaique::Disposition> DialogueMosaique::Disposition() const {
    return mosaique::Trouver(ordre_.size(), variante_);
}

QCheckBox* DialogueMosaique::CaseFenetre(int fenetre) const {
    return fenetre >= 1 && fenetre <= NbCases ? cases_[fenetre - 1] : nullptr;
}

QList<QAbstractButton*> DialogueMosaique::BoutonsFormes() const {
    return formes_->buttons();
}

ApercuMosaique* DialogueMosaique::Apercu(int fenetre) const {
    for (ApercuMosaique* a : apercus_)
        if (a->Fenetre() == fenetre) return a;
    return nullptr;
}

void DialogueMosaique::CaseBasculee(int fenetre, bool cochee) {
    if (cochee) {
        if (!ordre_.contains(fenetre)) ordre_.append(fenetre); // a new window takes the last place
    } else {
        ordre_.removeAll(fenetre);
    }
    if (!ordre_.isEmpty() && !mosaique::Trouver(ordre_.size(), variante_)) variante_ = 1;
    ReconstruireFormes();
    PlacerApercus();
    emit DispositionModifiee();
}

void DialogueMosaique::ChoisirVariante(int variante) {
    if (variante == variante_) return;
    variante_ = variante;
    PlacerApercus();
    emit DispositionModifiee();
}

void DialogueMosaique::ReconstruireFormes() {
    for (QAbstractButton* b : formes_->buttons()) {
        formes_->removeButton(b);
        lignesFormes_->removeWidget(b);
        b->hide();
        b->deleteLater();
    }
    const QList<mosaique::Disposition> variantes = mosaique::Variantes(ordre_.size());
    int i = 0;
    for (const mosaique::Disposition& d : variantes) {
        auto* b = new QToolButton(lignesFormes_->parentWidget());
        b->setObjectName(QStringLiteral("forme%1").arg(d.variante));
        b->setCheckable(true);
        b->setIcon(IconeForme(d));
        b->setIconSize(kTailleForme);
        b->setAccessibleName(QString::number(d.variante));
        b->setChecked(d.variante == variante_);
        formes_->addButton(b, d.variante);
        lignesFormes_->insertWidget(i++, b);
        const int v = d.variante;
        connect(b, &QToolButton::clicked, this, [this, v] { ChoisirVariante(v); });
    }
}

QRect DialogueMosaique::CelluleApercu(const mosaique::Disposition& d, int position) const {
    const QRect c = mosaique::CaseMosaique(d, position);
    const double sx = zone_->width() / 1000.0;
    const double sy = zone_->height() / 1000.0;
    const QPoint a(qRound(c.left() * sx), qRound(c.top() * sy));
    const QPoint b(qRound(c.right() * sx), qRound(c.bottom() * sy));
    // A small gap shows each cell's edges.
    return QRect(a, b - QPoint(1, 1)).adjusted(2, 2, -2, -2);
}

void DialogueMosaique::PlacerApercus() {
    for (qsizetype i = apercus_.size() - 1; i >= 0; --i)
        if (!ordre_.contains(apercus_[i]->Fenetre())) delete apercus_.takeAt(i);
    const std::optional<mosaique::Disposition> d = Disposition();
    for (qsizetype i = 0; i < ordre_.size(); ++i) {
        ApercuMosaique* a = Apercu(ordre_[i]);
        if (!a) {
            a = new ApercuMosaique(ordre_[i], zone_);
            connect(a, &ApercuMosaique::Lache, this, &DialogueMosaique::ApercuLache);
            apercus_.append(a);
        }
        if (!d) {
            a->hide();
            continue;
        }
        a->setGeometry(CelluleApercu(*d, static_cast<int>(i) + 1));
        a->show();
    }
}

int DialogueMosaique::PositionSous(QPoint point) const {
    const std::optional<mosaique::Disposition> d = Disposition();
    if (!d) return 0;
    for (int p = 1; p <= ordre_.size(); ++p)
        if (CelluleApercu(*d, p).adjusted(-2, -2, 2, 2).contains(point)) return p;
    return 0;
}

void DialogueMosaique::Echanger(int a, int b) {
    const int n = static_cast<int>(ordre_.size());
    if (a < 1 || b < 1 || a > n || b > n || a == b) return;
    ordre_.swapItemsAt(a - 1, b - 1);
    PlacerApercus();
    emit DispositionModifiee();
}

void DialogueMosaique::ApercuLache(int fenetre, QPoint point) {
    const int source = static_cast<int>(ordre_.indexOf(fenetre)) + 1;
    const int cible = PositionSous(point);
    if (source > 0 && cible > 0 && cible != source)
        Echanger(source, cible);
    else
        PlacerApercus(); // dropped off the cells: back in place
}

void DialogueMosaique::Placer() {
    if (const QScreen* ecran = screen()) {
        const QRect g = ecran->geometry();
        // The frame counts: move() places the frame's corner.
        move(g.x() + (g.width() - frameGeometry().width()) / 2, g.y() + g.height() / 4);
    }
}

void DialogueMosaique::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!place_) {
        place_ = true;
        Placer();
    }
}

} // namespace pelavorine
