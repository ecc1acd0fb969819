#include "core/configuration/LectureConfiguration.h"

#include "core/configuration/Configuration.h"
#include "core/configuration/StockageConfiguration.h"
#include "core/configuration/Teintes.h"
#include "core/interface/CoucheInterface.h"
#include "core/store/Genres.h"
#include "core/store/Hote.h"
#include "core/travail/Travail.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <limits>

namespace pelavorine {

namespace {

const QString kSysteme = QStringLiteral("Systeme");
const QString kOptions = QStringLiteral("Options");
const QString kFichiers = QStringLiteral("Fichiers");
const QString kHistorique = QStringLiteral("Historique");

constexpr qint64 kMaxMot = 0xFFFF;
constexpr int kChiffresMax = 20;

QString Tr(const char* texte) {
    return QCoreApplication::translate("LectureConfiguration", texte);
}

// An integer value within [mini, maxi]; anything else leaves the current value.
template <typename T>
void LireDans(const StockageConfiguration& s, const QString& groupe, const QString& nom,
              qint64 mini, qint64 maxi, T& valeur) {
    if (const auto v = s.LireEntier(groupe, nom); v && *v >= mini && *v <= maxi)
        valeur = static_cast<T>(*v);
}

// A colour: a Windows colour value, which may be written signed (system colours) or not.
void LireCouleur(const StockageConfiguration& s, const QString& nom, std::int32_t& couleur) {
    if (const auto v = s.LireEntier(kOptions, nom);
        v && *v >= std::numeric_limits<std::int32_t>::min() &&
        *v <= std::numeric_limits<std::uint32_t>::max())
        couleur = static_cast<std::int32_t>(static_cast<std::uint32_t>(*v));
}

// Port addresses are written "$" and hexadecimal digits; plain decimal reads too.
void LireAdresse(const StockageConfiguration& s, const QString& groupe, const QString& nom,
                 int& adresse) {
    const auto texte = s.LireTexte(groupe, nom);
    if (!texte) return;
    const QString t = texte->trimmed();
    bool ok = false;
    const int v = t.startsWith(u'$') ? t.mid(1).toInt(&ok, 16) : QLocale::c().toInt(t, &ok);
    if (ok && v >= 0) adresse = v;
}

QString TexteAdresse(int adresse) {
    return u'$' + QString::number(static_cast<uint>(adresse), 16).toUpper().rightJustified(3, u'0');
}

} // namespace

LectureConfiguration::LectureConfiguration(Configuration& configuration, Travail& travail,
                                           StockageConfiguration& stockage)
    : config_(configuration), travail_(travail), stockage_(stockage) {}

LectureConfiguration::Resultat LectureConfiguration::LireConfiguration() {
    Resultat r;
    config_.VerifierDossiers();
    if (!stockage_.GroupeExiste(kSysteme)) {
        r.premierLancement = true;
        r.systemeAccepte = PremierLancement();
    }
    LireOptions();
    LireFichiers();
    // The file dialogs start in the work folder read, not in the one in force before.
    config_.dernierDossier = config_.dossierTravail;

    QString version = stockage_.LireTexte(kSysteme, QStringLiteral("Version")).value_or(QString());
    QString systeme =
        stockage_.LireTexte(kSysteme, QStringLiteral("Acquisition")).value_or(QString()).trimmed();
    systeme.truncate(Configuration::LongueurSysteme);
    if (systeme.isEmpty()) systeme = QString::fromLatin1(Configuration::SansSysteme);
    if (!config_.systemeLu) {
        config_.systeme = systeme;
        config_.systemeLu = true;
        LireReglagesSysteme();
        r.selectionnerSysteme = true;
    }

    if (version.isEmpty()) version = QString::fromLatin1(Version);
    if (version != QLatin1String(Version)) {
        stockage_.EcrireTexte(kSysteme, QStringLiteral("Chemin"), config_.dossierProgramme);
        stockage_.EcrireTexte(kSysteme, QStringLiteral("Version"), QString::fromLatin1(Version));
        EcrireReglagesSysteme();
        travail_.options |= option::IdentificationCapteurs;
        stockage_.EcrireEntier(kOptions, QStringLiteral("Configuration"),
                               travail_.options & ~option::NonMemorisees);
        stockage_.Synchroniser();
        AppliquerOptions();
        r.versionReecrite = true;
    }
    return r;
}

bool LectureConfiguration::PremierLancement() {
    QString question =
        config_.interfacePresente
            ? Tr("Le logiciel a détecté la présence du système : ") + config_.descriptionSysteme
            : Tr("Pelavorine n'a détecté aucun système d'acquisition");
    question += Tr("\n\rCe choix est-il valide ?");
    const bool oui = travail_.hote().Question(question, true);
    // The defaults are stored; reading them back applies the fall-back to the program folder.
    config_.dossierTravail = config_.TravailParDefaut();
    config_.dossierImages = config_.ImagesParDefaut();
    travail_.options = option::ParDefaut;
    EcrireConfiguration();
    return oui;
}

void LectureConfiguration::LireOptions() {
    const auto mot = stockage_.LireEntier(kOptions, QStringLiteral("Configuration"));
    if (mot && *mot >= 0 && *mot <= kMaxMot) travail_.options = static_cast<std::uint16_t>(*mot);
    travail_.options &= ~option::NonMemorisees;
    AppliquerOptions();

    const auto& s = stockage_;
    LireDans(s, kOptions, QStringLiteral("Graduations"), 0, kMaxMot, config_.graduations);
    LireCouleur(s, QStringLiteral("Fond"), config_.fond);
    LireDans(s, kOptions, QStringLiteral("Ecran"), std::numeric_limits<int>::min(),
             std::numeric_limits<int>::max(), config_.ecran);
    LireCouleur(s, QStringLiteral("Etat"), config_.etat);
    LireDans(s, kOptions, QStringLiteral("Dialogue"), 0, Teintes::Nombre - 1, config_.dialogue);
    if (const auto p = s.LireReel(kOptions, QStringLiteral("Precision"))) config_.precision = *p;
    LireDans(s, kOptions, QStringLiteral("NbChiffres"), 1, kChiffresMax, travail_.nombres.chiffres);
    LireDans(s, kOptions, QStringLiteral("Impression"), 0, kMaxMot, config_.impression);
}

void LectureConfiguration::LireFichiers() {
    if (stockage_.GroupeExiste(kFichiers)) {
        const auto travail = stockage_.LireTexte(kFichiers, QStringLiteral("Travail"));
        if (travail && !travail->trimmed().isEmpty()) config_.dossierTravail = travail->trimmed();
        const auto images = stockage_.LireTexte(kFichiers, QStringLiteral("Images"));
        if (images && !images->trimmed().isEmpty()) config_.dossierImages = images->trimmed();
        config_.dossierCapteurs.clear();

        // The user's sensor file: a ".cpt" file of that name in the user's data folder.
        const QString parDefaut = config_.CapteursUserParDefaut();
        const QString nom = QFileInfo(stockage_.LireTexte(kFichiers, QStringLiteral("CapteursUser"))
                                          .value_or(QString())
                                          .trimmed())
                                .fileName();
        const QString chemin = QFileInfo(parDefaut).dir().filePath(nom);
        const QFileInfo fichier(chemin);
        config_.fichierCapteursUser =
            !nom.isEmpty() && fichier.isFile() &&
                    fichier.suffix().compare(QLatin1String("cpt"), Qt::CaseInsensitive) == 0
                ? chemin
                : parDefaut;
    }
    config_.dossierTravail = config_.DossierUtilisable(config_.dossierTravail);
    config_.dossierImages = config_.DossierUtilisable(config_.dossierImages);
}

bool LectureConfiguration::DemarrerInterface() {
    CoucheInterface& couche = travail_.Interface();
    const QString stockee =
        stockage_.LireTexte(kSysteme, QStringLiteral("Acquisition")).value_or(QString());
    couche.Demarrer(stockee, [this](const QString& souche, CoucheInterface::ReglagesSysteme& r) {
        config_.systeme = souche;
        config_.adresse = r.adresse;
        config_.adresse2 = r.adresse2;
        config_.tempo = r.tempo;
        LireReglagesSysteme(); // keeps the values that are not stored
        r = {config_.adresse, config_.adresse2, config_.tempo};
    });
    config_.systeme = couche.SoucheConfiguree();
    config_.interfacePresente = !couche.SansSysteme();
    config_.descriptionSysteme = couche.NomSysteme();
    return config_.interfacePresente;
}

void LectureConfiguration::LireReglagesSysteme() {
    const QString& groupe = config_.systeme;
    if (groupe == QLatin1String(Configuration::SansSysteme)) return;
    LireAdresse(stockage_, groupe, QStringLiteral("Adresse"), config_.adresse);
    LireAdresse(stockage_, groupe, QStringLiteral("Adresse2"), config_.adresse2);
    LireDans(stockage_, groupe, QStringLiteral("Tempo"), std::numeric_limits<int>::min(),
             std::numeric_limits<int>::max(), config_.tempo);
}

void LectureConfiguration::EcrireReglagesSysteme() {
    const QString& groupe = config_.systeme;
    if (!config_.interfacePresente || groupe == QLatin1String(Configuration::SansSysteme)) return;
    stockage_.EcrireTexte(groupe, QStringLiteral("Adresse"), TexteAdresse(config_.adresse));
    stockage_.EcrireTexte(groupe, QStringLiteral("Adresse2"), TexteAdresse(config_.adresse2));
    stockage_.EcrireEntier(groupe, QStringLiteral("Tempo"), config_.tempo);
}

bool LectureConfiguration::EcrireConfiguration() {
    auto& s = stockage_;
    s.EcrireTexte(kSysteme, QStringLiteral("Logiciel"), QStringLiteral("PELAVORINE 2003"));
    s.EcrireTexte(kSysteme, QStringLiteral("Chemin"), config_.dossierProgramme);
    s.EcrireTexte(kSysteme, QStringLiteral("Version"), QString::fromLatin1(Version));
    s.EcrireTexte(kSysteme, QStringLiteral("Executable"), QStringLiteral("pelavorine"));
    s.EcrireTexte(kSysteme, QStringLiteral("Acquisition"),
                  config_.systeme.left(Configuration::LongueurSysteme));
    EcrireReglagesSysteme();

    s.EcrireEntier(kOptions, QStringLiteral("Configuration"),
                   travail_.options & ~option::NonMemorisees);
    s.EcrireEntier(kOptions, QStringLiteral("Graduations"), config_.graduations);
    s.EcrireEntier(kOptions, QStringLiteral("Fond"), config_.fond);
    s.EcrireEntier(kOptions, QStringLiteral("Ecran"), config_.ecran);
    s.EcrireEntier(kOptions, QStringLiteral("Etat"), config_.etat);
    s.EcrireEntier(kOptions, QStringLiteral("Dialogue"), config_.dialogue);
    s.EcrireReel(kOptions, QStringLiteral("Precision"), config_.precision);
    s.EcrireEntier(kOptions, QStringLiteral("NbChiffres"), travail_.nombres.chiffres);
    s.EcrireEntier(kOptions, QStringLiteral("Impression"), config_.impression);

    s.EcrireTexte(kFichiers, QStringLiteral("ConfigExterne"), config_.FichierModules());
    s.EcrireTexte(kFichiers, QStringLiteral("Travail"), config_.dossierTravail);
    s.EcrireTexte(kFichiers, QStringLiteral("Images"), config_.dossierImages);
    s.EcrireTexte(kFichiers, QStringLiteral("CapteursUser"),
                  QFileInfo(config_.fichierCapteursUser).fileName());

    EcrireHistorique();
    return s.Synchroniser();
}

void LectureConfiguration::AppliquerOptions() {
    travail_.AppliquerOptions();
    const std::uint16_t options = travail_.options;
    config_.identificationCapteurs = options & option::IdentificationCapteurs;
    // Any font with Greek glyphs serves, so the Greek letters only follow their option.
    config_.lettresGrecques = options & option::LettresGrecques;
    if (travail_.demarrage && (options & option::Historique) && !config_.historique)
        config_.historique = HistoriqueStocke();
}

QStringList LectureConfiguration::HistoriqueStocke() const {
    QStringList noms;
    for (int i = 0; i < Configuration::TailleHistorique; ++i) {
        const auto nom = stockage_.LireTexte(kHistorique, u'F' + QString::number(i));
        if (!nom || nom->isEmpty()) break;
        noms << *nom;
    }
    return noms;
}

void LectureConfiguration::LireHistorique() {
    if (travail_.options & option::Historique) config_.historique = HistoriqueStocke();
}

void LectureConfiguration::EcrireHistorique() {
    if (!config_.historique) return;
    stockage_.SupprimerGroupe(kHistorique);
    const QStringList& noms = *config_.historique;
    for (int i = 0; i < noms.size() && i < Configuration::TailleHistorique; ++i)
        stockage_.EcrireTexte(kHistorique, u'F' + QString::number(i), noms[i]);
}

} // namespace pelavorine
