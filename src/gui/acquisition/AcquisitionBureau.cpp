#include "gui/acquisition/AcquisitionBureau.h"

#include "core/acquisition/Acquisition.h"
#include "core/acquisition/ReglesParametres.h"
#include "core/files/Secours.h"
#include "core/interface/CoucheInterface.h"
#include "core/store/Genres.h"
#include "core/store/TableVariables.h"
#include "core/store/TypeSortie.h"
#include "core/store/TypeVoie.h"
#include "core/travail/Travail.h"
#include "core/windows/DonneesFenetre.h"
#include "core/windows/Echelles.h"
#include "core/windows/TableFenetres.h"
#include "gui/acquisition/BureauAcquisition.h"
#include "gui/ui/FiltreEntrees.h"
#include "gui/ui/HoteBureau.h"
#include "gui/windows/TFenCourbe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <bit>
#include <cmath>

namespace pelavorine {

namespace {
// Below this period a single drawn input is drawn once per block: a point would cost more
// than it shows.
constexpr double PeriodeDessinSeul = 1000.0;
// From this period the point counter follows the points.
constexpr double PeriodeCompteur = 100000.0;
// The minimum a measured drawing takes (ms): a faster machine reads as this.
constexpr qint64 DureeMesureMinimale = 1;
constexpr std::uint16_t OptionRedessinComplet = 0x0002;

const TypeId* VariableDeCase(const TableVariables& t, int slot) {
    return slot <= 8 ? static_cast<const TypeId*>(regles::Entree(t, slot))
                     : static_cast<const TypeId*>(regles::Sortie(t, slot - 8));
}
} // namespace

AcquisitionBureau::AcquisitionBureau(BureauAcquisition& bureau, Travail& travail, QObject* parent)
    : QObject(parent), bureau_(bureau), travail_(travail) {}

AcquisitionBureau::~AcquisitionBureau() = default;

QString AcquisitionBureau::TextePoint(int point, int total) {
    return QStringLiteral("%1/%2 ").arg(point).arg(total);
}

int AcquisitionBureau::Lancer() {
    if (enCours_) return Acquisition::DejaEnCours;
    CoucheInterface& couche = travail_.Interface();
    bureau_.TerminerOutils();
    // A period below what the interface can do is offered its minimum first (declined, the
    // run reports the minimal period), and the time base it rebuilds is in place before.
    if (!couche.SansSysteme()) regles::VerifierDuree(travail_, couche);
    bureau_.TraiterDemandes();

    parPoint_ = false;
    afficherPoint_ = false;
    blocs_ = 0;
    traces_.clear();
    derniere_ = std::make_unique<Acquisition>(travail_, couche);
    Acquisition& a = *derniere_;
    const TableFenetres& fenetres = travail_.TableDesFenetres();
    a.bureau.pleinEcranPossible = bureau_.FenetrePleinEcran(fenetres.FenetreCourante());
    a.bureau.redessinComplet = RedessinComplet();
    a.point = [this](int p) { DessinerPoint(p); };
    a.dessinParPoint = [this] { return ChoisirDessinParPoint(); };
    a.apresRafraichissement = [this] { ApresBloc(); };
    a.progression = [this](int) { emit blocCommence(++blocs_); };
    a.bip = [] { QApplication::beep(); };
    total_ = std::min(travail_.Variables().NbPoint(), regles::PointsMaximum);

    // While the run lasts: the status line in cyan, everything but Escape held back, the
    // wait cursor (none in permanent mode), no point counter unless the points are counted.
    // All of it is undone however the run ends.
    struct Etat {
        AcquisitionBureau& a;
        HoteBureau* hote;
        std::function<void(const QString&)> ligneInfo;
        ~Etat() {
            QApplication::restoreOverrideCursor();
            a.bureau_.Filtre()->Activer(false);
            if (hote) hote->surLigneInfo = ligneInfo;
            a.bureau_.PointCourant()->hide();
            a.bureau_.AfficherLigneInfo(QString(), QColor());
            a.enCours_ = false;
        }
    };
    auto* hote = dynamic_cast<HoteBureau*>(&travail_.hote());
    int code = 0;
    {
        Etat etat{*this, hote, hote ? hote->surLigneInfo : nullptr};
        enCours_ = true;
        if (hote)
            hote->surLigneInfo = [this](const QString& t) {
                bureau_.AfficherLigneInfo(t, t.isEmpty() ? QColor() : QColor(Qt::cyan));
            };
        bureau_.Filtre()->Activer(true);
        QApplication::setOverrideCursor(travail_.Parametres().permanent ? Qt::BlankCursor
                                                                        : Qt::WaitCursor);
        bureau_.PointCourant()->hide();
        code = a.Lancer();
    }

    if (code == Acquisition::PasAPas) {
        travail_.hote().Information(
            tr("L'acquisition pas à pas n'est pas disponible dans cette version."));
        return code;
    }
    if (a.PointsAcquis() > 0) {
        if (secours_) secours_->Sauver(travail_);
        bureau_.ActualiserTitre();
    }
    bureau_.TraiterDemandes();
    return code;
}

bool AcquisitionBureau::RedessinComplet() const {
    if (travail_.options & OptionRedessinComplet) return true;
    const TableVariables& t = travail_.Variables();
    for (int slot = 1; slot <= t.DerniereCase(); ++slot) {
        const TypeId* v = t.Variable(slot);
        if (!v || v->Fenetres == 0) continue;
        if (const auto* s = dynamic_cast<const TypeSortie*>(v); s && s->ModeEmission != 0)
            return true;
        if (const auto* e = dynamic_cast<const TypeVoie*>(v);
            e && regles::EntreeEnService(*e) && e->Style > 1)
            return true;
        if ((v->Genre & genre::Calculee) && v->EstTable()) return true;
    }
    return false;
}

void AcquisitionBureau::PreparerTraces() {
    traces_.clear();
    const Acquisition& a = *derniere_;
    const TableVariables& t = travail_.Variables();
    for (int slot = 0; slot < static_cast<int>(a.CarteA().size()); ++slot) {
        if (a.CarteA()[static_cast<std::size_t>(slot)] < 0) continue;
        const TypeId* v = VariableDeCase(t, slot);
        if (!v) continue;
        const int index = t.IndexVariable(v->Nom);
        for (int f = 1; f <= 8; ++f)
            if ((a.FenetresDuJeu() & TableFenetres::Bit(f)) &&
                (v->Fenetres & TableFenetres::Bit(f)))
                traces_.push_back({index, f, {}});
    }
}

bool AcquisitionBureau::ChoisirDessinParPoint() {
    const Acquisition& a = *derniere_;
    PreparerTraces();
    const ParametresAcquisition& p = travail_.Parametres();
    int entrees = 0;
    for (const Trace& tr : traces_)
        if (dynamic_cast<const TypeVoie*>(travail_.Variables().Variable(tr.variable))) ++entrees;
    const int fenetres = std::popcount(a.FenetresDuJeu());
    const int canaux = static_cast<int>(traces_.size()) / std::max(fenetres, 1);
    const double minimale = regles::PeriodeMinimaleAcquisition(
        travail_.Interface(), regles::CompterVoies(travail_.Variables()),
        std::max<int>(p.echantillons, 1));
    const double estimation = minimale + canaux * fenetres * CoutDessin();
    parPoint_ = !traces_.empty() && estimation <= p.periode &&
                !(entrees < 2 && p.periode <= PeriodeDessinSeul) && !sansDessinTempsReel;
    afficherPoint_ = parPoint_ && p.periode >= PeriodeCompteur;
    if (parPoint_) {
        // The curves of the previous run give way to the points as they come.
        for (int f = 1; f <= 8; ++f) {
            TFenCourbe* c = bureau_.Courbe(f);
            if (!c || !(a.FenetresDuJeu() & TableFenetres::Bit(f))) continue;
            QList<int> variables;
            for (const Trace& tr : traces_)
                if (tr.fenetre == f) variables << tr.variable;
            c->EffacerCourbesIndiquees(variables);
        }
    }
    if (afficherPoint_) {
        QLabel* label = bureau_.PointCourant();
        label->setText(TextePoint(0, total_));
        label->show();
    }
    return parPoint_;
}

bool AcquisitionBureau::AgrandirEchelle(int fenetre, double y) {
    DonneesFenetre* d = travail_.TableDesFenetres().Donnees(fenetre);
    if (!d || !std::isfinite(y)) return false;
    EchelleAxe& e = d->echelleY;
    if (y >= e.minimum && y <= e.maximum) return false;
    // The limits in force grow; the scale keeps following what it followed.
    double minimum = std::min(e.minimum, y);
    double maximum = std::max(e.maximum, y);
    const QScreen* ecran = QGuiApplication::primaryScreen();
    ElargirEtArrondir(minimum, maximum, 3,
                      FacteurElargissement(ecran ? ecran->size().width() : 1024));
    e.minimum = minimum;
    e.maximum = maximum;
    return true;
}

void AcquisitionBureau::DessinerPoint(int point) {
    const TableVariables& t = travail_.Variables();
    const ParametresAcquisition& p = travail_.Parametres();
    std::uint32_t aRedessiner = 0;
    for (Trace& tr : traces_) {
        const TypeId* v = t.Variable(tr.variable);
        TFenCourbe* c = bureau_.Courbe(tr.fenetre);
        if (!v || !c) continue;
        const double y = v->LirePoint(point) * v->Multiplicateur + v->Decalage;
        if (AgrandirEchelle(tr.fenetre, y)) aRedessiner |= TableFenetres::Bit(tr.fenetre);
        if (aRedessiner & TableFenetres::Bit(tr.fenetre)) continue;
        // The previous block's trace goes just ahead of the new one.
        const auto ancien = static_cast<std::size_t>(point);
        if ((p.permanent || p.blocs > 1) && ancien < tr.precedent.size())
            c->EffacerSegment(tr.variable, tr.precedent[ancien - 1], tr.precedent[ancien]);
        c->TracerPoints(tr.variable, std::max(point - 1, 1), point);
    }
    for (int f = 1; f <= 8; ++f)
        if (aRedessiner & TableFenetres::Bit(f))
            if (TFenCourbe* c = bureau_.Courbe(f)) c->Redessiner();
    if (afficherPoint_) bureau_.PointCourant()->setText(TextePoint(point, total_));
    emit pointDessine(point);
}

void AcquisitionBureau::ApresBloc() {
    if (parPoint_) {
        // What was drawn is the trace the next block erases as it goes.
        const TableVariables& t = travail_.Variables();
        for (Trace& tr : traces_) {
            tr.precedent.clear();
            const TypeId* v = t.Variable(tr.variable);
            if (!v) continue;
            for (int i = 1; i <= v->NbPoints; ++i)
                tr.precedent.emplace_back(v->Abscisse(i, tr.fenetre), v->LirePoint(i));
        }
    }
    // The erasing may have bitten into the grid and the marks: the block ends on a clean
    // picture.
    RedessinerJeu();
    emit blocTermine(blocs_);
}

void AcquisitionBureau::RedessinerJeu() {
    const TableVariables& t = travail_.Variables();
    const std::uint32_t jeu = derniere_->FenetresDuJeu();
    for (int f = 1; f <= 8; ++f) {
        if (!(jeu & TableFenetres::Bit(f))) continue;
        TFenCourbe* c = bureau_.Courbe(f);
        if (!c) continue;
        for (int slot : CourbesAffichees(f, t)) {
            const TypeId* v = t.Variable(slot);
            if (!v || v->NbPoints == 0) continue;
            AgrandirEchelle(f, v->Minimum * v->Multiplicateur + v->Decalage);
            AgrandirEchelle(f, v->Maximum * v->Multiplicateur + v->Decalage);
        }
        c->Redessiner();
    }
}

double AcquisitionBureau::CoutDessin() {
    if (cout_ <= 0.0)
        cout_ = MesurerCout(bureau_.Courbe(travail_.TableDesFenetres().FenetreCourante()),
                            travail_.Variables().NbPoint());
    return cout_;
}

double AcquisitionBureau::MesurerCout(const TFenCourbe* c, int points) {
    points = std::max(points, 2);
    const QSize taille = c ? c->size().expandedTo(QSize(100, 100)) : QSize(640, 480);
    QImage image(taille, QImage::Format_RGB32);
    QPainter peintre(&image);
    const Projection* monde = c ? &c->Monde() : nullptr;
    QElapsedTimer chrono;
    chrono.start();
    QPoint precedent;
    volatile int somme = 0;
    for (int i = 1; i <= points; ++i) {
        const double x = static_cast<double>(i) / points;
        int px = 0;
        for (int k = 0; k < 10; ++k)
            px = monde ? monde->WPX(x) : static_cast<int>(x * 1000);
        somme = somme + px;
        const QPoint courant(px % taille.width(), i % taille.height());
        if (i > 1) peintre.drawLine(precedent, courant);
        precedent = courant;
    }
    const qint64 ms = std::max(chrono.elapsed(), DureeMesureMinimale);
    return static_cast<double>(ms) * 4000.0 / points;
}

} // namespace pelavorine
