#include "core/calc/Directives.h"

#include "core/store/Hote.h"
#include "core/store/Nombres.h"
#include "core/store/TableVariables.h"

#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

namespace pelavorine {

namespace {

// Table order matters: the first name found in a word wins.
constexpr std::array<const char*, 15> kNoms = {
    "REPETER", "PERMANENT", "INIT", "AFFICHER", "EMETTRE", "DEGRE", "RADIAN", "FLOTT",
    "FIX",     "ATAN",      "OFF",  "ON",       "INHIB",   "TEMPO", "PAUSE"};

bool EstSeparateur(QChar c) {
    return QStringView(u"\r ().,:=").contains(c);
}

// Slices of a long wait, so that Escape is seen quickly.
constexpr int kTranche = 20;

} // namespace

Directives::Directives(const TableVariables& table, Hote& hote) : table_(table), hote_(hote) {}

QList<Directives::Mot> Directives::Decouper(const QString& ligne) {
    QList<Mot> mots;
    const QString texte = ligne.mid(1) + QLatin1Char('\r');
    // Column of texte[k] on the line without spaces, the leading '.' being column 1.
    int colonne = 1;
    int debut = -1;
    int colonneDebut = 0;
    for (int k = 0; k < texte.size(); ++k) {
        const QChar c = texte[k];
        if (c != QLatin1Char(' ')) ++colonne;
        if (EstSeparateur(c)) {
            if (debut >= 0) {
                const QString brut = texte.mid(debut, k - debut);
                mots.append({brut.toUpper(), brut, colonneDebut});
                debut = -1;
            }
        } else if (debut < 0) {
            debut = k;
            colonneDebut = colonne;
        }
    }
    return mots;
}

Directives::Nom Directives::Reconnaitre(const QString& mot) {
    const QString debut = mot.left(10);
    for (int n = 0; n < static_cast<int>(kNoms.size()); ++n)
        if (debut.contains(QLatin1String(kNoms[n]))) return static_cast<Nom>(n + 1);
    return Aucun;
}

long long Directives::LireCompte(const Mot& mot, long long maximum) const {
    double valeur = 0;
    const Lecture lecture = LireNombreSimple(mot.texte);
    if (lecture.correct) {
        valeur = lecture.valeur;
    } else {
        // Looked up as typed: with case-sensitive names the upper-cased word would miss.
        const TypeId* v =
            table_.NomValide(mot.brut) ? table_.Variable(table_.IndexVariable(mot.brut)) : nullptr;
        if (!v || v->Capacite() > 1) return 0;
        valeur = v->LirePoint(0);
    }
    if (!(valeur >= 1) || valeur > static_cast<double>(maximum) || valeur != std::floor(valeur))
        return 0;
    return static_cast<long long>(valeur);
}

void Directives::Attendre(long long millisecondes) {
    const bool ecoute = millisecondes >= directive::TempoInterruptible;
    QElapsedTimer chrono;
    chrono.start();
    for (;;) {
        const long long reste = millisecondes - chrono.elapsed();
        if (reste <= 0) return;
        if (ecoute && hote_.Interrompu()) return;
        QThread::msleep(static_cast<unsigned long>(std::min<long long>(reste, kTranche)));
    }
}

Directives::Resultat Directives::ExecuterDirective(const QString& ligne, int statut,
                                                   ModesCalcul& modes) {
    const QList<Mot> mots = Decouper(ligne);
    Resultat r;
    r.position = mots.isEmpty() ? 1 : mots.front().position;
    if (statut == directive::Arret &&
        (mots.isEmpty() || mots.front().texte != QLatin1String("ON"))) {
        r.resultat = directive::Arret;
        return r;
    }

    // A faulty line leaves no repetition count behind (".REPETER 2.5" reads 2, then fails).
    const auto erreur = [&r, &modes](int code) {
        modes.nombreRepetitions = 1;
        r.resultat = code;
        return r;
    };
    for (int k = 0; k < mots.size(); ++k) {
        r.position = mots[k].position;
        switch (Reconnaitre(mots[k].texte)) {
        case Aucun:
            return erreur(directive::Incorrecte);
        case Repeter: {
            const long long n =
                k + 1 < mots.size() ? LireCompte(mots[++k], directive::MaxRepetitions) : 0;
            r.position = mots[k].position;
            if (n == 0) return erreur(directive::Incorrecte);
            modes.nombreRepetitions = static_cast<int>(n);
            r.resultat = directive::Boucle;
            break;
        }
        case Permanent:
            modes.nombreRepetitions = directive::Permanent;
            r.resultat = directive::Boucle;
            break;
        case Init:
            r.resultat = directive::Init;
            break;
        case Afficher:
            if (r.resultat >= 0) r.resultat |= directive::Afficher;
            break;
        case Emettre:
            if (r.resultat >= 0) r.resultat |= directive::Emettre;
            break;
        case Degre:
            modes.degres = true;
            break;
        case Radian:
            modes.degres = false;
            break;
        case Flott:
        case Fix:
            return erreur(directive::Perimee);
        case Atan:
            if (k + 1 < mots.size()) {
                const QString& valeur = mots[++k].texte;
                if (valeur == QLatin1String("90"))
                    modes.modeAtan = 90;
                else if (valeur == QLatin1String("180"))
                    modes.modeAtan = 180;
            }
            break;
        case Off:
            r.resultat = directive::Arret;
            break;
        case On:
            r.resultat = directive::Marche;
            break;
        case Inhib:
            if (r.resultat == 0) r.resultat = directive::Inhibition;
            break;
        case Tempo: {
            const long long n = k + 1 < mots.size() ? LireCompte(mots[++k], INT_MAX) : 0;
            r.position = mots[k].position;
            if (n == 0) return erreur(directive::Incorrecte);
            Attendre(n);
            break;
        }
        case Pause:
            if (r.resultat >= 0) r.resultat |= directive::Pause;
            break;
        }
    }
    return r;
}

} // namespace pelavorine
