#include "gui/windows/TFenCourbe.h"

#include "core/acquisition/ModeleParametres.h"
#include "core/calc/MoteurCalcul.h"
#include "core/store/Genres.h"
#include "core/store/Hote.h"
#include "core/store/TypeId.h"
#include "core/travail/Travail.h"
#include "core/windows/CommandesEchelles.h"
#include "core/windows/DonneesFenetre.h"
#include "core/windows/TraceCourbe.h"
#include "gui/ui/CouleursWindows.h"
#include "gui/windows/PeintreCourbes.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <cmath>

namespace pelavorine {

namespace {

QFont Arial(double points) {
    QFont police(QStringLiteral("Arial"));
    police.setStyleHint(QFont::SansSerif);
    police.setPointSizeF(points);
    return police;
}

QSize TailleEcran(const QWidget* w) {
    const QScreen* ecran = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return ecran ? ecran->size() : QSize(1024, 768);
}

// A dotted line sets one pixel every 6; a dashed line draws dashes of 6 pixels every 18
// horizontally and every 12 vertically.
void LignePointillee(QPainter& p, const QLine& l, int pas, int trait) {
    const int dx = l.dx();
    const int dy = l.dy();
    const int longueur = std::max(std::abs(dx), std::abs(dy));
    if (longueur == 0) {
        p.drawPoint(l.p1());
        return;
    }
    for (int k = 0; k <= longueur; k += pas) {
        const int fin = std::min(longueur, k + trait - 1);
        const QPoint a(l.x1() + dx * k / longueur, l.y1() + dy * k / longueur);
        const QPoint b(l.x1() + dx * fin / longueur, l.y1() + dy * fin / longueur);
        if (a == b)
            p.drawPoint(a);
        else
            p.drawLine(a, b);
    }
}

void Fleche(QPainter& p, const QLine& l) {
    p.drawLine(l);
    const double angle = std::atan2(l.dy(), l.dx());
    for (double cote : {-1.0, 1.0}) {
        const double a = angle + M_PI + cote * M_PI / 6;
        p.drawLine(l.p2(), l.p2() + QPoint(static_cast<int>(std::lround(6 * std::cos(a))),
                                           static_cast<int>(std::lround(6 * std::sin(a)))));
    }
}

} // namespace

TFenCourbe::TFenCourbe(Travail& travail, int numero, QWidget* parent)
    : QWidget(parent), travail_(travail), numero_(numero) {
    setObjectName(QStringLiteral("FenCourbe%1").arg(numero));
    setAccessibleName(DonneesFenetre::TitreDe(numero));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(60, 40);
    const QFontMetrics fm(Arial(9));
    mesures_.largeur = [fm](const QString& t) { return fm.horizontalAdvance(t); };
}

TFenCourbe::~TFenCourbe() = default;

DonneesFenetre* TFenCourbe::Donnees() const {
    return travail_.TableDesFenetres().Donnees(numero_);
}

QRect TFenCourbe::ZoneTrace() const {
    const Projection& p = projection_;
    return QRect(QPoint(p.L() + 1, p.T() + 1), QPoint(p.W() - 1, p.H() - p.B()));
}

QColor TFenCourbe::CouleurFond() const {
    const DonneesFenetre* f = Donnees();
    return f ? DepuisWindows(f->couleur) : QColor(Qt::white);
}

QFont TFenCourbe::PoliceLegende() const {
    return Arial(10);
}

void TFenCourbe::FixerNoirEtBlanc(bool oui) {
    noirEtBlanc_ = oui;
}

void TFenCourbe::MesurerCellule(const QFont& police) {
    const QFontMetrics fm(police);
    mesures_.cw = static_cast<int>(std::lround(1.1 * fm.horizontalAdvance(QLatin1Char('1'))));
    mesures_.ch = static_cast<int>(std::lround(1.1 * fm.height()));
}

void TFenCourbe::PreparerImage() {
    const QSize taille = size().expandedTo(QSize(1, 1));
    if (image_.size() != taille) {
        image_ = QImage(taille, QImage::Format_RGB32);
        image_.fill(CouleurFond());
        cadreFait_ = false;
    }
}

void TFenCourbe::SelectionnerMonde() {
    const QWidget* forme = parentWidget() ? parentWidget() : this;
    projection_.DefinirClient(width(), height());
    projection_.DefinirForme(forme->width(), forme->height());
    if (const DonneesFenetre* f = Donnees()) projection_.DefinirMonde(*f);
    projection_.Selectionner();
}

void TFenCourbe::DessinerCadre() {
    DonneesFenetre* f = Donnees();
    if (!f) return;
    ++cadres_;
    PreparerImage();
    const TableVariables& variables = travail_.Variables();
    if (!PreparerMonde(*f, variables)) {
        // Not from inside a paint: the box waits for the drawing to end.
        QTimer::singleShot(0, this, [this] {
            travail_.hote().Erreur(tr("ECHELLE LOG. IMPOSSIBLE\n   (Valeurs <=0)"));
        });
    }
    const QSize ecran = TailleEcran(this);
    const bool grande = width() > 0.66 * ecran.width() && height() > 0.66 * ecran.height();
    MesurerCellule(Arial(grande ? 10 : 8));
    projection_.FixerMarges(mesures_.cw, mesures_.ch, 0);
    SelectionnerMonde();

    QPainter p(&image_);
    const QColor fond = CouleurFond();
    p.fillRect(image_.rect(), fond);
    p.setPen(fond == Qt::black ? Qt::white : Qt::black);
    p.drawRect(image_.rect().adjusted(0, 0, -1, -1));

    ComposerLegende();
    ContexteGraduation contexte;
    contexte.variables = &variables;
    contexte.notation = travail_.nombres.ingenieur;
    contexte.noirEtBlanc = noirEtBlanc_;
    contexte.largeurEcran = ecran.width();
    contexte.variableCourante = legende_.courbeCourante;
    cadre_ = GrilleEtGraduations(*f, projection_, contexte, mesures_);
    PeindreCadre(p);
    EcrireNomAbscisse(p);
    cadreFait_ = true;
    update();
}

void TFenCourbe::PeindreCadre(QPainter& p) {
    const auto couleur = [this](CouleurCadre c) {
        switch (c) {
        case CouleurCadre::Axe:
            return DepuisRvb(cadre_.couleurAxe);
        case CouleurCadre::Texte:
            return DepuisRvb(cadre_.couleurTexte);
        case CouleurCadre::Grille:
            return DepuisRvb(cadre_.couleurGrille);
        case CouleurCadre::Rouge:
            return noirEtBlanc_ ? QColor(Qt::black) : QColor(Qt::red);
        }
        return QColor(Qt::black);
    };
    for (const TraitCadre& t : cadre_.traits) {
        p.setPen(QPen(couleur(t.couleur), 1));
        switch (t.type) {
        case TraitCadre::Plein:
            p.drawLine(t.ligne);
            break;
        case TraitCadre::Fleche:
            Fleche(p, t.ligne);
            break;
        case TraitCadre::Pointille:
            LignePointillee(p, t.ligne, 6, 1);
            break;
        case TraitCadre::Tirete:
            LignePointillee(p, t.ligne, t.ligne.dy() == 0 ? 18 : 12, 6);
            break;
        }
    }
    for (const QRect& boite : cadre_.boites) {
        p.setPen(DepuisRvb(cadre_.couleurTexte));
        p.setBrush(CouleurFond());
        p.drawRect(boite);
    }
    p.setBrush(Qt::NoBrush);
    const QFont etiquette = Arial(9);
    QFont exposant = etiquette;
    exposant.setPointSizeF(9 * 0.75);
    for (const TexteCadre& t : cadre_.textes) {
        const bool petit = t.police == TexteCadre::Exposant;
        p.setFont(petit ? exposant : etiquette);
        p.setPen(couleur(t.couleur));
        const QFontMetrics fm(p.font());
        p.drawText(t.position + QPoint(0, fm.ascent() - (petit ? 2 : 0)), t.texte);
    }
}

void TFenCourbe::ComposerLegende() {
    DonneesFenetre* f = Donnees();
    if (!f) return;
    const QFontMetrics fm(PoliceLegende());
    const int depart = projection_.L() + mesures_.cw;
    legende_ = pelavorine::ComposerLegende(
        *f, travail_.Variables(), travail_.TableDesFenetres().variableCourante, depart,
        width() - 2 * projection_.L(), noirEtBlanc_,
        [fm](const QString& t) { return fm.horizontalAdvance(t); });
    f->courbeCourante = legende_.courbeCourante;
    f->legendeCourbes = legende_.texte;
}

void TFenCourbe::EcrireLegende(QPainter& p) {
    const DonneesFenetre* f = Donnees();
    if (!f) return;
    QFont police = PoliceLegende();
    const QFontMetrics fm(police);
    const int y = static_cast<int>(std::lround(0.3 * mesures_.ch)) + projection_.T();
    const int depart = projection_.L() + mesures_.cw;
    rectLegende_ = QRect(depart, y, fm.horizontalAdvance(legende_.texte), fm.height());
    p.setClipping(false);
    const bool separees = f->options & DonneesFenetre::CourbesSeparees;
    if (!separees) p.fillRect(rectLegende_, CouleurFond());
    int x = depart;
    for (const NomLegende& nom : legende_.noms) {
        QFont n = police;
        n.setItalic(nom.italique);
        n.setUnderline(nom.souligne);
        p.setFont(n);
        p.setPen(noirEtBlanc_ ? QColor(Qt::black) : DepuisWindows(nom.couleur));
        QPoint position(nom.x, y);
        if (separees) {
            const TypeId* v = travail_.Variables().Variable(nom.variable);
            position = QPoint(3, projection_.WPY(v ? v->Decalage : 0) - 2 * mesures_.ch);
        }
        p.drawText(position + QPoint(0, fm.ascent()), nom.texte);
        x = nom.x + fm.horizontalAdvance(nom.texte);
    }
    // The separators between the names, in the text colour.
    p.setFont(police);
    p.setPen(DepuisRvb(cadre_.couleurTexte));
    if (!separees) {
        for (std::size_t i = 1; i < legende_.noms.size(); ++i) {
            const NomLegende& avant = legende_.noms[i - 1];
            const int fin = avant.x + fm.horizontalAdvance(avant.texte);
            p.drawText(QPoint(fin, y + fm.ascent()), QStringLiteral(","));
        }
        if (legende_.texte.endsWith(QStringLiteral(",...")))
            p.drawText(QPoint(x, y + fm.ascent()), QStringLiteral(",..."));
    }
}

void TFenCourbe::EcrireNomAbscisse(QPainter& p) {
    DonneesFenetre* f = Donnees();
    if (!f || f->FenetreImage()) return;
    texteAbscisse_ = TexteAbscisse(*f);
    if (texteAbscisse_.isEmpty()) return;
    p.setFont(PoliceLegende());
    const QFontMetrics fm(p.font());
    const int x = width() - fm.horizontalAdvance(texteAbscisse_) - 2 * mesures_.cw;
    const int y = height() - fm.height() - projection_.B() - 2;
    p.setPen(DepuisRvb(cadre_.couleurTexte));
    p.drawText(QPoint(x, y + fm.ascent()), texteAbscisse_);
    rectAbscisse_ = QRect(x, y, fm.horizontalAdvance(texteAbscisse_), fm.height());
}

ParametresTrace TFenCourbe::Parametres(const DonneesFenetre& f) const {
    const QSize ecran = TailleEcran(this);
    ParametresTrace parametres;
    parametres.projection = &projection_;
    parametres.fenetre = numero_;
    parametres.indicateur = IndicateurTrace(f, travail_.Moteur().degres);
    parametres.espacement = std::max(1, travail_.espacementMarqueurs);
    parametres.largeurEcran = ecran.width();
    parametres.hauteurEcran = ecran.height();
    return parametres;
}

void TFenCourbe::Tracer(QPainter& p, int variable, const QColor& couleur) {
    TableVariables& variables = travail_.Variables();
    TypeId* v = variables.Variable(variable);
    const DonneesFenetre* f = Donnees();
    if (!v || !f) return;
    if (v->AdaptationEchelle)
        AdapterEchelle(*v, variables, travail_.options & option::ArrondiFacteurs);
    const ParametresTrace parametres = Parametres(*f);
    p.setClipRect(ZoneTrace());
    {
        // The painter draws what it gathered when it goes.
        PeintreCourbes peintre(p, couleur, parametres.largeurEcran);
        TracerVariable(*v, variables, parametres, peintre);
    }
    p.setClipping(false);
}

void TFenCourbe::DessinerCourbes() {
    DonneesFenetre* f = Donnees();
    if (!f) return;
    ++courbes_;
    if (!cadreFait_ || image_.size() != size()) DessinerCadre();
    SelectionnerMonde();
    ComposerLegende();
    QPainter p(&image_);
    for (int v : CourbesAffichees(numero_, travail_.Variables())) {
        const TypeId* var = travail_.Variables().Variable(v);
        Tracer(p, v, noirEtBlanc_ ? QColor(Qt::black) : DepuisWindows(var->Couleur));
    }
    EcrireLegende(p);
    update();
}

void TFenCourbe::TracerCourbesIndiquees(const QList<int>& variables) {
    if (!cadreFait_) return DessinerCourbes();
    QPainter p(&image_);
    for (int v : variables)
        if (const TypeId* var = travail_.Variables().Variable(v))
            Tracer(p, v, noirEtBlanc_ ? QColor(Qt::black) : DepuisWindows(var->Couleur));
    update();
}

void TFenCourbe::EffacerCourbesIndiquees(const QList<int>& variables) {
    if (!cadreFait_) return;
    QPainter p(&image_);
    for (int v : variables)
        Tracer(p, v, CouleurFond());
    update();
}

void TFenCourbe::TracerPoints(int variable, int premier, int dernier) {
    const TypeId* v = travail_.Variables().Variable(variable);
    const DonneesFenetre* f = Donnees();
    if (!cadreFait_ || !v || !f) return;
    ParametresTrace parametres = Parametres(*f);
    parametres.premier = std::max(1, premier);
    parametres.dernier = std::max(parametres.premier, dernier);
    parametres.reduire = false;
    parametres.marquerBornes = false;
    QPainter p(&image_);
    p.setClipRect(ZoneTrace());
    {
        PeintreCourbes peintre(p, noirEtBlanc_ ? QColor(Qt::black) : DepuisWindows(v->Couleur),
                               parametres.largeurEcran);
        TracerVariable(*v, travail_.Variables(), parametres, peintre);
    }
    const auto pixel = [&](int i) {
        return QPoint(projection_.WPX(v->Abscisse(i, numero_)),
                      projection_.WPY(v->LirePoint(i) * v->Multiplicateur + v->Decalage));
    };
    const QRect zone = QRect(pixel(parametres.premier), pixel(parametres.dernier))
                           .normalized()
                           .adjusted(-4, -4, 4, 4);
    update(zone.intersected(rect()));
}

void TFenCourbe::EffacerSegment(int variable, QPointF a, QPointF b) {
    const TypeId* v = travail_.Variables().Variable(variable);
    if (!cadreFait_ || !v) return;
    const auto pixel = [&](QPointF m) {
        return QPoint(projection_.WPX(m.x()),
                      projection_.WPY(m.y() * v->Multiplicateur + v->Decalage));
    };
    const QPoint segment[] = {pixel(a), pixel(b)};
    QPainter p(&image_);
    p.setClipRect(ZoneTrace());
    {
        // Drawn again in the background colour by the same strokes, so no pixel is left.
        PeintreCourbes peintre(p, CouleurFond(), TailleEcran(this).width());
        switch (v->Style) {
        case 0:
        case 6:
        case 7:
        case 8:
        case 11:
        case 14:
            peintre.Polyligne(v->Style, segment);
            break;
        default:
            peintre.Marque(v->Style, segment[0]);
            peintre.Marque(v->Style, segment[1]);
        }
    }
    update(QRect(segment[0], segment[1]).normalized().adjusted(-4, -4, 4, 4).intersected(rect()));
}

void TFenCourbe::Effacer() {
    if (!cadreFait_) return;
    QPainter p(&image_);
    p.fillRect(ZoneTrace(), CouleurFond());
    update();
}

void TFenCourbe::DessinerGrille() {
    if (!cadreFait_) return;
    QPainter p(&image_);
    p.setPen(DepuisRvb(cadre_.couleurGrille));
    const Projection& m = projection_;
    for (std::uint16_t entree : cadre_.grille) {
        if (entree == 0) break;
        if (entree & 0x8000) {
            const int y = entree & 0x3FFF;
            LignePointillee(p, QLine(m.L(), y, m.W(), y), 6, 1);
        } else if (entree & 0x4000) {
            const int x = entree & 0x3FFF;
            LignePointillee(p, QLine(x, 0, x, m.H() - m.B()), 6, 1);
        }
    }
    update();
}

void TFenCourbe::DessinerCommentaires() {
    ++commentaires_;
    update();
}

void TFenCourbe::Redessiner() {
    DessinerCadre();
    DessinerCourbes();
}

// --- Events ---------------------------------------------------------------------------------

void TFenCourbe::paintEvent(QPaintEvent*) {
    if (!Donnees()) return;
    if (!cadreFait_ || image_.size() != size()) Redessiner();
    QPainter p(this);
    p.drawImage(0, 0, image_);
    if (outil_) outil_->Peindre(*this, p);
}

void TFenCourbe::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    cadreFait_ = false;
    if (outil_) TerminerOutil();
    update();
}

bool TFenCourbe::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* aide = static_cast<QHelpEvent*>(event);
        QString bulle;
        if (rectLegende_.contains(aide->pos())) {
            const QFontMetrics fm(PoliceLegende());
            const int v = VariableSousLaSouris(
                legende_.texte, aide->pos().x(), rectLegende_.left(), travail_.Variables(),
                [fm](const QString& t) { return fm.horizontalAdvance(t); });
            if (const TypeId* var = travail_.Variables().Variable(v)) bulle = BulleEchelle(*var);
        }
        if (bulle.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(aide->globalPos(), bulle, this);
        return true;
    }
    return QWidget::event(event);
}

bool TFenCourbe::ParOutil(const std::function<bool(OutilFenetre&)>& appel) {
    if (!outil_ || !appel(*outil_)) return false;
    // A tool that has done its work ends once its event has been handled.
    if (outil_ && outil_->Fini()) TerminerOutil();
    return true;
}

void TFenCourbe::FixerOutil(std::unique_ptr<OutilFenetre> outil) {
    TerminerOutil();
    outil_ = std::move(outil);
    setCursor(outil_ ? Qt::CrossCursor : Qt::ArrowCursor);
    update();
}

void TFenCourbe::TerminerOutil() {
    if (!outil_) return;
    std::unique_ptr<OutilFenetre> fin = std::move(outil_);
    fin->Terminer(*this);
    unsetCursor();
    update();
}

void TFenCourbe::Zoomer(const QRect& rectangle) {
    DonneesFenetre* f = Donnees();
    if (!f || f->pileLoupe.Pleine()) return;
    if (f->pileLoupe.Vide()) emit noterDisposition();
    bool premier = false;
    const int demande =
        echelles::AppliquerLoupe(*f, projection_, rectangle, travail_.Variables(), premier);
    if (demande) travail_.DemanderMiseAJour(static_cast<std::uint16_t>(demande));
    emit pilesChangees();
}

void TFenCourbe::mousePressEvent(QMouseEvent* event) {
    travail_.TableDesFenetres().sousLaSouris = numero_;
    if (ParOutil([&](OutilFenetre& o) { return o.Presser(*this, event); })) return;
    if (event->button() == Qt::RightButton) {
        emit menuDemande(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    const QPoint pos = event->position().toPoint();
    if (rectLegende_.contains(pos)) {
        const QFontMetrics fm(PoliceLegende());
        const int v =
            VariableSousLaSouris(legende_.texte, pos.x(), rectLegende_.left(), travail_.Variables(),
                                 [fm](const QString& t) { return fm.horizontalAdvance(t); });
        if (v > 0) {
            if (DonneesFenetre* f = Donnees()) f->courbeCourante = v;
            travail_.TableDesFenetres().variableCourante = v;
            ComposerLegende();
            QPainter p(&image_);
            EcrireLegende(p);
            update();
            emit courbeChoisie(v);
        }
        return;
    }
    // The first event of a drag on a graduation strip only records the anchor.
    if (pos.x() < projection_.L()) ancreY_ = pos.y();
    if (pos.y() > projection_.H() - projection_.B()) ancreX_ = pos.x();
}

void TFenCourbe::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || outil_) return;
    const DonneesFenetre* f = Donnees();
    if (!f || f->FenetreImage()) return;
    const QPoint pos = event->position().toPoint();
    if (rectLegende_.contains(pos)) {
        const QFontMetrics fm(PoliceLegende());
        const int v =
            VariableSousLaSouris(legende_.texte, pos.x(), rectLegende_.left(), travail_.Variables(),
                                 [fm](const QString& t) { return fm.horizontalAdvance(t); });
        emit parametresDemandes(ModeleParametres::PageCourbes, std::max(v, 0));
        return;
    }
    // The abscissa label of a processing library's window is its own.
    if (rectAbscisse_.contains(pos)) {
        if (!f->OkEtat(0x04 | 0x08))
            emit parametresDemandes(ModeleParametres::PageFenetres, numero_);
        return;
    }
    if (pos.x() < projection_.L() || pos.y() > projection_.H() - projection_.B())
        emit parametresDemandes(ModeleParametres::PageFenetres, numero_);
}

void TFenCourbe::mouseMoveEvent(QMouseEvent* event) {
    travail_.TableDesFenetres().sousLaSouris = numero_;
    if (ParOutil([&](OutilFenetre& o) { return o.Deplacer(*this, event); })) return;
    if (event->buttons() & Qt::LeftButton) Deplacer(event);
}

bool TFenCourbe::Deplacer(QMouseEvent* event) {
    DonneesFenetre* f = Donnees();
    if (!f || (ancreX_ < 0 && ancreY_ < 0)) return false;
    const QPoint pos = event->position().toPoint();
    const TableVariables& variables = travail_.Variables();
    bool change = false;
    if (ancreY_ >= 0 && echelles::DeplacerY(*f, projection_, ancreY_, pos.y(), variables)) {
        ancreY_ = pos.y();
        change = true;
    }
    if (ancreX_ >= 0 && echelles::DeplacerX(*f, projection_, ancreX_, pos.x(), variables)) {
        ancreX_ = pos.x();
        change = true;
    }
    if (change) {
        travail_.TableDesFenetres().ResoudreAxes(numero_, variables);
        Redessiner();
        repaint();
    }
    return change;
}

void TFenCourbe::mouseReleaseEvent(QMouseEvent* event) {
    if (ParOutil([&](OutilFenetre& o) { return o.Relacher(*this, event); })) return;
    ancreX_ = -1;
    ancreY_ = -1;
}

void TFenCourbe::keyPressEvent(QKeyEvent* event) {
    if (ParOutil([&](OutilFenetre& o) { return o.Touche(*this, event); })) return;
    if (event->key() == Qt::Key_Escape) {
        TerminerOutil();
        return;
    }
    const QString texte = event->text().toUpper();
    if (texte.size() == 1 && texte.front().isDigit()) {
        const int chiffre = texte.front().digitValue();
        int numero = chiffre;
        if (prefixeTouche_ == QLatin1Char('A'))
            numero = 8 + chiffre;
        else if (prefixeTouche_ == QLatin1Char('S'))
            numero = 13 + chiffre;
        else if (chiffre > 8)
            numero = 0;
        prefixeTouche_ = QChar();
        if (chiffre >= 1 && numero >= 1 && numero <= 16) emit fenetreDemandee(numero);
        return;
    }
    prefixeTouche_ = texte.size() == 1 ? texte.front() : QChar();
    QWidget::keyPressEvent(event);
}

} // namespace pelavorine
