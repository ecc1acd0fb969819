#include "CommandeRun.h"

#include "HoteScripte.h"
#include "Travail.h"
#include "store/Nombres.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <charconv>

namespace pelavorine::cli {

namespace {

// Options that later commands of the tool will bring; refused for now rather than ignored.
const QStringList kAVenir = {QStringLiteral("--sheet"), QStringLiteral("--line"),
                             QStringLiteral("--inputs"), QStringLiteral("--acquire"),
                             QStringLiteral("--save")};

// The shortest text that reads back to the same double.
QString Reel(double x) {
    char tampon[32];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, x);
    return QString::fromLatin1(tampon, static_cast<int>(r.ptr - tampon));
}

bool Entier(const QString& texte, int mini, int maxi, int& valeur) {
    bool ok = false;
    valeur = texte.toInt(&ok);
    return ok && valeur >= mini && valeur <= maxi;
}

} // namespace

bool CommandeRun::Analyser(const QStringList& arguments, QString& erreur) {
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--json")) {
            json_ = true;
            continue;
        }
        if (kAVenir.contains(a)) {
            erreur = QStringLiteral("l'option %1 n'est pas encore disponible").arg(a);
            return false;
        }
        static const QStringList avecValeur = {QStringLiteral("--points"), QStringLiteral("--tbase"),
                                               QStringLiteral("--digits"),
                                               QStringLiteral("--engineering"),
                                               QStringLiteral("--show")};
        if (!avecValeur.contains(a)) {
            erreur = a.startsWith(QLatin1String("--"))
                         ? QStringLiteral("option inconnue : %1").arg(a)
                         : QStringLiteral("la lecture de fichiers n'est pas encore disponible : %1")
                               .arg(a);
            return false;
        }
        if (i + 1 >= arguments.size()) {
            erreur = QStringLiteral("valeur manquante après %1").arg(a);
            return false;
        }
        const QString v = arguments[++i];
        int n = 0;
        bool ok = true;
        if (a == QLatin1String("--points")) ok = Entier(v, 1, 65535, n);
        if (a == QLatin1String("--digits")) ok = Entier(v, 1, 20, n);
        if (a == QLatin1String("--tbase")) {
            const double t = v.toDouble(&ok);
            ok = ok && t > 0.0;
        }
        if (a == QLatin1String("--engineering"))
            ok = v == QLatin1String("on") || v == QLatin1String("off");
        if (!ok) {
            erreur = QStringLiteral("valeur incorrecte pour %1 : %2").arg(a, v);
            return false;
        }
        if (a == QLatin1String("--show"))
            montrer_ = v.split(QLatin1Char(','), Qt::SkipEmptyParts);
        else
            options_.append({a, v});
    }
    return true;
}

void CommandeRun::Appliquer(Travail& travail, const Option& option) const {
    TableVariables& table = travail.Variables();
    if (option.nom == QLatin1String("--points")) {
        table.ChangerNbPoints(option.valeur.toInt(), true);
    } else if (option.nom == QLatin1String("--tbase")) {
        travail.Parametres().periode = option.valeur.toDouble() * 1e6;
        travail.Parametres().periodeEntiere = qRound(travail.Parametres().periode);
        table.CreerBaseDeTemps(0.0);
    } else if (option.nom == QLatin1String("--digits")) {
        travail.nombres.chiffres = option.valeur.toInt();
    } else if (option.nom == QLatin1String("--engineering")) {
        const bool oui = option.valeur == QLatin1String("on");
        travail.options = oui ? (travail.options | option::Ingenieur)
                              : (travail.options & ~option::Ingenieur);
        travail.AppliquerOptions();
    }
}

QStringList CommandeRun::NomsMontres(const Travail& travail) const {
    if (montrer_) return *montrer_;
    QStringList noms;
    const TableVariables& table = travail.Variables();
    for (int slot = table.CaseTemps(); slot >= 1 && slot <= table.DerniereCase(); ++slot)
        if (const TypeId* v = table.Variable(slot)) noms << v->Nom;
    return noms;
}

int CommandeRun::Executer() {
    HoteScripte hote;
    Travail travail(hote);
    for (const Option& o : options_) Appliquer(travail, o);

    const TableVariables& table = travail.Variables();
    QJsonObject variables;
    QTextStream out(stdout);
    for (const QString& nom : NomsMontres(travail)) {
        const TypeId* v = table.Variable(table.IndexVariable(nom));
        if (!v) {
            variables.insert(nom, QJsonValue::Null);
            if (!json_) out << nom << " : variable inconnue\n";
            continue;
        }
        const int fenetre = v->PremiereFenetre() ? v->PremiereFenetre() : 1;
        QJsonObject o{{QStringLiteral("genre"), v->Genre},
                      {QStringLiteral("capacity"), v->Capacite()},
                      {QStringLiteral("first"), v->Premier},
                      {QStringLiteral("count"), v->NbPoints},
                      {QStringLiteral("unit"), v->Unite},
                      {QStringLiteral("abscissa"), v->NomAbscisseAffiche()}};
        QStringList points, abscisses;
        if (v->EstScalaire()) {
            points << Reel(v->LirePoint(0));
        } else {
            for (int i = v->Premier; i <= v->NbPoints; ++i) {
                points << Reel(v->LirePoint(i));
                abscisses << Reel(v->Abscisse(i, fenetre));
            }
        }
        if (json_) {
            // Reals go in as raw JSON text so that they keep their shortest exact form.
            if (v->EstScalaire()) {
                o.insert(QStringLiteral("value"), QStringLiteral("@R@") + points.first() +
                                                      QStringLiteral("@R@"));
            } else {
                o.insert(QStringLiteral("points"), QStringLiteral("@A@") +
                                                       points.join(QLatin1Char(',')) +
                                                       QStringLiteral("@A@"));
                o.insert(QStringLiteral("x"), QStringLiteral("@A@") +
                                                  abscisses.join(QLatin1Char(',')) +
                                                  QStringLiteral("@A@"));
            }
            variables.insert(v->Nom, o);
            continue;
        }
        const ReglagesNombres& r = travail.nombres;
        // Without a unit a prefix alone would read as one ("1.00 m" for 0.001).
        const auto texte = [&](double x) {
            return v->Unite.isEmpty() ? TexteValeur(r, r.chiffres, 0, x)
                                      : TexteValeurUnite(r, r.chiffres, v->Unite, 0, x);
        };
        if (v->EstScalaire()) {
            out << v->Nom << " = " << texte(v->LirePoint(0)) << "\n";
            continue;
        }
        out << v->Nom << " (" << v->NbPoints << " points) :";
        for (int i = v->Premier; i <= v->NbPoints; ++i) out << " " << texte(v->LirePoint(i));
        out << "\n";
    }
    if (json_) {
        QJsonObject document{{QStringLiteral("results"), QJsonArray()},
                             {QStringLiteral("error"), QJsonValue::Null},
                             {QStringLiteral("variables"), variables}};
        QString texte = QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Compact));
        // Unwrap the raw reals: "@R@x@R@" is a number, "@A@x,y@A@" an array of numbers.
        texte.replace(QStringLiteral("\"@R@"), QString()).replace(QStringLiteral("@R@\""), QString());
        texte.replace(QStringLiteral("\"@A@"), QStringLiteral("["))
            .replace(QStringLiteral("@A@\""), QStringLiteral("]"));
        out << texte << "\n";
    }
    return 0;
}

} // namespace pelavorine::cli
