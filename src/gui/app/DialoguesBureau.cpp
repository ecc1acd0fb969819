#include "gui/app/DialoguesBureau.h"

#include "core/configuration/Configuration.h"
#include "core/files/ChoixDialoguesFichier.h"
#include "core/files/FichierTravail.h"
#include "core/store/Demandes.h"
#include "core/store/Genres.h"
#include "core/store/Hote.h"
#include "core/travail/Travail.h"
#include "gui/app/Aide.h"
#include "gui/app/DialogueExportTexte.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace pelavorine {

namespace {

const char* const kPageOuvrir = "\\Fichiers\\FichierOuvrir.htm";
const char* const kPageEnregistrer = "\\Fichiers\\FichierEnregistrer.htm";

void TitreBleu(QWidget* w, int taille = 0) {
    QFont police = w->font();
    police.setBold(true);
    if (taille > 0) police.setPointSize(taille);
    w->setFont(police);
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    w->setPalette(p);
}

QCheckBox* Case(const QString& texte, QWidget* parent) {
    auto* c = new QCheckBox(texte, parent);
    c->setAccessibleName(texte.trimmed());
    return c;
}

} // namespace

DialogueFichier::DialogueFichier(QWidget* parent, bool ouvrir, const QString& dossier,
                                 const QString& nom, int type, const QString& description,
                                 std::uint16_t options)
    : QFileDialog(parent), ouvrir_(ouvrir) {
    setOption(QFileDialog::DontUseNativeDialog, true);
    setOption(QFileDialog::HideNameFilterDetails, true);
    setAcceptMode(ouvrir ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    setFileMode(ouvrir ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The titles of the system's own open and save dialogs.
    setWindowTitle(ouvrir ? tr("Ouvrir") : tr("Enregistrer sous"));
    setDefaultSuffix(QStringLiteral("PL2"));
    const QStringList filtres = choixfichier::Filtres(ouvrir);
    setNameFilters(filtres);
    if (type >= 0 && type < filtres.size()) selectNameFilter(filtres[type]);
    if (!dossier.isEmpty() && QFileInfo(dossier).isDir()) setDirectory(dossier);
    if (!nom.isEmpty()) selectFile(nom);

    panneau_ = new QFrame(this);
    panneau_->setObjectName(QStringLiteral("OptPanel"));
    panneau_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panneau_->setLineWidth(2);
    panneau_->setAutoFillBackground(true);
    QPalette fond = panneau_->palette();
    fond.setColor(QPalette::Window, QColor(224, 224, 224));
    panneau_->setPalette(fond);

    auto* label = new QLabel(tr("Description facultative"), panneau_);
    TitreBleu(label);
    aide_ = new QPushButton(tr("Aide"), panneau_);
    aide_->setAccessibleName(tr("Aide"));
    aide_->setAutoDefault(false);
    const QString page = QLatin1String(ouvrir ? kPageOuvrir : kPageEnregistrer);
    connect(aide_, &QPushButton::clicked, this, [page] { Aide::Ouvrir(page); });

    description_ = new QPlainTextEdit(panneau_);
    description_->setAccessibleName(tr("Description facultative"));
    description_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    description_->setReadOnly(ouvrir);
    description_->setPlainText(ouvrir ? QString() : choixfichier::DescriptionLimitee(description));
    const int u = fontMetrics().height() / 2;
    description_->setFixedHeight(8 * u + 2 * description_->frameWidth());
    connect(description_, &QPlainTextEdit::textChanged, this, &DialogueFichier::LimiterDescription);
    description_->installEventFilter(this);

    auto* haut = new QHBoxLayout;
    haut->addWidget(label);
    haut->addStretch();
    haut->addWidget(aide_);
    auto* colonne = new QVBoxLayout(panneau_);
    colonne->addLayout(haut);
    colonne->addWidget(description_);

    auto* groupe = new QGroupBox(
        ouvrir ? tr("Parties à lire") : tr("Options pour la relecture du fichier"), panneau_);
    TitreBleu(groupe, 11);
    auto* grille = new QGridLayout(groupe);
    if (ouvrir) {
        valeurs_ = Case(tr(" Valeurs numériques"), groupe);
        calculs_ = Case(tr(" Lignes de calcul"), groupe);
        environnement_ = Case(tr(" Environnement"), groupe);
        notes_ = Case(tr(" Feuille de notes"), groupe);
        for (QCheckBox* c : {valeurs_, calculs_, environnement_, notes_})
            c->setChecked(true);
        grille->addWidget(valeurs_, 0, 0);
        grille->addWidget(calculs_, 1, 0);
        grille->addWidget(environnement_, 0, 1);
        grille->addWidget(notes_, 1, 1);
    } else {
        sansCalcul_ = Case(tr(" Ne pas lancer les calculs après lecture du fichier"), groupe);
        afficherNotes_ = Case(tr(" Afficher initialement la feuille de notes"), groupe);
        sansCalcul_->setChecked(options & option::SansCalculApresLecture);
        afficherNotes_->setChecked(options & option::NotesApresLecture);
        grille->addWidget(sansCalcul_, 0, 0);
        grille->addWidget(afficherNotes_, 1, 0);
    }
    colonne->addWidget(groupe);

    if (auto* disposition = qobject_cast<QGridLayout*>(layout()))
        disposition->addWidget(panneau_, disposition->rowCount(), 0, 1, disposition->columnCount());

    connect(this, &QFileDialog::currentChanged, this, &DialogueFichier::Apercu);
    connect(this, &QFileDialog::filterSelected, description_, &QPlainTextEdit::clear);
}

int DialogueFichier::TypeChoisi() const {
    // The dialog answers with the label alone, since the patterns are hidden.
    const QString choisi = selectedNameFilter();
    const std::vector<TypeFichier> types = choixfichier::Types(ouvrir_);
    const QStringList filtres = nameFilters();
    for (qsizetype i = 0; i < filtres.size(); ++i)
        if (filtres[i] == choisi ||
            (static_cast<std::size_t>(i) < types.size() && types[i].libelle == choisi))
            return static_cast<int>(i);
    return -1;
}

int DialogueFichier::Parties() const {
    if (!ouvrir_) return 0;
    return choixfichier::Parties(valeurs_->isChecked(), calculs_->isChecked(),
                                 environnement_->isChecked(), notes_->isChecked());
}

std::uint16_t DialogueFichier::Options(std::uint16_t options) const {
    if (ouvrir_) return options;
    return choixfichier::OptionsEnregistrement(options, sansCalcul_->isChecked(),
                                               afficherNotes_->isChecked());
}

QString DialogueFichier::Description() const {
    return description_->toPlainText();
}

void DialogueFichier::Apercu(const QString& chemin) {
    // Only an existing work file offers its description; any failure leaves the field.
    QString lue;
    if (QFileInfo(chemin).isFile() && FichierTravail::LireEnTete(chemin, lue))
        description_->setPlainText(choixfichier::DescriptionLimitee(lue));
}

bool DialogueFichier::eventFilter(QObject* objet, QEvent* event) {
    // Enter in the description is a new line, never the dialog's confirmation, even when the
    // field is read-only (it then does nothing).
    if (objet == description_ && event->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(event)->key();
        if ((touche == Qt::Key_Return || touche == Qt::Key_Enter) && description_->isReadOnly())
            return true;
    }
    return QFileDialog::eventFilter(objet, event);
}

void DialogueFichier::LimiterDescription() {
    const QString texte = description_->toPlainText();
    if (texte.size() <= choixfichier::LongueurDescription) return;
    description_->setPlainText(choixfichier::DescriptionLimitee(texte));
    description_->moveCursor(QTextCursor::End);
}

DialoguesBureau::DialoguesBureau(QWidget* parent, Travail& travail, Configuration& configuration)
    : QObject(parent), parent_(parent), travail_(travail), configuration_(configuration) {}

DialoguesBureau::Reponse DialoguesBureau::DemanderNomFichier(bool ouvrir, const QString& nom,
                                                             const QString& description) {
    Reponse reponse;
    const int type = ouvrir ? type_ : (type_ < choixfichier::NbTypesEnregistrement ? type_ : 0);
    DialogueFichier dialogue(parent_, ouvrir, configuration_.dernierDossier,
                             choixfichier::NomPropose(nom), type, description, travail_.options);
    const bool confirme = dialogue.exec() == QDialog::Accepted;
    travail_.DemanderMiseAJour(demande::ToutesFenetres | demande::Cadre | demande::Courbes);
    if (!confirme || dialogue.selectedFiles().isEmpty()) return reponse;

    const choixfichier::NomConstruit construit = choixfichier::ConstruireNom(
        dialogue.selectedFiles().front(), dialogue.directory().absolutePath());
    type_ = std::max(0, dialogue.TypeChoisi());
    travail_.fichierCompatible = type_ == choixfichier::TypeCompatible;
    int code = construit.code;
    if (code == 0 && ouvrir && !QFileInfo(construit.nom).isFile())
        code = FichierTravail::ErreurFichierAbsent;
    if (code != 0) {
        travail_.hote().Erreur(FichierTravail::MessageErreur(ouvrir ? code : -code));
        return reponse;
    }
    if (ouvrir) {
        reponse.parties = dialogue.Parties();
        if (reponse.parties == 0) return reponse;
    } else {
        travail_.options = dialogue.Options(travail_.options);
        reponse.description = choixfichier::DescriptionLimitee(dialogue.Description());
    }
    reponse.nom = construit.nom;
    return reponse;
}

ChoixOuverture DialoguesBureau::DemanderOuverture() {
    const Reponse r = DemanderNomFichier(true, travail_.fichierCourant, QString());
    ChoixOuverture choix;
    choix.nom = r.nom;
    choix.parties = r.parties;
    return choix;
}

ChoixEnregistrement DialoguesBureau::DemanderEnregistrement(const QString& nomPropose,
                                                            const QString& description) {
    const Reponse r = DemanderNomFichier(false, nomPropose, description);
    ChoixEnregistrement choix;
    choix.nom = r.nom;
    choix.description = r.description;
    choix.compatible = travail_.fichierCompatible;
    return choix;
}

bool DialoguesBureau::ReglerExportTexte(ReglagesExportTexte& reglages) {
    DialogueExportTexte dialogue(parent_, travail_, reglages);
    return dialogue.exec() == QDialog::Accepted;
}

void DialoguesBureau::FichierUtilise(const QString& nom) {
    const QFileInfo fichier(nom);
    configuration_.dernierDossier = fichier.absolutePath();
    // The next dialog starts on the type of this file.
    const int type = choixfichier::TypePourExtension(QLatin1Char('.') + fichier.suffix());
    if (type >= 0) type_ = type;
    if (configuration_.historique) {
        choixfichier::AjouterHistorique(*configuration_.historique, fichier.absoluteFilePath(),
                                        Configuration::TailleHistorique);
        emit historiqueChange();
    }
}

} // namespace pelavorine
