#include "files/FichierTravail.h"

#include "Hote.h"
#include "Travail.h"
#include "files/EcrivainBinaire.h"
#include "files/EnregistrementVariable.h"
#include "files/LecteurBinaire.h"
#include "files/PlacementVariables.h"
#include "store/Genres.h"
#include "texte/CodageTexte.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <map>

namespace pelavorine {

namespace {

constexpr int kLongueurEnTeteEnregistrement = EnteteEnregistrement::Longueur;
// The field's size is a byte: length byte + at most 254 characters.
constexpr int kDescriptionMax = 254;

// Everything a file holds, checked whole before the work is touched.
struct ContenuLu {
    QString description;
    std::vector<VariableFichier> variables;
    std::map<int, QByteArray> points;    // file slot -> DTY array
    std::map<int, QByteArray> abscisses; // file slot -> DTX array
    EnregistrementsConserves conserves;
};

bool AvantVariables(std::uint8_t type) {
    // The desk and the windows come first: the desk sets the point count the data follows.
    return type <= 3 || type == 15;
}

bool EstVoieOuSortie(std::uint16_t g) {
    return (g & (genre::Acquise | genre::Entree)) == (genre::Acquise | genre::Entree) ||
           (g & genre::Sortie);
}

// The data some types write after their record data: short strings or a fixed block.
bool LireSuite(LecteurBinaire& e, const EnteteEnregistrement& entete, const QByteArray& donnees,
               const QByteArray& fichier, QByteArray& suite) {
    const qsizetype debut = e.Position();
    int lignes = 0;
    if (entete.type == enregistrement::Com)
        lignes = donnees.size() > 79 ? static_cast<std::uint8_t>(donnees[79]) : 0;
    else if (entete.type == enregistrement::Cal)
        lignes = entete.valeur;
    else if (entete.type == enregistrement::Not)
        e.Sauter(39);
    for (int i = 0; i < lignes && e.Ok(); ++i)
        e.Sauter(e.U8());
    if (!e.Ok()) return false;
    suite = fichier.mid(debut, e.Position() - debut);
    return true;
}

int LireEnTeteEtDescription(LecteurBinaire& e, QString& description) {
    const std::uint16_t magique = e.U16();
    if (!e.Ok() ||
        (magique != FichierTravail::Magique && magique != FichierTravail::MagiqueCompatible))
        return FichierTravail::ErreurFormat;
    const int longueur = e.U8();
    const QByteArray entete = e.Octets(longueur);
    if (!e.Ok() || longueur < FichierTravail::LongueurEnTete ||
        static_cast<std::uint8_t>(entete[22]) != kLongueurEnTeteEnregistrement)
        return FichierTravail::ErreurLecture;
    const int d = static_cast<std::uint8_t>(entete[24]);
    if (d > 0) {
        const QByteArray champ = e.Octets(d);
        if (!e.Ok()) return FichierTravail::ErreurLecture;
        const int n = std::min(static_cast<int>(static_cast<std::uint8_t>(champ[0])), d - 1);
        description = codage::Decoder(champ.mid(1, n), codage::Champ::Texte);
    }
    return 0;
}

int Analyser(const QByteArray& fichier, int parties, ContenuLu& lu) {
    LecteurBinaire e(fichier);
    if (const int code = LireEnTeteEtDescription(e, lu.description)) return code;
    while (!e.Fin()) {
        // Records follow one another exactly: anything else where a record should begin is
        // damage, reported rather than searched past.
        EnteteEnregistrement entete;
        if (!EnteteEnregistrement::Lire(e, entete)) return FichierTravail::ErreurLecture;
        if (entete.type == EnteteEnregistrement::Fin) break;
        const QByteArray donnees = e.Octets(entete.taille);
        QByteArray suite;
        if (!e.Ok() || !LireSuite(e, entete, donnees, fichier, suite))
            return FichierTravail::ErreurLecture;

        switch (entete.type) {
        case enregistrement::Var:
            if (parties & enregistrement::MasqueVar)
                lu.variables.push_back(
                    EnregistrementVariable::LireDescripteur(entete.index, donnees));
            break;
        case enregistrement::Dty:
        case enregistrement::Dtx: {
            if (!(parties & enregistrement::MasqueDonnees)) break;
            auto& tableaux = entete.type == enregistrement::Dty ? lu.points : lu.abscisses;
            if (!EnregistrementVariable::AjouterMorceau(tableaux[entete.index], entete.valeur,
                                                        donnees))
                return FichierTravail::ErreurLecture;
            break;
        }
        default:
            if (parties & entete.masque) lu.conserves.push_back({entete, donnees, suite});
        }
    }
    return 0;
}

QString NomOrphelin(const TableVariables& table, int& compteur) {
    QString nom;
    do
        nom = QStringLiteral("Var") + QString::number(compteur++);
    while (table.IndexVariable(nom) != 0);
    return nom;
}

void Appliquer(Travail& travail, int parties, ContenuLu& lu, EnregistrementsConserves& conserves) {
    travail.ReinitialiserTravail(
        0, ((parties & FichierTravail::Environnement) ? Travail::ToutReconstruire : 0) |
               Travail::Redessiner);
    TableVariables& table = travail.Variables();
    PlacementVariables placement(table, parties);
    const bool valeurs = parties & FichierTravail::ValeursNumeriques;
    for (VariableFichier& v : lu.variables)
        if (const int slot = placement.Placer(v))
            EnregistrementVariable::Appliquer(*table.Variable(slot), v, valeurs);

    int compteur = 1;
    for (const auto& [slotFichier, tableau] : lu.points) {
        int slot = placement.Case(slotFichier);
        if (slot == 0 || !table.Variable(slot)) {
            // Points without a descriptor become an acquired variable of NBPOINT points.
            const int n = std::max(table.NbPoint(), static_cast<int>(tableau.size() / 8) - 1);
            slot = table.CreerVariable(NomOrphelin(table, compteur), n, genre::Acquise);
            if (slot == 0) continue;
            table.Variable(slot)->NbPoints = table.NbPoint();
        }
        EnregistrementVariable::AppliquerPoints(*table.Variable(slot), tableau);
    }
    for (const auto& [slotFichier, tableau] : lu.abscisses)
        if (TypeId* v = table.Variable(placement.Case(slotFichier)))
            EnregistrementVariable::AppliquerAbscisse(*v, tableau);

    // The kept records of the parts not read stay; those read replace the others.
    EnregistrementsConserves nouveaux;
    for (const BlocEnregistrement& b : conserves)
        if (!(b.entete.masque & parties)) nouveaux.push_back(b);
    for (BlocEnregistrement& b : lu.conserves)
        nouveaux.push_back(std::move(b));
    conserves = std::move(nouveaux);
}

void EcrireBloc(EcrivainBinaire& s, const BlocEnregistrement& b) {
    EnteteEnregistrement e = b.entete;
    e.taille = static_cast<std::uint16_t>(b.donnees.size());
    e.Ecrire(s);
    s.Octets(b.donnees);
    s.Octets(b.suite);
}

QByteArray Description(const QString& description) {
    QString texte = description;
    texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QChar('\n'), QStringLiteral("\r\n"));
    const QString premiere = texte.section(QStringLiteral("\r\n"), 0, 0);
    bool vide = true;
    for (QChar c : premiere)
        if (c != ' ' && c != '\t') vide = false;
    return vide ? QByteArray() : codage::Encoder(texte.left(kDescriptionMax), codage::Champ::Texte);
}

} // namespace

QByteArray FichierTravail::Composer(const Travail& travail,
                                    const EnregistrementsConserves& conserves,
                                    const QString& description) {
    const QByteArray texte = Description(description);
    EcrivainBinaire s;
    s.U16(Magique);
    s.U8(LongueurEnTete);
    s.Chaine("PELAVORINE", 10);
    s.Chaine(Version, 4);
    s.Chaine("[xxx]", 5);
    s.U8(kLongueurEnTeteEnregistrement);
    s.U8(EnteteEnregistrement::Controle);
    s.U8(static_cast<std::uint8_t>(texte.isEmpty() ? 0 : texte.size() + 1));
    s.Zeros(4);
    if (!texte.isEmpty()) s.Chaine(texte, static_cast<int>(texte.size()));

    for (const BlocEnregistrement& b : conserves)
        if (AvantVariables(b.entete.type)) EcrireBloc(s, b);

    const TableVariables& table = travail.Variables();
    for (int slot = table.CaseTemps() + 1; slot <= table.DerniereCase(); ++slot) {
        const TypeId* v = table.Variable(slot);
        if (!v) continue;
        const bool garder = slot < table.PremiereCaseLibre()
                                ? EstVoieOuSortie(v->Genre)
                                : EnregistrementVariable::Conservee(*v);
        if (garder) EnregistrementVariable::Ecrire(s, *v, slot);
    }

    for (const BlocEnregistrement& b : conserves)
        if (!AvantVariables(b.entete.type)) EcrireBloc(s, b);
    return s.Donnees();
}

int FichierTravail::EcrireTravail(Travail& travail, const QString& nom,
                                  const EnregistrementsConserves& conserves,
                                  const QString& description) {
    const QByteArray octets = Composer(travail, conserves, description);
    // The previous file is replaced only by a complete new one.
    QSaveFile fichier(nom);
    int code = 0;
    if (!fichier.open(QIODevice::WriteOnly))
        code = ErreurCreation;
    else if (fichier.write(octets) != octets.size())
        code = ErreurDisquePlein;
    else if (!fichier.commit())
        code = fichier.error() == QFileDevice::WriteError ? ErreurDisquePlein : ErreurEcriture;
    if (code != 0) {
        fichier.cancelWriting();
        travail.hote().Erreur(MessageErreur(code));
    }
    return code;
}

int FichierTravail::LireTravail(Travail& travail, const QString& nom, int parties,
                                EnregistrementsConserves& conserves, QString* description) {
    QFile fichier(nom);
    int code = 0;
    ContenuLu lu;
    if (!fichier.exists() || !fichier.open(QIODevice::ReadOnly))
        code = ErreurFichierAbsent;
    else
        code = Analyser(fichier.readAll(), parties, lu);
    if (code != 0) {
        travail.hote().Erreur(MessageErreur(code));
        return code;
    }
    Appliquer(travail, parties, lu, conserves);
    if (description) *description = lu.description;
    return 0;
}

bool FichierTravail::LireEnTete(const QString& nom, QString& description) {
    if (!nom.endsWith(QStringLiteral(".PL2"), Qt::CaseInsensitive)) return false;
    QFile fichier(nom);
    if (!fichier.open(QIODevice::ReadOnly)) return false;
    const QByteArray debut = fichier.read(3 + 255 + 1 + 256);
    LecteurBinaire e(debut);
    QString lue;
    if (LireEnTeteEtDescription(e, lue) != 0) return false;
    description = lue;
    return true;
}

QString FichierTravail::MessageErreur(int code) {
    if (code == 0) return {};
    const char* contexte = "FichierTravail";
    if (code == ErreurFormat || code == -ErreurFormat)
        return QCoreApplication::translate(
            contexte, "Format de fichier non reconnu par cette version de Pelavorine");
    QString texte = code > 0 ? QCoreApplication::translate(contexte, "Erreur en lecture")
                             : QCoreApplication::translate(contexte, "Erreur en écriture");
    switch (code < 0 ? -code : code) {
    case 2:
        texte +=
            QCoreApplication::translate(contexte, ": Nom incorrect ou disque pas prêt ou protégé");
        break;
    case 3:
        texte += QCoreApplication::translate(contexte, ": Fichier absent ou nom incorrect");
        break;
    case 5:
        texte +=
            QCoreApplication::translate(contexte, ": Accès refusé (Lecteur non prêt ou protégé)");
        break;
    case 10:
        texte += QCoreApplication::translate(contexte, ": Disque plein");
        break;
    default:
        break;
    }
    return texte;
}

} // namespace pelavorine
