#include "cli/SortieRun.h"

#include "core/store/Nombres.h"
#include "core/travail/Travail.h"

#include <QJsonArray>
#include <charconv>
#include <cmath>

namespace pelavorine::cli {

QString ChaineJson(const QString& texte) {
    QString r = QStringLiteral("\"");
    for (QChar c : texte) {
        switch (c.unicode()) {
        case u'"':
            r += QStringLiteral("\\\"");
            break;
        case u'\\':
            r += QStringLiteral("\\\\");
            break;
        case u'\n':
            r += QStringLiteral("\\n");
            break;
        case u'\r':
            r += QStringLiteral("\\r");
            break;
        case u'\t':
            r += QStringLiteral("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                r += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                r += c;
        }
    }
    return r + QLatin1Char('"');
}

namespace {

QString Nombre(double x) {
    return std::isfinite(x) ? Reel(x) : QStringLiteral("null");
}

QString Variable(const TypeId& v) {
    const int fenetre = v.PremiereFenetre() ? v.PremiereFenetre() : 1;
    QString o = QStringLiteral("{\"genre\":%1,\"capacity\":%2,\"first\":%3,\"count\":%4,")
                    .arg(v.Genre)
                    .arg(v.Capacite())
                    .arg(v.Premier)
                    .arg(v.NbPoints);
    o += QStringLiteral("\"unit\":") + ChaineJson(v.Unite) + QStringLiteral(",\"abscissa\":") +
         ChaineJson(v.NomAbscisseAffiche());
    if (v.Capacite() <= 1) return o + QStringLiteral(",\"value\":") + Nombre(v.LirePoint(0)) + '}';
    QStringList points, abscisses;
    for (int i = v.Premier; i <= v.NbPoints; ++i) {
        points << Nombre(v.LirePoint(i));
        abscisses << Nombre(v.Abscisse(i, fenetre));
    }
    return o + QStringLiteral(",\"points\":[") + points.join(QLatin1Char(',')) +
           QStringLiteral("],\"x\":[") + abscisses.join(QLatin1Char(',')) + QStringLiteral("]}");
}

} // namespace

QString Reel(double x) {
    char tampon[32];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, x);
    return QString::fromLatin1(tampon, static_cast<int>(r.ptr - tampon));
}

QStringList NomsDepuisTemps(const Travail& travail) {
    QStringList noms;
    const TableVariables& table = travail.Variables();
    for (int slot = table.CaseTemps(); slot >= 1 && slot <= table.DerniereCase(); ++slot)
        if (const TypeId* v = table.Variable(slot)) noms << v->Nom;
    return noms;
}

QString ErreurJson(const std::optional<ErreurRun>& erreur) {
    if (!erreur) return QStringLiteral("null");
    return QStringLiteral("{\"line\":%1,\"column\":%2,\"code\":%3,\"message\":")
               .arg(erreur->ligne)
               .arg(erreur->colonne)
               .arg(erreur->code) +
           ChaineJson(erreur->message) + '}';
}

QString VariablesJson(const Travail& travail, const QStringList& noms) {
    const TableVariables& table = travail.Variables();
    QStringList vars;
    for (const QString& nom : noms) {
        const TypeId* v = table.Variable(table.IndexVariable(nom));
        vars << ChaineJson(v ? v->Nom : nom) + ':' + (v ? Variable(*v) : QStringLiteral("null"));
    }
    return '{' + vars.join(QLatin1Char(',')) + '}';
}

QString ValeurJson(const QJsonValue& valeur) {
    switch (valeur.type()) {
    case QJsonValue::Bool:
        return valeur.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Double:
        return Nombre(valeur.toDouble());
    case QJsonValue::String:
        return ChaineJson(valeur.toString());
    case QJsonValue::Array: {
        QStringList elements;
        for (const QJsonValue& v : valeur.toArray())
            elements << ValeurJson(v);
        return '[' + elements.join(QLatin1Char(',')) + ']';
    }
    case QJsonValue::Object: {
        const QJsonObject objet = valeur.toObject();
        QStringList champs;
        for (auto c = objet.begin(); c != objet.end(); ++c)
            champs << ChaineJson(c.key()) + ':' + ValeurJson(c.value());
        return '{' + champs.join(QLatin1Char(',')) + '}';
    }
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("null");
}

QString DocumentJson(const Travail& travail, const QList<ResultatLigne>& resultats,
                     const std::optional<ErreurRun>& erreur, const QStringList& noms,
                     const QJsonObject& champs) {
    QStringList r;
    for (const ResultatLigne& l : resultats)
        r << QStringLiteral("{\"line\":%1,\"text\":").arg(l.ligne) + ChaineJson(l.texte) + '}';
    QString document = QStringLiteral("{\"results\":[") + r.join(QLatin1Char(',')) +
                       QStringLiteral("],\"error\":") + ErreurJson(erreur) +
                       QStringLiteral(",\"variables\":") + VariablesJson(travail, noms);
    for (auto c = champs.begin(); c != champs.end(); ++c) {
        // run's fields stay run's: a subcommand names its own differently.
        Q_ASSERT(c.key() != QLatin1String("results") && c.key() != QLatin1String("error") &&
                 c.key() != QLatin1String("variables"));
        document += ',' + ChaineJson(c.key()) + ':' + ValeurJson(c.value());
    }
    return document + QStringLiteral("}\n");
}

QString ErreurLisible(const ErreurRun& erreur) {
    return erreur.ligne > 0 ? QStringLiteral("Erreur ligne %1, colonne %2 : %3\n")
                                  .arg(erreur.ligne)
                                  .arg(erreur.colonne)
                                  .arg(erreur.message)
                            : QStringLiteral("Erreur : %1\n").arg(erreur.message);
}

QString VariablesLisibles(const Travail& travail, const QStringList& noms) {
    QString texte;
    const TableVariables& table = travail.Variables();
    const ReglagesNombres& r = travail.nombres;
    for (const QString& nom : noms) {
        const TypeId* v = table.Variable(table.IndexVariable(nom));
        if (!v) {
            texte += nom + QStringLiteral(" : variable inconnue\n");
            continue;
        }
        // Without a unit a prefix alone would read as one ("1.00 m" for 0.001).
        const auto valeur = [&](double x) {
            return v->Unite.isEmpty() ? TexteValeur(r, r.chiffres, 0, x)
                                      : TexteValeurUnite(r, r.chiffres, v->Unite, 0, x);
        };
        if (v->Capacite() <= 1) {
            texte += v->Nom + QStringLiteral(" = ") + valeur(v->LirePoint(0)) + '\n';
            continue;
        }
        texte += v->Nom + QStringLiteral(" (%1 points) :").arg(v->NbPoints - v->Premier + 1);
        for (int i = v->Premier; i <= v->NbPoints; ++i)
            texte += ' ' + valeur(v->LirePoint(i));
        texte += '\n';
    }
    return texte;
}

QString TexteLisible(const Travail& travail, const QList<ResultatLigne>& resultats,
                     const std::optional<ErreurRun>& erreur, const QStringList& noms) {
    QString texte;
    for (const ResultatLigne& l : resultats)
        texte += QStringLiteral("%1 :%2\n").arg(l.ligne, 3).arg(l.texte);
    if (erreur) texte += ErreurLisible(*erreur);
    return texte + VariablesLisibles(travail, noms);
}

} // namespace pelavorine::cli
