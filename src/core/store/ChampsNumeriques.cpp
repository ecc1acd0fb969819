#include "core/store/ChampsNumeriques.h"

#include "core/store/Unites.h"
#include "core/texte/CodageTexte.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

namespace pelavorine {
namespace {

constexpr char16_t kRetourArriere = 0x08;
constexpr char16_t kEntree = 0x0D;
constexpr char16_t kEchap = 0x1B;
constexpr char16_t kMu = 0x03BC;

QString Tr(const char* texte) {
    return QCoreApplication::translate("ChampsNumeriques", texte);
}

bool EstChiffre(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool Parmi(QChar c, const char* liste) {
    for (; *liste; ++liste)
        if (c == QLatin1Char(*liste)) return true;
    return false;
}

// The micro sign and the Greek mu are the same key.
bool EstMicro(QChar c) {
    return c == kMicro || c.unicode() == kMu;
}

// The French accented letters of Windows-1252 that a name may start with.
constexpr std::u16string_view kAccentuees = u"ÀÂÇÈÉÊÎÏÔÙÛàâçèéêîïôùû";

// Letters a name may start with: A–Z, a–z and the French accented letters.
bool PremierCaractereIdent(QChar c) {
    const char16_t u = c.unicode();
    if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')) return true;
    return kAccentuees.find(u) != std::u16string_view::npos;
}

bool CaractereSuivantIdent(QChar c) {
    return PremierCaractereIdent(c) || EstChiffre(c) || c.unicode() == kRetourArriere ||
           Parmi(c, "\"'*+-./_") || c.unicode() == 0xB0 || c.unicode() == 0xB2 || EstMicro(c);
}

bool DansJeu(const JeuCaracteres* jeu, QChar c) {
    unsigned char octet = 0;
    return jeu && codage::OctetDe(c, codage::Champ::Texte, octet) && jeu->test(octet);
}

bool ASigne(const QString& texte) {
    return texte.contains(QLatin1Char('+')) || texte.contains(QLatin1Char('-'));
}

Lecture LireEntierDecimal(const QString& texte, bool signe, qint64 mini, qint64 maxi) {
    qsizetype i = 0;
    if (signe && !texte.isEmpty() && Parmi(texte.front(), "+-")) ++i;
    if (i == texte.size()) return {};
    for (qsizetype j = i; j < texte.size(); ++j)
        if (!EstChiffre(texte[j])) return {};
    bool ok = false;
    const qlonglong v = texte.toLongLong(&ok);
    if (!ok || v < mini || v > maxi) return {};
    return {static_cast<double>(v), true};
}

// The first "," or "." is the decimal point.
QString AvecPoint(QString texte) {
    const qsizetype virgule = texte.indexOf(QLatin1Char(','));
    const qsizetype point = texte.indexOf(QLatin1Char('.'));
    if (virgule >= 0 && (point < 0 || virgule < point)) texte[virgule] = QLatin1Char('.');
    return texte;
}

template <typename Lire>
ValidationNumEdit Valider(const ChampNumEdit& champ, const QString& texte, Lire lire) {
    ValidationNumEdit v;
    const QString t = texte.trimmed();
    if (t.isEmpty()) {
        if (champ.chaineVideValide) {
            v.etat = ValidationNumEdit::Etat::Vide;
            return v;
        }
        v.message = MessageValeurIncorrecte();
        return v;
    }
    const Lecture l = lire(t);
    if (!l.correct) {
        v.message = MessageValeurIncorrecte();
        return v;
    }
    v.valeur = l.valeur * std::max(1, champ.multiplieur);
    const auto horsLimite = [&](const QString& limite, bool mini) {
        const Lecture borne = lire(limite.trimmed());
        return borne.correct && (mini ? v.valeur < borne.valeur : v.valeur > borne.valeur);
    };
    const bool avecMini =
        champ.limiteMode == ModeLimite::liMin || champ.limiteMode == ModeLimite::liMinMax;
    const bool avecMaxi =
        champ.limiteMode == ModeLimite::liMax || champ.limiteMode == ModeLimite::liMinMax;
    QString violee;
    bool depasse = false;
    if (avecMini && horsLimite(champ.limiteMini, true)) {
        violee = champ.limiteMini;
        depasse = true;
    } else if (avecMaxi && horsLimite(champ.limiteMaxi, false)) {
        violee = champ.limiteMaxi;
        depasse = true;
    }
    if (depasse) {
        v.etat = ValidationNumEdit::Etat::HorsLimites;
        v.message = Tr(QT_TRANSLATE_NOOP("ChampsNumeriques", "Valeur hors limites : ")) +
                    TexteLimites(champ);
        v.texteRetenu = violee;
        return v;
    }
    v.etat = ValidationNumEdit::Etat::Correcte;
    return v;
}

} // namespace

QString MessageValeurIncorrecte() {
    return Tr(kValeurSaisieIncorrecte);
}
QString MessageNomIncorrect() {
    return Tr(kNomIncorrect);
}

QString TexteScientific(const ReglagesNombres& r, const ChampScientific& champ, double valeur,
                        bool sansSeuil) {
    if (valeur == 0) return QStringLiteral("0");
    // The field's own display settings stand in for the work's for this call.
    ReglagesNombres reglages = r;
    reglages.garderZeros = champ.avecZeros;
    reglages.seuilValidite = champ.seuilActif && !sansSeuil;
    const int chiffres = champ.avecZeros ? -champ.nbChiffres : champ.nbChiffres;
    const double reference = sansSeuil ? 0 : champ.seuil;
    switch (champ.format) {
    case FormatScientific::scNumerique:
        return TexteValeur(reglages, chiffres, reference, valeur);
    case FormatScientific::scScientific:
        reglages.ingenieur = true;
        return TexteValeurUnite(reglages, chiffres, champ.unite, reference, valeur);
    case FormatScientific::scTemps:
        // Short durations are written in seconds: without their unit the text would not
        // read back to the same value in a field whose unit is not "s".
        reglages.ingenieur = true;
        return TexteDuree(reglages, chiffres, champ.unite, true, valeur);
    }
    return {};
}

double ValeurScientific(const ChampScientific& champ, double valeur) {
    if (champ.limiteMaxi != 0 && valeur > champ.limiteMaxi) valeur = champ.limiteMaxi;
    if (champ.limiteMini != 0 && valeur < champ.limiteMini) valeur = champ.limiteMini;
    if (champ.arrondi != 0) {
        // A quotient within rounding noise of an integer is that integer (0.3 / 0.1 is
        // 2.9999999999999996, and 0.3 is already a multiple of 0.1).
        const double q = valeur / champ.arrondi;
        double n = std::nearbyint(q);
        if (std::fabs(q - n) > 1e-9 * std::max(1.0, std::fabs(q))) n = std::trunc(q);
        valeur = n * champ.arrondi;
    }
    return valeur;
}

QString UniteScientific(FormatScientific format, const QString& unite) {
    if (format != FormatScientific::scTemps) return unite;
    if (unite == QLatin1String("s") || unite == QLatin1String("min") || unite == QLatin1String("h"))
        return unite;
    const int secondes = IndexUnite(QStringLiteral("s"));
    if (unite.size() == 2 && unite[1] == QLatin1Char('s') &&
        (BitDuPrefixe(unite[0]) & PrefixesUnite(secondes)) != 0)
        return unite;
    return QStringLiteral("s");
}

bool ToucheScientific(FormatScientific format, QChar touche) {
    const char16_t u = touche.unicode();
    if (u == kRetourArriere || u == kEntree || u == kEchap || touche == QLatin1Char('.'))
        return true;
    switch (format) {
    case FormatScientific::scNumerique:
        return EstChiffre(touche) || Parmi(touche, "+-.Ee");
    case FormatScientific::scScientific:
        return EstChiffre(touche) || Parmi(touche, "+-.Ee /GMTcfkmnp") || EstMicro(touche);
    case FormatScientific::scTemps:
        return EstChiffre(touche) || Parmi(touche, " +-.Eefhimnps") || EstMicro(touche);
    }
    return false;
}

Lecture LireScientific(const ChampScientific& champ, const QString& texte) {
    QString t = texte.trimmed();
    while (!t.isEmpty() && Parmi(t.back(), "+-."))
        t.chop(1);
    // In a field in metres "5m" means 5 metres, not 5 millimetres.
    if (champ.unite == QLatin1String("m") && t.endsWith(QLatin1Char('m'))) t.chop(1);
    Lecture l;
    switch (champ.format) {
    case FormatScientific::scNumerique:
        l = LireNombreSimple(t);
        break;
    case FormatScientific::scScientific:
        l = LireValeur(t);
        break;
    case FormatScientific::scTemps:
        l = LireDuree(t);
        break;
    }
    if (!l.correct) return {};
    // A value typed with its unit comes in base units; a bare number is in the field's unit.
    bool avecUnite = !t.isEmpty() && !EstChiffre(t.back());
    if (champ.format == FormatScientific::scTemps)
        avecUnite = avecUnite || t.contains(QLatin1Char('h')) || t.contains(QLatin1String("min"));
    if (avecUnite) l.valeur = DiviserParFacteur(l.valeur, FacteurUnite(champ.unite.trimmed()));
    return l;
}

QString TexteLimites(const ChampNumEdit& champ) {
    switch (champ.limiteMode) {
    case ModeLimite::liNone:
        return {};
    case ModeLimite::liMin:
        return Tr(QT_TRANSLATE_NOOP("ChampsNumeriques", "LIMITES : Minimum %1%2"))
            .arg(champ.limiteMini, champ.limiteUnite);
    case ModeLimite::liMax:
        return Tr(QT_TRANSLATE_NOOP("ChampsNumeriques", "LIMITES : Maximum %1%2"))
            .arg(champ.limiteMaxi, champ.limiteUnite);
    case ModeLimite::liMinMax:
        return Tr(QT_TRANSLATE_NOOP("ChampsNumeriques", "LIMITES : %1 à %2%3"))
            .arg(champ.limiteMini, champ.limiteMaxi, champ.limiteUnite);
    }
    return {};
}

ValidationNumEdit ValiderReel(const ChampNumEdit& champ, const QString& texte) {
    return Valider(champ, texte, [](const QString& t) { return LireNombreSimple(AvecPoint(t)); });
}

ValidationNumEdit ValiderEntier(const ChampNumEdit& champ, GenreEntier genre,
                                const QString& texte) {
    return Valider(champ, texte, [genre](const QString& t) { return LireEntier(genre, t); });
}

QString TexteHexa(quint32 valeur) {
    return QLatin1Char('$') + QString::number(valeur, 16).toUpper();
}

Lecture LireHexa(const QString& texte) {
    QString t = texte.trimmed().toUpper();
    if (!t.startsWith(QLatin1Char('$'))) t.prepend(QLatin1Char('$'));
    if (t.size() == 1) return {0, true};
    bool ok = false;
    const qulonglong v = t.mid(1).toULongLong(&ok, 16);
    // toULongLong would also take a sign or a "0x" prefix: only hexadecimal digits count.
    const bool chiffres = std::all_of(t.begin() + 1, t.end(), [](QChar c) {
        return EstChiffre(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
    });
    if (!ok || !chiffres || v > std::numeric_limits<quint32>::max()) return {};
    return {static_cast<double>(v), true};
}

Lecture LireEntier(GenreEntier genre, const QString& texte) {
    const QString t = texte.trimmed();
    switch (genre) {
    case GenreEntier::fiInteger:
    case GenreEntier::fiUser:
        return LireEntierDecimal(t, true, std::numeric_limits<qint32>::min(),
                                 std::numeric_limits<qint32>::max());
    case GenreEntier::fiWord:
        return LireEntierDecimal(t, false, 0, 65535);
    case GenreEntier::fiHexa:
        return LireHexa(t);
    }
    return {};
}

QChar ToucheReel(const QString& texte, bool selection, QChar touche) {
    const QChar c = touche.toUpper();
    if (c.unicode() == kRetourArriere || EstChiffre(c)) return c;
    if (c == QLatin1Char('.') || c == QLatin1Char(',')) return c;
    if (c == QLatin1Char('E'))
        return texte.contains(QLatin1Char('E'), Qt::CaseInsensitive) ? QChar() : c;
    if (Parmi(c, "+-")) {
        // A second sign only belongs to an exponent.
        const bool refuse = ASigne(texte) && !texte.contains(QLatin1Char('E'), Qt::CaseInsensitive);
        return refuse && !selection ? QChar() : c;
    }
    return {};
}

QChar ToucheEntier(GenreEntier genre, const QString& texte, bool selection, QChar touche,
                   const JeuCaracteres* jeu) {
    const QChar c = touche.toUpper();
    if (c.unicode() == kRetourArriere) return c;
    switch (genre) {
    case GenreEntier::fiInteger:
        if (EstChiffre(c)) return c;
        if (Parmi(c, "+-")) return ASigne(texte) && !selection ? QChar() : c;
        return {};
    case GenreEntier::fiWord:
        return EstChiffre(c) ? c : QChar();
    case GenreEntier::fiHexa:
        if (EstChiffre(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'))) return c;
        if (c == QLatin1Char('$'))
            return texte.contains(QLatin1Char('$')) && !selection ? QChar() : c;
        return {};
    case GenreEntier::fiUser:
        return DansJeu(jeu, c) ? c : QChar();
    }
    return {};
}

bool ToucheChaine(GenreChaine genre, const QString& texte, QChar touche, const JeuCaracteres* jeu) {
    switch (genre) {
    case GenreChaine::geTout:
        return true;
    case GenreChaine::geIdent:
        return texte.isEmpty() ? PremierCaractereIdent(touche) || touche.unicode() == kRetourArriere
                               : CaractereSuivantIdent(touche);
    case GenreChaine::geFichier:
        return touche.unicode() >= 0x01 && touche.unicode() <= 0x7F && !Parmi(touche, "*,:;?");
    case GenreChaine::geUser:
        return DansJeu(jeu, touche);
    }
    return false;
}

bool IdentCorrect(const QString& texte, bool chaineVideValide) {
    if (texte.isEmpty()) return chaineVideValide;
    return PremierCaractereIdent(texte.front());
}

} // namespace pelavorine
