#include "core/store/Nombres.h"

#include "core/store/Unites.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace pelavorine {
namespace {

// 10^0 … 10^22 are exact doubles.
constexpr int kPuissanceExacteMax = 22;
constexpr std::array<double, kPuissanceExacteMax + 1> kPuissancesExactes = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The decimal digits and exponent of |x| rounded to a number of significant digits
// (precision 0: the shortest digits that read back to x).
struct FormeDecimale {
    bool negatif = false;
    std::string chiffres;
    int exposant = 0;
};

FormeDecimale Decomposer(double x, int precision) {
    std::array<char, 64> tampon{};
    const double a = std::fabs(x);
    const auto fin = precision > 0 ? std::to_chars(tampon.data(), tampon.data() + tampon.size(), a,
                                                   std::chars_format::scientific, precision - 1)
                                   : std::to_chars(tampon.data(), tampon.data() + tampon.size(), a,
                                                   std::chars_format::scientific);
    FormeDecimale f;
    f.negatif = std::signbit(x) && x != 0;
    const char* p = tampon.data();
    for (; p < fin.ptr && *p != 'e'; ++p)
        if (*p != '.') f.chiffres.push_back(*p);
    if (p < fin.ptr) f.exposant = std::atoi(p + 1);
    return f;
}

// The mantissa d.ddd of a decomposition, read without the C library's locale.
double MantisseDe(const FormeDecimale& f) {
    const std::string texte = f.chiffres.substr(0, 1) + "." + f.chiffres.substr(1);
    double v = 0;
    std::from_chars(texte.data(), texte.data() + texte.size(), v);
    return v;
}

void OterZerosFinaux(std::string& chiffres) {
    while (chiffres.size() > 1 && chiffres.back() == '0')
        chiffres.pop_back();
}

QString TexteNonFini(double x) {
    if (std::isnan(x)) return QStringLiteral("NAN");
    return x < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

QString ExposantEcrit(int e, int chiffresMinimum) {
    return QString::number(std::abs(e)).rightJustified(chiffresMinimum, QLatin1Char('0'));
}

// The exponent of the 13-digit form, one more when its mantissa is above 9.999999 (a value
// that close to the next decade counts as it).
int ExposantDecade(double x) {
    const FormeDecimale f = Decomposer(x, 13);
    return f.exposant + (MantisseDe(f) > 9.999999 ? 1 : 0);
}

bool EstChiffre(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

QString OterBlancsEtTabulations(const QString& s) {
    qsizetype debut = 0;
    qsizetype fin = s.size();
    const auto blanc = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    while (debut < fin && blanc(s[debut]))
        ++debut;
    while (fin > debut && blanc(s[fin - 1]))
        --fin;
    return s.mid(debut, fin - debut);
}

// Keeps the digits before the point: only the fraction of an over-long text is cut.
void CouperFraction(QString& texte, int permis) {
    const qsizetype point = texte.indexOf(QLatin1Char('.'));
    const qsizetype partieEntiere = point >= 0 ? point : texte.size();
    texte.truncate(std::max<qsizetype>(permis, partieEntiere));
    if (texte.endsWith(QLatin1Char('.'))) texte.chop(1);
}

// Pads to n digits: the point and a sign count as one character each, so that small values
// ("0.0123") get no extra zeros.
void GarderZeros(QString& texte, int n) {
    const int signe = texte.startsWith(QLatin1Char('-')) ? 1 : 0;
    bool point = texte.contains(QLatin1Char('.'));
    if (!point && texte.size() - signe < n) {
        texte += QLatin1Char('.');
        point = true;
    }
    while (texte.size() < n + (point ? 1 : 0) + signe)
        texte += QLatin1Char('0');
}

Lecture Incorrecte() {
    return {0, false};
}

} // namespace

QString MessageErreurSyntaxe() {
    return QCoreApplication::translate("Nombres", kErreurSyntaxe);
}

QString TexteInfini(bool negatif) {
    const QString infini = QCoreApplication::translate("Nombres", "Infini");
    return negatif ? QLatin1Char('-') + infini : infini;
}

double Puissance10(int k) {
    if (k >= 0 && k <= kPuissanceExacteMax) return kPuissancesExactes[k];
    if (k > 308) return HUGE_VAL;
    if (k < -324) return 0;
    const std::string texte = "1e" + std::to_string(k);
    double v = 0;
    std::from_chars(texte.data(), texte.data() + texte.size(), v);
    return v;
}

double EchelleDix(double x, int k) {
    while (k > kPuissanceExacteMax) {
        x *= kPuissancesExactes[kPuissanceExacteMax];
        k -= kPuissanceExacteMax;
    }
    while (k < -kPuissanceExacteMax) {
        x /= kPuissancesExactes[kPuissanceExacteMax];
        k += kPuissanceExacteMax;
    }
    return k >= 0 ? x * kPuissancesExactes[k] : x / kPuissancesExactes[-k];
}

QString FormeGenerale(double x, int precision, int chiffresExposant) {
    if (!std::isfinite(x)) return TexteNonFini(x);
    if (x == 0) return QStringLiteral("0");
    precision = std::clamp(precision, 1, 40);
    FormeDecimale f = Decomposer(x, precision);
    OterZerosFinaux(f.chiffres);
    const int nb = static_cast<int>(f.chiffres.size());
    std::string texte = f.negatif ? "-" : "";
    if (f.exposant < precision && f.exposant >= -5) {
        if (f.exposant >= 0) {
            const int entiers = f.exposant + 1;
            texte += f.chiffres.substr(0, entiers);
            if (nb < entiers) texte.append(entiers - nb, '0');
            if (nb > entiers) texte += "." + f.chiffres.substr(entiers);
        } else {
            texte += "0." + std::string(-f.exposant - 1, '0') + f.chiffres;
        }
        return QString::fromLatin1(texte);
    }
    texte += f.chiffres.substr(0, 1);
    if (nb > 1) texte += "." + f.chiffres.substr(1);
    texte += f.exposant < 0 ? "E-" : "E";
    return QString::fromLatin1(texte) + ExposantEcrit(f.exposant, chiffresExposant);
}

QString FormeSimple(double x) {
    return FormeGenerale(x, 15, 0);
}

QString FormeExposant(double x, int precision, int chiffresExposant) {
    if (!std::isfinite(x)) return TexteNonFini(x);
    precision = std::clamp(precision, 1, 40);
    const FormeDecimale f = Decomposer(x, precision);
    std::string texte = f.negatif ? "-" : "";
    texte += f.chiffres.substr(0, 1) + "." + f.chiffres.substr(1);
    texte += f.exposant < 0 ? "E-" : "E+";
    return QString::fromLatin1(texte) + ExposantEcrit(f.exposant, chiffresExposant);
}

int Exposant(double x) {
    return std::isfinite(x) ? Decomposer(x, 13).exposant : 0;
}

double Mantisse(double x) {
    if (!std::isfinite(x)) return x;
    if (x == 0) return 0;
    const FormeDecimale f = Decomposer(x, 20);
    const double signe = f.negatif ? -1 : 1;
    // A value just below a power of ten (1e23 is 9.99…e22 as a double) belongs to the next
    // decade, as its exponent says.
    if (f.exposant != Exposant(x)) return signe;
    return signe * MantisseDe(f);
}

double ArrondiPuissanceDix(double x) {
    if (!std::isfinite(x)) return 1;
    const double p = Puissance10(ExposantDecade(x));
    return std::isfinite(p) && p > 0 ? p : 1;
}

QString TexteValeur(const ReglagesNombres& r, int chiffres, double reference, double x) {
    if (x == 0) return QStringLiteral("0");
    if (std::isnan(x)) return QStringLiteral("NaN");
    if (std::isinf(x)) return TexteInfini(x < 0);
    const bool garder = r.garderZeros || chiffres < 0;
    const long long demande = std::llabs(chiffres); // no overflow for INT_MIN
    const int n = demande > 20 || demande == 0 ? 5 : static_cast<int>(demande);

    if (reference < 0 || (reference > 0 && r.seuilValidite)) {
        const double seuil = std::isfinite(reference)
                                 ? Puissance10(ExposantDecade(std::fabs(reference)) - n)
                                 : Puissance10(-n);
        if (std::fabs(x) < seuil) return x > 0 ? QStringLiteral("0+") : QStringLiteral("0-");
    }

    // Round to n significant digits; between 0.1 and 1 one digit less, but never none (with
    // one digit 0.5 stays 0.5 rather than becoming 0).
    int e = Exposant(x);
    if (e == -1 && n > 1) e = 0;
    const int k = e - n + 1;
    double w = EchelleDix(std::nearbyint(EchelleDix(x, -k)), k);
    if (!std::isfinite(w)) w = x; // rounding up the largest doubles would overflow

    QString texte;
    int exposantAffiche = 0;
    if (std::fabs(x) > 10000 || std::fabs(x) < 0.0001) {
        exposantAffiche = Exposant(w);
        int decalage = 0;
        if (exposantAffiche != 0)
            while (exposantAffiche % 3 != 0) {
                --exposantAffiche;
                ++decalage;
            }
        texte = FormeSimple(EchelleDix(Mantisse(w), decalage));
        const bool point = texte.contains(QLatin1Char('.'));
        const bool signe = texte.startsWith(QLatin1Char('-'));
        CouperFraction(texte, n + (point ? 1 : 0) + (signe ? 1 : 0));
    } else {
        texte = FormeSimple(w);
    }
    if (garder) GarderZeros(texte, n);
    if (exposantAffiche != 0) texte += QStringLiteral(" E") + QString::number(exposantAffiche);
    return texte;
}

QString TexteValeurUnite(const ReglagesNombres& r, int chiffres, const QString& unite,
                         double reference, double x) {
    if (x == 0) return QStringLiteral("0");
    if (!r.ingenieur) return TexteValeur(r, chiffres, 0, x);
    const FacteurEtUnite f = FacteurUnite(OterBlancsEtTabulations(unite));
    const double valeur = MultiplierParFacteur(x, f);
    const QChar lettre = PrefixeUnite(f.unite, valeur);
    const int k =
        lettre.isNull() ? 0 : ExposantPrefixe(lettre) * PuissanceUnite(IndexUnite(f.unite));
    QString texte = TexteValeur(r, chiffres, EchelleDix(MultiplierParFacteur(reference, f), -k),
                                EchelleDix(valeur, -k));
    const QString uniteAffichee = lettre.isNull() ? f.unite : lettre + f.unite;
    if (texte != QLatin1String("0+") && texte != QLatin1String("0-") && !uniteAffichee.isEmpty())
        texte = OterBlancsEtTabulations(texte + QLatin1Char(' ') + uniteAffichee);
    const qsizetype arobase = texte.indexOf(QLatin1Char('@'));
    if (arobase >= 0) texte[arobase] = QLatin1Char('m');
    return texte;
}

QString TexteDuree(const ReglagesNombres& r, int chiffres, const QString& unite, bool avecHeures,
                   double x) {
    const double s = MultiplierParFacteur(x, FacteurUnite(OterBlancsEtTabulations(unite)));
    const QString signe = s < 0 ? QStringLiteral("-") : QString();
    const double a = std::fabs(s);
    if (!(a > 100) || std::isinf(a))
        return signe + TexteValeurUnite(r, chiffres, QStringLiteral("s"), 0, a);
    double t = std::nearbyint(a);
    QString texte;
    if (avecHeures && t >= 3600) {
        const double reste = std::fmod(t, 3600);
        texte += FormeSimple((t - reste) / 3600) + QStringLiteral("h ");
        t = reste;
    }
    const double secondes = std::fmod(t, 60);
    const double minutes = (t - secondes) / 60;
    if (minutes >= 1) texte += FormeSimple(minutes) + QStringLiteral(" min ");
    if (secondes >= 1) texte += FormeSimple(secondes) + QStringLiteral(" s ");
    return signe + texte;
}

QString TexteNombre(int decimales, double x) {
    if (std::fabs(x) > 9.9e299) return TexteInfini(x < 0);
    if (std::fabs(x) > 1e-40 && decimales != 0 && x != 0) {
        // Bring small values to at least 0.1 so that the decimals count significant digits.
        int echelle = 0;
        double v = x;
        while (std::fabs(v) < 0.1) {
            v = EchelleDix(v, 1);
            ++echelle;
        }
        if (1e300 / Puissance10(decimales) >= v) {
            const double y = EchelleDix(v, decimales);
            const double entier = std::trunc(y);
            x = EchelleDix(entier + std::nearbyint(y - entier), -decimales - echelle);
        }
    }
    return FormeGenerale(x, 11, 3);
}

Lecture LireNombreSimple(const QString& texte) {
    qsizetype i = 0;
    const qsizetype n = texte.size();
    const auto chiffres = [&] {
        const qsizetype debut = i;
        while (i < n && EstChiffre(texte[i]))
            ++i;
        return i - debut;
    };
    if (i < n && (texte[i] == QLatin1Char('+') || texte[i] == QLatin1Char('-'))) ++i;
    qsizetype mantisse = chiffres();
    if (i < n && texte[i] == QLatin1Char('.')) {
        ++i;
        mantisse += chiffres();
    }
    if (mantisse == 0) return Incorrecte();
    if (i < n && (texte[i] == QLatin1Char('e') || texte[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (texte[i] == QLatin1Char('+') || texte[i] == QLatin1Char('-'))) ++i;
        if (chiffres() == 0) return Incorrecte();
    }
    if (i != n) return Incorrecte();
    bool ok = false;
    const double v = QLocale::c().toDouble(texte, &ok);
    if (ok) return {v, true};
    // Below the smallest double the value is 0; above the largest it is unreadable.
    return v == 0 ? Lecture{0, true} : Incorrecte();
}

Lecture LireValeur(const QString& texte) {
    QString t = texte;
    t.remove(QLatin1Char(' '));
    qsizetype fin = t.size();
    while (fin > 0 && !EstChiffre(t[fin - 1]))
        --fin;
    QString suffixe = t.mid(fin);
    if (!suffixe.isEmpty() && QStringLiteral("()*+,-/<=>[]^ ").contains(suffixe.front()))
        return Incorrecte();
    QString nombre = t.left(fin);
    nombre.replace(QLatin1Char(','), QLatin1Char('.'));
    const Lecture l = LireNombreSimple(nombre);
    if (!l.correct) return Incorrecte();
    // A lone "m" after a number is milli, not metre.
    if (suffixe == QLatin1String("m")) suffixe = QStringLiteral("mm");
    return {MultiplierParFacteur(l.valeur, FacteurUnite(suffixe)), true};
}

Lecture LireDuree(const QString& texte) {
    QString t = texte;
    t.remove(QLatin1Char(' '));
    if (t.isEmpty() || t == QLatin1String("0")) return {0, true};
    const qsizetype h = t.indexOf(QLatin1Char('h'));
    const qsizetype min = t.indexOf(QLatin1String("min"));
    if (h < 0 && min < 0) return LireValeur(t);
    if (h >= 0 && min >= 0 && min < h) return Incorrecte();

    // A marker needs its number in front; the seconds after the last marker may be absent.
    double total = 0;
    qsizetype debut = 0;
    const auto ajouter = [&](qsizetype fin, double facteur) {
        const Lecture l = LireValeur(t.mid(debut, fin - debut));
        total += l.valeur * facteur;
        return l.correct;
    };
    if (h >= 0) {
        if (!ajouter(h, 3600)) return Incorrecte();
        debut = h + 1;
    }
    if (min >= 0) {
        if (!ajouter(min, 60)) return Incorrecte();
        debut = min + 3;
    }
    if (debut < t.size() && !ajouter(t.size(), 1)) return Incorrecte();
    return {total, true};
}

Lecture LireNombre(const QString& texte) {
    const QString t = texte.left(20).trimmed().toUpper();
    if (t.isEmpty()) return {0, true};
    const QString infini = TexteInfini(false).toUpper();
    if (t.contains(QLatin1String("INFINI")) || t.contains(infini)) {
        const bool negatif = t == QLatin1String("-INFINI") || t == QLatin1Char('-') + infini;
        return {negatif ? -1e300 : 1e300, true};
    }
    return LireNombreSimple(t);
}

double ArrondiChiffres(int n, double x) {
    if (x == 0 || std::fabs(x) < 1e-30) return 0;
    if (!std::isfinite(x)) return x;
    if (n < 1) return 0;
    // Truncating the shortest decimal digits of x avoids the binary drift of repeated
    // scaling (2.3 keeps 2 digits as 2.3, not 2.2).
    FormeDecimale f = Decomposer(x, 0);
    if (static_cast<int>(f.chiffres.size()) > n) f.chiffres.resize(n);
    const std::string texte = (f.negatif ? "-" : "") + f.chiffres.substr(0, 1) + "." +
                              f.chiffres.substr(1) + "e" + std::to_string(f.exposant);
    double v = 0;
    std::from_chars(texte.data(), texte.data() + texte.size(), v);
    return v;
}

double ArrondiMultiple(double pas, double x) {
    const double p = std::fabs(pas);
    if (x != 0 && pas != 0 && std::fabs(x) < (p > 1 ? 5e299 : p * 1e300)) {
        const double c = x / p;
        const double entier = std::trunc(c);
        return p * (entier + std::nearbyint(c - entier));
    }
    return x;
}

QString FormatParDefaut(int entiers, int decimales) {
    const QString partie = QString(std::max(0, entiers - 1), QLatin1Char('#')) +
                           QStringLiteral("0.") + QString(std::max(0, decimales), QLatin1Char('#'));
    return (QLatin1Char(' ') + partie + QStringLiteral("; -") + partie + QStringLiteral("; 0"))
        .left(30);
}

} // namespace pelavorine
