#include "core/files/EnregistrementsFenetre.h"

#include "core/files/ContexteFichier.h"
#include "core/format/EcrivainBinaire.h"
#include "core/format/LecteurBinaire.h"
#include "core/texte/CodageTexte.h"
#include "core/travail/Travail.h"

#include <algorithm>
#include <cmath>

namespace pelavorine {

namespace {

QByteArray Nom(const QString& nom) {
    return codage::Encoder(nom, codage::Champ::Grec);
}
QString Nom(const QByteArray& octets) {
    return codage::Decoder(octets, codage::Champ::Grec).trimmed();
}
QByteArray Texte(const QString& texte) {
    return codage::Encoder(texte, codage::Champ::Texte);
}
QString Texte(const QByteArray& octets) {
    return codage::Decoder(octets, codage::Champ::Texte);
}

BlocEnregistrement Bloc(const char* tag, std::uint8_t type, int fenetre, int position,
                        const EcrivainBinaire& d, QByteArray suite = {}) {
    return {{tag, type, 2, static_cast<std::uint8_t>(fenetre), static_cast<std::uint16_t>(position),
             static_cast<std::uint16_t>(d.Taille())},
            d.Donnees(),
            std::move(suite)};
}

// Scales a stored position by the ratio of the client areas, rounded.
int Echelle(int valeur, int actuel, int sauve) {
    return sauve > 0 ? static_cast<int>(std::lround(static_cast<double>(valeur) * actuel / sauve))
                     : valeur;
}

} // namespace

std::vector<BlocEnregistrement> EnregistrementsFenetre::Ecrire(const DonneesFenetre& f) {
    std::vector<BlocEnregistrement> blocs;
    EcrivainBinaire d;
    d.Chaine(Texte(f.titreUtilisateur), 60);
    d.I16(static_cast<std::int16_t>(f.gauche));
    d.I16(static_cast<std::int16_t>(f.haut));
    d.I16(static_cast<std::int16_t>(f.largeur));
    d.I16(static_cast<std::int16_t>(f.hauteur));
    d.U8(f.etat);
    d.Chaine(Nom(f.abscisse.nom), 12);
    d.U8(f.abscisse.genre);
    d.Chaine(Nom(f.echelleX.nom), 12);
    d.F64(f.echelleX.minimumManuel);
    d.F64(f.echelleX.maximumManuel);
    d.Chaine(Nom(f.echelleY.nom), 12);
    d.F64(f.echelleY.minimumManuel);
    d.F64(f.echelleY.maximumManuel);
    d.U8(f.type);
    d.I32(f.couleur);
    d.U16(f.options);
    d.U8(f.famille);
    blocs.push_back(Bloc("FEN", TypeFenetre, f.Numero(), 0, d));

    int position = 0;
    for (const CommentaireFenetre& c : f.commentaires) {
        EcrivainBinaire com;
        com.I16(c.gauche);
        com.I16(c.haut);
        com.Chaine(Texte(c.police), 31);
        com.U8(c.taille);
        com.I32(c.couleur);
        com.U8(c.style);
        com.U8(c.alignement);
        com.U8(c.cadre);
        com.U8(c.ancrage);
        com.F64(c.x);
        com.F64(c.y);
        com.I32(c.fond);
        com.Chaine(Nom(c.nomVariable), 12);
        com.U8(c.decimales);
        const int n = static_cast<int>(std::min<qsizetype>(c.lignes.size(), 255));
        com.U8(static_cast<std::uint8_t>(n));
        com.F64(c.multiplicateur);
        EcrivainBinaire lignes;
        for (int i = 0; i < n; ++i) {
            const QByteArray l = Texte(c.lignes[i]);
            lignes.Chaine(l, static_cast<int>(std::min<qsizetype>(l.size(), 255)));
        }
        blocs.push_back(
            Bloc("COM", TypeCommentaire, f.Numero(), position++, com, lignes.Donnees()));
    }
    for (const FlecheFenetre& a : f.fleches) {
        EcrivainBinaire fle;
        fle.F64(a.x1);
        fle.F64(a.y1);
        fle.F64(a.x2);
        fle.F64(a.y2);
        fle.I32(a.couleur);
        fle.U8(a.pointe);
        fle.F64(a.angle);
        fle.U8(a.forme);
        blocs.push_back(Bloc("FLE", TypeFleche, f.Numero(), position++, fle));
    }
    return blocs;
}

void EnregistrementsFenetre::LireFenetre(Travail& travail, const BlocEnregistrement& bloc,
                                         const ContexteFichier& contexte) {
    const int numero = bloc.entete.index;
    if (!TableFenetres::Valide(numero)) return;
    const QByteArray donnees = LecteurBinaire::Complete(bloc.donnees, TailleFenetre);
    LecteurBinaire e(donnees);
    const QString titre = Texte(e.Chaine(60));
    int gauche = e.I16();
    int haut = e.I16();
    int largeur = e.I16();
    int hauteur = e.I16();
    const std::uint8_t etat = e.U8();

    // A window saved on a desk of another size keeps its place in proportion.
    const EtatBureau& bureau = travail.bureau;
    if (contexte.bureauLu) {
        gauche = Echelle(gauche, bureau.largeurClient, contexte.largeurClient);
        largeur = Echelle(largeur, bureau.largeurClient, contexte.largeurClient);
        haut = Echelle(haut, bureau.hauteurClient, contexte.hauteurClient);
        hauteur = Echelle(hauteur, bureau.hauteurClient, contexte.hauteurClient);
    }
    if (gauche + largeur > bureau.largeurClient)
        largeur = std::max(0, bureau.largeurClient - gauche);
    if (haut + hauteur > bureau.hauteurClient) hauteur = std::max(0, bureau.hauteurClient - haut);

    DonneesFenetre* f = travail.TableDesFenetres().Creer(numero);
    f->gauche = gauche;
    f->haut = haut;
    f->largeur = largeur;
    f->hauteur = hauteur;
    // An older file kept the whole caption.
    f->titreUtilisateur = titre.contains(QStringLiteral("Fenêtre"))
                              ? DonneesFenetre::TitreUtilisateurDe(titre)
                              : titre.left(DonneesFenetre::LongueurTitreUtilisateur);
    f->abscisse.nom = Nom(e.Chaine(12));
    if (f->abscisse.nom.isEmpty()) f->abscisse.nom = QStringLiteral("T");
    f->abscisse.genre = std::min<std::uint8_t>(e.U8(), DefinitionAbscisse::Polaire);
    f->abscisse.genreSauve = f->abscisse.genre;
    f->echelleX.nom = Nom(e.Chaine(12));
    f->echelleX.minimumManuel = e.F64();
    f->echelleX.maximumManuel = e.F64();
    f->echelleY.nom = Nom(e.Chaine(12));
    f->echelleY.minimumManuel = e.F64();
    f->echelleY.maximumManuel = e.F64();
    for (EchelleAxe* axe : {&f->echelleX, &f->echelleY})
        if (axe->nom.isEmpty()) axe->nom = EchelleAxe::NomManuel;
    f->type = e.U8();
    f->couleur = e.I32();
    const std::uint16_t options = e.U16();
    const std::uint8_t famille = e.U8();
    if (contexte.VersionAuMoins("4.10")) f->options = options;
    if (contexte.VersionAuMoins("5.01")) f->famille = famille;
    f->etat = std::min<std::uint8_t>(etat, EtatBureau::Maximise);
}

void EnregistrementsFenetre::LireCommentaire(Travail& travail, const BlocEnregistrement& bloc) {
    DonneesFenetre* f = travail.TableDesFenetres().Donnees(bloc.entete.index);
    if (!f) return;
    const QByteArray donnees = LecteurBinaire::Complete(bloc.donnees, TailleCommentaire);
    LecteurBinaire e(donnees);
    CommentaireFenetre c;
    c.gauche = e.I16();
    c.haut = e.I16();
    c.police = Texte(e.Chaine(31));
    c.taille = e.U8();
    c.couleur = e.I32();
    c.style = e.U8() & 0x0F;
    c.alignement = std::min<std::uint8_t>(e.U8(), CommentaireFenetre::ADroite);
    c.cadre = std::min<std::uint8_t>(e.U8(), CommentaireFenetre::Relief);
    c.ancrage = std::min<std::uint8_t>(e.U8(), CommentaireFenetre::LieAuxAxes);
    c.x = e.F64();
    c.y = e.F64();
    c.fond = e.I32();
    c.nomVariable = Nom(e.Chaine(12));
    c.decimales = std::min<std::uint8_t>(e.U8(), 6);
    const int n = e.U8();
    c.multiplicateur = e.F64();
    if (c.multiplicateur == 0.0) c.multiplicateur = 1.0;
    // The lines were checked whole when the file was read.
    LecteurBinaire lignes(bloc.suite);
    for (int i = 0; i < n && lignes.Ok(); ++i) {
        const int longueur = lignes.U8();
        const QByteArray ligne = lignes.Octets(longueur);
        if (lignes.Ok()) c.lignes.append(Texte(ligne));
    }
    f->commentaires.append(c);
}

void EnregistrementsFenetre::LireFleche(Travail& travail, const BlocEnregistrement& bloc) {
    DonneesFenetre* f = travail.TableDesFenetres().Donnees(bloc.entete.index);
    if (!f) return;
    const QByteArray donnees = LecteurBinaire::Complete(bloc.donnees, TailleFleche);
    LecteurBinaire e(donnees);
    FlecheFenetre a;
    a.x1 = e.F64();
    a.y1 = e.F64();
    a.x2 = e.F64();
    a.y2 = e.F64();
    a.couleur = e.I32();
    a.pointe = e.U8();
    a.angle = e.F64(); // the window recomputes it from the pixel ends when it draws
    a.forme = std::min<std::uint8_t>(e.U8(), FlecheFenetre::Trait);
    a.CorrigerPointe();
    f->fleches.append(a);
}

} // namespace pelavorine
