#include "core/files/EnregistrementVariable.h"

#include "core/format/EcrivainBinaire.h"
#include "core/format/EnteteEnregistrement.h"
#include "core/format/LecteurBinaire.h"
#include "core/store/Genres.h"
#include "core/store/TypeId.h"
#include "core/texte/CodageTexte.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace pelavorine {

namespace {

constexpr std::uint16_t kPointsStockes = genre::Acquise | genre::Spectre | genre::Solution;
constexpr std::uint16_t kScalaireSaisi = genre::Acquise | genre::ScalaireSaisi;

bool EstScalaireSaisi(std::uint16_t g) {
    return (g & kScalaireSaisi) == kScalaireSaisi;
}

} // namespace

bool EnregistrementVariable::Conservee(const TypeId& v) {
    // A scalar is kept too: a scalar typed in the spreadsheet carries its value in the
    // descriptor, and a computed one gets it back when the sheet runs.
    return v.NbPoints > 1 || v.EstScalaire() || (!v.APoints() && (v.Genre & genre::Acquise));
}

bool EnregistrementVariable::PointsEcrits(const TypeId& v) {
    return (v.Genre & kPointsStockes) && v.NbPoints > 1 && v.APoints();
}

void EnregistrementVariable::Ecrire(EcrivainBinaire& sortie, const TypeId& v, int slot) {
    EcrireDescripteur(sortie, v, slot, false);
    if (PointsEcrits(v)) EcrirePoints(sortie, v, slot);
}

void EnregistrementVariable::EcrireDescripteur(EcrivainBinaire& sortie, const TypeId& v, int slot,
                                               bool compatible) {
    // The older form knows neither the linked abscissa nor the fields added after it.
    const bool scalaireSaisi = EstScalaireSaisi(v.Genre);
    EcrivainBinaire d;
    d.Chaine(codage::Encoder(v.Nom, codage::Champ::Grec), 12);
    d.U16(compatible ? static_cast<std::uint16_t>(v.Genre & ~genre::AbscisseVariable) : v.Genre);
    d.U16(static_cast<std::uint16_t>(v.Capacite()));
    d.U16(static_cast<std::uint16_t>(v.Premier));
    d.U16(static_cast<std::uint16_t>((v.Genre & kPointsStockes) ? v.NbPoints : 0));
    d.Chaine(compatible ? QByteArray() : codage::Encoder(v.NomAbscisse, codage::Champ::Grec), 12);
    d.Chaine(codage::Encoder(v.Unite, codage::Champ::Grec), 10);
    d.F64(v.Decalage);
    d.I32(v.Couleur);
    d.U8(v.Style);
    d.U32(v.Fenetres);
    d.I16(v.Origine);
    d.F64(scalaireSaisi ? v.LirePoint(0) : (compatible ? 0.0 : v.Multiplicateur));
    d.I16(compatible ? std::int16_t{0} : v.Reference);
    d.U16(compatible ? std::uint16_t{0} : v.EtatInterne);

    EnteteEnregistrement e{"VAR",
                           enregistrement::Var,
                           enregistrement::MasqueVar,
                           static_cast<std::uint8_t>(slot),
                           0,
                           static_cast<std::uint16_t>(d.Taille())};
    e.Ecrire(sortie);
    sortie.Octets(d.Donnees());
}

void EnregistrementVariable::EcrirePoints(EcrivainBinaire& sortie, const TypeId& v, int slot) {
    if (v.NbPoints <= 1 || !v.APoints()) return;
    const auto valeurs = v.Valeurs().first(static_cast<std::size_t>(v.NbPoints) + 1);
    EcrireMorceaux(sortie, enregistrement::Dty, slot, EnOctets(valeurs));
    if (!v.DonneesAbscisse().empty())
        EcrireMorceaux(sortie, enregistrement::Dtx, slot, EnOctets(v.DonneesAbscisse()));
}

void EnregistrementVariable::EcrireMorceaux(EcrivainBinaire& sortie, std::uint8_t type, int slot,
                                            const QByteArray& tableau) {
    const char* tag = type == enregistrement::Dty ? "DTY" : "DTX";
    for (qsizetype debut = 0, numero = 0; debut < tableau.size();
         debut += TailleMorceau, ++numero) {
        const QByteArrayView morceau = QByteArrayView(tableau).sliced(
            debut, std::min<qsizetype>(TailleMorceau, tableau.size() - debut));
        EnteteEnregistrement e{tag,
                               type,
                               enregistrement::MasqueDonnees,
                               static_cast<std::uint8_t>(slot),
                               static_cast<std::uint16_t>(numero),
                               static_cast<std::uint16_t>(morceau.size())};
        e.Ecrire(sortie);
        sortie.Octets(morceau);
    }
}

VariableFichier EnregistrementVariable::LireDescripteur(int slot, const QByteArray& donnees) {
    const QByteArray complet = LecteurBinaire::Complete(donnees, Taille);
    LecteurBinaire e(complet);
    VariableFichier v;
    v.slot = slot;
    v.nom = codage::Decoder(e.Chaine(12), codage::Champ::Grec).trimmed().left(12);
    v.genre = e.U16();
    v.capacite = e.U16();
    v.premier = e.U16();
    v.nbPoints = e.U16();
    v.nomAbscisse = codage::Decoder(e.Chaine(12), codage::Champ::Grec).trimmed();
    v.unite = codage::Decoder(e.Chaine(10), codage::Champ::Grec);
    v.decalage = e.F64();
    v.couleur = e.I32();
    v.style = e.U8();
    v.fenetres = e.U32();
    v.origine = e.I16();
    v.multiplicateur = e.F64();
    v.reference = e.I16();
    v.etatInterne = e.U16();
    if (donnees.size() < Taille) {
        // Older, shorter descriptors.
        v.origine = static_cast<std::int16_t>(v.origine & 0xFF);
        v.multiplicateur = 1.0;
        v.reference = 0;
    }
    return v;
}

bool EnregistrementVariable::AjouterMorceau(QByteArray& tableau, int numero,
                                            QByteArrayView morceau) {
    const qsizetype debut = static_cast<qsizetype>(numero) * TailleMorceau;
    const qsizetype fin = debut + morceau.size();
    if (fin > TailleMaxTableau) return false;
    if (tableau.size() < fin) tableau.resize(fin, '\0');
    std::memcpy(tableau.data() + debut, morceau.constData(),
                static_cast<std::size_t>(morceau.size()));
    return true;
}

void EnregistrementVariable::Appliquer(TypeId& v, const VariableFichier& lu, bool points) {
    v.Premier = lu.premier;
    v.NbPoints = points ? std::min<int>(lu.nbPoints, v.Capacite()) : 0;
    v.NomAbscisse = lu.nomAbscisse;
    v.Unite = lu.unite;
    v.Decalage = lu.decalage;
    v.Couleur = lu.couleur;
    v.Style = lu.style;
    v.Fenetres = lu.fenetres;
    v.Origine = lu.origine;
    v.Multiplicateur = lu.multiplicateur;
    v.AdaptationEchelle = lu.reference > 0;
    v.Reference = lu.reference;
    v.EtatInterne = lu.etatInterne;
    if (!v.AdaptationEchelle) {
        v.Multiplicateur = 1.0;
        if (v.Origine != origine::GardeDecalage) v.Decalage = 0.0;
    }
    if (EstScalaireSaisi(lu.genre)) v.EcrirePoint(0, lu.multiplicateur);
}

void EnregistrementVariable::AppliquerPoints(TypeId& v, const QByteArray& tableau) {
    const auto n = static_cast<std::size_t>(tableau.size() / 8);
    if (n == 0) return;
    const int dernier = static_cast<int>(n) - 1;
    if (v.Capacite() < std::max(v.NbPoints, dernier))
        v.FixerCapacite(std::max(v.NbPoints, dernier));
    if (!v.APoints()) v.EcrirePoint(0, v.LirePoint(0)); // allocates the array
    auto valeurs = v.Valeurs();
    const std::size_t copies = std::min(n, valeurs.size());
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(valeurs.data(), tableau.constData(), copies * sizeof(double));
    } else {
        const std::vector<double> reels = EnReels(tableau);
        std::copy_n(reels.begin(), copies, valeurs.begin());
    }
    v.CalculerStatistiques();
}

void EnregistrementVariable::AppliquerAbscisse(TypeId& v, const QByteArray& tableau,
                                               std::uint16_t genreFichier) {
    std::vector<double> reels = EnReels(tableau);
    if (reels.empty()) return;
    // A linear abscissa holds its origin and step; the data of a link, its shown name.
    std::uint16_t forme = genreFichier & (genre::AbscisseLineaire | genre::AbscisseVariable);
    if (reels.size() < 3) forme &= static_cast<std::uint16_t>(~genre::AbscisseLineaire);
    v.FixerDonneesAbscisse(std::move(reels));
    v.Genre |= forme;
}

// The file holds little-endian reals: on such a machine the bytes are those of memory.
QByteArray EnregistrementVariable::EnOctets(std::span<const double> reels) {
    if constexpr (std::endian::native == std::endian::little) {
        return QByteArray(reinterpret_cast<const char*>(reels.data()),
                          static_cast<qsizetype>(reels.size_bytes()));
    } else {
        EcrivainBinaire e;
        for (double r : reels)
            e.F64(r);
        return e.Donnees();
    }
}

std::vector<double> EnregistrementVariable::EnReels(const QByteArray& octets) {
    std::vector<double> reels(static_cast<std::size_t>(octets.size() / 8));
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(reels.data(), octets.constData(), reels.size() * sizeof(double));
    } else {
        LecteurBinaire e(octets);
        for (double& r : reels)
            r = e.F64();
    }
    return reels;
}

} // namespace pelavorine
