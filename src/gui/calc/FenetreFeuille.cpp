#include "gui/calc/FenetreFeuille.h"

#include "core/calc/FeuilleCalcul.h"
#include "core/store/Hote.h"
#include "core/travail/Travail.h"
#include "gui/calc/DialogueRecherche.h"
#include "gui/calc/EditeurFeuille.h"
#include "gui/ui/SelecteurGrec.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QEvent>
#include <QFileInfo>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTabBar>
#include <QTextBlock>
#include <QVBoxLayout>

namespace pelavorine {

namespace {

// Extra empty lines of the results pane, so that it can always scroll as far as the
// editor, whose horizontal scroll bar makes its viewport shorter.
constexpr int kMargeResultats = 4;

} // namespace

FenetreFeuille::FenetreFeuille(Travail& travail, QWidget* parent)
    : QWidget(parent), travail_(travail), feuille_(travail.Feuille()),
      editeur_(new EditeurFeuille(this)), resultats_(new QPlainTextEdit(this)),
      ligneEtat_(new QLabel(this)), nbChiffres_(new QSpinBox(this)),
      ingenieur_(new QCheckBox(tr("Ingénieur"), this)), onglets_(new QTabBar(this)) {
    setWindowTitle(tr("FEUILLE DE CALCUL"));

    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(2, 2, 2, 2);
    auto* barre = new QMenuBar(this);
    disposition->setMenuBar(barre);

    auto* reglages = new QHBoxLayout;
    auto* etiquetteChiffres = new QLabel(tr("Nb chiffres"), this);
    etiquetteChiffres->setBuddy(nbChiffres_);
    nbChiffres_->setRange(1, 12);
    nbChiffres_->setAccessibleName(tr("Nb chiffres"));
    ingenieur_->setAccessibleName(tr("Ingénieur"));
    reglages->addWidget(etiquetteChiffres);
    reglages->addWidget(nbChiffres_);
    reglages->addWidget(ingenieur_);
    reglages->addStretch();
    disposition->addLayout(reglages);

    QFont fonte(QStringLiteral("DejaVu Sans Mono")); // has the Greek letters
    fonte.setStyleHint(QFont::TypeWriter);
    editeur_->setFont(fonte);
    editeur_->setAccessibleName(tr("Feuille de calcul"));
    resultats_->setFont(fonte);
    resultats_->setReadOnly(true);
    resultats_->setLineWrapMode(QPlainTextEdit::NoWrap);
    resultats_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    resultats_->setFocusPolicy(Qt::ClickFocus);
    resultats_->setAccessibleName(tr("Résultats"));

    auto* separation = new QSplitter(Qt::Horizontal, this);
    separation->addWidget(editeur_);
    separation->addWidget(resultats_);
    separation->setStretchFactor(0, 3);
    separation->setStretchFactor(1, 1);
    disposition->addWidget(separation, 1);

    ligneEtat_->setFrameShape(QFrame::Panel);
    ligneEtat_->setFrameShadow(QFrame::Sunken);
    ligneEtat_->setAccessibleName(tr("Ligne d'état"));
    disposition->addWidget(ligneEtat_);

    onglets_->setAccessibleName(tr("Onglets"));
    onglets_->setShape(QTabBar::RoundedSouth);
    onglets_->setExpanding(false);
    onglets_->addTab(tr("Calcul"));
    onglets_->addTab(tr("Tableur"));
    disposition->addWidget(onglets_);
    connect(onglets_, &QTabBar::currentChanged, this, [this](int index) {
        if (index <= 0) return;
        // This window stays the "Calcul" tab; the others only lead elsewhere.
        onglets_->setCurrentIndex(0);
        if (index == 1)
            emit tableurDemande();
        else
            emit fenetreDemandee(onglets_->tabText(index));
    });

    CreerMenus(barre);

    connect(editeur_->document(), &QTextDocument::contentsChanged, this,
            &FenetreFeuille::SynchroniserFeuille);
    connect(editeur_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &FenetreFeuille::AlignerResultats);
    connect(editeur_, &QPlainTextEdit::cursorPositionChanged, this,
            &FenetreFeuille::MettreAJourEtat);
    connect(editeur_, &QPlainTextEdit::selectionChanged, this, &FenetreFeuille::MettreAJourActions);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            &FenetreFeuille::MettreAJourActions);
    connect(nbChiffres_, &QSpinBox::valueChanged, this, [this](int n) {
        if (chargement_) return;
        const bool actif = feuille_.etat.fenetreActive;
        feuille_.etat.fenetreActive = true;
        feuille_.ChangerNbChiffres(n);
        feuille_.etat.fenetreActive = actif;
        ApresCalcul();
    });
    connect(ingenieur_, &QCheckBox::toggled, this, [this](bool oui) {
        if (chargement_) return;
        const bool actif = feuille_.etat.fenetreActive;
        feuille_.etat.fenetreActive = true;
        feuille_.ChangerIngenieur(oui);
        feuille_.etat.fenetreActive = actif;
        ApresCalcul();
    });

    Recharger();
}

FenetreFeuille::~FenetreFeuille() {
    feuille_.etat.fenetreActive = false;
}

bool FenetreFeuille::event(QEvent* event) {
    // In the desk the sub-window around this widget says whether it is the active window.
    if (event->type() == QEvent::ParentChange)
        if (auto* sousFenetre = qobject_cast<QMdiSubWindow*>(parentWidget()))
            connect(sousFenetre, &QMdiSubWindow::windowStateChanged, this,
                    &FenetreFeuille::EtatSousFenetre, Qt::UniqueConnection);
    return QWidget::event(event);
}

void FenetreFeuille::EtatSousFenetre(Qt::WindowStates, Qt::WindowStates nouvel) {
    feuille_.etat.fenetreActive = nouvel.testFlag(Qt::WindowActive);
}

QAction* FenetreFeuille::Action(const QString& nomObjet) const {
    return findChild<QAction*>(nomObjet);
}

// --- Menus ------------------------------------------------------------------------------

void FenetreFeuille::CreerMenus(QMenuBar* barre) {
    const auto action = [this](QMenu* menu, const QString& texte, const char* nom, auto&& effet) {
        QAction* a = menu->addAction(texte);
        a->setObjectName(QLatin1String(nom));
        connect(a, &QAction::triggered, this, effet);
        return a;
    };

    QMenu* fichier = barre->addMenu(tr("Fichier"));
    action(fichier, tr("&Enregistrer"), "enregistrer", [this] { emit enregistrerDemande(); });
    action(fichier, tr("En&registrer sous..."), "enregistrerSous",
           [this] { emit enregistrerSousDemande(); });
    action(fichier, tr("&Imprimer"), "imprimer", [this] { DemanderImpression(); });
    fichier->addSeparator();
    action(fichier, tr("&Quitter"), "quitter", [this] {
        if (auto* sousFenetre = qobject_cast<QMdiSubWindow*>(parentWidget()))
            sousFenetre->close();
        else
            close();
    });

    QMenu* editions = barre->addMenu(tr("Editions"));
    action(editions, tr("&Copier"), "copier", [this] { editeur_->copy(); });
    action(editions, tr("C&ouper"), "couper", [this] { editeur_->cut(); });
    action(editions, tr("Co&ller"), "coller", [this] { editeur_->paste(); });
    action(editions, tr("tout &Sélectionner"), "toutSelectionner",
           [this] { editeur_->selectAll(); });
    editions->addSeparator();
    action(editions, tr("S&upprimer ligne"), "supprimerLigne",
           [this] { SupprimerLigneCourante(); });
    action(editions, tr("&Tout supprimer"), "toutSupprimer", [this] { ToutSupprimerTexte(); });
    editions->addSeparator();
    action(editions, tr("Letrres grecques"), "lettresGrecques", [this] {
        // The program's picker, typing into the sheet like the keyboard (so the line length
        // rule applies).
        if (!selecteurGrec_) selecteurGrec_ = new SelecteurGrec(this);
        selecteurGrec_->Ouvrir(editeur_);
    });

    QAction* assistant = barre->addAction(tr("Assistant"));
    assistant->setObjectName(QStringLiteral("assistant"));
    assistant->setEnabled(false); // the function assistant is not available yet

    QMenu* chercher = barre->addMenu(tr("Chercher"));
    action(chercher, tr("Re&chercher"), "rechercher", [this] { DemanderRecherche(false); });
    action(chercher, tr("&Remplacer"), "remplacer", [this] { DemanderRecherche(true); });
    action(chercher, tr("C&ontinuer"), "continuer", [this] { Continuer(); });

    QMenu* calculer = barre->addMenu(tr("Calculer"));
    action(calculer, tr("&Exécuter"), "executer", [this] { Executer(); });
    action(calculer, tr("&Tout recalculer"), "toutRecalculer", [this] { ToutRecalculer(); });

    QAction* examiner = barre->addAction(tr("Examiner"));
    examiner->setObjectName(QStringLiteral("examiner"));
    examiner->setEnabled(false); // the variables table is not available yet

    QMenu* affichage = barre->addMenu(tr("Affichage"));
    action(affichage, tr("&Fonte "), "fonte", [this] { ChoisirFonte(); });
    action(affichage, tr("Fond de la &feuille"), "fondFeuille",
           [this] { ChoisirCouleur(editeur_); });
    action(affichage, tr("Fond des &résultats"), "fondResultats",
           [this] { ChoisirCouleur(resultats_); });
    action(affichage, tr("Bascule mosaîque/plein écran"), "bascule",
           [this] { BasculerMosaique(); });

    QAction* points = barre->addAction(tr("Points"));
    points->setObjectName(QStringLiteral("points"));
    connect(points, &QAction::triggered, this, &FenetreFeuille::DemanderPoints);

    QAction* aide = barre->addAction(tr("Aide"));
    aide->setObjectName(QStringLiteral("aide"));
    connect(aide, &QAction::triggered, this, &FenetreFeuille::aideDemandee);
}

void FenetreFeuille::MettreAJourActions() {
    const bool selection = editeur_->textCursor().hasSelection();
    const bool lignes = !feuille_.Lignes().isEmpty();
    const QClipboard* pressePapiers = QApplication::clipboard();
    Action(QStringLiteral("copier"))->setEnabled(selection);
    Action(QStringLiteral("couper"))->setEnabled(selection);
    Action(QStringLiteral("coller"))->setEnabled(!pressePapiers->text().isEmpty());
    Action(QStringLiteral("supprimerLigne"))->setEnabled(lignes);
    Action(QStringLiteral("toutSupprimer"))->setEnabled(lignes);
}

// --- Text and results -------------------------------------------------------------------

void FenetreFeuille::Recharger() {
    chargement_ = true;
    editeur_->setPlainText(feuille_.Lignes().join(QLatin1Char('\n')));
    nbChiffres_->setValue(feuille_.etat.nbChiffres);
    ingenieur_->setChecked(feuille_.etat.ingenieur);
    chargement_ = false;
    AfficherResultats();
    MettreAJourEtat();
    MettreAJourActions();
}

void FenetreFeuille::FixerFenetres(const QStringList& numeros) {
    const QSignalBlocker bloqueur(onglets_);
    while (onglets_->count() > 2)
        onglets_->removeTab(onglets_->count() - 1);
    for (const QString& numero : numeros)
        onglets_->addTab(numero);
    onglets_->setCurrentIndex(0);
}

void FenetreFeuille::RafraichirResultats() {
    AfficherResultats();
    MettreAJourEtat();
}

QStringList FenetreFeuille::LignesEditeur() const {
    const QString texte = editeur_->toPlainText();
    if (texte.isEmpty()) return {};
    return texte.split(QLatin1Char('\n'));
}

void FenetreFeuille::SynchroniserFeuille() {
    if (chargement_) return;
    const QStringList nouvelles = LignesEditeur();
    const QStringList anciennes = feuille_.Lignes();
    const int communes = static_cast<int>(std::min(nouvelles.size(), anciennes.size()));
    int premiere = 0;
    while (premiere < communes && nouvelles[premiere] == anciennes[premiere])
        ++premiere;
    if (premiere == communes && nouvelles.size() == anciennes.size()) return;

    // Each change tells the sheet which line was edited: the results from there down go.
    for (int i = premiere; i < communes; ++i)
        if (nouvelles[i] != anciennes[i]) feuille_.ModifierLigne(i, nouvelles[i]);
    for (int i = communes; i < nouvelles.size(); ++i)
        feuille_.InsererLigne(i, nouvelles[i]);
    while (feuille_.Lignes().size() > nouvelles.size())
        feuille_.SupprimerLigne(static_cast<int>(feuille_.Lignes().size()) - 1);
    travail_.modifie = true;
    AfficherResultats();
    MettreAJourEtat();
    MettreAJourActions();
}

void FenetreFeuille::AfficherResultats() {
    QStringList lignes = feuille_.Resultats();
    while (lignes.size() < editeur_->blockCount() + kMargeResultats)
        lignes.append(QString());
    resultats_->setPlainText(lignes.join(QLatin1Char('\n')));
    AlignerResultats();
}

void FenetreFeuille::AlignerResultats() {
    resultats_->verticalScrollBar()->setValue(editeur_->verticalScrollBar()->value());
}

void FenetreFeuille::MettreAJourEtat() {
    if (!feuille_.etat.message.isEmpty()) {
        ligneEtat_->setText(feuille_.etat.message);
        ligneEtat_->setStyleSheet(QStringLiteral("color: red;"));
        return;
    }
    ligneEtat_->setStyleSheet(QString());
    ligneEtat_->setText(tr(" Ligne ") + QString::number(editeur_->textCursor().blockNumber() + 1) +
                        QLatin1Char('/') + QString::number(feuille_.Lignes().size() + 1));
}

void FenetreFeuille::SelectionnerDansEditeur(int ligne, int colonne, int longueur) {
    const QTextBlock bloc = editeur_->document()->findBlockByNumber(ligne);
    if (!bloc.isValid()) return;
    const int fin = bloc.length() - 1; // without the block separator
    QTextCursor curseur(editeur_->document());
    curseur.setPosition(bloc.position() + std::clamp(colonne, 0, fin));
    curseur.setPosition(bloc.position() + std::clamp(colonne + longueur, 0, fin),
                        QTextCursor::KeepAnchor);
    editeur_->setTextCursor(curseur);
    editeur_->ensureCursorVisible();
}

// --- Runs -------------------------------------------------------------------------------

void FenetreFeuille::Executer() {
    Lancer(feuille_.etat.premiereLigne);
}

void FenetreFeuille::ToutRecalculer() {
    Lancer(0);
}

void FenetreFeuille::Lancer(int premiereLigne) {
    // The commands of this window run as the active window's: one pass, the faulty word
    // selected instead of a box.
    const bool actif = feuille_.etat.fenetreActive;
    feuille_.etat.fenetreActive = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    emit calculEnCours(true);
    feuille_.LancerFeuille(premiereLigne);
    emit calculEnCours(false);
    QApplication::restoreOverrideCursor();
    feuille_.etat.fenetreActive = actif;
    ApresCalcul();
}

void FenetreFeuille::ApresCalcul() {
    AfficherResultats();
    const SelectionErreur& s = feuille_.Selection();
    if (feuille_.etat.statut > 0 && s.ligne >= 0)
        SelectionnerDansEditeur(s.ligne, s.debut, s.longueur);
    editeur_->document()->setModified(false);
    AlignerResultats();
    MettreAJourEtat();
}

void FenetreFeuille::closeEvent(QCloseEvent* event) {
    if (feuille_.etat.modifie) {
        Lancer(feuille_.etat.premiereLigne);
        if (feuille_.etat.statut > 0) {
            travail_.hote().Erreur(tr(" Erreur dans la feuille de calcul"));
            event->ignore();
            return;
        }
    }
    event->accept();
}

// --- Search and replace -----------------------------------------------------------------

void FenetreFeuille::DemanderRecherche(bool remplacer) {
    DialogueRecherche dialogue(remplacer, recherche_.motif, recherche_.remplacement, this);
    if (dialogue.exec() != QDialog::Accepted) return;
    if (remplacer)
        Remplacer(dialogue.Motif(), dialogue.Remplacement());
    else
        Rechercher(dialogue.Motif());
}

void FenetreFeuille::Rechercher(const QString& motif) {
    recherche_.motif = motif;
    recherche_.remplacer = false;
    Continuer();
}

void FenetreFeuille::Remplacer(const QString& motif, const QString& remplacement) {
    recherche_.motif = motif;
    recherche_.remplacement = remplacement;
    recherche_.remplacer = true;
    Continuer();
}

void FenetreFeuille::Continuer() {
    if (recherche_.motif.isEmpty()) return;
    const QTextCursor curseur = editeur_->textCursor();
    // A search goes on after the current match; a replacement starts on the selection.
    const int position = recherche_.remplacer ? curseur.selectionStart() : curseur.selectionEnd();
    const QTextBlock bloc = editeur_->document()->findBlock(position);
    int ligne = bloc.blockNumber();
    int colonne = position - bloc.position();

    int trouvees = 0;
    for (;;) {
        const OccurrenceFeuille o = recherche_.Suivante(feuille_.Lignes(), ligne, colonne);
        if (!o.Trouvee()) break;
        ++trouvees;
        SelectionnerDansEditeur(o.ligne, o.colonne, o.longueur);
        if (!recherche_.remplacer) return;
        ligne = o.ligne;
        if (travail_.hote().Question(RechercheFeuille::TexteConfirmation())) {
            // Through the editor, so that the edit reaches the sheet and can be undone.
            editeur_->textCursor().insertText(recherche_.remplacement);
            colonne = o.colonne + static_cast<int>(recherche_.remplacement.size());
        } else {
            colonne = o.colonne + o.longueur;
        }
    }
    if (trouvees == 0) travail_.hote().Information(RechercheFeuille::TexteNonTrouve());
}

// --- Editing commands -------------------------------------------------------------------

void FenetreFeuille::SupprimerLigneCourante() {
    QTextCursor curseur = editeur_->textCursor();
    curseur.clearSelection();
    curseur.movePosition(QTextCursor::StartOfBlock);
    if (!curseur.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor)) {
        // Last line: its text goes with the line break before it.
        curseur.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        if (curseur.block().previous().isValid()) {
            const int fin = curseur.position();
            curseur.setPosition(curseur.block().previous().position() +
                                curseur.block().previous().length() - 1);
            curseur.setPosition(fin, QTextCursor::KeepAnchor);
        }
    }
    curseur.removeSelectedText();
    editeur_->setTextCursor(curseur);
}

void FenetreFeuille::ToutSupprimerTexte() {
    if (!travail_.hote().Question(tr("Supprimer tout le texte"))) return;
    QTextCursor curseur(editeur_->document());
    curseur.select(QTextCursor::Document);
    curseur.removeSelectedText();
}

// --- Display ----------------------------------------------------------------------------

void FenetreFeuille::ChoisirFonte() {
    bool choisie = false;
    const QFont fonte = QFontDialog::getFont(&choisie, editeur_->font(), this);
    if (!choisie) return;
    // The same font on both panes keeps their lines level.
    editeur_->setFont(fonte);
    resultats_->setFont(fonte);
    AlignerResultats();
}

void FenetreFeuille::ChoisirCouleur(QPlainTextEdit* panneau) {
    QPalette palette = panneau->palette();
    const QColor couleur = QColorDialog::getColor(palette.color(QPalette::Base), this);
    if (!couleur.isValid()) return;
    palette.setColor(QPalette::Base, couleur);
    panneau->setPalette(palette);
}

void FenetreFeuille::BasculerMosaique() {
    QWidget* cadre = parentWidget() ? parentWidget() : this;
    if (cadre->isMaximized())
        cadre->showNormal();
    else
        cadre->showMaximized();
}

// --- In the work file ------------------------------------------------------------------

void FenetreFeuille::NoterEtat(bool agrandie, bool mosaique) {
    QWidget* cadre = parentWidget() ? parentWidget() : this;
    EtatFenetreFeuille e = travail_.fenetreFeuille.value_or(EtatFenetreFeuille{});
    e.visible = !cadre->isHidden();
    if (cadre->isMaximized() || (!e.visible && agrandie))
        e.etat = EtatBureau::Maximise;
    else if (cadre->isMinimized())
        e.etat = EtatBureau::Minimise;
    else
        e.etat = EtatBureau::Normal;
    // Maximised or minimised, the window keeps the bounds it had when normal.
    if (e.etat == EtatBureau::Normal) {
        e.gauche = cadre->x();
        e.haut = cadre->y();
        e.largeur = cadre->width();
        e.hauteur = cadre->height();
    }
    e.mosaique = mosaique;
    travail_.fenetreFeuille = e;
}

void FenetreFeuille::AppliquerEtat(bool& agrandie, bool& mosaique) {
    if (!travail_.fenetreFeuille) return;
    auto* sousFenetre = qobject_cast<QMdiSubWindow*>(parentWidget());
    QWidget* cadre = sousFenetre ? static_cast<QWidget*>(sousFenetre) : this;
    QSize zone = cadre->parentWidget() ? cadre->parentWidget()->size() : QSize();
    if (zone.isEmpty()) zone = QSize(travail_.bureau.largeurClient, travail_.bureau.hauteurClient);
    const EtatFenetreFeuille::Placement p = travail_.fenetreFeuille->AuChargement(
        window()->isMaximized(), mosaique, zone.width(), zone.height());
    QMdiArea* desk = sousFenetre ? sousFenetre->mdiArea() : nullptr;
    QMdiSubWindow* active = desk ? desk->activeSubWindow() : nullptr;

    // Hidden, it is never left maximised: the desk's area would maximise the other windows.
    if (cadre->isMaximized() || cadre->isMinimized()) cadre->showNormal();
    cadre->hide();
    agrandie = p.agrandie;
    mosaique = p.mosaique;
    if (!p.agrandie) cadre->setGeometry(p.gauche, p.haut, p.largeur, p.hauteur);
    if (!p.montrer) return;
    cadre->show();
    if (active && active != sousFenetre && desk->activeSubWindow() == sousFenetre)
        desk->setActiveSubWindow(active);
}

void FenetreFeuille::DemanderPoints() {
    QString texte = QString::number(travail_.Variables().NbPoint());
    for (;;) {
        bool accepte = false;
        texte =
            QInputDialog::getText(this, FeuilleCalcul::TitrePoints(), FeuilleCalcul::InvitePoints(),
                                  QLineEdit::Normal, texte, &accepte);
        if (!accepte) return;
        const FeuilleCalcul::SaisiePoints saisie = FeuilleCalcul::ValiderNbPoints(texte);
        if (saisie.message.isEmpty()) {
            const bool actif = feuille_.etat.fenetreActive;
            feuille_.etat.fenetreActive = true;
            feuille_.ChangerNbPoints(saisie.valeur);
            feuille_.etat.fenetreActive = actif;
            ApresCalcul();
            return;
        }
        travail_.hote().Erreur(saisie.message);
    }
}

// --- Printing ---------------------------------------------------------------------------

void FenetreFeuille::DemanderImpression() {
    if (!travail_.hote().Question(tr("Imprimer la feuille de calcul ?"))) return;
    QPrinter imprimante(QPrinter::HighResolution);
    QPrintDialog dialogue(&imprimante, this);
    if (dialogue.exec() != QDialog::Accepted) return;
    Imprimer(imprimante);
}

bool FenetreFeuille::Imprimer(QPrinter& imprimante) {
    imprimante.setDocName(tr("PELAVORINE 5.11 - ") + QFileInfo(travail_.fichierCourant).fileName());
    const QString erreur = tr("Imprimante non disponible ou en erreur");
    QPainter peintre;
    if (!peintre.begin(&imprimante)) {
        travail_.hote().Erreur(erreur);
        return false;
    }
    const int largeur = peintre.device()->width();
    const int hauteur = peintre.device()->height();

    QFont fonteTitre(QStringLiteral("Times New Roman"), 16, QFont::Bold);
    fonteTitre.setUnderline(true);
    peintre.setFont(fonteTitre);
    int y = peintre.fontMetrics().ascent();
    peintre.drawText(0, y, tr("FEUILLE DE CALCUL"));
    y += 2 * peintre.fontMetrics().lineSpacing();

    QFont fonteTexte = editeur_->font();
    fonteTexte.setPointSize(12);
    peintre.setFont(fonteTexte);
    const QFontMetrics mesures = peintre.fontMetrics();
    const int interligne = mesures.lineSpacing();
    const QColor couleurResultat =
        imprimante.colorMode() == QPrinter::Color ? QColor(0, 0, 139) : QColor(Qt::black);

    const auto ligneSuivante = [&]() {
        y += interligne;
        if (y + mesures.descent() > hauteur) {
            if (!imprimante.newPage()) return false;
            y = mesures.ascent();
        }
        return true;
    };

    const QStringList& lignes = feuille_.Lignes();
    const QStringList& resultats = feuille_.Resultats();
    bool correct = true;
    for (int i = 0; i < lignes.size() && correct; ++i) {
        const QString resultat = i < resultats.size() ? resultats[i] : QString();
        // The text leaves room for its result at the right margin.
        const int place = std::max(
            largeur - mesures.horizontalAdvance(resultat + QStringLiteral("  ")), largeur / 2);
        QString rangee;
        for (const QString& mot : lignes[i].split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString essai = rangee.isEmpty() ? mot : rangee + QLatin1Char(' ') + mot;
            if (!rangee.isEmpty() && mesures.horizontalAdvance(essai) > place) {
                peintre.drawText(0, y, rangee);
                if (!(correct = ligneSuivante())) break;
                rangee = mot;
            } else {
                rangee = essai;
            }
        }
        if (!correct) break;
        peintre.drawText(0, y, rangee);
        if (!resultat.isEmpty()) {
            peintre.setPen(couleurResultat);
            peintre.drawText(largeur - mesures.horizontalAdvance(resultat), y, resultat);
            peintre.setPen(Qt::black);
        }
        correct = ligneSuivante();
    }
    peintre.end();
    if (!correct) {
        travail_.hote().Erreur(erreur);
        return false;
    }
    return true;
}

} // namespace pelavorine
