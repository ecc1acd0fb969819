#include "core/interface/CoucheInterface.h"

#include "core/store/Demandes.h"
#include "core/store/Genres.h"
#include "core/store/Hote.h"
#include "core/store/TableVariables.h"
#include "core/store/TypeSortie.h"
#include "core/store/TypeVoie.h"
#include "core/texte/CodageTexte.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QLocale>
#include <QThread>
#include <cmath>
#include <cstring>
#include <vector>

namespace pelavorine {

namespace {

constexpr int LongueurSouche = 40;
constexpr int LongueurSoucheConfiguree = 20;
// A library that never ends its port list is not asked beyond this.
constexpr int MaxPorts = 255;

QString Tr(const char* texte) {
    return QCoreApplication::translate("CoucheInterface", texte);
}

QString Texte(const char* texte) {
    return texte ? codage::DepuisWindows1252(QByteArray(texte)) : QString();
}

QString TexteCourt(const char* octets, int longueur, int maximum) {
    return codage::DepuisWindows1252(QByteArray(octets, std::clamp(longueur, 0, maximum)));
}

// The built-in answers of the no-system mode.
namespace aucun {

const TypeSysteme& Descripteur() {
    static const TypeSysteme d = [] {
        TypeSysteme s{};
        // "AUCUN SYSTÈME" in Windows-1252.
        const char nom[] = "AUCUN SYST\xC8ME";
        s.longueurNom = static_cast<std::uint8_t>(sizeof nom - 1);
        std::memcpy(s.nom, nom, sizeof nom - 1);
        s.premiereEntree = 0;
        s.derniereEntree = 7;
        s.premiereSortie = 1;
        s.derniereSortie = 0;
        std::memset(s.anneau, PELAVORINE_HORS_ANNEAU, sizeof s.anneau);
        return s;
    }();
    return d;
}

TypeSysteme* RenvoyerSysteme() {
    return const_cast<TypeSysteme*>(&Descripteur());
}
void Rien() {}
int32_t Vrai() {
    return 1;
}
int32_t Zero() {
    return 0;
}
const char* LireInfos(int32_t type, int32_t index, int32_t) {
    static const char* const entrees[] = {"EA0", "EA1", "EA2", "EA3", "EA4", "EA5", "EA6", "EA7"};
    const TypeSysteme& d = Descripteur();
    if (type == PELAVORINE_INFO_NOM_ENTREE && index >= d.premiereEntree &&
        index <= d.derniereEntree)
        return entrees[index];
    // An output is named by its number or by its scan slot.
    if (type == PELAVORINE_INFO_NOM_SORTIE && (index == 1 || index == PELAVORINE_CASE_SORTIE(1)))
        return "SA1";
    if (type == PELAVORINE_INFO_NOM_SORTIE && (index == 2 || index == PELAVORINE_CASE_SORTIE(2)))
        return "SA2";
    return "";
}
int32_t OkEtatSysteme(int32_t) {
    return 0;
}
void DeuxEntiers(int32_t, int32_t) {}
void UnEntier(int32_t) {}
void Limites(uint8_t, uint8_t, double* minimum, double* maximum) {
    if (minimum) *minimum = -10.0;
    if (maximum) *maximum = 10.0;
}
void DeuxOctets(uint8_t, uint8_t) {}
int32_t LireEntier(uint8_t, int32_t) {
    return 0;
}
double LireReel(uint8_t, int32_t) {
    return 0.0;
}
// ±10 V over signed 16-bit codes.
double BinVolt(int32_t brut, uint8_t) {
    return brut * 10.0 / 32768.0;
}
int32_t VoltBin(double volts, uint8_t) {
    return static_cast<int32_t>(std::clamp(std::lround(volts * 3276.8), -32768L, 32767L));
}
void EcrireReel(uint8_t, double) {}
uint8_t LirePort(uint8_t) {
    return 0;
}
int32_t LireSensPort(uint8_t) {
    return PELAVORINE_PORT_ABSENT;
}
int32_t ProgrammerSensPort(uint8_t, int32_t) {
    return 0;
}
void Declenchement(int32_t, double, int32_t) {}
void Preparer(int32_t, int32_t, double, const int8_t*, PelavorineProcedurePoint) {}
// Nothing is acquired without an interface: the run reports itself stopped, never done.
int32_t AcquerirTable(int16_t*, int32_t* points) {
    if (points) *points = 0;
    return PELAVORINE_ACQUISITION_INTERROMPUE;
}
void PreparerEmission(int32_t, int32_t, double, int32_t, int32_t) {}
int32_t EmettreSorties(int16_t*) {
    return 0;
}
int32_t Un(uint8_t) {
    return 1;
}
void EcrireEntier(uint8_t, int32_t) {}
int32_t LireBit(uint8_t, uint8_t) {
    return 0;
}
void EcrireBit(uint8_t, uint8_t, int32_t) {}

PointsEntree Points() {
    PointsEntree e;
    e.RenvoyerSysteme = RenvoyerSysteme;
    e.FermetureDLL = Rien;
    e.SystemePresent = Vrai;
    e.LireInfos = LireInfos;
    e.OkEtatSysteme = OkEtatSysteme;
    e.ProgrammerEtatSysteme = DeuxEntiers;
    e.LireTempo = Zero;
    e.EcrireTempo = UnEntier;
    e.LimitesCalibreEA = Limites;
    e.LimitesCalibreSA = Limites;
    e.EcrireCalibreEA = DeuxOctets;
    e.EcrireGain = DeuxOctets;
    e.LireEA_Entier = LireEntier;
    e.LireEA_Reel = LireReel;
    e.BinVoltEA = BinVolt;
    e.BinVoltSA = BinVolt;
    e.VoltBinEA = VoltBin;
    e.VoltBinSA = VoltBin;
    e.EcrireSA_Reel = EcrireReel;
    e.LirePort = LirePort;
    e.EcrirePort = DeuxOctets;
    e.LireSensPort = LireSensPort;
    e.ProgrammerSensPort = ProgrammerSensPort;
    e.ProgrammerTimer = DeuxEntiers;
    e.ValiderTimer = Rien;
    e.DevaliderTimer = Rien;
    e.LireTimer = Zero;
    e.ProgrammerDeclenchement = Declenchement;
    e.ProgrammerSortieVoieEnAcquis = DeuxEntiers;
    e.PreparerAcquisition = Preparer;
    e.AcquerirTable = AcquerirTable;
    e.PreparerEmission = PreparerEmission;
    e.EmettreSorties = EmettreSorties;
    e.LireDureeMinimale = nullptr;
    e.LireCalibreEA = Un;
    e.LireGain = Un;
    e.ProgrammerAccesRapide = UnEntier;
    e.LireCalibreSA = Un;
    e.EcrireCalibreSA = DeuxOctets;
    e.EcrireSA_Entier = EcrireEntier;
    e.LireBit = LireBit;
    e.EcrireBit = EcrireBit;
    e.Declencher = Rien;
    return e;
}

} // namespace aucun

template <typename F> void Resoudre(QLibrary& bibliotheque, const char* nom, F& f) {
    f = reinterpret_cast<F>(bibliotheque.resolve(nom));
}

#define PELAVORINE_POINTS_ENTREE(X)                                                                \
    X(RenvoyerSysteme)                                                                             \
    X(FermetureDLL)                                                                                \
    X(SystemePresent)                                                                              \
    X(LireInfos)                                                                                   \
    X(OkEtatSysteme)                                                                               \
    X(ProgrammerEtatSysteme)                                                                       \
    X(LireTempo)                                                                                   \
    X(EcrireTempo)                                                                                 \
    X(LimitesCalibreEA)                                                                            \
    X(LimitesCalibreSA)                                                                            \
    X(EcrireCalibreEA)                                                                             \
    X(EcrireGain)                                                                                  \
    X(LireEA_Entier)                                                                               \
    X(LireEA_Reel)                                                                                 \
    X(BinVoltEA)                                                                                   \
    X(BinVoltSA)                                                                                   \
    X(VoltBinEA)                                                                                   \
    X(VoltBinSA)                                                                                   \
    X(EcrireSA_Reel)                                                                               \
    X(LirePort)                                                                                    \
    X(EcrirePort)                                                                                  \
    X(LireSensPort)                                                                                \
    X(ProgrammerSensPort)                                                                          \
    X(ProgrammerTimer)                                                                             \
    X(ValiderTimer)                                                                                \
    X(DevaliderTimer)                                                                              \
    X(LireTimer)                                                                                   \
    X(ProgrammerDeclenchement)                                                                     \
    X(ProgrammerSortieVoieEnAcquis)                                                                \
    X(PreparerAcquisition)                                                                         \
    X(AcquerirTable)                                                                               \
    X(PreparerEmission)                                                                            \
    X(EmettreSorties)                                                                              \
    X(LireCalibreEA)                                                                               \
    X(LireGain)                                                                                    \
    X(ProgrammerAccesRapide)                                                                       \
    X(LireCalibreSA)                                                                               \
    X(EcrireCalibreSA)                                                                             \
    X(EcrireSA_Entier)                                                                             \
    X(LireBit)                                                                                     \
    X(EcrireBit)                                                                                   \
    X(Declencher)

PointsEntree Resoudre(QLibrary& b) {
    PointsEntree e;
#define PELAVORINE_RESOUDRE(nom) Resoudre(b, #nom, e.nom);
    PELAVORINE_POINTS_ENTREE(PELAVORINE_RESOUDRE)
#undef PELAVORINE_RESOUDRE
    Resoudre(b, "LireDureeMinimale", e.LireDureeMinimale); // optional
    return e;
}

// Every entry point but LireDureeMinimale is there.
bool Complet(const PointsEntree& e) {
    bool complet = true;
#define PELAVORINE_PRESENT(nom) complet = complet && e.nom != nullptr;
    PELAVORINE_POINTS_ENTREE(PELAVORINE_PRESENT)
#undef PELAVORINE_PRESENT
    return complet;
}

TypeVoie* VoieNumero(TableVariables& variables, int numero) {
    for (int slot = 1; slot <= variables.DerniereCase(); ++slot)
        if (auto* v = dynamic_cast<TypeVoie*>(variables.Variable(slot)); v && v->Numero == numero)
            return v;
    return nullptr;
}

} // namespace

CoucheInterface::CoucheInterface(Hote& hote) : hote_(hote) {
    chrono_.start();
    horloge_ = [this] { return chrono_.elapsed(); };
    pause_ = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
    souches_ << SoucheAucune;
    noms_ << NomAucun;
    chemins_ << QString();
    InstallerDefauts();
}

CoucheInterface::~CoucheInterface() {
    LibererBibliotheque();
}

QStringList CoucheInterface::DossiersParDefaut() {
    const QString variable = qEnvironmentVariable("PELAVORINE_INTERFACES");
    if (!variable.isEmpty()) return {QDir::cleanPath(variable)};
    QStringList dossiers;
    if (!QCoreApplication::instance()) return dossiers;
    const QString executable = QCoreApplication::applicationDirPath();
    dossiers << QDir::cleanPath(executable + QStringLiteral("/interfaces"))
             << QDir::cleanPath(executable + QStringLiteral("/../lib/pelavorine/interfaces"));
    return dossiers;
}

PointsEntree CoucheInterface::EntreesSansSysteme() {
    return aucun::Points();
}

void CoucheInterface::InstallerDefauts() {
    entrees_ = aucun::Points();
    aucun_ = aucun::Descripteur();
    systeme_ = &aucun_;
    premiereEntree_ = aucun_.premiereEntree;
    premiereSortie_ = aucun_.premiereSortie;
    derniereSortie_ = aucun_.derniereSortie;
    nbPorts_ = 0;
    tableDurees_ = {};
    increment_ = 0;
    dernierN_ = dernierM_ = dernierK_ = -1;
    dureeCourante_ = 0;
    mesurePrecedente_ = 0;
}

void CoucheInterface::LibererBibliotheque() {
    if (entrees_.FermetureDLL) entrees_.FermetureDLL();
    entrees_.FermetureDLL = nullptr;
    if (bibliotheque_) {
        bibliotheque_->unload();
        bibliotheque_.reset();
    }
}

void CoucheInterface::Decharger() {
    LibererBibliotheque();
    InstallerDefauts();
    index_ = 0;
}

void CoucheInterface::Lister(const QStringList& dossiers, const QString& souche) {
    // A library in use is closed first: listing loads and closes every library once.
    Decharger();
    dossiers_ = dossiers;
    souches_ = QStringList{SoucheAucune};
    noms_ = QStringList{NomAucun};
    chemins_ = QStringList{QString()};
    entreesDonnees_.clear();
    soucheConfiguree_ = souche.trimmed().left(LongueurSoucheConfiguree);
    if (soucheConfiguree_.isEmpty()) soucheConfiguree_ = SoucheAucune;

    for (const QString& dossier : dossiers) {
        const QFileInfoList fichiers =
            QDir(dossier).entryInfoList({QStringLiteral("*.so")}, QDir::Files, QDir::Name);
        for (const QFileInfo& fichier : fichiers) {
            const QString nomFichier = fichier.fileName();
            const QString soucheFichier = nomFichier.chopped(3).left(LongueurSouche);
            // An earlier folder's library of the same stem stands.
            if (soucheFichier.isEmpty() || souches_.contains(soucheFichier, Qt::CaseInsensitive))
                continue;
            QLibrary bibliotheque(fichier.absoluteFilePath());
            if (!bibliotheque.load()) {
                hote_.Erreur(Tr("La DLL système ") + nomFichier + Tr(" semble endommagée"));
                continue;
            }
            PointsEntree e;
            Resoudre(bibliotheque, "RenvoyerSysteme", e.RenvoyerSysteme);
            Resoudre(bibliotheque, "FermetureDLL", e.FermetureDLL);
            Resoudre(bibliotheque, "SystemePresent", e.SystemePresent);
            if (e.RenvoyerSysteme) {
                const TypeSysteme* d = e.RenvoyerSysteme();
                if (!d) {
                    hote_.Erreur(Tr("La DLL système ") + nomFichier + Tr(" semble endommagée"));
                } else {
                    noms_ << TexteCourt(d->nom, d->longueurNom, sizeof d->nom);
                    souches_ << soucheFichier;
                    chemins_ << fichier.absoluteFilePath();
                    if (soucheConfiguree_ == SoucheAucune && e.SystemePresent && e.SystemePresent())
                        soucheConfiguree_ = soucheFichier.left(LongueurSoucheConfiguree);
                }
            }
            if (e.FermetureDLL) e.FermetureDLL();
            bibliotheque.unload();
        }
    }
}

void CoucheInterface::Selectionner(const QString& souche) {
    soucheConfiguree_ = souche.trimmed().left(LongueurSoucheConfiguree);
    if (soucheConfiguree_.isEmpty()) soucheConfiguree_ = SoucheAucune;
    const QString cible = soucheConfiguree_.toUpper();
    index_ = 0;
    for (int i = 1; i < souches_.size(); ++i)
        if (cible.contains(souches_[i].toUpper())) index_ = i;
}

bool CoucheInterface::Charger(const LectureReglages& lireReglages) {
    const int index = index_;
    Decharger();
    if (index <= 0 || index >= souches_.size()) {
        Valider();
        return false;
    }

    PointsEntree e;
    std::unique_ptr<QLibrary> bibliotheque;
    QString chemin = chemins_[index];
    if (const auto donnees = entreesDonnees_.find(index); donnees != entreesDonnees_.end()) {
        e = donnees->second;
        chemin = souches_[index];
    } else {
        bibliotheque = std::make_unique<QLibrary>(chemin);
        if (!QFileInfo(chemin).isFile() || !bibliotheque->load()) {
            hote_.Erreur(Tr("Fichier ") + chemin + Tr(" introuvable"));
            Valider();
            return false;
        }
        e = Resoudre(*bibliotheque);
    }
    TypeSysteme* d = Complet(e) ? e.RenvoyerSysteme() : nullptr;
    if (!d) {
        if (e.FermetureDLL) e.FermetureDLL();
        if (bibliotheque) bibliotheque->unload();
        hote_.Erreur(Tr("Erreur du driver ") + chemin + u'\n' +
                     Tr("Pelavorine démarre en mode sans acquisition"));
        Valider();
        return false;
    }

    index_ = index;
    bibliotheque_ = std::move(bibliotheque);
    entrees_ = e;
    systeme_ = d;
    entrees_.SystemePresent();
    if (lireReglages) {
        ReglagesSysteme r{d->adresse, d->adresse2, entrees_.LireTempo()};
        const int tempo = r.tempo;
        lireReglages(soucheConfiguree_, r);
        d->adresse = r.adresse;
        d->adresse2 = r.adresse2;
        if (r.tempo != tempo) entrees_.EcrireTempo(r.tempo);
    }
    if (!Valider()) return false;
    ConstruireTableDurees();
    DureeMinimale(1, 0, 1);
    return true;
}

bool CoucheInterface::Demarrer(const QString& soucheStockee, const LectureReglages& lireReglages) {
    Lister(DossiersParDefaut(), soucheStockee);
    Selectionner(soucheConfiguree_);
    return Charger(lireReglages);
}

bool CoucheInterface::Utiliser(const PointsEntree& entrees, const QString& souche,
                               const LectureReglages& lireReglages) {
    Decharger();
    const TypeSysteme* d = entrees.RenvoyerSysteme ? entrees.RenvoyerSysteme() : nullptr;
    noms_ << (d ? TexteCourt(d->nom, d->longueurNom, sizeof d->nom) : souche);
    souches_ << souche;
    chemins_ << QString();
    entreesDonnees_[static_cast<int>(souches_.size()) - 1] = entrees;
    Selectionner(souche);
    return Charger(lireReglages);
}

bool CoucheInterface::Valider() {
    bool valide = true;
    if (!SansSysteme() && !entrees_.SystemePresent()) {
        Decharger();
        valide = false;
    }
    premiereEntree_ = systeme_->premiereEntree;
    premiereSortie_ = systeme_->premiereSortie;
    derniereSortie_ = systeme_->derniereSortie;
    nbPorts_ = 0;
    for (int port = 1; port <= MaxPorts; ++port) {
        const int sens = entrees_.LireSensPort(static_cast<std::uint8_t>(port));
        if (sens == PELAVORINE_PORT_ABSENT) break;
        if (sens != PELAVORINE_PORT_INUTILISABLE) ++nbPorts_;
    }
    return valide;
}

QString CoucheInterface::NomSysteme() const {
    return noms_.value(index_, NomAucun);
}

QString CoucheInterface::SoucheSysteme() const {
    return souches_.value(index_, SoucheAucune);
}

QString CoucheInterface::TexteSysteme() const {
    return TexteCourt(systeme_->texte, systeme_->longueurTexte, sizeof systeme_->texte);
}

DescriptionVoies CoucheInterface::Description() const {
    DescriptionVoies d;
    d.interfacePresente = !SansSysteme();
    d.premiereEntree = premiereEntree_;
    for (int e = premiereEntree_; e <= DerniereEntree(); ++e) {
        QString nom = Texte(entrees_.LireInfos(PELAVORINE_INFO_NOM_ENTREE, e, 0)).trimmed();
        if (nom.isEmpty()) nom = QStringLiteral("EA%1").arg(e);
        d.nomsEntrees << nom;
    }
    for (int s = premiereSortie_; s <= derniereSortie_; ++s) {
        QString nom = Texte(entrees_.LireInfos(PELAVORINE_INFO_NOM_SORTIE, s, 0)).trimmed();
        if (nom.isEmpty()) nom = QStringLiteral("SA%1").arg(s);
        d.nomsSorties << nom;
    }
    return d;
}

bool CoucheInterface::SansAttente() const {
    // The library says so itself: the layer knows nothing of how an interface is simulated,
    // and a library that does not know the bit answers 0 and keeps its pauses.
    return entrees_.OkEtatSysteme && entrees_.OkEtatSysteme(PELAVORINE_ETAT_HORS_TEMPS_REEL) != 0;
}

void CoucheInterface::Attendre(int ms) const {
    if (!SansAttente()) pause_(ms);
}

double CoucheInterface::DureeMinimale(int entrees, int sorties, int echantillons) {
    const bool directe = entrees < 0;
    int n = std::min({std::abs(entrees), std::max(NbEntrees(), 0), PELAVORINE_DERNIERE_ENTREE});
    int m = std::clamp(std::min(sorties, NbSorties()), 0, 2);
    const int k = std::max(echantillons, 1);
    if (SansSysteme() || n + m == 0) return 0.0;
    if (!directe && n == dernierN_ && m == dernierM_ && k == dernierK_) return dureeCourante_;
    dernierN_ = n;
    dernierM_ = m;
    dernierK_ = k;
    const double entree = tableDurees_[static_cast<std::size_t>(n)][static_cast<std::size_t>(m)];
    // That interface's period does not grow linearly with the channels: always asked.
    const bool pci = NomSysteme().trimmed().toUpper() == QLatin1String("TORVA-PCI");
    if (entree == 0.0 || directe || pci) {
        dureeCourante_ = DureeDirecte(n, m, k);
    } else {
        const double g = (n == 1 && m == 0 && k >= 2) ? 2.0 : 1.0;
        dureeCourante_ = std::round((k - 1) * increment_ * n) + g * entree;
    }
    return dureeCourante_;
}

double CoucheInterface::DureeDirecte(int entrees, int sorties, int echantillons) {
    if (entrees_.LireDureeMinimale)
        return entrees_.LireDureeMinimale(entrees, sorties, echantillons);
    return MesurerDuree(entrees, sorties, echantillons);
}

void CoucheInterface::ConstruireTableDurees() {
    if (SansSysteme() || !entrees_.SystemePresent()) return;
    tableDurees_ = {};
    dernierN_ = dernierM_ = dernierK_ = -1;
    dureeCourante_ = 0;
    for (int m = 0; m <= 2; ++m)
        for (int n = 0; n <= PELAVORINE_DERNIERE_ENTREE; ++n) {
            Attendre(20);
            tableDurees_[static_cast<std::size_t>(n)][static_cast<std::size_t>(m)] =
                DureeDirecte(n, m, 1);
        }
    Attendre(100);
    increment_ = (DureeDirecte(4, 1, 4) - tableDurees_[4][1]) * 1.1 / 4 / 3;
    if (!SansSortie()) RemettreSortiesAZero();
}

double CoucheInterface::MesurerDuree(int entrees, int sorties, int echantillons) {
    const int n = std::clamp(entrees, 0, std::max(NbEntrees(), 0));
    const int m = std::clamp(sorties, 0, NbSorties());
    const int k = echantillons <= 0 ? 1 : echantillons;
    if (n + m == 0 || !systeme_->procedureBloc) return 0.0;

    std::uint8_t anneau[PELAVORINE_TAILLE_ANNEAU];
    std::memcpy(anneau, systeme_->anneau, sizeof anneau);
    std::vector<int> cases;
    for (int i = 0; i < n; ++i)
        cases.push_back(premiereEntree_ + i);
    for (int i = 0; i < m; ++i)
        cases.push_back(PELAVORINE_CASE_SORTIE(premiereSortie_ + i));
    std::memset(systeme_->anneau, PELAVORINE_HORS_ANNEAU, sizeof systeme_->anneau);
    systeme_->anneau[0] = static_cast<std::uint8_t>(cases.front());
    for (std::size_t i = 0; i < cases.size(); ++i)
        systeme_->anneau[cases[i] + 1] = static_cast<std::uint8_t>(cases[(i + 1) % cases.size()]);

    entrees_.PreparerAcquisition(20, k, 0.0, nullptr, nullptr);
    std::vector<std::int16_t> tampon(static_cast<std::size_t>(1 + 30 * (n + m)));
    const std::uint8_t octet =
        m > 0 ? static_cast<std::uint8_t>((entrees_.VoltBinSA(0.0, 1) >> 8) & 0xFF) : 0;
    std::memset(tampon.data(), octet, tampon.size() * sizeof(std::int16_t));
    tampon[0] = static_cast<std::int16_t>(n + m);
    std::int16_t* tamponPrecedent = systeme_->tampon;
    systeme_->tampon = tampon.data();
    entrees_.DevaliderTimer();

    const qint64 debut = horloge_();
    qint64 ecoule = 0;
    long appels = 0;
    do {
        systeme_->appelProcedure = 1;
        systeme_->procedureBloc();
        ++appels;
        ecoule = horloge_() - debut;
    } while (ecoule < 20);
    const double parPoint =
        std::round(std::round(ecoule * 1000.0 / appels) / 20.0 * (1.0 + (k - 1) / 1000.0));

    systeme_->tampon = tamponPrecedent;
    std::memcpy(systeme_->anneau, anneau, sizeof anneau);

    // Measurements jitter: a small change keeps the previous answer.
    const double seuil = std::max(2.0, std::round(parPoint / 100.0));
    if (std::abs(parPoint - mesurePrecedente_) > seuil) mesurePrecedente_ = parPoint;
    return mesurePrecedente_;
}

void CoucheInterface::FixerCalibreEntree(TableVariables& variables, int entree, int calibre) {
    if (SansSysteme() || !VoieNumero(variables, entree)) return;
    const auto libelle = [this](int e, int sous) {
        return Texte(entrees_.LireInfos(PELAVORINE_INFO_CALIBRE_ENTREE, e, sous));
    };
    if (libelle(entree, PELAVORINE_INFO_CHOIX_CALIBRE) ==
        QLatin1String(PELAVORINE_TEXTE_SANS_CHOIX))
        return;
    calibre = std::clamp(calibre, 1, 255);
    const auto fixer = [&](int e) {
        if (TypeVoie* v = VoieNumero(variables, e))
            v->Calibre = static_cast<std::uint8_t>(libelle(e, calibre).isEmpty() ? 1 : calibre);
    };
    if (entrees_.OkEtatSysteme(PELAVORINE_ETAT_CALIBRE_COMMUN)) {
        for (int e = premiereEntree_; e <= DerniereEntree(); ++e)
            fixer(e);
    } else {
        fixer(entree);
    }
    variables.DemanderMiseAJour(demande::ToutesFenetres);
}

void CoucheInterface::EnvoyerReglages(const TableVariables& variables) {
    for (int slot = 1; slot <= variables.DerniereCase(); ++slot) {
        const auto* v = dynamic_cast<const TypeVoie*>(variables.Variable(slot));
        if (!v || v->Numero < premiereEntree_ || v->Numero > DerniereEntree()) continue;
        entrees_.EcrireCalibreEA(v->Numero, v->Calibre);
        entrees_.EcrireGain(v->Numero, v->Gain);
    }
}

void CoucheInterface::RemettreSortiesAZero() {
    if (SansSysteme()) return;
    for (int s = premiereSortie_; s <= derniereSortie_; ++s)
        entrees_.EcrireSA_Reel(static_cast<std::uint8_t>(s), 0.0);
}

int CoucheInterface::VoiesEnService(const TableVariables& variables) const {
    int n = 0;
    for (int slot = 1; slot <= variables.DerniereCase(); ++slot) {
        const TypeId* v = variables.Variable(slot);
        if (const auto* e = dynamic_cast<const TypeVoie*>(v))
            n += e->Etat != TypeVoie::Inactif && e->Numero >= premiereEntree_ &&
                 e->Numero <= DerniereEntree();
        else if (const auto* s = dynamic_cast<const TypeSortie*>(v))
            n += s->ModeEmission == 1 && s->Numero >= premiereSortie_ &&
                 s->Numero <= derniereSortie_;
    }
    return n;
}

QString CoucheInterface::TexteLigneSysteme(int voiesEnService,
                                           const std::function<bool(const QString&)>& tient) const {
    return LigneSysteme(NomSysteme(), voiesEnService, dureeCourante_, !SansSysteme(),
                        TexteSysteme(), tient);
}

QString CoucheInterface::LigneSysteme(const QString& systeme, int nbEntreesSorties,
                                      double intervalleMinimal, bool systemeChoisi,
                                      const QString& identification,
                                      const std::function<bool(const QString&)>& tient) {
    QString ligne = QStringLiteral(" ") + systeme;
    if (intervalleMinimal > 0 && nbEntreesSorties > 0)
        ligne += QStringLiteral(" [") + QString::number(nbEntreesSorties) +
                 QCoreApplication::translate("CoucheInterface", " E/S ") + QStringLiteral(": ") +
                 QLocale::c().toString(intervalleMinimal, 'g', 6) + QStringLiteral("µs]");
    if (systemeChoisi && !identification.isEmpty()) {
        const QString complete =
            ligne + QStringLiteral(" - ") + identification.left(LongueurIdentification);
        if (!tient || tient(complete)) ligne = complete;
    }
    return ligne;
}

int CoucheInterface::LireSensPort(int port) {
    return entrees_.LireSensPort(static_cast<std::uint8_t>(port));
}

bool CoucheInterface::ProgrammerSensPort(int port, int sens) {
    return entrees_.ProgrammerSensPort(static_cast<std::uint8_t>(port), sens) != 0;
}

int CoucheInterface::LirePort(int port) {
    return entrees_.LirePort(static_cast<std::uint8_t>(port));
}

void CoucheInterface::EcrirePort(int port, int valeur) {
    entrees_.EcrirePort(static_cast<std::uint8_t>(port), static_cast<std::uint8_t>(valeur & 0xFF));
}

} // namespace pelavorine
