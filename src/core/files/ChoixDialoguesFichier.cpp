#include "core/files/ChoixDialoguesFichier.h"
#include "core/store/Genres.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <array>

namespace pelavorine::choixfichier {

namespace {

const char* const kContexte = "DialoguesFichier";

// The four extensions, in the order a chosen name is tested.
constexpr std::array<const char*, 4> kExtensions = {".PL2", ".PLC", ".TXT", ".PH2"};

} // namespace

std::vector<TypeFichier> Types(bool ouvrir) {
    auto tr = [](const char* texte) { return QCoreApplication::translate(kContexte, texte); };
    std::vector<TypeFichier> types = {
        {tr("Pelavorine 2000 (*.PL2)"), {QStringLiteral("*.PL2")}},
        {tr("Pelavorine 1.xx et 2.xx (*.PLC)"), {QStringLiteral("*.PLC")}},
        {tr("Texte (*.TXT)"), {QStringLiteral("*.TXT")}},
        {tr("Gravimod (*.PH2)"), {QStringLiteral("*.PH2")}},
        {tr("Tous (.PL2,.PLC,.PH2,.TXT)"),
         {QStringLiteral("*.PL2"), QStringLiteral("*.PLC"), QStringLiteral("*.PH2"),
          QStringLiteral("*.TXT")}},
    };
    if (!ouvrir) types.resize(NbTypesEnregistrement);
    return types;
}

QStringList Filtres(bool ouvrir) {
    QStringList filtres;
    for (const TypeFichier& type : Types(ouvrir))
        filtres << type.libelle + QStringLiteral(" (") + type.motifs.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    return filtres;
}

int TypePourExtension(const QString& extension) {
    const std::vector<TypeFichier> types = Types(true);
    for (std::size_t i = 0; i < types.size(); ++i)
        if (types[i].motifs.size() == 1 &&
            types[i].motifs.front().compare(QLatin1Char('*') + extension, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

QString NomPropose(const QString& fichierCourant) {
    const QString nom = fichierCourant.section(QLatin1Char('/'), -1);
    return nom.section(QLatin1Char('.'), 0, 0);
}

QString ExtensionReconnue(const QString& choisi) {
    const QString majuscules = choisi.toUpper();
    for (const char* extension : kExtensions)
        if (majuscules.contains(QLatin1String(extension))) return QLatin1String(extension);
    return QLatin1String(kExtensions.front());
}

NomConstruit ConstruireNom(const QString& choisi, const QString& dossierDepart) {
    const QString nom = choisi.trimmed();
    if (nom.isEmpty()) return {};
    if (nom.contains(QLatin1Char('*'))) return {QString(), 2};
    const qsizetype barre = nom.lastIndexOf(QLatin1Char('/'));
    QString dossier = barre < 0 ? dossierDepart : nom.left(barre);
    if (dossier.isEmpty()) dossier = barre < 0 ? QString() : QStringLiteral("/");
    const QString fichier = nom.mid(barre + 1);
    const QString extension = ExtensionReconnue(fichier);
    QString resultat;
    if (fichier.size() > extension.size() && fichier.endsWith(extension, Qt::CaseInsensitive)) {
        resultat = fichier;
    } else {
        const QString base = fichier.section(QLatin1Char('.'), 0, 0);
        if (base.isEmpty()) return {QString(), 2};
        resultat = base + extension;
    }
    return {QDir(dossier).filePath(resultat), 0};
}

int Parties(bool valeurs, bool calculs, bool environnement, bool notes) {
    return (valeurs ? 1 : 0) + (environnement ? 2 : 0) + (calculs ? 4 : 0) + (notes ? 8 : 0);
}

std::uint16_t OptionsEnregistrement(std::uint16_t options, bool sansCalcul, bool afficherNotes) {
    constexpr std::uint16_t kSansCalcul = option::SansCalculApresLecture;
    constexpr std::uint16_t kNotes = option::NotesApresLecture;
    options = static_cast<std::uint16_t>(options & ~(kSansCalcul | kNotes));
    if (sansCalcul) options |= kSansCalcul;
    if (afficherNotes) options |= kNotes;
    return options;
}

QString DescriptionLimitee(const QString& texte) {
    return texte.left(LongueurDescription);
}

void AjouterHistorique(QStringList& historique, const QString& nom, int taille) {
    if (nom.isEmpty() || taille <= 0) return;
    const QString chemin = QDir::cleanPath(nom);
    historique.erase(std::remove_if(historique.begin(), historique.end(),
                                    [&](const QString& h) { return QDir::cleanPath(h) == chemin; }),
                     historique.end());
    historique.prepend(chemin);
    while (historique.size() > taille)
        historique.removeLast();
}

} // namespace pelavorine::choixfichier
