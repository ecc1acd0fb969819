#include "core/files/InventaireFichier.h"

#include "core/files/FichierTravail.h"
#include "core/format/LecteurBinaire.h"
#include "core/texte/CodageTexte.h"

#include <QFile>
#include <algorithm>

namespace pelavorine {

namespace {

// A short string of capacity n stored at offset `debut` of the header.
QString ChaineEnTete(const QByteArray& entete, int debut, int capacite) {
    const int n = std::min(static_cast<int>(static_cast<std::uint8_t>(entete[debut])), capacite);
    return QString::fromLatin1(entete.mid(debut + 1, n));
}

// Magic, header and description, checked as the reader checks them.
int LireEnTete(LecteurBinaire& e, InventaireFichier& inventaire) {
    inventaire.magique = e.U16();
    if (!e.Ok() || (inventaire.magique != FichierTravail::Magique &&
                    inventaire.magique != FichierTravail::MagiqueCompatible))
        return FichierTravail::ErreurFormat;
    inventaire.longueurEnTete = e.U8();
    const QByteArray entete = e.Octets(inventaire.longueurEnTete);
    if (!e.Ok() || inventaire.longueurEnTete < FichierTravail::LongueurEnTete)
        return FichierTravail::ErreurLecture;
    inventaire.programme = ChaineEnTete(entete, 0, 10);
    inventaire.version = ChaineEnTete(entete, 11, 4);
    inventaire.marqueur = ChaineEnTete(entete, 16, 5);
    inventaire.longueurEnTeteEnregistrement = static_cast<std::uint8_t>(entete[22]);
    inventaire.controle = static_cast<std::uint8_t>(entete[23]);
    inventaire.tailleDescription = static_cast<std::uint8_t>(entete[24]);
    if (inventaire.longueurEnTeteEnregistrement != EnteteEnregistrement::Longueur)
        return FichierTravail::ErreurLecture;
    const int d = inventaire.tailleDescription;
    if (d > 0) {
        const QByteArray champ = e.Octets(d);
        if (!e.Ok()) return FichierTravail::ErreurLecture;
        const int n = std::min(static_cast<int>(static_cast<std::uint8_t>(champ[0])), d - 1);
        inventaire.description = codage::Decoder(champ.mid(1, n), codage::Champ::Texte);
    }
    return 0;
}

} // namespace

InventaireFichier InventorierOctets(const QByteArray& fichier) {
    InventaireFichier inventaire;
    LecteurBinaire e(fichier);
    const auto endommage = [&](int code, qsizetype position) {
        inventaire.code = code;
        inventaire.positionErreur = position;
        return inventaire;
    };
    if (const int code = LireEnTete(e, inventaire)) return endommage(code, 0);
    while (!e.Fin()) {
        // Records follow one another exactly: anything else where a record should begin is
        // damage, and nothing after it is listed.
        const qsizetype position = e.Position();
        EnteteEnregistrement entete;
        if (!EnteteEnregistrement::Lire(e, entete))
            return endommage(FichierTravail::ErreurLecture, position);
        if (entete.type == EnteteEnregistrement::Fin) {
            inventaire.finMarquee = true;
            break;
        }
        const qsizetype donnees = e.Position();
        const QByteArray octets = e.Octets(entete.taille);
        if (!e.Ok()) return endommage(FichierTravail::ErreurLecture, position);
        const qsizetype finDonnees = e.Position();
        if (!SauterSuiteEnregistrement(e, entete, octets,
                                       AvecPoliceNotes(inventaire.version.toLatin1())))
            return endommage(FichierTravail::ErreurLecture, position);
        inventaire.enregistrements.push_back(
            {entete, position, donnees, e.Position() - finDonnees});
    }
    return inventaire;
}

InventaireFichier InventorierFichier(const QString& nom) {
    QFile fichier(nom);
    if (!fichier.open(QIODevice::ReadOnly)) {
        InventaireFichier inventaire;
        inventaire.code = FichierTravail::ErreurFichierAbsent;
        return inventaire;
    }
    return InventorierOctets(fichier.readAll());
}

} // namespace pelavorine
