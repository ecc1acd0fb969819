#include "core/files/FichierTravail.h"

#include "core/calc/FeuilleCalcul.h"
#include "core/calc/MoteurCalcul.h"
#include "core/files/ContexteFichier.h"
#include "core/files/EnregistrementBureau.h"
#include "core/files/EnregistrementFenetreFeuille.h"
#include "core/files/EnregistrementFeuille.h"
#include "core/files/EnregistrementVariable.h"
#include "core/files/EnregistrementsAcquisition.h"
#include "core/files/EnregistrementsFenetre.h"
#include "core/files/PlacementVariables.h"
#include "core/format/EcrivainBinaire.h"
#include "core/format/LecteurBinaire.h"
#include "core/store/Demandes.h"
#include "core/store/Genres.h"
#include "core/store/Hote.h"
#include "core/store/TypeSortie.h"
#include "core/store/TypeVoie.h"
#include "core/texte/CodageTexte.h"
#include "core/travail/Travail.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <array>
#include <map>

namespace pelavorine {

namespace {

constexpr int kLongueurEnTeteEnregistrement = EnteteEnregistrement::Longueur;
// The field's size is a byte: length byte + at most 254 characters.
constexpr int kDescriptionMax = 254;
// The older form numbers its variables up to this slot.
constexpr int kDerniereCaseCompatible = 120;

// Parts each record type belongs to, by type number (end marker: none).
constexpr std::array<std::uint8_t, 28> kMasques = {2, 2, 2, 2, 2, 3, 3, 7, 1, 1, 4, 2, 2, 4,
                                                   4, 2, 2, 8, 2, 2, 2, 2, 2, 2, 2, 4, 2, 0};

namespace type {
constexpr std::uint8_t Bur = EnregistrementBureau::Type;
constexpr std::uint8_t Fen = EnregistrementsFenetre::TypeFenetre;
constexpr std::uint8_t Com = EnregistrementsFenetre::TypeCommentaire;
constexpr std::uint8_t Fle = EnregistrementsFenetre::TypeFleche;
constexpr std::uint8_t Acq = EnregistrementsAcquisition::TypeParametres;
constexpr std::uint8_t Ean = EnregistrementsAcquisition::TypeEntree;
constexpr std::uint8_t San = EnregistrementsAcquisition::TypeSortie;
constexpr std::uint8_t Cal = EnregistrementFeuille::Type;
constexpr std::uint8_t Mod = 13;
constexpr std::uint8_t Ima = 15;
constexpr std::uint8_t Poi = 16;
constexpr std::uint8_t Log = 18;
constexpr std::uint8_t Fca = EnregistrementFenetreFeuille::Type;
} // namespace type

// The kept records, in the order of the writing steps after the sheet, the sheet window's
// record coming after LOG; DLL and DLB share a step (each library slot writes both).
constexpr std::array<std::array<std::uint8_t, 2>, 12> kEtapesConservees = {{
    {13, 13},
    {11, 11},
    {12, 12},
    {14, 14},
    {17, 17},
    {18, 18},
    {19, 19},
    {21, 21},
    {22, 23},
    {24, 24},
    {25, 25},
    {26, 26},
}};

// Everything a file holds, checked whole before the work is touched.
struct ContenuLu {
    QString description;
    QByteArray version;
    bool compatible = false;
    std::vector<VariableFichier> variables;
    std::map<int, QByteArray> points;                // file slot -> DTY array
    std::map<int, QByteArray> abscisses;             // file slot -> DTX array
    std::vector<BlocEnregistrement> enregistrements; // the other records read, in file order
};

bool EstEntree(const TypeId& v) {
    return dynamic_cast<const TypeVoie*>(&v) != nullptr;
}

int LireEnTeteEtDescription(LecteurBinaire& e, QString& description, QByteArray* version = nullptr,
                            bool* compatible = nullptr) {
    const std::uint16_t magique = e.U16();
    if (!e.Ok() ||
        (magique != FichierTravail::Magique && magique != FichierTravail::MagiqueCompatible))
        return FichierTravail::ErreurFormat;
    if (compatible) *compatible = magique == FichierTravail::MagiqueCompatible;
    const int longueur = e.U8();
    const QByteArray entete = e.Octets(longueur);
    if (!e.Ok() || longueur < FichierTravail::LongueurEnTete ||
        static_cast<std::uint8_t>(entete[22]) != kLongueurEnTeteEnregistrement)
        return FichierTravail::ErreurLecture;
    if (version) {
        const int n = std::min(static_cast<int>(static_cast<std::uint8_t>(entete[11])), 4);
        *version = entete.mid(12, n);
    }
    const int d = static_cast<std::uint8_t>(entete[24]);
    if (d > 0) {
        const QByteArray champ = e.Octets(d);
        if (!e.Ok()) return FichierTravail::ErreurLecture;
        const int n = std::min(static_cast<int>(static_cast<std::uint8_t>(champ[0])), d - 1);
        description = codage::Decoder(champ.mid(1, n), codage::Champ::Texte);
    }
    return 0;
}

// A kept record is written back under this version's header: a record of an older layout
// is brought to the current one first, or dropped when this version would misread it.
bool MettreAJour(BlocEnregistrement& b, const QByteArray& version) {
    switch (b.entete.type) {
    case type::Ima:
        // Before 3.01 the image record lacked 195 bytes after its first 62.
        if (version < "3.01") b.donnees.insert(62, QByteArray(195, '\0'));
        return true;
    case type::Mod:
        // Before 1.09 the model record had another layout, which no reader takes.
        return version >= "1.09";
    case enregistrement::Not:
        if (!AvecPoliceNotes(version)) {
            // The notes' font, as files from 1.03 on carry it: the default font.
            EcrivainBinaire police;
            police.Chaine("Default", 31);
            police.I32(0x00FFFFFF);
            police.I16(11);
            police.U8(0);
            b.suite = police.Donnees();
        }
        return true;
    default:
        return true;
    }
}

int Analyser(const QByteArray& fichier, int parties, ContenuLu& lu) {
    LecteurBinaire e(fichier);
    if (const int code = LireEnTeteEtDescription(e, lu.description, &lu.version, &lu.compatible))
        return code;
    while (!e.Fin()) {
        // Records follow one another exactly: anything else where a record should begin is
        // damage, reported rather than searched past.
        EnteteEnregistrement entete;
        if (!EnteteEnregistrement::Lire(e, entete)) return FichierTravail::ErreurLecture;
        if (entete.type == EnteteEnregistrement::Fin) break;
        const qsizetype debutDonnees = e.Position();
        e.Sauter(entete.taille);
        if (!e.Ok()) return FichierTravail::ErreurLecture;
        // A view: the points, most of a file, are copied once, into their array.
        const QByteArrayView vue = QByteArrayView(fichier).sliced(debutDonnees, entete.taille);
        const qsizetype debutSuite = e.Position();
        if (!SauterSuiteEnregistrement(e, entete, vue, AvecPoliceNotes(lu.version)))
            return FichierTravail::ErreurLecture;
        if (!(parties & kMasques[entete.type])) continue;
        const auto donnees = [&] { return vue.toByteArray(); };

        switch (entete.type) {
        case enregistrement::Var:
            lu.variables.push_back(
                EnregistrementVariable::LireDescripteur(entete.index, donnees()));
            break;
        case enregistrement::Dty:
        case enregistrement::Dtx: {
            auto& tableaux = entete.type == enregistrement::Dty ? lu.points : lu.abscisses;
            if (!EnregistrementVariable::AjouterMorceau(tableaux[entete.index], entete.valeur, vue))
                return FichierTravail::ErreurLecture;
            break;
        }
        default: {
            BlocEnregistrement b{entete, donnees(),
                                 fichier.mid(debutSuite, e.Position() - debutSuite)};
            if (MettreAJour(b, lu.version)) lu.enregistrements.push_back(std::move(b));
        }
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

bool EstBureauOuFenetre(std::uint8_t t) {
    return t == type::Bur || t == type::Fen || t == type::Com || t == type::Fle;
}

void AppliquerBureauOuFenetre(Travail& travail, const BlocEnregistrement& b,
                              ContexteFichier& contexte) {
    switch (b.entete.type) {
    case type::Bur:
        EnregistrementBureau::Lire(travail, b.donnees, contexte);
        break;
    case type::Fen:
        EnregistrementsFenetre::LireFenetre(travail, b, contexte);
        break;
    case type::Com:
        EnregistrementsFenetre::LireCommentaire(travail, b);
        break;
    default:
        EnregistrementsFenetre::LireFleche(travail, b);
    }
}

void AppliquerVariables(Travail& travail, int parties, ContenuLu& lu) {
    TableVariables& table = travail.Variables();
    PlacementVariables placement(table, parties);
    const bool valeurs = parties & FichierTravail::ValeursNumeriques;
    // The form of each abscissa, which its data (DTX) bring back.
    std::map<int, std::uint16_t> formes;
    for (VariableFichier& v : lu.variables) {
        formes[v.slot] = v.genre;
        if (const int slot = placement.Placer(v)) {
            TypeId& variable = *table.Variable(slot);
            EnregistrementVariable::Appliquer(variable, v, valeurs);
            // A link needs no data of its own: it is made again over the linked variable,
            // shown under the abscissa name of the variable's first window.
            if ((v.genre & genre::AbscisseVariable) && !v.nomAbscisse.isEmpty()) {
                const int fenetre = variable.PremiereFenetre();
                const QString affiche =
                    fenetre ? table.Fenetres().NomAbscisse(fenetre) : v.nomAbscisse;
                variable.FixerAbscisseVariable(v.nomAbscisse, affiche);
            }
        }
    }

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
            EnregistrementVariable::AppliquerAbscisse(*v, tableau, formes[slotFichier]);
}

void Appliquer(Travail& travail, int parties, ContenuLu& lu, EnregistrementsConserves& conserves) {
    // The parts about to be read are reset; their bits are those of the reset.
    travail.ReinitialiserTravail(0, parties);
    if (parties & FichierTravail::LignesCalcul) {
        travail.Feuille().FixerLignes({});
        travail.Moteur().niveauLangage = 0;
    }
    // The first input comes back only when its settings record is in the file.
    if ((parties & 3) == 3)
        if (TypeVoie* v =
                EnregistrementsAcquisition::Entree(travail, travail.Voies().premiereEntree))
            v->Etat = TypeVoie::Inactif;

    ContexteFichier contexte;
    contexte.version = lu.version;
    contexte.compatible = lu.compatible;
    contexte.parties = parties;
    // The desk and the windows first: the desk sets NBPOINT, variables refer to windows.
    for (const BlocEnregistrement& b : lu.enregistrements)
        if (EstBureauOuFenetre(b.entete.type)) AppliquerBureauOuFenetre(travail, b, contexte);
    AppliquerVariables(travail, parties, lu);

    // The sheet window is the file's: none when the file has no record of it.
    if (parties & FichierTravail::Environnement) travail.fenetreFeuille.reset();
    EnregistrementsConserves gardes;
    for (BlocEnregistrement& b : lu.enregistrements) {
        switch (b.entete.type) {
        case type::Bur:
        case type::Fen:
        case type::Com:
        case type::Fle:
            break;
        case type::Acq:
            EnregistrementsAcquisition::LireParametres(travail, b.donnees);
            break;
        case type::Ean:
            EnregistrementsAcquisition::LireEntree(travail, b, contexte);
            break;
        case type::San:
            EnregistrementsAcquisition::LireSortie(travail, b);
            break;
        case type::Cal:
            EnregistrementFeuille::Lire(travail, b);
            break;
        case type::Fca:
            EnregistrementFenetreFeuille::Lire(travail, b.donnees);
            break;
        default:
            gardes.push_back(std::move(b));
        }
    }

    TableFenetres& fenetres = travail.TableDesFenetres();
    if (fenetres.NbOuvertes() == 0) fenetres.Creer(1);
    if (contexte.bureauLu && fenetres.Existe(contexte.fenetreCourante))
        fenetres.Activer(contexte.fenetreCourante);
    for (int f = 1; f <= TableFenetres::NbFenetres; ++f)
        if (fenetres.Existe(f)) fenetres.ResoudreAxes(f, travail.Variables());
    travail.DemanderMiseAJour(demande::ToutesFenetres | demande::Cadre | demande::Courbes);

    // The kept records of the parts not read stay; those read replace the others.
    EnregistrementsConserves nouveaux;
    for (const BlocEnregistrement& b : conserves)
        if (!(kMasques[std::min<int>(b.entete.type, 27)] & parties)) nouveaux.push_back(b);
    for (BlocEnregistrement& b : gardes)
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

void EcrireConserves(EcrivainBinaire& s, const EnregistrementsConserves& conserves,
                     std::uint8_t premier, std::uint8_t dernier) {
    for (const BlocEnregistrement& b : conserves)
        if (b.entete.type >= premier && b.entete.type <= dernier) EcrireBloc(s, b);
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

// The windows from the least recently activated to the current one, so that reading them
// back in file order leaves the same activation order.
void EcrireFenetres(EcrivainBinaire& s, const Travail& travail,
                    const EnregistrementsConserves& conserves) {
    const TableFenetres& fenetres = travail.TableDesFenetres();
    const QString anneau = fenetres.Anneau();
    for (qsizetype i = anneau.size() - 1; i >= 0; --i) {
        const DonneesFenetre* f = fenetres.Donnees(anneau[i].unicode() - 48);
        if (!f) continue;
        const std::vector<BlocEnregistrement> blocs = EnregistrementsFenetre::Ecrire(*f);
        EcrireBloc(s, blocs.front());
        if (f->FenetreImage())
            for (const BlocEnregistrement& b : conserves)
                if (b.entete.type == type::Ima && b.entete.index == f->Numero()) EcrireBloc(s, b);
        for (std::size_t k = 1; k < blocs.size(); ++k)
            EcrireBloc(s, blocs[k]);
    }
}

void EcrireVariables(EcrivainBinaire& s, const Travail& travail, bool compatible) {
    const TableVariables& table = travail.Variables();
    const int premiereLibre = table.PremiereCaseLibre();
    for (int slot = 1; slot < premiereLibre; ++slot) {
        const TypeId* v = table.Variable(slot);
        if (const auto* voie = dynamic_cast<const TypeVoie*>(v)) {
            EnregistrementVariable::EcrireDescripteur(s, *voie, slot, compatible);
            EcrireBloc(s, EnregistrementsAcquisition::EcrireEntree(*voie));
            EnregistrementVariable::EcrirePoints(s, *voie, slot);
        }
    }
    for (int slot = 1; slot < premiereLibre; ++slot) {
        const auto* sortie = dynamic_cast<const TypeSortie*>(table.Variable(slot));
        if (!sortie || sortie->Forme == 0) continue;
        EnregistrementVariable::EcrireDescripteur(s, *sortie, slot, compatible);
        if (EnregistrementVariable::PointsEcrits(*sortie))
            EnregistrementVariable::EcrirePoints(s, *sortie, slot);
        EcrireBloc(s, EnregistrementsAcquisition::EcrireSortie(*sortie));
    }

    int decompte = kDerniereCaseCompatible;
    for (int slot = premiereLibre; slot <= table.DerniereCase(); ++slot) {
        const TypeId* v = table.Variable(slot);
        if (!v || EstEntree(*v) || !EnregistrementVariable::Conservee(*v)) continue;
        int ecrite = slot;
        if (compatible && slot > kDerniereCaseCompatible) {
            // The older form has no slot above 120: the variable takes a free slot below.
            while (decompte > premiereLibre && table.Variable(decompte))
                --decompte;
            if (decompte <= premiereLibre) continue;
            ecrite = decompte--;
        }
        EnregistrementVariable::EcrireDescripteur(s, *v, ecrite, compatible);
        if (EnregistrementVariable::PointsEcrits(*v))
            EnregistrementVariable::EcrirePoints(s, *v, ecrite);
    }
}

} // namespace

QByteArray FichierTravail::Composer(const Travail& travail,
                                    const EnregistrementsConserves& conserves,
                                    const QString& description, bool compatible) {
    const QByteArray texte = Description(description);
    EcrivainBinaire s;
    // The points make most of a file: one allocation instead of repeated growth.
    qsizetype estimation = 64 * 1024;
    const TableVariables& table = travail.Variables();
    for (int slot = 1; slot <= table.DerniereCase(); ++slot)
        if (const TypeId* v = table.Variable(slot))
            estimation += 8 * (qsizetype{v->NbPoints} + 1 +
                               static_cast<qsizetype>(v->DonneesAbscisse().size())) +
                          256;
    s.Reserver(estimation);
    s.U16(compatible ? MagiqueCompatible : Magique);
    s.U8(LongueurEnTete);
    s.Chaine("PELAVORINE", 10);
    s.Chaine(Version, 4);
    s.Chaine("[xxx]", 5);
    s.U8(kLongueurEnTeteEnregistrement);
    s.U8(EnteteEnregistrement::Controle);
    s.U8(static_cast<std::uint8_t>(texte.isEmpty() ? 0 : texte.size() + 1));
    s.Zeros(4);
    if (!texte.isEmpty()) s.Chaine(texte, static_cast<int>(texte.size()));

    EcrireBloc(s, EnregistrementBureau::Ecrire(travail));
    EcrireFenetres(s, travail, conserves);
    EcrireVariables(s, travail, compatible);
    EcrireConserves(s, conserves, type::Poi, type::Poi);
    EcrireBloc(s, EnregistrementsAcquisition::EcrireParametres(travail));
    if (BlocEnregistrement feuille; EnregistrementFeuille::Ecrire(travail, compatible, feuille))
        EcrireBloc(s, feuille);
    for (const auto& [premier, dernier] : kEtapesConservees) {
        EcrireConserves(s, conserves, premier, dernier);
        if (premier == type::Log)
            if (BlocEnregistrement fenetre; EnregistrementFenetreFeuille::Ecrire(travail, fenetre))
                EcrireBloc(s, fenetre);
    }
    return s.Donnees();
}

int FichierTravail::EcrireTravail(Travail& travail, const QString& nom,
                                  const EnregistrementsConserves& conserves,
                                  const QString& description, bool compatible) {
    // A work without any curve window is not written.
    if (travail.TableDesFenetres().NbOuvertes() == 0) return 0;
    const QByteArray octets = Composer(travail, conserves, description, compatible);
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
    if (!fichier.exists() || !fichier.open(QIODevice::ReadOnly)) {
        travail.hote().Erreur(MessageErreur(ErreurFichierAbsent));
        return ErreurFichierAbsent;
    }
    if (!QFileInfo(nom).isWritable())
        travail.hote().Information(QCoreApplication::translate(
            "FichierTravail", "Attention fichier en lecture seule ..."));
    return LireOctets(travail, fichier.readAll(), parties, conserves, description);
}

int FichierTravail::LireOctets(Travail& travail, const QByteArray& octets, int parties,
                               EnregistrementsConserves& conserves, QString* description) {
    ContenuLu lu;
    if (const int code = Analyser(octets, parties, lu)) {
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
