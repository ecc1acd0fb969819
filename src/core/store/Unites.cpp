#include "core/store/Unites.h"

#include "core/store/Nombres.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>

namespace pelavorine {
namespace {

struct UniteConnue {
    const char16_t* symbole;
    const char* nom;
    int prefixes;
    int puissance;
};

// Entry 0 is "no unit": only the milli prefix.
constexpr std::array<UniteConnue, kNombreUnites + 1> kUnites = {{
    {u"", "", 0x040, 1},
    {u"m", QT_TRANSLATE_NOOP("Unites", "mètre"), 0x3E8, 1},
    {u"m²", QT_TRANSLATE_NOOP("Unites", "mètre carré"), 0x3E8, 2},
    {u"m³", QT_TRANSLATE_NOOP("Unites", "mètre cube"), 0x3E8, 3},
    {u"m/s", QT_TRANSLATE_NOOP("Unites", "mètre /s."), 0x3E8, 1},
    {u"m/s²", QT_TRANSLATE_NOOP("Unites", "mètre /s²"), 0x3E8, 1},
    {u"V", QT_TRANSLATE_NOOP("Unites", "Volt"), 0x3C8, 1},
    {u"A", QT_TRANSLATE_NOOP("Unites", "Ampère"), 0x3C8, 1},
    {u"S", QT_TRANSLATE_NOOP("Unites", "Siemens"), 0x3C8, 1},
    {u"s", QT_TRANSLATE_NOOP("Unites", "seconde"), 0x7C0, 1},
    {u"Ohm", QT_TRANSLATE_NOOP("Unites", "Ohm"), 0x0CE, 1},
    {u"F", QT_TRANSLATE_NOOP("Unites", "Farad"), 0x3C0, 1},
    {u"H", QT_TRANSLATE_NOOP("Unites", "Henry"), 0x3C8, 1},
    {u"T", QT_TRANSLATE_NOOP("Unites", "Tesla"), 0x3C8, 1},
    {u"L", QT_TRANSLATE_NOOP("Unites", "litre"), 0x0C0, 1},
    {u"g", QT_TRANSLATE_NOOP("Unites", "gramme"), 0x3C8, 1},
    {u"Hz", QT_TRANSLATE_NOOP("Unites", "Hertz"), 0x0CF, 1},
    {u"dB", QT_TRANSLATE_NOOP("Unites", "décibel"), 0x0C0, 1},
    {u"°C", QT_TRANSLATE_NOOP("Unites", "degré centig."), 0x0C0, 1},
    {u"K", QT_TRANSLATE_NOOP("Unites", "Kelvin"), 0x0C0, 1},
    {u"°", QT_TRANSLATE_NOOP("Unites", "degré (angle)"), 0x0C0, 1},
    {u"rad", QT_TRANSLATE_NOOP("Unites", "radian"), 0x0C0, 1},
    {u"Pa", QT_TRANSLATE_NOOP("Unites", "Pascal"), 0x3CC, 1},
    {u"hPa", QT_TRANSLATE_NOOP("Unites", "HectoPascal"), 0x1C8, 1},
    {u"Bar", QT_TRANSLATE_NOOP("Unites", "Bar"), 0x1C8, 1},
    {u"N", QT_TRANSLATE_NOOP("Unites", "Newton"), 0x3CC, 1},
    {u"N.m", QT_TRANSLATE_NOOP("Unites", "Newton mètre"), 0x3CC, 1},
    {u"J", QT_TRANSLATE_NOOP("Unites", "Joule"), 0x3CD, 1},
    {u"W", QT_TRANSLATE_NOOP("Unites", "Watt"), 0x3CD, 1},
    {u"mol", QT_TRANSLATE_NOOP("Unites", "mole"), 0x3C8, 1},
    {u"C", QT_TRANSLATE_NOOP("Unites", "Coulomb"), 0x3C0, 1},
    {u"%", QT_TRANSLATE_NOOP("Unites", "pour cent"), 0, 1},
    {u"lm", QT_TRANSLATE_NOOP("Unites", "lumen"), 0x3C8, 1},
    {u"lx", QT_TRANSLATE_NOOP("Unites", "lux"), 0x3C8, 1},
    {u"Bq", QT_TRANSLATE_NOOP("Unites", "Becquerel"), 0x3C8, 1},
    {u"Wb", QT_TRANSLATE_NOOP("Unites", "Weber"), 0x3C8, 1},
    {u"tr", QT_TRANSLATE_NOOP("Unites", "tour"), 0, 1},
}};

constexpr int kOhm = 10;

struct Prefixe {
    char16_t lettre;
    int bit;
    int exposant;
};

constexpr std::array<Prefixe, 10> kPrefixes = {{
    {u'T', kPrefixeT, 12},
    {u'G', kPrefixeG, 9},
    {u'M', kPrefixeM, 6},
    {u'k', kPrefixek, 3},
    {u'c', kPrefixec, -2},
    {u'm', kPrefixem, -3},
    {0x00B5, kPrefixeMicro, -6},
    {u'n', kPrefixen, -9},
    {u'p', kPrefixep, -12},
    {u'f', kPrefixef, -15},
}};

const UniteConnue& Entree(int index) {
    return kUnites[index >= 0 && index <= kNombreUnites ? index : 0];
}

const Prefixe* TrouverPrefixe(QChar c) {
    // The Greek mu typed from the letter picker is the micro prefix.
    const char16_t u = c.unicode() == 0x03BC ? char16_t(0x00B5) : c.unicode();
    for (const Prefixe& p : kPrefixes)
        if (p.lettre == u) return &p;
    return nullptr;
}

bool EstOmega(QChar c) {
    return c.unicode() == 0x03A9 || c.unicode() == 0x2126;
}

} // namespace

QString SymboleUnite(int index) {
    return QString::fromUtf16(Entree(index).symbole);
}

QString NomUnite(int index) {
    const char* nom = Entree(index).nom;
    return *nom ? QCoreApplication::translate("Unites", nom) : QString();
}

int PrefixesUnite(int index) {
    return Entree(index).prefixes;
}

int PuissanceUnite(int index) {
    return Entree(index).puissance;
}

QStringList SymbolesUnites() {
    QStringList symboles;
    for (int i = 1; i <= kNombreUnites; ++i)
        symboles << SymboleUnite(i);
    return symboles;
}

QString SymboleAffiche(int index) {
    return index == kOhm ? QString(QChar(0x03A9)) : SymboleUnite(index);
}

bool EstPrefixe(QChar c) {
    return TrouverPrefixe(c) != nullptr;
}

int ExposantPrefixe(QChar c) {
    const Prefixe* p = TrouverPrefixe(c);
    return p ? p->exposant : 0;
}

double FacteurPrefixe(QChar c) {
    return Puissance10(ExposantPrefixe(c));
}

int BitDuPrefixe(QChar c) {
    const Prefixe* p = TrouverPrefixe(c);
    return p ? p->bit : 0;
}

int IndexUnite(const QString& texte) {
    if (texte.isEmpty()) return 0;
    // Only the part before a quotient or a product names the unit ("V/m" → V).
    qsizetype coupe = texte.indexOf(QLatin1Char('/'));
    if (coupe < 0) {
        const qsizetype tiret = texte.indexOf(QLatin1Char('-'));
        const qsizetype point = texte.indexOf(QLatin1Char('.'));
        coupe = tiret < 0 ? point : (point < 0 ? tiret : std::min(tiret, point));
    }
    QString t = coupe >= 0 ? texte.left(coupe) : texte;
    if (t == QLatin1String("m") || t.compare(QLatin1String("METRE"), Qt::CaseInsensitive) == 0 ||
        t.compare(QStringView(u"MÈTRE"), Qt::CaseInsensitive) == 0)
        return 1;
    if (t == QLatin1String("l")) t = QStringLiteral("L");
    // Ohm typed as its Greek letter (or the Ohm sign) is the Ohm unit.
    if (!t.isEmpty() && EstOmega(t.front())) return kOhm;
    // The longest symbol that begins the text wins, so that "Hz" is not taken for "H"
    // nor "Wb" for "W".
    int trouve = 0;
    qsizetype longueur = 0;
    for (int i = 2; i <= kNombreUnites; ++i) {
        const QStringView symbole(Entree(i).symbole);
        if (symbole.size() > longueur && t.startsWith(symbole)) {
            trouve = i;
            longueur = symbole.size();
        }
    }
    return trouve;
}

FacteurEtUnite FacteurUnite(const QString& unite) {
    if (unite.isEmpty() || unite == QLatin1String("m") || unite == QLatin1String("s"))
        return {1, 0, unite};
    if (unite == QLatin1String("min")) return {60, 0, QStringLiteral("s")};
    if (unite == QLatin1String("h")) return {3600, 0, QStringLiteral("s")};
    if (IndexUnite(unite) > 0) return {1, 0, unite};
    const QString reste = unite.mid(1);
    if (reste.isEmpty() || IndexUnite(reste) > 0) {
        // The prefix scales the length of a squared or cubed unit.
        const int exposant = ExposantPrefixe(unite.front()) * PuissanceUnite(IndexUnite(reste));
        if (exposant != 0) return {Puissance10(exposant), exposant, reste};
    }
    return {1, 0, unite};
}

double MultiplierParFacteur(double x, const FacteurEtUnite& f) {
    return f.exposant != 0 ? EchelleDix(x, f.exposant) : x * f.facteur;
}

double DiviserParFacteur(double x, const FacteurEtUnite& f) {
    return f.exposant != 0 ? EchelleDix(x, -f.exposant) : x / f.facteur;
}

QChar PrefixeUnite(const QString& unite, double x) {
    const int index = IndexUnite(unite);
    const int permis = PrefixesUnite(index);
    const int puissance = PuissanceUnite(index);
    // For m² and m³ the prefix is chosen on the length the value stands for.
    const double a = puissance > 1 ? std::pow(std::fabs(x), 1.0 / puissance) : std::fabs(x);
    const auto permet = [permis](int bit) { return (permis & bit) != 0; };
    if (!(a <= 1e21)) return {};
    if (a > 1e12 && permet(kPrefixeT)) return QLatin1Char('T');
    if (a > 9.999e8 && permet(kPrefixeG)) return QLatin1Char('G');
    if (a > 999900 && permet(kPrefixeM)) return QLatin1Char('M');
    if (a > 999.9 && permet(kPrefixek)) return QLatin1Char('k');
    const double limite = permet(kPrefixec) || unite == QLatin1String("s") ? 0.9999 : 0.00999;
    if (a > limite) return {};
    if (a > 0.009999 && permet(kPrefixec)) return QLatin1Char('c');
    if (a > 9.999e-4 && permet(kPrefixem)) return QLatin1Char('m');
    if (a > 9.999e-7 && permet(kPrefixeMicro)) return kMicro;
    if (a > 9.999e-10 && permet(kPrefixen)) return QLatin1Char('n');
    if (a > 9.999e-14 && permet(kPrefixep)) return QLatin1Char('p');
    if (a > 9.999e-16 && permet(kPrefixef)) return QLatin1Char('f');
    return {};
}

} // namespace pelavorine
